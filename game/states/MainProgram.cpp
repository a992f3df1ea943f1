#include "MainProgram.h"

#include "app/Debug.h"
#include "app/Factory.h"
#include "app/KeyboardInput.h"
#include "files/SettingsManager.h"
#include "platform/VirtualKey.h"

void MainProgram::SetGame(const std::string& name, int level)
{
    currentLevel = requestedLevel = level != -1 ? level : SettingsManager::GetInstance().GetInt("activeLevel");
    pendingStateName = name;
    DoSetGame();
}

void MainProgram::SetProject(const std::string& name)
{
    pendingStateName = name;
}

void MainProgram::SetLevel(int level)
{
    requestedLevel = level;
}

void MainProgram::DoSetGame()
{
    if (currentState) {
        currentState->Exit();
        currentState.reset();
    }
    currentState = Factory<GameState>::GetInstance().Create(pendingStateName);
    if (!currentState) {
        LogMessageBox("MainProgram::DoSetGame: Unknown Project <%s>", pendingStateName.c_str());
        TerminateAbnormally();
    }
    // The switch is done before the new state starts, so that a switch the
    // state asks for in its Init waits for the next frame.
    currentStateName = std::move(pendingStateName);
    pendingStateName.clear();
    currentState->Init(currentLevel);
    currentState->OnMouseMove(lastMouseX, lastMouseY);
}

bool MainProgram::Update(float seconds)
{
    KeyboardInput::GetInstance().Update(seconds);
    if (requestedLevel != currentLevel) {
        currentLevel = requestedLevel;
        if (pendingStateName.empty())
            pendingStateName = currentStateName;
    }
    if (!pendingStateName.empty())
        DoSetGame();
    if (currentState)
        currentState->Update(seconds);
    return true;
}

bool MainProgram::Render()
{
    if (!currentState)
        return false;
    currentState->Render();
    return true;
}

bool MainProgram::Shutdown()
{
    if (currentState) {
        currentState->Exit();
        currentState.reset();
    }
    return true;
}

void MainProgram::OnKeyDown(int key)
{
    if (currentState) {
        if (key != VirtualKey::Escape || escapeReleased) {
            currentState->OnKeyDown(key);
            if (key == VirtualKey::Escape)
                escapeReleased = false;
        }
    }
    KeyboardInput::GetInstance().KeyDown(key);
}

void MainProgram::OnKeyUp(int key)
{
    if (currentState)
        currentState->OnKeyUp(key);
    if (key == VirtualKey::Escape)
        escapeReleased = true;
    KeyboardInput::GetInstance().KeyUp(key);
}

void MainProgram::OnMouseMove(int x, int y)
{
    lastMouseX = x;
    lastMouseY = y;
    if (currentState)
        currentState->OnMouseMove(x, y);
}

int MainProgram::Command(const char* name, int arg1, int arg2)
{
    return currentState ? currentState->Command(name, arg1, arg2) : 0;
}

bool MainProgram::IsStateInitialised() const
{
    return currentState && currentState->IsInitialised();
}
