#pragma once

// A thrower for the catapult that uses the button as a player does: the
// first click sets the cart rolling in the round's first frame, a press
// starts the pull and a release throws, each in a chosen frame (frames of
// 20 ms counted from the one that started the round). It finds the best
// moment by trying: for every frame to start pulling, the latest frame to
// let go before the rope rips or the cart reaches the line.

#include "RuvIdLevelRitter.h"

class CatapultThrower {
public:
    static constexpr float frameSeconds = 0.02f;
    static constexpr int clickFrame = 1;
    struct Plan {
        int pressFrame = 0;
        // 0: never let go.
        int releaseFrame = 0;
    };

    // Plays `plan` from the playing state's first frame until the throw is
    // decided (the knight is down or the try failed); the distance.
    static int Play(RuvIdLevelRitter& level, Plan plan)
    {
        level.Update(frameSeconds);
        for (int frame = 1; frame < 60 * 50; ++frame) {
            if (frame == clickFrame || frame == plan.pressFrame)
                level.OnLeftButtonDown(512, 400, false);
            if (frame == plan.releaseFrame)
                level.OnLeftButtonUp(512, 400);
            level.Update(frameSeconds);
            if (level.GetFrame().IsEndMessageShown() && level.GetSubState() != RuvIdLevelRitter::subStateFlying &&
                level.GetSubState() != RuvIdLevelRitter::subStateLaunching)
                break;
        }
        return level.GetDistance();
    }

    // Sets the cart rolling, starts pulling once it is at `pressX` and lets
    // go once the arm is pulled `releasePull` (or the try has failed).
    static void ThrowAt(RuvIdLevelRitter& level, float pressX, float releasePull)
    {
        level.OnLeftButtonDown(512, 400, false);
        while (level.GetCatapultX() < pressX)
            level.Update(frameSeconds);
        level.OnLeftButtonDown(512, 400, false);
        while (level.GetSubState() == RuvIdLevelRitter::subStateTensioning && level.GetPull() < releasePull &&
               !level.GetFrame().IsEndMessageShown())
            level.Update(frameSeconds);
        level.OnLeftButtonUp(512, 400);
    }

    // The plan that throws farthest; `level` is left in its title menu.
    static Plan Best(RuvIdLevelRitter& level)
    {
        Plan best;
        int farthest = -1;
        for (int press = clickFrame + 1; press < 200; ++press) {
            const int ends = FailFrame(level, press);
            if (ends <= press + 1)
                continue;
            const Plan plan{press, ends - 1};
            const int distance = Try(level, plan);
            if (distance > farthest) {
                farthest = distance;
                best = plan;
            }
        }
        return best;
    }

private:
    static int Try(RuvIdLevelRitter& level, Plan plan)
    {
        level.Reset();
        level.SetState(RuvIdLevelRitter::statePlaying);
        return Play(level, plan);
    }

    // The frame in which a pull started at `press` and never let go ends
    // the try.
    static int FailFrame(RuvIdLevelRitter& level, int press)
    {
        level.Reset();
        level.SetState(RuvIdLevelRitter::statePlaying);
        level.Update(frameSeconds);
        for (int frame = 1; frame < 60 * 50; ++frame) {
            if (frame == clickFrame || frame == press)
                level.OnLeftButtonDown(512, 400, false);
            level.Update(frameSeconds);
            if (level.GetFrame().IsEndMessageShown())
                return frame;
        }
        return 0;
    }
};
