#pragma once

// The alien shooting gallery's sounds, data\level11\audio\sfx\*.wav and
// their list data\level11\sfx.txt: Juna's repellent spray, the click of an
// empty can and the swap for a full one; the Schleimlinge squeaking when
// hit and bursting; and Juna's lines at the start of the round, when she
// has not sprayed for a while (one of them KIRA's), when she hits and when
// she misses. The gallery plays the spoken ones one at a time through the
// speech player.

#include "SoundArt.h"

#include <span>

namespace content::levels {

std::span<const SoundEffect> AlienYardSoundEffects();

} // namespace content::levels
