#include "GameBlank.h"

#include "app/Factory.h"
#include "graphics/DirectDraw.h"
#include "platform/Platform.h"

namespace {
const FactoryRegistration<GameState, GameBlank> registration("GameBlank");

// The colour as a pixel of the screen's format.
std::uint32_t ScreenPixel(std::uint32_t rgb)
{
    const DirectDraw& display = DirectDraw::GetInstance();
    const std::uint32_t red = (rgb >> 16) & 0xFF;
    const std::uint32_t green = (rgb >> 8) & 0xFF;
    const std::uint32_t blue = rgb & 0xFF;
    if (display.GetDepth() == 16)
        return (red >> 3) << display.GetShiftR() | (green >> 3) << display.GetShiftG() | (blue >> 3) << display.GetShiftB();
    return red << display.GetShiftR() | green << display.GetShiftG() | blue << display.GetShiftB();
}
} // namespace

void GameBlank::Init(int)
{
    initialised = true;
}

void GameBlank::Exit()
{
}

void GameBlank::Update(float)
{
}

void GameBlank::Render()
{
    DirectDraw& display = DirectDraw::GetInstance();
    if (!display.IsInitialised())
        return;
    platform::Platform::Get()->GetDisplay().ColourFill(display.GetRenderTarget(), ScreenPixel(colour));
    display.Flip();
}
