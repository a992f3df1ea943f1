// Episode 4 played through in the real executable, headless: the knights'
// throwing contest won (the bot's best throw), which opens the castle gate
// with the herald's password, then from the first frame in the castle yard
// along every step of the puzzle chart to the taxi's jump back to the
// future, which lands in episode 5, with the clicks a player makes. On the
// way the game is saved in each of the five rooms; afterwards each
// savegame is loaded from the main menu and saved again, and must hold the
// same state.

#include "CatapultBot.h"
#include "EpisodeRun.h"
#include "Episode4Walk.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace walkthrough;

// The rooms the five savegames were made in.
const std::vector<std::string> savedRooms = {"RoomBurghof", "RoomTurm",
                                             "RoomK\xfc"
                                             "che",
                                             "RoomRittersaal", "RoomVerlies"};

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
    CatapultBot::Throw(start, plan).Wait(episode4::throwToCastle);
    const Recording recording(start, episode4::Steps());
    WriteFile(directory / "keys.txt", recording.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + recording.ShotFrames()), 0) << errors;

    const std::string log = Log();
    const std::size_t castle = log.find("Active Level: 4\n");
    ASSERT_NE(castle, std::string::npos) << log;
    std::size_t at = castle;
    for (const char* room : {"RoomBurghof", "RoomTurm",
                             "RoomK\xfc"
                             "che",
                             "RoomRittersaal", "RoomVerlies"}) {
        at = log.find(std::string("room-startup script <Script") + room + ">", at);
        ASSERT_NE(at, std::string::npos) << room << "\n" << log;
    }
    // The jump lands on the Baron's moon: episode 5 begins on its landing pad.
    const std::size_t moon = log.find("Active Level: 5\n", at);
    ASSERT_NE(moon, std::string::npos) << log;
    EXPECT_NE(log.find("room-startup script <ScriptRoomLandeplatz>", moon), std::string::npos) << log;
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    for (const int shot : recording.Shots())
        EXPECT_TRUE(std::filesystem::exists(directory / "shots" / ShotName(shot))) << shot;

    // Saved in the yard just after the opening: the password opened the gate.
    EXPECT_EQ(FlagValue(Savegame(1), "Passwortja"), 1) << Savegame(1);
    // Saved in the dungeon with the iron ball: the crystal's chain up to the
    // polished tray and the taxi's up to the ball are done; the magpie and
    // the smith are still to come.
    const std::string dungeon = Savegame(5);
    for (const char* done :
         {"Passwortja", "RoomBurghof|EinleitungGesehen", "RoomBurghof|EisenVerlangt", "RoomTurm|ElsterEntdeckt",
          "RoomK\xfc"
          "che|AscheGenommen",
          "RoomK\xfc"
          "che|HundAbgelenkt",
          "RoomRittersaal|TablettPoliert", "RoomVerlies|KugelGeloest"})
        EXPECT_EQ(FlagValue(dungeon, done), 1) << done << "\n" << dungeon;
    for (const char* open : {"RoomTurm|KristallGefunden", "RoomBurghof|TaxiFrei", "RoomBurghof|Zeitsprung"})
        EXPECT_EQ(FlagValue(dungeon, open), 0) << open << "\n" << dungeon;
    EXPECT_TRUE(Contains(dungeon, "    \"count\" 3\n    \"item 0000\" \"RoomK\xfc"
                                  "che|Kessel\"\n"
                                  "    \"item 0001\" \"RoomRittersaal|Silbertablett\"\n"
                                  "    \"item 0002\" \"RoomVerlies|Eisenkugel\"\n"))
        << dungeon;

    // Saved in the yard with the coil built in: only the half crystal is
    // still missing for the jump.
    const std::string yard = Savegame(6);
    for (const char* done : {"RoomBurghof|TaxiFrei", "RoomBurghof|SpuleGeschmiedet", "RoomBurghof|SpuleEingebaut",
                             "RoomTurm|KristallGefunden"})
        EXPECT_EQ(FlagValue(yard, done), 1) << done << "\n" << yard;
    for (const char* open : {"RoomBurghof|KristallEingebaut", "RoomBurghof|Zeitsprung"})
        EXPECT_EQ(FlagValue(yard, open), 0) << open << "\n" << yard;
    EXPECT_TRUE(Contains(yard, "    \"count\" 1\n    \"item 0000\" \"RoomTurm|Kristallhaelfte\"\n")) << yard;

    ExpectEachSavegameLoadsTheSameState(4, savedRooms, menuConfig);
}
