#pragma once

// Episode 2's own sound effects, data\level02\audio\sfx\*.wav and their list
// data\level02\sfx.txt: what happens at the festival and the spaceport
// sounds like (the Baron's robots whirring in and snatching the crystal, the
// star coins rattling out of the souvenir machine, the fuel pump filling the
// canister, Mia's camera, the fuel card clicked into its holder, the crowd
// cheering, Rocko's taxi taking off). The story's scripts play them by their
// events.

#include "SoundArt.h"

#include <span>

namespace content::levels {

std::span<const SoundEffect> Episode2SoundEffects();

} // namespace content::levels
