#pragma once

// JPEG files made in memory for tests, with libjpeg's own compressor.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace jpeg_files {

// `pixels` are rows of red, green, blue (or grey) bytes, top-down. Quality
// 75 is libjpeg's default; `scans`, when given, replaces the scan script.
inline std::string Compress(int width, int height, int components, const std::vector<std::uint8_t>& pixels,
                            bool progressive, const std::vector<jpeg_scan_info>& scans = {}, int quality = 95)
{
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compressor);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compressor, &buffer, &size);
    compressor.image_width = static_cast<JDIMENSION>(width);
    compressor.image_height = static_cast<JDIMENSION>(height);
    compressor.input_components = components;
    compressor.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, quality, TRUE);
    if (progressive)
        jpeg_simple_progression(&compressor);
    if (!scans.empty()) {
        compressor.scan_info = scans.data();
        compressor.num_scans = static_cast<int>(scans.size());
    }
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + compressor.next_scanline * static_cast<std::size_t>(width * components));
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    std::string file(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return file;
}

} // namespace jpeg_files
