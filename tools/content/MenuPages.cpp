#include "MenuPages.h"

#include "SceneFigures.h"
#include "SceneShapes.h"
#include "ShipStyle.h"

#include <algorithm>
#include <numbers>
#include <string>

namespace content {

namespace {

constexpr double width = ship::screenWidth;
constexpr double height = ship::screenHeight;

void Trophy(cairo_t* cairo)
{
    Glow(cairo, 0.0, 60.0, 150.0, colour::orangeLight, 0.35);
    for (const double side : {-1.0, 1.0}) {
        Ellipse(cairo, side * 62.0, 20.0, 30.0, 38.0);
        Ellipse(cairo, side * 62.0, 20.0, 16.0, 24.0);
        cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_EVEN_ODD);
        FillOutlined(cairo, colour::orangeLight, colour::orange);
        cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_WINDING);
    }
    cairo_move_to(cairo, -70.0, -20.0);
    cairo_line_to(cairo, 70.0, -20.0);
    cairo_curve_to(cairo, 70.0, 60.0, 40.0, 100.0, 0.0, 104.0);
    cairo_curve_to(cairo, -40.0, 100.0, -70.0, 60.0, -70.0, -20.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 4.0);
    RoundedRectangle(cairo, -14.0, 100.0, 28.0, 40.0, 6.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange);
    RoundedRectangle(cairo, -56.0, 136.0, 112.0, 30.0, 10.0);
    FillOutlined(cairo, colour::tealLight, colour::teal);
    Ellipse(cairo, -30.0, 16.0, 12.0, 26.0);
    FillPlain(cairo, tone::white, 0.45);
    DrawArtText(cairo, "1", 0.0, 62.0, 48.0, colour::cream);
}

} // namespace

Picture DrawHelpBackground()
{
    // The help text runs from x 33 across 964 pixels, from y 90 almost to
    // the bottom edge: one calm panel under all of it, reaching under the
    // window frame so that no strip of sky shows between the two.
    return ship::DrawPage(101, "Hilfe", [](cairo_t* cairo) {
        DrawKira(cairo, 96.0, 52.0, 0.42);
        constexpr double panelLeft = 14.0;
        ship::DrawPanel(cairo, panelLeft, 82.0, width - 2.0 * panelLeft, height - 96.0);
    });
}

Picture DrawOptionsBackground()
{
    return ship::DrawPage(102, "Optionen", [](cairo_t* cairo) {
        DrawCutter(cairo, 130.0, 190.0, 0.8, -0.3, true);
        DrawKira(cairo, 130.0, 470.0, 1.0);
        ship::DrawPanel(cairo, 238.0, 240.0, 704.0, 374.0);
        constexpr ship::OptionRow rows[] = {
            {"Schwierigkeit", 292.0}, {"Sprechblasen", 320.0}, {"Farbtiefe", 392.0}, {"Lichteffekte", 422.0},
            {"Umgebung", 490.0},      {"Effekte", 518.0},      {"Sprache", 547.0},   {"Musik", 576.0},
        };
        constexpr ship::OptionHeading headings[] = {{"Spiel", 284.0}, {"Grafik", 384.0}, {"Lautstärke", 482.0}};
        ship::DrawOptionRows(cairo, rows, headings);
    });
}

Picture DrawHighscoreBackground()
{
    // Row i of the table has its name from x 420 - 16 i and its score up to
    // x 704 - 16 i, in the line from y 286 + 30 i; the minigame choice sits
    // centred on x 417 from y 237, its arrows 106 pixels either side: it
    // gets a panel like every other choice's. The title is the menu's own
    // label, centred on x 512 above it, so no plate is painted there.
    return ship::DrawPage(103, "", [](cairo_t* cairo) {
        constexpr double choiceX = 417.0;
        constexpr double choiceHalfWidth = 106.0 + 28.0;
        ship::DrawPanel(cairo, choiceX - choiceHalfWidth, 228.0, 2.0 * choiceHalfWidth, 50.0);
        constexpr int rows = 10;
        constexpr double slant = 16.0 / 30.0;
        for (int row = 0; row < rows; ++row) {
            const double top = 286.0 + 30.0 * row + 1.0;
            const double left = 372.0 - 16.0 * row;
            const double right = 724.0 - 16.0 * row;
            constexpr double rowHeight = 28.0;
            cairo_move_to(cairo, left, top);
            cairo_line_to(cairo, right, top);
            cairo_line_to(cairo, right - slant * rowHeight, top + rowHeight);
            cairo_line_to(cairo, left - slant * rowHeight, top + rowHeight);
            cairo_close_path(cairo);
            const bool even = row % 2 == 0;
            FillOutlined(cairo, even ? ship::panelTop : colour::night, even ? ship::panelBottom : colour::night, 2.5);
            DrawArtText(cairo, std::to_string(row + 1) + ".", left + 36.0, top + 21.0, 19.0,
                        row < 3 ? colour::orangeLight : colour::tealLight, Align::right);
        }
        cairo_save(cairo);
        cairo_translate(cairo, 860.0, 360.0);
        Trophy(cairo);
        cairo_restore(cairo);
    });
}

