// A forest clearing on a slope above the valley, Burg Felsenstein on its
// crag far behind in the summer haze. Rocko's yellow taxi has come down
// nose first in a fresh crater, one leg bent, smoke curling from its tail;
// above it the time hole it fell out of still swirls in the sky. The old
// oak on the left with mushrooms at its roots, a brook across the front
// corner, the tree stump where Rocko's lunch lies, and the field gate on the
// path down to the village at the right edge.

#include "Episode3Rooms.h"
#include "Felsenstein.h"
#include "FieldGate.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/ItemPictures.h"
#include "rooms/RockoTaxi.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

constexpr const char* lichtung = "RoomLichtung";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
// The ridge where the clearing ends and the slope falls away to the valley.
constexpr double ridgeY = 452.0;
// The taxi's crater, and the middle of its nose's dent in it: the taxi
// graphic's foot.
constexpr double craterX = 650.0;
constexpr double craterY = 530.0;
constexpr int taxiFootY = 548;
// The stump where the bread lies: the middle of its cut face.
constexpr double stumpX = 432.0;
constexpr double stumpTopY = 556.0;
// The gate at the right edge stands on (gateX, gateY).
constexpr int gateX = 962;
constexpr int gateY = 556;

constexpr std::uint32_t skyTop = 0x7CC6F0;
constexpr std::uint32_t skyLow = 0xE6F6FF;
constexpr std::uint32_t meadow = 0x9CCB5E;
constexpr std::uint32_t meadowDark = 0x6E9E3E;
constexpr std::uint32_t forest = 0x4E8A3E;
constexpr std::uint32_t forestDark = 0x2F6433;
constexpr std::uint32_t earth = 0x8A6A48;
constexpr std::uint32_t earthDark = 0x5E4630;
constexpr std::uint32_t bark = 0x7A5A3E;
constexpr std::uint32_t barkDark = 0x4E3826;
constexpr std::uint32_t water = 0x5EC3E0;
constexpr std::uint32_t waterDark = 0x2F8AB8;

// A line of hills across the room through `heights` at equal steps,
// closed below `bottom`.
void Hills(cairo_t* cairo, std::initializer_list<double> heights, double bottom, std::uint32_t top, std::uint32_t low,
           double outline = 3.0)
{
    const double step = (width + 40.0) / (static_cast<double>(heights.size()) - 1.0);
    const double* h = heights.begin();
    cairo_move_to(cairo, -20.0, h[0]);
    for (std::size_t index = 1; index < heights.size(); ++index) {
        const double x0 = -20.0 + step * (index - 1);
        const double x1 = x0 + step;
        cairo_curve_to(cairo, x0 + step * 0.5, h[index - 1], x1 - step * 0.5, h[index], x1, h[index]);
    }
    cairo_line_to(cairo, width + 20.0, bottom);
    cairo_line_to(cairo, -20.0, bottom);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, *std::min_element(heights.begin(), heights.end()), bottom, top, low);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, outline);
}

// A row of tree crowns along `y`, from `x0` to `x1`, each about `size`.
void TreeLine(cairo_t* cairo, double x0, double x1, double y, double size, std::uint32_t light, std::uint32_t dark,
              int seed)
{
    for (double x = x0; x < x1; x += size * 0.9) {
        const double lift = size * 0.35 * std::sin(x * 0.05 + seed);
        Circle(cairo, x, y - size * 0.6 - lift, size * 0.62);
        Circle(cairo, x + size * 0.35, y - size * 0.25, size * 0.5);
    }
    cairo_rectangle(cairo, x0 - size * 0.3, y - size * 0.4, x1 - x0 + size * 0.6, size * 0.6);
    FillUnion(cairo, light, dark, 2.5);
}

