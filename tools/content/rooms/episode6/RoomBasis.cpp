// The base's central hall behind the cleared yard: riveted steel walls
// under strip lights, the Baron's crest inlaid in a floor splashed with
// slime, a golden statue of the Baron striking a pose, his poster, and
// three doors: the grand one with gold trim to his collection, the control
// room's with its card reader, and the launch ramp's. In the front corner
// the sprayed Schleimlinge cower and tremble.

#include "Episode6Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "characters/Episode2Cast.h"
#include "characters/PuppetRig.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"
#include "minigames/AlienBlobs.h"
#include "rooms/episode5/BaseInterior.h"

#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

using namespace moonbase;

constexpr const char* roomBasis = "RoomBasis";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double ceilingY = 132.0;
constexpr double floorY = 480.0;
// The Baron's gold: his statue, the collection's door, the crest.
constexpr std::uint32_t goldLight = 0xFFE08A;
constexpr std::uint32_t gold = 0xE8B440;
constexpr std::uint32_t goldDark = 0xB07A22;
constexpr std::uint32_t sprayBlue = 0x3C8CE8;
// The grand door to the collection on the left.
constexpr int grandLeft = 24;
constexpr int grandTop = 216;
constexpr int grandWidth = 160;
constexpr int grandHeight = 264;
// The statue on its plinth, the plinth's front edge on the floor.
constexpr int statueLeft = 196;
constexpr int statueTop = 132;
constexpr int statueWidth = 164;
constexpr int statueHeight = 392;
// The control room's door, its card reader and a warning lamp over it.
constexpr int controlLeft = 392;
constexpr int controlTop = 236;
constexpr int controlWidth = 140;
constexpr int controlHeight = 244;
constexpr int readerLeft = 548;
constexpr int readerTop = 330;
constexpr int readerWidth = 48;
constexpr int readerHeight = 86;
// The poster on the wall.
constexpr int posterLeft = 626;
constexpr int posterTop = 170;
constexpr int posterWidth = 184;
constexpr int posterHeight = 236;
// The launch ramp's door on the right.
constexpr int rampLeft = 860;
constexpr int rampTop = 236;
constexpr int rampWidth = 140;
constexpr int rampHeight = 244;
// The Schleimlinge huddled in the front right corner.
constexpr int blobsLeft = 770;
constexpr int blobsTop = 500;
constexpr int blobsWidth = 250;
constexpr int blobsHeight = 152;
constexpr int blobFrames = 6;

// A splash of green slime on the floor: a flat puddle round (x, y) with
// a few drops flung beside it and its wet shine.
void SlimeSplash(cairo_t* cairo, double x, double y, double size)
{
    cairo_move_to(cairo, x - size * 1.6, y);
    cairo_curve_to(cairo, x - size * 1.7, y - size * 0.5, x - size * 0.4, y - size * 0.55, x, y - size * 0.4);
    cairo_curve_to(cairo, x + size * 0.6, y - size * 0.6, x + size * 1.8, y - size * 0.4, x + size * 1.5,
                   y + size * 0.05);
    cairo_curve_to(cairo, x + size * 1.3, y + size * 0.45, x + size * 0.2, y + size * 0.5, x - size * 0.3,
                   y + size * 0.35);
    cairo_curve_to(cairo, x - size * 0.9, y + size * 0.5, x - size * 1.5, y + size * 0.4, x - size * 1.6, y);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::acidLight, colour::acid, 1.5);
    for (const auto& [dx, dy, r] :
         {std::tuple{2.1, -0.2, 0.16}, std::tuple{-2.0, 0.3, 0.12}, std::tuple{1.2, 0.6, 0.1}}) {
        Ellipse(cairo, x + dx * size, y + dy * size, r * size * 1.6, r * size * 0.7);
        FillOutlined(cairo, tone::acidLight, colour::acid, 1.0);
    }
    Ellipse(cairo, x - size * 0.4, y - size * 0.15, size * 0.5, size * 0.1);
    FillPlain(cairo, tone::white, 0.55);
}

