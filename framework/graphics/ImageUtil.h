#pragma once

// Pixel helpers over Images: the transparent-colour remap of source art,
// 1-bit masks, rectangle copies, bounding boxes and run-length encoding.
//
// Run-length packets (RunLengthEncode): each row of the image is a sequence
// of packets that never crosses into the next row. A packet starts with a
// signed header byte h:
//   h > 0    a run: one pixel follows, repeated h times;
//   h < 0    a literal: -h pixels follow.
// Pixels are depth / 8 bytes; the encoder writes at most 127 pixels per
// packet and never a zero header. Sprites use the format with 8-bit images.
// Every decode checks each packet against its row and the data's end and
// stops at the first that does not fit. RunLengthRowReader hands out whole
// packets for drawing loops that work on the encoded rows directly.

#include "Image.h"
#include "app/Singleton.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class File;

// One packet of a row: `count` pixels from column x; `pixels` points at a
// run's one pixel or at a literal's `count` pixels.
struct RunLengthPacket {
    int x = 0;
    int count = 0;
    const std::uint8_t* pixels = nullptr;
    bool run = false;
};

// Walks the packets of one encoded stream row by row, from a given byte
// offset, refusing any packet that runs past its row or past the data.
class RunLengthRowReader {
public:
    RunLengthRowReader(std::span<const std::uint8_t> bytes, int pixelBytes, std::size_t start = 0)
        : data(bytes), position(start), bytesPerPixel(pixelBytes)
    {
    }

    // Starts a row of `width` pixels; Next then hands out its packets.
    void BeginRow(int width)
    {
        rowWidth = width;
        rowX = 0;
    }
    // The row's next packet; false at its end, or at a packet that does not
    // fit (Failed then tells).
    bool Next(RunLengthPacket& packet)
    {
        if (rowX >= rowWidth)
            return false;
        if (position >= data.size())
            return Fail();
        const auto header = static_cast<std::int8_t>(data[position++]);
        if (header == 0)
            return Fail();
        const bool run = header > 0;
        const int count = run ? header : -header;
        const std::size_t pixelBytes = static_cast<std::size_t>(run ? 1 : count) * static_cast<std::size_t>(bytesPerPixel);
        if (count > rowWidth - rowX || pixelBytes > data.size() - position)
            return Fail();
        packet = RunLengthPacket{rowX, count, data.data() + position, run};
        position += pixelBytes;
        rowX += count;
        return true;
    }
    bool Failed() const { return failed; }

    // Calls packet(x, count, pixels, run) for each packet of one row of
    // `width` pixels. False at the first packet that does not fit.
    template <typename Packet>
    bool ReadRow(int width, Packet&& packet)
    {
        BeginRow(width);
        RunLengthPacket next;
        while (Next(next))
            packet(next.x, next.count, next.pixels, next.run);
        return !failed;
    }

    bool AtEnd() const { return position == data.size(); }
    std::size_t Position() const { return position; }

private:
    bool Fail()
    {
        failed = true;
        rowX = rowWidth;
        return false;
    }

    std::span<const std::uint8_t> data;
    std::size_t position;
    int bytesPerPixel;
    int rowWidth = 0;
    int rowX = 0;
    bool failed = false;
};

class ImageUtil : public Singleton<ImageUtil> {
public:
    static constexpr int maximumPacketPixels = 127;
    // A run is worth a packet of its own from this many equal pixels on.
    static constexpr int minimumRunPixels = 4;

    // Makes magenta art transparent (black) and lifts near-black colours off
    // black: on the palette of an 8-bit image, on the pixels of a 24-bit one.
    // Other depths show an error box; false then.
    bool RemapTransparentColor(Image& image);
    // Magenta to black only; 8-bit images only.
    bool RemapTransparentColorAlpha(Image& image);
    // Blackens every pixel whose bit is set in the 1-bit mask of the same size.
    bool ApplyMask(Image& image, const Image& mask);
    // Copies the inclusive source rectangle to (destinationX, destinationY).
    bool CopyRect(const Image& source, Image& destination, const ImageRect& sourceRect, int destinationX,
                  int destinationY);
    // A new image of the rectangle's size holding its pixels (and the
    // palette); null when it cannot be made.
    std::unique_ptr<Image> CopyToNewImage(const Image& source, const ImageRect& rectangle);
    // The inclusive rectangle of all pixels that are not black; the point
    // (width / 2, height / 2) when there is none.
    ImageRect GetBoundingRect(const Image& image);
    // The first x at or after `x` in row y that starts minimumRunPixels
    // pixels of equal colour; the width when there is none.
    int FindRunStart(const Image& image, int x, int y);

    // Replaces the pixels by their packets; nothing for an encoded image.
    bool RunLengthEncode(Image& image);
    // Decodes an encoded 8-bit image (and, if given, its encoded 8-bit alpha
    // map of the same size) into width * height pixels 0xAARRGGBB. On a
    // 16-bit screen the palette is rounded first, so that colours survive
    // the five-bit quantisation. Without an alpha map black pixels get alpha
    // 0 and all others 255.
    bool RunLengthDecode(const Image& image, const Image* alpha, std::span<std::uint32_t> destination);
    // The same, each colour channel multiplied by its byte of `tint`
    // (0x00BBGGRR, red in the low byte) and divided by 256; alpha is kept.
    bool RunLengthDecodeTinted(const Image& image, const Image* alpha, std::span<std::uint32_t> destination,
                               std::uint32_t tint);

    // The 256 colours an encoded 8-bit image decodes to, as 0xAARRGGBB:
    // rounded for a 16-bit screen, tinted when `tint` is given (0x00BBGGRR),
    // alpha 0 for black and 255 otherwise; with an alpha map the alpha byte
    // is the palette's fourth byte, to be replaced by AlphaLevels.
    static std::array<std::uint32_t, Image::paletteEntries> DecodedColours(const Image& image, bool withAlphaMap,
                                                                          const std::uint32_t* tint);
    // The alpha of each entry of an encoded alpha map: its grey level.
    static std::array<std::uint8_t, Image::paletteEntries> AlphaLevels(const Image& alpha);
    // The packets of an encoded image (no more than its buffer holds).
    static std::span<const std::uint8_t> EncodedData(const Image& image);
    // Where each of the `height` rows of `width` pixels starts in the
    // packets; empty when the packets do not fill the rows (a packet runs
    // past its row or past the data), the decoders' own checks.
    static std::vector<std::uint32_t> FindRowStarts(std::span<const std::uint8_t> data, int width, int height, int bytesPerPixel);

    // True when the packets fill exactly `height` rows of `width` pixels of
    // `bytesPerPixel` bytes and the data ends with the last row.
    static bool IsValidRunLengthData(std::span<const std::uint8_t> data, int width, int height, int bytesPerPixel);
    // Reads an opened file whole: the loaders parse from memory, so archive
    // members and loose files are read alike. False when it cannot be read.
    static bool ReadWholeFile(File& file, std::vector<std::uint8_t>& bytes);

private:
    bool Decode(const Image& image, const Image* alpha, std::span<std::uint32_t> destination, const std::uint32_t* tint);
};
