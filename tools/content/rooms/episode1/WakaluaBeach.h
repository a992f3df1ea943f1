#pragma once

// Wakalua's beach as its rooms share it: the warm sky with the sun, the
// hibiscus planet and clouds, the turquoise sea with its little island and
// the sand with its shells, 1600 pixels wide, and the foam of the surf
// running up the sand.

#include <cairo.h>

namespace content::rooms {

// The beach's own width, the row where the sea meets the sky and the row
// (on average) where the sand begins.
constexpr int beachWidth = 1600;
constexpr double beachHorizon = 300.0;
constexpr double beachShoreY = 430.0;

// Sky, sea and sand from (0, 0) to (beachWidth, 768), with the path to the
// village running back into the jungle on the left.
void DrawWakaluaBeach(cairo_t* cairo);

// Two lines of foam `length` wide running up the sand and back, fading out
// at both ends: frame `frame` of `frames` round one wave.
void DrawSurf(cairo_t* cairo, int frame, int frames, double length);

} // namespace content::rooms
