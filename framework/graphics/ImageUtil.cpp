#include "ImageUtil.h"

#include "DirectDraw.h"
#include "app/Debug.h"
#include "files/File.h"
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

bool IsMagenta(std::uint8_t blue, std::uint8_t green, std::uint8_t red)
{
    return red >= 240 && green < 8 && blue >= 240;
}

// Lifts near-black off black and turns magenta black; `lift` is the level
// near-black becomes (16 for palettes, 8 for 24-bit pixels).
void RemapColor(std::uint8_t* bgr, std::uint8_t lift)
{
    if (bgr[2] < lift && bgr[1] < lift && bgr[0] < lift) {
        bgr[0] = bgr[1] = bgr[2] = lift;
    } else if (IsMagenta(bgr[0], bgr[1], bgr[2])) {
        bgr[0] = bgr[1] = bgr[2] = 0;
    }
}

bool IsEncoded8Bit(const Image& image)
{
    return image.IsEncoded() && image.GetDepth() == 8 && image.GetPalette() != nullptr && image.GetWidth() > 0 &&
           image.GetHeight() > 0;
}

} // namespace

bool ImageUtil::RemapTransparentColor(Image& image)
{
    if (image.GetDepth() == 8 && image.GetPalette() != nullptr) {
        std::uint8_t* palette = image.GetPalette();
        for (int i = 0; i < Image::paletteEntries; ++i)
            RemapColor(palette + i * 4, 16);
        return true;
    }
    if (image.GetDepth() == 24 && !image.IsEncoded()) {
        const std::size_t size = std::min(Image::ComputeDataSize(image.GetWidth(), image.GetHeight(), 24), image.GetBufferSize());
        std::uint8_t* pixels = image.GetData();
        for (std::size_t offset = 0; offset + 3 <= size; offset += 3)
            RemapColor(pixels + offset, 8);
        return true;
    }
    ShowErrorBox("ImageUtil::RemapTransparentColor: unsupported depth");
    return false;
}

bool ImageUtil::RemapTransparentColorAlpha(Image& image)
{
    if (image.GetDepth() != 8 || image.GetPalette() == nullptr) {
        LogWarning("ImageUtil::RemapTransparentColorAlpha: Only 8Bit Images allowed!\n");
        return false;
    }
    std::uint8_t* palette = image.GetPalette();
    for (int i = 0; i < Image::paletteEntries; ++i) {
        std::uint8_t* entry = palette + i * 4;
        if (IsMagenta(entry[0], entry[1], entry[2]))
            entry[0] = entry[1] = entry[2] = 0;
    }
    return true;
}

bool ImageUtil::ApplyMask(Image& image, const Image& mask)
{
    if (mask.GetDepth() != 1 || mask.GetWidth() != image.GetWidth() || mask.GetHeight() != image.GetHeight()) {
        LogError("Mask size must fit image size.\n");
        return false;
    }
    // Qualified calls: bound at compile time, no virtual call per pixel.
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (mask.Image::GetPixel(x, y) == 0)
                image.Image::SetPixel(x, y, 0);
    return true;
}

bool ImageUtil::CopyRect(const Image& source, Image& destination, const ImageRect& sourceRect, int destinationX,
                         int destinationY)
{
    if (source.GetDepth() == 1 && destination.GetDepth() != 1) {
        LogError("source Image depth of 1 is not supported.\n");
        if (platform::Platform* host = platform::Platform::Get())
            host->GetWindow().PostQuitMessage(1);
        return false;
    }
    if (source.GetDepth() != destination.GetDepth()) {
        LogError("Image depths are different. Cant copy.\n");
        return false;
    }
    const int width = sourceRect.GetWidth();
    const int height = sourceRect.GetHeight();
    const bool insideSource = sourceRect.left >= 0 && sourceRect.top >= 0 && width > 0 && height > 0 &&
                              sourceRect.right < source.GetWidth() && sourceRect.bottom < source.GetHeight();
    const bool insideDestination = destinationX >= 0 && destinationY >= 0 && width <= destination.GetWidth() - destinationX &&
                                   height <= destination.GetHeight() - destinationY;
    if (!insideSource || !insideDestination || source.IsEncoded() || destination.IsEncoded()) {
        LogError("Src image rect dimensions do not fit to destination.\n");
        return false;
    }
    if (destination.GetDepth() == 1) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                destination.Image::SetPixel(destinationX + x, destinationY + y,
                                            source.Image::GetPixel(sourceRect.left + x, sourceRect.top + y));
        return true;
    }
    const std::size_t bytesPerPixel = static_cast<std::size_t>(source.GetDepth() / 8);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * bytesPerPixel;
    if (source.GetBufferSize() < Image::ComputeDataSize(source.GetWidth(), source.GetHeight(), source.GetDepth()) ||
        destination.GetBufferSize() < Image::ComputeDataSize(destination.GetWidth(), destination.GetHeight(), destination.GetDepth())) {
        LogError("Src image rect dimensions do not fit to destination.\n");
        return false;
    }
    for (int y = 0; y < height; ++y) {
        const std::size_t from = (static_cast<std::size_t>(sourceRect.top + y) * static_cast<std::size_t>(source.GetWidth()) +
                                  static_cast<std::size_t>(sourceRect.left)) * bytesPerPixel;
        const std::size_t to = (static_cast<std::size_t>(destinationY + y) * static_cast<std::size_t>(destination.GetWidth()) +
                                static_cast<std::size_t>(destinationX)) * bytesPerPixel;
        std::memcpy(destination.GetData() + to, source.GetData() + from, rowBytes);
    }
    return true;
}

