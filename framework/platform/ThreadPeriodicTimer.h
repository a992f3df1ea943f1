#pragma once

#include "PeriodicTimer.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {

class ThreadPeriodicTimer final : public PeriodicTimer {
public:
    ~ThreadPeriodicTimer() override;

    bool Start(std::uint32_t periodMilliseconds, std::function<void()> callback) override;
    void Stop() override;

private:
    std::mutex mutex;
    std::condition_variable_any wake;
    std::jthread thread;
};

} // namespace platform
