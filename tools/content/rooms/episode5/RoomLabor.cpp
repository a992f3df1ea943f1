// The Baron's lab under the base's strip lights: the steel door back to
// the airlock on the left, the lab computer with his face on its screen,
// the floor-standing press under the board of his sketches, the aliens'
// empty terrarium with its glass burst from the inside under the glowing
// heat lamp, the tall breeding tank where the last Schleimling wobbles in
// bubbling green, and a shelf of flasks in the corner.

#include "BaseInterior.h"
#include "Episode5Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"
#include "minigames/AlienBlobs.h"

#include <array>
#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

using namespace moonbase;

constexpr const char* roomLabor = "RoomLabor";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double ceilingY = 150.0;
constexpr double floorY = 500.0;
constexpr std::uint32_t heat = 0xFF9A3A;
constexpr std::uint32_t heatLight = 0xFFD890;
constexpr std::uint32_t slime = 0x9BE03A;
constexpr std::uint32_t screenGlow = 0xC8F7A0;
// The steel door to the airlock in the left of the back wall.
constexpr int doorX = 24;
constexpr int doorY = 270;
constexpr int doorWidth = 140;
constexpr int doorHeight = 230;
// A warning lamp on the wall beside the door's sign.
constexpr int lampX = doorX + doorWidth + 18 - lampReach;
constexpr int lampY = 195 - lampReach;
// The lab computer: a console desk with its screen.
constexpr int computerX = 176;
constexpr int computerY = 290;
constexpr int computerWidth = 170;
constexpr int computerHeight = 224;
// The press on the floor and the board of sketches on the wall above it.
constexpr int pressX = 372;
constexpr int pressY = 300;
constexpr int pressWidth = 136;
constexpr int pressHeight = 218;
constexpr int boardX = 356;
constexpr int boardY = 162;
constexpr int boardWidth = 212;
constexpr int boardHeight = 124;
// The terrarium on its bench, and the heat lamp hanging over it.
constexpr int terrariumX = 572;
constexpr int terrariumY = 352;
constexpr int terrariumWidth = 196;
constexpr int terrariumHeight = 162;
constexpr int heatLampX = 622;
constexpr int heatLampY = 150;
constexpr int heatLampWidth = 104;
constexpr int heatLampHeight = 196;
constexpr double heatX = heatLampX + heatLampWidth / 2.0;
// The breeding tank.
constexpr int tankX = 784;
constexpr int tankY = 176;
constexpr int tankWidth = 132;
constexpr int tankHeight = 342;
constexpr int tankFrames = 6;
constexpr double tankMiddle = tankX + tankWidth / 2.0;
// The shelf of chemicals in the corner.
constexpr int shelfX = 928;
constexpr int shelfY = 176;
constexpr int shelfWidth = 92;
constexpr int shelfHeight = 332;

// A pipe along the wall: a steel band with collars every `collar` pixels.
void Pipe(cairo_t* cairo, double x0, double y0, double x1, double y1, double thickness)
{
    cairo_move_to(cairo, x0, y0);
    cairo_line_to(cairo, x1, y1);
    StrokeBand(cairo, colour::steel, thickness, thickness + 5.0);
    Line(cairo, x0 - thickness * 0.2, y0, x1 - thickness * 0.2, y1, tone::white, 2.0, 0.35);
}

void Paint(cairo_t* cairo)
{
    constexpr double lights[] = {250.0, 770.0};
    Ceiling(cairo, ceilingY, lights, 2);
    PlateWall(cairo, -2.0, ceilingY, width + 2.0, floorY, 128.0);
    // Pipes from the ceiling down to the tank and along the wall to the
    // press, green glow feeding the tank.
    Pipe(cairo, tankMiddle - 30.0, ceilingY, tankMiddle - 30.0, tankY + 14.0, 10.0);
    Pipe(cairo, tankMiddle + 30.0, ceilingY, tankMiddle + 30.0, tankY + 14.0, 10.0);
    Pipe(cairo, 560.0, 236.0, tankX, 236.0, 8.0);
    Pipe(cairo, 512.0, 236.0, 566.0, 236.0, 8.0);
    // The sign over the door.
    RoundedRectangle(cairo, doorX + 8.0, 180.0, doorWidth - 16.0, 30.0, 5.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.5);
    DrawArtText(cairo, "LABOR", doorX + doorWidth / 2.0, 202.0, 18.0, tone::acidLight);
    // The lamp's warm light on the wall, the tank's green glow, the
    // screen's light.
    Glow(cairo, heatX, 400.0, 190.0, heat, 0.35);
    Glow(cairo, tankMiddle, 340.0, 170.0, slime, 0.3);
    Glow(cairo, computerX + 85.0, computerY + 70.0, 120.0, screenGlow, 0.2);
    PlateFloor(cairo, floorY, height, width, 96.0, floorFar, floorNear);
    // Their light on the floor.
    Glow(cairo, heatX, 540.0, 170.0, heat, 0.3);
    Glow(cairo, tankMiddle, 540.0, 150.0, slime, 0.3);
    // Shadows of what stands on the floor.
    Ellipse(cairo, computerX + 85.0, computerY + computerHeight - 6.0, 86.0, 10.0);
    Ellipse(cairo, pressX + pressWidth / 2.0, pressY + pressHeight - 4.0, 70.0, 9.0);
    Ellipse(cairo, terrariumX + terrariumWidth / 2.0, terrariumY + terrariumHeight - 4.0, 100.0, 9.0);
    Ellipse(cairo, tankMiddle, tankY + tankHeight - 4.0, 70.0, 10.0);
    Ellipse(cairo, shelfX + shelfWidth / 2.0, shelfY + shelfHeight - 4.0, 50.0, 8.0);
    FillPlain(cairo, tone::shadowDeep, 0.45);
}

