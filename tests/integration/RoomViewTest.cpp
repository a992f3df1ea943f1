// The room view in the real executable: every room of episode 1 shown in
// turn, the player's figure walking to clicks and saying a line, headless.

#include "ExecutableRun.h"

#include <regex>

using RoomViewTest = ExecutableRun;

TEST_F(RoomViewTest, ShowsEveryRoomOfEpisodeOneAndWalksTheFigureAcrossIt)
{
    const std::filesystem::path config = directory / "data" / "config.txt";
    WriteFile(config, std::regex_replace(ReadFile(config), std::regex("startGameState \\w+"), "startGameState GameRoomView"));
    // In every room: a walk to the left, one across the floor (given while
    // the first is under way), a test line, then Tab.
    std::string keys = "zephyra-recording 1 seed 1\n";
    int frame = 5;
    for (int room = 0; room < 4; ++room) {
        for (const char* click : {"lbuttondown 150 600 lbuttonup 150 600", "lbuttondown 900 590 lbuttonup 900 590",
                                  "keydown 84 char 116", "keyup 84"})
            keys += "frame " + std::to_string(frame++) + " " + click + "\n";
        frame += 20;
        keys += "frame " + std::to_string(frame++) + " keydown 9\n";
        keys += "frame " + std::to_string(frame++) + " keyup 9\n";
    }
    keys += "frame " + std::to_string(frame + 3) + " time 20\n";
    WriteFile(directory / "keys.txt", keys);
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;
    const std::string log = Log();
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    for (const char* room : {"roommaschinenraum, 1024 x 768", "roomstrand, 1600 x 768", "roomdorfplatz, 1024 x 768"})
        EXPECT_TRUE(Contains(log, room));
    EXPECT_TRUE(Contains(log, "roombr\xfc" "cke, 1024 x 768"));
    EXPECT_EQ(CountOf(log, "GameRoomView: walk from "), 8u) << log;
    EXPECT_EQ(CountOf(log, " to (900, 590): "), 3u) << "the beach has scrolled to the figure";
}