Picture DrawCreditsBackground()
{
    // The credits scroll up the middle (x 100 to 924) between the masks;
    // the pictures keep to the edges and the title to the top strip, which
    // the top mask repeats over the text.
    return ship::DrawPage(104, "Credits", [](cairo_t* cairo) {
        Glow(cairo, 512.0, 420.0, 460.0, colour::nightLight, 0.5);
        Glow(cairo, 80.0, 640.0, 260.0, colour::teal, 0.4);
        Glow(cairo, 960.0, 180.0, 200.0, colour::violet, 0.45);
        DrawPlanet(cairo, 40.0, 690.0, 120.0, colour::turquoise, colour::teal, true);
        DrawPlanet(cairo, 975.0, 160.0, 30.0, tone::violetLight, colour::violet, false);
        DrawCutter(cairo, 955.0, 560.0, 0.42, -0.55, true);
    });
}

Picture DrawCreditsMask(const Picture& background, int top, int maskHeight)
{
    // Fully opaque along the screen's edge and over the title strip, then a
    // smooth fade to clear.
    Picture mask(ship::screenWidth, maskHeight);
    cairo_t* cairo = mask.Cairo();
    const bool atTop = top + maskHeight / 2 < ship::screenHeight / 2;
    const double solid = atTop ? std::min(1.0, 80.0 / maskHeight) : 0.0;
    cairo_pattern_t* fade = cairo_pattern_create_linear(0.0, 0.0, 0.0, maskHeight);
    constexpr int steps = 8;
    for (int step = 0; step <= steps; ++step) {
        const double t = step / static_cast<double>(steps);
        const double eased = t * t * (3.0 - 2.0 * t);
        const double opacity = atTop ? 1.0 - eased : eased;
        const double offset = atTop ? solid + (1.0 - solid) * t : t;
        cairo_pattern_add_color_stop_rgba(fade, offset, 0.0, 0.0, 0.0, opacity);
    }
    cairo_set_source_surface(cairo, cairo_get_target(background.Cairo()), 0.0, -top);
    cairo_mask(cairo, fade);
    cairo_pattern_destroy(fade);
    return mask;
}

Picture DrawMinigamesBackground()
{
    // The tiles take the middle left (x 132 to 711, y 281 to 617, or as
    // much about their positions when centred): nothing busy there.
    return ship::DrawPage(105, "Minispiele", [](cairo_t* cairo) {
        DrawArtText(cairo, "Wähle ein Spiel und zeig, was du kannst!", width / 2.0, 134.0, 24.0, colour::cream);
        Glow(cairo, 420.0, 430.0, 380.0, colour::nightLight, 0.35);
        // Clear of the frame's orange corner rivet at (998, 742).
        DrawPlanet(cairo, 880.0, 610.0, 105.0, tone::taxiLight, colour::orange, false);
        DrawCutter(cairo, 880.0, 250.0, 0.9, -0.25, true);
    });
}

Picture DrawBonusBackground()
{
    // Mounts behind the four pictures (200 x 150) and the poster (196 x 276)
    // at their centres.
    return ship::DrawPage(106, "Bonusmaterial", [](cairo_t* cairo) {
        struct Mount {
            double x, y, w, h;
        };
        constexpr Mount mounts[] = {{180.0, 225.0, 200.0, 150.0}, {844.0, 225.0, 200.0, 150.0},
                                    {180.0, 563.0, 200.0, 150.0}, {844.0, 563.0, 200.0, 150.0},
                                    {512.0, 384.0, 196.0, 276.0}};
        constexpr double rim = 14.0;
        for (const Mount& mount : mounts) {
            const double left = mount.x - mount.w / 2.0 - rim;
            const double top = mount.y - mount.h / 2.0 - rim;
            RoundedRectangle(cairo, left, top, mount.w + 2.0 * rim, mount.h + 2.0 * rim, 16.0);
            FillOutlined(cairo, colour::nightLight, colour::night, 3.5);
            for (const double x : {left + 8.0, left + mount.w + 2.0 * rim - 8.0})
                for (const double y : {top + 8.0, top + mount.h + 2.0 * rim - 8.0})
                    ship::DrawRivet(cairo, x, y);
        }
    });
}

} // namespace content
