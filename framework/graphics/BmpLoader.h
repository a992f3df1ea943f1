#pragma once

// Windows bitmap files, read through the file layer (loose or archived).
//
// Read: a 14-byte file header ("BM", file size, reserved, data offset) and a
// 40-byte (or longer) information header, then the palette (blue, green, red,
// 0 per entry) and the rows from the data offset on, bottom row first. Only
// uncompressed bottom-up files of 1, 8 or 24 bits are read. File rows are
// padded to four bytes; the Image gets them top-down without padding. The
// palette of an 8-bit image starts magenta in every entry, so entries a file
// leaves out (a used-colours count below 256) come out transparent after the
// remap of ImageUtil.
//
// Every size in the headers is checked against the bytes really there before
// anything is allocated: a damaged file is refused with a log line. A file
// that cannot be opened, or one that is not such a bitmap, ends the process
// through Load (art the game cannot do without); Read reports it instead.
//
// Write: 24-bit images only, rows padded with 0x30 bytes, the file replaced
// atomically. Loaders return a new Image that the caller owns.

#include "Image.h"
#include "app/Singleton.h"

#include <cstdint>
#include <memory>
#include <span>

class BmpLoader : public Singleton<BmpLoader> {
public:
    static constexpr int fileHeaderSize = 14;
    static constexpr int infoHeaderSize = 40;
    static constexpr int headerSize = fileHeaderSize + infoHeaderSize;

    enum class Result { Loaded, CannotOpen, Unsupported, Damaged };

    // Ends the process with exit code 1 when the file cannot be opened or is
    // not an uncompressed 1-, 8- or 24-bit bitmap; null for a damaged one.
    std::unique_ptr<Image> Load(const char* path);
    // Load without ending the process; every failure is logged.
    std::unique_ptr<Image> Read(const char* path, Result& result);
    // The bitmap in `bytes`; `path` names it in the log.
    std::unique_ptr<Image> Decode(std::span<const std::uint8_t> bytes, const char* path, Result& result);
    bool Save(const char* path, const Image& image);
};