void WarningLamp(cairo_t* cairo, int frame)
{
    BlinkLamp(cairo, frame, 7.0, colour::acid);
}

// The Baron's face on a screen: a round face with a monocle and a curled
// moustache under his little crown, on the screen's green.
void BaronOnScreen(cairo_t* cairo, double x, double y, double size)
{
    // The crown.
    cairo_move_to(cairo, x - size * 0.7, y - size * 0.8);
    cairo_line_to(cairo, x - size * 0.8, y - size * 1.5);
    cairo_line_to(cairo, x - size * 0.35, y - size * 1.1);
    cairo_line_to(cairo, x, y - size * 1.65);
    cairo_line_to(cairo, x + size * 0.35, y - size * 1.1);
    cairo_line_to(cairo, x + size * 0.8, y - size * 1.5);
    cairo_line_to(cairo, x + size * 0.7, y - size * 0.8);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    // The face, a shining tin head.
    Circle(cairo, x, y, size);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    Shine(cairo, x - size * 0.55, y - size * 0.4, x - size * 0.4, y - size * 0.65, 3.0, 0.8);
    // Eyes: one plain, one behind the monocle with its chain.
    Circle(cairo, x - size * 0.38, y - size * 0.12, size * 0.12);
    FillPlain(cairo, colour::outline);
    Circle(cairo, x + size * 0.38, y - size * 0.12, size * 0.26);
    FillOutlined(cairo, tone::white, glass, 2.0);
    Circle(cairo, x + size * 0.38, y - size * 0.12, size * 0.1);
    FillPlain(cairo, colour::outline);
    cairo_move_to(cairo, x + size * 0.6, y - size * 0.05);
    cairo_curve_to(cairo, x + size * 0.9, y + size * 0.3, x + size * 0.8, y + size * 0.7, x + size * 0.6, y + size);
    SetColour(cairo, colour::orange);
    cairo_set_line_width(cairo, 1.5);
    cairo_stroke(cairo);
    // The curled moustache and a smug mouth.
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, x, y + size * 0.28);
        cairo_curve_to(cairo, x + side * size * 0.3, y + size * 0.12, x + side * size * 0.7, y + size * 0.5,
                       x + side * size * 0.75, y + size * 0.2);
        StrokeBand(cairo, 0x4A3A3A, 3.0, 5.0);
    }
    cairo_arc(cairo, x, y + size * 0.42, size * 0.22, 0.2 * pi, 0.8 * pi);
    StrokeOutline(cairo, 2.0);
}

