#pragma once

// The application icon: the cutter Zephyra climbing through the night over
// the turquoise planet Wakalua, in a rounded square with a teal rim, on the
// game's palette. Large sizes get the full cutter with its flame, stars and
// the planet; 48 pixels and below get a bold silhouette on plain night, so
// that the ship still reads at 16 pixels.

#include "SpriteArt.h"

namespace packaging {

// The sizes the desktop's icon theme takes (hicolor), in pixels.
inline constexpr int appIconSizes[] = {16, 32, 48, 64, 128, 256};

// Draws the icon `size` pixels square. The same size always gives the same
// pixels.
content::Picture DrawAppIcon(int size);

} // namespace packaging
