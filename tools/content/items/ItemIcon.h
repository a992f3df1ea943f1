#pragma once

// An item's inventory icon and its combine pointer, both made from the
// item's own drawing.
//
// The icon is drawn where the game draws the field it lies in, so it has
// the field's size (186 x 76) and shows the item in the middle of the
// field's slanted face. The pointer is drawn with its bottom centre on the
// pointer's position, as the shared pointer is: a pin whose tip is there,
// carrying a round badge with the item in it.

#include "SpriteArt.h"
#include "items/ItemPictures.h"

namespace content::items {

inline constexpr int iconWidth = 186;
inline constexpr int iconHeight = 76;
inline constexpr int cursorWidth = 60;
inline constexpr int cursorHeight = 78;

Picture ItemIcon(const ItemPicture& item);
Picture ItemCursor(const ItemPicture& item);

} // namespace content::items