// The gold-trimmed surround of the collection's door: a pediment with the
// Baron's crest and the lettering over it and a red carpet before it.
void GrandSurround(cairo_t* cairo)
{
    constexpr double left = grandLeft - 12.0;
    constexpr double right = grandLeft + grandWidth + 12.0;
    constexpr double middle = (left + right) / 2.0;
    cairo_rectangle(cairo, left, grandTop - 8.0, right - left, floorY - grandTop + 8.0);
    SetVerticalGradient(cairo, grandTop, floorY, gold, goldDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_move_to(cairo, left - 10.0, grandTop - 8.0);
    cairo_line_to(cairo, middle, grandTop - 62.0);
    cairo_line_to(cairo, right + 10.0, grandTop - 8.0);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, grandTop - 62.0, grandTop, goldLight, gold);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_move_to(cairo, left + 14.0, grandTop - 16.0);
    cairo_line_to(cairo, middle, grandTop - 50.0);
    cairo_line_to(cairo, right - 14.0, grandTop - 16.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::violet, violetDark, 2.0);
    // The crest in the gable: a shield with a "B".
    const double cy = grandTop - 32.0;
    cairo_move_to(cairo, middle - 11.0, cy - 10.0);
    cairo_line_to(cairo, middle + 11.0, cy - 10.0);
    cairo_line_to(cairo, middle + 11.0, cy + 2.0);
    cairo_curve_to(cairo, middle + 11.0, cy + 9.0, middle, cy + 14.0, middle, cy + 14.0);
    cairo_curve_to(cairo, middle, cy + 14.0, middle - 11.0, cy + 9.0, middle - 11.0, cy + 2.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, goldLight, goldDark, 2.0);
    DrawArtText(cairo, "B", middle, cy + 7.0, 15.0, colour::banner);
    // Gold studs down the pilasters.
    for (const double x : {left + 6.0, right - 6.0})
        for (double y = grandTop + 10.0; y < floorY - 10.0; y += 24.0) {
            Circle(cairo, x, y, 2.5);
            FillOutlined(cairo, goldLight, goldDark, 1.0);
        }
    DrawArtText(cairo, "SAMMLUNG", middle, grandTop - 70.0, 17.0, goldLight);
    // The red carpet, widening towards the viewer.
    cairo_move_to(cairo, grandLeft + 24.0, floorY);
    cairo_line_to(cairo, grandLeft + grandWidth - 24.0, floorY);
    cairo_line_to(cairo, grandLeft + grandWidth + 10.0, height);
    cairo_line_to(cairo, grandLeft - 40.0, height);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, floorY, height, colour::banner, 0x7A1E2E);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.0);
    for (const double side : {-1.0, 1.0}) {
        const double top = side < 0.0 ? grandLeft + 30.0 : grandLeft + grandWidth - 30.0;
        const double bottom = side < 0.0 ? grandLeft - 30.0 : grandLeft + grandWidth;
        Line(cairo, top, floorY + 2.0, bottom, height, gold, 3.0, 0.9);
    }
}

// Lettering over the other two doors, and the slime the Schleimlinge
// flung up the walls before they were sprayed.
void WallMarks(cairo_t* cairo)
{
    RoundedRectangle(cairo, controlLeft - 4.0, controlTop - 38.0, controlWidth + 8.0, 26.0, 5.0);
    FillOutlined(cairo, colour::violet, violetDark, 2.5);
    DrawArtText(cairo, "KONTROLLRAUM", controlLeft + controlWidth / 2.0, controlTop - 19.0, 14.0, tone::acidLight);
    RoundedRectangle(cairo, rampLeft - 4.0, rampTop - 38.0, rampWidth + 8.0, 26.0, 5.0);
    FillOutlined(cairo, colour::violet, violetDark, 2.5);
    DrawArtText(cairo, "STARTRAMPE", rampLeft + rampWidth / 2.0, rampTop - 19.0, 14.0, tone::acidLight);
    for (const auto& [x, y, size] : {std::tuple{372.0, 300.0, 16.0}, std::tuple{596.0, 230.0, 12.0},
                                     std::tuple{842.0, 420.0, 18.0}, std::tuple{1000.0, 200.0, 14.0}}) {
        Circle(cairo, x, y, size);
        FillOutlined(cairo, tone::acidLight, colour::acid, 1.5);
        for (const double dx : {-0.5, 0.1, 0.6}) {
            const double length = size * (1.2 + std::fabs(dx) * 2.0);
            cairo_move_to(cairo, x + dx * size, y);
            cairo_line_to(cairo, x + dx * size, y + length);
            StrokeBand(cairo, colour::acid, size * 0.3, size * 0.3 + 3.0);
        }
        Circle(cairo, x - size * 0.35, y - size * 0.35, size * 0.25);
        FillPlain(cairo, tone::white, 0.6);
    }
}

