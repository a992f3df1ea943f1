// The great hall of Burg Felsenstein: grey ashlar under a dark timber
// ceiling, the double door out to the yard on the left, the great
// fireplace beside it, a tapestry of a falcon hunt, the lord's throne on
// its dais between two falcon banners under a round window, a suit of
// armour in the right corner and the long oak table in the middle of the
// floor with a tarnished silver tray on it; the iron chandelier hangs
// above the table. Torches and the fire light the hall.

#include "CastleInterior.h"
#include "Episode4Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"

#include <array>
#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

using namespace castle;

constexpr const char* roomRittersaal = "RoomRittersaal";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double floorY = 500.0;
constexpr std::uint32_t beamLight = 0x6A4A34;
constexpr std::uint32_t beamDark = 0x45301F;
constexpr std::uint32_t oakLight = 0x9A6A44;
constexpr std::uint32_t oak = 0x6A4630;
constexpr std::uint32_t gold = 0xF2C14E;
constexpr std::uint32_t goldDark = 0xB8862A;
constexpr std::uint32_t pewterLight = 0xC8CCD2;
constexpr std::uint32_t pewter = 0x8A9098;
// The double door in the back wall, left: its graphic fills the opening.
constexpr int doorX = 40;
constexpr int doorY = 264;
constexpr int doorWidth = 150;
constexpr int doorHeight = 230;
// The fireplace, and the middle of its fire in room pixels.
constexpr int kaminX = 262;
constexpr int kaminY = 140;
constexpr int kaminWidth = 200;
constexpr int kaminHeight = 358;
constexpr int kaminFrames = 6;
constexpr double fireX = kaminX + kaminWidth / 2.0;
// The long table: its graphic, and the rows of its top's near edge and of
// the floor where its legs stand.
constexpr int tableX = 268;
constexpr int tableY = 470;
constexpr int tableWidth = 396;
constexpr int tableHeight = 132;
constexpr int tableNearEdge = tableY + 72;
// The tray on the table, and the floor before the table where Juna stands
// to take it.
constexpr int trayX = 470;
constexpr int trayStandY = 614;
// The throne on its dais.
constexpr int throneX = 700;
constexpr int throneY = 212;
constexpr int throneWidth = 170;
constexpr int throneHeight = 294;
constexpr double throneMiddle = throneX + throneWidth / 2.0;
// The armour on its plinth in the right corner.
constexpr int armourX = 906;
constexpr int armourY = 280;
constexpr int armourWidth = 100;
constexpr int armourHeight = 284;
// The chandelier over the table's right half, clear of the fireplace and
// the tapestry so that it is drawn before the wall and answers the pointer
// everywhere.
constexpr int chandelierX = 466;
constexpr int chandelierWidth = 180;
constexpr int chandelierHeight = 190;
// The tapestry, hanging low on the wall below the chandelier.
constexpr int tapestryX = 486;
constexpr int tapestryY = 192;
constexpr int tapestryWidth = 140;
constexpr int tapestryHeight = 278;
constexpr int chandelierFrames = 4;

// The hall's ceiling: heavy joists resting on corbels above the wall.
void Ceiling(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, -10.0, width + 20.0, 72.0);
    SetVerticalGradient(cairo, 0.0, 62.0, beamDark, beamLight);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    for (double x = 60.0; x < width; x += 150.0) {
        cairo_rectangle(cairo, x - 20.0, -4.0, 40.0, 58.0);
        FillOutlined(cairo, oakLight, beamLight, 2.5);
        // The stone corbel under the joist's end.
        cairo_move_to(cairo, x - 22.0, 70.0);
        cairo_line_to(cairo, x + 22.0, 70.0);
        cairo_curve_to(cairo, x + 22.0, 86.0, x + 8.0, 96.0, x, 98.0);
        cairo_curve_to(cairo, x - 8.0, 96.0, x - 22.0, 86.0, x - 22.0, 70.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    }
    RoundedRectangle(cairo, -10.0, 52.0, width + 20.0, 20.0, 4.0);
    FillOutlined(cairo, beamLight, beamDark, 3.0);
}

