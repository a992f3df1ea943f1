#pragma once

// Where the doors and items of episode 1 stand in their rooms. Each is a
// graphic of its room, so that the room's sprite-info file places it (by the
// bottom centre of its rectangle); the level's sprite list holds the same
// pictures under the same labels.

#include "items/DoorArt.h"

#include <string>
#include <vector>

namespace content::items {

std::vector<RoomThing> Episode1DoorGraphics();
// An item's graphic reaches down to where it stands on the floor, below a
// thing lying on a shelf or hanging on a wall, so that its foot (where the
// player walks to take it, and what sorts it among the characters) is on
// the floor; the space below the item is clear.
std::vector<RoomThing> Episode1ItemGraphics();
// The doors' and items' graphics standing in the room labelled `room`.
std::vector<rooms::RoomGraphic> Episode1ThingGraphics(const std::string& room);

} // namespace content::items
