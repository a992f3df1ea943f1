#include "Image.h"

#include "DirectDraw.h"
#include "MaskBits.h"
#include "app/Debug.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

bool IsKnownDepth(int depth)
{
    return depth == 1 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
}

std::uint32_t MakeColor(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return (red << 16) | (green << 8) | blue;
}

} // namespace

Image::~Image() = default;

std::uint8_t* Image::GetData()
{
    return data.data();
}

std::uint8_t* Image::GetPalette()
{
    return palette.empty() ? nullptr : palette.data();
}

void Image::SetData(std::vector<std::uint8_t> newData)
{
    data = std::move(newData);
}

std::size_t Image::ComputeDataSize(int width, int height, int depth)
{
    if (width <= 0 || height <= 0 || depth <= 0)
        return 0;
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (depth == 1)
        return (pixels + 7) / 8;
    return pixels * static_cast<std::size_t>(depth) / 8;
}

bool Image::Create(int newWidth, int newHeight, int newDepth, bool clear)
{
    data.clear();
    palette.clear();
    encoded = false;
    encodedSize = 0;
    width = height = depth = 0;
    if (newWidth <= 0 || newHeight <= 0 || newWidth > maximumSide || newHeight > maximumSide ||
        !IsKnownDepth(newDepth)) {
        LogError("Image::Create: Refused an image of %d x %d pixels at %d bits.\n", newWidth, newHeight, newDepth);
        return false;
    }
    width = newWidth;
    height = newHeight;
    depth = newDepth;
    // A vector always starts zeroed; `clear` only says the caller relies on it.
    (void)clear;
    data.assign(ComputeDataSize(width, height, depth), 0);
    if (depth == 8) {
        palette.resize(paletteSize);
        for (int i = 0; i < paletteEntries; ++i) {
            const auto grey = static_cast<std::uint8_t>(i);
            palette[i * 4 + 0] = grey;
            palette[i * 4 + 1] = grey;
            palette[i * 4 + 2] = grey;
            palette[i * 4 + 3] = 0;
        }
    }
    return !data.empty();
}

void Image::SetPalette(const std::uint8_t* newPalette)
{
    if (depth != 8 || newPalette == nullptr)
        return;
    palette.assign(newPalette, newPalette + paletteSize);
}

int Image::FindPaletteIndex(std::uint32_t color) const
{
    if (palette.empty())
        return 0;
    const auto blue = static_cast<std::uint8_t>(color);
    const auto green = static_cast<std::uint8_t>(color >> 8);
    const auto red = static_cast<std::uint8_t>(color >> 16);
    for (int i = 0; i < paletteEntries; ++i) {
        const std::uint8_t* entry = &palette[i * 4];
        if (entry[0] == blue && entry[1] == green && entry[2] == red)
            return i;
    }
    return 0;
}

const std::uint8_t* Image::PixelAddress(int x, int y) const
{
    if (encoded || x < 0 || y < 0 || x >= width || y >= height || depth < 8)
        return nullptr;
    const std::size_t bytesPerPixel = static_cast<std::size_t>(depth / 8);
    const std::size_t offset = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * bytesPerPixel;
    // SetData may have handed in a shorter buffer than the size says.
    if (offset + bytesPerPixel > data.size())
        return nullptr;
    return data.data() + offset;
}

std::uint8_t* Image::PixelAddress(int x, int y)
{
    return const_cast<std::uint8_t*>(std::as_const(*this).PixelAddress(x, y));
}

