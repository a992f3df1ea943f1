// The repair hangar: steel walls under the roof's girders, the big gate
// behind open onto the dusk over the landing field, and in front of it the
// Zephyra on her trestles with a panel open; the robot fuel pump with its
// face and card slot on the left, the shelf of spare parts beside it, the
// workbench right of the ship and the door back into the terminal in the
// right corner.

#include "Episode2Rooms.h"
#include "SceneFigures.h"
#include "SceneShapes.h"
#include "ShipStyle.h"
#include "SpriteArt.h"
#include "TaxiHangarDoors.h"
#include "adventure/CastAnimations.h"
#include "items/ItemPictures.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace content::rooms {

namespace {

constexpr const char* hangar = "RoomHangar";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double wallY = 466.0;
constexpr double roofY = 104.0;
constexpr std::uint32_t wallLight = 0xA7B2C6;
constexpr std::uint32_t wallDark = 0x7C88A0;
constexpr std::uint32_t girder = 0x3C4A6A;
constexpr std::uint32_t girderDark = 0x27324E;
// Where the empty canister stands on the floor (the bottom centre of its
// picture).
constexpr int canisterX = 612;
constexpr int canisterFootY = 614;

void Wall(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, -10.0, width + 20.0, wallY + 10.0);
    SetVerticalGradient(cairo, 0.0, wallY, wallLight, wallDark);
    cairo_fill(cairo);
    // Corrugated sheets, and the seams between them.
    cairo_set_line_width(cairo, 2.0);
    for (double x = 10.0; x < width; x += 18.0) {
        cairo_move_to(cairo, x, roofY);
        cairo_line_to(cairo, x, wallY);
    }
    SetColour(cairo, colour::outline, 0.12);
    cairo_stroke(cairo);
    for (double x = 0.0; x < width; x += 144.0) {
        cairo_move_to(cairo, x, roofY);
        cairo_line_to(cairo, x, wallY);
    }
    SetColour(cairo, colour::outline, 0.35);
    cairo_stroke(cairo);
    cairo_rectangle(cairo, -10.0, wallY - 30.0, width + 20.0, 30.0);
    FillOutlined(cairo, 0x6E7A92, 0x56617A, 2.5);
}

