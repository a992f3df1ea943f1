// The items of episode 4, "Auf der Burg": the great hall's silver tray,
// tarnished black and then polished with ash from the kitchen's hearth,
// the lard from the dog's pot, the cook's copper kettle and the coil the
// smith hammers out of it, the half of the crystal the tin magpie guarded
// and the old iron ball from the dungeon. Each at the size it has beside
// Juna in the rooms.

#include "items/ItemPictures.h"

#include "items/CrystalArt.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <array>
#include <cmath>
#include <numbers>

namespace content::items {

namespace {

constexpr double pi = std::numbers::pi;

// Silver, tarnished and bright. Tarnish is a dark brown-grey, never near
// black, which the sprites' loader would make clear.
constexpr std::uint32_t tarnishLight = 0x8E8678;
constexpr std::uint32_t tarnish = 0x5E564C;
constexpr std::uint32_t tarnishDeep = 0x3C3632;
constexpr std::uint32_t silverLight = 0xF6F8FC;
constexpr std::uint32_t silver = 0xB4BCC8;
constexpr std::uint32_t silverDeep = 0x8A94A4;
constexpr std::uint32_t ashLight = 0xC4C2C0;
constexpr std::uint32_t ash = 0x8E8C8C;
constexpr std::uint32_t ashDeep = 0x625E60;
constexpr std::uint32_t rag = 0xD8C8A4;
constexpr std::uint32_t ragShade = 0xA8946C;
constexpr std::uint32_t lard = 0xFFFBEC;
constexpr std::uint32_t lardShade = 0xE6DAC0;
constexpr std::uint32_t clayLight = 0xD2845A;
constexpr std::uint32_t clay = 0x9A5434;
constexpr std::uint32_t copperLight = 0xF6B27A;
constexpr std::uint32_t copper = 0xC4662E;
constexpr std::uint32_t copperDeep = 0x8A4220;
constexpr std::uint32_t verdigris = 0x5EB8A0;
constexpr std::uint32_t ironLight = 0x9AA2B0;
constexpr std::uint32_t iron = 0x5A6070;
constexpr std::uint32_t ironDeep = 0x363A48;
constexpr std::uint32_t rust = 0x9A5A2A;

// The oval silver tray from the great hall's table, seen from above at a
// slant: a raised rim, a handle at each end and a leafy engraving in its
// middle; `polished` says whether it shines or lies blackened.
void Tray(cairo_t* cairo, bool polished)
{
    const std::uint32_t light = polished ? silverLight : tarnishLight;
    const std::uint32_t body = polished ? silver : tarnish;
    const std::uint32_t deep = polished ? silverDeep : tarnishDeep;
    ShadowUnder(cairo, 35.0, 24.0, 32.0, 4.5);
    // The handles, little scrolls at both ends.
    for (const double side : {-1.0, 1.0}) {
        cairo_arc(cairo, 35.0 + side * 29.0, 15.0, 5.0, side < 0.0 ? pi * 0.5 : -pi * 0.5,
                  side < 0.0 ? pi * 1.5 : pi * 0.5);
        StrokeBand(cairo, body, 2.5, 5.5);
    }
    Ellipse(cairo, 35.0, 15.0, 29.0, 11.0);
    SetRadialGradient(cairo, 28.0, 10.0, 34.0, light, body);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.2);
    // The well inside the rim, a shade deeper.
    Ellipse(cairo, 35.0, 15.5, 22.0, 7.5);
    SetRadialGradient(cairo, 40.0, 18.0, 26.0, light, deep);
    cairo_fill_preserve(cairo);
    SetColour(cairo, deep, 0.9);
    cairo_set_line_width(cairo, 1.2);
    cairo_stroke(cairo);
    // The engraving: a sprig of leaves.
    cairo_move_to(cairo, 26.0, 17.0);
    cairo_curve_to(cairo, 31.0, 13.0, 39.0, 13.0, 44.0, 16.0);
    for (const double x : {30.0, 35.0, 40.0}) {
        cairo_move_to(cairo, x, 14.6);
        cairo_line_to(cairo, x + 2.0, 11.6);
        cairo_move_to(cairo, x + 1.0, 14.8);
        cairo_line_to(cairo, x + 3.0, 17.8);
    }
    SetColour(cairo, deep, 0.8);
    cairo_set_line_width(cairo, 0.9);
    cairo_stroke(cairo);
    if (polished) {
        // Bright as a mirror: broad shines on the rim and sparkles.
        Shine(cairo, 13.0, 12.0, 22.0, 6.0, 2.4, 0.9);
        Shine(cairo, 48.0, 23.0, 56.0, 19.0, 1.8, 0.7);
        Shine(cairo, 30.0, 12.0, 36.0, 11.0, 1.6, 0.6);
        Sparkle(cairo, 16.0, 8.0, 5.5);
        Sparkle(cairo, 54.0, 19.0, 4.0);
        Sparkle(cairo, 62.0, 6.0, 3.0);
    } else {
        // Black tarnish in blotches, thickest round the rim.
        for (const auto& [x, y, rx, ry] :
             {std::array{14.0, 18.0, 7.0, 4.0}, std::array{50.0, 9.0, 8.0, 3.5}, std::array{38.0, 21.0, 9.0, 3.0},
              std::array{24.0, 9.0, 5.0, 2.5}, std::array{58.0, 18.0, 4.0, 3.0}}) {
            Ellipse(cairo, x, y, rx, ry);
            FillPlain(cairo, tarnishDeep, 0.55);
        }
        Ellipse(cairo, 35.0, 15.0, 27.5, 9.8);
        cairo_set_line_width(cairo, 2.0);
        SetColour(cairo, tarnishDeep, 0.5);
        cairo_stroke(cairo);
    }
}

void TarnishedTray(cairo_t* cairo, int /*frame*/)
{
    Tray(cairo, false);
}

void SilverTray(cairo_t* cairo, int /*frame*/)
{
    Tray(cairo, true);
}

// A handful of cold ash from the hearth on a scrap of cloth: a soft grey
// heap with specks of charcoal, the rag's corners turned up.
void Ash(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 22.0, 25.0, 20.0, 3.5);
    cairo_move_to(cairo, 2.0, 22.0);
    cairo_line_to(cairo, 6.0, 12.0);
    cairo_curve_to(cairo, 16.0, 15.0, 28.0, 13.0, 38.0, 10.0);
    cairo_line_to(cairo, 42.0, 22.0);
    cairo_curve_to(cairo, 30.0, 27.0, 14.0, 27.0, 2.0, 22.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, rag, ragShade, 2.0);
    // The heap.
    cairo_move_to(cairo, 8.0, 21.0);
    cairo_curve_to(cairo, 10.0, 12.0, 16.0, 5.0, 22.0, 5.0);
    cairo_curve_to(cairo, 29.0, 5.0, 34.0, 12.0, 36.0, 20.0);
    cairo_curve_to(cairo, 28.0, 23.0, 16.0, 23.0, 8.0, 21.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, ashLight, ash, 1.8);
    // Specks of charcoal in it and a dusting on the cloth.
    for (const auto& [x, y, size] :
         {std::array{17.0, 14.0, 1.3}, std::array{25.0, 11.0, 1.0}, std::array{29.0, 17.0, 1.4},
          std::array{20.0, 19.0, 0.9}, std::array{13.0, 18.0, 1.0}}) {
        Circle(cairo, x, y, size);
        FillPlain(cairo, ashDeep);
    }
    for (const auto& [x, y] : {std::array{5.0, 20.0}, std::array{38.0, 21.0}, std::array{33.0, 24.0}}) {
        Circle(cairo, x, y, 1.5);
        FillPlain(cairo, ash, 0.6);
    }
    Shine(cairo, 17.0, 8.5, 21.0, 7.0, 1.6, 0.6);
}

