#include "graphics/JpegLoader.h"
#include "support/HeadlessTest.h"
#include "support/JpegFiles.h"

#include <cstdint>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

using jpeg_files::Compress;

// Smooth colours (JPEG keeps them close): red rises to the right, green
// downwards, blue stays at 40.
Bytes Gradient(int width, int height)
{
    Bytes pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            pixels.push_back(static_cast<std::uint8_t>(x * 255 / (width - 1)));
            pixels.push_back(static_cast<std::uint8_t>(y * 255 / (height - 1)));
            pixels.push_back(40);
        }
    return pixels;
}

// Every pixel of the decoded image against the red, green, blue source.
void ExpectClose(const Image& image, const Bytes& rgb, int tolerance)
{
    ASSERT_EQ(image.GetBufferSize(), rgb.size());
    int worst = 0;
    for (std::size_t pixel = 0; pixel < rgb.size() / 3; ++pixel)
        for (int channel = 0; channel < 3; ++channel) {
            // The Image holds blue, green, red.
            const int decoded = image.GetData()[pixel * 3 + static_cast<std::size_t>(2 - channel)];
            worst = std::max(worst, std::abs(decoded - rgb[pixel * 3 + static_cast<std::size_t>(channel)]));
        }
    EXPECT_LE(worst, tolerance);
}

} // namespace

class JpegLoaderTest : public LoggedTest {};

TEST_F(JpegLoaderTest, DecodesBaselineAndProgressiveFilesIntoBlueGreenRedRows)
{
    const Bytes source = Gradient(24, 16);
    WriteFile("data/level01/baseline.jpg", Compress(24, 16, 3, source, false));
    std::unique_ptr<Image> image = JpegLoader::GetInstance().Load("data\\level01\\baseline.jpg");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->GetWidth(), 24);
    EXPECT_EQ(image->GetHeight(), 16);
    EXPECT_EQ(image->GetDepth(), 24);
    ExpectClose(*image, source, 12);
    // Top right is red, bottom left green: the channel order and the row order.
    EXPECT_GT(image->GetData()[23 * 3 + 2], 220);
    EXPECT_LT(image->GetData()[23 * 3 + 1], 30);
    EXPECT_GT(image->GetData()[(15 * 24) * 3 + 1], 220);

    WriteFile("progressive.jpg", Compress(24, 16, 3, source, true));
    image = JpegLoader::GetInstance().Load("progressive.jpg");
    ASSERT_TRUE(image);
    ExpectClose(*image, source, 12);
}

TEST_F(JpegLoaderTest, GreyFilesComeOutAsThreeEqualChannels)
{
    Bytes grey;
    for (int i = 0; i < 8 * 8; ++i)
        grey.push_back(static_cast<std::uint8_t>(100 + i));
    WriteFile("grey.jpg", Compress(8, 8, 1, grey, false));
    std::unique_ptr<Image> image = JpegLoader::GetInstance().Load("grey.jpg");
    ASSERT_TRUE(image);
    ASSERT_EQ(image->GetBufferSize(), 8u * 8 * 3);
    for (std::size_t pixel = 0; pixel < 64; ++pixel) {
        EXPECT_EQ(image->GetData()[pixel * 3], image->GetData()[pixel * 3 + 1]);
        EXPECT_EQ(image->GetData()[pixel * 3], image->GetData()[pixel * 3 + 2]);
        EXPECT_NEAR(image->GetData()[pixel * 3], grey[pixel], 6);
    }
}

TEST_F(JpegLoaderTest, StrayBytesBeforeAMarkerAreLoggedAndThePictureDecoded)
{
    // Every viewer shows such a file: the bytes are skipped and the picture
    // is whole.
    const Bytes source = Gradient(24, 16);
    const std::string good = jpeg_files::Compress(24, 16, 3, source, false);
    std::string stray = good;
    stray.insert(stray.find("\xFF\xDA"), "junk");
    WriteFile("stray.jpg", stray);
    std::unique_ptr<Image> image = JpegLoader::GetInstance().Load("stray.jpg");
    ASSERT_TRUE(image);
    ExpectClose(*image, source, 12);
    const std::string log = ReadFile("debug.txt");
    EXPECT_TRUE(Contains(log,
                         "***WARNING: JpegLoader::Load: <stray.jpg>: libjpeg: Corrupt JPEG data: 4 extraneous bytes before "
                         "marker 0xda\n"));
    EXPECT_EQ(log.find("ERROR"), std::string::npos);
}

TEST_F(JpegLoaderTest, MissingFilesAndTooManyScansAreRefused)
{
    EXPECT_FALSE(JpegLoader::GetInstance().Load("data\\none.jpg"));
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "***ERROR: can't open data\\none.jpg\n"));

    // A legal progressive file of 1 + 3 * 63 scans: every coefficient of
    // every component in a scan of its own.
    std::vector<jpeg_scan_info> scans;
    scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
    for (int component = 0; component < 3; ++component)
        for (int coefficient = 1; coefficient < 64; ++coefficient)
            scans.push_back({1, {component, 0, 0, 0}, coefficient, coefficient, 0, 0});
    WriteFile("scans.jpg", Compress(16, 16, 3, Gradient(16, 16), false, scans));
    EXPECT_FALSE(JpegLoader::GetInstance().Load("scans.jpg"));
    const std::string log = ReadFile("debug.txt");
    EXPECT_TRUE(Contains(log, "***ERROR: JpegLoader::Load: More than 100 scans.\n"));
    EXPECT_TRUE(Contains(log, "***ERROR: error while decoding\n"));
}
