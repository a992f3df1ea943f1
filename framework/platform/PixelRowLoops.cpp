#include "PixelRowLoops.h"

#include "VectorDispatch.h"

#include <array>
#include <cstring>

namespace platform {

namespace {

// A 24-bit pixel, copied whole by the stretch.
struct Pixel24 {
    std::uint8_t bytes[3];
};

// The loops are inlined into one function per instruction set (see
// `LoopsFor`), so each is marked always_inline.

template <typename Pixel>
[[gnu::always_inline]] inline void KeyedCopyWhole(const std::uint8_t* sourceBytes, std::uint8_t* destinationBytes, int width)
{
    const auto* __restrict source = reinterpret_cast<const Pixel*>(sourceBytes);
    auto* __restrict destination = reinterpret_cast<Pixel*>(destinationBytes);
    // A select of every pixel rather than a skipped store, which the
    // compiler turns into vector blends.
    for (int x = 0; x < width; ++x) {
        const Pixel value = source[x];
        destination[x] = value != 0 ? value : destination[x];
    }
}

// 24-bit pixels straddle vector lanes, so the keyed copy decides byte by
// byte: a byte is copied when any byte of its pixel is not 0. In a chunk
// that starts on a pixel, byte i is byte i % 3 of its pixel, so the other
// bytes of its pixel lie one or two bytes before or after it, picked by
// constant masks. 96 bytes are three AVX2 vectors or six SSE2 ones.
constexpr int chunkPixels = 32;
constexpr int chunkBytes = 3 * chunkPixels;

struct NeighbourMasks {
    alignas(32) std::array<std::uint8_t, chunkBytes> before1{};
    alignas(32) std::array<std::uint8_t, chunkBytes> before2{};
    alignas(32) std::array<std::uint8_t, chunkBytes> after1{};
    alignas(32) std::array<std::uint8_t, chunkBytes> after2{};
};

constexpr NeighbourMasks MakeNeighbourMasks()
{
    NeighbourMasks masks;
    for (int index = 0; index < chunkBytes; ++index) {
        const int byteOfPixel = index % 3;
        masks.before1[index] = byteOfPixel >= 1 ? 0xFF : 0;
        masks.before2[index] = byteOfPixel == 2 ? 0xFF : 0;
        masks.after1[index] = byteOfPixel <= 1 ? 0xFF : 0;
        masks.after2[index] = byteOfPixel == 0 ? 0xFF : 0;
    }
    return masks;
}

constexpr NeighbourMasks neighbourMasks = MakeNeighbourMasks();

// Reads the two source bytes either side of the chunk too (masked out).
[[gnu::always_inline]] inline void KeyedCopyChunk24(const std::uint8_t* __restrict source, std::uint8_t* __restrict destination)
{
    for (int index = 0; index < chunkBytes; ++index) {
        const std::uint8_t pixelBits = source[index] | (source[index - 1] & neighbourMasks.before1[index]) |
                                       (source[index - 2] & neighbourMasks.before2[index]) |
                                       (source[index + 1] & neighbourMasks.after1[index]) |
                                       (source[index + 2] & neighbourMasks.after2[index]);
        destination[index] = pixelBits != 0 ? source[index] : destination[index];
    }
}

[[gnu::always_inline]] inline void KeyedCopyPixel24(const std::uint8_t* source, std::uint8_t* destination)
{
    if ((source[0] | source[1] | source[2]) != 0)
        std::memcpy(destination, source, 3);
}

[[gnu::always_inline]] inline void KeyedCopy24(const std::uint8_t* source, std::uint8_t* destination, int width)
{
    if (width < chunkPixels + 2) {
        for (int x = 0; x < width; ++x)
            KeyedCopyPixel24(source + 3 * x, destination + 3 * x);
        return;
    }
    // The chunks read a pixel's worth either side, so the row's first and
    // last pixels go alone. The last chunk is moved back to end beside the
    // last pixel; pixels it copies again come out the same, a keyed copy
    // being the same done once or twice.
    KeyedCopyPixel24(source, destination);
    KeyedCopyPixel24(source + 3 * (width - 1), destination + 3 * (width - 1));
    const int lastChunk = width - 1 - chunkPixels;
    for (int first = 1; first < lastChunk; first += chunkPixels)
        KeyedCopyChunk24(source + 3 * first, destination + 3 * first);
    KeyedCopyChunk24(source + 3 * lastChunk, destination + 3 * lastChunk);
}

template <typename Pixel>
[[gnu::always_inline]] inline void StretchWhole(const std::uint8_t* sourceBytes, std::uint8_t* destinationBytes, int width,
                                                std::uint32_t start, std::uint32_t step)
{
    const auto* __restrict source = reinterpret_cast<const Pixel*>(sourceBytes);
    auto* __restrict destination = reinterpret_cast<Pixel*>(destinationBytes);
    std::uint32_t position = start;
    // No vector form (that would need a gather); unrolled, the loads and
    // stores of neighbouring pixels overlap.
#pragma GCC unroll 4
    for (int x = 0; x < width; ++x, position += step)
        destination[x] = source[position >> 16];
}

// A five-bit channel at `shift` of a 16-bit pixel widened to eight bits,
// its top bits repeated below it: c * 8 + c / 4.
template <int shift>
[[gnu::always_inline]] inline std::uint32_t WidenFiveBits(std::uint32_t value)
{
    std::uint32_t top = 0;
    if constexpr (shift >= 3)
        top = value >> (shift - 3);
    else
        top = value << (3 - shift);
    return (top & 0xF8) | ((value >> (shift + 2)) & 7);
}

// The converted pixel is written as two 16-bit halves, blue and green below,
// red above: the compiler can then work in 16-bit lanes and interleave the
// halves, twice as many pixels per instruction as in 32-bit lanes.
using HalfPixel [[gnu::may_alias]] = std::uint16_t;

template <int redShift, int greenShift>
[[gnu::always_inline]] inline void Convert16To32(const std::uint16_t* __restrict source, std::uint32_t* __restrict destination, int width)
{
    auto* __restrict halves = reinterpret_cast<HalfPixel*>(destination);
    for (int x = 0; x < width; ++x) {
        const std::uint32_t value = source[x];
        halves[2 * x] = static_cast<std::uint16_t>(WidenFiveBits<0>(value) | WidenFiveBits<greenShift>(value) << 8);
        halves[2 * x + 1] = static_cast<std::uint16_t>(WidenFiveBits<redShift>(value));
    }
}

// One function per loop and instruction set: the loop is inlined and
// compiled for the set.
constexpr PixelRowLoops LoopsFor(bool avx2)
{
    return PixelRowLoops{
        Vectorised<&KeyedCopyWhole<std::uint16_t>>::Build(avx2),
        Vectorised<&KeyedCopy24>::Build(avx2),
        Vectorised<&KeyedCopyWhole<std::uint32_t>>::Build(avx2),
        Vectorised<&StretchWhole<std::uint16_t>>::Build(avx2),
        Vectorised<&StretchWhole<Pixel24>>::Build(avx2),
        Vectorised<&StretchWhole<std::uint32_t>>::Build(avx2),
        Vectorised<&Convert16To32<11, 6>>::Build(avx2),
        Vectorised<&Convert16To32<10, 5>>::Build(avx2),
    };
}

constexpr PixelRowLoops baselineLoops = LoopsFor(false);
constexpr PixelRowLoops avx2Loops = LoopsFor(true);

} // namespace

PixelRowLoops::KeyedCopy PixelRowLoops::KeyedCopyFor(int bytesPerPixel) const
{
    return bytesPerPixel == 2 ? keyedCopy16 : bytesPerPixel == 3 ? keyedCopy24 : keyedCopy32;
}

PixelRowLoops::Stretch PixelRowLoops::StretchFor(int bytesPerPixel) const
{
    return bytesPerPixel == 2 ? stretch16 : bytesPerPixel == 3 ? stretch24 : stretch32;
}

const PixelRowLoops& PixelRowLoops::Baseline()
{
    return baselineLoops;
}

const PixelRowLoops* PixelRowLoops::Avx2()
{
    return HasAvx2() ? &avx2Loops : nullptr;
}

const PixelRowLoops& PixelRowLoops::Fastest()
{
    static const PixelRowLoops& chosen = Avx2() != nullptr ? *Avx2() : Baseline();
    return chosen;
}

} // namespace platform
