#include "SceneShapes.h"

#include "SpriteArt.h"

#include <algorithm>
#include <numbers>

namespace content {

void StrokeBand(cairo_t* cairo, std::uint32_t rgb, double innerWidth, double outerWidth, double alpha)
{
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    SetColour(cairo, colour::outline);
    cairo_set_line_width(cairo, outerWidth);
    cairo_stroke_preserve(cairo);
    SetColour(cairo, rgb, alpha);
    cairo_set_line_width(cairo, innerWidth);
    cairo_stroke(cairo);
}

void FillPlain(cairo_t* cairo, std::uint32_t rgb, double alpha)
{
    SetColour(cairo, rgb, alpha);
    cairo_fill(cairo);
}

void Ellipse(cairo_t* cairo, double centreX, double centreY, double radiusX, double radiusY)
{
    cairo_save(cairo);
    cairo_translate(cairo, centreX, centreY);
    cairo_scale(cairo, radiusX, radiusY);
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, 0.0, 0.0, 1.0, 0.0, 2.0 * std::numbers::pi);
    cairo_close_path(cairo);
    cairo_restore(cairo);
}

void Glow(cairo_t* cairo, double x, double y, double radius, std::uint32_t rgb, double alpha)
{
    SetGradient(cairo, cairo_pattern_create_radial(x, y, 0.0, x, y, radius), {{0.0, rgb, alpha}, {1.0, rgb, 0.0}});
    cairo_arc(cairo, x, y, radius, 0.0, 2.0 * std::numbers::pi);
    cairo_fill(cairo);
}

void Shine(cairo_t* cairo, double x0, double y0, double x1, double y1, double width, double alpha)
{
    cairo_move_to(cairo, x0, y0);
    cairo_line_to(cairo, x1, y1);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cairo, width);
    SetColour(cairo, tone::white, alpha);
    cairo_stroke(cairo);
}

void ShadowUnder(cairo_t* cairo, double x, double y, double halfWidth, double halfHeight)
{
    Ellipse(cairo, x, y, halfWidth, halfHeight);
    FillPlain(cairo, colour::nightDeep, 0.3);
}

void FillUnion(cairo_t* cairo, std::uint32_t top, std::uint32_t bottom, double width)
{
    // A stroke twice as wide under the fill leaves exactly `width` outside
    // the union, while the fill covers the strokes inside it.
    SetColour(cairo, colour::outline);
    cairo_set_line_width(cairo, 2.0 * OutlineWidth(cairo, width));
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cairo);
    SetPathGradient(cairo, top, bottom);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cairo);
}

void Circle(cairo_t* cairo, double x, double y, double radius)
{
    Ellipse(cairo, x, y, radius, radius);
}

void Arrowhead(cairo_t* cairo, double x, double y, double direction, double tip, double back, double halfHeight)
{
    cairo_move_to(cairo, x + direction * tip, y);
    cairo_line_to(cairo, x - direction * back, y - halfHeight);
    cairo_line_to(cairo, x - direction * back, y + halfHeight);
    cairo_close_path(cairo);
}

void PushPlacement(cairo_t* cairo, double x, double y, double scale, double angle)
{
    cairo_save(cairo);
    cairo_translate(cairo, x, y);
    cairo_rotate(cairo, angle);
    cairo_scale(cairo, scale, scale);
}

void PopPlacement(cairo_t* cairo)
{
    cairo_restore(cairo);
}

namespace {

// A planet's tilted ring; its front half alone passes in front of the
// planet.
void Ring(cairo_t* cairo, double x, double y, double radius, bool frontHalfOnly)
{
    PushPlacement(cairo, x, y, 1.0, -0.35);
    if (frontHalfOnly) {
        cairo_rectangle(cairo, -radius * 2.0, 0.0, radius * 4.0, radius);
        cairo_clip(cairo);
    }
    Ellipse(cairo, 0.0, 0.0, radius * 1.9, radius * 0.42);
    Ellipse(cairo, 0.0, 0.0, radius * 1.45, radius * 0.26);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_EVEN_ODD);
    FillOutlined(cairo, colour::cream, colour::orangeLight, 2.5);
    PopPlacement(cairo);
}

} // namespace

void DrawPlanet(cairo_t* cairo, double x, double y, double radius, std::uint32_t light, std::uint32_t dark, bool ring)
{
    // A thin haze of the planet's own colour around it: on the night sky it
    // sets the navy outline off, as a day sky does.
    const double haze = radius + std::max(6.0, radius * 0.12);
    SetGradient(cairo, cairo_pattern_create_radial(x, y, radius, x, y, haze),
                {{0.0, light, 0.5}, {1.0, light, 0.0}});
    Circle(cairo, x, y, haze);
    cairo_fill(cairo);
    if (ring)
        Ring(cairo, x, y, radius, false);
    Circle(cairo, x, y, radius);
    FillOutlined(cairo, light, dark, 3.5);
    // The lit side.
    Ellipse(cairo, x - radius * 0.35, y - radius * 0.4, radius * 0.35, radius * 0.22);
    FillPlain(cairo, tone::white, 0.35);
    if (ring)
        Ring(cairo, x, y, radius, true);
}

void DrawCloud(cairo_t* cairo, double x, double y, double scale)
{
    PushPlacement(cairo, x, y, scale);
    Circle(cairo, -40.0, 8.0, 24.0);
    Circle(cairo, -10.0, -8.0, 32.0);
    Circle(cairo, 28.0, 2.0, 26.0);
    Circle(cairo, 52.0, 14.0, 16.0);
    cairo_rectangle(cairo, -44.0, 10.0, 96.0, 20.0);
    FillUnion(cairo, tone::white, 0xD9ECF7, 2.5);
    PopPlacement(cairo);
}

void DrawCrystal(cairo_t* cairo, double x, double y, double size)
{
    Glow(cairo, x, y, size * 2.6, colour::tealLight, 0.6);
    cairo_move_to(cairo, x, y - size);
    cairo_line_to(cairo, x + size * 0.6, y);
    cairo_line_to(cairo, x, y + size);
    cairo_line_to(cairo, x - size * 0.6, y);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xE6FFFB, colour::turquoise, 2.0);
}

void DrawFlame(cairo_t* cairo, double tailX, double length, double height)
{
    Ellipse(cairo, tailX - length / 2.0, 0.0, length / 2.0, height);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    Ellipse(cairo, tailX - length / 3.0, 0.0, length / 3.0, height * 0.5);
    FillPlain(cairo, colour::cream);
}

} // namespace content
