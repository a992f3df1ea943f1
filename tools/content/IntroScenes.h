#pragma once

// The intro movie's shots, each drawn over the whole 800 x 600 frame at
// `seconds` from the start of its shot. A shot may be drawn a little beyond
// its length, while the next one fades in over it.

#include <cairo.h>

namespace content::intro {

void DrawFlightShot(cairo_t* cairo, double seconds);
void DrawBridgeShot(cairo_t* cairo, double seconds);
void DrawCrystalShot(cairo_t* cairo, double seconds);
void DrawStormShot(cairo_t* cairo, double seconds);
void DrawApproachShot(cairo_t* cairo, double seconds);
void DrawLandingShot(cairo_t* cairo, double seconds);
void DrawTitleShot(cairo_t* cairo, double seconds);

// Stars scattered over a band `period` pixels wide that repeats across the
// frame, moved `offset` pixels to the left: one layer of a parallax sky.
// The same seed gives the same stars.
void DrawStarLayer(cairo_t* cairo, unsigned seed, int count, double offset, double period, double size,
                   double alpha);

} // namespace content::intro