void Sky(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, ridgeY);
    SetVerticalGradient(cairo, 0.0, 380.0, skyTop, skyLow);
    cairo_fill(cairo);
    Glow(cairo, 930.0, 70.0, 150.0, colour::cream, 0.8);
    Circle(cairo, 930.0, 70.0, 34.0);
    FillOutlined(cairo, 0xFFF6C8, colour::orangeLight, 2.5);
    DrawCloud(cairo, 760.0, 120.0, 0.7);
    DrawCloud(cairo, 240.0, 240.0, 0.5);
    DrawCloud(cairo, 980.0, 200.0, 0.45);
}

// The valley below: far hills in the haze, the castle on its crag, and
// the tops of the forest on the slope below the ridge.
void Valley(cairo_t* cairo)
{
    Hills(cairo, {330.0, 300.0, 322.0, 296.0, 318.0, 300.0}, 470.0, 0xB7D6C6, 0x9CC4A8, 2.0);
    DrawDistantCastle(cairo, 800.0, 366.0, 0.46, 0.7);
    Hills(cairo, {372.0, 360.0, 384.0, 366.0, 388.0, 372.0}, 470.0, 0xA3CC86, 0x86B46A, 2.5);
    TreeLine(cairo, -20.0, width + 20.0, 430.0, 46.0, 0x6FA850, forestDark, 3);
}

