#include "minigames/TaxiShips.h"

#include "SceneShapes.h"
#include "characters/Episode1Cast.h"
#include "minigames/Dice.h"
#include "minigames/SoftEllipse.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace content::minigames {

namespace {

constexpr double pi = std::numbers::pi;

// Flame lengths of the flight loop, so that the flames flicker.
constexpr double flicker[flightFrames] = {1.0, 0.78, 0.92, 0.7};

// Tin, the robots' metal, and their purple.
constexpr std::uint32_t tinLight = tone::steelLight;
constexpr std::uint32_t tin = colour::steel;
constexpr std::uint32_t purpleLight = tone::violetLight;
constexpr std::uint32_t purple = colour::violet;
constexpr std::uint32_t smokeLight = 0x8C86A8;
constexpr std::uint32_t smoke = 0x55506E;

// The taxi's body outline: a low trunk, a cabin and a long bonnet.
void TaxiBody(cairo_t* cairo)
{
    cairo_move_to(cairo, 24.0, 63.0);
    cairo_curve_to(cairo, 14.0, 63.0, 11.0, 58.0, 11.0, 52.0);
    cairo_line_to(cairo, 12.0, 44.0);
    cairo_curve_to(cairo, 12.5, 40.0, 15.0, 39.0, 19.0, 39.0);
    cairo_line_to(cairo, 46.0, 38.0);
    cairo_curve_to(cairo, 50.0, 29.0, 53.0, 25.5, 59.0, 25.0);
    cairo_line_to(cairo, 90.0, 25.0);
    cairo_curve_to(cairo, 96.0, 25.5, 102.0, 32.0, 108.0, 35.0);
    cairo_line_to(cairo, 150.0, 36.0);
    cairo_curve_to(cairo, 160.0, 37.0, 165.0, 41.0, 165.0, 48.0);
    cairo_line_to(cairo, 164.0, 55.0);
    cairo_curve_to(cairo, 163.0, 60.0, 159.0, 63.0, 152.0, 63.0);
    cairo_close_path(cairo);
}

// A passenger's head in a window: face, hair and, for the twins, pigtails.
void Head(cairo_t* cairo, double x, double y, const characters::FigureLook& look, bool pigtails)
{
    if (pigtails)
        for (const double side : {-1.0, 1.0}) {
            Circle(cairo, x + side * 4.8, y + 1.5, 2.0);
            FillOutlined(cairo, look.hair, look.hairShade, 1.0);
        }
    Circle(cairo, x, y, 4.2);
    FillOutlined(cairo, look.skin, look.skinShade, 1.0);
    // Hair over the top of the head.
    cairo_arc(cairo, x, y - 0.5, 4.4, pi, 2.0 * pi);
    cairo_close_path(cairo);
    FillOutlined(cairo, look.hair, look.hairShade, 1.0);
    // Looking ahead: an eye on the right.
    Circle(cairo, x + 2.0, y + 0.5, 0.8);
    FillPlain(cairo, colour::outline);
}

// Rocko at the wheel: his checkered cap.
void Rocko(cairo_t* cairo, double x, double y)
{
    Circle(cairo, x, y, 4.4);
    FillOutlined(cairo, 0xF2C49A, 0xD89A6E, 1.0);
    RoundedRectangle(cairo, x - 4.8, y - 6.0, 9.6, 4.0, 1.5);
    FillOutlined(cairo, colour::cream, colour::sand, 1.0);
    cairo_rectangle(cairo, x - 3.5, y - 5.5, 2.3, 1.5);
    cairo_rectangle(cairo, x + 1.2, y - 5.5, 2.3, 1.5);
    cairo_rectangle(cairo, x - 1.2, y - 4.0, 2.3, 1.5);
    FillPlain(cairo, colour::outline);
    cairo_rectangle(cairo, x + 3.0, y - 2.6, 3.5, 1.3);
    FillPlain(cairo, colour::outline);
    Circle(cairo, x + 2.2, y + 0.3, 0.8);
    FillPlain(cairo, colour::outline);
}

// The windows and who sits behind them; Mia holds her camera out of the
// rear window, its lens to the back.
void Windows(cairo_t* cairo)
{
    const auto glass = [cairo](double left, double right, double slantLeft, double slantRight) {
        cairo_move_to(cairo, left + slantLeft, 28.5);
        cairo_line_to(cairo, right - slantRight, 28.5);
        cairo_line_to(cairo, right, 41.0);
        cairo_line_to(cairo, left, 41.0);
        cairo_close_path(cairo);
    };
    glass(50.0, 64.0, 5.0, 0.0);
    glass(67.0, 82.0, 0.0, 0.0);
    glass(85.0, 101.0, 0.0, 6.0);
    SetVerticalGradient(cairo, 28.5, 41.0, colour::cream, colour::tealLight);
    cairo_fill(cairo);
    cairo_save(cairo);
    glass(50.0, 64.0, 5.0, 0.0);
    glass(67.0, 82.0, 0.0, 0.0);
    glass(85.0, 101.0, 0.0, 6.0);
    cairo_clip(cairo);
    Head(cairo, 59.5, 36.0, characters::LotteLook(), true);
    Head(cairo, 74.5, 35.0, characters::JunaLook(), false);
    Rocko(cairo, 91.0, 36.0);
    cairo_restore(cairo);
    glass(50.0, 64.0, 5.0, 0.0);
    glass(67.0, 82.0, 0.0, 0.0);
    glass(85.0, 101.0, 0.0, 6.0);
    StrokeOutline(cairo, 1.6);
    // A gleam on the glass.
    cairo_move_to(cairo, 70.0, 40.0);
    cairo_line_to(cairo, 74.5, 30.0);
    cairo_move_to(cairo, 89.0, 40.0);
    cairo_line_to(cairo, 93.5, 30.0);
    SetColour(cairo, tone::white, 0.55);
    cairo_set_line_width(cairo, 1.5);
    cairo_stroke(cairo);
    // Mia leaning out at the back with her camera.
    const characters::FigureLook mia = characters::MiaLook();
    Head(cairo, 52.0, 31.0, mia, true);
    RoundedRectangle(cairo, 40.0, 28.0, 9.0, 7.0, 1.5);
    FillOutlined(cairo, colour::nightLight, colour::night, 1.2);
    Circle(cairo, 40.5, 31.5, 2.6);
    FillOutlined(cairo, colour::tealLight, colour::teal, 1.0);
    RoundedRectangle(cairo, 44.0, 26.0, 3.5, 2.5, 0.8);
    FillOutlined(cairo, colour::cream, colour::sand, 0.8);
}

// The stripe of checks along the body's flank.
void Checks(cairo_t* cairo)
{
    cairo_save(cairo);
    TaxiBody(cairo);
    cairo_clip(cairo);
    cairo_rectangle(cairo, 0.0, 45.0, taxiWidth, 8.0);
    FillPlain(cairo, colour::cream);
    for (int column = 0; column < 40; ++column)
        for (int row = 0; row < 2; ++row)
            if ((column + row) % 2 == 0)
                cairo_rectangle(cairo, 10.0 + 4.0 * column, 45.0 + 4.0 * row, 4.0, 4.0);
    FillPlain(cairo, colour::outline);
    // The body's underside in shade.
    cairo_rectangle(cairo, 0.0, 56.0, taxiWidth, 10.0);
    FillPlain(cairo, tone::taxi, 0.7);
    cairo_restore(cairo);
}

// The roof cannon, its barrel along the roof past the windscreen.
void Cannon(cairo_t* cairo)
{
    RoundedRectangle(cairo, 78.0, 19.5, 66.0, 7.0, 3.0);
    FillOutlined(cairo, tinLight, tin, 1.8);
    RoundedRectangle(cairo, 140.0, 18.0, 6.0, 10.0, 2.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
    cairo_move_to(cairo, 68.0, 26.0);
    cairo_curve_to(cairo, 68.0, 14.0, 88.0, 14.0, 88.0, 26.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tinLight, tin, 1.8);
    Circle(cairo, 78.0, 20.5, 1.6);
    FillPlain(cairo, colour::outline);
}

// The lit taxi sign on the roof's back end.
void RoofSign(cairo_t* cairo)
{
    RoundedRectangle(cairo, 53.0, 18.0, 14.0, 8.0, 2.5);
    FillOutlined(cairo, colour::cream, colour::orangeLight, 1.5);
    cairo_rectangle(cairo, 55.5, 21.0, 9.0, 2.0);
    FillPlain(cairo, colour::outline, 0.8);
}

// Paints what was drawn since the last cairo_push_group at `alpha`: the
// explosion's smoke and bits fade out as a whole.
void PaintFaded(cairo_t* cairo, double alpha)
{
    cairo_pop_group_to_source(cairo);
    cairo_paint_with_alpha(cairo, alpha);
}

// Eases from 0 to 1, fast at first.
double EaseOut(double t)
{
    return 1.0 - (1.0 - t) * (1.0 - t);
}

// One bit of a wrecked ship, drawn about the origin.
void DrawBit(cairo_t* cairo, Wreck wreck, int kind)
{
    if (wreck == Wreck::taxi) {
        switch (kind % 4) {
        case 0: // a yellow body panel
            cairo_move_to(cairo, -9.0, -5.0);
            cairo_line_to(cairo, 8.0, -6.0);
            cairo_line_to(cairo, 10.0, 4.0);
            cairo_line_to(cairo, -7.0, 6.0);
            cairo_close_path(cairo);
            FillOutlined(cairo, tone::taxiLight, tone::taxi, 1.8);
            break;
        case 1: // a piece of the checkered stripe
            cairo_rectangle(cairo, -8.0, -4.0, 16.0, 8.0);
            FillOutlined(cairo, colour::cream, colour::sand, 1.5);
            cairo_rectangle(cairo, -8.0, -4.0, 4.0, 4.0);
            cairo_rectangle(cairo, -4.0, 0.0, 4.0, 4.0);
            cairo_rectangle(cairo, 0.0, -4.0, 4.0, 4.0);
            cairo_rectangle(cairo, 4.0, 0.0, 4.0, 4.0);
            FillPlain(cairo, colour::outline);
            break;
        case 2: // a window's glass
            cairo_move_to(cairo, -6.0, -4.0);
            cairo_line_to(cairo, 6.0, -5.0);
            cairo_line_to(cairo, 3.0, 5.0);
            cairo_close_path(cairo);
            FillOutlined(cairo, colour::cream, colour::tealLight, 1.5);
            break;
        default: // the sign's lamp or a bolt of the cannon
            Circle(cairo, 0.0, 0.0, 4.5);
            FillOutlined(cairo, tinLight, tin, 1.5);
            break;
        }
        return;
    }
    switch (kind % 4) {
    case 0: // a tin plate with a rivet
        cairo_move_to(cairo, -8.0, -6.0);
        cairo_line_to(cairo, 9.0, -4.0);
        cairo_line_to(cairo, 6.0, 6.0);
        cairo_line_to(cairo, -9.0, 4.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tinLight, tin, 1.8);
        Circle(cairo, -4.0, -1.0, 1.4);
        FillPlain(cairo, colour::outline);
        break;
    case 1: // a purple shard
        cairo_move_to(cairo, -7.0, -6.0);
        cairo_line_to(cairo, 8.0, 0.0);
        cairo_line_to(cairo, -5.0, 6.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, purpleLight, purple, 1.8);
        break;
    case 2: // a spring
        cairo_move_to(cairo, -8.0, 0.0);
        for (int turn = 0; turn < 4; ++turn)
            cairo_line_to(cairo, -6.0 + turn * 4.0, turn % 2 == 0 ? -4.0 : 4.0);
        StrokeBand(cairo, tinLight, 1.6, 3.6);
        break;
    default: // a bolt
        cairo_rectangle(cairo, -5.0, -3.0, 10.0, 6.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
        break;
    }
}

} // namespace

void DrawSpaceTaxi(cairo_t* cairo, int frame)
{
    const double flame = flicker[frame % flightFrames];
    // The exhaust flame out of the back and the hover jets' glow below.
    cairo_save(cairo);
    cairo_translate(cairo, 0.0, 51.0);
    // Short enough to end inside the frame's left edge.
    DrawFlame(cairo, 12.0, 4.0 + 7.0 * flame, 4.0 + flame);
    cairo_restore(cairo);
    for (const double x : {36.0, 136.0})
        SoftEllipse(cairo, x, 64.0, 13.0, 4.0 + 2.0 * flame, 0.0, colour::tealLight, 0.55 + 0.3 * flame);
    RoundedRectangle(cairo, 8.0, 46.5, 6.0, 9.0, 2.0);
    FillOutlined(cairo, tinLight, tin, 1.6);
    RoofSign(cairo);
    TaxiBody(cairo);
    FillOutlined(cairo, tone::taxiLight, tone::taxi, 2.6);
    Checks(cairo);
    // A gleam along the top of the bonnet and the trunk.
    cairo_move_to(cairo, 112.0, 39.0);
    cairo_line_to(cairo, 150.0, 40.0);
    cairo_move_to(cairo, 18.0, 42.0);
    cairo_line_to(cairo, 42.0, 41.5);
    SetColour(cairo, tone::white, 0.6);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    TaxiBody(cairo);
    StrokeOutline(cairo, 2.6);
    Windows(cairo);
    // Hover pods under the body, the headlight and the rear lamp.
    for (const double x : {26.0, 126.0}) {
        RoundedRectangle(cairo, x, 59.0, 20.0, 5.0, 2.5);
        FillOutlined(cairo, tinLight, tin, 1.5);
    }
    Ellipse(cairo, 161.0, 45.0, 3.0, 2.5);
    FillOutlined(cairo, colour::cream, colour::orangeLight, 1.2);
    Glow(cairo, 165.0, 45.0, 6.0, colour::cream, 0.7);
    RoundedRectangle(cairo, 11.0, 41.0, 4.0, 5.0, 1.2);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 1.0);
    Cannon(cairo);
}

Picture DrawTaxiFrame(int frame, double pitch)
{
    Picture picture(taxiWidth, taxiHeight);
    cairo_t* cairo = picture.Cairo();
    cairo_translate(cairo, taxiWidth / 2.0, taxiHeight / 2.0);
    cairo_rotate(cairo, -pitch);
    cairo_translate(cairo, -taxiWidth / 2.0, -taxiHeight / 2.0);
    DrawSpaceTaxi(cairo, frame);
    return picture;
}

void DrawRobotFighter(cairo_t* cairo, int frame)
{
    const double flame = flicker[frame % flightFrames];
    // The thruster flame under the feet, blowing back along the flight.
    cairo_save(cairo);
    cairo_translate(cairo, 0.0, 123.0);
    DrawFlame(cairo, 70.0, 40.0 + 18.0 * flame, 5.0 + 1.5 * flame);
    cairo_restore(cairo);
    // The back arm, swung behind.
    cairo_move_to(cairo, 52.0, 44.0);
    cairo_line_to(cairo, 36.0, 58.0);
    cairo_line_to(cairo, 30.0, 72.0);
    StrokeBand(cairo, tin, 5.0, 9.0);
    Circle(cairo, 30.0, 74.0, 5.0);
    FillOutlined(cairo, purpleLight, purple, 1.8);
    // Legs from the hips, bent back, to the thruster boots.
    cairo_move_to(cairo, 66.0, 90.0);
    cairo_line_to(cairo, 55.0, 104.0);
    cairo_line_to(cairo, 46.0, 112.0);
    StrokeBand(cairo, tinLight, 9.0, 14.0);
    cairo_move_to(cairo, 58.0, 92.0);
    cairo_line_to(cairo, 44.0, 102.0);
    cairo_line_to(cairo, 36.0, 112.0);
    StrokeBand(cairo, tin, 8.0, 13.0);
    for (const double x : {32.0, 44.0}) {
        cairo_save(cairo);
        cairo_translate(cairo, x + 6.0, 116.0);
        cairo_rotate(cairo, 0.25);
        RoundedRectangle(cairo, -9.0, -6.0, 18.0, 11.0, 3.5);
        FillOutlined(cairo, purpleLight, purple, 2.0);
        cairo_restore(cairo);
    }
    // The neck and the torso, leaning into the flight.
    cairo_save(cairo);
    cairo_translate(cairo, 57.0, 50.0);
    cairo_rotate(cairo, -0.35);
    RoundedRectangle(cairo, -12.0, -15.0, 24.0, 30.0, 7.0);
    FillOutlined(cairo, tinLight, tin, 2.4);
    for (int rib = 0; rib < 3; ++rib) {
        cairo_move_to(cairo, -8.0, -7.0 + rib * 6.0);
        cairo_line_to(cairo, 8.0, -7.0 + rib * 6.0);
    }
    StrokeOutline(cairo, 1.3);
    cairo_restore(cairo);
    // The big jet belly with the Baron's emblem: a gold crowned B.
    cairo_save(cairo);
    cairo_translate(cairo, 73.0, 78.0);
    cairo_rotate(cairo, -0.3);
    RoundedRectangle(cairo, -19.0, -17.0, 38.0, 34.0, 14.0);
    FillOutlined(cairo, purpleLight, purple, 2.6);
    Circle(cairo, 0.0, 1.0, 10.0);
    FillOutlined(cairo, tone::taxiLight, tone::taxi, 1.8);
    cairo_move_to(cairo, -6.0, -9.5);
    cairo_line_to(cairo, -6.0, -14.0);
    cairo_line_to(cairo, -3.0, -11.5);
    cairo_line_to(cairo, 0.0, -15.0);
    cairo_line_to(cairo, 3.0, -11.5);
    cairo_line_to(cairo, 6.0, -14.0);
    cairo_line_to(cairo, 6.0, -9.5);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::taxiLight, tone::taxi, 1.2);
    DrawArtText(cairo, "B", 0.0, 5.5, 13.0, colour::violet);
    cairo_restore(cairo);
    // The front arm reaching forward to the rocket fist.
    cairo_move_to(cairo, 62.0, 46.0);
    cairo_line_to(cairo, 76.0, 54.0);
    cairo_line_to(cairo, 86.0, 56.0);
    StrokeBand(cairo, tinLight, 5.0, 9.5);
    cairo_save(cairo);
    cairo_translate(cairo, 93.0, 57.0);
    Glow(cairo, -12.0, 0.0, 10.0 + 4.0 * flame, colour::orangeLight, 0.6);
    RoundedRectangle(cairo, -8.0, -7.5, 16.0, 15.0, 5.5);
    FillOutlined(cairo, tinLight, tin, 2.2);
    for (int knuckle = 0; knuckle < 3; ++knuckle) {
        cairo_move_to(cairo, 3.0, -4.5 + knuckle * 4.5);
        cairo_line_to(cairo, 8.0, -4.5 + knuckle * 4.5);
    }
    StrokeOutline(cairo, 1.2);
    cairo_restore(cairo);
    // The head: a tin dome with a glowing visor facing ahead and an
    // antenna.
    cairo_move_to(cairo, 46.0, 19.0);
    cairo_line_to(cairo, 42.0, 9.0);
    StrokeBand(cairo, tinLight, 1.8, 4.0);
    Glow(cairo, 42.0, 8.0, 6.0, colour::hibiscus, 0.4 + 0.4 * flame);
    Circle(cairo, 42.0, 8.0, 3.0);
    FillOutlined(cairo, tone::hibiscusLight, colour::hibiscus, 1.4);
    RoundedRectangle(cairo, 36.0, 17.0, 24.0, 20.0, 8.0);
    FillOutlined(cairo, tinLight, tin, 2.4);
    RoundedRectangle(cairo, 48.0, 22.0, 14.0, 7.0, 3.0);
    FillOutlined(cairo, colour::orangeLight, colour::hibiscus, 1.6);
    Ellipse(cairo, 57.0, 24.5, 2.5, 1.4);
    FillPlain(cairo, colour::cream, 0.9);
    // A grille of a mouth and a rivet on the cheek.
    for (int bar = 0; bar < 3; ++bar) {
        cairo_move_to(cairo, 50.0 + bar * 3.0, 31.5);
        cairo_line_to(cairo, 50.0 + bar * 3.0, 34.5);
    }
    StrokeOutline(cairo, 1.2);
    Circle(cairo, 41.0, 27.0, 1.8);
    FillOutlined(cairo, purpleLight, purple, 1.0);
}

