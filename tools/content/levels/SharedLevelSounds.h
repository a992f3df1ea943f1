#pragma once

// Sounds that more than one level makes: Mia's camera, whose flash dazzles
// the Baron's fighters in the taxi chase and takes Juna's passport photo on
// the festival square, and a crowd cheering (the village square, the dance
// contest, the festival). Also the loudness steps of an episode's own
// effects, so that every episode's sounds stand alike beside each other.

#include "SoundArt.h"

namespace content::levels {

// The small sounds (a rustle, a chime, clicks) stay under the menu's click,
// which is 6 dB under the common peak; the ones that move something big
// (a hatch, a drum, a crowd, a taxi) are louder.
inline constexpr double smallLevelDb = -7.5;
inline constexpr double mediumLevelDb = -4.0;
inline constexpr double bigLevelDb = -1.5;

// Mia's camera: the shutter's double click, the flash's pop and the whine of
// its capacitor charging again.
Sound MiasCamera();

// A crowd cheering from `start` for `length` seconds, `gain` loud: a swell
// of voices (noise at two colours), cartoon "hooray"s gliding up at
// different pitches, and scattered claps.
void Cheer(Sound& sound, double start, double length, double gain);

} // namespace content::levels
