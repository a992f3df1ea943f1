// The items of episode 2, "Der Kristallraub": the dance trophy and the star
// coins of the fare, and the fuel card, Juna's photo, the fuel pass and the
// canister of the fuel. Each at the size it has beside Juna in the rooms.

#include "items/ItemPictures.h"

#include "BonusArt.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "characters/Episode1Cast.h"
#include "characters/PuppetRig.h"

#include <cmath>
#include <numbers>

namespace content::items {

namespace {

constexpr double pi = std::numbers::pi;

// Polished gold: the trophy and the coins.
constexpr std::uint32_t goldLight = 0xFFE27A;
constexpr std::uint32_t gold = 0xE0A12A;
constexpr std::uint32_t goldDeep = 0xA86A14;
// The canister's red, a shade deeper on its side.
constexpr std::uint32_t redSide = 0x8E2430;
// The fuel the robot pump gives: a warm amber.
constexpr std::uint32_t fuelLight = 0xFFD24A;
constexpr std::uint32_t fuel = 0xF08A1C;

// Adds a five-pointed star round (x, y) to the path, squashed to `squash` of
// its height (a star lying flat, seen from above at a slant), its top point
// turned by `turn`.
void StarPath(cairo_t* cairo, double x, double y, double outer, double inner, double squash = 1.0,
              double turn = 0.0)
{
    for (int corner = 0; corner < 10; ++corner) {
        const double angle = -pi / 2.0 + turn + corner * pi / 5.0;
        const double radius = corner % 2 == 0 ? outer : inner;
        const double cornerX = x + radius * std::cos(angle);
        const double cornerY = y + radius * std::sin(angle) * squash;
        if (corner == 0)
            cairo_move_to(cairo, cornerX, cornerY);
        else
            cairo_line_to(cairo, cornerX, cornerY);
    }
    cairo_close_path(cairo);
}

// Juna as the camera caught her, in the rectangle (x, y)-(x + width,
// y + height): head and collar on a turquoise festival sky, drawn by the
// same rig as the walking Juna so that the photo shows her own face.
void Portrait(cairo_t* cairo, double x, double y, double width, double height)
{
    cairo_save(cairo);
    cairo_rectangle(cairo, x, y, width, height);
    cairo_clip(cairo);
    cairo_rectangle(cairo, x, y, width, height);
    SetVerticalGradient(cairo, y, y + height, tone::skyDay, colour::turquoise);
    cairo_fill(cairo);
    // Her head and shoulders: from a little over the hair (100 units up
    // from her soles) down to the jacket's collar.
    constexpr double topUnits = -104.0;
    constexpr double shownUnits = 40.0;
    const double scale = height / shownUnits;
    cairo_translate(cairo, x + width / 2.0, y - topUnits * scale);
    cairo_scale(cairo, scale, scale);
    characters::PuppetRig(characters::JunaLook()).Draw(cairo, characters::Direction::down, characters::Pose{});
    cairo_restore(cairo);
}

// The golden dance trophy of Wakalua: a big cup with two handles on a
// wooden plinth with a golden plate, a garland of hibiscus hung across it.
void Trophy(cairo_t* cairo, int /*frame*/)
{
    Ellipse(cairo, 27.0, 57.0, 21.0, 3.5);
    FillPlain(cairo, colour::nightDeep, 0.3);
    RoundedRectangle(cairo, 11.0, 45.0, 32.0, 11.0, 3.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    RoundedRectangle(cairo, 19.0, 48.0, 16.0, 5.0, 1.5);
    FillOutlined(cairo, goldLight, gold, 1.2);
    // Foot, stem and its knot.
    cairo_move_to(cairo, 15.0, 45.5);
    cairo_curve_to(cairo, 18.0, 41.0, 23.0, 41.0, 24.5, 36.0);
    cairo_line_to(cairo, 29.5, 36.0);
    cairo_curve_to(cairo, 31.0, 41.0, 36.0, 41.0, 39.0, 45.5);
    cairo_close_path(cairo);
    FillOutlined(cairo, goldLight, gold, 2.0);
    Ellipse(cairo, 27.0, 36.0, 5.5, 2.5);
    FillOutlined(cairo, goldLight, goldDeep, 1.5);
    // The handles behind the cup.
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, 27.0 + side * 15.0, 11.0);
        cairo_curve_to(cairo, 27.0 + side * 27.0, 9.0, 27.0 + side * 26.0, 26.0, 27.0 + side * 9.0, 29.0);
        StrokeBand(cairo, gold, 2.5, 5.5);
    }
    // The cup, open at the top.
    cairo_move_to(cairo, 10.0, 8.0);
    cairo_curve_to(cairo, 10.0, 22.0, 16.0, 34.0, 27.0, 34.0);
    cairo_curve_to(cairo, 38.0, 34.0, 44.0, 22.0, 44.0, 8.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, goldLight, gold, 2.5);
    Ellipse(cairo, 27.0, 8.0, 17.0, 4.5);
    FillOutlined(cairo, goldDeep, gold, 2.0);
    Shine(cairo, 14.5, 13.0, 17.0, 24.0, 2.5, 0.55);
    StarPath(cairo, 27.0, 27.5, 3.5, 1.6);
    FillOutlined(cairo, goldLight, goldDeep, 1.0);
    // The garland, hung from the handles.
    cairo_move_to(cairo, 11.0, 13.0);
    cairo_curve_to(cairo, 16.0, 23.0, 38.0, 23.0, 43.0, 13.0);
    StrokeBand(cairo, 0xF2D98A, 1.5, 3.5);
    DrawHibiscus(cairo, 13.5, 15.5, 4.5);
    DrawHibiscus(cairo, 21.0, 19.5, 4.5);
    DrawHibiscus(cairo, 33.0, 19.5, 4.5);
    DrawHibiscus(cairo, 40.5, 15.5, 4.5);
}

// A little stack of star-shaped coins lying flat, and one standing beside it
// to show its star and the star struck into it.
void StarCoins(cairo_t* cairo, int /*frame*/)
{
    Ellipse(cairo, 26.0, 38.0, 23.0, 4.0);
    FillPlain(cairo, colour::nightDeep, 0.3);
    constexpr double thickness = 3.0;
    constexpr double squash = 0.5;
    struct Flat {
        double x;
        double y;
        double turn;
    };
    for (const Flat coin : {Flat{20.0, 31.0, 0.08}, Flat{18.5, 27.0, -0.06}, Flat{20.5, 23.0, 0.14},
                            Flat{19.5, 19.0, 0.02}}) {
        // The rim: the star repeated down its thickness, one outline round it all.
        for (double down = 0.0; down <= thickness; down += 0.5)
            StarPath(cairo, coin.x, coin.y + down, 14.0, 7.0, squash, coin.turn);
        FillUnion(cairo, gold, goldDeep, 1.5);
        StarPath(cairo, coin.x, coin.y, 14.0, 7.0, squash, coin.turn);
        FillOutlined(cairo, goldLight, gold, 1.5);
    }
    StarPath(cairo, 19.5, 19.0, 7.0, 3.5, squash, 0.02);
    SetColour(cairo, goldDeep, 0.7);
    cairo_set_line_width(cairo, 1.0);
    cairo_stroke(cairo);
    // The standing coin, its edge showing on the right.
    StarPath(cairo, 39.0, 20.0, 13.0, 6.5, 1.0, 0.12);
    StarPath(cairo, 40.5, 20.0, 13.0, 6.5, 1.0, 0.12);
    FillUnion(cairo, gold, goldDeep, 1.8);
    StarPath(cairo, 39.0, 20.0, 13.0, 6.5, 1.0, 0.12);
    FillOutlined(cairo, goldLight, gold, 1.8);
    StarPath(cairo, 39.0, 20.5, 6.0, 2.8, 1.0, 0.12);
    FillOutlined(cairo, gold, goldLight, 1.0);
    Shine(cairo, 34.5, 15.5, 36.0, 13.5, 1.6, 0.7);
}

// The fuel card of Wakalua's spaceport, `photo` glued into its photo field
// or the field still empty. It lies on the counter, seen a little from above:
// a teal card with an orange band and the fuel drop, a chip, the field on
// the left and lines for the name on the right.
void FuelCard(cairo_t* cairo, bool photo)
{
    Ellipse(cairo, 29.0, 31.0, 25.0, 3.5);
    FillPlain(cairo, colour::nightDeep, 0.3);
    cairo_save(cairo);
    // The card's own 48 x 30 lie slanted back on the counter.
    cairo_matrix_t lying;
    cairo_matrix_init(&lying, 1.0, -0.04, -0.18, 0.82, 8.5, 5.0);
    cairo_transform(cairo, &lying);
    RoundedRectangle(cairo, 0.0, 2.0, 48.0, 30.0, 3.5);
    FillPlain(cairo, colour::outline);
    RoundedRectangle(cairo, 0.0, 0.0, 48.0, 30.0, 3.5);
    FillOutlined(cairo, colour::tealLight, colour::teal, 2.0);
    cairo_save(cairo);
    RoundedRectangle(cairo, 0.0, 0.0, 48.0, 30.0, 3.5);
    cairo_clip(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, 48.0, 8.0);
    FillPlain(cairo, colour::orange);
    cairo_rectangle(cairo, 0.0, 0.0, 48.0, 3.0);
    FillPlain(cairo, colour::orangeLight);
    cairo_restore(cairo);
    RoundedRectangle(cairo, 0.0, 0.0, 48.0, 30.0, 3.5);
    StrokeOutline(cairo, 2.0);
    // The fuel drop on the band.
    cairo_move_to(cairo, 41.0, 1.2);
    cairo_curve_to(cairo, 42.8, 3.4, 43.6, 4.3, 43.6, 5.2);
    cairo_arc(cairo, 41.0, 5.2, 2.6, 0.0, pi);
    cairo_curve_to(cairo, 38.4, 4.3, 39.2, 3.4, 41.0, 1.2);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::cream, fuelLight, 1.0);
    // The chip and the empty lines for the name.
    RoundedRectangle(cairo, 22.0, 11.5, 8.0, 6.0, 1.2);
    FillOutlined(cairo, goldLight, gold, 1.0);
    cairo_move_to(cairo, 26.0, 11.5);
    cairo_line_to(cairo, 26.0, 17.5);
    cairo_move_to(cairo, 22.0, 14.5);
    cairo_line_to(cairo, 30.0, 14.5);
    SetColour(cairo, goldDeep, 0.8);
    cairo_set_line_width(cairo, 0.7);
    cairo_stroke(cairo);
    for (const double line : {22.0, 26.0}) {
        cairo_move_to(cairo, 22.0, line);
        cairo_line_to(cairo, 43.0, line);
    }
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cairo, 1.4);
    SetColour(cairo, colour::cream, 0.75);
    cairo_stroke(cairo);
    // The photo field.
    if (photo) {
        Portrait(cairo, 4.0, 10.5, 14.0, 17.0);
        cairo_rectangle(cairo, 4.0, 10.5, 14.0, 17.0);
        SetColour(cairo, tone::white);
        cairo_set_line_width(cairo, 1.2);
        cairo_stroke(cairo);
        cairo_rectangle(cairo, 3.2, 9.7, 15.6, 18.6);
        StrokeOutline(cairo, 1.3);
        // A dab of glue shining at a corner.
        Shine(cairo, 13.0, 12.5, 16.0, 15.5, 1.6, 0.6);
    } else {
        cairo_rectangle(cairo, 4.0, 10.5, 14.0, 17.0);
        FillPlain(cairo, colour::cream);
        // The outline of a head and shoulders, where the photo belongs.
        Circle(cairo, 11.0, 17.0, 3.2);
        cairo_move_to(cairo, 5.5, 27.5);
        cairo_curve_to(cairo, 6.0, 22.0, 16.0, 22.0, 16.5, 27.5);
        FillPlain(cairo, tone::steelLight);
        cairo_rectangle(cairo, 4.0, 10.5, 14.0, 17.0);
        const double dash = 2.0;
        cairo_set_dash(cairo, &dash, 1, 0.0);
        SetColour(cairo, colour::outline, 0.8);
        cairo_set_line_width(cairo, 1.0);
        cairo_stroke(cairo);
        cairo_set_dash(cairo, nullptr, 0, 0.0);
    }
    cairo_restore(cairo);
}

