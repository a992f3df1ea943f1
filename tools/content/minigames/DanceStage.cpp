#include "minigames/DanceStage.h"

#include "BonusArt.h"
#include "SceneFigures.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "characters/Episode1Cast.h"
#include "characters/PoseCycles.h"
#include "characters/PuppetRig.h"

#include <cmath>
#include <cstdint>

namespace content::minigames {

namespace {

using characters::FigureLook;
using characters::Pose;

constexpr double horizon = 300.0;
constexpr double shoreY = 392.0;
// The platform's back edge and its front edge, below which its dark front
// face carries the row of move symbols.
constexpr double stageBack = 468.0;
constexpr double stageFront = 690.0;
// The rig's figures are 100 units tall.
constexpr double figureUnits = 100.0;

struct Mood {
    bool night;
};

// A figure of the rig facing the viewer, its soles on (x, y), `height`
// pixels tall standing.
void DrawFigure(cairo_t* cairo, const FigureLook& look, double x, double y, double height, const Pose& pose)
{
    PushPlacement(cairo, x, y, height / figureUnits);
    characters::PuppetRig(look).Draw(cairo, characters::Direction::down, pose);
    PopPlacement(cairo);
}

// A villager of Wakalua: a islander in a bright shirt or dress.
FigureLook Villager(std::uint32_t top, std::uint32_t topShade, std::uint32_t hair, FigureLook::Garment garment)
{
    FigureLook look = characters::KalaniLook();
    look.top = top;
    look.topShade = topShade;
    look.hair = hair;
    look.hairShade = tone::shadowDeep;
    look.garment = garment;
    look.hairStyle = garment == FigureLook::Garment::dress ? FigureLook::Hair::pigtails : FigureLook::Hair::crop;
    look.garland = false;
    look.belly = 0.0;
    if (garment == FigureLook::Garment::dress) {
        look.legs = look.skin;
        look.legsShade = look.skinShade;
    }
    return look;
}

// An arm waving high (the screen's left one when `side` is 0).
Pose Cheering(int side)
{
    Pose pose = characters::StandingPose();
    pose.arms[side] = {0.1, 2.5, 0.5};
    pose.mouth = 0.6;
    return pose;
}

Pose Clapping()
{
    Pose pose = characters::StandingPose();
    for (characters::ArmPose& arm : pose.arms)
        arm = {0.9, 0.1, 1.1, 0.4};
    pose.mouth = 0.5;
    return pose;
}

void Sky(cairo_t* cairo, const Mood& mood)
{
    if (mood.night) {
        DrawStarfield(cairo, 0.0, 0.0, stageWidth, horizon + 2.0, 77);
        // A darker patch behind the score.
        Glow(cairo, 160.0, 55.0, 190.0, colour::nightDeep, 0.75);
        Glow(cairo, 800.0, 105.0, 170.0, colour::cream, 0.25);
        Circle(cairo, 800.0, 105.0, 46.0);
        FillOutlined(cairo, colour::cream, colour::sand);
        constexpr double craters[][3] = {{786.0, 92.0, 9.0}, {814.0, 120.0, 6.0}, {812.0, 88.0, 4.5}};
        for (const auto& crater : craters) {
            Circle(cairo, crater[0], crater[1], crater[2]);
            FillPlain(cairo, tone::sandDark, 0.6);
        }
        return;
    }
    cairo_rectangle(cairo, 0.0, 0.0, stageWidth, horizon + 2.0);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, 0.0, 0.0, horizon),
                {{0.0, 0x4A3F8F}, {0.55, 0xC76A9A}, {1.0, colour::orangeLight}});
    cairo_fill(cairo);
    // The sun coming up over the sea on the left.
    Glow(cairo, 190.0, horizon, 230.0, colour::orangeLight, 0.8);
    cairo_save(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, stageWidth, horizon);
    cairo_clip(cairo);
    Circle(cairo, 190.0, horizon + 8.0, 60.0);
    FillOutlined(cairo, colour::cream, colour::orangeLight);
    cairo_restore(cairo);
    DrawCloud(cairo, 380.0, 120.0, 0.8);
    DrawCloud(cairo, 860.0, 80.0, 1.0);
}

