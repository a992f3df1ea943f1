#pragma once

// A rectangle of whole pixels, edges included; rectangles whose edges touch
// overlap.
struct HitRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Overlaps(const HitRect& other) const
    {
        return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
    }
};
