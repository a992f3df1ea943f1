// Episode 3 played through in the real executable, headless: from the
// first frame of level 3 (the taxi falling out of the time hole into the
// clearing) along every step of the puzzle chart to the herald's fanfare,
// which asks for the knights' throwing contest, with the clicks a player
// makes. On the way the game is saved in each of the four rooms; afterwards
// each savegame is loaded from the main menu and saved again, and must hold
// the same state.

#include "EpisodeRun.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace walkthrough;

// Doors: the clearing's gate, the village's to the smithy and the meadow,
// and the ways back from these two.
constexpr int clearingToVillage[] = {962, 480};
constexpr int villageToSmithy[] = {826, 420};
constexpr int villageToMeadow[] = {470, 420};
constexpr int smithyToVillage[] = {90, 380};
constexpr int meadowToVillage[] = {80, 380};

// People and the things Juna uses.
constexpr int lotte[] = {300, 540};
constexpr int smith[] = {770, 440};
constexpr int herald[] = {900, 500};
constexpr int machine[] = {592, 480};

// A conversation's choice and the lines it starts, each cut short by the
// period key; more presses than lines do no harm.
constexpr int lines = 10;

std::vector<Step> EpisodeThree()
{
    std::vector<Step> steps;
    const auto add = [&steps](const std::vector<Step>& more) { steps.insert(steps.end(), more.begin(), more.end()); };
    // The fall out of the time hole and the talk in the clearing, skipped
    // line by line once the taxi has landed.
    add({{Act::shoot, 0, 0, 20}, {Act::shoot, 0, 0, 100}});
    add(Skip(16, keyEnter));
    add({{Act::shoot, 0, 0, 0},
         // The clearing: Rocko's bread from the stump.
         {Act::use, 432, 540, 200},
         {Act::save, 1, 0, 10},
         {Act::click, clearingToVillage[0], clearingToVillage[1], doorWait},
         // The village: the bread for the goose, the sheet from the line.
         {Act::shoot, 0, 0, 0},
         {Act::select, slot1, 0, 0},
         {Act::use, 640, 570, 400},
         {Act::shoot, 0, 0, 0},
         {Act::use, 620, 420, 200},
         {Act::save, 2, 0, 10},
         {Act::click, villageToMeadow[0], villageToMeadow[1], doorWait},
         // The meadow: only knights may throw, and the machine's rope is torn.
         {Act::shoot, 0, 0, 0},
         {Act::click, herald[0], herald[1], 200},
         {Act::key, keyPeriod, 0, 30},         // his greeting
         {Act::talk, lines, Choice(0, 6), 20}, // "Ich will beim Turnier mitwerfen!"
         {Act::talk, lines, Choice(5, 6), 20}, // "Gehabt Euch wohl, Herold."
         {Act::use, machine[0], machine[1], 200}});
    add(Skip(1));
    add({{Act::click, meadowToVillage[0], meadowToVillage[1], doorWait},
         // The twins race at the well's winch until the rope comes free.
         {Act::click, lotte[0], lotte[1], 200}});
    add(Skip(2));
    add({{Act::talk, lines, Choice(0, 6), 20}}); // "Ich brauche ein Seil ..."
    add(Skip(4));                                  // they walk to the winch first
    add({{Act::shoot, 0, 0, 0},
         {Act::click, villageToSmithy[0], villageToSmithy[1], doorWait},
         // The smithy: the charcoal, and the smith's old helmet for the witch.
         {Act::shoot, 0, 0, 0},
         {Act::use, 668, 500, 200},
         {Act::click, smith[0], smith[1], 200}});
    add(Skip(1));
    add({{Act::talk, lines, Choice(0, 6), 20}, // "Ich brauche einen Helm. ..."
         {Act::save, 3, 0, 10},
         // Charcoal on the sheet: the tabard.
         {Act::select, slot3, 0, 0},
         {Act::use, slot1, slotY, 20},
         {Act::click, smithyToVillage[0], smithyToVillage[1], doorWait},
         {Act::click, villageToMeadow[0], villageToMeadow[1], doorWait},
         // The rope on the machine; the herald still wants a knight.
         {Act::select, slot1, 0, 0},
         {Act::use, machine[0], machine[1], 200}});
    add(Skip(3));
    add({{Act::save, 4, 0, 10},
         // The knight to the herald: the contest begins.
         {Act::select, slot2, 0, 0},
         {Act::use, herald[0], herald[1], 200}});
    add(Skip(6));
    add({{Act::shoot, 0, 0, 0}});
    add(Skip(10));
    add({{Act::shoot, 0, 0, 1500}});
    return steps;
}

// The rooms the four savegames were made in.
const std::vector<std::string> savedRooms = {"RoomLichtung", "RoomDorf", "RoomSchmiede", "RoomTurnierwiese"};

} // namespace

class Episode3RunTest : public EpisodeRun {};

TEST_F(Episode3RunTest, PlaysFromTheTimeHoleToTheContestAndEachRoomsSavegameLoadsTheSameState)
{
    const std::string menuConfig = ReadFile(directory / "data" / "config.txt");
    StartIn(3);
    const Recording recording(EpisodeThree());
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
