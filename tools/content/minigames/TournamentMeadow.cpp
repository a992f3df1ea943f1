#include "minigames/TournamentMeadow.h"

#include "SceneShapes.h"
#include "minigames/Dice.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace content::minigames {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double period = meadowLoopWidth;
constexpr double ground = meadowGroundRow;
// The loop position of the start piece's left edge: its right edge is the
// loop's left edge.
constexpr double startPhase = -meadowStartWidth;
// The meadow begins behind the fence.
constexpr double meadowTop = 398.0;
constexpr double fenceTop = 376.0;
// The distance pegs: every fifteenth of the loop, from the field's zero
// (start piece column 1480) on.
constexpr double pegSpacing = period / 15.0;
constexpr double pegFrom = 1480.0 - meadowStartWidth;

constexpr std::uint32_t skyTop = 0x7CC6EC;
constexpr std::uint32_t skyHorizon = 0xDDF1EE;
constexpr std::uint32_t hillFar = 0xA9CBB0;
constexpr std::uint32_t hillFarShade = 0x8DB59A;
constexpr std::uint32_t hillNear = 0x8CBF62;
constexpr std::uint32_t grassLight = tone::mossLight;
constexpr std::uint32_t grass = 0x86B04A;
constexpr std::uint32_t lane = 0xCDBF7E;
constexpr std::uint32_t hayLight = 0xF2D37A;
constexpr std::uint32_t hay = 0xCFA24A;

// Calls draw(x) for every column of a picture at which the loop position
// `position` shows, when the picture's column 0 is loop position `phase`,
// for a thing reaching `reach` either side of its position.
template <typename Draw>
void Repeated(double phase, double width, double position, double reach, Draw draw)
{
    double x = position - phase;
    x -= std::floor((x + reach) / period) * period;
    for (; x - reach < width; x += period)
        draw(x);
}

// A height that repeats with the loop: the sum of waves that fit it a
// whole number of times.
double Wave(double position, double a1, double a2, double a3, double shift)
{
    const double turn = 2.0 * pi * position / period;
    return a1 * std::sin(turn + shift) + a2 * std::sin(3.0 * turn + 2.0 * shift) +
           a3 * std::sin(7.0 * turn + 0.5 + shift);
}

void Sky(cairo_t* cairo, double phase, double width)
{
    cairo_rectangle(cairo, 0.0, 0.0, width, meadowTop + 2.0);
    SetVerticalGradient(cairo, 0.0, 330.0, skyTop, skyHorizon);
    cairo_fill(cairo);
    struct Cloud {
        double x, y, scale;
    };
    constexpr Cloud clouds[] = {{120.0, 70.0, 0.9}, {560.0, 40.0, 0.7}, {930.0, 95.0, 1.0}, {1360.0, 55.0, 0.8}};
    for (const Cloud& cloud : clouds)
        Repeated(phase, width, cloud.x, 100.0, [&](double x) { DrawCloud(cairo, x, cloud.y, cloud.scale); });
}

// A range of hills from left to right whose top is `top(position)`.
template <typename Top>
void HillRange(cairo_t* cairo, double phase, double width, Top top, std::uint32_t light, std::uint32_t shade)
{
    cairo_move_to(cairo, -10.0, meadowTop + 10.0);
    for (double x = -10.0; x <= width + 10.0; x += 6.0)
        cairo_line_to(cairo, x, top(x + phase));
    cairo_line_to(cairo, width + 10.0, meadowTop + 10.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, light, shade, 2.5);
}

void FarHills(cairo_t* cairo, double phase, double width)
{
    HillRange(
        cairo, phase, width, [](double u) { return 292.0 + Wave(u, 22.0, 12.0, 5.0, 0.4); }, hillFar, hillFarShade);
}

// A round tree standing at (x, base), `size` 1 about 120 pixels tall.
void Tree(cairo_t* cairo, double x, double base, double size)
{
    cairo_move_to(cairo, x - 5.0 * size, base);
    cairo_line_to(cairo, x - 3.0 * size, base - 50.0 * size);
    cairo_line_to(cairo, x + 3.0 * size, base - 50.0 * size);
    cairo_line_to(cairo, x + 5.0 * size, base);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    Circle(cairo, x, base - 78.0 * size, 32.0 * size);
    Circle(cairo, x - 26.0 * size, base - 58.0 * size, 24.0 * size);
    Circle(cairo, x + 25.0 * size, base - 60.0 * size, 25.0 * size);
    Circle(cairo, x + 4.0 * size, base - 54.0 * size, 24.0 * size);
    FillUnion(cairo, tone::leafLight, tone::leaf, 2.5);
}

