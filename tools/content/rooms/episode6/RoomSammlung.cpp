// The Baron's collection under the base's spotlights: the steel door back
// to the hall on the left, a dinosaur's skeleton on its plinth, a mummy in
// her open sarcophagus, his best glass case on its pedestal with the half
// crystal glowing on a velvet cushion, an empty golden frame waiting for
// his portrait, a crown on a cushion and the tin magpie of the castle in a
// golden cage, all behind a velvet rope on brass posts.

#include "BaronsFinery.h"
#include "Episode6Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"
#include "rooms/episode5/BaseInterior.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace content::rooms {

namespace {

using namespace moonbase;
using namespace finery;

constexpr const char* roomSammlung = "RoomSammlung";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double ceilingY = 150.0;
constexpr double floorY = 500.0;
constexpr std::uint32_t bone = 0xF4EBD0;
constexpr std::uint32_t boneDark = 0xC9B890;
constexpr std::uint32_t spotLight = 0xFFF3D0;
constexpr std::uint32_t crystalGlow = 0x7FF0F0;
// The steel door to the hall in the left of the back wall.
constexpr int doorX = 16;
constexpr int doorY = 270;
constexpr int doorWidth = 140;
constexpr int doorHeight = 230;
// The skeleton on its plinth.
constexpr int dinoX = 158;
constexpr int dinoY = 170;
constexpr int dinoWidth = 258;
constexpr int dinoHeight = 336;
// The mummy standing in her sarcophagus.
constexpr int mummyX = 420;
constexpr int mummyY = 262;
constexpr int mummyWidth = 76;
constexpr int mummyHeight = 246;
// The glass case on its pedestal, and the half crystal (or the photo) in it:
// both drawn a row lower than the case, so that they show inside it.
constexpr int caseX = 524;
constexpr int caseY = 228;
constexpr int caseWidth = 130;
constexpr int caseHeight = 296;
constexpr double caseMiddle = caseX + caseWidth / 2.0;
constexpr int showX = caseX + 25;
constexpr int showY = caseY + 30;
constexpr int showWidth = 80;
constexpr int showHeight = caseY + caseHeight + 1 - showY;
constexpr double cushionTop = caseY + 116.0 - showY; // in the shown thing's graphic
constexpr int glowFrames = 6;
// The empty frame on the wall over the Baron's place.
constexpr int frameX = 668;
constexpr int frameY = 186;
constexpr int frameWidth = 140;
constexpr int frameHeight = 122;
// The crown on its cushion on a short column.
constexpr int crownX = 820;
constexpr int crownY = 288;
constexpr int crownWidth = 90;
constexpr int crownHeight = 224;
// The magpie's cage on its stand.
constexpr int cageX = 914;
constexpr int cageY = 190;
constexpr int cageWidth = 106;
constexpr int cageHeight = 320;
constexpr int magpieFrames = 4;
// The velvet rope in front of the exhibits: drawn over them, under everyone
// standing on the floor in front of it.
constexpr int ropeX = 160;
constexpr int ropeY = 456;
constexpr int ropeWidth = 864;
constexpr int ropeHeight = 90;
// The spotlights along the ceiling's edge, one over each exhibit.
constexpr double spots[] = {dinoX + dinoWidth / 2.0, caseMiddle, frameX + frameWidth / 2.0, crownX + crownWidth / 2.0,
                            cageX + cageWidth / 2.0};

// A velvet swag hanging between (x0, y) and (x1, y), sagging by `sag`, with
// a golden fringe and a tassel at each end.
void Swag(cairo_t* cairo, double x0, double x1, double y, double sag)
{
    const double middle = (x0 + x1) / 2.0;
    cairo_move_to(cairo, x0, y);
    cairo_curve_to(cairo, middle - 20.0, y + sag * 1.3, middle + 20.0, y + sag * 1.3, x1, y);
    cairo_curve_to(cairo, middle + 20.0, y + sag * 0.6, middle - 20.0, y + sag * 0.6, x0, y);
    cairo_close_path(cairo);
    FillOutlined(cairo, velvet, velvetDark, 2.5);
    cairo_move_to(cairo, x0 + 6.0, y + 4.0);
    cairo_curve_to(cairo, middle - 20.0, y + sag * 1.22, middle + 20.0, y + sag * 1.22, x1 - 6.0, y + 4.0);
    StrokeBand(cairo, goldLight, 2.0, 4.5);
    for (const double x : {x0, x1}) {
        cairo_move_to(cairo, x, y);
        cairo_line_to(cairo, x - 6.0, y + 30.0);
        cairo_line_to(cairo, x + 6.0, y + 30.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, goldLight, gold, 2.0);
        Circle(cairo, x, y + 2.0, 5.0);
        FillOutlined(cairo, goldLight, goldDark, 2.0);
    }
}

// A spotlight on the ceiling's edge at `x` and its soft cone of light down
// the wall and onto the floor.
void Spotlight(cairo_t* cairo, double x)
{
    cairo_move_to(cairo, x - 10.0, ceilingY + 8.0);
    cairo_line_to(cairo, x - 70.0, floorY + 40.0);
    cairo_line_to(cairo, x + 70.0, floorY + 40.0);
    cairo_line_to(cairo, x + 10.0, ceilingY + 8.0);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, ceilingY, 0.0, floorY + 40.0),
                {{0.0, spotLight, 0.4}, {0.6, spotLight, 0.14}, {1.0, spotLight, 0.0}});
    cairo_fill(cairo);
    cairo_save(cairo);
    cairo_translate(cairo, x, ceilingY - 6.0);
    cairo_rotate(cairo, 0.1);
    Line(cairo, 0.0, -22.0, 0.0, -6.0, colour::outline, 3.0);
    RoundedRectangle(cairo, -11.0, -8.0, 22.0, 20.0, 5.0);
    FillOutlined(cairo, tone::steelLight, steelDark, 2.5);
    Ellipse(cairo, 0.0, 12.0, 9.0, 3.5);
    FillOutlined(cairo, tone::white, spotLight, 1.5);
    cairo_restore(cairo);
}

