#pragma once

// The gallery's page of the shared sound list: every effect as the game
// loads it, with its event, file, length and waveform.

#include "platform/headless/HeadlessPlatform.h"

#include <filesystem>

namespace gallery {

// Loads data\sharedadventure\sfx.txt and writes OUT/sounds-sharedadventure.png;
// false when the sample manager cannot start or the page cannot be written.
bool WriteSoundSheet(platform::HeadlessPlatform& host, const std::filesystem::path& output);

} // namespace gallery