// The lab computer: a console desk with a sloping keyboard full of lit
// keys and a big screen on a stand, showing the Baron's face and a prompt
// until the right answer opens his lab diary on it.
void DrawComputer(cairo_t* cairo, bool unlocked)
{
    constexpr double w = computerWidth;
    constexpr double foot = computerHeight - 4.0;
    // The stand and the screen's housing.
    cairo_rectangle(cairo, w / 2.0 - 12.0, 110.0, 24.0, 40.0);
    FillOutlined(cairo, colour::steel, steelDark, 2.5);
    RoundedRectangle(cairo, 14.0, 4.0, w - 28.0, 116.0, 10.0);
    FillOutlined(cairo, tone::steelLight, steelDark, 3.0);
    RoundedRectangle(cairo, 24.0, 14.0, w - 48.0, 92.0, 6.0);
    SetRadialGradient(cairo, w / 2.0, 56.0, 80.0, 0x3A8A4A, 0x123A2A);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    // Scan lines over the screen.
    for (double y = 18.0; y < 104.0; y += 4.0)
        Line(cairo, 26.0, y, w - 26.0, y, screenGlow, 1.0, 0.12);
    if (unlocked) {
        // The diary: its title, a page of entries and the onion it ends on.
        DrawArtText(cairo, "LABORBUCH", w / 2.0, 30.0, 11.0, screenGlow);
        for (double y = 42.0; y < 96.0; y += 9.0)
            Line(cairo, 34.0, y, y < 80.0 ? w - 34.0 : w - 70.0, y, screenGlow, 2.0, 0.6);
        Ellipse(cairo, w - 50.0, 88.0, 9.0, 10.0);
        FillOutlined(cairo, 0xB07AB8, screenGlow, 1.5);
    } else {
        BaronOnScreen(cairo, w / 2.0, 60.0, 22.0);
        DrawArtText(cairo, "PASSWORT?", w / 2.0, 100.0, 11.0, screenGlow);
    }
    Glow(cairo, w / 2.0, 56.0, 70.0, screenGlow, 0.18);
    Shine(cairo, 32.0, 22.0, 60.0, 22.0, 3.0, 0.4);
    // The desk: a sloping top with the keyboard over a steel body.
    cairo_move_to(cairo, 4.0, 158.0);
    cairo_line_to(cairo, 28.0, 140.0);
    cairo_line_to(cairo, w - 28.0, 140.0);
    cairo_line_to(cairo, w - 4.0, 158.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    cairo_rectangle(cairo, 8.0, 158.0, w - 16.0, foot - 158.0);
    FillOutlined(cairo, colour::violet, violetDark, 3.0);
    HazardBand(cairo, 14.0, foot - 14.0, w - 14.0, foot - 4.0, 2.0);
    // The keys: rows of small lit squares.
    constexpr std::uint32_t keys[] = {colour::acid, tone::violetLight, tone::steelLight, colour::orangeLight};
    for (int row = 0; row < 3; ++row) {
        const double y = 143.0 + row * 5.0;
        const double inset = 30.0 - row * 6.0;
        for (int key = 0; key < 12; ++key) {
            const double x = inset + key * (w - 2.0 * inset) / 12.0;
            cairo_rectangle(cairo, x + 1.0, y, (w - 2.0 * inset) / 12.0 - 3.0, 3.5);
            FillPlain(cairo, keys[(row * 5 + key * 3) % 4], 0.9);
        }
    }
    // A vent and two dials on the desk's front.
    for (double y = 172.0; y < 196.0; y += 6.0)
        Line(cairo, 24.0, y, 70.0, y, colour::outline, 2.5, 0.6);
    for (const double x : {106.0, 140.0}) {
        Circle(cairo, x, 184.0, 11.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
        Line(cairo, x, 184.0, x + 6.0, 177.0, colour::outline, 2.0);
    }
}

void LockedComputer(cairo_t* cairo, int /*frame*/)
{
    DrawComputer(cairo, false);
}

// The same computer with the diary open, shown over the locked one (a row
// lower, so that it is drawn in front) once the question is answered.
void UnlockedComputer(cairo_t* cairo, int /*frame*/)
{
    DrawComputer(cairo, true);
}

// A few strokes of marker: a path stroked thin in `rgb`.
void Marker(cairo_t* cairo, std::uint32_t rgb)
{
    SetColour(cairo, rgb, 0.9);
    cairo_set_line_width(cairo, 2.2);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cairo);
}

// The board of the Baron's sketches: himself, crowned and beaming among
// rays of glory, an alien with eye stalks crossed out beside a cage, and
// his formulas.
void Board(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = boardWidth;
    constexpr double h = boardHeight;
    RoundedRectangle(cairo, 2.0, 2.0, w - 4.0, h - 4.0, 6.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    cairo_rectangle(cairo, 10.0, 10.0, w - 20.0, h - 26.0);
    SetVerticalGradient(cairo, 10.0, h - 16.0, 0xF6F8FF, 0xDCE2F0);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.0);
    // The tray for the markers.
    cairo_rectangle(cairo, 40.0, h - 14.0, 80.0, 6.0);
    FillOutlined(cairo, colour::steel, steelDark, 1.5);
    // The Baron: head with crown and monocle, a body with medals, rays.
    constexpr double bx = 48.0;
    constexpr double by = 44.0;
    Circle(cairo, bx, by, 13.0);
    cairo_move_to(cairo, bx - 10.0, by - 12.0);
    cairo_line_to(cairo, bx - 12.0, by - 26.0);
    cairo_line_to(cairo, bx - 4.0, by - 18.0);
    cairo_line_to(cairo, bx, by - 28.0);
    cairo_line_to(cairo, bx + 4.0, by - 18.0);
    cairo_line_to(cairo, bx + 12.0, by - 26.0);
    cairo_line_to(cairo, bx + 10.0, by - 12.0);
    cairo_move_to(cairo, bx - 16.0, by + 56.0);
    cairo_line_to(cairo, bx - 14.0, by + 16.0);
    cairo_line_to(cairo, bx + 14.0, by + 16.0);
    cairo_line_to(cairo, bx + 16.0, by + 56.0);
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, bx + 5.0, by - 2.0, 4.0, 0.0, 2.0 * pi);
    cairo_move_to(cairo, bx - 6.0, by + 6.0);
    cairo_curve_to(cairo, bx - 2.0, by + 10.0, bx + 2.0, by + 10.0, bx + 6.0, by + 6.0);
    Marker(cairo, colour::violet);
    for (int ray = 0; ray < 7; ++ray) {
        const double angle = pi * (1.1 + ray * 0.13);
        cairo_move_to(cairo, bx + std::cos(angle) * 32.0, by + 10.0 + std::sin(angle) * 32.0);
        cairo_line_to(cairo, bx + std::cos(angle) * 40.0, by + 10.0 + std::sin(angle) * 40.0);
    }
    Marker(cairo, colour::orange);
    Circle(cairo, bx - 6.0, by + 26.0, 3.0);
    Circle(cairo, bx + 6.0, by + 30.0, 3.0);
    FillPlain(cairo, colour::orange);
    // The alien: a blob with two stalks, and a cage of bars beside.
    constexpr double ax = 118.0;
    constexpr double ay = 70.0;
    cairo_move_to(cairo, ax - 18.0, ay + 14.0);
    cairo_curve_to(cairo, ax - 20.0, ay - 20.0, ax + 20.0, ay - 20.0, ax + 18.0, ay + 14.0);
    cairo_close_path(cairo);
    cairo_move_to(cairo, ax - 6.0, ay - 10.0);
    cairo_line_to(cairo, ax - 10.0, ay - 26.0);
    cairo_move_to(cairo, ax + 6.0, ay - 10.0);
    cairo_line_to(cairo, ax + 10.0, ay - 26.0);
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, ax - 10.0, ay - 29.0, 4.0, 0.0, 2.0 * pi);
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, ax + 10.0, ay - 29.0, 4.0, 0.0, 2.0 * pi);
    Marker(cairo, 0x3E8A26);
    for (double x = 148.0; x <= 176.0; x += 7.0) {
        cairo_move_to(cairo, x, 52.0);
        cairo_line_to(cairo, x, 88.0);
    }
    cairo_move_to(cairo, 146.0, 52.0);
    cairo_line_to(cairo, 178.0, 52.0);
    cairo_move_to(cairo, 146.0, 88.0);
    cairo_line_to(cairo, 178.0, 88.0);
    Marker(cairo, colour::outline);
    cairo_move_to(cairo, 136.0, 70.0);
    cairo_line_to(cairo, 144.0, 70.0);
    cairo_move_to(cairo, 140.0, 66.0);
    cairo_line_to(cairo, 144.0, 70.0);
    cairo_line_to(cairo, 140.0, 74.0);
    Marker(cairo, colour::hibiscus);
    // His formulas.
    DrawArtText(cairo, "B = 100%", 150.0, 30.0, 13.0, colour::violet);
    DrawArtText(cairo, "!!!", 198.0, 46.0, 12.0, colour::hibiscus);
}

