#pragma once

// The intro movie, "intro.avi": the opening of episode 1 "Notlandung" in
// seven shots. The cutter Zephyra flies among the stars, the twins play
// with the controls on the bridge, the hyperdrive crystal cracks with a
// flash, a storm tosses the ship, the holiday planet Wakalua comes up, the
// Zephyra comes down on its beach, and the title ends the movie.
//
// Each frame is drawn from its time alone, nothing is carried from one
// frame to the next: any frame can be drawn on its own, and the same time
// always gives the same pixels. The shots are timed to the bars of the
// intro's music (tools/content/music/Intro.txt, 2.4 s a bar), which the
// soundtrack (IntroSoundtrack.h) plays under the narration.

#include "SpriteArt.h"

#include <span>

namespace content::intro {

constexpr int frameWidth = 800;
constexpr int frameHeight = 600;
constexpr int framesPerSecond = 25;

enum class ShotKind { flight, bridge, crystal, storm, approach, landing, title };

struct Shot {
    ShotKind kind;
    const char* name;
    double start;  // seconds from the start of the movie
    double length; // seconds
    double fadeIn; // seconds over which it fades in over the shot before; 0 for a cut

    double End() const { return start + length; }
};

// The shots in playing order, each starting where the one before ends.
std::span<const Shot> Storyboard();
// The movie's length in seconds: the end of the last shot.
double MovieSeconds();
// How many frames the movie has at framesPerSecond.
int FrameCount();
// The shot on screen at `seconds` (the first before the start, the last
// after the end).
const Shot& ShotAt(double seconds);

// The frame at `seconds` from the start, opaque, frameWidth x frameHeight.
Picture DrawFrame(double seconds);

} // namespace content::intro
