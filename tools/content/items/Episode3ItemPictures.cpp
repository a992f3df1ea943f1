// The items of episode 3, "Das Zeitloch": Rocko's lunch bread and the lump
// of charcoal from the forge, the linen sheet from the village's washing
// line and the tabard Juna paints on it, the smith's old helmet and the
// rope from the well. Each at the size it has beside Juna in the rooms.

#include "items/ItemPictures.h"

#include "SceneShapes.h"
#include "SpriteArt.h"

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace content::items {

namespace {

constexpr double pi = std::numbers::pi;

constexpr std::uint32_t crust = 0xB9773A;
constexpr std::uint32_t crumb = 0xF4DCA8;
constexpr std::uint32_t crumbShade = 0xDDBB7E;
constexpr std::uint32_t sausage = 0xD9646A;
constexpr std::uint32_t sausageDark = 0x9E3A44;
constexpr std::uint32_t cheese = 0xFFD65C;
constexpr std::uint32_t cheeseDark = 0xE0A82A;
constexpr std::uint32_t waxPaper = 0xF6EFCF;
constexpr std::uint32_t waxPaperShade = 0xD8CB98;
// Charcoal: the lump and the lines drawn with it. Never near black, which
// the sprites' loader would make clear.
constexpr std::uint32_t charcoalLight = 0x5E5A66;
constexpr std::uint32_t charcoal = 0x3A3740;
constexpr std::uint32_t charcoalDeep = 0x2A2830;
constexpr std::uint32_t linen = 0xFFFDF6;
constexpr std::uint32_t linenShade = 0xDAD8DE;
constexpr std::uint32_t ironLight = 0xBFC4CC;
constexpr std::uint32_t iron = 0x7D838E;
constexpr std::uint32_t ironDark = 0x555A64;
constexpr std::uint32_t rust = 0x9A5A2A;
constexpr std::uint32_t hemp = 0xDDBB78;
constexpr std::uint32_t hempDark = 0x9C7A3E;

// A line drawn by a child's hand in charcoal: twice, a little apart, so
// that it looks rubbed on rather than ruled.
void CharcoalStroke(cairo_t* cairo, double width)
{
    cairo_path_t* path = cairo_copy_path(cairo);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    SetColour(cairo, charcoal, 0.85);
    cairo_set_line_width(cairo, width);
    cairo_stroke(cairo);
    cairo_save(cairo);
    cairo_translate(cairo, 0.6, 0.5);
    cairo_append_path(cairo, path);
    cairo_restore(cairo);
    SetColour(cairo, charcoalLight, 0.45);
    cairo_set_line_width(cairo, width * 0.7);
    cairo_stroke(cairo);
    cairo_path_destroy(path);
}

// Rocko's lunch: a thick sandwich of two slices of farmhouse bread with
// sausage and cheese between them, half wrapped in crinkled wax paper.
void LunchBread(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 33.0, 41.0, 29.0, 3.5);
    // The lower slice.
    RoundedRectangle(cairo, 6.0, 27.0, 52.0, 12.0, 4.0);
    FillOutlined(cairo, crumb, crumbShade, 2.0);
    RoundedRectangle(cairo, 6.0, 27.0, 52.0, 12.0, 4.0);
    StrokeBand(cairo, crust, 1.6, 1.6);
    // The sausage slices overlapping along the front, and the cheese over
    // them, its corners drooping out at both ends.
    for (const double x : {12.0, 21.0, 30.0, 39.0, 48.0}) {
        Ellipse(cairo, x, 25.5, 6.0, 3.6);
        FillOutlined(cairo, sausage, sausageDark, 1.5);
        Ellipse(cairo, x - 0.5, 25.0, 3.6, 1.8);
        FillPlain(cairo, 0xEE8E90, 0.8);
    }
    cairo_move_to(cairo, 2.0, 20.0);
    cairo_line_to(cairo, 61.0, 20.0);
    cairo_line_to(cairo, 63.0, 27.0);
    cairo_curve_to(cairo, 60.0, 23.5, 56.0, 23.0, 52.0, 23.0);
    cairo_line_to(cairo, 12.0, 23.0);
    cairo_curve_to(cairo, 7.0, 23.0, 3.0, 24.5, 0.5, 28.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, cheese, cheeseDark, 1.6);
    // The upper slice, domed, its crust on top.
    cairo_move_to(cairo, 5.0, 20.0);
    cairo_curve_to(cairo, 5.0, 6.0, 16.0, 3.0, 32.0, 3.0);
    cairo_curve_to(cairo, 48.0, 3.0, 59.0, 6.0, 59.0, 20.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, crumb, crumbShade, 2.0);
    cairo_move_to(cairo, 6.0, 18.0);
    cairo_curve_to(cairo, 6.0, 7.0, 17.0, 4.0, 32.0, 4.0);
    cairo_curve_to(cairo, 47.0, 4.0, 58.0, 7.0, 58.0, 18.0);
    StrokeBand(cairo, crust, 2.4, 2.4);
    // Holes in the crumb.
    for (const auto& [x, y] : {std::pair{18.0, 12.0}, std::pair{27.0, 15.0}, std::pair{22.0, 33.0}}) {
        Ellipse(cairo, x, y, 1.6, 1.0);
        FillPlain(cairo, crumbShade);
    }
    // The wax paper round the right half, its edge crinkled.
    cairo_move_to(cairo, 34.0, 6.0);
    for (int tooth = 0; tooth < 8; ++tooth) {
        const double y = 6.0 + tooth * 4.4;
        cairo_line_to(cairo, 31.0 + (tooth % 2) * 4.0, y + 2.2);
        cairo_line_to(cairo, 34.0 - (tooth % 3) * 1.0, y + 4.4);
    }
    cairo_line_to(cairo, 36.0, 41.0);
    cairo_line_to(cairo, 61.0, 40.0);
    cairo_curve_to(cairo, 63.0, 28.0, 63.0, 14.0, 58.0, 6.0);
    cairo_curve_to(cairo, 50.0, 3.0, 40.0, 3.0, 34.0, 6.0);
    cairo_close_path(cairo);
    cairo_path_t* paper = cairo_copy_path(cairo);
    FillPlain(cairo, waxPaper, 0.9);
    cairo_append_path(cairo, paper);
    StrokeOutline(cairo, 1.8);
    cairo_path_destroy(paper);
    // Its folds.
    for (const auto& [x0, y0, x1, y1] : {std::array{40.0, 9.0, 44.0, 36.0}, std::array{50.0, 6.0, 52.0, 30.0},
                                          std::array{57.0, 12.0, 55.0, 38.0}}) {
        cairo_move_to(cairo, x0, y0);
        cairo_line_to(cairo, x1, y1);
    }
    SetColour(cairo, waxPaperShade, 0.9);
    cairo_set_line_width(cairo, 1.0);
    cairo_stroke(cairo);
    Shine(cairo, 58.0, 12.0, 59.0, 22.0, 2.0, 0.6);
}

// A lump of charcoal from the smith's forge: a broken, faceted chunk with
// the grain of the wood still in it.
void Charcoal(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 22.0, 28.0, 19.0, 3.0);
    const double outline[][2] = {{4.0, 20.0}, {8.0, 9.0},  {17.0, 4.0},  {27.0, 5.0},  {36.0, 9.0},
                                 {40.0, 17.0}, {37.0, 25.0}, {26.0, 29.0}, {12.0, 28.0}};
    cairo_move_to(cairo, outline[0][0], outline[0][1]);
    for (const auto& corner : outline)
        cairo_line_to(cairo, corner[0], corner[1]);
    cairo_close_path(cairo);
    FillOutlined(cairo, charcoalLight, charcoalDeep, 2.0);
    // The lit top facet and the broken front.
    cairo_move_to(cairo, 8.0, 10.0);
    cairo_line_to(cairo, 17.0, 5.0);
    cairo_line_to(cairo, 27.0, 6.0);
    cairo_line_to(cairo, 35.0, 10.0);
    cairo_line_to(cairo, 24.0, 14.0);
    cairo_line_to(cairo, 12.0, 14.0);
    cairo_close_path(cairo);
    FillPlain(cairo, 0x76727E);
    cairo_move_to(cairo, 12.0, 14.0);
    cairo_line_to(cairo, 24.0, 14.0);
    cairo_line_to(cairo, 35.0, 10.0);
    cairo_move_to(cairo, 24.0, 14.0);
    cairo_line_to(cairo, 26.0, 28.0);
    SetColour(cairo, charcoalDeep, 0.9);
    cairo_set_line_width(cairo, 1.0);
    cairo_stroke(cairo);
    // The wood's grain and cracks across it.
    for (const double y : {18.0, 22.0}) {
        cairo_move_to(cairo, 7.0, y);
        cairo_curve_to(cairo, 12.0, y - 1.5, 18.0, y + 1.5, 23.0, y);
        cairo_move_to(cairo, 27.0, y - 1.0);
        cairo_line_to(cairo, 37.0, y - 3.0);
    }
    SetColour(cairo, charcoalDeep, 0.8);
    cairo_set_line_width(cairo, 0.9);
    cairo_stroke(cairo);
    // Glints where it breaks.
    for (const auto& [x, y] : {std::pair{15.0, 8.0}, std::pair{30.0, 9.5}, std::pair{33.0, 19.0}}) {
        Circle(cairo, x, y, 0.9);
        FillPlain(cairo, tone::white, 0.75);
    }
}

