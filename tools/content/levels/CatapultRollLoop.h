#pragma once

// The catapult rolling towards the start line, a loop the contest streams
// round and round from data\level09\audio\StreamingSfx\catapult_roll_loop.ogg
// while the cart moves, louder the faster it goes: its wooden wheels
// thumping and rumbling over the meadow, the grass swishing under them and
// the axle creaking once a turn.
//
// The loop is made of voices like any sound effect, each fading in and out,
// laid round a circle: what rings on past the loop's end is added onto its
// start, so that the last sample leads into the first as any two
// neighbours do.

#include <cstdint>
#include <vector>

namespace content::levels {

// Seconds the loop lasts: two turns of the wheels.
constexpr double catapultRollSeconds = 2.0;

// The loop's mono samples at soundRate, the loudest at soundPeak of full
// scale.
std::vector<float> CatapultRollLoop();

// The same as the Ogg Vorbis file the game streams.
std::vector<std::uint8_t> CatapultRollLoopOgg();

} // namespace content::levels