void Sea(cairo_t* cairo, const Mood& mood)
{
    cairo_rectangle(cairo, 0.0, horizon, stageWidth, shoreY - horizon + 20.0);
    if (mood.night)
        SetVerticalGradient(cairo, horizon, shoreY, 0x23477E, 0x163562);
    else
        SetVerticalGradient(cairo, horizon, shoreY, colour::turquoise, colour::teal);
    cairo_fill(cairo);
    // A low island far out.
    Ellipse(cairo, 420.0, horizon + 3.0, 90.0, 12.0);
    FillOutlined(cairo, mood.night ? 0x2F5A58 : tone::leafLight, mood.night ? 0x1F3F48 : tone::leaf, 2.0);
    // The path of light on the water under the moon or the sun.
    const double lightX = mood.night ? 800.0 : 190.0;
    for (int streak = 0; streak < 9; ++streak) {
        const double y = horizon + 10.0 + streak * 10.0;
        const double half = 14.0 + streak * 7.0 + (streak % 2) * 10.0;
        cairo_move_to(cairo, lightX - half, y);
        cairo_line_to(cairo, lightX + half * 0.8, y);
    }
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cairo, 3.0);
    SetColour(cairo, mood.night ? colour::cream : tone::white, mood.night ? 0.45 : 0.6);
    cairo_stroke(cairo);
}

void Beach(cairo_t* cairo, const Mood& mood)
{
    cairo_move_to(cairo, -10.0, shoreY + 8.0);
    cairo_curve_to(cairo, 300.0, shoreY - 12.0, 700.0, shoreY + 14.0, stageWidth + 10.0, shoreY - 4.0);
    cairo_line_to(cairo, stageWidth + 10.0, stageHeight + 10.0);
    cairo_line_to(cairo, -10.0, stageHeight + 10.0);
    cairo_close_path(cairo);
    if (mood.night)
        FillOutlined(cairo, 0x9A8AA0, 0x6E6080);
    else
        FillOutlined(cairo, colour::sand, tone::sandDark);
}

// Huts and palms behind the stage, and the Zephyra on the beach in the
// morning.
void Village(cairo_t* cairo, const Mood& mood)
{
    if (!mood.night)
        DrawCutter(cairo, 770.0, 352.0, 0.95, -0.04, false);
    DrawHut(cairo, 200.0, 420.0, 0.85);
    DrawHut(cairo, 860.0, 418.0, 0.8);
    DrawPalm(cairo, 40.0, 500.0, 360.0, 60.0);
    DrawPalm(cairo, 990.0, 505.0, 350.0, -70.0);
    DrawPalm(cairo, 300.0, 430.0, 200.0, -30.0);
}

// The villagers standing on the sand behind the platform.
void Crowd(cairo_t* cairo)
{
    const FigureLook red = Villager(colour::hibiscus, colour::banner, 0x3A3550, FigureLook::Garment::shirt);
    const FigureLook violet = Villager(tone::violetLight, colour::violet, 0x5A3A30, FigureLook::Garment::dress);
    const FigureLook yellow = Villager(tone::taxiLight, tone::taxi, 0x3A3550, FigureLook::Garment::shirt);
    const FigureLook green = Villager(tone::leafLight, tone::leaf, 0x6A4030, FigureLook::Garment::dress);
    DrawFigure(cairo, red, 372.0, 472.0, 118.0, Cheering(0));
    DrawFigure(cairo, violet, 418.0, 478.0, 100.0, Clapping());
    DrawFigure(cairo, yellow, 622.0, 474.0, 122.0, Clapping());
    DrawFigure(cairo, green, 668.0, 478.0, 98.0, Cheering(1));
    DrawFigure(cairo, yellow, 128.0, 470.0, 112.0, Cheering(1));
    DrawFigure(cairo, violet, 900.0, 470.0, 104.0, Clapping());
}

