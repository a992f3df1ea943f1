#pragma once

#include "app/Singleton.h"

// While data loads: the loading picture (the sprite labelled "loading", when
// the registry has one) on the screen and, in full screen, a progress bar
// drawn straight onto the visible surface that only grows. The render engine
// is suspended meanwhile.
class LoadingScreen : public Singleton<LoadingScreen> {
public:
    void Begin();
    void SetProgress(float fraction);
    void AddProgress(float delta);
    void End();

    bool IsActive() const { return active; }
    float GetProgress() const { return progress; }

private:
    void DrawRect(int left, int top, int right, int bottom);

    bool active = false;
    int barLeft = 0;
    int barTop = 0;
    int barRight = 0;
    int barBottom = 0;
    int lastDrawnX = 0;
    float progress = 0.0f;
};
