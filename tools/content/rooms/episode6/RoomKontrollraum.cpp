// The base's control room under its strip lights: the steel door back to
// the hall on the left, a wall of monitors watching the yard, the launch
// ramp and the collection, the launch console with its big red lever in
// front of them, the Baron's throne of a commander's chair, a star chart
// with Wakalua circled in red and his coffee machine, steaming.

#include "BaronsFinery.h"
#include "Episode6Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"
#include "rooms/episode5/BaseInterior.h"

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace content::rooms {

namespace {

using namespace moonbase;
using namespace finery;

constexpr const char* roomKontrollraum = "RoomKontrollraum";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double ceilingY = 140.0;
constexpr double floorY = 500.0;
constexpr std::uint32_t screenGlow = 0xB8F4E8;
constexpr std::uint32_t screenDeep = 0x12303A;
constexpr std::uint32_t coffee = 0x6A3E22;
// The steel door to the hall in the left of the back wall.
constexpr int doorX = 20;
constexpr int doorY = 270;
constexpr int doorWidth = 140;
constexpr int doorHeight = 230;
// A warning lamp on the wall beside the door's sign.
constexpr int lampX = doorX + doorWidth + 2;
constexpr int lampY = 196;
// The wall of monitors: three screens over three, in a steel frame.
constexpr int monitorsX = 190;
constexpr int monitorsY = 150;
constexpr int monitorsWidth = 600;
constexpr int monitorsHeight = 190;
constexpr int screenFrames = 4;
constexpr double screenWidth = 180.0;
constexpr double screenHeight = 72.0;
// The launch console in front of the monitors, its lever on the right.
constexpr int consoleX = 372;
constexpr int consoleY = 352;
constexpr int consoleWidth = 260;
constexpr int consoleHeight = 176;
// The commander's chair.
constexpr int chairX = 650;
constexpr int chairY = 330;
constexpr int chairWidth = 140;
constexpr int chairHeight = 214;
// The star chart on the wall and the coffee machine on its cabinet.
constexpr int chartX = 800;
constexpr int chartY = 166;
constexpr int chartWidth = 170;
constexpr int chartHeight = 136;
constexpr int machineX = 918;
constexpr int machineY = 318;
constexpr int machineWidth = 96;
constexpr int machineHeight = 190;
constexpr int steamFrames = 4;

void Paint(cairo_t* cairo)
{
    constexpr double lights[] = {96.0, 900.0};
    Ceiling(cairo, ceilingY, lights, 2);
    PlateWall(cairo, -2.0, ceilingY, width + 2.0, floorY, 128.0);
    // Cables from the monitors up into the ceiling and along the wall to
    // the console.
    for (const double x : {monitorsX + 40.0, monitorsX + monitorsWidth - 40.0}) {
        cairo_move_to(cairo, x, ceilingY);
        cairo_line_to(cairo, x, monitorsY + 10.0);
        StrokeBand(cairo, 0x3A3458, 5.0, 9.0);
    }
    // The sign over the door.
    RoundedRectangle(cairo, doorX + 14.0, 206.0, doorWidth - 28.0, 30.0, 5.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.5);
    DrawArtText(cairo, "HALLE", doorX + doorWidth / 2.0, 228.0, 18.0, tone::acidLight);
    // The screens' light on the wall and the chart's faint glow.
    Glow(cairo, monitorsX + monitorsWidth / 2.0, monitorsY + 110.0, 330.0, screenGlow, 0.25);
    PlateFloor(cairo, floorY, height, width, 96.0, floorFar, floorNear);
    // The screens' light on the floor in front of the console.
    Ellipse(cairo, consoleX + consoleWidth / 2.0, floorY + 50.0, 260.0, 34.0);
    FillPlain(cairo, screenGlow, 0.1);
    // Shadows of what stands on the floor.
    Ellipse(cairo, consoleX + consoleWidth / 2.0, consoleY + consoleHeight - 4.0, 134.0, 10.0);
    Ellipse(cairo, chairX + chairWidth / 2.0, chairY + chairHeight - 6.0, 60.0, 9.0);
    Ellipse(cairo, machineX + machineWidth / 2.0, machineY + machineHeight - 4.0, 50.0, 8.0);
    FillPlain(cairo, tone::shadowDeep, 0.45);
}

// The outline of a crown of three points standing on (x, base), `half`
// wide either side and `tall` high, as the Baron's crest has it.
void CrownPath(cairo_t* cairo, double x, double base, double half, double tall)
{
    cairo_move_to(cairo, x - half * 0.85, base);
    cairo_line_to(cairo, x - half, base - tall * 0.83);
    cairo_line_to(cairo, x - half * 0.42, base - tall * 0.42);
    cairo_line_to(cairo, x, base - tall);
    cairo_line_to(cairo, x + half * 0.42, base - tall * 0.42);
    cairo_line_to(cairo, x + half, base - tall * 0.83);
    cairo_line_to(cairo, x + half * 0.85, base);
    cairo_close_path(cairo);
}

void WarningLamp(cairo_t* cairo, int frame)
{
    BlinkLamp(cairo, frame, 7.0, colour::acid);
}

// The yard on a screen: the base's wall, the ground splashed with slime,
// a sulking Schleimling peeking up and ducking again.
void YardScreen(cairo_t* cairo, int frame)
{
    cairo_rectangle(cairo, 0.0, 0.0, screenWidth, 30.0);
    FillPlain(cairo, 0x2E4A5A);
    cairo_rectangle(cairo, 0.0, 30.0, screenWidth, screenHeight - 30.0);
    FillPlain(cairo, 0x3E6A5A);
    for (const auto& [x, y, r] :
         {std::array{30.0, 50.0, 9.0}, std::array{96.0, 60.0, 12.0}, std::array{150.0, 44.0, 7.0}}) {
        Ellipse(cairo, x, y, r * 1.6, r * 0.6);
        FillPlain(cairo, screenGlow, 0.6);
    }
    const double rise = frame % 2 == 0 ? 0.0 : 8.0;
    Ellipse(cairo, 120.0, 40.0 + rise, 10.0, 8.0);
    FillPlain(cairo, screenGlow, 0.9);
    for (const double dx : {-4.0, 4.0}) {
        Line(cairo, 120.0 + dx, 34.0 + rise, 120.0 + dx * 2.0, 26.0 + rise, screenGlow, 2.0, 0.9);
    }
}

// The launch ramp on a screen: the dome's arch over the ramp and the taxi
// in its cradle, its lamps blinking.
void RampScreen(cairo_t* cairo, int frame)
{
    cairo_rectangle(cairo, 0.0, 0.0, screenWidth, screenHeight);
    FillPlain(cairo, 0x1E3A4A);
    cairo_arc(cairo, screenWidth / 2.0, screenHeight + 20.0, 84.0, pi, 2.0 * pi);
    SetColour(cairo, screenGlow, 0.7);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    for (int rib = 1; rib < 6; ++rib) {
        const double angle = pi + rib * pi / 6.0;
        Line(cairo, screenWidth / 2.0, screenHeight + 20.0, screenWidth / 2.0 + 84.0 * std::cos(angle),
             screenHeight + 20.0 + 84.0 * std::sin(angle), screenGlow, 1.0, 0.35);
    }
    // The ramp rising to the right and the taxi on it.
    Line(cairo, 40.0, 64.0, 140.0, 40.0, screenGlow, 3.0, 0.9);
    cairo_save(cairo);
    cairo_translate(cairo, 92.0, 46.0);
    cairo_rotate(cairo, -0.23);
    RoundedRectangle(cairo, -22.0, -10.0, 44.0, 12.0, 5.0);
    cairo_restore(cairo);
    FillPlain(cairo, tone::taxiLight, 0.95);
    if (frame % 2 == 0) {
        Circle(cairo, 116.0, 38.0, 2.5);
        FillPlain(cairo, tone::white);
    }
}

// The collection on a screen: the glass case with the crystal's glow
// pulsing in it.
void CollectionScreen(cairo_t* cairo, int frame)
{
    cairo_rectangle(cairo, 0.0, 0.0, screenWidth, screenHeight);
    FillPlain(cairo, 0x3A2E5A);
    cairo_rectangle(cairo, 70.0, 12.0, 40.0, 30.0);
    SetColour(cairo, screenGlow, 0.8);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    cairo_rectangle(cairo, 76.0, 42.0, 28.0, 28.0);
    FillPlain(cairo, screenGlow, 0.4);
    Glow(cairo, 90.0, 30.0, 12.0 + 4.0 * (frame % 2), colour::tealLight, 0.9);
    cairo_move_to(cairo, 90.0, 18.0);
    cairo_line_to(cairo, 97.0, 34.0);
    cairo_line_to(cairo, 83.0, 34.0);
    cairo_close_path(cairo);
    FillPlain(cairo, tone::white);
    // The golden frame on the wall and a skeleton's neck beside.
    cairo_rectangle(cairo, 126.0, 14.0, 30.0, 22.0);
    SetColour(cairo, goldLight, 0.8);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    cairo_move_to(cairo, 14.0, 70.0);
    cairo_curve_to(cairo, 20.0, 40.0, 40.0, 30.0, 50.0, 16.0);
    SetColour(cairo, screenGlow, 0.6);
    cairo_stroke(cairo);
}

// A radar screen: rings and a sweep going round.
void RadarScreen(cairo_t* cairo, int frame)
{
    cairo_rectangle(cairo, 0.0, 0.0, screenWidth, screenHeight);
    FillPlain(cairo, screenDeep);
    constexpr double x = screenWidth / 2.0;
    constexpr double y = screenHeight / 2.0;
    for (const double r : {12.0, 22.0, 32.0}) {
        Circle(cairo, x, y, r);
        SetColour(cairo, colour::acid, 0.5);
        cairo_set_line_width(cairo, 1.2);
        cairo_stroke(cairo);
    }
    const double angle = frame * 2.0 * pi / screenFrames - pi / 2.0;
    cairo_move_to(cairo, x, y);
    cairo_arc(cairo, x, y, 32.0, angle - 0.9, angle);
    cairo_close_path(cairo);
    FillPlain(cairo, colour::acid, 0.35);
    Line(cairo, x, y, x + 32.0 * std::cos(angle), y + 32.0 * std::sin(angle), tone::acidLight, 2.0);
    for (const auto& [bx, by] : {std::pair{x + 18.0, y - 10.0}, std::pair{x - 12.0, y + 16.0}}) {
        Circle(cairo, bx, by, 2.5);
        FillPlain(cairo, tone::acidLight);
    }
    DrawArtText(cairo, "RADAR", 26.0, 14.0, 9.0, tone::acidLight);
}

// The Baron's crest on a screen: a shield with a crowned B, a monocle
// flashing on it.
void CrestScreen(cairo_t* cairo, int frame)
{
    cairo_rectangle(cairo, 0.0, 0.0, screenWidth, screenHeight);
    FillPlain(cairo, 0x2A1E4A);
    constexpr double x = screenWidth / 2.0;
    cairo_move_to(cairo, x - 22.0, 18.0);
    cairo_line_to(cairo, x + 22.0, 18.0);
    cairo_line_to(cairo, x + 22.0, 42.0);
    cairo_curve_to(cairo, x + 20.0, 56.0, x + 6.0, 64.0, x, 66.0);
    cairo_curve_to(cairo, x - 6.0, 64.0, x - 20.0, 56.0, x - 22.0, 42.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::violet, tone::violetLight, 2.0);
    DrawArtText(cairo, "B", x, 52.0, 24.0, goldLight);
    CrownPath(cairo, x, 14.0, 16.0, 12.0);
    FillPlain(cairo, goldLight);
    if (frame == 1)
        Glow(cairo, x + 10.0, 36.0, 14.0, tone::white, 0.9);
}

// Readings on a screen: a wave running along and bars rising and falling.
void ReadingsScreen(cairo_t* cairo, int frame)
{
    cairo_rectangle(cairo, 0.0, 0.0, screenWidth, screenHeight);
    FillPlain(cairo, screenDeep);
    const double phase = frame * 2.0 * pi / screenFrames;
    cairo_move_to(cairo, 6.0, 24.0);
    for (double x = 6.0; x <= screenWidth - 6.0; x += 3.0)
        cairo_line_to(cairo, x, 24.0 + 12.0 * std::sin(x / 14.0 + phase));
    SetColour(cairo, colour::tealLight, 0.9);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    for (int bar = 0; bar < 8; ++bar) {
        const double level = 10.0 + 10.0 * (1.0 + std::sin(bar * 1.7 + phase));
        cairo_rectangle(cairo, 14.0 + bar * 20.0, screenHeight - 6.0 - level, 12.0, level);
        FillPlain(cairo, bar % 3 == 0 ? colour::orangeLight : colour::acid, 0.8);
    }
}

// The wall of monitors: a steel frame of six screens, each with its
// picture, scan lines and sheen, and a row of little lamps along the foot.
void Monitors(cairo_t* cairo, int frame)
{
    constexpr double w = monitorsWidth;
    constexpr double h = monitorsHeight;
    RoundedRectangle(cairo, 2.0, 2.0, w - 4.0, h - 4.0, 10.0);
    FillOutlined(cairo, tone::steelLight, steelDark, 3.0);
    RoundedRectangle(cairo, 10.0, 10.0, w - 20.0, h - 36.0, 6.0);
    FillPlain(cairo, 0x3A3458);
    using Screen = void (*)(cairo_t*, int);
    constexpr Screen screens[] = {YardScreen, RampScreen, CollectionScreen, RadarScreen, CrestScreen, ReadingsScreen};
    for (int index = 0; index < 6; ++index) {
        const double x = 18.0 + (index % 3) * (screenWidth + 12.0);
        const double y = 16.0 + (index / 3) * (screenHeight + 8.0);
        cairo_save(cairo);
        cairo_translate(cairo, x, y);
        cairo_rectangle(cairo, 0.0, 0.0, screenWidth, screenHeight);
        cairo_clip(cairo);
        screens[index](cairo, frame);
        for (double line = 2.0 + frame; line < screenHeight; line += 4.0)
            Line(cairo, 0.0, line, screenWidth, line, tone::white, 1.0, 0.07);
        Shine(cairo, 8.0, 8.0, 40.0, 8.0, 3.0, 0.25);
        cairo_restore(cairo);
        cairo_rectangle(cairo, x, y, screenWidth, screenHeight);
        StrokeOutline(cairo, 2.5);
    }
    // The foot with its lamps, blinking in turn.
    for (int lamp = 0; lamp < 14; ++lamp) {
        const double x = 40.0 + lamp * 40.0;
        const bool lit = (lamp + frame) % 4 != 0;
        const std::uint32_t rgb = lamp % 3 == 0 ? alarmRed : (lamp % 3 == 1 ? colour::acid : colour::tealLight);
        Circle(cairo, x, h - 13.0, 4.5);
        FillOutlined(cairo, lit ? rgb : 0x4A4668, colour::outline, 1.5);
    }
    for (const double x : {16.0, w - 16.0})
        for (const double y : {h - 13.0}) {
            Circle(cairo, x, y, 3.0);
            FillOutlined(cairo, tone::steelLight, steelDark, 1.0);
        }
}

// The launch console: a sloping desk of buttons and switches round a small
// screen showing the flight path, over a violet body with a warning band,
// and on its right the big red lever standing in its slot.
void Console(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = consoleWidth;
    constexpr double foot = consoleHeight - 4.0;
    constexpr double deskTop = 70.0;
    constexpr double leverX = 226.0;
    // The body with its warning band and vents.
    cairo_rectangle(cairo, 8.0, deskTop + 30.0, w - 16.0, foot - deskTop - 30.0);
    SetVerticalGradient(cairo, deskTop + 30.0, foot, colour::violet, violetDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    HazardBand(cairo, 14.0, foot - 16.0, w - 14.0, foot - 5.0, 2.0);
    for (double y = deskTop + 44.0; y < foot - 26.0; y += 7.0)
        Line(cairo, 24.0, y, 80.0, y, colour::outline, 2.5, 0.55);
    // The sloping desk.
    cairo_move_to(cairo, 2.0, deskTop + 30.0);
    cairo_line_to(cairo, 22.0, deskTop);
    cairo_line_to(cairo, w - 22.0, deskTop);
    cairo_line_to(cairo, w - 2.0, deskTop + 30.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    // The flight path's screen.
    RoundedRectangle(cairo, 88.0, deskTop + 4.0, 70.0, 22.0, 3.0);
    FillOutlined(cairo, screenDeep, colour::outline, 2.0);
    cairo_move_to(cairo, 94.0, deskTop + 22.0);
    cairo_curve_to(cairo, 110.0, deskTop + 4.0, 134.0, deskTop + 4.0, 150.0, deskTop + 14.0);
    SetColour(cairo, colour::acid);
    cairo_set_line_width(cairo, 1.5);
    cairo_stroke(cairo);
    Circle(cairo, 150.0, deskTop + 14.0, 3.0);
    FillPlain(cairo, colour::tealLight);
    // Rows of buttons either side.
    constexpr std::uint32_t buttons[] = {alarmRed, colour::acid, colour::tealLight, colour::orangeLight};
    for (int row = 0; row < 2; ++row)
        for (int button = 0; button < 4; ++button) {
            Circle(cairo, 34.0 + button * 13.0 + row * 4.0, deskTop + 10.0 + row * 11.0, 4.0);
            FillOutlined(cairo, buttons[(row + button) % 4], colour::outline, 1.5);
            cairo_rectangle(cairo, 166.0 + button * 9.0 + row * 3.0, deskTop + 6.0 + row * 12.0, 6.0, 8.0);
            FillOutlined(cairo, tone::white, steelDark, 1.2);
        }
    // The lever's slot and plate, the lever and its big red knob.
    RoundedRectangle(cairo, leverX - 20.0, deskTop + 8.0, 40.0, 18.0, 4.0);
    FillOutlined(cairo, 0x3A3458, colour::outline, 2.0);
    DrawArtText(cairo, "START", leverX, deskTop + 46.0, 11.0, colour::hibiscus);
    cairo_move_to(cairo, leverX, deskTop + 16.0);
    cairo_line_to(cairo, leverX - 8.0, 24.0);
    StrokeBand(cairo, tone::steelLight, 6.0, 10.0);
    Glow(cairo, leverX - 8.0, 18.0, 22.0, alarmRed, 0.35);
    Circle(cairo, leverX - 8.0, 18.0, 14.0);
    SetRadialGradient(cairo, leverX - 12.0, 13.0, 16.0, 0xFF8A8A, alarmRed);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    Shine(cairo, leverX - 14.0, 12.0, leverX - 10.0, 9.0, 3.0, 0.8);
}

// The commander's chair: a tall back of buttoned violet velvet in a golden
// frame under the Baron's crown, steel armrests, a plump seat and a swivel
// foot of five spokes.
void Chair(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = chairWidth;
    constexpr double foot = chairHeight - 6.0;
    constexpr double middle = w / 2.0;
    // The swivel foot and its column.
    for (const double spoke : {-1.0, -0.45, 0.45, 1.0}) {
        cairo_move_to(cairo, middle, foot - 12.0);
        cairo_line_to(cairo, middle + spoke * 52.0, foot - 2.0);
        StrokeBand(cairo, colour::steel, 5.0, 9.0);
        Circle(cairo, middle + spoke * 52.0, foot - 1.0, 5.0);
        FillOutlined(cairo, 0x4A4668, colour::outline, 1.5);
    }
    cairo_rectangle(cairo, middle - 8.0, 150.0, 16.0, foot - 160.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    // The back: a tall rounded shape with a crown on top.
    cairo_move_to(cairo, 16.0, 140.0);
    cairo_line_to(cairo, 12.0, 50.0);
    cairo_curve_to(cairo, 14.0, 30.0, 40.0, 24.0, middle, 22.0);
    cairo_curve_to(cairo, w - 40.0, 24.0, w - 14.0, 30.0, w - 12.0, 50.0);
    cairo_line_to(cairo, w - 16.0, 140.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, goldLight, goldDark, 3.0);
    cairo_move_to(cairo, 26.0, 136.0);
    cairo_line_to(cairo, 23.0, 54.0);
    cairo_curve_to(cairo, 26.0, 38.0, 46.0, 34.0, middle, 33.0);
    cairo_curve_to(cairo, w - 46.0, 34.0, w - 26.0, 38.0, w - 23.0, 54.0);
    cairo_line_to(cairo, w - 26.0, 136.0);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, 33.0, 136.0, velvet, velvetDark);
    cairo_fill(cairo);
    // Its buttons in a diamond pattern.
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3 + row % 2; ++column) {
            const double x = middle + (column - (2.0 + row % 2) / 2.0) * 24.0;
            Circle(cairo, x, 56.0 + row * 20.0, 2.5);
            FillOutlined(cairo, goldLight, goldDark, 1.0);
        }
    // The crown on top.
    CrownPath(cairo, middle, 26.0, 26.0, 24.0);
    FillOutlined(cairo, goldLight, gold, 2.5);
    Circle(cairo, middle, 18.0, 3.5);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 1.2);
    // The seat and the armrests.
    cairo_move_to(cairo, 14.0, 130.0);
    cairo_curve_to(cairo, 20.0, 120.0, w - 20.0, 120.0, w - 14.0, 130.0);
    cairo_line_to(cairo, w - 10.0, 152.0);
    cairo_curve_to(cairo, w - 30.0, 160.0, 30.0, 160.0, 10.0, 152.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::violetLight, velvet, 3.0);
    for (const double side : {-1.0, 1.0}) {
        const double x = middle + side * (middle - 8.0);
        RoundedRectangle(cairo, x - 9.0, 98.0, 18.0, 44.0, 6.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
        Circle(cairo, x, 104.0, 3.0);
        FillOutlined(cairo, side < 0 ? colour::acid : alarmRed, colour::outline, 1.2);
    }
    Shine(cairo, 20.0, 56.0, 20.0, 120.0, 3.0, 0.5);
}

// The star chart: a framed night sky with its stars, the moon base's
// little violet moon, the route drawn in dashes and Wakalua circled in
// red with its name.
void StarChart(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = chartWidth;
    constexpr double h = chartHeight;
    RoundedRectangle(cairo, 2.0, 2.0, w - 4.0, h - 4.0, 5.0);
    FillOutlined(cairo, tone::steelLight, steelDark, 3.0);
    cairo_rectangle(cairo, 10.0, 10.0, w - 20.0, h - 20.0);
    SetVerticalGradient(cairo, 10.0, h - 10.0, colour::night, colour::nightDeep);
    cairo_fill(cairo);
    DrawStarfield(cairo, 10.0, 10.0, w - 20.0, h - 20.0, 61u);
    // Grid lines.
    for (double x = 40.0; x < w - 10.0; x += 30.0)
        Line(cairo, x, 10.0, x, h - 10.0, colour::tealLight, 1.0, 0.18);
    for (double y = 40.0; y < h - 10.0; y += 30.0)
        Line(cairo, 10.0, y, w - 10.0, y, colour::tealLight, 1.0, 0.18);
    // The route from the base's moon to Wakalua.
    cairo_move_to(cairo, 36.0, h - 34.0);
    cairo_curve_to(cairo, 60.0, 30.0, 100.0, 40.0, 122.0, 52.0);
    const double dashes[] = {5.0, 4.0};
    cairo_set_dash(cairo, dashes, 2, 0.0);
    SetColour(cairo, colour::orangeLight);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    cairo_set_dash(cairo, nullptr, 0, 0.0);
    DrawPlanet(cairo, 36.0, h - 34.0, 9.0, tone::violetLight, colour::violet, false);
    DrawPlanet(cairo, 130.0, 58.0, 12.0, colour::turquoise, colour::teal, false);
    Circle(cairo, 130.0, 58.0, 20.0);
    StrokeBand(cairo, colour::hibiscus, 2.5, 5.0);
    DrawArtText(cairo, "WAKALUA", 126.0, 98.0, 10.0, colour::hibiscus);
    DrawArtText(cairo, "BASIS", 44.0, h - 16.0, 8.0, tone::violetLight);
    cairo_rectangle(cairo, 10.0, 10.0, w - 20.0, h - 20.0);
    StrokeOutline(cairo, 2.0);
}

// The coffee machine on its cabinet: a steel body with a violet top, a
// round gauge and a spout over a mug with a little crown on it, steam
// curling up from the mug.
void CoffeeMachine(cairo_t* cairo, int frame)
{
    constexpr double w = machineWidth;
    constexpr double foot = machineHeight - 4.0;
    constexpr double cabinetTop = 100.0;
    constexpr double machineTop = 30.0;
    // The cabinet.
    cairo_rectangle(cairo, 4.0, cabinetTop, w - 8.0, foot - cabinetTop);
    SetVerticalGradient(cairo, cabinetTop, foot, colour::steel, steelDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    RoundedRectangle(cairo, 0.0, cabinetTop - 6.0, w, 10.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    for (const double y : {cabinetTop + 20.0, cabinetTop + 52.0}) {
        RoundedRectangle(cairo, w / 2.0 - 12.0, y, 24.0, 6.0, 3.0);
        FillOutlined(cairo, tone::steelLight, steelDark, 1.5);
    }
    // The machine.
    RoundedRectangle(cairo, 10.0, machineTop, w - 20.0, cabinetTop - 6.0 - machineTop, 6.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    RoundedRectangle(cairo, 8.0, machineTop - 4.0, w - 16.0, 14.0, 5.0);
    FillOutlined(cairo, tone::violetLight, colour::violet, 2.5);
    // The gauge and a lamp.
    Circle(cairo, 30.0, machineTop + 24.0, 9.0);
    FillOutlined(cairo, tone::white, steelDark, 2.0);
    Line(cairo, 30.0, machineTop + 24.0, 35.0, machineTop + 19.0, alarmRed, 1.5);
    Circle(cairo, w - 28.0, machineTop + 22.0, 4.0);
    FillOutlined(cairo, colour::acid, colour::outline, 1.2);
    // The hollow under the spout, the spout and the mug.
    cairo_rectangle(cairo, 24.0, machineTop + 38.0, w - 48.0, cabinetTop - 6.0 - machineTop - 42.0);
    FillPlain(cairo, 0x3A3458);
    cairo_rectangle(cairo, w / 2.0 - 5.0, machineTop + 38.0, 10.0, 8.0);
    FillOutlined(cairo, tone::steelLight, steelDark, 1.5);
    constexpr double mugTop = cabinetTop - 30.0;
    RoundedRectangle(cairo, w / 2.0 - 12.0, mugTop, 24.0, 24.0, 4.0);
    FillOutlined(cairo, tone::white, tone::steelLight, 2.0);
    cairo_arc(cairo, w / 2.0 + 13.0, mugTop + 11.0, 6.0, -pi / 2.0, pi / 2.0);
    StrokeOutline(cairo, 2.5);
    Ellipse(cairo, w / 2.0, mugTop + 2.0, 10.0, 2.5);
    FillPlain(cairo, coffee);
    cairo_move_to(cairo, w / 2.0 - 6.0, mugTop + 16.0);
    cairo_line_to(cairo, w / 2.0 - 7.0, mugTop + 9.0);
    cairo_line_to(cairo, w / 2.0 - 3.0, mugTop + 12.0);
    cairo_line_to(cairo, w / 2.0, mugTop + 8.0);
    cairo_line_to(cairo, w / 2.0 + 3.0, mugTop + 12.0);
    cairo_line_to(cairo, w / 2.0 + 7.0, mugTop + 9.0);
    cairo_line_to(cairo, w / 2.0 + 6.0, mugTop + 16.0);
    cairo_close_path(cairo);
    FillPlain(cairo, gold);
    // The steam, curling and rising through the frames, out over the top.
    const double phase = frame * 2.0 * pi / steamFrames;
    for (int puff = 0; puff < 3; ++puff) {
        const double rise = std::fmod(frame * 6.0 + puff * 8.0, 24.0);
        const double x = w / 2.0 + 5.0 * std::sin(phase + puff * 2.0);
        Circle(cairo, x, mugTop - 6.0 - rise, 3.0 + rise * 0.12);
        FillPlain(cairo, tone::white, 0.55 - rise * 0.015);
    }
    Shine(cairo, 16.0, machineTop + 14.0, 16.0, cabinetTop - 16.0, 3.0, 0.45);
}

} // namespace

RoomDescription RoomKontrollraum()
{
    RoomDescription room;
    room.label = roomKontrollraum;
    room.folder = "data\\level06\\roomkontrollraum\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The floor in front of the console and the chair, and the step into
    // the door's opening.
    room.floor = {{{10.0, 548.0}, {1014.0, 548.0}, {1014.0, 652.0}, {10.0, 652.0}},
                  {{50.0, 500.0}, {130.0, 500.0}, {130.0, 556.0}, {50.0, 556.0}}};
    room.leads = {{{40.0, 610.0}, {990.0, 610.0}},  {{90.0, 504.0}, {100.0, 572.0}, {100.0, 610.0}},
                  {{300.0, 610.0}, {300.0, 566.0}}, {{505.0, 610.0}, {505.0, 574.0}},
                  {{640.0, 610.0}, {640.0, 586.0}}, {{850.0, 610.0}, {850.0, 566.0}},
                  {{904.0, 610.0}, {904.0, 584.0}}};
    room.backY = 420;
    room.frontY = 720;
    room.light = 0xD4DCF0;
    room.lightPools = {{{monitorsX + monitorsWidth / 2.0, 570.0}, 240.0, 50.0, 0xC8F4EC},
                       {{consoleX + 218.0, 560.0}, 50.0, 24.0, 0xFFB0A8}};
    room.graphics = {
        BaseDoor("tuer_basis", doorX, doorY, doorWidth, doorHeight),
        {"warnlampe", lampX, lampY, 2 * lampReach, 2 * lampReach, lampFrames, WarningLamp},
        {"monitore", monitorsX, monitorsY, monitorsWidth, monitorsHeight, screenFrames, Monitors},
        {"startpult", consoleX, consoleY, consoleWidth, consoleHeight, 1, Console},
        {"sessel", chairX, chairY, chairWidth, chairHeight, 1, Chair},
        {"sternenkarte", chartX, chartY, chartWidth, chartHeight, 1, StarChart},
        {"kaffeemaschine", machineX, machineY, machineWidth, machineHeight, steamFrames, CoffeeMachine},
    };
    room.ambience = Ambience::controlRoom;
    return room;
}

levels::RoomStaging KontrollraumStaging()
{
    using items::FullName;
    return {
        {{"TuerBasis",
          "Zur Halle",
          roomKontrollraum,
          FullName("RoomBasis", "TuerKontrollraum"),
          {90, 504},
          {100, 572},
          "tuer_basis"}},
        {},
        {},
        {{"monitore", "Monitore", {300, 566}, Entity::up},
         {"startpult", "Startpult", {505, 574}, Entity::up},
         {"sessel", "Kommandosessel", {640, 586}, Entity::rightUp},
         {"kaffeemaschine", "Kaffeemaschine", {904, 584}, Entity::rightUp},
         {"sternenkarte", "Sternenkarte", {850, 566}, Entity::up}},
    };
}

} // namespace content::rooms
