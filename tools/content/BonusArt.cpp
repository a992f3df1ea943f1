#include "BonusArt.h"

#include "SceneFigures.h"
#include "SceneShapes.h"
#include "SpriteArt.h"

#include <cmath>
#include <numbers>

namespace content {

namespace {

constexpr double pi = std::numbers::pi;

void Sky(cairo_t* cairo, double height, std::uint32_t top, std::uint32_t bottom)
{
    cairo_rectangle(cairo, 0.0, 0.0, placeWidth, height);
    SetVerticalGradient(cairo, 0.0, height, top, bottom);
    cairo_fill(cairo);
}

} // namespace

void DrawGround(cairo_t* cairo, std::initializer_list<double> heights, std::uint32_t top, std::uint32_t bottom)
{
    const double step = placeWidth / static_cast<double>(heights.size() - 1);
    double x = -10.0;
    double previous = *heights.begin();
    cairo_move_to(cairo, x, previous);
    for (auto height = heights.begin() + 1; height != heights.end(); ++height) {
        const double next = x + step + (height + 1 == heights.end() ? 20.0 : 0.0);
        cairo_curve_to(cairo, x + step / 2.0, previous, x + step / 2.0, *height, next, *height);
        x = next;
        previous = *height;
    }
    cairo_line_to(cairo, placeWidth + 10.0, placeHeight + 10.0);
    cairo_line_to(cairo, -10.0, placeHeight + 10.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, top, bottom);
}

// --- The holiday planet -----------------------------------------------------

void DrawPalm(cairo_t* cairo, double x, double y, double height, double lean)
{
    const double topX = x + lean;
    const double topY = y - height;
    constexpr int segments = 9;
    for (int index = 0; index < segments; ++index) {
        const double t = index / static_cast<double>(segments);
        const double segmentX = x + lean * t * t;
        const double segmentY = y - height * t;
        const double width = 15.0 - 5.0 * t;
        Ellipse(cairo, segmentX, segmentY - height / segments / 2.0, width, height / segments / 1.6);
        FillOutlined(cairo, tone::woodLight, tone::wood, 2.5);
    }
    for (int frond = 0; frond < 7; ++frond) {
        const double angle = -pi + frond * pi / 6.0 + 0.1 * std::sin(frond * 1.7);
        const double reach = 95.0 + 15.0 * ((frond * 3) % 4);
        const double droop = 38.0;
        const double tipX = topX + std::cos(angle) * reach;
        const double tipY = topY + std::sin(angle) * reach * 0.6 + droop;
        const double normalX = -std::sin(angle) * 16.0;
        const double normalY = std::cos(angle) * 16.0;
        const double middleX = (topX + tipX) / 2.0;
        const double middleY = (topY + tipY) / 2.0 - 26.0;
        cairo_move_to(cairo, topX, topY);
        cairo_curve_to(cairo, middleX + normalX, middleY + normalY, middleX + normalX, middleY + normalY, tipX, tipY);
        cairo_curve_to(cairo, middleX - normalX, middleY - normalY, middleX - normalX, middleY - normalY, topX, topY);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::leafLight, tone::leaf, 2.5);
    }
    Circle(cairo, topX - 8.0, topY + 12.0, 9.0);
    Circle(cairo, topX + 9.0, topY + 14.0, 9.0);
    FillUnion(cairo, tone::woodLight, tone::wood, 2.0);
}

void DrawHibiscus(cairo_t* cairo, double x, double y, double radius)
{
    for (int petal = 0; petal < 5; ++petal) {
        PushPlacement(cairo, x, y, 1.0, petal * 2.0 * pi / 5.0);
        Ellipse(cairo, radius * 0.55, 0.0, radius * 0.55, radius * 0.4);
        PopPlacement(cairo);
    }
    FillUnion(cairo, tone::hibiscusLight, colour::hibiscus, 2.0);
    Circle(cairo, x, y, radius * 0.22);
    FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
}

