#pragma once

// Episode 6, "Finale", as the generator writes its level: the Baron's moon
// base behind its cleared yard, the hall, the collection, the control room
// and the launch ramp, and Wakalua's beach for the closing scene
// (rooms/episode6/), what stands in them, and the flags of its puzzle chart
// (content/episode6/Puzzles.txt).

#include "levels/EpisodeDescription.h"

namespace content::levels {

EpisodeDescription Episode6();

} // namespace content::levels
