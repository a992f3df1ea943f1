#pragma once

// The rooms' ambient loops, synthesised: surf, the ship's engine hum, wind,
// the murmur of a village square, the spaceport's (the festival square at
// evening, the terminal hall, the landing pad and the repair hangar) and
// the middle ages' (a forest clearing with its birds and brook, a village
// street with hens and a cart, a smithy's forge and bellows, a tournament
// meadow with its crowd and banners) and the castle's (its windy yard with
// hens and banners, the great hall's fire and echoes, the kitchen's fire,
// pot and snoring dog, the tower's gale and pigeons, the dripping dungeon).
// Each loop is mono at the game's sound rate and joins its end to its start
// without a click (the tail is faded into the head; chimes, notes, calls and
// clanks at fixed times ring on round the join), and the same ambience
// always gives the same samples.

#include "RoomDescription.h"

#include <cstdint>
#include <vector>

namespace content::rooms {

inline constexpr double ambienceSeconds = 8.0;

// Samples between -1 and 1, ambienceSeconds long.
std::vector<float> AmbienceLoop(Ambience ambience);
// The loop as an Ogg Vorbis file.
std::vector<std::uint8_t> AmbienceOgg(Ambience ambience);

} // namespace content::rooms