void DrawHibiscusBush(cairo_t* cairo, double x, double y, double scale)
{
    PushPlacement(cairo, x, y, scale);
    Circle(cairo, -40.0, 0.0, 34.0);
    Circle(cairo, 0.0, -22.0, 40.0);
    Circle(cairo, 42.0, -2.0, 32.0);
    cairo_rectangle(cairo, -60.0, 0.0, 120.0, 30.0);
    FillUnion(cairo, tone::leafLight, tone::leaf);
    DrawHibiscus(cairo, -34.0, -8.0, 16.0);
    DrawHibiscus(cairo, 10.0, -36.0, 18.0);
    DrawHibiscus(cairo, 40.0, 4.0, 14.0);
    PopPlacement(cairo);
}

void DrawHut(cairo_t* cairo, double x, double y, double scale)
{
    PushPlacement(cairo, x, y, scale);
    cairo_rectangle(cairo, -45.0, -50.0, 90.0, 50.0);
    FillOutlined(cairo, tone::woodLight, tone::wood);
    RoundedRectangle(cairo, -12.0, -34.0, 24.0, 34.0, 8.0);
    FillOutlined(cairo, tone::shadowDeep, colour::outline, 2.0);
    cairo_move_to(cairo, -70.0, -40.0);
    cairo_curve_to(cairo, -30.0, -70.0, -10.0, -110.0, 0.0, -118.0);
    cairo_curve_to(cairo, 10.0, -110.0, 30.0, -70.0, 70.0, -40.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::orangeLight, tone::woodLight);
    PopPlacement(cairo);
}

void DrawSmoke(cairo_t* cairo, double x, double y)
{
    for (int puff = 0; puff < 4; ++puff)
        Circle(cairo, x + puff * 14.0, y - puff * 34.0, 14.0 + puff * 6.0);
    cairo_push_group(cairo);
    FillUnion(cairo, 0xF2F0EC, colour::stone, 2.0);
    cairo_pop_group_to_source(cairo);
    cairo_paint_with_alpha(cairo, 0.85);
}

void DrawWakaluaSea(cairo_t* cairo, double seconds)
{
    // The sea reaches well beyond the place's sides, for a camera that
    // shakes.
    cairo_rectangle(cairo, -200.0, 300.0, placeWidth + 400.0, 140.0);
    SetVerticalGradient(cairo, 300.0, 440.0, colour::turquoise, colour::teal);
    cairo_fill(cairo);
    Ellipse(cairo, 640.0, 304.0, 110.0, 22.0);
    FillOutlined(cairo, tone::leafLight, tone::leaf, 2.5);
    for (int wave = 0; wave < 9; ++wave) {
        const double waveX = 40.0 + (wave * 97) % 720 + 12.0 * std::sin(seconds * 1.5) * std::cos(wave * 1.3);
        const double waveY = 322.0 + (wave * 37) % 90;
        cairo_move_to(cairo, waveX, waveY);
        cairo_curve_to(cairo, waveX + 10.0, waveY - 6.0, waveX + 20.0, waveY - 6.0, waveX + 30.0, waveY);
    }
    SetColour(cairo, tone::white, 0.7);
    cairo_set_line_width(cairo, 3.0);
    cairo_stroke(cairo);
}

