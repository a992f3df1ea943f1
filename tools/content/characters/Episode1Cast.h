#pragma once

// The people of episode 1, drawn by the puppet rig into the level's sprite
// folder: every animation of the player's figure, and what the story needs
// of the others: Juna (all), the twins Lotte and Mia, Kapitän Baltasar and
// KIRA (standing, talking, walking), the chief Kalani (standing, talking).

#include "SpriteArt.h"
#include "characters/CastMember.h"

#include <vector>

namespace content::characters {

// The figures' looks, for other art that shows them (the dance contest).
FigureLook JunaLook();
FigureLook LotteLook();
FigureLook MiaLook();
FigureLook BaltasarLook();
FigureLook KalaniLook();
FigureLook KiraLook();

// The cast in the order it is written, Juna first.
const std::vector<CastMember>& Episode1Cast();

bool WriteEpisode1Cast(SpriteFolder& level);

} // namespace content::characters
