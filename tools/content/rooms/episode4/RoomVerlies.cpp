// The castle's dungeon: a damp vault of three bays under heavy arches. In
// the left bay a rusty iron ring is bolted into the wall, and the old iron
// ball lies on the floor below it on its chain; a narrow grated slit high
// above lets in a cold beam of daylight. The middle bay is an empty cell
// behind iron bars. On the pillar beside it burns the only torch. In the
// right bay worn steps lead up to the door to the castle yard. Straw lies
// heaped in the front corner, where a rat goes about its business.

#include "Episode4Rooms.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"
#include "rooms/episode3/ArchedDoor.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace content::rooms {

namespace {

constexpr const char* roomVerlies = "RoomVerlies";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
// Where the back wall meets the floor.
constexpr double floorY = 478.0;
// Where the arches of the vault spring from the pillars.
constexpr double springY = 196.0;

constexpr std::uint32_t stoneLight = 0x908C9A;
constexpr std::uint32_t stoneMid = 0x6E6A7A;
constexpr std::uint32_t stoneDark = 0x4C485A;
constexpr std::uint32_t vaultLight = 0x4C485C;
constexpr std::uint32_t vaultDark = 0x2A263C;
constexpr std::uint32_t flagLight = 0x7E7886;
constexpr std::uint32_t flagDark = 0x4E4856;
constexpr std::uint32_t damp = 0x3E4A4C;
constexpr std::uint32_t mossDark = 0x4E6E30;
constexpr std::uint32_t ironLight = 0x8E96A4;
constexpr std::uint32_t iron = 0x4A505E;
constexpr std::uint32_t rust = 0xA0562A;
constexpr std::uint32_t rustLight = 0xD08040;
constexpr std::uint32_t ember = 0xFF8A2A;
constexpr std::uint32_t emberLight = 0xFFD36A;
constexpr std::uint32_t cellDark = 0x2A2636;
constexpr std::uint32_t straw = 0xE2C068;
constexpr std::uint32_t strawDark = 0xA8843A;
constexpr std::uint32_t daylight = 0xDCE8FF;

// The pillars between the bays: their middles and half their width.
constexpr std::array<double, 2> pillars = {340.0, 722.0};
constexpr double pillarHalf = 24.0;

// The ring in the wall of the left bay, and the ball on the floor below it.
constexpr int ringX = 158;
constexpr int ringY = 336;
constexpr int ringWidth = 84;
constexpr int ringHeight = 80;
constexpr double ringCentreX = ringX + ringWidth / 2.0;
constexpr int ballX = 168;
constexpr int ballY = ringY + ringHeight;
constexpr int ballWidth = 132;
constexpr int ballHeight = 150;

// The cell's arched opening in the middle bay.
constexpr double cellLeft = 404.0;
constexpr double cellTop = 228.0;
constexpr double cellWidth = 276.0;

// The doorway at the head of the steps in the right bay.
constexpr int doorX = 842;
constexpr int doorY = 190;
constexpr int doorWidth = 110;
constexpr int doorHeight = 214;
constexpr double sillY = doorY + doorHeight;
constexpr int steps = 4;
// The stairway's arched recess round the doorway and the steps.
constexpr double recessLeft = doorX - 62.0;
constexpr double recessTop = doorY - 44.0;
constexpr double recessWidth = doorWidth + 124.0;

// The torch on the right pillar: where its flame burns, in room pixels.
constexpr double torchX = 722.0;
constexpr double torchY = 280.0;

// The slit window high in the left bay, and where its beam meets the floor.
constexpr double slitX = 96.0;
constexpr double slitTop = 120.0;
constexpr double slitBottom = 196.0;

// Ashlar courses over a rectangle: each block a rounded stone of its own
// shade, a fixed generator choosing light or dark so the wall is never
// flat, the joints dark and damp.
void Masonry(cairo_t* cairo, double left, double top, double right, double bottom, double blockWidth,
             double courseHeight, std::uint32_t seed)
{
    int course = 0;
    for (double y = top; y < bottom; y += courseHeight, ++course) {
        const double shift = course % 2 == 0 ? 0.0 : blockWidth / 2.0;
        for (double x = left - shift; x < right; x += blockWidth) {
            seed = seed * 1103515245u + 12345u;
            const double shade = ((seed >> 16) % 100) / 100.0;
            const double stretch = ((seed >> 8) % 7) - 3.0;
            RoundedRectangle(cairo, x + 2.5, y + 2.5, blockWidth - 5.0 + stretch, courseHeight - 5.0, 6.0);
            if (shade < 0.35)
                FillPlain(cairo, colour::outline, 0.10);
            else if (shade > 0.8)
                FillPlain(cairo, tone::white, 0.07);
            else
                cairo_new_path(cairo);
            RoundedRectangle(cairo, x + 2.5, y + 2.5, blockWidth - 5.0 + stretch, courseHeight - 5.0, 6.0);
            // The lower edge of each block in shadow, its top lit.
            cairo_set_line_width(cairo, 2.0);
            SetColour(cairo, colour::outline, 0.28);
            cairo_stroke(cairo);
            cairo_move_to(cairo, x + 8.0, y + 5.0);
            cairo_line_to(cairo, x + blockWidth - 10.0 + stretch, y + 5.0);
            SetColour(cairo, tone::white, 0.10);
            cairo_stroke(cairo);
        }
    }
}

// Strokes the current path `lineWidth` wide in dashes `on` long with gaps
// `off` long (a chain's links, pits in rusty iron); the path is consumed.
void StrokeDashed(cairo_t* cairo, double lineWidth, double on, double off, std::uint32_t rgb, double alpha)
{
    const double dashes[] = {on, off};
    cairo_set_dash(cairo, dashes, 2, 0.0);
    cairo_set_line_width(cairo, lineWidth);
    SetColour(cairo, rgb, alpha);
    cairo_stroke(cairo);
    cairo_set_dash(cairo, nullptr, 0, 0.0);
}

// Soft dark-green patches of moss where the wall is wettest.
void Moss(cairo_t* cairo, double x, double y, double size)
{
    for (int tuft = 0; tuft < 5; ++tuft) {
        const double angle = tuft * 1.3;
        Circle(cairo, x + std::cos(angle) * size * 0.8, y + std::sin(angle) * size * 0.3, size * (0.5 + 0.1 * tuft));
    }
    FillUnion(cairo, colour::moss, mossDark, 2.0);
}

// The back wall of the three bays, the vault above them and the pillars
// that carry it.
void Vault(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, -10.0, width + 20.0, floorY + 10.0);
    SetVerticalGradient(cairo, 0.0, floorY, stoneDark, stoneMid);
    cairo_fill(cairo);
    Masonry(cairo, 0.0, 40.0, width, floorY, 92.0, 40.0, 17);
    // Above each bay the underside of its barrel vault, dark and curving
    // over the wall, with the arch's voussoirs along its edge.
    const std::array<std::array<double, 2>, 3> bays = {{{-60.0, pillars[0] - pillarHalf},
                                                        {pillars[0] + pillarHalf, pillars[1] - pillarHalf},
                                                        {pillars[1] + pillarHalf, width + 60.0}}};
    for (const auto& [left, right] : bays) {
        const double centre = (left + right) / 2.0;
        const double radius = (right - left) / 2.0;
        const double rise = 150.0;
        cairo_move_to(cairo, left, springY);
        cairo_save(cairo);
        cairo_translate(cairo, centre, springY);
        cairo_scale(cairo, radius, rise);
        cairo_arc(cairo, 0.0, 0.0, 1.0, pi, 2.0 * pi);
        cairo_restore(cairo);
        cairo_line_to(cairo, right, -10.0);
        cairo_line_to(cairo, left, -10.0);
        cairo_close_path(cairo);
        SetVerticalGradient(cairo, 0.0, springY, vaultDark, vaultLight);
        cairo_fill(cairo);
        // The voussoirs: a band of wedge stones following the arch.
        cairo_save(cairo);
        cairo_translate(cairo, centre, springY);
        cairo_scale(cairo, radius, rise);
        cairo_arc(cairo, 0.0, 0.0, 1.0, pi, 2.0 * pi);
        cairo_restore(cairo);
        StrokeBand(cairo, stoneMid, 16.0, 22.0);
        cairo_set_line_width(cairo, 2.0);
        for (int stone = 1; stone < 12; ++stone) {
            const double angle = pi + stone * pi / 12.0;
            cairo_move_to(cairo, centre + radius * std::cos(angle) * 0.97, springY + rise * std::sin(angle) * 0.94);
            cairo_line_to(cairo, centre + radius * std::cos(angle) * 1.03, springY + rise * std::sin(angle) * 1.06);
        }
        SetColour(cairo, colour::outline, 0.5);
        cairo_stroke(cairo);
        // The vault's stones, courses curving with it.
        for (const double share : {0.55, 0.75, 0.9}) {
            cairo_save(cairo);
            cairo_translate(cairo, centre, springY);
            cairo_scale(cairo, radius * (1.0 + share * 0.05), rise + share * 180.0);
            cairo_arc(cairo, 0.0, 0.0, 1.0, pi * 1.08, pi * 1.92);
            cairo_restore(cairo);
        }
        cairo_set_line_width(cairo, 2.0);
        SetColour(cairo, colour::outline, 0.25);
        cairo_stroke(cairo);
    }
    // The pillars, each with a capital where the arches spring and a plinth.
    for (const double x : pillars) {
        cairo_rectangle(cairo, x - pillarHalf, -10.0, pillarHalf * 2.0, floorY + 10.0);
        SetGradient(cairo, cairo_pattern_create_linear(x - pillarHalf, 0.0, x + pillarHalf, 0.0),
                    {{0.0, stoneLight}, {0.6, stoneMid}, {1.0, stoneDark}});
        cairo_fill_preserve(cairo);
        StrokeOutline(cairo, 3.0);
        cairo_set_line_width(cairo, 2.0);
        for (double y = 20.0; y < floorY; y += 44.0) {
            cairo_move_to(cairo, x - pillarHalf, y);
            cairo_line_to(cairo, x + pillarHalf, y);
        }
        SetColour(cairo, colour::outline, 0.3);
        cairo_stroke(cairo);
        RoundedRectangle(cairo, x - pillarHalf - 8.0, springY - 14.0, pillarHalf * 2.0 + 16.0, 18.0, 4.0);
        FillOutlined(cairo, stoneLight, stoneMid, 3.0);
        RoundedRectangle(cairo, x - pillarHalf - 6.0, floorY - 24.0, pillarHalf * 2.0 + 12.0, 26.0, 4.0);
        FillOutlined(cairo, stoneMid, stoneDark, 3.0);
    }
    // Damp: dark streaks running down under the slit and the capitals, moss
    // along the foot of the wall.
    for (const auto& [x, top, length] :
         {std::array{slitX, slitBottom, 170.0}, std::array{560.0, 196.0, 60.0}, std::array{990.0, 210.0, 140.0}}) {
        cairo_move_to(cairo, x - 14.0, top);
        cairo_curve_to(cairo, x - 18.0, top + length * 0.5, x - 6.0, top + length * 0.8, x, top + length);
        cairo_curve_to(cairo, x + 6.0, top + length * 0.8, x + 16.0, top + length * 0.5, x + 12.0, top);
        cairo_close_path(cairo);
        SetGradient(cairo, cairo_pattern_create_linear(0.0, top, 0.0, top + length),
                    {{0.0, damp, 0.45}, {1.0, damp, 0.0}});
        cairo_fill(cairo);
    }
    for (const auto& [x, y, size] : {std::array{40.0, floorY - 6.0, 18.0}, std::array{300.0, floorY - 4.0, 12.0},
                                     std::array{pillars[0] + 14.0, 186.0, 10.0}, std::array{770.0, floorY - 4.0, 14.0},
                                     std::array{1000.0, floorY - 6.0, 16.0}, std::array{118.0, 212.0, 9.0}})
        Moss(cairo, x, y, size);
}

