#pragma once

// An episode as the generator writes its level: the rooms with every graphic
// standing in them, and what its settings file creates in them (the doors,
// the items, the people, the scenery that answers the pointer) besides the
// episode's flags. Each episode describes itself once (Episode1.h,
// Episode2.h); EpisodeSettings writes any of them the same way.

#include "adventure/Entity.h"
#include "items/EpisodeThings.h"
#include "rooms/RoomDescription.h"

#include <string>
#include <string_view>
#include <vector>

namespace content::levels {

// Points are the room's pixels (Point of the graphics library).

// Someone of the cast standing in a room of the episode.
struct Standing {
    std::string_view figure; // the animation prefix (adventure/CastAnimations.h)
    const char* name;        // the element's name in its room's group
    const char* label;       // shown under the pointer, Windows-1252
    const char* room;        // the room's label
    Point foot;              // on the room's walkable floor
    int orient;              // Entity::Direction
    int bubbleY;             // the speech bubble's offset above the foot
    Point act;               // where Juna stands to talk to them, beside them
};

// A graphic of a room's own that can be pointed at, examined and used,
// though never taken: its label and where Juna stands to look at it (on the
// walkable floor in front of it, facing it). A room's graphic that is
// neither scenery, a door nor an item is a detail the pointer passes over.
struct Scenery {
    const char* name;  // its graphic's name in the room, also its element name
    const char* label; // Windows-1252
    Point act;
    int actOrient;     // Entity::Direction
    // The label of the room it stands in, so that a graphic of the same
    // name in another room stays a detail; empty: every room's graphic of
    // that name.
    std::string room = {};
};

// What stands in one room besides its picture. Doors and lying items find
// their pictures among the room's graphics by their sprite's name.
struct RoomStaging {
    std::vector<items::DoorThing> doors;
    std::vector<items::ItemThing> items; // of the room's group: lying there or made by its puzzles
    std::vector<Standing> people;
    std::vector<Scenery> scenery;
};

struct EpisodeDescription {
    int level = 0;
    std::vector<rooms::RoomDescription> rooms; // the first is where the episode starts
    RoomStaging staging;                        // of all rooms together
    std::vector<std::string> flags;             // full names, all starting at 0
};

// A room of the episode and what stands in it.
struct StagedRoom {
    rooms::RoomDescription room;
    RoomStaging staging;
};

// Adds the rooms in their order (the first is where the episode starts)
// and what stands in each; each room's scenery belongs to it alone.
void AddRooms(EpisodeDescription& episode, const std::vector<StagedRoom>& rooms);

} // namespace content::levels
