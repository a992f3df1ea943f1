#include "levels/EpisodeDescription.h"

#include <utility>

namespace content::levels {

void AddRooms(EpisodeDescription& episode, const std::vector<StagedRoom>& rooms)
{
    RoomStaging& into = episode.staging;
    for (const StagedRoom& staged : rooms) {
        episode.rooms.push_back(staged.room);
        const RoomStaging& room = staged.staging;
        into.doors.insert(into.doors.end(), room.doors.begin(), room.doors.end());
        into.items.insert(into.items.end(), room.items.begin(), room.items.end());
        into.people.insert(into.people.end(), room.people.begin(), room.people.end());
        for (Scenery piece : room.scenery) {
            piece.room = staged.room.label;
            into.scenery.push_back(std::move(piece));
        }
    }
}

} // namespace content::levels
