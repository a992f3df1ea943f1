#pragma once

// Episode 4's own sound effects, data\level04\audio\sfx\*.wav and their list
// data\level04\sfx.txt: what happens on Burg Felsenstein sounds like (the
// gate creaking open, the smith's chain rattling off the taxi, the tin
// magpie squawking and clanging into the tray, the ash scooped and the
// silver scrubbed, the dog yelping off the lard pot, the rusty bolt
// squealing out of the wall, the iron ball dropping and rolling, the
// smith's hammer on copper, the castle bell and the taxi's jump through
// time, and Mia's camera). The story's scripts play them by their events.

#include "SoundArt.h"

#include <span>

namespace content::levels {

std::span<const SoundEffect> Episode4SoundEffects();

} // namespace content::levels
