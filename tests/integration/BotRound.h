#pragma once

// A minigame round as a bot played it in the test's own process, on the
// game's own data and logic: the recording events of each frame (keys,
// clicks, pointer moves; empty when nothing happened) and the score it
// reached. RecordedInput::Frames plays them in the real program.

#include <string>
#include <vector>

struct BotRound {
    std::vector<std::string> frames;
    int score = 0;
};
