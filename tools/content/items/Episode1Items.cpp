#include "items/Episode1Items.h"

#include "items/Episode1Placement.h"
#include "items/Episode1Things.h"
#include "items/ItemIcon.h"
#include "items/ItemPictures.h"
#include "rooms/RoomFiles.h"

#include <cstdio>
#include <vector>

namespace content::items {

namespace {

bool AddGraphic(SpriteFolder& level, const rooms::RoomGraphic& graphic)
{
    if (graphic.frames == 1)
        return level.AddStatic(graphic.name, rooms::GraphicFrame(graphic, 0));
    std::vector<Picture> frames;
    for (int frame = 0; frame < graphic.frames; ++frame)
        frames.push_back(rooms::GraphicFrame(graphic, frame));
    return level.AddAnim(graphic.name, frames);
}

} // namespace

bool WriteEpisode1Items(SpriteFolder& level)
{
    level.Comment("Episode 1: die T\xfc" "ren mit ihrer \xd6" "ffnung");
    for (const RoomThing& door : Episode1DoorGraphics())
        if (!AddGraphic(level, door.graphic))
            return false;
    level.Comment("Episode 1: die Gegenst\xe4" "nde im Raum, im Inventar und als Mauszeiger");
    for (const RoomThing& item : Episode1ItemGraphics())
        if (!AddGraphic(level, item.graphic))
            return false;
    for (const ItemThing& item : Episode1ItemThings()) {
        const ItemPicture* picture = FindItemPicture(item.sprite);
        if (picture == nullptr) {
            std::fprintf(stderr, "zephyra-content: item %s has no picture\n", item.name.c_str());
            return false;
        }
        if (!level.AddStatic(IconLabel(item), ItemIcon(*picture)) ||
            !level.AddStatic(CursorLabel(item), ItemCursor(*picture)))
            return false;
    }
    return true;
}

} // namespace content::items
