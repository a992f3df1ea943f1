#pragma once

// The gallery's sheets of the streamed music: every Ogg file in a StreamingSfx
// folder, decoded whole by the game's OggLoader, with its name, length, rate
// and channels and a waveform overview of each channel from start to end.

#include "platform/headless/HeadlessPlatform.h"

#include <filesystem>

namespace gallery {

// Writes OUT/music-<folder>-<name>.png for each file ("music-menu-ruvidmenu.png"
// for data\menu\Audio\StreamingSfx\RuvIdMenu.ogg). A file that does not load,
// or a tree without any music, is an error in the log and gets no sheet. The
// number of sheets written, or -1 when one could not be written.
int WriteMusicSheets(platform::HeadlessPlatform& host, const std::filesystem::path& output);

} // namespace gallery
