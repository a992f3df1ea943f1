#include "PlaceholderRoom.h"

#include "SpriteArt.h"
#include "items/ItemPictures.h"

#include <algorithm>

namespace content::rooms {

RoomDescription PlaceholderRoom(const std::string& label, std::uint32_t wall, std::vector<PlaceholderBlock> blocks)
{
    RoomDescription room;
    room.label = label;
    std::string folder = label;
    std::ranges::transform(folder, folder.begin(), [](char c) { return static_cast<char>(c | 0x20); });
    room.folder = "data\\level02\\" + folder + "\\";
    room.paint = [wall](cairo_t* cairo) {
        cairo_rectangle(cairo, 0.0, 0.0, 1024.0, 480.0);
        SetColour(cairo, wall);
        cairo_fill(cairo);
        cairo_rectangle(cairo, 0.0, 480.0, 1024.0, 288.0);
        SetColour(cairo, 0x8A8A8A);
        cairo_fill(cairo);
    };
    room.floor = {{{10.0, 500.0}, {1014.0, 500.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{60.0, 580.0}, {512.0, 620.0}, {960.0, 580.0}}};
    room.backY = 500;
    room.frontY = 740;
    for (const PlaceholderBlock& block : blocks) {
        RoomGraphic graphic{block.name, block.x, block.y, block.width, block.height, 1, {}};
        if (const items::ItemPicture* picture = items::FindItemPicture(block.name)) {
            graphic.width = picture->width;
            graphic.draw = picture->draw;
        } else {
            graphic.draw = [block](cairo_t* cairo, int) {
                cairo_rectangle(cairo, 2.0, 2.0, block.width - 4.0, block.height - 4.0);
                FillOutlined(cairo, 0xD0D0D0, 0x606060, 2.0);
            };
        }
        room.graphics.push_back(std::move(graphic));
    }
    return room;
}

} // namespace content::rooms
