// Episode 5 played through in the real executable, headless: from the first
// frame of level 5 (Rocko's taxi landing on the Baron's moon) along every
// step of the puzzle chart to the airlock's inner door, which asks for the
// alien shooting gallery in the base's yard, with the clicks a player
// makes. On the way the game is saved in each of the four rooms; afterwards
// each savegame is loaded from the main menu and saved again, and must hold
// the same state.

#include "EpisodeRun.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace walkthrough;

// Doors: the landing pad's airlock door, the airlock's to the lab, the
// store and the pad, and the ways back from the lab and the store.
constexpr int padToAirlock[] = {918, 380};
constexpr int airlockToLab[] = {960, 380};
constexpr int airlockToStore[] = {848, 380};
constexpr int labToAirlock[] = {94, 400};
constexpr int storeToAirlock[] = {946, 400};

// People and the things Juna uses.
constexpr int rocko[] = {96, 520};
constexpr int lotte[] = {110, 530};
constexpr int taxi[] = {325, 500};
constexpr int switchBox[] = {801, 400};
constexpr int computer[] = {260, 400};
constexpr int heatLamp[] = {674, 230};
constexpr int press[] = {440, 420};
constexpr int window[] = {666, 264};
constexpr int yardDoor[] = {400, 320};

// A conversation's choice and the lines it starts, each cut short by the
// period key; more presses than lines do no harm.
constexpr int lines = 10;

std::vector<Step> EpisodeFive()
{
    std::vector<Step> steps;
    const auto add = [&steps](const std::vector<Step>& more) { steps.insert(steps.end(), more.begin(), more.end()); };
    // The landing and the talk on the pad, skipped.
    add({{Act::shoot, 0, 0, 60}});
    add(Skip(10, keyEnter));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 1, 0, 10},
         // The landing pad: Rocko's jump leads wake the airlock.
         {Act::use, taxi[0], taxi[1], 200}});
    add(Skip(3));
    add({{Act::select, slot1, 0, 0}, {Act::use, switchBox[0], switchBox[1], 250}});
    add(Skip(5));
    // His cannon opens the Baron's supply capsule: a frozen onion.
    add({{Act::shoot, 0, 0, 0}, {Act::click, rocko[0], rocko[1], 400}, {Act::key, keyPeriod, 0, 30}});
    add({{Act::talk, lines, Choice(0, 5), 20}}); // "Kannst du die Versorgungskapsel aufmachen?"
    add(Skip(6));
    add({{Act::shoot, 0, 0, 0},
         {Act::click, padToAirlock[0], padToAirlock[1], doorWait + 250},
         {Act::shoot, 0, 0, 0},
         {Act::click, airlockToLab[0], airlockToLab[1], doorWait},
         // The lab: the Baron's diary behind his vain security question, the
         // onion thawed under the heat lamp and pressed.
         {Act::shoot, 0, 0, 0},
         {Act::click, computer[0], computer[1], 200},
         {Act::key, keyPeriod, 0, 30},
         {Act::talk, lines, Choice(2, 4), 20}}); // "Seine Hoheit, der Baron von Blech!"
    add(Skip(6));
    add({{Act::select, slot1, 0, 0}, {Act::use, heatLamp[0], heatLamp[1], 250}});
    add(Skip(3));
    add({{Act::save, 2, 0, 10}, {Act::select, slot1, 0, 0}, {Act::use, press[0], press[1], 250}});
    add(Skip(5));
    add({{Act::shoot, 0, 0, 0},
         {Act::click, labToAirlock[0], labToAirlock[1], doorWait},
         {Act::click, airlockToStore[0], airlockToStore[1], doorWait},
         // The store: the twins' quarrel sends the cleaning robot after the
         // popcorn, and its bottle is Juna's.
         {Act::shoot, 0, 0, 0},
         {Act::click, lotte[0], lotte[1], 400}});
    add(Skip(2));
    add({{Act::talk, lines, Choice(0, 5), 20}}); // "Könnt ihr den Putzroboter von seiner Flasche weglocken?"
    add(Skip(10));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 3, 0, 10},
         {Act::click, storeToAirlock[0], storeToAirlock[1], doorWait + 200},
         // The airlock: the window sprayed clean empties the bottle.
         {Act::select, slot2, 0, 0},
         {Act::use, window[0], window[1], 250}});
    add(Skip(4));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 4, 0, 10},
         // Onion juice into the empty bottle: the spray.
         {Act::select, slot1, 0, 0},
         {Act::use, slot2, slotY, 20}});
    add(Skip(2));
    // Out into the yard.
    add({{Act::shoot, 0, 0, 0}, {Act::select, slot1, 0, 0}, {Act::use, yardDoor[0], yardDoor[1], 250}});
    add(Skip(6));
    add({{Act::shoot, 0, 0, 1000}});
    return steps;
}

// The rooms the four savegames were made in.
const std::vector<std::string> savedRooms = {"RoomLandeplatz", "RoomLabor", "RoomLager", "RoomSchleuse"};

} // namespace

class Episode5RunTest : public EpisodeRun {};

TEST_F(Episode5RunTest, PlaysFromTheLandingToTheYardsDoorAndEachRoomsSavegameLoadsTheSameState)
{
    const std::string menuConfig = ReadFile(directory / "data" / "config.txt");
    StartIn(5);
    const Recording recording(EpisodeFive());
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
