#include "graphics/DirectDraw.h"
#include "graphics/Surface.h"
#include "support/HeadlessTest.h"
#include "support/SurfacePixels.h"

#include <cstring>

namespace {

// A 32-bit image whose pixel (x, y) holds 100 * y + x.
std::unique_ptr<Image> Numbered(int width, int height)
{
    auto image = std::make_unique<Image>();
    image->Create(width, height, 32, true);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t value = static_cast<std::uint32_t>(100 * y + x);
            std::memcpy(image->GetData() + (y * width + x) * 4, &value, 4);
        }
    return image;
}

} // namespace

class SurfaceTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        ASSERT_TRUE(Window().Create({"Test", 1024, 768, false}));
        ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 32, false));
        StartLog();
    }
};

TEST_F(SurfaceTest, CopiesImageRegionsIntoTheSurface)
{
    Surface surface;
    ASSERT_TRUE(surface.Create(3, 2, false));
    const auto image = Numbered(10, 10);
    surface.SetPixels(*image, 4, 5);
    EXPECT_EQ(SurfacePixel(*surface.GetSurface(), 0, 0), 504u);
    EXPECT_EQ(SurfacePixel(*surface.GetSurface(), 2, 1), 606u);

    // Into a rectangle: surface pixel (c, r) gets image pixel (x + c, y + r).
    surface.SetPixels(*image, 1, 2, {1, 0, 2, 1});
    EXPECT_EQ(SurfacePixel(*surface.GetSurface(), 0, 0), 504u); // outside the rectangle
    EXPECT_EQ(SurfacePixel(*surface.GetSurface(), 1, 0), 202u);
    EXPECT_EQ(SurfacePixel(*surface.GetSurface(), 2, 1), 303u);
    EXPECT_EQ(ReadFile("debug.txt"), "");

    surface.SetPixels(*image, 0, 0, {0, 0, 3, 1});
    EXPECT_EQ(ReadFile("debug.txt"), "destination rect does not fit to dest surface.\n");
}

TEST_F(SurfaceTest, RefusesImagesThatDoNotCoverIt)
{
    Surface surface;
    ASSERT_TRUE(surface.Create(4, 4, false));
    const auto small = Numbered(3, 3);
    surface.SetPixels(*small, 0, 0);
    surface.SetPixels(*Numbered(10, 10), 8, 0);
    Image grey;
    ASSERT_TRUE(grey.Create(8, 8, 8, true));
    surface.SetPixels(grey, 0, 0);
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: Surface::SetPixels: the image does not cover the surface.\n"
                                     "***ERROR: Surface::SetPixels: the image does not cover the surface.\n"
                                     "***ERROR: Surface::SetPixels: the image does not cover the surface.\n");
    EXPECT_EQ(SurfacePixel(*surface.GetSurface(), 3, 3), 0u);
}

TEST_F(SurfaceTest, ALostSurfaceStartsTheRestoreInsteadOfAnError)
{
    Surface surface;
    ASSERT_TRUE(surface.Create(3, 2, false));
    int restores = 0;
    DirectDraw::GetInstance().SetSurfaceRestore([&] { ++restores; });

    Host().GetDisplay().LoseAllSurfaces();
    surface.SetPixels(*Numbered(10, 10), 0, 0);
    EXPECT_EQ(restores, 1);
    EXPECT_EQ(ReadFile("debug.txt"), ""); // a loss is not an error
    platform::WindowMessage message;
    EXPECT_FALSE(Window().PeekMessage(message)); // and no quit message

    // Restored, the same copy goes through.
    Host().GetDisplay().Restore(surface.GetSurface());
    surface.SetPixels(*Numbered(10, 10), 4, 5);
    EXPECT_EQ(SurfacePixel(*surface.GetSurface(), 2, 1), 606u);
}
