#pragma once

// A room drawn as plain blocks, standing in for a room whose picture is not
// painted yet: a wall, a floor and a labelled block for every graphic.

#include "rooms/RoomDescription.h"

#include <cstdint>
#include <string>
#include <vector>

namespace content::rooms {

struct PlaceholderBlock {
    std::string name;
    int x;
    int y;
    int width;
    int height;
};

RoomDescription PlaceholderRoom(const std::string& label, std::uint32_t wall, std::vector<PlaceholderBlock> blocks);

} // namespace content::rooms
