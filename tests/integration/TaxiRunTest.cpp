#include "ExecutableRun.h"
#include "GameParameters.h"
#include "LevelContent.h"
#include "RecordedInput.h"
#include "RuvIdLevelTaxishooter.h"
#include "minigames/TaxiPilot.h"
#include "platform/VirtualKey.h"
#include "support/HeadlessTest.h"

#include <cmath>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace {

// The frames of a round as the bot played it: the keys that went down and
// up before each frame.
struct BotRound {
    std::vector<std::string> frames;
    int score = 0;
};

// A bot that plays a round of the taxi shooter in this process, on the
// game's own data and logic, with a player's keys (TaxiPilot), so that the
// recording it leaves plays the same round in the real program.
class TaxiBot : public HeadlessTest {
public:
    void Begin() { SetUp(); }
    void End() { TearDown(); }
    void TestBody() override {}

    BotRound Play(int difficulty)
    {
        std::error_code failed;
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data", failed);
        EXPECT_FALSE(failed);
        StartLog();
        EXPECT_TRUE(LevelContent::Load(8));
        GameParameters::GetInstance().SetSavingAllowed(true);
        GameParameters::GetInstance().SetDifficulty(difficulty);
        RuvIdLevelTaxishooter level;
        EXPECT_TRUE(level.Init(LevelParameters{8, nullptr}));
        level.Reset();
        // The frame of the click on "Neues Spiel" passes with no keys.
        level.SetState(RuvIdLevelTaxishooter::statePlaying);
        level.Update(0.02f);
        TaxiPilot pilot(Window());
        BotRound round;
        bool over = false;
        while (!over && round.frames.size() < 100 * 50) {
            round.frames.push_back(pilot.Steer(level));
            level.Update(0.02f);
            over = level.GetSubState() == RuvIdLevelTaxishooter::subStateOver;
        }
        round.score = level.GetScore();
        level.Exit();
        LevelContent::Unload();
        return round;
    }
};

} // namespace

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
        const int start = input.Now() - 1;
        std::string text = input.Text();
        text = text.substr(0, text.rfind("frame "));
        for (std::size_t frame = 0; frame < round.frames.size(); ++frame) {
            if (!round.frames[frame].empty())
                text += "frame " + std::to_string(start + static_cast<int>(frame) + 1) + round.frames[frame] + "\n";
        }
        const int last = start + static_cast<int>(round.frames.size()) + 12 * 50;
        text += "frame " + std::to_string(last) + " time 20\n";
        WriteFile(directory / "keys.txt", text);
        EXPECT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " +
                      std::to_string(start + 30 * 50)),
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
