// The castle kitchen under its sooty stone vault: the great open hearth on
// the left with its fire, the cold ash heaped at its side and the spit with
// a roast before it; the dog's empty basket beside the hearth; the tall
// shelf of stores on the back wall; the low door out to the yard on the
// right, a torch and a small window beside it. In the middle of the floor
// stands the big lard pot, and the kitchen's shaggy dog sleeps on it. The
// twins have found their way here, hungry as ever.

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

constexpr const char* roomKueche = "RoomK\xfc"
                                   "che";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double floorY = 498.0;
constexpr std::uint32_t sootDark = 0x3E3A3C;
constexpr std::uint32_t furLight = 0xD2A46C;
constexpr std::uint32_t fur = 0x9A6A40;
constexpr std::uint32_t furDark = 0x6A4428;
constexpr std::uint32_t wickerLight = 0xD8B070;
constexpr std::uint32_t wicker = 0x9C7038;
constexpr std::uint32_t clayLight = 0xC07A4A;
constexpr std::uint32_t clay = 0x84482A;
constexpr std::uint32_t lard = 0xF6F0DC;
// The low door in the back wall, right: its graphic fills the opening.
constexpr int doorX = 884;
constexpr int doorY = 312;
constexpr int doorWidth = 110;
constexpr int doorHeight = 188;
// The hearth, and the middle of its fire in room pixels.
constexpr int hearthX = 30;
constexpr int hearthY = 130;
constexpr int hearthWidth = 330;
constexpr int hearthHeight = 370;
constexpr int hearthFrames = 6;
constexpr double fireX = hearthX + 222.0;
// The spit before the fire.
constexpr int spitX = 150;
constexpr int spitY = 380;
constexpr int spitWidth = 240;
constexpr int spitHeight = 124;
constexpr int spitFrames = 4;
// The dog's basket against the wall beside the hearth: its middle and the
// row of its foot.
constexpr double basketX = 444.0;
constexpr double basketFootY = 544.0;
// The lard pot standing in the floor's middle: its middle, the row of its
// rim and the row of its foot.
constexpr double potX = 560.0;
constexpr double potRimY = 548.0;
constexpr double potFootY = 620.0;
// The dog asleep on the pot, breathing slowly, its snore rising.
constexpr int dogX = 414;
constexpr int dogY = 470;
constexpr int dogWidth = 276;
constexpr int dogHeight = 156;
constexpr int dogFrames = 4;
// The shelf of stores.
constexpr int shelfX = 560;
constexpr int shelfY = 180;
constexpr int shelfWidth = 220;
constexpr int shelfHeight = 320;

// The vault over the kitchen: two arches springing from a corbel in the
// middle of the back wall, the stone above them dark with the smoke of
// the hearth.
void Vault(cairo_t* cairo)
{
    const auto arches = [&] {
        cairo_move_to(cairo, -20.0, -10.0);
        cairo_line_to(cairo, -20.0, 170.0);
        cairo_curve_to(cairo, 60.0, 40.0, 380.0, 30.0, 470.0, 150.0);
        cairo_curve_to(cairo, 560.0, 30.0, 960.0, 40.0, width + 20.0, 170.0);
        cairo_line_to(cairo, width + 20.0, -10.0);
        cairo_close_path(cairo);
    };
    arches();
    SetVerticalGradient(cairo, 0.0, 170.0, sootDark, wallDark);
    cairo_fill(cairo);
    // The ribs along the arches.
    cairo_move_to(cairo, -20.0, 170.0);
    cairo_curve_to(cairo, 60.0, 40.0, 380.0, 30.0, 470.0, 150.0);
    cairo_curve_to(cairo, 560.0, 30.0, 960.0, 40.0, width + 20.0, 170.0);
    StrokeBand(cairo, tone::stoneLight, 12.0, 17.0);
    // The corbel they spring from.
    cairo_move_to(cairo, 448.0, 142.0);
    cairo_line_to(cairo, 492.0, 142.0);
    cairo_curve_to(cairo, 492.0, 166.0, 478.0, 178.0, 470.0, 182.0);
    cairo_curve_to(cairo, 462.0, 178.0, 448.0, 166.0, 448.0, 142.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    // The smoke's soot over the hearth.
    Glow(cairo, hearthX + hearthWidth / 2.0, 60.0, 240.0, sootDark, 0.6);
}

// A small barred window high in the wall over the door, and its beam of
// daylight falling into the room.
void Window(cairo_t* cairo)
{
    constexpr double middle = doorX + doorWidth / 2.0;
    constexpr double sill = 240.0;
    cairo_move_to(cairo, middle - 24.0, sill);
    cairo_line_to(cairo, middle - 24.0, 186.0);
    cairo_arc(cairo, middle, 186.0, 24.0, pi, 2.0 * pi);
    cairo_line_to(cairo, middle + 24.0, sill);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, 160.0, sill, 0x8CD0F2, 0xE9F7FF);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    for (const double x : {middle - 8.0, middle + 8.0}) {
        cairo_move_to(cairo, x, 164.0);
        cairo_line_to(cairo, x, sill);
    }
    StrokeBand(cairo, iron, 2.5, 5.0);
    RoundedRectangle(cairo, middle - 34.0, sill - 2.0, 68.0, 10.0, 3.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    cairo_move_to(cairo, middle - 22.0, sill + 8.0);
    cairo_line_to(cairo, middle + 22.0, sill + 8.0);
    cairo_line_to(cairo, 850.0, 560.0);
    cairo_line_to(cairo, 760.0, 560.0);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, sill, 0.0, 560.0),
                {{0.0, colour::cream, 0.3}, {1.0, colour::cream, 0.0}});
    cairo_fill(cairo);
}

