#pragma once

// The puzzle chart against the episode it describes: the flags, items and
// rooms it names are elements of the episode's settings file (as the game
// creates them), the scripts its steps name are registered, KIRA's hints go
// over the chart's steps in the chart's order, and the scripts do what
// their steps say as far as their sources show it (StoryScriptScanner.h):
// a step's scripts set the flags it gives, add or pick up the items it
// gives and remove exactly the items it uses up, and no other script
// removes an item, so the chart's proof that no item is lost covers them.
//
// KIRA hints at the first step still open, going over one flag per step:
// the first flag each step gives, in the chart's order, leaving out the
// steps that give no flag and the step that reaches the end (all done, KIRA
// sends Juna there).
//
// What it cannot see: whether a script's command is reached at all (it
// reads the commands in the script's class, not the branches around them),
// scripts whose names are put together while the game runs, the flags that
// conversations set (a step done by talking names no script), which
// conversation choice leads to a step, and whether an item the chart says
// lies in a room is placed there.

#include "story/PuzzleChart.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace content::story {

struct EpisodeForChart {
    std::filesystem::path settingsFile; // the generated level<nn>/settings/settings.txt
    std::set<std::string> scripts;      // the registered script names
    std::vector<std::string> hintFlags; // the flags KIRA's hint goes over, Windows-1252
    std::filesystem::path storySources; // the episode's script sources; empty: not read
};

// The flags KIRA's hints should go over, as the chart names them (UTF-8).
std::vector<std::string> ChartHintFlags(const PuzzleChart& chart);

std::vector<ChartFinding> CheckChartAgainstEpisode(const PuzzleChart& chart, const EpisodeForChart& episode);

} // namespace content::story
