#include "WalkAreaReference.h"

#include "graphics/Image.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <queue>

namespace {

constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t grey = 0x808080;
constexpr std::uint32_t blue = 0x2020F0;
constexpr int wallThickness = 12;

void Fill(Image& image, int left, int top, int right, int bottom, std::uint32_t color)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            image.SetPixel(x, y, color);
}

struct Island {
    int left, top, right, bottom;
};

Island IslandOf(int width, int height)
{
    return {width * 3 / 4 + width / 16, height / 16, width - width / 16, height * 7 / 16};
}

// Whether a walkable cell lies within `reach` cells (either axis) of (x, y).
bool NearWalkable(const ByteMap& map, int x, int y, int reach)
{
    for (int offsetY = -reach; offsetY <= reach; ++offsetY)
        for (int offsetX = -reach; offsetX <= reach; ++offsetX)
            if (map.Get(x + offsetX, y + offsetY) != 0)
                return true;
    return false;
}

} // namespace

ByteMap MakeWalkArea(const std::vector<std::string>& rows)
{
    Image image;
    image.Create(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 24, true);
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            image.SetPixel(static_cast<int>(x), static_cast<int>(y),
                           rows[y][x] == '#' ? black : rows[y][x] == 'L' ? blue : grey);
    ByteMap map;
    map.Init(image);
    return map;
}

Point IslandCell(int width, int height)
{
    const Island island = IslandOf(width, height);
    return {(island.left + island.right) / 2, (island.top + island.bottom) / 2 + 3};
}

ByteMap MakeRoomsWalkArea(int width, int height, bool leads)
{
    Image image;
    image.Create(width, height, 24, true); // black
    Fill(image, 8, 8, width - 8, height - 8, grey);
    for (int room = 0; room < 4; ++room) {
        const int left = room * width / 4;
        if (room > 0) {
            const bool openBelow = room % 2 == 1;
            Fill(image, left - wallThickness / 2, openBelow ? 0 : height / 4, left + wallThickness / 2,
                 openBelow ? height * 3 / 4 : height, black);
        }
        if (room < 3)
            Fill(image, left + width / 32, height / 2 - height / 16, left + width * 3 / 32, height / 2 + height / 16,
                 black);
        if (leads) {
            const int middle = left + width / 8;
            Fill(image, middle, room == 3 ? height * 5 / 8 : height / 8, middle + 1, height * 7 / 8 + 1, blue);
        }
    }
    if (leads) {
        Fill(image, width / 8, height * 7 / 8, width * 3 / 8, height * 7 / 8 + 1, blue);
        Fill(image, width * 3 / 8, height / 8, width * 5 / 8, height / 8 + 1, blue);
        Fill(image, width * 5 / 8, height * 7 / 8, width * 7 / 8, height * 7 / 8 + 1, blue);
    }
    const Island island = IslandOf(width, height);
    Fill(image, island.left, island.top, island.right, island.bottom, black);
    Fill(image, island.left + wallThickness, island.top + wallThickness, island.right - wallThickness,
         island.bottom - wallThickness, grey);
    if (leads) {
        // A ring of leads around the island, joined to the last room's line.
        const int ring = wallThickness + 4;
        Fill(image, island.left - ring, island.top - ring, island.right + ring, island.top - ring + 1, blue);
        Fill(image, island.left - ring, island.bottom + ring, island.right + ring, island.bottom + ring + 1, blue);
        Fill(image, island.left - ring, island.top - ring, island.left - ring + 1, island.bottom + ring, blue);
        Fill(image, island.right + ring, island.top - ring, island.right + ring + 1, island.bottom + ring + 1, blue);
        Fill(image, width * 7 / 8, island.bottom + ring, width * 7 / 8 + 1, height * 5 / 8, blue);
        const int middle = (island.top + island.bottom) / 2;
        Fill(image, island.left + wallThickness, middle, island.right - wallThickness, middle + 1, blue);
    }
    ByteMap map;
    map.Init(image);
    return map;
}

std::vector<Point> FindReferencePath(const ByteMap& map, Point start, Point goal)
{
    if (map.Get(start.x, start.y) == 0 || map.Get(goal.x, goal.y) == 0)
        return {};
    const int width = map.GetWidth();
    const auto cellOf = [width](int x, int y) {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    };
    // The octile distance never overestimates on this grid.
    const auto estimate = [goal](int x, int y) {
        const double dx = std::abs(x - goal.x);
        const double dy = std::abs(y - goal.y);
        return std::max(dx, dy) + (std::sqrt(2.0) - 1.0) * std::min(dx, dy);
    };
    std::vector<double> cost(map.GetCells().size(), INFINITY);
    std::vector<std::int64_t> parent(map.GetCells().size(), -1);
    std::vector<bool> closed(map.GetCells().size(), false);
    using Entry = std::pair<double, std::size_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    cost[cellOf(start.x, start.y)] = 0.0;
    open.push({estimate(start.x, start.y), cellOf(start.x, start.y)});
    while (!open.empty()) {
        const std::size_t cell = open.top().second;
        open.pop();
        if (closed[cell])
            continue;
        closed[cell] = true;
        const int x = static_cast<int>(cell % static_cast<std::size_t>(width));
        const int y = static_cast<int>(cell / static_cast<std::size_t>(width));
        if (x == goal.x && y == goal.y) {
            std::vector<Point> path;
            for (std::int64_t at = static_cast<std::int64_t>(cell); at >= 0; at = parent[static_cast<std::size_t>(at)])
                path.push_back({static_cast<int>(at % width), static_cast<int>(at / width)});
            std::reverse(path.begin(), path.end());
            return path;
        }
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if ((dx == 0 && dy == 0) || map.Get(x + dx, y + dy) == 0)
                    continue;
                const std::size_t next = cellOf(x + dx, y + dy);
                const double nextCost = cost[cell] + (dx != 0 && dy != 0 ? std::sqrt(2.0) : 1.0);
                if (nextCost < cost[next]) {
                    cost[next] = nextCost;
                    parent[next] = static_cast<std::int64_t>(cell);
                    open.push({nextCost + estimate(x + dx, y + dy), next});
                }
            }
        }
    }
    return {};
}

bool SegmentStaysOnWalkArea(const ByteMap& map, Point from, Point to)
{
    const int samples = 4 * std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) + 1;
    for (int sample = 0; sample <= samples; ++sample) {
        const double t = static_cast<double>(sample) / samples;
        const int x = static_cast<int>(std::lround(from.x + (to.x - from.x) * t));
        const int y = static_cast<int>(std::lround(from.y + (to.y - from.y) * t));
        if (!NearWalkable(map, x, y, 2))
            return false;
    }
    return true;
}
