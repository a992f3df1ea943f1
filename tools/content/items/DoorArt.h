#pragma once

// The doors of episode 1 as graphics of their rooms: each is drawn to
// cover the opening the room's picture shows where it stands, closed in
// its first frame and open in its last, so that the game plays it forwards
// when the player goes through and backwards when the player arrives.

#include "rooms/RoomDescription.h"

#include <string>
#include <vector>

namespace content::items {

inline constexpr int doorFrames = 6;

// A graphic and the label of the room it stands in.
struct RoomThing {
    std::string room;
    rooms::RoomGraphic graphic;
};

// How far a door is open in `frame`: 0 closed to 1 open, easing in and out.
double DoorOpening(int frame);

// The ship's doors: the bridge's sliding door to the engine room, the
// engine room's shutter before the ladder up to the bridge, its outer hatch
// onto the beach, and that hatch from outside in the Zephyra's hull.
rooms::RoomGraphic BridgeEngineRoomDoor();
rooms::RoomGraphic LadderShutter();
rooms::RoomGraphic OuterHatchInside();
rooms::RoomGraphic OuterHatchOutside();
// A bamboo gate with a board naming where it leads (`sign`, ASCII), its
// posts `width` apart and `height` high; the graphic's bottom centre is the
// gate's foot, at (`footX`, `footY`) of its room.
rooms::RoomGraphic BambooGate(const std::string& name, const std::string& sign, int footX, int footY, int width,
                              int height);

} // namespace content::items
