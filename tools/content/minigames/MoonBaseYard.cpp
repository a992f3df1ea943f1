#include "minigames/MoonBaseYard.h"

#include "SceneShapes.h"
#include "minigames/Dice.h"
#include "minigames/SoftEllipse.h"
#include "rooms/episode5/BaseInterior.h"

#include <cmath>
#include <numbers>

namespace content::minigames {

namespace {

namespace moonbase = rooms::moonbase;
using moonbase::Line;
using moonbase::steelDark;
using moonbase::violetDark;

constexpr double pi = std::numbers::pi;

// The base's colours beside the shared palette.
constexpr std::uint32_t skyTop = 0x140F33;
constexpr std::uint32_t skyLow = 0x3F2A7C;
constexpr std::uint32_t floorNear = 0x6E6790;
constexpr std::uint32_t floorFar = 0x4B4474;

// Outline widths of the three rows: thinner with distance.
constexpr double frontLine = 3.0;
constexpr double middleLine = 2.0;
constexpr double backLine = 1.5;
// Warning stripes are outlined lighter than the rest of their row.
constexpr double hazardOutline = 0.6;

void Box(cairo_t* cairo, double left, double top, double right, double bottom, double radius, std::uint32_t light,
         std::uint32_t dark, double line)
{
    RoundedRectangle(cairo, left, top, right - left, bottom - top, radius);
    FillOutlined(cairo, light, dark, line);
}

// A steel crate on the ground: a frame round a violet panel crossed by a
// brace, a warning band along its top.
void Crate(cairo_t* cairo, double left, double top, double right, double bottom, double line)
{
    const double inset = (right - left) * 0.09;
    Box(cairo, left, top, right, bottom, line, tone::steelLight, steelDark, line);
    Box(cairo, left + inset, top + inset * 1.9, right - inset, bottom - inset, line * 0.5, colour::violet, violetDark,
        line * 0.7);
    cairo_move_to(cairo, left + inset, bottom - inset);
    cairo_line_to(cairo, right - inset, top + inset * 1.9);
    StrokeBand(cairo, colour::steel, line * 1.4, line * 2.4);
    moonbase::HazardBand(cairo, left + inset, top + inset * 0.5, right - inset, top + inset * 1.5, line * hazardOutline);
    // Light from the floodlights on the upper left.
    cairo_move_to(cairo, left + line, top + line);
    cairo_line_to(cairo, right - line, top + line);
    SetColour(cairo, tone::white, 0.45);
    cairo_set_line_width(cairo, line * 0.7);
    cairo_stroke(cairo);
}

// A standing drum seen nearly from the side: its lid a thin ellipse, two
// rims and an acid band.
void Barrel(cairo_t* cairo, double left, double top, double right, double bottom, double line)
{
    const double lid = (right - left) * 0.1;
    const double middle = (left + right) / 2.0;
    cairo_move_to(cairo, left, top + lid);
    cairo_line_to(cairo, left, bottom - lid);
    cairo_curve_to(cairo, left, bottom + lid * 0.3, right, bottom + lid * 0.3, right, bottom - lid);
    cairo_line_to(cairo, right, top + lid);
    cairo_close_path(cairo);
    cairo_pattern_t* shade = cairo_pattern_create_linear(left, 0.0, right, 0.0);
    SetGradient(cairo, shade,
                {{0.0, colour::violet}, {0.3, tone::violetLight}, {0.75, colour::violet}, {1.0, violetDark}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, line);
    const double height = bottom - top;
    for (const double at : {0.3, 0.7}) {
        const double y = top + lid + (height - 2.0 * lid) * at;
        cairo_move_to(cairo, left, y);
        cairo_curve_to(cairo, left, y + lid, right, y + lid, right, y);
        StrokeBand(cairo, colour::steel, line * 1.2, line * 2.2);
    }
    cairo_rectangle(cairo, left + line * 0.5, top + height * 0.44, right - left - line, height * 0.12);
    FillPlain(cairo, colour::acid, 0.9);
    Ellipse(cairo, middle, top + lid, (right - left) / 2.0, lid);
    FillOutlined(cairo, tone::steelLight, colour::steel, line);
    Ellipse(cairo, middle - (right - left) * 0.2, top + lid, (right - left) * 0.08, lid * 0.4);
    FillOutlined(cairo, colour::steel, steelDark, line * 0.6);
}

// Riveted steel plates of a wall from `left` to `right`.
void PlatedWall(cairo_t* cairo, double left, double top, double right, double bottom, double plate, double line)
{
    Box(cairo, left, top, right, bottom, line * 0.7, colour::steel, steelDark, line);
    for (double x = left + plate; x < right - plate * 0.3; x += plate)
        Line(cairo, x, top + line, x, bottom - line, colour::outline, line * 0.6, 0.7);
    for (double x = left + plate * 0.5; x < right; x += plate)
        for (const double y : {top + (bottom - top) * 0.3, top + (bottom - top) * 0.75}) {
            Circle(cairo, x - plate * 0.4, y, line * 0.7);
            FillPlain(cairo, tone::steelLight, 0.8);
        }
    // The lit cap along the top.
    Box(cairo, left - line, top - line * 1.2, right + line, top + line * 1.5, line * 0.5, tone::steelLight,
        colour::steel, line * 0.8);
}

// A small lamp glowing in acid green.
void Lamp(cairo_t* cairo, double x, double y, double radius)
{
    Glow(cairo, x, y, radius * 4.0, colour::acid, 0.35);
    Circle(cairo, x, y, radius);
    FillOutlined(cairo, tone::acidLight, colour::acid, radius * 0.5);
}

// The sky with its stars and the home planet, calm and violet.
void DrawSky(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, yardWidth, yardHeight);
    SetVerticalGradient(cairo, 0.0, 280.0, skyTop, skyLow);
    cairo_fill(cairo);
    SoftEllipse(cairo, 300.0, 70.0, 260.0, 50.0, -0.1, colour::violet, 0.22);
    SoftEllipse(cairo, 700.0, 150.0, 300.0, 45.0, 0.05, tone::violetLight, 0.12);
    Dice dice(11);
    for (int star = 0; star < 90; ++star) {
        const double x = dice.Between(0.0, yardWidth);
        const double y = dice.Between(0.0, 230.0);
        const double size = dice.Between(0.6, 1.8);
        Circle(cairo, x, y, size);
        FillPlain(cairo, dice.Next() < 0.3 ? tone::acidLight : colour::cream, dice.Between(0.5, 0.95));
    }
    // The home planet: seas, green land and clouds, lit from the left.
    constexpr double px = 818.0;
    constexpr double py = 84.0;
    constexpr double radius = 46.0;
    Glow(cairo, px, py, radius * 1.6, colour::turquoise, 0.3);
    cairo_save(cairo);
    Circle(cairo, px, py, radius);
    cairo_clip(cairo);
    SetRadialGradient(cairo, px - 16.0, py - 18.0, radius * 1.4, tone::skyDay, 0x2B5DA8);
    cairo_paint(cairo);
    struct Land {
        double x, y, rx, ry, angle;
    };
    constexpr Land lands[] = {{-18, -6, 20, 13, 0.5}, {-6, 14, 12, 9, -0.3}, {22, -20, 14, 8, 0.2}, {18, 22, 9, 6, 0.9}};
    for (const Land& land : lands) {
        cairo_save(cairo);
        cairo_translate(cairo, px + land.x, py + land.y);
        cairo_rotate(cairo, land.angle);
        Ellipse(cairo, 0.0, 0.0, land.rx, land.ry);
        cairo_restore(cairo);
        FillPlain(cairo, tone::leafLight, 0.9);
    }
    for (const double y : {-28.0, 4.0, 26.0}) {
        cairo_move_to(cairo, px - radius, py + y);
        cairo_curve_to(cairo, px - 10.0, py + y - 8.0, px + 10.0, py + y + 8.0, px + radius, py + y - 2.0);
        SetColour(cairo, tone::white, 0.55);
        cairo_set_line_width(cairo, 4.0);
        cairo_stroke(cairo);
    }
    // The night side.
    Circle(cairo, px + radius * 0.55, py + radius * 0.35, radius * 1.05);
    FillPlain(cairo, skyTop, 0.45);
    cairo_restore(cairo);
    Circle(cairo, px, py, radius);
    StrokeOutline(cairo, 2.5);
}

// The moon's grey hills: a far, hazy ridge and a nearer one with craters.
void DrawHills(cairo_t* cairo)
{
    struct Ridge {
        double base, height, phase;
        std::uint32_t top, bottom;
    };
    constexpr Ridge ridges[] = {{222.0, 26.0, 0.7, 0x8C80B8, tone::moonDark}, {246.0, 18.0, 2.1, tone::moonLight, 0x8A7DB4}};
    for (const Ridge& ridge : ridges) {
        cairo_move_to(cairo, -10.0, 320.0);
        for (double x = -10.0; x <= yardWidth + 10.0; x += 8.0) {
            const double y = ridge.base - ridge.height * (0.55 * std::sin(x / 97.0 + ridge.phase) +
                                                          0.3 * std::sin(x / 41.0 + ridge.phase * 2.0) +
                                                          0.15 * std::sin(x / 17.0));
            cairo_line_to(cairo, x, y);
        }
        cairo_line_to(cairo, yardWidth + 10.0, 320.0);
        cairo_close_path(cairo);
        SetVerticalGradient(cairo, ridge.base - ridge.height, 290.0, ridge.top, ridge.bottom);
        cairo_fill_preserve(cairo);
        StrokeOutline(cairo, 1.8);
    }
    Dice dice(5);
    for (int crater = 0; crater < 9; ++crater) {
        const double x = dice.Between(20.0, yardWidth - 20.0);
        const double y = dice.Between(252.0, 266.0);
        const double rx = dice.Between(7.0, 16.0);
        Ellipse(cairo, x, y, rx, rx * 0.28);
        FillOutlined(cairo, tone::moonDark, 0x8A7DB4, 1.2);
    }
}

// The base behind its wall: two domes, the hangar, a radar dish and masts.
void DrawBaseBuildings(cairo_t* cairo)
{
    // Domes with lit windows.
    struct Dome {
        double x, radius;
    };
    constexpr Dome domes[] = {{130.0, 58.0}, {925.0, 70.0}, {1010.0, 40.0}};
    for (const Dome& dome : domes) {
        const double foot = 276.0;
        cairo_arc(cairo, dome.x, foot, dome.radius, pi, 2.0 * pi);
        cairo_close_path(cairo);
        SetRadialGradient(cairo, dome.x - dome.radius * 0.35, foot - dome.radius * 0.7, dome.radius * 1.3,
                          tone::violetLight, violetDark);
        cairo_fill_preserve(cairo);
        StrokeOutline(cairo, 2.0);
        for (const double rib : {0.33, 0.66}) {
            cairo_arc(cairo, dome.x, foot, dome.radius * rib + dome.radius * 0.34, pi * 1.05, pi * 1.95);
            SetColour(cairo, colour::outline, 0.45);
            cairo_set_line_width(cairo, 1.3);
            cairo_stroke(cairo);
        }
        cairo_arc(cairo, dome.x - dome.radius * 0.3, foot - dome.radius * 0.45, dome.radius * 0.28, pi * 1.1,
                  pi * 1.45);
        SetColour(cairo, tone::white, 0.6);
        cairo_set_line_width(cairo, 3.0);
        cairo_stroke(cairo);
        for (int window = -1; window <= 1; ++window) {
            RoundedRectangle(cairo, dome.x + window * dome.radius * 0.38 - 4.0, foot - dome.radius * 0.32, 8.0, 6.0,
                             2.0);
            FillOutlined(cairo, moonbase::lampGlow, colour::acid, 1.0);
        }
    }
    // The hangar: an arched roof over a wide gate with a lit strip.
    constexpr double left = 560.0;
    constexpr double right = 790.0;
    cairo_move_to(cairo, left, 280.0);
    cairo_line_to(cairo, left, 236.0);
    cairo_curve_to(cairo, left + 30.0, 196.0, right - 30.0, 196.0, right, 236.0);
    cairo_line_to(cairo, right, 280.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, steelDark, 2.0);
    for (double x = left + 23.0; x < right; x += 23.0)
        Line(cairo, x, 222.0 - 14.0 * std::sin((x - left) / (right - left) * pi), x, 272.0, colour::outline, 1.0, 0.4);
    Box(cairo, left + 40.0, 238.0, right - 40.0, 276.0, 2.0, colour::nightLight, colour::night, 1.6);
    Box(cairo, left + 44.0, 240.0, right - 44.0, 246.0, 1.0, moonbase::lampGlow, colour::acid, 1.0);
    DrawArtText(cairo, "B-3", (left + right) / 2.0, 228.0, 14.0, tone::acidLight);
    // The radar dish on its mast and two antennae with blinking lights.
    Line(cairo, 500.0, 272.0, 500.0, 214.0, colour::outline, 5.0, 1.0);
    Line(cairo, 500.0, 272.0, 500.0, 214.0, colour::steel, 2.5, 1.0);
    cairo_save(cairo);
    cairo_translate(cairo, 500.0, 210.0);
    cairo_rotate(cairo, -0.5);
    cairo_arc(cairo, 0.0, 0.0, 22.0, 0.0, pi);
    cairo_close_path(cairo);
    cairo_restore(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.8);
    for (const double x : {262.0, 852.0}) {
        cairo_move_to(cairo, x - 9.0, 276.0);
        cairo_line_to(cairo, x, 170.0);
        cairo_line_to(cairo, x + 9.0, 276.0);
        SetColour(cairo, colour::outline);
        cairo_set_line_width(cairo, 2.6);
        cairo_stroke(cairo);
        for (double y = 190.0; y < 270.0; y += 14.0) {
            const double half = 9.0 * (y - 170.0) / 106.0;
            Line(cairo, x - half, y, x + half, y + 10.0, colour::steel, 1.2, 0.9);
        }
        Lamp(cairo, x, 168.0, 3.0);
    }
}

// The yard's floor of moon dust between the wall and the viewer, with the
// ruts of the buggy and the floodlights' pools of light.
void DrawFloor(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 290.0, yardWidth, yardHeight - 290.0);
    SetVerticalGradient(cairo, 290.0, yardHeight, floorFar, floorNear);
    cairo_fill(cairo);
    SoftEllipse(cairo, 330.0, 410.0, 260.0, 70.0, 0.0, tone::moonLight, 0.35);
    SoftEllipse(cairo, 820.0, 400.0, 220.0, 60.0, 0.0, tone::moonLight, 0.3);
    for (const double x : {-200.0, 150.0, 520.0, 880.0, 1250.0}) {
        cairo_move_to(cairo, 512.0 + (x - 512.0) * 0.25, 300.0);
        cairo_line_to(cairo, x, yardHeight);
        SetColour(cairo, colour::outline, 0.18);
        cairo_set_line_width(cairo, 2.0);
        cairo_stroke(cairo);
    }
    // The seams of the floor's plates, ever wider apart towards the viewer.
    for (double y = 312.0, gap = 10.0; y < yardHeight; y += gap, gap *= 1.35) {
        cairo_move_to(cairo, 0.0, y);
        cairo_line_to(cairo, yardWidth, y);
        SetColour(cairo, colour::outline, 0.12);
        cairo_set_line_width(cairo, 1.0 + (y - 300.0) * 0.008);
        cairo_stroke(cairo);
    }
    // The buggy's landing pad with its acid-green ring and cross.
    constexpr double padX = 470.0;
    constexpr double padY = 402.0;
    Ellipse(cairo, padX, padY, 190.0, 30.0);
    FillPlain(cairo, tone::moonDark, 0.45);
    Ellipse(cairo, padX, padY, 160.0, 24.0);
    SetColour(cairo, colour::acid, 0.7);
    cairo_set_line_width(cairo, 4.0);
    cairo_stroke(cairo);
    for (const double dx : {-1.0, 1.0}) {
        cairo_move_to(cairo, padX - 40.0 * dx, padY - 10.0);
        cairo_line_to(cairo, padX + 40.0 * dx, padY + 10.0);
        SetColour(cairo, colour::acid, 0.55);
        cairo_set_line_width(cairo, 6.0);
        cairo_stroke(cairo);
    }
    Dice dice(23);
    for (int stone = 0; stone < 26; ++stone) {
        const double y = dice.Between(305.0, 500.0);
        const double x = dice.Between(0.0, yardWidth);
        const double size = 1.5 + (y - 300.0) * 0.03 * dice.Between(0.5, 1.2);
        Ellipse(cairo, x, y, size * 1.6, size * 0.6);
        FillPlain(cairo, dice.Next() < 0.5 ? tone::moonDark : tone::moonLight, 0.7);
    }
}

// The base's wall, with a gate tower at its left end and, left of it, a
// low bunker of blocks nearer to the viewer.
void DrawBackCover(cairo_t* cairo)
{
    PlatedWall(cairo, 240.0, 275.0, 1030.0, 302.0, 26.0, backLine);
    // A raised stretch with a sign.
    PlatedWall(cairo, 428.0, 270.0, 476.0, 302.0, 24.0, backLine);
    Box(cairo, 438.0, 276.0, 466.0, 284.0, 1.0, tone::acidLight, colour::acid, 1.0);
    for (const double x : {560.0, 700.0, 840.0, 990.0})
        Lamp(cairo, x, 279.0, 1.8);
    // The gate tower.
    Box(cairo, 214.0, 246.0, 242.0, 304.0, 2.0, colour::steel, steelDark, backLine);
    Box(cairo, 210.0, 240.0, 246.0, 250.0, 2.0, tone::steelLight, colour::steel, backLine);
    Box(cairo, 221.0, 256.0, 235.0, 268.0, 1.5, moonbase::lampGlow, colour::acid, 1.0);
    Lamp(cairo, 228.0, 236.0, 2.5);
    // The bunker of blocks.
    Box(cairo, -6.0, 292.0, 206.0, 322.0, 2.0, colour::steel, steelDark, backLine);
    for (double x = 30.0; x < 206.0; x += 36.0)
        Line(cairo, x, 293.0, x, 320.0, colour::outline, 1.0, 0.6);
    moonbase::HazardBand(cairo, -2.0, 296.0, 202.0, 300.0, backLine * hazardOutline);
}

// Pipes on a block, the moon buggy, a tank, a lying tank and containers.
void DrawMiddleCover(cairo_t* cairo)
{
    // A container on the left and an upright tank.
    Box(cairo, -12.0, 359.0, 102.0, 410.0, 3.0, tone::violetLight, violetDark, middleLine);
    for (double x = 4.0; x < 100.0; x += 11.0)
        Line(cairo, x, 364.0, x, 405.0, colour::outline, 1.2, 0.5);
    moonbase::HazardBand(cairo, -8.0, 396.0, 98.0, 402.0, middleLine * hazardOutline);
    constexpr double tankLeft = 104.0;
    constexpr double tankRight = 192.0;
    cairo_move_to(cairo, tankLeft, 354.0);
    cairo_line_to(cairo, tankLeft, 394.0);
    cairo_curve_to(cairo, tankLeft, 400.0, tankRight, 400.0, tankRight, 394.0);
    cairo_line_to(cairo, tankRight, 354.0);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(tankLeft, 0.0, tankRight, 0.0),
                {{0.0, colour::steel}, {0.3, tone::steelLight}, {1.0, steelDark}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, middleLine);
    Ellipse(cairo, (tankLeft + tankRight) / 2.0, 354.0, (tankRight - tankLeft) / 2.0, 6.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, middleLine);
    cairo_rectangle(cairo, tankLeft + 1.0, 368.0, tankRight - tankLeft - 2.0, 7.0);
    FillPlain(cairo, colour::acid, 0.9);
    DrawArtText(cairo, "H2O", (tankLeft + tankRight) / 2.0, 390.0, 11.0, tone::acidLight);

    // Small crates.
    Crate(cairo, 214.0, 322.0, 256.0, 352.0, middleLine);
    Crate(cairo, 252.0, 330.0, 298.0, 356.0, middleLine);

    // The pipes on their block, and a riser bending up into the base.
    Box(cairo, 312.0, 332.0, 552.0, 352.0, 2.0, colour::stone, 0x6E6A78, middleLine);
    cairo_move_to(cairo, 562.0, 310.0);
    cairo_line_to(cairo, 562.0, 262.0);
    cairo_curve_to(cairo, 562.0, 248.0, 574.0, 240.0, 592.0, 240.0);
    StrokeBand(cairo, colour::steel, 11.0, 15.0);
    for (const double y : {329.0, 318.0, 307.0}) {
        const double radius = y == 329.0 ? 7.0 : 6.0;
        cairo_rectangle(cairo, 316.0, y - radius, 254.0, 2.0 * radius);
        SetVerticalGradient(cairo, y - radius, y + radius, tone::steelLight, steelDark);
        cairo_fill_preserve(cairo);
        StrokeOutline(cairo, middleLine * 0.8);
    }
    for (const double x : {318.0, 400.0, 480.0, 556.0}) {
        Box(cairo, x - 4.0, 298.0, x + 4.0, 336.0, 1.5, tone::steelLight, colour::steel, middleLine * 0.8);
    }
    cairo_rectangle(cairo, 340.0, 340.0, 200.0, 5.0);
    FillPlain(cairo, colour::acid, 0.85);

    // The moon buggy, parked: a flat body on four big wheels.
    Box(cairo, 586.0, 325.0, 730.0, 355.0, 8.0, tone::steelLight, colour::steel, middleLine);
    Box(cairo, 596.0, 331.0, 716.0, 342.0, 3.0, colour::violet, violetDark, middleLine * 0.7);
    Box(cairo, 700.0, 326.0, 716.0, 334.0, 2.0, moonbase::lampGlow, colour::acid, 1.0);
    for (const double x : {606.0, 636.0, 680.0, 710.0}) {
        Circle(cairo, x, 357.0, 11.0);
        FillOutlined(cairo, 0x5B5670, 0x3C3852, middleLine);
        Circle(cairo, x, 357.0, 4.5);
        FillOutlined(cairo, tone::steelLight, colour::steel, 1.2);
    }
    Line(cairo, 726.0, 326.0, 734.0, 262.0, colour::outline, 2.6, 1.0);
    Line(cairo, 726.0, 326.0, 734.0, 262.0, colour::steel, 1.2, 1.0);
    Lamp(cairo, 734.0, 261.0, 2.0);

    // A stack of containers.
    Box(cairo, 742.0, 324.0, 868.0, 360.0, 3.0, tone::violetLight, violetDark, middleLine);
    Box(cairo, 752.0, 292.0, 850.0, 326.0, 3.0, tone::acidLight, colour::acid, middleLine);
    for (double x = 762.0; x < 850.0; x += 12.0)
        Line(cairo, x, 296.0, x, 322.0, colour::outline, 1.2, 0.4);
    for (double x = 754.0; x < 868.0; x += 12.0)
        Line(cairo, x, 328.0, x, 356.0, colour::outline, 1.2, 0.45);

    // The lying tank on its cradles.
    for (const double x : {900.0, 972.0})
        Box(cairo, x - 10.0, 366.0, x + 10.0, 390.0, 2.0, colour::steel, steelDark, middleLine);
    RoundedRectangle(cairo, 872.0, 339.0, 130.0, 44.0, 22.0);
    FillOutlined(cairo, tone::acidLight, tone::acidDark, middleLine);
    RoundedRectangle(cairo, 886.0, 344.0, 100.0, 8.0, 4.0);
    FillPlain(cairo, tone::white, 0.35);
    moonbase::HazardBand(cairo, 918.0, 354.0, 956.0, 362.0, middleLine * hazardOutline);
}

// The low steel wall along the bottom and the crates and barrels on it.
void DrawFrontCover(cairo_t* cairo)
{
    PlatedWall(cairo, -10.0, 472.0, yardWidth + 10.0, yardHeight + 10.0, 64.0, frontLine);
    // A warning sign on the wall.
    Box(cairo, 52.0, 482.0, 214.0, 508.0, 5.0, colour::acid, tone::acidDark, frontLine * 0.8);
    DrawArtText(cairo, "VORSICHT SCHLEIM", 133.0, 500.0, 12.5, tone::acidLight);
    Barrel(cairo, 238.0, 446.0, 296.0, 486.0, frontLine);
    Crate(cairo, 386.0, 472.0, 522.0, 520.0, frontLine);
    Barrel(cairo, 516.0, 462.0, 572.0, 512.0, frontLine);
    Barrel(cairo, 566.0, 461.0, 622.0, 514.0, frontLine);
    Crate(cairo, 614.0, 450.0, 702.0, 520.0, frontLine);
    Barrel(cairo, 694.0, 444.0, 766.0, 516.0, frontLine);
    Crate(cairo, 758.0, 466.0, 852.0, 520.0, frontLine);
    Crate(cairo, 770.0, 436.0, 846.0, 470.0, frontLine);
    Crate(cairo, 840.0, 427.0, 966.0, 520.0, frontLine);
    Barrel(cairo, 964.0, 452.0, 1016.0, 506.0, frontLine);
}

// A picture of the background's pixels where `cover` is drawn.
Picture CutOut(const Picture& background, const Picture& cover)
{
    Picture mask(background.Width(), background.Height());
    cairo_t* cairo = mask.Cairo();
    cairo_set_source_surface(cairo, cairo_get_target(background.Cairo()), 0.0, 0.0);
    cairo_mask_surface(cairo, cairo_get_target(cover.Cairo()), 0.0, 0.0);
    cairo_surface_flush(cairo_get_target(cairo));
    return mask;
}

} // namespace

MoonBaseYard DrawMoonBaseYard()
{
    Picture background(yardWidth, yardHeight);
    cairo_t* cairo = background.Cairo();
    DrawSky(cairo);
    DrawHills(cairo);
    DrawBaseBuildings(cairo);
    DrawFloor(cairo);

    // Each row of cover on a picture of its own, then over the rest.
    Picture back(yardWidth, yardHeight);
    DrawBackCover(back.Cairo());
    Picture middle(yardWidth, yardHeight);
    DrawMiddleCover(middle.Cairo());
    Picture front(yardWidth, yardHeight);
    DrawFrontCover(front.Cairo());
    for (const Picture* row : {&back, &middle, &front}) {
        cairo_set_source_surface(cairo, cairo_get_target(row->Cairo()), 0.0, 0.0);
        cairo_paint(cairo);
    }
    cairo_surface_flush(cairo_get_target(cairo));
    Picture backMask = CutOut(background, back);
    Picture middleMask = CutOut(background, middle);
    Picture frontMask = CutOut(background, front);
    return {std::move(background), std::move(backMask), std::move(middleMask), std::move(frontMask)};
}

} // namespace content::minigames
