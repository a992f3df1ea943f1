#pragma once

// Pieces of Burg Felsenstein's masonry that its rooms share: courses of
// rough stones over a wall, and the iron fittings on the castle's plank
// doors.

#include <cairo.h>

#include <functional>

namespace content::rooms {

// Courses of rough stones `stoneWidth` by `rowHeight` over the rectangle,
// each course shifted by half a stone, drawn as joints of the outline's
// colour at `alpha` over a wall painted before.
void StoneCourses(cairo_t* cairo, double left, double top, double right, double bottom, double stoneWidth,
                  double rowHeight, double alpha = 0.22);

// An arched plank door of the castle `width` by `height` at (0, 0), in
// `frame` of items::doorFrames: one leaf hinged on the left or two, each on
// two iron straps with a ring handle by its free edge; `view` paints what
// is seen through the opening.
void DrawCastleDoor(cairo_t* cairo, double width, double height, int frame, int leaves,
                    const std::function<void()>& view);

} // namespace content::rooms
