// The tournament meadow below Burg Felsenstein on a sunny summer day: the
// village's gate in its wall on the left, the wooden grandstand with its
// striped canopy and banners, the castle high on its crag behind with its
// gate shut, the straw knight and the straw target before the lists' fence,
// the knights' striped tents on the right, and in the middle of the meadow
// the village's old throwing machine, its rope torn.

#include "ArchedDoor.h"
#include "BonusArt.h"
#include "Episode3Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace content::rooms {

namespace {

constexpr const char* turnierwiese = "RoomTurnierwiese";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double meadowY = 440.0;
constexpr std::uint32_t skyTop = 0x7CC6EC;
constexpr std::uint32_t skyLow = 0xE4F5FA;
constexpr std::uint32_t hillFar = 0xA9CBB0;
constexpr std::uint32_t hillFarShade = 0x8DB59A;
constexpr std::uint32_t grassLight = 0xA6D062;
constexpr std::uint32_t grass = 0x7BAA42;
constexpr std::uint32_t rockLight = 0xB9B2A6;
constexpr std::uint32_t rock = 0x857E74;
constexpr std::uint32_t strawLight = 0xF2D37A;
constexpr std::uint32_t straw = 0xCFA24A;
constexpr std::uint32_t timberLight = 0xC98E52;
constexpr std::uint32_t timber = 0x8A5A34;
constexpr std::uint32_t ropeLight = 0xE8CF9A;
constexpr std::uint32_t rope = 0xB08E58;
// The village gate's opening in its wall: its graphic fills it.
constexpr int gateX = 22;
constexpr int gateY = 282;
constexpr int gateWidth = 116;
constexpr int gateHeight = 204;
// The throwing machine's graphic, and the new rope's, drawn over it.
constexpr int machineX = 456;
constexpr int machineY = 352;
constexpr int machineWidth = 272;
constexpr int machineHeight = 260;

void Sky(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, meadowY);
    SetVerticalGradient(cairo, 0.0, 360.0, skyTop, skyLow);
    cairo_fill(cairo);
    Glow(cairo, 940.0, 70.0, 150.0, colour::cream, 0.8);
    Circle(cairo, 940.0, 70.0, 34.0);
    FillOutlined(cairo, 0xFFF3B0, colour::orangeLight, 2.5);
    DrawCloud(cairo, 300.0, 90.0, 0.8);
    DrawCloud(cairo, 800.0, 150.0, 0.6);
    DrawCloud(cairo, 110.0, 170.0, 0.5);
}

// Far hills in the haze, the crag the castle stands on rising out of them,
// and the nearer green slopes.
void Hills(cairo_t* cairo)
{
    DrawGround(cairo, {330.0, 300.0, 350.0, 320.0, 290.0, 330.0}, hillFar, hillFarShade);
    // The crag: grey rock stepping up to the castle's foot.
    cairo_move_to(cairo, 380.0, 420.0);
    cairo_curve_to(cairo, 420.0, 380.0, 440.0, 340.0, 470.0, 318.0);
    cairo_line_to(cairo, 730.0, 318.0);
    cairo_curve_to(cairo, 770.0, 350.0, 790.0, 390.0, 830.0, 420.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, rockLight, rock, 3.0);
    cairo_set_line_width(cairo, 2.0);
    for (const auto& [x0, y0, x1, y1] : {std::array{480.0, 330.0, 470.0, 380.0}, std::array{560.0, 324.0, 580.0, 370.0},
                                         std::array{660.0, 330.0, 650.0, 400.0}, std::array{720.0, 340.0, 760.0, 390.0}}) {
        cairo_move_to(cairo, x0, y0);
        cairo_line_to(cairo, x1, y1);
    }
    SetColour(cairo, colour::outline, 0.35);
    cairo_stroke(cairo);
    DrawGround(cairo, {420.0, 400.0, 430.0, 436.0, 404.0, 390.0}, tone::mossLight, colour::moss);
}

// The village's wall on the left, up to the gate and along the edge.
void VillageWall(cairo_t* cairo)
{
    cairo_move_to(cairo, -10.0, 220.0);
    for (double x = -10.0; x < 160.0; x += 30.0) {
        cairo_line_to(cairo, x + 15.0, 220.0);
        cairo_line_to(cairo, x + 15.0, 236.0);
        cairo_line_to(cairo, x + 30.0, 236.0);
        cairo_line_to(cairo, x + 30.0, 220.0);
    }
    cairo_line_to(cairo, 160.0, 220.0);
    cairo_line_to(cairo, 160.0, 490.0);
    cairo_line_to(cairo, -10.0, 490.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 3.0);
    cairo_set_line_width(cairo, 2.0);
    int row = 0;
    for (double y = 250.0; y < 490.0; y += 30.0, ++row) {
        cairo_move_to(cairo, 0.0, y);
        cairo_line_to(cairo, 160.0, y);
        for (double x = (row % 2) * 24.0; x < 160.0; x += 48.0) {
            cairo_move_to(cairo, x, y);
            cairo_line_to(cairo, x, y + 30.0);
        }
    }
    SetColour(cairo, colour::outline, 0.3);
    cairo_stroke(cairo);
    // The gate's arch of dressed stones and the sign over it.
    const double centre = gateX + gateWidth / 2.0;
    ArchPath(cairo, gateX, gateY, gateWidth, gateY + gateHeight + 2.0, 12.0);
    FillOutlined(cairo, 0xE2DDD2, tone::stoneLight, 3.0);
    RoundedRectangle(cairo, centre - 40.0, gateY - 46.0, 80.0, 26.0, 5.0);
    FillOutlined(cairo, timberLight, timber, 2.5);
    DrawArtText(cairo, "DORF", centre, gateY - 27.0, 15.0, colour::cream);
    // Ivy over the wall's edge.
    for (const auto& [x, y] : {std::pair{150.0, 240.0}, std::pair{138.0, 262.0}, std::pair{152.0, 290.0},
                               std::pair{8.0, 244.0}, std::pair{20.0, 266.0}}) {
        Circle(cairo, x, y, 12.0);
    }
    FillUnion(cairo, tone::leafLight, tone::leaf, 2.5);
}

