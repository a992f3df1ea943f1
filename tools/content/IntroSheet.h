#pragma once

// zephyra-content --intro-sheet OUT.png [OUT.wav]: a contact sheet of the
// intro movie, one frame every two seconds with its time and shot, and,
// when asked, its soundtrack as a WAV file, for looking and listening
// before the movie is encoded.

#include "SpriteArt.h"

namespace content::intro {

// The contact sheet: frames every `step` seconds from the start, scaled to
// a quarter, in rows of six, each over its time and shot name.
Picture DrawContactSheet(double step = 2.0);

// Runs the command; the process's exit code.
int RunIntroSheetCommand(int argc, char** argv);

} // namespace content::intro
