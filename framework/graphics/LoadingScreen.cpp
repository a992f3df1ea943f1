#include "LoadingScreen.h"

#include "DirectDraw.h"
#include "RenderEngine.h"
#include "ScreenPixels.h"
#include "Sprite.h"
#include "SpriteManager.h"
#include "app/Debug.h"
#include "platform/Platform.h"

#include <algorithm>

void LoadingScreen::Begin()
{
    if (active)
        return;
    DirectDraw& display = DirectDraw::GetInstance();
    if (display.GetWidth() == 1024) {
        barLeft = 382;
        barTop = 631;
        barRight = 665;
        barBottom = 640;
    } else {
        barLeft = 299;
        barTop = 493;
        barRight = 519;
        barBottom = 500;
    }
    lastDrawnX = barLeft;
    progress = 0.0f;
    if (Sprite* picture = SpriteManager::GetInstance().GetSpriteIfDescribed("loading")) {
        RenderEngine& engine = RenderEngine::GetInstance();
        // Three times, so that every buffer of the flip chain shows it.
        for (int time = 0; time < 3; ++time) {
            engine.ClearRenderList();
            picture->DrawTopLeft(0, 0, 0, 0.0f);
            engine.Render();
            display.Flip();
        }
        engine.ClearRenderList();
    }
    RenderEngine::GetInstance().SetSuspended(true);
    active = true;
}

void LoadingScreen::SetProgress(float fraction)
{
    if (!active || !DirectDraw::GetInstance().IsFullScreen())
        return;
    progress = std::clamp(fraction, 0.0f, 1.0f);
    const int x = static_cast<int>(static_cast<float>(barLeft) + static_cast<float>(barRight - barLeft) * progress);
    if (x > lastDrawnX) {
        DrawRect(lastDrawnX, barTop, x, barBottom);
        lastDrawnX = x;
    }
}

void LoadingScreen::AddProgress(float delta)
{
    SetProgress(progress + delta);
}

void LoadingScreen::End()
{
    SetProgress(1.0f);
    RenderEngine::GetInstance().SetSuspended(false);
    active = false;
}

void LoadingScreen::DrawRect(int left, int top, int right, int bottom)
{
    DirectDraw& display = DirectDraw::GetInstance();
    // The visible surface: the back buffer the last flip showed is what the
    // player sees; drawing it there and showing it again keeps the bar up.
    platform::DisplaySurface* visible = display.GetBackBuffer();
    if (visible == nullptr)
        return;
    const int depth = display.GetDepth();
    if (depth != 16 && depth != 24 && depth != 32) {
        LogPrint("LoadingScreen::DrawRect: Unsupported ScreenDepth %d!\n", depth);
        return;
    }
    const std::uint32_t pixel = display.ToScreenPixel(0x00FFA200);
    const int bytesPerPixel = visible->BytesPerPixel();
    right = std::min(right, visible->GetWidth());
    bottom = std::min(bottom, visible->GetHeight());
    for (int y = std::max(top, 0); y < bottom; ++y)
        for (int x = std::max(left, 0); x < right; ++x)
            std::memcpy(visible->GetPixels() + static_cast<std::ptrdiff_t>(y) * visible->GetPitch() + x * bytesPerPixel, &pixel,
                        static_cast<std::size_t>(bytesPerPixel));
    platform::Platform::Get()->GetDisplay().Flip(display.GetPrimary());
}
