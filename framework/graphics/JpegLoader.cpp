#include "JpegLoader.h"

#include "ImageUtil.h"
#include "app/Debug.h"
#include "files/File.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
// After jpeglib.h, which it needs: the codes of libjpeg's warnings.
#include <jerror.h>

namespace {

// libjpeg reports through these: an error (or a warning about missing or
// damaged scan data) jumps back to the decoder instead of ending the process.
struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    const char* path;
};

struct ScanLimit {
    jpeg_progress_mgr manager;
};

[[noreturn]] void JumpBack(j_common_ptr info)
{
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    LogPrint("JpegLoader::Load: libjpeg: %s\n", message);
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings that leave the picture whole: bytes between segments that are
// skipped, and markers of metadata the decoder does without.
bool LeavesThePictureWhole(int code)
{
    return code == JWRN_EXTRANEOUS_DATA || code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM || code == JWRN_BOGUS_ICC ||
           code == JWRN_NOT_SEQUENTIAL;
}

void EmitMessage(j_common_ptr info, int level)
{
    // Trace levels stay quiet. Level -1 is a warning: one that leaves the
    // picture whole is logged and decoding goes on; one about missing or
    // damaged scan data (the picture would come out partly grey, made up
    // where the data ends) refuses the file like an error.
    if (level >= 0)
        return;
    if (!LeavesThePictureWhole(info->err->msg_code))
        JumpBack(info);
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    LogWarning("JpegLoader::Load: <%s>: libjpeg: %s\n", reinterpret_cast<ErrorManager*>(info->err)->path, message);
}

void CheckScanCount(j_common_ptr info)
{
    if (!info->is_decompressor)
        return;
    auto* decompressor = reinterpret_cast<j_decompress_ptr>(info);
    if (decompressor->input_scan_number > JpegLoader::maximumScans) {
        LogError("JpegLoader::Load: More than %d scans.\n", JpegLoader::maximumScans);
        std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
    }
}

// Holds no object with a destructor between setjmp and longjmp: the jump
// leaves this frame without unwinding it.
bool RunDecoder(jpeg_decompress_struct& decompressor, ErrorManager& errors, std::span<const std::uint8_t> bytes,
                const char* path, std::unique_ptr<Image>& image)
{
    if (setjmp(errors.jump) != 0)
        return false;
    jpeg_mem_src(&decompressor, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&decompressor, TRUE);
    if (decompressor.image_width == 0 || decompressor.image_height == 0 ||
        decompressor.image_width > static_cast<JDIMENSION>(Image::maximumSide) ||
        decompressor.image_height > static_cast<JDIMENSION>(Image::maximumSide) ||
        static_cast<long>(decompressor.image_width) * static_cast<long>(decompressor.image_height) > JpegLoader::maximumPixels) {
        LogError("JpegLoader::Load: Refused <%s> of %u x %u pixels.\n", path, decompressor.image_width,
                 decompressor.image_height);
        return false;
    }
    // Checked before libjpeg or the image allocate anything of that size.
    if (static_cast<std::uint64_t>(decompressor.image_width) * decompressor.image_height >
        static_cast<std::uint64_t>(bytes.size()) * JpegLoader::maximumPixelsPerByte) {
        LogError("JpegLoader::Load: Refused <%s>: %u x %u pixels cannot come from %zu bytes.\n", path,
                 decompressor.image_width, decompressor.image_height, bytes.size());
        return false;
    }
    decompressor.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decompressor);
    const int width = static_cast<int>(decompressor.output_width);
    const int height = static_cast<int>(decompressor.output_height);
    const int components = decompressor.output_components;
    image = std::make_unique<Image>();
    if (components < 3 || !image->Create(width, height, 24, true)) {
        LogError("JpegLoader::Load: Refused <%s>: no RGB output.\n", path);
        return false;
    }
    JSAMPARRAY line = (*decompressor.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&decompressor), JPOOL_IMAGE,
                                                         static_cast<JDIMENSION>(width * components), 1);
    std::uint8_t* pixels = image->GetData();
    while (decompressor.output_scanline < decompressor.output_height) {
        const int y = static_cast<int>(decompressor.output_scanline);
        if (jpeg_read_scanlines(&decompressor, line, 1) != 1)
            return false;
        std::uint8_t* row = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3;
        const JSAMPLE* from = line[0];
        for (int x = 0; x < width; ++x, from += components) {
            row[x * 3 + 0] = from[2];
            row[x * 3 + 1] = from[1];
            row[x * 3 + 2] = from[0];
        }
    }
    jpeg_finish_decompress(&decompressor);
    return true;
}

} // namespace

std::unique_ptr<Image> JpegLoader::Load(const char* path)
{
    File file;
    std::vector<std::uint8_t> bytes;
    if (!file.Open(path, "rb") || !ImageUtil::ReadWholeFile(file, bytes)) {
        LogError("can't open %s\n", path);
        return nullptr;
    }
    return Decode(bytes, path);
}

std::unique_ptr<Image> JpegLoader::Decode(std::span<const std::uint8_t> bytes, const char* path)
{
    jpeg_decompress_struct decompressor{};
    ErrorManager errors{};
    errors.path = path;
    ScanLimit scanLimit{};
    decompressor.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpBack;
    errors.manager.emit_message = EmitMessage;
    jpeg_create_decompress(&decompressor);
    decompressor.mem->max_memory_to_use = maximumMemory;
    scanLimit.manager.progress_monitor = CheckScanCount;
    decompressor.progress = &scanLimit.manager;

    std::unique_ptr<Image> image;
    const bool decoded = RunDecoder(decompressor, errors, bytes, path, image);
    jpeg_destroy_decompress(&decompressor);
    if (!decoded) {
        LogError("error while decoding\n");
        return nullptr;
    }
    return image;
}