void NearHills(cairo_t* cairo, double phase, double width)
{
    HillRange(
        cairo, phase, width, [](double u) { return 350.0 + Wave(u, 8.0, 7.0, 3.0, 2.1); }, hillNear, colour::moss);
    struct Grove {
        double x, size;
    };
    constexpr Grove trees[] = {{90.0, 0.8}, {140.0, 0.6}, {700.0, 0.9}, {1180.0, 0.7}, {1230.0, 1.0}, {1560.0, 0.75}};
    for (const Grove& tree : trees)
        Repeated(phase, width, tree.x, 60.0, [&](double x) { Tree(cairo, x, 372.0, tree.size); });
}

// A striped pavilion standing at (x, base) with a pennant on its pole.
void Tent(cairo_t* cairo, double x, double base, double size, std::uint32_t stripe, std::uint32_t stripeShade)
{
    const double half = 44.0 * size;
    const double wall = 46.0 * size;
    const double roof = 40.0 * size;
    cairo_move_to(cairo, x, base - wall - roof - 22.0 * size);
    cairo_line_to(cairo, x, base - wall - roof);
    StrokeBand(cairo, tone::woodLight, 3.0, 6.0);
    cairo_move_to(cairo, x, base - wall - roof - 22.0 * size);
    cairo_line_to(cairo, x + 22.0 * size, base - wall - roof - 16.0 * size);
    cairo_line_to(cairo, x, base - wall - roof - 10.0 * size);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
    // The wall in stripes, then the roof over it.
    cairo_rectangle(cairo, x - half, base - wall, 2.0 * half, wall);
    FillOutlined(cairo, colour::cream, colour::sand, 2.5);
    for (int band = 0; band < 4; ++band) {
        const double left = x - half + (2 * band + 0.5) * half / 4.0;
        cairo_rectangle(cairo, left, base - wall, half / 4.0, wall);
        FillPlain(cairo, stripe);
    }
    cairo_rectangle(cairo, x - half, base - wall, 2.0 * half, wall);
    StrokeOutline(cairo, 2.5);
    // The door's dark opening.
    cairo_move_to(cairo, x - 9.0 * size, base);
    cairo_curve_to(cairo, x - 9.0 * size, base - 24.0 * size, x + 9.0 * size, base - 24.0 * size, x + 9.0 * size,
                   base);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::shadowDeep, tone::shadowDeep, 2.0);
    cairo_move_to(cairo, x - half - 8.0 * size, base - wall + 2.0);
    cairo_line_to(cairo, x, base - wall - roof);
    cairo_line_to(cairo, x + half + 8.0 * size, base - wall + 2.0);
    for (int scallop = 4; scallop > 0; --scallop) {
        const double right = x - half - 8.0 * size + scallop * (2.0 * half + 16.0 * size) / 4.0;
        const double left = right - (2.0 * half + 16.0 * size) / 4.0;
        cairo_curve_to(cairo, right - 4.0, base - wall + 12.0 * size, left + 4.0, base - wall + 12.0 * size, left,
                       base - wall + 2.0);
    }
    cairo_close_path(cairo);
    FillOutlined(cairo, stripe, stripeShade, 2.5);
}

void Tents(cairo_t* cairo, double phase, double width)
{
    struct Pavilion {
        double x, size;
        std::uint32_t stripe, shade;
    };
    const Pavilion tents[] = {{330.0, 0.9, colour::banner, 0x8E2630},
                              {960.0, 1.0, colour::moss, 0x4E6C2A},
                              {1450.0, 0.85, colour::banner, 0x8E2630}};
    for (const Pavilion& tent : tents)
        Repeated(phase, width, tent.x, 60.0,
                 [&](double x) { Tent(cairo, x, fenceTop + 12.0, tent.size, tent.stripe, tent.shade); });
}

