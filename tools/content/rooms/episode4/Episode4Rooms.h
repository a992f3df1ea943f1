#pragma once

// The rooms of episode 4, "Auf der Burg": inside Burg Felsenstein, the
// castle yard where the episode starts, the great hall, the kitchen, the
// top of the tower and the dungeon. Each room's file describes its picture
// and what stands in it (its doors, its items, the people there and the
// scenery that answers the pointer). Their files live in
// data\level04\<room label in lower case>\.

#include "levels/EpisodeDescription.h"
#include "rooms/RoomDescription.h"

namespace content::rooms {

RoomDescription RoomBurghof();
RoomDescription RoomRittersaal();
RoomDescription RoomKueche();
RoomDescription RoomTurm();
RoomDescription RoomVerlies();

levels::RoomStaging BurghofStaging();
levels::RoomStaging RittersaalStaging();
levels::RoomStaging KuecheStaging();
levels::RoomStaging TurmStaging();
levels::RoomStaging VerliesStaging();

} // namespace content::rooms
