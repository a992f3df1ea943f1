#pragma once

// Movie playback: a movie (an AVI file's bytes; the caller reads it from the
// loose tree or the archive) is shown scaled into a rectangle of the window's
// picture, keeping its proportions, on black, with its sound on a sound
// device of its own. Play returns when the movie has ended, when Escape or
// the space bar skipped it (noticed within 20 ms of the clock), or when a
// quit message arrived (it is posted again for the frame loop). Other
// messages are handed to the caller while the movie plays.

#include "WindowMessage.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace platform {

class Window;

// Where the movie goes: the whole picture the window shows and the
// rectangle inside it.
struct MovieScreen {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    int areaWidth = 0;
    int areaHeight = 0;
};

struct MovieHooks {
    // Every message that neither skips the movie nor quits.
    std::function<void(const WindowMessage&)> dispatch;
    // After each picture presented (screenshots of scripted runs).
    std::function<void()> presented;
};

class VideoPlayer {
public:
    virtual ~VideoPlayer() = default;

    // False, with the reason in `error`, when the bytes cannot be opened or
    // decoded as a movie (a movie broken half-way plays up to the break).
    virtual bool Play(std::span<const std::uint8_t> movie, const MovieScreen& screen, Window& window,
                      const MovieHooks& hooks, std::string& error) = 0;
};

} // namespace platform
