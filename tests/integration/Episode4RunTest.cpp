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

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace walkthrough;

// Frames from letting go of the winning throw to the castle yard: the
// throw's flight, the result and the contest's end, the level loading.
constexpr int throwToCastle = 700;

// Doors: the yard's to the tower, the great hall, the kitchen and the
// dungeon, and each room's way back.
constexpr int yardToTower[] = {100, 380};
constexpr int yardToHall[] = {318, 320};
constexpr int yardToKitchen[] = {748, 390};
constexpr int yardToDungeon[] = {940, 380};
constexpr int towerToYard[] = {93, 400};
constexpr int hallToYard[] = {115, 380};
constexpr int kitchenToYard[] = {939, 400};
constexpr int dungeonToYard[] = {897, 300};

// People and the things Juna uses.
constexpr int smith[] = {836, 520};
constexpr int taxi[] = {470, 500};
constexpr int magpie[] = {506, 168};
constexpr int hearth[] = {200, 250};
constexpr int kettle[] = {300, 585};
constexpr int lotte[] = {730, 480};
constexpr int tray[] = {470, 540};
constexpr int ring[] = {200, 376};

// A conversation's choice and the lines it starts, each cut short by the
// period key; more presses than lines do no harm.
constexpr int lines = 10;

std::vector<Step> EpisodeFour()
{
    std::vector<Step> steps;
    const auto add = [&steps](const std::vector<Step>& more) { steps.insert(steps.end(), more.begin(), more.end()); };
    // The password opened the gate: the talk in the yard, skipped.
    add({{Act::shoot, 0, 0, 0}});
    add(Skip(10, keyEnter));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 1, 0, 10},
         // The yard: the smith wants as much iron as the taxi.
         {Act::click, smith[0], smith[1], 200},
         {Act::key, keyPeriod, 0, 30},         // his greeting
         {Act::talk, lines, Choice(0, 5), 20}, // "Gib Rocko sein Taxi zurück!"
         {Act::talk, lines, Choice(4, 5), 20}, // "Bis später, Schmied."
         {Act::shoot, 0, 0, 0},
         {Act::click, yardToTower[0], yardToTower[1], doorWait},
         // The tower: the tin magpie with half the crystal, out of reach.
         {Act::shoot, 0, 0, 0},
         {Act::use, magpie[0], magpie[1], 200}});
    add(Skip(2));
    add({{Act::save, 2, 0, 10},
         {Act::click, towerToYard[0], towerToYard[1], doorWait},
         {Act::click, yardToKitchen[0], yardToKitchen[1], doorWait},
         // The kitchen: ash from the hearth, the copper kettle, and the twins
         // for the dog on the lard pot.
         {Act::shoot, 0, 0, 0},
         {Act::use, hearth[0], hearth[1], 400},
         {Act::use, kettle[0], kettle[1], 200},
         {Act::click, lotte[0], lotte[1], 200}});
    add(Skip(2));
    add({{Act::talk, lines, Choice(0, 5), 20}}); // "Könnt ihr den Hund vom Schmalztopf locken?"
    add(Skip(8));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 3, 0, 10},
         {Act::click, kitchenToYard[0], kitchenToYard[1], doorWait},
         {Act::click, yardToHall[0], yardToHall[1], doorWait},
         // The great hall: the tarnished tray, polished with the ash.
         {Act::shoot, 0, 0, 0},
         {Act::use, tray[0], tray[1], 200},
         {Act::select, slot1, 0, 0},
         {Act::use, slot4, slotY, 20},
         {Act::shoot, 0, 0, 0},
         {Act::save, 4, 0, 10},
         {Act::click, hallToYard[0], hallToYard[1], doorWait},
         {Act::click, yardToDungeon[0], yardToDungeon[1], doorWait},
         // The dungeon: lard on the rusty ring frees the iron ball.
         {Act::shoot, 0, 0, 0},
         {Act::select, slot2, 0, 0},
         {Act::use, ring[0], ring[1], 400}});
    add(Skip(2));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 5, 0, 10},
         {Act::click, dungeonToYard[0], dungeonToYard[1], doorWait + 200},
         {Act::click, yardToTower[0], yardToTower[1], doorWait},
         // The polished tray for the magpie: she drops the half crystal.
         {Act::select, slot2, 0, 0},
         {Act::use, magpie[0], magpie[1], 200}});
    add(Skip(4));
    add({{Act::shoot, 0, 0, 0},
         {Act::click, towerToYard[0], towerToYard[1], doorWait},
         // Iron for iron, then the kettle hammered into a coil.
         {Act::select, slot2, 0, 0},
         {Act::use, smith[0], smith[1], 350}});
    add(Skip(6));
    add({{Act::shoot, 0, 0, 0}, {Act::select, slot1, 0, 0}, {Act::use, smith[0], smith[1], 200}});
    add(Skip(5));
    // Coil and crystal into the taxi: the jump.
    add({{Act::shoot, 0, 0, 0}, {Act::select, slot2, 0, 0}, {Act::use, taxi[0], taxi[1], 200}});
    add(Skip(2));
    add({{Act::save, 6, 0, 10}, {Act::select, slot1, 0, 0}, {Act::use, taxi[0], taxi[1], 200}});
    add(Skip(1));
    add({{Act::shoot, 0, 0, 0}});
    add(Skip(8));
    add({{Act::shoot, 0, 0, 1500}});
    return steps;
}

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
    CatapultBot::Throw(start, plan).Wait(throwToCastle);
    const Recording recording(start, EpisodeFour());
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
