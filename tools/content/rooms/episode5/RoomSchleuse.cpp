// The base's airlock: a chamber of riveted steel panels under strip
// lights, warning beacons over the heavy inner door to the yard, space suits
// on their hooks, and a big window onto the yard, smeared with slime, where
// the Schleimlinge press their eye stalks to the glass; below it the
// airlock's console. The outer door leads back to the landing pad, two
// side doors to the store and the lab.

#include "Episode5Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"
#include "minigames/AlienBlobs.h"
#include "minigames/MoonBaseYard.h"
#include "rooms/episode5/BaseInterior.h"

#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

using moonbase::steelDark;
using moonbase::violetDark;

constexpr const char* roomSchleuse = "RoomSchleuse";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double ceilingY = 120.0;
constexpr double floorY = 472.0;
// The window's glass onto the yard.
constexpr int glassLeft = 546;
constexpr int glassTop = 178;
constexpr int glassWidth = 240;
constexpr int glassHeight = 172;
constexpr int frameMargin = 14;
// The heavy inner door to the yard.
constexpr int yardDoorLeft = 290;
constexpr int yardDoorTop = 168;
constexpr int yardDoorWidth = 222;
constexpr int yardDoorHeight = 308;
constexpr std::uint32_t panelLight = 0xA8B4C8;
constexpr std::uint32_t panelDark = 0x6C7890;

// The glass's rounded outline, in the window's own coordinates.
void GlassPath(cairo_t* cairo, double x, double y)
{
    RoundedRectangle(cairo, x, y, glassWidth, glassHeight, 26.0);
}

// The ceiling with its strip lights and the back wall of riveted panels
// with a violet band, lettering over the side doors.
void Walls(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, ceilingY + 10.0);
    SetVerticalGradient(cairo, 0.0, ceilingY, 0x2E2658, violetDark);
    cairo_fill(cairo);
    for (const double x : {140.0, 420.0, 700.0, 900.0}) {
        RoundedRectangle(cairo, x - 80.0, ceilingY - 30.0, 160.0, 12.0, 6.0);
        FillOutlined(cairo, moonbase::lampGlow, colour::acid, 2.0);
        Glow(cairo, x, ceilingY - 10.0, 140.0, moonbase::lampGlow, 0.25);
    }
    cairo_rectangle(cairo, -10.0, ceilingY, width + 20.0, floorY - ceilingY + 6.0);
    SetVerticalGradient(cairo, ceilingY, floorY, panelLight, panelDark);
    cairo_fill(cairo);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::outline, 0.45);
    for (double x = 0.0; x < width; x += 96.0) {
        cairo_move_to(cairo, x, ceilingY);
        cairo_line_to(cairo, x, floorY);
    }
    cairo_move_to(cairo, 0.0, 300.0);
    cairo_line_to(cairo, width, 300.0);
    cairo_stroke(cairo);
    for (double x = 12.0; x < width; x += 48.0) {
        for (const double y : {ceilingY + 14.0, 312.0, floorY - 30.0}) {
            Circle(cairo, x, y, 2.2);
            FillPlain(cairo, tone::steelLight, 0.9);
        }
    }
    cairo_rectangle(cairo, -10.0, ceilingY, width + 20.0, 18.0);
    FillOutlined(cairo, colour::violet, violetDark, 3.0);
    moonbase::HazardBand(cairo, -4.0, floorY - 18.0, width + 4.0, floorY, 2.0);
    DrawArtText(cairo, "LAGER", 848.0, 244.0, 17.0, tone::acidLight);
    DrawArtText(cairo, "LABOR", 960.0, 244.0, 17.0, tone::acidLight);
    DrawArtText(cairo, "LANDEPLATZ", 83.0, 224.0, 15.0, tone::acidLight);
}

// The yard beyond the window: the alien shooting gallery's own picture of
// it, seen from higher up and shrunk into the glass.
void YardThroughGlass(cairo_t* cairo)
{
    const minigames::MoonBaseYard yard = minigames::DrawMoonBaseYard();
    cairo_save(cairo);
    GlassPath(cairo, glassLeft, glassTop);
    cairo_clip(cairo);
    constexpr double scale = 0.35;
    cairo_translate(cairo, glassLeft - 60.0, glassTop - 6.0);
    cairo_scale(cairo, scale, scale);
    cairo_set_source_surface(cairo, cairo_get_target(yard.background.Cairo()), 0.0, 0.0);
    cairo_paint(cairo);
    cairo_restore(cairo);
    Glow(cairo, glassLeft + glassWidth / 2.0, glassTop + glassHeight, 140.0, colour::acid, 0.25);
}