// The slit window high in the left bay: a sliver of sky behind two bars,
// and its cold beam slanting down to the floor by the iron ball.
void Slit(cairo_t* cairo)
{
    cairo_move_to(cairo, slitX + 20.0, slitBottom + 480.0);
    cairo_line_to(cairo, slitX + 210.0, slitBottom + 340.0);
    cairo_line_to(cairo, slitX + 14.0, slitTop);
    cairo_line_to(cairo, slitX - 14.0, slitTop + 20.0);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, slitTop, 0.0, slitBottom + 420.0),
                {{0.0, daylight, 0.32}, {1.0, daylight, 0.0}});
    cairo_fill(cairo);
    RoundedRectangle(cairo, slitX - 24.0, slitTop - 12.0, 48.0, slitBottom - slitTop + 24.0, 6.0);
    FillOutlined(cairo, stoneLight, stoneMid, 3.0);
    RoundedRectangle(cairo, slitX - 13.0, slitTop, 26.0, slitBottom - slitTop, 10.0);
    SetVerticalGradient(cairo, slitTop, slitBottom, 0x9CCCF0, 0xE6F4FF);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    for (const double x : {slitX - 5.0, slitX + 5.0}) {
        cairo_move_to(cairo, x, slitTop);
        cairo_line_to(cairo, x, slitBottom);
    }
    StrokeBand(cairo, ironLight, 2.5, 5.5);
}

