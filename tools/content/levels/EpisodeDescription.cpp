#include "levels/EpisodeDescription.h"

namespace content::levels {

void Append(RoomStaging& into, const RoomStaging& room)
{
    into.doors.insert(into.doors.end(), room.doors.begin(), room.doors.end());
    into.items.insert(into.items.end(), room.items.begin(), room.items.end());
    into.people.insert(into.people.end(), room.people.begin(), room.people.end());
    into.scenery.insert(into.scenery.end(), room.scenery.begin(), room.scenery.end());
}

} // namespace content::levels
