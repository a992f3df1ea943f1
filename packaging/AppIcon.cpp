#include "AppIcon.h"

#include "SceneFigures.h"
#include "SceneShapes.h"

#include <cstdint>

namespace packaging {

namespace {

using namespace content;

// Every icon is drawn on a 256-unit square scaled to its size.
constexpr double units = 256.0;
// Below this size the detailed cutter turns to mush (portholes, stripe and
// stars): the silhouette is drawn.
constexpr int smallestDetailed = 64;

void TileOutline(cairo_t* cairo, double inset)
{
    RoundedRectangle(cairo, inset, inset, units - 2.0 * inset, units - 2.0 * inset, 46.0 - inset);
}

// The cutter reduced to what survives 16 pixels: hull, cockpit and flame,
// each a single bold shape in a colour far from the night behind it; the
// fin and the outlines come only where there are pixels for them. Nose to
// the right, centred on the origin, 200 units long like the detailed one.
void DrawCutterSilhouette(cairo_t* cairo, bool withFin, double outlineUnits)
{
    const auto fill = [&](std::uint32_t top, std::uint32_t bottom) {
        if (outlineUnits > 0.0)
            FillOutlined(cairo, top, bottom, outlineUnits);
        else
            FillPlain(cairo, top);
    };
    Ellipse(cairo, -114.0, 0.0, 30.0, 18.0);
    fill(colour::orangeLight, colour::orange);
    if (withFin) {
        cairo_move_to(cairo, -70.0, -24.0);
        cairo_line_to(cairo, -100.0, -66.0);
        cairo_line_to(cairo, -58.0, -66.0);
        cairo_line_to(cairo, -20.0, -24.0);
        cairo_close_path(cairo);
        fill(colour::orangeLight, colour::orange);
    }
    cairo_move_to(cairo, -96.0, -36.0);
    cairo_line_to(cairo, 30.0, -36.0);
    cairo_curve_to(cairo, 80.0, -36.0, 104.0, -12.0, 108.0, 0.0);
    cairo_curve_to(cairo, 104.0, 12.0, 80.0, 36.0, 30.0, 36.0);
    cairo_line_to(cairo, -96.0, 36.0);
    cairo_curve_to(cairo, -104.0, 36.0, -104.0, -36.0, -96.0, -36.0);
    cairo_close_path(cairo);
    fill(colour::tealLight, colour::teal);
    Ellipse(cairo, 42.0, -12.0, 32.0, 17.0);
    FillPlain(cairo, colour::cream);
}

} // namespace

Picture DrawAppIcon(int size)
{
    Picture picture(size, size);
    cairo_t* cairo = picture.Cairo();
    const double scale = size / units;
    cairo_scale(cairo, scale, scale);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    // One device pixel in units: outlines are kept at least this thick.
    const double pixel = 1.0 / scale;
    const bool detailed = size >= smallestDetailed;
    const double inset = detailed ? 8.0 : 0.5 * pixel;

    cairo_save(cairo);
    TileOutline(cairo, inset);
    cairo_clip(cairo);
    if (detailed) {
        DrawStarfield(cairo, 0.0, 0.0, units, units, 0x2EF1A0u);
        DrawPlanet(cairo, 30.0, 262.0, 104.0, colour::turquoise, colour::teal, false);
        DrawCutter(cairo, 134.0, 124.0, 0.92, -0.5, true);
    } else {
        SetVerticalGradient(cairo, 0.0, units, colour::nightLight, colour::nightDeep);
        cairo_paint(cairo);
        PushPlacement(cairo, 136.0, 128.0, 0.95, -0.5);
        const bool roomy = size >= 32;
        DrawCutterSilhouette(cairo, roomy, roomy ? pixel : 0.0);
        PopPlacement(cairo);
    }
    cairo_restore(cairo);

    // The rim: teal inside the dark outline, as the game's window frames.
    TileOutline(cairo, inset);
    StrokeBand(cairo, colour::tealLight, detailed ? 6.0 : 0.9 * pixel, detailed ? 12.0 : 1.0 * pixel);
    return picture;
}

} // namespace packaging
