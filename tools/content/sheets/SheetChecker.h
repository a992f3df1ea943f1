#pragma once

// Checks that an episode's words and story scripts fit together, as far as
// can be seen without playing: what the talk sheets and the scripts name
// exists, every conversation can end, and every spoken line has its voice.
// It reads the episode as the game does, from a data tree:
//   <data>/level<nn>/sprachscript/*.csv   the four talk sheets
//   <data>/level<nn>/settings/settings.txt the episode's elements (blocks
//                                          "[Class] "Group|Name""); "Player"
//                                          is always there
//   <data>/level<nn>/audio/streamingtalk/<sheet>/<cell>.ogg, or <cell>.txt
//                                          naming the cell whose recording
//                                          says the same
// and the story scripts' C++ sources (<sources>/*.cpp, StoryScriptScanner.h).
//
// What it checks:
//   references  "$C12" links lead to a non-empty cell (following chains),
//               "#n" names a generic group with lines, ">Script" a
//               registered script, "gespräch_name" a conversation; the
//               keys of combinations and of examine and use lines belong to
//               elements (a row of script lines only may have any key);
//               the generic groups are
//               numbered 1, 2, ... and group 1 exists (empty cells say it);
//               conversation lines are said as they stand, so they hold no
//               links or the like; the use lines that act instead of being
//               said ("ausgang", "automatisch mitnehmen") stand in the rows
//               of doors and items
//   conversations  from its first row every conversation can reach END or
//               XEND through column F, its choice blocks and their options;
//               no row it reaches leads only into rows that can never end;
//               it can end on a second talk too (a chosen option hides its
//               target index for good unless something unhides it); every
//               index named in F or by hide/unhide exists in it; every
//               command in G onward is well formed ("runscript <registered>",
//               "hide|unhide <index>", "setflag <flag> <number>")
//   speakers    everyone who speaks is "Player" or a Character of the
//               episode
//   recordings  every spoken cell (SpokenCells.h) but those use lines has
//               its .ogg
//   scripts     the string literals that the story commands take as names:
//               Talk's cell is a non-empty cell (and a said cell is a spoken
//               one), flags, items (the inventory in full names), rooms,
//               registered scripts, conversations and their start index,
//               characters, doors and other elements
//
// What it cannot see: names put together while the game runs (a script's
// parameter, a sum of strings, a formatted text), commands called through
// anything but their own name, and the order in which the story sets
// flags: whether a step can be reached at all is the puzzle chart's check.
// The conversation sheet's first row is its header, like the other sheets'.

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace content::sheets {

struct SheetFinding {
    enum class Check { reference, conversation, speaker, recording, script };

    Check check = Check::reference;
    std::string file;    // "level01/sprachscript/itemSheet.csv", "episode1/Episode1.cpp"
    std::string place;   // a cell "C07", or "line 40" of a source
    std::string message; // UTF-8
};

// "level01/sprachscript/itemSheet.csv C07: ..."
std::string Describe(const SheetFinding& finding);

struct EpisodeToCheck {
    std::filesystem::path dataDir;      // the tree's "data" folder
    int level = 0;
    std::filesystem::path storySources; // the episode's script sources; empty: none
    std::set<std::string> scripts;      // the registered script names
};

// Every finding, sheets first, in the order of their cells, then the
// scripts line by line.
std::vector<SheetFinding> CheckEpisode(const EpisodeToCheck& episode);

} // namespace content::sheets
