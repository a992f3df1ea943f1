#pragma once

#include "PictureFrame.h"
#include "WindowMessage.h"

#include <cstdint>
#include <deque>

namespace platform {

enum class GamepadButton : std::uint8_t {
    A,
    B,
    X,
    Y,
    Start,
    Back,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
};

// Plays the game with a gamepad by turning it into the mouse and keys the
// game already knows. The left stick moves a pointer over the picture: a
// dead zone in the middle, then a speed that grows with the square of the
// deflection and, while the stick stays out, with the time it has been held
// (twice as fast after a second). Movement integrates elapsed milliseconds,
// so the pointer travels the same way at any frame rate. Buttons: A clicks
// left at the pointer (Enter instead right after the D-pad was used, which
// is how menus are walked), B clicks right, X jumps to the inventory bar and
// a second X back, Y holds Tab, Start is Escape, Back is '.', the D-pad the
// arrow keys. Positions are pixels of the picture; messages are appended to
// the caller's queue.
class GamepadPointer {
public:
    static constexpr int stickDeadZone = 8000;  // of 32767
    static constexpr double fullSpeed = 600.0;   // picture pixels per second at full deflection
    static constexpr double rampMilliseconds = 1000.0;
    static constexpr int inventoryBarOffset = 30; // the bar's height above the bottom edge
    // A stall longer than this (a room loading) moves no farther.
    static constexpr std::uint64_t longestStep = 250;

    explicit GamepadPointer(ClientSize picture = {1024, 768});

    PicturePoint GetPosition() const { return {static_cast<int>(x), static_cast<int>(y)}; }
    // The real mouse went there: the pointer follows, so both stay one.
    void MoveTo(PicturePoint point);

    // The stick's axes, -32768..32767 each (down is positive), from now on;
    // the time up to now is moved at the previous deflection.
    void SetStick(int axisX, int axisY, std::uint64_t nowMilliseconds, std::deque<WindowMessage>& messages);
    // Moves the pointer by the time since the last call; a MouseMove when
    // it reached another pixel.
    void Tick(std::uint64_t nowMilliseconds, std::deque<WindowMessage>& messages);

    void Press(GamepadButton button, std::deque<WindowMessage>& messages);
    void Release(GamepadButton button, std::deque<WindowMessage>& messages);
    // Lets go of everything held (the pad was pulled out).
    void ReleaseAll(std::deque<WindowMessage>& messages);

private:
    void Jump(PicturePoint point, std::deque<WindowMessage>& messages);
    void Place(double newX, double newY, std::deque<WindowMessage>& messages);

    ClientSize picture;
    double x = 0.0;
    double y = 0.0;
    // The stick's direction and 0..1 deflection beyond the dead zone.
    double directionX = 0.0;
    double directionY = 0.0;
    double deflection = 0.0;
    double heldMilliseconds = 0.0;
    std::uint64_t lastTick = 0;
    bool ticked = false;
    // After D-pad use A stands for Enter until the pointer moves again.
    bool menuNavigation = false;
    bool jumpedToBar = false;
    PicturePoint beforeJump;
    std::uint16_t heldButtons = 0;
    // What A sent when pressed, so that its release matches.
    bool aSentEnter = false;
};

} // namespace platform
