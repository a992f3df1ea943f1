// Episode 6 played through in the real executable, headless: from the first
// frame of level 6 (the base's hall behind the cleared yard) along every
// step of the puzzle chart to the flight home and the closing scene on
// Wakalua, which asks for the closing credits, with the clicks a player
// makes. On the way the game is saved in each of the four rooms of the
// base; afterwards each savegame is loaded from the main menu and saved
// again, and must hold the same state.

#include "Episode6Walk.h"
#include "EpisodeRun.h"

#include <filesystem>
#include <string>
#include <vector>

using namespace walkthrough;

class Episode6RunTest : public EpisodeRun {};

TEST_F(Episode6RunTest, PlaysFromTheHallToTheFlightHomeAndEachRoomsSavegameLoadsTheSameState)
{
    const std::string menuConfig = ReadFile(directory / "data" / "config.txt");
    StartIn(6);
    const Recording recording(episode6::Steps());
    WriteFile(directory / "keys.txt", recording.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + recording.ShotFrames()), 0) << errors;

    const std::string log = Log();
    std::size_t at = 0;
    for (const char* room :
         {"RoomBasis", "RoomKontrollraum", "RoomBasis", "RoomStartrampe", "RoomBasis", "RoomSammlung", "RoomBasis",
          "RoomSammlung", "RoomBasis", "RoomStartrampe", "RoomHeimkehr"}) {
        at = log.find(std::string("room-startup script <Script") + room + ">", at);
        ASSERT_NE(at, std::string::npos) << room << "\n" << log;
        ++at;
    }
    EXPECT_NE(log.find("Active Level: 99\n", at), std::string::npos) << log;
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    for (const int shot : recording.Shots())
        EXPECT_TRUE(std::filesystem::exists(directory / "shots" / ShotName(shot))) << shot;

    // Saved at the ramp with Rocko's half of the crystal: the control room
    // is open and the ramp aimed; the Baron is still to be met.
    const std::string ramp = Savegame(3);
    for (const char* done : {"RoomBasis|EinleitungGesehen", "RoomBasis|KontrollraumOffen",
                             "RoomKontrollraum|RampeAusgerichtet", "RoomStartrampe|KristallAusgebaut"})
        EXPECT_EQ(FlagValue(ramp, done), 1) << done << "\n" << ramp;
    for (const char* open : {"RoomSammlung|BaronGetroffen", "RoomBasis|KameraGeliehen"})
        EXPECT_EQ(FlagValue(ramp, open), 0) << open << "\n" << ramp;
    EXPECT_TRUE(Contains(ramp, "    \"count\" 1\n    \"item 0000\" \"RoomStartrampe|Taxikristall\"\n")) << ramp;

    // Saved in the collection after the trade: both halves, not yet one.
    const std::string collection = Savegame(4);
    for (const char* done : {"RoomSammlung|BaronFotografiert", "RoomSammlung|KristallGetauscht"})
        EXPECT_EQ(FlagValue(collection, done), 1) << done << "\n" << collection;
    for (const char* open : {"RoomStartrampe|KristallGanz", "RoomStartrampe|Heimflug"})
        EXPECT_EQ(FlagValue(collection, open), 0) << open << "\n" << collection;
    EXPECT_TRUE(Contains(collection, "    \"count\" 2\n    \"item 0000\" \"RoomStartrampe|Taxikristall\"\n"
                                     "    \"item 0001\" \"RoomSammlung|Kristallhaelfte\"\n"))
        << collection;

    ExpectEachSavegameLoadsTheSameState(6, {"RoomBasis", "RoomKontrollraum", "RoomStartrampe", "RoomSammlung"},
                                        menuConfig);
}
