// The intro's shots out in space: the Zephyra in flight, the storm, and
// Wakalua coming up.

#include "IntroMotion.h"
#include "IntroScenes.h"
#include "SceneFigures.h"
#include "SceneShapes.h"
#include "SpriteArt.h"

#include <cmath>
#include <cstdint>

namespace content::intro {

namespace {

// A repeatable number from 0 to 1 for `index` of `seed`.
double Scatter(unsigned seed, int index)
{
    std::uint32_t value = seed * 2654435761u + static_cast<std::uint32_t>(index) * 40503u + 12345u;
    value ^= value >> 15;
    value *= 2246822519u;
    value ^= value >> 13;
    return (value & 0xFFFFFFu) / static_cast<double>(0x1000000);
}

void NightSky(cairo_t* cairo)
{
    SetVerticalGradient(cairo, 0.0, 600.0, colour::nightDeep, colour::night);
    cairo_paint(cairo);
}

// The cutter with a flickering glow at her engine.
void FlyingCutter(cairo_t* cairo, double x, double y, double scale, double angle, double seconds, bool burning)
{
    PushPlacement(cairo, x, y, scale, angle);
    const double flicker = 1.0 + 0.12 * std::sin(seconds * 31.0) + 0.08 * std::sin(seconds * 17.0);
    if (burning)
        Glow(cairo, -120.0, 0.0, 46.0 * flicker, colour::orangeLight, 0.55);
    PopPlacement(cairo);
    DrawCutter(cairo, x, y, scale, angle, burning);
}

// --- In flight ---------------------------------------------------------------

void SpeedLines(cairo_t* cairo, double x, double y, double seconds)
{
    for (int line = 0; line < 5; ++line) {
        const double along = std::fmod(seconds * 420.0 + line * 97.0, 360.0);
        const double lineY = y - 40.0 + line * 20.0;
        cairo_move_to(cairo, x - 150.0 - along, lineY);
        cairo_line_to(cairo, x - 90.0 - along, lineY);
    }
    SetColour(cairo, colour::cream, 0.35);
    cairo_set_line_width(cairo, 2.0);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cairo);
}

// --- The storm -----------------------------------------------------------------

// The times of the lightning, seconds into the storm: on the third beat of
// each of its bars, with the music's cymbals.
constexpr double lightning[] = {1.2, 3.6, 6.0};

double LightningBrightness(double seconds)
{
    double brightness = 0.0;
    for (const double flash : lightning)
        if (seconds >= flash)
            brightness = std::max(brightness, std::exp(-(seconds - flash) * 6.0));
    return brightness;
}

void StormCloud(cairo_t* cairo, double x, double y, double scale, std::uint32_t top, std::uint32_t bottom)
{
    PushPlacement(cairo, x, y, scale);
    Circle(cairo, -60.0, 10.0, 40.0);
    Circle(cairo, -15.0, -14.0, 52.0);
    Circle(cairo, 40.0, -4.0, 44.0);
    Circle(cairo, 80.0, 16.0, 30.0);
    cairo_rectangle(cairo, -70.0, 14.0, 150.0, 34.0);
    FillUnion(cairo, top, bottom, 3.0);
    PopPlacement(cairo);
}

// A row of clouds drifting left at `speed`, repeating every 1100 pixels.
void CloudBand(cairo_t* cairo, double seconds, double speed, double y, double scale, unsigned seed,
               std::uint32_t top, std::uint32_t bottom)
{
    for (int cloud = 0; cloud < 5; ++cloud) {
        const double x = std::fmod(cloud * 220.0 + Scatter(seed, cloud) * 80.0 - seconds * speed, 1100.0);
        const double wrapped = x < -150.0 ? x + 1100.0 : x;
        StormCloud(cairo, wrapped, y + Scatter(seed, cloud + 9) * 60.0, scale * (0.8 + 0.4 * Scatter(seed, cloud + 3)),
                   top, bottom);
    }
}

void Bolt(cairo_t* cairo, double x, double seconds, int index)
{
    double boltX = x;
    cairo_move_to(cairo, boltX, -10.0);
    for (int step = 1; step <= 7; ++step) {
        boltX += (Scatter(77, index * 10 + step) - 0.5) * 70.0;
        cairo_line_to(cairo, boltX, step * 45.0);
    }
    const double alpha = std::exp(-seconds * 5.0);
    cairo_path_t* path = cairo_copy_path(cairo);
    SetColour(cairo, colour::violet, 0.6 * alpha);
    cairo_set_line_width(cairo, 14.0);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cairo);
    cairo_append_path(cairo, path);
    cairo_path_destroy(path);
    SetColour(cairo, colour::cream, alpha);
    cairo_set_line_width(cairo, 4.0);
    cairo_stroke(cairo);
}