// The lists' fence behind the target and the straw knight.
void Fence(cairo_t* cairo)
{
    for (double x = 440.0; x <= 830.0; x += 65.0) {
        RoundedRectangle(cairo, x - 5.0, 432.0, 10.0, 46.0, 3.0);
        FillOutlined(cairo, timberLight, timber, 2.0);
    }
    for (const double y : {440.0, 460.0}) {
        cairo_move_to(cairo, 436.0, y);
        cairo_line_to(cairo, 834.0, y);
        StrokeBand(cairo, timberLight, 5.0, 9.0);
    }
}

void Meadow(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, meadowY, width + 20.0, height - meadowY + 10.0);
    SetVerticalGradient(cairo, meadowY, height, grassLight, grass);
    cairo_fill(cairo);
    // Mown stripes across the meadow and tufts of grass.
    for (int stripe = 0; stripe < 5; ++stripe) {
        const double y = 500.0 + stripe * 56.0;
        cairo_rectangle(cairo, -10.0, y, width + 20.0, 24.0 + stripe * 4.0);
        FillPlain(cairo, tone::white, 0.07);
    }
    cairo_set_line_width(cairo, 2.0);
    std::uint32_t seed = 17;
    for (int tuft = 0; tuft < 90; ++tuft) {
        seed = seed * 1103515245u + 12345u;
        const double x = (seed >> 8) % width;
        seed = seed * 1103515245u + 12345u;
        const double y = 490.0 + (seed >> 8) % 270;
        const double size = 4.0 + (y - 490.0) / 40.0;
        cairo_move_to(cairo, x - size, y);
        cairo_line_to(cairo, x - size * 0.5, y - size * 1.4);
        cairo_move_to(cairo, x, y);
        cairo_line_to(cairo, x, y - size * 1.8);
        cairo_move_to(cairo, x + size, y);
        cairo_line_to(cairo, x + size * 0.5, y - size * 1.4);
    }
    SetColour(cairo, colour::moss, 0.6);
    cairo_stroke(cairo);
    // Daisies and buttercups.
    seed = 5;
    for (int flower = 0; flower < 40; ++flower) {
        seed = seed * 1103515245u + 12345u;
        const double x = (seed >> 8) % width;
        seed = seed * 1103515245u + 12345u;
        const double y = 500.0 + (seed >> 8) % 260;
        Circle(cairo, x, y, 2.5 + (y - 500.0) / 100.0);
        FillPlain(cairo, flower % 3 == 0 ? tone::taxiLight : tone::white, 0.95);
    }
    // The sandy path from the gate out into the meadow.
    cairo_move_to(cairo, gateX, 486.0);
    cairo_curve_to(cairo, 120.0, 560.0, 200.0, 620.0, 330.0, height + 10.0);
    cairo_line_to(cairo, 560.0, height + 10.0);
    cairo_curve_to(cairo, 330.0, 600.0, 200.0, 540.0, gateX + gateWidth, 486.0);
    cairo_close_path(cairo);
    FillPlain(cairo, colour::sand, 0.8);
    // The shadows of the grandstand, the machine and the tents.
    Ellipse(cairo, 296.0, 488.0, 150.0, 12.0);
    Ellipse(cairo, 592.0, 606.0, 150.0, 16.0);
    Ellipse(cairo, 920.0, 486.0, 100.0, 10.0);
    Ellipse(cairo, 699.0, 480.0, 26.0, 5.0);
    Ellipse(cairo, 784.0, 480.0, 34.0, 5.0);
    FillPlain(cairo, tone::shadowDeep, 0.25);
}

void Paint(cairo_t* cairo)
{
    Sky(cairo);
    Hills(cairo);
    Meadow(cairo);
    Fence(cairo);
    VillageWall(cairo);
}

