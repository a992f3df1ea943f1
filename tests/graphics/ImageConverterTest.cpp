#include "graphics/DirectDraw.h"
#include "graphics/ImageConverter.h"
#include "support/HeadlessTest.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::unique_ptr<Image> MakeImage(int width, int height, int depth, const Bytes& pixels)
{
    auto image = std::make_unique<Image>();
    image->Create(width, height, depth, true);
    std::copy(pixels.begin(), pixels.end(), image->GetData());
    return image;
}

std::vector<std::uint16_t> Pixels16(const Image& image)
{
    std::vector<std::uint16_t> pixels(image.GetBufferSize() / 2);
    std::memcpy(pixels.data(), image.GetData(), pixels.size() * 2);
    return pixels;
}

Bytes Data(const Image& image)
{
    return Bytes(image.GetData(), image.GetData() + image.GetBufferSize());
}

} // namespace

class ImageConverterTest : public LoggedTest {
protected:
    ImageConverter& Converter() { return ImageConverter::GetInstance(); }
    DirectDraw& Display() { return DirectDraw::GetInstance(); }
};

TEST_F(ImageConverterTest, DitherGeneratorStepsFromItsSeed)
{
    // s = (s & 1) * 371945 - (s >> 1) * 94325, wrapping at 32 bits. From
    // 12345 (odd): 371945 - 6172 * 94325 = -581801955 = 3713165341 mod 2^32.
    const std::vector<std::uint32_t> expected = {3713165341u, 836551299u, 4014328372u, 691530526u,
                                                 1673213349u, 2804943599u, 1135615366u};
    for (std::uint32_t value : expected)
        EXPECT_EQ(Converter().NextDitherValue(), value);
}

TEST_F(ImageConverterTest, TwentyFourBitsDitherToSixteenWithCarriesSeededPerRow)
{
    Display().UsePixelFormat(16, 0xF800, 0x07E0, 0x001F);
    // Bytes blue, green, red. Row 0 carries start at 5, 3, 4 (red, green,
    // blue: low bits of the first three generator values), row 1 at 6, 5, 7.
    std::unique_ptr<Image> image = MakeImage(2, 2, 24, {0x03, 0x06, 0x0B, 0x03, 0x06, 0x0B, 0xFF, 0xFF, 0xFF, 0x00, 0x08, 0x00});
    image = Converter().ConvertToScreenFormat(std::move(image));
    ASSERT_EQ(image->GetDepth(), 16);
    // (0,0): red 11 -> 1, carry 5 + 3 = 8 -> 2, carry 0; green 6 -> 0, 3 + 6 = 9 -> 1, carry 1;
    //        blue 3 -> 0, 4 + 3 = 7 stays 0, carry 7.
    // (1,0): red 0 + 3 = 3 -> 1; green 1 + 6 = 7 -> 0; blue 7 + 3 = 10 -> 1.
    // (0,1): every channel 31 plus a carry over 7 stays 31.
    // (1,1): red 5 + 0 -> 0; green 8 -> 1, 4 + 0 -> 1; blue 6 + 0 -> 0.
    EXPECT_EQ(Pixels16(*image), (std::vector<std::uint16_t>{(2 << 11) | (1 << 6), (1 << 11) | 1, 0xFFDF, 1 << 6}));

    // The generator goes on where it stopped: the next row's carries are
    // 6, 1, 1, so red 2 rounds up and green and blue 2 do not.
    image = Converter().ConvertToScreenFormat(MakeImage(1, 1, 24, {0x02, 0x02, 0x02}));
    EXPECT_EQ(Pixels16(*image), (std::vector<std::uint16_t>{1 << 11}));
}

