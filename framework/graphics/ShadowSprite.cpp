#include "ShadowSprite.h"

#include "DirectDraw.h"
#include "ImageUtil.h"
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
    const std::size_t bit = static_cast<std::size_t>(y) * static_cast<std::size_t>(maskWidth) + static_cast<std::size_t>(x);
    return (mask->GetData()[bit / 8] & (0x80 >> (bit % 8))) != 0;
}

bool ShadowSprite::IsPixelTransparent(Point point, int) const
{
    const int x = point.x - crop.x;
    const int y = point.y - crop.y;
    if (!mask || x < 0 || y < 0 || x >= maskWidth || y >= maskHeight)
        return true;
    return IsMaskBitSet(x, y);
}

template <typename Pixel>
void ShadowSprite::Darken(const Placement& placement, std::uint8_t* canvas, int pitch, Pixel keep) const
{
    for (int row = 0; row < placement.destination.GetHeight(); ++row) {
        std::uint8_t* target = canvas + static_cast<std::ptrdiff_t>(placement.destination.top + row) * pitch +
                               placement.destination.left * static_cast<int>(sizeof(Pixel));
        for (int column = 0; column < placement.destination.GetWidth(); ++column) {
            if (IsMaskBitSet(placement.source.left + column, placement.source.top + row))
                continue;
            Pixel pixel;
            std::memcpy(&pixel, target + column * sizeof(Pixel), sizeof(Pixel));
            pixel = static_cast<Pixel>((pixel >> 1) & keep);
            std::memcpy(target + column * sizeof(Pixel), &pixel, sizeof(Pixel));
        }
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
    // one below is cleared.
    const std::uint32_t m = ~((1u << display.GetShiftR()) | (1u << display.GetShiftG()) | (1u << display.GetShiftB()));
    switch (display.GetDepth()) {
    case 16: Darken<std::uint16_t>(placement, locked.pixels, locked.pitch, static_cast<std::uint16_t>(m >> 1)); break;
    case 32: Darken<std::uint32_t>(placement, locked.pixels, locked.pitch, m >> 1); break;
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
