#include "app/Debug.h"
#include "app/DebugDisplay.h"
#include "graphics/DirectDraw.h"
#include "graphics/RenderTargetPainter.h"
#include "support/HeadlessTest.h"
#include "support/SurfacePixels.h"

#include <cstring>

namespace {

void Fill(platform::DisplaySurface* surface, std::uint32_t colour)
{
    platform::Platform::Get()->GetDisplay().ColourFill(surface, colour);
}

} // namespace

class DirectDrawTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        ASSERT_TRUE(Window().Create({"Test", 800, 600, false}));
    }
    DirectDraw& Display() { return DirectDraw::GetInstance(); }
};

TEST_F(DirectDrawTest, AMaskThatRunsOutStopsTheAnalysis)
{
    // The shifts of whole masks show in the log line "color shift" below and
    // in every layout of SpritePixelTest. A green mask that runs out before
    // it reaches five bits stops the analysis there: red is worked out,
    // green and blue keep what they had.
    DirectDraw& display = Display();
    display.UsePixelFormat(32, 0x00FF0000, 0x0000FF00, 0x000000FF);
    EXPECT_FALSE(display.UsePixelFormat(16, 0xF800, 0x0F00, 0x001F));
    EXPECT_EQ(display.GetShiftR(), 11);
    EXPECT_EQ(display.GetShiftG(), 8);
    EXPECT_EQ(display.GetShiftB(), 0);
    EXPECT_EQ(display.GetColorIndexR(), 2); // the indices too
}

TEST_F(DirectDrawTest, OpensAWindowAtTheDesktopsDepthAndPresentsTheCanvas)
{
    ASSERT_TRUE(Display().Init(Window(), 800, 600, 16, false));
    EXPECT_EQ(Display().GetDepth(), 32); // a window takes the desktop's depth
    EXPECT_FALSE(Display().UsesPreRenderBuffer());
    EXPECT_EQ(ReadFile("debug.txt"), "Available Displaymodes:\n"
                                     "  800 x 600 (16)\n"
                                     "  800 x 600 (24)\n"
                                     "  800 x 600 (32)\n"
                                     "  1024 x 768 (16)\n"
                                     "  1024 x 768 (24)\n"
                                     "  1024 x 768 (32)\n"
                                     "\n"
                                     "color shift: 16 8 0\n"
                                     "color mask: ff0000 ff00 ff\n"
                                     "color indices: 2 1 0 3\n");
    EXPECT_TRUE(Display().HasDisplayMode(-1, -1, 24));
    EXPECT_TRUE(Display().HasDisplayMode(800, 600, -1));
    EXPECT_FALSE(Display().HasDisplayMode(640, 480, -1));

    Fill(Display().GetRenderTarget(), 0x00336699);
    Display().Flip();
    ASSERT_EQ(Window().GetPresentCount(), 1u);
    EXPECT_EQ(Window().GetLastPresented().width, 1024);
    EXPECT_EQ(Window().GetLastPresented().pixels[1000], 0x336699u);

    // A lost surface is restored, not reported.
    Host().GetDisplay().LoseAllSurfaces();
    Display().Flip();
    EXPECT_FALSE(Host().GetDisplay().IsLost(Display().GetBackBuffer()));
    EXPECT_EQ(Debug::GetInstance().GetErrorCount(), 0);

    StartLog();
    Display().Release();
    EXPECT_EQ(ReadFile("debug.txt"), "Releasing FadeBuffer.\n"
                                     "Releasing BackBuffer.\n"
                                     "Releasing Primary.\n"
                                     "Releasing DD2.\n"
                                     "Releasing DD.\n");
}

TEST_F(DirectDrawTest, ChoosesAFullScreenModeItCanHave)
{
    // 800 x 600 draws into a pre-render buffer that each flip stretches.
    ASSERT_TRUE(Display().Init(Window(), 800, 600, 16, true));
    EXPECT_TRUE(Display().UsesPreRenderBuffer());
    EXPECT_EQ(Display().GetShiftG(), 6);
    Fill(Display().GetRenderTarget(), 0xF800);
    Display().Flip();
    EXPECT_EQ(Window().GetLastPresented().width, 800);
    EXPECT_EQ(Window().GetLastPresented().pixels[0], 0xFF0000u);
    Display().Release();
    SingletonRegistry::DestroyAll();

    // A missing mode falls back to the first of 1024 x 768 at 32, 24, 16
    // bits, then 800 x 600 at 32, 24, 16.
    Host().GetDisplay().OfferModes({{800, 600, 16}, {1024, 768, 24}, {640, 480, 32}});
    ASSERT_TRUE(Display().Init(Window(), 1024, 768, 32, true));
    EXPECT_EQ(Display().GetWidth(), 1024);
    EXPECT_EQ(Display().GetDepth(), 24);
    EXPECT_FALSE(Display().UsesPreRenderBuffer());
    Display().Release();
    SingletonRegistry::DestroyAll();

    Host().GetDisplay().OfferModes({{800, 600, 16}});
    ASSERT_TRUE(Display().Init(Window(), 1024, 768, 32, true));
    EXPECT_EQ(Display().GetWidth(), 800);
    EXPECT_EQ(Display().GetDepth(), 16);
    Display().Release();
    SingletonRegistry::DestroyAll();

    Host().GetDisplay().OfferModes({{640, 480, 16}, {1024, 768, 8}});
    EXPECT_FALSE(Display().Init(Window(), 1024, 768, 32, true));
    ASSERT_FALSE(Host().GetMessageBoxes().empty());
    EXPECT_EQ(Host().GetMessageBoxes().back().second,
              "Das Spiel l\xE4uft leider nicht auf diesem Rechner, da es eine Aufl\xF6sung von 800x600 und eine Farbtiefe von 16 Bit voraussetzt.");
}