Picture DrawFighterFrame(int frame, double pitch, bool left)
{
    Picture picture(fighterWidth, fighterHeight);
    cairo_t* cairo = picture.Cairo();
    if (left) {
        cairo_translate(cairo, fighterWidth, 0.0);
        cairo_scale(cairo, -1.0, 1.0);
    }
    cairo_translate(cairo, fighterWidth / 2.0, fighterHeight / 2.0);
    cairo_rotate(cairo, -pitch);
    cairo_translate(cairo, -fighterWidth / 2.0, -fighterHeight / 2.0);
    DrawRobotFighter(cairo, frame);
    return picture;
}

Picture DrawExplosion(Wreck wreck, int frame, int width, int height)
{
    const double t = frame / static_cast<double>(explosionFrames - 1);
    const double size = std::min(width, height);
    const double x = width / 2.0;
    const double y = height / 2.0;
    Picture picture(width, height);
    cairo_t* cairo = picture.Cairo();
    const std::uint32_t seed = wreck == Wreck::taxi ? 8 : 80;
    // Smoke puffs drifting out, growing and thinning.
    {
        Dice dice(seed + 1);
        cairo_push_group(cairo);
        for (int puff = 0; puff < 6; ++puff) {
            const double angle = puff * pi / 3.0 + dice.Next() * 0.6;
            const double reach = size * (0.1 + 0.22 * EaseOut(t)) * (0.7 + 0.3 * dice.Next());
            const double radius = size * (0.06 + 0.1 * EaseOut(t)) * (0.7 + 0.3 * dice.Next());
            Circle(cairo, x + std::cos(angle) * reach, y + std::sin(angle) * reach * 0.8, radius);
        }
        FillUnion(cairo, smokeLight, smoke, 2.2);
        PaintFaded(cairo, t < 0.25 ? t * 4.0 : std::max(0.0, 1.0 - (t - 0.25) / 0.75) * 0.9);
    }
    // The fireball: bright and large first, then shrinking into the smoke.
    if (t < 0.75) {
        Dice dice(seed + 2);
        const double grow = t < 0.25 ? 0.55 + t * 1.8 : 1.0 - (t - 0.25) * 1.6;
        const double radius = size * 0.2 * grow;
        Glow(cairo, x, y, radius * 1.7, colour::orangeLight, 0.55 * grow);
        for (int lobe = 0; lobe < 8; ++lobe) {
            const double angle = lobe * pi / 4.0 + dice.Next() * 0.4;
            Circle(cairo, x + std::cos(angle) * radius * 0.7, y + std::sin(angle) * radius * 0.6,
                   radius * (0.45 + 0.2 * dice.Next()));
        }
        Circle(cairo, x, y, radius * 0.8);
        FillUnion(cairo, colour::orangeLight, colour::orange, 2.4);
        Circle(cairo, x, y, radius * 0.55);
        FillPlain(cairo, colour::cream, 0.9);
        Circle(cairo, x - radius * 0.1, y - radius * 0.1, radius * 0.3);
        FillPlain(cairo, tone::white, 0.9);
    }
    // The bits of the ship flying out and tumbling.
    {
        Dice dice(seed + 3);
        cairo_push_group(cairo);
        for (int bit = 0; bit < 9; ++bit) {
            const double angle = bit * 2.0 * pi / 9.0 + dice.Next() * 0.5;
            const double speed = 0.3 + 0.15 * dice.Next();
            const double spin = (dice.Next() - 0.5) * 8.0;
            const double reach = size * speed * EaseOut(std::min(1.0, t * 1.3)) + size * 0.05;
            cairo_save(cairo);
            cairo_translate(cairo, x + std::cos(angle) * reach * 1.25, y + std::sin(angle) * reach * 0.85);
            cairo_rotate(cairo, spin * t + angle);
            cairo_scale(cairo, size / 130.0, size / 130.0);
            DrawBit(cairo, wreck, bit);
            cairo_restore(cairo);
        }
        PaintFaded(cairo, t < 0.7 ? 1.0 : std::max(0.0, 1.0 - (t - 0.7) / 0.3));
    }
    return picture;
}

} // namespace content::minigames
