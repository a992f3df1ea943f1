#pragma once

// The shared adventure sprites: the pictures that both menus and every
// episode use (menu pages, the savegame browser, the inventory and
// conversation bars, speech bubbles, the cursor, the character shadow and
// the loading screen), written to data\sharedadventure\sprites\ with their
// list data\sharedadventure\sprites.txt.
//
// Labels that the main menu shares with the in-game menu live only here:
// the main menu reads its own list first and this one after it, and a later
// description replaces an earlier one.

namespace content {

// Writes every shared sprite and the list; false (with a message on
// standard error) when a file cannot be written.
bool WriteSharedSprites();

} // namespace content
