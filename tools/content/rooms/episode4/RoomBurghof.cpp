// The castle yard of Burg Felsenstein on a summer morning. Along the back
// the curtain wall with its battlements: the round tower on the left with
// its door, the great hall up three steps behind a big double door, the
// gatehouse in the middle with the closed gate Juna came through and the
// castle's red banners, the low kitchen with its smoking chimney, and on
// the right the stairs down to the dungeon behind an iron grating, a torch
// beside it. On the cobbles in front stands Rocko's taxi, whole on its
// legs, wrapped in the smith's chain with a padlock and an iron stake; a
// hay cart rests in the left corner.

#include "CastleMasonry.h"
#include "Episode4Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"
#include "rooms/RockoTaxi.h"
#include "rooms/episode3/ArchedDoor.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <tuple>
#include <utility>

namespace content::rooms {

namespace {

constexpr const char* roomBurghof = "RoomBurghof";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
// Where the yard's cobbles meet the foot of the buildings along the back.
constexpr double yardY = 470.0;
constexpr std::uint32_t wallLight = 0xB4AEA2;
constexpr std::uint32_t wallDark = 0x858073;
constexpr std::uint32_t cobbleLight = 0xA69C8C;
constexpr std::uint32_t cobbleDark = 0x7A7064;
constexpr std::uint32_t roofLight = 0xB0563C;
constexpr std::uint32_t roofDark = 0x7C3426;
constexpr std::uint32_t plankLight = 0xA8703E;
constexpr std::uint32_t plankDark = 0x7A4E2A;
constexpr std::uint32_t ironLight = 0x8E98A8;
constexpr std::uint32_t iron = 0x4E5666;
constexpr std::uint32_t fireLight = 0xFFD36A;
constexpr std::uint32_t fire = 0xFF8A2A;
constexpr std::uint32_t hayLight = 0xF2D27A;
constexpr std::uint32_t hay = 0xC9A24A;

// The doors' openings, (x, y) their top left corners; each door's graphic
// fills its opening.
struct Opening {
    int x, y, width, height;
};
constexpr Opening turmDoor{48, 282, 104, 188};
constexpr Opening hallDoor{252, 214, 132, 206};
constexpr double hallStepsY = 420.0;
constexpr Opening kitchenDoor{702, 300, 92, 170};
constexpr Opening dungeonDoor{878, 326, 124, 144};
constexpr Opening gate{456, 246, 152, 224};
// The taxi's body's middle and its scale; its foot pads stand on
// taxiFootY.
constexpr double taxiScale = 1.6;
constexpr double taxiX = 545.0;
constexpr double taxiFootY = 606.0;
constexpr double taxiY = taxiFootY - 60.0 * taxiScale;
constexpr int taxiLeft = 395;
constexpr int taxiTop = 420;
// The torch beside the dungeon's grating.
constexpr double torchX = 858.0;
constexpr double torchY = 318.0;

void Sky(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, 330.0);
    SetVerticalGradient(cairo, 0.0, 300.0, 0x74C2EE, 0xDDF2FF);
    cairo_fill(cairo);
    DrawCloud(cairo, 330.0, 70.0, 0.6);
    DrawCloud(cairo, 900.0, 40.0, 0.45);
}

// A stretch of wall from `top` down to the yard, its top carrying merlons.
void Battlements(cairo_t* cairo, double left, double right, double top, double merlon)
{
    cairo_move_to(cairo, left, yardY);
    cairo_line_to(cairo, left, top);
    for (double x = left; x < right; x += 2.0 * merlon) {
        cairo_line_to(cairo, std::min(x + merlon, right), top);
        if (x + merlon >= right)
            break;
        cairo_line_to(cairo, x + merlon, top + merlon * 0.7);
        cairo_line_to(cairo, std::min(x + 2.0 * merlon, right), top + merlon * 0.7);
        cairo_line_to(cairo, std::min(x + 2.0 * merlon, right), top);
    }
    cairo_line_to(cairo, right, top);
    cairo_line_to(cairo, right, yardY);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, top, yardY, wallLight, wallDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
}

// The curtain wall right across the back, and the gatehouse rising in the
// middle of it with its arch over the gate.
void CurtainWall(cairo_t* cairo)
{
    Battlements(cairo, -10.0, width + 10.0, 178.0, 26.0);
    StoneCourses(cairo, 0.0, 206.0, width, yardY, 70.0, 30.0, 0.18);
    Battlements(cairo, 420.0, 644.0, 92.0, 22.0);
    StoneCourses(cairo, 420.0, 114.0, 644.0, yardY, 56.0, 28.0);
    // The arch's voussoirs round the gate, and a loophole above it.
    ArchPath(cairo, gate.x, gate.y, gate.width, yardY, 16.0);
    FillOutlined(cairo, 0xC8C2B6, 0x9A958C, 3.0);
    for (int stone = 0; stone <= 8; ++stone) {
        const double angle = pi + stone * pi / 8.0;
        const double cx = gate.x + gate.width / 2.0;
        const double cy = gate.y + gate.width / 2.0;
        const double r = gate.width / 2.0;
        cairo_move_to(cairo, cx + r * std::cos(angle), cy + r * std::sin(angle));
        cairo_line_to(cairo, cx + (r + 16.0) * std::cos(angle), cy + (r + 16.0) * std::sin(angle));
    }
    StrokeOutline(cairo, 2.0);
    RoundedRectangle(cairo, 526.0, 140.0, 12.0, 36.0, 6.0);
    FillOutlined(cairo, tone::shadowDeep, colour::outline, 2.0);
    // Moss along the wall's foot.
    for (double x = 10.0; x < width; x += 64.0) {
        Ellipse(cairo, x + std::fmod(x * 3.0, 20.0), yardY - 4.0, 26.0, 7.0);
    }
    FillPlain(cairo, colour::moss, 0.55);
}

// The round tower at the left edge: a stone drum shaded round its curve
// with loopholes, reaching out of the picture.
void Tower(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, -10.0, 210.0, yardY + 10.0);
    SetGradient(cairo, cairo_pattern_create_linear(-10.0, 0.0, 200.0, 0.0),
                {{0.0, 0x8E887E}, {0.45, 0xC4BEB2}, {1.0, 0x7E786E}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // Courses curving round the drum.
    cairo_set_line_width(cairo, 2.0);
    for (double y = 20.0; y < yardY; y += 30.0) {
        cairo_move_to(cairo, -10.0, y);
        cairo_curve_to(cairo, 60.0, y + 8.0, 140.0, y + 8.0, 200.0, y);
        for (double x = std::fmod(y, 60.0) + 10.0; x < 200.0; x += 60.0) {
            cairo_move_to(cairo, x, y);
            cairo_line_to(cairo, x, y + 30.0);
        }
    }
    SetColour(cairo, colour::outline, 0.2);
    cairo_stroke(cairo);
    for (const double y : {60.0, 180.0}) {
        RoundedRectangle(cairo, 94.0, y, 12.0, 40.0, 6.0);
        FillOutlined(cairo, tone::shadowDeep, colour::outline, 2.0);
    }
    ArchPath(cairo, turmDoor.x, turmDoor.y, turmDoor.width, yardY, 12.0);
    FillOutlined(cairo, 0xC8C2B6, 0x9A958C, 3.0);
}

// A tall window of the great hall, warm with the fire inside.
void HallWindow(cairo_t* cairo, double x, double y)
{
    ArchPath(cairo, x, y, 34.0, y + 86.0, 6.0);
    FillOutlined(cairo, 0xC8C2B6, 0x9A958C, 2.5);
    ArchPath(cairo, x, y, 34.0, y + 86.0);
    SetVerticalGradient(cairo, y, y + 86.0, fireLight, fire);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    cairo_move_to(cairo, x + 17.0, y);
    cairo_line_to(cairo, x + 17.0, y + 86.0);
    cairo_move_to(cairo, x, y + 44.0);
    cairo_line_to(cairo, x + 34.0, y + 44.0);
    StrokeBand(cairo, iron, 2.0, 5.0);
}

// The outline of the great hall's gabled front.
void GablePath(cairo_t* cairo)
{
    cairo_move_to(cairo, 196.0, yardY);
    cairo_line_to(cairo, 196.0, 150.0);
    cairo_line_to(cairo, 318.0, 70.0);
    cairo_line_to(cairo, 440.0, 150.0);
    cairo_line_to(cairo, 440.0, yardY);
    cairo_close_path(cairo);
}

// The great hall's front between the tower and the gatehouse: stone with
// tall windows, a gable roof, and three steps up to its double door.
void GreatHall(cairo_t* cairo)
{
    GablePath(cairo);
    SetVerticalGradient(cairo, 70.0, yardY, 0xC0BAAE, 0x8E887E);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_save(cairo);
    GablePath(cairo);
    cairo_clip(cairo);
    StoneCourses(cairo, 196.0, 80.0, 440.0, yardY, 60.0, 30.0);
    cairo_restore(cairo);
    // The roof's eaves over the gable.
    cairo_move_to(cairo, 184.0, 158.0);
    cairo_line_to(cairo, 318.0, 60.0);
    cairo_line_to(cairo, 452.0, 158.0);
    cairo_line_to(cairo, 440.0, 166.0);
    cairo_line_to(cairo, 318.0, 78.0);
    cairo_line_to(cairo, 196.0, 166.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, roofLight, roofDark, 3.0);
    HallWindow(cairo, 212.0, 196.0);
    HallWindow(cairo, 392.0, 196.0);
    Circle(cairo, 318.0, 140.0, 22.0);
    FillOutlined(cairo, fireLight, fire, 3.0);
    for (int spoke = 0; spoke < 4; ++spoke) {
        const double angle = spoke * pi / 4.0;
        cairo_move_to(cairo, 318.0 - 22.0 * std::cos(angle), 140.0 - 22.0 * std::sin(angle));
        cairo_line_to(cairo, 318.0 + 22.0 * std::cos(angle), 140.0 + 22.0 * std::sin(angle));
    }
    StrokeOutline(cairo, 2.0);
    // The doorway's frame and the three steps up to it, wider below.
    ArchPath(cairo, hallDoor.x, hallDoor.y, hallDoor.width, hallStepsY, 14.0);
    FillOutlined(cairo, 0xC8C2B6, 0x9A958C, 3.0);
    for (int step = 2; step >= 0; --step) {
        const double top = hallStepsY + step * (yardY - hallStepsY) / 3.0;
        const double spread = 20.0 + step * 14.0;
        cairo_rectangle(cairo, hallDoor.x - spread, top, hallDoor.width + 2.0 * spread, (yardY - hallStepsY) / 3.0);
        FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    }
}

// The kitchen: a low stone house under a tiled roof with a chimney, a small
// window glowing with its fire.
void Kitchen(cairo_t* cairo)
{
    cairo_rectangle(cairo, 644.0, 250.0, 212.0, yardY - 250.0);
    SetVerticalGradient(cairo, 250.0, yardY, 0xBCB6AA, 0x8A8478);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    StoneCourses(cairo, 644.0, 256.0, 856.0, yardY, 52.0, 26.0);
    // The chimney, sooty at its top.
    cairo_rectangle(cairo, 792.0, 150.0, 40.0, 100.0);
    SetVerticalGradient(cairo, 150.0, 250.0, 0x8E887E, 0xB4AEA2);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_rectangle(cairo, 786.0, 142.0, 52.0, 14.0);
    FillOutlined(cairo, 0x6A655D, 0x4E4A44, 3.0);
    // The roof sloping down to the yard.
    cairo_move_to(cairo, 634.0, 262.0);
    cairo_line_to(cairo, 680.0, 196.0);
    cairo_line_to(cairo, 866.0, 196.0);
    cairo_line_to(cairo, 866.0, 262.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, roofLight, roofDark, 3.0);
    cairo_set_line_width(cairo, 2.0);
    for (double y = 212.0; y < 262.0; y += 14.0) {
        cairo_move_to(cairo, 680.0 - (y - 196.0) * 0.7, y);
        cairo_line_to(cairo, 866.0, y);
    }
    SetColour(cairo, roofDark, 0.8);
    cairo_stroke(cairo);
    RoundedRectangle(cairo, 652.0, 330.0, 38.0, 34.0, 6.0);
    FillOutlined(cairo, 0xC8C2B6, 0x9A958C, 2.5);
    RoundedRectangle(cairo, 658.0, 336.0, 26.0, 22.0, 4.0);
    SetVerticalGradient(cairo, 336.0, 358.0, fireLight, fire);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.0);
    cairo_rectangle(cairo, kitchenDoor.x - 8.0, kitchenDoor.y - 10.0, kitchenDoor.width + 16.0, 14.0);
    FillOutlined(cairo, plankLight, plankDark, 2.5);
    Glow(cairo, torchX, torchY, 90.0, fire, 0.35);
}

// The way down to the dungeon: a squat arch at the right edge, its
// grating hung in it.
void DungeonArch(cairo_t* cairo)
{
    cairo_rectangle(cairo, 856.0, 286.0, width - 856.0 + 10.0, yardY - 286.0);
    SetVerticalGradient(cairo, 286.0, yardY, 0x9E988C, 0x747066);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    StoneCourses(cairo, 856.0, 290.0, width, yardY, 48.0, 26.0);
    ArchPath(cairo, dungeonDoor.x, dungeonDoor.y, dungeonDoor.width, yardY, 14.0);
    FillOutlined(cairo, 0xA8A296, 0x7E786E, 3.0);
    // The torch's bracket on the kitchen's corner.
    cairo_move_to(cairo, torchX - 14.0, torchY + 40.0);
    cairo_line_to(cairo, torchX, torchY + 30.0);
    StrokeBand(cairo, iron, 3.0, 6.0);
    cairo_move_to(cairo, torchX - 4.0, torchY + 8.0);
    cairo_line_to(cairo, torchX + 1.0, torchY + 44.0);
    StrokeBand(cairo, 0x6A4A34, 5.0, 9.0);
}

// The cobbled yard: rows of rounded stones growing towards the front, a
// patch of sun, moss between them, and the cart's shadow.
void Cobbles(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, yardY, width + 20.0, height - yardY + 10.0);
    SetVerticalGradient(cairo, yardY, height, cobbleLight, cobbleDark);
    cairo_fill(cairo);
    int row = 0;
    for (double y = yardY + 8.0; y < height + 20.0; ++row) {
        const double size = 14.0 + (y - yardY) * 0.09;
        for (double x = (row % 2) * size - size; x < width + size; x += size * 2.1) {
            Ellipse(cairo, x, y, size * 0.95, size * 0.42);
        }
        y += size * 0.9;
    }
    SetColour(cairo, 0xB8AF9E);
    cairo_fill_preserve(cairo);
    SetColour(cairo, colour::outline, 0.25);
    cairo_set_line_width(cairo, 1.5);
    cairo_stroke(cairo);
    // Sun falling into the yard over the wall.
    Ellipse(cairo, 560.0, 580.0, 380.0, 70.0);
    FillPlain(cairo, 0xFFF0C8, 0.25);
    // The shadow where the cart stands (the taxi brings its own).
    Ellipse(cairo, 118.0, 640.0, 110.0, 14.0);
    FillPlain(cairo, tone::shadowDeep, 0.3);
    Glow(cairo, torchX, yardY + 10.0, 110.0, fire, 0.2);
}