// Strings of pennants between tall poles.
void Pennants(cairo_t* cairo, double phase, double width)
{
    constexpr double spacing = period / 3.0;
    constexpr std::uint32_t colours[] = {colour::banner, colour::cream, tone::taxiLight, colour::moss};
    for (int pole = 0; pole < 3; ++pole)
        Repeated(phase, width, 150.0 + pole * spacing, spacing + 20.0, [&](double x) {
            cairo_move_to(cairo, x, fenceTop + 20.0);
            cairo_line_to(cairo, x, 236.0);
            StrokeBand(cairo, tone::woodLight, 4.0, 8.0);
            const double next = x + spacing;
            for (int flag = 1; flag < 14; ++flag) {
                const double t = flag / 14.0;
                const double fx = x + t * spacing;
                const double fy = 240.0 + 4.0 * 30.0 * t * (1.0 - t);
                cairo_move_to(cairo, fx - 7.0, fy);
                cairo_line_to(cairo, fx + 7.0, fy + 1.0);
                cairo_line_to(cairo, fx, fy + 16.0);
                cairo_close_path(cairo);
                FillOutlined(cairo, colours[flag % 4], colours[flag % 4], 1.5);
            }
            cairo_move_to(cairo, x, 240.0);
            cairo_curve_to(cairo, x + spacing / 3.0, 280.0, next - spacing / 3.0, 280.0, next, 240.0);
            SetColour(cairo, colour::outline, 0.8);
            cairo_set_line_width(cairo, 1.5);
            cairo_stroke(cairo);
            Circle(cairo, x, 234.0, 4.0);
            FillOutlined(cairo, tone::taxiLight, tone::taxi, 1.5);
        });
}

// The onlookers behind the fence: shoulders and heads in the village's
// colours, some waving.
void Crowd(cairo_t* cairo, double phase, double width)
{
    constexpr std::uint32_t coats[][2] = {{colour::banner, 0x8E2630}, {colour::moss, 0x4E6C2A},
                                         {0x4F7CC0, 0x365A92},       {tone::taxi, 0xB37A12},
                                         {colour::stone, 0x6F6B64},   {colour::violet, 0x5A3A99}};
    constexpr std::uint32_t skins[] = {0xF2C49A, 0xE0A878, 0xB97A50, 0xF6D2B0};
    constexpr std::uint32_t hairs[] = {0x6A4326, 0xC8642A, 0x3A2E4A, 0xE8C070, 0x8A8A8A};
    constexpr int people = 64;
    Dice dice(909);
    for (int person = 0; person < people; ++person) {
        const double position = (person + dice.Between(-0.25, 0.25)) * period / people;
        const double height = dice.Between(0.0, 12.0);
        const int coat = static_cast<int>(dice.Next() * 6);
        const int skin = static_cast<int>(dice.Next() * 4);
        const int hair = static_cast<int>(dice.Next() * 5);
        const bool waving = dice.Next() < 0.25;
        Repeated(phase, width, position, 30.0, [&](double x) {
            const double top = fenceTop - 10.0 - height;
            if (waving) {
                cairo_move_to(cairo, x + 8.0, top + 10.0);
                cairo_line_to(cairo, x + 16.0, top - 12.0);
                StrokeBand(cairo, coats[coat][0], 5.0, 9.0);
                Circle(cairo, x + 16.0, top - 14.0, 4.0);
                FillOutlined(cairo, skins[skin], skins[skin], 1.5);
            }
            RoundedRectangle(cairo, x - 12.0, top + 4.0, 24.0, fenceTop + 30.0 - top, 9.0);
            FillOutlined(cairo, coats[coat][0], coats[coat][1], 2.5);
            Circle(cairo, x, top - 4.0, 8.5);
            FillOutlined(cairo, skins[skin], skins[skin], 2.2);
            cairo_arc(cairo, x, top - 5.0, 8.8, pi * 1.05, pi * 1.95);
            cairo_close_path(cairo);
            FillOutlined(cairo, hairs[hair], hairs[hair], 1.6);
        });
    }
}

