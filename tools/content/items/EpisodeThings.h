#pragma once

// The doors and items of an episode as the level's settings will name them.
// What each is for in the story is the puzzle chart's business
// (content/episode<n>/Puzzles.txt).
//
// Room pixels throughout; a door's points lie on walkable floor of its room.

#include <string>
#include <vector>

namespace content::items {

struct RoomPoint {
    int x = 0;
    int y = 0;
};

struct DoorThing {
    std::string name;     // the element's name in its room's group
    std::string label;    // shown under the pointer, Windows-1252
    std::string room;     // the room's label, Windows-1252
    std::string leadsTo;  // the full name of the door it leads to
    RoomPoint walkFrom;   // where the player appears when arriving here
    RoomPoint walkTo;     // where the arriving player walks to
    // The door's picture and opening animation. Its settings play it in
    // the mode "stop", so that an idle door stays closed in its first frame
    // (the default, "loop", would open and close it all the time).
    std::string sprite;
};

// How the player bends to pick an item up: the element's "pickup anim".
enum class Pickup { none = 0, low = 1, middle = 2, high = 3 };

struct ItemThing {
    std::string name;    // the element's name in its room's group
    std::string label;   // the German name, Windows-1252
    std::string room;    // the room it lies in, or the room of the puzzle that makes it
    Pickup pickup;
    // The base of its sprite labels: the picture in its room (a still; the
    // crystal's is an animation that pulses, played in a loop), the icon
    // and the pointer (IconLabel, CursorLabel).
    std::string sprite;
    bool liesInRoom;     // false for an item that only a combination makes
};

// "<room>|<name>", the element's full name.
std::string FullName(const std::string& room, const std::string& name);
// The labels of an item's pictures: in the room (its sprite), in the
// inventory, and as the pointer while it is being combined.
std::string IconLabel(const ItemThing& item);
std::string CursorLabel(const ItemThing& item);

} // namespace content::items
