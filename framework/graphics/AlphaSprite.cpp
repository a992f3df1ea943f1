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
    geometry.Uncropped(frameWidth, frameHeight, x, y);
    if (cropped) {
        ImageUtil& util = ImageUtil::GetInstance();
        const ImageRect bounds = Union(util.GetBoundingRect(*diffuseImage), util.GetBoundingRect(*alphaImage));
        diffuseImage = ImageUtil::GetInstance().CopyToNewImage(*diffuseImage, bounds);
        alphaImage = ImageUtil::GetInstance().CopyToNewImage(*alphaImage, bounds);
        if (!diffuseImage || !alphaImage)
            return false;
        geometry.CroppedTo(bounds);
    }
    picture.Keep(std::move(diffuseImage));
    diffuse = picture.MakeScreenImage();
    alpha = std::move(alphaImage);
    FindSpans();
    return diffuse != nullptr;
}

void AlphaSprite::Restore()
{
    if (diffuse != nullptr && diffuse->GetDepth() != DirectDraw::GetInstance().GetDepth())
        diffuse = picture.MakeScreenImage();
}

void AlphaSprite::FindSpans()
{
    // Clear or opaque stretches shorter than this stay in the blended mix,
    // whose loop handles them as well: a span costs more than a few pixels.
    constexpr int shortestStretch = 8;
    spans.clear();
    rowSpans.assign(1, 0);
    const int width = alpha->GetWidth();
    const int height = alpha->GetHeight();
    if (alpha->GetDepth() != 8 || alpha->GetBufferSize() < Image::ComputeDataSize(width, height, 8)) {
        rowSpans.assign(static_cast<std::size_t>(std::max(height, 0)) + 1, 0);
        return;
    }
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = alpha->GetData() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        int x = 0;
        while (x < width) {
            // The stretch of one kind from x: clear, opaque or between.
            const auto kind = [](std::uint8_t value) { return value == 0 ? 0 : value == 255 ? 1 : 2; };
            const int thisKind = kind(row[x]);
            int end = x + 1;
            while (end < width && kind(row[end]) == thisKind)
                ++end;
            const bool stretchKeepsItsKind = thisKind == 2 || end - x >= shortestStretch;
            if (thisKind == 0 && stretchKeepsItsKind) {
                x = end;
                continue;
            }
            const bool opaque = thisKind == 1 && stretchKeepsItsKind;
            const std::size_t rowStart = rowSpans.back();
            if (!opaque && spans.size() > rowStart && !spans.back().opaque && spans.back().end == x)
                spans.back().end = end; // joins the mix before it
            else
                spans.push_back(Span{x, end, opaque});
            x = end;
        }
        rowSpans.push_back(static_cast<std::uint32_t>(spans.size()));
    }
}

bool AlphaSprite::IsPixelTransparent(Point point, int) const
{
    int x = 0;
    int y = 0;
    const Image* image = picture.Get();
    if (image == nullptr || !geometry.ImagePixelAt(point, x, y))
        return true;
    return image->GetPixel(x, y) == 0;
}

namespace {

// One stretch for an X8R8G8B8 screen: alpha 0 keeps, 255 replaces, anything
// between mixes, written as selects so the compiler vectorises it.
[[gnu::always_inline]] inline void BlendRowX8R8G8B8(const std::uint32_t* __restrict source, const std::uint8_t* __restrict alphas,
                                                    std::uint32_t* __restrict target, int width)
{
    // The rim of a shape gives stretches of a few pixels, too short for the
    // vector loop: those mix red with blue and green on its own, two
    // products each, with the same floor and the fourth byte cleared alike.
    if (width < 8) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t s = source[x];
            const std::uint32_t d = target[x];
            const std::uint32_t a = alphas[x];
            const std::uint32_t keep = 256 - a;
            const std::uint32_t redBlue = (((d & 0xFF00FF) * keep + (s & 0xFF00FF) * a) >> 8) & 0xFF00FF;
            const std::uint32_t green = (((d & 0xFF00) * keep + (s & 0xFF00) * a) >> 8) & 0xFF00;
            target[x] = a == 255 ? s : a == 0 ? d : redBlue | green;
        }
        return;
    }
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
[[gnu::always_inline]] inline void BlendRow565(const std::uint16_t* __restrict source, const std::uint8_t* __restrict alphas,
                                               std::uint16_t* __restrict target, int width)
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

