#include "GameBlank.h"

#include "app/DebugDisplay.h"
#include "app/Factory.h"
#include "audio/MusicPlayer.h"
#include "audio/SampleManager.h"
#include "audio/SoundEngine.h"
#include "files/File.h"
#include "graphics/DirectDraw.h"
#include "graphics/RenderTargetPainter.h"
#include "platform/Platform.h"

namespace {

const FactoryRegistration<GameState, GameBlank> registration("GameBlank");

// The title music, when the content has it.
constexpr const char* menuMusic = "menu\\Audio\\StreamingSfx\\RuvIdMenu.ogg";

} // namespace

void GameBlank::Init(int)
{
    initialised = true;
    SoundEngine::GetInstance().SetEnabled(SampleManager::GetInstance().IsInitialised());
    if (File::Exists((std::string("data\\") + menuMusic).c_str()))
        MusicPlayer::GetInstance().Play(menuMusic);
}

void GameBlank::Exit()
{
    MusicPlayer::GetInstance().Stop();
}

void GameBlank::Update(float seconds)
{
    SoundEngine::GetInstance().Update(seconds);
    MusicPlayer::GetInstance().Update(seconds);
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
