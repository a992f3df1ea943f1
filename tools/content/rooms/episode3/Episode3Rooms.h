#pragma once

// The rooms of episode 3, "Das Zeitloch": the forest clearing where Rocko's
// taxi fell out of the time hole, the village below Burg Felsenstein, the
// smithy and the tournament meadow before the castle. Each room's file
// describes its picture and what stands in it (its doors, its items, the
// people there and the scenery that answers the pointer). Their files live
// in data\level03\<room label in lower case>\.

#include "levels/EpisodeDescription.h"
#include "rooms/RoomDescription.h"

namespace content::rooms {

RoomDescription RoomLichtung();
RoomDescription RoomDorf();
RoomDescription RoomSchmiede();
RoomDescription RoomTurnierwiese();

levels::RoomStaging LichtungStaging();
levels::RoomStaging DorfStaging();
levels::RoomStaging SchmiedeStaging();
levels::RoomStaging TurnierwieseStaging();

} // namespace content::rooms
