#pragma once

// JPEG files (baseline and progressive), read whole through the file layer
// (loose or archived) and decoded from memory by libjpeg-turbo into a new
// 24-bit Image (blue, green, red bytes, rows top-down) that the caller owns.
//
// A damaged file never ends the process: libjpeg's errors, and its warnings
// about corrupt data, jump back here and the file is refused with a log line.
// Pictures larger than Image::maximumSide on a side or of more than
// maximumPixels pixels (a few bytes can claim a huge picture), progressive
// files of
// more than maximumScans scans and files that would need more than
// maximumMemory bytes of decoder memory are refused the same way.

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

    // Null (after a log line) when the file cannot be opened or decoded.
    std::unique_ptr<Image> Load(const char* path);
    // The JPEG in `bytes`; `path` names it in the log.
    std::unique_ptr<Image> Decode(std::span<const std::uint8_t> bytes, const char* path);
};
