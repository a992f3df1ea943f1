#pragma once

// An episode's settings file, data\level<nn>\settings\settings.txt: its
// rooms, doors and items, the people of the episode where they stand, each
// room's scenery (a chair, the waves, the drum) as items that are pointed
// at, examined and used but never taken, drawn among the characters by
// their feet, and the episode's flags. Written through the game's own
// element classes and serializer, so it reads back exactly.

#include "levels/EpisodeDescription.h"

namespace content::levels {

bool WriteEpisodeSettings(const EpisodeDescription& episode);

} // namespace content::levels