std::uint32_t Image::GetPixel(int x, int y) const
{
    if (depth == 1) {
        if (encoded || x < 0 || y < 0 || x >= width || y >= height)
            return 0;
        const std::size_t bit = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
        if (bit / 8 >= data.size())
            return 0;
        return IsMaskBitSet(data.data(), bit) ? 0x000000 : 0xFFFFFF;
    }
    if (depth != 8 && depth != 16 && depth != 24 && depth != 32) {
        LogError("Unsuported image depth(%d). GetPixel() failed.\n", depth);
        return 0;
    }
    const std::uint8_t* pixel = PixelAddress(x, y);
    if (pixel == nullptr)
        return 0;
    const DirectDraw& display = DirectDraw::GetInstance();
    switch (depth) {
    case 8: {
        if (palette.empty())
            return 0;
        const std::uint8_t* entry = &palette[static_cast<std::size_t>(*pixel) * 4];
        return MakeColor(entry[2], entry[1], entry[0]);
    }
    case 16: {
        std::uint16_t value;
        std::memcpy(&value, pixel, sizeof(value));
        return MakeColor(((value & display.GetMaskR()) >> display.GetShiftR()) << 3,
                         ((value & display.GetMaskG()) >> display.GetShiftG()) << 3,
                         ((value & display.GetMaskB()) >> display.GetShiftB()) << 3);
    }
    case 24:
        return MakeColor(pixel[2], pixel[1], pixel[0]);
    default: {
        std::uint32_t value;
        std::memcpy(&value, pixel, sizeof(value));
        return MakeColor((value & display.GetMaskR()) >> display.GetShiftR(),
                         (value & display.GetMaskG()) >> display.GetShiftG(),
                         (value & display.GetMaskB()) >> display.GetShiftB());
    }
    }
}

void Image::SetPixel(int x, int y, std::uint32_t color)
{
    if (encoded)
        return;
    const std::uint32_t red = (color >> 16) & 0xFF;
    const std::uint32_t green = (color >> 8) & 0xFF;
    const std::uint32_t blue = color & 0xFF;
    if (depth == 1) {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        const std::size_t bit = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
        if (bit / 8 >= data.size())
            return;
        SetMaskBit(data.data(), bit, !(red != 0 && green != 0 && blue != 0));
        return;
    }
    if (depth != 8 && depth != 16 && depth != 24 && depth != 32) {
        LogError("Unsuported image depth. GetPixel() failed.\n");
        return;
    }
    std::uint8_t* pixel = PixelAddress(x, y);
    if (pixel == nullptr)
        return;
    const DirectDraw& display = DirectDraw::GetInstance();
    switch (depth) {
    case 8:
        *pixel = static_cast<std::uint8_t>(FindPaletteIndex(color));
        break;
    case 16: {
        const auto value = static_cast<std::uint16_t>(display.ToScreenPixel(color));
        std::memcpy(pixel, &value, sizeof(value));
        break;
    }
    case 24:
        // Masks of 24-bit images (a JPEG on a 24-bit screen) have to reach
        // their pixels too; the byte order is the one GetPixel reads.
        pixel[0] = static_cast<std::uint8_t>(blue);
        pixel[1] = static_cast<std::uint8_t>(green);
        pixel[2] = static_cast<std::uint8_t>(red);
        break;
    default: {
        const std::uint32_t value = ((red << display.GetShiftR()) & display.GetMaskR()) |
                                    ((green << display.GetShiftG()) & display.GetMaskG()) |
                                    ((blue << display.GetShiftB()) & display.GetMaskB());
        std::memcpy(pixel, &value, sizeof(value));
        break;
    }
    }
}

void Image::SetEncoded(bool isEncoded, int size)
{
    encoded = isEncoded;
    encodedSize = isEncoded ? size : 0;
}

std::unique_ptr<Image> Image::Clone() const
{
    auto copy = std::make_unique<Image>();
    copy->width = width;
    copy->height = height;
    copy->depth = depth;
    copy->encoded = encoded;
    copy->encodedSize = encodedSize;
    copy->data = data;
    copy->palette = palette;
    return copy;
}

void Image::MirrorHorizontal()
{
    if (encoded || data.empty())
        return;
    if (depth == 1) {
        // Bits do not fall on byte borders, so go pixel by pixel.
        auto mirrored = std::make_unique<Image>();
        if (!mirrored->Create(width, height, 1, true))
            return;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                mirrored->Image::SetPixel(width - 1 - x, y, Image::GetPixel(x, y));
        data = std::move(mirrored->data);
        return;
    }
    const std::size_t bytesPerPixel = static_cast<std::size_t>(depth / 8);
    const std::size_t rowSize = static_cast<std::size_t>(width) * bytesPerPixel;
    if (data.size() < rowSize * static_cast<std::size_t>(height))
        return;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = data.data() + static_cast<std::size_t>(y) * rowSize;
        for (std::size_t left = 0, right = rowSize - bytesPerPixel; left < right; left += bytesPerPixel, right -= bytesPerPixel)
            std::swap_ranges(row + left, row + left + bytesPerPixel, row + right);
    }
}
