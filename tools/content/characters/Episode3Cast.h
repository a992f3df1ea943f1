#pragma once

// The people of episode 3, drawn by the puppet rig into the level's sprite
// folder: who fell through the time hole (Juna with every animation, the
// twins, KIRA and Rocko walking) and who lives below Burg Felsenstein:
// Herold Humbert, the castle's pompous herald with his trumpet, and
// Schmied Eisenhart, the village smith, both walking.

#include "SpriteArt.h"
#include "characters/CastMember.h"

#include <vector>

namespace content::characters {

FigureLook HeroldLook();
FigureLook SchmiedLook();

// The cast in the order it is written, Juna first.
const std::vector<CastMember>& Episode3Cast();

bool WriteEpisode3Cast(SpriteFolder& level);

} // namespace content::characters
