#include "ScreenShotGrabber.h"

#include "DirectDraw.h"
#include "Surface.h"
#include "app/Debug.h"
#include "platform/Platform.h"

#include <cstring>

namespace {

constexpr const char* sourceFile = ".\\RE3Zodezaruz\\ScreenShotGrabber";
constexpr int pictureWidth = 256;
constexpr int pictureHeight = 128;

// Pixels of 2, 3 or 4 bytes, each read as the low bytes of a value (the
// host is little-endian).
template <int pixelBytes>
void Average(const platform::LockedSurface& locked, const DirectDraw& display, Image& picture)
{
    const auto value = [&](int x, int y) {
        std::uint32_t pixel = 0;
        std::memcpy(&pixel, locked.pixels + static_cast<std::ptrdiff_t>(y) * locked.pitch + x * pixelBytes, pixelBytes);
        return pixel;
    };
    // Red and green are taken down by their shifts; blue is masked only, as
    // it sits at shift 0 in every layout the display offers.
    const auto channels = [&](std::uint32_t pixel, std::uint32_t& red, std::uint32_t& green, std::uint32_t& blue) {
        red += (pixel & display.GetMaskR()) >> display.GetShiftR();
        green += (pixel & display.GetMaskG()) >> display.GetShiftG();
        blue += pixel & display.GetMaskB();
    };
    for (int y = 0; y < pictureHeight; ++y) {
        for (int x = 0; x < pictureWidth; ++x) {
            std::uint32_t red = 0, green = 0, blue = 0;
            channels(value(2 * x, 2 * y), red, green, blue);
            channels(value(2 * x + 1, 2 * y), red, green, blue);
            channels(value(2 * x, 2 * y + 1), red, green, blue);
            channels(value(2 * x + 1, 2 * y + 1), red, green, blue);
            // Four 8-bit values average by >> 2; four 5-bit values times 2
            // give their average in eight bits.
            const auto scale = [](std::uint32_t sum) {
                return static_cast<std::uint8_t>(pixelBytes == 2 ? std::min<std::uint32_t>(sum * 2, 255) : sum >> 2);
            };
            std::uint8_t* out = picture.GetData() + (static_cast<std::ptrdiff_t>(y) * pictureWidth + x) * 3;
            out[0] = scale(blue);
            out[1] = scale(green);
            out[2] = scale(red);
        }
    }
}

} // namespace

std::unique_ptr<Image> ScreenShotGrabber::GrabScreen()
{
    DirectDraw& display = DirectDraw::GetInstance();
    platform::DisplayDevice& device = platform::Platform::Get()->GetDisplay();
    if (display.GetRenderTarget() == nullptr)
        return nullptr;
    Surface half;
    if (!half.Create(2 * pictureWidth, 2 * pictureHeight, false))
        return nullptr;
    DisplayResult result = device.StretchBlit(half.GetSurface(), {0, 0, 2 * pictureWidth, 2 * pictureHeight},
                                              display.GetRenderTarget(), {0, 128, 1024, 640});
    if (result == DDERR_SURFACELOST) {
        display.OnSurfaceLost();
        return nullptr;
    }
    if (Debug::GetInstance().CheckDXResult(result, sourceFile, __LINE__))
        return nullptr;
    platform::LockedSurface locked;
    result = device.Lock(half.GetSurface(), locked);
    if (Debug::GetInstance().CheckDXResult(result, sourceFile, __LINE__))
        return nullptr;
    auto picture = std::make_unique<Image>();
    picture->Create(pictureWidth, pictureHeight, 24, true);
    switch (display.GetDepth()) {
    case 16: Average<2>(locked, display, *picture); break;
    case 24: Average<3>(locked, display, *picture); break;
    case 32: Average<4>(locked, display, *picture); break;
    default: LogPrint("ScreenShotGrabber::GrabScreen: Unsupported ScreenDepth %d!\n", display.GetDepth()); break;
    }
    device.Unlock(half.GetSurface());
    return picture;
}
