// The taxi stand on a landing pad at dusk: the terminal's front with its
// glass door on the left, the pad with its painted ring in the middle where
// Rocko's yellow space taxi stands on its legs, his meter on a post, the
// lit taxi sign at the pad's far corner and a bin by the terminal; beyond
// the railing the sea of Wakalua under the setting sun.

#include "BonusArt.h"
#include "Episode2Rooms.h"
#include "SceneShapes.h"
#include "ShipStyle.h"
#include "SpriteArt.h"
#include "TaxiHangarDoors.h"
#include "adventure/CastAnimations.h"
#include "rooms/RockoTaxi.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>

namespace content::rooms {

namespace {

constexpr const char* taxistand = "RoomTaxistand";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double horizonY = 392.0;
constexpr double padY = 470.0;
// The sun sets between the terminal and the taxi, where the sea shows.
constexpr double sunX = 310.0;
constexpr std::uint32_t duskTop = 0x2B2F6E;
constexpr std::uint32_t duskMiddle = 0x8C5FA8;
constexpr std::uint32_t duskLow = 0xFFA36B;
constexpr std::uint32_t padLight = 0x9C98B4;
constexpr std::uint32_t padDark = 0x6E6A8A;

void Sky(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, horizonY);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, 0.0, 0.0, horizonY),
                {{0.0, duskTop}, {0.55, duskMiddle}, {1.0, duskLow}});
    cairo_fill(cairo);
    // The first stars, only where the sky is dark enough.
    std::uint32_t seed = 23;
    for (int star = 0; star < 40; ++star) {
        seed = seed * 1103515245u + 12345u;
        const double x = (seed >> 8) % width;
        seed = seed * 1103515245u + 12345u;
        const double y = 10.0 + (seed >> 8) % 150;
        Circle(cairo, x, y, star % 5 == 0 ? 2.0 : 1.2);
        FillPlain(cairo, colour::cream, 0.9 - y / 200.0);
    }
    Glow(cairo, sunX, horizonY, 260.0, colour::orangeLight, 0.7);
    Circle(cairo, sunX, horizonY + 8.0, 46.0);
    FillOutlined(cairo, 0xFFE2A0, colour::orange, 2.5);
    DrawCloud(cairo, 420.0, 260.0, 0.8);
    DrawCloud(cairo, 860.0, 210.0, 0.6);
    DrawPlanet(cairo, 250.0, 90.0, 22.0, tone::moonLight, tone::moonDark, true);
}

void Sea(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, horizonY, width, padY - horizonY + 10.0);
    SetVerticalGradient(cairo, horizonY, padY, 0x3AA9B8, 0x1D6E84);
    cairo_fill(cairo);
    // The sun's path on the water.
    for (int streak = 0; streak < 6; ++streak) {
        const double y = horizonY + 10.0 + streak * 11.0;
        const double half = 40.0 - streak * 4.0 + (streak % 2) * 10.0;
        RoundedRectangle(cairo, sunX - half, y, 2.0 * half, 4.0, 2.0);
        FillPlain(cairo, colour::orangeLight, 0.8);
    }
    // A low island on the horizon with two palms.
    cairo_move_to(cairo, 196.0, horizonY + 2.0);
    cairo_curve_to(cairo, 210.0, horizonY - 22.0, 250.0, horizonY - 24.0, 268.0, horizonY + 2.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0x4F5E8C, 0x3A4670, 2.0);
    for (const auto& [x, lean] : {std::pair{218.0, -10.0}, std::pair{246.0, 12.0}}) {
        PushPlacement(cairo, x, horizonY - 14.0, 0.3);
        DrawPalm(cairo, 0.0, 0.0, 120.0, lean);
        PopPlacement(cairo);
    }
    cairo_move_to(cairo, 0.0, horizonY);
    cairo_line_to(cairo, width, horizonY);
    StrokeOutline(cairo, 2.0);
}

