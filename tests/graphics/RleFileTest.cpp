#include "files/DataFile.h"
#include "files/File.h"
#include "graphics/ImageUtil.h"
#include "graphics/RleFile.h"
#include "support/HeadlessTest.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Uint32At(const std::string& bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + i])) << (8 * i);
    return value;
}

std::uint64_t Uint64At(const std::string& bytes, std::size_t offset)
{
    return Uint32At(bytes, offset) | static_cast<std::uint64_t>(Uint32At(bytes, offset + 4)) << 32;
}

// An encoded 8-bit frame of the given indices; palette entry 1 is
// (blue 1, green 2, red 3), the rest grey.
std::unique_ptr<Image> Frame(int width, int height, const Bytes& indices)
{
    auto image = std::make_unique<Image>();
    image->Create(width, height, 8, true);
    std::copy(indices.begin(), indices.end(), image->GetData());
    image->GetPalette()[4] = 1;
    image->GetPalette()[5] = 2;
    image->GetPalette()[6] = 3;
    ImageUtil::GetInstance().RunLengthEncode(*image);
    return image;
}

// Two frames of a 10 x 8 sprite: a 2 x 1 one at (3, 4) and a 5 x 2 one at
// the top left, with alpha maps when asked.
RleFileContent TwoFrames(bool withAlpha)
{
    RleFileContent content;
    content.hasAlpha = withAlpha;
    content.fullWidth = 10;
    content.fullHeight = 8;
    content.frames.resize(2);
    content.frames[0].image = Frame(2, 1, {1, 7});
    content.frames[0].crop = {3, 4, 4, 4};
    content.frames[1].image = Frame(5, 2, {1, 1, 1, 1, 1, 2, 3, 2, 3, 2});
    content.frames[1].crop = {0, 0, 4, 1};
    if (withAlpha) {
        content.frames[0].alpha = Frame(2, 1, {255, 128});
        content.frames[0].alpha->GetPalette()[128 * 4] = 99;
        content.frames[1].alpha = Frame(5, 2, Bytes(10, 255));
    }
    return content;
}

// How TwoFrames was made: from unmirrored art, cropped, two frames.
const RleEncoding twoFrames{false, true, 2};

Bytes Data(const Image& image)
{
    return Bytes(image.GetData(), image.GetData() + image.GetEncodedSize());
}

} // namespace

class RleFileTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        DataFile::GetInstance().Init("datafile.dat"); // none: loose files
        WriteFile("data/anim/walk.bmp", "art");
    }

    static void Touch(const char* path, int seconds)
    {
        std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(seconds));
    }
};

TEST_F(RleFileTest, WritesTheHeaderRecordsAndDataAtTheirOffsets)
{
    const RleFileContent content = TwoFrames(false);
    ASSERT_TRUE(RleFile::Write("data\\anim\\walk", twoFrames, content));
    const std::string file = ReadFile("data/anim/walk.rle");

    EXPECT_EQ(Uint32At(file, 0), 103u);
    EXPECT_EQ(Uint64At(file, 4), File::GetFileTime("data\\anim\\walk.bmp"));
    EXPECT_EQ(static_cast<std::uint8_t>(file[12 + 4]), 1); // palette entry 1
    EXPECT_EQ(static_cast<std::uint8_t>(file[12 + 6]), 3);
    EXPECT_EQ(static_cast<std::uint8_t>(file[12 + 200 * 4]), 200);
    EXPECT_EQ(file.substr(1036, 1024), std::string(1024, '\0')); // no alpha palette
    EXPECT_EQ(Uint32At(file, 2060), 10u);
    EXPECT_EQ(Uint32At(file, 2064), 8u);
    EXPECT_EQ(Uint32At(file, 2068), 8u);
    EXPECT_EQ(file[2072], 1); // encoded
    EXPECT_EQ(file[2073], 0); // no alpha
    EXPECT_EQ(Uint32At(file, 2074) & 0xFFFF, 0x8002u); // encoding known: cropped, not mirrored
    EXPECT_EQ(Uint32At(file, 2076), 2u);

    // Frame 0: 2 x 1 at (3, 4)-(4, 4), one literal packet of two pixels.
    const std::vector<std::uint32_t> record = {2, 1, 3, 4, 4, 4, 3, 0};
    for (std::size_t i = 0; i < record.size(); ++i)
        EXPECT_EQ(Uint32At(file, 2080 + i * 4), record[i]) << i;
    EXPECT_EQ(file.substr(2112, 3), std::string("\xFE\x01\x07", 3));
    // Frame 1: 5 x 2; row 0 a run of five, row 1 a literal of five.
    EXPECT_EQ(Uint32At(file, 2115), 5u);
    EXPECT_EQ(Uint32At(file, 2115 + 24), 2u + 6u);
    EXPECT_EQ(file.substr(2115 + 32), std::string("\x05\x01\xFB\x02\x03\x02\x03\x02", 8));
}

