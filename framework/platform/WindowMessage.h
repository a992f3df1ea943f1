#pragma once

#include <cstdint>

namespace platform {

// What a window tells the program, in the terms of a Windows window
// procedure. Positions are client-area pixels of the window; the shell scales
// them to the game's logical 1024 x 768 space.
enum class MessageType : std::uint8_t {
    Quit,           // value: exit code; ends the message loop
    Destroy,        // the window was closed
    SetFocus,
    KillFocus,
    Paint,          // the client area needs drawing (after Invalidate)
    KeyDown,        // value: virtual key; repeats while held
    KeyUp,          // value: virtual key
    Char,           // value: Windows-1252 character code
    MouseMove,
    LeftButtonDown,
    LeftButtonDoubleClick,
    LeftButtonUp,
    RightButtonDown,
    RightButtonDoubleClick,
    RightButtonUp,
};

struct WindowMessage {
    MessageType type = MessageType::Quit;
    int value = 0;
    int x = 0;
    int y = 0;
    // Set once a position is in logical coordinates (the shell's scaling, or
    // a replayed recording, which stores logical positions).
    bool positionIsLogical = false;
};

constexpr bool IsInputMessage(MessageType type)
{
    return type >= MessageType::KeyDown;
}

// Input that may be thrown away unseen: everything but a key going up, which
// must arrive so that no key stays held.
constexpr bool IsDroppableInput(MessageType type)
{
    return IsInputMessage(type) && type != MessageType::KeyUp;
}

constexpr bool IsMouseMessage(MessageType type)
{
    return type >= MessageType::MouseMove;
}

} // namespace platform