// A white linen sheet folded into a thick soft bundle: the rounded edges
// of its folds on the front, a corner turned back on top.
void LinenSheet(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 31.0, 38.0, 28.0, 3.5);
    // The folds' rounded edges, one over the other, bottom first.
    for (int fold = 0; fold < 4; ++fold) {
        const double y = 31.0 - fold * 5.0;
        const double shift = (fold % 2 == 0 ? 0.0 : 1.5);
        RoundedRectangle(cairo, 3.0 + shift, y - 1.0, 54.0 - shift, 7.0, 3.5);
        FillOutlined(cairo, linen, linenShade, 1.8);
    }
    // The top, seen slanted, softly bulging.
    cairo_move_to(cairo, 4.0, 16.0);
    cairo_curve_to(cairo, 6.0, 10.0, 9.0, 7.0, 14.0, 6.5);
    cairo_line_to(cairo, 54.0, 5.5);
    cairo_curve_to(cairo, 59.0, 6.0, 60.0, 10.0, 58.0, 15.0);
    cairo_curve_to(cairo, 40.0, 17.5, 20.0, 17.5, 4.0, 16.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, linen, linenShade, 2.0);
    // The corner turned back, showing its hem.
    cairo_move_to(cairo, 42.0, 6.0);
    cairo_line_to(cairo, 55.5, 5.6);
    cairo_curve_to(cairo, 58.0, 7.0, 58.5, 10.0, 57.5, 12.5);
    cairo_close_path(cairo);
    FillOutlined(cairo, linenShade, 0xBFBDC8, 1.5);
    cairo_move_to(cairo, 12.0, 12.5);
    cairo_curve_to(cairo, 20.0, 10.0, 30.0, 10.5, 38.0, 9.0);
    SetColour(cairo, linenShade);
    cairo_set_line_width(cairo, 1.0);
    cairo_stroke(cairo);
}

