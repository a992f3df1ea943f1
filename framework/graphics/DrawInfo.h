#pragma once

#include <cstdint>

// What one draw of a sprite needs, kept in the render list until the frame
// is drawn. Rectangles of the submissions are inclusive; here they are a
// corner and a size.
enum DrawInfoFlags : std::uint32_t {
    DI_SRC_POS = 0x01,       // source x, y are given (else 0, 0)
    DI_SRC_SIZE = 0x02,      // source width, height are given (else the stored size)
    DI_DEST_POS = 0x04,      // destination x, y are given (every submission sets it)
    DI_DEST_SIZE = 0x08,     // destination width, height are given: a stretched draw
    DI_NO_COLORKEY = 0x10,   // surface blits ignore the black colour key
    DI_CENTER = 0x20,        // the destination is the sprite's centre
    DI_BOTTOM_CENTER = 0x40, // the destination is the middle of the sprite's bottom
    DI_SCALE = 0x80,         // scale is not 1.0
    DI_TINT = 0x200,         // colours are multiplied by the tint
};

struct DrawInfo {
    // A draw of `frame` to the point (x, y), placed as `flags` say besides
    // DI_DEST_POS (none: the point is the top-left corner).
    static DrawInfo At(int x, int y, std::uint32_t flags = 0, int frame = 0)
    {
        DrawInfo drawInfo;
        drawInfo.flags = DI_DEST_POS | flags;
        drawInfo.frame = frame;
        drawInfo.destinationX = x;
        drawInfo.destinationY = y;
        return drawInfo;
    }

    std::uint32_t flags = 0;
    std::int32_t frame = 0;
    std::int32_t sourceX = 0;
    std::int32_t sourceY = 0;
    std::int32_t sourceWidth = 0;
    std::int32_t sourceHeight = 0;
    std::int32_t destinationX = 0;
    std::int32_t destinationY = 0;
    std::int32_t destinationWidth = 0;
    std::int32_t destinationHeight = 0;
    float scale = 1.0f;
    // Clip to the rows 128 to 639 instead of the whole canvas.
    bool clipToBand = false;
    // 0x00BBGGRR: the red multiplier in the low byte (255 keeps a channel).
    std::uint32_t tint = 0x00FFFFFF;
};
