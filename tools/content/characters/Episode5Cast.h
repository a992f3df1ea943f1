#pragma once

// The people of episode 5 on the Baron's moon, drawn by the puppet rig into
// the level's sprite folder: those who came in Rocko's taxi, Juna with every
// animation, the twins, KIRA and Rocko walking. The Schleimlinge are the
// rooms' own animated things, not people.

#include "SpriteArt.h"
#include "characters/CastMember.h"

#include <vector>

namespace content::characters {

// The cast in the order it is written, Juna first.
const std::vector<CastMember>& Episode5Cast();

bool WriteEpisode5Cast(SpriteFolder& level);

} // namespace content::characters