void Paint(cairo_t* cairo)
{
    Sky(cairo);
    CurtainWall(cairo);
    Tower(cairo);
    GreatHall(cairo);
    Kitchen(cairo);
    DungeonArch(cairo);
    Cobbles(cairo);
}

// A castle door in its opening, in `frame` of its opening.
void CastleDoor(cairo_t* cairo, const Opening& opening, int frame, int leaves, const std::function<void()>& view)
{
    DrawCastleDoor(cairo, opening.width, opening.height, frame, leaves, view);
}

// Inside the tower's door: the first steps of a stair winding up, lit from
// a loophole.
void TurmDoor(cairo_t* cairo, int frame)
{
    CastleDoor(cairo, turmDoor, frame, 1, [&] {
        cairo_rectangle(cairo, 0.0, 0.0, turmDoor.width, turmDoor.height);
        SetVerticalGradient(cairo, 0.0, turmDoor.height, 0x3A3448, 0x6A6058);
        cairo_fill(cairo);
        for (int step = 0; step < 6; ++step) {
            const double y = turmDoor.height - 16.0 - step * 24.0;
            cairo_move_to(cairo, 0.0, y + 16.0);
            cairo_line_to(cairo, turmDoor.width - step * 12.0, y + 6.0);
            cairo_line_to(cairo, turmDoor.width - step * 12.0, y - 4.0);
            cairo_line_to(cairo, 0.0, y + 4.0);
            cairo_close_path(cairo);
            FillOutlined(cairo, 0xA8A296, 0x7E786E, 2.0);
        }
        Glow(cairo, 70.0, 60.0, 50.0, colour::cream, 0.4);
    });
}