// The cell's recess behind its bars (the bars are the cell's graphic): the
// rough back of the cell in deep shade, a plank bed on chains and a water
// jug, lit only from the front.
void CellRecess(cairo_t* cairo)
{
    ArchPath(cairo, cellLeft, cellTop, cellWidth, floorY + 2.0, 18.0);
    FillOutlined(cairo, stoneLight, stoneMid, 3.0);
    ArchPath(cairo, cellLeft, cellTop, cellWidth, floorY + 2.0);
    SetVerticalGradient(cairo, cellTop, floorY, cellDark, 0x48445A);
    cairo_fill(cairo);
    cairo_save(cairo);
    ArchPath(cairo, cellLeft, cellTop, cellWidth, floorY + 2.0);
    cairo_clip(cairo);
    Masonry(cairo, cellLeft, cellTop + 20.0, cellLeft + cellWidth, floorY - 40.0, 70.0, 32.0, 5);
    // The cell's floor, a little lighter towards the bars.
    cairo_rectangle(cairo, cellLeft, floorY - 40.0, cellWidth, 42.0);
    SetVerticalGradient(cairo, floorY - 40.0, floorY, 0x3A3648, 0x5A5466);
    cairo_fill(cairo);
    // The plank bed hanging on two chains from the wall.
    RoundedRectangle(cairo, cellLeft + 30.0, floorY - 92.0, 140.0, 14.0, 3.0);
    FillOutlined(cairo, 0x7A5A40, 0x4E3828, 2.5);
    for (const double x : {cellLeft + 40.0, cellLeft + 160.0}) {
        cairo_move_to(cairo, x, floorY - 90.0);
        cairo_line_to(cairo, x + (x < cellLeft + 100.0 ? -10.0 : 10.0), floorY - 160.0);
    }
    StrokeDashed(cairo, 3.0, 5.0, 3.0, ironLight, 0.8);
    // A water jug on the floor.
    cairo_move_to(cairo, cellLeft + 212.0, floorY - 10.0);
    cairo_curve_to(cairo, cellLeft + 196.0, floorY - 26.0, cellLeft + 200.0, floorY - 50.0, cellLeft + 212.0,
                   floorY - 54.0);
    cairo_line_to(cairo, cellLeft + 232.0, floorY - 54.0);
    cairo_curve_to(cairo, cellLeft + 244.0, floorY - 50.0, cellLeft + 248.0, floorY - 26.0, cellLeft + 232.0,
                   floorY - 10.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0x9A6A4A, 0x6A4430, 2.5);
    // The light from the torch falling in through the bars.
    Glow(cairo, cellLeft + cellWidth, floorY - 60.0, 220.0, ember, 0.25);
    cairo_restore(cairo);
}

