// Episode 2 played through in the real executable, headless: from the
// first frame of level 2 (the robbery on the festival square) along every
// step of the puzzle chart to the taxi's take-off, which asks for the taxi
// chase, with the clicks a player makes. On the way the game is saved in
// each of the four rooms; afterwards each savegame is loaded from the main
// menu and saved again, and must hold the same state.

#include "EpisodeRun.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace walkthrough;

// Doors: the gate of the festival square, the terminal's three, and the
// doors of the taxi stand and the hangar back into the terminal.
constexpr int festplatzGate[] = {940, 420};
constexpr int terminalToFestplatz[] = {71, 350};
constexpr int terminalToHangar[] = {721, 350};
constexpr int terminalToTaxis[] = {963, 350};
constexpr int taxisToTerminal[] = {100, 380};
constexpr int hangarToTerminal[] = {960, 350};

// A conversation's choice and the lines it starts, each cut short by the
// period key; more presses than lines do no harm.
constexpr int lines = 6;

const std::vector<Step> episodeTwo = {
    {Act::key, keyEnter, 0, 30}, // skips the robbery, line by line
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 60},
    {Act::shoot, 0, 0, 0},
    // The festival square: the trophy from Kalani.
    {Act::click, 410, 470, 200},                 // Kalani
    {Act::key, keyPeriod, 0, 30},                // his greeting
    {Act::talk, lines, Choice(1, 5), 20},        // "Was ist mit unserem Preis für den Tanz?"
    {Act::talk, lines, Choice(4, 5), 20},        // "Aloha, Häuptling. ..."
    {Act::save, 1, 0, 10},
    {Act::click, festplatzGate[0], festplatzGate[1], doorWait},
    // The terminal: the blank fuel card from the counter.
    {Act::shoot, 0, 0, 0},
    {Act::use, 300, 355, 200},
    {Act::save, 2, 0, 10},
    {Act::click, terminalToTaxis[0], terminalToTaxis[1], doorWait},
    // The taxi stand: Rocko names his price.
    {Act::shoot, 0, 0, 0},
    {Act::click, 330, 480, 200},                 // Rocko
    {Act::key, keyPeriod, 0, 30},
    {Act::talk, lines, Choice(1, 7), 20},        // "Was kostet die Fahrt?"
    {Act::talk, lines, Choice(6, 7), 20},        // "Bis gleich, Rocko."
    {Act::save, 3, 0, 10},
    {Act::click, taxisToTerminal[0], taxisToTerminal[1], doorWait},
    // The trophy into the souvenir buyer, the coins to Rocko.
    {Act::select, slot1, 0, 0},
    {Act::use, 845, 360, 200},
    {Act::click, terminalToTaxis[0], terminalToTaxis[1], doorWait},
    {Act::select, slot2, 0, 0},
    {Act::use, 330, 480, 200},
    {Act::click, taxisToTerminal[0], taxisToTerminal[1], doorWait},
    {Act::click, terminalToHangar[0], terminalToHangar[1], doorWait},
    // The hangar: the pump wants a card with a photo; the empty canister.
    {Act::shoot, 0, 0, 0},
    {Act::use, 100, 420, 250},
    {Act::use, 612, 590, 200},
    {Act::save, 4, 0, 10},
    {Act::click, hangarToTerminal[0], hangarToTerminal[1], doorWait},
    {Act::click, terminalToFestplatz[0], terminalToFestplatz[1], doorWait},
    // The twins: Lotte may take the chase's photos and takes Juna's.
    {Act::click, 650, 550, 200},                 // Lotte
    {Act::key, keyPeriod, 0, 30},
    {Act::key, keyPeriod, 0, 30},
    {Act::talk, lines, Choice(0, 5), 20},        // "Ich brauche ein Passfoto ..."
    {Act::talk, lines, Choice(2, 4), 20},        // "Lotte, wenn wir den Baron jagen, ..."
    // The photo on the card: the fuel pass.
    {Act::select, slot3, 0, 0},
    {Act::use, slot1, slotY, 20},
    {Act::click, festplatzGate[0], festplatzGate[1], doorWait},
    {Act::click, terminalToHangar[0], terminalToHangar[1], doorWait},
    // The pass at the pump fills the canister.
    {Act::select, slot2, 0, 0},
    {Act::use, 100, 420, 250},
    {Act::click, hangarToTerminal[0], hangarToTerminal[1], doorWait},
    {Act::click, terminalToTaxis[0], terminalToTaxis[1], doorWait},
    // The canister into the taxi: paid and fuelled, it takes off.
    {Act::select, slot1, 0, 0},
    {Act::use, 700, 400, 300},
    {Act::shoot, 0, 0, 1500},
};

// The rooms the four savegames were made in.
const std::vector<std::string> savedRooms = {"RoomFestplatz", "RoomRaumhafen", "RoomTaxistand", "RoomHangar"};

} // namespace

class Episode2RunTest : public EpisodeRun {};

TEST_F(Episode2RunTest, PlaysFromTheRobberyToTheTakeOffAndEachRoomsSavegameLoadsTheSameState)
{
    const std::string menuConfig = ReadFile(directory / "data" / "config.txt");
    StartIn(2);
    const Recording recording(episodeTwo);
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
