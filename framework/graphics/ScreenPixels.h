#pragma once

// Reading and writing canvas pixels in the screen's format, for the blending
// loops of the sprites. The layout is taken from DirectDraw once per draw;
// the loops are specialised on the pixel size (16, 24 or 32 bits), so no
// decision is made per pixel. Channels are five bits on a 16-bit screen and
// eight bits otherwise.

#include "DirectDraw.h"

#include <cstdint>
#include <cstring>

struct ScreenLayout {
    int shiftR = 0, shiftG = 0, shiftB = 0;
    std::uint32_t maskR = 0, maskG = 0, maskB = 0;
    int indexR = 0, indexG = 0, indexB = 0;

    static ScreenLayout FromDisplay()
    {
        const DirectDraw& display = DirectDraw::GetInstance();
        return ScreenLayout{display.GetShiftR(),      display.GetShiftG(),      display.GetShiftB(),
                            display.GetMaskR(),       display.GetMaskG(),       display.GetMaskB(),
                            display.GetColorIndexR(), display.GetColorIndexG(), display.GetColorIndexB()};
    }
};

struct Channels {
    int r = 0, g = 0, b = 0;
};

template <int bytesPerPixel>
inline Channels ReadScreenPixel(const std::uint8_t* pixel, const ScreenLayout& layout)
{
    if constexpr (bytesPerPixel == 2) {
        std::uint16_t value;
        std::memcpy(&value, pixel, 2);
        return Channels{static_cast<int>((value & layout.maskR) >> layout.shiftR),
                        static_cast<int>((value & layout.maskG) >> layout.shiftG),
                        static_cast<int>((value & layout.maskB) >> layout.shiftB)};
    } else {
        return Channels{pixel[layout.indexR], pixel[layout.indexG], pixel[layout.indexB]};
    }
}

template <int bytesPerPixel>
inline void WriteScreenPixel(std::uint8_t* pixel, Channels channels, const ScreenLayout& layout)
{
    if constexpr (bytesPerPixel == 2) {
        const auto value = static_cast<std::uint16_t>(
            (static_cast<std::uint32_t>(channels.r) << layout.shiftR & layout.maskR) |
            (static_cast<std::uint32_t>(channels.g) << layout.shiftG & layout.maskG) |
            (static_cast<std::uint32_t>(channels.b) << layout.shiftB & layout.maskB));
        std::memcpy(pixel, &value, 2);
    } else {
        pixel[layout.indexR] = static_cast<std::uint8_t>(channels.r);
        pixel[layout.indexG] = static_cast<std::uint8_t>(channels.g);
        pixel[layout.indexB] = static_cast<std::uint8_t>(channels.b);
    }
}

// The two layouts almost every screen has, for loops specialised on them:
// 32-bit X8R8G8B8 and 16-bit 565 (five bits of green at shift 6).
inline bool IsLayoutX8R8G8B8(const ScreenLayout& layout)
{
    return layout.indexR == 2 && layout.indexG == 1 && layout.indexB == 0;
}

inline bool IsLayout565(const ScreenLayout& layout)
{
    return layout.shiftR == 11 && layout.shiftG == 6 && layout.shiftB == 0 && layout.maskR == 0xF800 && layout.maskG == 0x07E0 &&
           layout.maskB == 0x001F;
}

// One channel of d + ((s - d) * a >> 8), for vector code. Since d * 256 is
// a whole multiple of 256, the floor of that equals
// (d * (256 - a) + s * a) >> 8, which never goes negative and fits 16 bits:
// the compiler can work on eight channels at once.
inline std::uint32_t BlendChannel(std::uint32_t source, std::uint32_t destination, int alpha)
{
    const auto weighted = static_cast<std::uint16_t>(destination * static_cast<std::uint32_t>(256 - alpha) +
                                                     source * static_cast<std::uint32_t>(alpha));
    return static_cast<std::uint32_t>(weighted >> 8);
}

