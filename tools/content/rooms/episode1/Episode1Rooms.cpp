#include "Episode1Rooms.h"

#include "items/Episode1Placement.h"

namespace content::rooms {

std::vector<RoomDescription> Episode1Rooms()
{
    std::vector<RoomDescription> rooms = {RoomBruecke(), RoomMaschinenraum(), RoomStrand(), RoomDorfplatz()};
    // The doors and items stand in the rooms as graphics of their own.
    for (RoomDescription& room : rooms) {
        std::vector<RoomGraphic> things = items::Episode1ThingGraphics(room.label);
        room.graphics.insert(room.graphics.end(), things.begin(), things.end());
    }
    return rooms;
}

} // namespace content::rooms
