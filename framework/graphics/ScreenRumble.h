#pragma once

#include "app/Singleton.h"

// A decaying screen shake: while it lasts, every draw is offset by up to
// about 14 x (remaining seconds + 0.15) pixels, shrinking linearly.
class ScreenRumble : public Singleton<ScreenRumble> {
public:
    void Start(float seconds);
    void Stop();
    // Once a frame; writes the offset into the render engine.
    void Update(float seconds);

    int GetOffsetX() const { return offsetX; }
    int GetOffsetY() const { return offsetY; }

private:
    float remaining = 0.0f;
    float phase1 = 0.0f;
    float phase2 = 0.0f;
    float phase3 = 0.0f;
    float phase4 = 0.0f;
    int offsetX = 0;
    int offsetY = 0;
};
