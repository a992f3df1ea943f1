#include "app/Debug.h"
#include "graphics/BmpLoader.h"
#include "support/BitmapFiles.h"
#include "support/ByteFields.h"
#include "support/HeadlessTest.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A bitmap file put together by hand: `paletteEntries` palette entries
// (entry i = (i, 2i, 3i, 0)), `usedColors` in its header and the rows as
// given, bottom row first.
std::string MakeBitmap(int width, int height, int bits, int paletteEntries, int usedColors, const std::string& rows)
{
    std::vector<std::uint32_t> palette;
    for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(paletteEntries); ++i)
        palette.push_back((3 * i & 0xFF) << 16 | (2 * i & 0xFF) << 8 | i);
    std::string bytes = bitmap_files::BitmapHeaders(width, height, bits, palette, static_cast<int>(rows.size()) / height);
    PutUint32(bytes, 46, static_cast<std::uint32_t>(usedColors));
    return bytes + rows;
}

std::vector<std::uint8_t> Pixels(const Image& image)
{
    return std::vector<std::uint8_t>(image.GetData(), image.GetData() + image.GetBufferSize());
}

} // namespace

class BmpLoaderTest : public LoggedTest {};

TEST_F(BmpLoaderTest, TwentyFourBitRowsArePaddedByWidthModuloFourAndTurnedTopDown)
{
    // Width 5: 15 bytes and one padding byte per row.
    std::string rows;
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 15; ++i)
            rows += static_cast<char>(row * 100 + i);
        rows += '\x77';
    }
    WriteFile("data/wide5.bmp", MakeBitmap(5, 2, 24, 0, 0, rows));
    std::unique_ptr<Image> image = BmpLoader::GetInstance().Load("data\\wide5.bmp");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->GetWidth(), 5);
    EXPECT_EQ(image->GetHeight(), 2);
    EXPECT_EQ(image->GetDepth(), 24);
    std::vector<std::uint8_t> expected;
    for (int row : {1, 0}) // the file's last row is the top one
        for (int i = 0; i < 15; ++i)
            expected.push_back(static_cast<std::uint8_t>(row * 100 + i));
    EXPECT_EQ(Pixels(*image), expected);
}

TEST_F(BmpLoaderTest, EightBitPaletteEntriesBeyondTheUsedColoursStayMagenta)
{
    // Width 3: rows of 4 bytes, 3 of them pixels.
    const std::string rows = std::string("\x01\x02\x0F\xEE", 4) + std::string("\x03\x04\x05\xEE", 4);
    WriteFile("indexed.bmp", MakeBitmap(3, 2, 8, 16, 16, rows));
    std::unique_ptr<Image> image = BmpLoader::GetInstance().Load("indexed.bmp");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->GetDepth(), 8);
    EXPECT_EQ(Pixels(*image), (std::vector<std::uint8_t>{3, 4, 5, 1, 2, 15}));
    const std::uint8_t* palette = image->GetPalette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette[15 * 4 + 0], 15);
    EXPECT_EQ(palette[15 * 4 + 1], 30);
    EXPECT_EQ(palette[15 * 4 + 2], 45);
    for (int i : {16, 100, 255}) {
        EXPECT_EQ(palette[i * 4 + 0], 255) << i;
        EXPECT_EQ(palette[i * 4 + 1], 0) << i;
        EXPECT_EQ(palette[i * 4 + 2], 255) << i;
        EXPECT_EQ(palette[i * 4 + 3], 0) << i;
    }
    EXPECT_EQ(image->GetPixel(2, 1), 0x002D1E0Fu);

    // Without a used-colours count all 256 entries come from the file.
    std::string full(4, '\0');
    WriteFile("full.bmp", MakeBitmap(1, 1, 8, 256, 0, full));
    image = BmpLoader::GetInstance().Load("full.bmp");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->GetPalette()[200 * 4 + 0], 200);
    EXPECT_EQ(image->GetPalette()[200 * 4 + 1], static_cast<std::uint8_t>(400));
}

TEST_F(BmpLoaderTest, OneBitRowsArePaddedToThirtyTwoBits)
{
    // Width 10, two rows of 4 bytes; bottom row has pixel 0 set, top row
    // pixels 8 and 9.
    const std::string rows = std::string("\x80\x00\x00\x00", 4) + std::string("\x00\xC0\x00\x00", 4);
    WriteFile("mask.bmp", MakeBitmap(10, 2, 1, 2, 0, rows));
    std::unique_ptr<Image> mask = BmpLoader::GetInstance().Load("mask.bmp");
    ASSERT_TRUE(mask);
    EXPECT_EQ(mask->GetDepth(), 1);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool set = (y == 0 && x >= 8) || (y == 1 && x == 0);
            EXPECT_EQ(mask->GetPixel(x, y), set ? 0u : 0xFFFFFFu) << x << "," << y;
        }
}

TEST_F(BmpLoaderTest, SaveWritesBottomUpRowsPaddedWithThirtyHex)
{
    Image image;
    ASSERT_TRUE(image.Create(5, 2, 24, true));
    for (int i = 0; i < 30; ++i)
        image.GetData()[i] = static_cast<std::uint8_t>(i + 1);
    ASSERT_TRUE(BmpLoader::GetInstance().Save("savegames\\shot.bmp", image));

    const std::string file = ReadFile("savegames/shot.bmp");
    // The headers of a 24-bit file with rows of 16 bytes, all else zero.
    std::string expected = bitmap_files::BitmapHeaders(5, 2, 24, {}, 16);
    for (int row : {1, 0}) {
        for (int i = 0; i < 15; ++i)
            expected += static_cast<char>(row * 15 + i + 1);
        expected += '\x30';
    }
    EXPECT_EQ(file, expected);
}

TEST_F(BmpLoaderTest, SavingAnythingButTwentyFourBitsFailsAndWritesNothing)
{
    Image image;
    ASSERT_TRUE(image.Create(4, 4, 16, true));
    EXPECT_FALSE(BmpLoader::GetInstance().Save("shot.bmp", image));
    EXPECT_FALSE(std::filesystem::exists("shot.bmp"));
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "***ERROR: BmpLoader::Save: Image depth is not 24 bit. Can't safe.\n"));

    ASSERT_TRUE(image.Create(4, 4, 24, true));
    std::filesystem::create_directory("taken");
    EXPECT_FALSE(BmpLoader::GetInstance().Save("taken", image));
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "BmpLoader::Save: Failed to write file <taken>.\n"));
}

TEST_F(BmpLoaderTest, AMissingOrUnsupportedBitmapEndsTheProcessWithItsMessage)
{
    EXPECT_EXIT(BmpLoader::GetInstance().Load("data\\nothing.bmp"), ::testing::ExitedWithCode(1), "");
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "***ERROR: could not open data\\nothing.bmp!\n"));

    WriteFile("sixteen.bmp", MakeBitmap(2, 2, 16, 0, 0, std::string(16, '\0')));
    EXPECT_EXIT(BmpLoader::GetInstance().Load("sixteen.bmp"), ::testing::ExitedWithCode(1), "");
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "***ERROR: Bitmap has to be 8 Bit or 24 Bit uncompressed (sixteen.bmp)\n"));

    // Read reports the same without ending anything.
    BmpLoader::Result result = BmpLoader::Result::Loaded;
    EXPECT_FALSE(BmpLoader::GetInstance().Read("sixteen.bmp", result));
    EXPECT_EQ(result, BmpLoader::Result::Unsupported);
    EXPECT_FALSE(BmpLoader::GetInstance().Read("absent.bmp", result));
    EXPECT_EQ(result, BmpLoader::Result::CannotOpen);
}
