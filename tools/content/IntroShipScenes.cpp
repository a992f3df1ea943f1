// The intro's shots aboard the Zephyra: the twins at the controls on the
// bridge, and the hyperdrive crystal cracking.

#include "IntroCast.h"
#include "IntroMotion.h"
#include "IntroScenes.h"
#include "SceneFigures.h"
#include "SceneShapes.h"
#include "ShipStyle.h"
#include "SpriteArt.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace content::intro {

namespace {

// --- The bridge ------------------------------------------------------------------

// When Lotte's finger reaches the big red button, and when Mia's camera
// flashes, seconds into the bridge shot.
constexpr double buttonPressed = 8.2;
constexpr double photoFlash = 3.2;
constexpr double buttonX = 560.0;
constexpr double buttonY = 438.0;

void BridgeWindow(cairo_t* cairo, double seconds)
{
    cairo_save(cairo);
    RoundedRectangle(cairo, 110.0, 70.0, 580.0, 250.0, 40.0);
    cairo_clip(cairo);
    SetVerticalGradient(cairo, 70.0, 320.0, colour::nightDeep, colour::night);
    cairo_paint(cairo);
    Glow(cairo, 520.0, 160.0, 200.0, colour::violet, 0.35);
    DrawStarLayer(cairo, 51, 90, seconds * 40.0, 800.0, 1.0, 0.8);
    // Stars streaking past at cruising speed.
    for (int streak = 0; streak < 14; ++streak) {
        const double x = std::fmod(streak * 131.0 - seconds * 260.0, 800.0);
        const double streakX = x < 0.0 ? x + 800.0 : x;
        const double y = 90.0 + std::fmod(streak * 67.0, 210.0);
        cairo_move_to(cairo, streakX, y);
        cairo_line_to(cairo, streakX + 40.0, y);
    }
    SetColour(cairo, colour::cream, 0.5);
    cairo_set_line_width(cairo, 2.0);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cairo);
    DrawPlanet(cairo, 600.0 - seconds * 6.0, 130.0, 34.0, colour::orangeLight, colour::orange, true);
    cairo_restore(cairo);
    RoundedRectangle(cairo, 110.0, 70.0, 580.0, 250.0, 40.0);
    StrokeBand(cairo, colour::teal, 6.0, 12.0);
    cairo_move_to(cairo, 400.0, 70.0);
    cairo_line_to(cairo, 400.0, 320.0);
    StrokeBand(cairo, tone::steelLight, 6.0, 11.0);
}

