// Inside the village smithy: rough stone walls under smoke-dark beams, the
// forge in the middle of the back wall with its hood and its glowing coals,
// the big leather bellows beside it, the rack of dented armour by the door
// on the left, tongs and hammers on the wall, the anvil on its block before
// the forge and the water trough in the right corner. The only daylight
// comes through the door and a small window high on the right.

#include "ArchedDoor.h"
#include "Episode3Rooms.h"
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

constexpr const char* schmiede = "RoomSchmiede";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double floorY = 490.0;
constexpr std::uint32_t wallLight = 0xA89C8C;
constexpr std::uint32_t wallDark = 0x6E645C;
constexpr std::uint32_t beamLight = 0x6A4A34;
constexpr std::uint32_t beamDark = 0x45301F;
constexpr std::uint32_t earthLight = 0x9A7C5E;
constexpr std::uint32_t earthDark = 0x6A5240;
constexpr std::uint32_t ember = 0xFF8A2A;
constexpr std::uint32_t emberLight = 0xFFD36A;
constexpr std::uint32_t ironLight = 0x8E98A8;
constexpr std::uint32_t iron = 0x4E5666;
// The opening of the door in the left wall: its graphic fills it.
constexpr int doorX = 30;
constexpr int doorY = 272;
constexpr int doorWidth = 120;
constexpr int doorHeight = 220;
// Where the lump of charcoal lies on the floor beside the hearth (the
// bottom centre of its picture).
constexpr int coalX = 668;
constexpr int coalFootY = 514;
// The forge's fire, in room pixels, for the glow on the wall and floor.
constexpr double fireX = 546.0;
constexpr double fireY = 404.0;

// Rows of rough stones, each row shifted by half a stone.
void StoneRows(cairo_t* cairo, double left, double top, double right, double bottom, double stoneWidth,
               double rowHeight)
{
    cairo_set_line_width(cairo, 2.0);
    int row = 0;
    for (double y = top; y < bottom; y += rowHeight, ++row) {
        const double shift = row % 2 == 0 ? 0.0 : stoneWidth / 2.0;
        for (double x = left - shift; x < right; x += stoneWidth) {
            const double wobble = std::fmod(x * 7.0 + y * 3.0, 9.0) - 4.5;
            RoundedRectangle(cairo, x + 3.0, y + 3.0, stoneWidth - 6.0 + wobble * 0.6, rowHeight - 6.0, 7.0);
        }
    }
    SetColour(cairo, colour::outline, 0.22);
    cairo_stroke(cairo);
}

void Wall(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, -10.0, width + 20.0, floorY + 10.0);
    SetVerticalGradient(cairo, 0.0, floorY, wallDark, wallLight);
    cairo_fill(cairo);
    StoneRows(cairo, 0.0, 60.0, width, floorY, 84.0, 38.0);
    // The forge's warmth on the wall round its hood, and the soot above it.
    Glow(cairo, fireX, fireY, 330.0, ember, 0.45);
    Glow(cairo, fireX, 60.0, 160.0, colour::outline, 0.35);
    // The ceiling's beams, the wall plate and the posts at the corners.
    cairo_rectangle(cairo, -10.0, -10.0, width + 20.0, 58.0);
    SetVerticalGradient(cairo, 0.0, 48.0, beamDark, beamLight);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // The joists' ends resting on the wall plate, their year rings showing.
    for (double x = 40.0; x < width; x += 180.0) {
        RoundedRectangle(cairo, x - 24.0, 8.0, 48.0, 40.0, 5.0);
        FillOutlined(cairo, 0x9A6A44, beamLight, 2.5);
        Ellipse(cairo, x, 28.0, 12.0, 10.0);
        Ellipse(cairo, x, 28.0, 5.0, 4.0);
        cairo_set_line_width(cairo, 1.5);
        SetColour(cairo, beamDark, 0.7);
        cairo_stroke(cairo);
    }
    RoundedRectangle(cairo, -10.0, 48.0, width + 20.0, 22.0, 4.0);
    FillOutlined(cairo, beamLight, beamDark, 3.0);
}