// The gate behind the ship, rolled up into its drum: the evening sky over
// the landing field, a ship waiting there, and warning stripes round it.
void Gate(cairo_t* cairo)
{
    const double left = 300.0;
    const double right = 796.0;
    const double top = 150.0;
    cairo_save(cairo);
    cairo_rectangle(cairo, left, top, right - left, wallY - top);
    cairo_clip(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, top, 0.0, 400.0),
                {{0.0, 0x4A3F8E}, {0.55, 0x9C66A8}, {1.0, 0xFFA36B}});
    cairo_paint(cairo);
    Glow(cairo, 690.0, 400.0, 160.0, colour::orangeLight, 0.6);
    DrawCloud(cairo, 420.0, 230.0, 0.6);
    DrawPlanet(cairo, 720.0, 200.0, 14.0, tone::moonLight, tone::moonDark, false);
    // The landing field with its lights and a freighter standing on it.
    cairo_rectangle(cairo, left, 398.0, right - left, wallY - 398.0);
    SetVerticalGradient(cairo, 398.0, wallY, 0x6E6A8A, 0x575372);
    cairo_fill(cairo);
    for (double x = left + 20.0; x < right; x += 46.0) {
        Glow(cairo, x, 420.0, 8.0, colour::tealLight, 0.9);
    }
    RoundedRectangle(cairo, 610.0, 352.0, 120.0, 46.0, 16.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    for (double x = 628.0; x < 720.0; x += 24.0) {
        Circle(cairo, x, 372.0, 5.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
    }
    cairo_restore(cairo);
    // The frame and the rolled-up gate.
    cairo_rectangle(cairo, left, top, right - left, wallY - top);
    StrokeBand(cairo, colour::steel, 12.0, 18.0);
    for (const double x : {left - 14.0, right + 2.0}) {
        cairo_save(cairo);
        cairo_rectangle(cairo, x, top, 12.0, wallY - top);
        cairo_clip(cairo);
        for (double y = top - 20.0; y < wallY; y += 24.0) {
            cairo_move_to(cairo, x, y);
            cairo_line_to(cairo, x + 12.0, y + 12.0);
            cairo_line_to(cairo, x + 12.0, y + 24.0);
            cairo_line_to(cairo, x, y + 12.0);
            cairo_close_path(cairo);
        }
        FillPlain(cairo, tone::taxiLight);
        cairo_restore(cairo);
        cairo_rectangle(cairo, x, top, 12.0, wallY - top);
        StrokeOutline(cairo, 2.0);
    }
    RoundedRectangle(cairo, left - 20.0, top - 36.0, right - left + 40.0, 36.0, 14.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    for (double x = left + 10.0; x < right; x += 60.0)
        ship::DrawRivet(cairo, x, top - 18.0, 3.0);
}

// The roof's girders with their lattice, and the lamps hanging from them.
void Roof(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, -10.0, width + 20.0, roofY + 10.0);
    SetVerticalGradient(cairo, 0.0, roofY, girderDark, girder);
    cairo_fill(cairo);
    for (const double y : {18.0, roofY - 8.0}) {
        cairo_move_to(cairo, -10.0, y);
        cairo_line_to(cairo, width + 10.0, y);
        StrokeBand(cairo, colour::steel, 8.0, 13.0);
    }
    for (double x = 0.0; x < width; x += 64.0) {
        cairo_move_to(cairo, x, 22.0);
        cairo_line_to(cairo, x + 32.0, roofY - 12.0);
        cairo_line_to(cairo, x + 64.0, 22.0);
    }
    StrokeBand(cairo, colour::steel, 4.0, 8.0);
    for (const double x : {250.0, 548.0, 860.0}) {
        cairo_move_to(cairo, x, roofY - 6.0);
        cairo_line_to(cairo, x, roofY + 30.0);
        StrokeOutline(cairo, 2.5);
        Glow(cairo, x, roofY + 50.0, 90.0, colour::cream, 0.45);
        cairo_move_to(cairo, x - 30.0, roofY + 52.0);
        cairo_curve_to(cairo, x - 26.0, roofY + 26.0, x + 26.0, roofY + 26.0, x + 30.0, roofY + 52.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
        Ellipse(cairo, x, roofY + 52.0, 16.0, 5.0);
        FillPlain(cairo, tone::white);
    }
}

void Signs(cairo_t* cairo)
{
    RoundedRectangle(cairo, 34.0, 150.0, 136.0, 34.0, 8.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.5);
    DrawArtText(cairo, "TANKSTELLE", 102.0, 174.0, 16.0, colour::cream);
    RoundedRectangle(cairo, 900.0, 200.0, 120.0, 30.0, 8.0);
    FillOutlined(cairo, colour::teal, 0x0F6462, 2.5);
    DrawArtText(cairo, "TERMINAL", 960.0, 221.0, 15.0, colour::cream);
    // The door's frame; the door itself is a graphic of its own.
    RoundedRectangle(cairo, 898.0, 238.0, 124.0, wallY - 238.0 + 6.0, 10.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 3.0);
    // The fuel line from the pump's back up along the wall.
    cairo_move_to(cairo, 60.0, 420.0);
    cairo_line_to(cairo, 16.0, 420.0);
    cairo_line_to(cairo, 16.0, roofY);
    StrokeBand(cairo, colour::orange, 9.0, 14.0);
}

void Floor(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, wallY, width + 20.0, height - wallY + 10.0);
    SetVerticalGradient(cairo, wallY, height, 0xB9BCC6, 0x8A8FA0);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.2);
    for (double x = -800.0; x < 1900.0; x += 150.0) {
        cairo_move_to(cairo, 548.0 + (x - 548.0) * 0.4, wallY);
        cairo_line_to(cairo, x, height);
    }
    for (const double y : {510.0, 580.0, 680.0}) {
        cairo_move_to(cairo, 0.0, y);
        cairo_line_to(cairo, width, y);
    }
    cairo_stroke(cairo);
    // The ship's berth: a yellow frame painted on the floor.
    cairo_move_to(cairo, 290.0, 500.0);
    cairo_line_to(cairo, 806.0, 500.0);
    cairo_line_to(cairo, 850.0, 650.0);
    cairo_line_to(cairo, 246.0, 650.0);
    cairo_close_path(cairo);
    StrokeBand(cairo, tone::taxiLight, 6.0, 10.0, 0.8);
    // An oil stain with a rainbow sheen, the ship's shadow and the pump's.
    Ellipse(cairo, 470.0, 602.0, 34.0, 7.0);
    Ellipse(cairo, 496.0, 598.0, 16.0, 4.0);
    FillPlain(cairo, colour::nightDeep, 0.55);
    Ellipse(cairo, 464.0, 600.0, 14.0, 2.5);
    FillPlain(cairo, colour::violet, 0.5);
    Ellipse(cairo, 478.0, 604.0, 10.0, 2.0);
    FillPlain(cairo, colour::tealLight, 0.5);
    Ellipse(cairo, 545.0, 486.0, 230.0, 16.0);
    Ellipse(cairo, 102.0, 590.0, 80.0, 12.0);
    FillPlain(cairo, tone::shadowDeep, 0.3);
}