// The steps up to the door in the right bay: four worn treads, each wider
// than the one above, between the walls of the stairway cut into the bay.
void Stairs(cairo_t* cairo)
{
    const double doorLeft = doorX;
    const double doorRight = doorX + doorWidth;
    // The stairway's recess cut into the bay, in shade, its stones lit
    // from the side by the torch.
    ArchPath(cairo, recessLeft, recessTop, recessWidth, floorY + 2.0, 14.0);
    FillOutlined(cairo, stoneMid, stoneDark, 3.0);
    ArchPath(cairo, recessLeft, recessTop, recessWidth, floorY + 2.0);
    SetGradient(cairo, cairo_pattern_create_linear(recessLeft, 0.0, recessLeft + recessWidth, 0.0),
                {{0.0, 0x6A6070}, {0.5, vaultLight}, {1.0, vaultDark}});
    cairo_fill(cairo);
    cairo_save(cairo);
    ArchPath(cairo, recessLeft, recessTop, recessWidth, floorY + 2.0);
    cairo_clip(cairo);
    Masonry(cairo, recessLeft, recessTop, recessLeft + recessWidth, floorY, 64.0, 30.0, 23);
    cairo_restore(cairo);
    // The arch round the doorway.
    ArchPath(cairo, doorX, doorY, doorWidth, sillY, 20.0);
    FillOutlined(cairo, stoneLight, stoneMid, 3.0);
    const double centre = doorX + doorWidth / 2.0;
    const double radius = doorWidth / 2.0;
    cairo_set_line_width(cairo, 2.0);
    for (int stone = 0; stone <= 6; ++stone) {
        const double angle = pi + stone * pi / 6.0;
        cairo_move_to(cairo, centre + radius * std::cos(angle), doorY + radius + radius * std::sin(angle));
        cairo_line_to(cairo, centre + (radius + 20.0) * std::cos(angle),
                      doorY + radius + (radius + 20.0) * std::sin(angle));
    }
    for (double y = doorY + radius + 40.0; y < sillY; y += 42.0) {
        cairo_move_to(cairo, doorLeft - 20.0, y);
        cairo_line_to(cairo, doorLeft, y);
        cairo_move_to(cairo, doorRight, y);
        cairo_line_to(cairo, doorRight + 20.0, y);
    }
    SetColour(cairo, colour::outline, 0.55);
    cairo_stroke(cairo);
    // The treads from the top down: each a lit top and a shaded riser.
    const double rise = (floorY + 8.0 - sillY) / steps;
    for (int step = 0; step < steps; ++step) {
        const double top = sillY + step * rise;
        const double spread = 22.0 + step * (recessWidth - doorWidth - 44.0) / (2.0 * (steps - 1));
        cairo_rectangle(cairo, doorLeft - spread, top, doorWidth + 2.0 * spread, rise * 0.45);
        FillOutlined(cairo, 0xB4AEB8, stoneLight, 2.5);
        cairo_rectangle(cairo, doorLeft - spread, top + rise * 0.45, doorWidth + 2.0 * spread, rise * 0.55);
        FillOutlined(cairo, stoneMid, stoneDark, 2.5);
        // The middle of each tread worn hollow by many feet.
        Ellipse(cairo, doorX + doorWidth / 2.0, top + rise * 0.3, doorWidth * 0.3, rise * 0.12);
        FillPlain(cairo, colour::outline, 0.12);
    }
}

// The floor of big flagstones, its joints running to the room's vanishing
// point, wet in places; the light of the torch and of the slit on it.
void Floor(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, floorY, width + 20.0, height - floorY + 10.0);
    SetVerticalGradient(cairo, floorY, height, flagLight, flagDark);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_save(cairo);
    cairo_rectangle(cairo, 0.0, floorY, width, height - floorY);
    cairo_clip(cairo);
    // Rows of flagstones, deeper towards the front, each row's joints
    // shifted, all running towards a point far above the middle.
    constexpr double vanishX = 512.0;
    constexpr double vanishY = 120.0;
    double top = floorY;
    cairo_set_line_width(cairo, 2.0);
    for (int row = 0; top < height; ++row) {
        const double depth = 26.0 + row * 18.0;
        const double bottom = top + depth;
        cairo_move_to(cairo, 0.0, bottom);
        cairo_line_to(cairo, width, bottom);
        const double shift = row % 2 == 0 ? 0.0 : 0.5;
        for (int joint = -8; joint <= 8; ++joint) {
            const double atTop = vanishX + (joint + shift) * 150.0 * (top - vanishY) / (floorY - vanishY);
            const double atBottom = vanishX + (joint + shift) * 150.0 * (bottom - vanishY) / (floorY - vanishY);
            cairo_move_to(cairo, atTop, top);
            cairo_line_to(cairo, atBottom, bottom);
        }
        top = bottom;
    }
    SetColour(cairo, colour::outline, 0.3);
    cairo_stroke(cairo);
    // Puddles under the wet wall, catching the light.
    for (const auto& [x, y, size] : {std::array{120.0, 620.0, 60.0}, std::array{640.0, 520.0, 34.0}}) {
        Ellipse(cairo, x, y, size, size * 0.18);
        FillPlain(cairo, damp, 0.45);
        Ellipse(cairo, x + size * 0.2, y - size * 0.04, size * 0.4, size * 0.05);
        FillPlain(cairo, tone::white, 0.3);
    }
    // Scattered wisps of straw from the heap in the corner.
    for (int wisp = 0; wisp < 14; ++wisp) {
        const double x = 700.0 + std::fmod(wisp * 97.0, 300.0);
        const double y = 560.0 + std::fmod(wisp * 53.0, 100.0);
        const double angle = wisp * 0.7;
        cairo_move_to(cairo, x, y);
        cairo_line_to(cairo, x + 16.0 * std::cos(angle), y + 4.0 * std::sin(angle));
    }
    StrokeBand(cairo, straw, 1.5, 3.5);
    Glow(cairo, torchX, 560.0, 300.0, ember, 0.3);
    Glow(cairo, 230.0, 560.0, 150.0, daylight, 0.25);
    Glow(cairo, doorX + doorWidth / 2.0, floorY + 10.0, 120.0, colour::cream, 0.25);
    // The shadow the ball and the wall lay on the floor.
    cairo_rectangle(cairo, 0.0, floorY, width, 16.0);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, floorY, 0.0, floorY + 16.0),
                {{0.0, colour::outline, 0.35}, {1.0, colour::outline, 0.0}});
    cairo_fill(cairo);
    cairo_restore(cairo);
}

