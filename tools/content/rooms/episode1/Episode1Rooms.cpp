#include "Episode1Rooms.h"

namespace content::rooms {

std::vector<RoomDescription> Episode1Rooms()
{
    return {RoomBruecke(), RoomMaschinenraum(), RoomStrand(), RoomDorfplatz()};
}

} // namespace content::rooms