namespace {

void HolidayPlanet(cairo_t* cairo)
{
    Sky(cairo, 330.0, tone::skyDay, tone::haze);
    Glow(cairo, 170.0, 110.0, 120.0, colour::orangeLight, 0.7);
    Circle(cairo, 170.0, 110.0, 46.0);
    FillOutlined(cairo, colour::cream, colour::orangeLight);
    DrawPlanet(cairo, 640.0, 100.0, 52.0, tone::hibiscusLight, colour::hibiscus, true);
    DrawCloud(cairo, 380.0, 90.0, 1.0);
    DrawCloud(cairo, 90.0, 230.0, 0.7);
    DrawWakaluaSea(cairo, 0.0);
    DrawGround(cairo, {420.0, 404.0, 392.0, 398.0, 386.0}, colour::sand, tone::sandDark);
    DrawHut(cairo, 250.0, 420.0, 0.8);
    DrawSmoke(cairo, 560.0, 400.0);
    DrawCutter(cairo, 500.0, 450.0, 1.35, -0.12, false);
    DrawPalm(cairo, 100.0, 560.0, 300.0, -40.0);
    DrawPalm(cairo, 730.0, 590.0, 250.0, 30.0);
    DrawHibiscusBush(cairo, 240.0, 600.0, 1.0);
    DrawHibiscusBush(cairo, 610.0, 610.0, 0.8);
}

// --- The chase in space -----------------------------------------------------

void Asteroid(cairo_t* cairo, double x, double y, double radius)
{
    cairo_move_to(cairo, x + radius, y);
    for (int corner = 1; corner < 9; ++corner) {
        const double angle = corner * pi / 4.0;
        const double reach = radius * (0.82 + 0.18 * std::cos(corner * 2.3));
        cairo_line_to(cairo, x + std::cos(angle) * reach, y + std::sin(angle) * reach);
    }
    cairo_close_path(cairo);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    FillOutlined(cairo, tone::stoneLight, colour::stone);
    Circle(cairo, x - radius * 0.3, y - radius * 0.1, radius * 0.22);
    Circle(cairo, x + radius * 0.3, y + radius * 0.3, radius * 0.15);
    FillPlain(cairo, 0x7B766E, 0.7);
}

void SpaceChase(cairo_t* cairo)
{
    DrawStarfield(cairo, 0.0, 0.0, placeWidth, placeHeight, 21);
    Glow(cairo, 560.0, 160.0, 260.0, colour::violet, 0.45);
    Glow(cairo, 200.0, 300.0, 220.0, colour::teal, 0.35);
    DrawPlanet(cairo, 120.0, 700.0, 330.0, colour::turquoise, colour::teal, false);
    // Wakalua's islands seen from above.
    Ellipse(cairo, 90.0, 430.0, 60.0, 16.0);
    Ellipse(cairo, 250.0, 470.0, 40.0, 12.0);
    FillOutlined(cairo, colour::sand, tone::sandDark, 2.5);
    DrawPlanet(cairo, 720.0, 500.0, 34.0, colour::orangeLight, colour::orange, false);
    Asteroid(cairo, 700.0, 340.0, 40.0);
    Asteroid(cairo, 420.0, 90.0, 26.0);
    Asteroid(cairo, 760.0, 60.0, 18.0);
    // Speed lines behind the taxi.
    for (int line = 0; line < 5; ++line) {
        const double offset = line * 16.0 - 32.0;
        cairo_move_to(cairo, 60.0, 470.0 + offset);
        cairo_line_to(cairo, 190.0 + (line % 2) * 30.0, 420.0 + offset);
    }
    SetColour(cairo, tone::white, 0.5);
    cairo_set_line_width(cairo, 3.0);
    cairo_stroke(cairo);
    DrawBaronShip(cairo, 610.0, 170.0, 1.2, 0.12);
    DrawTaxi(cairo, 300.0, 370.0, 1.3, -0.4, 110.0);
}

// --- Burg Felsenstein -------------------------------------------------------

// A block whose top edge carries merlons `merlon` wide.
void Battlement(cairo_t* cairo, double x, double y, double width, double height, double merlon)
{
    const int teeth = static_cast<int>(width / (2.0 * merlon));
    const double step = width / (2.0 * teeth - 1.0);
    cairo_move_to(cairo, x, y + height);
    cairo_line_to(cairo, x, y);
    for (int tooth = 0; tooth < teeth; ++tooth) {
        const double left = x + 2.0 * step * tooth;
        cairo_line_to(cairo, left + step, y);
        if (tooth + 1 < teeth) {
            cairo_line_to(cairo, left + step, y + merlon * 0.8);
            cairo_line_to(cairo, left + 2.0 * step, y + merlon * 0.8);
            cairo_line_to(cairo, left + 2.0 * step, y);
        }
    }
    cairo_line_to(cairo, x + width, y + height);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::stoneLight, colour::stone);
}

