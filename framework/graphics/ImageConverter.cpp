#include "ImageConverter.h"

#include "DirectDraw.h"
#include "app/Debug.h"
#include "platform/Platform.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

void ShowErrorBox(const char* text)
{
    LogError("%s\n", text);
    platform::ShowMessageBox("ERROR", text);
}

// Plain pixels whose buffer really holds what the size says (an 8-bit one
// with its palette).
bool HasWholeBuffer(const Image& image)
{
    return !image.IsEncoded() &&
           image.GetBufferSize() >= Image::ComputeDataSize(image.GetWidth(), image.GetHeight(), image.GetDepth()) &&
           (image.GetDepth() != 8 || image.GetPalette() != nullptr);
}

std::size_t PixelCount(const Image& image)
{
    return static_cast<std::size_t>(image.GetWidth()) * static_cast<std::size_t>(image.GetHeight());
}

// Pixel `pixel` of an 8- or 24-bit source as blue, green, red bytes.
const std::uint8_t* SourceBlueGreenRed(const Image& image, std::size_t pixel)
{
    if (image.GetDepth() == 8)
        return image.GetPalette() + static_cast<std::size_t>(image.GetData()[pixel]) * 4;
    return image.GetData() + pixel * 3;
}

// Colour indices that stay inside a pixel of `bytes` bytes; anything else
// falls back to the usual blue, green, red order.
std::array<int, 3> ChannelIndices(int bytes)
{
    const DirectDraw& display = DirectDraw::GetInstance();
    std::array<int, 3> indices = {display.GetColorIndexR(), display.GetColorIndexG(), display.GetColorIndexB()};
    for (int index : indices)
        if (index < 0 || index >= bytes)
            return {2, 1, 0};
    return indices;
}

// Places the channel bytes of an 8- or 24-bit source at the colour indices.
std::unique_ptr<Image> PlaceChannelBytes(const Image& source, int depth)
{
    const int bytes = depth / 8;
    const std::array<int, 3> indices = ChannelIndices(bytes);
    auto result = std::make_unique<Image>();
    if (!result->Create(source.GetWidth(), source.GetHeight(), depth, true))
        return nullptr;
    std::uint8_t* out = result->GetData();
    const std::size_t count = PixelCount(source);
    for (std::size_t pixel = 0; pixel < count; ++pixel) {
        const std::uint8_t* bgr = SourceBlueGreenRed(source, pixel);
        std::uint8_t* target = out + pixel * static_cast<std::size_t>(bytes);
        target[indices[0]] = bgr[2];
        target[indices[1]] = bgr[1];
        target[indices[2]] = bgr[0];
    }
    return result;
}

} // namespace

std::uint32_t ImageConverter::NextDitherValue()
{
    ditherState = (ditherState & 1u) * 371945u - (ditherState >> 1) * 94325u;
    return ditherState;
}

std::unique_ptr<Image> ImageConverter::ConvertToScreenFormat(std::unique_ptr<Image> image)
{
    if (!image)
        return image;
    switch (DirectDraw::GetInstance().GetDepth()) {
    case 16:
        return ConvertTo16Bit(std::move(image));
    case 24:
        return ConvertTo24Bit(std::move(image));
    case 32:
        return ConvertTo32Bit(std::move(image));
    default:
        ShowErrorBox("not supported screen depth");
        return image;
    }
}

