#include "AnimatedRLESprite.h"

#include "DirectDraw.h"
#include "ImageUtil.h"
#include "ScreenPixels.h"
#include "app/Debug.h"
#include "platform/Platform.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <span>

namespace {

// The channels of a decoded pixel (blue, green, red, alpha bytes), five bits
// each for a 16-bit screen.
template <int bytesPerPixel>
Channels ColourOf(std::uint32_t pixel)
{
    const int shift = bytesPerPixel == 2 ? 3 : 0;
    return Channels{static_cast<int>((pixel >> 16) & 0xFF) >> shift, static_cast<int>((pixel >> 8) & 0xFF) >> shift,
                    static_cast<int>(pixel & 0xFF) >> shift};
}

template <int bytesPerPixel>
void Put(std::uint8_t* target, Channels colour, int alpha, const ScreenLayout& layout)
{
    if (alpha < 16)
        return;
    if (alpha > 240)
        WriteScreenPixel<bytesPerPixel>(target, colour, layout);
    else
        WriteScreenPixel<bytesPerPixel>(target, Blend(colour, ReadScreenPixel<bytesPerPixel>(target, layout), alpha), layout);
}


// One row of decoded pixels onto an X8R8G8B8 screen, as selects the
// compiler vectorises: alpha below 16 keeps, above 240 replaces, between mixes.
void DrawRowX8R8G8B8(const std::uint32_t* __restrict source, std::uint32_t* __restrict target, int width)
{
    for (int x = 0; x < width; ++x) {
        const std::uint32_t s = source[x];
        const std::uint32_t d = target[x];
        const int a = static_cast<int>(s >> 24);
        const std::uint32_t mixed = BlendChannel((s >> 16) & 0xFF, (d >> 16) & 0xFF, a) << 16 |
                                    BlendChannel((s >> 8) & 0xFF, (d >> 8) & 0xFF, a) << 8 | BlendChannel(s & 0xFF, d & 0xFF, a);
        target[x] = a < 16 ? d : a > 240 ? (s & 0x00FFFFFF) | (d & 0xFF000000) : mixed | (d & 0xFF000000);
    }
}

// The same onto a 565 screen, the colours taken down to five bits.
void DrawRow565(const std::uint32_t* __restrict source, std::uint16_t* __restrict target, int width)
{
    for (int x = 0; x < width; ++x) {
        const std::uint32_t s = source[x];
        const std::uint32_t d = target[x];
        const int a = static_cast<int>(s >> 24);
        const std::uint32_t r = ((s >> 16) & 0xFF) >> 3;
        const std::uint32_t g = ((s >> 8) & 0xFF) >> 3;
        const std::uint32_t b = (s & 0xFF) >> 3;
        const std::uint32_t mixed = BlendChannel(r, d >> 11, a) << 11 | BlendChannel(g, (d >> 6) & 0x1F, a) << 6 |
                                    BlendChannel(b, d & 0x1F, a);
        target[x] = static_cast<std::uint16_t>(a < 16 ? d : a > 240 ? (r << 11 | g << 6 | b) : mixed);
    }
}

} // namespace