TEST_F(ImageConverterTest, EightBitsConvertThroughThePaletteAtEveryScreenDepth)
{
    const auto indexed = [] {
        std::unique_ptr<Image> image = MakeImage(2, 1, 8, {1, 0});
        std::uint8_t* entry = image->GetPalette() + 4;
        entry[0] = 0x40; // blue
        entry[1] = 0x80;
        entry[2] = 0xFF;
        return image;
    };
    Display().UsePixelFormat(16, 0xF800, 0x07E0, 0x001F);
    EXPECT_EQ(Pixels16(*Converter().ConvertToScreenFormat(indexed())), (std::vector<std::uint16_t>{0xF800 | (16 << 6) | 8, 0}));
    Display().UsePixelFormat(16, 0x7C00, 0x03E0, 0x001F);
    EXPECT_EQ(Pixels16(*Converter().ConvertToScreenFormat(indexed())), (std::vector<std::uint16_t>{0x7C00 | (16 << 5) | 8, 0}));

    Display().UsePixelFormat(32, 0x00FF0000, 0x0000FF00, 0x000000FF);
    std::unique_ptr<Image> image = Converter().ConvertToScreenFormat(indexed());
    EXPECT_EQ(image->GetDepth(), 32);
    EXPECT_EQ(Data(*image), (Bytes{0x40, 0x80, 0xFF, 0, 0, 0, 0, 0}));
    // Red in the low byte puts the channel bytes the other way round.
    Display().UsePixelFormat(32, 0x000000FF, 0x0000FF00, 0x00FF0000);
    EXPECT_EQ(Data(*Converter().ConvertToScreenFormat(MakeImage(1, 1, 24, {1, 2, 3}))), (Bytes{3, 2, 1, 0}));

    Display().UsePixelFormat(24, 0x00FF0000, 0x0000FF00, 0x000000FF);
    image = Converter().ConvertToScreenFormat(indexed());
    EXPECT_EQ(image->GetDepth(), 24);
    EXPECT_EQ(Data(*image), (Bytes{0x40, 0x80, 0xFF, 0, 0, 0}));
    Display().UsePixelFormat(24, 0x000000FF, 0x0000FF00, 0x00FF0000);
    EXPECT_EQ(Data(*Converter().ConvertTo24Bit(MakeImage(1, 1, 24, {1, 2, 3}))), (Bytes{3, 2, 1}));
}

TEST_F(ImageConverterTest, AlphaMapsAverageTheThreeChannels)
{
    std::unique_ptr<Image> alpha = Converter().ConvertTo8BitAlpha(MakeImage(2, 1, 24, {10, 20, 31, 255, 255, 254}));
    EXPECT_EQ(alpha->GetDepth(), 8);
    EXPECT_EQ(Data(*alpha), (Bytes{20, 254})); // 61 / 3, 764 / 3
    EXPECT_EQ(alpha->GetPalette()[200 * 4], 200); // a grey palette

    std::unique_ptr<Image> indexed = MakeImage(1, 1, 8, {3});
    indexed->GetPalette()[3 * 4 + 0] = 90;
    indexed->GetPalette()[3 * 4 + 1] = 0;
    indexed->GetPalette()[3 * 4 + 2] = 0;
    EXPECT_EQ(Data(*Converter().ConvertTo8BitAlpha(std::move(indexed))), (Bytes{30}));
}

TEST_F(ImageConverterTest, SourcesInTheScreenFormatOrOfOtherDepthsComeBackUnchanged)
{
    Display().UsePixelFormat(16, 0xF800, 0x07E0, 0x001F);
    std::unique_ptr<Image> image = MakeImage(1, 1, 16, {1, 2});
    const Image* original = image.get();
    image = Converter().ConvertToScreenFormat(std::move(image));
    EXPECT_EQ(image.get(), original);
    EXPECT_TRUE(Host().GetMessageBoxes().empty());

    image = MakeImage(8, 1, 1, {0});
    original = image.get();
    image = Converter().ConvertToScreenFormat(std::move(image));
    EXPECT_EQ(image.get(), original);
    image = Converter().ConvertTo24Bit(std::move(image));
    image = Converter().ConvertTo8BitAlpha(std::move(image));
    EXPECT_EQ(image.get(), original);
    Display().UsePixelFormat(8, 0xE0, 0x1C, 0x03);
    image = Converter().ConvertToScreenFormat(std::move(image));
    EXPECT_EQ(image.get(), original);

    const auto& boxes = Host().GetMessageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].first, "ERROR");
    EXPECT_EQ(boxes[0].second, "ImageConverter::ConvertTo16Bit: illegal source image");
    EXPECT_EQ(boxes[1].second, "ImageConverter::ConvertTo24Bit: illegal source image");
    EXPECT_EQ(boxes[2].second, "ImageConverter::ConvertTo8BitAlpha: illegal source image");
    EXPECT_EQ(boxes[3].second, "not supported screen depth");
}
