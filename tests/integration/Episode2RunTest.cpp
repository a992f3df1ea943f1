// Episode 2 played through in the real executable, headless: from the
// first frame of level 2 (the robbery on the festival square) along every
// step of the puzzle chart to the taxi's take-off, which asks for the taxi
// chase, with the clicks a player makes. On the way the game is saved in
// each of the four rooms; afterwards each savegame is loaded from the main
// menu and saved again, and must hold the same state.

#include "EpisodeRun.h"
#include "Episode2Walk.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace walkthrough;

// The rooms the four savegames were made in.
const std::vector<std::string> savedRooms = {"RoomFestplatz", "RoomRaumhafen", "RoomTaxistand", "RoomHangar"};

} // namespace

class Episode2RunTest : public EpisodeRun {};

TEST_F(Episode2RunTest, PlaysFromTheRobberyToTheTakeOffAndEachRoomsSavegameLoadsTheSameState)
{
    const std::string menuConfig = ReadFile(directory / "data" / "config.txt");
    StartIn(2);
    const Recording recording(episode2::steps);
    WriteFile(directory / "keys.txt", recording.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + recording.ShotFrames()), 0) << errors;

    const std::string log = Log();
    std::size_t at = 0;
    for (const char* room : {"RoomFestplatz", "RoomRaumhafen", "RoomTaxistand", "RoomHangar"}) {
        at = log.find(std::string("room-startup script <Script") + room + ">", at);
        ASSERT_NE(at, std::string::npos) << room << "\n" << log;
    }
    EXPECT_NE(log.find("Active Level: 8\n", at), std::string::npos) << log;
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    for (const int shot : recording.Shots())
        EXPECT_TRUE(std::filesystem::exists(directory / "shots" / ShotName(shot))) << shot;

    // Saved in the hangar, the fare is paid, the pump has asked for a pass,
    // and the photo is still to be taken.
    const std::string hangar = Savegame(4);
    for (const char* done : {"RoomFestplatz|EinleitungGesehen", "RoomFestplatz|PokalBekommen",
                             "RoomRaumhafen|PokalVerkauft", "RoomTaxistand|PreisGenannt", "RoomTaxistand|RockoBezahlt",
                             "RoomHangar|AusweisVerlangt"})
        EXPECT_EQ(FlagValue(hangar, done), 1) << done << "\n" << hangar;
    EXPECT_EQ(FlagValue(hangar, "RoomFestplatz|FotoGemacht"), 0) << hangar;
    EXPECT_TRUE(Contains(hangar, "\" \"RoomHangar|Kanister\"\n")) << hangar;

    ExpectEachSavegameLoadsTheSameState(2, savedRooms, menuConfig);
}
