#pragma once

// Episode 4, "Auf der Burg", as the generator writes its level: inside Burg
// Felsenstein, the castle yard, the great hall, the kitchen, the tower and
// the dungeon (rooms/episode4/), what stands in them, and the flags of its
// puzzle chart (content/episode4/Puzzles.txt).

#include "levels/EpisodeDescription.h"

namespace content::levels {

EpisodeDescription Episode4();

} // namespace content::levels