// The press: two steel columns on a base plate, a violet cylinder pushing a
// plate down into a funnel, an empty beaker under the funnel's spout and
// a lever with a red knob.
void Press(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = pressWidth;
    constexpr double foot = pressHeight - 4.0;
    // The base plate with its warning band.
    RoundedRectangle(cairo, 4.0, foot - 20.0, w - 8.0, 20.0, 4.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    HazardBand(cairo, 12.0, foot - 14.0, w - 12.0, foot - 6.0, 2.0);
    // The columns and the crossbar.
    for (const double x : {14.0, w - 28.0}) {
        cairo_rectangle(cairo, x, 34.0, 14.0, foot - 54.0);
        FillOutlined(cairo, tone::steelLight, steelDark, 2.5);
        Shine(cairo, x + 4.0, 40.0, x + 4.0, foot - 28.0, 2.0, 0.4);
    }
    RoundedRectangle(cairo, 6.0, 20.0, w - 12.0, 26.0, 5.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    // The cylinder and the press plate.
    cairo_rectangle(cairo, w / 2.0 - 14.0, 4.0, 28.0, 20.0);
    FillOutlined(cairo, tone::violetLight, colour::violet, 2.5);
    cairo_rectangle(cairo, w / 2.0 - 8.0, 46.0, 16.0, 40.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    RoundedRectangle(cairo, w / 2.0 - 30.0, 84.0, 60.0, 12.0, 3.0);
    FillOutlined(cairo, tone::violetLight, colour::violet, 2.5);
    // The funnel.
    cairo_move_to(cairo, w / 2.0 - 38.0, 102.0);
    cairo_line_to(cairo, w / 2.0 + 38.0, 102.0);
    cairo_line_to(cairo, w / 2.0 + 8.0, 140.0);
    cairo_line_to(cairo, w / 2.0 + 5.0, 156.0);
    cairo_line_to(cairo, w / 2.0 - 5.0, 156.0);
    cairo_line_to(cairo, w / 2.0 - 8.0, 140.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    Ellipse(cairo, w / 2.0, 102.0, 38.0, 6.0);
    FillOutlined(cairo, steelDark, 0x3A4258, 2.0);
    // The beaker: clear glass with its marks, standing on the base.
    cairo_move_to(cairo, w / 2.0 - 20.0, 160.0);
    cairo_line_to(cairo, w / 2.0 - 18.0, foot - 20.0);
    cairo_line_to(cairo, w / 2.0 + 18.0, foot - 20.0);
    cairo_line_to(cairo, w / 2.0 + 20.0, 160.0);
    SetColour(cairo, glass, 0.45);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.0);
    for (double y = 168.0; y < foot - 24.0; y += 6.0)
        Line(cairo, w / 2.0 + 8.0, y, w / 2.0 + 16.0, y, colour::outline, 1.0, 0.6);
    Shine(cairo, w / 2.0 - 13.0, 166.0, w / 2.0 - 12.0, foot - 26.0, 2.5, 0.7);
    // The lever on the right column.
    cairo_move_to(cairo, w - 22.0, 120.0);
    cairo_line_to(cairo, w - 6.0, 76.0);
    StrokeBand(cairo, colour::steel, 4.0, 8.0);
    Circle(cairo, w - 6.0, 72.0, 7.0);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
}

// The terrarium on its bench: a glass case with moss and stones inside,
// its lid pushed askew and its front glass burst outwards, shards on the
// bench; a trail of slime leads out of the hole.
void Terrarium(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = terrariumWidth;
    constexpr double h = terrariumHeight;
    constexpr double top = 20.0;
    constexpr double bottom = 108.0;
    // The bench.
    for (const double x : {18.0, w - 28.0}) {
        cairo_rectangle(cairo, x, bottom + 10.0, 10.0, h - bottom - 14.0);
        FillOutlined(cairo, colour::steel, steelDark, 2.5);
    }
    cairo_rectangle(cairo, 22.0, h - 30.0, w - 44.0, 6.0);
    FillOutlined(cairo, colour::steel, steelDark, 2.0);
    RoundedRectangle(cairo, 4.0, bottom, w - 8.0, 14.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    // Inside: the floor of moss and a stone, a water bowl.
    cairo_rectangle(cairo, 12.0, top, w - 24.0, bottom - top);
    SetVerticalGradient(cairo, top, bottom, 0x2E2A50, 0x4A3A70);
    cairo_fill(cairo);
    cairo_move_to(cairo, 12.0, bottom);
    cairo_curve_to(cairo, 40.0, 82.0, 120.0, 90.0, w - 12.0, 86.0);
    cairo_line_to(cairo, w - 12.0, bottom);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::mossLight, colour::moss, 2.0);
    Ellipse(cairo, 56.0, 92.0, 22.0, 12.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.0);
    Ellipse(cairo, 150.0, 96.0, 16.0, 5.0);
    FillOutlined(cairo, glass, colour::teal, 1.5);
    // The lamp's warm light inside.
    Glow(cairo, w / 2.0, top + 10.0, 90.0, heat, 0.35);
    // The glass with its steel edges, and the hole burst in its front.
    cairo_rectangle(cairo, 12.0, top, w - 24.0, bottom - top);
    SetColour(cairo, glass, 0.25);
    cairo_fill(cairo);
    constexpr double holeX = 118.0;
    constexpr double holeY = 66.0;
    cairo_move_to(cairo, holeX - 24.0, holeY - 4.0);
    cairo_line_to(cairo, holeX - 12.0, holeY - 22.0);
    cairo_line_to(cairo, holeX + 4.0, holeY - 14.0);
    cairo_line_to(cairo, holeX + 20.0, holeY - 24.0);
    cairo_line_to(cairo, holeX + 26.0, holeY + 2.0);
    cairo_line_to(cairo, holeX + 14.0, holeY + 22.0);
    cairo_line_to(cairo, holeX - 6.0, holeY + 16.0);
    cairo_line_to(cairo, holeX - 20.0, holeY + 24.0);
    cairo_close_path(cairo);
    SetColour(cairo, 0x2E2A50, 0.6);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.0);
    // Cracks running from the hole.
    for (int crack = 0; crack < 8; ++crack) {
        const double angle = crack * pi / 4.0 + 0.3;
        const double reach = 34.0 + (crack % 3) * 12.0;
        cairo_move_to(cairo, holeX + std::cos(angle) * 24.0, holeY + std::sin(angle) * 20.0);
        cairo_line_to(cairo, holeX + std::cos(angle + 0.15) * reach * 0.7,
                      holeY + std::sin(angle + 0.15) * reach * 0.5);
        cairo_line_to(cairo, holeX + std::cos(angle) * reach, holeY + std::sin(angle) * reach * 0.7);
    }
    cairo_save(cairo);
    cairo_rectangle(cairo, 12.0, top, w - 24.0, bottom - top);
    cairo_clip(cairo);
    SetColour(cairo, tone::white, 0.85);
    cairo_set_line_width(cairo, 1.5);
    cairo_stroke(cairo);
    cairo_restore(cairo);
    // Slime dripping from the hole's lower rim down the bench.
    cairo_move_to(cairo, holeX - 14.0, holeY + 20.0);
    cairo_curve_to(cairo, holeX - 10.0, 96.0, holeX - 18.0, 104.0, holeX - 16.0, bottom + 12.0);
    cairo_curve_to(cairo, holeX - 14.0, bottom + 18.0, holeX - 6.0, bottom + 18.0, holeX - 6.0, bottom + 10.0);
    cairo_curve_to(cairo, holeX - 4.0, 96.0, holeX, 90.0, holeX + 4.0, holeY + 18.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::acidLight, tone::acidDark, 2.0);
    Shine(cairo, 20.0, top + 8.0, 20.0, bottom - 10.0, 3.0, 0.5);
    Shine(cairo, 30.0, top + 8.0, 44.0, top + 8.0, 2.0, 0.5);
    // The frame's edges and the lid pushed askew.
    cairo_rectangle(cairo, 12.0, top, w - 24.0, bottom - top);
    StrokeOutline(cairo, 3.0);
    for (const double x : {12.0, w - 12.0}) {
        Line(cairo, x, top, x, bottom, colour::steel, 4.0);
    }
    cairo_save(cairo);
    cairo_translate(cairo, 10.0, top - 2.0);
    cairo_rotate(cairo, -0.09);
    RoundedRectangle(cairo, 0.0, -8.0, w - 30.0, 10.0, 3.0);
    cairo_restore(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    // Shards lying on the bench.
    for (const auto& [x, turn] : {std::array{96.0, 0.3}, std::array{132.0, -0.6}, std::array{150.0, 1.2}}) {
        cairo_save(cairo);
        cairo_translate(cairo, x, bottom + 4.0);
        cairo_rotate(cairo, turn);
        cairo_move_to(cairo, -7.0, 0.0);
        cairo_line_to(cairo, 5.0, -4.0);
        cairo_line_to(cairo, 3.0, 4.0);
        cairo_close_path(cairo);
        cairo_restore(cairo);
        FillOutlined(cairo, tone::white, glass, 1.3);
    }
}

// The heat lamp hanging on its cable from the ceiling: a steel shade with
// a glowing orange bulb under it, its warm light spreading downwards.
void HeatLamp(cairo_t* cairo, int /*frame*/)
{
    constexpr double x = heatLampWidth / 2.0;
    constexpr double shade = 120.0;
    Line(cairo, x, 0.0, x, shade - 20.0, colour::outline, 3.0);
    // The light spreading from under the shade.
    cairo_move_to(cairo, x - 30.0, shade + 20.0);
    cairo_line_to(cairo, 2.0, heatLampHeight);
    cairo_line_to(cairo, heatLampWidth - 2.0, heatLampHeight);
    cairo_line_to(cairo, x + 30.0, shade + 20.0);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, shade + 20.0, 0.0, heatLampHeight),
                {{0.0, heatLight, 0.5}, {1.0, heat, 0.0}});
    cairo_fill(cairo);
    Glow(cairo, x, shade + 26.0, 40.0, heat, 0.7);
    // The bulb and the shade over it.
    Circle(cairo, x, shade + 22.0, 14.0);
    SetRadialGradient(cairo, x - 3.0, shade + 18.0, 14.0, tone::white, heat);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.0);
    cairo_rectangle(cairo, x - 6.0, shade - 24.0, 12.0, 8.0);
    FillOutlined(cairo, colour::steel, steelDark, 2.0);
    cairo_move_to(cairo, x - 12.0, shade - 18.0);
    cairo_line_to(cairo, x + 12.0, shade - 18.0);
    cairo_line_to(cairo, x + 38.0, shade + 16.0);
    cairo_curve_to(cairo, x + 20.0, shade + 22.0, x - 20.0, shade + 22.0, x - 38.0, shade + 16.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::violet, violetDark, 3.0);
    Shine(cairo, x - 10.0, shade - 10.0, x - 26.0, shade + 10.0, 3.0, 0.5);
    // A little grille of the heater round the bulb's rim.
    cairo_move_to(cairo, x - 36.0, shade + 16.0);
    cairo_curve_to(cairo, x - 20.0, shade + 24.0, x + 20.0, shade + 24.0, x + 36.0, shade + 16.0);
    StrokeBand(cairo, heatLight, 2.0, 5.0);
}

