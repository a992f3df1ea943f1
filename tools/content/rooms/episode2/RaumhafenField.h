#pragma once

// Wakalua's landing field at dusk as the festival square sees it over the
// fence and the terminal through its big window: the evening sky, the
// field with its pads and lamps, the control tower and the ships parked
// there. Coordinates are pixels of the picture being drawn.

#include <cairo.h>

#include <cstdint>

namespace content::rooms {

// The evening sky over the rectangle: deep violet at the top through
// hibiscus pink to warm orange at its foot, with the first stars.
void DrawEveningSky(cairo_t* cairo, double x, double y, double width, double height);
// The field's flat ground from `horizonY` down to `bottom` between `left`
// and `right`, with painted pad circles; its row of edge lamps is lit in
// turn, the lamp `blink` (counted modulo the row) brightest.
void DrawLandingField(cairo_t* cairo, double left, double right, double horizonY, double bottom, int blink);
// The control tower standing on (x, y), about 60 wide and 180 tall at
// `scale` 1, its cab lit; its beacon glows when `beacon` is set.
void DrawControlTower(cairo_t* cairo, double x, double y, double scale, bool beacon);
// A round little shuttle on its three legs standing on (x, y), 120 wide at
// `scale` 1, in the colours `top` and `bottom`.
void DrawShuttle(cairo_t* cairo, double x, double y, double scale, std::uint32_t top, std::uint32_t bottom);
// A long freighter resting on (x, y), 240 wide at `scale` 1.
void DrawFreighter(cairo_t* cairo, double x, double y, double scale);

} // namespace content::rooms