// A small window high in the right wall: a summer sky behind a cross of
// bars, and its beam of light falling across the room to the floor.
void Window(cairo_t* cairo)
{
    cairo_move_to(cairo, 868.0, 196.0);
    cairo_line_to(cairo, 958.0, 196.0);
    cairo_line_to(cairo, 958.0, 126.0);
    cairo_arc_negative(cairo, 913.0, 126.0, 45.0, 0.0, pi);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, 80.0, 196.0, 0x8CD0F2, 0xE9F7FF);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    Ellipse(cairo, 930.0, 150.0, 22.0, 10.0);
    FillPlain(cairo, tone::white, 0.9);
    cairo_move_to(cairo, 913.0, 82.0);
    cairo_line_to(cairo, 913.0, 196.0);
    cairo_move_to(cairo, 868.0, 140.0);
    cairo_line_to(cairo, 958.0, 140.0);
    StrokeBand(cairo, beamLight, 5.0, 9.0);
    RoundedRectangle(cairo, 856.0, 194.0, 114.0, 14.0, 4.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    // The beam: a soft band down to the floor before the trough.
    cairo_move_to(cairo, 870.0, 200.0);
    cairo_line_to(cairo, 958.0, 200.0);
    cairo_line_to(cairo, 860.0, 600.0);
    cairo_line_to(cairo, 720.0, 600.0);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, 200.0, 0.0, 600.0),
                {{0.0, colour::cream, 0.35}, {1.0, colour::cream, 0.0}});
    cairo_fill(cairo);
}

// The stone arch round the door, and the board over it.
void DoorFrame(cairo_t* cairo)
{
    const double centre = doorX + doorWidth / 2.0;
    const double radius = doorWidth / 2.0;
    ArchPath(cairo, doorX, doorY, doorWidth, doorY + doorHeight + 2.0, 16.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 3.0);
    for (int stone = 0; stone <= 8; ++stone) {
        const double angle = pi + stone * pi / 8.0;
        cairo_move_to(cairo, centre + radius * std::cos(angle), doorY + radius + radius * std::sin(angle));
        cairo_line_to(cairo, centre + (radius + 16.0) * std::cos(angle),
                      doorY + radius + (radius + 16.0) * std::sin(angle));
    }
    for (double y = doorY + radius + 30.0; y < doorY + doorHeight; y += 36.0) {
        cairo_move_to(cairo, doorX - 16.0, y);
        cairo_line_to(cairo, doorX, y);
        cairo_move_to(cairo, doorX + doorWidth, y);
        cairo_line_to(cairo, doorX + doorWidth + 16.0, y);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.6);
    cairo_stroke(cairo);
    // A horseshoe over the door, for luck.
    cairo_arc(cairo, centre, doorY - 34.0, 11.0, -0.15 * pi, 1.15 * pi);
    StrokeBand(cairo, ironLight, 4.0, 8.0);
}

