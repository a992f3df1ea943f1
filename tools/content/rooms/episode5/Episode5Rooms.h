#pragma once

// The rooms of episode 5, "Der Alienmond": the Baron's moon base, the
// landing pad where the episode starts, the airlock, the lab and the store.
// Each room's file describes its picture and what stands in it (its doors,
// its items, the people there and the scenery that answers the pointer).
// Their files live in data\level05\<room label in lower case>\.

#include "levels/EpisodeDescription.h"
#include "rooms/RoomDescription.h"

namespace content::rooms {

RoomDescription RoomLandeplatz();
RoomDescription RoomSchleuse();
RoomDescription RoomLabor();
RoomDescription RoomLager();

levels::RoomStaging LandeplatzStaging();
levels::RoomStaging SchleuseStaging();
levels::RoomStaging LaborStaging();
levels::RoomStaging LagerStaging();

} // namespace content::rooms