// A red banner with the falcon of Felsenstein, hanging from a pole.
void FalconBanner(cairo_t* cairo, double left, double top, double bannerWidth, double bannerHeight)
{
    const double middle = left + bannerWidth / 2.0;
    cairo_move_to(cairo, left, top);
    cairo_line_to(cairo, left + bannerWidth, top);
    cairo_line_to(cairo, left + bannerWidth, top + bannerHeight);
    cairo_line_to(cairo, middle, top + bannerHeight - 26.0);
    cairo_line_to(cairo, left, top + bannerHeight);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 3.0);
    cairo_move_to(cairo, left + 6.0, top + 6.0);
    cairo_line_to(cairo, left + 6.0, top + bannerHeight - 12.0);
    cairo_move_to(cairo, left + bannerWidth - 6.0, top + 6.0);
    cairo_line_to(cairo, left + bannerWidth - 6.0, top + bannerHeight - 12.0);
    cairo_set_line_width(cairo, 3.0);
    SetColour(cairo, gold, 0.9);
    cairo_stroke(cairo);
    // The falcon: spread wings, a round head turned aside, the tail.
    const double bird = top + bannerHeight * 0.4;
    cairo_move_to(cairo, middle, bird - 14.0);
    cairo_curve_to(cairo, middle - 10.0, bird - 22.0, middle - 22.0, bird - 20.0, middle - 20.0, bird - 4.0);
    cairo_line_to(cairo, middle - 6.0, bird + 2.0);
    cairo_line_to(cairo, middle - 8.0, bird + 24.0);
    cairo_line_to(cairo, middle, bird + 18.0);
    cairo_line_to(cairo, middle + 8.0, bird + 24.0);
    cairo_line_to(cairo, middle + 6.0, bird + 2.0);
    cairo_line_to(cairo, middle + 20.0, bird - 4.0);
    cairo_curve_to(cairo, middle + 22.0, bird - 20.0, middle + 10.0, bird - 22.0, middle, bird - 14.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, gold, goldDark, 2.0);
    Circle(cairo, middle, bird - 18.0, 6.0);
    FillOutlined(cairo, gold, goldDark, 2.0);
    // The pole and its knobs.
    cairo_move_to(cairo, left - 8.0, top);
    cairo_line_to(cairo, left + bannerWidth + 8.0, top);
    StrokeBand(cairo, tone::woodLight, 5.0, 9.0);
    for (const double x : {left - 10.0, left + bannerWidth + 10.0}) {
        Circle(cairo, x, top, 5.0);
        FillOutlined(cairo, gold, goldDark, 2.0);
    }
}