// The stone arch round the low door.
void DoorFrame(cairo_t* cairo)
{
    DoorArch(cairo, doorX, doorY, doorWidth, doorHeight, 14.0, 8, 36.0);
}

// Strings of onions and a bunch of herbs hanging from hooks in the vault,
// and a ham.
void Hangings(cairo_t* cairo)
{
    // Onions on a string.
    cairo_move_to(cairo, 520.0, 120.0);
    cairo_line_to(cairo, 520.0, 250.0);
    StrokeBand(cairo, 0xD8C090, 2.0, 4.0);
    for (int onion = 0; onion < 6; ++onion) {
        const double y = 150.0 + onion * 18.0;
        const double x = 520.0 + (onion % 2 == 0 ? -8.0 : 8.0);
        Circle(cairo, x, y, 10.0);
        FillOutlined(cairo, 0xF0C070, 0xC08A3A, 2.0);
    }
    // Herbs, drying head down.
    cairo_move_to(cairo, 400.0, 150.0);
    cairo_line_to(cairo, 400.0, 196.0);
    StrokeBand(cairo, 0xD8C090, 2.0, 4.0);
    for (int stalk = -3; stalk <= 3; ++stalk) {
        cairo_move_to(cairo, 400.0, 196.0);
        cairo_line_to(cairo, 400.0 + stalk * 6.0, 250.0);
    }
    StrokeBand(cairo, tone::mossLight, 3.0, 6.0);
    // The ham on its hook.
    cairo_move_to(cairo, 640.0, 118.0);
    cairo_line_to(cairo, 640.0, 140.0);
    StrokeBand(cairo, ironLight, 2.5, 5.0);
    cairo_move_to(cairo, 640.0, 140.0);
    cairo_curve_to(cairo, 620.0, 150.0, 616.0, 176.0, 630.0, 190.0);
    cairo_curve_to(cairo, 640.0, 200.0, 656.0, 196.0, 660.0, 182.0);
    cairo_curve_to(cairo, 664.0, 164.0, 652.0, 148.0, 640.0, 140.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xE08A6A, 0xA85438, 2.5);
    Ellipse(cairo, 642.0, 178.0, 10.0, 8.0);
    FillPlain(cairo, 0xF8E6D0, 0.9);
}

// The dog's basket of woven willow with an old blanket in it; the dog
// itself lies in it only once the flash has chased it off the pot.
void Basket(cairo_t* cairo, double x, double foot)
{
    Ellipse(cairo, x, foot - 34.0, 64.0, 18.0);
    FillOutlined(cairo, wicker, 0x7A5428, 2.5);
    Ellipse(cairo, x, foot - 32.0, 54.0, 12.0);
    FillPlain(cairo, 0x6A7CB0);
    cairo_move_to(cairo, x - 64.0, foot - 34.0);
    cairo_curve_to(cairo, x - 62.0, foot - 6.0, x - 40.0, foot, x, foot);
    cairo_curve_to(cairo, x + 40.0, foot, x + 62.0, foot - 6.0, x + 64.0, foot - 34.0);
    cairo_curve_to(cairo, x + 40.0, foot - 18.0, x - 40.0, foot - 18.0, x - 64.0, foot - 34.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, wickerLight, wicker, 2.5);
    cairo_set_line_width(cairo, 1.5);
    for (double dx = -52.0; dx <= 52.0; dx += 13.0) {
        cairo_move_to(cairo, x + dx, foot - 22.0 + std::abs(dx) * 0.1);
        cairo_line_to(cairo, x + dx * 1.02, foot - 3.0 - std::abs(dx) * 0.15);
    }
    SetColour(cairo, colour::outline, 0.35);
    cairo_stroke(cairo);
}

