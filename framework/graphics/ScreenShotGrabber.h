#pragma once

#include "Image.h"
#include "app/Singleton.h"

#include <memory>

// The small picture stored with a savegame: the band of the canvas (rows 128
// to 639) at a quarter of its size, 256 x 128 pixels of 24 bits.
class ScreenShotGrabber : public Singleton<ScreenShotGrabber> {
public:
    std::unique_ptr<Image> GrabScreen();
};