void BlankFuelCard(cairo_t* cairo, int /*frame*/)
{
    FuelCard(cairo, false);
}

void FuelPass(cairo_t* cairo, int /*frame*/)
{
    FuelCard(cairo, true);
}

// Lotte's instant photo of Juna: a white frame, wider at the bottom, turned
// a little as if just pulled out of the camera.
void PassportPhoto(cairo_t* cairo, int /*frame*/)
{
    cairo_save(cairo);
    cairo_translate(cairo, 19.0, 23.0);
    cairo_rotate(cairo, -0.08);
    cairo_translate(cairo, -16.0, -20.0);
    RoundedRectangle(cairo, 1.5, 1.5, 32.0, 40.0, 1.5);
    FillPlain(cairo, colour::nightDeep, 0.3);
    RoundedRectangle(cairo, 0.0, 0.0, 32.0, 40.0, 1.5);
    FillOutlined(cairo, tone::white, colour::cream, 2.0);
    Portrait(cairo, 3.5, 3.5, 25.0, 26.0);
    cairo_rectangle(cairo, 3.5, 3.5, 25.0, 26.0);
    StrokeOutline(cairo, 1.2);
    Shine(cairo, 6.0, 27.0, 26.0, 7.0, 3.0, 0.18);
    cairo_restore(cairo);
}

