#pragma once

// Reading the pixels of the images the game's loaders give the tests.

#include "graphics/Image.h"
#include "graphics/SpriteLoaderUtil.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// 0xRRGGBB of pixel (x, y) of a 24-bit image, whose pixels are stored
// blue, green, red from the top row down.
inline std::uint32_t Rgb24(const Image& image, int x, int y)
{
    const std::uint8_t* pixel =
        image.GetData() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.GetWidth()) +
                           static_cast<std::size_t>(x)) * 3;
    return (std::uint32_t{pixel[2]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[0];
}

// A sprite's picture as the game sees it: the colour image after the
// loader's transparent-colour remap (black is clear) and, per pixel, how
// much of it covers what lies below. `basePath` in the game's form, without
// extension.
class ArtPixels {
public:
    explicit ArtPixels(const std::string& basePath)
        : colour(SpriteLoaderUtil::LoadImage(basePath, false)), alpha(SpriteLoaderUtil::LoadAlphaImage(basePath))
    {
    }

    bool Loaded() const { return colour != nullptr && colour->GetDepth() == 24; }
    bool HasAlpha() const { return alpha != nullptr; }
    int Width() const { return colour->GetWidth(); }
    int Height() const { return colour->GetHeight(); }

    // 0 (clear) to 255 (opaque); 0 outside the picture.
    int Coverage(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= Width() || y >= Height())
            return 0;
        if (alpha)
            return alpha->GetData()[static_cast<std::size_t>(y) * static_cast<std::size_t>(alpha->GetWidth()) +
                                    static_cast<std::size_t>(x)];
        return Rgb(x, y) == 0 ? 0 : 255;
    }

    // 0x00RRGGBB.
    std::uint32_t Rgb(int x, int y) const { return Rgb24(*colour, x, y); }

    // Perceived brightness, 0 to 255.
    double Luminance(int x, int y) const
    {
        const std::uint32_t rgb = Rgb(x, y);
        return 0.299 * ((rgb >> 16) & 0xFF) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * (rgb & 0xFF);
    }

private:
    std::unique_ptr<Image> colour;
    std::unique_ptr<Image> alpha;
};
