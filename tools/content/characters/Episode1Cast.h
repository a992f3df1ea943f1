#pragma once

// The people of episode 1, drawn by the puppet rig into the level's sprite
// folder: every animation of the player's figure, and what the story needs
// of the others.

#include "SpriteArt.h"

namespace content::characters {

bool WriteEpisode1Cast(SpriteFolder& level);

} // namespace content::characters
