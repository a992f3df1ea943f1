#include "app/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, ReadsTheDevelopmentSwitches)
{
    CommandLine commandLine;
    std::string error;
    ASSERT_TRUE(commandLine.Parse({"--headless", "--frames", "120", "--frame-ms", "16", "--seed", "7", "--record", "r.txt",
                                   "--replay", "p.txt", "--shots", "out", "--shot-frames", "5,1,5"},
                                  error))
        << error;
    EXPECT_TRUE(commandLine.headless);
    EXPECT_EQ(commandLine.frames, 120u);
    EXPECT_EQ(commandLine.frameMilliseconds, 16u);
    EXPECT_EQ(commandLine.seed, 7u);
    EXPECT_EQ(commandLine.recordFile, "r.txt");
    EXPECT_EQ(commandLine.replayFile, "p.txt");
    EXPECT_EQ(commandLine.shotDirectory, "out");
    EXPECT_EQ(commandLine.shotFrames, (std::set<std::uint32_t>{1, 5}));

    // A movie on its own ends by itself, headless too.
    CommandLine movie;
    ASSERT_TRUE(movie.Parse({"--headless", "--movie", "data\\intro.avi", "--shots", "out"}, error)) << error;
    EXPECT_EQ(movie.movieFile, "data\\intro.avi");

    // A soak ends by itself too.
    CommandLine soak;
    ASSERT_TRUE(soak.Parse({"--headless", "--soak", "600", "--record", "s.txt"}, error)) << error;
    EXPECT_EQ(soak.soakSeconds, 600u);

    CommandLine plain;
    ASSERT_TRUE(plain.Parse({}, error));
    EXPECT_FALSE(plain.headless);
    EXPECT_FALSE(plain.frames);
}

TEST(CommandLine, RefusesWhatItCannotUse)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--frames"}, "--frames needs a value"},
        {{"--frames", "ten"}, "--frames takes a whole number, not <ten>"},
        {{"--frames", "-1"}, "--frames takes a whole number, not <-1>"},
        {{"--frame-ms", "5"}, "--frame-ms takes milliseconds from 10 to 1000, not <5>"},
        {{"--record", "--headless", "--frames", "3"}, "--record needs a value"},
        {{"--headless"}, "--headless needs --frames N, --replay FILE or --soak SECONDS: nothing else can end a game without a window"},
        {{"--shot-frames", "3"}, "--shot-frames needs --shots DIR"},
        {{"--seed", "1x"}, "--seed takes a whole number, not <1x>"},
        {{"--shot-frames", "1,,2"}, "--shot-frames takes frame numbers separated by commas, not <1,,2>"},
        {{"--fullscreen"}, "unknown option <--fullscreen>"},
        {{"--movie"}, "--movie needs a value"},
        {{"--movie", "a.avi", "--frames", "3"}, "--movie plays a movie on its own: not with --record or --frames"},
        {{"--soak", "0"}, "--soak takes seconds from 1 to 1000000, not <0>"},
        {{"--soak", "60", "--replay", "p.txt"}, "--soak makes its own input: not with --replay or --movie"},
    };
    for (const auto& [arguments, expected] : cases) {
        CommandLine commandLine;
        std::string error;
        EXPECT_FALSE(commandLine.Parse(arguments, error));
        EXPECT_EQ(error, expected);
    }
}
