#pragma once

// Episode 6's own sound effects, data\level06\audio\sfx\*.wav and their list
// data\level06\sfx.txt: the way home out of the Baron's moon base sounds
// like this (Mia's camera flashing at the Baron and the instant photo
// whirring out, his glass case opened, the two halves of the crystal
// snapping together, the control room's card reader and its door, the
// launch console's lever and the dome sliding open, a sulking Schleimling,
// the taxi's launch and its landing on Wakalua's beach, and the fanfare
// when the crystal is back in the Zephyra). The story's scripts play them
// by their events.

#include "SoundArt.h"

#include <span>

namespace content::levels {

std::span<const SoundEffect> Episode6SoundEffects();

} // namespace content::levels
