// The base's store under its strip lights: the Baron's tall shelf of fine
// food on the left with a big bag of space popcorn on its lowest board,
// the round cleaning robot beside it with its spray bottle in a holder,
// crates stacked high with the Baron's crest, a frosty chest freezer, and
// the steel door back to the airlock on the right. The twins have come
// looking for something to eat. Once the bag has burst, the robot races
// over the spilled popcorn, hoovering.

#include "BaseInterior.h"
#include "Episode5Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"

#include <array>
#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

using namespace moonbase;

constexpr const char* roomLager = "RoomLager";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double ceilingY = 150.0;
constexpr double floorY = 500.0;
constexpr std::uint32_t frost = 0xE8F6FF;
constexpr std::uint32_t popcornLight = 0xFFF8E0;
constexpr std::uint32_t popcornShade = 0xF0D890;
constexpr std::uint32_t sprayBlue = 0x3C8CE8;
// The steel door to the airlock in the right of the back wall.
constexpr int doorX = 876;
constexpr int doorY = 270;
constexpr int doorWidth = 140;
constexpr int doorHeight = 230;
// A warning lamp on the wall beside the door's sign.
constexpr int lampX = doorX - 18 - lampReach;
constexpr int lampY = 195 - lampReach;
// The shelf of fine food and the popcorn bag on its lowest board.
constexpr int shelfX = 36;
constexpr int shelfY = 176;
constexpr int shelfWidth = 290;
constexpr int shelfHeight = 336;
constexpr double lowestBoard = 500.0;
constexpr int bagX = 186;
constexpr int bagY = 416;
constexpr int bagWidth = 104;
constexpr int bagHeight = 100;
// The robot waiting by the shelf, its foot on the floor's back edge.
constexpr int robotX = 334;
constexpr int robotY = 380;
constexpr int robotWidth = 116;
constexpr int robotHeight = 152;
// The crates, the freezer.
constexpr int cratesX = 466;
constexpr int cratesY = 254;
constexpr int cratesWidth = 228;
constexpr int cratesHeight = 268;
constexpr int freezerX = 710;
constexpr int freezerY = 388;
constexpr int freezerWidth = 160;
constexpr int freezerHeight = 138;
// The popcorn spilled on the floor and the robot hoovering it up, its
// foot a little in front of the popcorn's so that it is drawn over it.
constexpr int popcornX = 372;
constexpr int popcornY = 566;
constexpr int popcornWidth = 300;
constexpr int popcornHeight = 72;
constexpr int hooverX = 540;
constexpr int hooverY = 490;
constexpr int hooverWidth = 130;
constexpr int hooverHeight = 152;
constexpr int hooverFrames = 4;

// The Baron's crest: a violet shield with a crowned "B".
void Crest(cairo_t* cairo, double x, double y, double size)
{
    cairo_move_to(cairo, x - size, y - size);
    cairo_line_to(cairo, x + size, y - size);
    cairo_line_to(cairo, x + size, y);
    cairo_curve_to(cairo, x + size, y + size * 0.7, x + size * 0.4, y + size * 1.1, x, y + size * 1.3);
    cairo_curve_to(cairo, x - size * 0.4, y + size * 1.1, x - size, y + size * 0.7, x - size, y);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::violetLight, colour::violet, 2.0);
    DrawArtText(cairo, "B", x, y + size * 0.62, size * 1.3, colour::orangeLight);
    cairo_move_to(cairo, x - size * 0.5, y - size * 1.05);
    cairo_line_to(cairo, x - size * 0.6, y - size * 1.6);
    cairo_line_to(cairo, x - size * 0.2, y - size * 1.3);
    cairo_line_to(cairo, x, y - size * 1.7);
    cairo_line_to(cairo, x + size * 0.2, y - size * 1.3);
    cairo_line_to(cairo, x + size * 0.6, y - size * 1.6);
    cairo_line_to(cairo, x + size * 0.5, y - size * 1.05);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
}

