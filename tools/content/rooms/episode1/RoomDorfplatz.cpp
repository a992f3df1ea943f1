// The village square of Wakalua in the warm late afternoon: thatched huts
// around a sandy square, the chief's dance stage with its drum, a totem,
// garlands of lanterns, a torch burning beside the stage, and the jungle
// on the left where the path to the beach leaves through its gate.

#include "BonusArt.h"
#include "Episode1Rooms.h"
#include "WakaluaJungle.h"
#include "SceneShapes.h"
#include "SpriteArt.h"

#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;

void Backdrop(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, 360.0);
    SetVerticalGradient(cairo, 0.0, 360.0, 0x7FCBE6, 0xFFD9A8);
    cairo_fill(cairo);
    Glow(cairo, 820.0, 210.0, 200.0, colour::orangeLight, 0.6);
    DrawCloud(cairo, 260.0, 110.0, 1.0);
    DrawCloud(cairo, 700.0, 80.0, 0.7);
    // Green hills behind the village.
    cairo_move_to(cairo, -10.0, 330.0);
    cairo_curve_to(cairo, 200.0, 230.0, 380.0, 250.0, 520.0, 310.0);
    cairo_curve_to(cairo, 660.0, 240.0, 880.0, 220.0, 1034.0, 300.0);
    cairo_line_to(cairo, 1034.0, 420.0);
    cairo_line_to(cairo, -10.0, 420.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::leafLight, tone::leaf);
}

void Square(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, 400.0, width + 20.0, height - 390.0);
    SetVerticalGradient(cairo, 400.0, height, colour::sand, tone::sandDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    Ellipse(cairo, 512.0, 560.0, 300.0, 70.0);
    FillPlain(cairo, tone::sandDark, 0.45);
    // Stepping stones from the square to the gate towards the beach.
    for (int stone = 0; stone < 4; ++stone) {
        Ellipse(cairo, 250.0 + stone * 66.0, 628.0 - stone * 16.0, 22.0, 9.0);
        FillOutlined(cairo, tone::stoneLight, colour::stone, 2.0);
    }
}

