#include "GameBlank.h"

#include "app/Factory.h"
#include "platform/Platform.h"

namespace {
const FactoryRegistration<GameState, GameBlank> registration("GameBlank");
} // namespace

void GameBlank::Init(int)
{
    canvas.assign(static_cast<std::size_t>(width) * height, colour);
    initialised = true;
}

void GameBlank::Exit()
{
    canvas.clear();
}

void GameBlank::Update(float)
{
}

void GameBlank::Render()
{
    if (platform::Platform* host = platform::Platform::Get())
        host->GetWindow().Present(canvas.data(), width, height, width);
}
