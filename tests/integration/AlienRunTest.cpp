// The alien shooting gallery in the real program: a round that sprays
// only the sky, and the aiming bot's round (AlienBot.h) that wins it on
// "Schwer" and leads on into episode 6.

#include "AlienBot.h"
#include "ExecutableRun.h"
#include "RecordedInput.h"

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

class AlienRunTest : public ExecutableRun {
protected:
    // A round spraying only into the sky (ten shots on a can of eight, the
    // last two empty), its minute run out; then "Neues Spiel" again.
    static RecordedInput SkyRoundThenNewGame()
    {
        RecordedInput input;
        input.At(60).Click(AlienBot::newGameX, AlienBot::newGameY).Wait(50).Shoot();
        for (int shot = 0; shot < 10; ++shot)
            input.Click(300 + 40 * shot, 150).Wait(10);
        input.Shoot().At(60 * 50 + 5 * 50 + 150).Click(AlienBot::newGameX, AlienBot::newGameY);
        return input;
    }

    std::string Play(const std::string& recording, const std::string& shots)
    {
        WriteFile(directory / "keys.txt", recording);
        EXPECT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + shots), 0) << errors;
        return Log();
    }
};

// Inside the story on "Schwer": spraying the sky scores nothing; the bot
// reaches 1500 points before the minute is up, with the score it had in its
// own process, and the story goes on.
TEST_F(AlienRunTest, TheSkySprayerScoresNothingAndTheAimingBotWinsOnSchwer)
{
    SaveDifficulty(2);
    StartIn(11);

    // The first run up to the second round's start, for the seed it draws
    // (the same in every run of the same input).
    const RecordedInput prefix = SkyRoundThenNewGame();
    std::string log = Play(prefix.Text(), prefix.ShotFrames());
    EXPECT_TRUE(Contains(log, "RuvIdLevelAlien: The round is over with 0 points")) << log;
    std::vector<unsigned> seeds;
    const std::regex seedLine("The aliens' seed is (\\d+)");
    for (auto found = std::sregex_iterator(log.begin(), log.end(), seedLine); found != std::sregex_iterator();
         ++found)
        seeds.push_back(static_cast<unsigned>(std::stoul((*found)[1])));
    ASSERT_EQ(seeds.size(), 2u) << log;

    BotRound round;
    {
        AlienBot bot;
        bot.Begin();
        round = bot.Play(seeds[1], 2);
        bot.End();
    }
    EXPECT_GE(round.score, 1500);
    std::printf("The bot's round: %d points in %.1f s\n", round.score, static_cast<double>(round.frames.size()) * 0.02);

    // The second run: the same input, then the bot's round frame by frame.
    RecordedInput played = prefix;
    const int start = played.Now();
    played.Frames(round.frames);
    const int end = played.Now();
    played.Wait(8 * 50);
    log = Play(played.Text(), std::to_string(start + 200) + "," + std::to_string(start + 1000) + "," +
                                  std::to_string(end + 50));
    EXPECT_TRUE(Contains(log, "RuvIdLevelAlien: The round is over with " + std::to_string(round.score) + " points"))
        << log;
    // The cleared yard leads into episode 6, the base's hall.
    const std::size_t base = log.find("Active Level: 6\n");
    ASSERT_NE(base, std::string::npos) << log;
    EXPECT_NE(log.find("room-startup script <ScriptRoomBasis>", base), std::string::npos) << log;
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
}
