// The items of episode 5, "Der Alienmond": Rocko's jump leads, the Baron's
// deep-frozen giant onion from Mars and the same onion thawed, its juice
// in a lab beaker, and the cleaning robot's spray bottle full, empty and
// filled with the onion spray that keeps the Schleimlinge away. Each at the
// size it has beside Juna in the rooms.

#include "items/ItemPictures.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <array>
#include <cmath>
#include <numbers>

namespace content::items {

namespace {

constexpr double pi = std::numbers::pi;

// The black lead is a dark slate, never near black, which the sprites'
// loader would make clear.
constexpr std::uint32_t leadRed = 0xD83A34;
constexpr std::uint32_t leadRedLight = 0xF27A6A;
constexpr std::uint32_t leadBlack = 0x444656;
constexpr std::uint32_t leadBlackLight = 0x767A8E;
// The Martian onion: violet-brown skin, papery at the tip, pale roots.
constexpr std::uint32_t onionLight = 0xD49AB0;
constexpr std::uint32_t onion = 0x9A5874;
constexpr std::uint32_t onionDeep = 0x5E3048;
constexpr std::uint32_t onionPaper = 0xD2A878;
constexpr std::uint32_t onionRoot = 0xF2E6C8;
constexpr std::uint32_t frost = 0xEAF4FC;
constexpr std::uint32_t frostBlue = 0xA8CCEC;
constexpr std::uint32_t glass = 0xE4F0F8;
constexpr std::uint32_t glassShade = 0xA8BED2;
constexpr std::uint32_t juiceLight = 0xF8EEA4;
constexpr std::uint32_t juice = 0xE2CA5E;
constexpr std::uint32_t plastic = 0xEEF4FA;
constexpr std::uint32_t plasticShade = 0xB6C6D8;
constexpr std::uint32_t blueLight = 0x8ED0FA;
constexpr std::uint32_t blue = 0x2E7CD4;

// A crocodile clip at (x, y), its jaws pointing along `angle`: the rubber
// sleeve of its handle in `sleeve` behind, the steel jaws a little open
// with their teeth in front, the lead entering the sleeve's back end.
void CrocodileClip(cairo_t* cairo, double x, double y, double angle, std::uint32_t sleeve, std::uint32_t sleeveLight)
{
    PushPlacement(cairo, x, y, 1.0, angle);
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, -1.0, side * 4.5);
        cairo_line_to(cairo, 12.0, side * 2.2);
        cairo_line_to(cairo, 12.0, side * 0.6);
        // The teeth along the jaw's inner edge.
        for (int tooth = 3; tooth >= 0; --tooth) {
            cairo_line_to(cairo, 2.0 + tooth * 2.5 + 1.2, side * 0.2);
            cairo_line_to(cairo, 2.0 + tooth * 2.5, side * 1.2);
        }
        cairo_line_to(cairo, -1.0, side * 1.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::steelLight, colour::steel, 1.3);
    }
    RoundedRectangle(cairo, -14.0, -5.0, 14.0, 10.0, 3.0);
    FillOutlined(cairo, sleeveLight, sleeve, 1.8);
    Shine(cairo, -11.0, -2.5, -3.5, -2.5, 1.2, 0.55);
    PopPlacement(cairo);
}

// Rocko's jump leads: a red and a black lead wound side by side in a loose
// coil, a crocodile clip of each hanging out of it.
void JumpLeads(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 32.0, 40.0, 28.0, 3.5);
    // The loose ends from the coil down to the clips.
    cairo_move_to(cairo, 18.0, 26.0);
    cairo_curve_to(cairo, 15.0, 31.0, 19.0, 35.0, 16.0, 37.0);
    StrokeBand(cairo, leadRed, 3.0, 5.8);
    cairo_move_to(cairo, 46.0, 27.0);
    cairo_curve_to(cairo, 49.0, 32.0, 45.0, 35.0, 48.0, 37.0);
    StrokeBand(cairo, leadBlack, 3.0, 5.8);
    // The turns of the coil, the black lead above the red in each, every
    // turn a little aside of the one before.
    constexpr int turns = 3;
    for (int turn = 0; turn < turns; ++turn) {
        for (const bool red : {false, true}) {
            const double x = 30.0 + turn * 2.0 + (red ? 1.0 : 0.0);
            const double y = 15.0 + turn * 2.0 + (red ? 3.2 : 0.0);
            Ellipse(cairo, x, y, 19.0, 9.5);
            StrokeBand(cairo, red ? leadRed : leadBlack, 2.8, 5.4);
            // The sheen along the turn's far side.
            cairo_save(cairo);
            cairo_translate(cairo, x, y);
            cairo_scale(cairo, 19.0, 9.5);
            cairo_arc(cairo, 0.0, 0.0, 1.0, pi * 1.15, pi * 1.6);
            cairo_restore(cairo);
            SetColour(cairo, red ? leadRedLight : leadBlackLight, 0.9);
            cairo_set_line_width(cairo, 1.0);
            cairo_stroke(cairo);
        }
    }
    CrocodileClip(cairo, 16.0, 37.0, pi * 0.95, leadRed, leadRedLight);
    CrocodileClip(cairo, 48.0, 37.0, pi * 0.05, leadBlack, leadBlackLight);
}

