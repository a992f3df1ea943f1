// Episode 5 played through in the real executable, headless: from the first
// frame of level 5 (Rocko's taxi landing on the Baron's moon) along every
// step of the puzzle chart to the airlock's inner door, which asks for the
// alien shooting gallery in the base's yard, with the clicks a player
// makes. On the way the game is saved in each of the four rooms; afterwards
// each savegame is loaded from the main menu and saved again, and must hold
// the same state.

#include "EpisodeRun.h"
#include "Episode5Walk.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace walkthrough;

// The rooms the four savegames were made in.
const std::vector<std::string> savedRooms = {"RoomLandeplatz", "RoomLabor", "RoomLager", "RoomSchleuse"};

} // namespace

class Episode5RunTest : public EpisodeRun {};

TEST_F(Episode5RunTest, PlaysFromTheLandingToTheYardsDoorAndEachRoomsSavegameLoadsTheSameState)
{
    const std::string menuConfig = ReadFile(directory / "data" / "config.txt");
    StartIn(5);
    const Recording recording(episode5::Steps());
    WriteFile(directory / "keys.txt", recording.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + recording.ShotFrames()), 0) << errors;

    const std::string log = Log();
    std::size_t at = 0;
    for (const char* room :
         {"RoomLandeplatz", "RoomSchleuse", "RoomLabor", "RoomSchleuse", "RoomLager", "RoomSchleuse"}) {
        at = log.find(std::string("room-startup script <Script") + room + ">", at);
        ASSERT_NE(at, std::string::npos) << room << "\n" << log;
        ++at;
    }
    EXPECT_NE(log.find("Active Level: 11\n", at), std::string::npos) << log;
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    for (const int shot : recording.Shots())
        EXPECT_TRUE(std::filesystem::exists(directory / "shots" / ShotName(shot))) << shot;

    // Saved in the lab with the thawed onion: the way in, the capsule and
    // the diary are done; the press and the bottle are still to come.
    const std::string lab = Savegame(2);
    for (const char* done :
         {"RoomLandeplatz|EinleitungGesehen", "RoomLandeplatz|KabelGeholt", "RoomLandeplatz|SchleuseOffen",
          "RoomLandeplatz|KapselOffen", "RoomLabor|NotizenGelesen", "RoomLabor|ZwiebelAufgetaut"})
        EXPECT_EQ(FlagValue(lab, done), 1) << done << "\n" << lab;
    for (const char* open : {"RoomLabor|SaftGepresst", "RoomLager|RoboterAbgelenkt"})
        EXPECT_EQ(FlagValue(lab, open), 0) << open << "\n" << lab;
    EXPECT_TRUE(Contains(lab, "    \"count\" 1\n    \"item 0000\" \"RoomLabor|Zwiebel\"\n")) << lab;

    // Saved in the store with the cleaning robot's bottle: the window is
    // still to be sprayed.
    const std::string store = Savegame(3);
    EXPECT_EQ(FlagValue(store, "RoomLager|RoboterAbgelenkt"), 1) << store;
    EXPECT_EQ(FlagValue(store, "RoomSchleuse|FensterGeputzt"), 0) << store;
    EXPECT_TRUE(Contains(store, "    \"count\" 2\n    \"item 0000\" \"RoomLabor|Zwiebelsaft\"\n"
                                "    \"item 0001\" \"RoomLager|Spruehflasche\"\n"))
        << store;

    // Saved in the airlock with its window clean: the juice and the empty
    // bottle wait to be mixed.
    const std::string airlock = Savegame(4);
    for (const char* done : {"RoomLabor|SaftGepresst", "RoomLager|RoboterAbgelenkt", "RoomSchleuse|FensterGeputzt"})
        EXPECT_EQ(FlagValue(airlock, done), 1) << done << "\n" << airlock;
    for (const char* open : {"RoomLabor|SprayGemischt", "RoomSchleuse|HofBetreten"})
        EXPECT_EQ(FlagValue(airlock, open), 0) << open << "\n" << airlock;
    EXPECT_TRUE(Contains(airlock, "    \"count\" 2\n    \"item 0000\" \"RoomLabor|Zwiebelsaft\"\n"
                                  "    \"item 0001\" \"RoomSchleuse|LeereFlasche\"\n"))
        << airlock;

    ExpectEachSavegameLoadsTheSameState(5, savedRooms, menuConfig);
}