// A red fuel canister standing on the floor, seen from the front left: the
// face with its cross-shaped pressing, the side, the three-bar handle and
// the spout with its cap.
void Canister(cairo_t* cairo)
{
    Ellipse(cairo, 26.0, 58.0, 23.0, 3.5);
    FillPlain(cairo, colour::nightDeep, 0.3);
    // The side, going back to the right.
    cairo_move_to(cairo, 36.0, 17.0);
    cairo_line_to(cairo, 45.0, 12.0);
    cairo_line_to(cairo, 45.0, 52.0);
    cairo_line_to(cairo, 36.0, 57.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::banner, redSide, 2.0);
    // The top.
    cairo_move_to(cairo, 6.0, 17.0);
    cairo_line_to(cairo, 15.0, 12.0);
    cairo_line_to(cairo, 45.0, 12.0);
    cairo_line_to(cairo, 36.0, 17.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, tone::bannerLight, 2.0);
    // The handle: a grip on two struts over the top.
    cairo_move_to(cairo, 20.0, 14.0);
    cairo_line_to(cairo, 21.5, 7.0);
    cairo_line_to(cairo, 35.5, 7.0);
    cairo_line_to(cairo, 37.0, 12.5);
    StrokeBand(cairo, tone::bannerLight, 3.0, 6.0);
    // The face.
    RoundedRectangle(cairo, 5.0, 16.5, 31.0, 40.5, 2.0);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    // The pressing: a cross from corner to corner, lit from above.
    for (const double offset : {0.0, 1.4}) {
        cairo_move_to(cairo, 10.0, 22.0 + offset);
        cairo_line_to(cairo, 31.0, 51.0 + offset);
        cairo_move_to(cairo, 31.0, 22.0 + offset);
        cairo_line_to(cairo, 10.0, 51.0 + offset);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cairo, 1.6);
        SetColour(cairo, offset == 0.0 ? tone::white : redSide, offset == 0.0 ? 0.4 : 0.7);
        cairo_stroke(cairo);
    }
    Shine(cairo, 8.0, 21.0, 8.0, 44.0, 1.8, 0.4);
    // The spout at the front left, and its cap.
    RoundedRectangle(cairo, 6.5, 8.5, 7.0, 8.0, 1.5);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.8);
    RoundedRectangle(cairo, 5.5, 5.0, 9.0, 5.0, 1.5);
    FillOutlined(cairo, colour::nightLight, colour::night, 1.8);
}

