#include "ThreadPeriodicTimer.h"

#include <chrono>

namespace platform {

ThreadPeriodicTimer::~ThreadPeriodicTimer()
{
    Stop();
}

bool ThreadPeriodicTimer::Start(std::uint32_t periodMilliseconds, std::function<void()> callback)
{
    if (periodMilliseconds == 0 || !callback)
        return false;
    Stop();
    // Assigned under the lock that the thread takes before its first call,
    // so a callback that stops its own timer sees the thread it runs on.
    const std::lock_guard assigning(mutex);
    thread = std::jthread([this, periodMilliseconds, callback = std::move(callback)](std::stop_token stop) {
        const auto period = std::chrono::milliseconds(periodMilliseconds);
        auto next = std::chrono::steady_clock::now() + period;
        for (;;) {
            {
                std::unique_lock lock(mutex);
                if (wake.wait_until(lock, stop, next, [] { return false; }) || stop.stop_requested())
                    return;
            }
            callback();
            next += period;
            // After a long stall, go on from now instead of firing a burst.
            const auto now = std::chrono::steady_clock::now();
            if (next < now)
                next = now + period;
        }
    });
    return true;
}

void ThreadPeriodicTimer::Stop()
{
    // From inside the callback the thread cannot wait for itself: it ends
    // after the call returns, and the destructor collects it.
    if (thread.get_id() == std::this_thread::get_id()) {
        thread.request_stop();
        return;
    }
    if (thread.joinable()) {
        thread.request_stop();
        thread.join();
    }
}

} // namespace platform