void Fence(cairo_t* cairo, double phase, double width)
{
    for (const double rail : {fenceTop + 8.0, fenceTop + 20.0}) {
        cairo_rectangle(cairo, -10.0, rail, width + 20.0, 6.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    }
    constexpr int posts = 30;
    for (int post = 0; post < posts; ++post)
        Repeated(phase, width, post * period / posts, 10.0, [&](double x) {
            RoundedRectangle(cairo, x - 4.0, fenceTop, 8.0, 32.0, 3.0);
            FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
        });
}

// A square bale of hay standing at (x, base).
void HayBale(cairo_t* cairo, double x, double base, double w, double h)
{
    RoundedRectangle(cairo, x - w / 2.0, base - h, w, h, 6.0);
    FillOutlined(cairo, hayLight, hay, 2.5);
    for (const double band : {0.3, 0.7}) {
        cairo_move_to(cairo, x - w / 2.0 + band * w, base - h + 2.0);
        cairo_line_to(cairo, x - w / 2.0 + band * w, base - 2.0);
    }
    SetColour(cairo, tone::wood, 0.8);
    cairo_set_line_width(cairo, 2.5);
    cairo_stroke(cairo);
    Dice dice(static_cast<std::uint32_t>(w * 7 + h));
    for (int straw = 0; straw < 10; ++straw) {
        const double sx = x + dice.Between(-w / 2.0 + 4.0, w / 2.0 - 4.0);
        const double sy = base - dice.Between(4.0, h - 4.0);
        cairo_move_to(cairo, sx, sy);
        cairo_line_to(cairo, sx + dice.Between(-5.0, 5.0), sy + dice.Between(-3.0, 3.0));
    }
    SetColour(cairo, hay, 0.9);
    cairo_set_line_width(cairo, 1.5);
    cairo_stroke(cairo);
}

// The meadow from behind the fence to the bottom: grass, the trodden lane
// the cart rolls along, tufts, hay bales on its far side and, from column
// `fieldFrom` on, the chalk side line and the distance pegs.
void Meadow(cairo_t* cairo, double phase, double width, double fieldFrom)
{
    cairo_rectangle(cairo, 0.0, meadowTop, width, meadowHeight - meadowTop);
    SetVerticalGradient(cairo, meadowTop, meadowHeight, grassLight, grass);
    cairo_fill(cairo);
    // Mown stripes, one lighter, one darker, along the field.
    for (const double stripe : {420.0, 446.0}) {
        cairo_rectangle(cairo, 0.0, stripe, width, 11.0);
        FillPlain(cairo, tone::white, 0.07);
    }
    // The lane, soft at its edges.
    cairo_rectangle(cairo, 0.0, ground - 18.0, width, 34.0);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, ground - 18.0, 0.0, ground + 16.0),
                {{0.0, lane, 0.0}, {0.25, lane, 0.75}, {0.7, lane, 0.75}, {1.0, lane, 0.0}});
    cairo_fill(cairo);
    // Tufts of grass scattered over the meadow.
    Dice dice(4242);
    for (int tuft = 0; tuft < 140; ++tuft) {
        const double position = dice.Between(0.0, period);
        double y = dice.Between(meadowTop + 8.0, meadowHeight - 2.0);
        if (std::abs(y - ground) < 16.0)
            y += 34.0;
        if (y > meadowHeight - 2.0)
            y = meadowTop + 14.0;
        const double size = 0.6 + 0.5 * (y - meadowTop) / (meadowHeight - meadowTop);
        Repeated(phase, width, position, 10.0, [&](double x) {
            for (const double lean : {-0.5, 0.0, 0.5}) {
                cairo_move_to(cairo, x + lean * 4.0 * size - 1.5, y);
                cairo_line_to(cairo, x + lean * 9.0 * size, y - 8.0 * size);
                cairo_line_to(cairo, x + lean * 4.0 * size + 1.5, y);
            }
            FillPlain(cairo, colour::moss, 0.8);
        });
    }
    struct Bale {
        double x, w, h;
    };
    constexpr Bale bales[] = {{260.0, 56.0, 30.0}, {300.0, 40.0, 24.0}, {1020.0, 58.0, 32.0}};
    for (const Bale& bale : bales)
        Repeated(phase, width, bale.x, 40.0, [&](double x) { HayBale(cairo, x, ground - 36.0, bale.w, bale.h); });

    cairo_save(cairo);
    cairo_rectangle(cairo, fieldFrom, 0.0, width - fieldFrom, meadowHeight);
    cairo_clip(cairo);
    // The chalk side line along the lane's near edge.
    cairo_rectangle(cairo, -10.0, ground + 17.0, width + 20.0, 3.0);
    FillPlain(cairo, tone::white, 0.85);
    for (int peg = 0; peg < 15; ++peg)
        Repeated(phase, width, pegFrom + peg * pegSpacing, 6.0, [&](double x) {
            Ellipse(cairo, x + 2.0, ground - 16.0, 6.0, 2.0);
            FillPlain(cairo, colour::moss, 0.6);
            RoundedRectangle(cairo, x - 2.5, ground - 30.0, 5.0, 15.0, 1.5);
            FillOutlined(cairo, tone::white, colour::sand, 1.5);
        });
    cairo_restore(cairo);
}