// A six-armed ice crystal.
void IceCrystal(cairo_t* cairo, double x, double y, double size)
{
    for (int arm = 0; arm < 3; ++arm) {
        const double angle = pi / 2.0 + arm * pi / 3.0;
        cairo_move_to(cairo, x - std::cos(angle) * size, y - std::sin(angle) * size);
        cairo_line_to(cairo, x + std::cos(angle) * size, y + std::sin(angle) * size);
    }
    SetColour(cairo, tone::white, 0.95);
    cairo_set_line_width(cairo, 1.3);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cairo);
    Circle(cairo, x, y, size * 0.3);
    FillPlain(cairo, tone::white);
}

// The outline of the onion's bulb: a round belly drawn up to the pointed
// neck at its top.
void OnionPath(cairo_t* cairo)
{
    cairo_move_to(cairo, 28.0, 9.0);
    cairo_curve_to(cairo, 31.0, 17.0, 51.0, 19.0, 51.0, 37.0);
    cairo_curve_to(cairo, 51.0, 50.0, 40.0, 56.0, 28.0, 56.0);
    cairo_curve_to(cairo, 16.0, 56.0, 5.0, 50.0, 5.0, 37.0);
    cairo_curve_to(cairo, 5.0, 19.0, 25.0, 17.0, 28.0, 9.0);
    cairo_close_path(cairo);
}