void Paint(cairo_t* cairo)
{
    AshlarWall(cairo, -10.0, 0.0, width + 10.0, floorY, 80.0, 36.0);
    Glow(cairo, fireX, 380.0, 320.0, fire, 0.4);
    Glow(cairo, 838.0, 270.0, 110.0, fireLight, 0.3);
    Vault(cairo);
    Window(cairo);
    DoorFrame(cairo);
    Hangings(cairo);
    FlagstoneFloor(cairo, floorY, height, width);
    // The fire's light on the floor, the daylight from the door, the
    // shadows of the pot and the basket.
    Glow(cairo, fireX, 540.0, 280.0, fire, 0.35);
    Glow(cairo, doorX + doorWidth / 2.0, 520.0, 120.0, colour::cream, 0.35);
    Ellipse(cairo, potX, potFootY - 4.0, 60.0, 10.0);
    Ellipse(cairo, basketX, basketFootY - 2.0, 70.0, 9.0);
    FillPlain(cairo, tone::shadowDeep, 0.35);
    Basket(cairo, basketX, basketFootY);
}

// The low door to the yard: one leaf of planks with iron straps, swinging
// inwards on its left hinges to show the sunny yard.
void Door(cairo_t* cairo, int frame)
{
    YardDoor(cairo, doorWidth, doorHeight, frame, 1, {72.0, 152.0}, 118.0);
}

// The great hearth: jambs and a wide arch of big stones under a hood
// narrowing into the chimney, the raised hearth bed with the fire of logs
// flickering through the frames, and the cold grey ash raked into a heap at
// its left side with a small shovel in it.
void Hearth(cairo_t* cairo, int frame)
{
    const double phase = frame * 2.0 * pi / hearthFrames;
    const double w = hearthWidth;
    const double bed = 296.0;
    const double fire = fireX - hearthX;
    // The hood and the chimney.
    cairo_move_to(cairo, 90.0, -2.0);
    cairo_line_to(cairo, w - 90.0, -2.0);
    cairo_line_to(cairo, w - 6.0, 130.0);
    cairo_line_to(cairo, 6.0, 130.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xB8B2A8, 0x7E7870, 3.0);
    Glow(cairo, w / 2.0, 40.0, 120.0, sootDark, 0.5);
    RoundedRectangle(cairo, 0.0, 124.0, w, 20.0, 4.0);
    FillOutlined(cairo, 0xD8D2C8, tone::stoneLight, 3.0);
    // The jambs and the dark mouth under the arch.
    cairo_rectangle(cairo, 0.0, 142.0, w, bed - 142.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 3.0);
    cairo_move_to(cairo, 34.0, bed);
    cairo_line_to(cairo, 34.0, 200.0);
    cairo_curve_to(cairo, 60.0, 160.0, w - 60.0, 160.0, w - 34.0, 200.0);
    cairo_line_to(cairo, w - 34.0, bed);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, 160.0, bed, 0x1E1618, 0x3A2A24);
    cairo_fill(cairo);
    cairo_set_line_width(cairo, 2.0);
    for (double y = 180.0; y < bed; y += 30.0) {
        cairo_move_to(cairo, 0.0, y);
        cairo_line_to(cairo, 34.0, y);
        cairo_move_to(cairo, w - 34.0, y);
        cairo_line_to(cairo, w, y);
    }
    SetColour(cairo, colour::outline, 0.35);
    cairo_stroke(cairo);
    cairo_move_to(cairo, 34.0, bed);
    cairo_line_to(cairo, 34.0, 200.0);
    cairo_curve_to(cairo, 60.0, 160.0, w - 60.0, 160.0, w - 34.0, 200.0);
    cairo_line_to(cairo, w - 34.0, bed);
    StrokeOutline(cairo, 3.0);
    // The fire's glow in the mouth.
    Glow(cairo, fire, bed - 20.0, 130.0 + 10.0 * std::sin(phase), castle::fire, 0.8);
    Glow(cairo, fire, bed - 26.0, 60.0, fireLight, 0.6 + 0.2 * std::sin(phase * 2.0));
    // The cold ash at the side: a grey heap with a shovel stuck in it.
    cairo_move_to(cairo, 40.0, bed);
    cairo_curve_to(cairo, 50.0, bed - 30.0, 100.0, bed - 34.0, 122.0, bed);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xC4C2C0, 0x8A8886, 2.5);
    for (const auto& [x, y] :
         {std::array{66.0, bed - 14.0}, std::array{92.0, bed - 20.0}, std::array{80.0, bed - 8.0}}) {
        Circle(cairo, x, y, 2.5);
        FillPlain(cairo, 0x6E6C6A);
    }
    cairo_move_to(cairo, 98.0, bed - 18.0);
    cairo_line_to(cairo, 118.0, bed - 90.0);
    StrokeBand(cairo, tone::woodLight, 3.5, 7.0);
    cairo_move_to(cairo, 88.0, bed - 8.0);
    cairo_line_to(cairo, 108.0, bed - 8.0);
    cairo_line_to(cairo, 104.0, bed - 28.0);
    cairo_line_to(cairo, 94.0, bed - 28.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, ironLight, iron, 2.0);
    // The logs and the flames on them.
    LogFire(cairo, fire, bed, 58.0, 60.0, phase);
    // The raised hearth bed's front of big stones.
    cairo_rectangle(cairo, 0.0, bed, w, hearthHeight - bed - 2.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 3.0);
    cairo_set_line_width(cairo, 2.0);
    cairo_move_to(cairo, 0.0, bed + 34.0);
    cairo_line_to(cairo, w, bed + 34.0);
    for (double x = 50.0; x < w; x += 70.0) {
        cairo_move_to(cairo, x, bed);
        cairo_line_to(cairo, x, bed + 34.0);
        cairo_move_to(cairo, x + 35.0, bed + 34.0);
        cairo_line_to(cairo, x + 35.0, hearthHeight - 2.0);
    }
    SetColour(cairo, colour::outline, 0.35);
    cairo_stroke(cairo);
    Glow(cairo, fire, bed + 10.0, 120.0, castle::fire, 0.25);
}

