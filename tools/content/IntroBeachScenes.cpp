// The intro's shots on Wakalua: the Zephyra's emergency landing on the
// beach, and the title over the beach at dusk.

#include "BonusArt.h"
#include "IntroMotion.h"
#include "IntroScenes.h"
#include "SceneFigures.h"
#include "SceneShapes.h"
#include "SpriteArt.h"

#include <cmath>
#include <cstdint>

namespace content::intro {

namespace {

// When the cutter's keel touches the sand, seconds into the landing: on the
// music's crash in the fourth beat.
constexpr double touchdown = 1.8;
// When she has slid to a stop.
constexpr double standstill = 3.8;

struct Place {
    double x, y, angle;
};

// The cutter's way down: out of the sky from the upper left, onto the
// sand, and sliding along the beach until she stops nose down in it.
Place CutterAt(double seconds)
{
    if (seconds < touchdown) {
        const double fall = EaseIn(Progress(seconds, -1.0, touchdown) * 0.6 + 0.4);
        return {Lerp(-260.0, 300.0, fall), Lerp(-120.0, 438.0, fall), Lerp(0.5, 0.12, fall)};
    }
    const double slide = EaseOut(Progress(seconds, touchdown, standstill));
    const double bounce = 10.0 * std::exp(-(seconds - touchdown) * 4.0) * std::abs(std::sin((seconds - touchdown) * 9.0));
    return {Lerp(300.0, 500.0, slide), Lerp(438.0, 450.0, slide) - bounce, Lerp(0.12, -0.12, slide)};
}

void Beach(cairo_t* cairo, double seconds)
{
    cairo_rectangle(cairo, -200.0, -400.0, 1200.0, 730.0);
    SetVerticalGradient(cairo, -400.0, 330.0, 0x3C8FD8, tone::haze);
    cairo_fill(cairo);
    Glow(cairo, 170.0, 110.0, 120.0, colour::orangeLight, 0.7);
    Circle(cairo, 170.0, 110.0, 46.0);
    FillOutlined(cairo, colour::cream, colour::orangeLight);
    DrawPlanet(cairo, 640.0, 90.0, 40.0, tone::hibiscusLight, colour::hibiscus, true);
    DrawCloud(cairo, 380.0 + seconds * 5.0, 80.0, 1.0);
    DrawCloud(cairo, 60.0 + seconds * 3.0, 220.0, 0.7);
    DrawCloud(cairo, 720.0 + seconds * 4.0, 200.0, 0.55);
    DrawWakaluaSea(cairo, seconds);
    DrawGround(cairo, {420.0, 404.0, 392.0, 398.0, 386.0}, colour::sand, tone::sandDark);
    DrawHut(cairo, 160.0, 420.0, 0.7);
}

void Foreground(cairo_t* cairo)
{
    DrawPalm(cairo, 60.0, 580.0, 300.0, -30.0);
    DrawPalm(cairo, 760.0, 600.0, 250.0, 30.0);
    DrawHibiscusBush(cairo, 250.0, 610.0, 0.9);
    DrawHibiscusBush(cairo, 620.0, 620.0, 0.8);
}

// Sand thrown up where the keel ploughs through the beach.
void SandSpray(cairo_t* cairo, double seconds, const Place& cutter)
{
    const double since = seconds - touchdown;
    if (since < 0.0 || seconds > standstill + 0.8)
        return;
    const double strength = 1.0 - Progress(seconds, standstill - 0.5, standstill + 0.8);
    // The keel's furrow from where she touched down.
    cairo_move_to(cairo, 330.0, 478.0);
    cairo_line_to(cairo, cutter.x + 40.0, cutter.y + 32.0);
    StrokeBand(cairo, tone::sandDark, 8.0, 12.0, 0.9);
    const double noseX = cutter.x + 140.0 * std::cos(cutter.angle);
    const double noseY = cutter.y + 140.0 * std::sin(cutter.angle) + 20.0;
    for (int grain = 0; grain < 9; ++grain) {
        const double age = std::fmod(since * 2.5 + grain / 9.0, 1.0);
        const double x = noseX + age * (50.0 + grain * 8.0);
        const double y = noseY - std::sin(age * 3.1) * (50.0 + grain * 6.0);
        Circle(cairo, x, y, (14.0 + grain * 1.5) * (1.0 - age * 0.6));
    }
    cairo_push_group(cairo);
    FillUnion(cairo, colour::sand, tone::sandDark, 2.0);
    cairo_pop_group_to_source(cairo);
    cairo_paint_with_alpha(cairo, strength);
}

void SmokeTrail(cairo_t* cairo, double seconds)
{
    for (int puff = 14; puff >= 1; --puff) {
        const double then = seconds - puff * 0.1;
        if (then > touchdown)
            continue;
        const Place was = CutterAt(then);
        const double age = puff / 15.0;
        Circle(cairo, was.x - 80.0, was.y - 20.0 - age * 30.0, 12.0 + puff * 2.5);
        FillPlain(cairo, colour::stone, 0.55 * (1.0 - age) * (1.0 - Progress(seconds, touchdown, touchdown + 1.5)));
    }
}

// The landed Zephyra with smoke rising from her engine and KIRA floating
// out to look.
void Landed(cairo_t* cairo, double seconds, double sinceStill)
{
    const Place cutter = CutterAt(seconds);
    DrawCutter(cairo, cutter.x, cutter.y, 1.35, cutter.angle, false);
    if (sinceStill > 0.0) {
        cairo_save(cairo);
        cairo_push_group(cairo);
        DrawSmoke(cairo, cutter.x - 120.0, cutter.y - 10.0 - 6.0 * std::sin(sinceStill * 2.0));
        cairo_pop_group_to_source(cairo);
        cairo_paint_with_alpha(cairo, Progress(sinceStill, 0.0, 1.0));
        cairo_restore(cairo);
    }
    const double kira = Progress(sinceStill, 1.2, 2.6);
    if (kira > 0.0)
        DrawKira(cairo, cutter.x + 20.0, Lerp(cutter.y - 10.0, cutter.y - 130.0, EaseOut(kira)) +
                                              6.0 * std::sin(sinceStill * 2.5), 0.45 * EaseOut(kira));
}

} // namespace

void DrawLandingShot(cairo_t* cairo, double seconds)
{
    Camera camera = Camera::Towards(EaseInOut(Progress(seconds, standstill, 7.7)), 450.0, 340.0, 1.15);
    camera.Jolt(seconds, touchdown, 12.0, 2.2);
    camera.Apply(cairo);
    Beach(cairo, seconds);
    SmokeTrail(cairo, seconds);
    const Place cutter = CutterAt(seconds);
    Landed(cairo, seconds, seconds - standstill);
    SandSpray(cairo, seconds, cutter);
    Foreground(cairo);
    cairo_restore(cairo);
}

void DrawTitleShot(cairo_t* cairo, double seconds)
{
    // The camera keeps looking at the beach while dusk falls, then tilts up
    // to the sky where the title appears.
    Camera camera;
    const double tilt = EaseInOut(Progress(seconds, 0.3, 3.0));
    camera.x = Lerp(450.0, 400.0, tilt);
    camera.y = Lerp(340.0, 190.0, tilt);
    // A slow push in under the title keeps the picture alive.
    camera.zoom = Lerp(1.15, 1.0, tilt) + 0.06 * EaseInOut(Progress(seconds, 3.0, 7.4));
    camera.Apply(cairo);
    const double beachSeconds = 7.2 + seconds;
    Beach(cairo, beachSeconds);
    Landed(cairo, beachSeconds, beachSeconds - standstill);
    Foreground(cairo);
    cairo_restore(cairo);
    // Dusk: night blue from the top, a warm band at the horizon.
    const double dusk = EaseInOut(Progress(seconds, 0.0, 3.0));
    cairo_rectangle(cairo, 0.0, 0.0, 800.0, 600.0);
    SetGradient(cairo, cairo_pattern_create_linear(0.0, 0.0, 0.0, 600.0),
                {{0.0, colour::night, 0.85 * dusk}, {0.55, colour::violet, 0.4 * dusk}, {1.0, colour::nightDeep, 0.55 * dusk}});
    cairo_fill(cairo);
    cairo_push_group(cairo);
    DrawStarLayer(cairo, 61, 70, seconds * 4.0, 800.0, 1.2, 1.0);
    cairo_pop_group_to_source(cairo);
    cairo_paint_with_alpha(cairo, dusk * 0.8);
    // The title grows in with a little overshoot, the episode fades in under
    // it.
    const double appear = Progress(seconds, 1.6, 2.6);
    if (appear > 0.0) {
        const double pop = EaseOut(appear) + 0.08 * std::sin(appear * 3.14159) + 0.015 * std::sin(seconds * 2.0);
        cairo_save(cairo);
        cairo_translate(cairo, 400.0, 190.0);
        cairo_scale(cairo, pop, pop);
        Glow(cairo, 0.0, 0.0, 300.0, colour::orange, 0.25);
        DrawArtText(cairo, "ASTROKUTTER", 0.0, -50.0, 58.0, colour::tealLight);
        DrawArtText(cairo, "ZEPHYRA", 0.0, 60.0, 116.0, colour::orangeLight);
        cairo_restore(cairo);
    }
    const double episode = Progress(seconds, 3.0, 4.0);
    if (episode > 0.0) {
        cairo_push_group(cairo);
        DrawArtText(cairo, "Folge 1: Notlandung", 400.0, 330.0, 32.0, colour::cream);
        cairo_pop_group_to_source(cairo);
        cairo_paint_with_alpha(cairo, episode);
    }
}

} // namespace content::intro
