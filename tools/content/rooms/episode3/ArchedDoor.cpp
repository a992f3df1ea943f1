#include "ArchedDoor.h"

#include "SpriteArt.h"
#include "items/DoorArt.h"

#include <algorithm>
#include <numbers>

namespace content::rooms {

namespace {

constexpr double pi = std::numbers::pi;
constexpr std::uint32_t plankLight = 0xA8703E;
constexpr std::uint32_t plankDark = 0x7A4E2A;

} // namespace

void ArchPath(cairo_t* cairo, double left, double top, double width, double bottom, double margin)
{
    const double radius = width / 2.0;
    cairo_move_to(cairo, left - margin, bottom);
    cairo_line_to(cairo, left - margin, top + radius);
    cairo_arc(cairo, left + radius, top + radius, radius + margin, pi, 2.0 * pi);
    cairo_line_to(cairo, left + width + margin, bottom);
    cairo_close_path(cairo);
}

void DrawArchedDoor(cairo_t* cairo, double width, double height, int frame, const PlankLeaves& leaves,
                    const std::function<void()>& view, const LeafFittings& fittings)
{
    cairo_save(cairo);
    ArchPath(cairo, 0.0, 0.0, width, height);
    cairo_clip(cairo);
    view();
    // Each leaf turns on its outer edge.
    const double open = items::DoorOpening(frame);
    const double leaf = width / leaves.count * (1.0 - leaves.turn * open);
    for (int index = 0; index < leaves.count; ++index) {
        const double side = index == 0 ? -1.0 : 1.0;
        const double hinge = side < 0.0 ? 0.0 : width;
        const double edge = hinge - side * leaf;
        const double left = std::min(hinge, edge);
        if (leaves.squeezed) {
            const double shut = width / leaves.count;
            cairo_save(cairo);
            cairo_translate(cairo, left, 0.0);
            cairo_scale(cairo, leaf / shut, 1.0);
            cairo_rectangle(cairo, 0.0, 0.0, shut, height);
            FillOutlined(cairo, plankLight, plankDark, leaves.outlineWidth);
            cairo_restore(cairo);
        } else {
            cairo_rectangle(cairo, left, 0.0, leaf, height);
            FillOutlined(cairo, plankLight, plankDark, leaves.outlineWidth);
        }
        cairo_set_line_width(cairo, 2.0);
        for (int plank = 1; plank < leaves.planks; ++plank) {
            cairo_move_to(cairo, left + leaf * plank / leaves.planks, 0.0);
            cairo_line_to(cairo, left + leaf * plank / leaves.planks, height);
        }
        SetColour(cairo, colour::outline, leaves.seamShade);
        cairo_stroke(cairo);
        for (const double y : leaves.straps) {
            cairo_rectangle(cairo, left, y, leaf, leaves.strapHeight);
            FillOutlined(cairo, leaves.strapLight, leaves.strapDark, 2.0);
        }
        fittings(edge, side, leaf, open);
    }
    cairo_restore(cairo);
    ArchPath(cairo, 0.0, 0.0, width, height);
    StrokeOutline(cairo, 3.0);
}

} // namespace content::rooms
