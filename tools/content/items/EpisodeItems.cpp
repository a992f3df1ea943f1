#include "items/EpisodeItems.h"

#include "items/ItemIcon.h"
#include "items/ItemPictures.h"

#include <cstdio>

namespace content::items {

bool WriteEpisodeItems(SpriteFolder& level, const std::vector<ItemThing>& items, const char* comment)
{
    // The doors' and items' pictures in their rooms are the rooms' own
    // graphics (the room registers and places them when it is entered, and
    // removes them when it is left); the level list holds what lives longer
    // than a room: the inventory icons and the combine pointers.
    level.Comment(comment);
    for (const ItemThing& item : items) {
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