void Paint(cairo_t* cairo)
{
    constexpr double lights[] = {300.0, 740.0};
    Ceiling(cairo, ceilingY, lights, 2);
    PlateWall(cairo, -2.0, ceilingY, width + 2.0, floorY, 128.0);
    // The sign over the door and the Baron's crest on the wall.
    RoundedRectangle(cairo, doorX + 8.0, 180.0, doorWidth - 16.0, 30.0, 5.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.5);
    DrawArtText(cairo, "LAGER", doorX + doorWidth / 2.0, 202.0, 18.0, tone::acidLight);
    Crest(cairo, 790.0, 250.0, 30.0);
    // The freezer's cold breath on the wall.
    Glow(cairo, freezerX + freezerWidth / 2.0, 400.0, 130.0, frost, 0.25);
    PlateFloor(cairo, floorY, height, width, 96.0, floorFar, floorNear);
    Glow(cairo, freezerX + freezerWidth / 2.0, 540.0, 120.0, frost, 0.2);
    // Shadows of what stands on the floor.
    Ellipse(cairo, shelfX + shelfWidth / 2.0, shelfY + shelfHeight - 4.0, 150.0, 10.0);
    Ellipse(cairo, robotX + robotWidth / 2.0, robotY + robotHeight - 6.0, 54.0, 9.0);
    Ellipse(cairo, cratesX + cratesWidth / 2.0, cratesY + cratesHeight - 4.0, 116.0, 10.0);
    Ellipse(cairo, freezerX + freezerWidth / 2.0, freezerY + freezerHeight - 4.0, 84.0, 9.0);
    FillPlain(cairo, tone::shadowDeep, 0.45);
}

void WarningLamp(cairo_t* cairo, int frame)
{
    BlinkLamp(cairo, frame, 7.0, colour::orange);
}