// The canvas formats the blending loops are specialised on, chosen once per
// draw. Colours come as 0x00RRGGBB in the screen's channel precision (five
// bits a channel on a 16-bit screen); Pack turns one into the screen's pixel
// value ahead of the loop, so that an opaque pixel is a plain store.

// 32-bit X8R8G8B8, whole pixels at once; the canvas's fourth byte is kept.
struct CanvasX8R8G8B8 {
    static constexpr int bytesPerPixel = 4;

    static std::uint32_t Pack(std::uint32_t rgb) { return rgb; }
    static void Store(std::uint8_t* pixel, std::uint32_t packed)
    {
        std::uint32_t value;
        std::memcpy(&value, pixel, 4);
        value = (value & 0xFF000000) | packed;
        std::memcpy(pixel, &value, 4);
    }
    // d + ((s - d) * a >> 8) per channel, as (d * (256 - a) + s * a) >> 8,
    // which is the same floor: red and blue in one product, green in
    // another, none reaching into its neighbour.
    static void Blend(std::uint8_t* pixel, std::uint32_t rgb, int alpha)
    {
        std::uint32_t value;
        std::memcpy(&value, pixel, 4);
        const auto source = static_cast<std::uint32_t>(alpha);
        const std::uint32_t keep = 256 - source;
        const std::uint32_t redBlue = (((value & 0xFF00FF) * keep + (rgb & 0xFF00FF) * source) >> 8) & 0xFF00FF;
        const std::uint32_t green = (((value & 0xFF00) * keep + (rgb & 0xFF00) * source) >> 8) & 0xFF00;
        value = (value & 0xFF000000) | redBlue | green;
        std::memcpy(pixel, &value, 4);
    }
};

// 16-bit 565 with five bits of green at shift 6, as the display writes it.
struct Canvas565 {
    static constexpr int bytesPerPixel = 2;

    static std::uint32_t Pack(std::uint32_t rgb) { return (rgb >> 16 & 0x1F) << 11 | (rgb >> 8 & 0x1F) << 6 | (rgb & 0x1F); }
    static void Store(std::uint8_t* pixel, std::uint32_t packed)
    {
        const auto value = static_cast<std::uint16_t>(packed);
        std::memcpy(pixel, &value, 2);
    }
    static void Blend(std::uint8_t* pixel, std::uint32_t rgb, int alpha)
    {
        std::uint16_t value;
        std::memcpy(&value, pixel, 2);
        const int red = value >> 11;
        const int green = (value >> 6) & 0x1F;
        const int blue = value & 0x1F;
        const auto mixed = static_cast<std::uint16_t>(
            (red + ((static_cast<int>(rgb >> 16 & 0x1F) - red) * alpha >> 8)) << 11 |
            (green + ((static_cast<int>(rgb >> 8 & 0x1F) - green) * alpha >> 8)) << 6 |
            (blue + ((static_cast<int>(rgb & 0x1F) - blue) * alpha >> 8)));
        std::memcpy(pixel, &mixed, 2);
    }
};

// 24-bit blue, green, red bytes.
struct CanvasBGR24 {
    static constexpr int bytesPerPixel = 3;

    static std::uint32_t Pack(std::uint32_t rgb) { return rgb; }
    static void Store(std::uint8_t* pixel, std::uint32_t packed)
    {
        pixel[0] = static_cast<std::uint8_t>(packed);
        pixel[1] = static_cast<std::uint8_t>(packed >> 8);
        pixel[2] = static_cast<std::uint8_t>(packed >> 16);
    }
    static void Blend(std::uint8_t* pixel, std::uint32_t rgb, int alpha)
    {
        for (int channel = 0; channel < 3; ++channel)
            pixel[channel] = static_cast<std::uint8_t>(BlendChannel((rgb >> (8 * channel)) & 0xFF, pixel[channel], alpha));
    }
};

// Any layout of 16, 24 or 32 bits, through its masks, shifts and indices.
template <int pixelBytes>
struct CanvasOfLayout {
    static constexpr int bytesPerPixel = pixelBytes;
    ScreenLayout layout;

