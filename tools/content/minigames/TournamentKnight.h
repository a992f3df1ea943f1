#pragma once

// The castle guard who is thrown for sport: a cartoon knight in dented tin
// armour with a red plume, a shield with the castle's falcon and a comic
// face in his open visor. He faces right, the way he is thrown, and is
// drawn from a pose, so that the catapult can seat him in its bucket and
// his own animations can tumble, land and stand him up.

#include "SpriteArt.h"

#include <cairo.h>

namespace content::minigames {

// His frames; he is drawn centred on his point, and on the ground the
// ground runs along frame row knightGroundRow.
constexpr int knightFrameWidth = 160;
constexpr int knightFrameHeight = 184;
constexpr int knightGroundRow = 124;
constexpr int knightFlyFrames = 24;
constexpr int knightHitFrames = 14;
constexpr int knightStandUpFrames = 20;

enum class KnightFace { cheeky, scared, dizzy, proud };

// Limb angles are radians from hanging straight down, positive towards his
// front (to the right); an elbow or knee turns the lower limb from the
// upper one.
struct KnightPose {
    // His hip, in the picture's pixels.
    double x = 80.0;
    double y = 85.0;
    // The whole figure turned clockwise about the middle of his body.
    double turn = 0.0;
    // The upper body bent forward about the hip.
    double lean = 0.0;
    double nearShoulder = 0.2, nearElbow = 0.3, farShoulder = -0.2, farElbow = 0.3;
    double nearHip = 0.05, nearKnee = -0.05, farHip = -0.05, farKnee = -0.05;
    // The plume's sway, -1 to 1.
    double plume = 0.0;
    KnightFace face = KnightFace::cheeky;
    // Stars circling over his head, 0 (none) to 1.
    double stars = 0.0;
    // Where the stars are on their round, in turns.
    double starTurn = 0.0;
};

// The pose part of the way from `from` to `to` (0 to 1); the face and the
// stars' round come from whichever is nearer.
KnightPose Between(const KnightPose& from, const KnightPose& to, double part);

// Sitting with his knees drawn up and his hands on them, as in the
// catapult's bucket; his hip at the origin.
KnightPose SittingPose();

void DrawKnight(cairo_t* cairo, const KnightPose& pose);

// The frames of "guard_fly", "guard_hit" and "guard_standup".
Picture DrawKnightFlying(int frame);
Picture DrawKnightLanding(int frame);
Picture DrawKnightStandingUp(int frame);

} // namespace content::minigames
