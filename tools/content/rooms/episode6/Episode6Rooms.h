#pragma once

// The rooms of episode 6, "Finale": the Baron's moon base behind its
// cleared yard, the hall where the episode starts, his collection, the
// control room and the launch ramp, and Wakalua's beach, where the closing
// scene lands. Each room's file describes its picture and what stands in it
// (its doors, its items, the people there and the scenery that answers the
// pointer). Their files live in data\level06\<room label in lower case>\.

#include "levels/EpisodeDescription.h"
#include "rooms/RoomDescription.h"

namespace content::rooms {

RoomDescription RoomBasis();
RoomDescription RoomSammlung();
RoomDescription RoomKontrollraum();
RoomDescription RoomStartrampe();
RoomDescription RoomHeimkehr();

levels::RoomStaging BasisStaging();
levels::RoomStaging SammlungStaging();
levels::RoomStaging KontrollraumStaging();
levels::RoomStaging StartrampeStaging();
levels::RoomStaging HeimkehrStaging();

} // namespace content::rooms