// Inside the great hall: warm light, the red carpet running in.
void HallDoor(cairo_t* cairo, int frame)
{
    CastleDoor(cairo, hallDoor, frame, 2, [&] {
        cairo_rectangle(cairo, 0.0, 0.0, hallDoor.width, hallDoor.height);
        SetVerticalGradient(cairo, 0.0, hallDoor.height, 0x7A4E3A, 0xC98E52);
        cairo_fill(cairo);
        Glow(cairo, hallDoor.width / 2.0, hallDoor.height * 0.45, 90.0, fireLight, 0.6);
        cairo_move_to(cairo, hallDoor.width * 0.4, hallDoor.height * 0.55);
        cairo_line_to(cairo, hallDoor.width * 0.6, hallDoor.height * 0.55);
        cairo_line_to(cairo, hallDoor.width * 0.82, hallDoor.height);
        cairo_line_to(cairo, hallDoor.width * 0.18, hallDoor.height);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
    });
}

// Inside the kitchen: the hearth's glow.
void KitchenDoor(cairo_t* cairo, int frame)
{
    CastleDoor(cairo, kitchenDoor, frame, 1, [&] {
        cairo_rectangle(cairo, 0.0, 0.0, kitchenDoor.width, kitchenDoor.height);
        SetVerticalGradient(cairo, 0.0, kitchenDoor.height, 0x5A3A2A, 0x9A6A44);
        cairo_fill(cairo);
        Glow(cairo, kitchenDoor.width * 0.6, kitchenDoor.height * 0.7, 70.0, fire, 0.8);
        Glow(cairo, kitchenDoor.width * 0.6, kitchenDoor.height * 0.75, 30.0, fireLight, 0.9);
    });
}