bool AnimatedRLESprite::Create(const Image& strip, const Image* alphaStrip, int frameCount, bool crop)
{
    frames.clear();
    if (frameCount <= 0 || strip.GetDepth() != 8 || strip.IsEncoded() || strip.GetHeight() / frameCount <= 0)
        return false;
    if (alphaStrip != nullptr && (alphaStrip->GetWidth() != strip.GetWidth() || alphaStrip->GetHeight() != strip.GetHeight() ||
                                  alphaStrip->GetDepth() != 8 || alphaStrip->IsEncoded()))
        return false;
    fullWidth = strip.GetWidth();
    fullHeight = strip.GetHeight() / frameCount;
    hasAlpha = alphaStrip != nullptr;
    LogPrint("Surface::Create width=%d height=%d\n", fullWidth, fullHeight);
    ImageUtil& util = ImageUtil::GetInstance();
    for (int index = 0; index < frameCount; ++index) {
        const ImageRect whole{0, index * fullHeight, fullWidth - 1, (index + 1) * fullHeight - 1};
        ImageRect area{0, 0, fullWidth - 1, fullHeight - 1};
        if (crop) {
            const auto frameImage = ImageUtil::GetInstance().CopyToNewImage(strip, whole);
            if (!frameImage)
                return false;
            const ImageRect bounds = util.GetBoundingRect(*frameImage);
            area = ImageRect{std::max(bounds.left - 2, 0), std::max(bounds.top - 2, 0), std::min(bounds.right + 2, fullWidth - 1),
                             std::min(bounds.bottom + 2, fullHeight - 1)};
        }
        const ImageRect inStrip{area.left, area.top + whole.top, area.right, area.bottom + whole.top};
        Frame frame;
        frame.image = ImageUtil::GetInstance().CopyToNewImage(strip, inStrip);
        if (!frame.image || !util.RunLengthEncode(*frame.image))
            return false;
        if (alphaStrip != nullptr) {
            frame.alpha = ImageUtil::GetInstance().CopyToNewImage(*alphaStrip, inStrip);
            if (!frame.alpha || !util.RunLengthEncode(*frame.alpha))
                return false;
        }
        frame.crop = area;
        frames.push_back(std::move(frame));
    }
    return true;
}

void AnimatedRLESprite::SetFullSize(int width, int height)
{
    fullWidth = width;
    fullHeight = height;
}

void AnimatedRLESprite::AddFrame(std::unique_ptr<Image> frame, std::unique_ptr<Image> alphaFrame, const ImageRect& crop)
{
    if (!frame)
        return;
    // One frame with alpha is enough: frames without it then draw with the
    // black-is-clear rule.
    hasAlpha = hasAlpha || alphaFrame != nullptr;
    frames.push_back(Frame{std::move(frame), std::move(alphaFrame), crop});
}

int AnimatedRLESprite::GetWidth(int frame) const
{
    return frame >= 0 && frame < GetFrameCount() ? frames[static_cast<std::size_t>(frame)].image->GetWidth() : 0;
}

int AnimatedRLESprite::GetHeight(int frame) const
{
    return frame >= 0 && frame < GetFrameCount() ? frames[static_cast<std::size_t>(frame)].image->GetHeight() : 0;
}

bool AnimatedRLESprite::IsPixelTransparent(Point, int) const
{
    LogPrint("AnimatedRLESprite::IsPixelTransparent: Pixelcollision bei RLE-Sprites noch nicht implementiert!\n");
    return true;
}

template <int bytesPerPixel>
void AnimatedRLESprite::DrawAlpha(const Placement& placement, const std::uint32_t* pixels, int frameWidth, std::uint8_t* canvas,
                                  int pitch) const
{
    const ScreenLayout layout = ScreenLayout::FromDisplay();
    const bool fast = (bytesPerPixel == 4 && IsLayoutX8R8G8B8(layout)) || (bytesPerPixel == 2 && IsLayout565(layout));
    for (int row = 0; row < placement.destination.GetHeight(); ++row) {
        const std::uint32_t* source = pixels + static_cast<std::ptrdiff_t>(placement.source.top + row) * frameWidth + placement.source.left;
        std::uint8_t* target = canvas + static_cast<std::ptrdiff_t>(placement.destination.top + row) * pitch +
                               placement.destination.left * bytesPerPixel;
        if constexpr (bytesPerPixel == 4) {
            if (fast) {
                DrawRowX8R8G8B8(source, reinterpret_cast<std::uint32_t*>(target), placement.destination.GetWidth());
                continue;
            }
        } else if constexpr (bytesPerPixel == 2) {
            if (fast) {
                DrawRow565(source, reinterpret_cast<std::uint16_t*>(target), placement.destination.GetWidth());
                continue;
            }
        }
        for (int column = 0; column < placement.destination.GetWidth(); ++column) {
            const std::uint32_t pixel = source[column];
            Put<bytesPerPixel>(target + column * bytesPerPixel, ColourOf<bytesPerPixel>(pixel), static_cast<int>(pixel >> 24), layout);
        }
    }
}

