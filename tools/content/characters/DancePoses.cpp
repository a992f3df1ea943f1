#include "characters/DancePoses.h"

#include "characters/PoseCycles.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

namespace content::characters {

namespace {

constexpr double pi = std::numbers::pi;

// A pose at a moment of a move, 0 at its start to 1 at its end.
struct Key {
    double time;
    DancePose pose;
};

double Ease(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

double Mix(double a, double b, double w)
{
    return a + (b - a) * w;
}

ArmPose Mix(const ArmPose& a, const ArmPose& b, double w)
{
    return {Mix(a.swing, b.swing, w), Mix(a.spread, b.spread, w), Mix(a.bend, b.bend, w),
            Mix(a.inwards, b.inwards, w)};
}

DancePose Mix(const DancePose& a, const DancePose& b, double w)
{
    DancePose mixed;
    Pose& pose = mixed.pose;
    for (int side = 0; side < 2; ++side) {
        pose.arms[side] = Mix(a.pose.arms[side], b.pose.arms[side], w);
        pose.legs[side] = {Mix(a.pose.legs[side].forward, b.pose.legs[side].forward, w),
                           Mix(a.pose.legs[side].lift, b.pose.legs[side].lift, w)};
    }
    pose.rise = Mix(a.pose.rise, b.pose.rise, w);
    pose.crouch = Mix(a.pose.crouch, b.pose.crouch, w);
    pose.lean = Mix(a.pose.lean, b.pose.lean, w);
    pose.headTurn = Mix(a.pose.headTurn, b.pose.headTurn, w);
    pose.headTilt = Mix(a.pose.headTilt, b.pose.headTilt, w);
    pose.mouth = Mix(a.pose.mouth, b.pose.mouth, w);
    pose.blink = w < 0.5 ? a.pose.blink : b.pose.blink;
    pose.glow = Mix(a.pose.glow, b.pose.glow, w);
    mixed.shift = Mix(a.shift, b.shift, w);
    mixed.tilt = Mix(a.tilt, b.tilt, w);
    mixed.stretch = Mix(a.stretch, b.stretch, w);
    return mixed;
}

// The pose at `time` between the keys (in time order, the first at 0, the
// last at 1), eased in and out of each.
DancePose Along(std::initializer_list<Key> keys, double time)
{
    const Key* before = keys.begin();
    for (const Key* key = keys.begin(); key != keys.end(); ++key) {
        if (key->time > time) {
            const double span = key->time - before->time;
            return Mix(before->pose, key->pose, span > 0.0 ? Ease((time - before->time) / span) : 1.0);
        }
        before = key;
    }
    return before->pose;
}

// The same movement seen in a mirror: the screen's sides swapped. The feet
// stand one a little before the other, so a foot's step is mirrored as a
// change from where the other foot stands, and the standing pose stays as
// it is.
DancePose Mirrored(DancePose dance)
{
    Pose& pose = dance.pose;
    std::swap(pose.arms[0], pose.arms[1]);
    const Pose standing = StandingPose();
    const LegPose legs[2] = {pose.legs[0], pose.legs[1]};
    for (int side = 0; side < 2; ++side) {
        const int other = 1 - side;
        pose.legs[side].forward = standing.legs[side].forward + legs[other].forward - standing.legs[other].forward;
        pose.legs[side].lift = legs[other].lift;
    }
    pose.headTurn = -pose.headTurn;
    dance.shift = -dance.shift;
    dance.tilt = -dance.tilt;
    return dance;
}

// An arm raised sideways by `spread` (0 hanging, pi/2 level, towards pi
// straight up), bent at the elbow by `bend`.
ArmPose Arm(double spread, double bend = 0.1, double swing = 0.05)
{
    return {swing, spread, bend, 0.0};
}

// A hand on the hip.
constexpr ArmPose handOnHip{-0.1, 0.9, 0.5, 1.9};

DancePose Standing()
{
    return {StandingPose(), 0.0, 0.0, 1.0};
}

DancePose ArmsAndBody(ArmPose left, ArmPose right, double shift, double tilt)
{
    DancePose dance = Standing();
    dance.pose.arms[0] = left;
    dance.pose.arms[1] = right;
    dance.shift = shift;
    dance.tilt = tilt;
    return dance;
}

// Both arms up in a V with a jump, then a stretch on the toes with the
// hands together high above the head.
DancePose JumpUp(double t)
{
    DancePose gather = ArmsAndBody(Arm(0.45, 0.4), Arm(0.45, 0.4), 0.0, 0.0);
    gather.pose.crouch = 6.0;
    gather.stretch = 0.92;
    DancePose jump = ArmsAndBody(Arm(2.65), Arm(2.65), 0.0, 0.0);
    jump.pose.rise = 8.0;
    jump.pose.legs[0].lift = 7.0;
    jump.pose.legs[1].lift = 7.0;
    jump.pose.mouth = 0.8;
    jump.pose.headTilt = -0.6;
    jump.stretch = 1.05;
    DancePose land = ArmsAndBody(Arm(1.5, 0.3), Arm(1.5, 0.3), 0.0, 0.0);
    land.pose.crouch = 4.0;
    land.stretch = 0.93;
    DancePose stretch = ArmsAndBody(Arm(2.95, 0.0, 0.15), Arm(2.95, 0.0, 0.15), 0.0, 0.0);
    stretch.pose.rise = 3.0;
    stretch.pose.headTilt = -0.9;
    stretch.pose.mouth = 0.3;
    DancePose lower = ArmsAndBody(Arm(1.3, 0.3), Arm(1.3, 0.3), 0.0, 0.0);
    return Along({{0.0, Standing()}, {0.12, gather}, {0.28, jump}, {0.34, jump}, {0.46, land}, {0.68, stretch},
                  {0.76, stretch}, {0.88, lower}, {1.0, Standing()}},
                 t);
}

// A step to the screen's right with the arms swinging out that way, a
// bounce, a reach up to the right and the step back.
DancePose StepRight(double t)
{
    DancePose lift = ArmsAndBody(Arm(0.9, 0.4), Arm(0.9, 0.4), 3.0, 0.02);
    lift.pose.legs[1].lift = 3.0;
    DancePose step = ArmsAndBody(Arm(0.5, 1.7, 0.3), Arm(1.6, 0.1), 10.0, 0.05);
    step.pose.rise = 1.0;
    step.pose.mouth = 0.5;
    DancePose bounce = ArmsAndBody(Arm(1.1, 0.5), Arm(1.1, 0.5), 10.0, 0.0);
    bounce.pose.crouch = 4.0;
    bounce.stretch = 0.94;
    DancePose reach = ArmsAndBody(Arm(1.4, 0.3), Arm(2.35, 0.05), 10.0, 0.07);
    reach.pose.rise = 2.0;
    reach.pose.headTilt = -0.6;
    reach.pose.mouth = 0.6;
    DancePose back = ArmsAndBody(Arm(0.8, 0.4), Arm(0.8, 0.4), 4.0, -0.01);
    back.pose.legs[0].lift = 3.0;
    return Along({{0.0, Standing()}, {0.1, lift}, {0.25, step}, {0.36, step}, {0.5, bounce}, {0.68, reach},
                  {0.76, reach}, {0.9, back}, {1.0, Standing()}},
                 t);
}

// Pointing down to the screen's right, the other hand on the hip.
DancePose PointDownRight(double t)
{
    DancePose point = ArmsAndBody(handOnHip, Arm(0.95, 0.0, 0.2), 3.0, 0.07);
    point.pose.crouch = 6.0;
    point.stretch = 0.94;
    point.pose.legs[1].forward = 3.0;
    point.pose.legs[1].lift = 1.0;
    point.pose.headTilt = 1.0;
    point.pose.mouth = 0.3;
    return Along({{0.0, Standing()}, {0.4, point}, {0.6, point}, {1.0, Standing()}}, t);
}

// Reaching up to the screen's right, the other hand on the hip and that
// hip out.
DancePose ReachUpRight(double t)
{
    DancePose reach = ArmsAndBody(handOnHip, Arm(2.3, 0.05), -2.0, 0.07);
    reach.pose.rise = 2.0;
    reach.pose.legs[1].lift = 1.5;
    reach.pose.headTilt = -0.7;
    reach.pose.mouth = 0.5;
    return Along({{0.0, Standing()}, {0.4, reach}, {0.6, reach}, {1.0, Standing()}}, t);
}

// Down into a squat with the hands on the knees, then up with the arms
// flung out wide.
DancePose Squat(double t)
{
    DancePose squat = ArmsAndBody(Arm(0.3, 0.15, 0.4), Arm(0.3, 0.15, 0.4), 0.0, 0.0);
    squat.pose.crouch = 13.0;
    squat.pose.legs[0].forward = 2.0;
    squat.pose.legs[1].forward = 2.0;
    squat.pose.lean = 0.15;
    squat.pose.headTilt = 1.2;
    squat.stretch = 0.8;
    DancePose open = ArmsAndBody(Arm(1.9, 0.2), Arm(1.9, 0.2), 0.0, 0.0);
    open.pose.rise = 3.0;
    open.pose.mouth = 0.8;
    open.pose.headTilt = -0.5;
    return Along({{0.0, Standing()}, {0.28, squat}, {0.46, squat}, {0.7, open}, {0.8, open}, {1.0, Standing()}}, t);
}

} // namespace

DancePose DanceIdlePose(int frame)
{
    const double phase = 2 * pi * frame / danceIdleFrames;
    const double sway = std::sin(phase);
    DancePose dance = Standing();
    dance.shift = 1.5 * sway;
    dance.tilt = 0.035 * sway;
    // The hands waving before the body like a hula dancer's.
    dance.pose.arms[0] = Arm(0.35 - 0.1 * sway, 0.7 + 0.3 * sway, 0.2);
    dance.pose.arms[1] = Arm(0.35 + 0.1 * sway, 0.7 - 0.3 * sway, 0.2);
    // The weight on the foot the body leans over, the other heel up.
    dance.pose.legs[0].lift = 1.2 * std::max(0.0, sway);
    dance.pose.legs[1].lift = 1.2 * std::max(0.0, -sway);
    dance.pose.rise = 0.6 * (1.0 - std::cos(2 * phase)) / 2;
    dance.pose.mouth = 0.15;
    return dance;
}

DancePose DanceMovePose(int move, int frame)
{
    const double t = static_cast<double>(frame) / (danceMoveFrames - 1);
    switch (move) {
    case 1:
        return JumpUp(t);
    case 2:
        return StepRight(t);
    case 3:
        return Mirrored(StepRight(t));
    case 4:
        return Mirrored(PointDownRight(t));
    case 5:
        return PointDownRight(t);
    case 6:
        return Mirrored(ReachUpRight(t));
    case 7:
        return ReachUpRight(t);
    default:
        return Squat(t);
    }
}

} // namespace content::characters
