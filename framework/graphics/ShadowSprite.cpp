#include "ShadowSprite.h"

#include "DirectDraw.h"
#include "ImageUtil.h"
#include "MaskBits.h"
#include "app/Debug.h"
#include "platform/Platform.h"

#include <cstring>

namespace {
void PostQuit()
{
    platform::Platform::Get()->GetWindow().PostQuitMessage(-1);
}
} // namespace

bool ShadowSprite::Create(const Image& image, int frameWidth, int frameHeight)
{
    fullWidth = frameWidth;
    fullHeight = frameHeight;
    const ImageRect bounds = ImageUtil::GetInstance().GetBoundingRect(image);
    auto newMask = std::make_unique<Image>();
    if (bounds.GetWidth() <= 0 || bounds.GetHeight() <= 0 || !newMask->Create(bounds.GetWidth(), bounds.GetHeight(), 1, true))
        return false;
    // A 1-bit image clears its bit for a colour whose three channels are all
    // non-zero: those pixels cast the shadow.
    for (int y = 0; y < bounds.GetHeight(); ++y)
        for (int x = 0; x < bounds.GetWidth(); ++x)
            newMask->SetPixel(x, y, image.GetPixel(bounds.left + x, bounds.top + y));
    mask = std::move(newMask);
    crop = Point{bounds.left, bounds.top};
    maskWidth = bounds.GetWidth();
    maskHeight = bounds.GetHeight();
    return true;
}

bool ShadowSprite::IsMaskBitSet(int x, int y) const
{
    return ::IsMaskBitSet(mask->GetData(),
                          static_cast<std::size_t>(y) * static_cast<std::size_t>(maskWidth) + static_cast<std::size_t>(x));
}

bool ShadowSprite::IsPixelTransparent(Point point, int) const
{
    const int x = point.x - crop.x;
    const int y = point.y - crop.y;
    if (!mask || x < 0 || y < 0 || x >= maskWidth || y >= maskHeight)
        return true;
    return IsMaskBitSet(x, y);
}

namespace {

// A pixel of 2, 3 or 4 bytes read as the low bytes of a value (the host is
// little-endian), halved, and written back.
template <int pixelBytes>
void Halve(std::uint8_t* target, std::uint32_t keep)
{
    std::uint32_t pixel = 0;
    std::memcpy(&pixel, target, pixelBytes);
    pixel = (pixel >> 1) & keep;
    std::memcpy(target, &pixel, pixelBytes);
}

} // namespace

template <int pixelBytes>
void ShadowSprite::Darken(const Placement& placement, std::uint8_t* canvas, int pitch, std::uint32_t keep) const
{
    const std::uint8_t* bits = mask->GetData();
    const int width = placement.destination.GetWidth();
    for (int row = 0; row < placement.destination.GetHeight(); ++row) {
        std::uint8_t* target = canvas + static_cast<std::ptrdiff_t>(placement.destination.top + row) * pitch +
                               placement.destination.left * pixelBytes;
        // The mask's bits run on from row to row; this row's first bit.
        const std::size_t first = static_cast<std::size_t>(placement.source.top + row) * static_cast<std::size_t>(maskWidth) +
                                  static_cast<std::size_t>(placement.source.left);
        const auto single = [&](int column) {
            if (!::IsMaskBitSet(bits, first + static_cast<std::size_t>(column)))
                Halve<pixelBytes>(target + column * pixelBytes, keep);
        };
        int column = 0;
        for (; column < width && (first + static_cast<std::size_t>(column)) % 8 != 0; ++column)
            single(column);
        // Whole mask bytes: all set leaves eight pixels, all clear darkens them.
        for (; column + 8 <= width; column += 8) {
            const std::uint8_t byte = bits[(first + static_cast<std::size_t>(column)) / 8];
            if (byte == 0xFF)
                continue;
            std::uint8_t* eight = target + column * pixelBytes;
            if (byte == 0) {
                for (int i = 0; i < 8; ++i)
                    Halve<pixelBytes>(eight + i * pixelBytes, keep);
                continue;
            }
            for (int i = 0; i < 8; ++i)
                if (!::IsMaskBitSet(&byte, static_cast<std::size_t>(i)))
                    Halve<pixelBytes>(eight + i * pixelBytes, keep);
        }
        for (; column < width; ++column)
            single(column);
    }
}

void ShadowSprite::DrawEx(const DrawInfo& drawInfo)
{
    if ((drawInfo.flags & DI_DEST_SIZE) != 0) {
        LogPrint("Scaled blit not supported by shadow sprites.\n");
        PostQuit();
        return;
    }
    if (!mask)
        return;
    DirectDraw& display = DirectDraw::GetInstance();
    const Placement placement = Place(drawInfo, maskWidth, maskHeight, fullWidth, fullHeight, crop);
    if (placement.empty)
        return;
    platform::LockedSurface locked;
    if (!LockCanvas(locked))
        return;
    // Halving each channel: the bit that would fall from a channel into the
    // one below is cleared. On a 24-bit screen every byte is a channel, so
    // the same rule halves each byte.
    const std::uint32_t m = ~((1u << display.GetShiftR()) | (1u << display.GetShiftG()) | (1u << display.GetShiftB()));
    switch (display.GetDepth()) {
    case 16: Darken<2>(placement, locked.pixels, locked.pitch, m >> 1); break;
    case 24: Darken<3>(placement, locked.pixels, locked.pitch, m >> 1); break;
    case 32: Darken<4>(placement, locked.pixels, locked.pitch, m >> 1); break;
    default:
        LogPrint("Invalid screen directDraw screendepth.\n");
        PostQuit();
        break;
    }
    if (platform::Platform::Get()->GetDisplay().Unlock(display.GetRenderTarget()) != DD_OK) {
        LogPrint("Failed to unlock backbuffer.\n");
        PostQuit();
    }
}
