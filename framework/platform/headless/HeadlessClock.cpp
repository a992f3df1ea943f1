#include "HeadlessClock.h"

#include <algorithm>

namespace platform {

HeadlessClock::HeadlessClock(std::uint32_t framePeriodMilliseconds)
    : framePeriod(framePeriodMilliseconds)
{
}

void HeadlessClock::Sleep(std::uint32_t milliseconds)
{
    AdvanceTo(now + milliseconds);
}

void HeadlessClock::WaitUntilElapsed(std::uint32_t start, std::uint32_t gap)
{
    const std::uint32_t target = start + std::max(gap, framePeriod);
    if (ElapsedMilliseconds(now, target) > 0)
        AdvanceTo(target);
}

int HeadlessClock::AddTimer(std::uint32_t period, std::function<void()> callback)
{
    if (period == 0 || !callback)
        return 0;
    const int id = nextTimerId++;
    timers[id] = Timer{period, now + period, std::move(callback)};
    return id;
}

void HeadlessClock::RemoveTimer(int id)
{
    timers.erase(id);
}

void HeadlessClock::AdvanceTo(std::uint32_t target)
{
    // Fire every timer that falls due on the way, earliest first; a callback
    // sees the clock at its own due time.
    for (;;) {
        auto earliest = timers.end();
        for (auto it = timers.begin(); it != timers.end(); ++it) {
            if (earliest == timers.end() || ElapsedMilliseconds(it->second.due, earliest->second.due) > 0)
                earliest = it;
        }
        if (earliest == timers.end() || ElapsedMilliseconds(earliest->second.due, target) < 0)
            break;
        now = earliest->second.due;
        earliest->second.due += earliest->second.period;
        const auto callback = earliest->second.callback;
        callback();
    }
    now = target;
}

} // namespace platform
