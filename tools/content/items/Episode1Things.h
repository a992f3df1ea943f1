#pragma once

// The doors and items of episode 1 (content/episode1/Puzzles.txt).

#include "items/EpisodeThings.h"

#include <vector>

namespace content::items {

const std::vector<DoorThing>& Episode1Doors();
const std::vector<ItemThing>& Episode1ItemThings();

} // namespace content::items