TEST_F(RleFileTest, ReadsBackWhatWasWrittenWithAndWithoutAlpha)
{
    for (bool withAlpha : {false, true}) {
        SCOPED_TRACE(withAlpha);
        if (withAlpha)
            WriteFile("data/anim/walk_alpha.bmp", "alpha art");
        const RleFileContent written = TwoFrames(withAlpha);
        ASSERT_TRUE(RleFile::Write("data\\anim\\walk", twoFrames, written));
        RleFileContent read;
        ASSERT_TRUE(RleFile::Read("data\\anim\\walk", twoFrames, read));
        EXPECT_EQ(read.hasAlpha, withAlpha);
        EXPECT_EQ(read.fullWidth, 10);
        EXPECT_EQ(read.fullHeight, 8);
        ASSERT_EQ(read.frames.size(), 2u);
        for (std::size_t i = 0; i < 2; ++i) {
            const RleFrame& frame = read.frames[i];
            EXPECT_EQ(frame.crop, written.frames[i].crop);
            EXPECT_EQ(frame.image->GetWidth(), written.frames[i].image->GetWidth());
            EXPECT_EQ(frame.image->GetHeight(), written.frames[i].image->GetHeight());
            EXPECT_TRUE(frame.image->IsEncoded());
            EXPECT_EQ(Data(*frame.image), Data(*written.frames[i].image));
            EXPECT_EQ(0, std::memcmp(frame.image->GetPalette(), written.frames[0].image->GetPalette(), Image::paletteSize));
            ASSERT_EQ(frame.alpha != nullptr, withAlpha);
            if (withAlpha) {
                EXPECT_EQ(Data(*frame.alpha), Data(*written.frames[i].alpha));
                EXPECT_EQ(frame.alpha->GetPalette()[128 * 4], 99); // alpha frame 0's palette for all
            }
        }
    }
}

