#pragma once

// Episode 5, "Der Alienmond", as the generator writes its level: the
// Baron's moon base, the landing pad, the airlock, the lab and the store
// (rooms/episode5/), what stands in them, and the flags of its puzzle chart
// (content/episode5/Puzzles.txt).

#include "levels/EpisodeDescription.h"

namespace content::levels {

EpisodeDescription Episode5();

} // namespace content::levels
