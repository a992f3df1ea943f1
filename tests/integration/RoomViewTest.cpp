// The room view in the real executable: every room of episode 1 shown in
// turn, paths found by clicks, headless.

#include "ExecutableRun.h"

#include <regex>

using RoomViewTest = ExecutableRun;

TEST_F(RoomViewTest, ShowsEveryRoomOfEpisodeOneAndFindsPathsAcrossIt)
{
    const std::filesystem::path config = directory / "data" / "config.txt";
    WriteFile(config, std::regex_replace(ReadFile(config), std::regex("startGameState \\w+"), "startGameState GameRoomView"));
    // In every room: a click to start from, one across the floor, then Tab.
    std::string keys = "zephyra-recording 1 seed 1\n";
    int frame = 5;
    for (int room = 0; room < 4; ++room) {
        for (const char* click : {"lbuttondown 150 600 lbuttonup 150 600", "lbuttondown 900 590 lbuttonup 900 590"})
            keys += "frame " + std::to_string(frame++) + " " + click + "\n";
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
    EXPECT_EQ(CountOf(log, "GameRoomView: path from (150, 600) to (900, 590)"), 4u) << log;
}