// The dungeon's iron grating: bars in a frame, hinged on the left, swinging
// in and narrowing as it opens, over the stairs going down into the dark.
void DungeonDoor(cairo_t* cairo, int frame)
{
    const double w = dungeonDoor.width;
    const double h = dungeonDoor.height;
    cairo_save(cairo);
    ArchPath(cairo, 0.0, 0.0, w, h);
    cairo_clip(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, w, h);
    SetVerticalGradient(cairo, 0.0, h, 0x2A2436, 0x4A4450);
    cairo_fill(cairo);
    for (int step = 0; step < 5; ++step) {
        const double y = h - 8.0 - step * 16.0;
        const double inset = step * 9.0;
        cairo_rectangle(cairo, inset, y - 8.0, w - 2.0 * inset, 10.0);
        FillOutlined(cairo, 0x8A8478, 0x5E5A52, 2.0);
    }
    Glow(cairo, w / 2.0, h - 20.0, 50.0, fire, 0.25);
    const double leaf = w * (1.0 - 0.84 * items::DoorOpening(frame));
    cairo_save(cairo);
    cairo_scale(cairo, leaf / w, 1.0);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    for (double x = 12.0; x < w; x += 16.0) {
        cairo_move_to(cairo, x, 0.0);
        cairo_line_to(cairo, x, h);
    }
    for (const double y : {h * 0.3, h * 0.72}) {
        cairo_move_to(cairo, 0.0, y);
        cairo_line_to(cairo, w, y);
    }
    cairo_rectangle(cairo, 2.0, 0.0, w - 4.0, h - 2.0);
    cairo_restore(cairo);
    StrokeBand(cairo, ironLight, 3.5, 7.0);
    // The padlock hanging at the free edge while it is shut.
    if (leaf > w * 0.9) {
        RoundedRectangle(cairo, leaf - 22.0, h * 0.52, 16.0, 16.0, 3.0);
        FillOutlined(cairo, ironLight, iron, 2.0);
    }
    cairo_restore(cairo);
    ArchPath(cairo, 0.0, 0.0, w, h);
    StrokeOutline(cairo, 3.0);
}