void Rain(cairo_t* cairo, double seconds)
{
    for (int drop = 0; drop < 70; ++drop) {
        const double x = std::fmod(Scatter(5, drop) * 1000.0 - seconds * 500.0, 1000.0);
        const double y = std::fmod(Scatter(6, drop) * 700.0 + seconds * 900.0, 700.0) - 50.0;
        const double wrappedX = x < 0.0 ? x + 1000.0 : x;
        cairo_move_to(cairo, wrappedX, y);
        cairo_line_to(cairo, wrappedX - 12.0, y + 24.0);
    }
    SetColour(cairo, colour::tealLight, 0.45);
    cairo_set_line_width(cairo, 2.0);
    cairo_stroke(cairo);
}

// --- Wakalua comes up -----------------------------------------------------------

// Wakalua: turquoise sea, sandy islands with hibiscus-red blossoms, white
// clouds, turning slowly.
void Wakalua(cairo_t* cairo, double x, double y, double radius, double turn)
{
    Glow(cairo, x, y, radius * 1.25, colour::turquoise, 0.35);
    DrawPlanet(cairo, x, y, radius, colour::turquoise, colour::teal, false);
    cairo_save(cairo);
    Circle(cairo, x, y, radius - 2.0);
    cairo_clip(cairo);
    PushPlacement(cairo, x, y, radius / 100.0);
    struct Island {
        double x, y, width, height;
    };
    // Near the top, the side the camera sees.
    constexpr Island islands[] = {{-40.0, -80.0, 12.0, 3.0}, {20.0, -66.0, 18.0, 4.5}, {-10.0, -54.0, 9.0, 2.5},
                                  {70.0, -86.0, 8.0, 2.0},   {-90.0, -62.0, 10.0, 3.0}, {110.0, -58.0, 12.0, 3.5}};
    for (const Island& island : islands) {
        const double islandX = std::fmod(island.x + turn + 300.0, 300.0) - 150.0;
        Ellipse(cairo, islandX, island.y, island.width, island.height);
        FillOutlined(cairo, colour::sand, 0xD6B77F, 0.4);
        Ellipse(cairo, islandX, island.y, island.width * 0.55, island.height * 0.55);
        FillPlain(cairo, 0x2E9A4B, 0.9);
        Circle(cairo, islandX + island.width * 0.25, island.y - island.height * 0.1, island.height * 0.22);
        FillPlain(cairo, colour::hibiscus);
    }
    for (int cloud = 0; cloud < 5; ++cloud) {
        const double cloudX = std::fmod(cloud * 61.0 + turn * 1.6 + 300.0, 300.0) - 150.0;
        Ellipse(cairo, cloudX, -93.0 + cloud * 10.0, 14.0, 1.6);
    }
    FillPlain(cairo, colour::cream, 0.7);
    PopPlacement(cairo);
    // The night side.
    Circle(cairo, x, y, radius);
    SetGradient(cairo, cairo_pattern_create_radial(x - radius * 0.4, y - radius * 0.5, radius * 0.6, x, y, radius * 1.3),
                {{0.0, colour::nightDeep, 0.0}, {1.0, colour::nightDeep, 0.45}});
    cairo_fill(cairo);
    cairo_restore(cairo);
    Circle(cairo, x, y, radius);
    StrokeOutline(cairo, 3.5);
}

// Where the cutter is `seconds` into the approach: falling towards the
// planet, smaller as she goes.
struct Flight {
    double x, y, scale, angle;
};
Flight ApproachPath(double seconds)
{
    const double along = EaseInOut(seconds / 7.2);
    return {Lerp(120.0, 560.0, along), Lerp(130.0, 330.0, along) + 10.0 * std::sin(seconds * 2.0),
            Lerp(0.6, 0.3, along), 0.42 + 0.05 * std::sin(seconds * 5.0)};
}

} // namespace

void DrawStarLayer(cairo_t* cairo, unsigned seed, int count, double offset, double period, double size, double alpha)
{
    for (int star = 0; star < count; ++star) {
        const double x = std::fmod(Scatter(seed, star) * period - offset, period);
        const double baseX = x < 0.0 ? x + period : x;
        const double y = Scatter(seed + 1, star) * 600.0;
        const double radius = size * (0.5 + Scatter(seed + 2, star));
        const std::uint32_t tint = star % 7 == 0 ? colour::orangeLight : (star % 5 == 0 ? colour::tealLight : colour::cream);
        for (double copy = baseX; copy < 800.0 + radius; copy += period) {
            SetColour(cairo, tint, alpha * (0.55 + 0.45 * Scatter(seed + 3, star)));
            Circle(cairo, copy, y, radius);
            cairo_fill(cairo);
        }
    }
}

