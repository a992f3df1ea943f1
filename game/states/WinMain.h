#pragma once

#include "app/CommandLine.h"

// The program entry: checks the platform, reads the configuration, opens the
// window and runs the game until it quits. Returns the process's exit code:
// the game's own on a normal end (0, or -1 from the window menu's Exit), 1
// when it could not start, -1 without a picture, 2 for unusable switches.
int WinMain(const CommandLine& commandLine);
