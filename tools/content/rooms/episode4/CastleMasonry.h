#pragma once

// Pieces of Burg Felsenstein's masonry that its rooms share: courses of
// rough stones over a wall, and the iron fittings on the castle's plank
// doors.

#include <cairo.h>

#include <array>
#include <functional>

namespace content::rooms {

// Courses of rough stones `stoneWidth` by `rowHeight` over the rectangle,
// each course shifted by half a stone, drawn as joints of the outline's
// colour at `alpha` over a wall painted before.
void StoneCourses(cairo_t* cairo, double left, double top, double right, double bottom, double stoneWidth,
                  double rowHeight, double alpha = 0.22);

// Where the iron sits on a castle door, in the door's pixels: the tops of
// its two straps and the row of its ring handles; and how many planks make
// a leaf.
struct DoorIron {
    std::array<double, 2> straps;
    double handleY;
    int planks;
};

// An arched plank door of the castle `width` by `height` at (0, 0), in
// `frame` of items::doorFrames: one leaf hinged on the left or two, each on
// two iron straps with a ring handle by its free edge, where `iron` says;
// `view` paints what is seen through the opening.
void DrawCastleDoor(cairo_t* cairo, double width, double height, int frame, int leaves, const DoorIron& iron,
                    const std::function<void()>& view);
// The same with the iron of the yard's doors: straps at a third and three
// quarters of the height, the rings a little below the middle.
void DrawCastleDoor(cairo_t* cairo, double width, double height, int frame, int leaves,
                    const std::function<void()>& view);

} // namespace content::rooms
