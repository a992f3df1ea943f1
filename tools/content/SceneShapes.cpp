#include "SceneShapes.h"

#include "SpriteArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content {

namespace {

void AddStop(cairo_pattern_t* pattern, double offset, std::uint32_t rgb, double alpha)
{
    cairo_pattern_add_color_stop_rgba(pattern, offset, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                                      (rgb & 0xFF) / 255.0, alpha);
}

} // namespace

double OutlineWidth(cairo_t* cairo, double width)
{
    constexpr double thinnest = 1.3;
    double dx = 1.0;
    double dy = 0.0;
    cairo_user_to_device_distance(cairo, &dx, &dy);
    const double scale = std::hypot(dx, dy);
    return scale > 0.0 ? std::max(width, thinnest / scale) : width;
}

void FillShape(cairo_t* cairo, std::uint32_t top, std::uint32_t bottom, double width)
{
    FillOutlined(cairo, top, bottom, OutlineWidth(cairo, width));
}

void FillPlain(cairo_t* cairo, std::uint32_t rgb, double alpha)
{
    SetColour(cairo, rgb, alpha);
    cairo_fill(cairo);
}

void SetVerticalGradient(cairo_t* cairo, double y0, double y1, std::uint32_t top, std::uint32_t bottom, double alpha)
{
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0.0, y0, 0.0, y1);
    AddStop(pattern, 0.0, top, alpha);
    AddStop(pattern, 1.0, bottom, alpha);
    cairo_set_source(cairo, pattern);
    cairo_pattern_destroy(pattern);
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
    cairo_pattern_t* pattern = cairo_pattern_create_radial(x, y, 0.0, x, y, radius);
    AddStop(pattern, 0.0, rgb, alpha);
    AddStop(pattern, 1.0, rgb, 0.0);
    cairo_set_source(cairo, pattern);
    cairo_arc(cairo, x, y, radius, 0.0, 2.0 * std::numbers::pi);
    cairo_fill(cairo);
    cairo_pattern_destroy(pattern);
}

void FillUnion(cairo_t* cairo, std::uint32_t top, std::uint32_t bottom, double width)
{
    // A stroke twice as wide under the fill leaves exactly `width` outside
    // the union, while the fill covers the strokes inside it.
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    cairo_path_extents(cairo, &x1, &y1, &x2, &y2);
    SetColour(cairo, colour::outline);
    cairo_set_line_width(cairo, 2.0 * OutlineWidth(cairo, width));
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cairo);
    SetVerticalGradient(cairo, y1, y2, top, bottom);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cairo);
}

} // namespace content
