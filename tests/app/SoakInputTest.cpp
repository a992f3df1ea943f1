#include "app/SoakInput.h"
#include "app/MemoryTrend.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using platform::MessageType;

TEST(SoakInput, PlaysLikeAPlayerInsideTheScreenAndLetsGoOfEveryKeyAndButton)
{
    SoakInput input(7);
    SoakInput same(7);
    SoakInput other(8);
    std::map<MessageType, int> seen;
    std::set<int> keys;
    std::map<int, int> keysDown; // key: frames it has been held
    bool leftDown = false;
    bool differs = false;
    std::uint32_t longestHold = 0;
    const std::uint32_t frames = 100000;
    for (std::uint32_t frame = 0; frame < frames; ++frame) {
        const auto messages = input.Next(frame);
        const auto again = same.Next(frame);
        const auto another = other.Next(frame);
        ASSERT_EQ(messages.size(), again.size()) << frame;
        differs = differs || messages.size() != another.size();
        for (std::size_t index = 0; index < messages.size(); ++index) {
            const platform::WindowMessage& message = messages[index];
            EXPECT_TRUE(message.type == again[index].type && message.value == again[index].value &&
                        message.x == again[index].x && message.y == again[index].y);
            ++seen[message.type];
            if (platform::IsMouseMessage(message.type)) {
                EXPECT_TRUE(message.positionIsLogical);
                EXPECT_TRUE(message.x >= 0 && message.x < 1024 && message.y >= 0 && message.y < 768)
                    << message.x << "," << message.y;
            }
            switch (message.type) {
            case MessageType::KeyDown:
                keys.insert(message.value);
                keysDown.emplace(message.value, 0);
                break;
            case MessageType::KeyUp:
                keysDown.erase(message.value);
                break;
            case MessageType::LeftButtonDown:
                EXPECT_FALSE(leftDown) << frame;
                leftDown = true;
                break;
            case MessageType::LeftButtonUp:
                leftDown = false;
                break;
            default:
                break;
            }
        }
        for (auto& [key, held] : keysDown)
            longestHold = std::max(longestHold, static_cast<std::uint32_t>(++held));
    }
    EXPECT_TRUE(differs);
    EXPECT_LE(longestHold, 151u); // nothing stays held for ever
    // Every kind of input comes, often.
    for (const MessageType type :
         {MessageType::MouseMove, MessageType::LeftButtonDown, MessageType::LeftButtonDoubleClick,
          MessageType::RightButtonDown, MessageType::KeyDown, MessageType::Char, MessageType::KillFocus,
          MessageType::SetFocus})
        EXPECT_GT(seen[type], 20) << static_cast<int>(type);
    // The game's keys, and never the window menu's F5 to F9 or F12.
    for (const int key : {27, 13, 32, 9, 37, 38, 39, 40, 113, 114, int{'L'}, int{'A'}, int{'Z'}})
        EXPECT_TRUE(keys.contains(key)) << key;
    for (const int key : {116, 117, 118, 119, 120, 123})
        EXPECT_FALSE(keys.contains(key)) << key;
}

TEST(MemoryTrend, GrowthIsWhatTheEndHoldsOverTheWarmUpNotAPassingPeak)
{
    constexpr std::uint64_t mebibyte = 1024 * 1024;
    // Steady after loading, with a peak in the third quarter: no growth.
    MemoryTrend steady;
    for (std::uint64_t sample : {10, 100, 120, 121, 120, 300, 122, 121})
        steady.Add(sample * mebibyte);
    EXPECT_EQ(steady.AfterWarmUp(), 121 * mebibyte);
    EXPECT_EQ(steady.AtEnd(), 121 * mebibyte);
    EXPECT_EQ(steady.Growth(), 0);

    // A leak of one MiB a sample: the last quarter's lowest (13) over the
    // second quarter's highest (8).
    MemoryTrend leaking;
    for (std::uint64_t sample = 1; sample <= 16; ++sample)
        leaking.Add(sample * mebibyte);
    EXPECT_EQ(leaking.Growth(), static_cast<std::int64_t>(5 * mebibyte));

    // Too short to tell.
    MemoryTrend brief;
    for (std::uint64_t sample = 1; sample <= 7; ++sample)
        brief.Add(sample * 100 * mebibyte);
    EXPECT_EQ(brief.Growth(), 0);

    EXPECT_GT(MemoryTrend::ResidentBytes(), 0u);
}