void Paint(cairo_t* cairo)
{
    Vault(cairo);
    Slit(cairo);
    CellRecess(cairo);
    Stairs(cairo);
    Floor(cairo);
    // The torch's warmth on the wall round the right pillar.
    Glow(cairo, torchX, torchY, 260.0, ember, 0.3);
    Glow(cairo, torchX, torchY, 90.0, emberLight, 0.25);
    // The corners and the vault's top sink into darkness.
    SetGradient(cairo, cairo_pattern_create_radial(width / 2.0, 430.0, 260.0, width / 2.0, 430.0, 720.0),
                {{0.0, colour::outline, 0.0}, {1.0, colour::outline, 0.55}});
    cairo_paint(cairo);
}

// The door at the head of the steps: oak planks on iron straps, hinged on
// the left; open, it shows the stair winding on up into the daylight of
// the yard.
void Door(cairo_t* cairo, int frame)
{
    const auto stairUp = [&] {
        cairo_rectangle(cairo, 0.0, 0.0, doorWidth, doorHeight);
        SetVerticalGradient(cairo, 0.0, doorHeight, 0xF4F0E0, 0xA8A2AE);
        cairo_fill(cairo);
        Glow(cairo, doorWidth * 0.6, 20.0, 120.0, tone::white, 0.7);
        for (int step = 0; step < 6; ++step) {
            const double top = doorHeight - 30.0 - step * 30.0;
            cairo_rectangle(cairo, -2.0, top, doorWidth + 4.0, 30.0);
            SetVerticalGradient(cairo, top, top + 30.0, 0xDCD6D0, 0x9C96A2);
            cairo_fill_preserve(cairo);
            cairo_set_line_width(cairo, 2.0);
            SetColour(cairo, colour::outline, 0.35 - step * 0.04);
            cairo_stroke(cairo);
        }
    };
    const auto fittings = [&](double edge, double side, double leaf, double open) {
        if (leaf > 30.0) {
            Circle(cairo, edge + side * 20.0, 118.0, 9.0);
            StrokeBand(cairo, ironLight, 3.0, 6.5);
        }
        cairo_move_to(cairo, edge, 0.0);
        cairo_line_to(cairo, edge, doorHeight);
        StrokeOutline(cairo, 3.0);
        cairo_rectangle(cairo, edge, 0.0, 10.0 * open, doorHeight);
        FillPlain(cairo, 0x45301F);
    };
    DrawArchedDoor(cairo, doorWidth, doorHeight, frame,
                   {.count = 1,
                    .turn = 0.86,
                    .outlineWidth = 0.0,
                    .squeezed = true,
                    .planks = 4,
                    .seamShade = 0.55,
                    .straps = {74.0, 170.0},
                    .strapHeight = 12.0,
                    .strapLight = ironLight,
                    .strapDark = iron},
                   stairUp, fittings);
}

// The rusty ring: a square plate bolted into the wall with four rivets,
// the big bolt through its eye and the ring hanging from it, rust running
// down the stone below.
void Ring(cairo_t* cairo, int /*frame*/)
{
    const double x = ringWidth / 2.0;
    cairo_move_to(cairo, x - 8.0, 30.0);
    cairo_curve_to(cairo, x - 14.0, 50.0, x - 4.0, 66.0, x + 2.0, 78.0);
    cairo_curve_to(cairo, x + 8.0, 66.0, x + 14.0, 50.0, x + 10.0, 30.0);
    cairo_close_path(cairo);
    FillPlain(cairo, rust, 0.35);
    RoundedRectangle(cairo, x - 22.0, 4.0, 44.0, 40.0, 5.0);
    FillOutlined(cairo, ironLight, iron, 3.0);
    for (const auto& [dx, dy] :
         {std::array{-15.0, 11.0}, std::array{15.0, 11.0}, std::array{-15.0, 37.0}, std::array{15.0, 37.0}}) {
        Circle(cairo, x + dx, dy, 3.0);
        FillOutlined(cairo, rustLight, rust, 1.5);
    }
    // The ring, thick and pitted, hanging from the bolt's eye.
    Ellipse(cairo, x, 50.0, 26.0, 23.0);
    StrokeBand(cairo, rust, 7.0, 12.0);
    Ellipse(cairo, x, 50.0, 26.0, 23.0);
    StrokeDashed(cairo, 2.0, 3.0, 9.0, rustLight, 0.9);
    // The bolt's head over the ring's top.
    Circle(cairo, x, 26.0, 9.0);
    FillOutlined(cairo, ironLight, iron, 2.5);
    cairo_move_to(cairo, x - 5.0, 26.0);
    cairo_line_to(cairo, x + 5.0, 26.0);
    StrokeOutline(cairo, 2.0);
    Shine(cairo, x - 20.0, 44.0, x - 14.0, 34.0, 2.0, 0.5);
}

