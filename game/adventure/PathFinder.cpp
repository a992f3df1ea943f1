#include "PathFinder.h"

#include "app/Debug.h"
#include "platform/Platform.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <new>

namespace {

// A cell that costs this much or more is never entered.
constexpr std::int32_t blockedCost = 9;

template <bool leadOnly>
constexpr std::int32_t CellCost(std::uint8_t value)
{
    if constexpr (leadOnly)
        return value == ByteMap::lead ? 1 : blockedCost;
    else
        return value == ByteMap::blocked ? blockedCost : 1;
}

// The neighbours in the order the search takes them.
constexpr std::array<std::array<int, 2>, 8> neighbours = {
    {{-1, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, -1}, {-1, 1}, {1, -1}, {1, 1}}};

const char* StateName(PathFinder::SearchState state)
{
    switch (state) {
    case PathFinder::SEARCH_STATE_NOT_INITIALISED:
        return "SEARCH_STATE_NOT_INITIALISED";
    case PathFinder::SEARCH_STATE_SEARCHING:
        return "SEARCH_STATE_SEARCHING";
    case PathFinder::SEARCH_STATE_SUCCEEDED:
        return "SEARCH_STATE_SUCCEEDED";
    case PathFinder::SEARCH_STATE_FAILED:
        return "SEARCH_STATE_FAILED";
    case PathFinder::SEARCH_STATE_OUT_OF_MEMORY:
        return "SEARCH_STATE_OUT_OF_MEMORY";
    case PathFinder::SEARCH_STATE_INVALID:
        return "SEARCH_STATE_INVALID";
    }
    return "SEARCH_STATE_INVALID";
}

// Truncates toward zero into int, keeping far and undefined values (NaN) in
// a range that the clamp into the map then handles.
int ToMapCoordinate(float value)
{
    if (!(value > -1.0e9f))
        return value < 0.0f ? -1000000000 : 0;
    return static_cast<int>(std::min(value, 1.0e9f));
}

// Divides by the scale (at most 1e9 either way, for a scale near 0).
int ToRoomCoordinate(int value, float scale)
{
    return static_cast<int>(std::clamp(static_cast<double>(value) / static_cast<double>(scale), -1.0e9, 1.0e9));
}

bool operator==(Point left, Point right)
{
    return left.x == right.x && left.y == right.y;
}

} // namespace

bool PathFinder::FindPath(int startX, int startY, int goalX, int goalY, const ByteMap& map, std::vector<Point>& path)
{
    return Search("FindPath: ", false, startX, startY, goalX, goalY, map, path);
}

bool PathFinder::FindLeadPath(int startX, int startY, int goalX, int goalY, const ByteMap& map,
                              std::vector<Point>& path)
{
    return Search("FindLeadPath: ", true, startX, startY, goalX, goalY, map, path);
}

