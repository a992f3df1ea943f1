#include "GameBlank.h"

#include "app/Factory.h"
#include "app/DebugDisplay.h"
#include "graphics/DirectDraw.h"
#include "graphics/RenderTargetPainter.h"
#include "platform/Platform.h"

namespace {
const FactoryRegistration<GameState, GameBlank> registration("GameBlank");
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
    platform::Platform::Get()->GetDisplay().ColourFill(display.GetRenderTarget(), display.ToScreenPixel(colour));
    RenderTargetPainter painter(*display.GetRenderTarget());
    DebugDisplay::GetInstance().Draw(painter);
    display.Flip();
}
