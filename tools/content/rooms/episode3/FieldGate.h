#pragma once

// The wooden field gate on the path between the forest clearing and the
// village, seen from either side: two posts, a leaf of five rails with its
// brace, and a board naming where the path leads. Closed in its first
// frame, swung open towards the viewer in its last.

#include "rooms/RoomDescription.h"

#include <string>

namespace content::rooms {

// The gate's posts stand `width` apart and `height` high; the graphic's
// bottom centre is the gate's foot at (`footX`, `footY`) of its room. The
// leaf hangs on the left post when `hingeLeft` is set, else on the right
// one; `sign` (ASCII) is written on the board.
RoomGraphic FieldGate(const std::string& name, const std::string& sign, int footX, int footY, int width, int height,
                      bool hingeLeft);

} // namespace content::rooms
