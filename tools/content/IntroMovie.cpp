#include "IntroMovie.h"

#include "IntroMotion.h"
#include "IntroScenes.h"

#include <array>
#include <cmath>

namespace content::intro {

namespace {

// A bar of the intro music: 4 beats at 100 beats per minute.
constexpr double bar = 2.4;

// The crystal's flash whites the frame out, so the storm follows on a cut.
constexpr std::array<Shot, 7> shots = {{
    {ShotKind::flight, "Flug", 0.0 * bar, 3.0 * bar, 0.0},
    {ShotKind::bridge, "Brücke", 3.0 * bar, 4.0 * bar, 0.5},
    {ShotKind::crystal, "Kristall", 7.0 * bar, 2.0 * bar, 0.4},
    {ShotKind::storm, "Sturm", 9.0 * bar, 3.0 * bar, 0.0},
    {ShotKind::approach, "Wakalua", 12.0 * bar, 3.0 * bar, 0.6},
    {ShotKind::landing, "Notlandung", 15.0 * bar, 3.0 * bar, 0.5},
    {ShotKind::title, "Titel", 18.0 * bar, 3.0 * bar, 1.0},
}};

// The movie opens out of the night.
constexpr double openingFade = 0.8;

void DrawShot(cairo_t* cairo, const Shot& shot, double seconds)
{
    const double local = seconds - shot.start;
    cairo_save(cairo);
    switch (shot.kind) {
    case ShotKind::flight: DrawFlightShot(cairo, local); break;
    case ShotKind::bridge: DrawBridgeShot(cairo, local); break;
    case ShotKind::crystal: DrawCrystalShot(cairo, local); break;
    case ShotKind::storm: DrawStormShot(cairo, local); break;
    case ShotKind::approach: DrawApproachShot(cairo, local); break;
    case ShotKind::landing: DrawLandingShot(cairo, local); break;
    case ShotKind::title: DrawTitleShot(cairo, local); break;
    }
    cairo_restore(cairo);
    cairo_new_path(cairo);
}

} // namespace

std::span<const Shot> Storyboard()
{
    return shots;
}

double MovieSeconds()
{
    return shots.back().End();
}

int FrameCount()
{
    return static_cast<int>(std::lround(MovieSeconds() * framesPerSecond));
}

const Shot& ShotAt(double seconds)
{
    for (const Shot& shot : shots)
        if (seconds < shot.End())
            return shot;
    return shots.back();
}

Picture DrawFrame(double seconds)
{
    Picture frame(frameWidth, frameHeight);
    cairo_t* cairo = frame.Cairo();
    // Night blue under everything, so that no pixel stays clear.
    SetColour(cairo, colour::nightDeep);
    cairo_paint(cairo);
    const Shot& shot = ShotAt(seconds);
    const auto index = static_cast<std::size_t>(&shot - shots.data());
    const double fade = shot.fadeIn > 0.0 ? Progress(seconds, shot.start, shot.start + shot.fadeIn) : 1.0;
    if (fade < 1.0 && index > 0) {
        // The shot before goes on underneath while this one fades in.
        DrawShot(cairo, shots[index - 1], seconds);
        cairo_push_group(cairo);
        DrawShot(cairo, shot, seconds);
        cairo_pop_group_to_source(cairo);
        cairo_paint_with_alpha(cairo, EaseInOut(fade));
    } else {
        DrawShot(cairo, shot, seconds);
    }
    if (seconds < openingFade) {
        SetColour(cairo, colour::nightDeep, 1.0 - EaseInOut(seconds / openingFade));
        cairo_paint(cairo);
    }
    return frame;
}

} // namespace content::intro
