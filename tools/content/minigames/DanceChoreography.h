#pragma once

// The dance contest's choreography, data\level07\dancemoves.txt: one entry
// per beat of a round, 128 in all, each the step the dancers take on that
// beat (1 up, 2 up-right, 3 right, 4 down-right, 5 down, 6 down-left,
// 7 left, 8 up-left) or -1 for none. The game reads every word of the file
// as a number, so it holds nothing else: eight numbers a line, one line per
// phrase of the music.

namespace content::minigames {

bool WriteDanceMoves();

} // namespace content::minigames
