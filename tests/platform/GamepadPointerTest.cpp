#include "platform/GamepadPointer.h"
#include "platform/VirtualKey.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using platform::GamepadButton;
using platform::GamepadPointer;
using platform::MessageType;
using platform::PicturePoint;
using platform::WindowMessage;

namespace {
using Messages = std::deque<WindowMessage>;

struct Sent {
    MessageType type;
    int value;
    int x;
    int y;
    bool operator==(const Sent&) const = default;
    friend void PrintTo(const Sent& sent, std::ostream* out)
    {
        *out << '{' << static_cast<int>(sent.type) << ' ' << sent.value << ' ' << sent.x << ',' << sent.y << '}';
    }
};

std::vector<Sent> Take(Messages& messages)
{
    std::vector<Sent> sent;
    for (const WindowMessage& message : messages)
        sent.push_back({message.type, message.value, message.x, message.y});
    messages.clear();
    return sent;
}

// Holds the stick for `duration` milliseconds in ticks of `step`.
PicturePoint Hold(int axisX, int axisY, int duration, int step)
{
    GamepadPointer pad;
    Messages messages;
    pad.MoveTo({100, 100});
    pad.SetStick(axisX, axisY, 5000, messages);
    for (int elapsed = step; elapsed <= duration; elapsed += step)
        pad.Tick(static_cast<std::uint64_t>(5000 + elapsed), messages);
    return pad.GetPosition();
}
} // namespace

TEST(GamepadPointer, StickAcceleratesWithDeflectionAndTimeAtAnyFrameRate)
{
    // Full deflection: 600 pixels a second, rising linearly to 1200 over the
    // first second, so 600 * (1 + 0.5) = 900 pixels in that second, from the
    // middle of pixel 100.
    EXPECT_EQ(Hold(32767, 0, 1000, 10), (PicturePoint{1000, 100}));
    EXPECT_EQ(Hold(32767, 0, 1000, 50), (PicturePoint{1000, 100}));
    EXPECT_EQ(Hold(32767, 0, 1000, 1), (PicturePoint{1000, 100}));
    // Half way out of the dead zone (8000 + 24767 / 2 = 20383.5) goes a
    // quarter as fast: 225 pixels down in the same second. Past the ramp the
    // speed stays doubled: another 300 ms at 300 pixels a second.
    EXPECT_EQ(Hold(0, 20384, 1000, 25), (PicturePoint{100, 325}));
    EXPECT_EQ(Hold(0, 20384, 1300, 20), (PicturePoint{100, 415}));
    // Inside the dead zone nothing moves, however long; the edge holds it.
    EXPECT_EQ(Hold(5000, -5000, 3000, 10), (PicturePoint{100, 100}));
    EXPECT_EQ(Hold(-32768, 0, 3000, 10), (PicturePoint{0, 100}));

    // A move is announced once per new pixel, and no time passes between
    // the last tick and a new deflection.
    GamepadPointer pad;
    Messages messages;
    pad.MoveTo({100, 100});
    pad.SetStick(32767, 0, 0, messages);
    pad.Tick(100, messages); // 600 * (0.1 + 0.005) = 63 pixels
    pad.Tick(100, messages);
    pad.SetStick(0, 0, 100, messages);
    pad.Tick(5000, messages);
    EXPECT_EQ(Take(messages), (std::vector<Sent>{{MessageType::MouseMove, 0, 163, 100}}));
    // The held time starts again: after a release it is 600 * 0.105 again.
    pad.SetStick(32767, 0, 6000, messages);
    pad.Tick(6100, messages);
    EXPECT_EQ(pad.GetPosition(), (PicturePoint{226, 100}));
}

