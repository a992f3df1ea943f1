// Damaged and hostile image files, each built here from a good one: every
// one must be refused with its log line, never read out of bounds.

#include "graphics/BmpLoader.h"
#include "graphics/JpegLoader.h"
#include "graphics/RleFile.h"
#include "support/BitmapFiles.h"
#include "support/ByteFields.h"
#include "support/HeadlessTest.h"
#include "support/JpegFiles.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    std::function<void(std::string&)> damage;
    const char* logged;
};

// A good 8-bit bitmap, 3 x 2, 256 palette entries, rows of 4 bytes.
std::string GoodBitmap()
{
    return bitmap_files::Bitmap8(3, 2, std::vector<std::uint8_t>(6), {});
}

// A good .rle file: one 3 x 2 frame at the top left of a 4 x 4 sprite,
// packets "run of three" twice, no alpha.
std::string GoodRle()
{
    std::string bytes(2080, '\0');
    PutUint32(bytes, 0, 103);
    PutUint32(bytes, 2060, 4);
    PutUint32(bytes, 2064, 4);
    PutUint32(bytes, 2068, 8);
    bytes[2072] = 1;
    PutUint32(bytes, 2076, 1);
    const std::uint32_t record[] = {3, 2, 0, 0, 2, 1, 4, 0};
    for (std::size_t i = 0; i < 8; ++i)
        PutUint32(bytes, 2080 + i * 4, record[i]);
    return bytes + std::string("\x03\x01\x03\x02", 4);
}

std::string GoodJpeg()
{
    std::vector<std::uint8_t> pixels(32 * 32 * 3);
    for (std::size_t y = 0; y < 32; ++y)
        for (std::size_t i = 0; i < 32 * 3; ++i)
            pixels[y * 32 * 3 + i] = static_cast<std::uint8_t>(i * 7 + y * 13);
    return jpeg_files::Compress(32, 32, 3, pixels, false, {}, 75);
}

// The offset of the frame header's height field (after FF C0, length, precision).
std::size_t JpegSizeOffset(const std::string& jpeg)
{
    return jpeg.find("\xFF\xC0") + 5;
}

} // namespace

class MalformedImageTest : public LoggedTest {
protected:
    // Runs `refuse` on each damaged file and checks its log line.
    void Check(const std::string& good, const std::vector<Case>& cases, const char* fileName,
               const std::function<bool()>& refuses)
    {
        for (const Case& damaged : cases) {
            SCOPED_TRACE(damaged.name);
            std::string bytes = good;
            damaged.damage(bytes);
            WriteFile(fileName, bytes);
            const std::size_t logSize = ReadFile("debug.txt").size();
            EXPECT_TRUE(refuses());
            EXPECT_NE(ReadFile("debug.txt").find(damaged.logged, logSize), std::string::npos);
        }
    }
};

TEST_F(MalformedImageTest, GoodFilesOfTheCorpusLoad)
{
    WriteFile("good.bmp", GoodBitmap());
    BmpLoader::Result result = BmpLoader::Result::Damaged;
    EXPECT_TRUE(BmpLoader::GetInstance().Read("good.bmp", result));
    WriteFile("good.jpg", GoodJpeg());
    EXPECT_TRUE(JpegLoader::GetInstance().Load("good.jpg"));
    WriteFile("good.rle", GoodRle());
    RleFileContent content;
    RleFileHeader header{};
    EXPECT_TRUE(RleFile::ReadFile("good.rle", content, header));
}

