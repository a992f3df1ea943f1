#pragma once

// The .rle file: the run-length-encoded frames of an animated sprite, stored
// beside its art so that they need not be encoded again at each start: base
// path + ".rle", or base path + ".mirrored.rle" for the frames of the
// mirrored art (a picture may be used both ways). All integers
// little-endian, written and read field by field.
//
//   RleFileHeader (2080 bytes)
//   then per frame: RleFrameRecord (32 bytes), its colour data (colorSize
//   bytes), its alpha data (alphaSize bytes, only with alpha)
//
// The frames depend on the art and on how it was encoded (RleEncoding), and
// a file is taken only when both match:
//   - the mark is RleFile::mark and the frame count is the one wanted;
//   - the encoding field says mirrored and cropped as wanted (files written
//     before the field was filled hold 0 there: their encoding is unknown);
//   - loose files: the stored time equals the newest last write of base
//     path + ".bmp" and of base path + "_alpha.bmp" when that exists, the
//     has-alpha byte says whether it exists, and the encoding is known.
//     With the archive in use there is nothing to encode again, so a file of
//     unknown encoding is taken as it is.
// A missing, stale or foreign file is no error: the caller encodes the
// bitmap again.
// A damaged one (sizes beyond the file, frames beyond the decode buffer,
// packets that do not fill their rows) is refused with a log line.
// Files are written only while no archive is in use, replaced atomically.

#include "Image.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#pragma pack(push, 1)
struct RleFileHeader {
    std::uint32_t mark;
    std::uint64_t sourceTime;                      // last write of the .bmp, as File::GetFileTime gives it
    std::uint8_t palette[Image::paletteSize];      // frame 0's; zero if absent
    std::uint8_t alphaPalette[Image::paletteSize]; // alpha frame 0's; zero without alpha
    std::int32_t fullWidth;
    std::int32_t fullHeight;
    std::int32_t depth;
    std::uint8_t encoded;
    std::uint8_t hasAlpha;
    std::uint16_t encoding;                        // RleEncoding's bits; 0 in older files
    std::uint32_t frameCount;
};

struct RleFrameRecord {
    std::int32_t width;
    std::int32_t height;
    std::int32_t cropLeft; // the frame inside the full frame, inclusive
    std::int32_t cropTop;
    std::int32_t cropRight;
    std::int32_t cropBottom;
    std::uint32_t colorSize;
    std::uint32_t alphaSize;
};
#pragma pack(pop)

static_assert(sizeof(RleFileHeader) == 2080, "the .rle header is 2080 bytes");
static_assert(offsetof(RleFileHeader, sourceTime) == 4 && offsetof(RleFileHeader, palette) == 12 &&
                  offsetof(RleFileHeader, alphaPalette) == 1036 && offsetof(RleFileHeader, fullWidth) == 2060 &&
                  offsetof(RleFileHeader, encoded) == 2072 && offsetof(RleFileHeader, frameCount) == 2076,
              "the .rle header fields sit where the file has them");
static_assert(sizeof(RleFrameRecord) == 32, "an .rle frame record is 32 bytes");

// One frame: its image (8 bit, normally encoded), its alpha map when the
// sprite has one, and where it lies inside the full frame.
struct RleFrame {
    std::unique_ptr<Image> image;
    std::unique_ptr<Image> alpha;
    ImageRect crop;
};

// How the frames were made from the art, besides the art itself.
struct RleEncoding {
    bool mirrored = false;
    bool cropped = true;
    int frameCount = 1;

    // The header field: the bits below, with `known` set so that a file of
    // unknown encoding (0) is told apart.
    static constexpr std::uint16_t mirroredBit = 0x0001;
    static constexpr std::uint16_t croppedBit = 0x0002;
    static constexpr std::uint16_t known = 0x8000;
    std::uint16_t Bits() const
    {
        return static_cast<std::uint16_t>(known | (mirrored ? mirroredBit : 0) | (cropped ? croppedBit : 0));
    }
};

struct RleFileContent {
    bool hasAlpha = false;
    int fullWidth = 0;
    int fullHeight = 0;
    std::vector<RleFrame> frames;
};

class RleFile {
public:
    static constexpr std::uint32_t mark = 103;
    // The sprite code decodes a frame into a buffer of this many pixels.
    static constexpr int decodeBufferPixels = 360000;

    // The file of the frames encoded from the art of `basePath` as `encoding` says.
    static std::string FileName(const std::string& basePath, const RleEncoding& encoding);
    // Writes the file for the frames; false (with a log line) while the
    // archive is in use, for no frames, frames that do not match, or a file
    // that cannot be written.
    static bool Write(const char* basePath, const RleEncoding& encoding, const RleFileContent& content);
    // Reads the file when it exists, is fresh and was encoded as `encoding`
    // says; false otherwise (a log line only when the file is damaged).
    static bool Read(const char* basePath, const RleEncoding& encoding, RleFileContent& content);
    // Reads any file in the layout, fresh or not, giving its header too.
    static bool ReadFile(const char* fileName, RleFileContent& content, RleFileHeader& header);
    // The layout of `bytes` (`name` names it in the log).
    static bool Parse(std::span<const std::uint8_t> bytes, const char* name, RleFileContent& content,
                      RleFileHeader& header);

    static void EncodeHeader(const RleFileHeader& header, std::uint8_t* bytes);
    static void DecodeHeader(const std::uint8_t* bytes, RleFileHeader& header);
    static void EncodeRecord(const RleFrameRecord& record, std::uint8_t* bytes);
    static void DecodeRecord(const std::uint8_t* bytes, RleFrameRecord& record);

private:
    // Whether a header read from FileName(basePath, encoding) holds what is wanted.
    static bool Matches(const RleFileHeader& header, const std::string& basePath, const RleEncoding& encoding);
    static bool ParseLayout(std::span<const std::uint8_t> bytes, const char* name, RleFileContent& content,
                            RleFileHeader& header);
};