std::unique_ptr<Image> ImageUtil::CopyToNewImage(const Image& source, const ImageRect& rectangle)
{
    auto copy = std::make_unique<Image>();
    if (!copy->Create(rectangle.GetWidth(), rectangle.GetHeight(), source.GetDepth(), true))
        return nullptr;
    if (source.GetPalette() != nullptr)
        copy->SetPalette(source.GetPalette());
    if (!CopyRect(source, *copy, rectangle, 0, 0))
        return nullptr;
    return copy;
}

ImageRect ImageUtil::GetBoundingRect(const Image& image)
{
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    ImageRect box{width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (image.Image::GetPixel(x, y) == 0)
                continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    }
    if (box.right < 0)
        return {width / 2, height / 2, width / 2, height / 2};
    return box;
}

int ImageUtil::FindRunStart(const Image& image, int x, int y)
{
    const int width = image.GetWidth();
    for (int start = std::max(x, 0); start + minimumRunPixels <= width; ++start) {
        const std::uint32_t color = image.Image::GetPixel(start, y);
        int equal = 1;
        while (equal < minimumRunPixels && image.Image::GetPixel(start + equal, y) == color)
            ++equal;
        if (equal == minimumRunPixels)
            return start;
    }
    return width;
}

bool ImageUtil::RunLengthEncode(Image& image)
{
    if (image.IsEncoded())
        return true;
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    const int depth = image.GetDepth();
    if (depth < 8 || image.GetBufferSize() < Image::ComputeDataSize(width, height, depth) || width <= 0 || height <= 0) {
        LogError("ImageUtil::RunLengthEncode: Cannot encode an image of depth %d.\n", depth);
        return false;
    }
    const std::size_t bytesPerPixel = static_cast<std::size_t>(depth / 8);
    const std::uint8_t* pixels = image.GetData();
    const auto pixelAt = [&](int x, int y) {
        return pixels + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * bytesPerPixel;
    };
    std::vector<std::uint8_t> packets;
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            const int runStart = FindRunStart(image, x, y);
            while (x < runStart) {
                const int count = std::min(runStart - x, maximumPacketPixels);
                packets.push_back(static_cast<std::uint8_t>(-count));
                packets.insert(packets.end(), pixelAt(x, y), pixelAt(x, y) + static_cast<std::size_t>(count) * bytesPerPixel);
                x += count;
            }
            if (runStart < width) {
                const std::uint8_t* first = pixelAt(runStart, y);
                int count = 1;
                while (count < maximumPacketPixels && runStart + count < width &&
                       std::memcmp(pixelAt(runStart + count, y), first, bytesPerPixel) == 0)
                    ++count;
                packets.push_back(static_cast<std::uint8_t>(count));
                packets.insert(packets.end(), first, first + bytesPerPixel);
                x = runStart + count;
            }
        }
    }
    const auto size = static_cast<int>(packets.size());
    image.SetData(std::move(packets));
    image.SetEncoded(true, size);
    return true;
}

bool ImageUtil::IsValidRunLengthData(std::span<const std::uint8_t> data, int width, int height, int bytesPerPixel)
{
    if (width <= 0 || height <= 0 || bytesPerPixel <= 0)
        return false;
    RunLengthRowReader reader(data, bytesPerPixel);
    for (int y = 0; y < height; ++y)
        if (!reader.ReadRow(width, [](int, int, const std::uint8_t*, bool) {}))
            return false;
    return reader.AtEnd();
}

std::vector<std::uint32_t> ImageUtil::FindRowStarts(std::span<const std::uint8_t> data, int width, int height, int bytesPerPixel)
{
    std::vector<std::uint32_t> starts;
    if (width <= 0 || height <= 0 || bytesPerPixel <= 0 || data.size() > UINT32_MAX)
        return starts;
    starts.reserve(static_cast<std::size_t>(height));
    RunLengthRowReader reader(data, bytesPerPixel);
    for (int y = 0; y < height; ++y) {
        starts.push_back(static_cast<std::uint32_t>(reader.Position()));
        if (!reader.ReadRow(width, [](int, int, const std::uint8_t*, bool) {}))
            return {};
    }
    return starts;
}

