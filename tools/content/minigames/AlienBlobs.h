#pragma once

// The Alien-Schleimlinge of the shooting gallery: round slimy blobs with
// eyes on stalks, in three kinds ("alien1" small and acid green with two
// stalks, "alien2" middle-sized and lime yellow with spots, "alien3" big,
// teal fading to violet, with three stalks), and the green splat of a hit
// one.

#include "SpriteArt.h"

namespace content::minigames {

constexpr int alienKinds = 3;
constexpr int alienFrameWidth = 160;
constexpr int alienFrameHeight = 200;
// The rise: played forwards it pops up, backwards it sinks. The first
// frames are clear (the alien is still below its cover); from then on it
// climbs from well below the cover line, stretched, lands with a squash
// and opens its eyes, its bottom on the frame's bottom edge in the last.
constexpr int alienFrames = 16;
constexpr int alienHiddenFrames = 5;
Picture DrawAlienFrame(int kind, int frame);

// The splat, its bottom middle 38 pixels (at scale 1) below the alien's:
// goo bursting from about the alien's middle, drops and eyeballs flying,
// fading out by the last frame.
constexpr int splatSize = 200;
constexpr int splatFrames = 16;
Picture DrawAlienSplat(int frame);

} // namespace content::minigames