// A narrow window with a pointed head, its sill and its beam of daylight
// falling to the floor.
void LancetWindow(cairo_t* cairo, double left, double top, double windowWidth, double windowHeight)
{
    const double middle = left + windowWidth / 2.0;
    const auto outline = [&](double margin) {
        cairo_move_to(cairo, left - margin, top + windowHeight);
        cairo_line_to(cairo, left - margin, top + windowWidth);
        cairo_curve_to(cairo, left - margin, top + 8.0, middle, top - margin, middle, top - margin);
        cairo_curve_to(cairo, middle, top - margin, left + windowWidth + margin, top + 8.0, left + windowWidth + margin,
                       top + windowWidth);
        cairo_line_to(cairo, left + windowWidth + margin, top + windowHeight);
        cairo_close_path(cairo);
    };
    outline(10.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    outline(0.0);
    SetVerticalGradient(cairo, top, top + windowHeight, 0x8CD0F2, 0xE9F7FF);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_move_to(cairo, middle, top + 6.0);
    cairo_line_to(cairo, middle, top + windowHeight);
    for (double y = top + windowWidth; y < top + windowHeight; y += 30.0) {
        cairo_move_to(cairo, left, y);
        cairo_line_to(cairo, left + windowWidth, y);
    }
    StrokeBand(cairo, iron, 2.0, 4.0);
    RoundedRectangle(cairo, left - 14.0, top + windowHeight - 2.0, windowWidth + 28.0, 12.0, 3.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
}

// A round window of coloured glass above the throne.
void RoseWindow(cairo_t* cairo, double x, double y, double radius)
{
    Circle(cairo, x, y, radius + 10.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    const std::uint32_t panes[] = {0xE8636A, 0x6FB8F0, 0xF2D46A, 0x8EDB5E};
    for (int pane = 0; pane < 8; ++pane) {
        const double from = pane * pi / 4.0;
        cairo_move_to(cairo, x, y);
        cairo_arc(cairo, x, y, radius, from, from + pi / 4.0);
        cairo_close_path(cairo);
        FillPlain(cairo, panes[pane % 4]);
    }
    Circle(cairo, x, y, radius * 0.35);
    FillPlain(cairo, 0xFFF0B0);
    for (int spoke = 0; spoke < 8; ++spoke) {
        cairo_move_to(cairo, x, y);
        cairo_line_to(cairo, x + radius * std::cos(spoke * pi / 4.0), y + radius * std::sin(spoke * pi / 4.0));
    }
    StrokeBand(cairo, iron, 2.0, 4.5);
    Circle(cairo, x, y, radius * 0.35);
    Circle(cairo, x, y, radius);
    StrokeOutline(cairo, 3.0);
    Glow(cairo, x, y, radius * 1.6, 0xFFF0C0, 0.25);
}

// The stone arch round the double door, with a keystone.
void DoorFrame(cairo_t* cairo)
{
    DoorArch(cairo, doorX, doorY, doorWidth, doorHeight, 18.0, 10, 34.0);
    const double centre = doorX + doorWidth / 2.0;
    cairo_move_to(cairo, centre - 14.0, doorY - 20.0);
    cairo_line_to(cairo, centre + 14.0, doorY - 20.0);
    cairo_line_to(cairo, centre + 9.0, doorY + 4.0);
    cairo_line_to(cairo, centre - 9.0, doorY + 4.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xE4E0D8, tone::stoneLight, 2.5);
}

// The red carpet from the front of the hall to the throne's dais, with a
// golden border, narrowing into the distance.
void Carpet(cairo_t* cairo)
{
    const auto runner = [&](double inset) {
        cairo_move_to(cairo, throneMiddle - 50.0 + inset, 506.0);
        cairo_line_to(cairo, throneMiddle + 50.0 - inset, 506.0);
        cairo_line_to(cairo, throneMiddle + 90.0 - inset * 1.6, height + 4.0);
        cairo_line_to(cairo, throneMiddle - 90.0 + inset * 1.6, height + 4.0);
        cairo_close_path(cairo);
    };
    runner(0.0);
    FillOutlined(cairo, gold, goldDark, 2.5);
    runner(7.0);
    SetVerticalGradient(cairo, 506.0, height, tone::bannerLight, colour::banner);
    cairo_fill(cairo);
}

void Paint(cairo_t* cairo)
{
    AshlarWall(cairo, -10.0, 60.0, width + 10.0, floorY, 92.0, 40.0);
    // The fire's warmth round the fireplace, the torches' light.
    Glow(cairo, fireX, 400.0, 300.0, fire, 0.35);
    Glow(cairo, 226.0, 300.0, 110.0, fireLight, 0.3);
    Glow(cairo, 974.0, 190.0, 110.0, fireLight, 0.3);
    Ceiling(cairo);
    LancetWindow(cairo, 98.0, 96.0, 44.0, 124.0);
    RoseWindow(cairo, throneMiddle, 148.0, 42.0);
    FalconBanner(cairo, 642.0, 120.0, 50.0, 210.0);
    FalconBanner(cairo, 880.0, 120.0, 50.0, 210.0);
    DoorFrame(cairo);
    FlagstoneFloor(cairo, floorY, height, width);
    Carpet(cairo);
    // The fire's light on the floor, the daylight from the door and the
    // round window, the shadows of the table and the plinth.
    Glow(cairo, fireX, 540.0, 240.0, fire, 0.3);
    Glow(cairo, doorX + doorWidth / 2.0, 520.0, 130.0, colour::cream, 0.35);
    Glow(cairo, throneMiddle, 560.0, 160.0, 0xFFF0C0, 0.2);
    Ellipse(cairo, tableX + tableWidth / 2.0, tableY + tableHeight - 4.0, tableWidth / 2.0 + 10.0, 16.0);
    FillPlain(cairo, tone::shadowDeep, 0.35);
    Ellipse(cairo, armourX + armourWidth / 2.0, armourY + armourHeight - 4.0, 56.0, 10.0);
    FillPlain(cairo, tone::shadowDeep, 0.35);
}

// The double door to the yard: oak planks with iron straps, each leaf
// swinging inwards on its outer hinges to show the sunny yard.
void Door(cairo_t* cairo, int frame)
{
    YardDoor(cairo, doorWidth, doorHeight, frame, 2, {96.0, 186.0}, 140.0);
}

// The great fireplace: a stone hood narrowing up to the ceiling with the
// falcon's shield on it, the mantel, the jambs, and the fire of logs on
// their iron dogs, its flames licking and its embers glowing by turns.
void Fireplace(cairo_t* cairo, int frame)
{
    const double phase = frame * 2.0 * pi / kaminFrames;
    const double w = kaminWidth;
    // The hood.
    cairo_move_to(cairo, 50.0, -2.0);
    cairo_line_to(cairo, w - 50.0, -2.0);
    cairo_line_to(cairo, w - 14.0, 196.0);
    cairo_line_to(cairo, 14.0, 196.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xC8C2B6, 0x8E887E, 3.0);
    cairo_set_line_width(cairo, 2.0);
    for (double y = 40.0; y < 196.0; y += 40.0) {
        const double inset = 50.0 - 36.0 * y / 196.0;
        cairo_move_to(cairo, inset, y);
        cairo_line_to(cairo, w - inset, y);
    }
    SetColour(cairo, colour::outline, 0.25);
    cairo_stroke(cairo);
    Glow(cairo, w / 2.0, 196.0, 110.0, fire, 0.3 + 0.06 * std::sin(phase));
    // The shield of Felsenstein on the hood: a golden falcon on red.
    cairo_move_to(cairo, w / 2.0 - 30.0, 74.0);
    cairo_line_to(cairo, w / 2.0 + 30.0, 74.0);
    cairo_curve_to(cairo, w / 2.0 + 30.0, 120.0, w / 2.0 + 10.0, 140.0, w / 2.0, 148.0);
    cairo_curve_to(cairo, w / 2.0 - 10.0, 140.0, w / 2.0 - 30.0, 120.0, w / 2.0 - 30.0, 74.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 3.0);
    cairo_move_to(cairo, w / 2.0, 92.0);
    cairo_line_to(cairo, w / 2.0 - 18.0, 100.0);
    cairo_line_to(cairo, w / 2.0 - 6.0, 110.0);
    cairo_line_to(cairo, w / 2.0, 132.0);
    cairo_line_to(cairo, w / 2.0 + 6.0, 110.0);
    cairo_line_to(cairo, w / 2.0 + 18.0, 100.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, gold, goldDark, 2.0);
    // The mantel.
    RoundedRectangle(cairo, 2.0, 192.0, w - 4.0, 22.0, 4.0);
    FillOutlined(cairo, 0xE0DAD0, tone::stoneLight, 3.0);
    // The dark firebox between the jambs.
    cairo_rectangle(cairo, 26.0, 214.0, w - 52.0, 130.0);
    FillPlain(cairo, 0x2A1E22);
    Glow(cairo, w / 2.0, 320.0, 110.0 + 8.0 * std::sin(phase), fire, 0.8);
    Glow(cairo, w / 2.0, 312.0, 56.0, fireLight, 0.6 + 0.2 * std::sin(phase * 2.0));
    // The jambs.
    for (const double x : {4.0, w - 28.0}) {
        cairo_rectangle(cairo, x, 212.0, 24.0, 134.0);
        FillOutlined(cairo, tone::stoneLight, colour::stone, 3.0);
        cairo_set_line_width(cairo, 2.0);
        for (double y = 244.0; y < 340.0; y += 32.0) {
            cairo_move_to(cairo, x, y);
            cairo_line_to(cairo, x + 24.0, y);
        }
        SetColour(cairo, colour::outline, 0.35);
        cairo_stroke(cairo);
    }
    // The logs crossed on the fire dogs, and the fire.
    LogFire(cairo, w / 2.0, 336.0, 50.0, 56.0, phase);
    for (const double x : {46.0, w - 46.0}) {
        cairo_move_to(cairo, x, 300.0);
        cairo_line_to(cairo, x, 342.0);
        StrokeBand(cairo, ironLight, 3.0, 7.0);
        Circle(cairo, x, 298.0, 5.0);
        FillOutlined(cairo, ironLight, iron, 2.0);
    }
    // The hearth stone before it.
    RoundedRectangle(cairo, 0.0, 340.0, w, kaminHeight - 340.0, 3.0);
    FillOutlined(cairo, 0xC8C2B6, colour::stone, 2.5);
}

// The tapestry of a falcon hunt on its rod: a falcon stooping on a heron
// over green meadows between two round trees, in a red border.
void Tapestry(cairo_t* cairo, int /*frame*/)
{
    constexpr double clothWidth = tapestryWidth;
    constexpr double clothBottom = 296.0;
    // Drawn on a cloth of 300 rows, fitted to the graphic's height.
    cairo_scale(cairo, 1.0, tapestryHeight / 300.0);
    const auto cloth = [&] {
        cairo_move_to(cairo, 6.0, 10.0);
        cairo_line_to(cairo, clothWidth - 6.0, 10.0);
        cairo_line_to(cairo, clothWidth - 6.0, clothBottom - 12.0);
        for (double x = clothWidth - 6.0; x > 6.0; x -= 16.0)
            cairo_curve_to(cairo, x - 4.0, clothBottom, x - 12.0, clothBottom, x - 16.0, clothBottom - 12.0);
        cairo_close_path(cairo);
    };
    cloth();
    FillOutlined(cairo, tone::bannerLight, colour::banner, 3.0);
    cairo_save(cairo);
    cairo_rectangle(cairo, 16.0, 22.0, clothWidth - 32.0, clothBottom - 50.0);
    cairo_clip(cairo);
    // The sky and the meadow.
    cairo_rectangle(cairo, 0.0, 0.0, clothWidth, clothBottom);
    SetVerticalGradient(cairo, 20.0, 200.0, 0xF4E6C0, 0xE4D0A0);
    cairo_fill(cairo);
    cairo_move_to(cairo, 0.0, 190.0);
    cairo_curve_to(cairo, 40.0, 170.0, 90.0, 200.0, clothWidth, 180.0);
    cairo_line_to(cairo, clothWidth, clothBottom);
    cairo_line_to(cairo, 0.0, clothBottom);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::mossLight, colour::moss, 2.0);
    // Two round trees.
    for (const auto& [x, y] : {std::array{34.0, 176.0}, std::array{112.0, 170.0}}) {
        cairo_rectangle(cairo, x - 4.0, y, 8.0, 30.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 1.5);
        Circle(cairo, x, y - 12.0, 20.0);
        FillOutlined(cairo, 0x7CB24C, 0x3E7A34, 2.0);
    }
    // Flowers in the grass.
    for (int flower = 0; flower < 9; ++flower) {
        Circle(cairo, 22.0 + flower * 12.0, 222.0 + (flower % 3) * 8.0, 3.0);
        FillPlain(cairo, flower % 2 == 0 ? 0xFFF4DC : 0xF2D46A);
    }
    // The heron fleeing low over the meadow.
    cairo_move_to(cairo, 50.0, 140.0);
    cairo_curve_to(cairo, 70.0, 126.0, 96.0, 128.0, 106.0, 136.0);
    cairo_curve_to(cairo, 90.0, 144.0, 66.0, 148.0, 50.0, 140.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xE6EEF4, 0xA8B4C0, 2.0);
    cairo_move_to(cairo, 60.0, 136.0);
    cairo_line_to(cairo, 40.0, 124.0);
    StrokeBand(cairo, 0xE6EEF4, 3.0, 6.0);
    cairo_move_to(cairo, 40.0, 124.0);
    cairo_line_to(cairo, 28.0, 128.0);
    StrokeBand(cairo, gold, 2.0, 4.5);
    // The falcon stooping from above on the heron, head first, its pointed
    // wings swept back: slate grey above, cream below, a yellow beak.
    constexpr std::uint32_t slateLight = 0x8C9AAE;
    constexpr std::uint32_t slate = 0x56627A;
    for (const auto& [tipX, tipY, rootX, rootY] :
         {std::array{40.0, 44.0, 80.0, 72.0}, std::array{124.0, 30.0, 94.0, 66.0}}) {
        cairo_move_to(cairo, rootX - 6.0, rootY + 4.0);
        cairo_curve_to(cairo, (rootX + tipX) / 2.0 - 4.0, (rootY + tipY) / 2.0 + 10.0, tipX, tipY + 8.0, tipX, tipY);
        cairo_curve_to(cairo, (rootX + tipX) / 2.0, (rootY + tipY) / 2.0 - 10.0, rootX + 6.0, rootY - 8.0, rootX + 6.0,
                       rootY - 6.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, slateLight, slate, 2.0);
    }
    // The tail, then the body from the tail down to the head.
    cairo_move_to(cairo, 100.0, 52.0);
    cairo_line_to(cairo, 112.0, 34.0);
    cairo_line_to(cairo, 118.0, 46.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, slateLight, slate, 2.0);
    cairo_save(cairo);
    cairo_translate(cairo, 88.0, 72.0);
    cairo_rotate(cairo, -0.9);
    Ellipse(cairo, 0.0, 0.0, 26.0, 11.0);
    cairo_restore(cairo);
    FillOutlined(cairo, colour::cream, slate, 2.0);
    Circle(cairo, 72.0, 92.0, 9.0);
    FillOutlined(cairo, slateLight, slate, 2.0);
    cairo_move_to(cairo, 66.0, 96.0);
    cairo_line_to(cairo, 58.0, 104.0);
    cairo_line_to(cairo, 68.0, 101.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, gold, goldDark, 1.5);
    Circle(cairo, 70.0, 90.0, 2.0);
    FillPlain(cairo, colour::outline);
    cairo_restore(cairo);
    // The golden border round the picture and the fringe.
    cairo_rectangle(cairo, 16.0, 22.0, clothWidth - 32.0, clothBottom - 50.0);
    StrokeBand(cairo, gold, 3.0, 6.0);
    cloth();
    StrokeOutline(cairo, 3.0);
    // The rod and its knobs.
    cairo_move_to(cairo, 4.0, 8.0);
    cairo_line_to(cairo, clothWidth - 4.0, 8.0);
    StrokeBand(cairo, tone::woodLight, 5.0, 9.0);
    for (const double x : {5.0, clothWidth - 5.0}) {
        Circle(cairo, x, 8.0, 5.0);
        FillOutlined(cairo, gold, goldDark, 2.0);
    }
}

// The lord's throne on a dais of two steps: a high carved back with a
// pointed top and the falcon on it, a red cushion, arms ending in knobs.
void Throne(cairo_t* cairo, int /*frame*/)
{
    const double w = throneWidth;
    const double m = w / 2.0;
    // The dais.
    RoundedRectangle(cairo, 4.0, 236.0, w - 8.0, 30.0, 4.0);
    FillOutlined(cairo, 0xD8D2C8, colour::stone, 3.0);
    RoundedRectangle(cairo, 0.0, 262.0, w, 30.0, 4.0);
    FillOutlined(cairo, 0xD8D2C8, colour::stone, 3.0);
    cairo_rectangle(cairo, m - 36.0, 262.0, 72.0, 30.0);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
    cairo_rectangle(cairo, m - 36.0, 236.0, 72.0, 26.0);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
    // The back, with its pointed top.
    cairo_move_to(cairo, m - 46.0, 200.0);
    cairo_line_to(cairo, m - 46.0, 44.0);
    cairo_curve_to(cairo, m - 46.0, 20.0, m - 10.0, 14.0, m, 0.0);
    cairo_curve_to(cairo, m + 10.0, 14.0, m + 46.0, 20.0, m + 46.0, 44.0);
    cairo_line_to(cairo, m + 46.0, 200.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, oakLight, oak, 3.0);
    // The cushioned panel with the falcon.
    RoundedRectangle(cairo, m - 32.0, 50.0, 64.0, 120.0, 10.0);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    cairo_move_to(cairo, m, 82.0);
    cairo_line_to(cairo, m - 22.0, 94.0);
    cairo_line_to(cairo, m - 7.0, 104.0);
    cairo_line_to(cairo, m, 128.0);
    cairo_line_to(cairo, m + 7.0, 104.0);
    cairo_line_to(cairo, m + 22.0, 94.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, gold, goldDark, 2.0);
    Circle(cairo, m, 28.0, 8.0);
    FillOutlined(cairo, gold, goldDark, 2.0);
    // The seat and its cushion.
    RoundedRectangle(cairo, m - 56.0, 168.0, 112.0, 24.0, 6.0);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    RoundedRectangle(cairo, m - 58.0, 190.0, 116.0, 16.0, 4.0);
    FillOutlined(cairo, oakLight, oak, 2.5);
    // The legs.
    for (const double x : {m - 56.0, m + 44.0}) {
        cairo_rectangle(cairo, x, 204.0, 12.0, 32.0);
        FillOutlined(cairo, oakLight, oak, 2.5);
    }
    // The arms, ending in golden knobs.
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, m + side * 46.0, 120.0);
        cairo_line_to(cairo, m + side * 66.0, 124.0);
        cairo_line_to(cairo, m + side * 66.0, 194.0);
        StrokeBand(cairo, oakLight, 9.0, 14.0);
        Circle(cairo, m + side * 66.0, 122.0, 8.0);
        FillOutlined(cairo, gold, goldDark, 2.0);
    }
    Shine(cairo, m - 40.0, 50.0, m - 40.0, 190.0, 3.0, 0.25);
}