// The giant onion from Mars, violet-brown with the lines of its layers
// running from its neck to its roots: frozen hard and furred white with
// frost and ice crystals, or thawed and glossy with drops of melt water.
void Onion(cairo_t* cairo, bool frozen)
{
    ShadowUnder(cairo, 28.0, 56.0, 21.0, 3.5);
    // The roots, a pale tuft under the bulb.
    for (const double dx : {-5.0, -2.0, 1.0, 4.0, 6.5}) {
        cairo_move_to(cairo, 28.0 + dx * 0.6, 54.0);
        cairo_curve_to(cairo, 28.0 + dx, 56.0, 28.0 + dx * 1.3, 57.0, 28.0 + dx * 1.5, 59.0);
    }
    StrokeBand(cairo, onionRoot, 1.2, 3.0);
    // The dry papery tip of the neck.
    cairo_move_to(cairo, 28.0, 11.0);
    cairo_curve_to(cairo, 27.0, 6.0, 30.0, 4.0, 33.0, 2.0);
    StrokeBand(cairo, onionPaper, 2.4, 5.0);

    OnionPath(cairo);
    SetRadialGradient(cairo, 20.0, 28.0, 34.0, onionLight, onion);
    cairo_fill_preserve(cairo);
    cairo_save(cairo);
    cairo_clip(cairo);
    // The shaded lower right.
    Ellipse(cairo, 38.0, 48.0, 22.0, 14.0);
    FillPlain(cairo, onionDeep, 0.45);
    // The layers' lines, bowing out with the belly.
    for (const double bow : {-17.0, -8.0, 0.0, 8.0, 17.0}) {
        cairo_move_to(cairo, 28.0, 11.0);
        cairo_curve_to(cairo, 28.0 + bow * 1.5, 24.0, 28.0 + bow * 1.5, 46.0, 28.0 + bow * 0.3, 56.0);
    }
    SetColour(cairo, onionDeep, 0.5);
    cairo_set_line_width(cairo, 1.1);
    cairo_stroke(cairo);
    if (frozen) {
        // A fur of frost, thickest on top, and a cold blue over everything.
        OnionPath(cairo);
        SetGradient(cairo, cairo_pattern_create_linear(0.0, 9.0, 0.0, 56.0),
                    {{0.0, frost, 0.85}, {0.35, frost, 0.5}, {1.0, frostBlue, 0.25}});
        cairo_fill(cairo);
        // Frost flakes scattered over the skin.
        for (const auto& [x, y, size] :
             {std::array{14.0, 40.0, 2.2}, std::array{22.0, 48.0, 1.6}, std::array{40.0, 44.0, 2.0},
              std::array{33.0, 51.0, 1.4}, std::array{45.0, 34.0, 1.5}, std::array{10.0, 31.0, 1.3}}) {
            Circle(cairo, x, y, size);
            FillPlain(cairo, tone::white, 0.8);
        }
    }
    cairo_restore(cairo);
    OnionPath(cairo);
    StrokeOutline(cairo, 2.4);
    if (frozen) {
        // Rime along the top of the outline and crystals standing out of
        // it, an icicle hanging from the belly.
        cairo_move_to(cairo, 7.0, 30.0);
        cairo_curve_to(cairo, 12.0, 18.0, 25.0, 18.0, 28.0, 10.0);
        cairo_curve_to(cairo, 31.0, 18.0, 44.0, 18.0, 49.0, 30.0);
        SetColour(cairo, tone::white);
        cairo_set_line_width(cairo, 2.2);
        cairo_stroke(cairo);
        cairo_move_to(cairo, 41.0, 52.0);
        cairo_line_to(cairo, 44.0, 52.0);
        cairo_line_to(cairo, 42.0, 58.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::white, frostBlue, 1.2);
        IceCrystal(cairo, 16.0, 22.0, 4.5);
        IceCrystal(cairo, 40.0, 24.0, 3.5);
        IceCrystal(cairo, 30.0, 38.0, 4.0);
        IceCrystal(cairo, 47.0, 42.0, 3.0);
    } else {
        // Glossy: a broad shine and drops of melt water running down.
        Shine(cairo, 12.0, 38.0, 16.0, 26.0, 3.2, 0.75);
        Shine(cairo, 20.0, 21.0, 24.0, 18.0, 2.0, 0.6);
        for (const auto& [x, y] : {std::array{38.0, 30.0}, std::array{44.0, 44.0}, std::array{22.0, 46.0}}) {
            cairo_move_to(cairo, x, y - 3.5);
            cairo_curve_to(cairo, x + 2.5, y, x + 2.5, y + 2.5, x, y + 2.5);
            cairo_curve_to(cairo, x - 2.5, y + 2.5, x - 2.5, y, x, y - 3.5);
            cairo_close_path(cairo);
            FillOutlined(cairo, tone::white, frostBlue, 1.0);
        }
    }
}

void FrozenOnion(cairo_t* cairo, int /*frame*/)
{
    Onion(cairo, true);
}

void ThawedOnion(cairo_t* cairo, int /*frame*/)
{
    Onion(cairo, false);
}

// The outline of the lab beaker: straight sides, a rolled rim and a spout
// at its top left.
void BeakerPath(cairo_t* cairo)
{
    cairo_move_to(cairo, 3.0, 9.0);
    cairo_line_to(cairo, 7.0, 11.0);
    cairo_line_to(cairo, 7.0, 50.0);
    cairo_curve_to(cairo, 7.0, 53.0, 8.0, 54.0, 11.0, 54.0);
    cairo_line_to(cairo, 27.0, 54.0);
    cairo_curve_to(cairo, 30.0, 54.0, 31.0, 53.0, 31.0, 50.0);
    cairo_line_to(cairo, 31.0, 10.0);
    cairo_close_path(cairo);
}

