#include "BmpLoader.h"

#include "ImageUtil.h"
#include "MaskBits.h"
#include "app/Debug.h"
#include "files/File.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::uint32_t ReadUint32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

std::uint16_t ReadUint16(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

void WriteUint32(std::uint8_t* bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void WriteUint16(std::uint8_t* bytes, std::uint16_t value)
{
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

// The fields of the two headers that the loader uses.
struct BitmapHeader {
    std::uint32_t dataOffset = 0;
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t usedColors = 0;
};

BitmapHeader ParseHeader(const std::uint8_t* bytes)
{
    BitmapHeader header;
    header.dataOffset = ReadUint32(bytes + 10);
    header.infoSize = ReadUint32(bytes + 14);
    header.width = static_cast<std::int32_t>(ReadUint32(bytes + 18));
    header.height = static_cast<std::int32_t>(ReadUint32(bytes + 22));
    header.bitsPerPixel = ReadUint16(bytes + 28);
    header.compression = ReadUint32(bytes + 30);
    header.usedColors = ReadUint32(bytes + 46);
    return header;
}

// Bytes of one row in the file, padding included.
std::size_t FileRowSize(int width, int bitsPerPixel)
{
    const auto w = static_cast<std::size_t>(width);
    switch (bitsPerPixel) {
    case 1:
        return ((w + 31) & ~std::size_t{31}) / 8;
    case 8:
        return (w + 3) & ~std::size_t{3};
    default:
        return w * 3 + (w & 3);
    }
}

std::unique_ptr<Image> Refuse(const char* path, const char* reason, BmpLoader::Result& result)
{
    LogError("BmpLoader::Load: Refused the bitmap <%s>: %s.\n", path, reason);
    result = BmpLoader::Result::Damaged;
    return nullptr;
}

[[noreturn]] void EndProcess()
{
    // The log is on disk line by line already; nothing else is worth saving.
    std::fflush(nullptr);
    std::_Exit(1);
}

} // namespace

std::unique_ptr<Image> BmpLoader::Load(const char* path)
{
    Result result = Result::Loaded;
    std::unique_ptr<Image> image = Read(path, result);
    if (result == Result::CannotOpen || result == Result::Unsupported)
        EndProcess();
    return image;
}

std::unique_ptr<Image> BmpLoader::Read(const char* path, Result& result)
{
    File file;
    std::vector<std::uint8_t> bytes;
    if (!file.Open(path, "rb") || !ImageUtil::ReadWholeFile(file, bytes)) {
        LogError("could not open %s!\n", path);
        result = Result::CannotOpen;
        return nullptr;
    }
    return Decode(bytes, path, result);
}

std::unique_ptr<Image> BmpLoader::Decode(std::span<const std::uint8_t> bytes, const char* path, Result& result)
{
    if (bytes.size() < static_cast<std::size_t>(headerSize))
        return Refuse(path, "shorter than the bitmap headers", result);
    const BitmapHeader header = ParseHeader(bytes.data());
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return Refuse(path, "no bitmap mark", result);
    if (header.compression != 0 || (header.bitsPerPixel != 1 && header.bitsPerPixel != 8 && header.bitsPerPixel != 24)) {
        LogError("Bitmap has to be 8 Bit or 24 Bit uncompressed (%s)\n", path);
        result = Result::Unsupported;
        return nullptr;
    }
    if (header.infoSize < static_cast<std::uint32_t>(infoHeaderSize) || header.infoSize > bytes.size() - fileHeaderSize)
        return Refuse(path, "bad information header size", result);
    if (header.width <= 0 || header.height <= 0)
        return Refuse(path, "width and height must be positive (top-down files are not read)", result);
    if (header.width > Image::maximumSide || header.height > Image::maximumSide)
        return Refuse(path, "too large", result);
    if (header.usedColors > static_cast<std::uint32_t>(Image::paletteEntries))
        return Refuse(path, "more used colours than a palette holds", result);

    std::size_t paletteEntries = header.bitsPerPixel == 8 ? 256 : header.bitsPerPixel == 1 ? 2 : 0;
    if (header.usedColors != 0)
        paletteEntries = header.usedColors;
    const std::size_t paletteOffset = fileHeaderSize + static_cast<std::size_t>(header.infoSize);
    const std::size_t paletteEnd = paletteOffset + paletteEntries * 4;
    if (paletteEnd > bytes.size())
        return Refuse(path, "the palette is cut off", result);
    if (header.dataOffset < paletteEnd || header.dataOffset > bytes.size())
        return Refuse(path, "bad pixel data offset", result);
    const std::size_t rowSize = FileRowSize(header.width, header.bitsPerPixel);
    if (rowSize * static_cast<std::size_t>(header.height) > bytes.size() - header.dataOffset)
        return Refuse(path, "the pixel data is cut off", result);

    auto image = std::make_unique<Image>();
    if (!image->Create(header.width, header.height, header.bitsPerPixel, true))
        return Refuse(path, "no memory for the pixels", result);
    if (header.bitsPerPixel == 8) {
        std::vector<std::uint8_t> palette(Image::paletteSize);
        for (int i = 0; i < Image::paletteEntries; ++i) {
            palette[i * 4 + 0] = 255;
            palette[i * 4 + 1] = 0;
            palette[i * 4 + 2] = 255;
            palette[i * 4 + 3] = 0;
        }
        std::memcpy(palette.data(), bytes.data() + paletteOffset, paletteEntries * 4);
        image->SetPalette(palette.data());
    }

    const int width = header.width;
    const int height = header.height;
    std::uint8_t* pixels = image->GetData();
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const std::uint8_t* from = bytes.data() + header.dataOffset + static_cast<std::size_t>(fileRow) * rowSize;
        const int y = height - 1 - fileRow;
        if (header.bitsPerPixel == 1) {
            // Rows of the Image are not padded, so the bits move.
            for (int x = 0; x < width; ++x) {
                const std::size_t bit = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
                if (IsMaskBitSet(from, static_cast<std::size_t>(x)))
                    SetMaskBit(pixels, bit, true);
            }
        } else {
            const std::size_t keep = static_cast<std::size_t>(width) * (header.bitsPerPixel / 8);
            std::memcpy(pixels + static_cast<std::size_t>(y) * keep, from, keep);
        }
    }
    result = Result::Loaded;
    return image;
}

bool BmpLoader::Save(const char* path, const Image& image)
{
    if (image.GetDepth() != 24 || image.IsEncoded() ||
        image.GetBufferSize() < Image::ComputeDataSize(image.GetWidth(), image.GetHeight(), 24)) {
        LogError("BmpLoader::Save: Image depth is not 24 bit. Can't safe.\n");
        return false;
    }
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    const std::size_t rowSize = (rowBytes + 3) & ~std::size_t{3};
    const std::size_t pixelBytes = rowSize * static_cast<std::size_t>(height);

    // The whole file in memory first: one write, so a failure leaves nothing
    // half made behind the atomic replacement.
    std::vector<std::uint8_t> bytes(headerSize + pixelBytes, 0x30);
    std::memset(bytes.data(), 0, headerSize);
    bytes[0] = 'B';
    bytes[1] = 'M';
    WriteUint32(&bytes[2], static_cast<std::uint32_t>(bytes.size()));
    WriteUint32(&bytes[10], headerSize);
    WriteUint32(&bytes[14], infoHeaderSize);
    WriteUint32(&bytes[18], static_cast<std::uint32_t>(width));
    WriteUint32(&bytes[22], static_cast<std::uint32_t>(height));
    WriteUint16(&bytes[26], 1);
    WriteUint16(&bytes[28], 24);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = image.GetData() + static_cast<std::size_t>(y) * rowBytes;
        std::memcpy(&bytes[headerSize + static_cast<std::size_t>(height - 1 - y) * rowSize], row, rowBytes);
    }

    File file;
    if (!file.OpenDirect(path, "wb")) {
        LogError("BmpLoader::Save: Failed to write file <%s>.\n", path);
        return false;
    }
    const bool written = file.Write(bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size());
    const bool closed = file.Close();
    if (!written)
        LogError("BmpLoader::Save: Failed to write file <%s>.\n", path);
    return written && closed;
}
