// Walk-area and depth-map images may hold any pixels, and clicks may land
// anywhere. The input is a small image (byte 0: depth, bytes 1 and 2: width
// and height, 0 for an image without pixels; then pixel bytes, possibly too
// few) followed by four bytes per walk (start and end). The builders must
// refuse the empty image or give a map of the image's size with walk cells
// 0 to 2; line walks and path searches must stay inside the map, and a walk
// found must run from walkable cell to walkable cell.

#include "ByteMap.h"
#include "PathFinder.h"
#include "app/Singleton.h"
#include "graphics/DirectDraw.h"
#include "graphics/Image.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::array<int, 5> depths = {1, 8, 16, 24, 32};

// An image whose sides go a little beyond the map, so that clicks off the
// map are tried too.
int Coordinate(std::uint8_t byte, int side)
{
    return byte % (side + 8) - 4;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    DirectDraw::GetInstance().UsePixelFormat(32, 0x00FF0000, 0x0000FF00, 0x000000FF);
    const int depth = depths[data[0] % depths.size()];
    const int width = data[1] % 65;
    const int height = data[2] % 65;
    Image image;
    std::size_t used = 3;
    if (width > 0 && height > 0) {
        image.Create(width, height, depth, true);
        const std::size_t pixelBytes = std::min(size - used, Image::ComputeDataSize(width, height, depth));
        image.SetData(std::vector<std::uint8_t>(data + used, data + used + pixelBytes));
        used += pixelBytes;
    }

    ByteMap walkArea;
    ByteMap depthMap;
    const bool built = walkArea.Init(image);
    if (built != depthMap.InitDepthMap(image) || built != (width > 0 && height > 0))
        std::abort();
    if (walkArea.GetWidth() != (built ? width : 0) || walkArea.GetHeight() != (built ? height : 0) ||
        walkArea.GetCells().size() != static_cast<std::size_t>(walkArea.GetWidth() * walkArea.GetHeight()) ||
        depthMap.GetCells().size() != walkArea.GetCells().size())
        std::abort();
    for (const std::uint8_t cell : walkArea.GetCells())
        if (cell > ByteMap::lead)
            std::abort();
    if (walkArea.Get(-1, 0) != 0 || walkArea.Get(width, 0) != 0 || walkArea.Get(0, height) != 0)
        std::abort();

    PathFinder& finder = PathFinder::GetInstance();
    std::vector<Point> path;
    for (; used + 4 <= size; used += 4) {
        const int x1 = Coordinate(data[used], width);
        const int y1 = Coordinate(data[used + 1], height);
        const int x2 = Coordinate(data[used + 2], width);
        const int y2 = Coordinate(data[used + 3], height);
        walkArea.CheckLine(x1, y1, x2, y2);
        int leadX = 0;
        int leadY = 0;
        if (walkArea.FindLeadOnLine(x1, y1, x2, y2, leadX, leadY) && walkArea.Get(leadX, leadY) != ByteMap::lead)
            std::abort();
        if (finder.FindPathExt(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                               static_cast<float>(y2), walkArea, 1.0f, 1.0f, path)) {
            if (path.size() < 2)
                std::abort();
            for (const Point waypoint : path)
                if (walkArea.Get(waypoint.x, waypoint.y) == 0)
                    std::abort();
        }
        // A map of half the room's size.
        finder.FindPathExt(static_cast<float>(x1 * 2), static_cast<float>(y1 * 2), static_cast<float>(x2 * 2),
                           static_cast<float>(y2 * 2), walkArea, 0.5f, 0.5f, path);
    }
    SingletonRegistry::DestroyAll();
    return 0;
}
