#pragma once

#include "../Clock.h"

#include <functional>
#include <map>

namespace platform {

// Virtual time: it stands still until the program waits or sleeps. Waiting
// for the next frame lasts at least one frame period, so a headless run sees
// the same frame times on every machine. Periodic timers fire on the main
// thread, in time order, as virtual time passes them.
class HeadlessClock final : public Clock {
public:
    explicit HeadlessClock(std::uint32_t framePeriodMilliseconds = 20);

    std::uint32_t Milliseconds() override { return now; }
    void Sleep(std::uint32_t milliseconds) override;
    void WaitUntilElapsed(std::uint32_t start, std::uint32_t gap) override;

    void SetFramePeriod(std::uint32_t milliseconds) { framePeriod = milliseconds; }
    void Advance(std::uint32_t milliseconds) { Sleep(milliseconds); }

    // A timer that calls back every `period` milliseconds; 0 (no timer) for
    // a period of 0.
    int AddTimer(std::uint32_t period, std::function<void()> callback);
    void RemoveTimer(int id);

private:
    struct Timer {
        std::uint32_t period;
        std::uint32_t due;
        std::function<void()> callback;
    };

    void AdvanceTo(std::uint32_t target);

    std::uint32_t now = 0;
    std::uint32_t framePeriod;
    std::map<int, Timer> timers;
    int nextTimerId = 1;
};

} // namespace platform
