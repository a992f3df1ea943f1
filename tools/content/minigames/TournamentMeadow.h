#pragma once

// The tournament meadow below Burg Felsenstein that the catapult throws
// across, seen from the side. The game lays it out as a strip: the start
// piece, then the loop piece again and again, each drawn with its top-left
// corner where the one before ends; its ground, where the cart rolls and
// the knight lands, runs along row meadowGroundRow. The mask is drawn over
// the start piece's lower part, in front of the catapult.

#include "SpriteArt.h"

namespace content::minigames {

constexpr int meadowHeight = 512;
constexpr int meadowStartWidth = 1425;
constexpr int meadowLoopWidth = 1647;
constexpr int meadowGroundRow = 482;
// The mask covers the start piece's rows from 380 down to the bottom of the
// game's playing band.
constexpr int meadowMaskHeight = 131;
// The chalk start line crosses the ground at this column of the start piece.
constexpr int meadowStartLine = 1330;

// The start: the castle on its hill, tents, the herald's stand, the crowd
// behind its fence and the start line, where the measured field begins.
// Its right edge runs on into the loop's left edge.
Picture DrawMeadowStart();
// The field stretching on: crowd, tents, pennants, hay bales, trees and
// hills, with white distance pegs; its right edge runs on into its left.
Picture DrawMeadowLoop();
// The start piece's foreground: grass tufts along the bottom, hay bales at
// the far left and the near post of the start line; clear elsewhere.
Picture DrawMeadowMask();

} // namespace content::minigames
