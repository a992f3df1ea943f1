#pragma once

// The items of an episode in the level's sprite folder: each item's
// inventory icon and its combine cursor. Their pictures in the rooms are the
// rooms' own graphics.

#include "SpriteArt.h"
#include "items/EpisodeThings.h"

#include <vector>

namespace content::items {

// `comment` heads the items' part of the list, Windows-1252.
bool WriteEpisodeItems(SpriteFolder& level, const std::vector<ItemThing>& items, const char* comment);

} // namespace content::items
