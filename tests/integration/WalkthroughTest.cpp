// Episode 1 played through in the real executable, headless: from "Neues
// Spiel" on the main menu along every step of the puzzle chart to the
// dance contest, with the clicks a player makes.

#include "ExecutableRun.h"
#include "Walkthrough.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace walkthrough;

// Lines in a conversation run their full length (Enter skips only scripted
// lines): each wait after a choice covers the lines it starts.
// A conversation's choices lie in a band at the top, 15 pixels apart,
// centred on y 59: with five of them the first is at 29, the last at 89.
const std::vector<Step> episodeOne = {
    {Act::key, keyDown, 0, 3},
    {Act::key, keyEnter, 0, 20}, // "Neues Spiel"
    {Act::key, keyEnter, 0, 30}, // skips the opening lines
    {Act::shoot, 0, 0, 0},
    // The bridge.
    {Act::use, 920, 380, 120},  // the crystal
    {Act::click, 760, 480, 450}, // Baltasar
    {Act::click, 500, 44, 900},  // "Wie kriegen wir die Zephyra wieder flott?"
    {Act::click, 500, 89, 350},  // "Bis später, Opa."
    {Act::click, 102, 300, 200}, // the door to the engine room
    // The engine room.
    {Act::shoot, 0, 0, 0},
    {Act::use, 329, 610, 180}, // Isolierband
    {Act::use, 698, 575, 140}, // Schraubenschluessel
    {Act::select, slot2, 0, 0},
    {Act::use, 745, 195, 100}, // the tape on the sparks
    {Act::select, slot2, 0, 0},
    {Act::use, 302, 280, 160},   // the wrench on the piston
    {Act::click, 122, 300, 300}, // the outer hatch
    // The beach, scrolled to its right end.
    {Act::shoot, 0, 0, 0},
    {Act::use, 744, 612, 200}, // Muschel
    {Act::use, 139, 622, 350}, // Treibholz, scrolling back to the twins
    {Act::select, slot3, 0, 0},
    {Act::use, 497, 520, 100},  // the conch for Lotte
    {Act::click, 20, 560, 250}, // to the left end
    {Act::click, 76, 420, 300}, // the gate to the village
    // The village square.
    {Act::shoot, 0, 0, 0},
    {Act::click, 480, 480, 450}, // Kalani
    {Act::click, 500, 44, 750},  // "Was ist der Große Tanz?"
    {Act::click, 500, 89, 500},  // "Bis später, Häuptling."
    {Act::select, slot3, 0, 0},
    {Act::use, 650, 454, 150}, // the driftwood on the drum
    {Act::use, 744, 427, 200}, // Hibiskusbluete
    {Act::use, 392, 364, 300}, // Bastschnur
    {Act::select, slot3, 0, 0},
    {Act::use, slot4, slotY, 20}, // the flower on the cord: the garland
    // Saved into the first slot through the in-game menu, back to the game.
    {Act::save, 1, 0, 10},
    {Act::select, slot3, 0, 0},
    {Act::use, 480, 480, 200}, // the garland for Kalani: the dance begins
    {Act::shoot, 0, 0, 1400},
};

} // namespace

class WalkthroughTest : public ExecutableRun {};

TEST_F(WalkthroughTest, EpisodeOnePlaysFromNewGameToTheDanceContest)
{
    const Recording recording(episodeOne);
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
