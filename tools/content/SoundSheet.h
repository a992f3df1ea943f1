#pragma once

// The gallery's pages of a sound list: every entry as the game loads it,
// with its event, file, length and the waveform of its first half second.

#include "platform/headless/HeadlessPlatform.h"

#include <filesystem>
#include <string>

namespace gallery {

// Brings up the sample manager and the sound engine; false when it cannot.
bool StartSound(platform::HeadlessPlatform& host);

// Loads the list (named as the game names it, "data\sharedadventure\sfx.txt")
// with SfxLoaderUtil into an engine emptied of the events and samples of
// any list before, as a level empties it (levels may name their events and
// files alike), and
// writes OUT/sounds-<list folder>-<page>.png; the number of pages written,
// or -1 when a page could not be written.
int WriteSoundSheets(platform::HeadlessPlatform& host, const std::string& list, const std::filesystem::path& output);

} // namespace gallery
