#pragma once

// The items of each episode as they lie in their rooms: each drawn into
// (0, 0)-(width, height) at the size it has there. The inventory icon and
// the combine pointer are the same drawing made to fit (ItemIcon.h).

#include "rooms/RoomDescription.h"

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

namespace content::items {

struct ItemPicture {
    std::string sprite;  // the item's sprite label (ItemThing::sprite)
    int width = 0;
    int height = 0;
    int frames = 1;
    std::function<void(cairo_t*, int frame)> draw;
};

const std::vector<ItemPicture>& Episode1ItemPictures();
const std::vector<ItemPicture>& Episode2ItemPictures();
const std::vector<ItemPicture>& Episode3ItemPictures();
const std::vector<ItemPicture>& Episode4ItemPictures();
const std::vector<ItemPicture>& Episode5ItemPictures();
const std::vector<ItemPicture>& Episode6ItemPictures();
// The picture of `sprite`, or null.
const ItemPicture* FindItemPicture(const std::string& sprite);
// The room graphic of item `sprite` lying with its foot (the middle of its
// bottom edge) at (footX, footY); a blank stand-in while the item has no
// picture yet, so that its room can still be drawn.
rooms::RoomGraphic LyingItemGraphic(const std::string& sprite, int footX, int footY);

} // namespace content::items
