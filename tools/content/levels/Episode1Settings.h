#pragma once

// Episode 1's settings file, data\level01\settings\settings.txt: its four
// rooms, the doors and items of episode 1 (items/Episode1Things.h), the
// other people of the episode where they stand, and each room's animated
// details (waves, smoke) as items without rollover, so that the level draws
// them among the characters by their feet. Written through the game's own
// element classes and serializer, so it reads back exactly.

namespace content::levels {

bool WriteEpisode1Settings();

} // namespace content::levels
