#pragma once

// The main menu's own sprites: the page backgrounds, the help arrows, the
// minigame tiles, the credits masks and the bonus pictures, written below
// data\menu\sprites with their list data\menu\sprites.txt.
//
// Labels that the in-game menu shares with the main menu (the main page's
// background, the savegame pages, the cursor, the menu arrows) belong to
// the shared adventure list, which the main menu loads after this one.

namespace content {

// Writes every file and the list below the working directory; false (with
// a message on standard error) when a file cannot be written.
bool WriteMenuSprites();

} // namespace content
