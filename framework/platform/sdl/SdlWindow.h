#pragma once

#include "../GamepadPointer.h"
#include "../PictureFrame.h"
#include "../Window.h"

#include <SDL.h>

#include <vector>

namespace platform {

// The main window on SDL2: one resizable window (desktop full screen when
// the game runs in full screen) whose renderer shows each presented picture
// letterboxed in the real pixels of the output, smooth or at a whole factor.
// The client size the game sees is the size the window was created with: the
// window reports mouse positions in those pixels, whatever the window's real
// size, and the picture is never stretched in software. SDL events become
// the messages of a Windows window procedure; Alt+Enter switches between a
// window and desktop full screen without the game noticing; game
// controllers drive a pointer and keys (GamepadPointer).
class SdlWindow final : public Window {
public:
    ~SdlWindow() override;

    bool Create(const WindowDescription& description) override;
    ClientSize GetClientSize() const override { return canvas; }
    void SetCursorVisible(bool visible) override;

    SDL_Window* GetSdlWindow() const { return window; }
    // Closes the window and the game controllers; SDL must still be running.
    void Destroy();

protected:
    bool PollSystemMessage(WindowMessage& message) override;
    bool WaitForSystemMessage() override;
    void DropPendingSystemInput() override;
    void ShowPicture(const std::uint32_t* pixels, int width, int height, int pitchInPixels) override;

private:
    void Translate(const SDL_Event& event);
    void TranslateKey(const SDL_KeyboardEvent& key);
    void TranslateController(const SDL_Event& event);
    void ToggleDesktopFullScreen();
    PictureFrame CurrentFrame() const;
    PicturePoint ToCanvas(int windowX, int windowY) const;
    // Puts the system cursor where the pad's pointer went, if it moved.
    void FollowPad(PicturePoint before);

    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int textureWidth = 0;
    int textureHeight = 0;
    ClientSize canvas;
    bool integerScaling = false;
    // One SDL event can stand for two messages (a key and its character).
    std::deque<WindowMessage> translated;
    // Alt+Enter's Return, kept from the game down and up.
    bool returnSwallowed = false;

    std::vector<SDL_GameController*> controllers;
    GamepadPointer pad;
    int stickX = 0;
    int stickY = 0;
    // Where the cursor was warped to follow the pad; the motion event that
    // the warp causes is no move of the player's.
    bool warpPending = false;
    PicturePoint warpedTo;
};

} // namespace platform
