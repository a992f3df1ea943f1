#pragma once

#include "app/DX3Application.h"

// The game's application: hands the frames, the input and the menu commands
// to MainProgram and its current game state. Keys and mouse moves go through
// MainProgram (it keeps the keyboard's state, Escape's repeats and the last
// mouse position); characters and clicks go straight to the current state.
class RuvIdApplication final : public DX3Application {
public:
    bool OnCreate() override;
    bool OnDestroy() override;
    void OnUpdate(float seconds) override;
    void OnRender() override;

    void OnKeyDown(int key) override;
    void OnKeyUp(int key) override;
    void OnChar(int code) override;
    void OnMouseMove(int x, int y) override;
    void OnLButtonDown(int x, int y, bool doubleClick) override;
    void OnLButtonUp(int x, int y) override;
    void OnRButtonDown(int x, int y) override;
    void OnRButtonUp(int x, int y) override;
    int OnCommand(const char* name) override;
    // A short line on the screen says how it went.
    void OnScreenshot(bool written) override;
    bool InitDisplay() override;
    void ReleaseDisplay() override;
    bool InitSound() override;
    void ShutdownSound() override;
};