std::span<const std::uint8_t> ImageUtil::EncodedData(const Image& image)
{
    const std::size_t size = std::min(static_cast<std::size_t>(std::max(image.GetEncodedSize(), 0)), image.GetBufferSize());
    return {image.GetData(), size};
}

std::array<std::uint32_t, Image::paletteEntries> ImageUtil::DecodedColours(const Image& image, bool withAlphaMap,
                                                                          const std::uint32_t* tint)
{
    const bool roundForSixteenBit = DirectDraw::GetInstance().GetDepth() == 16;
    std::array<std::uint32_t, Image::paletteEntries> colours{};
    const std::uint8_t* palette = image.GetPalette();
    if (palette == nullptr)
        return colours;
    for (int i = 0; i < Image::paletteEntries; ++i) {
        std::uint32_t blue = palette[i * 4 + 0];
        std::uint32_t green = palette[i * 4 + 1];
        std::uint32_t red = palette[i * 4 + 2];
        const std::uint32_t fourth = palette[i * 4 + 3];
        const bool black = red == 0 && green == 0 && blue == 0;
        if (roundForSixteenBit && !black) {
            blue = std::min(255u, (blue + 4) & ~7u);
            green = std::min(255u, (green + 4) & ~7u);
            red = std::min(255u, (red + 4) & ~7u);
        }
        if (tint != nullptr) {
            red = (red * (*tint & 0xFF)) >> 8;
            green = (green * ((*tint >> 8) & 0xFF)) >> 8;
            blue = (blue * ((*tint >> 16) & 0xFF)) >> 8;
        }
        const std::uint32_t alphaValue = withAlphaMap ? fourth : (black ? 0 : 255);
        colours[static_cast<std::size_t>(i)] = (alphaValue << 24) | (red << 16) | (green << 8) | blue;
    }
    return colours;
}

std::array<std::uint8_t, Image::paletteEntries> ImageUtil::AlphaLevels(const Image& alpha)
{
    std::array<std::uint8_t, Image::paletteEntries> levels{};
    if (const std::uint8_t* palette = alpha.GetPalette())
        for (int i = 0; i < Image::paletteEntries; ++i)
            levels[static_cast<std::size_t>(i)] = palette[i * 4];
    return levels;
}

bool ImageUtil::RunLengthDecode(const Image& image, const Image* alpha, std::span<std::uint32_t> destination)
{
    return Decode(image, alpha, destination, nullptr);
}

bool ImageUtil::RunLengthDecodeTinted(const Image& image, const Image* alpha, std::span<std::uint32_t> destination,
                                      std::uint32_t tint)
{
    return Decode(image, alpha, destination, &tint);
}

bool ImageUtil::Decode(const Image& image, const Image* alpha, std::span<std::uint32_t> destination, const std::uint32_t* tint)
{
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    if (!IsEncoded8Bit(image) || (alpha != nullptr && (!IsEncoded8Bit(*alpha) || alpha->GetWidth() != width ||
                                                      alpha->GetHeight() != height)) ||
        destination.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        LogError("ImageUtil::RunLengthDecode: Needs encoded 8-bit images of one size and room for their pixels.\n");
        return false;
    }

    const std::array<std::uint32_t, Image::paletteEntries> colours = DecodedColours(image, alpha != nullptr, tint);
    std::array<std::uint32_t, Image::paletteEntries> alphas{};
    if (alpha != nullptr) {
        const auto levels = AlphaLevels(*alpha);
        for (std::size_t i = 0; i < levels.size(); ++i)
            alphas[i] = static_cast<std::uint32_t>(levels[i]) << 24;
    }

    RunLengthRowReader colourReader(EncodedData(image), 1);
    RunLengthRowReader alphaReader(alpha != nullptr ? EncodedData(*alpha) : std::span<const std::uint8_t>(), 1);
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = destination.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        const bool colourFits = colourReader.ReadRow(width, [&](int x, int count, const std::uint8_t* indices, bool run) {
            if (run) {
                std::fill_n(row + x, count, colours[*indices]);
                return;
            }
            for (int i = 0; i < count; ++i)
                row[x + i] = colours[indices[i]];
        });
        const bool alphaFits = alpha == nullptr || alphaReader.ReadRow(width, [&](int x, int count, const std::uint8_t* indices, bool run) {
            for (int i = 0; i < count; ++i)
                row[x + i] = (row[x + i] & 0x00FFFFFF) | alphas[run ? *indices : indices[i]];
        });
        if (!colourFits || !alphaFits) {
            LogError("ImageUtil::RunLengthDecode: The encoded data of row %d does not fit the image.\n", y);
            return false;
        }
    }
    return true;
}

bool ImageUtil::ReadWholeFile(File& file, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    const int size = file.GetSize();
    if (size < 0)
        return false;
    file.Seek(0, SEEK_SET);
    bytes.resize(static_cast<std::size_t>(size));
    if (size > 0 && file.Read(bytes.data(), size) != size) {
        bytes.clear();
        return false;
    }
    return true;
}
