// The village below Burg Felsenstein on a summer day: half-timbered houses
// under thatch along a cobbled street, the village wall with its stone arch
// out to the tournament meadow (the castle on its crag above it), the
// stone well with its winch, a washing line with a big white sheet and a
// goose guarding it, a market stall of vegetables, the smithy's front with
// its door, and the field gate back to the clearing at the left edge.

#include "Episode3Rooms.h"
#include "FieldGate.h"
#include "Felsenstein.h"
#include "SceneShapes.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"

#include <cmath>
#include <numbers>

namespace content::rooms {

namespace {

constexpr const char* dorf = "RoomDorf";
constexpr double pi = std::numbers::pi;
constexpr int width = 1024;
constexpr int height = 768;
constexpr double streetY = 470.0;
// The arch through the village wall: its opening's middle, width, top of
// its straight sides and its foot.
constexpr double archX = 470.0;
constexpr double archWidth = 110.0;
constexpr double archSideTop = 372.0;
constexpr double archFoot = 478.0;
// The smithy's door.
constexpr double smithyDoorX = 826.0;
constexpr double smithyDoorWidth = 86.0;
constexpr double smithyDoorTop = 350.0;
constexpr double smithyDoorFoot = 490.0;
// The washing line's posts stand on lineFootY; the graphic's left edge.
constexpr int lineLeft = 505;
constexpr int lineTop = 318;
constexpr int lineFootY = 552;
// Where the goose guards the line, by its feet. The scripts lead it away
// to beside the market stall, to (830, 606), once it has been fed.
constexpr int gooseX = 640;
constexpr int gooseFootY = 598;

constexpr std::uint32_t skyTop = 0x7CC6F0;
constexpr std::uint32_t skyLow = 0xE6F6FF;
constexpr std::uint32_t plaster = 0xF4E6C8;
constexpr std::uint32_t plasterShade = 0xDCC8A2;
constexpr std::uint32_t beam = 0x6E4A2E;
constexpr std::uint32_t beamDark = 0x4A301C;
constexpr std::uint32_t thatch = 0xD9B45A;
constexpr std::uint32_t thatchDark = 0xA07A30;
constexpr std::uint32_t cobble = 0xC9BFAE;
constexpr std::uint32_t cobbleDark = 0x9E9484;
constexpr std::uint32_t earth = 0xB89A70;
constexpr std::uint32_t earthDark = 0x8E7452;

void Sky(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, streetY);
    SetVerticalGradient(cairo, 0.0, 360.0, skyTop, skyLow);
    cairo_fill(cairo);
    Glow(cairo, 120.0, 60.0, 140.0, colour::cream, 0.8);
    DrawCloud(cairo, 660.0, 100.0, 0.6);
    DrawCloud(cairo, 300.0, 170.0, 0.45);
    // The hills behind the village and the castle above the arch.
    cairo_move_to(cairo, -20.0, 320.0);
    cairo_curve_to(cairo, 200.0, 270.0, 400.0, 300.0, 560.0, 280.0);
    cairo_curve_to(cairo, 760.0, 256.0, 900.0, 300.0, width + 20.0, 284.0);
    cairo_line_to(cairo, width + 20.0, streetY);
    cairo_line_to(cairo, -20.0, streetY);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xA3CC86, 0x86B46A, 2.5);
    DrawDistantCastle(cairo, archX + 10.0, 318.0, 0.5, 0.4);
}

// A house of beams and plaster under a thick thatched roof, its windows
// with red shutters and flower boxes.
void TimberHouse(cairo_t* cairo, double left, double right, double wallTop, double foot, double roofTop)
{
    const double wallWidth = right - left;
    cairo_rectangle(cairo, left, wallTop, wallWidth, foot - wallTop);
    SetVerticalGradient(cairo, wallTop, foot, plaster, plasterShade);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    // The beams: sill, posts, the middle rail and braces between.
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_SQUARE);
    const int bays = std::max(2, static_cast<int>(wallWidth / 70.0));
    const double bay = wallWidth / bays;
    const double middle = wallTop + (foot - wallTop) * 0.45;
    for (int post = 0; post <= bays; ++post) {
        cairo_move_to(cairo, left + post * bay, wallTop);
        cairo_line_to(cairo, left + post * bay, foot);
    }
    for (const double y : {wallTop + 4.0, middle, foot - 4.0}) {
        cairo_move_to(cairo, left, y);
        cairo_line_to(cairo, right, y);
    }
    for (int brace = 0; brace < bays; ++brace) {
        if (brace % 2 == 1)
            continue;
        const double x = left + brace * bay;
        cairo_move_to(cairo, x, middle);
        cairo_line_to(cairo, x + bay, wallTop + 4.0);
        cairo_move_to(cairo, x + bay, foot - 4.0);
        cairo_line_to(cairo, x, middle);
    }
    StrokeBand(cairo, beam, 6.0, 9.0);
    // Windows in the other bays, upstairs and down.
    for (int window = 1; window < bays; window += 2) {
        for (const double top : {wallTop + 16.0, middle + 14.0}) {
            const double x = left + window * bay + bay / 2.0;
            const double size = std::min(bay - 30.0, 40.0);
            if (top > middle && foot - top < size + 20.0)
                continue;
            for (const double side : {-1.0, 1.0}) {
                cairo_rectangle(cairo, x + side * (size / 2.0 + 9.0) - 8.0, top, 16.0, size);
                FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
            }
            cairo_rectangle(cairo, x - size / 2.0, top, size, size);
            FillOutlined(cairo, 0x5A6E8E, 0x3E4E6E, 2.5);
            cairo_move_to(cairo, x, top);
            cairo_line_to(cairo, x, top + size);
            cairo_move_to(cairo, x - size / 2.0, top + size / 2.0);
            cairo_line_to(cairo, x + size / 2.0, top + size / 2.0);
            StrokeBand(cairo, beam, 3.0, 5.0);
            Ellipse(cairo, x - size / 4.0, top + size / 4.0, size / 8.0, size / 10.0);
            FillPlain(cairo, tone::white, 0.5);
            RoundedRectangle(cairo, x - size / 2.0 - 4.0, top + size, size + 8.0, 10.0, 3.0);
            FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
            for (int flower = 0; flower < 4; ++flower) {
                Circle(cairo, x - size / 2.0 + 4.0 + flower * size / 3.2, top + size - 2.0, 4.5);
                FillOutlined(cairo, flower % 2 == 0 ? colour::hibiscus : 0xF6D24A, colour::outline, 1.5);
            }
        }
    }
    // The thatch: a thick rounded roof with its straw combed downwards.
    const auto roof = [&] {
        cairo_move_to(cairo, left - 24.0, wallTop + 12.0);
        cairo_curve_to(cairo, left - 10.0, roofTop + 40.0, left + 30.0, roofTop, left + wallWidth * 0.5, roofTop);
        cairo_curve_to(cairo, right - 30.0, roofTop, right + 10.0, roofTop + 40.0, right + 24.0, wallTop + 12.0);
        cairo_curve_to(cairo, right, wallTop + 2.0, left, wallTop + 2.0, left - 24.0, wallTop + 12.0);
        cairo_close_path(cairo);
    };
    roof();
    SetVerticalGradient(cairo, roofTop, wallTop + 12.0, thatch, thatchDark);
    cairo_fill(cairo);
    cairo_save(cairo);
    roof();
    cairo_clip(cairo);
    for (double x = left - 20.0; x < right + 20.0; x += 9.0) {
        cairo_move_to(cairo, x, roofTop + 10.0 + std::fmod(x * 7.0, 13.0));
        cairo_line_to(cairo, x + (x - (left + right) / 2.0) * 0.08, wallTop + 10.0);
    }
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, thatchDark, 0.6);
    cairo_stroke(cairo);
    cairo_restore(cairo);
    roof();
    StrokeOutline(cairo, 3.0);
}

