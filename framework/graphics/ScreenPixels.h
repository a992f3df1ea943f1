#pragma once

// Blending rows of sprite pixels into the canvas. The canvas format is
// settled once per draw from DirectDraw's layout, and one loop per pixel
// size serves every layout of that size:
//   16 bit  three channels of five bits at the layout's shifts;
//   24 bit  three channel bytes, mixed alike whatever their order;
//   32 bit  the same, with the fourth byte (no channel) kept.
// The sprites hand the loops their colours as canvas pixels already, with
// an alpha byte per pixel. An alpha rule turns the alpha into a weight w
// from 0 to 256, and each channel becomes (d * (256 - w) + s * w) >> 8.
// For w = a that is exactly d + ((s - d) * a >> 8) with an arithmetic
// shift (d * 256 is a whole multiple of 256, so both floors agree); w = 0
// keeps the canvas and w = 256 writes the colour. No product leaves sixteen
// bits and no decision is taken per pixel, so the compiler works on many
// channels at once; the loops are built for SSE2 and AVX2 and chosen once.
// Pixels are little-endian, as on every processor the game runs on.

#include "AlphaSpans.h"
#include "DirectDraw.h"
#include "platform/VectorDispatch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

struct ScreenLayout {
    int shiftR = 0, shiftG = 0, shiftB = 0;
    std::uint32_t maskR = 0, maskG = 0, maskB = 0;

    bool operator==(const ScreenLayout&) const = default;

    static ScreenLayout FromDisplay()
    {
        const DirectDraw& display = DirectDraw::GetInstance();
        return ScreenLayout{display.GetShiftR(), display.GetShiftG(), display.GetShiftB(),
                            display.GetMaskR(),  display.GetMaskG(),  display.GetMaskB()};
    }
};

// Where a canvas pixel keeps its channels: the bit position of red, green
// and blue (five-bit channels on a 16-bit screen, bytes otherwise), and
// which bits are channels at all.
struct CanvasFormat {
    int bytesPerPixel = 4;
    int shiftR = 16, shiftG = 8, shiftB = 0;
    std::uint32_t channelBits = 0x00FFFFFF;

    static CanvasFormat Of(int depth, const ScreenLayout& layout)
    {
        return CanvasFormat{depth / 8, layout.shiftR, layout.shiftG, layout.shiftB, layout.maskR | layout.maskG | layout.maskB};
    }
};

// Alpha sprites: 0 keeps the canvas, 255 writes the colour, between mixes.
struct AlphaMapRule {
    static std::uint32_t Weight(std::uint32_t alpha) { return alpha == 255 ? 256 : alpha; }
};

// Run-length sprites: below 16 keeps, above 240 writes, between mixes.
struct ThresholdRule {
    static std::uint32_t Weight(std::uint32_t alpha) { return alpha < 16 ? 0 : alpha > 240 ? 256 : alpha; }
};

