#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Calls a function every `period` milliseconds until stopped (the periodic
// multimedia timer's place). With the real back end the calls come from a
// thread of their own; Stop waits until a running call has returned.
class PeriodicTimer {
public:
    virtual ~PeriodicTimer() = default;

    virtual bool Start(std::uint32_t periodMilliseconds, std::function<void()> callback) = 0;
    virtual void Stop() = 0;
};

} // namespace platform
