#pragma once

// The things of episode 1 in the level's sprite folder: each item's picture
// in its room, its inventory icon and its combine cursor, and the doors
// between the episode's rooms with their opening animations.

#include "SpriteArt.h"

namespace content::items {

bool WriteEpisode1Items(SpriteFolder& level);

} // namespace content::items
