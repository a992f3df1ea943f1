// The beach of Wakalua, wider than the screen: the turquoise sea under a
// warm sky, palms and hibiscus, the Zephyra stuck nose-down in the sand on
// the right with smoke rising from her, and the path to the village on the
// left (her hatch and the gate on the path are doors, see items/).

#include "BonusArt.h"
#include "Episode1Rooms.h"
#include "WakaluaJungle.h"
#include "SceneFigures.h"
#include "SceneShapes.h"
#include "SpriteArt.h"

#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

constexpr double pi = std::numbers::pi;
constexpr int width = 1600;
constexpr int height = 768;
constexpr double horizon = 300.0;
constexpr double shoreY = 430.0;

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

void Paint(cairo_t* cairo)
{
    Sky(cairo);
    Sea(cairo);
    Sand(cairo);
    DrawPalm(cairo, 560.0, 470.0, 260.0, -30.0);
    DrawHut(cairo, 260.0, 440.0, 0.7);
    // The gate to the village stands at its foot (76, 512).
    DrawJungleEdge(cairo, 76.0, 512.0, 1.0);
    // The Zephyra, crash-landed with her nose in the sand, and the furrow
    // she dug.
    Ellipse(cairo, 1140.0, 500.0, 300.0, 26.0);
    FillPlain(cairo, tone::sandDark, 0.8);
    DrawCutter(cairo, 1250.0, 400.0, 2.6, 0.18, false);
    DrawPalm(cairo, 1530.0, 520.0, 300.0, -60.0);
    DrawHibiscusBush(cairo, 860.0, 520.0, 0.7);
    DrawHibiscusBush(cairo, 40.0, 700.0, 1.1);
    DrawHibiscusBush(cairo, 1560.0, 720.0, 1.0);
}

void Surf(cairo_t* cairo, int frame)
{
    // Two lines of foam running up the sand and back, fading out at both
    // ends.
    const double phase = frame * 2.0 * pi / 6.0;
    cairo_push_group(cairo);
    for (int line = 0; line < 2; ++line) {
        const double reach = 16.0 + 8.0 * std::sin(phase - line * 1.6) + line * 10.0;
        cairo_move_to(cairo, 0.0, reach);
        for (int x = 0; x <= 380; x += 10)
            cairo_line_to(cairo, x, reach + 3.0 * std::sin(x * 0.06 + phase + line));
        cairo_set_line_width(cairo, line == 0 ? 5.0 : 3.0);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        SetColour(cairo, tone::white, line == 0 ? 0.9 : 0.6);
        cairo_stroke(cairo);
    }
    cairo_pop_group_to_source(cairo);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0.0, 0.0, 380.0, 0.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.0, 0.0, 0.0, 0.0, 0.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.2, 0.0, 0.0, 0.0, 1.0);
    cairo_pattern_add_color_stop_rgba(fade, 0.8, 0.0, 0.0, 0.0, 1.0);
    cairo_pattern_add_color_stop_rgba(fade, 1.0, 0.0, 0.0, 0.0, 0.0);
    cairo_mask(cairo, fade);
    cairo_pattern_destroy(fade);
}

void Smoke(cairo_t* cairo, int frame)
{
    for (int puff = 0; puff < 5; ++puff) {
        const double t = (puff + frame / 6.0) / 5.0;
        const double x = 40.0 + 70.0 * t + 8.0 * std::sin(t * 7.0);
        const double y = 260.0 - 230.0 * t;
        Circle(cairo, x, y, 14.0 + 26.0 * t);
    }
    cairo_push_group(cairo);
    FillUnion(cairo, 0xF2F0EC, colour::stone, 2.0);
    cairo_pop_group_to_source(cairo);
    cairo_paint_with_alpha(cairo, 0.85);
}

} // namespace

RoomDescription RoomStrand()
{
    RoomDescription room;
    room.label = "RoomStrand";
    room.folder = "data\\level01\\roomstrand\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // Nobody walks into the jungle on the left but through its gate.
    room.floor = {{{0.0, 516.0}, {214.0, 516.0}, {250.0, 480.0}, {840.0, 470.0}, {900.0, 528.0}, {1380.0, 528.0}, {1600.0, 540.0},
                   {1600.0, 652.0}, {0.0, 652.0}}};
    room.leads = {{{20.0, 560.0}, {300.0, 590.0}, {800.0, 600.0}, {1200.0, 590.0}, {1560.0, 600.0}},
                  {{1120.0, 540.0}, {1200.0, 590.0}}};
    room.backY = 470;
    room.frontY = 720;
    room.light = 0xFFF6E6;
    room.lightPools = {{{560.0, 560.0}, 180.0, 60.0, 0xC8D8C0}, {{1530.0, 600.0}, 200.0, 70.0, 0xC8D8C0}};
    room.graphics = {
        {"wellen", 590, 414, 380, 50, 6, Surf},
        {"rauch", 930, 40, 160, 290, 6, Smoke},
    };
    room.ambience = Ambience::waves;
    return room;
}

} // namespace content::rooms
