#pragma once

// The rooms of episode 1, "Notlandung": the bridge and the engine room of
// the Zephyra, the beach of Wakalua where she came down, and the village
// square. Their files live in data\level01\<room label in lower case>\.

#include "rooms/RoomDescription.h"

#include <vector>

namespace content::rooms {

RoomDescription RoomBruecke();
RoomDescription RoomMaschinenraum();
RoomDescription RoomStrand();
RoomDescription RoomDorfplatz();

std::vector<RoomDescription> Episode1Rooms();

} // namespace content::rooms
