#include "characters/HeadParts.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

// A point `angle` round from the face towards the figure's side 1, `down`
// below the head's centre and `out` radii from its upright axis: also off
// the head's surface, as for a beard or a feather.
HeadView::Surface Around(const HeadView& head, double angle, double down, double out)
{
    const double across = std::sin(angle) * head.Facing() + std::cos(angle) * head.Sideways();
    const double facing = std::cos(angle) * head.Facing() - std::sin(angle) * head.Sideways();
    return {head.X() + head.Radius() * out * across, head.Y() + down, facing};
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

void DrawFullBeard(cairo_t* cairo, const HeadView& head, std::uint32_t light, std::uint32_t shade)
{
    const double radius = head.Radius();
    // Only the part round the side that faces the viewer: the angles from
    // the face whose points are not turned away.
    const double yaw = std::atan2(head.Sideways(), head.Facing());
    const double first = std::max(-std::numbers::pi / 2, -std::numbers::pi / 2 - yaw);
    const double last = std::min(std::numbers::pi / 2, std::numbers::pi / 2 - yaw);
    if (last <= first)
        return;
    constexpr int steps = 24;
    cairo_new_path(cairo);
    // Along the cheeks under the eyes from ear to ear, up to the temples.
    for (int step = 0; step <= steps; ++step) {
        const double angle = first + (last - first) * step / steps;
        const double side = std::min(1.0, std::abs(angle) / (std::numbers::pi / 2));
        const HeadView::Surface at = Around(head, angle, radius * (0.3 - 0.4 * side * side), 1.02);
        cairo_line_to(cairo, at.x, at.y);
    }
    // Back along the bushy lower edge: long under the chin, in curls.
    for (int step = steps; step >= 0; --step) {
        const double angle = first + (last - first) * step / steps;
        const double side = std::min(1.0, std::abs(angle) / (std::numbers::pi / 2));
        const double curl = (step % 2 == 0 ? 0.0 : -0.12) * (1.0 - side * 0.5);
        const HeadView::Surface at =
            Around(head, angle, radius * (0.62 + 1.05 * (1.0 - side * side) + curl), 1.16 - 0.1 * side);
        cairo_line_to(cairo, at.x, at.y);
    }
    cairo_close_path(cairo);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    FillOutlined(cairo, light, shade, rigOutline);
    // Strands down the front.
    for (const double angle : {-0.7, -0.35, 0.0, 0.35, 0.7}) {
        const HeadView::Surface top = Around(head, angle, radius * 0.75, 1.0);
        const HeadView::Surface end = Around(head, angle * 1.15, radius * (0.95 + 0.6 * (1.0 - std::abs(angle))), 0.95);
        if (top.facing < 0.25)
            continue;
        cairo_move_to(cairo, top.x, top.y);
        cairo_curve_to(cairo, top.x, top.y + radius * 0.3, end.x, end.y - radius * 0.2, end.x, end.y);
        SetColour(cairo, tone::steelLight, 0.35);
        cairo_set_line_width(cairo, rigOutline * 0.6);
        cairo_stroke(cairo);
    }
    // The moustache: two heavy tufts from under the nose.
    for (const double side : {-1.0, 1.0}) {
        const HeadView::Surface root = Around(head, side * 0.04, radius * 0.34, 1.06);
        const HeadView::Surface upper = Around(head, side * 0.3, radius * 0.3, 1.05);
        const HeadView::Surface tip = Around(head, side * 0.58, radius * 0.6, 1.02);
        const HeadView::Surface lower = Around(head, side * 0.24, radius * 0.56, 1.06);
        if (tip.facing < -0.1 || root.facing < -0.05)
            continue;
        cairo_move_to(cairo, root.x, root.y);
        cairo_curve_to(cairo, upper.x, upper.y, tip.x, tip.y - radius * 0.2, tip.x, tip.y);
        cairo_curve_to(cairo, lower.x, lower.y + radius * 0.04, root.x, root.y + radius * 0.24, root.x,
                       root.y + radius * 0.16);
        cairo_close_path(cairo);
        FillOutlined(cairo, light, shade, rigOutline * 0.6);
    }
}

void DrawBaldCrown(cairo_t* cairo, const HeadView& head, std::uint32_t skinShade)
{
    const double radius = head.Radius();
    const HeadView::Surface shine = head.On(-0.45, -radius * 0.66, 0.88);
    Ellipse(cairo, shine.x, shine.y, radius * 0.34, radius * 0.15);
    FillPlain(cairo, tone::white, 0.45);
    for (const double down : {0.52, 0.4}) {
        const HeadView::Surface left = head.On(-0.42, -radius * down);
        const HeadView::Surface right = head.On(0.42, -radius * down);
        if (left.facing < 0.3 || right.facing < 0.3)
            continue;
        cairo_move_to(cairo, left.x, left.y);
        cairo_curve_to(cairo, left.x + (right.x - left.x) * 0.3, left.y - radius * 0.06,
                       left.x + (right.x - left.x) * 0.7, right.y - radius * 0.06, right.x, right.y);
        SetColour(cairo, skinShade, 0.9);
        cairo_set_line_width(cairo, rigOutline * 0.6);
        cairo_stroke(cairo);
    }
}

void DrawFeatheredCap(cairo_t* cairo, const HeadView& head, const FigureLook& look)
{
    const double radius = head.Radius();
    const double x = head.X();
    const double y = head.Y();
    const HeadView::Surface base = Around(head, std::numbers::pi * 0.56, -radius * 0.7, 1.05);
    const auto feather = [&] {
        const HeadView::Surface middle = Around(head, std::numbers::pi * 0.78, -radius * 1.5, 1.55);
        const HeadView::Surface tip = Around(head, std::numbers::pi * 0.94, -radius * 1.55, 2.4);
        // The vane on both sides of the quill, wider on the outer side.
        const double dx = tip.x - base.x;
        const double dy = tip.y - base.y;
        const double length = std::max(1e-6, std::hypot(dx, dy));
        const double normalX = -dy / length;
        const double normalY = dx / length;
        const double wide = radius * 0.42;
        cairo_move_to(cairo, base.x, base.y);
        cairo_curve_to(cairo, middle.x + normalX * wide, middle.y + normalY * wide - radius * 0.3,
                       tip.x + normalX * wide * 0.4, tip.y + normalY * wide * 0.4, tip.x, tip.y);
        cairo_curve_to(cairo, middle.x - normalX * wide * 0.4, middle.y - normalY * wide * 0.4,
                       middle.x - normalX * wide * 0.5, middle.y - normalY * wide * 0.5 + radius * 0.3, base.x,
                       base.y);
        cairo_close_path(cairo);
        FillOutlined(cairo, look.featherColour, look.featherShade, rigOutline);
        cairo_move_to(cairo, base.x, base.y);
        cairo_curve_to(cairo, middle.x, middle.y - radius * 0.1, middle.x, middle.y, tip.x, tip.y);
        SetColour(cairo, look.featherShade);
        cairo_set_line_width(cairo, rigOutline * 0.7);
        cairo_stroke(cairo);
    };
    if (base.facing < 0.0)
        feather();
    // The band round the head and the puffed crown over it.
    const double tipped = head.Facing() * radius * 0.22;
    cairo_new_path(cairo);
    RoundedRectangle(cairo, x - radius * 1.04, y - radius * 0.66, radius * 2.08, radius * 0.34, radius * 0.14);
    cairo_new_sub_path(cairo);
    Ellipse(cairo, x + tipped, y - radius * 0.9, radius * 1.22, radius * 0.46);
    FillUnion(cairo, look.capColour, look.capShade, rigOutline);
    cairo_move_to(cairo, x - radius * 1.04, y - radius * 0.66);
    cairo_curve_to(cairo, x - radius * 0.4, y - radius * 0.58, x + radius * 0.4, y - radius * 0.58, x + radius * 1.04,
                   y - radius * 0.66);
    StrokeOutline(cairo, rigOutline * 0.8);
    if (base.facing >= 0.0) {
        feather();
        // A gold clasp where the feather sits.
        Circle(cairo, base.x, base.y, radius * 0.16);
        FillOutlined(cairo, gold, colour::orange, rigOutline * 0.6);
    }
}

} // namespace content::characters
