#pragma once

// Episode 3, "Das Zeitloch", as the generator writes its level: the
// clearing where the taxi fell out of the time hole, the village below Burg
// Felsenstein, its smithy and the tournament meadow (rooms/episode3/), what
// stands in them, and the flags of its puzzle chart
// (content/episode3/Puzzles.txt).

#include "levels/EpisodeDescription.h"

namespace content::levels {

EpisodeDescription Episode3();

} // namespace content::levels