    static Channels ChannelsOf(std::uint32_t rgb)
    {
        return Channels{static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF)};
    }
    std::uint32_t Pack(std::uint32_t rgb) const
    {
        if constexpr (pixelBytes == 2) {
            const Channels channels = ChannelsOf(rgb);
            return (static_cast<std::uint32_t>(channels.r) << layout.shiftR & layout.maskR) |
                   (static_cast<std::uint32_t>(channels.g) << layout.shiftG & layout.maskG) |
                   (static_cast<std::uint32_t>(channels.b) << layout.shiftB & layout.maskB);
        } else {
            return rgb;
        }
    }
    void Store(std::uint8_t* pixel, std::uint32_t packed) const
    {
        if constexpr (pixelBytes == 2) {
            const auto value = static_cast<std::uint16_t>(packed);
            std::memcpy(pixel, &value, 2);
        } else {
            WriteScreenPixel<pixelBytes>(pixel, ChannelsOf(packed), layout);
        }
    }
    void Blend(std::uint8_t* pixel, std::uint32_t rgb, int alpha) const;
};

// out = d + ((s - d) * a >> 8) per channel, with an arithmetic shift.
inline Channels Blend(Channels source, Channels destination, int alpha)
{
    return Channels{destination.r + (((source.r - destination.r) * alpha) >> 8),
                    destination.g + (((source.g - destination.g) * alpha) >> 8),
                    destination.b + (((source.b - destination.b) * alpha) >> 8)};
}

template <int pixelBytes>
void CanvasOfLayout<pixelBytes>::Blend(std::uint8_t* pixel, std::uint32_t rgb, int alpha) const
{
    WriteScreenPixel<pixelBytes>(pixel, ::Blend(ChannelsOf(rgb), ReadScreenPixel<pixelBytes>(pixel, layout), alpha), layout);
}

// Calls draw(canvas) with the canvas format of the display's depth and
// layout; false for a depth other than 16, 24 or 32.
template <typename Draw>
bool WithCanvasFormat(int depth, Draw&& draw)
{
    const ScreenLayout layout = ScreenLayout::FromDisplay();
    switch (depth) {
    case 16:
        if (IsLayout565(layout))
            draw(Canvas565{});
        else
            draw(CanvasOfLayout<2>{layout});
        return true;
    case 24:
        if (layout.indexR == 2 && layout.indexG == 1 && layout.indexB == 0)
            draw(CanvasBGR24{});
        else
            draw(CanvasOfLayout<3>{layout});
        return true;
    case 32:
        if (IsLayoutX8R8G8B8(layout))
            draw(CanvasX8R8G8B8{});
        else
            draw(CanvasOfLayout<4>{layout});
        return true;
    default: return false;
    }
}

// A row of pixels 0xAARRGGBB (colours in the screen's precision) onto the
// canvas by the run-length sprites' rule: alpha below 16 keeps the canvas,
// above 240 writes the colour, anything between mixes.
template <typename Canvas>
void BlendRowByThresholds(const Canvas& canvas, const std::uint32_t* source, std::uint8_t* target, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::uint32_t pixel = source[i];
        const int alpha = static_cast<int>(pixel >> 24);
        std::uint8_t* at = target + i * Canvas::bytesPerPixel;
        if (alpha > 240)
            canvas.Store(at, canvas.Pack(pixel & 0x00FFFFFF));
        else if (alpha >= 16)
            canvas.Blend(at, pixel & 0x00FFFFFF, alpha);
    }
}