// The Baron's crest inlaid in the middle of the floor: a gold ring round
// a violet disc with his "B", seen flat.
void FloorCrest(cairo_t* cairo)
{
    constexpr double cx = 560.0;
    constexpr double cy = 560.0;
    Ellipse(cairo, cx, cy, 170.0, 44.0);
    FillOutlined(cairo, gold, goldDark, 2.5);
    Ellipse(cairo, cx, cy, 150.0, 37.0);
    FillOutlined(cairo, colour::violet, violetDark, 2.0);
    cairo_save(cairo);
    cairo_translate(cairo, cx, cy + 12.0);
    cairo_scale(cairo, 1.0, 0.32);
    DrawArtText(cairo, "B", 0.0, 0.0, 90.0, goldLight);
    cairo_restore(cairo);
}

void Paint(cairo_t* cairo)
{
    constexpr double lights[] = {180.0, 512.0, 844.0};
    Ceiling(cairo, ceilingY, lights, 3);
    PlateWall(cairo, -10.0, ceilingY, width + 10.0, floorY, 128.0);
    PlateFloor(cairo, floorY, height, width, 120.0, floorFar, floorNear);
    GrandSurround(cairo);
    WallMarks(cairo);
    FloorCrest(cairo);
    for (const auto& [x, y, size] :
         {std::tuple{330.0, 505.0, 14.0}, std::tuple{740.0, 520.0, 12.0}, std::tuple{240.0, 640.0, 20.0},
          std::tuple{470.0, 680.0, 26.0}, std::tuple{690.0, 630.0, 22.0}, std::tuple{880.0, 700.0, 30.0},
          std::tuple{960.0, 520.0, 14.0}, std::tuple{110.0, 720.0, 18.0}})
        SlimeSplash(cairo, x, y, size);
    // The gold's warm light round the statue, the slime's in the corner,
    // and the shade at the front.
    Glow(cairo, statueLeft + statueWidth / 2.0, 420.0, 200.0, goldLight, 0.16);
    Glow(cairo, 900.0, 600.0, 200.0, colour::acid, 0.14);
    Glow(cairo, 512.0, 840.0, 420.0, tone::shadowDeep, 0.3);
}

// The collection's door: the base's steel door, its frame dressed in
// gold, so that it is the grandest of the hall.
RoomGraphic GrandDoor()
{
    RoomGraphic door = BaseDoor("tuer_sammlung", grandLeft, grandTop, grandWidth, grandHeight);
    door.draw = [steel = door.draw](cairo_t* cairo, int frame) {
        steel(cairo, frame);
        constexpr double w = grandWidth;
        constexpr double h = grandHeight;
        RoundedRectangle(cairo, 3.0, 3.0, w - 6.0, h - 6.0, 6.0);
        SetColour(cairo, gold);
        cairo_set_line_width(cairo, 5.0);
        cairo_stroke(cairo);
        RoundedRectangle(cairo, 1.5, 1.5, w - 3.0, h - 3.0, 6.0);
        StrokeOutline(cairo, 2.0);
        // A gold band across the lintel.
        cairo_rectangle(cairo, 8.0, 10.0, w - 16.0, 5.0);
        FillOutlined(cairo, goldLight, goldDark, 1.5);
    };
    return door;
}