void Paint(cairo_t* cairo)
{
    Wall(cairo);
    Gate(cairo);
    Roof(cairo);
    Signs(cairo);
    Floor(cairo);
}

// The Zephyra on her trestles, the cutter of the menu's scenes drawn large:
// a panel open under her portholes with the wiring hanging out, where a
// welder's sparks fly, a ladder leaning on her and a cable to the floor.
void Zephyra(cairo_t* cairo, int frame)
{
    constexpr double centreX = 227.0;
    constexpr double centreY = 134.0;
    constexpr double foot = 300.0;
    for (const double x : {centreX - 110.0, centreX + 96.0}) {
        cairo_move_to(cairo, x - 34.0, foot - 4.0);
        cairo_line_to(cairo, x, centreY + 58.0);
        cairo_line_to(cairo, x + 34.0, foot - 4.0);
        StrokeBand(cairo, colour::steel, 7.0, 12.0);
        cairo_move_to(cairo, x - 20.0, foot - 40.0);
        cairo_line_to(cairo, x + 20.0, foot - 40.0);
        StrokeBand(cairo, colour::steel, 5.0, 9.0);
        RoundedRectangle(cairo, x - 40.0, centreY + 50.0, 80.0, 14.0, 5.0);
        FillOutlined(cairo, tone::taxiLight, tone::taxi, 2.5);
    }
    // The cable from the panel down to the floor.
    cairo_move_to(cairo, 300.0, 150.0);
    cairo_curve_to(cairo, 320.0, 260.0, 360.0, 300.0, 440.0, 294.0);
    StrokeBand(cairo, colour::hibiscus, 4.0, 8.0);
    DrawCutter(cairo, centreX, centreY, 2.0, 0.0, false);
    // The open panel and the cover hanging from its hinge.
    RoundedRectangle(cairo, 262.0, 124.0, 44.0, 30.0, 4.0);
    FillOutlined(cairo, colour::nightDeep, colour::night, 2.5);
    for (int wire = 0; wire < 3; ++wire) {
        cairo_move_to(cairo, 270.0 + wire * 12.0, 140.0);
        cairo_curve_to(cairo, 268.0 + wire * 12.0, 160.0, 280.0 + wire * 8.0, 168.0, 276.0 + wire * 10.0, 176.0);
        const std::uint32_t colours[] = {colour::hibiscus, colour::acid, colour::tealLight};
        StrokeBand(cairo, colours[wire], 2.5, 5.0);
    }
    // The cover swung open on its hinge at the panel's left edge.
    cairo_move_to(cairo, 262.0, 124.0);
    cairo_line_to(cairo, 240.0, 116.0);
    cairo_line_to(cairo, 240.0, 148.0);
    cairo_line_to(cairo, 262.0, 154.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::tealLight, colour::teal, 2.5);
    // Sparks where the welder works on the wiring.
    const double flare = frame % 2 == 0 ? 1.0 : 0.6;
    Glow(cairo, 286.0, 140.0, 30.0 * flare, colour::cream, 0.9);
    for (int spark = 0; spark < 6; ++spark) {
        const double angle = spark * pi / 3.0 + frame * 0.9;
        const double reach = 10.0 + 8.0 * ((spark + frame) % 3);
        cairo_move_to(cairo, 286.0 + 4.0 * std::cos(angle), 140.0 + 4.0 * std::sin(angle));
        cairo_line_to(cairo, 286.0 + reach * std::cos(angle), 140.0 + reach * std::sin(angle) + 4.0);
    }
    cairo_set_line_width(cairo, 2.5);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    SetColour(cairo, colour::orangeLight);
    cairo_stroke(cairo);
    // The ladder leaning on the hull.
    for (const double x : {356.0, 384.0}) {
        cairo_move_to(cairo, x + 40.0, foot - 2.0);
        cairo_line_to(cairo, x, 128.0);
        StrokeBand(cairo, tone::woodLight, 5.0, 9.0);
    }
    for (double t = 0.1; t < 1.0; t += 0.16) {
        const double y = foot - 2.0 - t * (foot - 130.0);
        const double x = 356.0 + 40.0 * (1.0 - t);
        cairo_move_to(cairo, x, y);
        cairo_line_to(cairo, x + 28.0, y);
    }
    StrokeBand(cairo, tone::woodLight, 3.0, 6.0);
}