std::unique_ptr<Image> ImageConverter::ConvertTo16Bit(std::unique_ptr<Image> image)
{
    if (image->GetDepth() == 16 && !image->IsEncoded())
        return image;
    if ((image->GetDepth() != 8 && image->GetDepth() != 24) || !HasWholeBuffer(*image)) {
        ShowErrorBox("ImageConverter::ConvertTo16Bit: illegal source image");
        return image;
    }
    const DirectDraw& display = DirectDraw::GetInstance();
    const int shiftR = display.GetShiftR();
    const int shiftG = display.GetShiftG();
    const int shiftB = display.GetShiftB();
    auto result = std::make_unique<Image>();
    if (!result->Create(image->GetWidth(), image->GetHeight(), 16, true))
        return image;
    auto* out = result->GetData();
    const auto store = [out](std::size_t pixel, std::uint32_t value) {
        const auto value16 = static_cast<std::uint16_t>(value);
        std::memcpy(out + pixel * 2, &value16, sizeof(value16));
    };

    if (image->GetDepth() == 8) {
        std::array<std::uint32_t, Image::paletteEntries> table;
        const std::uint8_t* palette = image->GetPalette();
        for (int i = 0; i < Image::paletteEntries; ++i) {
            const std::uint8_t* entry = palette + i * 4;
            table[static_cast<std::size_t>(i)] = display.ToScreenPixel(static_cast<std::uint32_t>(entry[2]) << 16 |
                                                                       static_cast<std::uint32_t>(entry[1]) << 8 | entry[0]);
        }
        const std::uint8_t* indices = image->GetData();
        const std::size_t count = PixelCount(*image);
        for (std::size_t pixel = 0; pixel < count; ++pixel)
            store(pixel, table[indices[pixel]]);
        return result;
    }

    // The part of each channel below five bits is carried on to the next
    // pixel of the row; each row starts from fresh generator values so that
    // no pattern of columns shows.
    const std::uint8_t* pixels = image->GetData();
    const int width = image->GetWidth();
    for (int y = 0; y < image->GetHeight(); ++y) {
        std::uint32_t carryRed = NextDitherValue() & 7u;
        std::uint32_t carryGreen = NextDitherValue() & 7u;
        std::uint32_t carryBlue = NextDitherValue() & 7u;
        const auto quantise = [](std::uint32_t channel, std::uint32_t& carry) {
            std::uint32_t level = channel >> 3;
            carry += channel & 7u;
            if (carry > 7) {
                level = std::min(level + 1, 31u);
                carry -= 8;
            }
            return level;
        };
        for (int x = 0; x < width; ++x) {
            const std::size_t pixel = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
            const std::uint8_t* bgr = pixels + pixel * 3;
            const std::uint32_t red = quantise(bgr[2], carryRed);
            const std::uint32_t green = quantise(bgr[1], carryGreen);
            const std::uint32_t blue = quantise(bgr[0], carryBlue);
            store(pixel, (red << shiftR) | (green << shiftG) | (blue << shiftB));
        }
    }
    return result;
}

std::unique_ptr<Image> ImageConverter::ConvertTo24Bit(std::unique_ptr<Image> image)
{
    if (!image)
        return image;
    if ((image->GetDepth() != 8 && image->GetDepth() != 24) || !HasWholeBuffer(*image)) {
        ShowErrorBox("ImageConverter::ConvertTo24Bit: illegal source image");
        return image;
    }
    std::unique_ptr<Image> result = PlaceChannelBytes(*image, 24);
    return result ? std::move(result) : std::move(image);
}

std::unique_ptr<Image> ImageConverter::ConvertTo32Bit(std::unique_ptr<Image> image)
{
    if (image->GetDepth() == 32 && !image->IsEncoded())
        return image;
    if ((image->GetDepth() != 8 && image->GetDepth() != 24) || !HasWholeBuffer(*image)) {
        ShowErrorBox("ImageConverter::ConvertTo32Bit: illegal source image");
        return image;
    }
    std::unique_ptr<Image> result = PlaceChannelBytes(*image, 32);
    return result ? std::move(result) : std::move(image);
}

std::unique_ptr<Image> ImageConverter::ConvertTo8BitAlpha(std::unique_ptr<Image> image)
{
    if (!image)
        return image;
    if ((image->GetDepth() != 8 && image->GetDepth() != 24) || !HasWholeBuffer(*image)) {
        ShowErrorBox("ImageConverter::ConvertTo8BitAlpha: illegal source image");
        return image;
    }
    auto result = std::make_unique<Image>();
    if (!result->Create(image->GetWidth(), image->GetHeight(), 8, true))
        return image;
    std::uint8_t* out = result->GetData();
    const std::size_t count = PixelCount(*image);
    for (std::size_t pixel = 0; pixel < count; ++pixel) {
        const std::uint8_t* bgr = SourceBlueGreenRed(*image, pixel);
        out[pixel] = static_cast<std::uint8_t>((bgr[0] + bgr[1] + bgr[2]) / 3);
    }
    return result;
}
