#include "graphics/DirectDraw.h"
#include "graphics/Image.h"
#include "support/HeadlessTest.h"

#include <cstring>
#include <vector>

class ImageTest : public LoggedTest {};

TEST_F(ImageTest, CreateSizesTheBufferAndGivesEightBitImagesAGreyPalette)
{
    Image image;
    ASSERT_TRUE(image.Create(5, 3, 24, true));
    EXPECT_EQ(image.GetBufferSize(), 45u);
    EXPECT_EQ(image.GetPalette(), nullptr);
    ASSERT_TRUE(image.Create(10, 3, 1, true));
    EXPECT_EQ(image.GetBufferSize(), 4u); // 30 bits
    ASSERT_TRUE(image.Create(3, 2, 16, false));
    EXPECT_EQ(image.GetBufferSize(), 12u);
    ASSERT_TRUE(image.Create(2, 2, 8, true));
    ASSERT_NE(image.GetPalette(), nullptr);
    for (int i : {0, 1, 77, 255}) {
        const std::uint8_t* entry = image.GetPalette() + i * 4;
        EXPECT_EQ(entry[0], i);
        EXPECT_EQ(entry[1], i);
        EXPECT_EQ(entry[2], i);
        EXPECT_EQ(entry[3], 0);
    }
    EXPECT_EQ(image.FindPaletteIndex(0x050505), 5);
    EXPECT_EQ(image.FindPaletteIndex(0x050506), 0); // no match

    // Sizes and depths the pixel code cannot hold are refused.
    EXPECT_FALSE(image.Create(0, 5, 8, true));
    EXPECT_FALSE(image.Create(5, -1, 8, true));
    EXPECT_FALSE(image.Create(Image::maximumSide + 1, 1, 8, true));
    EXPECT_FALSE(image.Create(4, 4, 12, true));
    EXPECT_EQ(image.GetBufferSize(), 0u);
    EXPECT_EQ(image.GetPalette(), nullptr);
}

TEST_F(ImageTest, PixelsAreStoredInTheScreensLayoutAtEveryDepth)
{
    // 0x00FF8040 in five bits a channel: red 31, green 16, blue 8, with
    // 565 green at shift 6; whole bytes blue, green, red (and a zero fourth
    // byte) otherwise.
    struct Layout {
        int depth;
        std::uint32_t red, green, blue;
        std::vector<std::uint8_t> stored;
        std::uint32_t readBack;
    };
    const Layout layouts[] = {
        {16, 0xF800, 0x07E0, 0x001F, {0x08, 0xFC}, 0x00F88040},
        {16, 0x7C00, 0x03E0, 0x001F, {0x08, 0x7E}, 0x00F88040},
        {24, 0xFF0000, 0xFF00, 0xFF, {0x40, 0x80, 0xFF}, 0x00FF8040},
        {32, 0xFF0000, 0xFF00, 0xFF, {0x40, 0x80, 0xFF, 0x00}, 0x00FF8040},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.red);
        DirectDraw::GetInstance().UsePixelFormat(layout.depth, layout.red, layout.green, layout.blue);
        Image image;
        ASSERT_TRUE(image.Create(2, 1, layout.depth, true));
        image.SetPixel(1, 0, 0x00FF8040);
        const std::size_t bytes = layout.stored.size();
        EXPECT_EQ(std::vector<std::uint8_t>(image.GetData() + bytes, image.GetData() + 2 * bytes), layout.stored);
        EXPECT_EQ(image.GetPixel(1, 0), layout.readBack);
        EXPECT_EQ(image.GetPixel(0, 0), 0u);
        image.SetPixel(0, 0, 0x00070707); // below one step of five bits
        EXPECT_EQ(image.GetPixel(0, 0), layout.depth == 16 ? 0u : 0x00070707u);
    }
}

