// The bridge of the Zephyra: a wide front window onto space and Wakalua,
// the main console under it, the captain's chair, the hatch to the engine
// room on the left and the hyperdrive crystal's holder on the right (the
// door and the crystal are graphics of their own, see items/).

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
constexpr double deckY = 440.0;

void FrontWindow(cairo_t* cairo)
{
    const auto outline = [cairo] {
        cairo_move_to(cairo, 190.0, 330.0);
        cairo_curve_to(cairo, 170.0, 200.0, 200.0, 90.0, 300.0, 64.0);
        cairo_line_to(cairo, 724.0, 64.0);
        cairo_curve_to(cairo, 824.0, 90.0, 854.0, 200.0, 834.0, 330.0);
        cairo_close_path(cairo);
    };
    outline();
    cairo_save(cairo);
    cairo_clip(cairo);
    DrawStarfield(cairo, 170.0, 60.0, 690.0, 280.0, 11);
    Glow(cairo, 360.0, 150.0, 200.0, colour::violet, 0.35);
    DrawPlanet(cairo, 700.0, 380.0, 190.0, colour::turquoise, colour::teal, false);
    Ellipse(cairo, 640.0, 250.0, 46.0, 14.0);
    Ellipse(cairo, 760.0, 290.0, 30.0, 10.0);
    FillOutlined(cairo, colour::sand, tone::sandDark, 2.0);
    DrawCloud(cairo, 600.0, 300.0, 0.5);
    DrawPlanet(cairo, 330.0, 130.0, 26.0, colour::orangeLight, colour::orange, true);
    // Reflections on the glass.
    cairo_move_to(cairo, 260.0, 80.0);
    cairo_line_to(cairo, 300.0, 80.0);
    cairo_line_to(cairo, 220.0, 320.0);
    cairo_line_to(cairo, 190.0, 320.0);
    cairo_close_path(cairo);
    FillPlain(cairo, tone::white, 0.10);
    cairo_restore(cairo);
    outline();
    StrokeBand(cairo, colour::steel, 12.0, 18.0);
    for (double x = 320.0; x <= 710.0; x += 130.0)
        ship::DrawRivet(cairo, x, 64.0, 4.0);
    // Struts between the panes.
    for (const double x : {400.0, 624.0}) {
        cairo_move_to(cairo, x, 66.0);
        cairo_line_to(cairo, x + (x < 512.0 ? -14.0 : 14.0), 330.0);
        StrokeBand(cairo, colour::steel, 8.0, 13.0);
    }
}

void EngineRoomHatch(cairo_t* cairo)
{
    RoundedRectangle(cairo, 34.0, 170.0, 136.0, 266.0, 26.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange);
    RoundedRectangle(cairo, 50.0, 186.0, 104.0, 250.0, 18.0);
    FillOutlined(cairo, 0x6E8098, 0x4B5A74);
    cairo_move_to(cairo, 102.0, 190.0);
    cairo_line_to(cairo, 102.0, 434.0);
    cairo_set_line_width(cairo, 3.0);
    SetColour(cairo, colour::outline);
    cairo_stroke(cairo);
    ship::DrawPorthole(cairo, 102.0, 250.0, 24.0);
    // Warning stripes at the sill.
    for (int stripe = 0; stripe < 5; ++stripe) {
        cairo_move_to(cairo, 54.0 + stripe * 20.0, 434.0);
        cairo_line_to(cairo, 66.0 + stripe * 20.0, 418.0);
        cairo_line_to(cairo, 76.0 + stripe * 20.0, 418.0);
        cairo_line_to(cairo, 64.0 + stripe * 20.0, 434.0);
        cairo_close_path(cairo);
    }
    FillPlain(cairo, colour::orangeLight, 0.9);
    RoundedRectangle(cairo, 62.0, 140.0, 80.0, 24.0, 6.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.0);
    DrawArtText(cairo, "MASCHINEN", 102.0, 157.0, 10.0, colour::orangeLight);
}