TEST_F(MalformedImageTest, DamagedBitmapsAreRefused)
{
    const char* cutOff = "the pixel data is cut off";
    const std::vector<Case> cases = {
        {"shorter than the headers", [](std::string& b) { b.resize(20); }, "shorter than the bitmap headers"},
        {"no mark", [](std::string& b) { b[0] = 'X'; }, "no bitmap mark"},
        {"information header too small", [](std::string& b) { PutUint32(b, 14, 12); }, "bad information header size"},
        {"information header beyond the file", [](std::string& b) { PutUint32(b, 14, 100000); }, "bad information header size"},
        {"zero width", [](std::string& b) { PutUint32(b, 18, 0); }, "width and height must be positive"},
        {"negative width", [](std::string& b) { PutUint32(b, 18, static_cast<std::uint32_t>(-3)); }, "must be positive"},
        {"top-down", [](std::string& b) { PutUint32(b, 22, static_cast<std::uint32_t>(-2)); }, "must be positive"},
        {"too wide", [](std::string& b) { PutUint32(b, 18, 20000); }, "too large"},
        {"huge and short", [](std::string& b) { PutUint32(b, 18, 16384); PutUint32(b, 22, 16384); }, cutOff},
        {"width times height past 32 bits", [](std::string& b) { PutUint32(b, 18, 16000); PutUint32(b, 22, 16000); PutUint16(b, 28, 24); }, cutOff},
        {"too many used colours", [](std::string& b) { PutUint32(b, 46, 300); }, "more used colours than a palette holds"},
        {"palette cut off", [](std::string& b) { b.resize(54 + 500); }, "the palette is cut off"},
        {"data offset inside the headers", [](std::string& b) { PutUint32(b, 10, 20); }, "bad pixel data offset"},
        {"data offset inside the palette", [](std::string& b) { PutUint32(b, 10, 54 + 1000); }, "bad pixel data offset"},
        {"data offset beyond the file", [](std::string& b) { PutUint32(b, 10, 0xFFFFFFF0u); }, "bad pixel data offset"},
        {"one byte of pixels missing", [](std::string& b) { b.pop_back(); }, cutOff},
        {"one-bit rows cut off", [](std::string& b) { PutUint16(b, 28, 1); PutUint32(b, 18, 200); }, cutOff},
    };
    Check(GoodBitmap(), cases, "bad.bmp", [] {
        BmpLoader::Result result = BmpLoader::Result::Loaded;
        return !BmpLoader::GetInstance().Read("bad.bmp", result) && result == BmpLoader::Result::Damaged;
    });

    // Formats the game does not read at all: Load ends the process for them.
    const char* unsupported = "Bitmap has to be 8 Bit or 24 Bit uncompressed (bad.bmp)";
    const std::vector<Case> others = {
        {"run-length compressed", [](std::string& b) { PutUint32(b, 30, 1); }, unsupported},
        {"32 bits", [](std::string& b) { PutUint16(b, 28, 32); }, unsupported},
        {"4 bits", [](std::string& b) { PutUint16(b, 28, 4); }, unsupported},
        {"0 bits", [](std::string& b) { PutUint16(b, 28, 0); }, unsupported},
    };
    Check(GoodBitmap(), others, "bad.bmp", [] {
        BmpLoader::Result result = BmpLoader::Result::Loaded;
        return !BmpLoader::GetInstance().Read("bad.bmp", result) && result == BmpLoader::Result::Unsupported;
    });
}

TEST_F(MalformedImageTest, DamagedJpegsAreRefused)
{
    const char* failed = "***ERROR: error while decoding\n";
    const std::vector<Case> cases = {
        {"empty", [](std::string& b) { b.clear(); }, failed},
        {"not a JPEG", [](std::string& b) { b = "GIF89a and more"; }, failed},
        {"start marker only", [](std::string& b) { b.resize(2); }, failed},
        {"cut in the header", [](std::string& b) { b.resize(JpegSizeOffset(b) + 2); }, failed},
        {"cut in the scan", [](std::string& b) { b.resize(b.size() / 2 + 200); }, failed},
        {"zero width", [](std::string& b) { b[JpegSizeOffset(b) + 2] = 0; b[JpegSizeOffset(b) + 3] = 0; }, failed},
        {"huge", [](std::string& b) { b[JpegSizeOffset(b)] = '\xEA'; b[JpegSizeOffset(b) + 2] = '\xEA'; },
         "Refused <bad.jpg> of 59936 x 59936 pixels"},
        // Within the size limits, but no file this short can hold so many
        // pixels: refused before 200 MB are allocated for them.
        {"16384 x 4096 in a small file",
         [](std::string& b) { b.replace(JpegSizeOffset(b), 4, std::string("\x10\x00\x40\x00", 4)); },
         "Refused <bad.jpg>: 16384 x 4096 pixels cannot come from"},
        {"end marker inside the scan", [](std::string& b) { b.replace(b.size() / 2 + 200, 2, "\xFF\xD9"); }, failed},
    };
    Check(GoodJpeg(), cases, "bad.jpg", [] { return !JpegLoader::GetInstance().Load("bad.jpg"); });
}

