#pragma once

// Reading the pixels of the images the game's loaders give the tests.

#include "graphics/Image.h"

#include <cstddef>
#include <cstdint>

// 0xRRGGBB of pixel (x, y) of a 24-bit image, whose pixels are stored
// blue, green, red from the top row down.
inline std::uint32_t Rgb24(const Image& image, int x, int y)
{
    const std::uint8_t* pixel =
        image.GetData() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.GetWidth()) +
                           static_cast<std::size_t>(x)) * 3;
    return (std::uint32_t{pixel[2]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[0];
}
