#include "HeadlessPeriodicTimer.h"

namespace platform {

HeadlessPeriodicTimer::HeadlessPeriodicTimer(HeadlessClock& timerClock)
    : clock(timerClock)
{
}

HeadlessPeriodicTimer::~HeadlessPeriodicTimer()
{
    Stop();
}

bool HeadlessPeriodicTimer::Start(std::uint32_t periodMilliseconds, std::function<void()> callback)
{
    if (periodMilliseconds == 0 || !callback)
        return false;
    Stop();
    timerId = clock.AddTimer(periodMilliseconds, std::move(callback));
    return true;
}

void HeadlessPeriodicTimer::Stop()
{
    if (timerId != 0) {
        clock.RemoveTimer(timerId);
        timerId = 0;
    }
}

} // namespace platform
