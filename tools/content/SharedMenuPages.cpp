// The menu pages both menus share, the in-game menu's own pages, the bar it
// slides in on, and the loading screen. Every page is a starry night inside
// the ship's window frame; text the game draws on a page always lands on
// calm, dark ground.

#include "SceneFigures.h"
#include "SceneShapes.h"
#include "SharedSpriteParts.h"
#include "ShipStyle.h"

#include <array>
#include <string>

namespace content::shared {

namespace {

using ship::screenHeight;
using ship::screenWidth;

// The items of the main page and of the in-game page 1 stand on one
// diagonal, their text centred on it: from (541, 209) towards (356, 571),
// with "Beenden" / "Spiel beenden" further down the same line at (325, 634).
double MenuDiagonalX(double y)
{
    return 541.0 + (y - 209.0) * (356.0 - 541.0) / (571.0 - 209.0);
}

// The glass band behind the menu items: horizontal top and bottom edges,
// wide enough for the longest item in the big menu font.
constexpr double bandTop = 186.0;
constexpr double bandBottom = 704.0;
constexpr double bandHalfWidth = 218.0;

// The band's outline with `inset` pixels taken off every side, as a path.
void MenuBandPath(cairo_t* cairo, double inset)
{
    const double top = bandTop + inset;
    const double bottom = bandBottom - inset;
    const double halfWidth = bandHalfWidth - inset;
    cairo_new_path(cairo);
    cairo_move_to(cairo, MenuDiagonalX(top) - halfWidth, top);
    cairo_line_to(cairo, MenuDiagonalX(top) + halfWidth, top);
    cairo_line_to(cairo, MenuDiagonalX(bottom) + halfWidth, bottom);
    cairo_line_to(cairo, MenuDiagonalX(bottom) - halfWidth, bottom);
    cairo_close_path(cairo);
}

void DrawMenuBand(cairo_t* cairo)
{
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    MenuBandPath(cairo, 0.0);
    ship::FillGlass(cairo, 0.7);
    MenuBandPath(cairo, 9.0); // a faint inner rim
    SetColour(cairo, colour::tealLight, 0.3);
    cairo_set_line_width(cairo, 1.5);
    cairo_stroke(cairo);
    // A rivet in each corner.
    constexpr double rivetInset = 14.0;
    for (const double y : {bandTop + rivetInset, bandBottom - rivetInset})
        for (const double side : {-1.0, 1.0})
            ship::DrawRivet(cairo, MenuDiagonalX(y) + side * (bandHalfWidth - 2.0 * rivetInset), y);
}

// The game's name in two colours on one line, centred on `centreX`.
void DrawGameTitle(cairo_t* cairo, double centreX, double baseline, double size)
{
    const std::string first = "Astrokutter ";
    const std::string second = "Zephyra";
    const double firstWidth = ArtTextWidth(cairo, first, size);
    const double left = centreX - (firstWidth + ArtTextWidth(cairo, second, size)) / 2.0;
    DrawArtText(cairo, first, left, baseline, size, colour::tealLight, Align::left);
    DrawArtText(cairo, second, left + firstWidth, baseline, size, colour::orangeLight, Align::left);
}

// Glass under a button whose text the game centres on `centreX` from `top`
// down, one line of the big menu font.
void DrawButtonPad(cairo_t* cairo, double centreX, double top)
{
    // Narrow enough to keep clear of the frame's corner rivets.
    constexpr double width = 180.0;
    cairo_new_path(cairo);
    RoundedRectangle(cairo, centreX - width / 2.0, top - 6.0, width, 60.0, 16.0);
    ship::FillGlass(cairo, 0.7);
}

// The cutter in flight, `length` pixels from tail to nose.
void DrawFlyingCutter(cairo_t* cairo, double centreX, double centreY, double length, double angle)
{
    constexpr double lengthAtScaleOne = 200.0;
    DrawCutter(cairo, centreX, centreY, length / lengthAtScaleOne, angle, true);
}

Picture MenuBackground()
{
    return ship::DrawPage(11, "", [](cairo_t* cairo) {
        DrawPlanet(cairo, 905.0, 700.0, 150.0, colour::turquoise, colour::teal, false);
        DrawPlanet(cairo, 150.0, 340.0, 52.0, colour::sand, colour::stone, false);
        DrawPlanet(cairo, 925.0, 250.0, 26.0, colour::violet, colour::night, true);
        DrawFlyingCutter(cairo, 862.0, 470.0, 240.0, -0.14);
        DrawMenuBand(cairo);
        DrawGameTitle(cairo, 512.0, 128.0, 62.0);
    });
}

// The loading picture: the game's name, the cutter on her way, and the
// trough the game fills with its progress bar (x 382 to 665, y 631 to 640 on
// a 1024 x 768 screen).
Picture LoadingPicture()
{
    constexpr double barLeft = 382.0;
    constexpr double barTop = 631.0;
    constexpr double barRight = 665.0;
    constexpr double barBottom = 640.0;
    return ship::DrawPage(23, "", [](cairo_t* cairo) {
        DrawPlanet(cairo, 120.0, 720.0, 190.0, colour::turquoise, colour::teal, false);
        DrawPlanet(cairo, 880.0, 560.0, 36.0, colour::hibiscus, colour::banner, true);
        // Speed lines behind the cutter.
        SetColour(cairo, colour::tealLight, 0.55);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cairo, 4.0);
        for (const auto& [x, y, length] : std::array<std::array<double, 3>, 4>{
                 {{170.0, 380.0, 120.0}, {130.0, 410.0, 170.0}, {190.0, 440.0, 110.0}, {150.0, 470.0, 140.0}}}) {
            cairo_move_to(cairo, x, y);
            cairo_line_to(cairo, x + length, y);
        }
        cairo_stroke(cairo);
        DrawFlyingCutter(cairo, 560.0, 420.0, 420.0, -0.06);
        DrawGameTitle(cairo, 512.0, 210.0, 70.0);

        const double centreX = (barLeft + barRight + 1.0) / 2.0;
        cairo_new_path(cairo);
        RoundedRectangle(cairo, barLeft - 40.0, 572.0, barRight - barLeft + 81.0, 92.0, 18.0);
        ship::FillGlass(cairo, 0.8);
        DrawArtText(cairo, "Wird geladen …", centreX, 612.0, 24.0, colour::cream);
        cairo_new_path(cairo);
        RoundedRectangle(cairo, barLeft - 6.0, barTop - 6.0, barRight - barLeft + 13.0, barBottom - barTop + 13.0, 7.0);
        FillOutlined(cairo, colour::outline, colour::nightDeep, 3.0);
        ship::DrawTrim(cairo, barLeft - 8.5, barTop - 8.5, barRight - barLeft + 18.0, barBottom - barTop + 18.0, 9.0,
                       colour::teal, 1.0, 2.0);
    });
}

// The savegame browser: a title and, for each of the 3 x 3 cells of 256 x 128
// pixels, a riveted bezel and below it a glass plate for the slot's title and
// date.
Picture SavegamePage(const char* title, std::uint32_t seed)
{
    return ship::DrawPage(seed, title, [](cairo_t* cairo) {
        constexpr int cellWidth = 256;
        constexpr int cellHeight = 128;
        // The cutter flies in the strip between the bottom row and the frame.
        DrawFlyingCutter(cairo, 600.0, 717.0, 120.0, 0.0);
        for (int slot = 0; slot < 9; ++slot) {
            const double x = 60.0 + 324.0 * (slot % 3);
            const double y = 90.0 + 200.0 * (slot / 3);
            ship::DrawPlate(cairo, x - 14.0, y - 14.0, cellWidth + 28.0, cellHeight + 28.0, colour::nightLight,
                            colour::night, 10.0);
            ship::DrawTrim(cairo, x - 6.5, y - 6.5, cellWidth + 13.0, cellHeight + 13.0, 6.0, colour::teal, 1.0,
                           2.0);
            cairo_new_path(cairo);
            cairo_rectangle(cairo, x - 1.5, y - 1.5, cellWidth + 3.0, cellHeight + 3.0);
            FillOutlined(cairo, colour::nightDeep, colour::nightDeep, 3.0);
            cairo_new_path(cairo);
            RoundedRectangle(cairo, x - 4.0, y + cellHeight + 16.0, cellWidth + 8.0, 44.0, 10.0);
            ship::FillGlass(cairo, 0.78);
        }
        DrawButtonPad(cairo, 137.0, 694.0); // "Zurück"
    });
}

// The picture of an empty savegame slot, the size of a cell: a window onto
// the night sky, calm in the middle where the game writes "Leer".
Picture EmptySlot()
{
    Picture slot(256, 128);
    cairo_t* cairo = slot.Cairo();
    DrawStarfield(cairo, 0.0, 0.0, 256.0, 128.0, 53);
    const std::array<double, 2> dashes = {12.0, 8.0};
    cairo_set_dash(cairo, dashes.data(), static_cast<int>(dashes.size()), 0.0);
    ship::DrawTrim(cairo, 9.0, 9.0, 238.0, 110.0, 12.0, colour::tealLight, 0.7, 2.5);
    cairo_set_dash(cairo, nullptr, 0, 0.0);
    for (const auto& [x, y] : std::array<std::array<double, 2>, 4>{{{20.0, 20.0}, {236.0, 20.0}, {20.0, 108.0},
                                                                   {236.0, 108.0}}})
        ship::DrawRivet(cairo, x, y);
    return slot;
}

// The in-game options page, laid out like the main menu's: the choice
// rows on a panel under their group headings. The in-game page has no
// display rows, and its speech bubble and volume rows stand higher. The four
// volumes stand in the order the page lists them: ambience, effects, speech,
// music.
Picture InGameOptionsPage()
{
    return ship::DrawPage(41, "Optionen", [](cairo_t* cairo) {
        constexpr ship::OptionRow rows[] = {{"Schwierigkeit", 292.0}, {"Sprechblasen", 348.0},
                                            {"Umgebung", 447.0},      {"Effekte", 475.0},
                                            {"Sprache", 504.0},       {"Musik", 533.0}};
        constexpr ship::OptionHeading headings[] = {{"Spiel", 284.0}, {"Lautstärke", 439.0}};
        DrawPlanet(cairo, 120.0, 640.0, 56.0, colour::sand, colour::stone, false);
        DrawFlyingCutter(cairo, 185.0, 185.0, 160.0, -0.3);
        DrawKira(cairo, 130.0, 430.0, 0.9);
        ship::DrawPanel(cairo, 238.0, 240.0, 704.0, 340.0);
        ship::DrawOptionRows(cairo, rows, headings);
        DrawButtonPad(cairo, 300.0, 633.0); // "Zurück"
    });
}

// The dialogue log of the in-game menu: one wide panel for its seven rows
// of lines (from row 112, 70 apart), the pads of "Frühere" and "Spätere"
// under it and "Zurück" in the corner.
Picture DialogueLogPage()
{
    return ship::DrawPage(43, "Gespräche", [](cairo_t* cairo) {
        ship::DrawPanel(cairo, 40.0, 96.0, 944.0, 508.0);
        DrawFlyingCutter(cairo, 380.0, 690.0, 110.0, -0.15);
        DrawButtonPad(cairo, 640.0, 630.0); // "Frühere"
        DrawButtonPad(cairo, 860.0, 630.0); // "Spätere"
        DrawButtonPad(cairo, 137.0, 694.0); // "Zurück"
    });
}

// The bar that slides in from the top while the pointer is near it: a
// riveted sign behind the word "Menü", which the game writes at (76, 9) of
// this picture in the big menu font.
Picture MenuBar()
{
    Picture bar(268, 80);
    cairo_t* cairo = bar.Cairo();
    // Two struts hold the sign from the top edge.
    for (const double x : {86.0, 196.0}) {
        cairo_new_path(cairo);
        cairo_rectangle(cairo, x - 4.0, -4.0, 8.0, 16.0);
        FillOutlined(cairo, colour::steel, colour::stone, 2.5);
    }
    ship::DrawPlate(cairo, 42.0, 6.0, 214.0, 66.0, colour::nightLight, colour::night, 16.0);
    ship::DrawTrim(cairo, 49.0, 13.0, 200.0, 52.0, 10.0, colour::tealLight, 0.5, 1.5);
    cairo_new_path(cairo);
    cairo_rectangle(cairo, 58.0, 62.0, 182.0, 5.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
    return bar;
}

} // namespace

bool WriteMenuPages(SpriteFolder& output)
{
    output.Comment("Seiten des Titelbildschirms und im Spiel, die Optionsleiste und das Ladebild");
    return output.AddPage("loading", LoadingPicture()) && output.AddPage("menu_background", MenuBackground()) &&
           output.AddPage("savegame_background", SavegamePage("Spiel speichern", 31)) &&
           output.AddPage("savegame_load_background", SavegamePage("Spiel laden", 37)) &&
           output.AddPage("savegame_empty_slot", EmptySlot()) &&
           output.AddPage("ingame_options_background", InGameOptionsPage()) &&
           output.AddPage("dialogue_log_background", DialogueLogPage()) &&
           output.AddStatic("options_bar", MenuBar());
}

} // namespace content::shared