// A 24-bit screen: every byte is a whole channel, whichever it is, so the
// bytes are mixed alike with their pixel's alpha spread over its three
// bytes, a chunk at a time, in a loop the compiler vectorises.
[[gnu::always_inline]] inline void BlendRow24(const std::uint8_t* __restrict source, const std::uint8_t* __restrict alphas,
                                              std::uint8_t* __restrict target, int width)
{
    constexpr int chunkPixels = 64;
    // One four-byte store a pixel; the fourth byte is overwritten by the
    // next pixel's (or lies past the chunk).
    std::uint8_t spread[chunkPixels * 3 + 1];
    for (int first = 0; first < width; first += chunkPixels) {
        const int pixels = std::min(chunkPixels, width - first);
        for (int x = 0; x < pixels; ++x) {
            const std::uint32_t fourTimes = alphas[first + x] * 0x01010101u;
            std::memcpy(spread + x * 3, &fourTimes, 4);
        }
        const std::uint8_t* s = source + first * 3;
        std::uint8_t* t = target + first * 3;
        for (int i = 0; i < pixels * 3; ++i) {
            const std::uint16_t a = spread[i];
            const std::uint16_t d = t[i];
            // At most 255 * 256: sixteen bits suffice.
            const auto weighted = static_cast<std::uint16_t>(d * static_cast<std::uint16_t>(256 - a) + s[i] * a);
            const auto mixed = static_cast<std::uint8_t>(weighted >> 8);
            t[i] = a == 255 ? s[i] : a == 0 ? t[i] : mixed;
        }
    }
}

// The three row loops compiled for the baseline and, chosen once at run
// time where the processor has it, for AVX2's wider vectors.
struct RowBlenders {
    void (*x8r8g8b8)(const std::uint32_t*, const std::uint8_t*, std::uint32_t*, int);
    void (*rgb565)(const std::uint16_t*, const std::uint8_t*, std::uint16_t*, int);
    void (*bgr24)(const std::uint8_t*, const std::uint8_t*, std::uint8_t*, int);
};

void BlendRowX8R8G8B8Plain(const std::uint32_t* source, const std::uint8_t* alphas, std::uint32_t* target, int width)
{
    BlendRowX8R8G8B8(source, alphas, target, width);
}
void BlendRow565Plain(const std::uint16_t* source, const std::uint8_t* alphas, std::uint16_t* target, int width)
{
    BlendRow565(source, alphas, target, width);
}
void BlendRow24Plain(const std::uint8_t* source, const std::uint8_t* alphas, std::uint8_t* target, int width)
{
    BlendRow24(source, alphas, target, width);
}

#if defined(__x86_64__)
[[gnu::target("avx2")]] void BlendRowX8R8G8B8Avx2(const std::uint32_t* source, const std::uint8_t* alphas, std::uint32_t* target,
                                                  int width)
{
    BlendRowX8R8G8B8(source, alphas, target, width);
}
[[gnu::target("avx2")]] void BlendRow565Avx2(const std::uint16_t* source, const std::uint8_t* alphas, std::uint16_t* target, int width)
{
    BlendRow565(source, alphas, target, width);
}
[[gnu::target("avx2")]] void BlendRow24Avx2(const std::uint8_t* source, const std::uint8_t* alphas, std::uint8_t* target, int width)
{
    BlendRow24(source, alphas, target, width);
}
#endif

const RowBlenders& ChooseRowBlenders()
{
    static const RowBlenders plain{BlendRowX8R8G8B8Plain, BlendRow565Plain, BlendRow24Plain};
#if defined(__x86_64__)
    static const RowBlenders avx2{BlendRowX8R8G8B8Avx2, BlendRow565Avx2, BlendRow24Avx2};
    if (__builtin_cpu_supports("avx2"))
        return avx2;
#endif
    return plain;
}

