#pragma once

// Burg Felsenstein as the valley sees it from afar: the castle on its
// rocky crag, small in the summer haze behind the episode's outdoor rooms.

#include <cairo.h>

namespace content::rooms {

// The crag stands on (x, y), its foot's middle; at `scale` 1 the castle is
// about 300 pixels wide. `haze` (0 to 1) fades it into the sky behind it.
void DrawDistantCastle(cairo_t* cairo, double x, double y, double scale, double haze);

} // namespace content::rooms
