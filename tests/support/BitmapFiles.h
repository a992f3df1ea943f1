#pragma once

// Bitmap files made in memory for tests and benchmarks: uncompressed,
// bottom-up, rows padded to four bytes, as the game's art is stored.

#include <cstdint>
#include <string>
#include <vector>

namespace bitmap_files {

inline void PutLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Headers and palette of a file whose rows are `rowBytes` long (padding
// included).
inline std::string BitmapHeaders(int width, int height, int bits, const std::vector<std::uint32_t>& palette, int rowBytes)
{
    const std::uint32_t offset = 54 + static_cast<std::uint32_t>(palette.size()) * 4;
    std::string bytes = "BM";
    PutLittleEndian(bytes, offset + static_cast<std::uint32_t>(rowBytes * height), 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, offset, 4);
    for (const std::uint32_t field : {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)})
        PutLittleEndian(bytes, field, 4);
    PutLittleEndian(bytes, 1, 2);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(bits), 2);
    for (int field = 0; field < 6; ++field)
        PutLittleEndian(bytes, 0, 4);
    for (const std::uint32_t colour : palette)
        PutLittleEndian(bytes, colour & 0x00FFFFFF, 4); // blue, green, red, 0
    return bytes;
}

// An 8-bit picture: palette indices top-down and up to 256 colours 0xRRGGBB.
inline std::string Bitmap8(int width, int height, const std::vector<std::uint8_t>& indices,
                           std::vector<std::uint32_t> palette)
{
    palette.resize(256, 0x00FF00FF);
    const int rowBytes = (width + 3) & ~3;
    std::string bytes = BitmapHeaders(width, height, 8, palette, rowBytes);
    for (int y = height - 1; y >= 0; --y) {
        bytes.append(reinterpret_cast<const char*>(indices.data()) + static_cast<std::size_t>(y) * width,
                     static_cast<std::size_t>(width));
        bytes.append(static_cast<std::size_t>(rowBytes - width), '\0');
    }
    return bytes;
}

// A 24-bit picture of colours 0xRRGGBB, top-down.
inline std::string Bitmap24(int width, int height, const std::vector<std::uint32_t>& colours)
{
    const int rowBytes = (width * 3 + 3) & ~3;
    std::string bytes = BitmapHeaders(width, height, 24, {}, rowBytes);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            PutLittleEndian(bytes, colours[static_cast<std::size_t>(y) * width + x], 3);
        bytes.append(static_cast<std::size_t>(rowBytes - width * 3), '\0');
    }
    return bytes;
}

} // namespace bitmap_files
