// The items of episode 6, "Finale": the slimy key card a fled guard robot
// left in the base's hall, Mia's camera, the instant photo of the Baron it
// takes, the half of the crystal out of Rocko's taxi and the whole crystal
// the two halves make. Each at the size it has beside Juna in the rooms.

#include "items/ItemPictures.h"

#include "items/CrystalArt.h"
#include "rooms/episode5/BaseDoor.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <cmath>
#include <numbers>

namespace content::items {

namespace {

constexpr double pi = std::numbers::pi;

// The Baron's gold, his pale skin and plum hair, and the Schleimlinge's
// slime.
constexpr std::uint32_t goldLight = 0xFFD86A;
constexpr std::uint32_t gold = 0xC8902A;
constexpr std::uint32_t skin = 0xF6E0D2;
constexpr std::uint32_t skinShade = 0xD9B4A4;
constexpr std::uint32_t hair = 0x45325E;
constexpr std::uint32_t slimeLight = 0xD4F77E;
constexpr std::uint32_t slime = 0x5FA826;

// A key card lying a little askew: violet with the Baron's crest and a
// magnetic stripe, acid-green slime running over its top edge and dripping
// off its side into a little puddle.
void KeyCard(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 27.0, 36.0, 24.0, 3.5);
    Ellipse(cairo, 45.0, 35.0, 8.0, 3.0);
    FillOutlined(cairo, slimeLight, slime, 1.5);
    cairo_save(cairo);
    cairo_translate(cairo, 26.0, 20.0);
    cairo_rotate(cairo, -0.1);
    RoundedRectangle(cairo, -22.0, -14.0, 44.0, 28.0, 4.0);
    FillOutlined(cairo, tone::violetLight, colour::violet, 2.5);
    cairo_rectangle(cairo, -20.5, 4.0, 41.0, 5.0);
    FillPlain(cairo, colour::nightLight, 0.9);
    rooms::moonbase::BaronCrest(cairo, -10.0, -3.0, 6.0, 1.6);
    // The chip beside the crest.
    RoundedRectangle(cairo, 4.0, -8.0, 9.0, 7.0, 1.5);
    FillOutlined(cairo, goldLight, gold, 1.2);
    // The slime over the top edge and its drips down the card.
    cairo_move_to(cairo, -6.0, -15.0);
    cairo_curve_to(cairo, 2.0, -18.0, 14.0, -17.0, 23.0, -15.0);
    cairo_line_to(cairo, 23.0, 6.0);
    cairo_curve_to(cairo, 23.0, 10.0, 19.0, 10.0, 19.0, 6.0);
    cairo_line_to(cairo, 18.0, -7.0);
    cairo_curve_to(cairo, 14.0, -6.0, 13.0, -9.0, 10.0, -10.0);
    cairo_line_to(cairo, 9.0, -2.0);
    cairo_curve_to(cairo, 9.0, 1.0, 5.0, 1.0, 5.0, -2.0);
    cairo_line_to(cairo, 4.0, -10.0);
    cairo_curve_to(cairo, 0.0, -11.0, -3.0, -12.0, -6.0, -15.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, slimeLight, slime, 2.0);
    Shine(cairo, 2.0, -14.0, 14.0, -14.5, 1.6, 0.8);
    cairo_restore(cairo);
    // A drop falling off the card towards the puddle.
    Circle(cairo, 49.0, 28.0, 2.4);
    FillOutlined(cairo, slimeLight, slime, 1.2);
}

// Mia's big camera as she wears it: its red strap looping above, the steel
// body, the flash on top at the left, the shutter button, the big lens.
void Camera(cairo_t* cairo, int /*frame*/)
{
    cairo_move_to(cairo, 8.0, 26.0);
    cairo_curve_to(cairo, 8.0, 2.0, 52.0, 2.0, 52.0, 26.0);
    StrokeBand(cairo, colour::banner, 3.0, 6.0);
    RoundedRectangle(cairo, 10.0, 11.0, 15.0, 8.0, 2.0);
    FillOutlined(cairo, colour::cream, colour::sand, 2.0);
    RoundedRectangle(cairo, 40.0, 12.0, 8.0, 6.0, 2.0);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 1.8);
    RoundedRectangle(cairo, 5.0, 17.0, 50.0, 28.0, 5.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    // The grip's leather band along the bottom.
    RoundedRectangle(cairo, 7.0, 34.0, 46.0, 8.0, 3.0);
    FillPlain(cairo, colour::nightLight, 0.8);
    Circle(cairo, 33.0, 31.0, 12.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.2);
    Circle(cairo, 33.0, 31.0, 8.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.0);
    Circle(cairo, 30.0, 28.0, 2.6);
    FillPlain(cairo, tone::white, 0.9);
    Shine(cairo, 9.0, 21.0, 22.0, 21.0, 1.5, 0.7);
}

// An instant photo, slanted a little: its white frame with the wider
// margin below, and in it the Baron against violet, his chin up, his
// moustache twirled, his purple cape's high collar and his monocle
// flashing, against the dark of the flash photo.
void Photo(cairo_t* cairo, int /*frame*/)
{
    cairo_save(cairo);
    cairo_translate(cairo, 22.0, 26.0);
    cairo_rotate(cairo, 0.08);
    cairo_translate(cairo, -22.0, -26.0);
    RoundedRectangle(cairo, 4.0, 3.0, 36.0, 46.0, 2.0);
    FillOutlined(cairo, tone::white, colour::sand, 2.2);
    cairo_rectangle(cairo, 8.0, 7.0, 28.0, 30.0);
    SetVerticalGradient(cairo, 7.0, 37.0, colour::nightLight, colour::night);
    cairo_fill(cairo);
    cairo_save(cairo);
    cairo_rectangle(cairo, 8.0, 7.0, 28.0, 30.0);
    cairo_clip(cairo);
    // The cape over his shoulders and its high collar.
    cairo_move_to(cairo, 8.0, 38.0);
    cairo_curve_to(cairo, 9.0, 29.0, 14.0, 26.0, 22.0, 26.0);
    cairo_curve_to(cairo, 30.0, 26.0, 35.0, 29.0, 36.0, 38.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::violetLight, colour::violet, 1.5);
    cairo_move_to(cairo, 14.0, 30.0);
    cairo_line_to(cairo, 12.0, 20.0);
    cairo_line_to(cairo, 20.0, 27.0);
    cairo_move_to(cairo, 30.0, 30.0);
    cairo_line_to(cairo, 32.0, 20.0);
    cairo_line_to(cairo, 24.0, 27.0);
    FillOutlined(cairo, colour::violet, 0x4C3A6E, 1.2);
    // The head, chin up.
    Ellipse(cairo, 22.0, 20.0, 6.5, 7.5);
    FillOutlined(cairo, skin, skinShade, 1.5);
    cairo_move_to(cairo, 15.5, 18.0);
    cairo_curve_to(cairo, 15.0, 10.0, 29.0, 10.0, 28.5, 18.0);
    cairo_curve_to(cairo, 25.0, 14.0, 19.0, 14.0, 15.5, 18.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0x6A5090, hair, 1.2);
    // The tiny twirled moustache.
    cairo_move_to(cairo, 18.0, 23.5);
    cairo_curve_to(cairo, 20.0, 22.0, 21.5, 22.5, 22.0, 23.0);
    cairo_curve_to(cairo, 22.5, 22.5, 24.0, 22.0, 26.0, 23.5);
    SetColour(cairo, hair);
    cairo_set_line_width(cairo, 1.4);
    cairo_stroke(cairo);
    Circle(cairo, 19.5, 19.5, 0.9);
    FillPlain(cairo, colour::outline);
    // The monocle over his right eye and the flash in it.
    cairo_arc(cairo, 25.0, 19.5, 2.6, 0.0, 2.0 * pi);
    SetColour(cairo, goldLight);
    cairo_set_line_width(cairo, 1.2);
    cairo_stroke(cairo);
    cairo_restore(cairo);
    cairo_rectangle(cairo, 8.0, 7.0, 28.0, 30.0);
    StrokeOutline(cairo, 1.2);
    Sparkle(cairo, 26.0, 18.5, 5.0);
    cairo_restore(cairo);
}

// The whole crystal, mended, at the halves' size: three quarters of the
// cracked one.
void MendedCrystal(cairo_t* cairo, int frame)
{
    cairo_save(cairo);
    cairo_scale(cairo, 0.75, 0.75);
    DrawWholeCrystal(cairo, frame, false);
    cairo_restore(cairo);
}

} // namespace

const std::vector<ItemPicture>& Episode6ItemPictures()
{
    static const std::vector<ItemPicture> pictures = {
        {"zugangskarte", 56, 42, 1, KeyCard},
        {"kamera", 60, 48, 1, Camera},
        {"foto", 44, 52, 1, Photo},
        {"taxikristall", 40, 48, 1, [](cairo_t* cairo, int) { DrawCrystalHalf(cairo, CrystalHalf::lower); }},
        {"ganzerkristall", 60, 66, crystalFrames, MendedCrystal},
    };
    return pictures;
}

} // namespace content::items
