#pragma once

// The poses of the cast's animations, frame by frame: each loop starts and
// ends in the standing pose (or flows round, as a walk does), so that the
// game can change between them at a loop's end. A drone reads only the
// rise, glow and blink of a pose.

#include "characters/PuppetRig.h"

namespace content::characters {

// The frame counts of the loops.
constexpr int walkFrames = 8;
constexpr int talkingFrames = 8;
constexpr int idleFrames = 8;
constexpr int takeFrames = 8;
constexpr int idleVariantCount = 5;

enum class Reach { low, middle, high };

Pose StandingPose();
// Frame `frame` of a walk cycle: a step with each foot, the arms swinging
// against the legs, the body rising as the feet pass.
Pose WalkPose(int frame);
// Speaking: the mouth opening and closing, one hand gesturing.
Pose TalkingPose(int frame);
// The idle variants, 1 to idleVariantCount: looking about, scratching the
// head, stretching, tapping a foot, shrugging.
Pose IdlePose(int variant, int frame);
// Bending or reaching for something and back.
Pose TakePose(Reach reach, int frame);

} // namespace content::characters