// A small clay pot of lard from the kitchen: white lard heaped over its
// rim, a wooden spoon stuck in it.
void Lard(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 22.0, 36.0, 17.0, 3.0);
    // The spoon's handle behind the heap.
    cairo_move_to(cairo, 27.0, 16.0);
    cairo_line_to(cairo, 40.0, 2.0);
    StrokeBand(cairo, tone::woodLight, 3.2, 6.0);
    // The pot: a round belly narrowing to a lip.
    cairo_move_to(cairo, 8.0, 16.0);
    cairo_curve_to(cairo, 2.0, 24.0, 6.0, 35.0, 14.0, 37.0);
    cairo_line_to(cairo, 30.0, 37.0);
    cairo_curve_to(cairo, 38.0, 35.0, 42.0, 24.0, 36.0, 16.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, clayLight, clay, 2.2);
    cairo_move_to(cairo, 6.0, 25.0);
    cairo_curve_to(cairo, 16.0, 28.0, 28.0, 28.0, 38.0, 25.0);
    SetColour(cairo, clay, 0.8);
    cairo_set_line_width(cairo, 1.2);
    cairo_stroke(cairo);
    // The lard heaped in it, soft and lumpy.
    cairo_move_to(cairo, 7.0, 17.0);
    cairo_curve_to(cairo, 7.0, 10.0, 13.0, 7.0, 18.0, 8.0);
    cairo_curve_to(cairo, 22.0, 4.0, 30.0, 6.0, 31.0, 10.0);
    cairo_curve_to(cairo, 36.0, 10.0, 38.0, 14.0, 37.0, 17.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, lard, lardShade, 2.0);
    RoundedRectangle(cairo, 6.0, 14.0, 32.0, 5.0, 2.5);
    FillOutlined(cairo, clayLight, clay, 1.8);
    Shine(cairo, 13.0, 11.0, 18.0, 9.5, 1.6, 0.8);
    // The spoon's bowl in the lard, its edge showing.
    Ellipse(cairo, 26.0, 12.0, 4.5, 2.5);
    FillOutlined(cairo, tone::woodLight, tone::wood, 1.4);
    Shine(cairo, 7.0, 22.0, 9.0, 30.0, 1.8, 0.45);
}

