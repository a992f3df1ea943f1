#include "items/CrystalArt.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <array>
#include <cmath>
#include <numbers>

namespace content::items {

namespace {

constexpr double pi = std::numbers::pi;

// The jagged line of the break across the crystal's middle, from its left
// corner to its right, as the upper half has it; the lower half has it
// `lowerShift` rows higher in its own picture.
constexpr std::array<std::array<double, 2>, 5> jag = {
    {{6.0, 32.0}, {13.0, 37.0}, {19.0, 34.0}, {26.0, 39.0}, {34.0, 33.0}}};
constexpr double lowerShift = 18.0;

// The upper point as the whole crystal had it, the pale break showing below
// the facets.
void UpperHalf(cairo_t* cairo)
{
    Glow(cairo, 20.0, 26.0, 20.0, colour::tealLight, 0.55);
    // The face of the break, seen from a little above: the jag, then back
    // along its lower edge.
    cairo_move_to(cairo, jag[0][0], jag[0][1]);
    for (const auto& [x, y] : jag)
        cairo_line_to(cairo, x, y);
    cairo_line_to(cairo, 30.0, 42.0);
    cairo_line_to(cairo, 22.0, 45.0);
    cairo_line_to(cairo, 12.0, 42.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xCFFBF6, colour::tealLight, 2.0);
    // The point: the diamond's upper half down to the jag.
    cairo_move_to(cairo, 20.0, 3.0);
    for (const auto& [x, y] : jag)
        cairo_line_to(cairo, x, y);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xE6FFFB, colour::turquoise, 2.2);
    // The facet edge down its middle and a glint at the tip.
    cairo_move_to(cairo, 20.0, 6.0);
    cairo_line_to(cairo, 25.0, 35.0);
    SetColour(cairo, tone::white, 0.7);
    cairo_set_line_width(cairo, 1.8);
    cairo_stroke(cairo);
    Sparkle(cairo, 19.0, 9.0, 4.0);
}

// The lower point: the same jag on top, the point below it as far down as
// the upper one reaches up, and the face of the break seen on its top.
void LowerHalf(cairo_t* cairo)
{
    Glow(cairo, 20.0, 26.0, 20.0, colour::tealLight, 0.55);
    cairo_move_to(cairo, 20.0, 33.0 + 29.0 - lowerShift);
    for (const auto& [x, y] : jag)
        cairo_line_to(cairo, x, y - lowerShift);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xE6FFFB, colour::turquoise, 2.2);
    // The face of the break: the jag at its front, its far edge behind.
    cairo_move_to(cairo, jag[0][0], jag[0][1] - lowerShift);
    for (const auto& [x, y] : jag)
        cairo_line_to(cairo, x, y - lowerShift);
    cairo_line_to(cairo, 30.0, 9.0);
    cairo_line_to(cairo, 20.0, 6.0);
    cairo_line_to(cairo, 10.0, 9.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xCFFBF6, colour::tealLight, 2.0);
    // The facet edge running on from the upper half's down to the tip.
    cairo_move_to(cairo, 25.0, 35.0 - lowerShift + 4.0);
    cairo_line_to(cairo, 20.0, 33.0 + 26.0 - lowerShift);
    SetColour(cairo, tone::white, 0.7);
    cairo_set_line_width(cairo, 1.8);
    cairo_stroke(cairo);
    Sparkle(cairo, 14.0, 13.0, 3.5);
}

} // namespace

void DrawWholeCrystal(cairo_t* cairo, int frame, bool cracked)
{
    const double pulse = 0.5 + 0.5 * std::cos(frame * 2.0 * pi / crystalFrames);
    Glow(cairo, 40.0, 44.0, 30.0 + 8.0 * pulse, colour::tealLight, 0.35 + 0.4 * pulse);
    cairo_move_to(cairo, 40.0, 8.0);
    cairo_line_to(cairo, 60.0, 44.0);
    cairo_line_to(cairo, 40.0, 80.0);
    cairo_line_to(cairo, 20.0, 44.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xE6FFFB, colour::turquoise, 2.5);
    cairo_move_to(cairo, 40.0, 12.0);
    cairo_line_to(cairo, 48.0, 44.0);
    cairo_line_to(cairo, 40.0, 76.0);
    SetColour(cairo, tone::white, 0.6);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    if (!cracked) {
        // Mended: a glint at its tip, brightest as the light swells.
        Sparkle(cairo, 39.0, 16.0, 4.0 + 3.0 * pulse);
        return;
    }
    // The crack that starts the journey.
    cairo_move_to(cairo, 34.0, 24.0);
    cairo_line_to(cairo, 44.0, 40.0);
    cairo_line_to(cairo, 38.0, 52.0);
    cairo_line_to(cairo, 44.0, 62.0);
    cairo_set_line_width(cairo, 2.5);
    SetColour(cairo, colour::outline, 0.85);
    cairo_stroke(cairo);
}

void DrawCrystalHalf(cairo_t* cairo, CrystalHalf half)
{
    if (half == CrystalHalf::upper)
        UpperHalf(cairo);
    else
        LowerHalf(cairo);
}

void Sparkle(cairo_t* cairo, double x, double y, double size)
{
    cairo_move_to(cairo, x, y - size);
    cairo_line_to(cairo, x + size * 0.22, y - size * 0.22);
    cairo_line_to(cairo, x + size, y);
    cairo_line_to(cairo, x + size * 0.22, y + size * 0.22);
    cairo_line_to(cairo, x, y + size);
    cairo_line_to(cairo, x - size * 0.22, y + size * 0.22);
    cairo_line_to(cairo, x - size, y);
    cairo_line_to(cairo, x - size * 0.22, y - size * 0.22);
    cairo_close_path(cairo);
    FillPlain(cairo, tone::white, 0.95);
}

} // namespace content::items
