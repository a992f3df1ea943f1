// The taxi shooter in the real program: the bot's round (TaxiBot.h)
// reaches the story's score on "Leicht" and "Mittel", and the story goes on.

#include "ExecutableRun.h"
#include "RecordedInput.h"
#include "TaxiBot.h"
#include "platform/VirtualKey.h"

#include <cstdio>
#include <regex>
#include <string>
#include <vector>


class TaxiRunTest : public ExecutableRun {
protected:
    // The bot's round in the real program; its log's score.
    int PlayInProgram(const BotRound& round, int difficulty)
    {
        SaveDifficulty(difficulty);

        StartIn(8);
        // The space bar moves the dialogue on, line by line; then "Neues
        // Spiel" inside the adventure.
        RecordedInput input;
        input.At(60);
        for (int line = 0; line < 7; ++line)
            input.Key(VirtualKey::Space, ' ').Wait(10);
        input.Click(512, 380);
        const int start = input.Now();
        input.Frames(round.frames).Wait(12 * 50);
        WriteFile(directory / "keys.txt", input.Text());
        EXPECT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + std::to_string(start + 30 * 50)),
                  0)
            << errors;
        std::smatch found;
        const std::string log = Log();
        if (!std::regex_search(log, found, std::regex("The round is over with (\\d+) points")))
            return -1;
        return std::stoi(found[1]);
    }
};

TEST_F(TaxiRunTest, ABotReachesTheStorysScoreOnLeichtAndMittelAndTheStoryGoesOn)
{
    for (const int difficulty : {0, 1}) {
        BotRound round;
        {
            TaxiBot bot;
            bot.Begin();
            round = bot.Play(difficulty);
            bot.End();
        }
        const int required = difficulty == 0 ? 1200 : 2500;
        EXPECT_GE(round.score, required) << "difficulty " << difficulty;
        std::printf("The bot's round on difficulty %d: %d points in %.1f s\n", difficulty, round.score,
                    static_cast<double>(round.frames.size()) * 0.02);
        EXPECT_EQ(PlayInProgram(round, difficulty), round.score) << Log();
        const std::string log = Log();
        // Won in the story, the game goes on with episode 3, in the clearing
        // below the castle.
        const std::size_t next = log.find("Active Level: 3\n");
        ASSERT_NE(next, std::string::npos) << log;
        EXPECT_NE(log.find("Run episode-startup script <ScriptEpisode3Init>", next), std::string::npos) << log;
        EXPECT_EQ(log.find("***"), std::string::npos) << log;
    }
}
