#include "characters/HeadParts.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <algorithm>
#include <cmath>

namespace content::characters {

namespace {

constexpr std::uint32_t stubbleShade = 0x4E5573;
constexpr std::uint32_t gold = colour::orangeLight;
constexpr std::uint32_t capPeakLight = 0x4A4560;

// How wide a part of the face of half width `half` looks where the surface
// faces the viewer by `facing`.
double Squeezed(double half, double facing)
{
    return half * (0.4 + 0.6 * std::max(0.0, facing));
}

} // namespace

HeadView::HeadView(double centreX, double centreY, double headRadius, double turn)
    : x(centreX), y(centreY), radius(headRadius), yaw(turn), facing(std::cos(turn)), sideways(std::sin(turn))
{
}

HeadView::Surface HeadView::On(double angle, double down, double out) const
{
    const double across = std::sqrt(std::max(0.0, radius * radius - down * down)) * out;
    return {x + across * std::sin(angle + yaw), y + down, std::cos(angle + yaw)};
}

void AddHeadShape(cairo_t* cairo, const HeadView& head, bool squareChin)
{
    const double radius = head.Radius();
    cairo_new_sub_path(cairo);
    Circle(cairo, head.X(), head.Y(), radius);
    if (!squareChin)
        return;
    // The jaw is a box a little narrower across than deep, seen turned: its
    // width on the screen is that of the ellipse through its sides.
    const double across = 0.84 * head.Facing();
    const double depth = 0.8 * head.Sideways();
    const double half = radius * std::sqrt(across * across + depth * depth);
    const double jawX = head.X() + head.Sideways() * radius * 0.2;
    RoundedRectangle(cairo, jawX - half, head.Y() + radius * 0.05, 2 * half, radius * 1.01, radius * 0.38);
}

void DrawStubble(cairo_t* cairo, const HeadView& head, bool squareChin)
{
    const double radius = head.Radius();
    cairo_save(cairo);
    AddHeadShape(cairo, head, squareChin);
    cairo_clip(cairo);
    const HeadView::Surface chin = head.On(0.0, radius * 0.72);
    Ellipse(cairo, chin.x, chin.y, radius * (0.62 + 0.2 * std::abs(head.Sideways())), radius * 0.42);
    FillPlain(cairo, stubbleShade, 0.2);
    // Dots of beard where the jaw faces the viewer.
    for (const double down : {0.64, 0.8, 0.94}) {
        for (int step = -2; step <= 2; ++step) {
            const double angle = step * 0.34 + (down > 0.7 && down < 0.9 ? 0.17 : 0.0);
            const HeadView::Surface dot = head.On(angle, radius * down, 0.96);
            if (dot.facing < 0.25)
                continue;
            Circle(cairo, dot.x, dot.y, radius * 0.03);
            FillPlain(cairo, stubbleShade, 0.3);
        }
    }
    cairo_restore(cairo);
}

void DrawGrumpyBrows(cairo_t* cairo, const HeadView& head, std::uint32_t hair)
{
    const double radius = head.Radius();
    for (const double side : {-1.0, 1.0}) {
        const HeadView::Surface inner = head.On(side * 0.14, -radius * 0.13);
        const HeadView::Surface outer = head.On(side * 0.62, -radius * 0.3);
        if (inner.facing < 0.05 || outer.facing < -0.1)
            continue;
        cairo_move_to(cairo, inner.x, inner.y);
        cairo_line_to(cairo, outer.x, outer.y);
        StrokeBand(cairo, hair, radius * 0.1, radius * 0.1 + rigOutline * 1.2);
    }
}

void DrawFrown(cairo_t* cairo, const HeadView& head)
{
    const double radius = head.Radius();
    const HeadView::Surface mouth = head.On(0.0, radius * 0.56);
    if (mouth.facing < -0.05)
        return;
    const double width = Squeezed(radius * 0.28, mouth.facing);
    cairo_move_to(cairo, mouth.x - width, mouth.y + radius * 0.07);
    cairo_curve_to(cairo, mouth.x - width * 0.5, mouth.y - radius * 0.1, mouth.x + width * 0.5, mouth.y - radius * 0.1,
                   mouth.x + width, mouth.y + radius * 0.07);
    StrokeOutline(cairo, rigOutline * 0.9);
}

void DrawMoustache(cairo_t* cairo, const HeadView& head, std::uint32_t light, std::uint32_t shade)
{
    const double radius = head.Radius();
    for (const double side : {-1.0, 1.0}) {
        const HeadView::Surface root = head.On(side * 0.03, radius * 0.36, 1.03);
        const HeadView::Surface tip = head.On(side * 0.4, radius * 0.27, 1.0);
        const HeadView::Surface upper = head.On(side * 0.17, radius * 0.28, 1.03);
        const HeadView::Surface lower = head.On(side * 0.2, radius * 0.45, 1.03);
        if (tip.facing < 0.0 || root.facing < -0.05)
            continue;
        // The tip twirls up.
        cairo_move_to(cairo, root.x, root.y);
        cairo_curve_to(cairo, upper.x, upper.y, tip.x, tip.y + radius * 0.05, tip.x, tip.y - radius * 0.06);
        cairo_curve_to(cairo, tip.x, tip.y + radius * 0.12, lower.x, lower.y, root.x, root.y + radius * 0.09);
        cairo_close_path(cairo);
        FillOutlined(cairo, light, shade, rigOutline * 0.6);
    }
}

void DrawMonocle(cairo_t* cairo, const HeadView& head)
{
    const double radius = head.Radius();
    const HeadView::Surface eye = head.On(-0.38, radius * 0.1);
    if (eye.facing < 0.08)
        return;
    const double width = Squeezed(radius * 0.27, eye.facing);
    const double height = radius * 0.28;
    // The chain first, from the rim down past the chin to the collar.
    const double endX = head.X() + head.Sideways() * radius * 0.3 - head.Facing() * radius * 0.25;
    cairo_move_to(cairo, eye.x - width * 0.3, eye.y + height);
    cairo_curve_to(cairo, eye.x - width * 0.6, eye.y + radius * 0.9, endX, head.Y() + radius * 1.2, endX,
                   head.Y() + radius * 1.6);
    StrokeBand(cairo, gold, radius * 0.05, radius * 0.05 + rigOutline * 1.1);
    Ellipse(cairo, eye.x, eye.y, width, height);
    FillPlain(cairo, tone::white, 0.22);
    Ellipse(cairo, eye.x, eye.y, width, height);
    StrokeBand(cairo, tone::steelLight, radius * 0.075, radius * 0.075 + rigOutline * 1.4);
    // A glint on the glass.
    cairo_arc(cairo, eye.x, eye.y, height * 0.62, -2.6, -1.7);
    SetColour(cairo, tone::white, 0.85);
    cairo_set_line_width(cairo, radius * 0.05);
    cairo_stroke(cairo);
}

void DrawFlatCap(cairo_t* cairo, const HeadView& head, const FigureLook& look)
{
    const double radius = head.Radius();
    const double x = head.X();
    const double y = head.Y();
    const double facing = head.Facing();
    const double sideways = head.Sideways();
    // The peak under the crown when it points away, over it when near.
    const auto peak = [&] {
        if (facing < -0.3)
            return;
        const double peakX = x + sideways * radius * 0.92;
        const double width = radius * (0.4 + 0.5 * std::abs(facing));
        cairo_move_to(cairo, peakX - width, y - radius * 0.46);
        cairo_curve_to(cairo, peakX - width * 0.6, y - radius * 0.14, peakX + width * 0.6, y - radius * 0.14,
                       peakX + width, y - radius * 0.46);
        cairo_close_path(cairo);
        FillOutlined(cairo, capPeakLight, look.capChecks, rigOutline);
    };
    const auto crown = [&] {
        cairo_new_path(cairo);
        RoundedRectangle(cairo, x - radius * 1.03, y - radius * 0.68, radius * 2.06, radius * 0.36, radius * 0.12);
        // The soft top sits a little forwards.
        cairo_new_sub_path(cairo);
        Ellipse(cairo, x + sideways * radius * 0.16, y - radius * 0.82, radius * 1.12, radius * 0.44);
    };
    if (facing < 0.0)
        peak();
    crown();
    FillUnion(cairo, look.capColour, look.capShade, rigOutline);
    // Checks, moving across as the head turns.
    cairo_save(cairo);
    crown();
    cairo_clip(cairo);
    const double size = radius * 0.3;
    const double left = x + std::atan2(sideways, facing) * radius;
    const int first = static_cast<int>(std::floor((x - 1.4 * radius - left) / size));
    const int last = static_cast<int>(std::ceil((x + 1.4 * radius - left) / size));
    for (int column = first; column <= last; ++column) {
        for (int row = 0; row < 5; ++row) {
            if (((column + row) & 1) != 0)
                continue;
            cairo_rectangle(cairo, left + column * size, y - radius * 1.3 + row * size, size, size);
        }
    }
    FillPlain(cairo, look.capChecks, 0.88);
    // The seam between the band and the crown.
    cairo_move_to(cairo, x - radius * 1.03, y - radius * 0.68);
    cairo_curve_to(cairo, x - radius * 0.4, y - radius * 0.62, x + radius * 0.4, y - radius * 0.62, x + radius * 1.03,
                   y - radius * 0.68);
    StrokeOutline(cairo, rigOutline * 0.8);
    cairo_restore(cairo);
    if (facing >= 0.0)
        peak();
}

} // namespace content::characters
