#pragma once

#include <string>

namespace platform {

class Window;

// Plays a movie file into a rectangle of the main window and returns when it
// has ended or the player skipped it with Escape or the space bar.
class VideoPlayer {
public:
    virtual ~VideoPlayer() = default;

    // False when the file cannot be opened as a movie.
    virtual bool Play(const std::string& hostPath, int x, int y, int width, int height, Window& window) = 0;
};

} // namespace platform
