#include "CatapultBot.h"
#include "ExecutableRun.h"
#include "RecordedInput.h"

#include <cstdio>
#include <string>

namespace {

constexpr int newGameX = CatapultBot::newGameX;
constexpr int newGameY = CatapultBot::newGameY;

} // namespace

class CatapultRunTest : public ExecutableRun {};

// Inside the story on "Schwer": a throw held too long rips the rope, one
// never pulled rolls over the line, and the bot's best throw flies beyond
// 55 metres, as far as it did in the bot's process, and the story goes on.
TEST_F(CatapultRunTest, TheBestThrowWinsOnSchwerAfterARippedRopeAndACrossedLine)
{
    int distance = 0;
    const CatapultThrower::Plan plan = CatapultBot::BestThrow(distance);
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
    CatapultBot::Throw(input, plan);
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
    // The won contest opens the castle: episode 4 begins in its yard.
    const std::size_t castle = log.find("Active Level: 4\n", thrown);
    EXPECT_NE(castle, std::string::npos) << log;
    EXPECT_NE(log.find("room-startup script <ScriptRoomBurghof>", castle), std::string::npos) << log;
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
}
