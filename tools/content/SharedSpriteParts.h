#pragma once

// The pieces WriteSharedSprites puts together: each group of pictures is
// drawn in a file of its own and added to the shared sprite folder.

#include "SpriteArt.h"

namespace content::shared {

// The menu pages: main and in-game menu, savegame browser, options, the
// menu bar and the loading screen.
bool WriteMenuPages(SpriteFolder& output);
// The adventure's bars: inventory and conversation.
bool WriteAdventureBars(SpriteFolder& output);
// The small pieces: cursor, arrows, speech bubble, shadow, savegame marker.
bool WriteSmallSprites(SpriteFolder& output);

} // namespace content::shared