// The closed gate in the gatehouse's arch: two heavy leaves of planks on
// three iron bands studded with nails, a wicket outlined in the right
// leaf, and the teeth of the raised portcullis showing at the top.
void Gate(cairo_t* cairo, int /*frame*/)
{
    const double w = gate.width;
    const double h = gate.height;
    cairo_save(cairo);
    ArchPath(cairo, 0.0, 0.0, w, h);
    cairo_clip(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, w, h);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, 0.0, w, 0.0),
                {{0.0, plankDark}, {0.5, plankLight}, {1.0, plankDark}});
    cairo_fill(cairo);
    cairo_set_line_width(cairo, 2.0);
    for (double x = w / 8.0; x < w; x += w / 8.0) {
        cairo_move_to(cairo, x, 0.0);
        cairo_line_to(cairo, x, h);
    }
    SetColour(cairo, colour::outline, 0.5);
    cairo_stroke(cairo);
    cairo_move_to(cairo, w / 2.0, 0.0);
    cairo_line_to(cairo, w / 2.0, h);
    StrokeOutline(cairo, 3.0);
    for (const double y : {h * 0.34, h * 0.6, h * 0.86}) {
        cairo_rectangle(cairo, 0.0, y, w, 12.0);
        FillOutlined(cairo, ironLight, iron, 2.0);
        for (double x = 10.0; x < w; x += 18.0)
            Circle(cairo, x, y + 6.0, 2.2);
        FillPlain(cairo, 0x3A3F4C);
    }
    // The portcullis' teeth under the arch.
    for (double x = 8.0; x < w; x += 18.0) {
        cairo_move_to(cairo, x - 5.0, 0.0);
        cairo_line_to(cairo, x - 5.0, 44.0);
        cairo_line_to(cairo, x, 56.0);
        cairo_line_to(cairo, x + 5.0, 44.0);
        cairo_line_to(cairo, x + 5.0, 0.0);
        cairo_close_path(cairo);
    }
    FillOutlined(cairo, ironLight, iron, 2.0);
    cairo_rectangle(cairo, 0.0, 30.0, w, 8.0);
    FillOutlined(cairo, ironLight, iron, 2.0);
    // The wicket and two ring handles.
    RoundedRectangle(cairo, w / 2.0 + 14.0, h - 96.0, 50.0, 94.0, 6.0);
    StrokeOutline(cairo, 2.5);
    for (const double x : {w / 2.0 - 16.0, w / 2.0 + 16.0}) {
        cairo_arc(cairo, x, h * 0.48, 9.0, 0.0, pi);
        StrokeBand(cairo, ironLight, 3.0, 6.5);
    }
    cairo_restore(cairo);
    ArchPath(cairo, 0.0, 0.0, w, h);
    StrokeOutline(cairo, 3.0);
}

