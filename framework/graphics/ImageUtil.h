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
// stops at the first that does not fit.

#include "Image.h"
#include "app/Singleton.h"

#include <cstdint>
#include <span>
#include <vector>

class File;

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

    // True when the packets fill exactly `height` rows of `width` pixels of
    // `bytesPerPixel` bytes and the data ends with the last row.
    static bool IsValidRunLengthData(std::span<const std::uint8_t> data, int width, int height, int bytesPerPixel);
    // Reads an opened file whole: the loaders parse from memory, so archive
    // members and loose files are read alike. False when it cannot be read.
    static bool ReadWholeFile(File& file, std::vector<std::uint8_t>& bytes);

private:
    bool Decode(const Image& image, const Image* alpha, std::span<std::uint32_t> destination, const std::uint32_t* tint);
};