// A knight's full armour on a stone plinth: helm with a red plume,
// shoulder plates, breastplate, gauntlets resting on a halberd.
void Armour(cairo_t* cairo, int /*frame*/)
{
    const double m = 46.0;
    // The plinth.
    RoundedRectangle(cairo, 8.0, 246.0, 76.0, 36.0, 4.0);
    FillOutlined(cairo, 0xD8D2C8, colour::stone, 3.0);
    // The halberd, behind the right gauntlet.
    cairo_move_to(cairo, 84.0, 248.0);
    cairo_line_to(cairo, 84.0, 6.0);
    StrokeBand(cairo, tone::woodLight, 4.0, 8.0);
    cairo_move_to(cairo, 84.0, 0.0);
    cairo_line_to(cairo, 90.0, 22.0);
    cairo_line_to(cairo, 98.0, 28.0);
    cairo_curve_to(cairo, 98.0, 44.0, 92.0, 52.0, 84.0, 54.0);
    cairo_line_to(cairo, 72.0, 44.0);
    cairo_line_to(cairo, 78.0, 22.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    // Legs and sabatons.
    for (const double side : {-1.0, 1.0}) {
        RoundedRectangle(cairo, m + side * 12.0 - 9.0, 170.0, 18.0, 72.0, 6.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
        Circle(cairo, m + side * 12.0, 196.0, 7.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
        Ellipse(cairo, m + side * 16.0, 244.0, 14.0, 6.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    }
    // The skirt of plates.
    cairo_move_to(cairo, m - 26.0, 140.0);
    cairo_line_to(cairo, m + 26.0, 140.0);
    cairo_line_to(cairo, m + 30.0, 176.0);
    cairo_line_to(cairo, m - 30.0, 176.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    cairo_move_to(cairo, m - 28.0, 158.0);
    cairo_line_to(cairo, m + 28.0, 158.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.45);
    cairo_stroke(cairo);
    // Arms down the sides, gauntlets.
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, m + side * 30.0, 78.0);
        cairo_line_to(cairo, m + side * 36.0, 150.0);
        StrokeBand(cairo, tone::steelLight, 12.0, 17.0);
        Circle(cairo, m + side * 36.0, 158.0, 9.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    }
    // The breastplate with its ridge.
    cairo_move_to(cairo, m - 26.0, 70.0);
    cairo_curve_to(cairo, m - 10.0, 62.0, m + 10.0, 62.0, m + 26.0, 70.0);
    cairo_curve_to(cairo, m + 30.0, 104.0, m + 24.0, 130.0, m + 20.0, 144.0);
    cairo_line_to(cairo, m - 20.0, 144.0);
    cairo_curve_to(cairo, m - 24.0, 130.0, m - 30.0, 104.0, m - 26.0, 70.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    cairo_move_to(cairo, m, 66.0);
    cairo_line_to(cairo, m, 142.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.4);
    cairo_stroke(cairo);
    Shine(cairo, m - 16.0, 80.0, m - 18.0, 120.0, 3.0, 0.6);
    // Shoulder plates.
    for (const double side : {-1.0, 1.0}) {
        Ellipse(cairo, m + side * 28.0, 74.0, 15.0, 11.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    }
    // The helm with its visor slit and its plume.
    cairo_move_to(cairo, m - 18.0, 64.0);
    cairo_line_to(cairo, m - 18.0, 36.0);
    cairo_curve_to(cairo, m - 18.0, 16.0, m + 18.0, 16.0, m + 18.0, 36.0);
    cairo_line_to(cairo, m + 18.0, 64.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    cairo_move_to(cairo, m - 12.0, 42.0);
    cairo_line_to(cairo, m + 12.0, 42.0);
    StrokeOutline(cairo, 3.5);
    cairo_move_to(cairo, m, 22.0);
    cairo_curve_to(cairo, m - 8.0, 4.0, m - 26.0, 2.0, m - 34.0, 14.0);
    StrokeBand(cairo, tone::bannerLight, 6.0, 10.0);
}

// The long oak table on two trestles: pewter plates and goblets, a jug, a
// loaf and a candlestick on it, and room between them for the tray (an
// item of its own).
void Table(cairo_t* cairo, int /*frame*/)
{
    const double w = tableWidth;
    // The trestles.
    for (const double x : {40.0, w - 40.0}) {
        cairo_move_to(cairo, x - 24.0, 128.0);
        cairo_line_to(cairo, x, 80.0);
        cairo_line_to(cairo, x + 24.0, 128.0);
        StrokeBand(cairo, oakLight, 8.0, 13.0);
        cairo_move_to(cairo, x, 80.0);
        cairo_line_to(cairo, x, 126.0);
        StrokeBand(cairo, oakLight, 8.0, 13.0);
    }
    cairo_move_to(cairo, 40.0, 108.0);
    cairo_line_to(cairo, w - 40.0, 108.0);
    StrokeBand(cairo, oakLight, 6.0, 10.0);
    // The top, seen a little from above, and its near edge.
    cairo_move_to(cairo, 14.0, 36.0);
    cairo_line_to(cairo, w - 14.0, 36.0);
    cairo_line_to(cairo, w - 2.0, 72.0);
    cairo_line_to(cairo, 2.0, 72.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xB07C52, oakLight, 3.0);
    cairo_set_line_width(cairo, 1.5);
    for (const double y : {48.0, 60.0}) {
        cairo_move_to(cairo, 14.0 - (y - 36.0) / 3.0, y);
        cairo_line_to(cairo, w - 14.0 + (y - 36.0) / 3.0, y);
    }
    SetColour(cairo, oak, 0.6);
    cairo_stroke(cairo);
    RoundedRectangle(cairo, 0.0, 70.0, w, 16.0, 3.0);
    FillOutlined(cairo, oakLight, oak, 3.0);
    // Pewter plates.
    for (const double x : {50.0, 96.0, 350.0}) {
        Ellipse(cairo, x, 56.0, 20.0, 7.0);
        FillOutlined(cairo, pewterLight, pewter, 2.0);
    }
    // Goblets.
    for (const double x : {70.0, 262.0, 322.0}) {
        cairo_move_to(cairo, x - 7.0, 30.0);
        cairo_line_to(cairo, x + 7.0, 30.0);
        cairo_line_to(cairo, x + 3.0, 44.0);
        cairo_line_to(cairo, x + 2.0, 54.0);
        cairo_line_to(cairo, x + 7.0, 58.0);
        cairo_line_to(cairo, x - 7.0, 58.0);
        cairo_line_to(cairo, x - 2.0, 54.0);
        cairo_line_to(cairo, x - 3.0, 44.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, pewterLight, pewter, 2.0);
    }
    // The jug.
    cairo_move_to(cairo, 130.0, 54.0);
    cairo_curve_to(cairo, 120.0, 40.0, 124.0, 22.0, 132.0, 16.0);
    cairo_line_to(cairo, 150.0, 16.0);
    cairo_curve_to(cairo, 158.0, 22.0, 162.0, 40.0, 152.0, 54.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xD8A070, 0xA86A40, 2.5);
    cairo_arc(cairo, 160.0, 32.0, 8.0, -pi / 2.0, pi / 2.0);
    StrokeBand(cairo, 0xD8A070, 3.0, 6.5);
    // The loaf.
    Ellipse(cairo, 296.0, 52.0, 18.0, 10.0);
    FillOutlined(cairo, 0xE6B46A, 0xB07C3A, 2.5);
    // A candlestick with a burning candle.
    cairo_move_to(cairo, 374.0, 58.0);
    cairo_line_to(cairo, 374.0, 30.0);
    StrokeBand(cairo, gold, 3.0, 6.5);
    Ellipse(cairo, 374.0, 58.0, 10.0, 4.0);
    FillOutlined(cairo, gold, goldDark, 2.0);
    RoundedRectangle(cairo, 369.0, 6.0, 10.0, 24.0, 3.0);
    FillOutlined(cairo, colour::cream, colour::sand, 2.0);
    FlameTongue(cairo, 374.0, 6.0, 8.0, 6.0, 0.0);
}

// The iron chandelier: a chain from the ceiling, three chains down to a
// ring of candles whose flames flicker.
void Chandelier(cairo_t* cairo, int frame)
{
    const double phase = frame * 2.0 * pi / chandelierFrames;
    const double m = chandelierWidth / 2.0;
    const double ringY = 158.0;
    const double hub = 96.0;
    cairo_move_to(cairo, m, 0.0);
    cairo_line_to(cairo, m, hub);
    for (const double x : {10.0, m, chandelierWidth - 10.0}) {
        cairo_move_to(cairo, m, hub);
        cairo_line_to(cairo, x, ringY);
    }
    cairo_set_line_width(cairo, 3.0);
    const double dashes[] = {5.0, 3.0};
    cairo_set_dash(cairo, dashes, 2, 0.0);
    SetColour(cairo, iron);
    cairo_stroke(cairo);
    cairo_set_dash(cairo, nullptr, 0, 0.0);
    Circle(cairo, m, hub, 6.0);
    FillOutlined(cairo, ironLight, iron, 2.0);
    // The candles on the ring's back half, the ring, then those in front.
    const auto candles = [&](bool front) {
        for (int candle = 0; candle < 8; ++candle) {
            const double angle = candle * pi / 4.0 + 0.3;
            const bool inFront = std::sin(angle) > 0.0;
            if (inFront != front)
                continue;
            const double x = m + (m - 10.0) * std::cos(angle);
            const double y = ringY + 24.0 * std::sin(angle);
            RoundedRectangle(cairo, x - 5.0, y - 26.0, 10.0, 24.0, 3.0);
            FillOutlined(cairo, colour::cream, colour::sand, 2.0);
            Glow(cairo, x, y - 36.0, 16.0, fireLight, 0.5);
            FlameTongue(cairo, x, y - 26.0, 9.0, 14.0 + 3.0 * std::sin(phase + candle), phase + candle);
        }
    };
    candles(false);
    Ellipse(cairo, m, ringY, m - 10.0, 24.0);
    cairo_set_line_width(cairo, OutlineWidth(cairo, 12.0));
    SetColour(cairo, colour::outline);
    cairo_stroke(cairo);
    Ellipse(cairo, m, ringY, m - 10.0, 24.0);
    cairo_set_line_width(cairo, 7.0);
    SetColour(cairo, ironLight);
    cairo_stroke(cairo);
    candles(true);
}

// The tray lies on the table; its graphic reaches down to the floor before
// the table, where Juna stands to take it, so that its foot is there.
RoomGraphic TrayOnTable()
{
    const items::ItemPicture* tray = items::FindItemPicture("tablett");
    if (tray == nullptr)
        return items::LyingItemGraphic("tablett", trayX, trayStandY);
    const int top = tableNearEdge - 10 - tray->height;
    return {"tablett", trayX - tray->width / 2, top, tray->width, trayStandY - top, tray->frames, tray->draw};
}

} // namespace

RoomDescription RoomRittersaal()
{
    RoomDescription room;
    room.label = roomRittersaal;
    room.folder = "data\\level04\\roomrittersaal\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The floor round the table and the armour's plinth, in overlapping
    // parts: a strip behind the table, the floor left of it, a strip
    // before it, the floor before the dais right of it, and the corner
    // behind and before the plinth.
    room.floor = {{{10.0, 500.0}, {690.0, 500.0}, {690.0, 538.0}, {10.0, 538.0}},
                  {{10.0, 500.0}, {266.0, 500.0}, {266.0, 652.0}, {10.0, 652.0}},
                  {{10.0, 606.0}, {1014.0, 606.0}, {1014.0, 652.0}, {10.0, 652.0}},
                  {{662.0, 508.0}, {906.0, 508.0}, {906.0, 652.0}, {662.0, 652.0}},
                  {{880.0, 500.0}, {1014.0, 500.0}, {1014.0, 526.0}, {880.0, 526.0}},
                  {{880.0, 568.0}, {1014.0, 568.0}, {1014.0, 652.0}, {880.0, 652.0}}};
    room.leads = {{{115.0, 504.0}, {150.0, 570.0}, {220.0, 626.0}, {990.0, 626.0}},
                  {{150.0, 570.0}, {240.0, 520.0}, {680.0, 520.0}, {785.0, 530.0}, {960.0, 512.0}},
                  {{785.0, 530.0}, {785.0, 626.0}},
                  {{362.0, 520.0}, {362.0, 514.0}},
                  {{556.0, 520.0}, {556.0, 514.0}},
                  {{trayX, 626.0}, {trayX, static_cast<double>(trayStandY)}},
                  {{520.0, 626.0}, {520.0, 634.0}},
                  {{705.0, 626.0}, {705.0, 566.0}},
                  {{870.0, 626.0}, {870.0, 590.0}}};
    room.backY = 500;
    room.frontY = 720;
    room.light = 0xE6D2BC;
    room.lightPools = {{{fireX, 530.0}, 220.0, 80.0, 0xFFB070},
                       {{doorX + doorWidth / 2.0, 520.0}, 110.0, 50.0, 0xFFF2D8},
                       {{throneMiddle, 560.0}, 130.0, 60.0, 0xFFF0D0}};
    room.graphics = {
        {"tuer_burghof", doorX, doorY, doorWidth, doorHeight, items::doorFrames, Door},
        {"fackellinks", 198, 256, torchWidth, torchHeight, torchFrames, WallTorch},
        {"fackelrechts", 948, 130, torchWidth, torchHeight, torchFrames, WallTorch},
        {"kamin", kaminX, kaminY, kaminWidth, kaminHeight, kaminFrames, Fireplace},
        {"wandteppich", tapestryX, tapestryY, tapestryWidth, tapestryHeight, 1, Tapestry},
        {"thron", throneX, throneY, throneWidth, throneHeight, 1, Throne},
        {"ruestung", armourX, armourY, armourWidth, armourHeight, 1, Armour},
        {"tafel", tableX, tableY, tableWidth, tableHeight, 1, Table},
        {"kronleuchter", chandelierX, 0, chandelierWidth, chandelierHeight, chandelierFrames, Chandelier},
        TrayOnTable(),
    };
    room.ambience = Ambience::greatHall;
    return room;
}

levels::RoomStaging RittersaalStaging()
{
    using items::FullName;
    return {
        {{"TuerBurghof",
          "Zum Burghof",
          roomRittersaal,
          FullName("RoomBurghof", "TuerRittersaal"),
          {115, 504},
          {150, 570},
          "tuer_burghof"}},
        {{"Tablett", "Angelaufenes Tablett", roomRittersaal, items::Pickup::middle, "tablett", true},
         {"Silbertablett", "Silbertablett", roomRittersaal, items::Pickup::none, "silbertablett", false}},
        {{castanimations::herold,
          "Herold",
          "Herold Humbert",
          roomRittersaal,
          {705, 566},
          Entity::leftDown,
          -260,
          {640, 626}}},
        {{"thron", "Thron", {785, 530}, Entity::up},
         {"tafel", "Tafel", {400, 626}, Entity::up},
         {"kamin", "Kamin", {362, 514}, Entity::up},
         {"wandteppich", "Wandteppich", {556, 514}, Entity::up},
         {"ruestung",
          "Ritterr\xfc"
          "stung",
          {870, 590},
          Entity::right},
         {"kronleuchter", "Kronleuchter", {520, 634}, Entity::up}},
    };
}

} // namespace content::rooms
