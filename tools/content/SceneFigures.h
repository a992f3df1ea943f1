#pragma once

// The craft and creatures of the menu's scenes, each drawn about a point so
// that a scene can place, turn and scale it.

#include <cairo.h>

namespace content {

// The cutter Zephyra, nose to the right, centred on (x, y) and turned by
// `angle` radians; `scale` 1 is 200 pixels long. A flying cutter trails an
// engine flame.
void DrawCutter(cairo_t* cairo, double x, double y, double scale, double angle, bool flying);

// Rocko's space taxi with its roof cannon, nose to the right; `scale` 1 is
// 160 pixels long. A shot longer than 0 streaks from the cannon's muzzle
// along its barrel, `shotLength` in the taxi's units (scaled with it).
void DrawTaxi(cairo_t* cairo, double x, double y, double scale, double angle, double shotLength = 0.0);

// The Baron's saucer with the stolen crystal in its claw; `scale` 1 is 210
// pixels wide.
void DrawBaronShip(cairo_t* cairo, double x, double y, double scale, double angle);

// KIRA, the ship's computer: a round chrome drone with one cyan eye,
// centred on (x, y); `scale` 1 is 100 pixels wide.
void DrawKira(cairo_t* cairo, double x, double y, double scale);

// A slime alien standing on (x, y); `scale` 1 is 90 pixels wide.
void DrawSlime(cairo_t* cairo, double x, double y, double scale);

// A wooden catapult standing on (x, y), its arm up after the throw;
// `scale` 1 is 140 pixels wide.
void DrawCatapult(cairo_t* cairo, double x, double y, double scale);

// A knight in armour flying through the air with arms and legs spread,
// centred on (x, y) and turned by `angle` radians; `scale` 1 is 100 pixels
// tall.
void DrawKnight(cairo_t* cairo, double x, double y, double scale, double angle);

// The dashed trail of something thrown, rising from (fromX, fromY) and
// bending over towards (toX, toY); `scale` sets the dashes' size.
void DrawThrowArc(cairo_t* cairo, double fromX, double fromY, double toX, double toY, double scale);

} // namespace content