// A round tin of caviar with its blue lid.
void CaviarTin(cairo_t* cairo, double x, double board)
{
    cairo_rectangle(cairo, x - 16.0, board - 14.0, 32.0, 14.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    Ellipse(cairo, x, board - 14.0, 16.0, 5.0);
    FillOutlined(cairo, 0x6AA8F0, 0x2A5AA8, 2.0);
    Ellipse(cairo, x, board - 15.0, 6.0, 2.0);
    FillPlain(cairo, colour::orangeLight);
}

// The Baron's shelf of fine food: steel boards with caviar tins, a jar of
// truffles, a cake under a glass dome, fine bottles and his own perfume,
// "Eau de Blech", in a crowned flacon.
void Shelf(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = shelfWidth;
    constexpr double foot = shelfHeight - 4.0;
    constexpr double boards[] = {74.0, 164.0, 246.0, lowestBoard - shelfY};
    cairo_rectangle(cairo, 6.0, 4.0, w - 12.0, foot - 4.0);
    SetVerticalGradient(cairo, 4.0, foot, 0x4A4474, 0x2E2A50);
    cairo_fill(cairo);
    // Top board: caviar tins in a stack and a row, and a label.
    for (int tin = 0; tin < 3; ++tin)
        CaviarTin(cairo, 40.0, boards[0] - tin * 15.0);
    for (const double x : {84.0, 122.0})
        CaviarTin(cairo, x, boards[0]);
    RoundedRectangle(cairo, 150.0, boards[0] - 24.0, 58.0, 20.0, 3.0);
    FillOutlined(cairo, colour::cream, colour::sand, 1.5);
    DrawArtText(cairo, "KAVIAR", 179.0, boards[0] - 9.0, 10.0, 0x2A5AA8);
    // The truffles in a jar.
    RoundedRectangle(cairo, 222.0, boards[0] - 52.0, 50.0, 52.0, 8.0);
    SetColour(cairo, glass, 0.45);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.0);
    for (const auto& [x, y] : {std::array{236.0, -14.0}, std::array{256.0, -12.0}, std::array{246.0, -30.0},
                               std::array{232.0, -36.0}, std::array{260.0, -34.0}}) {
        Circle(cairo, x, boards[0] + y, 9.0);
        FillOutlined(cairo, 0x7A5A48, 0x4A3428, 1.5);
    }
    cairo_rectangle(cairo, 220.0, boards[0] - 58.0, 54.0, 8.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
    Shine(cairo, 228.0, boards[0] - 44.0, 228.0, boards[0] - 10.0, 3.0, 0.6);
    // Middle board: bottles of fine wine and the perfume in its flacon.
    for (int bottle = 0; bottle < 4; ++bottle) {
        const double x = 30.0 + bottle * 26.0;
        const double b = boards[1];
        cairo_move_to(cairo, x - 10.0, b);
        cairo_line_to(cairo, x - 10.0, b - 40.0);
        cairo_curve_to(cairo, x - 10.0, b - 50.0, x - 4.0, b - 50.0, x - 4.0, b - 62.0);
        cairo_line_to(cairo, x + 4.0, b - 62.0);
        cairo_curve_to(cairo, x + 4.0, b - 50.0, x + 10.0, b - 50.0, x + 10.0, b - 40.0);
        cairo_line_to(cairo, x + 10.0, b);
        cairo_close_path(cairo);
        FillOutlined(cairo, bottle % 2 == 0 ? 0x8A2A4A : 0x3A6A3A, bottle % 2 == 0 ? 0x4A1028 : 0x1E3A22, 2.0);
        cairo_rectangle(cairo, x - 8.0, b - 30.0, 16.0, 14.0);
        FillPlain(cairo, colour::cream);
        Shine(cairo, x - 5.0, b - 40.0, x - 5.0, b - 8.0, 2.0, 0.5);
    }
    {
        constexpr double x = 170.0;
        const double b = boards[1];
        cairo_move_to(cairo, x - 22.0, b);
        cairo_curve_to(cairo, x - 30.0, b - 20.0, x - 22.0, b - 44.0, x, b - 46.0);
        cairo_curve_to(cairo, x + 22.0, b - 44.0, x + 30.0, b - 20.0, x + 22.0, b);
        cairo_close_path(cairo);
        FillOutlined(cairo, 0xF6C8F0, 0xC078D0, 2.5);
        cairo_rectangle(cairo, x - 6.0, b - 56.0, 12.0, 10.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
        Circle(cairo, x, b - 62.0, 7.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
        RoundedRectangle(cairo, x - 18.0, b - 30.0, 36.0, 16.0, 3.0);
        FillOutlined(cairo, colour::cream, colour::sand, 1.2);
        DrawArtText(cairo, "Eau de", x, b - 23.0, 6.5, colour::violet);
        DrawArtText(cairo, "Blech", x, b - 15.0, 7.5, colour::violet);
        Shine(cairo, x - 14.0, b - 36.0, x - 16.0, b - 10.0, 3.0, 0.6);
    }
    // A cake under a glass dome.
    {
        constexpr double x = 244.0;
        const double b = boards[1];
        cairo_rectangle(cairo, x - 26.0, b - 26.0, 52.0, 24.0);
        FillOutlined(cairo, 0xFFD0E0, 0xE890B0, 2.0);
        cairo_rectangle(cairo, x - 26.0, b - 18.0, 52.0, 6.0);
        FillPlain(cairo, 0x7A3A28);
        Circle(cairo, x, b - 30.0, 5.0);
        FillOutlined(cairo, tone::bannerLight, colour::banner, 1.5);
        cairo_arc(cairo, x, b - 4.0, 36.0, pi, 2.0 * pi);
        cairo_close_path(cairo);
        SetColour(cairo, glass, 0.3);
        cairo_fill_preserve(cairo);
        StrokeOutline(cairo, 2.0);
        Shine(cairo, x - 24.0, b - 26.0, x - 14.0, b - 34.0, 3.0, 0.6);
        Ellipse(cairo, x, b - 3.0, 40.0, 4.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 1.5);
    }
    // Third board: cheese wheels and boxes of chocolates.
    for (const double x : {44.0, 96.0}) {
        Ellipse(cairo, x, boards[2] - 16.0, 24.0, 16.0);
        FillOutlined(cairo, 0xF6D25A, 0xD0A030, 2.0);
    }
    for (int box = 0; box < 3; ++box) {
        const double x = 140.0 + box * 44.0;
        RoundedRectangle(cairo, x, boards[2] - 22.0 - box * 4.0, 38.0, 22.0 + box * 4.0, 3.0);
        FillOutlined(cairo, box % 2 == 0 ? colour::hibiscus : colour::violet, box % 2 == 0 ? 0x902040 : 0x4A3590, 2.0);
        Line(cairo, x + 19.0, boards[2] - 22.0 - box * 4.0, x + 19.0, boards[2], colour::orangeLight, 2.5);
    }
    // The lowest board: tins of biscuits at the left (the popcorn bag is a
    // graphic of its own to their right).
    for (const double x : {40.0, 88.0, 136.0}) {
        RoundedRectangle(cairo, x - 20.0, boards[3] - 44.0, 40.0, 44.0, 4.0);
        FillOutlined(cairo, colour::tealLight, colour::teal, 2.0);
        Circle(cairo, x, boards[3] - 22.0, 9.0);
        FillOutlined(cairo, colour::cream, colour::sand, 1.5);
    }
    for (const double board : boards) {
        RoundedRectangle(cairo, 2.0, board, w - 4.0, 9.0, 2.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    }
    for (const double x : {2.0, w - 10.0}) {
        cairo_rectangle(cairo, x, 2.0, 8.0, foot - 2.0);
        FillOutlined(cairo, tone::steelLight, steelDark, 2.5);
    }
}

// A puff of popcorn: a knobbly white blob, lit from the top.
void Puff(cairo_t* cairo, double x, double y, double size)
{
    Circle(cairo, x - size * 0.4, y, size * 0.7);
    Circle(cairo, x + size * 0.4, y + size * 0.1, size * 0.65);
    Circle(cairo, x, y - size * 0.45, size * 0.6);
    FillUnion(cairo, popcornLight, popcornShade, 1.5);
}

// The big bag of space popcorn standing on the lowest board: a violet bag
// with stars, a planet of popcorn on its front and its name.
void Bag(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = bagWidth;
    constexpr double foot = lowestBoard - bagY;
    cairo_move_to(cairo, 12.0, foot);
    cairo_curve_to(cairo, 6.0, 60.0, 12.0, 30.0, 16.0, 16.0);
    cairo_line_to(cairo, w - 16.0, 16.0);
    cairo_curve_to(cairo, w - 12.0, 30.0, w - 6.0, 60.0, w - 12.0, foot);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::violetLight, colour::violet, 3.0);
    // The crimped top.
    cairo_move_to(cairo, 14.0, 18.0);
    for (double x = 14.0; x <= w - 14.0; x += 8.0)
        cairo_line_to(cairo, x, (static_cast<int>(x) / 8) % 2 == 0 ? 6.0 : 12.0);
    cairo_line_to(cairo, w - 14.0, 18.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    for (const auto& [x, y] : {std::array{24.0, 30.0}, std::array{80.0, 34.0}, std::array{30.0, 70.0}}) {
        Circle(cairo, x, y, 2.0);
        FillPlain(cairo, tone::acidLight);
    }
    Puff(cairo, w / 2.0 - 8.0, 48.0, 9.0);
    Puff(cairo, w / 2.0 + 10.0, 44.0, 8.0);
    Puff(cairo, w / 2.0, 34.0, 8.0);
    DrawArtText(cairo, "SPACE", w / 2.0, 70.0, 13.0, colour::orangeLight);
    DrawArtText(cairo, "POPCORN", w / 2.0, 80.0, 10.0, tone::acidLight);
    Shine(cairo, 20.0, 26.0, 16.0, foot - 14.0, 3.0, 0.4);
}

// The cleaning robot: a round steel body on a skirt of brushes, a domed
// head with one big visor eye and a little aerial, a hose arm with its
// nozzle; turned by `facing` (1 right, -1 left); with its blue spray
// bottle in the holder on its side when `bottle`. `phase` (radians) turns
// its brushes and bobs it; `hoovering` lowers the nozzle to the floor.
void Robot(cairo_t* cairo, double x, double foot, double facing, bool bottle, double phase, bool hoovering)
{
    const double bob = hoovering ? 2.0 * std::sin(phase * 2.0) : 0.0;
    const double body = foot - 22.0 + bob;
    // The brush skirt, its bristles turning.
    Ellipse(cairo, x, foot - 8.0, 50.0, 10.0);
    FillOutlined(cairo, 0x4A4474, 0x2E2A50, 2.5);
    for (int bristle = 0; bristle < 10; ++bristle) {
        const double angle = bristle * pi / 5.0 + phase;
        const double bx = x + std::cos(angle) * 44.0;
        const double by = foot - 8.0 + std::sin(angle) * 8.0;
        if (std::sin(angle) > -0.2)
            Line(cairo, bx, by, bx + std::cos(angle) * 8.0, by + 4.0, colour::orangeLight, 2.5);
    }
    // The body: a wide drum, violet band, steel.
    cairo_move_to(cairo, x - 42.0, body);
    cairo_line_to(cairo, x - 40.0, body - 58.0);
    cairo_curve_to(cairo, x - 30.0, body - 66.0, x + 30.0, body - 66.0, x + 40.0, body - 58.0);
    cairo_line_to(cairo, x + 42.0, body);
    cairo_curve_to(cairo, x + 30.0, body + 8.0, x - 30.0, body + 8.0, x - 42.0, body);
    cairo_close_path(cairo);
    cairo_pattern_t* shade = cairo_pattern_create_linear(x - 42.0, 0.0, x + 42.0, 0.0);
    SetGradient(cairo, shade, {{0.0, colour::steel}, {0.3, tone::steelLight}, {1.0, steelDark}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_move_to(cairo, x - 41.0, body - 24.0);
    cairo_curve_to(cairo, x - 30.0, body - 16.0, x + 30.0, body - 16.0, x + 41.0, body - 24.0);
    cairo_line_to(cairo, x + 41.0, body - 12.0);
    cairo_curve_to(cairo, x + 30.0, body - 4.0, x - 30.0, body - 4.0, x - 41.0, body - 12.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::violetLight, colour::violet, 2.0);
    HazardBand(cairo, x - 20.0, body - 44.0, x + 20.0, body - 36.0, 2.0);
    // The domed head with its visor and aerial.
    const double head = body - 62.0;
    Line(cairo, x - facing * 18.0, head - 30.0, x - facing * 24.0, head - 52.0, colour::outline, 3.0);
    Circle(cairo, x - facing * 24.0, head - 54.0, 4.5);
    FillOutlined(cairo, tone::acidLight, colour::acid, 1.5);
    cairo_arc(cairo, x, head, 32.0, pi, 2.0 * pi);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    RoundedRectangle(cairo, x + facing * 4.0 - 20.0, head - 22.0, 40.0, 16.0, 8.0);
    FillOutlined(cairo, 0x2A2450, 0x1A1638, 2.0);
    Circle(cairo, x + facing * 12.0, head - 14.0, 5.0);
    FillOutlined(cairo, tone::acidLight, colour::acid, 1.2);
    Glow(cairo, x + facing * 12.0, head - 14.0, 12.0, colour::acid, 0.5);
    Shine(cairo, x - 20.0, head - 18.0, x - 10.0, head - 26.0, 3.0, 0.6);
    // The hose arm with its nozzle: held up and curled when waiting,
    // reaching down to the floor in front when hoovering.
    const double shoulderX = x + facing * 38.0;
    const double shoulderY = body - 36.0;
    const double nozzleX = hoovering ? x + facing * 58.0 + 4.0 * std::sin(phase) : x + facing * 44.0;
    const double nozzleY = hoovering ? foot - 6.0 : body - 64.0;
    cairo_move_to(cairo, shoulderX, shoulderY);
    if (hoovering)
        cairo_curve_to(cairo, shoulderX + facing * 30.0, shoulderY, nozzleX, nozzleY - 40.0, nozzleX, nozzleY - 12.0);
    else
        cairo_curve_to(cairo, shoulderX + facing * 22.0, shoulderY - 4.0, nozzleX + facing * 8.0, nozzleY + 20.0,
                       nozzleX, nozzleY + 10.0);
    StrokeBand(cairo, colour::violet, 7.0, 12.0);
    cairo_save(cairo);
    cairo_translate(cairo, nozzleX, nozzleY);
    if (!hoovering)
        cairo_rotate(cairo, facing * 0.4);
    cairo_move_to(cairo, -6.0, -12.0);
    cairo_line_to(cairo, 6.0, -12.0);
    cairo_line_to(cairo, 12.0, 2.0);
    cairo_line_to(cairo, -12.0, 2.0);
    cairo_close_path(cairo);
    cairo_restore(cairo);
    FillOutlined(cairo, tone::steelLight, steelDark, 2.0);
    // The spray bottle in its holder on the side nearest the viewer.
    if (bottle) {
        const double bx = x - facing * 30.0;
        const double by = body - 20.0;
        RoundedRectangle(cairo, bx - 12.0, by - 40.0, 24.0, 40.0, 6.0);
        FillOutlined(cairo, 0x9ACCFF, sprayBlue, 2.0);
        cairo_rectangle(cairo, bx - 6.0, by - 52.0, 12.0, 12.0);
        FillOutlined(cairo, tone::white, tone::steelLight, 1.5);
        cairo_move_to(cairo, bx - facing * 6.0, by - 50.0);
        cairo_line_to(cairo, bx - facing * 16.0, by - 50.0);
        cairo_line_to(cairo, bx - facing * 16.0, by - 44.0);
        StrokeBand(cairo, tone::white, 3.0, 6.0);
        Shine(cairo, bx - 6.0, by - 34.0, bx - 6.0, by - 8.0, 2.5, 0.6);
        // The holder's clamp round it.
        cairo_rectangle(cairo, bx - 12.0, by - 16.0, 24.0, 7.0);
        FillOutlined(cairo, colour::steel, steelDark, 2.0);
    }
}

// The robot waiting beside the shelf, facing it, its bottle in its holder.
void WaitingRobot(cairo_t* cairo, int /*frame*/)
{
    Robot(cairo, robotWidth / 2.0, robotHeight - 2.0, -1.0, true, 0.0, false);
}

// The robot hoovering the popcorn, without its bottle: brushes whirring,
// nozzle sweeping, a puff or two flying up into it.
void HooveringRobot(cairo_t* cairo, int frame)
{
    const double phase = frame * 2.0 * pi / hooverFrames;
    Robot(cairo, 54.0, hooverHeight - 8.0, 1.0, false, phase, true);
    const double nozzleX = 54.0 + 58.0 + 4.0 * std::sin(phase);
    const double rise = 10.0 + 12.0 * ((frame + 1) % hooverFrames);
    Puff(cairo, nozzleX - 6.0 + (frame % 2) * 6.0, hooverHeight - 20.0 - rise, 4.0);
}

// Popcorn spilled over the floor from where the bag burst.
void Popcorn(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = popcornWidth;
    constexpr double h = popcornHeight;
    std::uint32_t state = 17u;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / static_cast<double>(1u << 24);
    };
    for (int puff = 0; puff < 46; ++puff) {
        // Thicker towards the left, where the bag burst.
        const double u = next();
        const double x = 10.0 + u * u * (w - 24.0);
        const double y = 12.0 + next() * (h - 24.0);
        Puff(cairo, x, y, 4.0 + next() * 2.5);
    }
}

// The stacked crates of the Baron's deliveries: two below, one on top,
// steel frames round violet panels with his crest, warning bands.
void Crate(cairo_t* cairo, double left, double top, double right, double bottom)
{
    RoundedRectangle(cairo, left, top, right - left, bottom - top, 4.0);
    FillOutlined(cairo, tone::steelLight, steelDark, 3.0);
    const double inset = (right - left) * 0.08;
    RoundedRectangle(cairo, left + inset, top + inset * 1.8, right - left - 2.0 * inset, bottom - top - inset * 2.8,
                     3.0);
    FillOutlined(cairo, colour::violet, violetDark, 2.5);
    HazardBand(cairo, left + inset, top + inset * 0.5, right - inset, top + inset * 1.4, 2.0);
    Crest(cairo, (left + right) / 2.0, (top + bottom) / 2.0 + 2.0, (right - left) * 0.14);
    Line(cairo, left + 3.0, top + 3.0, right - 3.0, top + 3.0, tone::white, 2.0, 0.45);
}

void Crates(cairo_t* cairo, int /*frame*/)
{
    constexpr double foot = cratesHeight - 6.0;
    Crate(cairo, 4.0, foot - 118.0, 112.0, foot);
    Crate(cairo, 114.0, foot - 110.0, cratesWidth - 4.0, foot);
    Crate(cairo, 50.0, foot - 236.0, 172.0, foot - 118.0);
    // A clipboard hanging from the top crate.
    RoundedRectangle(cairo, 176.0, foot - 210.0, 34.0, 44.0, 3.0);
    FillOutlined(cairo, colour::cream, colour::sand, 2.0);
    for (double y = foot - 196.0; y < foot - 172.0; y += 6.0)
        Line(cairo, 182.0, y, 204.0, y, colour::outline, 1.5, 0.5);
    Line(cairo, 168.0, foot - 220.0, 192.0, foot - 210.0, colour::outline, 2.0);
}

// The chest freezer: a white steel chest with a heavy lid and a handle,
// its cold display, frost along the lid's edge.
void Freezer(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = freezerWidth;
    constexpr double foot = freezerHeight - 4.0;
    RoundedRectangle(cairo, 6.0, 34.0, w - 12.0, foot - 34.0, 6.0);
    FillOutlined(cairo, 0xF4F8FF, 0xB8C4DC, 3.0);
    RoundedRectangle(cairo, 2.0, 18.0, w - 4.0, 22.0, 6.0);
    FillOutlined(cairo, tone::white, 0xC8D3E2, 3.0);
    // Frost hanging from the lid's edge.
    for (double x = 12.0; x < w - 12.0; x += 12.0) {
        cairo_move_to(cairo, x, 40.0);
        cairo_line_to(cairo, x + 6.0, 40.0);
        cairo_line_to(cairo, x + 3.0, 46.0 + std::fmod(x * 7.0, 8.0));
        cairo_close_path(cairo);
    }
    FillPlain(cairo, frost, 0.95);
    // The handle and the display.
    RoundedRectangle(cairo, w / 2.0 - 26.0, 40.0, 52.0, 8.0, 4.0);
    FillOutlined(cairo, colour::steel, steelDark, 2.0);
    RoundedRectangle(cairo, 16.0, 62.0, 54.0, 24.0, 4.0);
    FillOutlined(cairo, 0x1E2A5E, 0x111938, 2.0);
    DrawArtText(cairo, "-40\xc2\xb0", 43.0, 80.0, 13.0, 0x9AE0FF);
    // A vent at the foot and the cold breath curling off the lid.
    for (double y = foot - 26.0; y < foot - 8.0; y += 5.0)
        Line(cairo, w - 70.0, y, w - 20.0, y, colour::outline, 2.0, 0.4);
    for (const double x : {40.0, 86.0, 124.0}) {
        cairo_move_to(cairo, x, 16.0);
        cairo_curve_to(cairo, x - 10.0, 10.0, x + 10.0, 6.0, x, 0.0);
        SetColour(cairo, frost, 0.6);
        cairo_set_line_width(cairo, 3.0);
        cairo_stroke(cairo);
    }
    Shine(cairo, 14.0, 24.0, 60.0, 24.0, 3.0, 0.7);
}

} // namespace

RoomDescription RoomLager()
{
    RoomDescription room;
    room.label = roomLager;
    room.folder = "data\\level05\\roomlager\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The floor in front of the shelf, the robot, the crates and the
    // freezer, and the step into the door's opening.
    room.floor = {{{10.0, 534.0}, {1014.0, 534.0}, {1014.0, 652.0}, {10.0, 652.0}},
                  {{900.0, 500.0}, {992.0, 500.0}, {992.0, 540.0}, {900.0, 540.0}}};
    room.leads = {{{40.0, 590.0}, {990.0, 590.0}},  {{946.0, 504.0}, {910.0, 566.0}, {910.0, 590.0}},
                  {{120.0, 590.0}, {120.0, 550.0}}, {{238.0, 590.0}, {238.0, 550.0}},
                  {{392.0, 590.0}, {392.0, 554.0}}, {{580.0, 590.0}, {580.0, 552.0}},
                  {{790.0, 590.0}, {790.0, 550.0}}, {{230.0, 590.0}, {230.0, 606.0}},
                  {{318.0, 590.0}, {318.0, 612.0}}, {{430.0, 590.0}, {430.0, 612.0}},
                  {{700.0, 590.0}, {700.0, 628.0}}, {{770.0, 590.0}, {770.0, 604.0}},
                  {{836.0, 590.0}, {836.0, 604.0}}};
    room.backY = static_cast<int>(floorY);
    room.frontY = 720;
    room.light = 0xDCDCF2;
    room.lightPools = {{{freezerX + freezerWidth / 2.0, 556.0}, 110.0, 40.0, 0xD8ECFF},
                       {{300.0, 580.0}, 160.0, 50.0, 0xF0F4FF},
                       {{740.0, 580.0}, 160.0, 50.0, 0xF0F4FF}};
    room.graphics = {
        {"regal", shelfX, shelfY, shelfWidth, shelfHeight, 1, Shelf},
        {"tuete", bagX, bagY, bagWidth, bagHeight, 1, Bag},
        {"roboter", robotX, robotY, robotWidth, robotHeight, 1, WaitingRobot},
        {"kisten", cratesX, cratesY, cratesWidth, cratesHeight, 1, Crates},
        {"kuehltruhe", freezerX, freezerY, freezerWidth, freezerHeight, 1, Freezer},
        {"popcorn", popcornX, popcornY, popcornWidth, popcornHeight, 1, Popcorn},
        {"putzer", hooverX, hooverY, hooverWidth, hooverHeight, hooverFrames, HooveringRobot},
        BaseDoor("tuer_schleuse", doorX, doorY, doorWidth, doorHeight),
        {"warnlampe", lampX, lampY, 2 * lampReach, 2 * lampReach, lampFrames, WarningLamp},
    };
    room.ambience = Ambience::storeRoom;
    return room;
}

levels::RoomStaging LagerStaging()
{
    using items::FullName;
    return {
        {{"TuerSchleuse",
          "Zur Schleuse",
          roomLager,
          FullName("RoomSchleuse", "TuerLager"),
          {946, 504},
          {910, 566},
          "tuer_schleuse"}},
        {{"Spruehflasche",
          "Spr\xfc"
          "hflasche",
          roomLager, items::Pickup::none, "spruehflasche", false}},
        {{castanimations::lotte, "Lotte", "Lotte", roomLager, {110, 610}, Entity::right, -150, {190, 614}},
         {castanimations::mia, "Mia", "Mia", roomLager, {836, 604}, Entity::left, -150, {770, 604}}},
        {{"regal", "Vorratsregal", {120, 550}, Entity::up},
         {"tuete", "Weltraum-Popcorn", {238, 550}, Entity::up},
         {"roboter", "Putzroboter", {392, 554}, Entity::up},
         {"kisten", "Kisten", {580, 552}, Entity::up},
         {"kuehltruhe",
          "K\xfc"
          "hltruhe",
          {790, 550},
          Entity::up},
         {"popcorn", "Popcorn", {430, 612}, Entity::right},
         {"putzer", "Putzroboter", {700, 628}, Entity::left}},
    };
}

} // namespace content::rooms