// The Baron in gold: his own figure, every colour turned to gold.
characters::FigureLook GoldenBaron()
{
    characters::FigureLook look = characters::BaronLook();
    look.skin = goldLight;
    look.skinShade = gold;
    look.top = goldLight;
    look.topShade = gold;
    look.legs = gold;
    look.legsShade = goldDark;
    look.shoes = gold;
    look.shoesLight = goldLight;
    look.hair = gold;
    look.hairShade = goldDark;
    look.accent = goldLight;
    look.capeColour = gold;
    look.capeShade = goldDark;
    look.liningColour = goldDark;
    look.liningShade = 0x8A5A1A;
    return look;
}

// The statue: the Baron in gold striking a pose on a violet plinth, one
// hand on his hip and the other pointing to the sky, his chin up; a
// plate on the plinth.
void Statue(cairo_t* cairo, int /*frame*/)
{
    constexpr double cx = statueWidth / 2.0;
    constexpr double foot = statueHeight - 4.0;
    constexpr double plinthTop = foot - 84.0;
    ShadowUnder(cairo, cx, foot - 2.0, 76.0, 8.0);
    RoundedRectangle(cairo, cx - 72.0, foot - 24.0, 144.0, 22.0, 4.0);
    FillOutlined(cairo, colour::violet, violetDark, 3.0);
    cairo_rectangle(cairo, cx - 60.0, plinthTop + 10.0, 120.0, foot - 24.0 - plinthTop - 10.0);
    SetGradient(cairo, cairo_pattern_create_linear(cx - 60.0, 0.0, cx + 60.0, 0.0),
                {{0.0, tone::violetLight}, {0.4, colour::violet}, {1.0, violetDark}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    RoundedRectangle(cairo, cx - 68.0, plinthTop, 136.0, 14.0, 4.0);
    FillOutlined(cairo, goldLight, goldDark, 2.5);
    RoundedRectangle(cairo, cx - 44.0, plinthTop + 24.0, 88.0, 28.0, 4.0);
    FillOutlined(cairo, goldLight, goldDark, 2.0);
    DrawArtText(cairo, "DER BARON", cx, plinthTop + 43.0, 12.0, violetDark);
    // The figure: 240 pixels from his soles to his crown.
    characters::Pose pose;
    pose.arms[0] = {0.2, 0.7, 1.9, 1.2};
    pose.arms[1] = {pi * 0.86, 0.35, 0.15, 0.0};
    pose.legs[0] = {0.28, 0.0};
    pose.legs[1] = {-0.08, 0.0};
    pose.lean = -0.06;
    pose.headTilt = -1.5;
    cairo_save(cairo);
    cairo_translate(cairo, cx + 2.0, plinthTop + 4.0);
    cairo_scale(cairo, 2.4, 2.4);
    characters::PuppetRig(GoldenBaron()).Draw(cairo, characters::Direction::rightDown, pose);
    cairo_restore(cairo);
    // The gold's gleam.
    Shine(cairo, cx - 14.0, plinthTop - 150.0, cx - 18.0, plinthTop - 110.0, 3.0, 0.7);
    Shine(cairo, cx - 50.0, plinthTop + 8.0, cx - 30.0, plinthTop + 8.0, 2.5, 0.8);
}

// The card reader beside the control room's door: a steel box with a card
// slot, a little screen asking for a card, a keypad and a red lamp.
void CardReader(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = readerWidth;
    cairo_rectangle(cairo, w / 2.0 - 4.0, readerHeight - 12.0, 8.0, 12.0);
    FillOutlined(cairo, colour::steel, steelDark, 2.0);
    RoundedRectangle(cairo, 2.0, 2.0, w - 4.0, readerHeight - 14.0, 6.0);
    SetGradient(cairo, cairo_pattern_create_linear(2.0, 0.0, w - 2.0, 0.0),
                {{0.0, tone::steelLight}, {1.0, colour::steel}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // The slot with its acid glow.
    RoundedRectangle(cairo, 9.0, 9.0, w - 18.0, 7.0, 3.0);
    FillOutlined(cairo, colour::nightDeep, colour::outline, 1.5);
    Line(cairo, 11.0, 12.5, w - 11.0, 12.5, colour::acid, 2.0, 0.9);
    // The screen.
    RoundedRectangle(cairo, 8.0, 22.0, w - 16.0, 18.0, 3.0);
    FillOutlined(cairo, 0x1E3A2A, colour::outline, 2.0);
    DrawArtText(cairo, "KARTE", w / 2.0, 35.0, 8.0, tone::acidLight);
    // The keypad.
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            RoundedRectangle(cairo, 10.0 + column * 10.0, 45.0 + row * 8.0, 7.0, 5.0, 1.5);
            FillOutlined(cairo, tone::violetLight, violetDark, 1.0);
        }
    Circle(cairo, w / 2.0, readerHeight - 21.0, 3.5);
    FillOutlined(cairo, 0xFF9A9A, alarmRed, 1.5);
}

// A red warning lamp over the card reader, blinking: the base is still on
// alert.
void WarningLamp(cairo_t* cairo, int frame)
{
    BlinkLamp(cairo, frame, 7.0, alarmRed);
}

// The poster: in a gold frame on violet, the Baron's portrait under a
// burst of rays, his name and his title, a corner peeled and a splash of
// slime on it.
void Poster(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = posterWidth;
    constexpr double h = posterHeight;
    cairo_move_to(cairo, 4.0, 4.0);
    cairo_line_to(cairo, w - 4.0, 4.0);
    cairo_line_to(cairo, w - 4.0, h - 18.0);
    cairo_line_to(cairo, w - 18.0, h - 4.0);
    cairo_line_to(cairo, 4.0, h - 4.0);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, 0.0, h, tone::violetLight, colour::violet);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // The rays behind the portrait.
    cairo_save(cairo);
    cairo_rectangle(cairo, 14.0, 14.0, w - 28.0, 150.0);
    cairo_clip(cairo);
    for (int ray = 0; ray < 12; ++ray) {
        const double a0 = ray * pi / 6.0;
        cairo_move_to(cairo, w / 2.0, 90.0);
        cairo_line_to(cairo, w / 2.0 + 200.0 * std::cos(a0), 90.0 + 200.0 * std::sin(a0));
        cairo_line_to(cairo, w / 2.0 + 200.0 * std::cos(a0 + 0.26), 90.0 + 200.0 * std::sin(a0 + 0.26));
        cairo_close_path(cairo);
    }
    FillPlain(cairo, goldLight, 0.45);
    // The Baron's head and chest.
    constexpr double scale = 3.2;
    cairo_translate(cairo, w / 2.0, 14.0 + 110.0 * scale);
    cairo_scale(cairo, scale, scale);
    characters::Pose pose;
    pose.headTilt = -0.8;
    characters::PuppetRig(characters::BaronLook()).Draw(cairo, characters::Direction::rightDown, pose);
    cairo_restore(cairo);
    cairo_rectangle(cairo, 14.0, 14.0, w - 28.0, 150.0);
    StrokeOutline(cairo, 2.5);
    // The title on a gold band.
    cairo_rectangle(cairo, 10.0, 170.0, w - 20.0, 26.0);
    FillOutlined(cairo, goldLight, goldDark, 2.0);
    DrawArtText(cairo, "BARON VON BLECH", w / 2.0, 189.0, 14.0, colour::banner);
    DrawArtText(cairo, "SAMMLER DES JAHRES", w / 2.0, 213.0, 12.0, colour::cream);
    // The peeled corner, and slime.
    cairo_move_to(cairo, w - 4.0, h - 18.0);
    cairo_line_to(cairo, w - 14.0, h - 14.0);
    cairo_line_to(cairo, w - 18.0, h - 4.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::cream, colour::sand, 2.0);
    Circle(cairo, 26.0, 30.0, 11.0);
    FillOutlined(cairo, tone::acidLight, colour::acid, 1.5);
    cairo_move_to(cairo, 24.0, 36.0);
    cairo_line_to(cairo, 23.0, 62.0);
    StrokeBand(cairo, colour::acid, 4.0, 7.0);
    // Tape at the top corners.
    for (const double x : {14.0, w - 14.0}) {
        cairo_save(cairo);
        cairo_translate(cairo, x, 6.0);
        cairo_rotate(cairo, x < w / 2.0 ? -0.6 : 0.6);
        cairo_rectangle(cairo, -12.0, -4.0, 24.0, 8.0);
        cairo_restore(cairo);
        FillPlain(cairo, colour::cream, 0.8);
    }
}

// The Schleimlinge the spray drove out of the yard, cowering together in
// the corner on a puddle of their own slime: ducked low with their eyes
// shut, trembling, each at its own phase, specks of the blue spray still
// on them.
void Schleimlinge(cairo_t* cairo, int frame)
{
    constexpr double foot = blobsHeight - 16.0;
    Ellipse(cairo, blobsWidth / 2.0 + 6.0, foot + 2.0, blobsWidth / 2.0 - 10.0, 13.0);
    FillOutlined(cairo, tone::acidLight, colour::acid, 1.5);
    Ellipse(cairo, blobsWidth / 2.0 - 30.0, foot, 40.0, 4.0);
    FillPlain(cairo, tone::white, 0.45);
    struct Cowering {
        int kind;
        double x, foot, scale, phase;
    };
    constexpr Cowering blobs[] = {
        {3, 150.0, foot - 14.0, 1.1, 0.0}, {2, 72.0, foot - 2.0, 1.0, 0.4}, {1, 200.0, foot + 4.0, 0.95, 0.75}};
    for (const Cowering& blob : blobs) {
        const double phase = std::fmod(static_cast<double>(frame) / blobFrames + blob.phase, 1.0);
        minigames::DrawBlob(cairo, blob.kind, blob.x, blob.foot, blob.scale, phase, minigames::BlobPose::hiding);
        for (const auto& [dx, dy] : {std::pair{-14.0, -30.0}, std::pair{10.0, -44.0}, std::pair{18.0, -20.0}}) {
            Circle(cairo, blob.x + dx * blob.scale, blob.foot + dy * blob.scale, 3.0);
            FillOutlined(cairo, 0x9AD0FF, sprayBlue, 1.0);
        }
    }
    // Sweat drops flying off with the trembling, and its shaking lines
    // flickering either side of the huddle.
    const double shake = std::sin(frame * 2.0 * pi / blobFrames);
    for (const double side : {-1.0, 1.0}) {
        const double x = blobsWidth / 2.0 + side * (blobsWidth / 2.0 - 8.0 - (frame % 2) * 4.0);
        for (const double y : {foot - 70.0, foot - 50.0, foot - 30.0}) {
            cairo_move_to(cairo, x - side * 6.0, y);
            cairo_line_to(cairo, x, y - 6.0 - (frame % 3));
        }
        StrokeBand(cairo, tone::white, 2.0, 4.5);
    }
    for (const auto& [x, y] : {std::pair{40.0, 50.0}, std::pair{226.0, 60.0}}) {
        Ellipse(cairo, x + 3.0 * shake, y - 2.0 * std::fabs(shake), 2.5, 4.0);
        FillOutlined(cairo, tone::white, colour::tealLight, 1.0);
    }
}

} // namespace

RoomDescription RoomBasis()
{
    RoomDescription room;
    room.label = roomBasis;
    room.folder = "data\\level06\\roombasis\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The hall's floor, leaving out the statue's plinth and the corner
    // where the Schleimlinge cower.
    room.floor = {{{12.0, 528.0}, {778.0, 528.0}, {778.0, 650.0}, {12.0, 650.0}},
                  {{12.0, 486.0}, {194.0, 486.0}, {194.0, 540.0}, {12.0, 540.0}},
                  {{362.0, 486.0}, {1012.0, 486.0}, {1012.0, 566.0}, {362.0, 566.0}}};
    room.leads = {{{50.0, 600.0}, {760.0, 600.0}},  {{104.0, 490.0}, {104.0, 600.0}}, {{600.0, 600.0}, {600.0, 540.0}},
                  {{420.0, 540.0}, {990.0, 540.0}}, {{462.0, 490.0}, {462.0, 540.0}}, {{930.0, 490.0}, {930.0, 540.0}},
                  {{278.0, 600.0}, {278.0, 546.0}}, {{572.0, 540.0}, {572.0, 500.0}}, {{718.0, 540.0}, {718.0, 510.0}},
                  {{760.0, 600.0}, {764.0, 612.0}}, {{316.0, 600.0}, {316.0, 616.0}}, {{536.0, 600.0}, {536.0, 620.0}},
                  {{660.0, 600.0}, {660.0, 630.0}}, {{620.0, 600.0}, {620.0, 570.0}}};
    room.backY = static_cast<int>(floorY);
    room.frontY = 720;
    room.light = 0xDCDCF0;
    room.lightPools = {{{180.0, 540.0}, 160.0, 50.0, 0xF0F4FF},
                       {{512.0, 540.0}, 180.0, 50.0, 0xF0F4FF},
                       {{844.0, 540.0}, 160.0, 50.0, 0xF0F4FF},
                       {{278.0, 560.0}, 120.0, 40.0, 0xFFE8B0},
                       {{880.0, 610.0}, 140.0, 50.0, 0xD8F4A8}};
    room.graphics = {
        GrandDoor(),
        {"statue", statueLeft, statueTop, statueWidth, statueHeight, 1, Statue},
        BaseDoor("tuer_kontrollraum", controlLeft, controlTop, controlWidth, controlHeight),
        {"kartenleser", readerLeft, readerTop, readerWidth, readerHeight, 1, CardReader},
        {"warnlampe", readerLeft + readerWidth / 2 - lampReach, readerTop - 40, 2 * lampReach, 2 * lampReach,
         lampFrames, WarningLamp},
        {"plakat", posterLeft, posterTop, posterWidth, posterHeight, 1, Poster},
        BaseDoor("tuer_startrampe", rampLeft, rampTop, rampWidth, rampHeight),
        {"schleimlinge", blobsLeft, blobsTop, blobsWidth, blobsHeight, blobFrames, Schleimlinge},
        items::LyingItemGraphic("zugangskarte", 660, 634),
    };
    room.ambience = Ambience::baseHall;
    return room;
}

levels::RoomStaging BasisStaging()
{
    using items::FullName;
    return {
        {{"TuerSammlung",
          "Zur Sammlung",
          roomBasis,
          FullName("RoomSammlung", "TuerBasis"),
          {104, 490},
          {104, 560},
          "tuer_sammlung"},
         {"TuerKontrollraum",
          "Zum Kontrollraum",
          roomBasis,
          FullName("RoomKontrollraum", "TuerBasis"),
          {462, 490},
          {462, 540},
          "tuer_kontrollraum"},
         {"TuerStartrampe",
          "Zur Startrampe",
          roomBasis,
          FullName("RoomStartrampe", "TuerBasis"),
          {930, 490},
          {930, 540},
          "tuer_startrampe"}},
        {{"Zugangskarte", "Schleimige Zugangskarte", roomBasis, items::Pickup::low, "zugangskarte", true},
         {"Kamera", "Mias Kamera", roomBasis, items::Pickup::none, "kamera", false}},
        // The twins quarrel face to face on the crest in the middle; KIRA
        // hovers by the poster.
        {{castanimations::lotte, "Lotte", "Lotte", roomBasis, {390, 608}, Entity::right, -150, {316, 616}},
         {castanimations::mia, "Mia", "Mia", roomBasis, {466, 612}, Entity::left, -150, {536, 620}},
         {castanimations::kira, "Kira", "KIRA", roomBasis, {676, 556}, Entity::left, -150, {620, 570}}},
        {{"kartenleser", "Kartenleser", {572, 500}, Entity::up},
         {"statue", "Baron-Statue", {278, 546}, Entity::up},
         {"schleimlinge", "Schleimlinge", {764, 612}, Entity::right},
         {"plakat", "Plakat", {718, 510}, Entity::up}},
    };
}

} // namespace content::rooms