// The spit before the fire: two iron stands with forked heads, the rod
// across them with a roast goose on it and the crank at its right end
// turning through the frames; a pan catches the dripping fat.
void Spit(cairo_t* cairo, int frame)
{
    const double turn = frame * 2.0 * pi / spitFrames;
    const double rodY = 24.0;
    // The dripping pan.
    cairo_move_to(cairo, 74.0, 104.0);
    cairo_line_to(cairo, 146.0, 104.0);
    cairo_line_to(cairo, 138.0, 118.0);
    cairo_line_to(cairo, 82.0, 118.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, ironLight, iron, 2.5);
    Ellipse(cairo, 110.0, 104.0, 30.0, 4.0);
    FillPlain(cairo, 0xF2D08A);
    // The stands.
    for (const double x : {20.0, 200.0}) {
        cairo_move_to(cairo, x - 16.0, spitHeight - 2.0);
        cairo_line_to(cairo, x, spitHeight - 30.0);
        cairo_line_to(cairo, x + 16.0, spitHeight - 2.0);
        cairo_move_to(cairo, x, spitHeight - 30.0);
        cairo_line_to(cairo, x, rodY + 6.0);
        cairo_move_to(cairo, x - 8.0, rodY - 8.0);
        cairo_line_to(cairo, x, rodY + 6.0);
        cairo_line_to(cairo, x + 8.0, rodY - 8.0);
        StrokeBand(cairo, ironLight, 4.0, 8.0);
    }
    // The rod.
    cairo_move_to(cairo, 8.0, rodY);
    cairo_line_to(cairo, 214.0, rodY);
    StrokeBand(cairo, ironLight, 3.5, 7.5);
    // The roast goose, its browned side turning towards the fire.
    const double roll = std::sin(turn);
    Ellipse(cairo, 110.0, rodY + 4.0, 44.0, 24.0 + 2.0 * roll);
    FillOutlined(cairo, 0xE8A858, 0xA8642C, 3.0);
    Ellipse(cairo, 110.0 + 14.0 * roll, rodY - 4.0, 18.0, 8.0);
    FillPlain(cairo, 0xF8D088, 0.8);
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, 110.0 + side * 38.0, rodY + 10.0);
        cairo_line_to(cairo, 110.0 + side * 52.0, rodY + 18.0);
        StrokeBand(cairo, 0xE8A858, 5.0, 9.0);
        Circle(cairo, 110.0 + side * 54.0, rodY + 19.0, 5.0);
        FillOutlined(cairo, colour::cream, colour::sand, 1.5);
    }
    // A drop of fat on its way down to the pan, lower in each frame.
    Ellipse(cairo, 106.0, rodY + 36.0 + frame * 14.0, 2.5, 4.0);
    FillPlain(cairo, 0xF8D088);
    // The crank.
    const double crankX = 214.0;
    cairo_move_to(cairo, crankX, rodY);
    cairo_line_to(cairo, crankX + 14.0 * std::cos(turn), rodY + 14.0 * std::sin(turn));
    StrokeBand(cairo, ironLight, 3.5, 7.5);
    Circle(cairo, crankX + 14.0 * std::cos(turn), rodY + 14.0 * std::sin(turn), 5.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
}

