#pragma once

// Pictures read from PNG files through libpng (not through the code that
// wrote them), as 8-bit RGB rows; nothing when a file is missing or
// unreadable.

#include <png.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct PngPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // rows top to bottom, three bytes a pixel

    std::array<std::uint8_t, 3> At(int x, int y) const
    {
        const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
        return {rgb[at], rgb[at + 1], rgb[at + 2]};
    }
};

inline std::optional<PngPicture> ReadPng(const std::string& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0)
        return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    PngPicture picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) == 0)
        return std::nullopt;
    return picture;
}

// The colour of a picture that is one pixel large.
inline std::optional<std::array<std::uint8_t, 3>> ReadOnePixelPng(const std::string& path)
{
    const std::optional<PngPicture> picture = ReadPng(path);
    if (!picture || picture->width * picture->height != 1)
        return std::nullopt;
    return picture->At(0, 0);
}