void Paint(cairo_t* cairo)
{
    Ceiling(cairo, ceilingY, nullptr, 0);
    PlateWall(cairo, -2.0, ceilingY, width + 2.0, floorY, 128.0);
    // Velvet swags along the top of the wall, tasselled in gold.
    for (double x = 176.0; x < width - 60.0; x += 142.0)
        Swag(cairo, x, std::min(x + 142.0, width + 20.0), ceilingY + 22.0, 34.0);
    // The sign over the door.
    RoundedRectangle(cairo, doorX + 14.0, 212.0, doorWidth - 28.0, 30.0, 5.0);
    FillOutlined(cairo, colour::nightLight, colour::night, 2.5);
    DrawArtText(cairo, "HALLE", doorX + doorWidth / 2.0, 234.0, 18.0, tone::acidLight);
    // The crystal's cyan light on the wall behind its case.
    Glow(cairo, caseMiddle, caseY + 70.0, 130.0, crystalGlow, 0.3);
    for (const double x : spots)
        Spotlight(cairo, x);
    PlateFloor(cairo, floorY, height, width, 96.0, floorFar, floorNear);
    // A violet carpet with golden borders along the front of the exhibits.
    cairo_rectangle(cairo, -4.0, 566.0, width + 8.0, 74.0);
    SetVerticalGradient(cairo, 566.0, 640.0, 0x7A2E86, 0x52206A);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    for (const double y : {572.0, 633.0})
        Line(cairo, -4.0, y, width + 4.0, y, gold, 3.0, 0.9);
    for (double x = 20.0; x < width; x += 64.0) {
        cairo_move_to(cairo, x, 603.0);
        cairo_line_to(cairo, x + 10.0, 596.0);
        cairo_line_to(cairo, x + 20.0, 603.0);
        cairo_line_to(cairo, x + 10.0, 610.0);
        cairo_close_path(cairo);
        FillPlain(cairo, goldLight, 0.55);
    }
    // The spotlights' pools on the floor and the crystal's glow.
    for (const double x : spots) {
        Ellipse(cairo, x, floorY + 34.0, 74.0, 16.0);
        FillPlain(cairo, spotLight, 0.12);
    }
    Glow(cairo, caseMiddle, floorY + 40.0, 110.0, crystalGlow, 0.22);
    // Shadows of what stands on the floor.
    Ellipse(cairo, dinoX + dinoWidth / 2.0, dinoY + dinoHeight - 4.0, 124.0, 10.0);
    Ellipse(cairo, mummyX + mummyWidth / 2.0, mummyY + mummyHeight - 4.0, 40.0, 8.0);
    Ellipse(cairo, caseMiddle, caseY + caseHeight - 4.0, 60.0, 9.0);
    Ellipse(cairo, crownX + crownWidth / 2.0, crownY + crownHeight - 4.0, 40.0, 8.0);
    Ellipse(cairo, cageX + cageWidth / 2.0, cageY + cageHeight - 4.0, 46.0, 8.0);
    FillPlain(cairo, tone::shadowDeep, 0.45);
}

// A bone from (x0, y0) to (x1, y1), `thickness` across, with knobbed ends.
void Bone(cairo_t* cairo, double x0, double y0, double x1, double y1, double thickness)
{
    cairo_move_to(cairo, x0, y0);
    cairo_line_to(cairo, x1, y1);
    StrokeBand(cairo, bone, thickness, thickness + 5.0);
    for (const auto& [x, y] : {std::pair{x0, y0}, std::pair{x1, y1}}) {
        Circle(cairo, x, y, thickness * 0.75);
        FillOutlined(cairo, bone, boneDark, 2.0);
    }
}