// The shelf of stores: jars and crocks, cheeses, sausages, apples and
// bottles on four boards, sacks of flour at the foot.
void Shelf(cairo_t* cairo, int /*frame*/)
{
    const double w = shelfWidth;
    cairo_rectangle(cairo, 10.0, 4.0, w - 20.0, shelfHeight - 8.0);
    FillPlain(cairo, 0x4A3426);
    for (const double x : {2.0, w - 14.0}) {
        RoundedRectangle(cairo, x, 0.0, 12.0, shelfHeight, 3.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    }
    const double boards[] = {70.0, 140.0, 210.0, 280.0};
    // Sausages hanging under the top board.
    for (int sausage = 0; sausage < 6; ++sausage) {
        const double x = 34.0 + sausage * 30.0;
        cairo_move_to(cairo, x, 12.0);
        cairo_curve_to(cairo, x - 8.0, 26.0, x + 8.0, 40.0, x, 52.0);
        StrokeBand(cairo, 0xB85040, 7.0, 12.0);
    }
    RoundedRectangle(cairo, 0.0, 4.0, w, 10.0, 3.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    // Jars and crocks.
    for (int jar = 0; jar < 5; ++jar) {
        const double x = 32.0 + jar * 38.0;
        const double jarHeight = jar % 2 == 0 ? 40.0 : 30.0;
        RoundedRectangle(cairo, x - 13.0, boards[0] - jarHeight, 26.0, jarHeight, 7.0);
        FillOutlined(cairo, jar % 2 == 0 ? colour::cream : clayLight, jar % 2 == 0 ? colour::sand : clay, 2.5);
        cairo_rectangle(cairo, x - 10.0, boards[0] - jarHeight - 4.0, 20.0, 6.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 1.5);
    }
    // Cheese wheels and a loaf.
    for (const double x : {44.0, 100.0}) {
        Ellipse(cairo, x, boards[1] - 16.0, 26.0, 16.0);
        FillOutlined(cairo, 0xF6D25A, 0xD0A030, 2.5);
    }
    Ellipse(cairo, 164.0, boards[1] - 14.0, 30.0, 14.0);
    FillOutlined(cairo, 0xE6B46A, 0xB07C3A, 2.5);
    // A basket of apples and two bottles.
    cairo_move_to(cairo, 24.0, boards[2] - 34.0);
    cairo_line_to(cairo, 104.0, boards[2] - 34.0);
    cairo_line_to(cairo, 96.0, boards[2]);
    cairo_line_to(cairo, 32.0, boards[2]);
    cairo_close_path(cairo);
    FillOutlined(cairo, wickerLight, wicker, 2.5);
    for (int apple = 0; apple < 4; ++apple) {
        Circle(cairo, 40.0 + apple * 16.0, boards[2] - 38.0, 9.0);
        FillOutlined(cairo, apple % 2 == 0 ? tone::bannerLight : tone::mossLight,
                     apple % 2 == 0 ? colour::banner : colour::moss, 2.0);
    }
    for (const double x : {140.0, 176.0}) {
        cairo_move_to(cairo, x - 10.0, boards[2]);
        cairo_line_to(cairo, x - 10.0, boards[2] - 34.0);
        cairo_curve_to(cairo, x - 10.0, boards[2] - 44.0, x - 4.0, boards[2] - 44.0, x - 4.0, boards[2] - 56.0);
        cairo_line_to(cairo, x + 4.0, boards[2] - 56.0);
        cairo_curve_to(cairo, x + 4.0, boards[2] - 44.0, x + 10.0, boards[2] - 44.0, x + 10.0, boards[2] - 34.0);
        cairo_line_to(cairo, x + 10.0, boards[2]);
        cairo_close_path(cairo);
        FillOutlined(cairo, 0x7CB24C, 0x3E7A34, 2.5);
        Shine(cairo, x - 5.0, boards[2] - 30.0, x - 5.0, boards[2] - 8.0, 2.5, 0.5);
    }
    // Pots of honey and jam.
    for (int pot = 0; pot < 4; ++pot) {
        const double x = 40.0 + pot * 46.0;
        RoundedRectangle(cairo, x - 14.0, boards[3] - 30.0, 28.0, 30.0, 8.0);
        FillOutlined(cairo, pot % 2 == 0 ? 0xF2C14E : 0xC83A50, pot % 2 == 0 ? 0xB8862A : 0x8A2436, 2.5);
        cairo_rectangle(cairo, x - 12.0, boards[3] - 34.0, 24.0, 6.0);
        FillOutlined(cairo, colour::cream, colour::sand, 1.5);
    }
    for (const double y : boards) {
        RoundedRectangle(cairo, 0.0, y, w, 10.0, 3.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    }
    // Sacks of flour at the foot.
    for (const double x : {54.0, 150.0}) {
        cairo_move_to(cairo, x - 36.0, shelfHeight - 2.0);
        cairo_curve_to(cairo, x - 40.0, 306.0, x - 30.0, 292.0, x - 14.0, 290.0);
        cairo_line_to(cairo, x + 14.0, 290.0);
        cairo_curve_to(cairo, x + 30.0, 292.0, x + 40.0, 306.0, x + 36.0, shelfHeight - 2.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, colour::cream, colour::sand, 2.5);
    }
}

// The lard pot: a big clay pot glazed green over its shoulder, its lid
// askew on the white lard.
void LardPot(cairo_t* cairo, int /*frame*/)
{
    cairo_save(cairo);
    cairo_translate(cairo, -(potX - 48.0), -(potRimY - 14.0));
    cairo_move_to(cairo, potX - 38.0, potRimY);
    cairo_curve_to(cairo, potX - 52.0, potRimY + 20.0, potX - 50.0, potFootY - 14.0, potX - 30.0, potFootY);
    cairo_line_to(cairo, potX + 30.0, potFootY);
    cairo_curve_to(cairo, potX + 50.0, potFootY - 14.0, potX + 52.0, potRimY + 20.0, potX + 38.0, potRimY);
    cairo_close_path(cairo);
    FillOutlined(cairo, clayLight, clay, 3.0);
    // The glaze over the shoulder.
    cairo_move_to(cairo, potX - 42.0, potRimY + 6.0);
    cairo_curve_to(cairo, potX - 46.0, potRimY + 22.0, potX - 40.0, potRimY + 30.0, potX - 30.0, potRimY + 34.0);
    cairo_curve_to(cairo, potX - 10.0, potRimY + 26.0, potX + 10.0, potRimY + 38.0, potX + 30.0, potRimY + 32.0);
    cairo_curve_to(cairo, potX + 40.0, potRimY + 30.0, potX + 46.0, potRimY + 22.0, potX + 42.0, potRimY + 6.0);
    cairo_close_path(cairo);
    FillPlain(cairo, tone::mossLight, 0.9);
    Shine(cairo, potX - 30.0, potRimY + 16.0, potX - 28.0, potFootY - 20.0, 4.0, 0.35);
    // The rim, the lard in it and the lid.
    Ellipse(cairo, potX, potRimY, 40.0, 10.0);
    FillOutlined(cairo, clayLight, clay, 2.5);
    Ellipse(cairo, potX, potRimY + 1.0, 33.0, 7.0);
    FillPlain(cairo, lard);
    Ellipse(cairo, potX + 20.0, potRimY - 4.0, 26.0, 6.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    cairo_restore(cairo);
}

// The dog, big and shaggy, asleep on its belly across the pot: head on its
// front paws hanging over the rim at the left, hind leg and tail dangling
// at the right, a snore floating up from its nose.
void DogBody(cairo_t* cairo, double breath)
{
    // The shaggy body, long and low: a union of tufts.
    for (int tuft = 0; tuft < 9; ++tuft) {
        const double x = -70.0 + tuft * 17.0;
        const double arch = std::sin(tuft * pi / 8.0);
        Circle(cairo, x, -6.0 - arch * (8.0 + breath), 20.0 + arch * 3.0);
    }
    Ellipse(cairo, 0.0, 0.0, 82.0, 20.0 + breath * 0.5);
    FillUnion(cairo, furLight, fur, 3.0);
    // The darker saddle on its back and the hind leg's haunch.
    Ellipse(cairo, -6.0, -22.0 - breath, 46.0, 9.0);
    FillPlain(cairo, fur, 0.7);
    Circle(cairo, 52.0, -10.0, 22.0);
    FillOutlined(cairo, furLight, fur, 2.5);
    // Strands of the coat.
    for (int strand = 0; strand < 8; ++strand) {
        const double x = -62.0 + strand * 16.0;
        cairo_move_to(cairo, x, -4.0 - (strand % 2) * 8.0);
        cairo_curve_to(cairo, x + 4.0, 2.0, x + 2.0, 8.0, x - 3.0, 12.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, furDark, 0.7);
    cairo_stroke(cairo);
}

void SleepingDog(cairo_t* cairo, int frame)
{
    const double breath = 2.0 + 2.0 * std::sin(frame * 2.0 * pi / dogFrames);
    // In room pixels, from the pot's rim.
    cairo_save(cairo);
    cairo_translate(cairo, -dogX, -dogY);
    // Tail and hind leg hanging over the right side.
    cairo_move_to(cairo, potX + 72.0, potRimY - 12.0);
    cairo_curve_to(cairo, potX + 104.0, potRimY, potX + 104.0, potRimY + 40.0, potX + 112.0, potFootY - 8.0);
    StrokeBand(cairo, fur, 10.0, 16.0);
    cairo_move_to(cairo, potX + 50.0, potRimY - 4.0);
    cairo_curve_to(cairo, potX + 62.0, potRimY + 14.0, potX + 60.0, potRimY + 36.0, potX + 56.0, potRimY + 50.0);
    StrokeBand(cairo, furLight, 16.0, 22.0);
    Ellipse(cairo, potX + 58.0, potRimY + 54.0, 12.0, 8.0);
    FillOutlined(cairo, furLight, fur, 2.5);
    // The body over the rim.
    cairo_save(cairo);
    cairo_translate(cairo, potX + 8.0, potRimY - 6.0);
    DogBody(cairo, breath);
    cairo_restore(cairo);
    // The front legs hanging over the left side, paws crossed.
    for (const double dx : {-62.0, -48.0}) {
        cairo_move_to(cairo, potX + dx + 6.0, potRimY - 6.0);
        cairo_curve_to(cairo, potX + dx - 4.0, potRimY + 10.0, potX + dx - 12.0, potRimY + 24.0, potX + dx - 16.0,
                       potRimY + 34.0);
        StrokeBand(cairo, furLight, 15.0, 21.0);
        Ellipse(cairo, potX + dx - 18.0, potRimY + 38.0, 12.0, 8.0);
        FillOutlined(cairo, furLight, fur, 2.5);
    }
    // The head resting on the paws: a floppy ear, the closed eye, the
    // muzzle and the nose.
    const double headX = potX - 84.0;
    const double headY = potRimY + 10.0 + breath * 0.3;
    Circle(cairo, headX, headY, 28.0);
    FillOutlined(cairo, furLight, fur, 3.0);
    Ellipse(cairo, headX - 26.0, headY + 12.0, 22.0, 15.0);
    FillOutlined(cairo, 0xE6C490, fur, 3.0);
    Ellipse(cairo, headX - 44.0, headY + 6.0, 8.0, 6.0);
    FillPlain(cairo, colour::outline);
    cairo_move_to(cairo, headX + 10.0, headY - 24.0);
    cairo_curve_to(cairo, headX + 36.0, headY - 22.0, headX + 40.0, headY + 20.0, headX + 26.0, headY + 40.0);
    cairo_curve_to(cairo, headX + 12.0, headY + 30.0, headX + 4.0, headY - 4.0, headX + 10.0, headY - 24.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, fur, furDark, 2.5);
    cairo_arc(cairo, headX - 8.0, headY - 6.0, 7.0, 0.15 * pi, 0.85 * pi);
    cairo_set_line_width(cairo, 3.0);
    SetColour(cairo, colour::outline);
    cairo_stroke(cairo);
    // Tufts of the shaggy coat falling over the brow.
    for (int tuft = 0; tuft < 3; ++tuft) {
        cairo_move_to(cairo, headX - 12.0 + tuft * 10.0, headY - 26.0);
        cairo_line_to(cairo, headX - 16.0 + tuft * 10.0, headY - 14.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, furDark);
    cairo_stroke(cairo);
    // The snore: a small "z" above the nose.
    const double zX = headX - 16.0 - frame * 2.0;
    const double zY = headY - 44.0 - frame * 3.0;
    cairo_move_to(cairo, zX - 7.0, zY - 7.0);
    cairo_line_to(cairo, zX + 7.0, zY - 7.0);
    cairo_line_to(cairo, zX - 7.0, zY + 7.0);
    cairo_line_to(cairo, zX + 7.0, zY + 7.0);
    StrokeBand(cairo, tone::white, 3.0, 6.0);
    cairo_restore(cairo);
}

// The dog curled up in its basket, nose under its tail, asleep again.
void DogInBasket(cairo_t* cairo, int /*frame*/)
{
    cairo_save(cairo);
    cairo_translate(cairo, -(basketX - 74.0), -(basketFootY - 100.0));
    Basket(cairo, basketX, basketFootY);
    // The curled body.
    cairo_save(cairo);
    cairo_translate(cairo, basketX + 4.0, basketFootY - 40.0);
    cairo_scale(cairo, 0.72, 0.9);
    DogBody(cairo, 0.0);
    cairo_restore(cairo);
    // The head tucked in at the left, the tail over its nose.
    const double headX = basketX - 36.0;
    const double headY = basketFootY - 40.0;
    Circle(cairo, headX, headY, 22.0);
    FillOutlined(cairo, furLight, fur, 3.0);
    Ellipse(cairo, headX + 4.0, headY + 8.0, 16.0, 10.0);
    FillOutlined(cairo, 0xE6C490, fur, 2.5);
    cairo_move_to(cairo, headX + 10.0, headY - 18.0);
    cairo_curve_to(cairo, headX + 24.0, headY - 12.0, headX + 22.0, headY + 6.0, headX + 16.0, headY + 16.0);
    StrokeBand(cairo, fur, 9.0, 14.0);
    cairo_arc(cairo, headX - 6.0, headY - 4.0, 5.0, 0.15 * pi, 0.85 * pi);
    cairo_set_line_width(cairo, 2.5);
    SetColour(cairo, colour::outline);
    cairo_stroke(cairo);
    cairo_move_to(cairo, basketX + 50.0, headY - 6.0);
    cairo_curve_to(cairo, basketX + 20.0, headY + 22.0, headX + 10.0, headY + 26.0, headX - 8.0, headY + 14.0);
    StrokeBand(cairo, fur, 10.0, 16.0);
    // The basket's front rim over the dog's belly.
    cairo_move_to(cairo, basketX - 64.0, basketFootY - 34.0);
    cairo_curve_to(cairo, basketX - 40.0, basketFootY - 18.0, basketX + 40.0, basketFootY - 18.0, basketX + 64.0,
                   basketFootY - 34.0);
    StrokeBand(cairo, wickerLight, 6.0, 10.0);
    cairo_restore(cairo);
}

} // namespace

RoomDescription RoomKueche()
{
    RoomDescription room;
    room.label = roomKueche;
    room.folder = "data\\level04\\roomk\xfc"
                  "che\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The floor round the dog's basket at the wall and the lard pot in the
    // middle, in overlapping parts: the floor left of the basket, before
    // it, right of it behind the pot, right of the pot, and a strip along
    // the front.
    room.floor = {{{10.0, 506.0}, {380.0, 506.0}, {380.0, 652.0}, {10.0, 652.0}},
                  {{380.0, 550.0}, {520.0, 550.0}, {520.0, 652.0}, {380.0, 652.0}},
                  {{508.0, 506.0}, {1014.0, 506.0}, {1014.0, 586.0}, {508.0, 586.0}},
                  {{602.0, 506.0}, {1014.0, 506.0}, {1014.0, 652.0}, {602.0, 652.0}},
                  {{10.0, 628.0}, {1014.0, 628.0}, {1014.0, 652.0}, {10.0, 652.0}}};
    room.leads = {{{939.0, 508.0}, {880.0, 574.0}, {440.0, 574.0}, {260.0, 566.0}, {110.0, 558.0}},
                  {{60.0, 640.0}, {990.0, 640.0}},
                  {{440.0, 574.0}, {440.0, 640.0}},
                  {{880.0, 574.0}, {880.0, 640.0}},
                  {{260.0, 566.0}, {260.0, 516.0}},
                  {{300.0, 640.0}, {300.0, 604.0}},
                  {{440.0, 574.0}, {440.0, 560.0}},
                  {{670.0, 574.0}, {670.0, 514.0}},
                  {{740.0, 640.0}, {740.0, 636.0}}};
    room.backY = 498;
    room.frontY = 720;
    room.light = 0xE8D0B4;
    room.lightPools = {{{fireX, 530.0}, 240.0, 90.0, 0xFFA860},
                       {{doorX + doorWidth / 2.0, 520.0}, 100.0, 44.0, 0xFFF2D8},
                       {{760.0, 560.0}, 90.0, 40.0, 0xFFF0D4}};
    room.graphics = {
        {"tuer_burghof", doorX, doorY, doorWidth, doorHeight, items::doorFrames, Door},
        {"fackel", 808, 220, torchWidth, torchHeight, torchFrames, WallTorch},
        {"herd", hearthX, hearthY, hearthWidth, hearthHeight, hearthFrames, Hearth},
        {"bratspiess", spitX, spitY, spitWidth, spitHeight, spitFrames, Spit},
        {"regal", shelfX, shelfY, shelfWidth, shelfHeight, 1, Shelf},
        {"korbhund", static_cast<int>(basketX) - 74, static_cast<int>(basketFootY) - 100, 148, 102, 1, DogInBasket},
        // The pot's rectangle reaches a little below its foot, so that it
        // stands before the dog lying over it and answers the pointer there.
        {"schmalztopf", static_cast<int>(potX) - 48, static_cast<int>(potRimY) - 14, 96,
         static_cast<int>(potFootY - potRimY) + 28, 1, LardPot},
        {"hund", dogX, dogY, dogWidth, dogHeight, dogFrames, SleepingDog},
        items::LyingItemGraphic("kessel", 300, 604),
    };
    room.ambience = Ambience::castleKitchen;
    return room;
}

levels::RoomStaging KuecheStaging()
{
    using items::FullName;
    return {
        {{"TuerBurghof",
          "Zum Burghof",
          roomKueche,
          FullName("RoomBurghof", "TuerKueche"),
          {939, 508},
          {880, 574},
          "tuer_burghof"}},
        {{"Kessel", "Kupferkessel", roomKueche, items::Pickup::low, "kessel", true},
         {"Asche", "Asche", roomKueche, items::Pickup::none, "asche", false},
         {"Schmalz", "Schmalz", roomKueche, items::Pickup::none, "schmalz", false}},
        {{castanimations::lotte, "Lotte", "Lotte", roomKueche, {730, 548}, Entity::left, -125, {620, 574}},
         {castanimations::mia, "Mia", "Mia", roomKueche, {840, 606}, Entity::left, -130, {740, 636}}},
        {{"herd", "Herd", {180, 562}, Entity::leftUp},
         {"bratspiess", "Bratspie\xdf", {260, 516}, Entity::up},
         {"hund", "Hofhund", {440, 640}, Entity::rightUp},
         {"korbhund", "Hofhund", {440, 560}, Entity::up},
         {"schmalztopf", "Schmalztopf", {560, 640}, Entity::up},
         {"regal", "Vorratsregal", {670, 514}, Entity::up}},
    };
}

} // namespace content::rooms
