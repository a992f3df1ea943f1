#include "ExecutableRun.h"
#include "GameParameters.h"
#include "LevelContent.h"
#include "RecordedInput.h"
#include "RuvIdLevelAlien.h"
#include "support/HeadlessTest.h"

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace {

// "Neues Spiel" inside the adventure.
constexpr int newGameX = 512;
constexpr int newGameY = 369;

// What the bot did before each frame of its round, as recording events.
struct BotRound {
    std::vector<std::string> frames;
    int score = 0;
};

// A bot that plays a round of the shooting gallery in this process, on the
// game's own data and logic, from the aliens' seed that the real program
// logged for the same round: each frame it sprays the farthest alien that
// can be hit, at the middle of its picture, and swaps an empty can.
class AlienBot : public HeadlessTest {
public:
    void Begin() { SetUp(); }
    void End() { TearDown(); }
    void TestBody() override {}

    BotRound Play(unsigned seed, int difficulty)
    {
        std::error_code failed;
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data", failed);
        EXPECT_FALSE(failed);
        StartLog();
        EXPECT_TRUE(LevelContent::Load(11));
        GameParameters::GetInstance().SetSavingAllowed(true);
        GameParameters::GetInstance().SetDifficulty(difficulty);
        RuvIdLevelAlien level;
        EXPECT_TRUE(level.Init(LevelParameters{11, nullptr}));
        // The frame of the click on "Neues Spiel".
        level.OnMouseMove(newGameX, newGameY);
        level.SetState(RuvIdLevelAlien::statePlaying);
        level.ReseedAliens(seed);
        level.Update(0.02f);
        BotRound round;
        while (level.GetSubState() == RuvIdLevelAlien::subStatePlaying && round.frames.size() < 70 * 50) {
            round.frames.push_back(Aim(level));
            level.Update(0.02f);
        }
        round.score = level.GetScore();
        level.Exit();
        LevelContent::Unload();
        return round;
    }

private:
    static std::string Aim(RuvIdLevelAlien& level)
    {
        if (level.GetShots() == 0) {
            level.OnRightButtonDown(newGameX, newGameY);
            return " rbuttondown 512 369 rbuttonup 512 369";
        }
        const Alien* target = nullptr;
        for (const Alien& alien : level.GetAliens()) {
            if (alien.IsHittable() && (target == nullptr || alien.GetPoints() > target->GetPoints()))
                target = &alien;
        }
        if (target == nullptr)
            return "";
        const HitRect rect = target->GetRect();
        const std::string at =
            std::to_string((rect.left + rect.right) / 2) + " " + std::to_string((rect.top + rect.bottom) / 2);
        level.OnMouseMove((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        level.OnLeftButtonDown((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, false);
        return " mousemove " + at + " lbuttondown " + at + " lbuttonup " + at;
    }
};

} // namespace

class AlienRunTest : public ExecutableRun {
protected:
    // A round spraying only into the sky (ten shots on a can of eight, the
    // last two empty), its minute run out; then "Neues Spiel" again.
    static RecordedInput SkyRoundThenNewGame()
    {
        RecordedInput input;
        input.At(60).Click(newGameX, newGameY).Wait(50).Shoot();
        for (int shot = 0; shot < 10; ++shot)
            input.Click(300 + 40 * shot, 150).Wait(10);
        input.Shoot().At(60 * 50 + 5 * 50 + 150).Click(newGameX, newGameY);
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
    std::string text = prefix.Text();
    text = text.substr(0, text.rfind("frame "));
    const int start = prefix.Now() - 1;
    for (std::size_t frame = 0; frame < round.frames.size(); ++frame) {
        if (!round.frames[frame].empty())
            text += "frame " + std::to_string(start + static_cast<int>(frame) + 1) + round.frames[frame] + "\n";
    }
    const int end = start + static_cast<int>(round.frames.size());
    text += "frame " + std::to_string(end + 8 * 50) + " time 20\n";
    log = Play(text, std::to_string(start + 200) + "," + std::to_string(start + 1000) + "," + std::to_string(end + 50));
    EXPECT_TRUE(Contains(log, "RuvIdLevelAlien: The round is over with " + std::to_string(round.score) + " points"))
        << log;
    // The cleared yard leads into episode 6, the base's hall.
    const std::size_t base = log.find("Active Level: 6\n");
    ASSERT_NE(base, std::string::npos) << log;
    EXPECT_NE(log.find("room-startup script <ScriptRoomBasis>", base), std::string::npos) << log;
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
}
