#pragma once

// The taxi chase's space: the nebula the game scrolls to the left behind
// the ships, repeated side by side, and the small stars it sends flying
// past in front of it.

#include "SpriteArt.h"

#include <cairo.h>

namespace content::minigames {

constexpr int nebulaWidth = 1024;
constexpr int nebulaHeight = 768;
constexpr int spaceStarKinds = 4;

// The nebula over the whole picture: violet and teal clouds, dust and a few
// far planets on deep night blue. Everything is drawn wrapped around the
// sides, so that the right edge runs on into the left one without a seam.
// The band along the top, where the score and the time are written, and
// the bottom corners with the head-up display stay dark and calm.
void DrawNebula(cairo_t* cairo);

// Star `kind` (1 to spaceStarKinds, ever larger, 4 to 14 pixels): a
// glowing speck centred in its picture.
Picture DrawSpaceStar(int kind);

} // namespace content::minigames
