#include "AlphaSprite.h"

#include "DirectDraw.h"
#include "ImageUtil.h"
#include "ScreenPixels.h"
#include "app/Debug.h"
#include "platform/Platform.h"

#include <algorithm>

namespace {

void PostQuit()
{
    platform::Platform::Get()->GetWindow().PostQuitMessage(-1);
}

ImageRect Union(const ImageRect& a, const ImageRect& b)
{
    return ImageRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}


} // namespace

bool AlphaSprite::Create(std::unique_ptr<Image> diffuseImage, std::unique_ptr<Image> alphaImage, int frameWidth, int frameHeight,
                         int x, int y, bool cropped)
{
    if (!diffuseImage || !alphaImage)
        return false;
    if (diffuseImage->GetWidth() != alphaImage->GetWidth() || diffuseImage->GetHeight() != alphaImage->GetHeight()) {
        LogPrint("image and alpha map sizes do not match.\n");
        PostQuit();
        return false;
    }
    fullWidth = frameWidth;
    fullHeight = frameHeight;
    sourceX = x;
    sourceY = y;
    crop = Point{};
    storedWidth = fullWidth;
    storedHeight = fullHeight;
    if (cropped) {
        ImageUtil& util = ImageUtil::GetInstance();
        const ImageRect bounds = Union(util.GetBoundingRect(*diffuseImage), util.GetBoundingRect(*alphaImage));
        diffuseImage = ImageUtil::GetInstance().CopyToNewImage(*diffuseImage, bounds);
        alphaImage = ImageUtil::GetInstance().CopyToNewImage(*alphaImage, bounds);
        if (!diffuseImage || !alphaImage)
            return false;
        crop = Point{bounds.left, bounds.top};
        storedWidth = bounds.GetWidth();
        storedHeight = bounds.GetHeight();
        sourceX = sourceY = 0;
    }
    diffuse = std::move(diffuseImage);
    alpha = std::move(alphaImage);
    return true;
}

bool AlphaSprite::IsPixelTransparent(Point point, int) const
{
    const int x = point.x - crop.x;
    const int y = point.y - crop.y;
    if (!diffuse || x < 0 || y < 0 || x >= storedWidth || y >= storedHeight)
        return true;
    return diffuse->GetPixel(x + sourceX, y + sourceY) == 0;
}

namespace {

// One row for an X8R8G8B8 screen: alpha 0 keeps, 255 replaces, anything
// between mixes, written as selects so the compiler vectorises it.
void BlendRowX8R8G8B8(const std::uint32_t* __restrict source, const std::uint8_t* __restrict alphas,
                      std::uint32_t* __restrict target, int width)
{
    for (int x = 0; x < width; ++x) {
        const std::uint32_t s = source[x];
        const std::uint32_t d = target[x];
        const int a = alphas[x];
        const std::uint32_t mixed = BlendChannel((s >> 16) & 0xFF, (d >> 16) & 0xFF, a) << 16 |
                                    BlendChannel((s >> 8) & 0xFF, (d >> 8) & 0xFF, a) << 8 | BlendChannel(s & 0xFF, d & 0xFF, a);
        target[x] = a == 255 ? s : a == 0 ? d : mixed;
    }
}

// The same for a 565 screen, five bits a channel.
void BlendRow565(const std::uint16_t* __restrict source, const std::uint8_t* __restrict alphas, std::uint16_t* __restrict target,
                 int width)
{
    for (int x = 0; x < width; ++x) {
        const std::uint32_t s = source[x];
        const std::uint32_t d = target[x];
        const int a = alphas[x];
        const std::uint32_t mixed = BlendChannel(s >> 11, d >> 11, a) << 11 | BlendChannel((s >> 6) & 0x1F, (d >> 6) & 0x1F, a) << 6 |
                                    BlendChannel(s & 0x1F, d & 0x1F, a);
        target[x] = static_cast<std::uint16_t>(a == 255 ? s : a == 0 ? d : mixed);
    }
}

} // namespace

