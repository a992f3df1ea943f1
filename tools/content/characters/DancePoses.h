#pragma once

// The poses of the dance contest's figures, who face the viewer: a swaying
// idle loop and the eight moves. The game sets a move's animation time from
// 0 at its start to 1 at its end, so every move begins and ends in the
// standing pose; the long moves (up, right, left, down: labels 1, 2, 3 and
// 8) last two beats and are two movements each.
//
// Sides are the screen's: for a figure facing the viewer the screen's right
// is its own left, arms[1] and legs[1] of the rig's pose.

#include "characters/PuppetRig.h"

namespace content::characters {

constexpr int danceIdleFrames = 12;
constexpr int danceMoveFrames = 12;
// The moves by their label number, 1 to danceMoveCount.
constexpr int danceMoveCount = 8;

// A rig pose and what the rig itself cannot do: stepping sideways, leaning
// the whole body to a side, and a cartoon's squash and stretch (a squat
// seen from the front, where bent knees hardly show).
struct DancePose {
    Pose pose;
    double shift = 0.0;   // the figure moved to the screen's right, in units
    double tilt = 0.0;    // the figure leaning to the screen's right about its soles, radians
    double stretch = 1.0; // the figure's height scaled about its soles, its width the other way
};

DancePose DanceIdlePose(int frame);
// Frame `frame` of move `move` (1 to danceMoveCount): 1 both arms up with a
// jump, 2 a step and arm swing to the screen's right, 3 the same to the
// left, 4 pointing down left, 5 pointing down right, 6 reaching up left,
// 7 reaching up right, 8 a squat with the hands to the knees.
DancePose DanceMovePose(int move, int frame);

} // namespace content::characters
