#pragma once

#include "../PeriodicTimer.h"
#include "HeadlessClock.h"

namespace platform {

class HeadlessPeriodicTimer final : public PeriodicTimer {
public:
    explicit HeadlessPeriodicTimer(HeadlessClock& clock);
    ~HeadlessPeriodicTimer() override;

    bool Start(std::uint32_t periodMilliseconds, std::function<void()> callback) override;
    void Stop() override;

private:
    HeadlessClock& clock;
    int timerId = 0;
};

} // namespace platform
