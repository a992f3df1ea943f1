#include "CastleMasonry.h"

#include "SceneShapes.h"
#include "SpriteArt.h"
#include "rooms/episode3/ArchedDoor.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

constexpr std::uint32_t ringLight = 0x8E98A8;
constexpr std::uint32_t edgeShade = 0x45301F;

// A ring handle `ringY` down beside a leaf's free edge while the leaf is
// wide enough to show it, and the leaf's edge in shade, wider the further it
// turns.
void RingAndEdge(cairo_t* cairo, double height, double ringY, double edge, double side, double leaf, double open)
{
    if (leaf > 30.0) {
        cairo_arc(cairo, edge + side * 16.0, ringY, 8.0, 0.0, std::numbers::pi);
        StrokeBand(cairo, ringLight, 3.0, 6.5);
    }
    cairo_move_to(cairo, edge, 0.0);
    cairo_line_to(cairo, edge, height);
    StrokeOutline(cairo, 3.0);
    cairo_rectangle(cairo, side < 0.0 ? edge : edge - 10.0 * open, 0.0, 10.0 * open, height);
    FillPlain(cairo, edgeShade);
}

} // namespace

void StoneCourses(cairo_t* cairo, double left, double top, double right, double bottom, double stoneWidth,
                  double rowHeight, double alpha)
{
    cairo_set_line_width(cairo, 2.0);
    int row = 0;
    for (double y = top; y < bottom; y += rowHeight, ++row) {
        const double shift = row % 2 == 0 ? 0.0 : stoneWidth / 2.0;
        for (double x = left - shift; x < right; x += stoneWidth) {
            const double wobble = std::fmod(std::abs(x * 7.0 + y * 3.0), 9.0) - 4.5;
            RoundedRectangle(cairo, x + 3.0, y + 3.0, stoneWidth - 6.0 + wobble * 0.6,
                             std::min(rowHeight, bottom - y) - 6.0, 6.0);
        }
    }
    SetColour(cairo, colour::outline, alpha);
    cairo_stroke(cairo);
}

void DrawCastleDoor(cairo_t* cairo, double width, double height, int frame, int leaves, const DoorIron& iron,
                    const std::function<void()>& view)
{
    DrawArchedDoor(cairo, width, height, frame,
                   {.count = leaves,
                    .turn = 0.86,
                    .outlineWidth = 0.0,
                    .squeezed = true,
                    .planks = iron.planks,
                    .seamShade = 0.55,
                    .straps = iron.straps,
                    .strapHeight = 12.0,
                    .strapLight = ringLight,
                    .strapDark = 0x4E5666},
                   view, [&](double edge, double side, double leaf, double open) {
                       RingAndEdge(cairo, height, iron.handleY, edge, side, leaf, open);
                   });
}

void DrawCastleDoor(cairo_t* cairo, double width, double height, int frame, int leaves,
                    const std::function<void()>& view)
{
    DrawCastleDoor(cairo, width, height, frame, leaves,
                   {{height * 0.32, height * 0.78}, height * 0.58, leaves == 1 ? 5 : 3}, view);
}

} // namespace content::rooms
