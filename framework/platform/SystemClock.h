#pragma once

#include "Clock.h"

#include <chrono>

namespace platform {

// Real time from the monotonic clock.
class SystemClock final : public Clock {
public:
    SystemClock();

    std::uint32_t Milliseconds() override;
    void Sleep(std::uint32_t milliseconds) override;
    void WaitUntilElapsed(std::uint32_t start, std::uint32_t gap) override;

private:
    std::chrono::steady_clock::time_point origin;
};

} // namespace platform