// The village wall across the back and its arch; the view through the
// arch onto the meadow is painted here, the gate's leaves are a graphic.
void Wall(cairo_t* cairo)
{
    const double archLeft = archX - archWidth / 2.0;
    const double archRight = archX + archWidth / 2.0;
    const double wallTop = 318.0;
    // The meadow beyond the arch.
    cairo_rectangle(cairo, archLeft, archSideTop - archWidth / 2.0, archWidth, archFoot - archSideTop + archWidth);
    SetVerticalGradient(cairo, archSideTop - 40.0, archFoot, 0xB6DC8E, 0x8CC064);
    cairo_fill(cairo);
    cairo_move_to(cairo, archX - 20.0, archFoot);
    cairo_line_to(cairo, archX - 4.0, archSideTop + 20.0);
    cairo_line_to(cairo, archX + 4.0, archSideTop + 20.0);
    cairo_line_to(cairo, archX + 20.0, archFoot);
    cairo_close_path(cairo);
    FillPlain(cairo, 0xD8C69A);
    // The wall with the arch cut out of it.
    cairo_rectangle(cairo, 300.0, wallTop, 300.0, archFoot - wallTop);
    cairo_new_sub_path(cairo);
    cairo_move_to(cairo, archLeft, archFoot);
    cairo_line_to(cairo, archLeft, archSideTop);
    cairo_arc(cairo, archX, archSideTop, archWidth / 2.0, pi, 2.0 * pi);
    cairo_line_to(cairo, archRight, archFoot);
    cairo_close_path(cairo);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_EVEN_ODD);
    SetVerticalGradient(cairo, wallTop, archFoot, tone::stoneLight, colour::stone);
    cairo_fill_preserve(cairo);
    cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_WINDING);
    StrokeOutline(cairo, 3.0);
    // Courses of stone, the arch's voussoirs and the merlons on top.
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, colour::stone, 0.9);
    for (double y = wallTop + 22.0; y < archFoot; y += 22.0) {
        for (double x = 300.0 + std::fmod(y, 44.0); x < 600.0; x += 44.0) {
            if (x > archLeft - 6.0 && x < archRight + 6.0 && y > archSideTop - archWidth / 2.0)
                continue;
            cairo_rectangle(cairo, x, y - 22.0, 44.0, 22.0);
        }
    }
    cairo_stroke(cairo);
    for (int stone = 0; stone <= 8; ++stone) {
        const double angle = pi + stone * pi / 8.0;
        cairo_move_to(cairo, archX + std::cos(angle) * archWidth / 2.0, archSideTop + std::sin(angle) * archWidth / 2.0);
        cairo_line_to(cairo, archX + std::cos(angle) * (archWidth / 2.0 + 20.0),
                      archSideTop + std::sin(angle) * (archWidth / 2.0 + 20.0));
    }
    StrokeOutline(cairo, 2.0);
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, archX, archSideTop, archWidth / 2.0 + 20.0, pi, 2.0 * pi);
    StrokeOutline(cairo, 2.5);
    for (double x = 300.0; x < 600.0; x += 36.0) {
        cairo_rectangle(cairo, x, wallTop - 16.0, 22.0, 18.0);
        FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    }
    // A red and white banner over the arch.
    cairo_move_to(cairo, archX - 18.0, archSideTop - archWidth / 2.0 - 40.0);
    cairo_line_to(cairo, archX + 18.0, archSideTop - archWidth / 2.0 - 40.0);
    cairo_line_to(cairo, archX + 18.0, archSideTop - archWidth / 2.0 + 2.0);
    cairo_line_to(cairo, archX, archSideTop - archWidth / 2.0 - 8.0);
    cairo_line_to(cairo, archX - 18.0, archSideTop - archWidth / 2.0 + 2.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    cairo_rectangle(cairo, archX - 5.0, archSideTop - archWidth / 2.0 - 40.0, 10.0, 40.0);
    FillPlain(cairo, colour::cream);
}