namespace screen_pixels {

// Red and blue (or whichever channels sit in bytes 0 and 2) in one product,
// bytes 1 and 3 in another: no lane reaches into its neighbour, since
// 255 * 256 stays below 65536.
[[gnu::always_inline]] inline void BlendPixels32(const std::uint32_t* __restrict source, const std::uint32_t* __restrict weights,
                                                 std::uint32_t* __restrict target, int count, std::uint32_t channelBits)
{
    for (int x = 0; x < count; ++x) {
        const std::uint32_t s = source[x];
        const std::uint32_t d = target[x];
        const std::uint32_t w = weights[x];
        const std::uint32_t keep = 256 - w;
        const std::uint32_t even = (((d & 0x00FF00FF) * keep + (s & 0x00FF00FF) * w) >> 8) & 0x00FF00FF;
        const std::uint32_t odd = ((d >> 8 & 0x00FF00FF) * keep + (s >> 8 & 0x00FF00FF) * w) & 0xFF00FF00;
        target[x] = ((even | odd) & channelBits) | (d & ~channelBits);
    }
}

// Only the channels' bits are written, as the display writes a pixel, but a
// pixel kept stays whole and one replaced becomes the colour's pixel.
[[gnu::always_inline]] inline void BlendPixels16(const std::uint16_t* __restrict source, const std::uint32_t* __restrict weights,
                                                 std::uint16_t* __restrict target, int count, int shiftR, int shiftG, int shiftB)
{
    for (int x = 0; x < count; ++x) {
        const std::uint32_t s = source[x];
        const std::uint32_t d = target[x];
        const std::uint32_t w = weights[x];
        const std::uint32_t keep = 256 - w;
        // At most 31 * 256: sixteen-bit lanes suffice.
        const auto mix = [&](int shift) {
            return static_cast<std::uint32_t>(static_cast<std::uint16_t>(((d >> shift) & 0x1F) * keep + ((s >> shift) & 0x1F) * w) >> 8)
                   << shift;
        };
        const std::uint32_t mixed = mix(shiftR) | mix(shiftG) | mix(shiftB);
        target[x] = static_cast<std::uint16_t>(w == 0 ? d : w == 256 ? s : mixed);
    }
}

// Every byte of a 24-bit row is a channel: the bytes mix alike, each with
// its pixel's weight, spread over its three bytes a chunk at a time.
[[gnu::always_inline]] inline void BlendBytes24(const std::uint8_t* __restrict source, const std::uint32_t* __restrict weights,
                                                std::uint8_t* __restrict target, int count)
{
    // At most 255 * 256: sixteen-bit lanes suffice.
    const auto mix = [](std::uint32_t canvas, std::uint32_t colour, std::uint32_t w) {
        return static_cast<std::uint8_t>(static_cast<std::uint16_t>(canvas * (256 - w) + colour * w) >> 8);
    };
    // Too short for vectors (a shape's rim): pixel by pixel.
    if (count < 16) {
        for (int x = 0; x < count * 3; ++x)
            target[x] = mix(target[x], source[x], weights[x / 3]);
        return;
    }
    constexpr int chunkPixels = 64;
    // One eight-byte store a pixel; its fourth weight is overwritten by the
    // next pixel's (or lies past the chunk).
    std::uint16_t spread[chunkPixels * 3 + 1];
    for (int first = 0; first < count; first += chunkPixels) {
        const int pixels = count - first < chunkPixels ? count - first : chunkPixels;
        for (int x = 0; x < pixels; ++x) {
            const std::uint64_t fourTimes = weights[first + x] * 0x0001000100010001ull;
            std::memcpy(spread + x * 3, &fourTimes, sizeof(fourTimes));
        }
        const std::uint8_t* s = source + first * 3;
        std::uint8_t* t = target + first * 3;
        for (int i = 0; i < pixels * 3; ++i)
            t[i] = mix(t[i], s[i], spread[i]);
    }
}

// The three behind one signature of bytes, for the dispatch.
[[gnu::always_inline]] inline void BlendRow32(const std::uint8_t* colours, const std::uint32_t* weights, std::uint8_t* target, int count,
                                              CanvasFormat format)
{
    BlendPixels32(reinterpret_cast<const std::uint32_t*>(colours), weights, reinterpret_cast<std::uint32_t*>(target), count,
                  format.channelBits);
}

[[gnu::always_inline]] inline void BlendRow16(const std::uint8_t* colours, const std::uint32_t* weights, std::uint8_t* target, int count,
                                              CanvasFormat format)
{
    BlendPixels16(reinterpret_cast<const std::uint16_t*>(colours), weights, reinterpret_cast<std::uint16_t*>(target), count,
                  format.shiftR, format.shiftG, format.shiftB);
}

// The two 16-bit layouts screens have, with their shifts known to the
// compiler: red at 11 or 10, green at 6 or 5, blue at 0.
template <int shiftR, int shiftG>
[[gnu::always_inline]] inline void BlendRow16Fixed(const std::uint8_t* colours, const std::uint32_t* weights, std::uint8_t* target,
                                                   int count, CanvasFormat)
{
    BlendPixels16(reinterpret_cast<const std::uint16_t*>(colours), weights, reinterpret_cast<std::uint16_t*>(target), count, shiftR,
                  shiftG, 0);
}

[[gnu::always_inline]] inline void BlendRow24(const std::uint8_t* colours, const std::uint32_t* weights, std::uint8_t* target, int count,
                                              CanvasFormat)
{
    BlendBytes24(colours, weights, target, count);
}

} // namespace screen_pixels

// Blends `count` canvas pixels `colours` into `target` (both laid out in
// the canvas format) by their weights: one loop, chosen once per draw.
class RowBlend {
public:
    using Loop = void (*)(const std::uint8_t*, const std::uint32_t*, std::uint8_t*, int, CanvasFormat);

    // The loop for the format's pixel size and the processor.
    explicit RowBlend(const CanvasFormat& canvas)
        : RowBlend(canvas, platform::HasAvx2())
    {
    }
    // One build by name, for tests that hold the builds against each other.
    RowBlend(const CanvasFormat& canvas, bool avx2)
        : loop(ChooseLoop(canvas, avx2)), shortLoop(ChooseLoop(canvas, false)), format(canvas)
    {
    }

    // Rows shorter than an AVX2 vector (the rims of shapes) are blended
    // by the baseline build, which gets to its work sooner.
    void operator()(const std::uint8_t* colours, const std::uint32_t* weights, std::uint8_t* target, int count) const
    {
        (count < 8 ? shortLoop : loop)(colours, weights, target, count, format);
    }

