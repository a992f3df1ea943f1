#pragma once

// The taxi shooter's attack formations: one robot fighter per line of
// data\level08\angriffsformationen.txt (inside the adventure) or
// angriffsformationen2.txt (standalone), each line whitespace-separated:
//
//     spawnTime side startHeight speed [fraction height]...
//
// spawnTime in seconds from the round's start; side "l" for a fighter
// entering from the left, anything else from the right; startHeight and each
// waypoint's height from 0 (top of the flight band) to 1 (its bottom); speed
// the fighter's speed factor; each waypoint is the fraction of the screen's
// width travelled when the fighter turns towards its height. Lines with
// fewer than four tokens and lines starting with "#" are skipped.
//
// A line that holds anything else than numbers where numbers belong, a
// speed that is not positive, or a height far off the screen is refused
// with a log line, and the other lines are read. A last waypoint without
// its height is left out, with a warning.

#include <string_view>
#include <utility>
#include <vector>

struct FighterPlan {
    float spawnTime = 0.0f;
    bool fromLeft = false;
    float startHeight = 0.0f;
    float speed = 1.0f;
    // (travelled fraction, height)
    std::vector<std::pair<float, float>> waypoints;
};

class AttackFormations {
public:
    static constexpr const char* storyFile = "data\\level08\\angriffsformationen.txt";
    static constexpr const char* standaloneFile = "data\\level08\\angriffsformationen2.txt";
    // Heights outside this range put a fighter off the screen.
    static constexpr float lowestHeight = -0.5f;
    static constexpr float highestHeight = 1.5f;
    static constexpr float fastestSpeed = 50.0f;

    // The fighters of the file; false (and none) when it cannot be opened.
    static bool Load(const char* path, std::vector<FighterPlan>& plans);
    // The fighters of the file's text; returns how many lines were refused.
    static int Parse(std::string_view text, std::vector<FighterPlan>& plans);
};
