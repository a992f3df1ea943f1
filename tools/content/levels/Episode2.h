#pragma once

// Episode 2, "Der Kristallraub", as the generator writes its level: the
// festival square, the spaceport's terminal, the taxi stand and the hangar
// (rooms/episode2/), what stands in them, and the flags of its puzzle chart
// (content/episode2/Puzzles.txt).

#include "levels/EpisodeDescription.h"

namespace content::levels {

EpisodeDescription Episode2();

} // namespace content::levels