    int BytesPerPixel() const { return format.bytesPerPixel; }

private:
    template <auto body>
    static Loop Pick(bool avx2)
    {
        return platform::Vectorised<body>::Build(avx2);
    }

    static Loop ChooseLoop(const CanvasFormat& format, bool avx2)
    {
        switch (format.bytesPerPixel) {
        case 2:
            if (format.shiftB == 0 && format.shiftG == 6 && format.shiftR == 11)
                return Pick<&screen_pixels::BlendRow16Fixed<11, 6>>(avx2);
            if (format.shiftB == 0 && format.shiftG == 5 && format.shiftR == 10)
                return Pick<&screen_pixels::BlendRow16Fixed<10, 5>>(avx2);
            return Pick<&screen_pixels::BlendRow16>(avx2);
        case 3: return Pick<&screen_pixels::BlendRow24>(avx2);
        default: return Pick<&screen_pixels::BlendRow32>(avx2);
        }
    }

    Loop loop;
    Loop shortLoop;
    CanvasFormat format;
};

namespace screen_pixels {

// Canvas pixels of `count` palette indices from a table of canvas pixels.
// A 24-bit pixel is written four bytes wide, the next one's first byte
// written again after it; only the last is written three bytes wide.
template <int bytesPerPixel>
[[gnu::always_inline]] inline void LookUpPixels(const std::uint8_t* __restrict indices, const std::uint32_t* __restrict palette,
                                                std::uint8_t* __restrict out, int count)
{
    constexpr int wide = bytesPerPixel == 3 ? 4 : bytesPerPixel;
    const int last = bytesPerPixel == 3 ? count - 1 : count;
    for (int x = 0; x < last; ++x)
        std::memcpy(out + x * bytesPerPixel, &palette[indices[x]], wide);
    if (bytesPerPixel == 3 && count > 0)
        std::memcpy(out + last * bytesPerPixel, &palette[indices[last]], 3);
}

} // namespace screen_pixels

// The look-up for the canvas's pixel size, chosen once per draw.
using LookUpLoop = void (*)(const std::uint8_t*, const std::uint32_t*, std::uint8_t*, int);

inline LookUpLoop ChooseLookUp(int bytesPerPixel)
{
    switch (bytesPerPixel) {
    case 2: return platform::Vectorised<&screen_pixels::LookUpPixels<2>>::Choose();
    case 3: return platform::Vectorised<&screen_pixels::LookUpPixels<3>>::Choose();
    default: return platform::Vectorised<&screen_pixels::LookUpPixels<4>>::Choose();
    }
}

// Canvas pixels held one to a 32-bit value, narrowed to the canvas's pixel
// size. A 24-bit pixel is written four bytes wide: `out` holds one byte more.
template <int bytesPerPixel>
void NarrowPixels(const std::uint32_t* __restrict pixels, std::uint8_t* __restrict out, int count)
{
    constexpr std::size_t written = bytesPerPixel == 3 ? 4 : bytesPerPixel;
    for (int x = 0; x < count; ++x)
        std::memcpy(out + x * bytesPerPixel, &pixels[x], written);
}

inline void NarrowPixels(int bytesPerPixel, const std::uint32_t* pixels, std::uint8_t* out, int count)
{
    switch (bytesPerPixel) {
    case 2: NarrowPixels<2>(pixels, out, count); break;
    case 3: NarrowPixels<3>(pixels, out, count); break;
    default: NarrowPixels<4>(pixels, out, count); break;
    }
}

// Draws spans [first, last) of one row, clipped to columns [left, end), onto
// `line`, the canvas pixel of column `left`: opaque spans copied, mixed ones
// blended by their weights. The spans' colours are canvas pixels already:
// pixelsAt(i, x) gives span i's from column x on.
template <typename PixelsAt>
void DrawSpanRow(const AlphaSpan* spans, std::uint32_t first, std::uint32_t last, int left, int end, const std::uint32_t* weights,
                 const RowBlend& blend, std::uint8_t* line, PixelsAt pixelsAt)
{
    const int bytesPerPixel = blend.BytesPerPixel();
    for (std::uint32_t index = first; index < last; ++index) {
        const AlphaSpan& span = spans[index];
        if (span.start >= end)
            break; // the spans of a row run left to right
        const int from = std::max(span.start, left);
        const int to = std::min(span.end, end);
        if (from >= to)
            continue;
        const std::uint8_t* const source = pixelsAt(index, from);
        std::uint8_t* const pixel = line + static_cast<std::ptrdiff_t>(from - left) * bytesPerPixel;
        if (span.opaque)
            std::memcpy(pixel, source, static_cast<std::size_t>(to - from) * static_cast<std::size_t>(bytesPerPixel));
        else
            blend(source, weights + span.weights + (from - span.start), pixel, to - from);
    }
}
