#include "RuvIdApplication.h"

#include "MainProgram.h"
#include "ScreenNotice.h"
#include "audio/SampleManager.h"
#include "audio/SfxLoaderUtil.h"
#include "files/SettingsManager.h"
#include "graphics/DirectDraw.h"
#include "graphics/LoadingScreen.h"
#include "platform/Platform.h"

namespace {
GameState* CurrentState()
{
    return MainProgram::GetInstance().GetCurrentState();
}
} // namespace

bool RuvIdApplication::OnCreate()
{
    MainProgram::RemoveUnfinishedWrites();
    const std::string startState = SettingsManager::GetInstance().GetString("startGameState");
    MainProgram::GetInstance().SetGame(startState, -1);
    return true;
}

bool RuvIdApplication::OnDestroy()
{
    MainProgram::GetInstance().Shutdown();
    return true;
}

void RuvIdApplication::OnUpdate(float seconds)
{
    MainProgram::GetInstance().Update(seconds);
}

void RuvIdApplication::OnRender()
{
    MainProgram::GetInstance().Render();
}

void RuvIdApplication::OnKeyDown(int key)
{
    MainProgram::GetInstance().OnKeyDown(key);
}

void RuvIdApplication::OnKeyUp(int key)
{
    MainProgram::GetInstance().OnKeyUp(key);
}

void RuvIdApplication::OnChar(int code)
{
    if (GameState* state = CurrentState())
        state->OnChar(code);
}

void RuvIdApplication::OnMouseMove(int x, int y)
{
    MainProgram::GetInstance().OnMouseMove(x, y);
}

void RuvIdApplication::OnLButtonDown(int x, int y, bool doubleClick)
{
    if (GameState* state = CurrentState())
        state->OnLButtonDown(x, y, doubleClick);
}

void RuvIdApplication::OnLButtonUp(int x, int y)
{
    if (GameState* state = CurrentState())
        state->OnLButtonUp(x, y);
}

void RuvIdApplication::OnRButtonDown(int x, int y)
{
    if (GameState* state = CurrentState())
        state->OnRButtonDown(x, y);
}

void RuvIdApplication::OnRButtonUp(int x, int y)
{
    if (GameState* state = CurrentState())
        state->OnRButtonUp(x, y);
}

bool RuvIdApplication::InitDisplay()
{
    const ApplicationSettings& wanted = GetSettings();
    return DirectDraw::GetInstance().Init(platform::Platform::Get()->GetWindow(), wanted.width, wanted.height,
                                          wanted.depth, wanted.fullScreen);
}

void RuvIdApplication::ReleaseDisplay()
{
    DirectDraw::GetInstance().Release();
}

bool RuvIdApplication::InitSound()
{
    // Sound-effect lists move the loading bar on like every other list.
    SfxLoaderUtil::SetProgressStep([](float step) { LoadingScreen::GetInstance().AddProgress(step); });
    return SampleManager::GetInstance().Init(platform::Platform::Get()->GetWindow());
}

void RuvIdApplication::ShutdownSound()
{
    SampleManager::GetInstance().Shutdown();
}

int RuvIdApplication::OnCommand(const char* name)
{
    return MainProgram::GetInstance().Command(name, 0, 0);
}

void RuvIdApplication::OnScreenshot(bool written)
{
    ScreenNotice::GetInstance().Show(written ? "Bildschirmfoto gespeichert."
                                             : "Das Bildschirmfoto konnte nicht gespeichert werden.");
}