// The clearing: its grass sloping gently forward, the path to the gate,
// the crater with the clods the taxi threw up, and flowers and stones.
void Clearing(cairo_t* cairo)
{
    cairo_move_to(cairo, -20.0, ridgeY + 8.0);
    cairo_curve_to(cairo, 260.0, ridgeY - 14.0, 600.0, ridgeY + 6.0, width + 20.0, ridgeY - 6.0);
    cairo_line_to(cairo, width + 20.0, height + 20.0);
    cairo_line_to(cairo, -20.0, height + 20.0);
    cairo_close_path(cairo);
    SetVerticalGradient(cairo, ridgeY, height, meadow, meadowDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // Light where the sun falls into the clearing.
    Ellipse(cairo, 560.0, 600.0, 360.0, 70.0);
    FillPlain(cairo, 0xC4E37E, 0.45);
    // The path from the middle out to the gate.
    cairo_move_to(cairo, 430.0, 652.0);
    cairo_curve_to(cairo, 620.0, 600.0, 800.0, 590.0, width + 10.0, gateY - 6.0);
    cairo_line_to(cairo, width + 10.0, gateY + 30.0);
    cairo_curve_to(cairo, 820.0, 630.0, 660.0, 650.0, 560.0, 700.0);
    cairo_close_path(cairo);
    FillPlain(cairo, 0xC9B07A, 0.75);
    // The crater: thrown-up earth round a dark dent.
    Ellipse(cairo, craterX, craterY + 6.0, 150.0, 34.0);
    FillOutlined(cairo, earth, earthDark, 3.0);
    Ellipse(cairo, craterX + 6.0, craterY + 8.0, 100.0, 20.0);
    FillPlain(cairo, earthDark);
    Ellipse(cairo, craterX + 10.0, craterY + 10.0, 60.0, 10.0);
    FillPlain(cairo, 0x3E2E20);
    for (int clod = 0; clod < 9; ++clod) {
        const double angle = pi + clod * pi / 8.0 + 0.2;
        const double x = craterX + 182.0 * std::cos(angle) * (clod % 2 == 0 ? 1.0 : 0.8);
        const double y = craterY + 6.0 + 40.0 * std::sin(angle) * 0.6 - 6.0 * (clod % 3);
        Ellipse(cairo, x, y, 9.0 + (clod % 3) * 3.0, 6.0);
        FillOutlined(cairo, earth, earthDark, 2.0);
    }
    // Grass tufts and flowers.
    for (int tuft = 0; tuft < 22; ++tuft) {
        const double x = std::fmod(tuft * 173.0 + 40.0, width);
        const double y = ridgeY + 30.0 + std::fmod(tuft * 97.0, 190.0);
        if (std::abs(x - craterX) < 170.0 && std::abs(y - craterY) < 50.0)
            continue;
        for (int blade = -2; blade <= 2; ++blade) {
            cairo_move_to(cairo, x + blade * 3.0, y);
            cairo_line_to(cairo, x + blade * 6.0, y - 12.0 + std::abs(blade) * 2.0);
        }
        cairo_set_line_width(cairo, 2.0);
        SetColour(cairo, meadowDark);
        cairo_stroke(cairo);
        if (tuft % 3 == 0) {
            Circle(cairo, x + 6.0, y - 12.0, 4.0);
            FillOutlined(cairo, tuft % 2 == 0 ? colour::cream : 0xF6D24A, colour::outline, 1.5);
        }
    }
}

// The stump with its cut face, its rings and a root on either side.
void Stump(cairo_t* cairo)
{
    cairo_move_to(cairo, stumpX - 46.0, stumpTopY + 40.0);
    cairo_curve_to(cairo, stumpX - 40.0, stumpTopY + 20.0, stumpX - 34.0, stumpTopY + 8.0, stumpX - 34.0, stumpTopY);
    cairo_line_to(cairo, stumpX + 34.0, stumpTopY);
    cairo_curve_to(cairo, stumpX + 34.0, stumpTopY + 8.0, stumpX + 40.0, stumpTopY + 20.0, stumpX + 48.0,
                   stumpTopY + 40.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, bark, barkDark, 3.0);
    Ellipse(cairo, stumpX, stumpTopY, 34.0, 11.0);
    FillOutlined(cairo, 0xE8C48E, 0xB98B5A, 2.5);
    for (const double ring : {22.0, 12.0}) {
        Ellipse(cairo, stumpX + 2.0, stumpTopY, ring, ring * 0.3);
        cairo_set_line_width(cairo, 1.5);
        SetColour(cairo, 0xB98B5A);
        cairo_stroke(cairo);
    }
}

// The brook's bed across the front left corner; the water is a graphic.
void BrookBed(cairo_t* cairo)
{
    cairo_move_to(cairo, -10.0, 580.0);
    cairo_curve_to(cairo, 120.0, 592.0, 214.0, 648.0, 326.0, height + 10.0);
    cairo_line_to(cairo, 130.0, height + 10.0);
    cairo_curve_to(cairo, 90.0, 714.0, 40.0, 676.0, -10.0, 660.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0x9A8E78, 0x6E6656, 3.0);
}

void Paint(cairo_t* cairo)
{
    Sky(cairo);
    Valley(cairo);
    Clearing(cairo);
    BrookBed(cairo);
    Stump(cairo);
    // Dark forest standing behind the oak and behind the gate, the
    // clearing's edges.
    TreeLine(cairo, -30.0, 150.0, 470.0, 70.0, forest, forestDark, 1);
    TreeLine(cairo, 880.0, width + 40.0, 500.0, 60.0, forest, forestDark, 5);
}

// The old oak: a thick gnarled trunk on wide roots, a hollow, and a broad
// crown of leaf clumps reaching over the clearing.
void Oak(cairo_t* cairo, int /*frame*/)
{
    constexpr double trunkX = 130.0;
    constexpr double foot = 496.0;
    // The big limbs into the crown.
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cairo, trunkX + side * 20.0, 260.0);
        cairo_curve_to(cairo, trunkX + side * 60.0, 200.0, trunkX + side * 110.0, 190.0, trunkX + side * 150.0, 150.0);
        StrokeBand(cairo, bark, 18.0, 24.0);
    }
    // The crown.
    const double clumps[][3] = {{40.0, 150.0, 70.0},  {130.0, 90.0, 82.0},  {230.0, 140.0, 74.0},
                                {290.0, 200.0, 52.0}, {70.0, 230.0, 62.0},  {180.0, 210.0, 70.0},
                                {10.0, 210.0, 50.0},  {250.0, 250.0, 44.0}, {130.0, 170.0, 60.0}};
    for (const auto& clump : clumps)
        Circle(cairo, clump[0], clump[1], clump[2]);
    FillUnion(cairo, 0x78B84E, forestDark, 3.0);
    for (const auto& clump : clumps) {
        Circle(cairo, clump[0] - clump[2] * 0.25, clump[1] - clump[2] * 0.3, clump[2] * 0.45);
    }
    FillPlain(cairo, tone::leafLight, 0.35);
    // The trunk, wide at its roots.
    cairo_move_to(cairo, trunkX - 70.0, foot);
    cairo_curve_to(cairo, trunkX - 44.0, foot - 20.0, trunkX - 36.0, foot - 60.0, trunkX - 34.0, foot - 130.0);
    cairo_curve_to(cairo, trunkX - 34.0, foot - 190.0, trunkX - 40.0, 260.0, trunkX - 30.0, 230.0);
    cairo_line_to(cairo, trunkX + 30.0, 230.0);
    cairo_curve_to(cairo, trunkX + 40.0, 260.0, trunkX + 36.0, foot - 190.0, trunkX + 36.0, foot - 130.0);
    cairo_curve_to(cairo, trunkX + 38.0, foot - 60.0, trunkX + 50.0, foot - 20.0, trunkX + 80.0, foot);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(trunkX - 60.0, 0.0, trunkX + 60.0, 0.0),
                {{0.0, 0x9A7652}, {1.0, barkDark}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // Furrows in the bark and the hollow.
    for (const double dx : {-18.0, 4.0, 22.0}) {
        cairo_move_to(cairo, trunkX + dx, 250.0);
        cairo_curve_to(cairo, trunkX + dx + 6.0, 320.0, trunkX + dx - 6.0, 380.0, trunkX + dx * 1.3, foot - 10.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, barkDark, 0.7);
    cairo_stroke(cairo);
    Ellipse(cairo, trunkX - 4.0, 380.0, 13.0, 20.0);
    FillOutlined(cairo, tone::shadowDeep, barkDark, 2.5);
}

// A cluster of red toadstools with white spots and two pale ones.
void Mushrooms(cairo_t* cairo, int /*frame*/)
{
    struct Cap {
        double x, height, radius;
        bool red;
    };
    const Cap caps[] = {
        {20.0, 22.0, 14.0, false}, {48.0, 38.0, 22.0, true}, {80.0, 26.0, 16.0, true}, {100.0, 16.0, 10.0, false}};
    for (const Cap& cap : caps) {
        const double foot = 62.0;
        RoundedRectangle(cairo, cap.x - cap.radius * 0.32, foot - cap.height, cap.radius * 0.64, cap.height, 4.0);
        FillOutlined(cairo, colour::cream, colour::sand, 2.0);
        cairo_move_to(cairo, cap.x - cap.radius, foot - cap.height + 2.0);
        cairo_curve_to(cairo, cap.x - cap.radius, foot - cap.height - cap.radius * 1.1, cap.x + cap.radius,
                       foot - cap.height - cap.radius * 1.1, cap.x + cap.radius, foot - cap.height + 2.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, cap.red ? tone::bannerLight : 0xE8C48E, cap.red ? colour::banner : 0xB98B5A, 2.5);
        if (cap.red) {
            for (int spot = -1; spot <= 1; ++spot) {
                Circle(cairo, cap.x + spot * cap.radius * 0.5,
                       foot - cap.height - cap.radius * 0.4 - (spot == 0 ? cap.radius * 0.25 : 0.0), cap.radius * 0.15);
            }
            FillPlain(cairo, tone::white);
        }
    }
    // Moss round their feet.
    Ellipse(cairo, 60.0, 62.0, 56.0, 7.0);
    FillOutlined(cairo, tone::mossLight, colour::moss, 2.0);
}

// The brook's water running down across the corner: its surface with
// glints and ripples that move downstream from frame to frame.
constexpr int brookFrames = 6;
void Brook(cairo_t* cairo, int frame)
{
    // In the graphic's coordinates: it starts at (0, 580) of the room.
    const auto bank = [cairo] {
        cairo_move_to(cairo, -10.0, 16.0);
        cairo_curve_to(cairo, 110.0, 28.0, 200.0, 80.0, 306.0, 198.0);
        cairo_line_to(cairo, 140.0, 198.0);
        cairo_curve_to(cairo, 100.0, 140.0, 50.0, 100.0, -10.0, 84.0);
        cairo_close_path(cairo);
    };
    bank();
    SetVerticalGradient(cairo, 10.0, 190.0, water, waterDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    cairo_save(cairo);
    bank();
    cairo_clip(cairo);
    // Ripples along the stream, moved a sixth of their spacing each frame.
    for (int ripple = 0; ripple < 8; ++ripple) {
        const double t = (ripple + frame / static_cast<double>(brookFrames)) / 8.0;
        const double x = -10.0 + 300.0 * t;
        const double y = 40.0 + 150.0 * t * t;
        cairo_move_to(cairo, x - 16.0, y);
        cairo_curve_to(cairo, x - 6.0, y - 5.0, x + 6.0, y - 5.0, x + 16.0, y);
        cairo_move_to(cairo, x - 30.0, y + 18.0);
        cairo_curve_to(cairo, x - 22.0, y + 14.0, x - 12.0, y + 14.0, x - 4.0, y + 18.0);
    }
    cairo_set_line_width(cairo, 2.5);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    SetColour(cairo, tone::white, 0.75);
    cairo_stroke(cairo);
    cairo_restore(cairo);
    // Pebbles on the near bank and a reed.
    for (int pebble = 0; pebble < 5; ++pebble) {
        Ellipse(cairo, 30.0 + pebble * 50.0, 24.0 + pebble * pebble * 6.0, 9.0, 5.0);
        FillOutlined(cairo, tone::stoneLight, colour::stone, 2.0);
    }
}

// Rocko's taxi as it came down: nose first into the earth, tilted, its
// back in the air, a landing leg bent and another sticking out, the canopy
// cracked. In the taxi's own units (160 long), turned and scaled into the
// graphic; the nose's tip disappears under the crater's rim.
void CrashedTaxi(cairo_t* cairo, int /*frame*/)
{
    constexpr double graphicWidth = 330.0;
    constexpr double graphicHeight = 250.0;
    // Everything below the rim is in the earth.
    cairo_save(cairo);
    cairo_move_to(cairo, 0.0, 0.0);
    cairo_line_to(cairo, graphicWidth, 0.0);
    cairo_line_to(cairo, graphicWidth, graphicHeight - 34.0);
    cairo_curve_to(cairo, 260.0, graphicHeight - 14.0, 200.0, graphicHeight - 24.0, 150.0, graphicHeight - 10.0);
    cairo_line_to(cairo, 0.0, graphicHeight - 10.0);
    cairo_close_path(cairo);
    cairo_clip(cairo);
    PushPlacement(cairo, 160.0, 140.0, 1.75, 0.6);
    // The legs: the back one bent at its knee, the front one splayed.
    cairo_move_to(cairo, -50.0, 20.0);
    cairo_line_to(cairo, -70.0, 40.0);
    cairo_line_to(cairo, -56.0, 60.0);
    StrokeBand(cairo, colour::steel, 4.0, 7.0);
    RoundedRectangle(cairo, -66.0, 58.0, 22.0, 6.0, 3.0);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.0);
    cairo_move_to(cairo, 40.0, 24.0);
    cairo_line_to(cairo, 74.0, 46.0);
    StrokeBand(cairo, colour::steel, 4.0, 7.0);
    DrawRockoTaxiBody(cairo, TaxiState::crashed);
    PopPlacement(cairo);
    cairo_restore(cairo);
    // Clods of earth heaped up against the buried nose.
    for (int clod = 0; clod < 6; ++clod) {
        Ellipse(cairo, 196.0 + clod * 18.0, graphicHeight - 22.0 + (clod % 2) * 6.0 - std::abs(clod - 3) * 3.0, 14.0,
                8.0);
        FillOutlined(cairo, earth, earthDark, 2.0);
    }
}

// Smoke and steam curling up from the taxi's tail: puffs that rise, grow
// and fade, one puff's spacing a loop of frames.
constexpr int smokeFrames = 6;
void Smoke(cairo_t* cairo, int frame)
{
    // The graphic's bottom is one row under the taxi's foot, so that the
    // smoke is drawn over the taxi; the puffs start at the nozzle.
    constexpr double startX = 60.0;
    constexpr double startY = 249.0;
    constexpr int puffs = 5;
    for (int puff = puffs - 1; puff >= 0; --puff) {
        const double t = (puff + frame / static_cast<double>(smokeFrames)) / puffs;
        const double x = startX + 30.0 * t + 18.0 * std::sin(t * 5.0);
        const double y = startY - 200.0 * t;
        const double radius = 10.0 + 26.0 * t;
        const double fade = t < 0.15 ? t / 0.15 : 1.0 - 0.75 * t;
        cairo_push_group(cairo);
        Circle(cairo, x, y, radius);
        Circle(cairo, x - radius * 0.6, y + radius * 0.3, radius * 0.7);
        Circle(cairo, x + radius * 0.6, y + radius * 0.2, radius * 0.6);
        FillUnion(cairo, 0xF2F0EC, 0xA8A49C, 2.5);
        cairo_pop_group_to_source(cairo);
        cairo_paint_with_alpha(cairo, fade);
    }
}

// The time hole: a violet glow with cyan and cream arms swirling into its
// middle. Its three arms turn a third of a turn over the frames, so the
// loop joins.
constexpr int holeFrames = 6;
void TimeHole(cairo_t* cairo, int frame)
{
    constexpr double x = 130.0;
    constexpr double y = 120.0;
    constexpr double radius = 96.0;
    Glow(cairo, x, y, radius * 1.15, colour::violet, 0.75);
    Glow(cairo, x, y, radius * 0.6, colour::tealLight, 0.6);
    const double turn = frame * (2.0 * pi / 3.0) / holeFrames;
    const std::uint32_t colours[] = {colour::tealLight, tone::violetLight, colour::cream};
    for (int arm = 0; arm < 6; ++arm) {
        cairo_new_path(cairo);
        for (int step = 0; step <= 40; ++step) {
            const double t = step / 40.0;
            const double angle = arm * pi / 3.0 + t * 4.2 + turn;
            const double reach = radius * (1.0 - t) * (arm % 2 == 0 ? 1.0 : 0.8);
            cairo_line_to(cairo, x + std::cos(angle) * reach, y + std::sin(angle) * reach * 0.7);
        }
        cairo_set_line_width(cairo, arm % 2 == 0 ? 6.0 : 4.0);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
        SetColour(cairo, colours[arm % 3], 0.85);
        cairo_stroke(cairo);
    }
    Circle(cairo, x, y, 9.0);
    FillPlain(cairo, tone::white, 0.9);
    // Sparkles round the rim.
    for (int sparkle = 0; sparkle < 6; ++sparkle) {
        const double angle = sparkle * pi / 3.0 - turn * 1.5;
        const double sx = x + std::cos(angle) * radius * 1.05;
        const double sy = y + std::sin(angle) * radius * 0.75;
        cairo_move_to(cairo, sx - 6.0, sy);
        cairo_line_to(cairo, sx + 6.0, sy);
        cairo_move_to(cairo, sx, sy - 6.0);
        cairo_line_to(cairo, sx, sy + 6.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, tone::white, 0.9);
    cairo_stroke(cairo);
}

} // namespace

RoomDescription RoomLichtung()
{
    RoomDescription room;
    room.label = lichtung;
    room.folder = "data\\level03\\roomlichtung\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The clearing in front of the oak and the crater, above the brook.
    // Nobody walks into the crater behind the taxi: the floor keeps to the
    // grass in front of its rim.
    room.floor = {{{0.0, 516.0},
                   {210.0, 506.0},
                   {330.0, 500.0},
                   {470.0, 548.0},
                   {520.0, 562.0},
                   {650.0, 570.0},
                   {780.0, 562.0},
                   {830.0, 546.0},
                   {900.0, 536.0},
                   {1024.0, 546.0},
                   {1024.0, 652.0},
                   {250.0, 652.0},
                   {150.0, 606.0},
                   {0.0, 576.0}}};
    room.leads = {{{150.0, 560.0},
                   {330.0, 592.0},
                   {512.0, 612.0},
                   {640.0, 600.0},
                   {800.0, 600.0},
                   {900.0, 580.0},
                   {1000.0, 566.0}},
                  {{512.0, 612.0}, {512.0, 648.0}}};
    room.backY = 520;
    room.frontY = 720;
    room.light = 0xFFF6E6;
    room.lightPools = {{{160.0, 560.0}, 200.0, 70.0, 0xC8E2C0}, {{600.0, 600.0}, 320.0, 80.0, 0xFFF0C4}};
    room.graphics = {
        FieldGate("gatter_dorf", "DORF", gateX, gateY, 92, 150, false),
        {"eiche", 0, 20, 350, 500, 1, Oak},
        {"pilze", 196, 486, 122, 66, 1, Mushrooms},
        // Burg Felsenstein belongs to the painted valley; this blank graphic
        // only lets the pointer find it.
        {"burg", 715, 150, 200, 215, 1, [](cairo_t*, int) {}},
        {"bach", 0, 570, 320, 198, brookFrames, Brook},
        {"taxi", static_cast<int>(craterX) - 165, taxiFootY - 250, 330, 250, 1, CrashedTaxi},
        {"rauch", static_cast<int>(craterX) - 195, 100, 180, taxiFootY + 1 - 100, smokeFrames, Smoke},
        {"zeitloch", 290, 80, 260, 240, holeFrames, TimeHole},
        items::LyingItemGraphic("pausenbrot", static_cast<int>(stumpX), static_cast<int>(stumpTopY) + 4),
    };
    room.ambience = Ambience::forest;
    return room;
}

levels::RoomStaging LichtungStaging()
{
    using items::FullName;
    return {
        {{"GatterDorf",
          "Zum Dorf",
          lichtung,
          FullName("RoomDorf", "GatterLichtung"),
          {1000, 566},
          {900, 580},
          "gatter_dorf"}},
        {{"Pausenbrot", "Pausenbrot", lichtung, items::Pickup::low, "pausenbrot", true}},
        // Rocko stays by his taxi; KIRA hovers by the brook. Both stand
        // aside of the clearing's front middle, where Juna starts.
        {{castanimations::rocko, "Rocko", "Rocko", lichtung, {770, 618}, Entity::left, -190, {690, 622}},
         {castanimations::kira, "Kira", "KIRA", lichtung, {120, 590}, Entity::right, -150, {200, 600}}},
        {{"taxi", "Rockos Taxi", {600, 596}, Entity::up},
         {"burg", "Burg Felsenstein", {800, 600}, Entity::up},
         {"zeitloch", "Zeitloch", {430, 580}, Entity::up},
         {"eiche", "Alte Eiche", {150, 556}, Entity::up},
         {"bach", "Bach", {190, 596}, Entity::leftDown},
         {"pilze", "Pilze", {300, 560}, Entity::left}},
    };
}

} // namespace content::rooms
