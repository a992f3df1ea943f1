#include "graphics/DirectDraw.h"
#include "graphics/LoadingScreen.h"
#include "graphics/RenderEngine.h"
#include "graphics/ScreenRumble.h"
#include "graphics/ScreenShotGrabber.h"
#include "support/HeadlessTest.h"
#include "support/SurfacePixels.h"

#include <cstring>

class RenderCompanionsTest : public HeadlessTest {
protected:
    void Open(int depth)
    {
        ASSERT_TRUE(Window().Create({"Test", 1024, 768, true}));
        ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, depth, true));
        StartLog();
    }
};

TEST_F(RenderCompanionsTest, RumbleShakesAndFades)
{
    Open(32);
    ScreenRumble& rumble = ScreenRumble::GetInstance();
    rumble.Update(0.1f);
    EXPECT_EQ(RenderEngine::GetInstance().GetScreenOffsetX(), 0);
    rumble.Start(1.0f);
    rumble.Update(0.1f);
    // Phases 2.3, 6.872, 6.15, 6.33 and an amplitude of 1.15 x 7:
    // x = trunc((cos 6.872 + sin 2.3) x 8.05) = 12, y = trunc((cos 6.33 + sin 6.15) x 8.05) = 6.
    EXPECT_EQ(rumble.GetOffsetX(), 12);
    EXPECT_EQ(rumble.GetOffsetY(), 6);
    EXPECT_EQ(RenderEngine::GetInstance().GetScreenOffsetX(), 12);
    for (int frame = 0; frame < 10; ++frame)
        rumble.Update(0.1f);
    rumble.Update(0.1f); // the time ran out
    EXPECT_EQ(RenderEngine::GetInstance().GetScreenOffsetX(), 0);
    EXPECT_EQ(RenderEngine::GetInstance().GetScreenOffsetY(), 0);
    rumble.Start(2.0f);
    rumble.Stop();
    EXPECT_EQ(rumble.GetOffsetX(), 0);
}

TEST_F(RenderCompanionsTest, GrabsTheBandAtAQuarterOfItsSize)
{
    for (const int depth : {32, 24}) {
        SCOPED_TRACE(depth);
        TearDown();
        SetUp();
        Open(depth);
        platform::DisplaySurface* canvas = DirectDraw::GetInstance().GetRenderTarget();
        Host().GetDisplay().ColourFill(canvas, 0x00102030);
        // The half-size copy keeps every other pixel, and the picture
        // averages 2 x 2 of those: the first picture pixel comes from the
        // canvas pixels (0, 128), (2, 128), (0, 130) and (2, 130), here reds
        // 0, 4, 8, 12 and blues 100, 104, 108, 112 (bytes blue, green, red),
        // green 0x20 throughout.
        const int bytesPerPixel = depth / 8;
        for (int index = 0; index < 4; ++index) {
            const std::uint8_t pixel[3] = {static_cast<std::uint8_t>(100 + index * 4), 0x20, static_cast<std::uint8_t>(index * 4)};
            std::memcpy(canvas->GetPixels() + (128 + 2 * (index / 2)) * canvas->GetPitch() + 2 * (index % 2) * bytesPerPixel,
                        pixel, 3);
        }
        const auto picture = ScreenShotGrabber::GetInstance().GrabScreen();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->GetWidth(), 256);
        EXPECT_EQ(picture->GetHeight(), 128);
        EXPECT_EQ(picture->GetDepth(), 24);
        const std::uint8_t* first = picture->GetData();
        EXPECT_EQ(first[0], 106); // (100 + 104 + 108 + 112) >> 2
        EXPECT_EQ(first[1], 0x20);
        EXPECT_EQ(first[2], 6); // (0 + 4 + 8 + 12) >> 2
        const std::uint8_t* other = picture->GetData() + (50 * 256 + 100) * 3;
        EXPECT_EQ(other[0], 0x30);
        EXPECT_EQ(other[1], 0x20);
        EXPECT_EQ(other[2], 0x10);
        EXPECT_EQ(ReadFile("debug.txt").find("Unsupported"), std::string::npos);
    }
}

TEST_F(RenderCompanionsTest, GrabsFiveBitChannelsScaledToEight)
{
    Open(16);
    Host().GetDisplay().ColourFill(DirectDraw::GetInstance().GetRenderTarget(), 0xFFDF);
    const auto picture = ScreenShotGrabber::GetInstance().GrabScreen();
    ASSERT_NE(picture, nullptr);
    // Four times 31, doubled.
    EXPECT_EQ(picture->GetData()[0], 248);
    EXPECT_EQ(picture->GetData()[1], 248);
    EXPECT_EQ(picture->GetData()[2], 248);
}

TEST_F(RenderCompanionsTest, TheLoadingBarOnlyGrows)
{
    Open(32);
    LoadingScreen& loading = LoadingScreen::GetInstance();
    loading.Begin();
    EXPECT_TRUE(RenderEngine::GetInstance().IsSuspended());
    platform::DisplaySurface* visible = DirectDraw::GetInstance().GetBackBuffer();
    loading.SetProgress(0.5f); // 382 + 283 x 0.5 = 523
    EXPECT_EQ(SurfacePixel(*visible, 382, 631), 0x00FFA200u);
    EXPECT_EQ(SurfacePixel(*visible, 522, 639), 0x00FFA200u);
    EXPECT_EQ(SurfacePixel(*visible, 523, 631), 0u);
    EXPECT_EQ(SurfacePixel(*visible, 400, 640), 0u);
    const std::uint64_t presented = Window().GetPresentCount();
    loading.SetProgress(0.3f);
    EXPECT_EQ(Window().GetPresentCount(), presented); // nothing drawn
    loading.End();
    EXPECT_EQ(SurfacePixel(*visible, 664, 635), 0x00FFA200u);
    EXPECT_FALSE(RenderEngine::GetInstance().IsSuspended());
    EXPECT_FALSE(loading.IsActive());
}

TEST_F(RenderCompanionsTest, TheLoadingBarOfASmallScreen)
{
    ASSERT_TRUE(Window().Create({"Test", 800, 600, true}));
    ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 800, 600, 32, true));
    LoadingScreen& loading = LoadingScreen::GetInstance();
    loading.Begin();
    loading.SetProgress(1.0f); // 299 to 519, rows 493 to 499
    platform::DisplaySurface* visible = DirectDraw::GetInstance().GetBackBuffer();
    EXPECT_EQ(SurfacePixel(*visible, 299, 493), 0x00FFA200u);
    EXPECT_EQ(SurfacePixel(*visible, 518, 499), 0x00FFA200u);
    EXPECT_EQ(SurfacePixel(*visible, 519, 499), 0u);
    EXPECT_EQ(SurfacePixel(*visible, 300, 500), 0u);
    loading.End();
}
