#include "ScreenRumble.h"

#include "RenderEngine.h"

#include <cmath>

void ScreenRumble::Start(float seconds)
{
    phase1 = 1.0f;
    phase2 = 3.372f;
    phase3 = 5.1f;
    phase4 = 2.23f;
    remaining = seconds;
}

void ScreenRumble::Stop()
{
    remaining = 0.0f;
    offsetX = offsetY = 0;
}

void ScreenRumble::Update(float seconds)
{
    if (remaining <= 0.0f) {
        offsetX = offsetY = 0;
    } else {
        phase1 += seconds * 13.0f;
        phase2 += seconds * 35.0f;
        phase3 += seconds * 10.5f;
        phase4 += seconds * 41.0f;
        const float amplitude = remaining + 0.15f;
        offsetX = static_cast<int>((std::cos(phase2) + std::sin(phase1)) * amplitude * 7.0f);
        offsetY = static_cast<int>((std::cos(phase4) + std::sin(phase3)) * amplitude * 7.0f);
        remaining -= seconds;
    }
    RenderEngine::GetInstance().SetScreenOffset(offsetX, offsetY);
}