void EmptyCanister(cairo_t* cairo, int /*frame*/)
{
    Canister(cairo);
}

// The same canister filled at the pump: a big drop of fuel on its face and
// the slosh of the full can beside it.
void FullCanister(cairo_t* cairo, int /*frame*/)
{
    Canister(cairo);
    cairo_move_to(cairo, 20.5, 24.0);
    cairo_curve_to(cairo, 26.0, 32.0, 29.0, 36.0, 29.0, 40.0);
    cairo_arc(cairo, 20.5, 40.0, 8.5, 0.0, pi);
    cairo_curve_to(cairo, 12.0, 36.0, 15.0, 32.0, 20.5, 24.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, fuelLight, fuel, 2.0);
    Ellipse(cairo, 17.5, 40.5, 2.0, 3.5);
    FillPlain(cairo, tone::white, 0.7);
    // The slosh: two arcs beside the can, as if it still wobbled.
    for (const double arc : {0.0, 5.0}) {
        cairo_move_to(cairo, 47.5 + arc, 19.0 - arc * 0.6);
        cairo_curve_to(cairo, 50.5 + arc, 24.0, 50.5 + arc, 32.0, 47.5 + arc, 37.0 + arc * 0.6);
        StrokeBand(cairo, fuelLight, 1.6, 4.0);
    }
}

} // namespace

const std::vector<ItemPicture>& Episode2ItemPictures()
{
    static const std::vector<ItemPicture> pictures = {
        {"pokal", 54, 61, 1, Trophy},
        {"sternentaler", 56, 42, 1, StarCoins},
        {"tankkarte", 60, 36, 1, BlankFuelCard},
        {"passfoto", 38, 46, 1, PassportPhoto},
        {"tankausweis", 60, 36, 1, FuelPass},
        {"kanister", 56, 62, 1, EmptyCanister},
        {"vollerkanister", 56, 62, 1, FullCanister},
    };
    return pictures;
}

} // namespace content::items