// The linen sheet made a tabard: a hole for the head, hanging to the
// knees, a child's coat of arms drawn on its front in charcoal: the cutter
// Zephyra as a little rocket on a big star, lines of speed behind it.
void PaintedTabard(cairo_t* cairo, int /*frame*/)
{
    cairo_move_to(cairo, 10.0, 6.0);
    cairo_line_to(cairo, 23.0, 4.0);
    cairo_curve_to(cairo, 25.0, 10.0, 35.0, 10.0, 37.0, 4.0);
    cairo_line_to(cairo, 50.0, 6.0);
    cairo_line_to(cairo, 53.0, 68.0);
    cairo_curve_to(cairo, 44.0, 70.0, 38.0, 67.0, 30.0, 69.0);
    cairo_curve_to(cairo, 22.0, 67.0, 15.0, 70.0, 7.0, 68.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, linen, linenShade, 2.0);
    // Folds down the cloth.
    for (const auto& [x0, x1] : {std::pair{14.0, 12.0}, std::pair{46.0, 48.0}}) {
        cairo_move_to(cairo, x0, 14.0);
        cairo_line_to(cairo, x1, 64.0);
    }
    SetColour(cairo, linenShade);
    cairo_set_line_width(cairo, 1.2);
    cairo_stroke(cairo);
    // The star, wobbly, with five points.
    const double wobble[] = {0.6, -0.8, 0.4, 0.9, -0.5, 0.7, -0.3, 0.5, -0.9, 0.2};
    for (int corner = 0; corner <= 10; ++corner) {
        const double angle = -pi / 2.0 + corner * pi / 5.0 + 0.08;
        const double radius = (corner % 2 == 0 ? 17.0 : 8.0) + wobble[corner % 10];
        const double x = 30.0 + radius * std::cos(angle);
        const double y = 38.0 + radius * std::sin(angle);
        if (corner == 0)
            cairo_move_to(cairo, x, y);
        else
            cairo_line_to(cairo, x, y);
    }
    CharcoalStroke(cairo, 1.8);
    // The little rocket on it, nose up and right, with its round window,
    // two fins and a puff under it.
    cairo_save(cairo);
    cairo_translate(cairo, 30.0, 38.0);
    cairo_rotate(cairo, 0.5);
    cairo_move_to(cairo, 0.0, -11.0);
    cairo_curve_to(cairo, 5.0, -6.0, 5.0, 3.0, 4.0, 7.0);
    cairo_line_to(cairo, -4.0, 7.0);
    cairo_curve_to(cairo, -5.0, 3.0, -5.0, -6.0, 0.0, -11.0);
    cairo_close_path(cairo);
    cairo_restore(cairo);
    CharcoalStroke(cairo, 1.6);
    cairo_save(cairo);
    cairo_translate(cairo, 30.0, 38.0);
    cairo_rotate(cairo, 0.5);
    Circle(cairo, 0.0, -3.0, 2.2);
    cairo_move_to(cairo, -4.0, 3.0);
    cairo_line_to(cairo, -7.5, 8.5);
    cairo_line_to(cairo, -4.0, 7.0);
    cairo_move_to(cairo, 4.0, 3.0);
    cairo_line_to(cairo, 7.5, 8.5);
    cairo_line_to(cairo, 4.0, 7.0);
    cairo_move_to(cairo, -2.0, 9.5);
    cairo_line_to(cairo, -3.0, 13.0);
    cairo_move_to(cairo, 0.0, 9.5);
    cairo_line_to(cairo, 0.0, 14.5);
    cairo_move_to(cairo, 2.0, 9.5);
    cairo_line_to(cairo, 3.0, 13.0);
    cairo_restore(cairo);
    CharcoalStroke(cairo, 1.4);
    // A border along the hem, and smudges where a hand rubbed.
    cairo_move_to(cairo, 10.0, 62.0);
    cairo_curve_to(cairo, 20.0, 64.0, 40.0, 61.0, 50.0, 63.0);
    CharcoalStroke(cairo, 1.5);
    for (const auto& [x, y] : {std::pair{16.0, 22.0}, std::pair{44.0, 50.0}}) {
        Ellipse(cairo, x, y, 3.5, 2.0);
        FillPlain(cairo, charcoal, 0.18);
    }
}

