// The engine room of the Zephyra: the hyperdrive chamber with its empty
// crystal socket glowing orange, pipes along the walls, a working piston
// and a broken cable that throws sparks; a toolbox waits on the deck. The
// ladder up to the bridge and the outer hatch onto the beach on the left are
// doors with graphics of their own, see items/.

#include "Episode1Rooms.h"
#include "SceneShapes.h"
#include "ShipInterior.h"
#include "ShipStyle.h"
#include "SpriteArt.h"

#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double deckY = 450.0;

void Hyperdrive(cairo_t* cairo)
{
    // The drive: a big drum lying across the back wall.
    RoundedRectangle(cairo, 330.0, 150.0, 360.0, 290.0, 60.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.5);
    for (const double x : {380.0, 640.0}) {
        RoundedRectangle(cairo, x - 18.0, 140.0, 36.0, 310.0, 12.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 3.0);
        ship::DrawRivetRow(cairo, x, 160.0, x, 430.0, 6);
    }
    Circle(cairo, 510.0, 290.0, 86.0);
    FillOutlined(cairo, 0x3C5578, 0x24344F, 3.5);
    Glow(cairo, 510.0, 290.0, 120.0, colour::orange, 0.55);
    Circle(cairo, 510.0, 290.0, 56.0);
    SetRadialGradient(cairo, 510.0, 290.0, 56.0, colour::cream, colour::orange);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // The empty socket where the crystal belongs.
    cairo_move_to(cairo, 510.0, 250.0);
    cairo_line_to(cairo, 534.0, 290.0);
    cairo_line_to(cairo, 510.0, 330.0);
    cairo_line_to(cairo, 486.0, 290.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::nightDeep, colour::night, 2.5);
    RoundedRectangle(cairo, 440.0, 390.0, 140.0, 34.0, 8.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.5);
    DrawArtText(cairo, "HYPERANTRIEB", 510.0, 413.0, 13.0, colour::orangeLight);
}

