// The terminal of Wakalua's spaceport, a bright hall that has seen better
// days: the departure board over the information counter, the big window
// onto the landing field with a bench before it, the souvenir buyer that
// pays in star coins, and doors to the festival square, the hangar and the
// taxi stand.

#include "BonusArt.h"
#include "Episode2Rooms.h"
#include "RaumhafenField.h"
#include "SceneFigures.h"
#include "SceneShapes.h"
#include "ShipStyle.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace content::rooms {

namespace {

constexpr const char* raumhafen = "RoomRaumhafen";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double floorY = 440.0;
constexpr double doorTop = 210.0;
constexpr int doorHeight = 230;
// The counter's top, where the fuel card lies.
constexpr double counterTop = 372.0;
constexpr int counterFoot = 474;
constexpr int cardX = 300;

constexpr std::uint32_t wallLight = 0xF4EBD6;
constexpr std::uint32_t wall = 0xDCCDAE;
constexpr std::uint32_t tileLight = 0x7FD8D2;
constexpr std::uint32_t tile = 0x3FA9A6;
constexpr std::uint32_t glass = 0xBFE9F2;

void Wall(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, floorY);
    SetVerticalGradient(cairo, 0.0, floorY, wallLight, wall);
    cairo_fill(cairo);
    // The ceiling's beams and the lamps hanging from them.
    cairo_rectangle(cairo, -4.0, -4.0, width + 8.0, 64.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    for (double x = 60.0; x < width; x += 160.0) {
        cairo_move_to(cairo, x, 60.0);
        cairo_line_to(cairo, x + 30.0, 0.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.4);
    cairo_stroke(cairo);
    for (const double x : {250.0, 560.0, 880.0}) {
        cairo_move_to(cairo, x, 60.0);
        cairo_line_to(cairo, x, 80.0);
        StrokeOutline(cairo, 2.5);
        Glow(cairo, x, 96.0, 70.0, colour::cream, 0.7);
        cairo_move_to(cairo, x - 30.0, 100.0);
        cairo_curve_to(cairo, x - 26.0, 76.0, x + 26.0, 76.0, x + 30.0, 100.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
    }
    // Tiles along the foot of the wall, a few of them missing.
    cairo_rectangle(cairo, -4.0, 330.0, width + 8.0, floorY - 330.0);
    FillOutlined(cairo, tileLight, tile, 3.0);
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, colour::outline, 0.35);
    for (double y = 352.0; y < floorY; y += 22.0) {
        cairo_move_to(cairo, 0.0, y);
        cairo_line_to(cairo, width, y);
    }
    for (double x = 22.0; x < width; x += 22.0) {
        cairo_move_to(cairo, x, 330.0);
        cairo_line_to(cairo, x, floorY);
    }
    cairo_stroke(cairo);
    for (const double x : {418.0, 682.0, 990.0}) {
        cairo_rectangle(cairo, x, 352.0 + static_cast<int>(x) % 3 * 22.0, 22.0, 22.0);
        FillOutlined(cairo, wall, wall, 1.5);
    }
    // A crack in the plaster and a stain under the ceiling.
    cairo_move_to(cairo, 700.0, 64.0);
    cairo_line_to(cairo, 712.0, 96.0);
    cairo_line_to(cairo, 704.0, 120.0);
    cairo_line_to(cairo, 716.0, 150.0);
    StrokeOutline(cairo, 2.0);
    Ellipse(cairo, 120.0, 84.0, 40.0, 16.0);
    FillPlain(cairo, wall, 0.9);
}

void Floor(cairo_t* cairo)
{
    cairo_rectangle(cairo, -4.0, floorY, width + 8.0, height - floorY + 4.0);
    SetVerticalGradient(cairo, floorY, height, colour::cream, colour::sand);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // Tile seams running to a point far above the middle.
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, colour::outline, 0.25);
    for (double x = -1400.0; x <= 2400.0; x += 110.0) {
        cairo_move_to(cairo, 512.0 + (x - 512.0) * 0.25, floorY);
        cairo_line_to(cairo, x, height);
    }
    for (double step = 0.0; step < 8.0; ++step) {
        const double y = floorY + 330.0 * (step * step) / 64.0 + 14.0 * step;
        cairo_move_to(cairo, 0.0, y);
        cairo_line_to(cairo, width, y);
    }
    cairo_stroke(cairo);
    // The shine of the lamps and a worn path to the doors.
    Ellipse(cairo, 520.0, 560.0, 380.0, 60.0);
    FillPlain(cairo, tone::white, 0.35);
    Ellipse(cairo, 860.0, 620.0, 120.0, 20.0);
    FillPlain(cairo, tone::sandDark, 0.4);
}

// A lit sign over a door, naming where it leads.
void DoorSign(cairo_t* cairo, double centreX, const char* text, std::uint32_t fill, std::uint32_t shade)
{
    RoundedRectangle(cairo, centreX - 56.0, doorTop - 38.0, 112.0, 26.0, 6.0);
    FillOutlined(cairo, fill, shade, 2.5);
    DrawArtText(cairo, text, centreX, doorTop - 19.0, 13.0, colour::outline);
}

// The frame the doors sit in.
void DoorFrame(cairo_t* cairo, double x, double doorWidth)
{
    RoundedRectangle(cairo, x - 10.0, doorTop - 10.0, doorWidth + 20.0, doorHeight + 10.0, 8.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
}

// A faded poster of the island on the wall, one corner come loose.
void Poster(cairo_t* cairo, double x, double y)
{
    RoundedRectangle(cairo, x, y, 90.0, 120.0, 4.0);
    FillOutlined(cairo, tone::skyDay, colour::turquoise, 2.5);
    Glow(cairo, x + 45.0, y + 60.0, 34.0, colour::orangeLight, 0.7);
    Circle(cairo, x + 45.0, y + 62.0, 18.0);
    FillOutlined(cairo, colour::cream, colour::orangeLight, 2.0);
    cairo_move_to(cairo, x + 2.0, y + 96.0);
    cairo_curve_to(cairo, x + 30.0, y + 86.0, x + 60.0, y + 86.0, x + 88.0, y + 96.0);
    cairo_line_to(cairo, x + 88.0, y + 118.0);
    cairo_line_to(cairo, x + 2.0, y + 118.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::sand, tone::sandDark, 2.0);
    DrawHibiscus(cairo, x + 20.0, y + 100.0, 9.0);
    DrawHibiscus(cairo, x + 68.0, y + 104.0, 7.0);
    DrawArtText(cairo, "WAKALUA", x + 45.0, y + 24.0, 13.0, colour::orangeLight);
    cairo_move_to(cairo, x + 90.0, y + 120.0);
    cairo_line_to(cairo, x + 70.0, y + 120.0);
    cairo_line_to(cairo, x + 90.0, y + 96.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::cream, colour::sand, 2.0);
}

void Paint(cairo_t* cairo)
{
    Wall(cairo);
    Floor(cairo);
    DoorFrame(cairo, 16.0, 110.0);
    DoorSign(cairo, 71.0, "FESTPLATZ", tone::hibiscusLight, colour::hibiscus);
    DoorFrame(cairo, 666.0, 110.0);
    DoorSign(cairo, 721.0, "HANGAR", colour::orangeLight, colour::orange);
    DoorFrame(cairo, 910.0, 106.0);
    DoorSign(cairo, 963.0, "TAXI", tone::taxiLight, tone::taxi);
    Poster(cairo, 806.0, 92.0);
}

// What the glass doors look out on: `view` paints it into the opening.
using View = std::function<void(cairo_t*, double, double)>;

void FestivalView(cairo_t* cairo, double doorWidth, double doorHeightPx)
{
    DrawEveningSky(cairo, 0.0, 0.0, doorWidth, doorHeightPx * 0.7);
    cairo_rectangle(cairo, 0.0, doorHeightPx * 0.7, doorWidth, doorHeightPx * 0.3);
    SetVerticalGradient(cairo, doorHeightPx * 0.7, doorHeightPx, colour::sand, tone::sandDark);
    cairo_fill(cairo);
    DrawPalm(cairo, doorWidth * 0.3, doorHeightPx * 0.74, 120.0, 20.0);
    for (int lantern = 0; lantern < 3; ++lantern) {
        const double x = 20.0 + lantern * 36.0;
        Glow(cairo, x, 60.0 + lantern * 6.0, 16.0, colour::orangeLight, 0.8);
        Ellipse(cairo, x, 60.0 + lantern * 6.0, 6.0, 8.0);
        FillOutlined(cairo, colour::cream, colour::hibiscus, 1.5);
    }
}

void TaxiPadView(cairo_t* cairo, double doorWidth, double doorHeightPx)
{
    DrawEveningSky(cairo, 0.0, 0.0, doorWidth, doorHeightPx * 0.66);
    DrawLandingField(cairo, -4.0, doorWidth + 4.0, doorHeightPx * 0.66, doorHeightPx, 1);
    DrawTaxi(cairo, doorWidth * 0.55, doorHeightPx * 0.62, 0.55, 0.0);
}

// A glass door of two leaves that slide apart into the wall.
void GlassDoor(cairo_t* cairo, int frame, double doorWidth, const View& view)
{
    const double doorHeightPx = doorHeight;
    const double shift = items::DoorOpening(frame) * doorWidth / 2.0;
    cairo_save(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, doorWidth, doorHeightPx);
    cairo_clip(cairo);
    view(cairo, doorWidth, doorHeightPx);
    for (const double side : {-1.0, 1.0}) {
        const double left = side < 0.0 ? -shift : doorWidth / 2.0 + shift;
        RoundedRectangle(cairo, left + 1.5, 1.5, doorWidth / 2.0 - 3.0, doorHeightPx - 3.0, 3.0);
        FillPlain(cairo, glass, 0.45);
        RoundedRectangle(cairo, left + 1.5, 1.5, doorWidth / 2.0 - 3.0, doorHeightPx - 3.0, 3.0);
        StrokeBand(cairo, tone::steelLight, 5.0, 9.0);
        // Reflections and the push bar.
        cairo_move_to(cairo, left + 10.0, 40.0);
        cairo_line_to(cairo, left + 22.0, 20.0);
        cairo_move_to(cairo, left + 10.0, 70.0);
        cairo_line_to(cairo, left + 34.0, 30.0);
        cairo_set_line_width(cairo, 4.0);
        SetColour(cairo, tone::white, 0.55);
        cairo_stroke(cairo);
        const double barX = side < 0.0 ? left + doorWidth / 2.0 - 12.0 : left + 8.0;
        RoundedRectangle(cairo, barX, 100.0, 5.0, 50.0, 2.5);
        FillOutlined(cairo, colour::steel, 0x5E6C82, 1.5);
    }
    cairo_restore(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, doorWidth, doorHeightPx);
    StrokeOutline(cairo, 3.0);
}

// The hangar's heavy door slides to the right into the wall and shows the
// dim hall behind, the Zephyra's teal and orange in the dark.
void HangarDoor(cairo_t* cairo, int frame)
{
    constexpr double doorWidth = 110.0;
    const double shift = items::DoorOpening(frame) * doorWidth;
    cairo_save(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, doorWidth, doorHeight);
    cairo_clip(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, doorWidth, doorHeight);
    SetVerticalGradient(cairo, 0.0, doorHeight, 0x2A3152, 0x4A4E64);
    cairo_fill(cairo);
    Glow(cairo, 60.0, 40.0, 60.0, colour::cream, 0.4);
    Ellipse(cairo, 70.0, 160.0, 60.0, 28.0);
    FillOutlined(cairo, colour::tealLight, colour::teal, 2.5);
    cairo_rectangle(cairo, 10.0, 150.0, 120.0, 10.0);
    FillPlain(cairo, colour::orange);
    cairo_rectangle(cairo, shift, 0.0, doorWidth, doorHeight);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    for (double y = 30.0; y < doorHeight - 30.0; y += 34.0) {
        cairo_move_to(cairo, shift + 8.0, y);
        cairo_line_to(cairo, shift + doorWidth - 8.0, y);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.4);
    cairo_stroke(cairo);
    for (int stripe = 0; stripe < 7; ++stripe) {
        const double x = shift - 6.0 + stripe * 20.0;
        cairo_move_to(cairo, x, doorHeight - 2.0);
        cairo_line_to(cairo, x + 14.0, doorHeight - 24.0);
        cairo_line_to(cairo, x + 24.0, doorHeight - 24.0);
        cairo_line_to(cairo, x + 10.0, doorHeight - 2.0);
        cairo_close_path(cairo);
    }
    FillPlain(cairo, tone::taxiLight, 0.95);
    RoundedRectangle(cairo, shift + 8.0, 100.0, 10.0, 40.0, 4.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    ship::DrawRivetRow(cairo, shift + 12.0, 14.0, shift + doorWidth - 12.0, 14.0, 4);
    cairo_restore(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, doorWidth, doorHeight);
    StrokeOutline(cairo, 3.0);
}

// The departure board: rows of destinations on dark glass, the last row's
// letters flipping over while the board blinks its warning.
void DepartureBoard(cairo_t* cairo, int frame)
{
    for (const double x : {40.0, 210.0}) {
        cairo_move_to(cairo, x, 0.0);
        cairo_line_to(cairo, x, 12.0);
        StrokeOutline(cairo, 3.0);
    }
    RoundedRectangle(cairo, 3.0, 10.0, 244.0, 112.0, 10.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 3.0);
    RoundedRectangle(cairo, 12.0, 18.0, 226.0, 96.0, 5.0);
    FillOutlined(cairo, 0x0F1F3A, 0x0A1528, 2.0);
    DrawArtText(cairo, "ABFLUG", 125.0, 34.0, 13.0, colour::orangeLight);
    struct Row {
        const char* place;
        const char* time;
        const char* state;
    };
    const Row rows[] = {
        {"KRONOS 7", "19:10", "BOARDING"},
        {"NEBULA", "19:45", "VERSP\xc3\x84TET"},
        {"MONDBASIS", "20:30", frame % 2 == 0 ? "GESTRICHEN" : ""},
    };
    for (int row = 0; row < 3; ++row) {
        const double y = 56.0 + row * 20.0;
        DrawArtText(cairo, rows[row].place, 20.0, y, 10.0, colour::tealLight, Align::left);
        DrawArtText(cairo, rows[row].time, 112.0, y, 10.0, colour::cream, Align::left);
        DrawArtText(cairo, rows[row].state, 230.0, y, 10.0, row == 2 ? colour::hibiscus : colour::tealLight,
                    Align::right);
    }
    // The flap of the last row's time, caught turning.
    const double turn = std::abs(std::cos(frame * pi / 3.0));
    RoundedRectangle(cairo, 150.0, 102.0 - 8.0 * turn, 30.0, 16.0 * turn + 1.0, 2.0);
    FillPlain(cairo, colour::nightLight, 0.6);
}

// The information counter: a teal front with the sign, a cream top with a
// bell and a sign asking to ring it, and a wilting palm in a pot.
void Counter(cairo_t* cairo, int /*frame*/)
{
    const double top = counterTop - (counterFoot - 144);
    RoundedRectangle(cairo, 180.0, top - 40.0, 36.0, 40.0, 6.0);
    FillOutlined(cairo, colour::hibiscus, colour::banner, 2.5);
    for (int leaf = 0; leaf < 4; ++leaf) {
        const double angle = -pi / 2.0 + (leaf - 1.5) * 0.5;
        cairo_move_to(cairo, 198.0, top - 40.0);
        cairo_curve_to(cairo, 198.0 + 30.0 * std::cos(angle), top - 70.0, 198.0 + 40.0 * std::cos(angle),
                       top - 60.0 + 10.0 * std::abs(leaf - 1.5), 198.0 + 44.0 * std::cos(angle),
                       top - 30.0 + 4.0 * leaf);
        StrokeBand(cairo, leaf % 2 == 0 ? tone::mossLight : tone::sandDark, 4.0, 8.0);
    }
    // The bell and its card.
    Ellipse(cairo, 40.0, top - 8.0, 14.0, 10.0);
    FillOutlined(cairo, colour::orangeLight, tone::taxi, 2.5);
    Ellipse(cairo, 40.0, top - 2.0, 18.0, 4.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 2.0);
    RoundedRectangle(cairo, 66.0, top - 32.0, 72.0, 30.0, 3.0);
    FillOutlined(cairo, tone::white, colour::cream, 2.0);
    DrawArtText(cairo, "BITTE", 102.0, top - 19.0, 10.0, colour::banner);
    DrawArtText(cairo, "KLINGELN", 102.0, top - 7.0, 10.0, colour::banner);
    // Top and front.
    RoundedRectangle(cairo, 4.0, top, 228.0, 16.0, 5.0);
    FillOutlined(cairo, colour::cream, colour::sand, 3.0);
    cairo_rectangle(cairo, 14.0, top + 16.0, 208.0, 144.0 - top - 20.0);
    FillOutlined(cairo, colour::tealLight, colour::teal, 3.0);
    Circle(cairo, 62.0, top + 50.0, 18.0);
    FillOutlined(cairo, colour::cream, colour::sand, 2.5);
    DrawArtText(cairo, "i", 62.0, top + 58.0, 22.0, colour::teal);
    DrawArtText(cairo, "INFO", 140.0, top + 58.0, 22.0, colour::cream);
    cairo_move_to(cairo, 20.0, 138.0);
    cairo_line_to(cairo, 216.0, 138.0);
    StrokeBand(cairo, colour::orangeLight, 4.0, 8.0);
}

// The big window onto the landing field: the field's lamps run along its
// edge, the tower's beacon blinks and a shuttle rises into the dusk.
void PanoramaWindow(cairo_t* cairo, int frame)
{
    constexpr double windowWidth = 260.0;
    constexpr double windowHeight = 290.0;
    const auto pane = [cairo] { RoundedRectangle(cairo, 6.0, 6.0, windowWidth - 12.0, windowHeight - 12.0, 14.0); };
    cairo_save(cairo);
    pane();
    cairo_clip(cairo);
    DrawEveningSky(cairo, 0.0, 0.0, windowWidth, 200.0);
    DrawLandingField(cairo, -4.0, windowWidth + 4.0, 200.0, windowHeight, frame);
    DrawControlTower(cairo, 220.0, 214.0, 0.8, frame % 2 == 0);
    DrawFreighter(cairo, 90.0, 226.0, 0.55);
    const double rise = frame * 14.0;
    Glow(cairo, 170.0, 216.0 - rise, 22.0, colour::orangeLight, 0.8);
    DrawShuttle(cairo, 170.0, 214.0 - rise, 0.45, tone::hibiscusLight, colour::hibiscus);
    // Reflections on the glass.
    cairo_move_to(cairo, 40.0, 20.0);
    cairo_line_to(cairo, 70.0, 20.0);
    cairo_line_to(cairo, 20.0, 140.0);
    cairo_line_to(cairo, 6.0, 140.0);
    cairo_close_path(cairo);
    FillPlain(cairo, tone::white, 0.15);
    cairo_restore(cairo);
    pane();
    StrokeBand(cairo, tone::steelLight, 10.0, 15.0);
    cairo_move_to(cairo, windowWidth / 2.0, 8.0);
    cairo_line_to(cairo, windowWidth / 2.0, windowHeight - 8.0);
    cairo_move_to(cairo, 8.0, 120.0);
    cairo_line_to(cairo, windowWidth - 8.0, 120.0);
    StrokeBand(cairo, tone::steelLight, 6.0, 11.0);
    // A bit of tape where the glass cracked.
    cairo_move_to(cairo, 150.0, 30.0);
    cairo_line_to(cairo, 180.0, 50.0);
    cairo_move_to(cairo, 180.0, 30.0);
    cairo_line_to(cairo, 150.0, 50.0);
    StrokeBand(cairo, colour::cream, 5.0, 8.0);
}

// A row of orange plastic seats on a steel beam; one has lost its back.
void Bench(cairo_t* cairo, int /*frame*/)
{
    for (const double x : {30.0, 190.0}) {
        RoundedRectangle(cairo, x - 5.0, 50.0, 10.0, 32.0, 3.0);
        FillOutlined(cairo, colour::steel, 0x5E6C82, 2.0);
    }
    RoundedRectangle(cairo, 6.0, 44.0, 208.0, 10.0, 4.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    for (int seat = 0; seat < 4; ++seat) {
        const double x = 10.0 + seat * 50.0;
        if (seat != 2) {
            RoundedRectangle(cairo, x + 4.0, 4.0, 42.0, 36.0, 10.0);
            FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
        }
        RoundedRectangle(cairo, x, 32.0, 50.0, 14.0, 6.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
    }
}

// The souvenir buyer: a round-shouldered machine that takes a souvenir
// through its big hatch and pays star coins into the tray; its lights run
// round the screen to draw customers.
void SouvenirBuyer(cairo_t* cairo, int frame)
{
    RoundedRectangle(cairo, 6.0, 10.0, 98.0, 210.0, 22.0);
    FillOutlined(cairo, 0xA67CE8, colour::violet, 3.0);
    RoundedRectangle(cairo, 16.0, 20.0, 78.0, 26.0, 8.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.5);
    DrawArtText(cairo, "ANKAUF", 55.0, 39.0, 13.0, colour::outline);
    // The screen with a star coin, its lights running round.
    RoundedRectangle(cairo, 20.0, 54.0, 70.0, 46.0, 6.0);
    FillOutlined(cairo, 0x0F3B4A, 0x0A2834, 2.5);
    Circle(cairo, 55.0, 77.0, 15.0);
    FillOutlined(cairo, colour::orangeLight, tone::taxi, 2.0);
    DrawArtText(cairo, "*", 55.0, 88.0, 22.0, colour::cream);
    for (int light = 0; light < 6; ++light) {
        const double x = 24.0 + light * 12.4;
        const bool lit = light == frame % 6 || light == (frame + 3) % 6;
        Circle(cairo, x, 108.0, 4.0);
        FillOutlined(cairo, lit ? tone::taxiLight : colour::steel, lit ? tone::taxi : 0x5E6C82, 1.5);
    }
    // The hatch for souvenirs and the big coin slot.
    RoundedRectangle(cairo, 18.0, 120.0, 56.0, 40.0, 8.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    RoundedRectangle(cairo, 30.0, 132.0, 32.0, 8.0, 3.0);
    FillOutlined(cairo, colour::outline, colour::outline, 1.5);
    RoundedRectangle(cairo, 80.0, 124.0, 14.0, 32.0, 5.0);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 2.0);
    RoundedRectangle(cairo, 85.0, 130.0, 4.0, 20.0, 2.0);
    FillPlain(cairo, colour::outline);
    // The coin tray with a dent somebody kicked into it.
    RoundedRectangle(cairo, 22.0, 172.0, 66.0, 30.0, 8.0);
    FillOutlined(cairo, colour::steel, 0x5E6C82, 2.5);
    RoundedRectangle(cairo, 30.0, 180.0, 50.0, 16.0, 6.0);
    FillOutlined(cairo, 0x3A3F58, colour::outline, 2.0);
    cairo_move_to(cairo, 70.0, 174.0);
    cairo_line_to(cairo, 76.0, 182.0);
    cairo_line_to(cairo, 84.0, 178.0);
    StrokeOutline(cairo, 2.0);
}

} // namespace

RoomDescription RoomRaumhafen()
{
    RoomDescription room;
    room.label = raumhafen;
    room.folder = "data\\level02\\roomraumhafen\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    room.floor = {{{0.0, 478.0}, {1024.0, 478.0}, {1024.0, 652.0}, {0.0, 652.0}}};
    room.leads = {{{40.0, 600.0}, {300.0, 560.0}, {560.0, 540.0}, {800.0, 560.0}, {1000.0, 600.0}},
                  {{71.0, 490.0}, {120.0, 560.0}},
                  {{721.0, 490.0}, {760.0, 556.0}},
                  {{963.0, 490.0}, {920.0, 580.0}}};
    room.backY = 478;
    room.frontY = 720;
    room.light = 0xF6F4FF;
    room.lightPools = {{{250.0, 520.0}, 170.0, 60.0, 0xFFFBEA},
                       {{560.0, 520.0}, 190.0, 60.0, 0xFFE0C8},
                       {{880.0, 520.0}, 170.0, 60.0, 0xFFFBEA}};
    room.graphics = {
        {"tor_festplatz", 16, static_cast<int>(doorTop), 110, doorHeight, items::doorFrames,
         [](cairo_t* cairo, int frame) { GlassDoor(cairo, frame, 110.0, FestivalView); }},
        {"tuer_hangar", 666, static_cast<int>(doorTop), 110, doorHeight, items::doorFrames, HangarDoor},
        {"tuer_taxistand", 910, static_cast<int>(doorTop), 106, doorHeight, items::doorFrames,
         [](cairo_t* cairo, int frame) { GlassDoor(cairo, frame, 106.0, TaxiPadView); }},
        {"anzeigetafel", 140, 100, 250, 124, 6, DepartureBoard},
        {"schalter", 140, counterFoot - 144, 236, 144, 1, Counter},
        {"fenster", 396, 96, 260, 290, 6, PanoramaWindow},
        {"wartebank", 416, 398, 220, 84, 1, Bench},
        {"ankaufautomat", 790, counterFoot - 224, 110, 224, 6, SouvenirBuyer},
    };
    // The fuel card lies on the counter; its graphic reaches down to the
    // floor before it, where Juna stands to take it.
    if (const items::ItemPicture* card = items::FindItemPicture("tankkarte")) {
        const int top = static_cast<int>(counterTop) - card->height + 8;
        room.graphics.push_back(
            {"tankkarte", cardX - card->width / 2, top, card->width, counterFoot + 8 - top, card->frames, card->draw});
    }
    room.ambience = Ambience::terminal;
    return room;
}

levels::RoomStaging RaumhafenStaging()
{
    using items::FullName;
    return {
        {{"TorFestplatz", "Zum Festplatz", raumhafen, FullName("RoomFestplatz", "TorRaumhafen"), {71, 486},
          {130, 570}, "tor_festplatz"},
         {"TuerTaxistand", "Zum Taxistand", raumhafen, FullName("RoomTaxistand", "TuerRaumhafen"), {963, 486},
          {920, 580}, "tuer_taxistand"},
         {"TuerHangar", "Zum Hangar", raumhafen, FullName("RoomHangar", "TuerRaumhafen"), {721, 486}, {740, 560},
          "tuer_hangar"}},
        {{"Sternentaler", "Sternentaler", raumhafen, items::Pickup::none, "sternentaler", false},
         {"Tankkarte", "Tankkarte", raumhafen, items::Pickup::high, "tankkarte", true},
         {"Tankausweis", "Tankausweis", raumhafen, items::Pickup::none, "tankausweis", false}},
        {{castanimations::kira, "Kira", "KIRA", raumhafen, {440, 640}, Entity::right, -110, {340, 640}}},
        {{"anzeigetafel", "Abflugtafel", {265, 540}, Entity::up},
         {"ankaufautomat", "Andenken-Ankauf", {845, 520}, Entity::up},
         {"schalter", "Infoschalter", {200, 520}, Entity::up},
         {"fenster", "Panoramafenster", {600, 530}, Entity::up},
         {"wartebank", "Wartebank", {526, 520}, Entity::up}},
    };
}

} // namespace content::rooms