// The smithy: a stone ground floor, beams above, a chimney, the sign of
// an anvil on its bracket, and the frame of its door.
void Smithy(cairo_t* cairo)
{
    constexpr double left = 742.0;
    TimberHouse(cairo, left, width + 30.0, 240.0, smithyDoorFoot, 120.0);
    cairo_rectangle(cairo, left, 336.0, width - left + 30.0, smithyDoorFoot - 336.0);
    SetVerticalGradient(cairo, 336.0, smithyDoorFoot, tone::stoneLight, colour::stone);
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, colour::stone);
    for (double y = 358.0; y < smithyDoorFoot; y += 22.0)
        for (double x = left + std::fmod(y, 40.0); x < width; x += 40.0)
            cairo_rectangle(cairo, x, y - 22.0, 40.0, 22.0);
    cairo_stroke(cairo);
    // A window glowing from the forge inside.
    RoundedRectangle(cairo, 940.0, 396.0, 56.0, 44.0, 6.0);
    FillOutlined(cairo, colour::orange, beamDark, 3.0);
    Glow(cairo, 968.0, 418.0, 40.0, colour::orangeLight, 0.8);
    // The chimney.
    cairo_rectangle(cairo, 960.0, 70.0, 40.0, 90.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 3.0);
    // The door's frame of beams; the door itself is a graphic.
    cairo_rectangle(cairo, smithyDoorX - smithyDoorWidth / 2.0 - 10.0, smithyDoorTop - 10.0, smithyDoorWidth + 20.0,
                    smithyDoorFoot - smithyDoorTop + 10.0);
    FillOutlined(cairo, beam, beamDark, 3.0);
    cairo_rectangle(cairo, smithyDoorX - smithyDoorWidth / 2.0, smithyDoorTop, smithyDoorWidth,
                    smithyDoorFoot - smithyDoorTop);
    FillPlain(cairo, 0x2A1E16);
    Glow(cairo, smithyDoorX, smithyDoorFoot - 40.0, 50.0, colour::orange, 0.6);
    // The sign right of the door: an iron anvil hanging from a bracket.
    constexpr double bracketX = 890.0;
    constexpr double bracketY = 346.0;
    cairo_move_to(cairo, bracketX, bracketY);
    cairo_line_to(cairo, bracketX + 64.0, bracketY);
    cairo_move_to(cairo, bracketX, bracketY + 20.0);
    cairo_line_to(cairo, bracketX + 20.0, bracketY);
    StrokeBand(cairo, colour::steel, 4.0, 7.0);
    for (const double x : {bracketX + 20.0, bracketX + 52.0}) {
        cairo_move_to(cairo, x, bracketY);
        cairo_line_to(cairo, x, bracketY + 12.0);
    }
    StrokeOutline(cairo, 2.0);
    const double anvilX = bracketX + 36.0;
    const double anvilY = bracketY + 12.0;
    cairo_move_to(cairo, anvilX - 30.0, anvilY);
    cairo_line_to(cairo, anvilX + 30.0, anvilY);
    cairo_curve_to(cairo, anvilX + 30.0, anvilY + 10.0, anvilX + 16.0, anvilY + 12.0, anvilX + 12.0, anvilY + 14.0);
    cairo_line_to(cairo, anvilX + 16.0, anvilY + 28.0);
    cairo_line_to(cairo, anvilX - 16.0, anvilY + 28.0);
    cairo_line_to(cairo, anvilX - 10.0, anvilY + 14.0);
    cairo_curve_to(cairo, anvilX - 20.0, anvilY + 12.0, anvilX - 30.0, anvilY + 8.0, anvilX - 30.0, anvilY);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0x5E6670, 0x3A4048, 2.5);
}