// The old iron ball on its chain: the chain falls from the ring down the
// wall, across the floor, to the ball lying in the dust.
void Ball(cairo_t* cairo, int /*frame*/)
{
    constexpr double ballCentreX = 92.0;
    constexpr double ballCentreY = 118.0;
    constexpr double ballRadius = 26.0;
    // The chain's links along a curve from the ring to the ball.
    const double wallX = ringCentreX - ballX;
    const std::array<std::array<double, 2>, 4> curve = {
        {{wallX, 0.0}, {wallX - 4.0, 60.0}, {wallX - 10.0, 110.0}, {ballCentreX - 20.0, ballCentreY - 6.0}}};
    constexpr int links = 13;
    for (int link = 0; link < links; ++link) {
        const double t = (link + 0.5) / links;
        const double u = 1.0 - t;
        const double x = u * u * u * curve[0][0] + 3.0 * u * u * t * curve[1][0] + 3.0 * u * t * t * curve[2][0] +
                         t * t * t * curve[3][0];
        const double y = u * u * u * curve[0][1] + 3.0 * u * u * t * curve[1][1] + 3.0 * u * t * t * curve[2][1] +
                         t * t * t * curve[3][1];
        const double dx = 3.0 * u * u * (curve[1][0] - curve[0][0]) + 6.0 * u * t * (curve[2][0] - curve[1][0]) +
                          3.0 * t * t * (curve[3][0] - curve[2][0]);
        const double dy = 3.0 * u * u * (curve[1][1] - curve[0][1]) + 6.0 * u * t * (curve[2][1] - curve[1][1]) +
                          3.0 * t * t * (curve[3][1] - curve[2][1]);
        cairo_save(cairo);
        cairo_translate(cairo, x, y);
        cairo_rotate(cairo, std::atan2(dy, dx));
        // Links alternate: one seen flat, the next edge on.
        if (link % 2 == 0)
            Ellipse(cairo, 0.0, 0.0, 7.0, 4.5);
        else
            Ellipse(cairo, 0.0, 0.0, 7.0, 1.6);
        cairo_restore(cairo);
        StrokeBand(cairo, link % 3 == 1 ? rust : ironLight, 2.2, 4.8);
    }
    // The shadow, the ball and the shackle that holds the chain.
    Ellipse(cairo, ballCentreX + 4.0, ballCentreY + ballRadius - 2.0, ballRadius + 8.0, 6.0);
    FillPlain(cairo, colour::outline, 0.4);
    Circle(cairo, ballCentreX, ballCentreY, ballRadius);
    SetRadialGradient(cairo, ballCentreX - 9.0, ballCentreY - 10.0, ballRadius * 1.4, 0x7E8494, 0x363A48);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    for (const auto& [dx, dy, size] :
         {std::array{8.0, 10.0, 5.0}, std::array{-12.0, 12.0, 3.5}, std::array{14.0, -6.0, 3.0}}) {
        Circle(cairo, ballCentreX + dx, ballCentreY + dy, size);
        FillPlain(cairo, rust, 0.55);
    }
    Shine(cairo, ballCentreX - 16.0, ballCentreY - 8.0, ballCentreX - 8.0, ballCentreY - 17.0, 3.0, 0.55);
    cairo_arc(cairo, ballCentreX - 22.0, ballCentreY - 10.0, 7.0, pi * 0.4, pi * 1.9);
    StrokeBand(cairo, ironLight, 3.0, 6.5);
}

// The bars of the cell: round iron rods set in the arch, two cross bands,
// and the barred door in the middle standing ajar on its hinges, its
// padlock hanging open.
void CellBars(cairo_t* cairo, int /*frame*/)
{
    constexpr double barsHeight = floorY - cellTop;
    cairo_save(cairo);
    ArchPath(cairo, 0.0, 0.0, cellWidth, barsHeight);
    cairo_clip(cairo);
    for (double x = 16.0; x < cellWidth; x += 26.0) {
        // The door's bars (the middle three) stand a little forward.
        const bool door = x > 110.0 && x < 180.0;
        cairo_move_to(cairo, x + (door ? 6.0 : 0.0), -4.0);
        cairo_line_to(cairo, x + (door ? 6.0 : 0.0), barsHeight);
        StrokeBand(cairo, ironLight, 4.0, 8.0);
    }
    for (const double y : {100.0, 200.0}) {
        cairo_rectangle(cairo, -4.0, y, cellWidth + 8.0, 9.0);
        FillOutlined(cairo, ironLight, iron, 2.5);
    }
    cairo_restore(cairo);
    ArchPath(cairo, 0.0, 0.0, cellWidth, barsHeight);
    StrokeOutline(cairo, 3.0);
    // The door's frame, its hinges and the open padlock on its hasp.
    cairo_rectangle(cairo, 106.0, 60.0, 80.0, barsHeight - 62.0);
    StrokeBand(cairo, ironLight, 4.0, 8.5);
    for (const double y : {80.0, barsHeight - 30.0}) {
        RoundedRectangle(cairo, 100.0, y, 12.0, 16.0, 3.0);
        FillOutlined(cairo, ironLight, iron, 2.0);
    }
    cairo_arc(cairo, 188.0, 140.0, 7.0, pi * 1.1, pi * 1.9);
    StrokeBand(cairo, ironLight, 2.5, 5.5);
    RoundedRectangle(cairo, 179.0, 140.0, 20.0, 18.0, 4.0);
    FillOutlined(cairo, 0xC8A050, 0x8A6A2A, 2.0);
    Circle(cairo, 189.0, 148.0, 2.0);
    FillPlain(cairo, colour::outline);
}

