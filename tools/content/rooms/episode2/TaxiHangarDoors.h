#pragma once

// The two doors from the outskirts of the spaceport back into its terminal:
// the glass door in the terminal's front at the taxi stand and the steel
// door in the hangar's back wall. Each is drawn to cover the opening its
// room paints, closed in its first frame and open in its last, and shows
// the terminal's lit hall behind it.

#include "rooms/RoomDescription.h"

#include <string>

namespace content::rooms {

// Two glass leaves under a fanlight that slide apart; `width` x `height`
// with its top left corner at (x, y) of its room.
RoomGraphic TerminalGlassDoor(const std::string& name, int x, int y, int width, int height);
// One steel leaf with a round window that slides to the left into the wall.
RoomGraphic HangarSlidingDoor(const std::string& name, int x, int y, int width, int height);

} // namespace content::rooms
