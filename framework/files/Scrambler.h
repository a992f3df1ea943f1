#pragma once

#include <cstddef>

// The game's own text files (options, highscores, savegames) and the text
// members of datafile.dat are stored scrambled: every byte has its bit pairs
// swapped and is combined with a keystream that restarts for every buffer.
void ScrambleBuffer(unsigned char* bytes, std::size_t count);
void DescrambleBuffer(unsigned char* bytes, std::size_t count);

// Scrambles a disk file in place, replacing it atomically (a crash leaves the
// old or the new file, never half of one). False when it cannot be read or
// written.
bool ScrambleFile(const char* path);
