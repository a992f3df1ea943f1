#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The development and test switches of the executable. Without any switch
// the game runs as players know it.
struct CommandLine {
    bool headless = false;
    std::optional<std::uint32_t> frames;  // quit with code 0 after this many frames
    std::uint32_t frameMilliseconds = 20; // headless: virtual time between frames (10..1000)
    std::optional<unsigned> seed;
    std::string recordFile;
    std::string replayFile;
    std::string shotDirectory;
    std::set<std::uint32_t> shotFrames;       // empty: the last frame
    std::string movieFile;                    // play this movie alone, then quit
    std::optional<std::uint32_t> soakSeconds; // game time to play with random input
    bool help = false;
    bool version = false;

    // False with a message in `error` when the arguments cannot be used.
    bool Parse(const std::vector<std::string>& arguments, std::string& error);
    // False when switches that are fine alone cannot go together.
    bool CheckCombination(std::string& error) const;

    static const char* Usage();
};
