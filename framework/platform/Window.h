#pragma once

#include "KeyState.h"
#include "Picture.h"
#include "WindowMessage.h"

#include <cstdint>
#include <deque>
#include <string>

namespace platform {

struct WindowDescription {
    std::string title; // Windows-1252
    int width = 800;   // client size
    int height = 600;
    bool fullScreen = false;
    // Show the picture only at whole multiples of its size (sharp pixels)
    // instead of filling the screen smoothly.
    bool integerScaling = false;
};

struct ClientSize {
    int width = 0;
    int height = 0;
};

// The main window and its message queue. Messages come out in the order a
// Windows message queue hands them over: messages posted by the program,
// then the system's (input, focus, close), then a posted quit, then a pending
// paint. Main thread only.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    virtual bool Create(const WindowDescription& description) = 0;
    // The size the window was created with: mouse positions are pixels of
    // it, however large the window shows the picture.
    virtual ClientSize GetClientSize() const = 0;
    virtual void SetCursorVisible(bool visible) = 0;

    // Takes the next message without waiting; false when there is none.
    bool PeekMessage(WindowMessage& message);
    // Waits for the next message; false only when none can ever come.
    bool WaitMessage(WindowMessage& message);

    void PostMessage(const WindowMessage& message);
    void PostQuitMessage(int exitCode);
    // Asks for one Paint message once the queue has nothing else.
    void Invalidate() { paintPending = true; }
    // Drops the input that is waiting (key presses, characters, mouse) and
    // keeps everything else, key releases included, so that nothing typed
    // during a movie reaches the game and no key stays held.
    void DropPendingInput();

    // Shows a finished frame. A copy of the last one is kept when asked for
    // (tests, screenshots of scripted runs).
    void Present(const std::uint32_t* pixels, int width, int height, int pitchInPixels);
    void KeepPresentedPictures(bool keep) { keepPresented = keep; }
    const Picture& GetLastPresented() const { return lastPresented; }
    std::uint64_t GetPresentCount() const { return presentCount; }

    bool IsFullScreen() const { return fullScreen; }
    const KeyState& GetKeyState() const { return keyState; }

protected:
    void SetFullScreen(bool value) { fullScreen = value; }
    // The back end's own queue.
    virtual bool PollSystemMessage(WindowMessage& message) = 0;
    // Blocks until a system message may be there; false when none can come.
    virtual bool WaitForSystemMessage() = 0;
    virtual void DropPendingSystemInput() = 0;
    virtual void ShowPicture(const std::uint32_t* pixels, int width, int height, int pitchInPixels) = 0;

private:
    bool Take(WindowMessage& message);

    KeyState keyState;
    std::deque<WindowMessage> posted;
    bool quitPosted = false;
    int quitCode = 0;
    bool paintPending = false;
    bool fullScreen = false;
    bool keepPresented = false;
    Picture lastPresented;
    std::uint64_t presentCount = 0;
};

} // namespace platform
