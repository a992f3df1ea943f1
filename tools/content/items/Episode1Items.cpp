#include "items/Episode1Items.h"

#include "items/Episode1Things.h"
#include "items/ItemIcon.h"
#include "items/ItemPictures.h"

#include <cstdio>
#include <vector>

namespace content::items {

bool WriteEpisode1Items(SpriteFolder& level)
{
    // The doors' and items' pictures in their rooms are the rooms' own
    // graphics (the room registers and places them when it is entered, and
    // removes them when it is left); the level list holds what lives longer
    // than a room: the inventory icons and the combine pointers.
    level.Comment("Episode 1: die Gegenst\xe4" "nde im Inventar und als Mauszeiger");
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