TEST_F(ImageTest, OneBitPixelsAreSetForBlackAndEightBitPixelsGoThroughThePalette)
{
    Image mask;
    ASSERT_TRUE(mask.Create(10, 2, 1, true));
    EXPECT_EQ(mask.GetPixel(9, 0), 0x00FFFFFFu); // a clear bit reads white
    mask.SetPixel(9, 0, 0x000000);
    EXPECT_EQ(mask.GetData()[1], 0x40); // bit 9: second byte, second bit from the top
    EXPECT_EQ(mask.GetPixel(9, 0), 0u);
    mask.SetPixel(1, 1, 0x00FF00FF); // one channel zero: still sets the bit (bit 11)
    EXPECT_EQ(mask.GetData()[1], 0x50);
    mask.SetPixel(9, 0, 0x00010101); // all three channels non-zero clear it
    EXPECT_EQ(mask.GetData()[1], 0x10);

    Image indexed;
    ASSERT_TRUE(indexed.Create(2, 1, 8, true));
    std::vector<std::uint8_t> palette(Image::paletteSize, 0);
    palette[7 * 4 + 0] = 0x30; // blue
    palette[7 * 4 + 1] = 0x20;
    palette[7 * 4 + 2] = 0x10;
    palette[9 * 4 + 0] = 0x30; // the same colour again: the first one wins
    palette[9 * 4 + 1] = 0x20;
    palette[9 * 4 + 2] = 0x10;
    indexed.SetPalette(palette.data());
    indexed.SetPixel(1, 0, 0x00102030);
    EXPECT_EQ(indexed.GetData()[1], 7);
    EXPECT_EQ(indexed.GetPixel(1, 0), 0x00102030u);
    indexed.SetPixel(1, 0, 0x00FFFFFF); // not in the palette
    EXPECT_EQ(indexed.GetData()[1], 0);
}

TEST_F(ImageTest, PixelAccessOutsideTheImageOrOnEncodedDataDoesNothing)
{
    Image image;
    ASSERT_TRUE(image.Create(2, 2, 24, true));
    image.SetPixel(-1, 0, 0xFFFFFF);
    image.SetPixel(2, 0, 0xFFFFFF);
    image.SetPixel(0, 2, 0xFFFFFF);
    EXPECT_EQ(image.GetPixel(5, 5), 0u);
    for (std::size_t i = 0; i < image.GetBufferSize(); ++i)
        EXPECT_EQ(image.GetData()[i], 0);

    image.SetData({1, 2, 3});
    image.SetEncoded(true, 3);
    image.SetPixel(0, 0, 0xFFFFFF);
    EXPECT_EQ(image.GetData()[0], 1);
    EXPECT_EQ(image.GetPixel(1, 1), 0u); // the data is packets, not pixels

    Image empty;
    EXPECT_EQ(empty.GetPixel(0, 0), 0u);
    empty.SetPixel(0, 0, 0);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"),
                         "***ERROR: Unsuported image depth(0). GetPixel() failed.\n"
                         "***ERROR: Unsuported image depth. GetPixel() failed.\n"));
}

TEST_F(ImageTest, CloneCopiesDataPaletteAndEncoding)
{
    Image image;
    ASSERT_TRUE(image.Create(3, 1, 8, true));
    image.GetData()[2] = 9;
    image.GetPalette()[4] = 200;
    std::unique_ptr<Image> copy = image.Clone();
    image.GetData()[2] = 1;
    image.GetPalette()[4] = 1;
    EXPECT_EQ(copy->GetWidth(), 3);
    EXPECT_EQ(copy->GetDepth(), 8);
    EXPECT_EQ(copy->GetData()[2], 9);
    EXPECT_EQ(copy->GetPalette()[4], 200);

    image.SetData({0x83, 1, 2, 3});
    image.SetEncoded(true, 4);
    copy = image.Clone();
    EXPECT_TRUE(copy->IsEncoded());
    EXPECT_EQ(copy->GetEncodedSize(), 4);
    EXPECT_EQ(copy->GetBufferSize(), 4u);
    EXPECT_EQ(copy->GetData()[3], 3);
}

TEST_F(ImageTest, MirrorReversesEveryRowAtEveryDepth)
{
    Image colour;
    ASSERT_TRUE(colour.Create(3, 2, 24, true));
    for (int i = 0; i < 18; ++i)
        colour.GetData()[i] = static_cast<std::uint8_t>(i);
    colour.MirrorHorizontal();
    const std::vector<std::uint8_t> mirrored(colour.GetData(), colour.GetData() + 18);
    EXPECT_EQ(mirrored, (std::vector<std::uint8_t>{6, 7, 8, 3, 4, 5, 0, 1, 2, 15, 16, 17, 12, 13, 14, 9, 10, 11}));

    Image indexed;
    ASSERT_TRUE(indexed.Create(4, 1, 8, true));
    for (int i = 0; i < 4; ++i)
        indexed.GetData()[i] = static_cast<std::uint8_t>(i + 1);
    indexed.MirrorHorizontal();
    EXPECT_EQ(std::vector<std::uint8_t>(indexed.GetData(), indexed.GetData() + 4), (std::vector<std::uint8_t>{4, 3, 2, 1}));

    Image mask;
    ASSERT_TRUE(mask.Create(10, 2, 1, true));
    mask.SetPixel(0, 0, 0);
    mask.SetPixel(3, 1, 0);
    mask.MirrorHorizontal();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(mask.GetPixel(x, y), (x == 9 && y == 0) || (x == 6 && y == 1) ? 0u : 0xFFFFFFu) << x << "," << y;
}