// The same for the two usual layouts, as selects the compiler vectorises;
// kept out of line, where the vectoriser sees the pointers apart.
[[gnu::noinline]] inline void BlendRowByThresholds(const CanvasX8R8G8B8&, const std::uint32_t* __restrict source, std::uint8_t* target,
                                                   int count)
{
    auto* __restrict pixels = reinterpret_cast<std::uint32_t*>(target);
    for (int x = 0; x < count; ++x) {
        const std::uint32_t s = source[x];
        const std::uint32_t d = pixels[x];
        const int a = static_cast<int>(s >> 24);
        const std::uint32_t mixed = BlendChannel((s >> 16) & 0xFF, (d >> 16) & 0xFF, a) << 16 |
                                    BlendChannel((s >> 8) & 0xFF, (d >> 8) & 0xFF, a) << 8 | BlendChannel(s & 0xFF, d & 0xFF, a);
        pixels[x] = a < 16 ? d : a > 240 ? (s & 0x00FFFFFF) | (d & 0xFF000000) : mixed | (d & 0xFF000000);
    }
}

[[gnu::noinline]] inline void BlendRowByThresholds(const Canvas565&, const std::uint32_t* __restrict source, std::uint8_t* target, int count)
{
    auto* __restrict pixels = reinterpret_cast<std::uint16_t*>(target);
    for (int x = 0; x < count; ++x) {
        const std::uint32_t s = source[x];
        const std::uint32_t d = pixels[x];
        const int a = static_cast<int>(s >> 24);
        const std::uint32_t r = (s >> 16) & 0x1F;
        const std::uint32_t g = (s >> 8) & 0x1F;
        const std::uint32_t b = s & 0x1F;
        const std::uint32_t mixed = BlendChannel(r, d >> 11, a) << 11 | BlendChannel(g, (d >> 6) & 0x1F, a) << 6 | BlendChannel(b, d & 0x1F, a);
        pixels[x] = static_cast<std::uint16_t>(a < 16 ? d : a > 240 ? (r << 11 | g << 6 | b) : mixed);
    }
}

// A row of opaque pixels (colours in the screen's precision, the top byte
// ignored) written onto the canvas.
template <typename Canvas>
void StoreRow(const Canvas& canvas, const std::uint32_t* source, std::uint8_t* target, int count)
{
    for (int i = 0; i < count; ++i)
        canvas.Store(target + i * Canvas::bytesPerPixel, canvas.Pack(source[i] & 0x00FFFFFF));
}

[[gnu::noinline]] inline void StoreRow(const CanvasX8R8G8B8&, const std::uint32_t* __restrict source, std::uint8_t* target, int count)
{
    auto* __restrict pixels = reinterpret_cast<std::uint32_t*>(target);
    for (int x = 0; x < count; ++x)
        pixels[x] = (pixels[x] & 0xFF000000) | (source[x] & 0x00FFFFFF);
}

[[gnu::noinline]] inline void StoreRow(const Canvas565&, const std::uint32_t* __restrict source, std::uint8_t* target, int count)
{
    auto* __restrict pixels = reinterpret_cast<std::uint16_t*>(target);
    for (int x = 0; x < count; ++x) {
        const std::uint32_t s = source[x];
        pixels[x] = static_cast<std::uint16_t>(((s >> 16) & 0x1F) << 11 | ((s >> 8) & 0x1F) << 6 | (s & 0x1F));
    }
}

// The same rule for a row that is mostly opaque with no stretches known
// (a filtered row): eight pixels at a time, all opaque are stored and all
// clear left without the blending arithmetic; only mixed groups blend.
template <typename Canvas>
void BlendRowInGroups(const Canvas& canvas, const std::uint32_t* source, std::uint8_t* target, int count)
{
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        int opaque = 0;
        int clear = 0;
        for (int i = 0; i < 8; ++i) {
            const std::uint32_t alpha = source[x + i] >> 24;
            opaque += alpha > 240 ? 1 : 0;
            clear += alpha < 16 ? 1 : 0;
        }
        std::uint8_t* group = target + x * Canvas::bytesPerPixel;
        if (opaque == 8)
            StoreRow(canvas, source + x, group, 8);
        else if (clear != 8)
            BlendRowByThresholds(canvas, source + x, group, 8);
    }
    if (x < count)
        BlendRowByThresholds(canvas, source + x, target + x * Canvas::bytesPerPixel, count - x);
}
