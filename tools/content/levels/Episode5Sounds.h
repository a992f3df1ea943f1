#pragma once

// Episode 5's own sound effects, data\level05\audio\sfx\*.wav and their list
// data\level05\sfx.txt: what happens on the Baron's moon sounds like (the
// taxi coming down under the dome, the jump leads clamped on with a spark,
// the airlock's sliding doors, Rocko's taxi cannon and the capsule's hatch
// clanging down, the lab computer's beeps and its answer, the frozen onion
// thawing and squeezed in the press, a Schleimling squeaking, the popcorn
// bag bursting and the cleaning robot hoovering it up, the spray bottle
// sprayed empty and the onion spray mixed in it, the heavy door to the
// yard and the squeaks beyond it, and Mia's camera). The story's scripts
// play them by their events.

#include "SoundArt.h"

#include <span>

namespace content::levels {

std::span<const SoundEffect> Episode5SoundEffects();

} // namespace content::levels
