#include "app/Recording.h"

#include <gtest/gtest.h>

using platform::MessageType;

TEST(Recording, ReadsWhatItWrites)
{
    const std::string text = "zephyra-recording 1 seed 4711\n"
                             "frame 0 time 20\n"
                             "frame 1 time 21 mousemove 512 384 lbuttondown 512 384 lbuttonup 512 384\n"
                             "frame 2 time 20 keydown 27 char 27 keyup 27\n"
                             "frame 3 killfocus setfocus lbuttondblclk 0 0 rbuttondown 1023 767 rbuttondblclk 1 2 rbuttonup 3 4\n"
                             "frame 7 time 3 destroy\n";
    Recording recording;
    std::string error;
    ASSERT_TRUE(recording.Parse(text, error)) << error;
    EXPECT_EQ(recording.seed, 4711u);
    ASSERT_EQ(recording.frames.size(), 5u);
    const Recording::Frame& second = recording.frames.at(1);
    EXPECT_EQ(second.milliseconds, 21);
    ASSERT_EQ(second.messages.size(), 3u);
    EXPECT_EQ(second.messages[0].type, MessageType::MouseMove);
    EXPECT_EQ(second.messages[0].x, 512);
    EXPECT_EQ(second.messages[0].y, 384);
    EXPECT_TRUE(second.messages[0].positionIsLogical);
    EXPECT_FALSE(recording.frames.at(3).milliseconds);
    EXPECT_EQ(recording.Format(), text);
}

TEST(Recording, IgnoresCommentsBlankLinesAndCarriageReturns)
{
    Recording recording;
    std::string error;
    ASSERT_TRUE(recording.Parse("\xEF\xBB\xBF# made by hand\r\n\r\nzephyra-recording 1 seed 0\r\n"
                                "  frame 5\tkeydown 65 # the A key\r\n",
                                error))
        << error;
    ASSERT_EQ(recording.frames.size(), 1u);
    ASSERT_EQ(recording.frames.at(5).messages.size(), 1u);
    EXPECT_EQ(recording.frames.at(5).messages[0].value, 65);
}

TEST(Recording, RefusesWhatIsNotARecording)
{
    const std::pair<const char*, const char*> broken[] = {
        {"", "line 0: the file is empty"},
        {"# only a comment\n", "line 1: no \"zephyra-recording\" header"},
        {"zephyra-recording 1 seed 1\nframe 1 time -5\n", "line 2: \"time\" needs milliseconds"},
        {"frame 0 time 20\n", "line 1: expected \"zephyra-recording 1 seed N\""},
        {"zephyra-recording 2 seed 1\n", "line 1: unsupported format version <2>"},
        {"zephyra-recording 1 seed -1\n", "line 1: the seed is not a number"},
        {"zephyra-recording 1 seed 1\nframe x\n", "line 2: expected \"frame N\""},
        {"zephyra-recording 1 seed 1\nframe 1 jump\n", "line 2: unknown event <jump>"},
        {"zephyra-recording 1 seed 1\nframe 1 mousemove 5\n", "line 2: <mousemove> needs 2 numbers"},
        {"zephyra-recording 1 seed 1\nframe 1 mousemove 1024 5\n", "line 2: <mousemove> has a number out of range"},
        {"zephyra-recording 1 seed 1\nframe 1 keydown 256\n", "line 2: <keydown> has a number out of range"},
        {"zephyra-recording 1 seed 1\nframe 1 time\n", "line 2: \"time\" needs milliseconds"},
        {"zephyra-recording 1 seed 1\nframe 1 time 5 time 6\n", "line 2: frame 1 has two times"},
        {"zephyra-recording 1 seed 1\n\nframe 1 time 99999999999\n", "line 3: \"time\" needs milliseconds"},
    };
    for (const auto& [text, expected] : broken) {
        Recording recording;
        recording.frames[3];
        std::string error;
        EXPECT_FALSE(recording.Parse(text, error)) << text;
        EXPECT_EQ(error, expected) << text;
        EXPECT_TRUE(recording.frames.empty());
    }
}