// The castle's banners hanging either side of the gatehouse's top: red
// with a white falcon shield, rippling in the breeze as each frame moves
// the wave along them.
constexpr int bannerFrames = 4;
void Banners(cairo_t* cairo, int frame)
{
    for (const double left : {6.0, 196.0}) {
        const double phase = frame * pi / 2.0 + left * 0.01;
        cairo_move_to(cairo, left, 8.0);
        cairo_line_to(cairo, left + 30.0, 8.0);
        for (int step = 0; step <= 10; ++step) {
            const double y = 8.0 + step * 12.0;
            cairo_line_to(cairo, left + 30.0 + 3.0 * std::sin(phase + step * 0.7), y);
        }
        cairo_line_to(cairo, left + 15.0 + 3.0 * std::sin(phase + 7.0), 114.0);
        for (int step = 10; step >= 0; --step) {
            const double y = 8.0 + step * 12.0;
            cairo_line_to(cairo, left + 3.0 * std::sin(phase + step * 0.7), y);
        }
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
        const double sway = 3.0 * std::sin(phase + 3.5);
        cairo_move_to(cairo, left + 7.0 + sway, 40.0);
        cairo_line_to(cairo, left + 23.0 + sway, 40.0);
        cairo_line_to(cairo, left + 23.0 + sway, 56.0);
        cairo_curve_to(cairo, left + 23.0 + sway, 64.0, left + 15.0 + sway, 70.0, left + 15.0 + sway, 70.0);
        cairo_curve_to(cairo, left + 15.0 + sway, 70.0, left + 7.0 + sway, 64.0, left + 7.0 + sway, 56.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::white, colour::cream, 2.0);
        RoundedRectangle(cairo, left - 4.0, 2.0, 38.0, 8.0, 3.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    }
}

// Smoke from the kitchen's chimney: puffs rising, growing and thinning,
// one puff's spacing a loop of frames.
constexpr int smokeFrames = 6;
void ChimneySmoke(cairo_t* cairo, int frame)
{
    constexpr int puffs = 4;
    for (int puff = puffs - 1; puff >= 0; --puff) {
        const double t = (puff + frame / static_cast<double>(smokeFrames)) / puffs;
        const double x = 60.0 + 30.0 * t + 10.0 * std::sin(t * 6.0);
        const double y = 150.0 - 130.0 * t;
        const double radius = 9.0 + 20.0 * t;
        cairo_push_group(cairo);
        Circle(cairo, x, y, radius);
        Circle(cairo, x - radius * 0.6, y + radius * 0.3, radius * 0.7);
        FillUnion(cairo, 0xE8E6E2, 0xA8A49C, 2.0);
        cairo_pop_group_to_source(cairo);
        cairo_paint_with_alpha(cairo, t < 0.15 ? t / 0.15 : 1.0 - 0.8 * t);
    }
}

// The torch's flame beside the grating, flickering through its frames.
constexpr int torchFrames = 6;
void TorchFlame(cairo_t* cairo, int frame)
{
    const double flicker = std::sin(frame * 2.0 * pi / torchFrames);
    const double lean = 3.0 * std::sin(frame * 4.0 * pi / torchFrames);
    Glow(cairo, 20.0, 30.0, 20.0, fireLight, 0.5);
    for (const auto& [size, light, dark] : {std::tuple{1.0, fire, 0xC8501Au}, std::tuple{0.55, fireLight, fire}}) {
        const double tall = (28.0 + 4.0 * flicker) * size;
        cairo_move_to(cairo, 20.0 - 9.0 * size, 42.0);
        cairo_curve_to(cairo, 20.0 - 12.0 * size, 42.0 - tall * 0.5, 20.0 + lean, 42.0 - tall * 0.8, 20.0 + lean,
                       42.0 - tall);
        cairo_curve_to(cairo, 20.0 + lean, 42.0 - tall * 0.8, 20.0 + 12.0 * size, 42.0 - tall * 0.5, 20.0 + 9.0 * size,
                       42.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, light, dark, size > 0.9 ? 2.0 : 0.0);
    }
}

// Rocko's taxi, whole and upright on its three landing legs on the
// cobbles, with its shadow, which goes with it when it jumps.
void Taxi(cairo_t* cairo, int /*frame*/)
{
    Ellipse(cairo, taxiX - 8.0 - taxiLeft, taxiFootY - 4.0 - taxiTop, 140.0, 8.0);
    FillPlain(cairo, tone::shadowDeep, 0.3);
    PushPlacement(cairo, taxiX - taxiLeft, taxiY - taxiTop, taxiScale);
    DrawParkedRockoTaxi(cairo);
    PopPlacement(cairo);
}

// The smith's chain: heavy links wound twice round the taxi's nose and
// down to an iron stake driven into the cobbles before it, closed with a
// big padlock. It keeps to the nose, so that the rest of the taxi is the
// taxi's to point at. In room pixels less the graphic's corner.
constexpr int chainLeft = 584;
constexpr int chainTop = 446;
void ChainLinks(cairo_t* cairo, double x0, double y0, double x1, double y1)
{
    const double length = std::hypot(x1 - x0, y1 - y0);
    const int links = static_cast<int>(length / 13.0);
    const double angle = std::atan2(y1 - y0, x1 - x0);
    for (int link = 0; link <= links; ++link) {
        const double t = link / static_cast<double>(std::max(links, 1));
        cairo_save(cairo);
        cairo_translate(cairo, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t);
        cairo_rotate(cairo, angle);
        cairo_scale(cairo, 1.0, link % 2 == 0 ? 0.55 : 0.22);
        cairo_arc(cairo, 0.0, 0.0, 9.0, 0.0, 2.0 * pi);
        cairo_restore(cairo);
        StrokeBand(cairo, link % 2 == 0 ? ironLight : 0x6A7384, 3.0, 6.0);
    }
}

void Chain(cairo_t* cairo, int /*frame*/)
{
    const auto room = [](double x, double y) { return std::pair{x - chainLeft, y - chainTop}; };
    // Two turns round the nose, from the roof's edge down to its belly.
    const auto [ax, ay] = room(taxiX + 56.0, taxiY - 48.0);
    const auto [bx, by] = room(taxiX + 82.0, taxiY + 50.0);
    const auto [cx, cy] = room(taxiX + 88.0, taxiY - 48.0);
    const auto [dx, dy] = room(taxiX + 116.0, taxiY + 46.0);
    ChainLinks(cairo, ax, ay, bx, by);
    ChainLinks(cairo, cx, cy, dx, dy);
    // The stake before the nose and the chain's end running to it.
    const auto [sx, sy] = room(710.0, 628.0);
    ChainLinks(cairo, dx, dy, sx, sy - 26.0);
    cairo_move_to(cairo, sx - 7.0, sy);
    cairo_line_to(cairo, sx - 7.0, sy - 40.0);
    cairo_line_to(cairo, sx + 7.0, sy - 40.0);
    cairo_line_to(cairo, sx + 7.0, sy);
    cairo_line_to(cairo, sx, sy + 8.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, ironLight, iron, 2.5);
    Ellipse(cairo, sx, sy - 40.0, 11.0, 5.0);
    FillOutlined(cairo, ironLight, iron, 2.5);
    // The padlock where the turns meet.
    const double lx = (ax + bx) / 2.0 + 4.0;
    const double ly = (ay + by) / 2.0 + 6.0;
    cairo_arc(cairo, lx, ly - 2.0, 9.0, pi, 2.0 * pi);
    StrokeBand(cairo, ironLight, 4.0, 8.0);
    RoundedRectangle(cairo, lx - 15.0, ly - 2.0, 30.0, 26.0, 5.0);
    FillOutlined(cairo, 0xA8B2C0, iron, 2.5);
    Circle(cairo, lx, ly + 8.0, 3.5);
    cairo_rectangle(cairo, lx - 1.5, ly + 8.0, 3.0, 9.0);
    FillPlain(cairo, colour::outline);
}

// The hay cart resting in the corner: a plank box on two big wheels,
// heaped with hay, its shafts down on the cobbles.
void HayCart(cairo_t* cairo, int /*frame*/)
{
    cairo_move_to(cairo, 150.0, 110.0);
    cairo_line_to(cairo, 216.0, 140.0);
    StrokeBand(cairo, tone::woodLight, 6.0, 10.0);
    Circle(cairo, 60.0, 60.0, 46.0);
    Circle(cairo, 28.0, 44.0, 34.0);
    Circle(cairo, 110.0, 50.0, 40.0);
    Circle(cairo, 150.0, 70.0, 28.0);
    FillUnion(cairo, hayLight, hay, 3.0);
    cairo_set_line_width(cairo, 1.5);
    for (int straw = 0; straw < 14; ++straw) {
        const double x = 16.0 + straw * 10.0;
        const double y = 40.0 + std::fmod(straw * 17.0, 36.0);
        cairo_move_to(cairo, x, y);
        cairo_line_to(cairo, x + 8.0, y - 6.0);
    }
    SetColour(cairo, hay, 0.9);
    cairo_stroke(cairo);
    RoundedRectangle(cairo, 6.0, 72.0, 170.0, 44.0, 5.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 3.0);
    for (const double x : {62.0, 120.0}) {
        cairo_move_to(cairo, x, 72.0);
        cairo_line_to(cairo, x, 116.0);
    }
    StrokeOutline(cairo, 2.0);
    for (const double x : {44.0, 140.0}) {
        Circle(cairo, x, 116.0, 28.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 3.0);
        Circle(cairo, x, 116.0, 18.0);
        StrokeOutline(cairo, 2.0);
        for (int spoke = 0; spoke < 4; ++spoke) {
            const double angle = spoke * pi / 4.0;
            cairo_move_to(cairo, x - 18.0 * std::cos(angle), 116.0 - 18.0 * std::sin(angle));
            cairo_line_to(cairo, x + 18.0 * std::cos(angle), 116.0 + 18.0 * std::sin(angle));
        }
        StrokeOutline(cairo, 2.0);
        Circle(cairo, x, 116.0, 5.0);
        FillOutlined(cairo, ironLight, iron, 2.0);
    }
}

// The time jump round the taxi: a flash swelling from its middle, rings of
// cyan and cream lightning sparking round it, brightest in the middle
// frames and fading to nothing in the last.
constexpr int flashFrames = 8;
constexpr int flashWidth = 380;
constexpr int flashHeight = 270;
void TimeFlash(cairo_t* cairo, int frame)
{
    const double t = (frame + 1) / static_cast<double>(flashFrames);
    const double strength = std::sin(t * pi);
    const double cx = flashWidth / 2.0;
    const double cy = flashHeight / 2.0 + 20.0;
    Glow(cairo, cx, cy, 80.0 + 110.0 * t, colour::tealLight, 0.5 + 0.4 * strength);
    Glow(cairo, cx, cy, 40.0 + 90.0 * strength, tone::white, 0.9 * strength);
    for (int bolt = 0; bolt < 10; ++bolt) {
        double angle = bolt * 2.0 * pi / 10.0 + frame * 0.5;
        double reach = 40.0;
        cairo_move_to(cairo, cx + reach * std::cos(angle), cy + reach * std::sin(angle) * 0.7);
        for (int kink = 0; kink < 4; ++kink) {
            reach += 24.0 + 12.0 * t;
            angle += (kink % 2 == 0 ? 0.18 : -0.14);
            cairo_line_to(cairo, cx + reach * std::cos(angle), cy + reach * std::sin(angle) * 0.7);
        }
        cairo_set_line_width(cairo, 3.0);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        SetColour(cairo, bolt % 2 == 0 ? colour::tealLight : colour::cream, strength);
        cairo_stroke(cairo);
    }
    Ellipse(cairo, cx, cy, 150.0 * t + 20.0, 100.0 * t + 12.0);
    cairo_set_line_width(cairo, 4.0);
    SetColour(cairo, tone::white, 0.8 * strength);
    cairo_stroke(cairo);
}

} // namespace

