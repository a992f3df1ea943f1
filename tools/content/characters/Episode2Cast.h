#pragma once

// The people of episode 2, drawn by the puppet rig into the level's sprite
// folder: episode 1's cast as there (Juna with every animation, the twins,
// KIRA and Kapitän Baltasar walking, the chief Kalani standing), and who the
// festival and the spaceport add: Rocko, the grumpy taxi driver, and the
// Baron von Blech, both walking.

#include "SpriteArt.h"
#include "characters/CastMember.h"

#include <vector>

namespace content::characters {

FigureLook RockoLook();
FigureLook BaronLook();

// The cast in the order it is written, Juna first.
const std::vector<CastMember>& Episode2Cast();

bool WriteEpisode2Cast(SpriteFolder& level);

} // namespace content::characters