// The terminal's front: a sand wall under a turquoise band and a red
// canopy, a lamp over the opening the glass door fills.
void Terminal(cairo_t* cairo)
{
    cairo_move_to(cairo, -10.0, 96.0);
    cairo_line_to(cairo, 196.0, 130.0);
    cairo_line_to(cairo, 196.0, padY + 16.0);
    cairo_line_to(cairo, -10.0, padY + 16.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::sand, tone::sandDark);
    cairo_move_to(cairo, -10.0, 110.0);
    cairo_line_to(cairo, 196.0, 142.0);
    cairo_line_to(cairo, 196.0, 176.0);
    cairo_line_to(cairo, -10.0, 150.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::turquoise, colour::teal, 2.5);
    // The canopy over the door, with its scalloped edge.
    cairo_move_to(cairo, -10.0, 226.0);
    cairo_line_to(cairo, 210.0, 226.0);
    for (int scallop = 0; scallop < 8; ++scallop) {
        const double right = 210.0 - scallop * 27.5;
        cairo_curve_to(cairo, right - 4.0, 252.0, right - 24.0, 252.0, right - 27.5, 238.0);
    }
    cairo_line_to(cairo, -10.0, 238.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::hibiscusLight, colour::hibiscus);
    for (double x = 14.0; x < 210.0; x += 55.0) {
        cairo_rectangle(cairo, x, 226.0, 27.5, 12.0);
        FillPlain(cairo, colour::cream, 0.85);
    }
    DrawArtText(cairo, "RAUMHAFEN", 94.0, 206.0, 20.0, colour::orangeLight);
    // The door's frame; the door itself is a graphic of its own.
    RoundedRectangle(cairo, 32.0, 262.0, 136.0, 224.0, 6.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 3.0);
    Glow(cairo, 100.0, 252.0, 70.0, colour::orangeLight, 0.6);
}

void Railing(cairo_t* cairo)
{
    for (double x = 214.0; x < width; x += 62.0) {
        RoundedRectangle(cairo, x - 4.0, padY - 52.0, 8.0, 56.0, 3.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    }
    cairo_move_to(cairo, 196.0, padY - 50.0);
    cairo_line_to(cairo, width + 10.0, padY - 50.0);
    StrokeBand(cairo, tone::steelLight, 5.0, 10.0);
    cairo_move_to(cairo, 196.0, padY - 26.0);
    cairo_line_to(cairo, width + 10.0, padY - 26.0);
    StrokeBand(cairo, colour::steel, 3.0, 7.0);
}

// The pad: concrete lit by the dusk, a painted ring where the taxi stands,
// the word TAXI lying flat on it and lamps along its front edge.
void Pad(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, padY, width + 20.0, height - padY + 10.0);
    SetVerticalGradient(cairo, padY, height, padLight, padDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // Seams between the slabs, running towards the sunset.
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.25);
    for (double x = -600.0; x < 1700.0; x += 160.0) {
        cairo_move_to(cairo, 640.0 + (x - 640.0) * 0.35, padY);
        cairo_line_to(cairo, x, height);
    }
    for (const double y : {520.0, 600.0, 700.0}) {
        cairo_move_to(cairo, 0.0, y);
        cairo_line_to(cairo, width, y);
    }
    cairo_stroke(cairo);
    Ellipse(cairo, 700.0, 566.0, 290.0, 62.0);
    StrokeBand(cairo, tone::taxiLight, 9.0, 14.0, 0.9);
    Ellipse(cairo, 700.0, 566.0, 230.0, 44.0);
    cairo_set_line_width(cairo, 3.0);
    SetColour(cairo, tone::taxiLight, 0.7);
    const double dashes[] = {18.0, 12.0};
    cairo_set_dash(cairo, dashes, 2, 0.0);
    cairo_stroke(cairo);
    cairo_set_dash(cairo, nullptr, 0, 0.0);
    // The painted word, flattened by the view.
    cairo_save(cairo);
    cairo_translate(cairo, 330.0, 630.0);
    cairo_scale(cairo, 1.0, 0.32);
    DrawArtText(cairo, "TAXI", 0.0, 0.0, 86.0, tone::taxiLight);
    cairo_restore(cairo);
    // The taxi's shadow under its legs.
    Ellipse(cairo, 700.0, 556.0, 210.0, 20.0);
    FillPlain(cairo, tone::shadowDeep, 0.35);
    for (double x = 40.0; x < width; x += 120.0) {
        Glow(cairo, x, 728.0, 22.0, colour::tealLight, 0.6);
        Ellipse(cairo, x, 728.0, 10.0, 5.0);
        FillOutlined(cairo, 0xE8FFFC, colour::tealLight, 2.0);
    }
}

