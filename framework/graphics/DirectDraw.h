#pragma once

// The display: the screen's pixel format, which every pixel routine of the
// graphics code works in. On a 16-bit screen each channel is handled as five
// bits at its shift (565: shifts 11, 6, 0; 555: 10, 5, 0) and the colour
// indices are 0; on 24- and 32-bit screens each channel is one byte at its
// colour index (2, 1, 0 and 3 for the fourth byte in the usual layout).

#include "app/Singleton.h"

#include <cstdint>

class DirectDraw : public Singleton<DirectDraw> {
public:
    // Takes the back buffer's bits per pixel and channel masks and works out
    // the shifts and colour indices from them.
    void UsePixelFormat(int depth, std::uint32_t maskRed, std::uint32_t maskGreen, std::uint32_t maskBlue);

    int GetDepth() const { return depth; }
    int GetShiftR() const { return shiftR; }
    int GetShiftG() const { return shiftG; }
    int GetShiftB() const { return shiftB; }
    std::uint32_t GetMaskR() const { return maskR; }
    std::uint32_t GetMaskG() const { return maskG; }
    std::uint32_t GetMaskB() const { return maskB; }
    int GetColorIndexR() const { return colorIndexR; }
    int GetColorIndexG() const { return colorIndexG; }
    int GetColorIndexB() const { return colorIndexB; }
    int GetColorIndexX() const { return colorIndexX; }

private:
    int shiftR = 0;
    int shiftG = 0;
    int shiftB = 0;
    std::uint32_t maskR = 0;
    std::uint32_t maskG = 0;
    std::uint32_t maskB = 0;
    int colorIndexR = 0;
    int colorIndexG = 0;
    int colorIndexB = 0;
    int colorIndexX = 0;
    int depth = 16;
};
