#pragma once

// The inner loops of the display's pixel work, one row at a time: the copy
// that leaves black pixels out, the nearest-pixel stretch and the conversion
// of 16-bit rows to 0x00RRGGBB. Each is plain C++ that the compiler turns
// into vector code, built twice: for the baseline instruction set (SSE2 on
// x86-64) and for AVX2. The display takes the set the processor runs best
// (`Fastest`, decided on first use) and one loop from it per blit, never per
// pixel. Rows are plain memory in the surface's layout; a source row and a
// destination row never overlap. Pixels of 2 and 4 bytes are read and written
// whole, so their rows start on 2- and 4-byte boundaries.

#include <cstdint>

namespace platform {

struct PixelRowLoops {
    // Copies `width` pixels, leaving out the source pixels whose bytes are
    // all 0 (black, the colour key).
    using KeyedCopy = void (*)(const std::uint8_t* source, std::uint8_t* destination, int width);
    // Destination pixel x becomes source pixel (start + x * step) >> 16:
    // positions in 16.16 fixed point.
    using Stretch = void (*)(const std::uint8_t* source, std::uint8_t* destination, int width, std::uint32_t start,
                             std::uint32_t step);
    // 16-bit pixels to 0x00RRGGBB, each channel widened to eight bits by
    // repeating its top bits (31 -> 255).
    using Convert16 = void (*)(const std::uint16_t* source, std::uint32_t* destination, int width);

    KeyedCopy keyedCopy16;
    KeyedCopy keyedCopy24;
    KeyedCopy keyedCopy32;
    Stretch stretch16;
    Stretch stretch24;
    Stretch stretch32;
    // The game's 565 keeps green to five bits at shift 6 and never sets its
    // lowest bit; those five bits are shown, so that full green is 255.
    Convert16 convert565;
    Convert16 convert555;

    // For 2, 3 or 4 bytes per pixel.
    KeyedCopy KeyedCopyFor(int bytesPerPixel) const;
    Stretch StretchFor(int bytesPerPixel) const;

    static const PixelRowLoops& Baseline();
    // nullptr where the processor has no AVX2.
    static const PixelRowLoops* Avx2();
    static const PixelRowLoops& Fastest();
};

} // namespace platform
