#include "ExecutableRun.h"
#include "GameParameters.h"
#include "LevelContent.h"
#include "RecordedInput.h"
#include "RuvIdLevelRitter.h"
#include "minigames/CatapultThrower.h"
#include "support/HeadlessTest.h"

#include <cstdio>
#include <string>

namespace {

// Finds the best throw in this process, on the game's own data and logic,
// so that the recording made of it throws as far in the real program.
class CatapultBot : public HeadlessTest {
public:
    void Begin() { SetUp(); }
    void End() { TearDown(); }
    void TestBody() override {}

    CatapultThrower::Plan BestThrow(int& distance)
    {
        std::error_code failed;
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data", failed);
        EXPECT_FALSE(failed);
        StartLog();
        EXPECT_TRUE(LevelContent::Load(9));
        GameParameters::GetInstance().SetSavingAllowed(true);
        RuvIdLevelRitter level;
        EXPECT_TRUE(level.Init(LevelParameters{9, nullptr}));
        const CatapultThrower::Plan plan = CatapultThrower::Best(level);
        level.Reset();
        level.SetState(RuvIdLevelRitter::statePlaying);
        distance = CatapultThrower::Play(level, plan);
        level.Exit();
        LevelContent::Unload();
        return plan;
    }
};

// "Neues Spiel" inside the adventure.
constexpr int newGameX = 512;
constexpr int newGameY = 369;

} // namespace

class CatapultRunTest : public ExecutableRun {};

// Inside the story on "Schwer": a throw held too long rips the rope, one
// never pulled rolls over the line, and the bot's best throw flies beyond
// 55 metres, as far as it did in the bot's process, and the story goes on.
TEST_F(CatapultRunTest, TheBestThrowWinsOnSchwerAfterARippedRopeAndACrossedLine)
{
    int distance = 0;
    CatapultThrower::Plan plan;
    {
        CatapultBot bot;
        bot.Begin();
        plan = bot.BestThrow(distance);
        bot.End();
    }
    EXPECT_GE(distance, 5500);
    std::printf("The bot's best throw: pull from frame %d, let go in frame %d: %d cm\n", plan.pressFrame,
                plan.releaseFrame, distance);

    SaveDifficulty(2);
    StartIn(9);

    RecordedInput input;
    input.At(60).Shoot();
    // Each try: "Neues Spiel", then a click to set the cart rolling. Pulled
    // at once and held: the rope rips after its 24 frames at 20 a second.
    input.Click(newGameX, newGameY).Wait(2).Click(newGameX, newGameY).Wait(2).ButtonDown(newGameX, newGameY);
    input.Wait(30).Shoot(40).Shoot(2).ButtonUp(newGameX, newGameY).Wait(300);
    // Never pulled: over the line after a little more than three seconds.
    input.Click(newGameX, newGameY).Wait(2).Click(newGameX, newGameY).Wait(100).Shoot(75).Shoot(340);
    // The best throw, frame by frame as the bot threw it.
    input.Click(newGameX, newGameY);
    const int start = input.Now() - 1;
    input.At(start + CatapultThrower::clickFrame).ButtonDown(newGameX, newGameY).ButtonUp(newGameX, newGameY);
    input.At(start + plan.pressFrame).ButtonDown(newGameX, newGameY);
    input.At(start + plan.releaseFrame).ButtonUp(newGameX, newGameY);
    input.Shoot(15).Shoot(25).Shoot(25).Shoot(25).Shoot(60).Shoot(100).Wait(200);
    WriteFile(directory / "keys.txt", input.Text());
    EXPECT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + input.ShotFrames()), 0) << errors;

    const std::string log = Log();
    const std::size_t ripped = log.find("RuvIdLevelRitter: The rope ripped\n");
    const std::size_t crossed = log.find("RuvIdLevelRitter: The cart rolled over the start line\n");
    const std::size_t thrown = log.find("RuvIdLevelRitter: The throw is over with " + std::to_string(distance) +
                                        " centimetres\n");
    EXPECT_LT(ripped, crossed) << log;
    EXPECT_LT(crossed, thrown) << log;
    EXPECT_NE(thrown, std::string::npos) << log;
    EXPECT_EQ(CountOf(log, "The throw is over with 0 centimetres\n"), 2u) << log;
    // Episode 4 is not made yet: the game says so and goes back to the menu.
    EXPECT_TRUE(Contains(log, "Active Level: 4\n")) << log;
    EXPECT_EQ(log.find("***"), log.find("***ERROR: GameRuvId::Init: Level 4 has no data in this game!")) << log;
}