// The cook's copper kettle: a round-bellied pot with a rolled rim, an iron
// bail over it, one dent and a spot of green verdigris, shining warm.
void Kettle(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 32.0, 51.0, 26.0, 4.0);
    // The bail behind the rim.
    cairo_move_to(cairo, 9.0, 24.0);
    cairo_curve_to(cairo, 10.0, 2.0, 54.0, 2.0, 55.0, 24.0);
    StrokeBand(cairo, ironLight, 2.6, 5.6);
    // The belly.
    cairo_move_to(cairo, 8.0, 24.0);
    cairo_curve_to(cairo, 2.0, 38.0, 12.0, 51.0, 32.0, 51.0);
    cairo_curve_to(cairo, 52.0, 51.0, 62.0, 38.0, 56.0, 24.0);
    cairo_close_path(cairo);
    SetRadialGradient(cairo, 22.0, 30.0, 40.0, copperLight, copperDeep);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    // The hammer marks of the coppersmith.
    for (const auto& [x, y] : {std::array{16.0, 36.0}, std::array{26.0, 42.0}, std::array{40.0, 40.0},
                               std::array{48.0, 33.0}, std::array{34.0, 31.0}}) {
        cairo_arc(cairo, x, y, 3.0, pi * 0.1, pi * 0.9);
        SetColour(cairo, copperDeep, 0.5);
        cairo_set_line_width(cairo, 1.0);
        cairo_stroke(cairo);
    }
    // The rolled rim and the dark inside.
    Ellipse(cairo, 32.0, 24.0, 25.0, 6.0);
    FillOutlined(cairo, copper, copperDeep, 2.2);
    Ellipse(cairo, 32.0, 24.5, 20.0, 3.8);
    FillPlain(cairo, 0x5A2E1A);
    // The bail's lugs, the dent and the verdigris.
    for (const double x : {8.0, 56.0}) {
        Circle(cairo, x, 25.0, 3.0);
        FillOutlined(cairo, ironLight, iron, 1.5);
    }
    Ellipse(cairo, 44.0, 41.0, 4.0, 3.0);
    FillPlain(cairo, copperDeep, 0.5);
    Ellipse(cairo, 19.0, 45.0, 4.0, 2.0);
    FillPlain(cairo, verdigris, 0.7);
    Shine(cairo, 13.0, 32.0, 17.0, 41.0, 2.6, 0.7);
}

