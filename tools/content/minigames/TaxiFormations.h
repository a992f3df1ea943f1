#pragma once

// The taxi chase's attack formations: data\level08\angriffsformationen.txt
// for the 60-second round inside the adventure and
// data\level08\angriffsformationen2.txt for the 90-second round played on
// its own for the highscore. One fighter a line:
//
//     spawnTime side startHeight speed [travelledFraction height]...
//
// the side "l" (from the left, behind the taxi: dazzled with the camera)
// or "r" (from the right, ahead of it: shot with the laser); heights run
// from 0 (top, y 180) to 1 (bottom, y 580); the speed factor moves the
// fighter at speed * 75 pixels a second; each waypoint is the share of its
// 1,204-pixel crossing after which it turns to that height. Lines starting
// with '#' are comments.

namespace content::minigames {

bool WriteTaxiFormations();

} // namespace content::minigames
