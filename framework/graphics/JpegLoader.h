#pragma once

// JPEG files (baseline and progressive), read whole through the file layer
// (loose or archived) and decoded from memory by libjpeg-turbo into a new
// 24-bit Image (blue, green, red bytes, rows top-down) that the caller owns.
//
// A damaged file never ends the process: libjpeg's errors, and its warnings
// about missing or damaged scan data, jump back here and the file is refused
// with a log line. Warnings that leave the picture whole (stray bytes before
// a marker, odd metadata) are logged and the picture is decoded.
//
// A few bytes can claim a huge picture, so the size is checked before
// anything is allocated: pictures larger than Image::maximumSide on a side,
// of more than maximumPixels pixels, or of more than maximumPixelsPerByte
// pixels per byte of the file are refused, and so are progressive files of
// more than maximumScans scans and files that would need more than
// maximumMemory bytes of decoder memory.

#include "Image.h"
#include "app/Singleton.h"

#include <cstdint>
#include <memory>
#include <span>

class JpegLoader : public Singleton<JpegLoader> {
public:
    static constexpr int maximumScans = 100;
    static constexpr long maximumPixels = 16384L * 4096;
    static constexpr long maximumMemory = 512L * 1024 * 1024;
    // A Huffman-coded file spends at least one bit on every block of the
    // first scan it sends, and a block covers at most 32 x 32 pixels (8 x 8
    // samples of a component sampled at 1 against another's 4): no file
    // describes more than 8 x 1024 pixels per byte. Real pictures stay far
    // below (a flat grey page comes to a few hundred pixels per byte).
    static constexpr std::uint64_t maximumPixelsPerByte = 8 * 1024;

    // Null (after a log line) when the file cannot be opened or decoded.
    std::unique_ptr<Image> Load(const char* path);
    // The JPEG in `bytes`; `path` names it in the log.
    std::unique_ptr<Image> Decode(std::span<const std::uint8_t> bytes, const char* path);
};
