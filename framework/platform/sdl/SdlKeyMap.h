#pragma once

#include <SDL.h>

namespace platform {

// The Windows virtual key of an SDL key; 0 for keys the game has no code for.
// Letters and punctuation follow the layout (the key that types 'Z' is 'Z'
// and the key that types 'ä' is VK_OEM_7 on a German keyboard); every other
// key is named by its position.
int VirtualKeyFromSdl(const SDL_Keysym& key);

} // namespace platform
