#pragma once

#include "app/CommandLine.h"

// The program entry: checks the platform, reads the configuration, opens the
// window and runs the game until it quits. Returns the process's exit code.
int WinMain(const CommandLine& commandLine);
