#pragma once

namespace platform {

// An inclusive-exclusive rectangle: left and top inside, right and bottom
// just outside, as DirectDraw's RECT.
struct Rectangle {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

} // namespace platform
