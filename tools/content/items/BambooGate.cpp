// The bamboo gate on the path between the beach and the village: two
// posts under a crossbar with a board and a garland of hibiscus, and two
// leaves of canes that swing open towards the viewer.

#include "items/DoorArt.h"

#include "BonusArt.h"
#include "SceneShapes.h"
#include "SpriteArt.h"

#include <algorithm>

namespace content::items {

namespace {

constexpr std::uint32_t bamboo = 0xD9C46A;
constexpr std::uint32_t bambooDark = 0x9C8A3A;
constexpr std::uint32_t rope = 0xC98E52;
// Room around the posts in the graphic: the crossbar's ends and the board.
constexpr double margin = 12.0;
constexpr double crossbarY = 30.0;

void Cane(cairo_t* cairo, double x, double top, double bottom, double thickness)
{
    RoundedRectangle(cairo, x - thickness / 2.0, top, thickness, bottom - top, thickness / 2.0);
    FillOutlined(cairo, bamboo, bambooDark, 2.0);
    // The knots of the cane.
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, bambooDark);
    for (double y = top + 26.0; y < bottom - 8.0; y += 34.0) {
        cairo_move_to(cairo, x - thickness / 2.0 + 1.0, y);
        cairo_line_to(cairo, x + thickness / 2.0 - 1.0, y);
    }
    cairo_stroke(cairo);
}

// One leaf hinged at `hinge`, reaching `reach` towards the middle
// (negative: to the left) while closed; `turned` 0 closed to 1 open.
void Leaf(cairo_t* cairo, double hinge, double reach, double top, double bottom, double turned)
{
    const double squeeze = 1.0 - 0.8 * turned;
    const int canes = 6;
    for (int cane = 0; cane < canes; ++cane) {
        const double along = (cane + 0.5) / canes;
        const double x = hinge + reach * along * squeeze;
        // Turning towards the viewer, the free side grows a little.
        const double grow = 10.0 * turned * along;
        Cane(cairo, x, top - grow * 0.4, bottom + grow * 0.2, 9.0 * (0.6 + 0.4 * squeeze));
    }
    for (const double y : {top + 22.0, bottom - 26.0}) {
        cairo_move_to(cairo, hinge, y);
        cairo_line_to(cairo, hinge + reach * squeeze, y + 4.0 * turned);
        StrokeBand(cairo, rope, 3.0, 6.0);
    }
}

} // namespace

rooms::RoomGraphic BambooGate(const std::string& name, const std::string& sign, int footX, int footY, int width,
                              int height)
{
    const int graphicWidth = width + 2 * static_cast<int>(margin);
    rooms::RoomGraphic gate{name, footX - graphicWidth / 2, footY - height, graphicWidth, height, doorFrames, {}};
    gate.draw = [width, height, sign](cairo_t* cairo, int frame) {
        const double left = margin;
        const double right = margin + width;
        const double bottom = height - 2.0;
        const double turned = DoorOpening(frame);
        cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
        // The leaves first, so that the posts cover their hinges.
        const double leafTop = crossbarY + 40.0;
        const double leafBottom = bottom - 8.0;
        Leaf(cairo, left + 6.0, width / 2.0 - 8.0, leafTop, leafBottom, turned);
        Leaf(cairo, right - 6.0, -(width / 2.0 - 8.0), leafTop, leafBottom, turned);
        Cane(cairo, left, crossbarY - 8.0, bottom, 15.0);
        Cane(cairo, right, crossbarY - 8.0, bottom, 15.0);
        RoundedRectangle(cairo, 2.0, crossbarY - 6.0, width + 2.0 * margin - 4.0, 13.0, 6.0);
        FillOutlined(cairo, bamboo, bambooDark, 2.5);
        // The board hanging from the crossbar, with what lies beyond.
        const double boardWidth = std::min(width - 20.0, 96.0);
        const double middle = margin + width / 2.0;
        cairo_move_to(cairo, middle - boardWidth / 3.0, crossbarY + 6.0);
        cairo_line_to(cairo, middle - boardWidth / 3.0, crossbarY + 14.0);
        cairo_move_to(cairo, middle + boardWidth / 3.0, crossbarY + 6.0);
        cairo_line_to(cairo, middle + boardWidth / 3.0, crossbarY + 14.0);
        StrokeBand(cairo, rope, 2.0, 4.5);
        RoundedRectangle(cairo, middle - boardWidth / 2.0, crossbarY + 12.0, boardWidth, 24.0, 5.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
        DrawArtText(cairo, sign, middle, crossbarY + 30.0, 14.0, colour::cream);
        for (int flower = 0; flower < 4; ++flower) {
            const double x = 8.0 + flower * (width + 2.0 * margin - 16.0) / 3.0;
            DrawHibiscus(cairo, x, crossbarY - 4.0 + (flower % 2) * 4.0, 10.0);
        }
    };
    return gate;
}

} // namespace content::items