// The skeleton of a great two-legged dinosaur striding to the right on its
// plinth, held up by two steel rods: a long tail, ribs hanging from its
// spine, tiny arms and a big skull with its jaws open.
void Dino(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = dinoWidth;
    constexpr double foot = dinoHeight - 4.0;
    constexpr double hipX = 112.0;
    constexpr double hipY = 188.0;
    // The plinth with its brass plate.
    RoundedRectangle(cairo, 8.0, foot - 38.0, w - 16.0, 38.0, 5.0);
    FillOutlined(cairo, colour::violet, violetDark, 3.0);
    Line(cairo, 12.0, foot - 35.0, w - 12.0, foot - 35.0, tone::violetLight, 2.0, 0.7);
    RoundedRectangle(cairo, w / 2.0 - 40.0, foot - 30.0, 80.0, 20.0, 3.0);
    FillOutlined(cairo, goldLight, gold, 2.0);
    DrawArtText(cairo, "T. REX", w / 2.0, foot - 15.0, 12.0, goldDark);
    // The steel rods holding it up.
    for (const double x : {hipX, 190.0})
        Line(cairo, x, foot - 38.0, x, x == hipX ? hipY : 128.0, colour::steel, 4.0);
    // The far leg, a shade darker, then the near one.
    for (const int leg : {0, 1}) {
        const double dx = leg == 0 ? -16.0 : 4.0;
        const double kneeX = hipX - 14.0 + dx;
        const double kneeY = hipY + 62.0;
        const double ankleX = hipX + 14.0 + dx;
        const double ankleY = foot - 58.0;
        Bone(cairo, hipX + dx * 0.5, hipY, kneeX, kneeY, 11.0);
        Bone(cairo, kneeX, kneeY, ankleX, ankleY, 9.0);
        for (const double toe : {-0.3, 0.0, 0.35}) {
            cairo_move_to(cairo, ankleX, ankleY);
            cairo_line_to(cairo, ankleX + 26.0 * std::cos(toe), foot - 40.0);
            StrokeBand(cairo, leg == 0 ? boneDark : bone, 4.0, 8.0);
        }
    }
    // The spine: from the tail's tip over the hip to the neck.
    cairo_move_to(cairo, 6.0, 120.0);
    cairo_curve_to(cairo, 40.0, 160.0, 80.0, 186.0, hipX, hipY - 10.0);
    cairo_curve_to(cairo, 150.0, 176.0, 176.0, 150.0, 188.0, 112.0);
    cairo_curve_to(cairo, 194.0, 92.0, 196.0, 80.0, 200.0, 72.0);
    StrokeBand(cairo, bone, 7.0, 12.0);
    // The vertebrae along it.
    for (int bead = 0; bead < 14; ++bead) {
        const double t = bead / 13.0;
        const double x = 10.0 + t * 186.0;
        const double y = x < hipX ? 124.0 + (x - 6.0) / (hipX - 6.0) * 56.0 - 4.0 * std::sin(t * pi)
                                  : hipY - 10.0 - (x - hipX) / 88.0 * 110.0;
        Circle(cairo, x, y - 6.0, 3.5 + 2.0 * std::sin(t * pi));
        FillOutlined(cairo, bone, boneDark, 1.5);
    }
    // The hip bone.
    Ellipse(cairo, hipX, hipY - 4.0, 20.0, 13.0);
    FillOutlined(cairo, bone, boneDark, 2.5);
    // The ribs curving down from the spine.
    for (int rib = 0; rib < 6; ++rib) {
        const double x = 126.0 + rib * 10.0;
        const double y = hipY - 14.0 - rib * 10.0;
        cairo_move_to(cairo, x, y);
        cairo_curve_to(cairo, x + 12.0, y + 20.0, x + 6.0, y + 44.0 - rib * 2.0, x - 6.0, y + 54.0 - rib * 4.0);
        StrokeBand(cairo, bone, 3.5, 7.0);
    }
    // The tiny arm with two claws.
    Bone(cairo, 184.0, 132.0, 200.0, 154.0, 4.0);
    for (const double dy : {-3.0, 3.0}) {
        cairo_move_to(cairo, 200.0, 154.0);
        cairo_line_to(cairo, 210.0, 158.0 + dy);
        StrokeBand(cairo, bone, 2.0, 5.0);
    }
    // The skull: the head with its eye and nostril, and the lower jaw
    // hanging open, both full of teeth.
    cairo_move_to(cairo, 192.0, 56.0);
    cairo_curve_to(cairo, 200.0, 34.0, 232.0, 30.0, 250.0, 50.0);
    cairo_line_to(cairo, 254.0, 66.0);
    cairo_line_to(cairo, 206.0, 78.0);
    cairo_curve_to(cairo, 196.0, 78.0, 188.0, 70.0, 192.0, 56.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, bone, boneDark, 3.0);
    cairo_move_to(cairo, 204.0, 78.0);
    cairo_line_to(cairo, 246.0, 86.0);
    cairo_curve_to(cairo, 242.0, 96.0, 214.0, 98.0, 200.0, 88.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, bone, boneDark, 2.5);
    for (double x = 212.0; x < 252.0; x += 7.0) {
        cairo_move_to(cairo, x, 66.0 + (x - 206.0) * -0.25);
        cairo_line_to(cairo, x + 2.5, 73.0 + (x - 206.0) * -0.25);
        cairo_line_to(cairo, x + 5.0, 66.0 + (x - 206.0) * -0.25);
    }
    for (double x = 210.0; x < 242.0; x += 7.0) {
        cairo_move_to(cairo, x, 80.0 + (x - 204.0) * 0.19);
        cairo_line_to(cairo, x + 2.5, 74.0 + (x - 204.0) * 0.19);
        cairo_line_to(cairo, x + 5.0, 80.0 + (x - 204.0) * 0.19);
    }
    FillOutlined(cairo, tone::white, boneDark, 1.2);
    Ellipse(cairo, 214.0, 50.0, 8.0, 6.0);
    FillOutlined(cairo, 0x4A3E5A, colour::outline, 2.0);
    Ellipse(cairo, 244.0, 46.0, 3.0, 2.0);
    FillPlain(cairo, colour::outline);
    Shine(cairo, 206.0, 42.0, 226.0, 36.0, 2.5, 0.6);
}