// The village gate: two leaves of planks with iron studs, swinging inwards
// and showing the village street with a half-timbered house behind.
void Gate(cairo_t* cairo, int frame)
{
    const auto street = [&] {
        cairo_rectangle(cairo, 0.0, 0.0, gateWidth, gateHeight);
        SetVerticalGradient(cairo, 0.0, 100.0, skyTop, skyLow);
        cairo_fill(cairo);
        cairo_rectangle(cairo, 10.0, 60.0, 96.0, 110.0);
        FillOutlined(cairo, colour::cream, colour::sand, 2.5);
        for (const double x : {10.0, 58.0, 106.0}) {
            cairo_move_to(cairo, x, 60.0);
            cairo_line_to(cairo, x, 170.0);
        }
        cairo_move_to(cairo, 10.0, 116.0);
        cairo_line_to(cairo, 106.0, 116.0);
        cairo_move_to(cairo, 58.0, 60.0);
        cairo_line_to(cairo, 106.0, 116.0);
        StrokeBand(cairo, timber, 4.0, 7.0);
        cairo_move_to(cairo, -4.0, 66.0);
        cairo_line_to(cairo, 58.0, 24.0);
        cairo_line_to(cairo, 120.0, 66.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, 0xE2C069, 0xB8923E, 2.5);
        cairo_rectangle(cairo, 0.0, 168.0, gateWidth, gateHeight - 168.0);
        SetVerticalGradient(cairo, 168.0, gateHeight, tone::stoneLight, colour::stone);
        cairo_fill(cairo);
    };
    // A ring near each leaf's free edge.
    const auto fittings = [&](double edge, double side, double leaf, double /*open*/) {
        if (leaf > 20.0) {
            Circle(cairo, edge + side * 10.0, 120.0, 6.0);
            StrokeBand(cairo, tone::steelLight, 2.5, 5.5);
        }
    };
    DrawArchedDoor(cairo, gateWidth, gateHeight, frame,
                   {.count = 2,
                    .turn = 0.84,
                    .outlineWidth = 2.5,
                    .planks = 3,
                    .seamShade = 0.5,
                    .straps = {70.0, 160.0},
                    .strapHeight = 10.0,
                    .strapLight = tone::steelLight,
                    .strapDark = colour::steel},
                   street, fittings);
}

// A pennant flying from the top of a pole at (x, y), its tail waving by
// `wave`.
void Pennant(cairo_t* cairo, double x, double y, double length, double wave, std::uint32_t light,
             std::uint32_t dark)
{
    cairo_move_to(cairo, x, y);
    cairo_curve_to(cairo, x + length * 0.3, y - 4.0 + wave, x + length * 0.6, y + 4.0 - wave, x + length,
                   y + 8.0 + wave);
    cairo_curve_to(cairo, x + length * 0.6, y + 14.0 - wave, x + length * 0.3, y + 20.0 + wave, x, y + 18.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, light, dark, 2.0);
}

