#include "items/EpisodeThings.h"

namespace content::items {

std::string FullName(const std::string& room, const std::string& name)
{
    return room + "|" + name;
}

std::string IconLabel(const ItemThing& item)
{
    return item.sprite + "_icon";
}

std::string CursorLabel(const ItemThing& item)
{
    return item.sprite + "_cursor";
}

} // namespace content::items
