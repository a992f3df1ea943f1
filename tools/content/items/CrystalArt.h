#pragma once

// The hyperdrive crystal as the items show it: whole (cracked at the start
// of the journey, mended at its end) and in the two halves it breaks into,
// whose breaks fit into each other; and the sparkle of light on them.

#include <cairo.h>

namespace content::items {

// The whole crystal in (0, 0)-(80, 88), pulsing in its own light through
// six frames; `cracked` draws the crack across its face.
constexpr int crystalFrames = 6;
void DrawWholeCrystal(cairo_t* cairo, int frame, bool cracked);

// A half of the crystal in (0, 0)-(40, 48), in its glow, seen from a little
// above: the upper point with the face of the break below it, or the lower
// point with the face of the break above it. Both share one jagged break.
enum class CrystalHalf { upper, lower };
void DrawCrystalHalf(cairo_t* cairo, CrystalHalf half);

// A four-pointed star of light `size` from its centre (x, y) to its tips.
void Sparkle(cairo_t* cairo, double x, double y, double size);

} // namespace content::items