// The mummy in her open sarcophagus: a painted golden case with a blue and
// gold striped headdress round its rim, and inside her, wrapped in
// bandages, arms crossed, two round eyes peering out of the wrappings.
void Mummy(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = mummyWidth;
    constexpr double foot = mummyHeight - 4.0;
    constexpr double middle = w / 2.0;
    // The case: a rounded top, wide shoulders, narrowing to the feet.
    auto caseOutline = [&](double inset) {
        cairo_move_to(cairo, middle, 4.0 + inset);
        cairo_curve_to(cairo, w - 6.0 - inset, 4.0 + inset, w - 2.0 - inset, 40.0, w - 2.0 - inset, 70.0);
        cairo_line_to(cairo, w - 8.0 - inset, foot - 20.0);
        cairo_line_to(cairo, w - 12.0 - inset, foot - inset);
        cairo_line_to(cairo, 12.0 + inset, foot - inset);
        cairo_line_to(cairo, 8.0 + inset, foot - 20.0);
        cairo_line_to(cairo, 2.0 + inset, 70.0);
        cairo_curve_to(cairo, 2.0 + inset, 40.0, 6.0 + inset, 4.0 + inset, middle, 4.0 + inset);
        cairo_close_path(cairo);
    };
    caseOutline(0.0);
    FillOutlined(cairo, goldLight, goldDark, 3.0);
    // Blue stripes of the headdress round the rim.
    for (double y = 26.0; y < 110.0; y += 12.0) {
        Line(cairo, 4.0, y, 10.0, y + 4.0, 0x2E5AB8, 4.0);
        Line(cairo, w - 4.0, y, w - 10.0, y + 4.0, 0x2E5AB8, 4.0);
    }
    // The dark inside.
    caseOutline(8.0);
    SetVerticalGradient(cairo, 10.0, foot, 0x3A2A4A, 0x241A34);
    cairo_fill(cairo);
    // The mummy: a wrapped body with a round head.
    RoundedRectangle(cairo, 18.0, 58.0, w - 36.0, foot - 68.0, 16.0);
    FillOutlined(cairo, colour::cream, 0xD8C8A0, 2.5);
    Circle(cairo, middle, 42.0, 17.0);
    FillOutlined(cairo, colour::cream, 0xD8C8A0, 2.5);
    // The wrappings, slanting round her.
    for (double y = 30.0; y < foot - 14.0; y += 9.0) {
        const double half = y < 58.0 ? 15.0 : (w - 38.0) / 2.0;
        Line(cairo, middle - half, y + 3.0, middle + half, y - 2.0, 0xB8A47A, 1.5, 0.8);
    }
    // Two eyes peering out of a gap in the bandages.
    RoundedRectangle(cairo, middle - 12.0, 34.0, 24.0, 11.0, 5.0);
    FillPlain(cairo, 0x3A2A4A);
    for (const double x : {middle - 6.0, middle + 6.0}) {
        Circle(cairo, x, 39.5, 4.0);
        FillOutlined(cairo, tone::white, tone::white, 1.0);
        Circle(cairo, x + 1.0, 40.0, 1.8);
        FillPlain(cairo, colour::outline);
    }
    // The crossed arms.
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, middle - side * 18.0, 74.0);
        cairo_line_to(cairo, middle + side * 14.0, 100.0);
        StrokeBand(cairo, colour::cream, 7.0, 11.0);
    }
    // A loose end of bandage hanging down.
    cairo_move_to(cairo, w - 22.0, 120.0);
    cairo_curve_to(cairo, w - 12.0, 140.0, w - 20.0, 160.0, w - 14.0, 176.0);
    StrokeBand(cairo, colour::cream, 4.0, 7.0);
    Shine(cairo, 10.0, 60.0, 8.0, 150.0, 2.5, 0.5);
}