// The part of the picture behind the platform; at night the back is dimmed
// under a blue veil, so that the stage and the lanterns stand out.
void Background(cairo_t* cairo, const Mood& mood)
{
    Sky(cairo, mood);
    Sea(cairo, mood);
    Beach(cairo, mood);
    cairo_push_group(cairo);
    Village(cairo, mood);
    Crowd(cairo);
    if (mood.night) {
        cairo_set_operator(cairo, CAIRO_OPERATOR_ATOP);
        SetColour(cairo, colour::night, 0.42);
        cairo_paint(cairo);
        cairo_set_operator(cairo, CAIRO_OPERATOR_OVER);
    }
    cairo_pop_group_to_source(cairo);
    cairo_paint(cairo);
}

// A tiki torch standing on (x, y).
void Torch(cairo_t* cairo, double x, double y, const Mood& mood)
{
    if (mood.night)
        Glow(cairo, x, y - 118.0, 90.0, colour::orangeLight, 0.55);
    RoundedRectangle(cairo, x - 5.0, y - 110.0, 10.0, 110.0, 4.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    RoundedRectangle(cairo, x - 10.0, y - 122.0, 20.0, 16.0, 5.0);
    FillOutlined(cairo, colour::sand, tone::sandDark, 2.0);
    if (!mood.night)
        return;
    cairo_move_to(cairo, x - 10.0, y - 122.0);
    cairo_curve_to(cairo, x - 14.0, y - 140.0, x - 2.0, y - 150.0, x + 1.0, y - 164.0);
    cairo_curve_to(cairo, x + 6.0, y - 150.0, x + 16.0, y - 138.0, x + 10.0, y - 122.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
}

// The wooden platform: its top in perspective from the back edge to the
// front edge, the spots on the three dancers, and its dark front face.
void Platform(cairo_t* cairo, const Mood& mood)
{
    const double backLeft = 70.0;
    const double backRight = stageWidth - 70.0;
    cairo_move_to(cairo, backLeft, stageBack);
    cairo_line_to(cairo, backRight, stageBack);
    cairo_line_to(cairo, stageWidth + 10.0, stageFront);
    cairo_line_to(cairo, -10.0, stageFront);
    cairo_close_path(cairo);
    FillOutlined(cairo, mood.night ? 0xB98352 : tone::woodLight, mood.night ? 0x7E5233 : tone::wood);
    // Planks running to the front.
    for (int plank = 1; plank < 14; ++plank) {
        const double t = plank / 14.0;
        cairo_move_to(cairo, backLeft + (backRight - backLeft) * t, stageBack + 2.0);
        cairo_line_to(cairo, -10.0 + (stageWidth + 20.0) * t, stageFront - 2.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.35);
    cairo_stroke(cairo);
    // Lights on the dancers' places.
    const double light = mood.night ? 0.45 : 0.25;
    Glow(cairo, 508.0, 600.0, 190.0, colour::orangeLight, light);
    Glow(cairo, 245.0, 566.0, 150.0, colour::orangeLight, light * 0.8);
    Glow(cairo, 763.0, 569.0, 150.0, colour::orangeLight, light * 0.8);
    // The front face, dark wood under a light rim.
    cairo_rectangle(cairo, -10.0, stageFront, stageWidth + 20.0, stageHeight - stageFront + 10.0);
    SetVerticalGradient(cairo, stageFront, stageHeight, 0x5A3826, 0x3E2A28);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_move_to(cairo, -10.0, stageFront + 1.0);
    cairo_line_to(cairo, stageWidth + 10.0, stageFront + 1.0);
    StrokeBand(cairo, colour::orangeLight, 3.0, 6.0);
    // Posts between the face's boards, at the very bottom where the symbols
    // do not reach.
    for (double x = 32.0; x < stageWidth; x += 120.0) {
        Circle(cairo, x, 760.0, 4.0);
        FillPlain(cairo, tone::woodLight, 0.6);
    }
}

// A string of lanterns from palm to palm over the stage.
void Lanterns(cairo_t* cairo, const Mood& mood)
{
    constexpr double string[4][2] = {{96.0, 150.0}, {300.0, 220.0}, {720.0, 220.0}, {928.0, 146.0}};
    cairo_move_to(cairo, string[0][0], string[0][1]);
    cairo_curve_to(cairo, string[1][0], string[1][1], string[2][0], string[2][1], string[3][0], string[3][1]);
    cairo_set_line_width(cairo, 2.5);
    SetColour(cairo, mood.night ? tone::woodLight : colour::outline);
    cairo_stroke(cairo);
    const std::uint32_t colours[] = {colour::hibiscus, colour::orange, colour::turquoise, tone::violetLight};
    constexpr int lanterns = 11;
    for (int lantern = 0; lantern < lanterns; ++lantern) {
        const double t = (lantern + 0.5) / lanterns;
        const double weights[4] = {(1 - t) * (1 - t) * (1 - t), 3 * t * (1 - t) * (1 - t), 3 * t * t * (1 - t), t * t * t};
        double x = 0.0;
        double y = 12.0;
        for (int point = 0; point < 4; ++point) {
            x += weights[point] * string[point][0];
            y += weights[point] * string[point][1];
        }
        if (mood.night)
            Glow(cairo, x, y, 34.0, colour::orangeLight, 0.55);
        Ellipse(cairo, x, y, 11.0, 14.0);
        FillOutlined(cairo, mood.night ? colour::cream : colours[lantern % 4], colours[lantern % 4], 2.0);
    }
}

// Kalani at the judges' table on the left, Baltasar clapping and KIRA
// hovering on the right.
void Judges(cairo_t* cairo)
{
    DrawFigure(cairo, characters::KalaniLook(), 84.0, 600.0, 165.0, Cheering(1));
    RoundedRectangle(cairo, 14.0, 556.0, 140.0, 62.0, 8.0);
    FillOutlined(cairo, tone::woodLight, tone::wood);
    DrawArtText(cairo, "JURY", 84.0, 597.0, 24.0, colour::orangeLight);
    for (int flower = 0; flower < 4; ++flower)
        DrawHibiscus(cairo, 26.0 + flower * 38.0, 556.0, 8.0);
    DrawFigure(cairo, characters::BaltasarLook(), 945.0, 612.0, 150.0, Clapping());
    Pose hover = characters::StandingPose();
    hover.glow = 1.0;
    DrawFigure(cairo, characters::KiraLook(), 884.0, 470.0, 80.0, hover);
}

void Stage(cairo_t* cairo, const Mood& mood)
{
    Background(cairo, mood);
    Torch(cairo, 150.0, stageBack + 6.0, mood);
    Torch(cairo, stageWidth - 150.0, stageBack + 6.0, mood);
    Platform(cairo, mood);
    Lanterns(cairo, mood);
    Judges(cairo);
}

} // namespace

void DrawNightStage(cairo_t* cairo)
{
    Stage(cairo, Mood{true});
}

void DrawMorningStage(cairo_t* cairo)
{
    Stage(cairo, Mood{false});
    // A soft shade up the middle, under the credits' light letters.
    SetGradient(cairo, cairo_pattern_create_linear(200.0, 0.0, stageWidth - 200.0, 0.0),
                {{0.0, tone::shadowDeep, 0.0}, {0.5, tone::shadowDeep, 0.28}, {1.0, tone::shadowDeep, 0.0}});
    cairo_paint(cairo);
}

} // namespace content::minigames
