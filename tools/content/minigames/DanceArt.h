#pragma once

// The dance contest's sprites, data\level07\sprites\ and their list
// data\level07\sprites.txt: the stage at night ("background") and in the
// morning for the closing credits ("hawaii_background"), the move symbols
// "num1" to "num8" (one frame per grade), the beat's "ball", and the three
// dancers Juna, Lotte and Mia drawn by the rig in their adventure looks:
// "<prefix>_dance_idle" and "<prefix>_dance_move1" to "_dance_move8".

#include "SpriteArt.h"
#include "characters/DancePoses.h"
#include "characters/PuppetRig.h"

namespace content::minigames {

// The frames of a move symbol: 0 not judged yet, 1 perfect, 2 to 4 ever
// further off the beat, 5 wrong or missed.
constexpr int symbolGrades = 6;
// A symbol's picture, centred on the point the game draws it at.
constexpr int symbolSize = 60;

// Move symbol `move` (1 up, clockwise to 8 up-left) as it shows `grade`.
Picture DrawMoveSymbol(int move, int grade);
// The beach ball that bounces on the beat, centred.
Picture DrawBall();

// A dancer's frame: the figure facing the viewer with its soles on the
// frame's bottom middle, as the adventure's characters stand, wide enough
// for arms flung out and a step to the side.
Picture DrawDancer(const characters::FigureLook& look, const characters::DancePose& dance);

bool WriteDanceSprites();

} // namespace content::minigames
