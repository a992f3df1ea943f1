#pragma once

// The taxi chase's sounds, data\level08\audio\sfx\*.wav and their list
// data\level08\sfx.txt: the taxi's laser, the flash of Mia's camera, a
// robot fighter bursting and the taxi being hit; the spoken dialogue
// before the round, and the crew's shouts when the taxi is hit, when a
// fighter comes close and when one is shot down. The chase plays the
// spoken ones one at a time through the speech player.

#include "SoundArt.h"

#include <span>

namespace content::levels {

std::span<const SoundEffect> TaxiChaseSoundEffects();

} // namespace content::levels