// The floor of steel plates, a striped zone before the inner door.
void Floor(cairo_t* cairo)
{
    moonbase::PlateFloor(cairo, floorY, height, width, 96.0, 0x8A90A8, 0x4E5470);
    // Warning stripes on the floor before the inner door.
    cairo_save(cairo);
    cairo_move_to(cairo, yardDoorLeft - 10.0, floorY + 4.0);
    cairo_line_to(cairo, yardDoorLeft + yardDoorWidth + 10.0, floorY + 4.0);
    cairo_line_to(cairo, yardDoorLeft + yardDoorWidth + 40.0, floorY + 44.0);
    cairo_line_to(cairo, yardDoorLeft - 40.0, floorY + 44.0);
    cairo_close_path(cairo);
    cairo_clip(cairo);
    moonbase::HazardBand(cairo, yardDoorLeft - 40.0, floorY + 4.0, yardDoorLeft + yardDoorWidth + 40.0, floorY + 44.0,
                         2.0);
    cairo_restore(cairo);
    // Green slime trodden in from the yard.
    for (const auto& [x, y, r] :
         {std::tuple{360.0, 500.0, 12.0}, std::tuple{450.0, 530.0, 8.0}, std::tuple{420.0, 570.0, 10.0}}) {
        Ellipse(cairo, x, y, r * 1.6, r * 0.5);
        FillOutlined(cairo, tone::acidLight, colour::acid, 1.5);
    }
}

void Paint(cairo_t* cairo)
{
    Walls(cairo);
    YardThroughGlass(cairo);
    Floor(cairo);
    Glow(cairo, 666.0, 520.0, 220.0, colour::acid, 0.14);
    Glow(cairo, 512.0, 830.0, 420.0, tone::shadowDeep, 0.3);
}

// The inner door's striped steel frame round its opening.
void DoorFrame(cairo_t* cairo)
{
    constexpr double w = yardDoorWidth;
    constexpr double h = yardDoorHeight;
    RoundedRectangle(cairo, 2.0, 2.0, w - 4.0, h - 4.0, 30.0);
    FillOutlined(cairo, colour::steel, steelDark, 3.0);
    cairo_save(cairo);
    RoundedRectangle(cairo, 6.0, 6.0, w - 12.0, h - 12.0, 26.0);
    RoundedRectangle(cairo, 22.0, 22.0, w - 44.0, h - 40.0, 20.0);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cairo);
    moonbase::HazardBand(cairo, 0.0, 0.0, w, h, 0.0);
    cairo_restore(cairo);
}

