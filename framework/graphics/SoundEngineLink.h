#pragma once

// The two places where the graphics code calls the sound engine, which sits
// beside it: animations start the audio events attached to their positions,
// and the sprite registry lets the engine refresh its buffers after it
// restored lost surfaces. The start-up code connects the engine here; until
// then events find no sound (a warning each) and the refresh does nothing.
//
// Animations fire events only while the adventure level allows it; the
// level sets audioEventsAllowed, which is off everywhere else.

#include <functional>
#include <string>

struct SoundEngineLink {
    // Starts a temporary voice of the named audio event; false when the
    // engine has no event of that name.
    static inline std::function<bool(const std::string&)> startAudioEvent;
    static inline std::function<void()> refreshVolumes;
    static inline bool audioEventsAllowed = false;
};
