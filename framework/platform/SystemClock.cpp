#include "SystemClock.h"

#include <thread>

namespace platform {

SystemClock::SystemClock()
    : origin(std::chrono::steady_clock::now())
{
}

std::uint32_t SystemClock::Milliseconds()
{
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - origin);
    return static_cast<std::uint32_t>(elapsed.count());
}

void SystemClock::Sleep(std::uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void SystemClock::WaitUntilElapsed(std::uint32_t start, std::uint32_t gap)
{
    // The millisecond count is the floor of the time since `origin`, so
    // sleeping until the exact instant at which it reaches start + gap
    // satisfies the condition on waking; the loop only guards against an
    // early wake-up.
    for (;;) {
        const auto now = std::chrono::steady_clock::now();
        const auto elapsedSinceOrigin = std::chrono::duration_cast<std::chrono::milliseconds>(now - origin);
        const std::int32_t waited = ElapsedMilliseconds(start, static_cast<std::uint32_t>(elapsedSinceOrigin.count()));
        if (waited >= static_cast<std::int32_t>(gap))
            return;
        const auto target = origin + elapsedSinceOrigin + std::chrono::milliseconds(static_cast<std::int32_t>(gap) - waited);
        std::this_thread::sleep_until(target);
    }
}

} // namespace platform
