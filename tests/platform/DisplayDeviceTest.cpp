#include "platform/DisplayDevice.h"
#include "platform/headless/HeadlessWindow.h"
#include "support/SurfacePixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

using platform::DisplayDevice;
using platform::DisplaySurface;
using platform::Rectangle;

TEST(DisplayDevice, ConvertsEachFormatToRgb)
{
    // Every 16-bit value goes through PixelRowLoopsTest; here that each
    // layout reaches its conversion. 565 green is the five bits at shift 6.
    const std::uint16_t pixels565[] = {0x8410};
    std::uint32_t rgb[2] = {};
    platform::ConvertRowToRgb(reinterpret_cast<const std::uint8_t*>(pixels565), {16, 0xF800, 0x07E0, 0x001F}, 1, rgb);
    EXPECT_EQ(rgb[0], 0x848484u);
    const std::uint16_t white555 = 0x7FFF;
    platform::ConvertRowToRgb(reinterpret_cast<const std::uint8_t*>(&white555), {16, 0x7C00, 0x03E0, 0x001F}, 1, rgb);
    EXPECT_EQ(rgb[0], 0xFFFFFFu);

    const std::uint8_t pixels24[] = {0x11, 0x22, 0x33, 0xFF, 0x00, 0x80};
    platform::ConvertRowToRgb(pixels24, {24, 0xFF0000, 0xFF00, 0xFF}, 2, rgb);
    EXPECT_EQ(rgb[0], 0x332211u);
    EXPECT_EQ(rgb[1], 0x8000FFu);
    // Another byte order goes through the masks.
    const std::uint32_t swapped[] = {0x00563412u};
    platform::ConvertRowToRgb(reinterpret_cast<const std::uint8_t*>(swapped), {32, 0xFF, 0xFF00, 0xFF0000}, 1, rgb);
    EXPECT_EQ(rgb[0], 0x123456u);
}

TEST(DisplayDevice, FillsEveryPixelInEachDepth)
{
    for (const int depth : {16, 24, 32}) {
        platform::HeadlessWindow window;
        DisplayDevice display(window);
        display.SetCooperativeLevel(true);
        ASSERT_EQ(display.SetDisplayMode(800, 600, depth), DD_OK);
        DisplaySurface* surface = nullptr;
        ASSERT_EQ(display.CreateOffscreenSurface(5, 3, surface), DD_OK);
        ASSERT_EQ(display.ColourFill(surface, 0x00A1B2C3u), DD_OK);
        const int bytes = depth / 8;
        // The colour's low bytes, little-endian, in every pixel of every row.
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const std::uint8_t* pixel = surface->GetPixels() + y * surface->GetPitch() + x * bytes;
                EXPECT_EQ(pixel[0], 0xC3) << depth << " bit at " << x << "," << y;
                EXPECT_EQ(pixel[1], 0xB2) << depth << " bit at " << x << "," << y;
                if (bytes >= 3) {
                    EXPECT_EQ(pixel[2], 0xA1) << depth << " bit at " << x << "," << y;
                }
                if (bytes == 4) {
                    EXPECT_EQ(pixel[3], 0x00) << depth << " bit at " << x << "," << y;
                }
            }
    }
}

TEST(DisplayDevice, ReleasesSurfacesInAnyOrder)
{
    platform::HeadlessWindow window;
    DisplayDevice display(window);
    DisplaySurface* first = nullptr;
    DisplaySurface* second = nullptr;
    DisplaySurface* third = nullptr;
    ASSERT_EQ(display.CreateOffscreenSurface(4, 4, first), DD_OK);
    ASSERT_EQ(display.CreateOffscreenSurface(4, 4, second), DD_OK);
    ASSERT_EQ(display.CreateOffscreenSurface(4, 4, third), DD_OK);
    display.ReleaseSurface(first);
    display.ReleaseSurface(third);
    EXPECT_EQ(display.ColourFill(second, 1), DD_OK);
    display.ReleaseSurface(second);
    display.ReleaseSurface(nullptr);
}

TEST(DisplayDevice, LosesAndRestoresSurfaces)
{
    platform::HeadlessWindow window;
    DisplayDevice display(window);
    DisplaySurface* surface = nullptr;
    ASSERT_EQ(display.CreateOffscreenSurface(8, 8, surface), DD_OK);
    display.LoseAllSurfaces();
    platform::LockedSurface locked;
    EXPECT_TRUE(display.IsLost(surface));
    EXPECT_EQ(display.Lock(surface, locked), DDERR_SURFACELOST);
    EXPECT_EQ(display.ColourFill(surface, 0), DDERR_SURFACELOST);
    EXPECT_EQ(display.Restore(surface), DD_OK);
    ASSERT_EQ(display.Lock(surface, locked), DD_OK);
    EXPECT_EQ(locked.width, 8);
    EXPECT_EQ(locked.pitch, 8 * 4); // the desktop's 32 bits in a window
    EXPECT_EQ(locked.format.maskRed, 0x00FF0000u);
}