RoomDescription RoomBurghof()
{
    RoomDescription room;
    room.label = roomBurghof;
    room.folder = "data\\level04\\roomburghof\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The cobbles before the buildings, in parts that leave out where the
    // taxi stands on its legs and the hay cart in the left corner: a strip
    // along the back, the front before the taxi, and the yard either side
    // of the taxi.
    room.floor = {{{10.0, 472.0}, {1014.0, 472.0}, {1014.0, 556.0}, {10.0, 556.0}},
                  {{232.0, 472.0}, {1014.0, 472.0}, {1014.0, 578.0}, {232.0, 578.0}},
                  {{232.0, 616.0}, {1014.0, 616.0}, {1014.0, 652.0}, {232.0, 652.0}},
                  {{232.0, 472.0}, {398.0, 472.0}, {398.0, 652.0}, {232.0, 652.0}},
                  {{694.0, 472.0}, {1014.0, 472.0}, {1014.0, 652.0}, {694.0, 652.0}}};
    room.leads = {{{110.0, 530.0}, {318.0, 530.0}, {530.0, 540.0}, {748.0, 530.0}, {926.0, 530.0}},
                  {{318.0, 530.0},
                   {290.0, 600.0},
                   {280.0, 640.0},
                   {470.0, 645.0},
                   {620.0, 645.0},
                   {726.0, 636.0},
                   {748.0, 530.0}},
                  {{726.0, 636.0}, {915.0, 640.0}},
                  {{290.0, 600.0}, {244.0, 580.0}},
                  {{100.0, 478.0}, {110.0, 530.0}},
                  {{318.0, 476.0}, {318.0, 530.0}},
                  {{748.0, 478.0}, {748.0, 530.0}},
                  {{940.0, 478.0}, {926.0, 530.0}},
                  {{530.0, 540.0}, {530.0, 492.0}}};
    room.backY = 470;
    room.frontY = 720;
    room.light = 0xFFF4E0;
    room.lightPools = {{{560.0, 590.0}, 360.0, 70.0, 0xFFF0C8},
                       {{torchX + 40.0, 500.0}, 110.0, 50.0, 0xFFC890},
                       {{100.0, 500.0}, 110.0, 40.0, 0xD8DCE6}};
    room.graphics = {
        {"tuer_turm", turmDoor.x, turmDoor.y, turmDoor.width, turmDoor.height, items::doorFrames, TurmDoor},
        {"tuer_rittersaal", hallDoor.x, hallDoor.y, hallDoor.width, hallDoor.height, items::doorFrames, HallDoor},
        {"tuer_kueche", kitchenDoor.x, kitchenDoor.y, kitchenDoor.width, kitchenDoor.height, items::doorFrames,
         KitchenDoor},
        {"tuer_verlies", dungeonDoor.x, dungeonDoor.y, dungeonDoor.width, dungeonDoor.height, items::doorFrames,
         DungeonDoor},
        {"burgtor", gate.x, gate.y, gate.width, gate.height, 1, Gate},
        {"fahnen", 414, 100, 236, 118, bannerFrames, Banners},
        {"rauch", 752, 0, 120, 152, smokeFrames, ChimneySmoke},
        {"fackel", static_cast<int>(torchX) - 20, static_cast<int>(torchY) - 34, 40, 76, torchFrames, TorchFlame},
        {"heuwagen", 14, 500, 220, 148, 1, HayCart},
        {"taxi", taxiLeft, taxiTop, 290, static_cast<int>(taxiFootY) + 4 - taxiTop, 1, Taxi},
        {"kette", chainLeft, chainTop, 142, 194, 1, Chain},
        {"zeitblitz", static_cast<int>(taxiX) - flashWidth / 2, static_cast<int>(taxiY) - flashHeight / 2 - 20,
         flashWidth, flashHeight, flashFrames, TimeFlash},
    };
    room.ambience = Ambience::castleYard;
    return room;
}

