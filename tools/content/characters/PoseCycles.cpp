#include "characters/PoseCycles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content::characters {

namespace {

constexpr double pi = std::numbers::pi;

// 0 to 1 and back to 0 over a loop, easing in and out.
double Out(int frame, int frames)
{
    return std::sin(pi * frame / frames) * std::sin(pi * frame / frames);
}

double Phase(int frame, int frames)
{
    return 2 * pi * frame / frames;
}

} // namespace

Pose StandingPose()
{
    Pose pose;
    pose.arms[0] = {0.05, 0.14, 0.22};
    pose.arms[1] = {0.05, 0.14, 0.22};
    pose.legs[0] = {0.4, 0.0};
    pose.legs[1] = {-0.4, 0.0};
    return pose;
}

Pose WalkPose(int frame)
{
    const double phase = Phase(frame, walkFrames);
    Pose pose = StandingPose();
    constexpr double stride = 9.0;
    for (int side = 0; side < 2; ++side) {
        const double step = phase + side * pi;
        // The foot moves forwards, lifted, while the cosine is positive, and
        // back along the ground while it carries the body.
        pose.legs[side].forward = stride * std::sin(step);
        pose.legs[side].lift = 3.2 * std::max(0.0, std::cos(step));
        // The arm going forwards bends at the elbow, the one going back
        // stays almost straight.
        pose.arms[side].swing = -0.36 * std::sin(step);
        pose.arms[side].bend = 0.2 + 0.45 * std::max(0.0, -std::sin(step));
    }
    pose.rise = 1.3 * std::cos(2 * phase);
    pose.lean = 0.06;
    pose.glow = 0.5 + 0.5 * std::sin(phase);
    return pose;
}

Pose TalkingPose(int frame)
{
    Pose pose = StandingPose();
    // Syllables of changing width rather than a steady flap.
    static constexpr double mouth[talkingFrames] = {0.2, 0.85, 0.4, 1.0, 0.1, 0.7, 0.95, 0.3};
    pose.mouth = mouth[frame % talkingFrames];
    pose.glow = pose.mouth;
    const double gesture = Out(frame, talkingFrames);
    pose.arms[0] = {0.5 + 0.6 * gesture, 0.22, 1.2 + 0.3 * gesture};
    pose.headTilt = -0.6 * gesture;
    return pose;
}

Pose IdlePose(int variant, int frame)
{
    Pose pose = StandingPose();
    const double out = Out(frame, idleFrames);
    const double phase = Phase(frame, idleFrames);
    switch (variant) {
    case 1: // looking about
        pose.headTurn = 0.85 * std::sin(phase);
        pose.blink = frame == idleFrames / 2 ? 1.0 : 0.0;
        pose.glow = 0.3 * out;
        break;
    case 2: // scratching the head
        pose.arms[1] = {0.05 + 2.4 * out, 0.14 + 0.1 * out, 0.22 + 1.7 * out, 0.9 * out};
        pose.arms[1].swing += 0.12 * out * std::sin(3 * phase);
        pose.headTilt = 1.0 * out;
        pose.rise = 0.6 * std::sin(2 * phase);
        break;
    case 3: // stretching, up on the toes
        for (ArmPose& arm : pose.arms)
            arm = {0.05 + 2.85 * out, 0.14 + 0.25 * out, 0.22 - 0.1 * out};
        pose.rise = 2.5 * out;
        pose.mouth = 0.8 * out * out;
        pose.blink = out > 0.8 ? 1.0 : 0.0;
        break;
    case 4: // tapping a foot, hands on the hips
        for (ArmPose& arm : pose.arms)
            arm = {0.05 - 0.15 * out, 0.14 + 0.75 * out, 0.22 + 0.3 * out, 1.9 * out};
        pose.legs[1].lift = 1.8 * std::max(0.0, std::sin(2 * phase));
        pose.legs[1].forward = 1.5;
        pose.rise = 0.8 * std::max(0.0, std::sin(2 * phase + pi / 2)) * 0.3;
        break;
    default: // shrugging
        for (ArmPose& arm : pose.arms)
            arm = {0.05 + 0.5 * out, 0.14 + 0.35 * out, 0.22 + 1.3 * out};
        pose.rise = 1.2 * out;
        pose.headTilt = 0.8 * out;
        pose.mouth = 0.25 * out;
        pose.glow = out;
        break;
    }
    return pose;
}

Pose TakePose(Reach reach, int frame)
{
    Pose pose = StandingPose();
    const double out = Out(frame, takeFrames);
    switch (reach) {
    case Reach::low:
        pose.crouch = 10.0 * out;
        pose.lean = 0.7 * out;
        pose.legs[0].forward = 0.4 + 5.0 * out;
        pose.legs[1].forward = -0.4 - 3.0 * out;
        // The hand down to the floor in front of the feet.
        pose.arms[0] = {0.05 - 0.35 * out, 0.14, 0.22 - 0.1 * out};
        pose.arms[1] = {0.05 - 0.2 * out, 0.14 + 0.1 * out, 0.22 + 0.3 * out};
        pose.headTilt = 1.0 * out;
        break;
    case Reach::middle:
        pose.lean = 0.12 * out;
        pose.legs[0].forward = 0.4 + 3.0 * out;
        pose.arms[0] = {0.05 + 1.45 * out, 0.14, 0.22 - 0.1 * out};
        break;
    case Reach::high:
        pose.rise = 3.0 * out;
        pose.arms[0] = {0.05 + 2.6 * out, 0.14 - 0.05 * out, 0.22 - 0.15 * out};
        pose.headTilt = -1.0 * out;
        pose.legs[0].forward = 0.4 + 2.0 * out;
        break;
    }
    return pose;
}

} // namespace content::characters
