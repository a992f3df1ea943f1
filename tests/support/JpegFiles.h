#pragma once

// JPEG files made in memory for tests, with libjpeg's own compressor
// through the content generator's encoder.

#include "JpegEncoder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace jpeg_files {

// `pixels` are rows of red, green, blue (or grey) bytes, top-down. Quality
// 75 is libjpeg's default; `scans`, when given, replaces the scan script.
inline std::string Compress(int width, int height, int components, const std::vector<std::uint8_t>& pixels,
                            bool progressive, const std::vector<jpeg_scan_info>& scans = {}, int quality = 95)
{
    content::JpegSettings settings;
    settings.quality = quality;
    settings.progressive = progressive;
    settings.scans = scans;
    const std::vector<std::uint8_t> file = content::EncodeJpeg(width, height, components, pixels, settings);
    return std::string(file.begin(), file.end());
}

} // namespace jpeg_files
