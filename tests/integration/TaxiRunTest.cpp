#include "ExecutableRun.h"
#include "GameParameters.h"
#include "LevelContent.h"
#include "RecordedInput.h"
#include "RuvIdLevelTaxishooter.h"
#include "platform/VirtualKey.h"
#include "support/HeadlessTest.h"

#include <cmath>
#include <cstdio>
#include <map>
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

// A bot that plays the taxi shooter with the keys a player has: it flies to
// the height of the nearest robot ahead and fires when it is in line, and
// flashes the robots that come up behind. It plays a round of the level in
// this process, on the game's own data and logic, so that the recording it
// leaves plays the same round in the real program.
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
        BotRound round;
        bool over = false;
        while (!over && round.frames.size() < 100 * 50) {
            Steer(level);
            round.frames.push_back(pending);
            pending.clear();
            level.Update(0.02f);
            over = level.GetSubState() == RuvIdLevelTaxishooter::subStateOver;
        }
        round.score = level.GetScore();
        level.Exit();
        LevelContent::Unload();
        return round;
    }

private:
    void Set(int key, bool down)
    {
        bool& held = heldKeys[key];
        if (held == down)
            return;
        held = down;
        Window().Inject({down ? platform::MessageType::KeyDown : platform::MessageType::KeyUp, key});
        platform::WindowMessage message;
        while (Window().PeekMessage(message)) {
        }
        pending += (down ? " keydown " : " keyup ") + std::to_string(key);
    }

    void Steer(const RuvIdLevelTaxishooter& level)
    {
        const Ship& taxi = level.GetTaxi();
        const Ship* ahead = nullptr;
        bool behind = false;
        for (const Ship& fighter : level.GetFighters()) {
            if (!fighter.IsActive() || fighter.IsDestroyed())
                continue;
            const float dx = fighter.GetX() - taxi.GetX();
            const float dy = fighter.GetY() - taxi.GetY();
            if (dx > 60.0f && dx < 900.0f && (ahead == nullptr || dx < ahead->GetX() - taxi.GetX()))
                ahead = &fighter;
            if (dx < -20.0f && dx > -230.0f && dy > -150.0f && dy < 40.0f)
                behind = true;
        }
        // Up and down to the robot ahead, keeping clear of the edges.
        const float target = ahead != nullptr ? ahead->GetY() - 25.0f : 410.0f;
        Set(VirtualKey::Up, taxi.GetY() > target + 8.0f);
        Set(VirtualKey::Down, taxi.GetY() < target - 8.0f);
        // Back towards the left third, where there is room ahead.
        Set(VirtualKey::Left, taxi.GetX() > 330.0f);
        Set(VirtualKey::Right, taxi.GetX() < 250.0f);
        const bool inLine = ahead != nullptr && std::abs(ahead->GetY() - 25.0f - taxi.GetY()) < 30.0f;
        // A fire key goes down for one frame and up for the next.
        Set(VirtualKey::Space, inLine && !heldKeys[VirtualKey::Space]);
        Set('B', behind && !heldKeys['B']);
    }

    std::map<int, bool> heldKeys;
    std::string pending;
};


} // namespace

class TaxiRunTest : public ExecutableRun {
protected:
    void StartIn(int level)
    {
        std::string config = ReadFile(directory / "data" / "config.txt");
        config = std::regex_replace(config, std::regex("startGameState \\w+"), "startGameState GameRuvId");
        config = std::regex_replace(config, std::regex("activeLevel \\d+"), "activeLevel " + std::to_string(level));
        WriteFile(directory / "data" / "config.txt", config);
    }

    // The bot's round in the real program; its log's score.
    int PlayInProgram(const BotRound& round, int difficulty)
    {
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(directory);
        GameParameters parameters;
        parameters.SetDifficulty(difficulty);
        EXPECT_TRUE(parameters.Save());
        std::filesystem::current_path(previous);

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
        EXPECT_TRUE(Contains(log, "Active Level: 3\n")) << log;
        EXPECT_EQ(log.find("***"), log.find("***ERROR: GameRuvId::Init: Level 3 has no data in this game!")) << log;
    }
}
