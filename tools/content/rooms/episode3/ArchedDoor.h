#pragma once

// The arched plank doors of the village below Burg Felsenstein: an opening
// with straight sides under a half circle, closed by one leaf hinged on its
// left or by two hinged on either side. The leaves swing inwards and narrow
// as they open, uncovering what lies beyond the opening.

#include <cairo.h>

#include <array>
#include <cstdint>
#include <functional>

namespace content::rooms {

// Adds the outline of an arched opening to the path: `width` wide, its
// sides reaching from the foot at `bottom` up to the half circle, whose top
// touches `top`. A `margin` widens the sides and the arch (not the foot),
// for the stones framing the opening.
void ArchPath(cairo_t* cairo, double left, double top, double width, double bottom, double margin = 0.0);

// How a door's leaves look: planks with seams between them, held by two
// iron straps.
struct PlankLeaves {
    int count = 1;          // 1: hinged on the left; 2: one leaf on either side
    double turn = 0.86;     // share of its width a leaf loses when fully open
    double outlineWidth = 0.0;
    // Whether a leaf's body is drawn as the shut leaf squeezed to its
    // width, outline and all, so that its outline thickens along the top
    // and the foot as it turns.
    bool squeezed = false;
    int planks = 5;
    double seamShade = 0.55;
    std::array<double, 2> straps{};  // the straps' tops
    double strapHeight = 12.0;
    std::uint32_t strapLight = 0;
    std::uint32_t strapDark = 0;
};

// Called for each leaf after its planks and straps, to add its handle and
// edge: the x of its free edge, the side its hinge is on (-1 left, 1
// right), its width and how far the door is open (0 shut, 1 open).
using LeafFittings = std::function<void(double edge, double side, double leaf, double open)>;

// Draws the door of a `width` by `height` opening at (0, 0) in `frame` of
// items::doorFrames: `view` paints what is seen through the opening (it is
// clipped to it), then the leaves, then the opening's outline.
void DrawArchedDoor(cairo_t* cairo, double width, double height, int frame, const PlankLeaves& leaves,
                    const std::function<void()>& view, const LeafFittings& fittings);

} // namespace content::rooms