void Stage(cairo_t* cairo)
{
    RoundedRectangle(cairo, 380.0, 360.0, 264.0, 70.0, 10.0);
    FillOutlined(cairo, tone::woodLight, tone::wood);
    for (double x = 400.0; x < 640.0; x += 40.0) {
        cairo_move_to(cairo, x, 366.0);
        cairo_line_to(cairo, x, 426.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.5);
    cairo_stroke(cairo);
    // The arch with its garland of hibiscus.
    for (const double x : {392.0, 632.0}) {
        RoundedRectangle(cairo, x - 9.0, 200.0, 18.0, 166.0, 5.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    }
    cairo_move_to(cairo, 380.0, 206.0);
    cairo_curve_to(cairo, 450.0, 170.0, 574.0, 170.0, 644.0, 206.0);
    StrokeBand(cairo, tone::leafLight, 10.0, 15.0);
    for (int flower = 0; flower < 7; ++flower) {
        const double t = flower / 6.0;
        const double x = 392.0 + 240.0 * t;
        const double y = 204.0 - 36.0 * std::sin(t * pi) + 8.0;
        DrawHibiscus(cairo, x, y, 12.0);
    }
    DrawArtText(cairo, "GROSSER TANZ", 512.0, 250.0, 22.0, colour::orangeLight);
}

void Totem(cairo_t* cairo, double x)
{
    RoundedRectangle(cairo, x - 26.0, 250.0, 52.0, 170.0, 12.0);
    FillOutlined(cairo, tone::woodLight, tone::wood);
    for (int face = 0; face < 3; ++face) {
        const double y = 280.0 + face * 50.0;
        Circle(cairo, x - 10.0, y, 6.0);
        Circle(cairo, x + 10.0, y, 6.0);
        FillOutlined(cairo, colour::cream, colour::sand, 2.0);
        RoundedRectangle(cairo, x - 12.0, y + 12.0, 24.0, 8.0, 3.0);
        FillOutlined(cairo, colour::hibiscus, colour::banner, 2.0);
    }
    cairo_move_to(cairo, x - 46.0, 262.0);
    cairo_line_to(cairo, x, 226.0);
    cairo_line_to(cairo, x + 46.0, 262.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange);
}

void Lanterns(cairo_t* cairo)
{
    cairo_move_to(cairo, 0.0, 150.0);
    cairo_curve_to(cairo, 120.0, 200.0, 240.0, 200.0, 340.0, 160.0);
    cairo_move_to(cairo, 690.0, 160.0);
    cairo_curve_to(cairo, 800.0, 200.0, 920.0, 200.0, 1024.0, 150.0);
    cairo_set_line_width(cairo, 2.5);
    SetColour(cairo, colour::outline);
    cairo_stroke(cairo);
    const std::uint32_t colours[] = {colour::hibiscus, colour::orange, colour::turquoise};
    for (int lantern = 0; lantern < 8; ++lantern) {
        const double x = lantern < 4 ? 50.0 + lantern * 80.0 : 730.0 + (lantern - 4) * 80.0;
        const double y = lantern < 4 ? 176.0 + 10.0 * std::sin(lantern * 1.1) : 178.0 + 10.0 * std::cos(lantern * 1.1);
        Glow(cairo, x, y + 14.0, 30.0, colour::orangeLight, 0.5);
        Ellipse(cairo, x, y + 14.0, 12.0, 15.0);
        FillOutlined(cairo, colour::cream, colours[lantern % 3], 2.0);
    }
}

void Paint(cairo_t* cairo)
{
    Backdrop(cairo);
    Square(cairo);
    DrawPalm(cairo, 330.0, 400.0, 230.0, -40.0);
    DrawPalm(cairo, 790.0, 400.0, 250.0, 40.0);
    DrawHut(cairo, 150.0, 420.0, 1.5);
    DrawHut(cairo, 880.0, 420.0, 1.6);
    // The gate to the beach stands at its foot (70, 640).
    DrawJungleEdge(cairo, 70.0, 640.0, 1.1);
    Stage(cairo);
    Totem(cairo, 300.0);
    Lanterns(cairo);
    DrawHibiscusBush(cairo, 990.0, 700.0, 1.2);
    DrawHibiscusBush(cairo, 740.0, 440.0, 0.6);
}

void Drum(cairo_t* cairo, int /*frame*/)
{
    RoundedRectangle(cairo, 10.0, 22.0, 80.0, 70.0, 12.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner);
    for (double x = 18.0; x < 90.0; x += 16.0) {
        cairo_move_to(cairo, x, 30.0);
        cairo_line_to(cairo, x + 8.0, 86.0);
    }
    cairo_set_line_width(cairo, 2.5);
    SetColour(cairo, colour::cream, 0.8);
    cairo_stroke(cairo);
    Ellipse(cairo, 50.0, 22.0, 40.0, 12.0);
    FillOutlined(cairo, colour::cream, colour::sand, 3.0);
}

void Torch(cairo_t* cairo, int frame)
{
    RoundedRectangle(cairo, 24.0, 70.0, 12.0, 110.0, 4.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    RoundedRectangle(cairo, 16.0, 62.0, 28.0, 16.0, 5.0);
    FillOutlined(cairo, colour::stone, 0x6E6A62, 2.5);
    const double sway = 5.0 * std::sin(frame * 2.0 * pi / 6.0);
    const double tall = 44.0 + 8.0 * std::cos(frame * 4.0 * pi / 6.0);
    Glow(cairo, 30.0, 40.0, 34.0, colour::orangeLight, 0.6);
    cairo_move_to(cairo, 14.0, 64.0);
    cairo_curve_to(cairo, 8.0, 40.0, 30.0 + sway, 64.0 - tall, 30.0 + sway, 64.0 - tall);
    cairo_curve_to(cairo, 30.0 + sway, 64.0 - tall, 52.0, 40.0, 46.0, 64.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
    Ellipse(cairo, 30.0 + sway * 0.5, 54.0, 7.0, 10.0);
    FillPlain(cairo, colour::cream);
}

void Flag(cairo_t* cairo, int frame)
{
    RoundedRectangle(cairo, 4.0, 4.0, 8.0, 150.0, 3.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    const double phase = frame * 2.0 * pi / 4.0;
    cairo_move_to(cairo, 12.0, 10.0);
    for (int x = 0; x <= 70; x += 10)
        cairo_line_to(cairo, 12.0 + x, 10.0 + 5.0 * std::sin(phase + x * 0.09));
    for (int x = 70; x >= 0; x -= 10)
        cairo_line_to(cairo, 12.0 + x, 50.0 + 5.0 * std::sin(phase + x * 0.09));
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::turquoise, colour::teal, 2.5);
    DrawHibiscus(cairo, 46.0, 30.0 + 5.0 * std::sin(phase + 3.0), 10.0);
}

} // namespace

RoomDescription RoomDorfplatz()
{
    RoomDescription room;
    room.label = "RoomDorfplatz";
    room.folder = "data\\level01\\roomdorfplatz\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The jungle in the bottom left corner is no floor, but for the way
    // out through its gate.
    room.floor = {{{0.0, 596.0}, {130.0, 596.0}, {250.0, 520.0}, {240.0, 470.0}, {300.0, 440.0}, {820.0, 440.0},
                   {960.0, 470.0}, {1024.0, 500.0}, {1024.0, 652.0}, {0.0, 652.0}}};
    room.leads = {{{30.0, 622.0}, {260.0, 590.0}, {512.0, 500.0}, {760.0, 560.0}, {990.0, 600.0}},
                  {{300.0, 470.0}, {260.0, 560.0}, {260.0, 590.0}},
                  {{880.0, 460.0}, {760.0, 560.0}}};
    room.backY = 440;
    room.frontY = 720;
    room.light = 0xFFEBD0;
    room.lightPools = {{{700.0, 440.0}, 160.0, 90.0, 0xFFC27A}, {{512.0, 460.0}, 260.0, 60.0, 0xFFE0B0}};
    room.graphics = {
        {"trommel", 560, 404, 100, 100, 1, Drum},
        {"fackel", 670, 250, 60, 190, 6, Torch},
        {"fahne", 920, 160, 90, 160, 4, Flag},
    };
    room.ambience = Ambience::villageMurmur;
    return room;
}

} // namespace content::rooms
