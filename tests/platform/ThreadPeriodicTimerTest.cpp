#include "platform/ThreadPeriodicTimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

// The real timer calls back from its own thread until stopped; Stop waits for
// a call in progress, so nothing runs after it returns.
TEST(ThreadPeriodicTimer, CallsBackUntilStopped)
{
    std::atomic<int> calls = 0;
    std::atomic<bool> stopped = false;
    std::atomic<bool> calledAfterStop = false;
    platform::ThreadPeriodicTimer timer;
    ASSERT_TRUE(timer.Start(5, [&] {
        if (stopped)
            calledAfterStop = true;
        ++calls;
    }));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (calls < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    timer.Stop();
    stopped = true;
    EXPECT_GE(calls, 3);
    const int callsAtStop = calls;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(calls, callsAtStop);
    EXPECT_FALSE(calledAfterStop);

    // It can be started again, and destroying it stops it.
    ASSERT_TRUE(timer.Start(5, [&] { ++calls; }));
}
