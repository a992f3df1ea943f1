#pragma once

// The dance contest's sounds, data\level07\audio\sfx\*.wav and their list
// data\level07\sfx.txt: Chief Kalani's welcome over the cheering crowd, his
// remarks while the dancers dance, his groans at a missed step, the cheers
// for a good one and his reminders of the beat. The dance plays them by
// their events, one at a time through the speech player.

#include "SoundArt.h"

#include <span>

namespace content::levels {

std::span<const SoundEffect> DanceContestSoundEffects();

} // namespace content::levels