template <int bytesPerPixel>
void AlphaSprite::Blend(const Placement& placement, std::uint8_t* canvas, int pitch) const
{
    const ScreenLayout layout = ScreenLayout::FromDisplay();
    const bool fast = (bytesPerPixel == 4 && IsLayoutX8R8G8B8(layout)) || (bytesPerPixel == 2 && IsLayout565(layout));
    const int imageWidth = diffuse->GetWidth();
    const std::uint8_t* diffusePixels = diffuse->GetData();
    const std::uint8_t* alphaPixels = alpha->GetData();
    for (int row = 0; row < placement.destination.GetHeight(); ++row) {
        const int y = sourceY + placement.source.top + row;
        std::uint8_t* target = canvas + static_cast<std::ptrdiff_t>(placement.destination.top + row) * pitch +
                               placement.destination.left * bytesPerPixel;
        const std::size_t first = static_cast<std::size_t>(y) * static_cast<std::size_t>(imageWidth) +
                                  static_cast<std::size_t>(sourceX + placement.source.left);
        const std::uint8_t* source = diffusePixels + first * bytesPerPixel;
        const std::uint8_t* alphas = alphaPixels + first;
        if constexpr (bytesPerPixel == 4) {
            if (fast) {
                BlendRowX8R8G8B8(reinterpret_cast<const std::uint32_t*>(source), alphas, reinterpret_cast<std::uint32_t*>(target),
                                 placement.destination.GetWidth());
                continue;
            }
        } else if constexpr (bytesPerPixel == 2) {
            if (fast) {
                BlendRow565(reinterpret_cast<const std::uint16_t*>(source), alphas, reinterpret_cast<std::uint16_t*>(target),
                            placement.destination.GetWidth());
                continue;
            }
        }
        for (int column = 0; column < placement.destination.GetWidth(); ++column) {
            const int a = alphas[column];
            if (a == 0)
                continue;
            std::uint8_t* pixel = target + column * bytesPerPixel;
            const std::uint8_t* sourcePixel = source + column * bytesPerPixel;
            if (a == 255) {
                std::memcpy(pixel, sourcePixel, bytesPerPixel);
                continue;
            }
            WriteScreenPixel<bytesPerPixel>(
                pixel, ::Blend(ReadScreenPixel<bytesPerPixel>(sourcePixel, layout), ReadScreenPixel<bytesPerPixel>(pixel, layout), a),
                layout);
        }
    }
}

void AlphaSprite::DrawEx(const DrawInfo& drawInfo)
{
    if ((drawInfo.flags & DI_DEST_SIZE) != 0) {
        LogError("Scaled blit not supported by alpha sprites.\n");
        PostQuit();
        return;
    }
    if (!diffuse || !alpha)
        return;
    if (diffuse->GetWidth() != alpha->GetWidth() || diffuse->GetHeight() != alpha->GetHeight()) {
        LogPrint("diffuse and alpha image sizes do not match.\n Skipping rendering.\n");
        return;
    }
    DirectDraw& display = DirectDraw::GetInstance();
    // The stored area must lie inside the images it is read from.
    if (sourceX < 0 || sourceY < 0 || sourceX + storedWidth > diffuse->GetWidth() || sourceY + storedHeight > diffuse->GetHeight() ||
        diffuse->GetDepth() != display.GetDepth() || alpha->GetDepth() != 8)
        return;
    const Placement placement = Place(drawInfo, storedWidth, storedHeight, fullWidth, fullHeight, crop);
    if (placement.empty)
        return;
    platform::LockedSurface locked;
    if (!LockCanvas(locked))
        return;
    switch (display.GetDepth()) {
    case 16: Blend<2>(placement, locked.pixels, locked.pitch); break;
    case 24: Blend<3>(placement, locked.pixels, locked.pitch); break;
    case 32: Blend<4>(placement, locked.pixels, locked.pitch); break;
    default:
        LogPrint("Invalid screen directDraw screendepth.\n");
        PostQuit();
        break;
    }
    UnlockCanvas();
}
