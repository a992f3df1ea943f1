#pragma once

// A still sprite's picture, kept so that the screen's format can be made
// from it again at any time, also after the display changed its depth
// (the options page offers 16, 24 and 32 bits while the game runs). It is
// kept as loaded (8 bits with a palette, or 24 bits blue, green, red), so
// every depth gets the colours a fresh load would give; a picture handed in
// already in the screen's format (16 or 32 bits) is kept with that screen's
// layout, and read back to 24 bits once the depth changes.

#include "Image.h"
#include "ScreenPixels.h"

#include <memory>

class ScreenPicture {
public:
    void Keep(std::unique_ptr<Image> picture);
    const Image* Get() const { return picture.get(); }
    // A new image of the picture in the display's present format; null
    // without a picture or when it cannot be converted.
    std::unique_ptr<Image> MakeScreenImage();

private:
    std::unique_ptr<Image> picture;
    // The layout of the screen whose format a 16- or 32-bit picture is in.
    ScreenLayout layout;
};