void Street(cairo_t* cairo)
{
    cairo_rectangle(cairo, -10.0, streetY, width + 20.0, height - streetY + 10.0);
    SetVerticalGradient(cairo, streetY, height, earth, earthDark);
    cairo_fill(cairo);
    cairo_move_to(cairo, -10.0, streetY);
    cairo_line_to(cairo, width + 10.0, streetY);
    StrokeOutline(cairo, 3.0);
    // Cobbles in a band widening from the arch to the front, laid a little
    // unevenly.
    for (int row = 0; row < 9; ++row) {
        const double y = streetY + 12.0 + row * row * 2.2 + row * 12.0;
        const double size = 8.0 + row * 1.6;
        const double spread = 70.0 + row * 70.0;
        int index = 0;
        for (double x = archX - spread + (row % 2) * size; x < archX + spread; x += size * 2.4) {
            const double jitter = std::fmod(index * 37.0 + row * 11.0, 7.0) - 3.0;
            Ellipse(cairo, x + jitter, y + jitter * 0.4, size * (0.85 + 0.05 * (index % 3)), size * 0.42);
            ++index;
        }
        FillOutlined(cairo, cobble, cobbleDark, 1.5);
    }
    // Grass along the foot of the houses and the wall.
    for (double x = 0.0; x < width; x += 23.0) {
        if (std::abs(x - archX) < archWidth / 2.0 + 10.0)
            continue;
        cairo_move_to(cairo, x, streetY + 4.0);
        cairo_line_to(cairo, x + 4.0, streetY - 8.0);
        cairo_line_to(cairo, x + 8.0, streetY + 4.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::moss);
    cairo_stroke(cairo);
}

void Paint(cairo_t* cairo)
{
    Sky(cairo);
    TimberHouse(cairo, 96.0, 330.0, 270.0, streetY + 6.0, 150.0);
    TimberHouse(cairo, 590.0, 720.0, 300.0, streetY + 6.0, 214.0);
    Wall(cairo);
    Smithy(cairo);
    Street(cairo);
    // A hedge along the field gate's side of the street.
    for (int bush = 0; bush < 4; ++bush)
        Circle(cairo, 20.0 + bush * 30.0, 480.0 - (bush % 2) * 10.0, 28.0);
    FillUnion(cairo, 0x6FA850, 0x2F6433, 2.5);
}

// The two leaves of the arch's gate, oak planks with iron bands, that
// swing open towards the viewer, the meadow showing between them.
void ArchGate(cairo_t* cairo, int frame)
{
    const double graphicWidth = archWidth;
    const double graphicHeight = archFoot - (archSideTop - archWidth / 2.0);
    const double springY = archWidth / 2.0;
    const double turned = items::DoorOpening(frame);
    const double leafWidth = graphicWidth / 2.0;
    for (const double side : {-1.0, 1.0}) {
        const double hinge = side < 0.0 ? 0.0 : graphicWidth;
        const double reach = -side * leafWidth * std::cos(turned * 0.47 * pi);
        const double grow = 14.0 * std::sin(turned * 0.47 * pi);
        cairo_save(cairo);
        // Shut, each leaf fills its half of the arch's opening.
        cairo_move_to(cairo, hinge, graphicHeight);
        cairo_line_to(cairo, hinge, springY);
        if (side < 0.0)
            cairo_arc(cairo, leafWidth, springY, leafWidth, pi, 1.5 * pi);
        else
            cairo_arc(cairo, leafWidth, springY, leafWidth, 1.5 * pi, 2.0 * pi);
        cairo_line_to(cairo, hinge, graphicHeight);
        cairo_close_path(cairo);
        cairo_restore(cairo);
        cairo_new_path(cairo);
        // The leaf as it turns: its free edge comes towards the viewer.
        cairo_move_to(cairo, hinge, graphicHeight - 1.0);
        cairo_line_to(cairo, hinge, springY);
        cairo_curve_to(cairo, hinge, springY - leafWidth * 0.6, hinge + reach * 0.4, -grow * 0.5,
                       hinge + reach, -grow * 0.3 + (1.0 - std::cos(turned * 0.47 * pi)) * springY * 0.3);
        cairo_line_to(cairo, hinge + reach, graphicHeight - 1.0);
        cairo_close_path(cairo);
        SetVerticalGradient(cairo, 0.0, graphicHeight, tone::woodLight, tone::wood);
        cairo_fill_preserve(cairo);
        StrokeOutline(cairo, 2.5);
        // Planks and iron bands.
        cairo_set_line_width(cairo, 1.5);
        SetColour(cairo, tone::wood);
        for (int plank = 1; plank < 4; ++plank) {
            const double x = hinge + reach * plank / 4.0;
            cairo_move_to(cairo, x, springY * (1.0 - 0.8 * plank / 4.0) + 6.0);
            cairo_line_to(cairo, x, graphicHeight - 3.0);
        }
        cairo_stroke(cairo);
        for (const double y : {springY + 14.0, graphicHeight - 24.0}) {
            cairo_move_to(cairo, hinge, y);
            cairo_line_to(cairo, hinge + reach, y);
            StrokeBand(cairo, 0x5E6670, 3.5, 6.5);
        }
        if (std::abs(reach) > 8.0) {
            Circle(cairo, hinge + reach * 0.85, graphicHeight * 0.62, 5.0);
            StrokeBand(cairo, 0x5E6670, 2.0, 4.0);
        }
    }
}

// The smithy's door of heavy planks on iron hinges, opening inwards into
// the forge's warm dark.
void SmithyDoor(cairo_t* cairo, int frame)
{
    const double doorHeight = smithyDoorFoot - smithyDoorTop;
    const double turned = items::DoorOpening(frame);
    // Inside: dark, lit red from the forge.
    cairo_rectangle(cairo, 0.0, 0.0, smithyDoorWidth, doorHeight);
    SetVerticalGradient(cairo, 0.0, doorHeight, 0x2A1E16, 0x5A2E1A);
    cairo_fill(cairo);
    Glow(cairo, smithyDoorWidth * 0.7, doorHeight * 0.7, 60.0, colour::orange, 0.7);
    // The leaf, hinged on the left, narrowing as it swings in.
    const double leafWidth = smithyDoorWidth * (1.0 - 0.85 * turned);
    const double sink = 8.0 * turned;
    cairo_move_to(cairo, 0.0, 0.0);
    cairo_line_to(cairo, leafWidth, sink);
    cairo_line_to(cairo, leafWidth, doorHeight - sink);
    cairo_line_to(cairo, 0.0, doorHeight);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, 0.0, smithyDoorWidth, 0.0),
                {{0.0, tone::woodLight}, {1.0, 0xA87444}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, tone::wood);
    for (int plank = 1; plank < 4; ++plank) {
        const double x = leafWidth * plank / 4.0;
        cairo_move_to(cairo, x, sink * plank / 4.0 + 2.0);
        cairo_line_to(cairo, x, doorHeight - sink * plank / 4.0 - 2.0);
    }
    cairo_stroke(cairo);
    for (const double y : {24.0, doorHeight - 30.0}) {
        cairo_move_to(cairo, 0.0, y);
        cairo_line_to(cairo, leafWidth * 0.8, y + (y < doorHeight / 2.0 ? sink * 0.8 : -sink * 0.8));
        StrokeBand(cairo, 0x5E6670, 4.0, 7.0);
    }
    if (leafWidth > 20.0) {
        Circle(cairo, leafWidth - 12.0, doorHeight * 0.55, 5.0);
        StrokeBand(cairo, 0x5E6670, 2.0, 4.0);
    }
    cairo_rectangle(cairo, 0.0, 0.0, smithyDoorWidth, doorHeight);
    StrokeOutline(cairo, 3.0);
}

