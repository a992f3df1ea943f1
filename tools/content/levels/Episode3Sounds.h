#pragma once

// Episode 3's own sound effects, data\level03\audio\sfx\*.wav and their list
// data\level03\sfx.txt: what happens in the middle ages below Burg
// Felsenstein sounds like (Rocko's taxi falling out of the time hole and the
// hole closing, the goose honking and gobbling the bread, the well's winch
// and splash, the charcoal on the linen, the smith's hammer on the anvil,
// helmet and tabard put on, the throwing machine's new rope, the herald's
// fanfare, the crowd cheering and Mia's camera). The story's scripts play
// them by their events.

#include "SoundArt.h"

#include <span>

namespace content::levels {

std::span<const SoundEffect> Episode3SoundEffects();

} // namespace content::levels
