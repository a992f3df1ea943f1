// Episode 1 played through in the real executable, headless: from "Neues
// Spiel" on the main menu along every step of the puzzle chart to the
// dance contest, with the clicks a player makes.

#include "ExecutableRun.h"
#include "Episode1Walk.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace walkthrough;

class WalkthroughTest : public ExecutableRun {};

TEST_F(WalkthroughTest, EpisodeOnePlaysFromNewGameToTheDanceContest)
{
    const Recording recording(episode1::steps);
    WriteFile(directory / "keys.txt", recording.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + recording.ShotFrames()), 0) << errors;

    // Through all four rooms, in the order of the way out, to the dance.
    const std::string log = Log();
    std::size_t at = 0;
    for (const char* room : {"RoomBr\xFC" "cke", "RoomMaschinenraum", "RoomStrand", "RoomDorfplatz"}) {
        at = log.find(std::string("room-startup script <Script") + room + ">", at);
        ASSERT_NE(at, std::string::npos) << room << "\n" << log;
    }
    const std::size_t dance = log.find("Active Level: 7\n", at);
    ASSERT_NE(dance, std::string::npos) << log;
    // Nothing went wrong on the way, nor in starting the contest (which has
    // tests of its own, DanceRunTest).
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    for (const int shot : recording.Shots())
        EXPECT_TRUE(std::filesystem::exists(directory / "shots" / ShotName(shot))) << shot;

    // Saved before the garland went to Kalani: every step but the last
    // has given its flag, and the garland is in the inventory.
    const std::string saved = Savegame(1);
    const auto flag = [&saved](const std::string& name) { return FlagValue(saved, name); };
    for (const char* done : {"RoomBr\xFC" "cke|KristallGenommen", "RoomBr\xFC" "cke|AbsturzErklaert",
                             "RoomMaschinenraum|FunkenGestoppt", "RoomMaschinenraum|LukeFrei",
                             "RoomStrand|ZwillingeVersoehnt", "RoomDorfplatz|TanzErklaert",
                             "RoomDorfplatz|BlumenketteGebunden", "RoomDorfplatz|TrommelRepariert"})
        EXPECT_EQ(flag(done), 1) << done << "\n" << saved;
    EXPECT_EQ(flag("RoomDorfplatz|KetteGegeben"), 0) << saved;
    EXPECT_TRUE(Contains(saved, "\" \"RoomDorfplatz|Blumenkette\"\n")) << saved;
    EXPECT_TRUE(Contains(saved, "    \"Current Room\" \"RoomDorfplatz|Room\"\n")) << saved;
}