void Pennant(cairo_t* cairo, double x, double y)
{
    cairo_move_to(cairo, x, y);
    cairo_line_to(cairo, x, y - 34.0);
    StrokeOutline(cairo, 3.0);
    cairo_move_to(cairo, x, y - 34.0);
    cairo_curve_to(cairo, x + 14.0, y - 36.0, x + 24.0, y - 28.0, x + 34.0, y - 28.0);
    cairo_line_to(cairo, x, y - 20.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
}

void Tower(cairo_t* cairo, double x, double y, double width, double height)
{
    cairo_rectangle(cairo, x, y, width, height);
    FillOutlined(cairo, tone::stoneLight, colour::stone);
    RoundedRectangle(cairo, x + width / 2.0 - 6.0, y + 24.0, 12.0, 22.0, 6.0);
    FillOutlined(cairo, tone::shadowDeep, colour::outline, 2.0);
    cairo_move_to(cairo, x - 8.0, y);
    cairo_line_to(cairo, x + width / 2.0, y - width * 1.1);
    cairo_line_to(cairo, x + width + 8.0, y);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::bannerLight, colour::banner);
    Pennant(cairo, x + width / 2.0, y - width * 1.1);
}

void Castle(cairo_t* cairo, double x, double y)
{
    Battlement(cairo, x - 130.0, y - 110.0, 260.0, 110.0, 16.0);
    Battlement(cairo, x - 60.0, y - 190.0, 120.0, 90.0, 14.0);
    Tower(cairo, x - 170.0, y - 150.0, 56.0, 150.0);
    Tower(cairo, x + 114.0, y - 150.0, 56.0, 150.0);
    Tower(cairo, x - 22.0, y - 250.0, 44.0, 70.0);
    // The gate and the banners beside it.
    cairo_move_to(cairo, x - 30.0, y);
    cairo_line_to(cairo, x - 30.0, y - 46.0);
    cairo_arc(cairo, x, y - 46.0, 30.0, pi, 2.0 * pi);
    cairo_line_to(cairo, x + 30.0, y);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::shadowDeep, colour::outline);
    for (const double side : {-1.0, 1.0}) {
        const double left = x + side * 70.0 - 14.0;
        cairo_move_to(cairo, left, y - 96.0);
        cairo_line_to(cairo, left + 28.0, y - 96.0);
        cairo_line_to(cairo, left + 28.0, y - 40.0);
        cairo_line_to(cairo, left + 14.0, y - 50.0);
        cairo_line_to(cairo, left, y - 40.0);
        cairo_close_path(cairo);
        FillOutlined(cairo, tone::bannerLight, colour::banner, 2.0);
        Circle(cairo, left + 14.0, y - 76.0, 7.0);
        FillOutlined(cairo, colour::orangeLight, colour::orange, 1.5);
    }
}

void TimeHole(cairo_t* cairo, double x, double y, double radius)
{
    Glow(cairo, x, y, radius * 1.4, colour::violet, 0.55);
    for (int arm = 0; arm < 3; ++arm) {
        cairo_new_sub_path(cairo);
        for (int step = 0; step <= 40; ++step) {
            const double t = step / 40.0;
            const double angle = arm * 2.0 * pi / 3.0 + t * 4.0;
            const double reach = radius * (1.0 - t);
            cairo_line_to(cairo, x + std::cos(angle) * reach, y + std::sin(angle) * reach * 0.8);
        }
    }
    SetColour(cairo, colour::cream, 0.8);
    cairo_set_line_width(cairo, 4.0);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cairo);
}

void Tent(cairo_t* cairo, double x, double y)
{
    const auto outline = [cairo, x, y] {
        cairo_move_to(cairo, x - 60.0, y);
        cairo_curve_to(cairo, x - 40.0, y - 40.0, x - 10.0, y - 80.0, x, y - 96.0);
        cairo_curve_to(cairo, x + 10.0, y - 80.0, x + 40.0, y - 40.0, x + 60.0, y);
        cairo_close_path(cairo);
    };
    // Canvas and stripes inside the outline, the outline over both.
    outline();
    cairo_save(cairo);
    cairo_clip_preserve(cairo);
    FillPlain(cairo, colour::cream);
    for (int stripe = 0; stripe < 3; ++stripe)
        cairo_rectangle(cairo, x - 50.0 + stripe * 40.0, y - 100.0, 20.0, 100.0);
    FillPlain(cairo, colour::banner);
    cairo_restore(cairo);
    outline();
    StrokeOutline(cairo, 3.0);
    Pennant(cairo, x, y - 96.0);
}