// The well: a round wall of stones, two posts with a little shingled roof,
// the winch with its crank and the rope down to a bucket on the rim.
void Well(cairo_t* cairo, int /*frame*/)
{
    constexpr double x = 100.0;
    constexpr double rim = 150.0;
    constexpr double foot = 226.0;
    // The posts and the roof.
    for (const double side : {-1.0, 1.0}) {
        RoundedRectangle(cairo, x + side * 70.0 - 7.0, 48.0, 14.0, rim - 40.0, 3.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    }
    cairo_move_to(cairo, x - 96.0, 62.0);
    cairo_line_to(cairo, x, 6.0);
    cairo_line_to(cairo, x + 96.0, 62.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 3.0);
    for (int row = 1; row < 3; ++row) {
        cairo_move_to(cairo, x - 96.0 + row * 30.0, 62.0 - row * 17.5);
        cairo_line_to(cairo, x + 96.0 - row * 30.0, 62.0 - row * 17.5);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::banner);
    cairo_stroke(cairo);
    // The winch: a log across the posts (its rope is a picture of its own).
    RoundedRectangle(cairo, x - 72.0, 82.0, 144.0, 16.0, 8.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    // The crank on the right post.
    cairo_move_to(cairo, x + 76.0, 90.0);
    cairo_line_to(cairo, x + 92.0, 90.0);
    cairo_line_to(cairo, x + 92.0, 116.0);
    StrokeBand(cairo, 0x5E6670, 4.0, 7.0);
    RoundedRectangle(cairo, x + 88.0, 112.0, 14.0, 10.0, 4.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    // The round wall: its dark opening, then the stones of its front.
    Ellipse(cairo, x, rim, 78.0, 18.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 3.0);
    Ellipse(cairo, x, rim + 2.0, 62.0, 12.0);
    FillPlain(cairo, 0x2A3440);
    cairo_move_to(cairo, x - 78.0, rim);
    cairo_line_to(cairo, x - 78.0, foot - 20.0);
    cairo_curve_to(cairo, x - 78.0, foot + 4.0, x + 78.0, foot + 4.0, x + 78.0, foot - 20.0);
    cairo_line_to(cairo, x + 78.0, rim);
    cairo_curve_to(cairo, x + 78.0, rim + 24.0, x - 78.0, rim + 24.0, x - 78.0, rim);
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(x - 78.0, 0.0, x + 78.0, 0.0),
                {{0.0, tone::stoneLight}, {0.6, 0xBDB7AC}, {1.0, colour::stone}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 3.0);
    for (int course = 0; course < 3; ++course) {
        const double y = rim + 22.0 + course * 20.0;
        cairo_move_to(cairo, x - 78.0, y - 6.0);
        cairo_curve_to(cairo, x - 40.0, y + 10.0, x + 40.0, y + 10.0, x + 78.0, y - 6.0);
        for (int stone = 0; stone < 5; ++stone) {
            const double sx = x - 64.0 + stone * 32.0 + (course % 2) * 16.0;
            cairo_move_to(cairo, sx, y + 2.0 + 4.0 * std::cos((sx - x) / 80.0) - 4.0);
            cairo_line_to(cairo, sx, y + 22.0 - 4.0);
        }
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, colour::stone);
    cairo_stroke(cairo);
    // Moss at its foot.
    Ellipse(cairo, x - 50.0, foot - 8.0, 22.0, 6.0);
    FillPlain(cairo, colour::moss, 0.8);
}

// The well's rope, wound on the winch and down to the bucket on the rim,
// in the well's own frame: the twins' race at the winch pulls it all off.
void WellRope(cairo_t* cairo, int /*frame*/)
{
    constexpr double x = 100.0;
    constexpr double rim = 150.0;
    for (double dx = -30.0; dx <= 30.0; dx += 6.0) {
        cairo_move_to(cairo, x + dx, 82.0);
        cairo_line_to(cairo, x + dx + 3.0, 98.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, 0xC9A66A);
    cairo_stroke(cairo);
    cairo_move_to(cairo, x + 22.0, 98.0);
    cairo_line_to(cairo, x + 22.0, rim - 14.0);
    StrokeBand(cairo, 0xE0C48A, 2.5, 5.0);
    cairo_move_to(cairo, x + 10.0, rim - 14.0);
    cairo_line_to(cairo, x + 34.0, rim - 14.0);
    cairo_line_to(cairo, x + 30.0, rim + 6.0);
    cairo_line_to(cairo, x + 14.0, rim + 6.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
}

// The washing line's posts and the ends of its rope, in its graphic.
constexpr double leftPost = 22.0;
constexpr double rightPost = 238.0;
constexpr double ropeY = 40.0;

// The rope's height at x of the washing line's graphic, as it sags between
// the posts.
double RopeHeight(double x)
{
    const double t = (x - leftPost) / (rightPost - leftPost);
    return ropeY + 4.0 * 16.5 * t * (1.0 - t);
}

// A clothes peg on the rope at x of the graphic it is drawn in, which
// reaches `shift` pixels further right than the washing line's.
void Peg(cairo_t* cairo, double x, double shift)
{
    RoundedRectangle(cairo, x - 2.5, RopeHeight(x + shift) - 6.0, 5.0, 12.0, 2.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 1.5);
}

// The washing line: two forked posts, the rope sagging between them, and
// the small laundry on its right end (a shirt and stockings). The big
// sheet on its left is a graphic of its own.
void WashingLine(cairo_t* cairo, int /*frame*/)
{
    const double foot = lineFootY - lineTop;
    for (const double x : {leftPost, rightPost}) {
        RoundedRectangle(cairo, x - 6.0, ropeY - 6.0, 12.0, foot - ropeY + 4.0, 3.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
        cairo_move_to(cairo, x - 14.0, ropeY - 22.0);
        cairo_line_to(cairo, x, ropeY - 2.0);
        cairo_line_to(cairo, x + 14.0, ropeY - 22.0);
        StrokeBand(cairo, tone::woodLight, 5.0, 9.0);
    }
    cairo_move_to(cairo, leftPost, ropeY);
    cairo_curve_to(cairo, 90.0, ropeY + 22.0, 170.0, ropeY + 22.0, rightPost, ropeY);
    StrokeBand(cairo, 0xE0C48A, 2.0, 4.5);
    // A shirt.
    const double shirtX = 192.0;
    const double shirtTop = RopeHeight(shirtX);
    cairo_move_to(cairo, shirtX - 24.0, shirtTop);
    cairo_line_to(cairo, shirtX + 24.0, shirtTop);
    cairo_line_to(cairo, shirtX + 34.0, shirtTop + 22.0);
    cairo_line_to(cairo, shirtX + 20.0, shirtTop + 26.0);
    cairo_line_to(cairo, shirtX + 18.0, shirtTop + 64.0);
    cairo_line_to(cairo, shirtX - 18.0, shirtTop + 64.0);
    cairo_line_to(cairo, shirtX - 20.0, shirtTop + 26.0);
    cairo_line_to(cairo, shirtX - 34.0, shirtTop + 22.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0x9CC8E8, 0x5E8EB8, 2.5);
    // Two stockings and an apron.
    for (const double x : {220.0, 230.0}) {
        cairo_move_to(cairo, x - 4.0, RopeHeight(x));
        cairo_line_to(cairo, x - 4.0, RopeHeight(x) + 34.0);
        cairo_line_to(cairo, x + 4.0, RopeHeight(x) + 40.0);
        cairo_line_to(cairo, x + 5.0, RopeHeight(x));
        cairo_close_path(cairo);
        FillOutlined(cairo, x < 225.0 ? colour::banner : colour::cream, colour::outline, 2.0);
    }
    // Pegs.
    for (const double x : {shirtX - 20.0, shirtX + 20.0, 220.0, 230.0}) {
        Peg(cairo, x, 0.0);
    }
}

// The big white sheet pegged on the line's left end, billowing in the
// breeze; the scripts hide it once Juna has taken it. Its graphic reaches
// one row below the line's foot, so that it is drawn over the line.
constexpr int sheetFrames = 6;
void Sheet(cairo_t* cairo, int frame)
{
    constexpr double left = 18.0;
    constexpr double right = 140.0;
    const double billow = std::sin(frame * 2.0 * pi / sheetFrames);
    // The rope's height at x: the line's graphic begins 26 pixels further
    // left.
    constexpr double shift = 26.0;
    const auto rope = [](double x) { return RopeHeight(x + shift); };
    const double hem = 168.0 + 6.0 * billow;
    cairo_move_to(cairo, left, rope(left));
    cairo_line_to(cairo, right, rope(right));
    cairo_curve_to(cairo, right + 10.0 * billow, 90.0, right + 6.0 + 8.0 * billow, 140.0, right + 4.0 * billow, hem);
    for (int wave = 0; wave < 4; ++wave) {
        const double x0 = right + 4.0 * billow - wave * (right - left) / 4.0;
        const double x1 = x0 - (right - left) / 4.0;
        cairo_curve_to(cairo, x0 - 8.0, hem + 6.0 + 3.0 * billow, x1 + 8.0, hem + 6.0 - 3.0 * billow, x1,
                       hem - (wave % 2 == 0 ? 2.0 : 0.0));
    }
    cairo_curve_to(cairo, left - 4.0 - 6.0 * billow, 140.0, left - 6.0 * billow, 90.0, left, rope(left));
    cairo_close_path(cairo);
    SetGradient(cairo, cairo_pattern_create_linear(left, 0.0, right, 0.0),
                {{0.0, tone::white}, {0.6, colour::cream}, {1.0, 0xE2DCCF}});
    cairo_fill_preserve(cairo);
    StrokeOutline(cairo, 2.5);
    // Folds moving with the breeze.
    for (int fold = 0; fold < 3; ++fold) {
        const double x = left + 24.0 + fold * 30.0 + 6.0 * billow;
        cairo_move_to(cairo, x, rope(x) + 16.0);
        cairo_curve_to(cairo, x + 8.0 * billow, 90.0, x - 6.0 * billow, 130.0, x + 2.0, hem - 12.0);
    }
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, 0xC8C2B4, 0.8);
    cairo_stroke(cairo);
    for (const double x : {left + 6.0, (left + right) / 2.0, right - 6.0}) {
        Peg(cairo, x, shift);
    }
}

// The goose: white, orange bill and feet, guarding its line; it looks
// about, pecks at the ground and looks up again.
constexpr int gooseFrames = 6;
void Goose(cairo_t* cairo, int frame)
{
    constexpr double foot = 76.0;
    // How far the neck is bent down to the ground in each frame.
    const double bends[gooseFrames] = {0.0, 0.0, 0.5, 1.0, 1.0, 0.4};
    const double bend = bends[frame];
    // Feet.
    for (const double x : {38.0, 52.0}) {
        cairo_move_to(cairo, x, foot - 16.0);
        cairo_line_to(cairo, x, foot - 4.0);
        StrokeBand(cairo, colour::orange, 3.0, 5.5);
        cairo_move_to(cairo, x - 7.0, foot);
        cairo_line_to(cairo, x + 7.0, foot);
        cairo_line_to(cairo, x, foot - 5.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
    }
    // Body with its tail.
    cairo_move_to(cairo, 14.0, 36.0);
    cairo_line_to(cairo, 2.0, 28.0);
    cairo_line_to(cairo, 8.0, 44.0);
    cairo_curve_to(cairo, 10.0, 66.0, 50.0, 70.0, 66.0, 52.0);
    cairo_curve_to(cairo, 74.0, 42.0, 64.0, 32.0, 50.0, 32.0);
    cairo_curve_to(cairo, 36.0, 32.0, 22.0, 30.0, 14.0, 36.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::white, 0xC8CCD4, 2.5);
    cairo_move_to(cairo, 24.0, 44.0);
    cairo_curve_to(cairo, 34.0, 54.0, 46.0, 54.0, 56.0, 46.0);
    cairo_set_line_width(cairo, 2.0);
    SetColour(cairo, 0xC8CCD4);
    cairo_stroke(cairo);
    // Neck and head: upright, or bent down to peck in front of its feet.
    const double headX = 70.0 + 14.0 * bend;
    const double headY = 10.0 + 56.0 * bend;
    cairo_move_to(cairo, 56.0, 40.0);
    cairo_curve_to(cairo, 66.0 - 6.0 * bend, 30.0, 62.0 + 10.0 * bend, 18.0 + 30.0 * bend, headX - 2.0, headY);
    StrokeBand(cairo, tone::white, 9.0, 13.0);
    Circle(cairo, headX, headY, 8.0);
    FillOutlined(cairo, tone::white, 0xC8CCD4, 2.5);
    const double billAngle = bend * 1.1;
    cairo_save(cairo);
    cairo_translate(cairo, headX + 6.0, headY + 1.0);
    cairo_rotate(cairo, billAngle);
    cairo_move_to(cairo, 0.0, -4.0);
    cairo_line_to(cairo, 12.0, 0.0);
    cairo_line_to(cairo, 0.0, 4.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
    cairo_restore(cairo);
    Circle(cairo, headX + 2.0, headY - 2.0, 1.8);
    FillPlain(cairo, colour::outline);
}

// The market stall: a counter of planks under a red and white striped
// awning on two poles, baskets of cabbages, carrots, turnips and apples,
// and a pumpkin before it.
void MarketStall(cairo_t* cairo, int /*frame*/)
{
    constexpr double counterTop = 82.0;
    constexpr double foot = 148.0;
    for (const double x : {12.0, 136.0}) {
        RoundedRectangle(cairo, x - 5.0, 14.0, 10.0, foot - 16.0, 3.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    }
    // The awning.
    cairo_move_to(cairo, 0.0, 30.0);
    cairo_line_to(cairo, 148.0, 30.0);
    cairo_line_to(cairo, 140.0, 4.0);
    cairo_line_to(cairo, 8.0, 4.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::cream, colour::sand, 2.5);
    cairo_save(cairo);
    for (int stripe = 0; stripe < 5; ++stripe) {
        const double x = 8.0 + stripe * 28.0;
        cairo_move_to(cairo, x, 4.0);
        cairo_line_to(cairo, x + 14.0, 4.0);
        cairo_line_to(cairo, x + 14.0 - 2.0 + stripe * 0.0, 30.0);
        cairo_line_to(cairo, x - 2.0, 30.0);
        cairo_close_path(cairo);
    }
    FillPlain(cairo, colour::banner);
    cairo_restore(cairo);
    for (int scallop = 0; scallop < 7; ++scallop) {
        const double x = scallop * 148.0 / 7.0;
        cairo_move_to(cairo, x, 30.0);
        cairo_curve_to(cairo, x + 2.0, 42.0, x + 19.0, 42.0, x + 21.0, 30.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, scallop % 2 == 0 ? colour::banner : colour::cream, colour::outline, 2.0);
    }
    cairo_move_to(cairo, 0.0, 30.0);
    cairo_line_to(cairo, 148.0, 30.0);
    cairo_line_to(cairo, 140.0, 4.0);
    cairo_line_to(cairo, 8.0, 4.0);
    cairo_close_path(cairo);
    StrokeOutline(cairo, 2.5);
    // The goods on the counter: baskets heaped with vegetables.
    const auto basket = [cairo](double x, double y, double w) {
        cairo_move_to(cairo, x - w / 2.0, y - 12.0);
        cairo_line_to(cairo, x + w / 2.0, y - 12.0);
        cairo_line_to(cairo, x + w / 2.0 - 4.0, y);
        cairo_line_to(cairo, x - w / 2.0 + 4.0, y);
        cairo_close_path(cairo);
        FillOutlined(cairo, 0xD9B45A, 0xA07A30, 2.0);
    };
    for (int cabbage = 0; cabbage < 3; ++cabbage)
        Circle(cairo, 22.0 + cabbage * 12.0, counterTop - 18.0 - (cabbage % 2) * 6.0, 9.0);
    FillUnion(cairo, tone::leafLight, tone::leaf, 2.0);
    basket(34.0, counterTop, 40.0);
    for (int carrot = 0; carrot < 4; ++carrot) {
        const double x = 66.0 + carrot * 7.0;
        cairo_move_to(cairo, x - 4.0, counterTop - 12.0);
        cairo_line_to(cairo, x + 4.0, counterTop - 12.0);
        cairo_line_to(cairo, x + 1.0, counterTop - 34.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, colour::orange, 0xB85A10, 1.5);
    }
    basket(76.0, counterTop, 36.0);
    for (int apple = 0; apple < 4; ++apple) {
        Circle(cairo, 104.0 + (apple % 2) * 14.0, counterTop - 16.0 - (apple / 2) * 10.0, 6.5);
        FillOutlined(cairo, tone::bannerLight, colour::banner, 1.5);
    }
    basket(112.0, counterTop, 36.0);
    // The counter.
    cairo_rectangle(cairo, 2.0, counterTop, 144.0, 12.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    cairo_rectangle(cairo, 8.0, counterTop + 12.0, 132.0, foot - counterTop - 16.0);
    FillOutlined(cairo, 0xB07A45, tone::wood, 2.5);
    for (double x = 30.0; x < 140.0; x += 22.0) {
        cairo_move_to(cairo, x, counterTop + 14.0);
        cairo_line_to(cairo, x, foot - 6.0);
    }
    cairo_set_line_width(cairo, 1.5);
    SetColour(cairo, tone::wood);
    cairo_stroke(cairo);
    // A pumpkin and a sack at its foot.
    Ellipse(cairo, 30.0, foot - 12.0, 18.0, 12.0);
    FillOutlined(cairo, colour::orange, 0xB85A10, 2.5);
    cairo_move_to(cairo, 30.0, foot - 24.0);
    cairo_line_to(cairo, 32.0, foot - 30.0);
    StrokeBand(cairo, tone::leaf, 2.0, 4.0);
    RoundedRectangle(cairo, 104.0, foot - 34.0, 30.0, 34.0, 10.0);
    FillOutlined(cairo, 0xD8C69A, 0xA89460, 2.5);
}

} // namespace

RoomDescription RoomDorf()
{
    RoomDescription room;
    room.label = dorf;
    room.folder = "data\\level03\\roomdorf\\";
    room.width = width;
    room.height = height;
    room.paint = Paint;
    // The street before the houses: up to the arch and the smithy's door,
    // in front of the well and the washing line, and around the market
    // stall's counter.
    room.floor = {{{0.0, 548.0}, {150.0, 548.0}, {170.0, 542.0}, {340.0, 542.0}, {380.0, 490.0}, {520.0, 490.0},
                   {540.0, 558.0}, {740.0, 558.0}, {770.0, 500.0}, {1010.0, 500.0}, {1010.0, 596.0},
                   {880.0, 596.0}, {872.0, 652.0}, {0.0, 652.0}}};
    room.leads = {{{30.0, 568.0}, {120.0, 586.0}, {250.0, 596.0}, {470.0, 590.0}, {640.0, 622.0}, {790.0, 612.0},
                   {826.0, 550.0}, {826.0, 506.0}},
                  {{470.0, 590.0}, {470.0, 498.0}}};
    room.backY = 490;
    room.frontY = 720;
    room.light = 0xFFF6E6;
    room.lightPools = {{{520.0, 600.0}, 340.0, 80.0, 0xFFF0C4},
                       {{120.0, 570.0}, 150.0, 60.0, 0xDDE2EE},
                       {{smithyDoorX, 520.0}, 90.0, 40.0, 0xFFC890}};
    const int archTop = static_cast<int>(archSideTop - archWidth / 2.0);
    room.graphics = {
        FieldGate("gatter_lichtung", "LICHTUNG", 70, 560, 92, 150, true),
        {"tor_turnierwiese", static_cast<int>(archX - archWidth / 2.0), archTop, static_cast<int>(archWidth),
         static_cast<int>(archFoot) - archTop, items::doorFrames, ArchGate},
        {"tuer_schmiede", static_cast<int>(smithyDoorX - smithyDoorWidth / 2.0), static_cast<int>(smithyDoorTop),
         static_cast<int>(smithyDoorWidth), static_cast<int>(smithyDoorFoot - smithyDoorTop), items::doorFrames,
         SmithyDoor},
        {"brunnen", 150, 312, 200, 230, 1, Well},
        // One row taller than the well, so that it is drawn over it.
        {"brunnenseil", 150, 312, 200, 231, 1, WellRope},
        {"waescheleine", lineLeft, lineTop, 260, lineFootY - lineTop, 1, WashingLine},
        {"laken", lineLeft + 26, lineTop, 160, lineFootY + 1 - lineTop, sheetFrames, Sheet},
        {"gans", gooseX - 45, gooseFootY - 80, 90, 80, gooseFrames, Goose},
        {"marktstand", 876, 496, 148, 150, 1, MarketStall},
        // Burg Felsenstein above the village wall belongs to the painted
        // background; this blank graphic only lets the pointer find it.
        {"burg", 400, 85, 165, 215, 1, [](cairo_t*, int) {}},
    };
    room.ambience = Ambience::medievalVillage;
    return room;
}

levels::RoomStaging DorfStaging()
{
    using items::FullName;
    return {
        {{"GatterLichtung", "Zur Lichtung", dorf, FullName("RoomLichtung", "GatterDorf"), {30, 568}, {120, 586},
          "gatter_lichtung"},
         {"TuerSchmiede", "Zur Schmiede", dorf, FullName("RoomSchmiede", "TuerDorf"), {826, 506}, {826, 550},
          "tuer_schmiede"},
         {"TorTurnierwiese", "Zur Turnierwiese", dorf, FullName("RoomTurnierwiese", "TorDorf"), {470, 498},
          {470, 580}, "tor_turnierwiese"}},
        {{"Leintuch", "Leintuch", dorf, items::Pickup::none, "leintuch", false},
         {"Wappenrock", "Wappenrock", dorf, items::Pickup::none, "wappenrock", false},
         {"Seil", "Brunnenseil", dorf, items::Pickup::none, "seil", false}},
        // The twins by the well, where they race each other at the winch.
        {{castanimations::lotte, "Lotte", "Lotte", dorf, {300, 612}, Entity::right, -130, {380, 620}},
         {castanimations::mia, "Mia", "Mia", dorf, {190, 634}, Entity::down, -130, {110, 640}}},
        {{"gans", "Gans", {566, 604}, Entity::right},
         {"waescheleine", "W\xe4scheleine", {712, 580}, Entity::up},
         {"brunnen", "Brunnen", {250, 562}, Entity::up},
         {"marktstand", "Marktstand", {850, 630}, Entity::right},
         {"burg", "Burg Felsenstein", {470, 590}, Entity::up}},
    };
}

} // namespace content::rooms