void Pipes(cairo_t* cairo)
{
    DrawPipe(cairo, -10.0, 96.0, 1034.0, 96.0, 22.0);
    DrawPipe(cairo, -10.0, 128.0, 330.0, 128.0, 14.0);
    DrawPipe(cairo, 690.0, 128.0, 1034.0, 128.0, 14.0);
    DrawPipe(cairo, 250.0, 128.0, 250.0, 444.0, 18.0);
    DrawPipe(cairo, 790.0, 96.0, 790.0, 444.0, 18.0);
    for (const double x : {250.0, 790.0}) {
        RoundedRectangle(cairo, x - 20.0, 250.0, 40.0, 20.0, 5.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
    }
    // A valve wheel.
    Circle(cairo, 250.0, 330.0, 26.0);
    StrokeBand(cairo, colour::hibiscus, 7.0, 12.0);
    for (int spoke = 0; spoke < 4; ++spoke) {
        const double angle = spoke * pi / 2.0 + 0.4;
        cairo_move_to(cairo, 250.0, 330.0);
        cairo_line_to(cairo, 250.0 + 24.0 * std::cos(angle), 330.0 + 24.0 * std::sin(angle));
    }
    StrokeBand(cairo, colour::hibiscus, 4.0, 8.0);
}

void Doorway(cairo_t* cairo)
{
    // The ladder up to the bridge on the right.
    RoundedRectangle(cairo, 850.0, 150.0, 150.0, 296.0, 22.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange);
    RoundedRectangle(cairo, 866.0, 166.0, 118.0, 280.0, 16.0);
    FillOutlined(cairo, colour::nightDeep, colour::night, 2.5);
    for (double y = 190.0; y < 440.0; y += 40.0) {
        cairo_move_to(cairo, 892.0, y);
        cairo_line_to(cairo, 958.0, y);
    }
    cairo_move_to(cairo, 892.0, 166.0);
    cairo_line_to(cairo, 892.0, 446.0);
    cairo_move_to(cairo, 958.0, 166.0);
    cairo_line_to(cairo, 958.0, 446.0);
    StrokeBand(cairo, colour::steel, 5.0, 9.0);
    Glow(cairo, 925.0, 170.0, 60.0, colour::tealLight, 0.4);
}

// The outer hatch onto the beach on the left: a heavy frame with warning
// marks round the opening its door graphic fills.
void OuterHatchFrame(cairo_t* cairo)
{
    RoundedRectangle(cairo, 34.0, 170.0, 176.0, 276.0, 26.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange);
    RoundedRectangle(cairo, 50.0, 186.0, 144.0, 260.0, 18.0);
    FillOutlined(cairo, 0x6E8098, 0x4B5A74, 3.0);
    for (const double y : {200.0, 420.0}) {
        ship::DrawRivet(cairo, 42.0, y, 3.5);
        ship::DrawRivet(cairo, 202.0, y, 3.5);
    }
    RoundedRectangle(cairo, 62.0, 140.0, 120.0, 24.0, 6.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.0);
    DrawArtText(cairo, "AUSSENLUKE", 122.0, 157.0, 10.0, colour::orangeLight);
}

void Paint(cairo_t* cairo)
{
    DrawShipWall(cairo, width, deckY);
    Pipes(cairo);
    Hyperdrive(cairo);
    Doorway(cairo);
    OuterHatchFrame(cairo);
    DrawShipDeck(cairo, width, height, deckY, 510.0);
    // The piston's housing, on the left of the drive.
    RoundedRectangle(cairo, 276.0, 300.0, 52.0, 150.0, 8.0);
    FillOutlined(cairo, 0x3C5578, 0x24344F, 3.0);
    // A grating in the deck before the drive.
    RoundedRectangle(cairo, 400.0, 470.0, 220.0, 40.0, 6.0);
    FillOutlined(cairo, 0x4B5A74, 0x3A465C, 2.5);
    for (double x = 412.0; x < 612.0; x += 14.0) {
        cairo_move_to(cairo, x, 474.0);
        cairo_line_to(cairo, x, 506.0);
    }
    cairo_set_line_width(cairo, 3.0);
    SetColour(cairo, colour::outline, 0.7);
    cairo_stroke(cairo);
    // Warning stripes along the grating's front edge.
    for (double x = 404.0; x < 612.0; x += 24.0) {
        cairo_move_to(cairo, x, 520.0);
        cairo_line_to(cairo, x + 10.0, 512.0);
        cairo_line_to(cairo, x + 22.0, 512.0);
        cairo_line_to(cairo, x + 12.0, 520.0);
        cairo_close_path(cairo);
    }
    FillPlain(cairo, colour::orangeLight, 0.85);
    // An oil stain under the piston and a coil of spare cable by the ladder.
    Ellipse(cairo, 304.0, 474.0, 44.0, 9.0);
    FillPlain(cairo, colour::nightDeep, 0.35);
    for (int turn = 0; turn < 3; ++turn)
        Ellipse(cairo, 820.0, 560.0 - turn * 6.0, 46.0 - turn * 8.0, 14.0 - turn * 2.0);
    StrokeBand(cairo, colour::hibiscus, 4.0, 8.0);
}

void Toolbox(cairo_t* cairo, int /*frame*/)
{
    cairo_move_to(cairo, 40.0, 24.0);
    cairo_curve_to(cairo, 40.0, 4.0, 80.0, 4.0, 80.0, 24.0);
    StrokeBand(cairo, colour::steel, 5.0, 10.0);
    RoundedRectangle(cairo, 6.0, 22.0, 108.0, 52.0, 8.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner);
    RoundedRectangle(cairo, 6.0, 22.0, 108.0, 14.0, 6.0);
    FillOutlined(cairo, tone::hibiscusLight, colour::hibiscus, 2.5);
    RoundedRectangle(cairo, 50.0, 40.0, 20.0, 12.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
}

void Piston(cairo_t* cairo, int frame)
{
    const double lift = 30.0 * (0.5 - 0.5 * std::cos(frame * 2.0 * pi / 6.0));
    RoundedRectangle(cairo, 16.0, 6.0 + lift, 28.0, 100.0, 6.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    RoundedRectangle(cairo, 6.0, 100.0 + lift, 48.0, 22.0, 6.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 3.0);
    Circle(cairo, 30.0, 20.0 + lift, 6.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 2.0);
}

void Sparks(cairo_t* cairo, int frame)
{
    // The torn cable hangs from the top; its sparks jump every frame.
    cairo_move_to(cairo, 40.0, 0.0);
    cairo_curve_to(cairo, 36.0, 30.0, 50.0, 50.0, 44.0, 70.0);
    StrokeBand(cairo, colour::hibiscus, 5.0, 10.0);
    if (frame == 3)
        return;
    Glow(cairo, 44.0, 76.0, 26.0 + 6.0 * (frame % 2), colour::orangeLight, 0.8);
    for (int spark = 0; spark < 5; ++spark) {
        const double angle = spark * 1.26 + frame * 0.9;
        const double reach = 14.0 + 8.0 * ((spark + frame) % 3);
        cairo_move_to(cairo, 44.0, 76.0);
        cairo_line_to(cairo, 44.0 + reach * std::cos(angle), 76.0 + reach * std::sin(angle));
    }
    StrokeBand(cairo, colour::cream, 2.0, 4.5);
}

} // namespace

RoomDescription RoomMaschinenraum()
{
    RoomDescription room;
    room.label = "RoomMaschinenraum";
    room.folder = "data\\level01\\roommaschinenraum\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    room.floor = {{{40.0, 480.0}, {390.0, 480.0}, {390.0, 520.0}, {630.0, 520.0}, {630.0, 480.0}, {990.0, 480.0},
                   {1012.0, 652.0}, {12.0, 652.0}}};
    room.leads = {{{120.0, 500.0}, {200.0, 590.0}, {510.0, 600.0}, {820.0, 590.0}, {925.0, 490.0}}};
    room.backY = 480;
    room.frontY = 720;
    room.light = 0xC8D8EE;
    room.lightPools = {{{510.0, 470.0}, 300.0, 130.0, 0xFFC88A}, {{925.0, 470.0}, 120.0, 90.0, 0xB8F0EC}};
    room.graphics = {
        {"werkzeugkiste", 140, 560, 120, 78, 1, Toolbox},
        {"kolben", 272, 200, 60, 160, 6, Piston},
        {"funken", 700, 140, 90, 110, 4, Sparks},
    };
    room.ambience = Ambience::engineHum;
    return room;
}

} // namespace content::rooms