// The inner door to the yard: a massive round-cornered steel slab in a
// striped frame, a round porthole, wheel and bolts, and the warning
// "VORSICHT SCHLEIMLINGE".
void YardDoor(cairo_t* cairo, int /*frame*/)
{
    constexpr double w = yardDoorWidth;
    constexpr double h = yardDoorHeight;
    DoorFrame(cairo);
    RoundedRectangle(cairo, 22.0, 22.0, w - 44.0, h - 40.0, 20.0);
    SetGradient(cairo, cairo_pattern_create_linear(22.0, 0.0, w - 22.0, 0.0),
                {{0.0, colour::steel}, {0.3, tone::steelLight}, {1.0, steelDark}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // The porthole: dark glass with a glimpse of slime green.
    Circle(cairo, w / 2.0, 88.0, 34.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 3.0);
    Circle(cairo, w / 2.0, 88.0, 24.0);
    FillOutlined(cairo, 0x3A5A3A, 0x1E2A3A, 2.5);
    Glow(cairo, w / 2.0 + 6.0, 96.0, 18.0, colour::acid, 0.6);
    Shine(cairo, w / 2.0 - 12.0, 78.0, w / 2.0 - 4.0, 70.0, 3.0, 0.6);
    // The locking wheel.
    Circle(cairo, w / 2.0, 180.0, 30.0);
    cairo_set_line_width(cairo, OutlineWidth(cairo, 9.0));
    SetColour(cairo, colour::outline);
    cairo_stroke_preserve(cairo);
    cairo_set_line_width(cairo, 5.0);
    SetColour(cairo, colour::violet);
    cairo_stroke(cairo);
    for (int spoke = 0; spoke < 3; ++spoke) {
        const double angle = spoke * pi / 3.0 + 0.3;
        cairo_move_to(cairo, w / 2.0 - 30.0 * std::cos(angle), 180.0 - 30.0 * std::sin(angle));
        cairo_line_to(cairo, w / 2.0 + 30.0 * std::cos(angle), 180.0 + 30.0 * std::sin(angle));
    }
    StrokeBand(cairo, colour::violet, 4.0, 8.0);
    Circle(cairo, w / 2.0, 180.0, 8.0);
    FillOutlined(cairo, tone::violetLight, colour::violet, 2.0);
    // The bolts along both edges.
    for (const double x : {34.0, w - 34.0}) {
        for (double y = 50.0; y < h - 30.0; y += 52.0) {
            RoundedRectangle(cairo, x - 6.0, y - 4.0, 12.0, 8.0, 3.0);
            FillOutlined(cairo, tone::steelLight, colour::steel, 1.5);
        }
    }
    RoundedRectangle(cairo, 46.0, 228.0, w - 92.0, 38.0, 5.0);
    FillOutlined(cairo, colour::acid, tone::acidDark, 2.0);
    DrawArtText(cairo, "VORSICHT", w / 2.0, 244.0, 13.0, colour::cream);
    DrawArtText(cairo, "SCHLEIMLINGE", w / 2.0, 261.0, 13.0, colour::cream);
}

// The inner door swung open at the end: its striped frame round the yard
// as the shooting gallery draws it, Schleimlinge wobbling on the far side,
// and the steel slab turned in against the frame's left. Shown over the
// shut door (a row lower, so that it is drawn in front of it).
constexpr int yardDoorFrames = 6;
void OpenYardDoor(cairo_t* cairo, int frame)
{
    constexpr double w = yardDoorWidth;
    constexpr double h = yardDoorHeight;
    DoorFrame(cairo);
    // The yard through the doorway, its middle.
    const minigames::MoonBaseYard yard = minigames::DrawMoonBaseYard();
    cairo_save(cairo);
    RoundedRectangle(cairo, 22.0, 22.0, w - 44.0, h - 40.0, 20.0);
    cairo_clip(cairo);
    constexpr double scale = (h - 40.0) / minigames::yardHeight;
    cairo_translate(cairo, w / 2.0 - scale * minigames::yardWidth / 2.0, 22.0);
    cairo_scale(cairo, scale, scale);
    cairo_set_source_surface(cairo, cairo_get_target(yard.background.Cairo()), 0.0, 0.0);
    cairo_paint(cairo);
    cairo_restore(cairo);
    cairo_save(cairo);
    RoundedRectangle(cairo, 22.0, 22.0, w - 44.0, h - 40.0, 20.0);
    cairo_clip(cairo);
    struct Waiting {
        int kind;
        double x, foot, scale, phase;
    };
    constexpr Waiting waiting[] = {
        {2, 70.0, h - 60.0, 0.45, 0.0}, {1, 150.0, h - 50.0, 0.55, 0.5}, {3, 112.0, h - 96.0, 0.35, 0.25}};
    for (const Waiting& alien : waiting)
        minigames::DrawBlob(cairo, alien.kind, alien.x, alien.foot, alien.scale,
                            std::fmod(static_cast<double>(frame) / yardDoorFrames + alien.phase, 1.0));
    cairo_restore(cairo);
    RoundedRectangle(cairo, 22.0, 22.0, w - 44.0, h - 40.0, 20.0);
    StrokeOutline(cairo, 3.0);
    // The slab, turned in: its edge against the frame's left.
    cairo_move_to(cairo, 8.0, 14.0);
    cairo_line_to(cairo, 40.0, 30.0);
    cairo_line_to(cairo, 40.0, h - 30.0);
    cairo_line_to(cairo, 8.0, h - 10.0);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(8.0, 0.0, 40.0, 0.0), {{0.0, steelDark}, {1.0, tone::steelLight}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
}

// Two warning beacons over the inner door, their red light turning.
constexpr int beaconFrames = 4;
constexpr int beaconWidth = 300;
constexpr int beaconHeight = 48;
void Beacons(cairo_t* cairo, int frame)
{
    for (const double x : {30.0, beaconWidth - 30.0}) {
        RoundedRectangle(cairo, x - 14.0, 30.0, 28.0, 12.0, 3.0);
        FillOutlined(cairo, colour::steel, steelDark, 2.0);
        cairo_move_to(cairo, x - 11.0, 31.0);
        cairo_curve_to(cairo, x - 11.0, 10.0, x + 11.0, 10.0, x + 11.0, 31.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, 0xFF8A8A, moonbase::alarmRed, 2.0);
        // The turning mirror's beam: a bright band sweeping across.
        const double sweep = std::sin(frame * pi / 2.0 + (x < 100.0 ? 0.0 : pi));
        Ellipse(cairo, x + sweep * 7.0, 22.0, 3.5, 7.0);
        FillPlain(cairo, tone::white, 0.85);
        Glow(cairo, x + sweep * 16.0, 22.0, 26.0, moonbase::alarmRed, 0.35 + 0.25 * std::abs(sweep));
    }
}

// The space suits on their hooks: two violet suits with steel rings and
// round helmets on a rack.
void Suits(cairo_t* cairo, int /*frame*/)
{
    cairo_rectangle(cairo, 4.0, 8.0, 106.0, 10.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    for (int suit = 0; suit < 2; ++suit) {
        const double x = 30.0 + suit * 52.0;
        cairo_move_to(cairo, x, 18.0);
        cairo_line_to(cairo, x, 34.0);
        StrokeBand(cairo, colour::steel, 3.0, 6.0);
        Circle(cairo, x, 52.0, 20.0);
        FillOutlined(cairo, 0xE6F0FF, tone::steelLight, 3.0);
        Ellipse(cairo, x + 3.0, 54.0, 12.0, 9.0);
        FillOutlined(cairo, 0x3A4A7A, colour::night, 2.0);
        Shine(cairo, x - 2.0, 50.0, x + 4.0, 48.0, 2.5, 0.7);
        // The suit hanging limp: torso, arms and legs.
        cairo_move_to(cairo, x - 22.0, 74.0);
        cairo_curve_to(cairo, x - 24.0, 120.0, x - 20.0, 150.0, x - 18.0, 226.0);
        cairo_line_to(cairo, x - 2.0, 226.0);
        cairo_line_to(cairo, x, 160.0);
        cairo_line_to(cairo, x + 2.0, 226.0);
        cairo_line_to(cairo, x + 18.0, 226.0);
        cairo_curve_to(cairo, x + 20.0, 150.0, x + 24.0, 120.0, x + 22.0, 74.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, suit == 0 ? tone::violetLight : tone::acidLight, suit == 0 ? colour::violet : colour::acid,
                     3.0);
        RoundedRectangle(cairo, x - 22.0, 70.0, 44.0, 10.0, 4.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
        RoundedRectangle(cairo, x - 12.0, 92.0, 24.0, 18.0, 3.0);
        FillOutlined(cairo, colour::steel, steelDark, 2.0);
        Circle(cairo, x - 5.0, 101.0, 2.5);
        FillPlain(cairo, moonbase::alarmRed);
        Circle(cairo, x + 5.0, 101.0, 2.5);
        FillPlain(cairo, colour::acid);
        for (const double side : {-1.0, 1.0}) {
            cairo_move_to(cairo, x + side * 20.0, 80.0);
            cairo_curve_to(cairo, x + side * 30.0, 110.0, x + side * 28.0, 140.0, x + side * 24.0, 166.0);
            StrokeBand(cairo, suit == 0 ? colour::violet : colour::acid, 9.0, 14.0);
        }
    }
}

// The window's steel frame round the glass, with the faint sheen of the
// glass over all it shows.
void Window(cairo_t* cairo, int /*frame*/)
{
    constexpr double m = frameMargin;
    cairo_save(cairo);
    RoundedRectangle(cairo, 1.5, 1.5, glassWidth + 2.0 * m - 3.0, glassHeight + 2.0 * m - 3.0, 34.0);
    GlassPath(cairo, m, m);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_EVEN_ODD);
    SetVerticalGradient(cairo, 0.0, glassHeight + 2.0 * m, tone::steelLight, colour::steel);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_restore(cairo);
    GlassPath(cairo, m, m);
    FillPlain(cairo, 0xCFE6FF, 0.08);
    for (const double x : {40.0, 150.0}) {
        cairo_move_to(cairo, m + x, m + glassHeight - 20.0);
        cairo_line_to(cairo, m + x + 60.0, m + 20.0);
        SetColour(cairo, tone::white, 0.22);
        cairo_set_line_width(cairo, 12.0);
        cairo_stroke(cairo);
    }
    for (double x = 12.0; x < glassWidth + 2.0 * m; x += 40.0) {
        for (const double y : {m / 2.0, glassHeight + 1.5 * m}) {
            Circle(cairo, x, y, 2.0);
            FillPlain(cairo, steelDark);
        }
    }
}

// The Schleimlinge behind the glass, as the shooting gallery draws them,
// pressed against it: three of them rubbing to and fro at their own phase,
// their eyes on the stalks staring in.
constexpr int alienFramesHere = 6;
void AliensAtGlass(cairo_t* cairo, int frame)
{
    struct Peeker {
        int kind;
        double x, bottom, scale, phase;
    };
    constexpr Peeker peekers[] = {
        {1, 58.0, 180.0, 0.78, 0.0}, {3, 132.0, 190.0, 0.9, 0.33}, {2, 200.0, 178.0, 0.72, 0.67}};
    cairo_save(cairo);
    GlassPath(cairo, 0.0, 0.0);
    cairo_clip(cairo);
    for (const Peeker& peeker : peekers) {
        const double phase = std::fmod(static_cast<double>(frame) / alienFramesHere + peeker.phase, 1.0);
        minigames::DrawBlob(cairo, peeker.kind, peeker.x, peeker.bottom, peeker.scale, phase,
                            minigames::BlobPose::pressed);
    }
    cairo_restore(cairo);
}

// Green slime smeared over the glass: streaks and drips where the aliens
// pressed against it.
void Slime(cairo_t* cairo, int /*frame*/)
{
    cairo_save(cairo);
    GlassPath(cairo, 0.0, 0.0);
    cairo_clip(cairo);
    for (const auto& [x, y, r] : {std::tuple{50.0, 70.0, 34.0}, std::tuple{120.0, 100.0, 42.0},
                                  std::tuple{190.0, 60.0, 30.0}, std::tuple{150.0, 30.0, 22.0}}) {
        Ellipse(cairo, x, y, r * 1.2, r);
        FillPlain(cairo, colour::acid, 0.55);
        cairo_move_to(cairo, x - r * 0.4, y + r * 0.6);
        cairo_line_to(cairo, x - r * 0.3, y + r * 1.6);
        cairo_move_to(cairo, x + r * 0.3, y + r * 0.7);
        cairo_line_to(cairo, x + r * 0.35, y + r * 1.3);
        SetColour(cairo, colour::acid, 0.6);
        cairo_set_line_width(cairo, 6.0);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cairo);
        Ellipse(cairo, x - r * 0.3, y - r * 0.3, r * 0.3, r * 0.15);
        FillPlain(cairo, tone::acidLight, 0.7);
    }
    cairo_restore(cairo);
}

// The airlock's console under the window: a desk with two screens (the
// pressure and the yard's door), a row of buttons and a big red one.
constexpr int consoleLeft = 572;
constexpr int consoleTop = 384;
constexpr int consoleWidth = 190;
constexpr int consoleHeight = 96;
void Console(cairo_t* cairo, int /*frame*/)
{
    RoundedRectangle(cairo, 14.0, 40.0, consoleWidth - 28.0, consoleHeight - 42.0, 4.0);
    FillOutlined(cairo, colour::steel, steelDark, 3.0);
    cairo_move_to(cairo, 4.0, 44.0);
    cairo_line_to(cairo, 20.0, 10.0);
    cairo_line_to(cairo, consoleWidth - 20.0, 10.0);
    cairo_line_to(cairo, consoleWidth - 4.0, 44.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::violet, violetDark, 3.0);
    for (const double x : {34.0, 104.0}) {
        RoundedRectangle(cairo, x, 14.0, 52.0, 22.0, 3.0);
        FillOutlined(cairo, 0x2A4A3A, 0x1E2A3A, 2.0);
    }
    cairo_move_to(cairo, 38.0, 30.0);
    cairo_line_to(cairo, 50.0, 22.0);
    cairo_line_to(cairo, 62.0, 28.0);
    cairo_line_to(cairo, 80.0, 18.0);
    SetColour(cairo, tone::acidLight);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
    DrawArtText(cairo, "HOF", 130.0, 31.0, 12.0, moonbase::alarmRed);
    for (int button = 0; button < 5; ++button) {
        Circle(cairo, 40.0 + button * 18.0, 58.0, 4.0);
        FillOutlined(cairo, button % 2 == 0 ? tone::acidLight : tone::violetLight, colour::acid, 1.2);
    }
    Circle(cairo, 150.0, 60.0, 9.0);
    FillOutlined(cairo, 0xFF8A8A, moonbase::alarmRed, 2.0);
    moonbase::HazardBand(cairo, 18.0, consoleHeight - 14.0, consoleWidth - 18.0, consoleHeight - 6.0, 1.5);
}

} // namespace

RoomDescription RoomSchleuse()
{
    RoomDescription room;
    room.label = roomSchleuse;
    room.folder = "data\\level05\\roomschleuse\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    room.floor = {{{12.0, 486.0}, {1012.0, 486.0}, {1012.0, 650.0}, {12.0, 650.0}}};
    room.leads = {
        {{83.0, 540.0}, {215.0, 540.0}, {400.0, 540.0}, {600.0, 540.0}, {700.0, 540.0}, {848.0, 540.0}, {960.0, 540.0}},
        {{83.0, 490.0}, {83.0, 540.0}},
        {{848.0, 490.0}, {848.0, 540.0}},
        {{960.0, 490.0}, {960.0, 540.0}},
        {{400.0, 540.0}, {500.0, 630.0}}};
    room.backY = 472;
    room.frontY = 720;
    room.light = 0xD4D8EC;
    room.lightPools = {{{666.0, 520.0}, 160.0, 60.0, 0xD8F4A8},
                       {{400.0, 510.0}, 130.0, 40.0, 0xFFC4C4},
                       {{512.0, 600.0}, 360.0, 60.0, 0xF0F4FF}};
    room.graphics = {
        moonbase::BaseDoor("tuer_landeplatz", 20, 236, 126, 240, moonbase::DoorView::landingPad),
        {"anzuege", 160, 240, 114, 230, 1, Suits},
        {"hoftuer", yardDoorLeft, yardDoorTop, yardDoorWidth, yardDoorHeight, 1, YardDoor},
        {"hofausgang", yardDoorLeft, yardDoorTop, yardDoorWidth, yardDoorHeight + 1, yardDoorFrames, OpenYardDoor},
        {"warnlicht", yardDoorLeft + yardDoorWidth / 2 - beaconWidth / 2, yardDoorTop - beaconHeight + 4, beaconWidth,
         beaconHeight, beaconFrames, Beacons},
        {"aliens", glassLeft, glassTop, glassWidth, glassHeight, alienFramesHere, AliensAtGlass},
        {"schleim", glassLeft, glassTop, glassWidth, glassHeight + 1, 1, Slime},
        {"fenster", glassLeft - frameMargin, glassTop - frameMargin, glassWidth + 2 * frameMargin,
         glassHeight + 2 * frameMargin, 1, Window},
        {"konsole", consoleLeft, consoleTop, consoleWidth, consoleHeight, 1, Console},
        moonbase::BaseDoor("tuer_lager", 796, 256, 104, 220),
        moonbase::BaseDoor("tuer_labor", 908, 256, 104, 220),
    };
    room.ambience = Ambience::airlock;
    return room;
}

levels::RoomStaging SchleuseStaging()
{
    using items::FullName;
    return {
        {{"TuerLandeplatz",
          "Zum Landeplatz",
          roomSchleuse,
          FullName("RoomLandeplatz", "Aussentuer"),
          {83, 490},
          {83, 540},
          "tuer_landeplatz"},
         {"TuerLager",
          "Zum Lager",
          roomSchleuse,
          FullName("RoomLager", "TuerSchleuse"),
          {848, 490},
          {848, 540},
          "tuer_lager"},
         {"TuerLabor",
          "Zum Labor",
          roomSchleuse,
          FullName("RoomLabor", "TuerSchleuse"),
          {960, 490},
          {960, 540},
          "tuer_labor"}},
        {{"LeereFlasche",
          "Leere Spr\xfc"
          "hflasche",
          roomSchleuse, items::Pickup::none, "leereflasche", false}},
        {},
        {{"hoftuer",
          "T\xfc"
          "r zum Basishof",
          {400, 540},
          Entity::up},
         {"fenster", "Fenster", {700, 540}, Entity::up},
         {"anzuege",
          "Raumanz\xfc"
          "ge",
          {215, 540},
          Entity::up},
         {"konsole", "Schleusenkonsole", {610, 540}, Entity::up}},
    };
}

} // namespace content::rooms
