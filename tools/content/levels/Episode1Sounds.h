#pragma once

// Episode 1's own sound effects, data\level01\audio\sfx\*.wav and their list
// data\level01\sfx.txt: what Juna's actions in the crashed ship and the
// village sound like (the tape over the sparking cable, the piston's nut,
// the outer hatch, the crystal, the garland, the drum, the crowd when the
// dance begins). The story's scripts play them by their events.

#include "SoundArt.h"

#include <span>

namespace content::levels {

std::span<const SoundEffect> Episode1SoundEffects();

} // namespace content::levels
