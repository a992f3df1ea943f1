// The room view in the real executable, headless: Enter skips the
// episode's opening, the player's figure picks up the crystal on the
// bridge, talks with the captain through the choices of his conversation,
// goes through the door to the engine room, then walks and speaks in every
// room of episode 1 in turn; the same recording replayed gives the same
// pictures.

#include "ExecutableRun.h"

#include <regex>

using RoomViewTest = ExecutableRun;

namespace {

std::string Frame(int frame, const std::string& events)
{
    return "frame " + std::to_string(frame) + " " + events + "\n";
}

std::string Click(int x, int y)
{
    const std::string at = std::to_string(x) + " " + std::to_string(y);
    return "mousemove " + at + " lbuttondown " + at + " lbuttonup " + at;
}

} // namespace

TEST_F(RoomViewTest, JunaTakesTheCrystalTalksToHerGrandfatherGoesBelowAndWalksThroughEveryRoomTheSameWayTwice)
{
    const std::filesystem::path config = directory / "data" / "config.txt";
    WriteFile(config, std::regex_replace(ReadFile(config), std::regex("startGameState \\w+"), "startGameState GameRoomView"));
    std::string keys = "zephyra-recording 1 seed 1\n";
    // On the bridge: Enter skips the opening lines; the crystal in its
    // holder; the captain, whose five choices stand on the bar at the top
    // (lines 15 pixels high from y 22): "Wie komme ich hier raus?", then
    // "Bis später, Opa."; then the door to the engine room.
    keys += Frame(5, "keydown 13 char 13");
    keys += Frame(6, "keyup 13");
    keys += Frame(10, Click(920, 400));
    keys += Frame(400, Click(760, 470));
    keys += Frame(700, Click(512, 52));
    keys += Frame(1100, Click(512, 82));
    keys += Frame(1500, Click(100, 330));
    int frame = 1900;
    // Then in every room: a walk to the left, one across the floor (given
    // while the first is under way), a test line, and Tab to the next.
    for (int room = 0; room < 4; ++room) {
        for (const std::string& events : {Click(150, 600), Click(900, 590), std::string("keydown 84 char 116"),
                                          std::string("keyup 84")})
            keys += Frame(frame++, events);
        frame += 40;
        keys += Frame(frame++, "keydown 9");
        keys += Frame(frame++, "keyup 9");
    }
    keys += Frame(frame + 3, "time 20");
    WriteFile(directory / "keys.txt", keys);
    const std::string shots = "--shots shots --shot-frames 300,690,1090,1920,2000";
    ASSERT_EQ(Run("--headless --replay keys.txt " + shots), 0) << errors;
    const std::string log = Log();
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    EXPECT_TRUE(Contains(log, "GameRoomView: RoomBr\xfc" "cke|Kristall taken")) << log;
    // To the captain's side, into his conversation and out of it again.
    EXPECT_TRUE(Contains(log, " to (640, 580): ")) << log;
    EXPECT_EQ(CountOf(log, "GameRoomView: Conversation begins\n"), 1u) << log;
    EXPECT_EQ(CountOf(log, "GameRoomView: Conversation over\n"), 1u) << log;
    // Through the door: the engine room first, then by Tab.
    EXPECT_EQ(CountOf(log, "GameRoomView: RoomMaschinenraum, 1024 x 768"), 2u) << log;
    for (const char* room : {"GameRoomView: RoomStrand, 1600 x 768", "GameRoomView: RoomDorfplatz, 1024 x 768"})
        EXPECT_TRUE(Contains(log, room)) << room;
    EXPECT_EQ(CountOf(log, " to (900, 590): "), 3u) << "the beach has scrolled to the figure";

    // The same recording again: the same pictures.
    std::filesystem::rename(directory / "shots", directory / "first");
    ASSERT_EQ(Run("--headless --replay keys.txt " + shots), 0) << errors;
    int compared = 0;
    for (const auto& shot : std::filesystem::directory_iterator(directory / "first")) {
        EXPECT_EQ(ReadFile(shot.path()), ReadFile(directory / "shots" / shot.path().filename())) << shot.path();
        ++compared;
    }
    EXPECT_EQ(compared, 5);
}