// The console under the window: a row of blinking lamps, levers, a screen,
// and the big red button. After it is pressed, every lamp turns red.
void Console(cairo_t* cairo, double seconds)
{
    const bool alarm = seconds >= buttonPressed;
    cairo_move_to(cairo, 40.0, 600.0);
    cairo_line_to(cairo, 80.0, 410.0);
    cairo_line_to(cairo, 720.0, 410.0);
    cairo_line_to(cairo, 760.0, 600.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 4.0);
    RoundedRectangle(cairo, 90.0, 420.0, 620.0, 60.0, 14.0);
    FillOutlined(cairo, ship::panelTop, ship::panelBottom, 3.0);
    constexpr std::uint32_t lamps[] = {colour::tealLight, colour::orangeLight, colour::acid, colour::turquoise};
    for (int lamp = 0; lamp < 9; ++lamp) {
        const bool lit = alarm ? std::fmod(seconds * 4.0, 1.0) < 0.5
                               : std::fmod(seconds * 1.7 + lamp * 0.37, 1.0) < 0.6;
        const std::uint32_t light = alarm ? colour::hibiscus : lamps[lamp % 4];
        Circle(cairo, 118.0 + lamp * 34.0, 450.0, 9.0);
        FillOutlined(cairo, lit ? light : colour::nightLight, lit ? light : colour::night, 2.5);
    }
    // The screen with its course line.
    RoundedRectangle(cairo, 430.0, 428.0, 90.0, 44.0, 8.0);
    FillOutlined(cairo, colour::nightDeep, colour::night, 2.5);
    cairo_move_to(cairo, 438.0, 460.0);
    for (int step = 1; step <= 8; ++step)
        cairo_line_to(cairo, 438.0 + step * 9.5, 450.0 + 8.0 * std::sin(step + seconds * 4.0));
    SetColour(cairo, alarm ? colour::hibiscus : colour::acid);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    for (const double x : {620.0, 660.0}) {
        const double tilt = 0.3 * std::sin(seconds * 1.3 + x);
        cairo_move_to(cairo, x, 470.0);
        cairo_line_to(cairo, x + 30.0 * std::sin(tilt), 470.0 - 36.0 * std::cos(tilt));
        StrokeBand(cairo, tone::steelLight, 5.0, 10.0);
        Circle(cairo, x + 30.0 * std::sin(tilt), 470.0 - 36.0 * std::cos(tilt), 7.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
    }
    // The big red button sinks in when pressed.
    const double press = alarm ? 4.0 : 0.0;
    Ellipse(cairo, buttonX, buttonY + 8.0, 24.0, 10.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    Ellipse(cairo, buttonX, buttonY + press, 19.0, 9.0);
    cairo_rectangle(cairo, buttonX - 19.0, buttonY + press, 38.0, 8.0 - press);
    FillUnion(cairo, tone::hibiscusLight, colour::hibiscus, 2.5);
}

void Bridge(cairo_t* cairo, double seconds)
{
    SetVerticalGradient(cairo, 0.0, 600.0, ship::panelTop, ship::panelBottom);
    cairo_paint(cairo);
    for (int plate = 0; plate < 5; ++plate)
        ship::DrawPlate(cairo, -20.0 + plate * 170.0, 10.0, 160.0, 40.0, colour::nightLight, ship::panelTop);
    for (const double x : {40.0, 760.0}) {
        ship::DrawPorthole(cairo, x, 200.0, 28.0);
    }
    BridgeWindow(cairo, seconds);
    DrawKira(cairo, 700.0 + 10.0 * std::sin(seconds * 0.9), 140.0 + 8.0 * std::sin(seconds * 1.7), 0.55);
    Console(cairo, seconds);
    // Juna at the controls throws up her arms when the alarm goes.
    const double alarm = Progress(seconds, buttonPressed + 0.1, buttonPressed + 0.4);
    const Pose juna{.frontArm = Lerp(1.3, 2.8, alarm), .backArm = Lerp(1.1, 2.6, alarm),
                    .mouth = alarm * (0.5 + 0.5 * std::sin(seconds * 20.0))};
    DrawPerson(cairo, Person::juna, 170.0, 640.0, 1.3, 1.0, juna);
    // Lotte reaches for the button (and draws back once, while Mia looks
    // at her); Mia takes her picture.
    const double reach = std::max(0.4 * EaseInOut(Progress(seconds, 1.0, 2.0)) * (1.0 - Progress(seconds, 4.6, 5.2)),
                                  EaseInOut(Progress(seconds, 6.4, buttonPressed)));
    const bool lotteTalks = seconds > 4.5 && seconds < 6.1;
    const Pose lotte{.frontArm = Lerp(0.5, 2.0, reach), .backArm = -0.3,
                     .mouth = lotteTalks ? 0.5 + 0.5 * std::sin(seconds * 22.0) : 0.0};
    DrawPerson(cairo, Person::lotte, 480.0, 601.0, 1.45, 1.0, lotte);
    const bool miaTalks = seconds > 6.6 && seconds < 7.8;
    const Pose mia{.frontArm = 1.4, .backArm = 1.2, .mouth = miaTalks ? 0.5 + 0.5 * std::sin(seconds * 18.0) : 0.0};
    DrawPerson(cairo, Person::mia, 700.0, 615.0, 1.4, -1.0, mia);
    if (seconds >= photoFlash && seconds < photoFlash + 0.6) {
        const double flash = 1.0 - (seconds - photoFlash) / 0.6;
        Glow(cairo, 655.0, 475.0, 170.0, colour::cream, 0.9 * flash);
    }
    if (seconds >= buttonPressed) {
        SetColour(cairo, colour::hibiscus, 0.18 + 0.12 * std::sin((seconds - buttonPressed) * 12.0));
        cairo_paint(cairo);
    }
}

// --- The crystal ---------------------------------------------------------------

// When the crystal cracks, seconds into its shot: on the music's crash.
constexpr double crack = 3.6;

void CrystalChamber(cairo_t* cairo, double seconds, double glow)
{
    SetVerticalGradient(cairo, 0.0, 600.0, colour::nightLight, colour::nightDeep);
    cairo_paint(cairo);
    // Pipes along the walls.
    for (const double y : {120.0, 480.0}) {
        cairo_move_to(cairo, -20.0, y);
        cairo_line_to(cairo, 820.0, y);
        StrokeBand(cairo, tone::steelLight, 16.0, 24.0);
    }
    for (const double x : {140.0, 660.0}) {
        cairo_move_to(cairo, x, -20.0);
        cairo_line_to(cairo, x, 620.0);
        StrokeBand(cairo, colour::steel, 22.0, 30.0);
        for (int rivet = 0; rivet < 6; ++rivet)
            ship::DrawRivet(cairo, x, 40.0 + rivet * 105.0);
    }
    const std::uint32_t light = seconds < crack ? colour::tealLight : colour::orangeLight;
    Glow(cairo, 400.0, 300.0, 260.0 * glow, light, 0.5);
    // The glass tube the crystal floats in, between two steel rings.
    RoundedRectangle(cairo, 310.0, 150.0, 180.0, 300.0, 40.0);
    SetColour(cairo, colour::tealLight, 0.18);
    cairo_fill_preserve(cairo);
    StrokeBand(cairo, colour::cream, 2.0, 5.0, 0.6);
    for (const double y : {150.0, 450.0}) {
        Ellipse(cairo, 400.0, y, 110.0, 26.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
        for (int lamp = -2; lamp <= 2; ++lamp) {
            const bool lit = std::fmod(seconds * 2.0 + lamp * 0.2, 1.0) < 0.5 || seconds >= crack;
            Circle(cairo, 400.0 + lamp * 36.0, y + 6.0, 5.0);
            FillPlain(cairo, lit ? (seconds < crack ? colour::acid : colour::hibiscus) : colour::night);
        }
    }
}

void CrackLine(cairo_t* cairo, double grown)
{
    constexpr double points[][2] = {{400.0, 210.0}, {392.0, 250.0}, {412.0, 280.0}, {396.0, 312.0},
                                    {414.0, 345.0}, {402.0, 385.0}};
    const int count = 1 + static_cast<int>(grown * 5.0);
    cairo_move_to(cairo, points[0][0], points[0][1]);
    for (int point = 1; point <= count && point < 6; ++point)
        cairo_line_to(cairo, points[point][0], points[point][1]);
    cairo_move_to(cairo, points[2][0], points[2][1]);
    if (count >= 3)
        cairo_line_to(cairo, 436.0, 296.0);
    StrokeBand(cairo, colour::cream, 2.5, 6.0);
}

void Sparks(cairo_t* cairo, double since)
{
    for (int spark = 0; spark < 16; ++spark) {
        const double angle = spark * 2.0 * std::numbers::pi / 16.0 + 0.3 * std::sin(spark * 7.0);
        const double speed = 180.0 + 60.0 * std::sin(spark * 3.1);
        const double x = 400.0 + std::cos(angle) * speed * since;
        const double y = 300.0 + std::sin(angle) * speed * since + 120.0 * since * since;
        Circle(cairo, x, y, 4.0 * (1.0 - since));
    }
    FillPlain(cairo, colour::orangeLight, 1.0 - since);
}

} // namespace

void DrawBridgeShot(cairo_t* cairo, double seconds)
{
    Camera camera = Camera::Towards(EaseInOut(seconds / 9.6), 470.0, 360.0, 1.22);
    camera.Jolt(seconds, buttonPressed, 8.0, 2.0);
    camera.Apply(cairo);
    Bridge(cairo, seconds);
    cairo_restore(cairo);
}

void DrawCrystalShot(cairo_t* cairo, double seconds)
{
    Camera camera;
    camera.zoom = Lerp(1.0, 1.35, EaseIn(seconds / crack));
    camera.Jolt(seconds, crack, 10.0, 2.5);
    camera.Apply(cairo);
    const double pulse = 1.0 + 0.06 * std::sin(seconds * 7.0);
    CrystalChamber(cairo, seconds, pulse * Lerp(0.8, 1.2, Progress(seconds, 0.0, crack)));
    DrawCrystal(cairo, 400.0, 300.0, 90.0 * pulse);
    if (seconds >= crack) {
        CrackLine(cairo, Progress(seconds, crack, crack + 0.2));
        if (seconds < crack + 1.0)
            Sparks(cairo, seconds - crack);
    }
    cairo_restore(cairo);
    // The flash: up in a moment, then fading to a glare.
    if (seconds >= crack - 0.05) {
        const double flash = seconds < crack + 0.1 ? Progress(seconds, crack - 0.05, crack + 0.1)
                                                   : 0.25 + 0.75 * std::exp(-(seconds - crack - 0.1) * 4.0);
        SetColour(cairo, colour::cream, flash);
        cairo_paint(cairo);
    }
}

} // namespace content::intro
