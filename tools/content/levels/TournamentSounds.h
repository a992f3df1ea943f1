#pragma once

// The knights' throwing contest's sounds, data\level09\audio\sfx\*.wav and
// their list data\level09\sfx.txt: the catapult's rope and arm creaking
// while it is drawn (played round and round while the button is held), its
// shot, its rope snapping when drawn too long, the referee's horn at the
// start line, the fanfare of a new round and the knight landing in his
// armour; the knight's shouts in the air and on the ground, and the
// herald's verdict. The contest plays the spoken ones one at a time
// through the speech player.

#include "SoundArt.h"

#include <span>

namespace content::levels {

std::span<const SoundEffect> TournamentSoundEffects();

} // namespace content::levels
