#include "WakaluaBeach.h"

#include "BonusArt.h"
#include "SceneShapes.h"
#include "SpriteArt.h"

#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

constexpr double pi = std::numbers::pi;
constexpr int width = beachWidth;
constexpr int height = 768;
constexpr double horizon = beachHorizon;
constexpr double shoreY = beachShoreY;

void Sky(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, horizon);
    SetVerticalGradient(cairo, 0.0, horizon, tone::skyDay, tone::haze);
    cairo_fill(cairo);
    Glow(cairo, 420.0, 150.0, 170.0, colour::orangeLight, 0.7);
    Circle(cairo, 420.0, 150.0, 52.0);
    FillOutlined(cairo, colour::cream, colour::orangeLight);
    DrawPlanet(cairo, 1120.0, 110.0, 48.0, tone::hibiscusLight, colour::hibiscus, true);
    DrawCloud(cairo, 180.0, 90.0, 0.9);
    DrawCloud(cairo, 760.0, 70.0, 1.1);
    DrawCloud(cairo, 1420.0, 150.0, 0.8);
}

void Sea(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, horizon, width, shoreY - horizon + 20.0);
    SetVerticalGradient(cairo, horizon, shoreY, colour::turquoise, colour::teal);
    cairo_fill(cairo);
    Ellipse(cairo, 900.0, horizon + 4.0, 140.0, 22.0);
    FillOutlined(cairo, tone::leafLight, tone::leaf, 2.5);
    DrawPalm(cairo, 880.0, horizon - 6.0, 70.0, 8.0);
    for (int wave = 0; wave < 22; ++wave) {
        const double x = 30.0 + (wave * 211) % 1540;
        const double y = horizon + 24.0 + (wave * 37) % 90;
        cairo_move_to(cairo, x, y);
        cairo_curve_to(cairo, x + 12.0, y - 7.0, x + 24.0, y - 7.0, x + 36.0, y);
    }
    SetColour(cairo, tone::white, 0.7);
    cairo_set_line_width(cairo, 3.0);
    cairo_stroke(cairo);
}

void Sand(cairo_t* cairo)
{
    cairo_move_to(cairo, -10.0, shoreY + 10.0);
    cairo_curve_to(cairo, 300.0, shoreY - 14.0, 600.0, shoreY + 18.0, 900.0, shoreY);
    cairo_curve_to(cairo, 1200.0, shoreY - 16.0, 1400.0, shoreY + 6.0, width + 10.0, shoreY - 4.0);
    cairo_line_to(cairo, width + 10.0, height + 10.0);
    cairo_line_to(cairo, -10.0, height + 10.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::sand, tone::sandDark);
    // Footprint-like dimples and shells.
    for (int dimple = 0; dimple < 40; ++dimple) {
        const double x = 20.0 + (dimple * 397) % 1560;
        const double y = 480.0 + (dimple * 53) % 260;
        Ellipse(cairo, x, y, 9.0 + (dimple % 3) * 3.0, 3.0);
    }
    FillPlain(cairo, tone::sandDark, 0.45);
    for (const double x : {380.0, 760.0, 1040.0}) {
        Ellipse(cairo, x, 690.0 - (static_cast<int>(x) % 70), 9.0, 6.0);
        FillOutlined(cairo, tone::hibiscusLight, colour::hibiscus, 2.0);
    }
    // The path to the village, running back into the jungle on the left.
    cairo_move_to(cairo, 40.0, 510.0);
    cairo_curve_to(cairo, 120.0, 506.0, 220.0, 548.0, 300.0, 600.0);
    cairo_curve_to(cairo, 220.0, 606.0, 110.0, 586.0, 28.0, 522.0);
    cairo_close_path(cairo);
    FillPlain(cairo, tone::sandDark, 0.45);
}

} // namespace

void DrawWakaluaBeach(cairo_t* cairo)
{
    Sky(cairo);
    Sea(cairo);
    Sand(cairo);
}

void DrawSurf(cairo_t* cairo, int frame, int frames, double length)
{
    const double phase = frame * 2.0 * pi / frames;
    cairo_push_group(cairo);
    for (int line = 0; line < 2; ++line) {
        const double reach = 16.0 + 8.0 * std::sin(phase - line * 1.6) + line * 10.0;
        cairo_move_to(cairo, 0.0, reach);
        for (int x = 0; x <= length; x += 10)
            cairo_line_to(cairo, x, reach + 3.0 * std::sin(x * 0.06 + phase + line));
        cairo_set_line_width(cairo, line == 0 ? 5.0 : 3.0);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        SetColour(cairo, tone::white, line == 0 ? 0.9 : 0.6);
        cairo_stroke(cairo);
    }
    cairo_pop_group_to_source(cairo);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0.0, 0.0, length, 0.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.0, 0.0, 0.0, 0.0, 0.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.2, 0.0, 0.0, 0.0, 1.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.8, 0.0, 0.0, 0.0, 1.0);
    cairo_pattern_add_color_stop_rgba(fade, 1.0, 0.0, 0.0, 0.0, 0.0);
    cairo_mask(cairo, fade);
    cairo_pattern_destroy(fade);
}

} // namespace content::rooms
