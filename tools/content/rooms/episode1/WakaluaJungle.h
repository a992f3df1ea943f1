#pragma once

// The edge of Wakalua's jungle where the path between the beach and the
// village leaves a room: big leaves round a dark way in, behind the bamboo
// gate (a door, see items/) that stands in it.

#include <cairo.h>

namespace content::rooms {

// The way in is centred on the gate's foot (`footX`, `footY`), a gate about
// 110 pixels wide and 190 high at `scale` 1.
void DrawJungleEdge(cairo_t* cairo, double footX, double footY, double scale);

} // namespace content::rooms