// Tongs, hammers, horseshoes and a file on pegs along a board, right of
// the hood.
void Tools(cairo_t* cairo)
{
    RoundedRectangle(cairo, 660.0, 236.0, 190.0, 14.0, 4.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    for (double x = 678.0; x < 850.0; x += 34.0) {
        Circle(cairo, x, 243.0, 3.0);
        FillPlain(cairo, colour::outline);
    }
    // Two pairs of tongs.
    for (const double x : {680.0, 712.0}) {
        cairo_move_to(cairo, x - 4.0, 246.0);
        cairo_line_to(cairo, x - 8.0, 356.0);
        cairo_move_to(cairo, x + 4.0, 246.0);
        cairo_line_to(cairo, x + 8.0, 356.0);
        StrokeBand(cairo, ironLight, 3.0, 6.5);
        Circle(cairo, x, 300.0, 3.5);
        FillOutlined(cairo, ironLight, iron, 1.5);
    }
    // A sledge hammer and a small one.
    for (const auto& [x, length, head] : {std::array{752.0, 110.0, 34.0}, std::array{788.0, 80.0, 24.0}}) {
        RoundedRectangle(cairo, x - 4.0, 246.0, 8.0, length, 3.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
        RoundedRectangle(cairo, x - head / 2.0, 246.0 + length - 8.0, head, 18.0, 4.0);
        FillOutlined(cairo, ironLight, iron, 2.0);
    }
    // Horseshoes on the last pegs.
    for (const double y : {262.0, 296.0}) {
        cairo_arc(cairo, 826.0, y, 11.0, -0.15 * pi, 1.15 * pi);
        StrokeBand(cairo, ironLight, 4.0, 8.0);
    }
}

void Floor(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, floorY, width + 20.0, height - floorY + 10.0);
    SetVerticalGradient(cairo, floorY, height, earthLight, earthDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // Trodden earth with worn flagstones set in it here and there, larger
    // towards the front.
    std::uint32_t seed = 11;
    for (int flag = 0; flag < 26; ++flag) {
        seed = seed * 1103515245u + 12345u;
        const double x = (seed >> 8) % width;
        seed = seed * 1103515245u + 12345u;
        const double y = floorY + 14.0 + (seed >> 8) % 260;
        const double size = 0.6 + (y - floorY) / 200.0;
        RoundedRectangle(cairo, x - 40.0 * size, y - 10.0 * size, 80.0 * size, 20.0 * size, 6.0 * size);
        FillPlain(cairo, 0xB09478, 0.55);
        RoundedRectangle(cairo, x - 40.0 * size, y - 10.0 * size, 80.0 * size, 20.0 * size, 6.0 * size);
        cairo_set_line_width(cairo, 2.0);
        SetColour(cairo, colour::outline, 0.2);
        cairo_stroke(cairo);
    }
    // The forge's light on the floor and the daylight from the door.
    Glow(cairo, fireX, 540.0, 260.0, ember, 0.35);
    Glow(cairo, doorX + doorWidth / 2.0, 520.0, 120.0, colour::cream, 0.35);
    // Soot and cinders by the hearth, the shadows of the anvil's block and
    // of the trough.
    Ellipse(cairo, 546.0, 508.0, 130.0, 14.0);
    FillPlain(cairo, tone::shadowDeep, 0.35);
    Ellipse(cairo, 750.0, 592.0, 70.0, 14.0);
    Ellipse(cairo, 934.0, 646.0, 96.0, 14.0);
    FillPlain(cairo, tone::shadowDeep, 0.35);
    // A basket of charcoal against the hearth's side.
    cairo_move_to(cairo, 656.0, 468.0);
    cairo_line_to(cairo, 708.0, 468.0);
    cairo_line_to(cairo, 700.0, 506.0);
    cairo_line_to(cairo, 664.0, 506.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    for (const double x : {666.0, 680.0, 694.0}) {
        Circle(cairo, x, 466.0, 8.0);
        FillOutlined(cairo, 0x4A4650, 0x2A2630, 1.5);
    }
}

void Paint(cairo_t* cairo)
{
    Wall(cairo);
    Window(cairo);
    DoorFrame(cairo);
    Tools(cairo);
    Floor(cairo);
}

// The door out to the street: planks bound by iron straps in the arched
// opening, swinging inwards on its left hinges and showing the sunny lane,
// a half-timbered house across it and the blue sky.
void Door(cairo_t* cairo, int frame)
{
    const auto street = [&] {
        cairo_rectangle(cairo, 0.0, 0.0, doorWidth, doorHeight);
        SetVerticalGradient(cairo, 0.0, 120.0, 0x8CD0F2, 0xE9F7FF);
        cairo_fill(cairo);
        cairo_rectangle(cairo, 14.0, 40.0, 96.0, 140.0);
        FillOutlined(cairo, colour::cream, colour::sand, 2.5);
        for (const double x : {14.0, 60.0, 108.0}) {
            cairo_move_to(cairo, x, 40.0);
            cairo_line_to(cairo, x, 180.0);
        }
        cairo_move_to(cairo, 14.0, 110.0);
        cairo_line_to(cairo, 110.0, 110.0);
        cairo_move_to(cairo, 14.0, 40.0);
        cairo_line_to(cairo, 60.0, 110.0);
        StrokeBand(cairo, tone::wood, 4.0, 7.0);
        cairo_move_to(cairo, 0.0, 48.0);
        cairo_line_to(cairo, 62.0, 6.0);
        cairo_line_to(cairo, 124.0, 48.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, 0xE2C069, 0xB8923E, 2.5);
        cairo_rectangle(cairo, 0.0, 170.0, doorWidth, doorHeight - 170.0);
        SetVerticalGradient(cairo, 170.0, doorHeight, tone::stoneLight, colour::stone);
        cairo_fill(cairo);
        Glow(cairo, doorWidth / 2.0, 150.0, 120.0, colour::cream, 0.4);
    };
    // A ring for a handle, and the leaf's shaded edge, wider the further it
    // turns.
    const auto fittings = [&](double edge, double side, double leaf, double open) {
        if (leaf > 30.0) {
            cairo_arc(cairo, edge + side * 18.0, 130.0, 8.0, 0.0, pi);
            StrokeBand(cairo, ironLight, 3.0, 6.5);
        }
        cairo_move_to(cairo, edge, 0.0);
        cairo_line_to(cairo, edge, doorHeight);
        StrokeOutline(cairo, 3.0);
        cairo_rectangle(cairo, edge, 0.0, 10.0 * open, doorHeight);
        FillPlain(cairo, beamDark);
    };
    DrawArchedDoor(cairo, doorWidth, doorHeight, frame,
                   {.count = 1,
                    .turn = 0.86,
                    .outlineWidth = 0.0,
                    .squeezed = true,
                    .planks = 5,
                    .seamShade = 0.55,
                    .straps = {78.0, 176.0},
                    .strapHeight = 12.0,
                    .strapLight = ironLight,
                    .strapDark = iron},
                   street, fittings);
}

// The rack of old armour: two posts and a crossbar, a breastplate on a
// wooden dummy, helmets on pegs (one with a dent, one with a droopy
// plume), a round shield and a mail shirt hanging over the bar.
void Armour(cairo_t* cairo, int /*frame*/)
{
    for (const double x : {10.0, 124.0}) {
        RoundedRectangle(cairo, x, 20.0, 12.0, 236.0, 3.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    }
    RoundedRectangle(cairo, 4.0, 20.0, 136.0, 12.0, 3.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    RoundedRectangle(cairo, 4.0, 126.0, 136.0, 10.0, 3.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    // Helmets on the top bar: a pot helm with its visor slit, dented, and a
    // rounded one with a red plume gone limp.
    cairo_move_to(cairo, 20.0, 30.0);
    cairo_line_to(cairo, 20.0, 4.0);
    cairo_curve_to(cairo, 24.0, 0.0, 56.0, 0.0, 60.0, 4.0);
    cairo_line_to(cairo, 56.0, 12.0);
    cairo_line_to(cairo, 60.0, 30.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    cairo_move_to(cairo, 26.0, 16.0);
    cairo_line_to(cairo, 54.0, 16.0);
    StrokeOutline(cairo, 3.0);
    cairo_arc(cairo, 104.0, 28.0, 22.0, pi, 2.0 * pi);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    cairo_move_to(cairo, 104.0, 8.0);
    cairo_curve_to(cairo, 120.0, 0.0, 134.0, 10.0, 134.0, 30.0);
    StrokeBand(cairo, tone::bannerLight, 5.0, 9.0);
    // The breastplate on its dummy, with a dent and a scratch.
    RoundedRectangle(cairo, 64.0, 40.0, 14.0, 210.0, 4.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    cairo_move_to(cairo, 40.0, 52.0);
    cairo_curve_to(cairo, 56.0, 44.0, 86.0, 44.0, 102.0, 52.0);
    cairo_curve_to(cairo, 106.0, 90.0, 100.0, 120.0, 90.0, 140.0);
    cairo_line_to(cairo, 52.0, 140.0);
    cairo_curve_to(cairo, 42.0, 120.0, 36.0, 90.0, 40.0, 52.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    cairo_move_to(cairo, 71.0, 50.0);
    cairo_line_to(cairo, 71.0, 136.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.45);
    cairo_stroke(cairo);
    Ellipse(cairo, 86.0, 88.0, 9.0, 6.0);
    FillPlain(cairo, colour::steel);
    cairo_move_to(cairo, 50.0, 70.0);
    cairo_line_to(cairo, 62.0, 78.0);
    SetColour(cairo, tone::white, 0.8);
    cairo_stroke(cairo);
    // A round shield leaning against the foot of the rack, and a mail
    // shirt over the lower bar.
    cairo_move_to(cairo, 10.0, 136.0);
    cairo_curve_to(cairo, 6.0, 170.0, 30.0, 196.0, 44.0, 196.0);
    cairo_curve_to(cairo, 58.0, 196.0, 64.0, 170.0, 60.0, 136.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    cairo_move_to(cairo, 35.0, 138.0);
    cairo_line_to(cairo, 35.0, 194.0);
    StrokeBand(cairo, ironLight, 3.0, 6.0);
    RoundedRectangle(cairo, 84.0, 130.0, 44.0, 74.0, 10.0);
    FillOutlined(cairo, ironLight, iron, 2.5);
    cairo_set_line_width(cairo, 1.5);
    for (double y = 140.0; y < 200.0; y += 7.0)
        for (double x = 90.0; x < 124.0; x += 7.0)
            Circle(cairo, x + (static_cast<int>(y) % 2) * 3.0, y, 2.2);
    SetColour(cairo, colour::outline, 0.45);
    cairo_stroke(cairo);
    // Greaves on the floor before the rack.
    for (const double x : {40.0, 96.0}) {
        RoundedRectangle(cairo, x, 214.0, 22.0, 40.0, 8.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    }
}

// The bellows: two pear-shaped boards with pleated leather between them,
// lying on a wooden trestle, the nozzle at their narrow end into the
// hearth's side and a lever above that works them by a chain.
void Bellows(cairo_t* cairo, int /*frame*/)
{
    // The trestle's legs.
    for (const double x : {24.0, 84.0}) {
        cairo_move_to(cairo, x - 10.0, 162.0);
        cairo_line_to(cairo, x, 104.0);
        cairo_line_to(cairo, x + 10.0, 162.0);
        StrokeBand(cairo, tone::woodLight, 5.0, 10.0);
    }
    // The lever on its post, the chain down to the top board's handle.
    RoundedRectangle(cairo, 10.0, 14.0, 8.0, 92.0, 3.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    cairo_move_to(cairo, 4.0, 22.0);
    cairo_line_to(cairo, 96.0, 6.0);
    StrokeBand(cairo, tone::woodLight, 5.0, 10.0);
    cairo_move_to(cairo, 30.0, 60.0);
    cairo_line_to(cairo, 24.0, 20.0);
    cairo_set_line_width(cairo, 2.5);
    const double dashes[] = {4.0, 3.0};
    cairo_set_dash(cairo, dashes, 2, 0.0);
    SetColour(cairo, iron);
    cairo_stroke(cairo);
    cairo_set_dash(cairo, nullptr, 0, 0.0);
    const auto board = [cairo](double y) {
        cairo_move_to(cairo, 8.0, y);
        cairo_curve_to(cairo, 8.0, y - 26.0, 60.0, y - 22.0, 100.0, y - 4.0);
        cairo_line_to(cairo, 100.0, y + 4.0);
        cairo_curve_to(cairo, 60.0, y + 22.0, 8.0, y + 26.0, 8.0, y);
        cairo_close_path(cairo);
    };
    // The bottom board, the leather's pleats, the top board seen from above.
    board(104.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    cairo_move_to(cairo, 8.0, 78.0);
    cairo_line_to(cairo, 100.0, 82.0);
    cairo_line_to(cairo, 100.0, 102.0);
    cairo_line_to(cairo, 8.0, 106.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xB0703C, 0x7A4422, 2.5);
    cairo_set_line_width(cairo, 2.0);
    for (const double x : {22.0, 40.0, 58.0, 76.0}) {
        cairo_move_to(cairo, x, 80.0);
        cairo_line_to(cairo, x + 6.0, 92.0);
        cairo_line_to(cairo, x, 104.0);
    }
    SetColour(cairo, colour::outline, 0.5);
    cairo_stroke(cairo);
    board(78.0);
    FillOutlined(cairo, 0xE0B684, tone::woodLight, 2.5);
    RoundedRectangle(cairo, 22.0, 62.0, 18.0, 8.0, 3.0);
    FillOutlined(cairo, ironLight, iron, 1.5);
    // The nozzle.
    cairo_move_to(cairo, 98.0, 92.0);
    cairo_line_to(cairo, 122.0, 96.0);
    StrokeBand(cairo, ironLight, 5.0, 10.0);
}

// The forge: a waist-high hearth of big stones with the fire bed on top,
// the hood of plastered stone above it narrowing into the chimney. The
// coals glow and flicker through the frames, little flames lick up and
// sparks rise into the hood.
constexpr int forgeFrames = 6;
constexpr double forgeWidth = 220.0;
constexpr double forgeHeight = 434.0;
// The fire bed's middle in the graphic.
constexpr double bedX = 110.0;
constexpr double bedY = 334.0;

void Forge(cairo_t* cairo, int frame)
{
    const double phase = frame * 2.0 * pi / forgeFrames;
    // The chimney and the hood.
    cairo_rectangle(cairo, 76.0, -2.0, 68.0, 120.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 3.0);
    cairo_move_to(cairo, 76.0, 110.0);
    cairo_line_to(cairo, 144.0, 110.0);
    cairo_line_to(cairo, 212.0, 262.0);
    cairo_line_to(cairo, 8.0, 262.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xCFC5B4, 0x968C7E, 3.0);
    Glow(cairo, bedX, 262.0, 110.0, ember, 0.35 + 0.08 * std::sin(phase));
    RoundedRectangle(cairo, 2.0, 252.0, forgeWidth - 4.0, 18.0, 4.0);
    FillOutlined(cairo, beamLight, beamDark, 3.0);
    // The dark mouth under the hood, where the fire is.
    cairo_rectangle(cairo, 14.0, 270.0, forgeWidth - 28.0, 62.0);
    FillPlain(cairo, 0x2A1E22);
    Glow(cairo, bedX, bedY, 120.0 + 10.0 * std::sin(phase), ember, 0.8);
    Glow(cairo, bedX, bedY - 10.0, 60.0, emberLight, 0.7 + 0.2 * std::sin(phase * 2.0));
    // Flames licking up from the coals.
    for (int flame = 0; flame < 5; ++flame) {
        const double x = 50.0 + flame * 30.0;
        const double lick = 26.0 + 14.0 * std::sin(phase + flame * 1.9);
        cairo_move_to(cairo, x - 12.0, bedY);
        cairo_curve_to(cairo, x - 12.0, bedY - lick * 0.5, x + 4.0 * std::sin(phase + flame), bedY - lick * 0.7,
                       x + 2.0 * std::sin(phase * 2.0 + flame), bedY - lick);
        cairo_curve_to(cairo, x + 6.0, bedY - lick * 0.6, x + 12.0, bedY - lick * 0.4, x + 12.0, bedY);
        cairo_close_path(cairo);
    }
    SetGradient(cairo, cairo_pattern_create_linear(0.0, bedY - 40.0, 0.0, bedY),
                {{0.0, emberLight, 0.9}, {1.0, ember, 0.95}});
    cairo_fill(cairo);
    // The hearth's stones with the fire bed on top.
    cairo_rectangle(cairo, 4.0, bedY, forgeWidth - 8.0, forgeHeight - bedY - 2.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 3.0);
    cairo_set_line_width(cairo, 2.0);
    for (int row = 0; row < 3; ++row) {
        const double y = bedY + 12.0 + row * 30.0;
        cairo_move_to(cairo, 4.0, y);
        cairo_line_to(cairo, forgeWidth - 4.0, y);
        for (double x = 40.0 + (row % 2) * 26.0; x < forgeWidth - 10.0; x += 52.0) {
            cairo_move_to(cairo, x, y);
            cairo_line_to(cairo, x, y + 30.0);
        }
    }
    SetColour(cairo, colour::outline, 0.35);
    cairo_stroke(cairo);
    // The coals heaped on the bed, glowing by turns.
    for (int coal = 0; coal < 9; ++coal) {
        const double x = 26.0 + coal * 21.0;
        const double y = bedY + 2.0 - (coal % 2) * 6.0;
        const double heat = 0.5 + 0.5 * std::sin(phase + coal * 2.3);
        Circle(cairo, x, y, 11.0);
        FillOutlined(cairo, heat > 0.5 ? emberLight : 0xFFA040, heat > 0.5 ? ember : 0xC0401C, 2.0);
    }
    cairo_rectangle(cairo, 4.0, bedY + 8.0, forgeWidth - 8.0, 6.0);
    FillPlain(cairo, beamDark, 0.6);
    // Tongs resting in the fire.
    cairo_move_to(cairo, 160.0, bedY - 6.0);
    cairo_line_to(cairo, 214.0, bedY + 30.0);
    StrokeBand(cairo, ironLight, 3.0, 6.5);
    // Sparks rising into the hood, each higher in each frame.
    for (int spark = 0; spark < 8; ++spark) {
        const double rise = std::fmod(spark * 37.0 + frame * 14.0, 84.0);
        const double x = 40.0 + std::fmod(spark * 53.0, 140.0) + 6.0 * std::sin(phase + spark);
        const double y = bedY - 20.0 - rise;
        const double size = 3.2 - rise / 40.0;
        Glow(cairo, x, y, size * 4.0, emberLight, 0.8);
        Circle(cairo, x, y, size);
        FillPlain(cairo, tone::white, 0.95);
    }
}

// The anvil on its tree-stump block, the smith's hammer lying on its face.
void Anvil(cairo_t* cairo, int /*frame*/)
{
    // The block.
    cairo_move_to(cairo, 22.0, 58.0);
    cairo_line_to(cairo, 22.0, 100.0);
    cairo_curve_to(cairo, 22.0, 112.0, 98.0, 112.0, 98.0, 100.0);
    cairo_line_to(cairo, 98.0, 58.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 3.0);
    Ellipse(cairo, 60.0, 58.0, 38.0, 10.0);
    FillOutlined(cairo, 0xE0B684, tone::woodLight, 2.5);
    // The anvil: a waisted body, the flat face and the horn to the left.
    cairo_move_to(cairo, 36.0, 62.0);
    cairo_line_to(cairo, 84.0, 62.0);
    cairo_line_to(cairo, 76.0, 50.0);
    cairo_line_to(cairo, 78.0, 34.0);
    cairo_line_to(cairo, 42.0, 34.0);
    cairo_line_to(cairo, 44.0, 50.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, ironLight, iron, 3.0);
    cairo_move_to(cairo, 30.0, 20.0);
    cairo_line_to(cairo, 110.0, 20.0);
    cairo_line_to(cairo, 110.0, 36.0);
    cairo_line_to(cairo, 30.0, 36.0);
    cairo_curve_to(cairo, 18.0, 36.0, 8.0, 30.0, 2.0, 22.0);
    cairo_curve_to(cairo, 12.0, 20.0, 20.0, 20.0, 30.0, 20.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xB4BECC, iron, 3.0);
    cairo_move_to(cairo, 34.0, 23.0);
    cairo_line_to(cairo, 104.0, 23.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, tone::white, 0.7);
    cairo_stroke(cairo);
    // The hammer on the face.
    RoundedRectangle(cairo, 60.0, 10.0, 46.0, 7.0, 3.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    RoundedRectangle(cairo, 50.0, 4.0, 14.0, 17.0, 3.0);
    FillOutlined(cairo, ironLight, iron, 2.0);
}

// The trough of water for quenching: planks held by iron hoops, the water
// catching the light of the window, a ladle hanging over its edge.
void Trough(cairo_t* cairo, int /*frame*/)
{
    cairo_move_to(cairo, 8.0, 30.0);
    cairo_line_to(cairo, 162.0, 30.0);
    cairo_line_to(cairo, 154.0, 84.0);
    cairo_line_to(cairo, 16.0, 84.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 3.0);
    cairo_set_line_width(cairo, 2.0);
    for (const double y : {48.0, 66.0}) {
        cairo_move_to(cairo, 10.0 + (y - 30.0) * 0.15, y);
        cairo_line_to(cairo, 160.0 - (y - 30.0) * 0.15, y);
    }
    SetColour(cairo, colour::outline, 0.4);
    cairo_stroke(cairo);
    for (const double x : {34.0, 136.0}) {
        cairo_rectangle(cairo, x - 5.0, 30.0, 10.0, 54.0);
        FillOutlined(cairo, ironLight, iron, 2.0);
    }
    Ellipse(cairo, 85.0, 30.0, 78.0, 13.0);
    FillOutlined(cairo, 0x8A5A34, 0x6A4428, 2.5);
    Ellipse(cairo, 85.0, 32.0, 70.0, 9.0);
    SetVerticalGradient(cairo, 24.0, 40.0, 0x7FC8D8, 0x3A8AA0);
    cairo_fill(cairo);
    Ellipse(cairo, 110.0, 30.0, 18.0, 3.0);
    FillPlain(cairo, tone::white, 0.8);
    // The ladle.
    cairo_move_to(cairo, 40.0, 30.0);
    cairo_line_to(cairo, 18.0, 2.0);
    StrokeBand(cairo, tone::woodLight, 3.0, 6.5);
    Ellipse(cairo, 46.0, 34.0, 10.0, 5.0);
    FillOutlined(cairo, ironLight, iron, 2.0);
}

} // namespace

RoomDescription RoomSchmiede()
{
    RoomDescription room;
    room.label = schmiede;
    room.folder = "data\\level03\\roomschmiede\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The floor before the back wall, in four overlapping parts so that the
    // anvil's block and the trough in the right corner stand in holes of
    // it: a strip along the wall, one along the front, and the floor left
    // and right of the anvil.
    room.floor = {{{10.0, 496.0}, {1014.0, 496.0}, {1014.0, 548.0}, {10.0, 548.0}},
                  {{10.0, 600.0}, {848.0, 600.0}, {848.0, 652.0}, {10.0, 652.0}},
                  {{10.0, 496.0}, {698.0, 496.0}, {698.0, 652.0}, {10.0, 652.0}},
                  {{802.0, 496.0}, {1014.0, 496.0}, {1014.0, 572.0}, {848.0, 572.0}, {848.0, 600.0}, {802.0, 600.0}}};
    room.leads = {{{90.0, 505.0}, {150.0, 590.0}, {235.0, 624.0}, {380.0, 628.0}, {546.0, 630.0}, {668.0, 630.0},
                   {722.0, 634.0}, {826.0, 626.0}},
                  {{235.0, 624.0}, {235.0, 540.0}},
                  {{380.0, 628.0}, {380.0, 540.0}},
                  {{546.0, 630.0}, {546.0, 536.0}},
                  {{668.0, 630.0}, {668.0, 514.0}},
                  {{826.0, 626.0}, {826.0, 560.0}, {860.0, 532.0}}};
    room.backY = 484;
    room.frontY = 720;
    room.light = 0xE2CDBA;
    room.lightPools = {{{fireX, 530.0}, 230.0, 90.0, 0xFFB070},
                       {{90.0, 520.0}, 110.0, 60.0, 0xFFF2D8},
                       {{800.0, 590.0}, 110.0, 50.0, 0xFFF0D4}};
    room.graphics = {
        {"tuer_dorf", doorX, doorY, doorWidth, doorHeight, items::doorFrames, Door},
        {"ruestungen", 164, 238, 144, 258, 1, Armour},
        {"blasebalg", 318, 336, 126, 164, 1, Bellows},
        {"esse", 436, 70, static_cast<int>(forgeWidth), static_cast<int>(forgeHeight), forgeFrames, Forge},
        {"amboss", 690, 488, 120, 112, 1, Anvil},
        {"wassertrog", 848, 564, 170, 88, 1, Trough},
        items::LyingItemGraphic("kohle", coalX, coalFootY),
    };
    room.ambience = Ambience::smithy;
    return room;
}

levels::RoomStaging SchmiedeStaging()
{
    using items::FullName;
    return {
        {{"TuerDorf", "Ins Dorf", schmiede, FullName("RoomDorf", "TuerSchmiede"), {90, 505}, {150, 590},
          "tuer_dorf"}},
        {{"Kohle", "Kohlest\xfc" "ck", schmiede, items::Pickup::low, "kohle", true},
         {"Helm", "Helm", schmiede, items::Pickup::none, "helm", false}},
        {{castanimations::schmied, "Schmied", "Schmied Eisenhart", schmiede, {770, 530}, Entity::leftDown, -190,
          {860, 532}}},
        {{"esse", "Esse", {546, 536}, Entity::up},
         {"blasebalg", "Blasebalg", {380, 540}, Entity::up},
         {"amboss", "Amboss", {722, 634}, Entity::up},
         {"wassertrog", "Wassertrog", {826, 626}, Entity::right},
         {"ruestungen", "R\xfcstungsst\xe4nder", {235, 540}, Entity::up}},
    };
}

} // namespace content::rooms