// The breeding tank: a tall glass cylinder of bubbling green liquid between
// a steel cap with its pipes and a steel base with a warning band; inside,
// the last Schleimling floats up and down and wobbles while bubbles rise,
// or, once it has smelt the onion juice, cowers low with its eyes shut.
void DrawTank(cairo_t* cairo, int frame, minigames::BlobPose pose)
{
    constexpr double w = tankWidth;
    constexpr double foot = tankHeight - 4.0;
    constexpr double top = 36.0;
    constexpr double bottom = foot - 52.0;
    const double phase = frame * 2.0 * pi / tankFrames;
    // The glass with the liquid.
    cairo_rectangle(cairo, 12.0, top, w - 24.0, bottom - top);
    cairo_pattern_t* liquid = cairo_pattern_create_linear(12.0, 0.0, w - 12.0, 0.0);
    SetGradient(cairo, liquid, {{0.0, 0x4F9A22, 0.95}, {0.35, tone::acidLight, 0.9}, {1.0, 0x3E7A2A, 0.95}});
    cairo_fill(cairo);
    // The surface near the top, rippling.
    cairo_move_to(cairo, 12.0, top + 14.0);
    for (double x = 12.0; x <= w - 12.0; x += 6.0)
        cairo_line_to(cairo, x, top + 14.0 + 2.5 * std::sin(x / 9.0 + phase));
    cairo_line_to(cairo, w - 12.0, top);
    cairo_line_to(cairo, 12.0, top);
    cairo_close_path(cairo);
    FillPlain(cairo, 0x2E4A3A, 0.85);
    // The Schleimling, rising and sinking a little.
    const double drift = 6.0 * std::sin(phase);
    minigames::DrawBlob(cairo, 1, w / 2.0, bottom - 40.0 + drift, 0.7, static_cast<double>(frame) / tankFrames, pose);
    // Bubbles, rising through the frames and starting again at the bottom.
    for (int bubble = 0; bubble < 9; ++bubble) {
        const double rise = std::fmod(bubble * 37.0 + frame * (bottom - top - 20.0) / tankFrames, bottom - top - 20.0);
        const double y = bottom - 6.0 - rise;
        const double x = 24.0 + std::fmod(bubble * 29.0, w - 48.0) + 3.0 * std::sin(phase + bubble);
        Circle(cairo, x, y, 2.5 + (bubble % 3));
        FillOutlined(cairo, tone::white, tone::acidLight, 1.2);
    }
    // The glass's sheen and edges.
    Shine(cairo, 26.0, top + 24.0, 26.0, bottom - 16.0, 6.0, 0.45);
    Shine(cairo, w - 30.0, top + 40.0, w - 30.0, top + 110.0, 3.0, 0.3);
    cairo_rectangle(cairo, 12.0, top, w - 24.0, bottom - top);
    StrokeOutline(cairo, 3.0);
    // The cap with its collars.
    RoundedRectangle(cairo, 2.0, 4.0, w - 4.0, top - 2.0, 8.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    for (double x = 14.0; x < w - 8.0; x += 20.0) {
        Circle(cairo, x, top - 8.0, 2.5);
        FillOutlined(cairo, tone::steelLight, steelDark, 1.0);
    }
    // The base with its warning band and a little green lamp blinking in
    // time with the bubbles.
    RoundedRectangle(cairo, 2.0, bottom, w - 4.0, foot - bottom, 6.0);
    FillOutlined(cairo, colour::steel, steelDark, 3.0);
    HazardBand(cairo, 10.0, bottom + 8.0, w - 10.0, bottom + 18.0, 2.0);
    const bool lit = frame % 3 != 2;
    if (lit)
        Glow(cairo, w / 2.0, bottom + 34.0, 14.0, colour::acid, 0.6);
    Circle(cairo, w / 2.0, bottom + 34.0, 6.0);
    FillOutlined(cairo, lit ? tone::acidLight : 0x4A6A3A, lit ? colour::acid : 0x2A3A2A, 2.0);
}

void Tank(cairo_t* cairo, int frame)
{
    DrawTank(cairo, frame, minigames::BlobPose::wobbling);
}

// The same tank with its Schleimling hiding, shown over the other (a row
// lower) once the press has made onion juice.
void HidingTank(cairo_t* cairo, int frame)
{
    DrawTank(cairo, frame, minigames::BlobPose::hiding);
}

// The shelf of chemicals: steel boards full of flasks, tubes and bottles of
// bright liquids, some glowing.
void Shelf(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = shelfWidth;
    constexpr double foot = shelfHeight - 4.0;
    constexpr double boards[] = {86.0, 168.0, 250.0, foot - 8.0};
    // The back and the posts.
    cairo_rectangle(cairo, 6.0, 4.0, w - 12.0, foot - 4.0);
    SetVerticalGradient(cairo, 4.0, foot, 0x4A4474, 0x2E2A50);
    cairo_fill(cairo);
    constexpr std::uint32_t liquids[] = {colour::acid, tone::violetLight, colour::hibiscus, colour::tealLight,
                                         colour::orangeLight};
    int bottle = 0;
    for (const double board : {boards[0], boards[1], boards[2]}) {
        for (double x = 18.0; x < w - 12.0; x += 22.0, ++bottle) {
            const std::uint32_t liquid = liquids[bottle % 5];
            const int shape = bottle % 3;
            if (shape == 0) {
                // A conical flask.
                cairo_move_to(cairo, x - 4.0, board - 40.0);
                cairo_line_to(cairo, x - 4.0, board - 26.0);
                cairo_line_to(cairo, x - 11.0, board);
                cairo_line_to(cairo, x + 11.0, board);
                cairo_line_to(cairo, x + 4.0, board - 26.0);
                cairo_line_to(cairo, x + 4.0, board - 40.0);
                cairo_close_path(cairo);
                SetColour(cairo, glass, 0.5);
                cairo_fill_preserve(cairo);
                StrokeOutline(cairo, 2.0);
                cairo_move_to(cairo, x - 7.0, board - 14.0);
                cairo_line_to(cairo, x - 10.0, board - 2.0);
                cairo_line_to(cairo, x + 10.0, board - 2.0);
                cairo_line_to(cairo, x + 7.0, board - 14.0);
                cairo_close_path(cairo);
                FillPlain(cairo, liquid);
            } else if (shape == 1) {
                // A round-bottomed flask.
                cairo_rectangle(cairo, x - 3.5, board - 42.0, 7.0, 18.0);
                SetColour(cairo, glass, 0.5);
                cairo_fill_preserve(cairo);
                StrokeOutline(cairo, 2.0);
                Circle(cairo, x, board - 12.0, 11.0);
                SetColour(cairo, liquid);
                cairo_fill_preserve(cairo);
                StrokeOutline(cairo, 2.0);
                Glow(cairo, x, board - 12.0, 18.0, liquid, 0.35);
            } else {
                // A tall bottle with a label.
                RoundedRectangle(cairo, x - 7.0, board - 36.0, 14.0, 36.0, 4.0);
                FillOutlined(cairo, liquid, liquid, 2.0);
                cairo_rectangle(cairo, x - 5.0, board - 44.0, 10.0, 8.0);
                FillOutlined(cairo, colour::steel, steelDark, 1.5);
                cairo_rectangle(cairo, x - 6.0, board - 24.0, 12.0, 10.0);
                FillPlain(cairo, colour::cream);
            }
            Shine(cairo, x - 4.0, board - 30.0, x - 4.0, board - 20.0, 2.0, 0.6);
        }
    }
    // A rack of test tubes on the lowest board.
    RoundedRectangle(cairo, 14.0, boards[3] - 22.0, w - 28.0, 8.0, 2.0);
    FillOutlined(cairo, colour::steel, steelDark, 1.5);
    for (int tube = 0; tube < 5; ++tube) {
        const double x = 22.0 + tube * 12.0;
        RoundedRectangle(cairo, x - 3.5, boards[3] - 50.0, 7.0, 46.0, 3.5);
        SetColour(cairo, glass, 0.5);
        cairo_fill_preserve(cairo);
        StrokeOutline(cairo, 1.5);
        RoundedRectangle(cairo, x - 2.5, boards[3] - 24.0, 5.0, 19.0, 2.5);
        FillPlain(cairo, liquids[tube]);
    }
    for (const double board : boards) {
        RoundedRectangle(cairo, 2.0, board, w - 4.0, 8.0, 2.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    }
    for (const double x : {2.0, w - 10.0}) {
        cairo_rectangle(cairo, x, 2.0, 8.0, foot - 2.0);
        FillOutlined(cairo, tone::steelLight, steelDark, 2.5);
    }
}

} // namespace

RoomDescription RoomLabor()
{
    RoomDescription room;
    room.label = roomLabor;
    room.folder = "data\\level05\\roomlabor\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The floor in front of the things along the wall, and the step into
    // the door's opening.
    room.floor = {{{10.0, 526.0}, {1014.0, 526.0}, {1014.0, 652.0}, {10.0, 652.0}},
                  {{48.0, 500.0}, {140.0, 500.0}, {140.0, 534.0}, {48.0, 534.0}}};
    room.leads = {{{40.0, 596.0}, {990.0, 596.0}},  {{94.0, 504.0}, {120.0, 566.0}, {120.0, 596.0}},
                  {{262.0, 596.0}, {262.0, 546.0}}, {{420.0, 596.0}, {420.0, 546.0}},
                  {{500.0, 596.0}, {500.0, 560.0}}, {{646.0, 596.0}, {646.0, 546.0}},
                  {{706.0, 596.0}, {706.0, 550.0}}, {{850.0, 596.0}, {850.0, 552.0}},
                  {{968.0, 596.0}, {968.0, 548.0}}};
    room.backY = static_cast<int>(floorY);
    room.frontY = 720;
    room.light = 0xD8DCF0;
    room.lightPools = {{{heatX, 548.0}, 130.0, 50.0, 0xFFB070},
                       {{tankMiddle, 548.0}, 110.0, 44.0, 0xBDF28A},
                       {{computerX + 85.0, 546.0}, 80.0, 34.0, 0xD4F4C0}};
    room.graphics = {
        BaseDoor("tuer_schleuse", doorX, doorY, doorWidth, doorHeight),
        {"warnlampe", lampX, lampY, 2 * lampReach, 2 * lampReach, lampFrames, WarningLamp},
        {"computer", computerX, computerY, computerWidth, computerHeight, 1, LockedComputer},
        {"laborbuch", computerX, computerY, computerWidth, computerHeight + 1, 1, UnlockedComputer},
        {"tafel", boardX, boardY, boardWidth, boardHeight, 1, Board},
        {"presse", pressX, pressY, pressWidth, pressHeight, 1, Press},
        {"terrarium", terrariumX, terrariumY, terrariumWidth, terrariumHeight, 1, Terrarium},
        {"waermelampe", heatLampX, heatLampY, heatLampWidth, heatLampHeight, 1, HeatLamp},
        {"tank", tankX, tankY, tankWidth, tankHeight, tankFrames, Tank},
        {"versteckling", tankX, tankY, tankWidth, tankHeight + 1, tankFrames, HidingTank},
        {"chemikalien", shelfX, shelfY, shelfWidth, shelfHeight, 1, Shelf},
    };
    room.ambience = Ambience::laboratory;
    return room;
}

levels::RoomStaging LaborStaging()
{
    using items::FullName;
    return {
        {{"TuerSchleuse",
          "Zur Schleuse",
          roomLabor,
          FullName("RoomSchleuse", "TuerLabor"),
          {94, 504},
          {120, 566},
          "tuer_schleuse"}},
        {{"Zwiebel", "Riesenzwiebel", roomLabor, items::Pickup::none, "zwiebel", false},
         {"Zwiebelsaft", "Zwiebelsaft", roomLabor, items::Pickup::none, "zwiebelsaft", false},
         {"Abwehrspray", "Schleimling-Abwehrspray", roomLabor, items::Pickup::none, "abwehrspray", false}},
        {},
        {{"computer", "Laborcomputer", {262, 546}, Entity::up},
         {"tafel", "Tafel", {500, 560}, Entity::up},
         {"terrarium", "Terrarium", {646, 546}, Entity::up},
         {"waermelampe",
          "W\xe4"
          "rmelampe",
          {706, 550},
          Entity::up},
         {"tank", "Zuchttank", {850, 552}, Entity::up},
         {"presse", "Laborpresse", {420, 546}, Entity::up},
         {"chemikalien", "Chemikalienregal", {968, 548}, Entity::up}},
    };
}

} // namespace content::rooms