TEST_F(RleFileTest, StaleOrOtherwiseEncodedFilesAreIgnoredWithoutComplaint)
{
    RleFileContent read;
    EXPECT_FALSE(RleFile::Read("data\\anim\\walk", twoFrames, read)); // none yet

    ASSERT_TRUE(RleFile::Write("data\\anim\\walk", twoFrames, TwoFrames(false)));
    ASSERT_TRUE(RleFile::Read("data\\anim\\walk", twoFrames, read));
    // An alpha bitmap that appeared after writing.
    WriteFile("data/anim/walk_alpha.bmp", "alpha art");
    EXPECT_FALSE(RleFile::Read("data\\anim\\walk", twoFrames, read));
    std::filesystem::remove("data/anim/walk_alpha.bmp");
    ASSERT_TRUE(RleFile::Read("data\\anim\\walk", twoFrames, read));
    // The bitmap was changed.
    Touch("data/anim/walk.bmp", 5);
    EXPECT_FALSE(RleFile::Read("data\\anim\\walk", twoFrames, read));

    // Written with alpha: a changed alpha bitmap makes the frames stale like
    // a changed bitmap, and so does its removal.
    WriteFile("data/anim/walk_alpha.bmp", "alpha art");
    ASSERT_TRUE(RleFile::Write("data\\anim\\walk", twoFrames, TwoFrames(true)));
    ASSERT_TRUE(RleFile::Read("data\\anim\\walk", twoFrames, read));
    Touch("data/anim/walk_alpha.bmp", 5);
    EXPECT_FALSE(RleFile::Read("data\\anim\\walk", twoFrames, read));
    ASSERT_TRUE(RleFile::Write("data\\anim\\walk", twoFrames, TwoFrames(true)));
    std::filesystem::remove("data/anim/walk_alpha.bmp");
    EXPECT_FALSE(RleFile::Read("data\\anim\\walk", twoFrames, read));
    EXPECT_TRUE(read.frames.empty());

    // The mirrored art's frames have a file of their own.
    const RleEncoding mirrored{true, true, 2};
    ASSERT_TRUE(RleFile::Write("data\\anim\\walk", twoFrames, TwoFrames(false)));
    EXPECT_FALSE(RleFile::Read("data\\anim\\walk", mirrored, read));
    ASSERT_TRUE(RleFile::Write("data\\anim\\walk", mirrored, TwoFrames(false)));
    EXPECT_TRUE(std::filesystem::exists("data/anim/walk.mirrored.rle"));
    EXPECT_TRUE(RleFile::Read("data\\anim\\walk", mirrored, read));
    EXPECT_TRUE(RleFile::Read("data\\anim\\walk", twoFrames, read));
    // Another frame count or crop, or a file whose name and encoding field
    // disagree (copied over by hand), is encoded again.
    EXPECT_FALSE(RleFile::Read("data\\anim\\walk", RleEncoding{false, true, 3}, read));
    EXPECT_FALSE(RleFile::Read("data\\anim\\walk", RleEncoding{false, false, 2}, read));
    std::filesystem::copy_file("data/anim/walk.rle", "data/anim/walk.mirrored.rle",
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_FALSE(RleFile::Read("data\\anim\\walk", mirrored, read));

    // A file from before the encoding field was filled (0 there) may hold
    // either orientation: loose, it is encoded again (the archive's copy is
    // still read, below).
    std::string old = ReadFile("data/anim/walk.rle");
    old[2074] = 0;
    old[2075] = 0;
    WriteFile("data/anim/walk.rle", old);
    EXPECT_FALSE(RleFile::Read("data\\anim\\walk", twoFrames, read));
    RleFileHeader header{};
    EXPECT_TRUE(RleFile::ReadFile("data\\anim\\walk.rle", read, header));

    // The bitmap itself removed.
    ASSERT_TRUE(RleFile::Write("data\\anim\\walk", twoFrames, TwoFrames(false)));
    std::filesystem::remove("data/anim/walk.bmp");
    EXPECT_FALSE(RleFile::Read("data\\anim\\walk", twoFrames, read));
    EXPECT_EQ(ReadFile("debug.txt").find("ERROR"), std::string::npos);
}

TEST_F(RleFileTest, NothingIsWrittenWithoutFramesOrWithTheArchiveInUse)
{
    EXPECT_FALSE(RleFile::Write("data\\anim\\walk", twoFrames, RleFileContent()));
    EXPECT_FALSE(std::filesystem::exists("data/anim/walk.rle"));

    // Frames that do not share frame 0's format cannot be read back.
    RleFileContent mixed = TwoFrames(false);
    ImageUtil::GetInstance().RunLengthEncode(*mixed.frames[0].image);
    mixed.frames[1].image->Create(5, 2, 24, true);
    EXPECT_FALSE(RleFile::Write("data\\anim\\walk", twoFrames, mixed));
    EXPECT_FALSE(std::filesystem::exists("data/anim/walk.rle"));

    // An archive whose one member is a .rle file written before.
    ASSERT_TRUE(RleFile::Write("data\\anim\\walk", twoFrames, TwoFrames(false)));
    // Written before the encoding field was filled: the archive's copy is
    // still read.
    std::string member = ReadFile("data/anim/walk.rle");
    member[2074] = 0;
    member[2075] = 0;
    std::filesystem::remove("data/anim/walk.rle");
    std::string archive(4 + 80, '\0');
    archive[0] = 1;
    std::strcpy(archive.data() + 4, "data\\anim\\walk.rle");
    const std::uint32_t offset = 84;
    const auto size = static_cast<std::uint32_t>(member.size());
    std::memcpy(archive.data() + 4 + 64, &offset, 4);
    std::memcpy(archive.data() + 4 + 68, &size, 4);
    WriteFile("datafile.dat", archive + member);
    DataFile::GetInstance().Init("datafile.dat");
    ASSERT_TRUE(DataFile::GetInstance().IsAvailable());

    EXPECT_FALSE(RleFile::Write("data\\anim\\walk", twoFrames, TwoFrames(false)));
    EXPECT_FALSE(std::filesystem::exists("data/anim/walk.rle"));
    EXPECT_TRUE(Contains(ReadFile("debug.txt"),
                         "***ERROR: SpriteLoaderUtil::CreatePreEncodedData: Try to create pre-encoded "
                         "data with loaded Onefile!\n"));
    // The archive's copy is used as it is: no bitmap to compare with.
    std::filesystem::remove("data/anim/walk.bmp");
    RleFileContent read;
    ASSERT_TRUE(RleFile::Read("data\\anim\\walk", twoFrames, read));
    EXPECT_EQ(read.frames.size(), 2u);
}