// The onion juice in a lab beaker: pale yellow up to two thirds, the
// glass's scale of marks down its side.
void OnionJuice(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 19.0, 54.0, 15.0, 2.5);
    BeakerPath(cairo);
    SetColour(cairo, glass, 0.55);
    cairo_fill_preserve(cairo);
    cairo_save(cairo);
    cairo_clip(cairo);
    cairo_rectangle(cairo, 0.0, 24.0, 36.0, 32.0);
    SetVerticalGradient(cairo, 24.0, 54.0, juiceLight, juice);
    cairo_fill(cairo);
    Ellipse(cairo, 19.0, 24.0, 12.0, 1.8);
    FillPlain(cairo, tone::white, 0.6);
    // Bubbles rising in it.
    for (const auto& [x, y, size] :
         {std::array{14.0, 44.0, 1.5}, std::array{17.0, 36.0, 1.1}, std::array{24.0, 47.0, 1.2}}) {
        Circle(cairo, x, y, size);
        FillPlain(cairo, tone::white, 0.7);
    }
    cairo_restore(cairo);
    // The marks of the scale.
    for (int mark = 0; mark < 4; ++mark) {
        const double y = 18.0 + mark * 8.0;
        cairo_move_to(cairo, 23.0 + (mark % 2) * 2.0, y);
        cairo_line_to(cairo, 29.0, y);
    }
    SetColour(cairo, glassShade);
    cairo_set_line_width(cairo, 1.3);
    cairo_stroke(cairo);
    BeakerPath(cairo);
    StrokeOutline(cairo, 2.2);
    // The rolled rim across the top.
    cairo_move_to(cairo, 3.0, 9.0);
    cairo_line_to(cairo, 31.0, 9.0);
    StrokeBand(cairo, glass, 1.4, 3.8);
    Shine(cairo, 10.5, 14.0, 10.5, 49.0, 2.0, 0.75);
}

// The outline of the spray bottle's body: a neck, sloping shoulders and a
// rounded foot.
void BottlePath(cairo_t* cairo)
{
    cairo_move_to(cairo, 11.0, 20.0);
    cairo_line_to(cairo, 23.0, 20.0);
    cairo_curve_to(cairo, 23.0, 24.0, 30.0, 25.0, 30.0, 31.0);
    cairo_line_to(cairo, 30.0, 56.0);
    cairo_curve_to(cairo, 30.0, 60.0, 28.0, 61.0, 24.0, 61.0);
    cairo_line_to(cairo, 10.0, 61.0);
    cairo_curve_to(cairo, 6.0, 61.0, 4.0, 60.0, 4.0, 56.0);
    cairo_line_to(cairo, 4.0, 31.0);
    cairo_curve_to(cairo, 4.0, 25.0, 11.0, 24.0, 11.0, 20.0);
    cairo_close_path(cairo);
}

enum class Filling { cleaner, empty, repellent };

