#pragma once

// The plates behind the minigames' front-end pages, so that their text
// reads over a busy playing field: a rounded night-blue pane, see through,
// with a lantern-orange rim. Every minigame's sprite list carries the same
// three: "panel" (880 x 500) for the help and highscore pages,
// "panel_small" (340 x 160) for the title menu and "panel_message"
// (680 x 150) for the message at the end of a round.

#include "SpriteArt.h"

namespace content::minigames {

Picture DrawMinigamePanel(int width, int height);

// Adds the three plates to a minigame's sprite folder.
bool AddMinigamePanels(SpriteFolder& folder);

} // namespace content::minigames
