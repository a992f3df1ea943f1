#pragma once

// The list of a level's rooms, data\level<NN>\rooms.txt: one room folder
// (below the level's folder) a line; empty lines and lines starting with '#'
// are skipped, line ends and trailing blanks dropped.

#include <string>
#include <vector>

// The level's folder below data\, "level<NN>\".
std::string LevelFolder(int level);
// The room folders the level's list names, in its order; empty (after a log
// line) when the list cannot be opened.
std::vector<std::string> ReadRoomList(int level);