void Paint(cairo_t* cairo)
{
    Sky(cairo);
    Sea(cairo);
    Railing(cairo);
    Pad(cairo);
    Terminal(cairo);
    // The bin's and the meter post's shadows.
    Ellipse(cairo, 222.0, 520.0, 40.0, 8.0);
    Ellipse(cairo, 422.0, 590.0, 34.0, 7.0);
    FillPlain(cairo, tone::shadowDeep, 0.35);
}

// Rocko's taxi parked on its three legs, nose to the right, in the taxi's
// units of the chase (160 long), scaled into the graphic: the body with its
// checkered band, the canopy with the driver's seat and the fuzzy dice, the
// roof cannon and roof light, the cold nozzle at the back, the tank cap a
// canister fills, a patched dent, the headlight and the number plate.
void Taxi(cairo_t* cairo, int /*frame*/)
{
    Glow(cairo, 452.0, 170.0, 50.0, colour::cream, 0.5);
    PushPlacement(cairo, 226.0, 160.0, 2.5);
    DrawParkedRockoTaxi(cairo);
    PopPlacement(cairo);
}

// The meter on its post: a box with a lit display whose fare keeps
// climbing, its little flag and a coin slot. Its last digit runs through
// the even ones, a frame each.
constexpr int meterFrames = 5;
void Meter(cairo_t* cairo, int frame)
{
    RoundedRectangle(cairo, 29.0, 70.0, 12.0, 190.0, 4.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    RoundedRectangle(cairo, 20.0, 250.0, 30.0, 10.0, 3.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 2.0);
    // The flag, tipped down: the meter is running.
    cairo_move_to(cairo, 56.0, 24.0);
    cairo_line_to(cairo, 64.0, 40.0);
    StrokeBand(cairo, colour::steel, 3.0, 6.0);
    RoundedRectangle(cairo, 58.0, 38.0, 12.0, 18.0, 3.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.0);
    RoundedRectangle(cairo, 4.0, 8.0, 58.0, 72.0, 10.0);
    FillOutlined(cairo, tone::taxiLight, tone::taxi);
    RoundedRectangle(cairo, 10.0, 16.0, 46.0, 24.0, 4.0);
    FillOutlined(cairo, 0x0F3B4A, 0x0A2834, 2.0);
    char fare[16];
    // Only the last digit turns, so the loop of frames never shows the fare
    // falling back.
    std::snprintf(fare, sizeof fare, "138.9%d", frame * 2 % 10);
    DrawArtText(cairo, fare, 33.0, 34.0, 13.0, tone::acidLight);
    // The coin slot and the word the box carries.
    RoundedRectangle(cairo, 22.0, 48.0, 22.0, 6.0, 3.0);
    FillPlain(cairo, colour::outline);
    DrawArtText(cairo, "TARIF 1", 33.0, 73.0, 10.0, tone::white);
    if (frame % 2 == 0) {
        Glow(cairo, 50.0, 51.0, 8.0, tone::acidLight, 0.9);
        Circle(cairo, 50.0, 51.0, 3.0);
        FillOutlined(cairo, tone::acidLight, tone::acidDark, 1.0);
    }
}

// The taxi sign on its pole: a yellow box saying TAXI in a ring of bulbs
// that light one after another.
void Sign(cairo_t* cairo, int frame)
{
    RoundedRectangle(cairo, 40.0, 100.0, 10.0, 256.0, 4.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    Ellipse(cairo, 45.0, 354.0, 22.0, 5.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 2.0);
    Glow(cairo, 45.0, 60.0, 60.0, tone::taxiLight, 0.55);
    RoundedRectangle(cairo, 4.0, 20.0, 82.0, 84.0, 14.0);
    FillOutlined(cairo, tone::taxiLight, tone::taxi);
    RoundedRectangle(cairo, 12.0, 28.0, 66.0, 68.0, 9.0);
    FillOutlined(cairo, colour::night, colour::nightDeep, 2.0);
    DrawArtText(cairo, "TAXI", 45.0, 62.0, 20.0, tone::taxiLight);
    DrawArtText(cairo, "ROCKO", 45.0, 86.0, 12.0, colour::orangeLight);
    for (int bulb = 0; bulb < 12; ++bulb) {
        const double angle = bulb * 2.0 * pi / 12.0;
        const double x = 45.0 + 46.0 * std::cos(angle);
        const double y = 62.0 + 48.0 * std::sin(angle) * 0.92;
        const bool lit = (bulb + frame) % 4 == 0;
        if (lit)
            Glow(cairo, x, y, 9.0, colour::cream, 0.9);
        Circle(cairo, x, y, 3.5);
        FillOutlined(cairo, lit ? tone::white : colour::orangeLight, lit ? colour::cream : colour::orange, 1.5);
    }
    // The arrow under the box points to the pad.
    cairo_move_to(cairo, 20.0, 124.0);
    cairo_line_to(cairo, 60.0, 124.0);
    StrokeBand(cairo, colour::turquoise, 8.0, 13.0);
    Arrowhead(cairo, 20.0, 124.0, -1.0, 12.0, 4.0, 11.0);
    FillOutlined(cairo, colour::turquoise, colour::teal, 2.0);
}

// The bin by the terminal: a turquoise drum with a swinging flap and a
// banana peel hanging over its rim.
void Bin(cairo_t* cairo, int /*frame*/)
{
    RoundedRectangle(cairo, 8.0, 26.0, 54.0, 66.0, 10.0);
    FillOutlined(cairo, colour::turquoise, colour::teal);
    for (const double y : {46.0, 72.0}) {
        cairo_move_to(cairo, 10.0, y);
        cairo_line_to(cairo, 60.0, y);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.5);
    cairo_stroke(cairo);
    RoundedRectangle(cairo, 4.0, 16.0, 62.0, 16.0, 7.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    RoundedRectangle(cairo, 22.0, 20.0, 26.0, 7.0, 3.0);
    FillPlain(cairo, colour::outline);
    // The peel.
    cairo_move_to(cairo, 44.0, 20.0);
    cairo_curve_to(cairo, 48.0, 4.0, 60.0, 6.0, 58.0, 20.0);
    cairo_curve_to(cairo, 62.0, 30.0, 58.0, 40.0, 54.0, 38.0);
    cairo_curve_to(cairo, 54.0, 30.0, 52.0, 24.0, 44.0, 20.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::taxiLight, tone::taxi, 2.0);
    DrawArtText(cairo, "M\xc3\x9cLL", 35.0, 64.0, 11.0, colour::cream);
}

} // namespace

RoomDescription RoomTaxistand()
{
    RoomDescription room;
    room.label = taxistand;
    room.folder = "data\\level02\\roomtaxistand\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The pad before the terminal and in front of the taxi; nobody walks
    // under the taxi or behind it, along the railing.
    room.floor = {{{0.0, 486.0}, {460.0, 486.0}, {486.0, 566.0}, {920.0, 566.0}, {946.0, 506.0}, {1024.0, 506.0},
                   {1024.0, 652.0}, {0.0, 652.0}}};
    room.leads = {{{100.0, 500.0}, {170.0, 590.0}, {420.0, 624.0}, {700.0, 610.0}, {980.0, 590.0}},
                  {{980.0, 590.0}, {980.0, 520.0}},
                  {{170.0, 590.0}, {300.0, 500.0}}};
    room.backY = 486;
    room.frontY = 720;
    room.light = 0xF2DCEA;
    room.lightPools = {{{100.0, 500.0}, 130.0, 60.0, 0xFFE4B0},
                       {{970.0, 520.0}, 110.0, 60.0, 0xFFEB9A},
                       {{sunX, 580.0}, 280.0, 90.0, 0xFFC9A0}};
    room.graphics = {
        TerminalGlassDoor("tuer_raumhafen", 40, 270, 120, 212),
        {"taxi", 470, 254, 456, 308, 1, Taxi},
        {"taxameter", 388, 332, 74, 262, meterFrames, Meter},
        {"schild", 932, 148, 90, 360, 4, Sign},
        {"muelleimer", 188, 430, 70, 92, 1, Bin},
    };
    room.ambience = Ambience::landingPad;
    return room;
}

levels::RoomStaging TaxistandStaging()
{
    using items::FullName;
    return {
        {{"TuerRaumhafen", "Zum Raumhafen", taxistand, FullName("RoomRaumhafen", "TuerTaxistand"), {100, 496},
          {170, 590}, "tuer_raumhafen"}},
        {},
        {{castanimations::rocko, "Rocko", "Rocko", taxistand, {330, 618}, Entity::left, -190, {215, 626}}},
        {{"taxi", "Rockos Taxi", {690, 606}, Entity::up},
         {"taxameter", "Taxameter", {486, 612}, Entity::left},
         {"schild", "Taxischild", {968, 560}, Entity::up},
         {"muelleimer", "M\xfclleimer", {290, 552}, Entity::left}},
    };
}

} // namespace content::rooms
