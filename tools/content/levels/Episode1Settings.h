#pragma once

// Episode 1's settings file, data\level01\settings\settings.txt: its four
// rooms, the doors and items of episode 1 (items/Episode1Things.h), the
// other people of the episode where they stand, each room's scenery (a
// chair, the waves, the drum) as items that are pointed at, examined and
// used but never taken, drawn among the characters by their feet, and the
// episode's flags. Written through the game's own
// element classes and serializer, so it reads back exactly.

namespace content::levels {

bool WriteEpisode1Settings();

} // namespace content::levels
