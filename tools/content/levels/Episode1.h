#pragma once

// Episode 1, "Notlandung", as the generator writes its level: the bridge and
// the engine room of the crashed Zephyra, the beach and the village square
// of Wakalua, the people where they stand while Juna finds her way, and the
// flags of its puzzle chart (content/episode1/Puzzles.txt).

#include "levels/EpisodeDescription.h"

namespace content::levels {

EpisodeDescription Episode1();

} // namespace content::levels
