// The sprite art writers: what the game's loaders see of a drawn picture.

#include "ImagePixels.h"
#include "SpriteArt.h"
#include "graphics/BmpLoader.h"
#include "graphics/JpegLoader.h"
#include "graphics/SpriteLoaderUtil.h"
#include "support/HeadlessTest.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using content::Picture;

void Fill(const Picture& picture, double x, double y, double width, double height, std::uint32_t rgb,
          double alpha = 1.0)
{
    content::SetColour(picture.Cairo(), rgb, alpha);
    cairo_rectangle(picture.Cairo(), x, y, width, height);
    cairo_fill(picture.Cairo());
}

} // namespace

class SpriteArtTest : public HeadlessTest {};

TEST_F(SpriteArtTest, KeyedImageKeepsVisibleColoursOutOfTheTransparentRanges)
{
    Picture picture(4, 1);
    Fill(picture, 0, 0, 1, 1, 0x336699);  // plain colour
    Fill(picture, 1, 0, 1, 1, 0xFF00FF);  // magenta drawn on purpose
    Fill(picture, 2, 0, 1, 1, 0x000000);  // black
    // pixel 3 stays clear

    EXPECT_EQ(picture.Pixel(0, 0), 0xFF336699u);
    EXPECT_EQ(picture.Pixel(3, 0), 0u);
    const std::unique_ptr<Image> image = content::KeyedImage(picture);
    ASSERT_TRUE(image);
    EXPECT_EQ(Rgb24(*image, 0, 0), 0x336699u);
    EXPECT_EQ(Rgb24(*image, 1, 0), 0xFF08FFu);
    EXPECT_EQ(Rgb24(*image, 2, 0), 0x080808u);
    EXPECT_EQ(Rgb24(*image, 3, 0), 0xFF00FFu);
    // Hard edges only: no coverage companion.
    EXPECT_FALSE(content::CoverageImage(picture));
}

TEST_F(SpriteArtTest, SoftEdgesGiveAGreyCoverageAndTheUnblendedColour)
{
    Picture picture(2, 1);
    Fill(picture, 0, 0, 1, 1, 0xC08040, 0.5);
    Fill(picture, 1, 0, 1, 1, 0x204060);

    // Cairo stores 0.5 of 255 as 128 (rounded) and the colour premultiplied;
    // unpremultiplying gives the colour back within one step.
    const std::uint32_t soft = picture.Pixel(0, 0);
    EXPECT_EQ(soft >> 24, 128u);
    EXPECT_NEAR(static_cast<int>((soft >> 16) & 0xFF), 0xC0, 1);
    EXPECT_NEAR(static_cast<int>((soft >> 8) & 0xFF), 0x80, 1);
    EXPECT_NEAR(static_cast<int>(soft & 0xFF), 0x40, 1);

    const std::unique_ptr<Image> coverage = content::CoverageImage(picture);
    ASSERT_TRUE(coverage);
    EXPECT_EQ(coverage->GetDepth(), 8);
    EXPECT_EQ(coverage->GetData()[0], 128);
    EXPECT_EQ(coverage->GetData()[1], 255);
}