std::uint32_t PathFinder::Milliseconds() const
{
    if (clock != nullptr)
        return clock->Milliseconds();
    if (platform::Platform* host = platform::Platform::Get())
        return host->GetClock().Milliseconds();
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

bool PathFinder::Search(const char* name, bool leadOnly, int startX, int startY, int goalPositionX,
                        int goalPositionY, const ByteMap& map, std::vector<Point>& path)
{
    const std::uint32_t started = Milliseconds();
    state = Begin(startX, startY, goalPositionX, goalPositionY, map);
    while (state == SEARCH_STATE_SEARCHING) {
        state = leadOnly ? Expand<true>(stepsBetweenClockChecks, map) : Expand<false>(stepsBetweenClockChecks, map);
        if (state == SEARCH_STATE_SEARCHING &&
            platform::ElapsedMilliseconds(started, Milliseconds()) > searchTimeLimitMilliseconds) {
            open.clear();
            state = SEARCH_STATE_FAILED;
            char text[160];
            std::snprintf(text, sizeof(text),
                          "%sNach einer Sekunde kein Pfad(%d,%d - %d,%d) gefunden, bitte Walkarea kontrollieren!", name,
                          startX, startY, goalPositionX, goalPositionY);
            platform::ShowMessageBox("ERROR", text);
        }
    }
    if (state != SEARCH_STATE_SUCCEEDED) {
        LogPrint("%sSearchState=%s\n", name, StateName(state));
        return false;
    }
    // The parent links run from the goal back to the start, each to a cell
    // of lower cost, so the walk ends; the bound only guards it.
    const std::size_t first = path.size();
    std::int32_t cell = goalCell;
    const int width = map.GetWidth();
    for (std::size_t count = 0; cell >= 0 && count < nodes.size(); ++count) {
        path.push_back({cell % width, cell / width});
        cell = nodes[static_cast<std::size_t>(cell)].parent;
    }
    std::reverse(path.begin() + static_cast<std::ptrdiff_t>(first), path.end());
    open.clear();
    return true;
}

PathFinder::SearchState PathFinder::Begin(int startX, int startY, int goalPositionX, int goalPositionY,
                                          const ByteMap& map)
{
    open.clear();
    if (!map.IsInside(startX, startY) || !map.IsInside(goalPositionX, goalPositionY))
        return SEARCH_STATE_INVALID;
    const std::size_t cellCount = map.GetCells().size();
    try {
        if (nodes.size() < cellCount)
            nodes.resize(cellCount);
    } catch (const std::bad_alloc&) {
        nodes = {};
        return SEARCH_STATE_OUT_OF_MEMORY;
    }
    // Two marks per search; when they run out, the old marks are wiped.
    generation += 2;
    if (generation == 0) {
        for (Node& node : nodes)
            node.mark = 0;
        generation = 2;
    }
    searchGoalX = goalPositionX;
    searchGoalY = goalPositionY;
    goalCell = goalPositionY * map.GetWidth() + goalPositionX;
    const std::int32_t startCell = startY * map.GetWidth() + startX;
    Node& start = nodes[static_cast<std::size_t>(startCell)];
    start.parent = -1;
    Push(startCell, 0, startX, startY);
    return SEARCH_STATE_SEARCHING;
}

void PathFinder::Push(std::int32_t cell, std::int32_t cost, int x, int y)
{
    Node& node = nodes[static_cast<std::size_t>(cell)];
    node.cost = cost;
    node.mark = generation;
    // The squared distance, below 2 * 16384^2 for any image, and the cost,
    // below 9 plus the cell count, keep the sum inside 32 bits.
    const auto estimate = static_cast<std::uint32_t>(static_cast<std::int64_t>(x - searchGoalX) * (x - searchGoalX) +
                                                     static_cast<std::int64_t>(y - searchGoalY) * (y - searchGoalY));
    node.total = estimate + static_cast<std::uint32_t>(cost);
    open.push_back(static_cast<std::uint64_t>(node.total) << 32 | static_cast<std::uint32_t>(cell));
    std::push_heap(open.begin(), open.end(), std::greater<>());
}

PathFinder::OpenEntry PathFinder::PopOpen()
{
    std::pop_heap(open.begin(), open.end(), std::greater<>());
    const OpenEntry entry = open.back();
    open.pop_back();
    return entry;
}

template <bool leadOnly>
PathFinder::SearchState PathFinder::Expand(int steps, const ByteMap& map)
{
    const int width = map.GetWidth();
    const int height = map.GetHeight();
    const std::uint8_t* cells = map.GetCells().data();
    const std::uint32_t closedMark = generation + 1;
    std::array<std::int32_t, neighbours.size()> cellSteps;
    for (std::size_t direction = 0; direction < neighbours.size(); ++direction)
        cellSteps[direction] = neighbours[direction][1] * width + neighbours[direction][0];
    while (steps > 0) {
        if (open.empty())
            return SEARCH_STATE_FAILED;
        const OpenEntry entry = PopOpen();
        const auto cell = static_cast<std::int32_t>(entry & 0xFFFFFFFF);
        Node& current = nodes[static_cast<std::size_t>(cell)];
        if (current.mark != generation || current.total != entry >> 32)
            continue; // closed since, or reached again more cheaply
        if (cell == goalCell)
            return SEARCH_STATE_SUCCEEDED;
        --steps;
        current.mark = closedMark;
        const int x = cell % width;
        const int y = cell / width;
        const std::int32_t cost = current.cost + CellCost<leadOnly>(cells[cell]);
        const std::int32_t parent = current.parent;
        // Away from the edges every neighbour lies inside the map.
        const bool inside = x > 0 && y > 0 && x < width - 1 && y < height - 1;
        for (std::size_t direction = 0; direction < neighbours.size(); ++direction) {
            const int nextX = x + neighbours[direction][0];
            const int nextY = y + neighbours[direction][1];
            if (!inside && (nextX < 0 || nextY < 0 || nextX >= width || nextY >= height))
                continue;
            const std::int32_t next = cell + cellSteps[direction];
            if (CellCost<leadOnly>(cells[next]) >= blockedCost || next == parent)
                continue;
            Node& node = nodes[static_cast<std::size_t>(next)];
            if (node.mark - generation <= 1 && node.cost <= cost)
                continue; // open or closed with a cost not larger
            node.parent = cell;
            Push(next, cost, nextX, nextY);
        }
    }
    return SEARCH_STATE_SEARCHING;
}

bool PathFinder::ValidatePosition(const ByteMap& map, int& x, int& y)
{
    if (map.IsEmpty())
        return false;
    x = std::clamp(x, 0, map.GetWidth() - 1);
    y = std::clamp(y, 0, map.GetHeight() - 1);
    // Directions clockwise from up, then the block around each probe.
    constexpr std::array<std::array<int, 2>, 8> directions = {
        {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}}};
    constexpr std::array<std::array<int, 2>, 9> block = {
        {{0, 0}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}}};
    for (int distance = 0; distance < validationDistances; ++distance) {
        for (const auto& [directionX, directionY] : directions) {
            const int centreX = x + directionX * distance / 2;
            const int centreY = y + (directionX == 0 ? directionY * distance * 3 / 2 : directionY * distance);
            for (const auto& [offsetX, offsetY] : block) {
                if (map.Get(centreX + offsetX, centreY + offsetY) != 0) {
                    x = centreX + offsetX;
                    y = centreY + offsetY;
                    return true;
                }
            }
        }
    }
    return false;
}

