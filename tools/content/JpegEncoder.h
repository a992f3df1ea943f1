#pragma once

// JPEG files made in memory with libjpeg's compressor, for the art and for
// the test files of the JPEG decoder.

#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

#include <jpeglib.h>

namespace content {

struct JpegSettings {
    int quality = 90;
    bool progressive = false;
    // Colour at full resolution instead of halved each way: for art with
    // thin coloured outlines.
    bool fullChroma = false;
    bool optimiseCoding = false;
    // When given, replaces the scan script.
    std::span<const jpeg_scan_info> scans;
};

// `pixels` are rows of red, green, blue (components 3) or grey
// (components 1) bytes, top down.
std::vector<std::uint8_t> EncodeJpeg(int width, int height, int components, std::span<const std::uint8_t> pixels,
                                     const JpegSettings& settings);

} // namespace content
