#include "FieldGate.h"

#include "SceneShapes.h"
#include "SpriteArt.h"
#include "items/DoorArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

constexpr double pi = std::numbers::pi;
// Room beside the posts in the graphic, for the posts' width and the board.
constexpr double margin = 14.0;
constexpr double postWidth = 16.0;
constexpr std::uint32_t weathered = 0xB98B5A;
constexpr std::uint32_t weatheredDark = 0x7A5532;

void Post(cairo_t* cairo, double x, double top, double bottom)
{
    cairo_move_to(cairo, x - postWidth / 2.0, bottom);
    cairo_line_to(cairo, x - postWidth / 2.0, top + 6.0);
    cairo_line_to(cairo, x, top);
    cairo_line_to(cairo, x + postWidth / 2.0, top + 6.0);
    cairo_line_to(cairo, x + postWidth / 2.0, bottom);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    // The grain and a knot.
    cairo_move_to(cairo, x - 2.0, top + 14.0);
    cairo_line_to(cairo, x - 3.0, bottom - 10.0);
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, tone::wood, 0.6);
    cairo_stroke(cairo);
    Ellipse(cairo, x + 3.0, top + (bottom - top) * 0.55, 2.5, 4.0);
    FillPlain(cairo, tone::wood, 0.8);
}

// The leaf: rails, the stiles at both ends and the brace, turned `turned`
// (0 shut to 1 open) about its hinge towards the viewer. A point `along`
// the leaf (0 at the hinge, 1 at its free end) at height `y` is drawn where
// the turn carries it: closer, so a little lower and larger.
struct Leaf {
    double hinge;
    double reach; // the shut leaf's length, negative when it reaches left
    double middle;
    double turned;

    void At(double along, double y, double& outX, double& outY) const
    {
        const double angle = turned * 0.46 * pi;
        const double near = along * std::sin(angle);
        outX = hinge + reach * along * std::cos(angle);
        outY = middle + (y - middle) * (1.0 + 0.22 * near) + 10.0 * near;
    }

    // A plank from (along0, y0) to (along1, y1), `thickness` high.
    void Plank(cairo_t* cairo, double along0, double y0, double along1, double y1, double thickness) const
    {
        double x = 0.0;
        double y = 0.0;
        At(along0, y0 - thickness / 2.0, x, y);
        cairo_move_to(cairo, x, y);
        At(along1, y1 - thickness / 2.0, x, y);
        cairo_line_to(cairo, x, y);
        At(along1, y1 + thickness / 2.0, x, y);
        cairo_line_to(cairo, x, y);
        At(along0, y0 + thickness / 2.0, x, y);
        cairo_line_to(cairo, x, y);
        cairo_close_path(cairo);
        FillOutlined(cairo, weathered, weatheredDark, 2.0);
    }
};

void DrawGate(cairo_t* cairo, int frame, double width, double height, const std::string& sign, bool hingeLeft)
{
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    const double left = margin;
    const double right = margin + width;
    const double bottom = height - 3.0;
    const double postTop = 38.0;
    const double leafTop = postTop + 22.0;
    const double leafBottom = bottom - 14.0;
    const Leaf leaf{hingeLeft ? left + postWidth / 2.0 : right - postWidth / 2.0,
                    (hingeLeft ? 1.0 : -1.0) * (width - postWidth - 2.0), (leafTop + leafBottom) / 2.0,
                    items::DoorOpening(frame)};
    // The far post first; the leaf swings out in front of it.
    const double freePost = hingeLeft ? right : left;
    const double hingePost = hingeLeft ? left : right;
    Post(cairo, freePost, postTop, bottom);
    // The latch on the free post.
    RoundedRectangle(cairo, freePost - 4.0, leafTop + 10.0, 8.0, 14.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.5);
    // The stiles, the rails and the brace from the hinge's foot up to the
    // free end's top, as field gates are braced.
    leaf.Plank(cairo, 0.0, leafTop, 0.0, leafBottom, 0.0);
    const int rails = 5;
    for (int rail = 0; rail < rails; ++rail) {
        const double y = leafTop + (leafBottom - leafTop) * rail / (rails - 1.0);
        leaf.Plank(cairo, 0.0, y, 1.0, y, 11.0);
    }
    leaf.Plank(cairo, 0.02, leafBottom - 4.0, 0.96, leafTop + 4.0, 12.0);
    for (const double along : {0.0, 1.0}) {
        double x0 = 0.0;
        double y0 = 0.0;
        double x1 = 0.0;
        double y1 = 0.0;
        leaf.At(along, leafTop - 6.0, x0, y0);
        leaf.At(along, leafBottom + 6.0, x1, y1);
        RoundedRectangle(cairo, x0 - 5.0, y0, 10.0, y1 - y0, 3.0);
        FillOutlined(cairo, weathered, weatheredDark, 2.0);
    }
    // The hinge post with its two iron straps over the leaf's end.
    Post(cairo, hingePost, postTop, bottom);
    for (const double y : {leafTop + 4.0, leafBottom - 4.0}) {
        RoundedRectangle(cairo, hingePost - 10.0, y - 3.0, 20.0, 6.0, 2.0);
        FillOutlined(cairo, colour::stone, 0x5E5A54, 1.5);
    }
    // The board on the free post, pointing out of the room along the path.
    const double boardWidth = std::max(64.0, 10.0 * static_cast<double>(sign.size()) + 16.0);
    const double boardLeft = hingeLeft ? std::max(14.0, freePost - boardWidth + 10.0)
                                       : std::min(freePost - 10.0, width + 2.0 * margin - boardWidth - 14.0);
    const double boardY = 6.0;
    const double tipX = hingeLeft ? boardLeft - 10.0 : boardLeft + boardWidth + 10.0;
    cairo_move_to(cairo, freePost, boardY + 22.0);
    cairo_line_to(cairo, freePost, postTop + 2.0);
    StrokeBand(cairo, tone::woodLight, 5.0, 9.0);
    cairo_move_to(cairo, hingeLeft ? boardLeft + boardWidth : boardLeft, boardY);
    cairo_line_to(cairo, hingeLeft ? boardLeft : boardLeft + boardWidth, boardY);
    cairo_line_to(cairo, tipX, boardY + 12.0);
    cairo_line_to(cairo, hingeLeft ? boardLeft : boardLeft + boardWidth, boardY + 24.0);
    cairo_line_to(cairo, hingeLeft ? boardLeft + boardWidth : boardLeft, boardY + 24.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    DrawArtText(cairo, sign, boardLeft + boardWidth / 2.0, boardY + 18.0, 12.0, colour::cream);
}

} // namespace

RoomGraphic FieldGate(const std::string& name, const std::string& sign, int footX, int footY, int width, int height,
                      bool hingeLeft)
{
    const int graphicWidth = width + 2 * static_cast<int>(margin);
    return {name, footX - graphicWidth / 2, footY - height, graphicWidth, height, items::doorFrames,
            [width, height, sign, hingeLeft](cairo_t* cairo, int frame) {
                DrawGate(cairo, frame, width, height, sign, hingeLeft);
            }};
}

} // namespace content::rooms