PathFinder::LeadSearch PathFinder::SearchLead(Point from, Point to, const ByteMap& map, std::vector<Point>& chain)
{
    const double towardX = to.x - from.x;
    const double towardY = to.y - from.y;
    const double length = std::hypot(towardX, towardY);
    const double unitX = length > 0.0 ? towardX / length : 1.0;
    const double unitY = length > 0.0 ? towardY / length : 0.0;
    // Three rings of twelve rays, the longer ones turned between the
    // shorter ones.
    constexpr std::array<std::array<int, 2>, 3> rings = {{{30, 0}, {80, 10}, {160, 20}}};
    constexpr double radiansPerDegree = 3.14159265358979323846 / 180.0;
    for (const auto& [rayLength, firstAngle] : rings) {
        for (int ray = 0; ray < 12; ++ray) {
            const double angle = (firstAngle + ray * 30) * radiansPerDegree;
            const double rayX = (unitX * std::cos(angle) - unitY * std::sin(angle)) * rayLength;
            const double rayY = (unitX * std::sin(angle) + unitY * std::cos(angle)) * rayLength;
            const int endX = static_cast<int>(std::floor(from.x + rayX));
            const int endY = static_cast<int>(std::floor(from.y + rayY));
            Point lead;
            if (map.FindLeadOnLine(from.x, from.y, endX, endY, lead.x, lead.y)) {
                chain = {from, lead};
                return LeadSearch::leadCell;
            }
        }
    }
    chain.clear();
    return FindPath(from.x, from.y, to.x, to.y, map, chain) ? LeadSearch::wholePath : LeadSearch::none;
}