// The glass case: a golden lid over a box of glass, a violet velvet
// cushion on its floor, and a pedestal with golden trim and a brass plate.
void Case(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = caseWidth;
    constexpr double foot = caseHeight - 4.0;
    constexpr double glassTop = 18.0;
    constexpr double glassBottom = 126.0;
    // The pedestal: a base, a column and a capital carrying the glass.
    RoundedRectangle(cairo, 6.0, foot - 18.0, w - 12.0, 18.0, 4.0);
    FillOutlined(cairo, goldLight, goldDark, 3.0);
    cairo_rectangle(cairo, 20.0, glassBottom + 10.0, w - 40.0, foot - 18.0 - glassBottom - 10.0);
    SetVerticalGradient(cairo, glassBottom, foot, colour::violet, violetDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    for (const double x : {30.0, w - 30.0})
        Line(cairo, x, glassBottom + 16.0, x, foot - 24.0, tone::violetLight, 2.0, 0.5);
    RoundedRectangle(cairo, w / 2.0 - 28.0, glassBottom + 38.0, 56.0, 18.0, 3.0);
    FillOutlined(cairo, goldLight, gold, 2.0);
    DrawArtText(cairo, "RARIT\xc3\x84T", w / 2.0, glassBottom + 51.0, 9.0, goldDark);
    RoundedRectangle(cairo, 8.0, glassBottom, w - 16.0, 14.0, 3.0);
    FillOutlined(cairo, goldLight, goldDark, 3.0);
    // The cushion, then the glass over it.
    cairo_move_to(cairo, 30.0, glassBottom);
    cairo_curve_to(cairo, 28.0, glassBottom - 16.0, w - 28.0, glassBottom - 16.0, w - 30.0, glassBottom);
    cairo_close_path(cairo);
    FillOutlined(cairo, velvet, velvetDark, 2.0);
    for (const double x : {30.0, w - 30.0}) {
        Circle(cairo, x, glassBottom - 1.0, 3.5);
        FillOutlined(cairo, goldLight, gold, 1.2);
    }
    cairo_rectangle(cairo, 12.0, glassTop, w - 24.0, glassBottom - glassTop);
    SetColour(cairo, glass, 0.22);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    // The glass's back edges, seen through the front.
    Line(cairo, 22.0, glassTop + 8.0, w - 22.0, glassTop + 8.0, tone::steelLight, 1.5, 0.6);
    Line(cairo, 22.0, glassTop + 8.0, 22.0, glassBottom - 6.0, tone::steelLight, 1.5, 0.5);
    Line(cairo, w - 22.0, glassTop + 8.0, w - 22.0, glassBottom - 6.0, tone::steelLight, 1.5, 0.5);
    Shine(cairo, 20.0, glassTop + 14.0, 20.0, glassBottom - 30.0, 4.0, 0.5);
    // The lid with its knob.
    RoundedRectangle(cairo, 6.0, glassTop - 10.0, w - 12.0, 12.0, 4.0);
    FillOutlined(cairo, goldLight, goldDark, 3.0);
    Circle(cairo, w / 2.0, glassTop - 12.0, 6.0);
    FillOutlined(cairo, goldLight, goldDark, 2.0);
    // A little lock on the front.
    RoundedRectangle(cairo, w / 2.0 - 6.0, glassBottom + 2.0, 12.0, 10.0, 2.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.5);
}

// The glass's sheen over what stands in the case, so that it looks inside.
void GlassSheen(cairo_t* cairo)
{
    Shine(cairo, 6.0, 8.0, 6.0, cushionTop - 24.0, 3.0, 0.35);
    Shine(cairo, showWidth - 12.0, 10.0, showWidth - 24.0, 34.0, 2.5, 0.3);
}

// The half crystal on its cushion in its pulsing cyan glow, a sparkle
// wandering over its facets.
void CrystalInCase(cairo_t* cairo, int frame)
{
    const double pulse = 0.5 + 0.5 * std::sin(frame * 2.0 * pi / glowFrames);
    Glow(cairo, showWidth / 2.0, cushionTop - 30.0, 34.0 + 6.0 * pulse, crystalGlow, 0.35 + 0.25 * pulse);
    if (const items::ItemPicture* half = items::FindItemPicture("kristallhaelfte")) {
        constexpr double scale = 1.15;
        cairo_save(cairo);
        cairo_translate(cairo, showWidth / 2.0 - half->width * scale / 2.0, cushionTop + 2.0 - half->height * scale);
        cairo_scale(cairo, scale, scale);
        half->draw(cairo, 0);
        cairo_restore(cairo);
    }
    const double angle = frame * 2.0 * pi / glowFrames;
    const double x = showWidth / 2.0 + 10.0 * std::cos(angle);
    const double y = cushionTop - 32.0 + 8.0 * std::sin(angle);
    Line(cairo, x - 6.0, y, x + 6.0, y, tone::white, 2.0, 0.9);
    Line(cairo, x, y - 6.0, x, y + 6.0, tone::white, 2.0, 0.9);
    GlassSheen(cairo);
}

// The instant photo of the Baron propped on a little golden stand on the
// cushion, where the crystal was.
void PhotoInCase(cairo_t* cairo, int /*frame*/)
{
    constexpr double boxWidth = 48.0;
    constexpr double boxHeight = 58.0;
    cairo_move_to(cairo, showWidth / 2.0 - 14.0, cushionTop + 2.0);
    cairo_line_to(cairo, showWidth / 2.0, cushionTop - 24.0);
    cairo_line_to(cairo, showWidth / 2.0 + 14.0, cushionTop + 2.0);
    StrokeBand(cairo, gold, 2.5, 5.5);
    if (const items::ItemPicture* photo = items::FindItemPicture("foto")) {
        const double scale = std::min(boxWidth / photo->width, boxHeight / photo->height);
        cairo_save(cairo);
        cairo_translate(cairo, showWidth / 2.0 - photo->width * scale / 2.0, cushionTop - photo->height * scale);
        cairo_scale(cairo, scale, scale);
        photo->draw(cairo, 0);
        cairo_restore(cairo);
    }
    GlassSheen(cairo);
}

// The empty frame: a heavy golden frame with corner ornaments round the
// bare dark velvet it waits to show a picture on, and a brass plate under it.
void EmptyFrame(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = frameWidth;
    constexpr double bottom = frameHeight - 30.0;
    RoundedRectangle(cairo, 4.0, 4.0, w - 8.0, bottom - 4.0, 6.0);
    FillOutlined(cairo, goldLight, goldDark, 3.0);
    cairo_rectangle(cairo, 20.0, 20.0, w - 40.0, bottom - 36.0);
    SetVerticalGradient(cairo, 20.0, bottom - 16.0, velvet, velvetDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    // The moulding's inner edge and a dusty nail mark where no picture hangs.
    cairo_rectangle(cairo, 12.0, 12.0, w - 24.0, bottom - 20.0);
    SetColour(cairo, goldDark, 0.8);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    Circle(cairo, w / 2.0, 30.0, 2.5);
    FillPlain(cairo, tone::steelLight);
    for (const double x : {10.0, w - 10.0})
        for (const double y : {10.0, bottom - 6.0}) {
            Circle(cairo, x, y, 7.0);
            FillOutlined(cairo, goldLight, gold, 2.0);
        }
    Shine(cairo, 14.0, 10.0, w * 0.45, 10.0, 2.5, 0.6);
    // The plate under the frame.
    RoundedRectangle(cairo, w / 2.0 - 40.0, bottom + 6.0, 80.0, 20.0, 3.0);
    FillOutlined(cairo, goldLight, gold, 2.0);
    DrawArtText(cairo, "MEIN BILD", w / 2.0, bottom + 21.0, 11.0, goldDark);
}

// The crown on a violet cushion with golden tassels, on a short column.
void Crown(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = crownWidth;
    constexpr double foot = crownHeight - 4.0;
    constexpr double middle = w / 2.0;
    // The column.
    RoundedRectangle(cairo, 14.0, foot - 12.0, w - 28.0, 12.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    cairo_rectangle(cairo, 24.0, 80.0, w - 48.0, foot - 92.0);
    SetVerticalGradient(cairo, 80.0, foot, tone::steelLight, colour::steel);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    for (const double x : {34.0, middle, w - 34.0})
        Line(cairo, x, 84.0, x, foot - 16.0, steelDark, 2.0, 0.5);
    RoundedRectangle(cairo, 16.0, 72.0, w - 32.0, 10.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    // The cushion.
    cairo_move_to(cairo, 8.0, 70.0);
    cairo_curve_to(cairo, 20.0, 50.0, w - 20.0, 50.0, w - 8.0, 70.0);
    cairo_curve_to(cairo, w - 20.0, 78.0, 20.0, 78.0, 8.0, 70.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::violetLight, colour::violet, 2.5);
    for (const double x : {8.0, w - 8.0}) {
        cairo_move_to(cairo, x, 70.0);
        cairo_line_to(cairo, x - 4.0, 84.0);
        cairo_line_to(cairo, x + 4.0, 84.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, goldLight, gold, 1.5);
    }
    // The crown: a band with five points, each with a pearl, and jewels.
    cairo_move_to(cairo, 22.0, 60.0);
    cairo_line_to(cairo, 18.0, 22.0);
    for (int point = 0; point < 4; ++point) {
        const double x = 18.0 + (point + 0.5) * (w - 36.0) / 4.0;
        const double xNext = 18.0 + (point + 1.0) * (w - 36.0) / 4.0;
        cairo_line_to(cairo, x, 40.0);
        cairo_line_to(cairo, xNext, point == 1 ? 14.0 : 22.0);
    }
    cairo_line_to(cairo, w - 22.0, 60.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, goldLight, gold, 3.0);
    RoundedRectangle(cairo, 20.0, 48.0, w - 40.0, 12.0, 3.0);
    FillOutlined(cairo, gold, goldDark, 2.0);
    for (int point = 0; point <= 4; ++point) {
        const double x = 18.0 + point * (w - 36.0) / 4.0;
        Circle(cairo, x, point == 2 ? 11.0 : 19.0, 4.0);
        FillOutlined(cairo, tone::white, tone::steelLight, 1.5);
    }
    constexpr std::uint32_t jewels[] = {colour::hibiscus, colour::turquoise, colour::acid};
    for (int jewel = 0; jewel < 3; ++jewel) {
        Circle(cairo, 34.0 + jewel * 14.0, 54.0, 4.0);
        FillOutlined(cairo, jewels[jewel], jewels[jewel], 1.5);
    }
    Shine(cairo, 24.0, 30.0, 26.0, 44.0, 2.5, 0.7);
}

// The tin magpie on her perch, bobbing her head and tail as she looks
// about: dark riveted tin, a bright belly, a beak like a pair of pliers,
// one red glass eye and a little aerial.
void Magpie(cairo_t* cairo, double x, double y, int frame)
{
    const double bob = 3.0 * std::sin(frame * 2.0 * pi / magpieFrames);
    const double tilt = 0.15 * std::sin(frame * 2.0 * pi / magpieFrames);
    constexpr std::uint32_t tin = 0x4A5470;
    constexpr std::uint32_t tinDark = 0x2E3650;
    // The tail, swinging opposite to the head.
    cairo_save(cairo);
    cairo_translate(cairo, x - 12.0, y - 8.0);
    cairo_rotate(cairo, 0.2 - tilt);
    cairo_move_to(cairo, 0.0, -4.0);
    cairo_line_to(cairo, -8.0, 26.0);
    cairo_line_to(cairo, -1.0, 28.0);
    cairo_line_to(cairo, 5.0, 2.0);
    cairo_close_path(cairo);
    cairo_restore(cairo);
    FillOutlined(cairo, tin, tinDark, 2.0);
    // The body and its bright belly, and the wing with rivets.
    Ellipse(cairo, x, y - 14.0 + bob * 0.3, 16.0, 11.0);
    FillOutlined(cairo, tin, tinDark, 2.5);
    Ellipse(cairo, x + 4.0, y - 9.0 + bob * 0.3, 9.0, 5.5);
    FillPlain(cairo, tone::steelLight);
    cairo_move_to(cairo, x - 12.0, y - 18.0 + bob * 0.3);
    cairo_curve_to(cairo, x - 4.0, y - 24.0, x + 8.0, y - 20.0, x + 10.0, y - 14.0 + bob * 0.3);
    cairo_curve_to(cairo, x + 2.0, y - 8.0, x - 8.0, y - 8.0, x - 16.0, y - 10.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.8);
    // The feet on the perch.
    for (const double dx : {-3.0, 4.0}) {
        cairo_move_to(cairo, x + dx, y - 5.0);
        cairo_line_to(cairo, x + dx, y + 1.0);
    }
    StrokeBand(cairo, tone::steelLight, 1.5, 4.0);
    // The head with the beak and the eye.
    cairo_save(cairo);
    cairo_translate(cairo, x + 14.0, y - 28.0 + bob);
    cairo_rotate(cairo, tilt);
    cairo_move_to(cairo, 6.0, -2.0);
    cairo_line_to(cairo, 16.0, 1.0);
    cairo_line_to(cairo, 6.0, 4.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.5);
    Circle(cairo, 0.0, 0.0, 8.5);
    FillOutlined(cairo, tin, tinDark, 2.5);
    Glow(cairo, 2.5, -1.5, 7.0, colour::hibiscus, 0.7);
    Circle(cairo, 2.5, -1.5, 2.8);
    FillOutlined(cairo, 0xFF4A4A, colour::banner, 1.2);
    cairo_move_to(cairo, -3.0, -8.0);
    cairo_line_to(cairo, -6.0, -15.0);
    StrokeOutline(cairo, 1.5);
    Circle(cairo, -6.0, -16.0, 2.0);
    FillOutlined(cairo, 0xFF4A4A, colour::banner, 1.0);
    cairo_restore(cairo);
}

// The golden birdcage on its stand, the magpie on a perch inside: the back
// bars, the bird, then the front bars over her.
void Cage(cairo_t* cairo, int frame)
{
    constexpr double w = cageWidth;
    constexpr double foot = cageHeight - 4.0;
    constexpr double middle = w / 2.0;
    constexpr double domeTop = 18.0;
    constexpr double cageBottom = 150.0;
    constexpr double cageLeft = 12.0;
    constexpr double cageRight = w - 12.0;
    // The stand: a foot, a pole and a tray carrying the cage.
    Ellipse(cairo, middle, foot - 6.0, 34.0, 7.0);
    FillOutlined(cairo, goldLight, goldDark, 2.5);
    cairo_rectangle(cairo, middle - 5.0, cageBottom + 6.0, 10.0, foot - cageBottom - 12.0);
    SetColour(cairo, gold);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    Shine(cairo, middle - 2.0, cageBottom + 14.0, middle - 2.0, foot - 20.0, 2.0, 0.5);
    // The cage's outline: upright sides under a dome, and its bars.
    auto bars = [&](bool front) {
        for (int bar = 0; bar <= 8; ++bar) {
            if ((bar % 2 == 0) != front)
                continue;
            const double x = cageLeft + bar * (cageRight - cageLeft) / 8.0;
            const double lean = (x - middle) / (w / 2.0);
            cairo_move_to(cairo, x, cageBottom);
            cairo_line_to(cairo, x, 56.0);
            cairo_curve_to(cairo, x, 30.0, middle + lean * 14.0, domeTop + 2.0, middle, domeTop);
        }
        StrokeBand(cairo, front ? goldLight : gold, front ? 2.5 : 1.5, front ? 5.0 : 3.5, front ? 1.0 : 0.7);
    };
    bars(false);
    // The perch and the bird on it.
    Line(cairo, cageLeft + 8.0, 124.0, cageRight - 8.0, 124.0, tone::woodLight, 4.0);
    cairo_save(cairo);
    cairo_translate(cairo, middle - 2.0, 124.0);
    cairo_scale(cairo, 1.35, 1.35);
    Magpie(cairo, 0.0, 0.0, frame);
    cairo_restore(cairo);
    bars(true);
    // The rings round the cage and the tray under it.
    for (const double y : {56.0, 100.0}) {
        cairo_move_to(cairo, cageLeft, y);
        cairo_line_to(cairo, cageRight, y);
        StrokeBand(cairo, goldLight, 3.0, 6.0);
    }
    RoundedRectangle(cairo, cageLeft - 6.0, cageBottom - 4.0, cageRight - cageLeft + 12.0, 14.0, 4.0);
    FillOutlined(cairo, goldLight, goldDark, 2.5);
    // The ring on top of the dome.
    cairo_arc(cairo, middle, domeTop - 8.0, 7.0, 0.0, 2.0 * pi);
    StrokeBand(cairo, goldLight, 2.5, 5.5);
}

// The velvet rope on brass posts: one length in front of the skeleton and
// the mummy, one in front of the crown and the cage.
void Rope(cairo_t* cairo, int /*frame*/)
{
    constexpr double postFoot = ropeHeight - 4.0;
    constexpr double postTop = 30.0;
    const auto length = [&](const std::initializer_list<double>& posts) {
        const double* previous = nullptr;
        for (const double& x : posts) {
            if (previous != nullptr) {
                cairo_move_to(cairo, *previous + 5.0, postTop + 6.0);
                cairo_curve_to(cairo, *previous + 30.0, postTop + 30.0, x - 30.0, postTop + 30.0, x - 5.0,
                               postTop + 6.0);
                StrokeBand(cairo, 0xB02A5A, 5.0, 9.0);
            }
            previous = &x;
        }
        for (const double x : posts) {
            Ellipse(cairo, x, postFoot - 3.0, 14.0, 4.0);
            FillOutlined(cairo, goldLight, goldDark, 2.0);
            cairo_rectangle(cairo, x - 3.5, postTop, 7.0, postFoot - postTop - 4.0);
            FillOutlined(cairo, goldLight, gold, 2.0);
            Circle(cairo, x, postTop - 2.0, 6.0);
            FillOutlined(cairo, goldLight, goldDark, 2.0);
        }
    };
    length({8.0, 76.0, 180.0, 248.0});
    length({656.0, 752.0, 852.0});
}

} // namespace

RoomDescription RoomSammlung()
{
    RoomDescription room;
    room.label = roomSammlung;
    room.folder = "data\\level06\\roomsammlung\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The floor in front of the rope, and the step into the door's opening.
    room.floor = {{{10.0, 548.0}, {1014.0, 548.0}, {1014.0, 652.0}, {10.0, 652.0}},
                  {{46.0, 500.0}, {126.0, 500.0}, {126.0, 556.0}, {46.0, 556.0}}};
    room.leads = {{{40.0, 610.0}, {990.0, 610.0}},  {{86.0, 504.0}, {96.0, 572.0}, {96.0, 610.0}},
                  {{287.0, 610.0}, {287.0, 566.0}}, {{505.0, 610.0}, {505.0, 574.0}},
                  {{589.0, 610.0}, {589.0, 566.0}}, {{664.0, 610.0}, {664.0, 598.0}},
                  {{738.0, 610.0}, {738.0, 560.0}}, {{800.0, 610.0}, {800.0, 578.0}},
                  {{866.0, 610.0}, {866.0, 566.0}}, {{967.0, 610.0}, {967.0, 566.0}}};
    room.backY = 420;
    room.frontY = 720;
    room.light = 0xDAD4EC;
    room.lightPools = {{{caseMiddle, 566.0}, 90.0, 38.0, 0xC8F8F8},
                       {{crownX + crownWidth / 2.0, 566.0}, 70.0, 30.0, 0xFFEEC8},
                       {{dinoX + dinoWidth / 2.0, 566.0}, 90.0, 34.0, 0xFFEEC8}};
    room.graphics = {
        BaseDoor("tuer_basis", doorX, doorY, doorWidth, doorHeight),
        {"dino", dinoX, dinoY, dinoWidth, dinoHeight, 1, Dino},
        {"mumie", mummyX, mummyY, mummyWidth, mummyHeight, 1, Mummy},
        {"vitrine", caseX, caseY, caseWidth, caseHeight, 1, Case},
        {"kristallschein", showX, showY, showWidth, showHeight, glowFrames, CrystalInCase},
        {"baronfoto", showX, showY, showWidth, showHeight + 1, 1, PhotoInCase},
        {"rahmen", frameX, frameY, frameWidth, frameHeight, 1, EmptyFrame},
        {"krone", crownX, crownY, crownWidth, crownHeight, 1, Crown},
        {"elster", cageX, cageY, cageWidth, cageHeight, magpieFrames, Cage},
        {"kordel", ropeX, ropeY, ropeWidth, ropeHeight, 1, Rope},
    };
    room.ambience = Ambience::collection;
    return room;
}

levels::RoomStaging SammlungStaging()
{
    using items::FullName;
    return {
        {{"TuerBasis",
          "Zur Halle",
          roomSammlung,
          FullName("RoomBasis", "TuerSammlung"),
          {86, 504},
          {96, 572},
          "tuer_basis"}},
        {{"Foto", "Foto vom Baron", roomSammlung, items::Pickup::none, "foto", false},
         {"Kristallhaelfte",
          "Kristallh\xe4"
          "lfte",
          roomSammlung, items::Pickup::none, "kristallhaelfte", false}},
        {{castanimations::baron, "Baron", "Baron von Blech", roomSammlung, {738, 560}, Entity::left, -190, {664, 598}}},
        {{"vitrine", "Vitrine", {589, 566}, Entity::up},
         {"rahmen", "Goldener Rahmen", {800, 578}, Entity::leftUp},
         {"dino", "Dino-Skelett", {287, 566}, Entity::up},
         {"mumie", "Mumie", {505, 574}, Entity::leftUp},
         {"krone", "Krone", {866, 566}, Entity::up},
         {"elster", "Blechelster", {967, 566}, Entity::up}},
    };
}

} // namespace content::rooms