void CrystalHolder(cairo_t* cairo)
{
    RoundedRectangle(cairo, 870.0, 200.0, 100.0, 240.0, 14.0);
    FillOutlined(cairo, 0x3C5578, 0x24344F);
    Circle(cairo, 920.0, 300.0, 44.0);
    FillOutlined(cairo, colour::night, colour::nightDeep, 3.0);
    RoundedRectangle(cairo, 884.0, 372.0, 72.0, 50.0, 8.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 2.5);
    for (int light = 0; light < 3; ++light) {
        Circle(cairo, 900.0 + light * 20.0, 397.0, 5.0);
        const bool red = light == 1;
        FillOutlined(cairo, red ? colour::hibiscus : tone::acidLight, red ? colour::banner : tone::acidDark, 1.5);
    }
}

void Paint(cairo_t* cairo)
{
    DrawShipWall(cairo, width, deckY);
    FrontWindow(cairo);
    EngineRoomHatch(cairo);
    CrystalHolder(cairo);
    DrawShipDeck(cairo, width, height, deckY, 512.0);
    DrawConsole(cairo, 200.0, 318.0, 624.0, 130.0);
    // The ship's emblem set into the deck.
    Ellipse(cairo, 512.0, 620.0, 230.0, 44.0);
    StrokeBand(cairo, colour::teal, 8.0, 13.0, 0.8);
    Ellipse(cairo, 512.0, 620.0, 150.0, 26.0);
    StrokeBand(cairo, colour::orange, 5.0, 9.0, 0.8);
    // The chair's base column stands on the deck; the chair itself is a
    // still of its own, drawn over the characters behind it.
    Ellipse(cairo, 512.0, 528.0, 64.0, 14.0);
    FillPlain(cairo, colour::outline, 0.35);
}

void Chair(cairo_t* cairo, int /*frame*/)
{
    RoundedRectangle(cairo, 70.0, 96.0, 20.0, 50.0, 6.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 2.5);
    Ellipse(cairo, 80.0, 150.0, 50.0, 12.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    RoundedRectangle(cairo, 22.0, 8.0, 116.0, 96.0, 26.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange);
    RoundedRectangle(cairo, 36.0, 22.0, 88.0, 66.0, 18.0);
    FillOutlined(cairo, 0xF29A45, 0xC9631A, 2.0);
    RoundedRectangle(cairo, 4.0, 70.0, 30.0, 16.0, 7.0);
    RoundedRectangle(cairo, 126.0, 70.0, 30.0, 16.0, 7.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
}

void Monitor(cairo_t* cairo, int frame)
{
    RoundedRectangle(cairo, 3.0, 3.0, 114.0, 74.0, 10.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 3.0);
    RoundedRectangle(cairo, 12.0, 12.0, 96.0, 56.0, 6.0);
    FillOutlined(cairo, 0x0F3B4A, 0x0A2834, 2.0);
    // A course line sweeping across the screen, and a blinking warning.
    cairo_move_to(cairo, 16.0, 50.0);
    for (int x = 0; x <= 88; x += 4)
        cairo_line_to(cairo, 16.0 + x, 40.0 + 12.0 * std::sin((x + frame * 22) * pi / 44.0));
    cairo_set_line_width(cairo, 2.5);
    SetColour(cairo, colour::tealLight);
    cairo_stroke(cairo);
    if (frame % 2 == 0) {
        RoundedRectangle(cairo, 70.0, 16.0, 32.0, 12.0, 3.0);
        FillOutlined(cairo, colour::hibiscus, colour::banner, 1.5);
    }
}

} // namespace

RoomDescription RoomBruecke()
{
    RoomDescription room;
    room.label = "RoomBr\xfc" "cke";
    room.folder = "data\\level01\\roombr\xfc" "cke\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    room.floor = {{{60.0, 470.0}, {430.0, 470.0}, {440.0, 530.0}, {584.0, 530.0}, {594.0, 470.0}, {964.0, 470.0},
                   {1010.0, 652.0}, {14.0, 652.0}}};
    room.leads = {{{100.0, 480.0}, {160.0, 580.0}, {512.0, 590.0}, {860.0, 580.0}, {920.0, 480.0}}};
    room.backY = 470;
    room.frontY = 720;
    room.light = 0xE6F0FF;
    room.lightPools = {{{512.0, 440.0}, 420.0, 150.0, 0xB8EEF0}, {{920.0, 470.0}, 140.0, 120.0, 0xC8FFF6}};
    room.graphics = {
        {"sessel", 432, 378, 160, 170, 1, Chair},
        {"monitor", 250, 236, 120, 80, 4, Monitor},
    };
    room.ambience = Ambience::engineHum;
    return room;
}

} // namespace content::rooms