// The coil the smith hammered from the kettle: a thick copper wire wound
// in six turns, each turn's back darker, its two ends drawn out straight
// and a little uneven, as a hand forges them.
void Coil(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 28.0, 35.0, 24.0, 3.5);
    constexpr int turns = 6;
    constexpr double first = 12.0;
    constexpr double pitch = 6.4;
    constexpr double centreY = 20.0;
    constexpr double radiusX = 5.0;
    constexpr double radiusY = 12.0;
    // The ends: out of the first turn to the left and the last to the right.
    cairo_move_to(cairo, first - radiusX, centreY);
    cairo_curve_to(cairo, first - 8.0, centreY + 4.0, 4.0, 31.0, 2.0, 33.0);
    cairo_move_to(cairo, first + (turns - 1) * pitch + radiusX, centreY);
    cairo_curve_to(cairo, first + (turns - 1) * pitch + 8.0, centreY - 4.0, 50.0, 10.0, 54.0, 6.0);
    StrokeBand(cairo, copper, 2.6, 5.4);
    // The back halves of the turns, in shade.
    for (int turn = 0; turn < turns; ++turn) {
        const double x = first + turn * pitch;
        cairo_save(cairo);
        cairo_translate(cairo, x, centreY);
        cairo_scale(cairo, radiusX, radiusY);
        cairo_arc(cairo, 0.0, 0.0, 1.0, -pi / 2.0, pi / 2.0);
        cairo_restore(cairo);
        StrokeBand(cairo, copperDeep, 2.6, 5.4);
    }
    // The front halves, bright, slanting to the next turn.
    for (int turn = 0; turn < turns; ++turn) {
        const double x = first + turn * pitch;
        cairo_move_to(cairo, x, centreY + radiusY);
        cairo_curve_to(cairo, x - radiusX * 1.3, centreY + radiusY * 0.6, x - radiusX * 1.3 + pitch * 0.5,
                       centreY - radiusY * 0.6, x + pitch, centreY - radiusY);
        if (turn == turns - 1) {
            cairo_new_path(cairo);
            cairo_save(cairo);
            cairo_translate(cairo, x, centreY);
            cairo_scale(cairo, radiusX, radiusY);
            cairo_arc(cairo, 0.0, 0.0, 1.0, pi / 2.0, pi * 1.5);
            cairo_restore(cairo);
        }
        StrokeBand(cairo, copperLight, 2.6, 5.4);
    }
    for (int turn = 0; turn < turns - 1; ++turn)
        Shine(cairo, first + turn * pitch - 2.0, centreY + 4.0, first + turn * pitch + 0.5, centreY - 2.0, 1.1, 0.7);
    // The hammer's flats on the ends.
    for (const auto& [x, y] : {std::array{3.5, 32.0}, std::array{52.5, 7.0}}) {
        Circle(cairo, x, y, 2.6);
        FillOutlined(cairo, copperLight, copper, 1.2);
    }
}

// The old iron ball from the dungeon with the last links of its chain and
// the shackle that held them, pitted with rust.
void IronBall(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 30.0, 50.0, 22.0, 3.5);
    // The chain's links rising from the shackle to the left, the last one
    // broken open where the bolt held it.
    for (int link = 0; link < 3; ++link) {
        cairo_save(cairo);
        cairo_translate(cairo, 14.0 - link * 3.0, 22.0 - link * 8.0);
        cairo_rotate(cairo, -1.2);
        if (link % 2 == 0)
            Ellipse(cairo, 0.0, 0.0, 6.0, 3.6);
        else
            Ellipse(cairo, 0.0, 0.0, 6.0, 1.4);
        cairo_restore(cairo);
        StrokeBand(cairo, link == 1 ? rust : ironLight, 2.0, 4.4);
    }
    Circle(cairo, 32.0, 31.0, 19.0);
    SetRadialGradient(cairo, 25.0, 24.0, 27.0, ironLight, ironDeep);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    for (const auto& [x, y, size] :
         {std::array{38.0, 40.0, 3.5}, std::array{24.0, 41.0, 2.4}, std::array{42.0, 26.0, 2.0}}) {
        Circle(cairo, x, y, size);
        FillPlain(cairo, rust, 0.6);
    }
    // The shackle on the ball's shoulder.
    cairo_arc(cairo, 17.0, 24.0, 5.0, pi * 0.3, pi * 1.8);
    StrokeBand(cairo, ironLight, 2.6, 5.6);
    Shine(cairo, 22.0, 26.0, 27.0, 20.0, 2.6, 0.6);
}

} // namespace

const std::vector<ItemPicture>& Episode4ItemPictures()
{
    static const std::vector<ItemPicture> pictures = {
        {"tablett", 70, 30, 1, TarnishedTray},
        {"silbertablett", 70, 30, 1, SilverTray},
        {"asche", 44, 30, 1, Ash},
        {"schmalz", 44, 40, 1, Lard},
        {"kessel", 64, 56, 1, Kettle},
        {"kupferspule", 56, 40, 1, Coil},
        {"kristallhaelfte", 40, 48, 1, [](cairo_t* cairo, int) { DrawCrystalHalf(cairo, CrystalHalf::upper); }},
        {"eisenkugel", 54, 54, 1, IronBall},
    };
    return pictures;
}

} // namespace content::items
