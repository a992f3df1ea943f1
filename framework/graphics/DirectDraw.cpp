#include "DirectDraw.h"

namespace {

// The position at which the mask, shifted down, becomes the channel's full
// value (0x1F for five bits, 0xFF for a byte); a mask that never does leaves
// the shift where it ran out.
int ShiftOf(std::uint32_t mask, std::uint32_t target)
{
    int shift = 0;
    while (mask != target && mask != 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

} // namespace

void DirectDraw::UsePixelFormat(int bitsPerPixel, std::uint32_t maskRed, std::uint32_t maskGreen, std::uint32_t maskBlue)
{
    depth = bitsPerPixel;
    maskR = maskRed;
    maskG = maskGreen;
    maskB = maskBlue;
    const std::uint32_t target = depth == 16 ? 0x1F : 0xFF;
    shiftR = ShiftOf(maskR, target);
    shiftG = ShiftOf(maskG, target);
    shiftB = ShiftOf(maskB, target);
    if (depth == 16) {
        colorIndexR = colorIndexG = colorIndexB = colorIndexX = 0;
    } else {
        colorIndexR = shiftR / 8;
        colorIndexG = shiftG / 8;
        colorIndexB = shiftB / 8;
        colorIndexX = 3;
    }
}
