#include "GamepadPointer.h"

#include "VirtualKey.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr double stickMaximum = 32767.0;

// The distance covered while held from 0 to `held` milliseconds, in
// milliseconds at full speed: the speed climbs linearly from one to two times
// over the ramp and stays there.
double RampedTime(double held)
{
    constexpr double ramp = GamepadPointer::rampMilliseconds;
    if (held < ramp)
        return held + held * held / (2.0 * ramp);
    return 2.0 * held - ramp / 2.0;
}

std::uint16_t Bit(GamepadButton button)
{
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(button));
}

int ArrowKey(GamepadButton button)
{
    switch (button) {
    case GamepadButton::DpadUp: return VirtualKey::Up;
    case GamepadButton::DpadDown: return VirtualKey::Down;
    case GamepadButton::DpadLeft: return VirtualKey::Left;
    case GamepadButton::DpadRight: return VirtualKey::Right;
    default: return 0;
    }
}

void PushKeyDown(int key, int character, std::deque<WindowMessage>& messages)
{
    messages.push_back(WindowMessage{MessageType::KeyDown, key});
    if (character != 0)
        messages.push_back(WindowMessage{MessageType::Char, character});
}

} // namespace

GamepadPointer::GamepadPointer(ClientSize pictureSize)
    : picture{std::max(pictureSize.width, 1), std::max(pictureSize.height, 1)}
{
    MoveTo({picture.width / 2, picture.height / 2});
}

void GamepadPointer::MoveTo(PicturePoint point)
{
    if (point == GetPosition())
        return;
    // The middle of the pixel, so that the stick leaves it as readily to
    // either side.
    x = std::clamp(point.x, 0, picture.width - 1) + 0.5;
    y = std::clamp(point.y, 0, picture.height - 1) + 0.5;
    jumpedToBar = false;
}

void GamepadPointer::SetStick(int axisX, int axisY, std::uint64_t nowMilliseconds, std::deque<WindowMessage>& messages)
{
    Tick(nowMilliseconds, messages);
    const double magnitude = std::hypot(static_cast<double>(axisX), static_cast<double>(axisY));
    if (magnitude <= stickDeadZone) {
        deflection = 0.0;
        heldMilliseconds = 0.0;
        return;
    }
    directionX = axisX / magnitude;
    directionY = axisY / magnitude;
    deflection = std::min((magnitude - stickDeadZone) / (stickMaximum - stickDeadZone), 1.0);
}

void GamepadPointer::Tick(std::uint64_t nowMilliseconds, std::deque<WindowMessage>& messages)
{
    const std::uint64_t elapsed = ticked && nowMilliseconds > lastTick ? nowMilliseconds - lastTick : 0;
    lastTick = nowMilliseconds;
    ticked = true;
    if (deflection <= 0.0 || elapsed == 0)
        return;
    const double held = heldMilliseconds + static_cast<double>(std::min(elapsed, longestStep));
    const double distance = fullSpeed * deflection * deflection * (RampedTime(held) - RampedTime(heldMilliseconds)) / 1000.0;
    heldMilliseconds = held;
    const PicturePoint before = GetPosition();
    x = std::clamp(x + directionX * distance, 0.0, picture.width - 0.5);
    y = std::clamp(y + directionY * distance, 0.0, picture.height - 0.5);
    if (GetPosition() == before)
        return;
    menuNavigation = false;
    jumpedToBar = false;
    messages.push_back(WindowMessage{MessageType::MouseMove, 0, GetPosition().x, GetPosition().y});
}

void GamepadPointer::Jump(PicturePoint point, std::deque<WindowMessage>& messages)
{
    x = point.x + 0.5;
    y = point.y + 0.5;
    messages.push_back(WindowMessage{MessageType::MouseMove, 0, point.x, point.y});
}

void GamepadPointer::Press(GamepadButton button, std::deque<WindowMessage>& messages)
{
    if ((heldButtons & Bit(button)) != 0)
        return;
    heldButtons |= Bit(button);
    const PicturePoint at = GetPosition();
    switch (button) {
    case GamepadButton::A:
        aSentEnter = menuNavigation;
        if (aSentEnter)
            PushKeyDown(VirtualKey::Return, VirtualKey::Return, messages);
        else
            messages.push_back(WindowMessage{MessageType::LeftButtonDown, 0, at.x, at.y});
        return;
    case GamepadButton::B:
        messages.push_back(WindowMessage{MessageType::RightButtonDown, 0, at.x, at.y});
        return;
    case GamepadButton::X:
        if (jumpedToBar) {
            jumpedToBar = false;
            Jump(beforeJump, messages);
        } else {
            beforeJump = at;
            jumpedToBar = true;
            Jump({at.x, std::max(picture.height - inventoryBarOffset, 0)}, messages);
        }
        return;
    case GamepadButton::Y:
        PushKeyDown(VirtualKey::Tab, 0, messages);
        return;
    case GamepadButton::Start:
        PushKeyDown(VirtualKey::Escape, VirtualKey::Escape, messages);
        return;
    case GamepadButton::Back:
        PushKeyDown(VirtualKey::OemPeriod, '.', messages);
        return;
    default:
        menuNavigation = true;
        PushKeyDown(ArrowKey(button), 0, messages);
        return;
    }
}

void GamepadPointer::Release(GamepadButton button, std::deque<WindowMessage>& messages)
{
    if ((heldButtons & Bit(button)) == 0)
        return;
    heldButtons &= static_cast<std::uint16_t>(~Bit(button));
    const PicturePoint at = GetPosition();
    switch (button) {
    case GamepadButton::A:
        if (aSentEnter)
            messages.push_back(WindowMessage{MessageType::KeyUp, VirtualKey::Return});
        else
            messages.push_back(WindowMessage{MessageType::LeftButtonUp, 0, at.x, at.y});
        return;
    case GamepadButton::B:
        messages.push_back(WindowMessage{MessageType::RightButtonUp, 0, at.x, at.y});
        return;
    case GamepadButton::X:
        return;
    case GamepadButton::Y:
        messages.push_back(WindowMessage{MessageType::KeyUp, VirtualKey::Tab});
        return;
    case GamepadButton::Start:
        messages.push_back(WindowMessage{MessageType::KeyUp, VirtualKey::Escape});
        return;
    case GamepadButton::Back:
        messages.push_back(WindowMessage{MessageType::KeyUp, VirtualKey::OemPeriod});
        return;
    default:
        messages.push_back(WindowMessage{MessageType::KeyUp, ArrowKey(button)});
        return;
    }
}

void GamepadPointer::ReleaseAll(std::deque<WindowMessage>& messages)
{
    for (unsigned index = 0; index <= static_cast<unsigned>(GamepadButton::DpadRight); ++index)
        Release(static_cast<GamepadButton>(index), messages);
    deflection = 0.0;
    heldMilliseconds = 0.0;
}

} // namespace platform