// The heap of old straw in the front corner, bristling with stalks.
void Straw(cairo_t* cairo, int /*frame*/)
{
    Ellipse(cairo, 96.0, 70.0, 92.0, 12.0);
    FillPlain(cairo, colour::outline, 0.35);
    cairo_move_to(cairo, 6.0, 72.0);
    cairo_curve_to(cairo, 10.0, 40.0, 40.0, 16.0, 84.0, 14.0);
    cairo_curve_to(cairo, 130.0, 12.0, 170.0, 36.0, 186.0, 72.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, straw, strawDark, 3.0);
    // Stalks in the heap and sticking out of it, a few darker and older.
    for (int stalk = 0; stalk < 30; ++stalk) {
        const double x = 20.0 + std::fmod(stalk * 41.0, 150.0);
        const double y = 24.0 + std::fmod(stalk * 17.0, 40.0);
        const double angle = -0.9 + std::fmod(stalk * 0.61, 1.8);
        const double length = 14.0 + std::fmod(stalk * 7.0, 14.0);
        cairo_move_to(cairo, x, y);
        cairo_line_to(cairo, x + length * std::sin(angle), y - length * std::cos(angle) * 0.6);
        SetColour(cairo, stalk % 4 == 0 ? strawDark : 0xF6DC8C);
        cairo_set_line_width(cairo, 2.0);
        cairo_stroke(cairo);
    }
    for (const auto& [x0, y0, x1, y1] : {std::array{30.0, 30.0, 14.0, 6.0}, std::array{96.0, 16.0, 102.0, 2.0},
                                         std::array{150.0, 32.0, 176.0, 16.0}, std::array{60.0, 20.0, 48.0, 4.0}}) {
        cairo_move_to(cairo, x0, y0);
        cairo_line_to(cairo, x1, y1);
    }
    StrokeBand(cairo, straw, 2.0, 4.5);
}

// The torch in its iron bracket on the pillar; the flame leans and licks
// through the frames, sparks drifting up.
constexpr int torchFrames = 6;
constexpr int torchGraphicX = static_cast<int>(torchX) - 30;
constexpr int torchGraphicY = static_cast<int>(torchY) - 56;

void Torch(cairo_t* cairo, int frame)
{
    const double phase = frame * 2.0 * pi / torchFrames;
    constexpr double x = 30.0;
    // The bracket: a band round the pillar and a cup.
    RoundedRectangle(cairo, x - 16.0, 104.0, 32.0, 10.0, 3.0);
    FillOutlined(cairo, ironLight, iron, 2.5);
    cairo_move_to(cairo, x - 10.0, 74.0);
    cairo_line_to(cairo, x + 10.0, 74.0);
    cairo_line_to(cairo, x + 4.0, 108.0);
    cairo_line_to(cairo, x - 4.0, 108.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, ironLight, iron, 2.5);
    // The wooden stave with its pitch-soaked head.
    RoundedRectangle(cairo, x - 5.0, 50.0, 10.0, 58.0, 3.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    RoundedRectangle(cairo, x - 9.0, 48.0, 18.0, 16.0, 5.0);
    FillOutlined(cairo, 0x6A4A34, 0x45301F, 2.0);
    // The flame.
    Glow(cairo, x, 34.0, 30.0, ember, 0.45 + 0.1 * std::sin(phase));
    const double lean = 5.0 * std::sin(phase);
    const double lick = 40.0 + 6.0 * std::sin(phase * 2.0 + 0.5);
    cairo_move_to(cairo, x - 12.0, 52.0);
    cairo_curve_to(cairo, x - 18.0, 34.0, x - 6.0 + lean, 24.0, x + lean * 1.6, 52.0 - lick);
    cairo_curve_to(cairo, x + 8.0 + lean, 24.0, x + 18.0, 34.0, x + 12.0, 52.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, emberLight, ember, 2.0);
    cairo_move_to(cairo, x - 6.0, 52.0);
    cairo_curve_to(cairo, x - 8.0, 42.0, x - 2.0 + lean * 0.5, 36.0, x + lean, 52.0 - lick * 0.55);
    cairo_curve_to(cairo, x + 4.0 + lean * 0.5, 36.0, x + 8.0, 42.0, x + 6.0, 52.0);
    cairo_close_path(cairo);
    FillPlain(cairo, colour::cream);
    for (int spark = 0; spark < 3; ++spark) {
        const double rise = std::fmod(spark * 13.0 + frame * 5.0, 26.0);
        Circle(cairo, x + 6.0 * std::sin(phase + spark * 2.0), 14.0 - rise * 0.4 + spark * 3.0, 1.6);
        FillPlain(cairo, emberLight, 0.9);
    }
}

// The rat: grey-brown, sitting up by the straw, its nose sniffing and its
// whiskers quivering, its long pink tail curling this way and that.
constexpr int ratFrames = 6;
constexpr double ratScale = 1.25;

void Rat(cairo_t* cairo, int frame)
{
    const double phase = frame * 2.0 * pi / ratFrames;
    const double sniff = std::sin(phase * 2.0);
    cairo_scale(cairo, ratScale, ratScale);
    Ellipse(cairo, 40.0, 38.0, 30.0, 4.0);
    FillPlain(cairo, colour::outline, 0.35);
    // The tail first, behind the body.
    cairo_move_to(cairo, 52.0, 34.0);
    cairo_curve_to(cairo, 66.0, 38.0, 72.0, 30.0 + 6.0 * std::sin(phase), 68.0, 20.0 + 6.0 * std::sin(phase + 1.0));
    StrokeBand(cairo, 0xE8A0A0, 2.4, 5.0);
    // The body, the haunch and the head.
    Ellipse(cairo, 40.0, 26.0, 18.0, 12.0);
    FillOutlined(cairo, 0x9A8C84, 0x6A5E58, 2.5);
    Ellipse(cairo, 48.0, 28.0, 9.0, 8.0);
    FillOutlined(cairo, 0x8A7C74, 0x6A5E58, 2.0);
    cairo_save(cairo);
    cairo_translate(cairo, 22.0, 22.0);
    cairo_rotate(cairo, 0.05 * sniff);
    cairo_move_to(cairo, 6.0, -8.0);
    cairo_curve_to(cairo, -2.0, -8.0, -10.0, -2.0, -15.0 - sniff, 2.0);
    cairo_curve_to(cairo, -10.0, 6.0, 0.0, 8.0, 8.0, 6.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xA89A92, 0x6A5E58, 2.5);
    Circle(cairo, -15.0 - sniff, 2.0, 2.2);
    FillPlain(cairo, 0xE07A8A);
    // The ear, the bright eye and the whiskers.
    Ellipse(cairo, 4.0, -9.0, 5.0, 6.0);
    FillOutlined(cairo, 0xF0B4B4, 0x8A6A6A, 2.0);
    Circle(cairo, -4.0, -2.5, 2.2);
    FillPlain(cairo, colour::outline);
    Circle(cairo, -4.6, -3.1, 0.8);
    FillPlain(cairo, tone::white);
    for (const double spread : {-0.25, 0.05, 0.3}) {
        cairo_move_to(cairo, -13.0, 2.0);
        cairo_line_to(cairo, -24.0 - sniff, 2.0 + std::tan(spread + 0.08 * sniff) * 12.0);
    }
    cairo_set_line_width(cairo, 1.0);
    SetColour(cairo, colour::cream, 0.8);
    cairo_stroke(cairo);
    cairo_restore(cairo);
    // The front paws held up to the chest.
    for (const double x : {26.0, 31.0}) {
        Ellipse(cairo, x, 31.0, 2.6, 2.0);
        FillPlain(cairo, 0xE8A0A0);
    }
}

} // namespace