// Any other layout, pixel by pixel through its masks and shifts.
template <int bytesPerPixel>
void BlendRowOfLayout(const std::uint8_t* source, const std::uint8_t* alphas, std::uint8_t* target, int width, const ScreenLayout& layout)
{
    for (int column = 0; column < width; ++column) {
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
            pixel, ::Blend(ReadScreenPixel<bytesPerPixel>(sourcePixel, layout), ReadScreenPixel<bytesPerPixel>(pixel, layout), a), layout);
    }
}

} // namespace

template <int bytesPerPixel>
void AlphaSprite::Blend(const Placement& placement, std::uint8_t* canvas, int pitch) const
{
    const ScreenLayout layout = ScreenLayout::FromDisplay();
    const bool whole32 = bytesPerPixel == 4 && IsLayoutX8R8G8B8(layout);
    const bool whole565 = bytesPerPixel == 2 && IsLayout565(layout);
    const RowBlenders& rows = ChooseRowBlenders();
    const auto blendStretch = [&](const std::uint8_t* source, const std::uint8_t* alphas, std::uint8_t* target, int width) {
        if constexpr (bytesPerPixel == 4) {
            if (whole32)
                return rows.x8r8g8b8(reinterpret_cast<const std::uint32_t*>(source), alphas, reinterpret_cast<std::uint32_t*>(target),
                                     width);
        } else if constexpr (bytesPerPixel == 2) {
            if (whole565)
                return rows.rgb565(reinterpret_cast<const std::uint16_t*>(source), alphas, reinterpret_cast<std::uint16_t*>(target), width);
        } else {
            return rows.bgr24(source, alphas, target, width);
        }
        BlendRowOfLayout<bytesPerPixel>(source, alphas, target, width, layout);
    };
    const int imageWidth = diffuse->GetWidth();
    const std::uint8_t* diffusePixels = diffuse->GetData();
    const std::uint8_t* alphaPixels = alpha->GetData();
    // Columns of the images drawn: [left, end).
    const int left = geometry.sourceX + placement.source.left;
    const int end = left + placement.destination.GetWidth();
    for (int row = 0; row < placement.destination.GetHeight(); ++row) {
        const int y = geometry.sourceY + placement.source.top + row;
        const std::size_t rowStart = static_cast<std::size_t>(y) * static_cast<std::size_t>(imageWidth);
        // The canvas pixel of image column `left`.
        std::uint8_t* target = canvas + static_cast<std::ptrdiff_t>(placement.destination.top + row) * pitch +
                               placement.destination.left * bytesPerPixel;
        for (std::uint32_t index = rowSpans[static_cast<std::size_t>(y)]; index < rowSpans[static_cast<std::size_t>(y) + 1]; ++index) {
            const Span& span = spans[index];
            const int from = std::max(span.start, left);
            const int to = std::min(span.end, end);
            if (from >= to)
                continue;
            const std::size_t first = rowStart + static_cast<std::size_t>(from);
            std::uint8_t* pixel = target + (from - left) * bytesPerPixel;
            const std::uint8_t* source = diffusePixels + first * bytesPerPixel;
            if (span.opaque)
                std::memcpy(pixel, source, static_cast<std::size_t>(to - from) * bytesPerPixel);
            else
                blendStretch(source, alphaPixels + first, pixel, to - from);
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
    Restore(); // a change of depth not restored yet
    if (!diffuse || !alpha)
        return;
    if (diffuse->GetWidth() != alpha->GetWidth() || diffuse->GetHeight() != alpha->GetHeight()) {
        LogPrint("diffuse and alpha image sizes do not match.\n Skipping rendering.\n");
        return;
    }
    DirectDraw& display = DirectDraw::GetInstance();
    // The stored area must lie inside the images it is read from.
    if (!geometry.LiesInside(*diffuse) || diffuse->GetDepth() != display.GetDepth() || alpha->GetDepth() != 8)
        return;
    const Placement placement =
        Place(drawInfo, geometry.storedWidth, geometry.storedHeight, geometry.fullWidth, geometry.fullHeight, geometry.crop);
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