TEST_F(MalformedImageTest, DamagedRleFilesAreRefused)
{
    const char* beyond = "frame data beyond the end of the file";
    const char* notFilled = "frame data that does not fill the frame";
    const std::vector<Case> cases = {
        {"shorter than the header", [](std::string& b) { b.resize(2000); }, "shorter than its header"},
        {"wrong mark", [](std::string& b) { PutUint32(b, 0, 104); }, "no .rle mark"},
        {"zero full width", [](std::string& b) { PutUint32(b, 2060, 0); }, "bad full frame size"},
        {"huge full height", [](std::string& b) { PutUint32(b, 2064, 20000); }, "bad full frame size"},
        {"depth 12", [](std::string& b) { PutUint32(b, 2068, 12); }, "bad depth"},
        {"has-alpha 2", [](std::string& b) { b[2073] = 2; }, "bad flags"},
        {"no frames", [](std::string& b) { PutUint32(b, 2076, 0); }, "more frames than the file holds"},
        {"four billion frames", [](std::string& b) { PutUint32(b, 2076, 0xFFFFFFFFu); }, "more frames than the file holds"},
        {"second record cut off", [](std::string& b) { PutUint32(b, 2076, 2); b.append(30, '\0'); }, "a frame record is cut off"},
        {"frame beyond the decode buffer", [](std::string& b) { PutUint32(b, 2080, 601); PutUint32(b, 2084, 600); },
         "a frame larger than the decode buffer"},
        {"negative width", [](std::string& b) { PutUint32(b, 2080, static_cast<std::uint32_t>(-3)); }, "larger than the decode buffer"},
        {"width times height past 32 bits", [](std::string& b) { PutUint32(b, 2080, 65536); PutUint32(b, 2084, 65536); },
         "larger than the decode buffer"},
        {"crop outside", [](std::string& b) { PutUint32(b, 2088, 2); PutUint32(b, 2096, 4); }, "a crop rectangle outside the full frame"},
        {"crop of another size", [](std::string& b) { PutUint32(b, 2096, 1); }, "a crop rectangle outside the full frame"},
        {"colour data past the end", [](std::string& b) { PutUint32(b, 2104, 5); }, beyond},
        {"colour size of four billion", [](std::string& b) { PutUint32(b, 2104, 0xFFFFFFFFu); }, beyond},
        {"alpha size past the end", [](std::string& b) { b[2073] = 1; PutUint32(b, 2108, 0xFFFFFFFDu); }, beyond},
        {"alpha data without alpha", [](std::string& b) { PutUint32(b, 2108, 2); b += "\x03\x01\x03\x01"; b.resize(b.size() - 2); },
         "alpha data without alpha"},
        {"alpha missing", [](std::string& b) { b[2073] = 1; }, "alpha data that does not fill the frame"},
        {"a run past the row", [](std::string& b) { b[2112] = 4; }, notFilled},
        {"a literal past the row", [](std::string& b) { b[2112] = static_cast<char>(-3); b[2114] = static_cast<char>(-3); }, notFilled},
        {"a zero header", [](std::string& b) { b[2112] = 0; }, notFilled},
        {"rows not filled", [](std::string& b) { b[2114] = 2; }, notFilled},
        {"plain pixels of the wrong size", [](std::string& b) { b[2072] = 0; }, notFilled},
        {"a byte after the last frame", [](std::string& b) { b += 'x'; }, "bytes after the last frame"},
    };
    Check(GoodRle(), cases, "bad.rle", [] {
        RleFileContent content;
        RleFileHeader header{};
        return !RleFile::ReadFile("bad.rle", content, header) && content.frames.empty();
    });
}