levels::RoomStaging BurghofStaging()
{
    using items::FullName;
    return {
        {{"TuerRittersaal",
          "Zum Rittersaal",
          roomBurghof,
          FullName("RoomRittersaal", "TuerBurghof"),
          {318, 476},
          {318, 530},
          "tuer_rittersaal"},
         {"TuerKueche",
          "Zur K\xfc"
          "che",
          roomBurghof,
          FullName("RoomK\xfc"
                   "che",
                   "TuerBurghof"),
          {748, 478},
          {748, 530},
          "tuer_kueche"},
         {"TuerTurm",
          "Zum Turm",
          roomBurghof,
          FullName("RoomTurm", "TuerBurghof"),
          {100, 478},
          {110, 530},
          "tuer_turm"},
         {"TuerVerlies",
          "Ins Verlies",
          roomBurghof,
          FullName("RoomVerlies", "TuerBurghof"),
          {940, 478},
          {926, 530},
          "tuer_verlies"}},
        {{"Kupferspule", "Kupferspule", roomBurghof, items::Pickup::none, "kupferspule", false}},
        // Rocko stands fuming behind his taxi's tail, the smith before its
        // nose by his chain's stake; KIRA hovers in the right front corner,
        // clear of the kitchen's and the dungeon's doors, her bubbles high
        // enough to leave the heads of Juna and the smith beside her free.
        {{castanimations::rocko, "Rocko", "Rocko", roomBurghof, {350, 600}, Entity::right, -190, {280, 640}},
         {castanimations::schmied,
          "Schmied",
          "Schmied Eisenhart",
          roomBurghof,
          {836, 610},
          Entity::left,
          -190,
          {726, 636}},
         {castanimations::kira, "Kira", "KIRA", roomBurghof, {985, 645}, Entity::left, -340, {915, 640}}},
        {{"burgtor", "Burgtor", {530, 492}, Entity::up},
         {"taxi", "Rockos Taxi", {470, 645}, Entity::up},
         {"kette", "Kette", {620, 645}, Entity::up},
         {"heuwagen", "Heuwagen", {244, 580}, Entity::left}},
    };
}

} // namespace content::rooms
