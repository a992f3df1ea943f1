#pragma once

// The engine's in-memory picture. An Image owns its pixel buffer and, for
// 8-bit images, a palette of 256 entries of four bytes (blue, green, red, 0).
//
// Unencoded pixel layout: rows top-down without padding; row y starts at
// byte y * width * depth / 8. Per depth:
//   1 bit   bit y * width + x of the buffer, most significant bit first;
//           a set bit reads as black (0x000000), a clear one as white.
//   8 bit   palette index.
//   16 bit  the screen's 16-bit format (five bits per channel at the
//           display's shifts), host byte order.
//   24 bit  blue, green, red (as bitmap files store them).
//   32 bit  the screen's 32-bit format: channel bytes at the display's colour
//           indices, fourth byte 0.
// Colours handed to or returned by GetPixel/SetPixel are 0x00RRGGBB.
//
// An encoded image holds run-length packets instead (see ImageUtil.h); its
// buffer is GetEncodedSize() bytes and pixel access does nothing.
// Coordinates outside the image read as 0 and write nothing.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// An inclusive rectangle: right and bottom belong to it.
struct ImageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int GetWidth() const { return right - left + 1; }
    int GetHeight() const { return bottom - top + 1; }
    bool operator==(const ImageRect&) const = default;
};

class Image {
public:
    static constexpr int paletteEntries = 256;
    static constexpr int paletteSize = paletteEntries * 4;
    // Larger pictures are refused: no art of the game comes near, and the
    // bound keeps every size computation far from overflow.
    static constexpr int maximumSide = 16384;

    Image() = default;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    virtual ~Image();

    virtual std::uint8_t* GetData();
    // Null unless the image is 8 bit.
    virtual std::uint8_t* GetPalette();
    virtual std::uint32_t GetPixel(int x, int y) const;
    virtual void SetPixel(int x, int y, std::uint32_t color);
    // Takes the buffer as the pixel data; the old one is released.
    virtual void SetData(std::vector<std::uint8_t> data);

    // Frees the old data and palette and makes a new buffer, zeroed when
    // `clear` is set; an 8-bit image gets a grey palette. False (with a log
    // line) for sizes outside 1..maximumSide or an unknown depth.
    bool Create(int width, int height, int depth, bool clear);
    // Copies paletteEntries entries; only for 8-bit images.
    void SetPalette(const std::uint8_t* palette);
    // The first entry whose blue, green and red equal the colour's; 0 when
    // none does.
    int FindPaletteIndex(std::uint32_t color) const;
    std::unique_ptr<Image> Clone() const;
    void MirrorHorizontal();

    // Marks the buffer as run-length packets of `size` bytes (or as plain
    // pixels again); the buffer must already be set.
    void SetEncoded(bool isEncoded, int size);

    const std::uint8_t* GetData() const { return data.data(); }
    const std::uint8_t* GetPalette() const { return palette.empty() ? nullptr : palette.data(); }
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    int GetDepth() const { return depth; }
    bool IsEncoded() const { return encoded; }
    int GetEncodedSize() const { return encodedSize; }
    // The bytes the buffer really holds.
    std::size_t GetBufferSize() const { return data.size(); }

    // The unencoded buffer size of a picture: width * height * depth / 8, or
    // (width * height + 7) / 8 for 1 bit.
    static std::size_t ComputeDataSize(int width, int height, int depth);

private:
    std::uint8_t* PixelAddress(int x, int y);
    const std::uint8_t* PixelAddress(int x, int y) const;

    int width = 0;
    int height = 0;
    int depth = 0;
    int encodedSize = 0;
    bool encoded = false;
    std::vector<std::uint8_t> data;
    std::vector<std::uint8_t> palette;
};