void CastlePlace(cairo_t* cairo)
{
    Sky(cairo, 420.0, 0x8CD0F2, 0xE9F7FF);
    TimeHole(cairo, 150.0, 110.0, 70.0);
    DrawCloud(cairo, 262.0, 72.0, 0.6);
    DrawCloud(cairo, 330.0, 150.0, 0.6);
    DrawGround(cairo, {330.0, 300.0, 320.0, 290.0, 310.0}, 0xB9DA8A, tone::mossLight);
    DrawGround(cairo, {360.0, 320.0, 284.0, 300.0, 350.0}, tone::mossLight, colour::moss);
    Castle(cairo, 470.0, 300.0);
    DrawGround(cairo, {470.0, 450.0, 440.0, 452.0, 446.0}, tone::mossLight, colour::moss);
    // The path up to the gate.
    cairo_move_to(cairo, 440.0, 610.0);
    cairo_curve_to(cairo, 470.0, 520.0, 440.0, 420.0, 460.0, 300.0);
    cairo_line_to(cairo, 480.0, 300.0);
    cairo_curve_to(cairo, 480.0, 420.0, 560.0, 520.0, 580.0, 610.0);
    cairo_close_path(cairo);
    FillOutlined(cairo, colour::sand, tone::sandDark, 2.5);
    Tent(cairo, 690.0, 500.0);
    // A knight on his way over the castle, thrown by the catapult on the
    // hill. Both stand high enough to show above the minigame tile's title.
    DrawCatapult(cairo, 190.0, 372.0, 1.25);
    DrawThrowArc(cairo, 240.0, 212.0, 620.0, 110.0, 1.0);
    DrawKnight(cairo, 668.0, 132.0, 1.15, 0.6);
}

// --- The moon base ----------------------------------------------------------

void Dome(cairo_t* cairo, double x, double y, double radius)
{
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, x, y, radius, pi, 2.0 * pi);
    cairo_close_path(cairo);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, x, y, radius * 0.62, pi, 2.0 * pi);
    cairo_close_path(cairo);
    FillOutlined(cairo, 0xE8FFFC, colour::tealLight, 2.5);
    for (int window = -1; window <= 1; ++window) {
        Glow(cairo, x + window * radius * 0.8, y - radius * 0.2, radius * 0.25, colour::acid, 0.7);
        Circle(cairo, x + window * radius * 0.8, y - radius * 0.2, radius * 0.08);
        FillOutlined(cairo, tone::acidLight, colour::acid, 1.5);
    }
}

void MoonBase(cairo_t* cairo)
{
    DrawStarfield(cairo, 0.0, 0.0, placeWidth, placeHeight, 57);
    // Violet tone::haze rising from the horizon.
    cairo_rectangle(cairo, 0.0, 0.0, placeWidth, 420.0);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, 0.0, 0.0, 420.0),
                {{0.0, colour::violet, 0.0}, {1.0, colour::violet, 0.55}});
    cairo_fill(cairo);
    DrawPlanet(cairo, 670.0, 110.0, 66.0, colour::turquoise, colour::night, true);
    DrawPlanet(cairo, 150.0, 90.0, 26.0, colour::cream, colour::stone, false);
    DrawGround(cairo, {380.0, 360.0, 372.0, 350.0, 366.0}, tone::moonLight, tone::moonDark);
    // The base: a tower with its beacon, two domes and the tube between.
    RoundedRectangle(cairo, 300.0, 330.0, 260.0, 22.0, 10.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    RoundedRectangle(cairo, 440.0, 200.0, 50.0, 170.0, 10.0);
    FillOutlined(cairo, tone::steelLight, colour::steel);
    cairo_move_to(cairo, 465.0, 200.0);
    cairo_line_to(cairo, 465.0, 150.0);
    StrokeOutline(cairo, 4.0);
    Glow(cairo, 465.0, 146.0, 40.0, colour::acid, 0.8);
    Circle(cairo, 465.0, 146.0, 9.0);
    FillOutlined(cairo, tone::acidLight, colour::acid, 2.0);
    Dome(cairo, 300.0, 372.0, 100.0);
    Dome(cairo, 640.0, 378.0, 70.0);
    for (const double craterX : {120.0, 430.0, 700.0}) {
        const double craterY = 470.0 + std::fmod(craterX, 90.0);
        Ellipse(cairo, craterX, craterY, 60.0, 16.0);
        FillOutlined(cairo, tone::moonDark, tone::moonLight, 2.5);
    }
    DrawSlime(cairo, 150.0, 560.0, 1.2);
    DrawSlime(cairo, 470.0, 580.0, 0.9);
    DrawSlime(cairo, 680.0, 550.0, 1.0);
}

} // namespace

