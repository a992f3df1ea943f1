#pragma once

// The page backgrounds of the main menu, opaque pages in the ship's window
// (ShipStyle.h), each laid out around what the menu draws on it: the help
// text, the options rows and their captions, the slanting highscore table,
// the scrolling credits, the minigame tiles and the bonus pictures.

#include "SpriteArt.h"

namespace content {

Picture DrawHelpBackground();
Picture DrawOptionsBackground();
Picture DrawHighscoreBackground();
Picture DrawCreditsBackground();
Picture DrawMinigamesBackground();
Picture DrawBonusBackground();

// A credits mask: the rows `top` to `top + height` of the credits
// background, opaque at the screen's edge and fading to clear towards the
// middle, so that the scrolling text fades in below and out above.
Picture DrawCreditsMask(const Picture& background, int top, int height);

} // namespace content