void DrawFlightShot(cairo_t* cairo, double seconds)
{
    NightSky(cairo);
    Glow(cairo, 620.0, 140.0, 320.0, colour::violet, 0.35);
    Glow(cairo, 160.0, 470.0, 260.0, colour::teal, 0.3);
    DrawStarLayer(cairo, 11, 140, seconds * 8.0, 800.0, 0.9, 0.7);
    DrawStarLayer(cairo, 23, 60, seconds * 30.0, 800.0, 1.4, 0.85);
    Camera::Towards(EaseInOut(seconds / 7.2), 400.0, 310.0, 1.12).Apply(cairo);
    DrawPlanet(cairo, 640.0 - seconds * 14.0, 170.0, 72.0, tone::violetLight, colour::violet, true);
    DrawPlanet(cairo, 150.0 - seconds * 22.0, 110.0, 22.0, colour::orangeLight, colour::orange, false);
    const double x = Lerp(-200.0, 380.0, EaseOut(seconds / 4.5)) + 8.0 * seconds;
    const double y = 340.0 + 14.0 * std::sin(seconds * 1.6);
    SpeedLines(cairo, x, y, seconds);
    FlyingCutter(cairo, x, y, 1.3, -0.05 + 0.04 * std::sin(seconds * 1.3), seconds, true);
    cairo_restore(cairo);
    DrawStarLayer(cairo, 37, 18, seconds * 110.0, 900.0, 2.4, 0.9);
}

void DrawStormShot(cairo_t* cairo, double seconds)
{
    SetVerticalGradient(cairo, 0.0, 600.0, 0x2A2266, colour::nightDeep);
    cairo_paint(cairo);
    const double brightness = LightningBrightness(seconds);
    Camera camera;
    camera.x = 400.0 + Shake(seconds, 7.0, 1.0);
    camera.y = 300.0 + Shake(seconds, 6.0, 2.0);
    camera.angle = 0.03 * std::sin(seconds * 2.7);
    camera.zoom = 1.06;
    camera.Apply(cairo);
    CloudBand(cairo, seconds, 70.0, 80.0, 1.0, 3, 0x6F5AB0, 0x3E3188);
    for (int flash = 0; flash < 3; ++flash)
        if (seconds >= lightning[flash] && seconds < lightning[flash] + 0.8)
            Bolt(cairo, 220.0 + flash * 210.0, seconds - lightning[flash], flash);
    CloudBand(cairo, seconds, 150.0, 470.0, 1.3, 8, 0x8A74C8, 0x4B3A8C);
    // The Zephyra tossed about, her engine sputtering.
    const double x = 400.0 + 50.0 * std::sin(seconds * 0.9);
    const double y = 290.0 + 40.0 * std::sin(seconds * 1.7);
    const double angle = 0.35 * std::sin(seconds * 2.1) + 0.1 * std::sin(seconds * 5.3);
    FlyingCutter(cairo, x, y, 1.05, angle, seconds, std::sin(seconds * 13.0) > -0.4);
    CloudBand(cairo, seconds, 320.0, 560.0, 1.7, 14, 0x9C88D6, 0x5A4798);
    cairo_restore(cairo);
    Rain(cairo, seconds);
    if (brightness > 0.0) {
        SetColour(cairo, colour::cream, 0.45 * brightness);
        cairo_paint(cairo);
    }
}

void DrawApproachShot(cairo_t* cairo, double seconds)
{
    NightSky(cairo);
    DrawStarLayer(cairo, 41, 140, seconds * 6.0, 800.0, 0.9, 0.7);
    DrawStarLayer(cairo, 43, 50, seconds * 20.0, 800.0, 1.5, 0.85);
    Camera::Towards(EaseInOut(seconds / 7.2), 400.0, 360.0, 1.18).Apply(cairo);
    const double rise = EaseOut(seconds / 6.0);
    Wakalua(cairo, 420.0, Lerp(1000.0, 820.0, rise), Lerp(260.0, 560.0, rise), seconds * 6.0);
    // A trail of smoke where the cutter was.
    for (int puff = 12; puff >= 1; --puff) {
        const double then = seconds - puff * 0.12;
        if (then < -1.0)
            continue;
        const Flight was = ApproachPath(then);
        Circle(cairo, was.x - 50.0 * was.scale, was.y - 30.0 * was.scale, (6.0 + puff * 1.6) * was.scale * 1.8);
        FillPlain(cairo, colour::stone, 0.5 * (1.0 - puff / 13.0));
    }
    const Flight now = ApproachPath(seconds);
    const double heat = Progress(seconds, 3.0, 6.5);
    if (heat > 0.0)
        Glow(cairo, now.x + 60.0 * now.scale, now.y + 40.0 * now.scale, 120.0 * now.scale, colour::orange, 0.7 * heat);
    FlyingCutter(cairo, now.x, now.y, now.scale, now.angle, seconds, true);
    cairo_restore(cairo);
}

} // namespace content::intro