void DrawPlace(cairo_t* cairo, Place place)
{
    cairo_save(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, placeWidth, placeHeight);
    cairo_clip(cairo);
    switch (place) {
    case Place::holidayPlanet: HolidayPlanet(cairo); break;
    case Place::spaceChase: SpaceChase(cairo); break;
    case Place::castle: CastlePlace(cairo); break;
    case Place::moonBase: MoonBase(cairo); break;
    }
    cairo_restore(cairo);
}

void DrawPoster(cairo_t* cairo, PosterSize size)
{
    cairo_save(cairo);
    cairo_rectangle(cairo, 0.0, 0.0, posterWidth, posterHeight);
    cairo_clip(cairo);
    DrawStarfield(cairo, 0.0, 0.0, posterWidth, posterHeight, 7);
    Glow(cairo, 213.0, 330.0, 230.0, colour::orange, 0.35);
    Glow(cairo, 90.0, 250.0, 140.0, colour::violet, 0.4);
    DrawPlanet(cairo, 330.0, 230.0, 34.0, tone::violetLight, colour::violet, true);
    DrawPlanet(cairo, 110.0, 700.0, 250.0, colour::turquoise, colour::teal, false);
    DrawCrystal(cairo, 318.0, 402.0, 24.0);
    DrawCutter(cairo, 222.0, 330.0, 1.3, -0.38, true);
    DrawArtText(cairo, "ASTROKUTTER", posterWidth / 2.0, 80.0, 36.0, colour::tealLight);
    DrawArtText(cairo, "ZEPHYRA", posterWidth / 2.0, 148.0, 64.0, colour::orangeLight);
    // The text at the foot sits on night darkening towards the bottom edge,
    // so that the planet behind it does not swallow it.
    constexpr double bandTop = 452.0;
    cairo_rectangle(cairo, 0.0, bandTop, posterWidth, posterHeight - bandTop);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, bandTop, 0.0, bandTop + 50.0),
                {{0.0, colour::nightDeep, 0.0}, {1.0, colour::nightDeep, 0.88}});
    cairo_fill(cairo);
    if (size == PosterSize::small) {
        // Shown a little under half size: the tagline alone, on two lines.
        DrawArtText(cairo, "Ein Abenteuer", posterWidth / 2.0, 520.0, 34.0, colour::cream);
        DrawArtText(cairo, "in Raum und Zeit", posterWidth / 2.0, 566.0, 34.0, colour::cream);
    } else {
        DrawArtText(cairo, "Ein Abenteuer in Raum und Zeit", posterWidth / 2.0, 512.0, 21.0, colour::cream);
        DrawArtText(cairo, "Juna · Lotte · Mia · Kapitän Baltasar · KIRA", posterWidth / 2.0, 548.0, 15.0,
                    colour::tealLight);
        DrawArtText(cairo, "Demnächst in Ihrer Galaxis", posterWidth / 2.0, 579.0, 16.0, colour::orangeLight);
    }
    cairo_restore(cairo);
}

} // namespace content
