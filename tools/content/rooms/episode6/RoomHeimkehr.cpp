// Home on Wakalua, the closing scene's room: the beach where the Zephyra
// crash-landed, the same sky, sea and sand as on the day she came down.
// She stands mended and upright on her landing legs now, a patch riveted
// over her dented keel and a garland of hibiscus over her nose; Rocko's
// taxi has just landed beside her, Kapitän Baltasar and Häuptling Kalani
// wait in front of her, palms lean in from the left and the surf runs up
// the sand.

#include "BonusArt.h"
#include "Episode6Rooms.h"
#include "SceneFigures.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "rooms/RockoTaxi.h"
#include "rooms/episode1/WakaluaBeach.h"

#include <utility>

namespace content::rooms {

namespace {

constexpr const char* roomHeimkehr = "RoomHeimkehr";
constexpr int width = 1024;
constexpr int height = 768;
// The room shows the beach from this far along, east of the path to the
// village, where the Zephyra came down.
constexpr double beachLeft = 420.0;
// Where the sand is walked on, from below the landed craft's feet.
constexpr double floorTop = 536.0;
// The Zephyra, level on her legs, nose to the right.
constexpr double zephyraScale = 2.7;
constexpr double zephyraX = 720.0;
constexpr double zephyraY = 388.0;
constexpr double zephyraFootY = zephyraY + 50.0 * zephyraScale;
constexpr int zephyraLeft = 410;
constexpr int zephyraTop = 214;
constexpr int zephyraWidth = 608;
constexpr int zephyraHeight = static_cast<int>(zephyraFootY) + 6 - zephyraTop;
// Rocko's taxi on its legs between the palms and the Zephyra.
constexpr double taxiScale = 1.2;
constexpr double taxiX = 340.0;
constexpr double taxiFootY = 528.0;
constexpr double taxiY = taxiFootY - 60.0 * taxiScale;
constexpr int taxiLeft = static_cast<int>(taxiX) - 114;
constexpr int taxiTop = static_cast<int>(taxiY) - 58;
constexpr int taxiWidth = 220;
constexpr int taxiHeight = static_cast<int>(taxiFootY) + 6 - taxiTop;
// The palms on the left.
constexpr int palmsLeft = 0;
constexpr int palmsTop = 96;
constexpr int palmsWidth = 400;
constexpr int palmsHeight = 480;
// The surf along the shore.
constexpr int surfLeft = 150;
constexpr int surfTop = 416;
constexpr int surfWidth = 874;
constexpr int surfFrames = 4;

void Paint(cairo_t* cairo)
{
    cairo_save(cairo);
    cairo_translate(cairo, -beachLeft, 0.0);
    DrawWakaluaBeach(cairo);
    cairo_restore(cairo);
    // Hibiscus on the sand.
    DrawHibiscusBush(cairo, 470.0, 560.0, 0.6);
    DrawHibiscusBush(cairo, 980.0, 700.0, 1.1);
    DrawHibiscusBush(cairo, 60.0, 720.0, 0.9);
    // The shadows the two craft cast on the sand at midday.
    Ellipse(cairo, zephyraX - 10.0, zephyraFootY - 2.0, 250.0, 18.0);
    FillPlain(cairo, tone::sandDark, 0.8);
    Ellipse(cairo, taxiX, taxiFootY - 2.0, 110.0, 9.0);
    FillPlain(cairo, tone::sandDark, 0.8);
}

// A landing leg from the hull's underside at (x, 20) in the cutter's units,
// splayed out to its foot pad on the sand at y 50.
void CutterLeg(cairo_t* cairo, double x, double side)
{
    cairo_move_to(cairo, x, 16.0);
    cairo_line_to(cairo, x + side * 14.0, 46.0);
    StrokeBand(cairo, colour::steel, 4.0, 7.0);
    cairo_move_to(cairo, x + side * 4.0, 24.0);
    cairo_line_to(cairo, x - side * 6.0, 30.0);
    StrokeBand(cairo, colour::steel, 2.0, 4.5);
    RoundedRectangle(cairo, x + side * 14.0 - 12.0, 44.0, 24.0, 6.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
}

// The Zephyra mended: on her legs, a riveted patch over the keel she dented
// in the crash and a garland of hibiscus over her nose.
void Zephyra(cairo_t* cairo, int /*frame*/)
{
    const double x = zephyraX - zephyraLeft;
    const double y = zephyraY - zephyraTop;
    PushPlacement(cairo, x, y, zephyraScale);
    for (const auto& [legX, side] : {std::pair{-60.0, -1.0}, std::pair{50.0, 1.0}})
        CutterLeg(cairo, legX, side);
    PopPlacement(cairo);
    DrawCutter(cairo, x, y, zephyraScale, 0.0, false);
    PushPlacement(cairo, x, y, zephyraScale);
    // The patch, a little lighter than her hull, with its rivets.
    cairo_move_to(cairo, 58.0, 4.0);
    cairo_line_to(cairo, 86.0, 4.0);
    cairo_line_to(cairo, 82.0, 17.0);
    cairo_line_to(cairo, 56.0, 22.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 1.2);
    for (const auto& [rivetX, rivetY] :
         {std::pair{61.0, 7.0}, std::pair{82.0, 7.0}, std::pair{79.0, 15.0}, std::pair{60.0, 19.0}}) {
        Circle(cairo, rivetX, rivetY, 1.1);
        FillPlain(cairo, colour::outline, 0.8);
    }
    // The garland hanging from the canopy's front down round the nose.
    cairo_move_to(cairo, 60.0, -24.0);
    cairo_curve_to(cairo, 80.0, -2.0, 96.0, 8.0, 100.0, 6.0);
    StrokeBand(cairo, 0xF2D98A, 0.8, 1.6);
    for (int flower = 0; flower < 8; ++flower) {
        const double t = flower / 7.0;
        const double u = 1.0 - t;
        const double fx = u * u * u * 60.0 + 3.0 * u * u * t * 80.0 + 3.0 * u * t * t * 96.0 + t * t * t * 100.0;
        const double fy = u * u * u * -24.0 + 3.0 * u * u * t * -2.0 + 3.0 * u * t * t * 8.0 + t * t * t * 6.0;
        DrawHibiscus(cairo, fx, fy, 4.2);
    }
    PopPlacement(cairo);
}

// Rocko's taxi, parked on its legs on the sand.
void Taxi(cairo_t* cairo, int /*frame*/)
{
    PushPlacement(cairo, taxiX - taxiLeft, taxiY - taxiTop, taxiScale);
    DrawParkedRockoTaxi(cairo);
    PopPlacement(cairo);
}

// Two palms leaning out over the sand from the left, a hibiscus bush at
// their feet.
void Palms(cairo_t* cairo, int /*frame*/)
{
    DrawPalm(cairo, 70.0, palmsHeight - 36.0, 400.0, 80.0);
    DrawPalm(cairo, 190.0, palmsHeight - 24.0, 300.0, 60.0);
    DrawHibiscusBush(cairo, 120.0, palmsHeight - 32.0, 0.8);
}

void Surf(cairo_t* cairo, int frame)
{
    DrawSurf(cairo, frame, surfFrames, surfWidth);
}

} // namespace

RoomDescription RoomHeimkehr()
{
    RoomDescription room;
    room.label = roomHeimkehr;
    room.folder = "data\\level06\\roomheimkehr\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The sand in front of the palms and the two craft.
    room.floor = {
        {{12.0, floorTop + 20.0}, {240.0, floorTop + 10.0}, {1012.0, floorTop}, {1012.0, 650.0}, {12.0, 650.0}}};
    room.leads = {{{40.0, 610.0}, {230.0, 600.0}, {510.0, 606.0}, {730.0, 606.0}, {984.0, 600.0}},
                  {{230.0, 600.0}, {230.0, 580.0}},
                  {{510.0, 606.0}, {600.0, 592.0}},
                  {{710.0, 606.0}, {710.0, 608.0}},
                  {{730.0, 606.0}, {800.0, 604.0}},
                  {{730.0, 606.0}, {880.0, 560.0}}};
    room.backY = 470;
    room.frontY = 720;
    room.light = 0xFFF6E6;
    room.lightPools = {{{150.0, 600.0}, 200.0, 60.0, 0xC8D8C0}, {{720.0, 560.0}, 260.0, 40.0, 0xD8E0D8}};
    room.graphics = {
        {"zephyra", zephyraLeft, zephyraTop, zephyraWidth, zephyraHeight, 1, Zephyra},
        {"taxi", taxiLeft, taxiTop, taxiWidth, taxiHeight, 1, Taxi},
        {"palmen", palmsLeft, palmsTop, palmsWidth, palmsHeight, 1, Palms},
        {"meer", surfLeft, surfTop, surfWidth, 50, surfFrames, Surf},
    };
    room.ambience = Ambience::waves;
    return room;
}

levels::RoomStaging HeimkehrStaging()
{
    return {
        {},
        {},
        // Both wait in front of the Zephyra, turned to the taxi on the left
        // that has brought everyone home.
        {{castanimations::baltasar,
          "Baltasar",
          "Kapit\xe4"
          "n Baltasar",
          roomHeimkehr,
          {600, 592},
          Entity::left,
          -200,
          {530, 606}},
         {castanimations::kalani,
          "Kalani",
          "H\xe4"
          "uptling Kalani",
          roomHeimkehr,
          {800, 604},
          Entity::left,
          -200,
          {730, 606}},
         // Those who came home in the taxi, out of it once it has landed.
         {castanimations::kira, "Kira", "KIRA", roomHeimkehr, {90, 580}, Entity::right, -150, {150, 590}},
         {castanimations::rocko, "Rocko", "Rocko", roomHeimkehr, {170, 606}, Entity::right, -190, {230, 616}},
         {castanimations::lotte, "Lotte", "Lotte", roomHeimkehr, {255, 632}, Entity::right, -150, {305, 636}},
         {castanimations::mia, "Mia", "Mia", roomHeimkehr, {325, 642}, Entity::right, -150, {360, 640}}},
        {{"zephyra", "Zephyra", {880, 560}, Entity::up}, {"palmen", "Palmen", {230, 580}, Entity::up}},
    };
}

} // namespace content::rooms
