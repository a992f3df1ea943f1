#include "platform/headless/HeadlessClock.h"
#include "platform/headless/HeadlessPeriodicTimer.h"

#include <gtest/gtest.h>

#include <vector>

using platform::HeadlessClock;

TEST(HeadlessClock, WaitingForAFrameLastsAtLeastOneFramePeriod)
{
    HeadlessClock clock(20);
    EXPECT_EQ(clock.Milliseconds(), 0u);
    clock.WaitUntilElapsed(0, 10);
    EXPECT_EQ(clock.Milliseconds(), 20u);

    // A frame that took longer than the period is not made longer.
    clock.Sleep(35);
    clock.WaitUntilElapsed(20, 10);
    EXPECT_EQ(clock.Milliseconds(), 55u);

    // With a short period the gap wins.
    clock.SetFramePeriod(2);
    clock.WaitUntilElapsed(55, 10);
    EXPECT_EQ(clock.Milliseconds(), 65u);

    // Across the wrap-around of the millisecond counter.
    HeadlessClock wrapping(20);
    wrapping.Sleep(0xFFFFFFF0u);
    wrapping.WaitUntilElapsed(0xFFFFFFF0u, 10);
    EXPECT_EQ(wrapping.Milliseconds(), 4u);
}

TEST(HeadlessClock, TimersFireOnTheMainThreadAsTimePasses)
{
    HeadlessClock clock(20);
    std::vector<std::pair<char, std::uint32_t>> calls;
    platform::HeadlessPeriodicTimer fast(clock);
    platform::HeadlessPeriodicTimer slow(clock);
    ASSERT_TRUE(fast.Start(100, [&] { calls.emplace_back('f', clock.Milliseconds()); }));
    ASSERT_TRUE(slow.Start(250, [&] { calls.emplace_back('s', clock.Milliseconds()); }));
    EXPECT_FALSE(fast.Start(0, [] {}));

    clock.Sleep(99);
    EXPECT_TRUE(calls.empty());
    clock.Sleep(431); // to 530
    const std::vector<std::pair<char, std::uint32_t>> expected = {
        {'f', 100}, {'f', 200}, {'s', 250}, {'f', 300}, {'f', 400}, {'f', 500}, {'s', 500}};
    EXPECT_EQ(calls, expected);

    calls.clear();
    fast.Stop();
    clock.Sleep(500);
    EXPECT_EQ(calls, (std::vector<std::pair<char, std::uint32_t>>{{'s', 750}, {'s', 1000}}));
}