TEST_F(DirectDrawTest, ChangesTheModeAndRestoresWhatADepthChangeLoses)
{
    int restores = 0;
    Display().SetSurfaceRestore([&] { ++restores; });
    // Before Init (and after Release) there is nothing to rebuild.
    Display().ChangeDisplayMode(800, 600, 32);
    EXPECT_EQ(restores, 0);
    EXPECT_EQ(Display().GetRenderTarget(), nullptr);

    ASSERT_TRUE(Display().Init(Window(), 1024, 768, 16, true));

    Display().ChangeDisplayMode(1024, 768, 16); // the same mode: nothing happens
    EXPECT_EQ(restores, 0);
    const platform::DisplaySurface* before = Display().GetRenderTarget();

    Display().ChangeDisplayMode(800, 600, 16); // another size, same depth
    EXPECT_EQ(restores, 0);
    EXPECT_EQ(Display().GetWidth(), 800);
    EXPECT_TRUE(Display().UsesPreRenderBuffer());
    EXPECT_NE(Display().GetRenderTarget(), before);

    // Another depth: every sprite surface holds pixels of the old format, so
    // the restore refills them.
    Display().ChangeDisplayMode(1024, 768, 32);
    EXPECT_EQ(restores, 1);
    EXPECT_EQ(Display().GetDepth(), 32);
    EXPECT_EQ(Display().GetShiftR(), 16);
    EXPECT_FALSE(Display().UsesPreRenderBuffer());
    Fill(Display().GetRenderTarget(), 0x00123456);
    Display().Flip();
    EXPECT_EQ(Window().GetLastPresented().width, 1024);
    EXPECT_EQ(Window().GetLastPresented().pixels[0], 0x123456u);

    Display().Release();
    Display().ChangeDisplayMode(800, 600, 16);
    EXPECT_EQ(restores, 1);
    EXPECT_EQ(Display().GetRenderTarget(), nullptr);
}

TEST_F(DirectDrawTest, WipesTheOldPictureAwayInAThirdOfASecond)
{
    ASSERT_TRUE(Display().Init(Window(), 1024, 768, 32, false));
    platform::DisplaySurface* canvas = Display().GetRenderTarget();
    Fill(canvas, 0x111111); // the old picture
    Display().StartFade(0, false);
    Display().DrawFade(); // takes the snapshot, draws nothing
    Fill(canvas, 0x222222); // the new picture
    Display().UpdateFade(0.5f / 3.0f); // progress 0.5: 528 columns revealed
    EXPECT_FLOAT_EQ(Display().GetFadeProgress(), 0.5f);
    Display().DrawFade();
    EXPECT_EQ(SurfacePixel(*canvas, 527, 100), 0x222222u);
    EXPECT_EQ(SurfacePixel(*canvas, 528, 100), 0x111111u);
    EXPECT_EQ(SurfacePixel(*canvas, 1023, 767), 0x111111u);

    // From the right.
    Fill(canvas, 0x222222);
    Display().StartFade(1, true);
    Fill(canvas, 0x333333);
    Display().UpdateFade(0.25f / 3.0f);
    Display().DrawFade(); // 1024 - 264 = 760 columns of the old picture remain
    EXPECT_EQ(SurfacePixel(*canvas, 759, 0), 0x222222u);
    EXPECT_EQ(SurfacePixel(*canvas, 760, 0), 0x333333u);

    // Past the end it stops without moving on.
    Display().UpdateFade(1.0f);
    const float progress = Display().GetFadeProgress();
    EXPECT_TRUE(Display().IsFadeActive());
    Display().UpdateFade(0.1f);
    EXPECT_FALSE(Display().IsFadeActive());
    EXPECT_FLOAT_EQ(Display().GetFadeProgress(), progress);
}

TEST_F(DirectDrawTest, DrawsTheDebugOverlayIntoTheCanvas)
{
    ASSERT_TRUE(Display().Init(Window(), 1024, 768, 16, true));
    platform::DisplaySurface* canvas = Display().GetRenderTarget();
    // 565: red 255 -> 31 << 11.
    EXPECT_EQ(Display().ToScreenPixel(0xFF0000), 0xF800u);
    EXPECT_EQ(Display().ToScreenPixel(0x0000FF), 0x001Fu);
    EXPECT_EQ(Display().ToScreenPixel(0x808080), (16u << 11) | (16u << 6) | 16u);

    DebugDisplay& overlay = DebugDisplay::GetInstance();
    overlay.AddLine(0, 0, 3, 3, 1.0f, 0.0f, 0.0f);            // diagonal, last point left out
    overlay.AddRectangle(10, 10, 12, 12, 0.0f, 0.0f, 1.0f, 1.0f, true);
    overlay.AddLine(1020, 5, 1030, 5, 1.0f, 1.0f, 1.0f);      // runs off the canvas
    RenderTargetPainter painter(*canvas);
    overlay.Draw(painter);
    const auto pixel = [&](int x, int y) { return SurfacePixel(*canvas, x, y); };
    EXPECT_EQ(pixel(0, 0), 0xF800);
    EXPECT_EQ(pixel(2, 2), 0xF800);
    EXPECT_EQ(pixel(3, 3), 0);
    EXPECT_EQ(pixel(1, 0), 0);
    EXPECT_EQ(pixel(10, 10), 0x001F);
    EXPECT_EQ(pixel(11, 11), 0x001F);
    EXPECT_EQ(pixel(12, 12), 0); // right column and bottom row left out
    EXPECT_EQ(pixel(1023, 5), 0xFFDF); // white in five-bit channels
}
