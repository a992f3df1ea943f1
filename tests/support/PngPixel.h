#pragma once

// The colour of a picture that is one pixel large, read from a PNG file
// through libpng (not through the code that wrote it); nothing when the
// file is missing, unreadable or of another size.

#include <png.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

inline std::optional<std::array<std::uint8_t, 3>> ReadOnePixelPng(const std::string& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0)
        return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    std::array<std::uint8_t, 3> rgb{};
    if (image.width * image.height != 1u) {
        png_image_free(&image);
        return std::nullopt;
    }
    if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0)
        return std::nullopt;
    return rgb;
}