template <int bytesPerPixel>
void AnimatedRLESprite::DrawScaledAlpha(const Placement& placement, const ImageRect& unclipped, const ImageRect& unclippedSource,
                                        const std::uint32_t* pixels, int frameWidth, int frameHeight, std::uint8_t* canvas,
                                        int pitch) const
{
    const ScreenLayout layout = ScreenLayout::FromDisplay();
    // 16.16 fixed-point steps through the source for each destination pixel.
    const std::int64_t spanX = unclipped.right - unclipped.left;
    const std::int64_t spanY = unclipped.bottom - unclipped.top;
    const std::int64_t stepX = spanX > 0 ? (static_cast<std::int64_t>(unclippedSource.right - unclippedSource.left) << 16) / spanX : 0;
    const std::int64_t stepY = spanY > 0 ? (static_cast<std::int64_t>(unclippedSource.bottom - unclippedSource.top) << 16) / spanY : 0;
    for (int y = placement.destination.top; y <= placement.destination.bottom; ++y) {
        const std::int64_t positionY = (static_cast<std::int64_t>(unclippedSource.top) << 16) + (y - unclipped.top) * stepY;
        const int y0 = std::clamp(static_cast<int>(positionY >> 16), 0, frameHeight - 1);
        const int y1 = std::min(y0 + 1, frameHeight - 1);
        const std::uint32_t fy = static_cast<std::uint32_t>(positionY & 0xFFFF);
        std::uint8_t* target = canvas + static_cast<std::ptrdiff_t>(y) * pitch;
        for (int x = placement.destination.left; x <= placement.destination.right; ++x) {
            const std::int64_t positionX = (static_cast<std::int64_t>(unclippedSource.left) << 16) + (x - unclipped.left) * stepX;
            const int x0 = std::clamp(static_cast<int>(positionX >> 16), 0, frameWidth - 1);
            const int x1 = std::min(x0 + 1, frameWidth - 1);
            const std::uint32_t fx = static_cast<std::uint32_t>(positionX & 0xFFFF);
            const std::uint32_t p00 = pixels[y0 * frameWidth + x0];
            const std::uint32_t p10 = pixels[y0 * frameWidth + x1];
            const std::uint32_t p01 = pixels[y1 * frameWidth + x0];
            const std::uint32_t p11 = pixels[y1 * frameWidth + x1];
            if (((p00 | p10 | p01 | p11) >> 24) == 0)
                continue;
            const std::uint64_t w00 = (static_cast<std::uint64_t>(65535 - fx) * (65535 - fy)) >> 16;
            const std::uint64_t w10 = (static_cast<std::uint64_t>(fx) * (65535 - fy)) >> 16;
            const std::uint64_t w01 = (static_cast<std::uint64_t>(65535 - fx) * fy) >> 16;
            const std::uint64_t w11 = (static_cast<std::uint64_t>(fx) * fy) >> 16;
            const auto mix = [&](int shift, int down) {
                const auto channel = [&](std::uint32_t pixel) { return static_cast<std::uint64_t>(((pixel >> shift) & 0xFF) >> down); };
                return static_cast<int>((channel(p00) * w00 + channel(p10) * w10 + channel(p01) * w01 + channel(p11) * w11) >> 16);
            };
            const int down = bytesPerPixel == 2 ? 3 : 0;
            Put<bytesPerPixel>(target + x * bytesPerPixel, Channels{mix(16, down), mix(8, down), mix(0, down)}, mix(24, 0), layout);
        }
    }
}

