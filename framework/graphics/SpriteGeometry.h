#pragma once

#include "Image.h"
#include "Sprite.h"

// Where a still sprite's kept picture sits: the full frame as loaded, the
// stored part of it (all of it, or the bounding rectangle when the sprite is
// cropped) at a crop offset inside the frame, and where that part starts in
// the sprite's image.
struct SpriteGeometry {
    int fullWidth = 0;
    int fullHeight = 0;
    int storedWidth = 0;
    int storedHeight = 0;
    Point crop;
    int sourceX = 0;
    int sourceY = 0;

    // The whole frame, read from (x, y) of the image.
    void Uncropped(int frameWidth, int frameHeight, int x, int y)
    {
        fullWidth = frameWidth;
        fullHeight = frameHeight;
        storedWidth = frameWidth;
        storedHeight = frameHeight;
        crop = Point{};
        sourceX = x;
        sourceY = y;
    }

    // Only `bounds` of the frame is kept, copied out into an image of its own.
    void CroppedTo(const ImageRect& bounds)
    {
        crop = Point{bounds.left, bounds.top};
        storedWidth = bounds.GetWidth();
        storedHeight = bounds.GetHeight();
        sourceX = 0;
        sourceY = 0;
    }

    // Whether the stored part, read from the source offset, lies inside
    // the image.
    bool LiesInside(const Image& image) const
    {
        return sourceX >= 0 && sourceY >= 0 && sourceX + storedWidth <= image.GetWidth() &&
               sourceY + storedHeight <= image.GetHeight();
    }

    // The image pixel under a point of the full frame; false outside the
    // stored part.
    bool ImagePixelAt(Point point, int& x, int& y) const
    {
        x = point.x - crop.x;
        y = point.y - crop.y;
        if (x < 0 || y < 0 || x >= storedWidth || y >= storedHeight)
            return false;
        x += sourceX;
        y += sourceY;
        return true;
    }
};