// The smith's old helmet: an iron dome with a pointed visor let down over
// the face, an eye slit and breathing holes, rivets on the hinges, two
// dents and spots of rust.
void Helmet(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 29.0, 53.0, 24.0, 3.0);
    // The neck guard flaring at the bottom.
    cairo_move_to(cairo, 8.0, 42.0);
    cairo_curve_to(cairo, 14.0, 46.0, 44.0, 46.0, 50.0, 42.0);
    cairo_line_to(cairo, 54.0, 50.0);
    cairo_curve_to(cairo, 44.0, 54.0, 14.0, 54.0, 4.0, 50.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, iron, ironDark, 2.0);
    // The dome.
    cairo_move_to(cairo, 8.0, 44.0);
    cairo_curve_to(cairo, 5.0, 20.0, 14.0, 4.0, 29.0, 3.0);
    cairo_curve_to(cairo, 44.0, 4.0, 53.0, 20.0, 50.0, 44.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, ironLight, iron, 2.5);
    // The ridge over the top.
    cairo_move_to(cairo, 29.0, 4.0);
    cairo_curve_to(cairo, 30.0, 10.0, 30.0, 16.0, 29.5, 20.0);
    SetColour(cairo, ironDark, 0.8);
    cairo_set_line_width(cairo, 1.2);
    cairo_stroke(cairo);
    // The visor, a snout pointing at the viewer.
    cairo_move_to(cairo, 10.0, 23.0);
    cairo_curve_to(cairo, 18.0, 19.0, 40.0, 19.0, 48.0, 23.0);
    cairo_curve_to(cairo, 47.0, 33.0, 38.0, 44.0, 29.0, 47.0);
    cairo_curve_to(cairo, 20.0, 44.0, 11.0, 33.0, 10.0, 23.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, ironLight, ironDark, 2.2);
    cairo_move_to(cairo, 29.0, 21.0);
    cairo_line_to(cairo, 29.0, 46.0);
    SetColour(cairo, iron, 0.9);
    cairo_set_line_width(cairo, 1.0);
    cairo_stroke(cairo);
    // The eye slit and the breathing holes.
    cairo_move_to(cairo, 15.0, 27.0);
    cairo_curve_to(cairo, 22.0, 25.5, 36.0, 25.5, 43.0, 27.0);
    StrokeBand(cairo, charcoalDeep, 2.2, 2.2);
    for (int row = 0; row < 2; ++row)
        for (int hole = 0; hole < 3; ++hole) {
            Circle(cairo, 34.0 + hole * 3.0 - row * 1.5, 33.0 + row * 3.5, 0.9);
            FillPlain(cairo, charcoalDeep);
        }
    // The hinges' rivets.
    for (const double x : {9.5, 48.5}) {
        Circle(cairo, x, 23.5, 2.2);
        FillOutlined(cairo, ironLight, ironDark, 1.2);
    }
    // Dents: a dark hollow with light on its lower rim.
    for (const auto& [x, y, size] : {std::array{19.0, 11.0, 4.5}, std::array{22.0, 37.0, 3.2}}) {
        Ellipse(cairo, x, y, size, size * 0.65);
        FillPlain(cairo, ironDark, 0.55);
        cairo_arc(cairo, x, y, size * 0.9, 0.3, pi - 0.3);
        SetColour(cairo, tone::white, 0.7);
        cairo_set_line_width(cairo, 1.0);
        cairo_stroke(cairo);
    }
    // Rust.
    for (const auto& [x, y, size] : {std::array{40.0, 13.0, 2.4}, std::array{44.0, 38.0, 1.8},
                                     std::array{13.0, 47.0, 2.2}, std::array{43.0, 16.0, 1.2}}) {
        Circle(cairo, x, y, size);
        FillPlain(cairo, rust, 0.6);
    }
    Shine(cairo, 15.0, 14.0, 12.0, 22.0, 2.0, 0.6);
}