TEST(GamepadPointer, ButtonsBecomeTheGamesMouseAndKeys)
{
    GamepadPointer pad;
    Messages messages;
    pad.MoveTo({300, 200});
    constexpr MessageType down = MessageType::KeyDown;
    constexpr MessageType up = MessageType::KeyUp;
    constexpr MessageType character = MessageType::Char;

    pad.Press(GamepadButton::A, messages);
    pad.Press(GamepadButton::A, messages); // a second pad holding it too
    pad.Release(GamepadButton::A, messages);
    pad.Press(GamepadButton::B, messages);
    pad.Release(GamepadButton::B, messages);
    EXPECT_EQ(Take(messages), (std::vector<Sent>{{MessageType::LeftButtonDown, 0, 300, 200},
                                                 {MessageType::LeftButtonUp, 0, 300, 200},
                                                 {MessageType::RightButtonDown, 0, 300, 200},
                                                 {MessageType::RightButtonUp, 0, 300, 200}}));

    // X goes to the inventory bar, 30 above the bottom, and back.
    pad.Press(GamepadButton::X, messages);
    pad.Release(GamepadButton::X, messages);
    pad.Press(GamepadButton::X, messages);
    pad.Release(GamepadButton::X, messages);
    // Once the pointer has moved on from the bar, X goes to the bar again.
    pad.Press(GamepadButton::X, messages);
    pad.Release(GamepadButton::X, messages);
    pad.MoveTo({500, 740});
    pad.Press(GamepadButton::X, messages);
    EXPECT_EQ(Take(messages), (std::vector<Sent>{{MessageType::MouseMove, 0, 300, 738},
                                                 {MessageType::MouseMove, 0, 300, 200},
                                                 {MessageType::MouseMove, 0, 300, 738},
                                                 {MessageType::MouseMove, 0, 500, 738}}));

    // Y holds Tab; Start is Escape, Back is '.'.
    pad.Press(GamepadButton::Y, messages);
    pad.Release(GamepadButton::Y, messages);
    pad.Press(GamepadButton::Start, messages);
    pad.Release(GamepadButton::Start, messages);
    pad.Press(GamepadButton::Back, messages);
    pad.Release(GamepadButton::Back, messages);
    EXPECT_EQ(Take(messages), (std::vector<Sent>{{down, VirtualKey::Tab, 0, 0},
                                                 {up, VirtualKey::Tab, 0, 0},
                                                 {down, VirtualKey::Escape, 0, 0},
                                                 {character, 27, 0, 0},
                                                 {up, VirtualKey::Escape, 0, 0},
                                                 {down, 190, 0, 0},
                                                 {character, '.', 0, 0},
                                                 {up, 190, 0, 0}}));

    // After the D-pad, A is Enter, also when released after the stick moved;
    // the next A clicks again.
    pad.Press(GamepadButton::DpadDown, messages);
    pad.Release(GamepadButton::DpadDown, messages);
    pad.Press(GamepadButton::A, messages);
    pad.SetStick(32767, 0, 0, messages);
    pad.Tick(10, messages);
    pad.SetStick(0, 0, 10, messages);
    pad.Release(GamepadButton::A, messages);
    pad.Press(GamepadButton::A, messages);
    // Pulling the pad out lets go of what it held.
    pad.Press(GamepadButton::DpadLeft, messages);
    pad.Press(GamepadButton::Y, messages);
    pad.ReleaseAll(messages);
    EXPECT_EQ(Take(messages), (std::vector<Sent>{{down, VirtualKey::Down, 0, 0},
                                                 {up, VirtualKey::Down, 0, 0},
                                                 {down, 13, 0, 0},
                                                 {character, 13, 0, 0},
                                                 {MessageType::MouseMove, 0, 506, 738},
                                                 {up, 13, 0, 0},
                                                 {MessageType::LeftButtonDown, 0, 506, 738},
                                                 {down, VirtualKey::Left, 0, 0},
                                                 {down, VirtualKey::Tab, 0, 0},
                                                 {MessageType::LeftButtonUp, 0, 506, 738},
                                                 {up, VirtualKey::Tab, 0, 0},
                                                 {up, VirtualKey::Left, 0, 0}}));
}