TEST(DisplayDevice, PresentsInAWindowAndByFlipping)
{
    platform::HeadlessWindow window;
    {
        DisplayDevice display(window);
        display.SetCooperativeLevel(false);
        DisplaySurface* primary = nullptr;
        DisplaySurface* canvas = nullptr;
        ASSERT_EQ(display.CreatePrimarySurface(false, primary), DD_OK);
        ASSERT_EQ(display.CreateOffscreenSurface(1024, 768, canvas), DD_OK);
        ASSERT_EQ(display.ColourFill(canvas, 0x00123456), DD_OK);
        ASSERT_EQ(display.StretchBlit(primary, {0, 0, 800, 600}, canvas, {0, 0, 1024, 768}), DD_OK);
        ASSERT_EQ(window.GetPresentCount(), 1u);
        EXPECT_EQ(window.GetLastPresented().width, 1024); // the window stretches it
        EXPECT_EQ(window.GetLastPresented().pixels[5000], 0x123456u);
    }
    DisplayDevice display(window);
    display.SetCooperativeLevel(true);
    ASSERT_EQ(display.SetDisplayMode(800, 600, 16), DD_OK);
    DisplaySurface* primary = nullptr;
    DisplaySurface* back = nullptr;
    ASSERT_EQ(display.CreatePrimarySurface(true, primary), DD_OK);
    ASSERT_EQ(display.GetAttachedBackBuffer(primary, back), DD_OK);
    EXPECT_EQ(back->GetWidth(), 800);
    ASSERT_EQ(display.ColourFill(back, 0xF800), DD_OK);
    ASSERT_EQ(display.Flip(primary), DD_OK);
    EXPECT_EQ(window.GetLastPresented().width, 800);
    EXPECT_EQ(window.GetLastPresented().pixels[0], 0xFF0000u);
}

namespace {

void Scribble(DisplaySurface& surface, std::mt19937& random)
{
    for (int y = 0; y < surface.GetHeight(); ++y)
        for (int x = 0; x < surface.GetWidth(); ++x)
            SetSurfacePixel(surface, x, y, random() % 3 == 0 ? 0u : static_cast<std::uint32_t>(random()));
}

} // namespace

TEST(DisplayDevice, BlitsLikeAPlainLoopInEveryLayout)
{
    std::mt19937 random(21);
    for (const int layout : {565, 555, 24, 32}) {
        platform::HeadlessWindow window;
        DisplayDevice display(window);
        display.SetCooperativeLevel(true);
        display.UseFormat555(layout == 555);
        ASSERT_EQ(display.SetDisplayMode(800, 600, layout > 32 ? 16 : layout), DD_OK);
        EXPECT_EQ(display.SetDisplayMode(640, 480, 16), DDERR_INVALIDMODE);
        DisplaySurface* source = nullptr;
        DisplaySurface* target = nullptr;
        ASSERT_EQ(display.CreateOffscreenSurface(97, 61, source), DD_OK);
        ASSERT_EQ(display.CreateOffscreenSurface(131, 83, target), DD_OK);
        ASSERT_EQ(display.SetColourKeyBlack(source), DD_OK);
        DisplaySurface before(131, 83, target->GetFormat());
        for (int round = 0; round < 60; ++round) {
            Scribble(*source, random);
            Scribble(*target, random);
            std::memcpy(before.GetPixels(), target->GetPixels(), static_cast<std::size_t>(target->GetPitch()) * 83);
            const auto coordinate = [&random](int low, int high) {
                return low + static_cast<int>(random() % static_cast<unsigned>(high - low));
            };
            const Rectangle from{coordinate(0, 60), coordinate(0, 40), coordinate(20, 110), coordinate(15, 70)};
            const Rectangle to{coordinate(-40, 100), coordinate(-30, 60), coordinate(10, 200), coordinate(5, 130)};
            const bool keyed = round % 2 == 0;
            const bool stretch = round % 4 >= 2;
            if (stretch)
                ASSERT_EQ(display.StretchBlit(target, to, source, from, keyed), DD_OK);
            else
                ASSERT_EQ(display.FastBlit(target, to.left, to.top, source, from, keyed), DD_OK);
            // Of the source rectangle, the part inside the source is drawn.
            // Stretched, destination pixel (to.left + dx, to.top + dy) shows
            // source pixel (from.left + dx * w / W, from.top + dy * h / H) in
            // 16.16 fixed point; else (from.left + dx, from.top + dy).
            const int width = std::min(from.right, 97) - from.left;
            const int height = std::min(from.bottom, 61) - from.top;
            const auto sample = [](int offset, int sourceSize, int destinationSize) {
                const std::uint64_t step = (static_cast<std::uint64_t>(sourceSize) << 16) / static_cast<std::uint64_t>(destinationSize);
                return static_cast<int>((static_cast<std::uint64_t>(offset) * step) >> 16);
            };
            for (int y = 0; y < 83; ++y)
                for (int x = 0; x < 131; ++x) {
                    std::uint32_t expected = SurfacePixel(before, x, y);
                    const int dx = x - to.left;
                    const int dy = y - to.top;
                    int sourceX = from.left + dx;
                    int sourceY = from.top + dy;
                    bool inside = dx >= 0 && dy >= 0 && width > 0 && height > 0;
                    if (stretch) {
                        inside = inside && x < to.right && y < to.bottom;
                        if (inside) {
                            sourceX = from.left + sample(dx, width, to.Width());
                            sourceY = from.top + sample(dy, height, to.Height());
                        }
                    } else {
                        inside = inside && dx < width && dy < height;
                    }
                    if (inside && (!keyed || SurfacePixel(*source, sourceX, sourceY) != 0))
                        expected = SurfacePixel(*source, sourceX, sourceY);
                    ASSERT_EQ(SurfacePixel(*target, x, y), expected)
                        << layout << (stretch ? " stretch" : " fast") << (keyed ? " keyed" : "") << " round " << round << " at "
                        << x << "," << y;
                }
        }
    }
}