// The cleaning robot's plastic spray bottle as the shooting gallery shows
// the repellent: a red trigger head with a steel nozzle on a steel collar.
// Its blue cleaner fills it to the shoulder, or it is empty but for a
// film at the bottom, or it holds Juna's acid-green onion spray under a
// hand-drawn label: a Schleimling struck through in red, the gallery's
// sign.
void SprayBottle(cairo_t* cairo, Filling filling)
{
    ShadowUnder(cairo, 17.0, 61.0, 14.0, 3.0);
    BottlePath(cairo);
    SetVerticalGradient(cairo, 20.0, 61.0, plastic, plasticShade, 0.9);
    cairo_fill_preserve(cairo);
    cairo_save(cairo);
    cairo_clip(cairo);
    // Full to the shoulder, or only a film left at the bottom.
    const double level = filling == Filling::empty ? 57.0 : 29.0;
    cairo_rectangle(cairo, 0.0, level, 34.0, 64.0 - level);
    if (filling == Filling::empty)
        SetColour(cairo, blueLight, 0.5);
    else if (filling == Filling::repellent)
        SetGradient(cairo, cairo_pattern_create_linear(4.0, 0.0, 30.0, 0.0),
                    {{0.0, tone::acidLight}, {0.4, colour::acid}, {1.0, tone::acidDark}});
    else
        SetGradient(cairo, cairo_pattern_create_linear(4.0, 0.0, 30.0, 0.0),
                    {{0.0, blueLight}, {0.4, blueLight}, {1.0, blue}});
    cairo_fill(cairo);
    cairo_move_to(cairo, 4.0, level);
    cairo_line_to(cairo, 30.0, level);
    SetColour(cairo, tone::white, 0.6);
    cairo_set_line_width(cairo, 1.2);
    cairo_stroke(cairo);
    cairo_restore(cairo);
    BottlePath(cairo);
    StrokeOutline(cairo, 2.2);

    // The cleaner's printed label: white with a blue drop.
    RoundedRectangle(cairo, 7.0, 36.0, 20.0, 17.0, 2.0);
    FillOutlined(cairo, tone::white, 0xDCE6F0, 1.4);
    cairo_move_to(cairo, 17.0, 39.0);
    cairo_curve_to(cairo, 21.0, 44.0, 21.0, 49.0, 17.0, 49.0);
    cairo_curve_to(cairo, 13.0, 49.0, 13.0, 44.0, 17.0, 39.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, blueLight, blue, 1.0);
    if (filling == Filling::repellent) {
        // Juna's own label stuck over it, a little askew: the struck-out
        // Schleimling and a scrawl.
        PushPlacement(cairo, 17.0, 44.0, 1.0, -0.1);
        RoundedRectangle(cairo, -11.0, -10.0, 22.0, 20.0, 1.5);
        FillOutlined(cairo, tone::acidLight, colour::acid, 1.4);
        Circle(cairo, 0.0, -1.0, 4.5);
        FillOutlined(cairo, colour::acid, tone::acidDark, 1.1);
        for (const double side : {-1.0, 1.0}) {
            cairo_move_to(cairo, side * 1.6, -5.0);
            cairo_line_to(cairo, side * 3.2, -8.0);
        }
        StrokeOutline(cairo, 1.0);
        Circle(cairo, 0.0, -2.0, 6.5);
        cairo_move_to(cairo, -4.6, -6.6);
        cairo_line_to(cairo, 4.6, 2.6);
        SetColour(cairo, colour::hibiscus);
        cairo_set_line_width(cairo, 1.8);
        cairo_stroke(cairo);
        cairo_move_to(cairo, -8.0, 7.0);
        for (int wave = 0; wave < 4; ++wave) {
            cairo_rel_curve_to(cairo, 1.0, -2.5, 2.5, -2.5, 2.5, 0.0);
            cairo_rel_curve_to(cairo, 0.5, 1.5, 1.5, 1.5, 1.5, 0.0);
        }
        SetColour(cairo, colour::outline, 0.85);
        cairo_set_line_width(cairo, 0.9);
        cairo_stroke(cairo);
        PopPlacement(cairo);
    }
    Shine(cairo, 7.5, 32.0, 7.5, 56.0, 2.0, 0.6);

    // The collar, the trigger hanging from the head, and the head with its
    // nozzle pointing right.
    RoundedRectangle(cairo, 9.5, 14.0, 15.0, 7.0, 2.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.6);
    cairo_move_to(cairo, 17.0, 13.0);
    cairo_curve_to(cairo, 22.0, 14.0, 25.0, 18.0, 24.5, 25.0);
    cairo_line_to(cairo, 21.5, 25.0);
    cairo_curve_to(cairo, 21.5, 20.0, 19.5, 17.0, 15.0, 16.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 1.6);
    RoundedRectangle(cairo, 5.0, 3.0, 22.0, 11.0, 3.0);
    FillOutlined(cairo, tone::hibiscusLight, colour::hibiscus, 2.0);
    RoundedRectangle(cairo, 25.5, 5.5, 6.0, 5.0, 1.5);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.4);
    Shine(cairo, 8.5, 6.0, 16.0, 6.0, 1.4, 0.6);
}

void FullBottle(cairo_t* cairo, int /*frame*/)
{
    SprayBottle(cairo, Filling::cleaner);
}

void EmptyBottle(cairo_t* cairo, int /*frame*/)
{
    SprayBottle(cairo, Filling::empty);
}

void Repellent(cairo_t* cairo, int /*frame*/)
{
    SprayBottle(cairo, Filling::repellent);
}

} // namespace

const std::vector<ItemPicture>& Episode5ItemPictures()
{
    static const std::vector<ItemPicture> pictures = {
        {"kabel", 64, 44, 1, JumpLeads},          {"eiszwiebel", 56, 60, 1, FrozenOnion},
        {"zwiebel", 56, 60, 1, ThawedOnion},      {"zwiebelsaft", 36, 56, 1, OnionJuice},
        {"spruehflasche", 34, 64, 1, FullBottle}, {"leereflasche", 34, 64, 1, EmptyBottle},
        {"abwehrspray", 34, 64, 1, Repellent},
    };
    return pictures;
}

} // namespace content::items
