#include "JpegEncoder.h"

#include <cstdlib>

namespace content {

std::vector<std::uint8_t> EncodeJpeg(int width, int height, int components, std::span<const std::uint8_t> pixels,
                                     const JpegSettings& settings)
{
    const std::size_t rowBytes = static_cast<std::size_t>(width) * components;
    if (width <= 0 || height <= 0 || (components != 1 && components != 3) ||
        pixels.size() < rowBytes * static_cast<std::size_t>(height))
        return {};

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
    jpeg_set_quality(&compressor, settings.quality, TRUE);
    if (settings.fullChroma) {
        compressor.comp_info[0].h_samp_factor = 1;
        compressor.comp_info[0].v_samp_factor = 1;
    }
    compressor.optimize_coding = settings.optimiseCoding ? TRUE : FALSE;
    if (settings.progressive)
        jpeg_simple_progression(&compressor);
    if (!settings.scans.empty()) {
        compressor.scan_info = settings.scans.data();
        compressor.num_scans = static_cast<int>(settings.scans.size());
    }
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + compressor.next_scanline * rowBytes);
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    std::vector<std::uint8_t> file(buffer, buffer + size);
    std::free(buffer);
    return file;
}

} // namespace content