TEST_F(SpriteArtTest, WrittenSpritesLoadThroughTheGamesLoaders)
{
    // A keyed picture with a soft pixel, a two-frame strip and an opaque
    // background, written and read back as the sprite registry reads them.
    Picture keyed(3, 2);
    Fill(keyed, 0, 0, 2, 2, 0x5FD6CB);
    Fill(keyed, 2, 0, 1, 1, 0xEE7F22, 0.5);
    ASSERT_TRUE(content::WriteKeyed("data\\test\\keyed", keyed));
    EXPECT_TRUE(std::filesystem::exists("data/test/keyed.bmp"));
    EXPECT_TRUE(std::filesystem::exists("data/test/keyedAlpha.bmp"));

    const std::unique_ptr<Image> colours = SpriteLoaderUtil::LoadImage("data\\test\\keyed", false);
    ASSERT_TRUE(colours);
    EXPECT_EQ(colours->GetWidth(), 3);
    EXPECT_EQ(colours->GetHeight(), 2);
    // The loader turns magenta black, the game's transparent colour.
    EXPECT_EQ(colours->GetPixel(2, 1) & 0xFFFFFF, 0u);
    EXPECT_EQ(colours->GetPixel(0, 1) & 0xFFFFFF, 0x5FD6CBu);
    const std::unique_ptr<Image> alpha = SpriteLoaderUtil::LoadAlphaImage("data\\test\\keyed");
    ASSERT_TRUE(alpha);
    EXPECT_EQ(alpha->GetData()[2], 128);
    EXPECT_EQ(alpha->GetData()[0], 255);
    EXPECT_EQ(alpha->GetData()[3 + 2], 0);

    std::vector<Picture> frames;
    frames.emplace_back(2, 2);
    frames.emplace_back(2, 2);
    Fill(frames[0], 0, 0, 2, 2, 0x17908C);
    Fill(frames[1], 0, 0, 2, 2, 0xFFC36B);
    ASSERT_TRUE(content::WriteStrip("data\\test\\strip", frames));
    const std::unique_ptr<Image> strip = SpriteLoaderUtil::LoadImage("data\\test\\strip", false);
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->GetHeight(), 4);
    EXPECT_EQ(strip->GetPixel(1, 1) & 0xFFFFFF, 0x17908Cu);
    EXPECT_EQ(strip->GetPixel(1, 2) & 0xFFFFFF, 0xFFC36Bu);
    EXPECT_FALSE(std::filesystem::exists("data/test/stripAlpha.bmp"));

    std::vector<Picture> uneven;
    uneven.emplace_back(2, 2);
    uneven.emplace_back(3, 2);
    EXPECT_FALSE(content::WriteStrip("data\\test\\uneven", uneven));
    EXPECT_FALSE(content::WriteStrip("data\\test\\none", std::span<const Picture>()));

    Picture background(16, 16);
    Fill(background, 0, 0, 16, 16, 0x33458C);
    ASSERT_TRUE(content::WriteJpeg("data\\test\\background", background));
    const std::unique_ptr<Image> decoded = SpriteLoaderUtil::LoadImage("data\\test\\background", false);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->GetWidth(), 16);
    const std::uint32_t centre = decoded->GetPixel(8, 8);
    EXPECT_NEAR(static_cast<int>((centre >> 16) & 0xFF), 0x33, 3);
    EXPECT_NEAR(static_cast<int>((centre >> 8) & 0xFF), 0x45, 3);
    EXPECT_NEAR(static_cast<int>(centre & 0xFF), 0x8C, 3);
}

TEST_F(SpriteArtTest, OutlinesStayVisibleWhenDrawnSmallAndTextIsMeasuredAsItIsDrawn)
{
    // A square from 100 to 500 user units at a tenth of the size covers
    // pixels 10 to 50. Its 3-unit outline would be 0.3 pixels wide there;
    // kept at 1.3 pixels, centred on x 10, it covers 0.65 of column 9.
    Picture small(60, 60);
    cairo_t* cairo = small.Cairo();
    cairo_scale(cairo, 0.1, 0.1);
    cairo_rectangle(cairo, 100.0, 100.0, 400.0, 400.0);
    content::FillOutlined(cairo, content::colour::cream, content::colour::cream, 3.0);
    const std::uint32_t edge = small.Pixel(9, 30);
    EXPECT_NEAR(static_cast<int>(edge >> 24), 166, 20);
    EXPECT_NEAR(static_cast<int>((edge >> 16) & 0xFF), (content::colour::outline >> 16) & 0xFF, 4);
    EXPECT_EQ(small.Pixel(30, 30), 0xFF000000u | content::colour::cream);

    // Text set from x 20: its ink ends where the measured width says, give
    // or take the outline (half of 34 / 8) and the last letter's side
    // bearing.
    constexpr double size = 34.0;
    const std::string text = "Astrokutter Zephyra";
    const double width = content::ArtTextWidth(cairo, text, size);
    Picture line(600, 60);
    content::DrawArtText(line.Cairo(), text, 20.0, 45.0, size, content::colour::cream, content::Align::left);
    int inkRight = -1;
    for (int x = 0; x < line.Width(); ++x)
        for (int y = 0; y < line.Height(); ++y)
            if ((line.Pixel(x, y) >> 24) != 0)
                inkRight = x;
    EXPECT_GT(width, 300.0);
    EXPECT_NEAR(inkRight + 1, 20.0 + width, 4.0);
    // Twice the size, twice the width: the metrics are not hinted.
    EXPECT_NEAR(content::ArtTextWidth(cairo, text, 2.0 * size), 2.0 * width, 0.01);
}