void AnimatedRLESprite::DrawEx(const DrawInfo& drawInfo)
{
    if ((drawInfo.flags & DI_DEST_SIZE) != 0) {
        LogWarning("%s", "AnimatedRLESprite::DrawEx: DI_DEST_SIZE Blit wird derzeit nicht unterstützt!\n"_w1252);
        return;
    }
    if (drawInfo.frame < 0 || drawInfo.frame >= GetFrameCount())
        return;
    const Frame& frame = frames[static_cast<std::size_t>(drawInfo.frame)];
    const int width = frame.image->GetWidth();
    const int height = frame.image->GetHeight();
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > maximumFramePixels) {
        LogError("AnimatedRLESprite::DrawEx: frame %d of %d x %d pixels does not fit the decode buffer.\n", drawInfo.frame, width,
                 height);
        return;
    }

    DirectDraw& display = DirectDraw::GetInstance();
    const std::size_t needed = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * sizeof(std::uint32_t);
    if (display.GetRenderTarget() == nullptr || display.GetScratchBufferSize() < needed)
        return;
    std::span<std::uint32_t> buffer(reinterpret_cast<std::uint32_t*>(display.GetScratchBuffer()),
                                    static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const Image* alpha = hasAlpha ? frame.alpha.get() : nullptr;
    ImageUtil& util = ImageUtil::GetInstance();
    const bool decoded = (drawInfo.flags & DI_TINT) != 0 ? util.RunLengthDecodeTinted(*frame.image, alpha, buffer, drawInfo.tint)
                                                         : util.RunLengthDecode(*frame.image, alpha, buffer);
    if (!decoded)
        return;

    // A scale from level data that is not a sane number draws nothing
    // (converting it to pixels would be undefined).
    const float scale = drawInfo.scale;
    if (!(scale > 0.0f && scale <= 64.0f))
        return;
    // The corner: crop offset times scale plus the destination, truncated;
    // centring subtracts its scaled half from that, truncated again.
    int x = static_cast<int>(static_cast<float>(frame.crop.left) * scale + static_cast<float>(drawInfo.destinationX));
    int y = static_cast<int>(static_cast<float>(frame.crop.top) * scale + static_cast<float>(drawInfo.destinationY));
    if ((drawInfo.flags & DI_CENTER) != 0) {
        x = static_cast<int>(static_cast<float>(x) - static_cast<float>(fullWidth / 2) * scale);
        y = static_cast<int>(static_cast<float>(y) - static_cast<float>(fullHeight / 2) * scale);
    } else if ((drawInfo.flags & DI_BOTTOM_CENTER) != 0) {
        x = static_cast<int>(static_cast<float>(x) - static_cast<float>(fullWidth / 2) * scale);
        y = static_cast<int>(static_cast<float>(y) - static_cast<float>(fullHeight) * scale);
    }
    const ImageRect destination{x, y, x + static_cast<int>(static_cast<float>(width - 1) * scale),
                                y + static_cast<int>(static_cast<float>(height - 1) * scale)};
    const ImageRect source{0, 0, width - 1, height - 1};
    const Placement placement = Clip(source, destination);
    if (placement.empty)
        return;

    platform::LockedSurface locked;
    if (!LockCanvas(locked)) {
        if (scale != 1.0f)
            LogPrint("src-rect %f %f %f %f  dest-rect %d %d %d %d\n", 0.0, 0.0, static_cast<double>(width - 1),
                     static_cast<double>(height - 1), destination.left, destination.top, destination.right, destination.bottom);
        return;
    }
    const std::uint32_t* pixels = buffer.data();
    const bool scaled = scale != 1.0f;
    switch (display.GetDepth()) {
    case 16:
        scaled ? DrawScaledAlpha<2>(placement, destination, source, pixels, width, height, locked.pixels, locked.pitch)
               : DrawAlpha<2>(placement, pixels, width, locked.pixels, locked.pitch);
        break;
    case 24:
        scaled ? DrawScaledAlpha<3>(placement, destination, source, pixels, width, height, locked.pixels, locked.pitch)
               : DrawAlpha<3>(placement, pixels, width, locked.pixels, locked.pitch);
        break;
    case 32:
        scaled ? DrawScaledAlpha<4>(placement, destination, source, pixels, width, height, locked.pixels, locked.pitch)
               : DrawAlpha<4>(placement, pixels, width, locked.pixels, locked.pitch);
        break;
    default:
        if (scaled)
            LogWarning("AnimatedRLESprite::DrawScaledAlpha: Unsupported ScreenDepth %d!\n", display.GetDepth());
        else
            LogWarning("AnimatedRLESprite::DrawAlpha: Unsupported ScreenDepth %d!\n", display.GetDepth());
        break;
    }
    UnlockCanvas();
}
