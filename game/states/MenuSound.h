#pragma once

// The two sounds of the menu pages: a click on an item, and a choice or a
// help page turned.

#include "audio/SoundEngine.h"
#include "audio/Voice.h"

namespace MenuSound {

inline void Play(const char* event)
{
    if (Voice* voice = SoundEngine::GetInstance().PlayEvent(event, true))
        voice->Start();
}

inline void Click()
{
    Play("audioevent_menu_click");
}

inline void Scroll()
{
    Play("audioevent_menu_scroll");
}

} // namespace MenuSound
