#pragma once

// The alien shooting gallery's sprites, data\level11\sprites\ and their
// list data\level11\sprites.txt: the moon base's yard ("background") and
// its three rows of cover ("background_backmask", "_middlemask",
// "_frontmask"), the Schleimlinge ("alien1" to "alien3") and their splat
// ("alien_explo"), the crosshair that replaces the cursor while playing
// ("crosshair_cursor"), Juna's spray can in the head-up display
// ("icon_spray") and the front end's plates.

#include "SpriteArt.h"

namespace content::minigames {

// The crosshair, drawn centred on the mouse: an acid-green ring with four
// ticks and a dot in its middle, in a dark outline that reads on the sky
// and on the scenery alike.
constexpr int crosshairSize = 64;
Picture DrawCrosshair();

// Juna's repellent spray can, drawn with its top-left corner at (15, 668)
// beside the shots left.
constexpr int sprayWidth = 70;
constexpr int sprayHeight = 90;
Picture DrawSprayIcon();

bool WriteAlienSprites();

} // namespace content::minigames