// The rope from the well's winch, coiled on the ground: loops lying on one
// another, the twist of its strands, a frayed end trailing off.
void RopeCoil(cairo_t* cairo, int /*frame*/)
{
    ShadowUnder(cairo, 31.0, 38.0, 28.0, 4.5);
    // The loose end first, under the coil.
    cairo_move_to(cairo, 48.0, 33.0);
    cairo_curve_to(cairo, 56.0, 36.0, 58.0, 40.0, 64.0, 39.0);
    StrokeBand(cairo, hemp, 3.4, 3.4 + 3.2);
    for (const double spread : {-1.6, 0.0, 1.6}) {
        cairo_move_to(cairo, 64.0, 39.0);
        cairo_line_to(cairo, 67.0, 39.0 + spread * 1.4);
    }
    SetColour(cairo, hempDark);
    cairo_set_line_width(cairo, 1.0);
    cairo_stroke(cairo);
    // The loops from the bottom up, each a little smaller and higher.
    for (int loop = 0; loop < 4; ++loop) {
        const double x = 31.0;
        const double y = 28.0 - loop * 3.5;
        const double radiusX = 26.0 - loop * 1.5;
        const double radiusY = 10.5 - loop * 0.5;
        Ellipse(cairo, x, y, radiusX, radiusY);
        StrokeBand(cairo, hemp, 3.6, 3.6 + 3.2);
        // The strands' twist: short slanted marks along the front of the loop.
        for (int mark = 0; mark < 14; ++mark) {
            const double angle = pi * (0.08 + mark * 0.84 / 13.0);
            const double markX = x + radiusX * std::cos(angle);
            const double markY = y + radiusY * std::sin(angle);
            cairo_move_to(cairo, markX - 1.1, markY - 1.3);
            cairo_line_to(cairo, markX + 1.1, markY + 1.3);
        }
        SetColour(cairo, hempDark, 0.9);
        cairo_set_line_width(cairo, 0.9);
        cairo_stroke(cairo);
    }
    // The hole in the middle of the coil.
    Ellipse(cairo, 31.0, 17.5, 17.0, 5.0);
    FillPlain(cairo, hempDark, 0.35);
}

} // namespace

const std::vector<ItemPicture>& Episode3ItemPictures()
{
    static const std::vector<ItemPicture> pictures = {
        {"pausenbrot", 66, 46, 1, LunchBread},
        {"kohle", 44, 32, 1, Charcoal},
        {"leintuch", 62, 42, 1, LinenSheet},
        {"wappenrock", 60, 72, 1, PaintedTabard},
        {"helm", 58, 57, 1, Helmet},
        {"seil", 70, 44, 1, RopeCoil},
    };
    return pictures;
}

} // namespace content::items