RoomDescription RoomVerlies()
{
    RoomDescription room;
    room.label = roomVerlies;
    room.folder = "data\\level04\\roomverlies\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The floor before the back wall and the steps up to the door: the
    // iron ball lies in a hole of it in the left bay (walked round in front)
    // and the straw fills the front right corner.
    room.floor = {{{10.0, 484.0}, {176.0, 484.0}, {176.0, 650.0}, {10.0, 650.0}},
                  {{10.0, 570.0}, {822.0, 570.0}, {822.0, 650.0}, {10.0, 650.0}},
                  {{296.0, 484.0}, {1014.0, 484.0}, {1014.0, 588.0}, {296.0, 588.0}},
                  {{doorX + 4.0, sillY + 4.0},
                   {doorX + doorWidth - 4.0, sillY + 4.0},
                   {doorX + doorWidth + 40.0, 490.0},
                   {doorX - 40.0, 490.0}}};
    room.leads = {{{60.0, 612.0}, {140.0, 612.0}, {330.0, 612.0}, {540.0, 612.0}, {700.0, 612.0}, {790.0, 612.0}},
                  {{790.0, 612.0}, {880.0, 540.0}, {897.0, 490.0}, {897.0, 412.0}},
                  {{140.0, 612.0}, {140.0, 506.0}},
                  {{330.0, 612.0}, {330.0, 548.0}},
                  {{540.0, 612.0}, {540.0, 500.0}},
                  {{700.0, 612.0}, {712.0, 510.0}},
                  {{790.0, 612.0}, {800.0, 626.0}}};
    room.backY = static_cast<int>(floorY);
    room.frontY = 720;
    room.light = 0xB4B0CC;
    room.lightPools = {{{torchX, 560.0}, 260.0, 100.0, 0xFFB070},
                       {{230.0, 570.0}, 120.0, 50.0, 0xDCE8FF},
                       {{doorX + doorWidth / 2.0, 450.0}, 90.0, 60.0, 0xF4ECDC}};
    room.graphics = {
        {"tuer_burghof", doorX, doorY, doorWidth, doorHeight, items::doorFrames, Door},
        {"ring", ringX, ringY, ringWidth, ringHeight, 1, Ring},
        {"kugel", ballX, ballY, ballWidth, ballHeight, 1, Ball},
        {"zelle", static_cast<int>(cellLeft), static_cast<int>(cellTop), static_cast<int>(cellWidth),
         static_cast<int>(floorY - cellTop), 1, CellBars},
        {"stroh", 830, 588, 192, 84, 1, Straw},
        {"fackel", torchGraphicX, torchGraphicY, 60, 116, torchFrames, Torch},
        {"ratte", 716, 550, 100, 55, ratFrames, Rat},
    };
    room.ambience = Ambience::dungeon;
    return room;
}

levels::RoomStaging VerliesStaging()
{
    using items::FullName;
    return {
        {{"TuerBurghof",
          "Zum Burghof",
          roomVerlies,
          FullName("RoomBurghof", "TuerVerlies"),
          {897, 412},
          {880, 540},
          "tuer_burghof"}},
        {{"Eisenkugel", "Eisenkugel", roomVerlies, items::Pickup::none, "eisenkugel", false}},
        {},
        {{"ring", "Eisenring", {140, 506}, Entity::rightUp},
         {"kugel", "Eisenkugel", {330, 548}, Entity::left},
         {"zelle", "Zelle", {540, 500}, Entity::up},
         {"stroh", "Stroh", {800, 626}, Entity::right},
         {"fackel", "Fackel", {712, 510}, Entity::up},
         {"ratte", "Ratte", {700, 612}, Entity::right}},
    };
}

} // namespace content::rooms
