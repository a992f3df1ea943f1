#pragma once

// The tournament's catapult, a wooden siege cart rolling to the right, seen
// from the side. The game draws each part centred on the cart's point, so
// every frame has the same size and the ground under the wheels runs along
// row catapultGroundRow. The near wheels are drawn in front of the arm, the
// far ones behind the cart (the game shifts them up and to the left), and
// the cart with its arm in between: tensioned by the winch frame by frame,
// or throwing.

#include "SpriteArt.h"

namespace content::minigames {

constexpr int catapultFrameWidth = 440;
constexpr int catapultFrameHeight = 680;
constexpr int catapultGroundRow = 390;
constexpr int catapultWheelRadius = 45;
constexpr int catapultWheelRow = catapultGroundRow - catapultWheelRadius;
constexpr int catapultBackWheelColumn = 120;
constexpr int catapultFrontWheelColumn = 290;
// A strip stacks its frames in one picture, and the game's loader takes no
// picture taller than Image::maximumSide (16384) rows: 24 frames of these.
constexpr int catapultWheelFrames = 16;
constexpr int catapultPullFrames = 24;
constexpr int catapultLaunchFrames = 24;
// The first frame of the throw in which the knight has left the bucket,
// and where the bucket's tip is then: the game starts him flying there.
constexpr int catapultReleaseFrame = 10;
constexpr int catapultReleaseColumn = 279;
constexpr int catapultReleaseRow = 40;

// The two wheels of one side turned on by `frame` sixteenths of a turn,
// clockwise; the far side's a shade darker.
Picture DrawCatapultWheels(int frame, bool farSide);
// The cart and its arm while the winch tensions it: at rest with the
// knight in the bucket, pulled down and back, bending, and in the last
// frame broken.
Picture DrawCatapultPull(int frame);
// The cart and its arm while throwing: from the full tension up and
// forward, the knight gone from the release frame on, then swinging out
// and settling at rest.
Picture DrawCatapultLaunch(int frame);

} // namespace content::minigames
