#pragma once

#include "app/ApplicationSettings.h"
#include "app/CommandLine.h"

// The program entry: checks the platform, reads the configuration, opens the
// window and runs the game until it quits. Returns the process's exit code:
// the game's own on a normal end (0, or -1 from the window menu's Exit), 1
// when it could not start, -1 without a picture, 2 for unusable switches
// (also when a recording or a screenshot could not be written).
int WinMain(const CommandLine& commandLine);

// The shell's keys of the loaded configuration: the display settings and
// the global character scale (CharacterScale). A missing or unusable value
// keeps its default (1.0 for the scale) after the settings store's warning.
ApplicationSettings ReadShellConfiguration();

// The start's saved state and settings, in the start-up order: the
// highscore tables, the shell's keys, then the player's options, whose
// display mode (when options.dat was read) replaces the configuration's.
ApplicationSettings ReadStartSettings();
