#include "PngWriter.h"

#include <png.h>

#include <cstring>
#include <vector>

bool WritePng(const std::string& hostPath, const platform::Picture& picture)
{
    const auto pixelCount = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    if (picture.width <= 0 || picture.height <= 0 || picture.pixels.size() != pixelCount)
        return false;

    std::vector<unsigned char> rgb(pixelCount * 3);
    for (std::size_t index = 0; index < pixelCount; ++index) {
        const std::uint32_t pixel = picture.pixels[index];
        rgb[index * 3 + 0] = static_cast<unsigned char>(pixel >> 16);
        rgb[index * 3 + 1] = static_cast<unsigned char>(pixel >> 8);
        rgb[index * 3 + 2] = static_cast<unsigned char>(pixel);
    }

    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGB;
    const bool written = png_image_write_to_file(&image, hostPath.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return written;
}
