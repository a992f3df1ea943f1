#pragma once

#include "../Window.h"

#include <SDL.h>

namespace platform {

// The main window on SDL2: one resizable window (desktop-sized in full
// screen) whose renderer stretches each presented picture over the client
// area. SDL events become the messages of a Windows window procedure.
class SdlWindow final : public Window {
public:
    ~SdlWindow() override;

    bool Create(const WindowDescription& description) override;
    ClientSize GetClientSize() const override;
    void SetCursorVisible(bool visible) override;

    SDL_Window* GetSdlWindow() const { return window; }
    // Closes the window; SDL must still be running.
    void Destroy();

protected:
    bool PollSystemMessage(WindowMessage& message) override;
    bool WaitForSystemMessage() override;
    void DropPendingSystemInput() override;
    void ShowPicture(const std::uint32_t* pixels, int width, int height, int pitchInPixels) override;

private:
    bool Translate(const SDL_Event& event);

    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int textureWidth = 0;
    int textureHeight = 0;
    // One SDL event can stand for two messages (a key and its character).
    std::deque<WindowMessage> translated;
};

} // namespace platform
