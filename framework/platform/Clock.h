#pragma once

#include <cstdint>

namespace platform {

// The millisecond clock of the frame loop (timeGetTime's place). Its value
// wraps around like a 32-bit millisecond counter; compare differences as
// signed numbers.
class Clock {
public:
    virtual ~Clock() = default;

    virtual std::uint32_t Milliseconds() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // Returns once Milliseconds() - start, taken as a signed number, is at
    // least `gap`. Spends the wait asleep, not spinning.
    virtual void WaitUntilElapsed(std::uint32_t start, std::uint32_t gap) = 0;
};

constexpr std::int32_t ElapsedMilliseconds(std::uint32_t from, std::uint32_t to)
{
    return static_cast<std::int32_t>(to - from);
}

} // namespace platform
