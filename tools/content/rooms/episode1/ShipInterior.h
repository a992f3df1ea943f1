#pragma once

// What the two rooms inside the Zephyra share: teal hull walls of riveted
// plates above an orange-trimmed deck seen in perspective.

#include <cairo.h>

namespace content::rooms {

// The wall over the whole width down to `deckY`, then the deck from there
// to the bottom, its plate seams running to a vanishing point at
// (`vanishX`, `deckY` - 500).
void DrawShipWall(cairo_t* cairo, double width, double deckY);
void DrawShipDeck(cairo_t* cairo, double width, double height, double deckY, double vanishX);
// A pipe straight from (x0, y0) to (x1, y1).
void DrawPipe(cairo_t* cairo, double x0, double y0, double x1, double y1, double thickness);
// A console block with a slanted, lit top and a row of buttons.
void DrawConsole(cairo_t* cairo, double x, double y, double width, double height);

} // namespace content::rooms
