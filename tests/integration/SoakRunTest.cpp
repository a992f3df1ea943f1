// The real game under random input (--soak): a session replays exactly from
// its seed or from its recording.

#include "ExecutableRun.h"

#include <filesystem>
#include <regex>
#include <string>

class SoakRunTest : public ExecutableRun {
protected:
    // What a session leaves that the next one would start from: the player's
    // files (quick save, options, highscores) and the log.
    void ForgetThePlayersFiles()
    {
        std::filesystem::remove_all(directory / "savegames");
        for (const char* name : {"options.dat", "highscores.dat", "debug.txt"})
            std::filesystem::remove(directory / name);
    }
    std::string LastShot(const std::string& folder) const { return ReadFile(directory / folder / ShotName(last)); }
    // The log but for its soak summary, whose memory figures vary.
    std::string LogOfTheGame() const { return std::regex_replace(StableLog(), std::regex("Soak: [^\n]*\n"), ""); }

    static constexpr int last = 2999; // the last frame of a 60-second soak
};

TEST_F(SoakRunTest, ASessionOnTheBridgePlaysAgainFromItsSeedAndFromItsRecording)
{
    StartIn(1);
    ASSERT_EQ(Run("--headless --soak 60 --seed 1 --record first.txt --shots first"), 0) << errors;
    EXPECT_NE(output.find("Soak: seed 1, 3000 of 3000 frames, 0 errors and 0 warnings logged"), std::string::npos)
        << output;
    // Juna walked about and the player's keys reached the game.
    EXPECT_NE(Log().find("RuvIdLevelAdventure: walk from"), std::string::npos);
    ASSERT_FALSE(LastShot("first").empty());

    ForgetThePlayersFiles();
    ASSERT_EQ(Run("--headless --soak 60 --seed 1 --record second.txt --shots second"), 0) << errors;
    EXPECT_EQ(ReadFile(directory / "second.txt"), ReadFile(directory / "first.txt"));
    // The first run filled the sprite cache; this one and the replay find it
    // filled, so their logs are alike.
    const std::string secondLog = LogOfTheGame();
    EXPECT_EQ(LastShot("second"), LastShot("first"));

    ForgetThePlayersFiles();
    ASSERT_EQ(Run("--headless --replay first.txt --shots replayed"), 0) << errors;
    EXPECT_EQ(LogOfTheGame(), secondLog);
    EXPECT_EQ(LastShot("replayed"), LastShot("first"));
}