// The banners over the grandstand: red and white pennants on four poles
// waving in the breeze, the falcon banner in the middle.
constexpr int bannerFrames = 4;
void Banners(cairo_t* cairo, int frame)
{
    const double phase = frame * 2.0 * pi / bannerFrames;
    for (int pole = 0; pole < 4; ++pole) {
        const double x = 14.0 + pole * 74.0;
        cairo_move_to(cairo, x, 84.0);
        cairo_line_to(cairo, x, 8.0);
        StrokeBand(cairo, timberLight, 3.0, 6.5);
        Circle(cairo, x, 8.0, 4.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
        const bool red = pole % 2 == 0;
        Pennant(cairo, x, 12.0, 48.0, 4.0 * std::sin(phase + pole), red ? tone::bannerLight : colour::cream,
                red ? colour::banner : colour::sand);
    }
}

// The grandstand: three tiers of benches on posts under a canopy striped
// red and white with a scalloped edge, the lord's coat of arms on a board
// at its front and a skirt of planks below.
void Stand(cairo_t* cairo, int /*frame*/)
{
    const double w = 270.0;
    // The canopy's posts, the back wall of planks and the benches.
    cairo_rectangle(cairo, 16.0, 40.0, w - 32.0, 160.0);
    FillOutlined(cairo, 0xB88252, 0x8A5A34, 2.5);
    for (const double x : {8.0, w / 2.0 - 5.0, w - 18.0}) {
        RoundedRectangle(cairo, x, 30.0, 10.0, 240.0, 3.0);
        FillOutlined(cairo, timberLight, timber, 2.5);
    }
    // Three tiers stepping down towards the meadow: each a riser in shade
    // and a seat board in the light, cushions on the seats.
    for (int tier = 0; tier < 3; ++tier) {
        const double y = 90.0 + tier * 40.0;
        const double inset = 26.0 - tier * 8.0;
        cairo_rectangle(cairo, inset, y + 12.0, w - 2.0 * inset, 28.0);
        FillOutlined(cairo, timber, 0x6A4428, 2.0);
        RoundedRectangle(cairo, inset - 4.0, y, w - 2.0 * inset + 8.0, 12.0, 3.0);
        FillOutlined(cairo, timberLight, timber, 2.5);
        for (int cushion = 0; cushion < 4; ++cushion) {
            const double x = inset + 24.0 + cushion * (w - 2.0 * inset - 60.0) / 3.0 + tier * 9.0;
            const std::uint32_t light[] = {tone::bannerLight, colour::cream, tone::mossLight};
            const std::uint32_t dark[] = {colour::banner, colour::sand, colour::moss};
            RoundedRectangle(cairo, x, y - 7.0, 26.0, 9.0, 4.0);
            FillOutlined(cairo, light[(cushion + tier) % 3], dark[(cushion + tier) % 3], 2.0);
        }
    }
    // The stringers along both sides, and a ladder up to the top tier.
    for (const auto& [top, foot] : {std::pair{24.0, 4.0}, std::pair{w - 24.0, w - 4.0}}) {
        cairo_move_to(cairo, top, 80.0);
        cairo_line_to(cairo, foot, 214.0);
        StrokeBand(cairo, timberLight, 7.0, 12.0);
    }
    // The skirt of planks, the board with the arms.
    cairo_rectangle(cairo, 4.0, 214.0, w - 8.0, 54.0);
    FillOutlined(cairo, timberLight, timber, 2.5);
    cairo_set_line_width(cairo, 2.0);
    for (double x = 24.0; x < w - 8.0; x += 22.0) {
        cairo_move_to(cairo, x, 216.0);
        cairo_line_to(cairo, x, 266.0);
    }
    SetColour(cairo, colour::outline, 0.35);
    cairo_stroke(cairo);
    cairo_move_to(cairo, w / 2.0 - 26.0, 206.0);
    cairo_line_to(cairo, w / 2.0 + 26.0, 206.0);
    cairo_line_to(cairo, w / 2.0 + 26.0, 236.0);
    cairo_curve_to(cairo, w / 2.0 + 26.0, 256.0, w / 2.0, 266.0, w / 2.0, 266.0);
    cairo_curve_to(cairo, w / 2.0, 266.0, w / 2.0 - 26.0, 256.0, w / 2.0 - 26.0, 236.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    // The falcon on the arms: a dark bird with spread wings.
    cairo_move_to(cairo, w / 2.0, 218.0);
    cairo_line_to(cairo, w / 2.0 - 16.0, 226.0);
    cairo_line_to(cairo, w / 2.0 - 6.0, 234.0);
    cairo_line_to(cairo, w / 2.0, 252.0);
    cairo_line_to(cairo, w / 2.0 + 6.0, 234.0);
    cairo_line_to(cairo, w / 2.0 + 16.0, 226.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::cream, colour::sand, 1.5);
    // The canopy: stripes under one outline, its edge scalloped.
    const auto canopy = [cairo, w] {
        cairo_move_to(cairo, 0.0, 40.0);
        cairo_line_to(cairo, 24.0, 2.0);
        cairo_line_to(cairo, w - 24.0, 2.0);
        cairo_line_to(cairo, w, 40.0);
        for (int scallop = 0; scallop < 9; ++scallop) {
            const double right = w - scallop * w / 9.0;
            cairo_curve_to(cairo, right - 4.0, 62.0, right - w / 9.0 + 4.0, 62.0, right - w / 9.0, 40.0);
        }
        cairo_close_path(cairo);
    };
    canopy();
    cairo_save(cairo);
    cairo_clip_preserve(cairo);
    FillPlain(cairo, colour::cream);
    for (int stripe = 0; stripe < 9; stripe += 2)
        cairo_rectangle(cairo, stripe * w / 9.0, 0.0, w / 9.0, 64.0);
    FillPlain(cairo, colour::banner);
    cairo_rectangle(cairo, 0.0, 30.0, w, 34.0);
    FillPlain(cairo, tone::shadowDeep, 0.12);
    cairo_restore(cairo);
    canopy();
    StrokeOutline(cairo, 3.0);
}

// A tower with a pointed red roof.
void Tower(cairo_t* cairo, double x, double y, double towerWidth, double towerHeight)
{
    cairo_rectangle(cairo, x, y, towerWidth, towerHeight);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    RoundedRectangle(cairo, x + towerWidth / 2.0 - 4.0, y + 18.0, 8.0, 16.0, 4.0);
    FillOutlined(cairo, tone::shadowDeep, colour::outline, 1.5);
    cairo_move_to(cairo, x - 6.0, y);
    cairo_line_to(cairo, x + towerWidth / 2.0, y - towerWidth * 1.1);
    cairo_line_to(cairo, x + towerWidth + 6.0, y);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    cairo_move_to(cairo, x + towerWidth / 2.0, y - towerWidth * 1.1);
    cairo_line_to(cairo, x + towerWidth / 2.0, y - towerWidth * 1.1 - 18.0);
    StrokeOutline(cairo, 2.0);
    Pennant(cairo, x + towerWidth / 2.0, y - towerWidth * 1.1 - 18.0, 18.0, 0.0, tone::bannerLight, colour::banner);
}

// A crenellated wall from `left` to `right` whose top is `top`.
void Battlement(cairo_t* cairo, double left, double right, double top, double bottom)
{
    cairo_move_to(cairo, left, bottom);
    cairo_line_to(cairo, left, top);
    for (double x = left; x < right - 1.0; x += 16.0) {
        cairo_line_to(cairo, x + 8.0, top);
        cairo_line_to(cairo, x + 8.0, top + 8.0);
        cairo_line_to(cairo, std::min(x + 16.0, right), top + 8.0);
        cairo_line_to(cairo, std::min(x + 16.0, right), top);
    }
    cairo_line_to(cairo, right, bottom);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
}

// Burg Felsenstein on top of its crag, far away: curtain walls between
// round-roofed towers, the keep behind, the gate shut under its banners.
void Castle(cairo_t* cairo, int /*frame*/)
{
    // The crag's top the castle stands on.
    cairo_move_to(cairo, 6.0, 300.0);
    cairo_curve_to(cairo, 20.0, 270.0, 40.0, 250.0, 60.0, 240.0);
    cairo_line_to(cairo, 240.0, 240.0);
    cairo_curve_to(cairo, 262.0, 250.0, 280.0, 270.0, 294.0, 300.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, rockLight, rock, 2.5);
    // The keep with its own tower.
    Battlement(cairo, 110.0, 190.0, 70.0, 160.0);
    Tower(cairo, 134.0, 30.0, 32.0, 50.0);
    // The curtain wall and its towers.
    Battlement(cairo, 60.0, 240.0, 140.0, 250.0);
    Tower(cairo, 36.0, 110.0, 44.0, 144.0);
    Tower(cairo, 220.0, 110.0, 44.0, 144.0);
    // Windows.
    for (const double x : {96.0, 126.0, 174.0, 204.0}) {
        RoundedRectangle(cairo, x - 4.0, 166.0, 8.0, 16.0, 4.0);
        FillOutlined(cairo, tone::shadowDeep, colour::outline, 1.5);
    }
    // The gate: shut oak leaves under the arch, the portcullis down.
    cairo_move_to(cairo, 128.0, 250.0);
    cairo_line_to(cairo, 128.0, 214.0);
    cairo_arc(cairo, 150.0, 214.0, 22.0, pi, 2.0 * pi);
    cairo_line_to(cairo, 172.0, 250.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xA8703E, 0x7A4E2A, 2.5);
    cairo_set_line_width(cairo, 2.0);
    for (const double x : {136.0, 143.0, 150.0, 157.0, 164.0}) {
        cairo_move_to(cairo, x, 200.0);
        cairo_line_to(cairo, x, 248.0);
    }
    for (const double y : {212.0, 226.0, 240.0}) {
        cairo_move_to(cairo, 130.0, y);
        cairo_line_to(cairo, 170.0, y);
    }
    SetColour(cairo, colour::outline, 0.8);
    cairo_stroke(cairo);
    for (const double x : {108.0, 192.0}) {
        cairo_move_to(cairo, x - 10.0, 190.0);
        cairo_line_to(cairo, x + 10.0, 190.0);
        cairo_line_to(cairo, x + 10.0, 226.0);
        cairo_line_to(cairo, x, 218.0);
        cairo_line_to(cairo, x - 10.0, 226.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
    }
    // A little haze over the far castle, only where it is drawn.
    cairo_set_operator(cairo, CAIRO_OPERATOR_ATOP);
    cairo_rectangle(cairo, 0.0, 0.0, 300.0, 302.0);
    FillPlain(cairo, skyLow, 0.12);
    cairo_set_operator(cairo, CAIRO_OPERATOR_OVER);
}

// The straw knight: a sack of straw with arms on a crossbar, a bucket for
// a helmet and a wooden shield, on a post in the ground.
void StrawKnight(cairo_t* cairo, int /*frame*/)
{
    RoundedRectangle(cairo, 31.0, 60.0, 8.0, 68.0, 3.0);
    FillOutlined(cairo, timberLight, timber, 2.0);
    cairo_move_to(cairo, 4.0, 54.0);
    cairo_line_to(cairo, 66.0, 54.0);
    StrokeBand(cairo, timberLight, 4.0, 8.0);
    cairo_move_to(cairo, 16.0, 40.0);
    cairo_curve_to(cairo, 14.0, 70.0, 20.0, 96.0, 26.0, 100.0);
    cairo_line_to(cairo, 44.0, 100.0);
    cairo_curve_to(cairo, 50.0, 96.0, 56.0, 70.0, 54.0, 40.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, strawLight, straw, 2.5);
    cairo_set_line_width(cairo, 1.5);
    for (const double x : {24.0, 34.0, 46.0}) {
        cairo_move_to(cairo, x, 100.0);
        cairo_line_to(cairo, x + 2.0, 110.0);
    }
    SetColour(cairo, straw);
    cairo_stroke(cairo);
    // The bucket helmet with its eye slit.
    cairo_move_to(cairo, 22.0, 42.0);
    cairo_line_to(cairo, 24.0, 14.0);
    cairo_line_to(cairo, 46.0, 14.0);
    cairo_line_to(cairo, 48.0, 42.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel, 2.5);
    cairo_move_to(cairo, 27.0, 26.0);
    cairo_line_to(cairo, 43.0, 26.0);
    StrokeOutline(cairo, 2.5);
    cairo_move_to(cairo, 35.0, 14.0);
    cairo_curve_to(cairo, 38.0, 4.0, 50.0, 2.0, 56.0, 8.0);
    StrokeBand(cairo, tone::bannerLight, 3.0, 6.5);
    // The shield on its left arm.
    cairo_move_to(cairo, 46.0, 58.0);
    cairo_line_to(cairo, 68.0, 58.0);
    cairo_line_to(cairo, 68.0, 76.0);
    cairo_curve_to(cairo, 68.0, 88.0, 57.0, 94.0, 57.0, 94.0);
    cairo_curve_to(cairo, 57.0, 94.0, 46.0, 88.0, 46.0, 76.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::cream, colour::sand, 2.0);
    cairo_rectangle(cairo, 55.0, 58.0, 4.0, 34.0);
    FillPlain(cairo, colour::banner);
}

// The target: a round mat of coiled straw with painted red and white rings
// on a wooden easel.
void Target(cairo_t* cairo, int /*frame*/)
{
    for (const auto& [top, foot] : {std::pair{22.0, 8.0}, std::pair{58.0, 72.0}}) {
        cairo_move_to(cairo, top, 40.0);
        cairo_line_to(cairo, foot, 112.0);
        StrokeBand(cairo, timberLight, 4.0, 8.0);
    }
    cairo_move_to(cairo, 40.0, 60.0);
    cairo_line_to(cairo, 56.0, 112.0);
    StrokeBand(cairo, timber, 3.0, 7.0);
    Circle(cairo, 40.0, 44.0, 36.0);
    FillOutlined(cairo, strawLight, straw, 3.0);
    for (const auto& [radius, colourOf] : {std::pair{28.0, colour::banner}, std::pair{20.0, colour::cream},
                                           std::pair{12.0, colour::banner}, std::pair{5.0, colour::cream}}) {
        Circle(cairo, 40.0, 44.0, radius);
        FillOutlined(cairo, colourOf, colourOf, 1.5);
    }
    cairo_set_line_width(cairo, 1.5);
    for (int coil = 0; coil < 10; ++coil) {
        const double angle = coil * pi / 5.0;
        cairo_move_to(cairo, 40.0 + 30.0 * std::cos(angle), 44.0 + 30.0 * std::sin(angle));
        cairo_line_to(cairo, 40.0 + 35.0 * std::cos(angle), 44.0 + 35.0 * std::sin(angle));
    }
    SetColour(cairo, straw);
    cairo_stroke(cairo);
}

// A knight's tent: canvas striped in two colours under one outline, its
// flap tied open, a pennant on its pole.
void Tent(cairo_t* cairo, double x, double foot, double tentWidth, double tentHeight, std::uint32_t stripe,
          std::uint32_t stripeLight)
{
    const auto outline = [=] {
        cairo_move_to(cairo, x - tentWidth / 2.0, foot);
        cairo_curve_to(cairo, x - tentWidth * 0.4, foot - tentHeight * 0.4, x - tentWidth * 0.1,
                       foot - tentHeight * 0.8, x, foot - tentHeight);
        cairo_curve_to(cairo, x + tentWidth * 0.1, foot - tentHeight * 0.8, x + tentWidth * 0.4,
                       foot - tentHeight * 0.4, x + tentWidth / 2.0, foot);
        cairo_close_path(cairo);
    };
    outline();
    cairo_save(cairo);
    cairo_clip_preserve(cairo);
    FillPlain(cairo, colour::cream);
    const double band = tentWidth / 7.0;
    for (int column = 0; column < 7; column += 2)
        cairo_rectangle(cairo, x - tentWidth / 2.0 + column * band, foot - tentHeight, band, tentHeight);
    SetVerticalGradient(cairo, foot - tentHeight, foot, stripeLight, stripe);
    cairo_fill(cairo);
    cairo_rectangle(cairo, x, foot - tentHeight, tentWidth / 2.0, tentHeight);
    FillPlain(cairo, tone::shadowDeep, 0.12);
    // The open flap: a dark doorway with the flap tied back.
    cairo_move_to(cairo, x - tentWidth * 0.14, foot);
    cairo_curve_to(cairo, x - tentWidth * 0.1, foot - tentHeight * 0.3, x - 4.0, foot - tentHeight * 0.45, x,
                   foot - tentHeight * 0.5);
    cairo_curve_to(cairo, x + 4.0, foot - tentHeight * 0.45, x + tentWidth * 0.1, foot - tentHeight * 0.3,
                   x + tentWidth * 0.14, foot);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0x4A3A48, tone::shadowDeep, 2.0);
    cairo_restore(cairo);
    outline();
    StrokeOutline(cairo, 3.0);
    cairo_move_to(cairo, x, foot - tentHeight);
    cairo_line_to(cairo, x, foot - tentHeight - 22.0);
    StrokeOutline(cairo, 2.5);
    Pennant(cairo, x, foot - tentHeight - 22.0, 26.0, 2.0, stripeLight, stripe);
}

void Tents(cairo_t* cairo, int /*frame*/)
{
    Tent(cairo, 132.0, 206.0, 110.0, 140.0, colour::moss, tone::mossLight);
    Tent(cairo, 66.0, 212.0, 124.0, 166.0, colour::banner, tone::bannerLight);
}

// The village's old throwing machine: a frame of heavy beams on four
// wheels, its arm standing up against the crossbar with the spoon at its
// top. The rope that pulled the arm down to the winch is torn: one end
// hangs from the arm, the other dangles from the winch.
constexpr double armFootX = 150.0;
constexpr double armFootY = 196.0;
constexpr double spoonX = 130.0;
constexpr double spoonY = 34.0;
constexpr double winchX = 232.0;
constexpr double winchY = 176.0;

void MachineFrame(cairo_t* cairo)
{
    // The far wheels first, the base, the A-frame and the near wheels.
    for (const double x : {60.0, 214.0}) {
        Circle(cairo, x + 10.0, 222.0, 28.0);
        FillOutlined(cairo, timber, 0x6A4428, 2.5);
    }
    RoundedRectangle(cairo, 16.0, 190.0, 240.0, 22.0, 5.0);
    FillOutlined(cairo, timberLight, timber, 3.0);
    for (const auto& [x0, x1] : {std::pair{90.0, 128.0}, std::pair{196.0, 150.0}}) {
        cairo_move_to(cairo, x0, 196.0);
        cairo_line_to(cairo, x1, 66.0);
        StrokeBand(cairo, timberLight, 9.0, 14.0);
    }
    RoundedRectangle(cairo, 104.0, 58.0, 76.0, 16.0, 4.0);
    FillOutlined(cairo, timberLight, timber, 2.5);
    // The crossbar's padding, where the arm strikes.
    RoundedRectangle(cairo, 126.0, 52.0, 30.0, 26.0, 8.0);
    FillOutlined(cairo, strawLight, straw, 2.0);
    // The arm and its spoon.
    cairo_move_to(cairo, armFootX, armFootY);
    cairo_line_to(cairo, spoonX + 6.0, spoonY + 12.0);
    StrokeBand(cairo, timberLight, 10.0, 15.0);
    cairo_move_to(cairo, spoonX - 24.0, spoonY);
    cairo_curve_to(cairo, spoonX - 22.0, spoonY + 22.0, spoonX + 22.0, spoonY + 22.0, spoonX + 24.0, spoonY);
    cairo_close_path(cairo);
    FillOutlined(cairo, timberLight, timber, 2.5);
    // The twisted skein at the arm's foot and the winch with its handles.
    Ellipse(cairo, armFootX, armFootY - 2.0, 26.0, 11.0);
    FillOutlined(cairo, ropeLight, rope, 2.5);
    cairo_set_line_width(cairo, 1.5);
    for (double x = armFootX - 20.0; x < armFootX + 22.0; x += 7.0) {
        cairo_move_to(cairo, x, armFootY - 11.0);
        cairo_line_to(cairo, x + 5.0, armFootY + 7.0);
    }
    SetColour(cairo, rope);
    cairo_stroke(cairo);
    RoundedRectangle(cairo, winchX - 14.0, winchY - 12.0, 28.0, 24.0, 8.0);
    FillOutlined(cairo, timberLight, timber, 2.5);
    for (const double angle : {0.3, 0.3 + pi}) {
        cairo_move_to(cairo, winchX, winchY);
        cairo_line_to(cairo, winchX + 26.0 * std::cos(angle), winchY + 26.0 * std::sin(angle));
    }
    StrokeBand(cairo, timberLight, 4.0, 8.0);
    for (const double x : {40.0, 194.0}) {
        Circle(cairo, x, 232.0, 26.0);
        FillOutlined(cairo, timberLight, timber, 3.0);
        for (int spoke = 0; spoke < 3; ++spoke) {
            const double angle = spoke * pi / 3.0 + 0.4;
            cairo_move_to(cairo, x + 22.0 * std::cos(angle), 232.0 + 22.0 * std::sin(angle));
            cairo_line_to(cairo, x - 22.0 * std::cos(angle), 232.0 - 22.0 * std::sin(angle));
        }
        cairo_set_line_width(cairo, 3.0);
        SetColour(cairo, colour::outline, 0.7);
        cairo_stroke(cairo);
        Circle(cairo, x, 232.0, 5.0);
        FillOutlined(cairo, tone::steelLight, colour::steel, 1.5);
    }
}

// A frayed rope end: the rope hanging from (x, y) `length` down with a
// slight curl, its end splayed into strands.
void FrayedEnd(cairo_t* cairo, double x, double y, double length, double curl)
{
    cairo_move_to(cairo, x, y);
    cairo_curve_to(cairo, x + curl, y + length * 0.4, x - curl, y + length * 0.7, x + curl * 0.5, y + length);
    StrokeBand(cairo, ropeLight, 4.0, 8.0);
    const double endX = x + curl * 0.5;
    const double endY = y + length;
    for (const double spread : {-7.0, 0.0, 7.0}) {
        cairo_move_to(cairo, endX, endY);
        cairo_line_to(cairo, endX + spread, endY + 10.0);
    }
    cairo_set_line_width(cairo, 2.0);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    SetColour(cairo, rope);
    cairo_stroke(cairo);
}

void Machine(cairo_t* cairo, int /*frame*/)
{
    MachineFrame(cairo);
    // The torn rope: a length hanging from the arm below the spoon, and
    // the rest from the winch down to the ground.
    FrayedEnd(cairo, spoonX + 8.0, spoonY + 30.0, 62.0, 10.0);
    FrayedEnd(cairo, winchX, winchY + 12.0, 40.0, -8.0);
}

// The new rope once Juna has repaired the machine: tied round the arm
// under the spoon and running taut down to the winch, its coils on the
// drum; drawn over the machine, which still shows the torn ends under it
// only where this does not cover them.
void NewRope(cairo_t* cairo, int /*frame*/)
{
    cairo_move_to(cairo, spoonX + 8.0, spoonY + 30.0);
    cairo_line_to(cairo, winchX - 4.0, winchY - 6.0);
    StrokeBand(cairo, ropeLight, 4.0, 8.0);
    // The knot round the arm and the coils on the drum.
    Ellipse(cairo, spoonX + 8.0, spoonY + 30.0, 10.0, 7.0);
    FillOutlined(cairo, ropeLight, rope, 2.0);
    for (double dy = -8.0; dy <= 8.0; dy += 5.0) {
        cairo_move_to(cairo, winchX - 13.0, winchY + dy);
        cairo_line_to(cairo, winchX + 13.0, winchY + dy + 3.0);
    }
    StrokeBand(cairo, ropeLight, 3.0, 6.0);
}

} // namespace

RoomDescription RoomTurnierwiese()
{
    RoomDescription room;
    room.label = turnierwiese;
    room.folder = "data\\level03\\roomturnierwiese\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The meadow before the grandstand, the fence and the tents, in four
    // overlapping parts round the hole where the throwing machine stands:
    // a strip behind it, one before it, and the meadow left and right.
    room.floor = {{{20.0, 490.0}, {1014.0, 490.0}, {1014.0, 556.0}, {20.0, 556.0}},
                  {{10.0, 616.0}, {1014.0, 616.0}, {1014.0, 652.0}, {10.0, 652.0}},
                  {{10.0, 490.0}, {474.0, 490.0}, {474.0, 652.0}, {10.0, 652.0}},
                  {{710.0, 490.0}, {1014.0, 490.0}, {1014.0, 652.0}, {710.0, 652.0}}};
    room.leads = {{{80.0, 494.0}, {140.0, 590.0}, {296.0, 604.0}, {380.0, 626.0}, {470.0, 636.0}, {592.0, 636.0},
                   {718.0, 630.0}, {800.0, 630.0}},
                  {{296.0, 604.0}, {296.0, 516.0}},
                  {{718.0, 630.0}, {716.0, 540.0}, {676.0, 506.0}},
                  {{716.0, 540.0}, {784.0, 506.0}, {926.0, 508.0}}};
    room.backY = 490;
    room.frontY = 720;
    room.light = 0xFFF6E6;
    room.lightPools = {{{592.0, 590.0}, 380.0, 110.0, 0xFFF0C4},
                       {{296.0, 500.0}, 140.0, 40.0, 0xD8DAE8},
                       {{926.0, 498.0}, 100.0, 30.0, 0xE8DCDC}};
    room.graphics = {
        {"tor_dorf", gateX, gateY, gateWidth, gateHeight, items::doorFrames, Gate},
        {"tribuene", 160, 216, 270, 270, 1, Stand},
        {"fahnen", 168, 136, 280, 80, bannerFrames, Banners},
        {"burg", 450, 20, 300, 302, 1, Castle},
        {"strohpuppe", 640, 370, 72, 114, 1, StrawKnight},
        {"zielscheibe", 744, 368, 80, 116, 1, Target},
        {"zelte", 830, 266, 190, 220, 1, Tents},
        {"wurfmaschine", machineX, machineY, machineWidth, machineHeight, 1, Machine},
        // One row lower than the machine, so that it is drawn over it.
        {"wurfseil", machineX, machineY, machineWidth, machineHeight + 1, 1, NewRope},
    };
    room.ambience = Ambience::tournamentMeadow;
    return room;
}

levels::RoomStaging TurnierwieseStaging()
{
    using items::FullName;
    return {
        {{"TorDorf", "Ins Dorf", turnierwiese, FullName("RoomDorf", "TorTurnierwiese"), {80, 494}, {140, 590},
          "tor_dorf"}},
        {},
        {{castanimations::herold, "Herold", "Herold Humbert", turnierwiese, {900, 620}, Entity::left, -260,
          {800, 630}}},
        {{"wurfmaschine", "Wurfmaschine", {450, 630}, Entity::right},
         {"tribuene", "Trib\xfcne", {296, 516}, Entity::up},
         {"zielscheibe", "Zielscheibe", {784, 506}, Entity::up},
         {"burg", "Burg Felsenstein", {380, 626}, Entity::up},
         {"zelte", "Ritterzelte", {926, 508}, Entity::up},
         {"strohpuppe", "Strohritter", {676, 506}, Entity::up}},
    };
}

} // namespace content::rooms
