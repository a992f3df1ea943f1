// The top room of the castle's tower, under the cone of its roof: rafters
// meeting far above, a tie beam across the room on which the Baron's tin
// magpie sits beside her nest of stolen shiny things, the castle bell
// hanging from the beam on the right, an open window over the valley in the
// round wall, pigeons on a ledge, an old chest on the plank floor, and on
// the left the door to the stairs down into the yard.

#include "CastleMasonry.h"
#include "Episode4Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"
#include "rooms/episode3/ArchedDoor.h"

#include <cmath>
#include <numbers>
#include <tuple>

namespace content::rooms {

namespace {

constexpr const char* roomTurm = "RoomTurm";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
// Where the plank floor meets the round wall, and where the wall ends
// under the roof.
constexpr double floorY = 500.0;
constexpr double eavesY = 236.0;
// The tie beam across the room: its top, where the magpie and her nest sit.
constexpr double beamTop = 206.0;
constexpr double beamHeight = 24.0;
constexpr std::uint32_t wallLight = 0xB0AA9E;
constexpr std::uint32_t wallDark = 0x7A756C;
constexpr std::uint32_t beamLight = 0x8A623E;
constexpr std::uint32_t beamDark = 0x553A24;
constexpr std::uint32_t plankLight = 0xB08458;
constexpr std::uint32_t plankDark = 0x7E5A3A;
constexpr std::uint32_t tinLight = 0xDCE2EA;
constexpr std::uint32_t tin = 0x8C96A6;
constexpr std::uint32_t bronzeLight = 0xE0B468;
constexpr std::uint32_t bronze = 0x9A6A2E;
constexpr std::uint32_t ironLight = 0x8E98A8;
constexpr std::uint32_t iron = 0x4E5666;
// The door's opening in the left wall; its graphic fills it.
constexpr int doorX = 40;
constexpr int doorY = 300;
constexpr int doorWidth = 106;
constexpr int doorHeight = 208;
// The window's opening in the back wall.
constexpr double windowX = 316.0;
constexpr double windowY = 262.0;
constexpr double windowWidth = 112.0;
constexpr double windowBottom = 420.0;

// The roof's inside: boards between rafters that run down from the apex
// far above the picture to the wall plate.
void Roof(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, eavesY + 10.0);
    SetVerticalGradient(cairo, 0.0, eavesY, 0x3E3244, 0x6E5848);
    cairo_fill(cairo);
    constexpr double apexX = 512.0;
    constexpr double apexY = -420.0;
    cairo_set_line_width(cairo, 1.5);
    for (double x = -600.0; x < width + 600.0; x += 34.0) {
        cairo_move_to(cairo, apexX, apexY);
        cairo_line_to(cairo, x, eavesY + 20.0);
    }
    SetColour(cairo, colour::outline, 0.3);
    cairo_stroke(cairo);
    for (double x = -700.0; x < width + 700.0; x += 190.0) {
        cairo_move_to(cairo, apexX, apexY);
        cairo_line_to(cairo, x, eavesY + 20.0);
        StrokeBand(cairo, beamLight, 16.0, 22.0);
    }
    // Light through gaps in the boards.
    for (const double x : {180.0, 690.0}) {
        Ellipse(cairo, x, 90.0, 4.0, 10.0);
        FillPlain(cairo, colour::cream, 0.6);
    }
}

// The round wall: courses curving with it, darker towards both sides, and
// the wall plate on top.
void Wall(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, eavesY, width + 20.0, floorY - eavesY + 10.0);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, 0.0, width, 0.0),
                {{0.0, wallDark}, {0.35, wallLight}, {0.65, wallLight}, {1.0, wallDark}});
    cairo_fill(cairo);
    cairo_set_line_width(cairo, 2.0);
    int row = 0;
    for (double y = eavesY + 24.0; y < floorY; y += 30.0, ++row) {
        const double sag = 14.0 + (y - eavesY) * 0.06;
        cairo_move_to(cairo, -10.0, y - sag);
        cairo_curve_to(cairo, 300.0, y + sag, 724.0, y + sag, width + 10.0, y - sag);
        for (double x = row % 2 == 0 ? 40.0 : 80.0; x < width; x += 80.0) {
            const double dip = sag * (1.0 - std::pow((x - 512.0) / 540.0, 2.0) * 2.0);
            cairo_move_to(cairo, x, y + dip * 0.8 - 30.0);
            cairo_line_to(cairo, x, y + dip * 0.8);
        }
    }
    SetColour(cairo, colour::outline, 0.2);
    cairo_stroke(cairo);
    cairo_move_to(cairo, -10.0, eavesY - 8.0);
    cairo_curve_to(cairo, 300.0, eavesY + 18.0, 724.0, eavesY + 18.0, width + 10.0, eavesY - 8.0);
    cairo_line_to(cairo, width + 10.0, eavesY + 8.0);
    cairo_curve_to(cairo, 724.0, eavesY + 34.0, 300.0, eavesY + 34.0, -10.0, eavesY + 8.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, beamLight, beamDark, 3.0);
    // The door's frame of dressed stones.
    ArchPath(cairo, doorX, doorY, doorWidth, floorY + 8.0, 12.0);
    FillOutlined(cairo, 0xC8C2B6, 0x9A958C, 3.0);
}