// Burg Felsenstein on its rock above the meadow.
void Castle(cairo_t* cairo, double x)
{
    // The hill.
    cairo_move_to(cairo, x - 230.0, 360.0);
    cairo_curve_to(cairo, x - 150.0, 300.0, x - 110.0, 226.0, x - 40.0, 218.0);
    cairo_curve_to(cairo, x + 40.0, 210.0, x + 110.0, 250.0, x + 250.0, 350.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0x9CC48C, hillFarShade, 2.5);
    // Wall, keep and towers with red cone roofs and flags.
    const auto tower = [cairo](double tx, double top, double w) {
        cairo_rectangle(cairo, tx - w / 2.0, top, w, 232.0 - top);
        FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
        cairo_move_to(cairo, tx - w / 2.0 - 5.0, top + 1.0);
        cairo_line_to(cairo, tx, top - w * 1.1);
        cairo_line_to(cairo, tx + w / 2.0 + 5.0, top + 1.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
        cairo_move_to(cairo, tx, top - w * 1.1);
        cairo_line_to(cairo, tx, top - w * 1.1 - 14.0);
        StrokeOutline(cairo, 1.6);
        cairo_move_to(cairo, tx, top - w * 1.1 - 14.0);
        cairo_line_to(cairo, tx + 12.0, top - w * 1.1 - 10.0);
        cairo_line_to(cairo, tx, top - w * 1.1 - 6.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::bannerLight, colour::banner, 1.5);
        RoundedRectangle(cairo, tx - 3.0, top + 14.0, 6.0, 10.0, 3.0);
        FillPlain(cairo, tone::shadowDeep);
    };
    cairo_rectangle(cairo, x - 100.0, 170.0, 200.0, 62.0);
    FillOutlined(cairo, tone::stoneLight, colour::stone, 2.5);
    for (int merlon = 0; merlon < 10; ++merlon) {
        cairo_rectangle(cairo, x - 100.0 + merlon * 20.0 + 3.0, 160.0, 12.0, 11.0);
        FillOutlined(cairo, tone::stoneLight, colour::stone, 2.0);
    }
    // The gate, shut until the password is known.
    cairo_move_to(cairo, x - 16.0, 232.0);
    cairo_line_to(cairo, x - 16.0, 206.0);
    cairo_curve_to(cairo, x - 16.0, 192.0, x + 16.0, 192.0, x + 16.0, 206.0);
    cairo_line_to(cairo, x + 16.0, 232.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    tower(x - 40.0, 110.0, 44.0);
    tower(x - 110.0, 150.0, 32.0);
    tower(x + 110.0, 140.0, 34.0);
    tower(x + 30.0, 130.0, 30.0);
}

// Herold Humbert's stand: a wooden platform under a striped canopy, the
// herald in his falcon tabard on it with his trumpet.
void HeraldStand(cairo_t* cairo, double x)
{
    constexpr double floor = 404.0;
    constexpr double base = ground - 24.0;
    // Posts and canopy.
    for (const double post : {-70.0, 70.0}) {
        cairo_move_to(cairo, x + post, base);
        cairo_line_to(cairo, x + post, 312.0);
        StrokeBand(cairo, tone::woodLight, 6.0, 10.0);
    }
    cairo_move_to(cairo, x - 84.0, 316.0);
    cairo_line_to(cairo, x, 282.0);
    cairo_line_to(cairo, x + 84.0, 316.0);
    for (int scallop = 6; scallop > 0; --scallop) {
        const double right = x - 84.0 + scallop * 28.0;
        cairo_curve_to(cairo, right - 4.0, 330.0, right - 24.0, 330.0, right - 28.0, 316.0);
    }
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    // Herold Humbert: legs, tabard with the falcon, head, hat and trumpet.
    for (const double leg : {-7.0, 7.0}) {
        cairo_move_to(cairo, x + leg, floor);
        cairo_line_to(cairo, x + leg, floor - 22.0);
        StrokeBand(cairo, colour::cream, 6.0, 10.0);
    }
    cairo_move_to(cairo, x - 16.0, floor - 18.0);
    cairo_line_to(cairo, x - 13.0, floor - 56.0);
    cairo_line_to(cairo, x + 13.0, floor - 56.0);
    cairo_line_to(cairo, x + 16.0, floor - 18.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.5);
    Circle(cairo, x, floor - 40.0, 5.0);
    FillPlain(cairo, colour::cream);
    Circle(cairo, x, floor - 67.0, 11.0);
    FillOutlined(cairo, 0xF2C49A, 0xD89A6E, 2.2);
    Circle(cairo, x + 5.0, floor - 69.0, 1.5);
    FillPlain(cairo, colour::outline);
    Ellipse(cairo, x + 11.0, floor - 65.0, 3.0, 2.5);
    FillOutlined(cairo, 0xF2C49A, 0xD89A6E, 1.5);
    Ellipse(cairo, x, floor - 78.0, 14.0, 5.0);
    FillOutlined(cairo, 0x4F7CC0, 0x365A92, 2.0);
    cairo_move_to(cairo, x - 4.0, floor - 82.0);
    cairo_curve_to(cairo, x - 14.0, floor - 100.0, x - 22.0, floor - 96.0, x - 26.0, floor - 92.0);
    StrokeBand(cairo, colour::cream, 3.0, 6.0);
    // The trumpet raised to the right, with its little banner.
    cairo_move_to(cairo, x + 12.0, floor - 62.0);
    cairo_line_to(cairo, x + 50.0, floor - 80.0);
    StrokeBand(cairo, tone::taxiLight, 4.0, 8.0);
    cairo_move_to(cairo, x + 48.0, floor - 80.0);
    cairo_line_to(cairo, x + 60.0, floor - 92.0);
    cairo_line_to(cairo, x + 64.0, floor - 78.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::taxiLight, tone::taxi, 2.0);
    cairo_move_to(cairo, x + 26.0, floor - 69.0);
    cairo_line_to(cairo, x + 40.0, floor - 75.0);
    cairo_line_to(cairo, x + 38.0, floor - 58.0);
    cairo_line_to(cairo, x + 27.0, floor - 54.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 1.8);
    Circle(cairo, x + 14.0, floor - 60.0, 4.0);
    FillOutlined(cairo, 0xF2C49A, 0xD89A6E, 1.5);
    // The platform, in front of his feet.
    RoundedRectangle(cairo, x - 80.0, floor, 160.0, 12.0, 3.0);
    FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    for (const double leg : {-70.0, -25.0, 25.0, 70.0}) {
        cairo_rectangle(cairo, x + leg - 4.0, floor + 12.0, 8.0, base - floor - 12.0);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.0);
    }
    cairo_move_to(cairo, x - 76.0, floor + 12.0);
    cairo_line_to(cairo, x + 76.0, floor + 12.0);
    cairo_line_to(cairo, x + 70.0, floor + 36.0);
    cairo_line_to(cairo, x + 50.0, floor + 28.0);
    cairo_line_to(cairo, x + 30.0, floor + 36.0);
    cairo_line_to(cairo, x, floor + 28.0);
    cairo_line_to(cairo, x - 30.0, floor + 36.0);
    cairo_line_to(cairo, x - 50.0, floor + 28.0);
    cairo_line_to(cairo, x - 70.0, floor + 36.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
}

// A post striped red and white, from (x, base) up to `top`, with a pennant.
void FlagPost(cairo_t* cairo, double x, double base, double top, double width)
{
    cairo_rectangle(cairo, x - width / 2.0, top, width, base - top);
    FillOutlined(cairo, colour::cream, colour::sand, 2.0);
    for (double y = top + 6.0; y < base - 6.0; y += 18.0) {
        cairo_rectangle(cairo, x - width / 2.0 + 1.0, y, width - 2.0, 8.0);
        FillPlain(cairo, colour::banner);
    }
    cairo_move_to(cairo, x + width / 2.0, top + 2.0);
    cairo_curve_to(cairo, x + 14.0, top - 2.0, x + 24.0, top + 8.0, x + 36.0, top + 4.0);
    cairo_line_to(cairo, x + 28.0, top + 14.0);
    cairo_line_to(cairo, x + 36.0, top + 24.0);
    cairo_curve_to(cairo, x + 24.0, top + 26.0, x + 14.0, top + 18.0, x + width / 2.0, top + 22.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
    Circle(cairo, x, top - 2.0, width * 0.6);
    FillOutlined(cairo, tone::taxiLight, tone::taxi, 1.5);
}

// The start line chalked across the meadow, from the fence to the front.
void StartLine(cairo_t* cairo)
{
    constexpr double x = meadowStartLine;
    FlagPost(cairo, x + 8.0, meadowTop + 4.0, 300.0, 6.0);
    cairo_move_to(cairo, x + 6.0, meadowTop);
    cairo_line_to(cairo, x + 10.0, meadowTop);
    cairo_line_to(cairo, x + 4.0, meadowHeight + 1.0);
    cairo_line_to(cairo, x - 6.0, meadowHeight + 1.0);
    cairo_close_path(cairo);
    FillPlain(cairo, tone::white, 0.92);
}

// A tuft of blades standing at (x, base), `height` tall.
void Tuft(cairo_t* cairo, double x, double base, double height, double lean)
{
    for (int blade = -2; blade <= 2; ++blade) {
        cairo_move_to(cairo, x + blade * 3.0 - 2.0, base);
        cairo_line_to(cairo, x + blade * 4.5 + lean * height * 0.3, base - height * (1.0 - std::abs(blade) * 0.2));
        cairo_line_to(cairo, x + blade * 3.0 + 2.0, base);
        cairo_close_path(cairo);
    }
    FillUnion(cairo, tone::leafLight, colour::moss, 1.5);
}

} // namespace

Picture DrawMeadowStart()
{
    Picture picture(meadowStartWidth, meadowHeight);
    cairo_t* cairo = picture.Cairo();
    constexpr double width = meadowStartWidth;
    Sky(cairo, startPhase, width);
    FarHills(cairo, startPhase, width);
    Castle(cairo, 900.0);
    NearHills(cairo, startPhase, width);
    Pennants(cairo, startPhase, width);
    Tents(cairo, startPhase, width);
    Tent(cairo, 1110.0, fenceTop + 12.0, 1.15, colour::stone, 0x6F6B64);
    Crowd(cairo, startPhase, width);
    Fence(cairo, startPhase, width);
    Meadow(cairo, startPhase, width, meadowStartLine);
    HeraldStand(cairo, 640.0);
    StartLine(cairo);
    return picture;
}

Picture DrawMeadowLoop()
{
    Picture picture(meadowLoopWidth, meadowHeight);
    cairo_t* cairo = picture.Cairo();
    constexpr double width = meadowLoopWidth;
    Sky(cairo, 0.0, width);
    FarHills(cairo, 0.0, width);
    NearHills(cairo, 0.0, width);
    Pennants(cairo, 0.0, width);
    Tents(cairo, 0.0, width);
    Crowd(cairo, 0.0, width);
    Fence(cairo, 0.0, width);
    Meadow(cairo, 0.0, width, -20.0);
    return picture;
}

Picture DrawMeadowMask()
{
    Picture picture(meadowStartWidth, meadowMaskHeight);
    cairo_t* cairo = picture.Cairo();
    constexpr double bottom = meadowMaskHeight;
    // Hay bales at the far left, before the cart's wheels.
    HayBale(cairo, 52.0, bottom + 4.0, 100.0, 62.0);
    HayBale(cairo, 120.0, bottom + 4.0, 52.0, 36.0);
    // The near post of the start line.
    FlagPost(cairo, meadowStartLine - 4.0, bottom + 2.0, 10.0, 6.0);
    // Tufts along the bottom edge, no taller than the wheels leave room
    // for, thinning out towards the right edge.
    Dice dice(77);
    for (double x = 150.0; x < meadowStartWidth - 20.0; x += dice.Between(22.0, 48.0)) {
        const double fade = std::min(1.0, (meadowStartWidth - 20.0 - x) / 80.0);
        Tuft(cairo, x, bottom + 2.0, dice.Between(10.0, 22.0) * fade + 4.0, dice.Between(-1.0, 1.0));
    }
    return picture;
}

} // namespace content::minigames
