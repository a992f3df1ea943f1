#pragma once

#include "VideoPlayer.h"

namespace platform {

// Accepts any movie file that can be opened and ends it at once: the game
// keeps its movie contract (a missing file is refused) until a decoder for
// our movie format joins the platform.
class FileVideoPlayer final : public VideoPlayer {
public:
    bool Play(const std::string& hostPath, int x, int y, int width, int height, Window& window) override;
};

} // namespace platform
