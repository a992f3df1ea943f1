#pragma once

// The rooms of episode 2, "Der Kristallraub": the festival square by
// Wakalua's little spaceport, the terminal, the taxi stand on its landing
// pad and the repair hangar where the Zephyra stands. Each room's file
// describes its picture and what stands in it (its doors, its items, the
// people there and the scenery that answers the pointer). Their files live
// in data\level02\<room label in lower case>\.

#include "levels/EpisodeDescription.h"
#include "rooms/RoomDescription.h"

namespace content::rooms {

RoomDescription RoomFestplatz();
RoomDescription RoomRaumhafen();
RoomDescription RoomTaxistand();
RoomDescription RoomHangar();

levels::RoomStaging FestplatzStaging();
levels::RoomStaging RaumhafenStaging();
levels::RoomStaging TaxistandStaging();
levels::RoomStaging HangarStaging();

} // namespace content::rooms