void PathFinder::Straighten(const std::vector<Point>& chain, const ByteMap& map, std::vector<Point>& waypoints)
{
    waypoints.assign(1, chain.front());
    const std::size_t last = chain.size() - 1;
    std::size_t current = 0;
    while (current < last) {
        const Point from = chain[current];
        std::size_t reached = last;
        if (!map.CheckLine(from.x, from.y, chain[last].x, chain[last].y)) {
            // The next cell of the chain is always taken; the bisection
            // looks for a farther one in sight, to within four cells.
            std::size_t low = current + 1;
            std::size_t high = last;
            while (high - low >= 4) {
                const std::size_t middle = low + (high - low) / 2;
                if (map.CheckLine(from.x, from.y, chain[middle].x, chain[middle].y))
                    low = middle;
                else
                    high = middle;
            }
            reached = low;
        }
        if (!(chain[reached] == waypoints.back()))
            waypoints.push_back(chain[reached]);
        current = reached;
    }
    if (waypoints.size() == 1)
        waypoints.push_back(chain.back()); // a walk to the same cell
}

bool PathFinder::FindPathExt(float startX, float startY, float endX, float endY, const ByteMap& map, float scaleX,
                             float scaleY, std::vector<Point>& path)
{
    path.clear();
    if (!(scaleX > 0.0f) || !(scaleY > 0.0f) || !std::isfinite(scaleX) || !std::isfinite(scaleY)) {
        LogWarning("PathFinder::FindPathExt: Invalid map scale <%f,%f>!\n", static_cast<double>(scaleX),
                   static_cast<double>(scaleY));
        return false;
    }
    Point start{ToMapCoordinate(startX * scaleX), ToMapCoordinate(startY * scaleY)};
    Point end{ToMapCoordinate(endX * scaleX), ToMapCoordinate(endY * scaleY)};
    if (!ValidatePosition(map, start.x, start.y)) {
        LogWarning("PathFinder::FindPathExt: Failed to validate start-position!\n");
        return false;
    }
    if (!ValidatePosition(map, end.x, end.y)) {
        LogWarning("PathFinder::FindPathExt: Failed to validate end-position!\n");
        return false;
    }

    std::vector<Point> waypoints;
    if (map.CheckLine(start.x, start.y, end.x, end.y)) {
        waypoints = {start, end};
    } else {
        std::vector<Point> chain;
        std::vector<Point> endChain;
        const LeadSearch fromStart = SearchLead(start, end, map, chain);
        if (fromStart == LeadSearch::none) {
            LogWarning("***** No Start-Path founded!\n");
            return false;
        }
        if (fromStart == LeadSearch::leadCell) {
            const LeadSearch fromEnd = SearchLead(end, start, map, endChain);
            if (fromEnd == LeadSearch::none) {
                LogWarning("***** No End-Path founded!\n");
                return false;
            }
            if (fromEnd == LeadSearch::wholePath) {
                chain.assign(endChain.rbegin(), endChain.rend());
            } else {
                // Both ends may reach the same lead cell; the lead path is
                // then that one cell.
                const Point startLead = chain.back();
                const Point endLead = endChain.back();
                const std::size_t leadFirst = chain.size();
                if (!FindLeadPath(startLead.x, startLead.y, endLead.x, endLead.y, map, chain) ||
                    (chain.size() - leadFirst < 2 && !(startLead == endLead))) {
                    LogWarning("***** No Path founded!\n");
                    return false;
                }
                chain.insert(chain.end(), endChain.rbegin(), endChain.rend());
            }
        }
        Straighten(chain, map, waypoints);
    }
    path.reserve(waypoints.size());
    for (const Point waypoint : waypoints)
        path.push_back({ToRoomCoordinate(waypoint.x, scaleX), ToRoomCoordinate(waypoint.y, scaleY)});
    return true;
}