// The window's deep reveal in the wall and the sill; the opening and its
// shutters are a graphic.
void WindowReveal(cairo_t* cairo)
{
    ArchPath(cairo, windowX, windowY, windowWidth, windowBottom + 10.0, 18.0);
    FillOutlined(cairo, 0xC8C2B6, 0x9A958C, 3.0);
    // Daylight falling in across the floor.
    cairo_move_to(cairo, windowX, windowBottom);
    cairo_line_to(cairo, windowX + windowWidth, windowBottom);
    cairo_line_to(cairo, windowX + windowWidth + 90.0, 690.0);
    cairo_line_to(cairo, windowX - 30.0, 690.0);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, windowBottom, 0.0, 690.0),
                {{0.0, colour::cream, 0.45}, {1.0, colour::cream, 0.0}});
    cairo_fill(cairo);
}

// The tie beam across the room, resting on corbels in the wall.
void TieBeam(cairo_t* cairo)
{
    for (const double x : {96.0, 928.0}) {
        cairo_move_to(cairo, x - 30.0, beamTop + beamHeight);
        cairo_line_to(cairo, x + 30.0, beamTop + beamHeight);
        cairo_line_to(cairo, x + 14.0, beamTop + beamHeight + 40.0);
        cairo_line_to(cairo, x - 14.0, beamTop + beamHeight + 40.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    }
    cairo_rectangle(cairo, 50.0, beamTop, 924.0, beamHeight);
    SetVerticalGradient(cairo, beamTop, beamTop + beamHeight, beamLight, beamDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_set_line_width(cairo, 1.5);
    for (double x = 90.0; x < 960.0; x += 130.0) {
        cairo_move_to(cairo, x, beamTop + 8.0);
        cairo_curve_to(cairo, x + 30.0, beamTop + 6.0, x + 50.0, beamTop + 14.0, x + 80.0, beamTop + 12.0);
    }
    SetColour(cairo, beamDark, 0.8);
    cairo_stroke(cairo);
    // Droppings and a few feathers: the pigeons and the magpie use it.
    for (const double x : {250.0, 420.0, 700.0, 860.0}) {
        Ellipse(cairo, x, beamTop + 2.0, 4.0, 2.0);
        FillPlain(cairo, tone::white, 0.8);
    }
}

// The plank floor, boards running towards the viewer, with a trap of dust
// and straw.
void Floor(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, floorY, width + 20.0, height - floorY + 10.0);
    SetVerticalGradient(cairo, floorY, height, plankLight, plankDark);
    cairo_fill(cairo);
    cairo_set_line_width(cairo, 2.0);
    for (double x = -1200.0; x < width + 1200.0; x += 64.0) {
        cairo_move_to(cairo, 512.0 + (x - 512.0) * 0.45, floorY);
        cairo_line_to(cairo, x, height);
    }
    SetColour(cairo, colour::outline, 0.25);
    cairo_stroke(cairo);
    cairo_move_to(cairo, -10.0, floorY);
    cairo_curve_to(cairo, 300.0, floorY + 16.0, 724.0, floorY + 16.0, width + 10.0, floorY);
    StrokeOutline(cairo, 3.0);
    // Straw and feathers blown in.
    cairo_set_line_width(cairo, 2.0);
    for (int straw = 0; straw < 18; ++straw) {
        const double x = std::fmod(straw * 211.0 + 60.0, width);
        const double y = floorY + 30.0 + std::fmod(straw * 71.0, 220.0);
        cairo_move_to(cairo, x, y);
        cairo_line_to(cairo, x + 14.0, y - 4.0 + (straw % 3) * 3.0);
    }
    SetColour(cairo, 0xE8C86A, 0.8);
    cairo_stroke(cairo);
}

void Paint(cairo_t* cairo)
{
    Roof(cairo);
    Wall(cairo);
    Floor(cairo);
    WindowReveal(cairo);
    TieBeam(cairo);
    // Soft shade in the far corners.
    Glow(cairo, 1000.0, 620.0, 200.0, tone::shadowDeep, 0.35);
}

// The door to the stairs: a plank leaf over the first steps winding down.
void Door(cairo_t* cairo, int frame)
{
    DrawCastleDoor(cairo, doorWidth, doorHeight, frame, 1, [&] {
        cairo_rectangle(cairo, 0.0, 0.0, doorWidth, doorHeight);
        SetVerticalGradient(cairo, 0.0, doorHeight, 0x6A6058, 0x2E2838);
        cairo_fill(cairo);
        for (int step = 0; step < 5; ++step) {
            const double y = doorHeight - 20.0 - step * 26.0;
            cairo_move_to(cairo, 0.0, y + 18.0 - step * 4.0);
            cairo_line_to(cairo, doorWidth - step * 14.0, y + 22.0);
            cairo_line_to(cairo, doorWidth - step * 14.0, y + 12.0);
            cairo_line_to(cairo, 0.0, y + 8.0 - step * 4.0);
            cairo_close_path(cairo);
            FillOutlined(cairo, 0x8A8478, 0x5E5A52, 2.0);
        }
        Glow(cairo, 70.0, doorHeight - 30.0, 40.0, 0xFF8A2A, 0.3);
    });
}

// The window in the round wall, its shutters folded open: the sky and the
// valley with its wooded hills and the village's roofs far below, and a
// shutter either side in the reveal.
constexpr int windowLeft = 268;
constexpr int windowTop = 240;
void Window(cairo_t* cairo, int /*frame*/)
{
    const double x = windowX - windowLeft;
    const double y = windowY - windowTop;
    const double bottom = windowBottom - windowTop;
    cairo_save(cairo);
    ArchPath(cairo, x, y, windowWidth, bottom);
    cairo_clip(cairo);
    cairo_rectangle(cairo, x, y, windowWidth, bottom - y);
    SetVerticalGradient(cairo, y, bottom, 0x74C2EE, 0xE6F6FF);
    cairo_fill(cairo);
    DrawCloud(cairo, x + 30.0, y + 40.0, 0.3);
    for (const auto& [top, light, dark] :
         {std::tuple{bottom - 60.0, 0xA9CFA0, 0x86B48A}, std::tuple{bottom - 36.0, 0x7FB85A, 0x5E9A44}}) {
        cairo_move_to(cairo, x - 10.0, top + 10.0);
        cairo_curve_to(cairo, x + 30.0, top - 10.0, x + 70.0, top + 14.0, x + windowWidth + 10.0, top - 4.0);
        cairo_line_to(cairo, x + windowWidth + 10.0, bottom + 10.0);
        cairo_line_to(cairo, x - 10.0, bottom + 10.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, light, dark, 2.0);
    }
    for (const double roof : {30.0, 52.0, 70.0}) {
        cairo_rectangle(cairo, x + roof - 6.0, bottom - 14.0, 12.0, 9.0);
        FillOutlined(cairo, colour::cream, colour::sand, 1.5);
        cairo_move_to(cairo, x + roof - 8.0, bottom - 14.0);
        cairo_line_to(cairo, x + roof, bottom - 24.0);
        cairo_line_to(cairo, x + roof + 8.0, bottom - 14.0);
        cairo_close_path(cairo);
    }
    FillOutlined(cairo, tone::bannerLight, colour::banner, 1.5);
    cairo_restore(cairo);
    ArchPath(cairo, x, y, windowWidth, bottom);
    StrokeOutline(cairo, 3.0);
    // The sill.
    RoundedRectangle(cairo, x - 20.0, bottom - 2.0, windowWidth + 40.0, 14.0, 4.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    // The shutters, folded back against the reveal.
    for (const double side : {-1.0, 1.0}) {
        const double hinge = side < 0.0 ? x - 4.0 : x + windowWidth + 4.0;
        cairo_move_to(cairo, hinge, y + 52.0);
        cairo_line_to(cairo, hinge + side * 40.0, y + 40.0);
        cairo_line_to(cairo, hinge + side * 40.0, bottom - 30.0);
        cairo_line_to(cairo, hinge, bottom - 10.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
        for (const double t : {0.3, 0.7}) {
            cairo_move_to(cairo, hinge, y + 52.0 + (bottom - y - 62.0) * t);
            cairo_line_to(cairo, hinge + side * 40.0, y + 40.0 + (bottom - y - 70.0) * t);
        }
        StrokeBand(cairo, ironLight, 2.0, 5.0);
    }
}

// The magpie: a small tin bird with a long tail of riveted plates, wings of
// overlapping sheets, a beak like a pair of pliers and one red glass eye.
// She stands on the beam, her feet at the graphic's bottom, and bobs her
// head and tail as she looks about.
constexpr int magpieFrames = 4;
constexpr int magpieWidth = 96;
constexpr int magpieHeight = 80;
void Magpie(cairo_t* cairo, int frame)
{
    const double bob = 3.0 * std::sin(frame * 2.0 * pi / magpieFrames);
    const double tilt = 0.12 * std::sin(frame * 2.0 * pi / magpieFrames);
    // Drawn at 76 by 64 and scaled up to the graphic.
    cairo_scale(cairo, magpieWidth / 76.0, magpieHeight / 64.0);
    // Legs and claws on the beam.
    for (const double x : {36.0, 44.0}) {
        cairo_move_to(cairo, x, 46.0);
        cairo_line_to(cairo, x - 2.0, 62.0);
        cairo_move_to(cairo, x - 7.0, 62.0);
        cairo_line_to(cairo, x + 5.0, 62.0);
    }
    StrokeBand(cairo, ironLight, 1.5, 4.0);
    // The tail, swinging opposite to the head.
    cairo_save(cairo);
    cairo_translate(cairo, 26.0, 40.0);
    cairo_rotate(cairo, -tilt);
    cairo_move_to(cairo, 0.0, -6.0);
    cairo_line_to(cairo, -24.0, 6.0);
    cairo_line_to(cairo, -22.0, 14.0);
    cairo_line_to(cairo, 2.0, 6.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0x4A5470, 0x2E3650, 2.0);
    cairo_restore(cairo);
    // The body: dark tin on the back, a bright belly.
    Ellipse(cairo, 40.0, 38.0 + bob * 0.3, 20.0, 13.0);
    FillOutlined(cairo, 0x4A5470, 0x2E3650, 2.5);
    Ellipse(cairo, 44.0, 43.0 + bob * 0.3, 12.0, 7.0);
    FillPlain(cairo, tinLight);
    // The wing of overlapping sheets, with rivets.
    cairo_move_to(cairo, 28.0, 32.0 + bob * 0.3);
    cairo_curve_to(cairo, 36.0, 26.0, 50.0, 30.0, 52.0, 36.0 + bob * 0.3);
    cairo_curve_to(cairo, 44.0, 44.0, 32.0, 44.0, 22.0, 42.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tinLight, tin, 2.0);
    for (const double x : {32.0, 40.0, 47.0}) {
        Circle(cairo, x, 35.0 + bob * 0.3, 1.4);
    }
    FillPlain(cairo, colour::outline, 0.7);
    // The head, bobbing, with the pliers beak and the red eye.
    cairo_save(cairo);
    cairo_translate(cairo, 56.0, 24.0 + bob);
    cairo_rotate(cairo, tilt);
    cairo_move_to(cairo, 8.0, -2.0);
    cairo_line_to(cairo, 19.0, 1.0);
    cairo_line_to(cairo, 8.0, 4.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, ironLight, iron, 1.5);
    Circle(cairo, 0.0, 0.0, 10.0);
    FillOutlined(cairo, 0x4A5470, 0x2E3650, 2.5);
    Glow(cairo, 3.0, -2.0, 8.0, colour::hibiscus, 0.7);
    Circle(cairo, 3.0, -2.0, 3.2);
    FillOutlined(cairo, 0xFF4A4A, colour::banner, 1.2);
    Circle(cairo, 2.2, -2.8, 1.0);
    FillPlain(cairo, tone::white);
    // A little aerial on her crown.
    cairo_move_to(cairo, -4.0, -9.0);
    cairo_line_to(cairo, -7.0, -17.0);
    StrokeOutline(cairo, 1.5);
    Circle(cairo, -7.0, -18.0, 2.0);
    FillOutlined(cairo, 0xFF4A4A, colour::banner, 1.0);
    cairo_restore(cairo);
}

// The nest on the beam: twigs woven round a hollow heaped with what she
// stole: spoons, a buckle, a ring, a thimble, and the half crystal.
constexpr int nestLeft = 574;
constexpr int nestTop = 158;
constexpr int nestWidth = 124;
constexpr int nestHeight = 52;
void Nest(cairo_t* cairo, int /*frame*/)
{
    // The loot showing over the rim.
    cairo_save(cairo);
    cairo_translate(cairo, 34.0, 22.0);
    cairo_rotate(cairo, -0.6);
    RoundedRectangle(cairo, -2.0, -16.0, 4.0, 24.0, 2.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.5);
    Ellipse(cairo, 0.0, -18.0, 5.0, 7.0);
    FillOutlined(cairo, tone::white, colour::steel, 1.5);
    cairo_restore(cairo);
    cairo_save(cairo);
    cairo_translate(cairo, 84.0, 20.0);
    cairo_rotate(cairo, 0.5);
    RoundedRectangle(cairo, -2.0, -16.0, 4.0, 24.0, 2.0);
    FillOutlined(cairo, bronzeLight, bronze, 1.5);
    Ellipse(cairo, 0.0, -18.0, 5.0, 7.0);
    FillOutlined(cairo, 0xFFE6A0, bronze, 1.5);
    cairo_restore(cairo);
    RoundedRectangle(cairo, 44.0, 14.0, 16.0, 12.0, 2.0);
    FillOutlined(cairo, bronzeLight, bronze, 2.0);
    cairo_rectangle(cairo, 48.0, 17.0, 8.0, 6.0);
    FillPlain(cairo, bronze);
    // The twigs.
    Ellipse(cairo, nestWidth / 2.0, 34.0, 58.0, 16.0);
    FillOutlined(cairo, 0x9A7048, 0x6A4A2E, 3.0);
    cairo_set_line_width(cairo, 2.0);
    for (int twig = 0; twig < 12; ++twig) {
        const double x = 10.0 + twig * 9.0;
        cairo_move_to(cairo, x, 26.0 + (twig % 3) * 4.0);
        cairo_curve_to(cairo, x + 10.0, 34.0, x + 14.0, 40.0, x + 22.0, 46.0 - (twig % 2) * 6.0);
    }
    SetColour(cairo, 0x553A24, 0.9);
    cairo_stroke(cairo);
    Circle(cairo, 98.0, 30.0, 4.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, 0xFFD24A);
    cairo_stroke(cairo);
}

// The half crystal in the nest, its clean break upwards, with its cyan
// glint: a star of light that swells and turns, and a soft glow round it.
// One graphic, so that the crystal leaves the nest with its glint; it
// stands behind the nest, whose twigs hide its foot.
constexpr int glintFrames = 6;
void CrystalGlint(cairo_t* cairo, int frame)
{
    cairo_move_to(cairo, 10.0, 34.0);
    cairo_line_to(cairo, 14.0, 16.0);
    cairo_line_to(cairo, 24.0, 12.0);
    cairo_line_to(cairo, 26.0, 34.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xB8F4FF, colour::turquoise, 2.0);
    const double t = frame / static_cast<double>(glintFrames);
    const double size = 6.0 + 8.0 * std::sin(t * pi);
    Glow(cairo, 20.0, 20.0, 18.0, colour::tealLight, 0.35 + 0.35 * std::sin(t * pi));
    cairo_save(cairo);
    cairo_translate(cairo, 20.0, 20.0);
    cairo_rotate(cairo, t * pi / 2.0);
    cairo_move_to(cairo, -size, 0.0);
    cairo_line_to(cairo, size, 0.0);
    cairo_move_to(cairo, 0.0, -size);
    cairo_line_to(cairo, 0.0, size);
    cairo_restore(cairo);
    cairo_set_line_width(cairo, 2.5);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    SetColour(cairo, tone::white, 0.9);
    cairo_stroke(cairo);
}

// The castle bell hanging from its yoke under the beam, its rope running
// down to a hook by the floor.
constexpr int bellLeft = 754;
constexpr int bellTop = beamTop + beamHeight - 2;
void Bell(cairo_t* cairo, int /*frame*/)
{
    constexpr double cx = 70.0;
    // The yoke and its iron straps.
    RoundedRectangle(cairo, cx - 40.0, 0.0, 80.0, 18.0, 4.0);
    FillOutlined(cairo, beamLight, beamDark, 2.5);
    cairo_move_to(cairo, cx - 16.0, 14.0);
    cairo_line_to(cairo, cx - 16.0, 30.0);
    cairo_move_to(cairo, cx + 16.0, 14.0);
    cairo_line_to(cairo, cx + 16.0, 30.0);
    StrokeBand(cairo, ironLight, 3.0, 6.0);
    // The rope from the yoke's wheel down to the floor.
    cairo_move_to(cairo, cx + 40.0, 10.0);
    cairo_curve_to(cairo, cx + 58.0, 120.0, cx + 50.0, 200.0, cx + 54.0, 260.0);
    StrokeBand(cairo, 0xD8B878, 4.0, 7.5);
    // The bell.
    cairo_move_to(cairo, cx - 26.0, 30.0);
    cairo_curve_to(cairo, cx - 30.0, 60.0, cx - 36.0, 100.0, cx - 60.0, 130.0);
    cairo_line_to(cairo, cx + 60.0, 130.0);
    cairo_curve_to(cairo, cx + 36.0, 100.0, cx + 30.0, 60.0, cx + 26.0, 30.0);
    cairo_curve_to(cairo, cx + 14.0, 22.0, cx - 14.0, 22.0, cx - 26.0, 30.0);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(cx - 60.0, 0.0, cx + 60.0, 0.0),
                {{0.0, bronze}, {0.4, bronzeLight}, {1.0, 0x7A4E20}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    Ellipse(cairo, cx, 130.0, 60.0, 9.0);
    FillOutlined(cairo, 0x6A4618, 0x4A3010, 2.5);
    for (const double y : {52.0, 108.0}) {
        const double half = 28.0 + (y - 30.0) * 0.3;
        cairo_move_to(cairo, cx - half, y);
        cairo_curve_to(cairo, cx - half * 0.5, y + 5.0, cx + half * 0.5, y + 5.0, cx + half, y);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, 0x6A4618, 0.8);
    cairo_stroke(cairo);
    Shine(cairo, cx - 16.0, 46.0, cx - 30.0, 110.0, 5.0, 0.45);
    // The clapper.
    cairo_move_to(cairo, cx, 118.0);
    cairo_line_to(cairo, cx, 138.0);
    StrokeBand(cairo, iron, 3.0, 6.0);
    Circle(cairo, cx, 142.0, 7.0);
    FillOutlined(cairo, ironLight, iron, 2.0);
}

// Three pigeons on a stone ledge in the wall; the middle one nods its head
// and the right one turns.
constexpr int pigeonFrames = 4;
void Pigeons(cairo_t* cairo, int frame)
{
    cairo_move_to(cairo, 0.0, 62.0);
    cairo_line_to(cairo, 120.0, 58.0);
    cairo_line_to(cairo, 120.0, 72.0);
    cairo_line_to(cairo, 8.0, 76.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    for (int pigeon = 0; pigeon < 3; ++pigeon) {
        const double x = 24.0 + pigeon * 36.0;
        const double nod = pigeon == 1 ? 4.0 * std::abs(std::sin(frame * pi / 2.0)) : 0.0;
        const double face = pigeon == 2 && frame >= 2 ? -1.0 : 1.0;
        Ellipse(cairo, x, 48.0, 15.0, 11.0);
        FillOutlined(cairo, 0xB8BCCC, 0x7E8296, 2.0);
        cairo_move_to(cairo, x - face * 12.0, 46.0);
        cairo_line_to(cairo, x - face * 24.0, 52.0);
        cairo_line_to(cairo, x - face * 12.0, 54.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, 0x7E8296, 0x5E6276, 1.5);
        Ellipse(cairo, x - face * 2.0, 50.0, 8.0, 5.0);
        FillPlain(cairo, 0x9A9EB0);
        Circle(cairo, x + face * 10.0, 34.0 + nod, 7.0);
        FillOutlined(cairo, 0x8E94B0, 0x6A7090, 2.0);
        Ellipse(cairo, x + face * 9.0, 42.0 + nod * 0.5, 5.0, 3.0);
        FillPlain(cairo, 0x7ACB9A, 0.8);
        cairo_move_to(cairo, x + face * 16.0, 33.0 + nod);
        cairo_line_to(cairo, x + face * 21.0, 35.0 + nod);
        cairo_line_to(cairo, x + face * 16.0, 37.0 + nod);
        cairo_close_path(cairo);
        FillOutlined(cairo, 0xE8A060, 0xB07040, 1.0);
        Circle(cairo, x + face * 12.0, 32.0 + nod, 1.6);
        FillPlain(cairo, colour::outline);
    }
}

// The old chest on the floor: planks under iron bands and a lock, its lid
// arched.
void Chest(cairo_t* cairo, int /*frame*/)
{
    RoundedRectangle(cairo, 6.0, 40.0, 140.0, 56.0, 4.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 3.0);
    cairo_move_to(cairo, 4.0, 42.0);
    cairo_line_to(cairo, 4.0, 28.0);
    cairo_curve_to(cairo, 30.0, 4.0, 122.0, 4.0, 148.0, 28.0);
    cairo_line_to(cairo, 148.0, 42.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xC08A58, tone::wood, 3.0);
    for (const double x : {24.0, 124.0}) {
        cairo_move_to(cairo, x, 12.0);
        cairo_line_to(cairo, x, 96.0);
    }
    StrokeBand(cairo, ironLight, 5.0, 9.0);
    cairo_move_to(cairo, 6.0, 42.0);
    cairo_line_to(cairo, 146.0, 42.0);
    StrokeOutline(cairo, 3.0);
    RoundedRectangle(cairo, 64.0, 36.0, 22.0, 24.0, 4.0);
    FillOutlined(cairo, ironLight, iron, 2.0);
    Circle(cairo, 75.0, 46.0, 3.0);
    cairo_rectangle(cairo, 73.5, 46.0, 3.0, 8.0);
    FillPlain(cairo, colour::outline);
    // Dust on its lid.
    Ellipse(cairo, 76.0, 14.0, 40.0, 4.0);
    FillPlain(cairo, tone::white, 0.25);
}

} // namespace

RoomDescription RoomTurm()
{
    RoomDescription room;
    room.label = roomTurm;
    room.folder = "data\\level04\\roomturm\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The planks before the round wall, leaving out where the chest
    // stands: a strip along the wall, a strip along the front, and the
    // floor either side of the chest.
    room.floor = {{{14.0, 512.0}, {1010.0, 512.0}, {1010.0, 576.0}, {14.0, 576.0}},
                  {{14.0, 640.0}, {1010.0, 640.0}, {1010.0, 652.0}, {14.0, 652.0}},
                  {{14.0, 512.0}, {188.0, 512.0}, {188.0, 652.0}, {14.0, 652.0}},
                  {{354.0, 512.0}, {1010.0, 512.0}, {1010.0, 652.0}, {354.0, 652.0}}};
    room.leads = {{{160.0, 560.0}, {366.0, 560.0}, {512.0, 560.0}, {636.0, 560.0}, {826.0, 560.0}, {950.0, 580.0}},
                  {{160.0, 560.0}, {120.0, 646.0}, {270.0, 646.0}, {420.0, 646.0}, {366.0, 560.0}},
                  {{93.0, 522.0}, {160.0, 560.0}}};
    room.backY = 500;
    room.frontY = 720;
    room.light = 0xE2DEEC;
    room.lightPools = {{{400.0, 600.0}, 170.0, 70.0, 0xFFF4DC}, {{940.0, 620.0}, 140.0, 70.0, 0xB8B2C8}};
    room.graphics = {
        {"tuer_burghof", doorX, doorY, doorWidth, doorHeight, items::doorFrames, Door},
        {"fenster", windowLeft, windowTop, 208, 194, 1, Window},
        {"glocke", bellLeft, bellTop, 140, 262, 1, Bell},
        {"tauben", 892, 366, 122, 78, pigeonFrames, Pigeons},
        {"truhe", 196, 536, 152, 100, 1, Chest},
        {"nest", nestLeft, nestTop, nestWidth, nestHeight, 1, Nest},
        {"kristallglanz", nestLeft + 52, nestTop - 6, 40, 40, glintFrames, CrystalGlint},
        {"elster", 458, static_cast<int>(beamTop) - magpieHeight + 3, magpieWidth, magpieHeight, magpieFrames, Magpie},
    };
    room.ambience = Ambience::tower;
    return room;
}

levels::RoomStaging TurmStaging()
{
    using items::FullName;
    return {
        {{"TuerBurghof",
          "Zum Burghof",
          roomTurm,
          FullName("RoomBurghof", "TuerTurm"),
          {93, 522},
          {160, 560},
          "tuer_burghof"}},
        {{"Kristallhaelfte",
          "Kristallh\xe4"
          "lfte",
          roomTurm, items::Pickup::none, "kristallhaelfte", false}},
        {},
        {{"elster", "Blechelster", {512, 560}, Entity::up},
         {"nest", "Nest", {636, 560}, Entity::up},
         {"fenster", "Fenster", {366, 560}, Entity::up},
         {"glocke", "Glocke", {826, 560}, Entity::up},
         {"truhe", "Truhe", {270, 646}, Entity::up},
         {"tauben", "Tauben", {950, 580}, Entity::right}},
    };
}

} // namespace content::rooms
