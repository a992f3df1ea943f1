// Episode 3 played through in the real executable, headless: from the
// first frame of level 3 (the taxi falling out of the time hole into the
// clearing) along every step of the puzzle chart to the herald's fanfare,
// which asks for the knights' throwing contest, with the clicks a player
// makes. On the way the game is saved in each of the four rooms; afterwards
// each savegame is loaded from the main menu and saved again, and must hold
// the same state.

#include "EpisodeRun.h"
#include "Episode3Walk.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace walkthrough;

// The rooms the four savegames were made in.
const std::vector<std::string> savedRooms = {"RoomLichtung", "RoomDorf", "RoomSchmiede", "RoomTurnierwiese"};

} // namespace

class Episode3RunTest : public EpisodeRun {};

TEST_F(Episode3RunTest, PlaysFromTheTimeHoleToTheContestAndEachRoomsSavegameLoadsTheSameState)
{
    const std::string menuConfig = ReadFile(directory / "data" / "config.txt");
    StartIn(3);
    const Recording recording(episode3::Steps());
    WriteFile(directory / "keys.txt", recording.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + recording.ShotFrames()), 0) << errors;

    const std::string log = Log();
    std::size_t at = 0;
    for (const char* room : {"RoomLichtung", "RoomDorf", "RoomTurnierwiese", "RoomSchmiede"}) {
        at = log.find(std::string("room-startup script <Script") + room + ">", at);
        ASSERT_NE(at, std::string::npos) << room << "\n" << log;
    }
    EXPECT_NE(log.find("Active Level: 9\n", at), std::string::npos) << log;
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    for (const int shot : recording.Shots())
        EXPECT_TRUE(std::filesystem::exists(directory / "shots" / ShotName(shot))) << shot;

    // Saved in the smithy: the goose fed, the sheet, rope and helmet won,
    // the herald and the machine asked; the tabard still to be painted.
    const std::string smithy = Savegame(3);
    for (const char* done : {"RoomLichtung|EinleitungGesehen", "RoomDorf|GansSatt", "RoomDorf|LakenGenommen",
                             "RoomDorf|SeilBekommen", "RoomSchmiede|HelmBekommen", "RoomTurnierwiese|RitterVerlangt",
                             "RoomTurnierwiese|SeilGerissen"})
        EXPECT_EQ(FlagValue(smithy, done), 1) << done << "\n" << smithy;
    EXPECT_EQ(FlagValue(smithy, "RoomDorf|WappenrockGemalt"), 0) << smithy;
    for (const char* item : {"RoomDorf|Leintuch", "RoomDorf|Seil", "RoomSchmiede|Kohle", "RoomSchmiede|Helm"})
        EXPECT_TRUE(Contains(smithy, std::string("\" \"") + item + "\"\n")) << item << "\n" << smithy;
    // Saved on the meadow with the machine repaired: the tabard and the
    // helmet wait for the herald.
    const std::string meadow = Savegame(4);
    for (const char* done : {"RoomDorf|WappenrockGemalt", "RoomTurnierwiese|MaschineRepariert"})
        EXPECT_EQ(FlagValue(meadow, done), 1) << done << "\n" << meadow;
    for (const char* open : {"RoomTurnierwiese|Angemeldet", "RoomTurnierwiese|Turnierbeginn"})
        EXPECT_EQ(FlagValue(meadow, open), 0) << open << "\n" << meadow;
    EXPECT_TRUE(Contains(meadow, "    \"count\" 2\n    \"item 0000\" \"RoomSchmiede|Helm\"\n"
                                 "    \"item 0001\" \"RoomDorf|Wappenrock\"\n"))
        << meadow;

    ExpectEachSavegameLoadsTheSameState(3, savedRooms, menuConfig);
}
