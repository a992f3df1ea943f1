#pragma once

// The highscore tables of the four minigames, keyed 0 dance, 1 taxi
// shooter, 2 catapult, 3 alien shooter, and their file highscores.dat in the
// working directory, stored scrambled:
//
//     107\n                      the version
//     %d name:%s\n               score and name, best first, one line per
//     ...                        entry of each table in ascending key order
//
// The file has no table headers: each table's lines are counted by its
// capacity. A file that is not all there or has a damaged line is refused
// whole and the tables stay as they were. Main thread only.

#include "HighscoreTable.h"
#include "app/Singleton.h"

#include <map>

class HighscoreManager : public Singleton<HighscoreManager> {
public:
    static constexpr int fileVersion = 107;
    static constexpr const char* fileName = "highscores.dat";

    // The default tables, the cast's names with fixed scores.
    HighscoreManager();

    bool Save();
    // True when highscores.dat was read and taken over.
    bool Load();

    // The table of a minigame, created empty when absent.
    HighscoreTable& GetTable(int key);

private:
    std::map<int, HighscoreTable> tables;
};
