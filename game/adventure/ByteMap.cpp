#include "ByteMap.h"

#include "app/Debug.h"
#include "graphics/Image.h"

#include <algorithm>
#include <cstdlib>

template <typename Classify>
bool ByteMap::Build(const Image& image, const char* origin, Classify classify)
{
    width = 0;
    height = 0;
    cells.clear();
    if (image.GetWidth() < 1 || image.GetHeight() < 1) {
        LogError("ByteMap::%s: Invalid Image size, failed to initialize ByteMap!\n", origin);
        return false;
    }
    // Images are at most Image::maximumSide on a side, so the product fits.
    width = image.GetWidth();
    height = image.GetHeight();
    cells.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::uint8_t* cell = cells.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t color = image.GetPixel(x, y);
            *cell++ = classify(static_cast<int>(color >> 16 & 0xFF), static_cast<int>(color >> 8 & 0xFF),
                               static_cast<int>(color & 0xFF));
        }
    }
    return true;
}

bool ByteMap::Init(const Image& image)
{
    return Build(image, "Init", [](int red, int green, int blue) {
        if (red + green + blue == 0)
            return blocked;
        return blue > (red + green) / 2 ? lead : walkable;
    });
}

bool ByteMap::InitDepthMap(const Image& image)
{
    return Build(image, "InitDepthMap",
                 [](int red, int green, int blue) { return static_cast<std::uint8_t>((red + green + blue) / 3); });
}

bool ByteMap::IsBlockBlocked(int x, int y) const
{
    if (x >= 1 && y >= 1 && x < width - 1 && y < height - 1) {
        const std::uint8_t* above = &cells[static_cast<std::size_t>(y - 1) * static_cast<std::size_t>(width) +
                                           static_cast<std::size_t>(x - 1)];
        const std::uint8_t* middle = above + width;
        const std::uint8_t* below = middle + width;
        return (above[0] | above[1] | above[2] | middle[0] | middle[1] | middle[2] | below[0] | below[1] | below[2]) == 0;
    }
    for (int offsetY = -1; offsetY <= 1; ++offsetY)
        for (int offsetX = -1; offsetX <= 1; ++offsetX)
            if (Get(x + offsetX, y + offsetY) != 0)
                return false;
    return true;
}

ByteMap::LineEnd ByteMap::WalkLine(int x1, int y1, int x2, int y2, bool stopAtLead, int& stopX, int& stopY) const
{
    // 16.16 fixed point in 64 bits, so that any pair of ints steps without
    // overflow. The position starts in the middle of the first cell; the
    // longer axis then moves exactly one cell per step.
    const std::int64_t deltaX = static_cast<std::int64_t>(x2) - x1;
    const std::int64_t deltaY = static_cast<std::int64_t>(y2) - y1;
    const std::int64_t steps = std::max(std::abs(deltaX), std::abs(deltaY));
    const std::int64_t stepX = deltaX * 65536 / steps;
    const std::int64_t stepY = deltaY * 65536 / steps;
    std::int64_t fixedX = static_cast<std::int64_t>(x1) * 65536 + 32768;
    std::int64_t fixedY = static_cast<std::int64_t>(y1) * 65536 + 32768;
    // A step whose whole block lies outside the map is blocked, so the walk
    // never runs further than the map is large, whatever the ends.
    for (std::int64_t step = 0; step < steps; ++step, fixedX += stepX, fixedY += stepY) {
        const std::int64_t cellX = fixedX >> 16;
        const std::int64_t cellY = fixedY >> 16;
        if (cellX < -1 || cellY < -1 || cellX > width || cellY > height)
            return LineEnd::blocked;
        const int x = static_cast<int>(cellX);
        const int y = static_cast<int>(cellY);
        if (stopAtLead && Get(x, y) == lead) {
            stopX = x;
            stopY = y;
            return LineEnd::foundLead;
        }
        if (IsBlockBlocked(x, y))
            return LineEnd::blocked;
    }
    return LineEnd::reachedEnd;
}

bool ByteMap::CheckLine(int x1, int y1, int x2, int y2) const
{
    if (!IsInside(x1, y1) || !IsInside(x2, y2)) {
        LogError("ByteMap::CheckLine: Line is out of Map!\n");
        return false;
    }
    if (x1 == x2 && y1 == y2)
        return true;
    int unusedX = 0;
    int unusedY = 0;
    return WalkLine(x1, y1, x2, y2, false, unusedX, unusedY) == LineEnd::reachedEnd;
}

bool ByteMap::FindLeadOnLine(int x1, int y1, int x2, int y2, int& leadX, int& leadY) const
{
    if (x1 == x2 && y1 == y2)
        return false;
    return WalkLine(x1, y1, x2, y2, true, leadX, leadY) == LineEnd::foundLead;
}