// The robot fuel pump: a red pump body on tracks with a screen for a face
// that blinks and looks about, its card slot with a red light waiting for a
// fuel card, the gauge, and the hose held in its little arm.
void Pump(cairo_t* cairo, int frame)
{
    // The tracks.
    RoundedRectangle(cairo, 14.0, 300.0, 132.0, 36.0, 16.0);
    FillOutlined(cairo, 0x5E6C82, 0x434E64);
    for (const double x : {34.0, 80.0, 126.0}) {
        Circle(cairo, x, 318.0, 10.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    }
    // The hose from its back round to the nozzle in its hand.
    cairo_move_to(cairo, 130.0, 160.0);
    cairo_curve_to(cairo, 170.0, 200.0, 160.0, 290.0, 140.0, 260.0);
    StrokeBand(cairo, colour::night, 6.0, 11.0);
    RoundedRectangle(cairo, 22.0, 110.0, 116.0, 196.0, 22.0);
    FillOutlined(cairo, tone::bannerLight, colour::hibiscus);
    RoundedRectangle(cairo, 34.0, 196.0, 92.0, 96.0, 12.0);
    FillOutlined(cairo, colour::cream, colour::sand, 2.5);
    // The gauge, near empty.
    cairo_arc(cairo, 58.0, 228.0, 18.0, pi, 2.0 * pi);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::white, colour::cream, 2.0);
    cairo_move_to(cairo, 58.0, 228.0);
    cairo_line_to(cairo, 46.0, 220.0);
    StrokeOutline(cairo, 2.5);
    // The card slot and its light.
    RoundedRectangle(cairo, 84.0, 208.0, 34.0, 24.0, 5.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 2.0);
    RoundedRectangle(cairo, 90.0, 218.0, 22.0, 4.0, 2.0);
    FillPlain(cairo, colour::outline);
    const bool bright = frame % 3 != 2;
    if (bright)
        Glow(cairo, 101.0, 276.0, 12.0, colour::hibiscus, 0.8);
    Circle(cairo, 101.0, 276.0, 5.0);
    FillOutlined(cairo, bright ? tone::hibiscusLight : colour::banner, colour::banner, 1.5);
    DrawArtText(cairo, "KARTE", 66.0, 282.0, 12.0, colour::hibiscus);
    // The arm holding the nozzle.
    cairo_move_to(cairo, 138.0, 180.0);
    cairo_line_to(cairo, 150.0, 210.0);
    cairo_line_to(cairo, 142.0, 246.0);
    StrokeBand(cairo, colour::steel, 5.0, 9.0);
    RoundedRectangle(cairo, 130.0, 240.0, 20.0, 30.0, 6.0);
    FillOutlined(cairo, tone::taxiLight, tone::taxi, 2.5);
    // The head: a screen with a face and an antenna.
    cairo_move_to(cairo, 80.0, 14.0);
    cairo_line_to(cairo, 80.0, 40.0);
    StrokeOutline(cairo, 3.0);
    Circle(cairo, 80.0, 12.0, 7.0);
    FillOutlined(cairo, frame % 2 == 0 ? colour::orangeLight : colour::cream, colour::orange, 2.0);
    RoundedRectangle(cairo, 24.0, 38.0, 112.0, 80.0, 20.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    RoundedRectangle(cairo, 34.0, 48.0, 92.0, 60.0, 12.0);
    FillOutlined(cairo, 0x0F3B4A, 0x0A2834, 2.0);
    Glow(cairo, 80.0, 78.0, 50.0, colour::tealLight, 0.25);
    // Frames: looking ahead, to the right (where the player stands), ahead,
    // a blink, ahead, a friendly squint.
    const double look = frame == 1 ? 8.0 : 0.0;
    for (const double eye : {60.0, 100.0}) {
        if (frame == 3) {
            cairo_move_to(cairo, eye - 9.0, 70.0);
            cairo_line_to(cairo, eye + 9.0, 70.0);
        } else if (frame == 5) {
            cairo_move_to(cairo, eye - 9.0, 72.0);
            cairo_curve_to(cairo, eye - 5.0, 62.0, eye + 5.0, 62.0, eye + 9.0, 72.0);
        } else {
            RoundedRectangle(cairo, eye - 7.0 + look, 60.0, 14.0, 20.0, 6.0);
            FillPlain(cairo, colour::tealLight);
            continue;
        }
        cairo_set_line_width(cairo, 4.0);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        SetColour(cairo, colour::tealLight);
        cairo_stroke(cairo);
    }
    cairo_move_to(cairo, 64.0, 92.0);
    cairo_curve_to(cairo, 72.0, 100.0, 88.0, 100.0, 96.0, 92.0);
    cairo_set_line_width(cairo, 3.5);
    SetColour(cairo, colour::tealLight);
    cairo_stroke(cairo);
}

// The shelf of spare parts: four boards of gears, a porthole ring, coiled
// cable, a box of bolts and a spare fin.
void Shelf(cairo_t* cairo, int /*frame*/)
{
    RoundedRectangle(cairo, 6.0, 2.0, 112.0, 24.0, 6.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.5);
    DrawArtText(cairo, "ERSATZTEILE", 62.0, 19.0, 11.0, colour::orangeLight);
    for (const double y : {88.0, 156.0, 222.0}) {
        RoundedRectangle(cairo, 4.0, y, 116.0, 10.0, 3.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    }
    // Gears and the porthole ring on the top board.
    for (const auto& [x, radius] : {std::pair{30.0, 18.0}, std::pair{62.0, 13.0}}) {
        cairo_new_path(cairo);
        for (int tooth = 0; tooth < 16; ++tooth) {
            const double angle = tooth * pi / 8.0;
            const double r = tooth % 2 == 0 ? radius : radius - 4.0;
            cairo_line_to(cairo, x + r * std::cos(angle), 88.0 - radius + r * std::sin(angle));
        }
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
        Circle(cairo, x, 88.0 - radius, radius * 0.35);
        FillOutlined(cairo, colour::nightLight, colour::night, 1.5);
    }
    ship::DrawPorthole(cairo, 96.0, 70.0, 16.0);
    // Coiled cable and a box of bolts.
    for (int turn = 0; turn < 3; ++turn) {
        Ellipse(cairo, 36.0, 140.0 - turn * 4.0, 24.0, 9.0);
        StrokeBand(cairo, colour::hibiscus, 3.0, 6.0);
    }
    RoundedRectangle(cairo, 70.0, 118.0, 42.0, 38.0, 4.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    DrawArtText(cairo, "BOLZEN", 91.0, 142.0, 8.0, colour::cream);
    // A spare fin and a canister-sized drum.
    cairo_move_to(cairo, 12.0, 222.0);
    cairo_line_to(cairo, 30.0, 176.0);
    cairo_line_to(cairo, 62.0, 176.0);
    cairo_line_to(cairo, 62.0, 222.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
    RoundedRectangle(cairo, 74.0, 180.0, 34.0, 42.0, 8.0);
    FillOutlined(cairo, colour::tealLight, colour::teal, 2.5);
    // The uprights, over everything on the boards.
    for (const double x : {4.0, 112.0}) {
        RoundedRectangle(cairo, x, 28.0, 8.0, 242.0, 3.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    }
    RoundedRectangle(cairo, 4.0, 256.0, 116.0, 10.0, 3.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
}

// The workbench: a pegboard of tools above, the bench with its vice, a
// lamp and a soldering iron, and a red toolbox underneath.
void Bench(cairo_t* cairo, int /*frame*/)
{
    RoundedRectangle(cairo, 6.0, 4.0, 112.0, 100.0, 6.0);
    FillOutlined(cairo, tone::woodLight, 0xB07A45, 2.5);
    cairo_set_line_width(cairo, 1.0);
    for (double y = 14.0; y < 100.0; y += 12.0)
        for (double x = 16.0; x < 116.0; x += 12.0)
            Circle(cairo, x, y, 1.3);
    FillPlain(cairo, tone::wood, 0.7);
    // A spanner, a hammer and a screwdriver on their pegs.
    cairo_move_to(cairo, 24.0, 20.0);
    cairo_line_to(cairo, 30.0, 84.0);
    StrokeBand(cairo, tone::steelLight, 5.0, 9.0);
    Circle(cairo, 23.0, 18.0, 8.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    RoundedRectangle(cairo, 52.0, 28.0, 8.0, 60.0, 3.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    RoundedRectangle(cairo, 42.0, 20.0, 28.0, 14.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    RoundedRectangle(cairo, 86.0, 20.0, 10.0, 30.0, 4.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.0);
    cairo_move_to(cairo, 91.0, 50.0);
    cairo_line_to(cairo, 91.0, 84.0);
    StrokeBand(cairo, tone::steelLight, 3.0, 6.0);
    // The lamp and its light on the bench.
    Glow(cairo, 92.0, 130.0, 40.0, colour::cream, 0.7);
    cairo_move_to(cairo, 104.0, 138.0);
    cairo_line_to(cairo, 110.0, 104.0);
    cairo_line_to(cairo, 96.0, 96.0);
    StrokeBand(cairo, colour::teal, 3.0, 6.0);
    cairo_move_to(cairo, 78.0, 108.0);
    cairo_line_to(cairo, 96.0, 88.0);
    cairo_line_to(cairo, 104.0, 104.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::tealLight, colour::teal, 2.0);
    // The bench.
    for (const double x : {10.0, 104.0}) {
        RoundedRectangle(cairo, x, 146.0, 10.0, 70.0, 3.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    }
    RoundedRectangle(cairo, 30.0, 184.0, 48.0, 30.0, 5.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.5);
    RoundedRectangle(cairo, 44.0, 180.0, 20.0, 6.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.5);
    RoundedRectangle(cairo, 2.0, 134.0, 120.0, 14.0, 4.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    // The vice and the soldering iron.
    RoundedRectangle(cairo, 10.0, 116.0, 26.0, 20.0, 3.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 2.0);
    RoundedRectangle(cairo, 6.0, 112.0, 34.0, 6.0, 2.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.5);
    cairo_move_to(cairo, 48.0, 130.0);
    cairo_line_to(cairo, 74.0, 124.0);
    StrokeBand(cairo, colour::orange, 4.0, 8.0);
    cairo_move_to(cairo, 74.0, 124.0);
    cairo_line_to(cairo, 84.0, 122.0);
    StrokeBand(cairo, tone::steelLight, 1.5, 4.0);
}

} // namespace

RoomDescription RoomHangar()
{
    RoomDescription room;
    room.label = hangar;
    room.folder = "data\\level02\\roomhangar\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The floor before the back wall; under and behind the ship on her
    // trestles nobody walks.
    room.floor = {{{30.0, 476.0}, {310.0, 476.0}, {326.0, 500.0}, {770.0, 500.0}, {786.0, 476.0}, {1014.0, 476.0},
                   {1014.0, 652.0}, {10.0, 652.0}}};
    room.leads = {{{960.0, 486.0}, {940.0, 570.0}, {700.0, 600.0}, {420.0, 600.0}, {200.0, 610.0}},
                  {{200.0, 610.0}, {250.0, 500.0}},
                  {{700.0, 600.0}, {830.0, 520.0}}};
    room.backY = 476;
    room.frontY = 720;
    room.light = 0xE6ECF6;
    room.lightPools = {{{548.0, 540.0}, 300.0, 90.0, 0xFFE8C8},
                       {{170.0, 560.0}, 150.0, 80.0, 0xFFF2D8},
                       {{860.0, 520.0}, 150.0, 70.0, 0xFFF2D8},
                       {{110.0, 600.0}, 90.0, 50.0, 0xC8FFF6}};
    room.graphics = {
        HangarSlidingDoor("tuer_raumhafen", 906, 246, 108, 220),
        {"zapfsaeule", 22, 254, 160, 340, 6, Pump},
        {"regal", 190, 198, 124, 272, 1, Shelf},
        {"zephyra", 318, 188, 454, 300, 4, Zephyra},
        {"werkbank", 776, 256, 124, 218, 1, Bench},
        items::LyingItemGraphic("kanister", canisterX, canisterFootY),
    };
    room.ambience = Ambience::hangar;
    return room;
}

levels::RoomStaging HangarStaging()
{
    using items::FullName;
    return {
        {{"TuerRaumhafen", "Zum Raumhafen", hangar, FullName("RoomRaumhafen", "TuerHangar"), {960, 484}, {940, 570},
          "tuer_raumhafen"}},
        {{"Kanister", "Leerer Kanister", hangar, items::Pickup::low, "kanister", true},
         {"VollerKanister", "Voller Kanister", hangar, items::Pickup::none, "vollerkanister", false}},
        {{castanimations::baltasar, "Baltasar", "Kapit\xe4n Baltasar", hangar, {720, 640}, Entity::left, -192,
          {840, 640}}},
        {{"zapfsaeule", "Tankroboter", {236, 604}, Entity::left},
         {"zephyra", "Die Zephyra", {556, 566}, Entity::up},
         {"werkbank", "Werkbank", {838, 524}, Entity::up},
         {"regal", "Ersatzteilregal", {252, 504}, Entity::up}},
    };
}

} // namespace content::rooms
