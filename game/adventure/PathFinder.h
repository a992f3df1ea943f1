#pragma once

// Finds the way a character walks across a room's walk area (ByteMap.h).
// FindPathExt is the entry the characters use: it moves both ends onto
// walkable cells, takes the straight line when it is free, otherwise reaches
// the network of lead cells from both ends and joins them by a search over
// lead cells only, and straightens the chain of cells into a few waypoints.
//
// The searches are A* over cells (8 neighbours, each step costing the cell
// it leaves) with the squared distance to the goal as the estimate, which
// makes them nearly best-first. A search that runs longer than a second by
// the platform's clock is cancelled and shown in a message box; on the
// headless platform that clock is virtual and stands still during a search,
// so a headless run never cancels and stays deterministic (the search still
// ends: it never visits a cell more often than its cost can fall).
//
// The node records are flat arrays kept between searches and reused; a
// search marks its records with a generation number instead of clearing them.
// Main thread only.

#include "ByteMap.h"
#include "app/Singleton.h"
#include "graphics/Sprite.h"

#include <cstdint>
#include <vector>

namespace platform {
class Clock;
}

class PathFinder : public Singleton<PathFinder> {
public:
    enum SearchState {
        SEARCH_STATE_NOT_INITIALISED = 0,
        SEARCH_STATE_SEARCHING = 1,
        SEARCH_STATE_SUCCEEDED = 2,
        SEARCH_STATE_FAILED = 3,
        SEARCH_STATE_OUT_OF_MEMORY = 4,
        SEARCH_STATE_INVALID = 5,
    };

    static constexpr std::int32_t searchTimeLimitMilliseconds = 1000;
    static constexpr int stepsBetweenClockChecks = 100;
    // How far ValidatePosition looks for a walkable cell.
    static constexpr int validationDistances = 220;

    // Searches over cells that are not 0, from start to goal (map
    // coordinates); on success appends the cells from start to goal to
    // `path`. Ends outside the map make the search invalid.
    bool FindPath(int startX, int startY, int goalX, int goalY, const ByteMap& map, std::vector<Point>& path);
    // The same over lead cells only.
    bool FindLeadPath(int startX, int startY, int goalX, int goalY, const ByteMap& map, std::vector<Point>& path);
    // The walk from (startX, startY) to (endX, endY) in room coordinates;
    // scaleX and scaleY are the map's size over the room's. On success
    // `path` holds the waypoints in room coordinates, from the validated
    // start to the validated end.
    bool FindPathExt(float startX, float startY, float endX, float endY, const ByteMap& map, float scaleX,
                     float scaleY, std::vector<Point>& path);

    // Clamps (x, y) into the map, then moves it to the first cell that is
    // not 0 on a widening search around it: along the eight directions,
    // sideways at half the distance, straight up and down at one and a half.
    // False when there is none within reach.
    static bool ValidatePosition(const ByteMap& map, int& x, int& y);

    SearchState GetSearchState() const { return state; }
    // The clock the time limit reads; null (the default) means the
    // platform's, or the steady clock when no platform is installed.
    void SetClock(platform::Clock* testClock) { clock = testClock; }

private:
    friend class Singleton<PathFinder>;
    PathFinder() = default;

    struct Node {
        std::int32_t cost = 0;   // g: the cost from the start
        std::int32_t parent = -1;
        std::uint32_t total = 0; // f: the cost plus the estimate
        std::uint32_t mark = 0;  // generation (open) or generation + 1 (closed)
    };
    // An open-list entry: f in the high half, the cell in the low half.
    // Entries left behind by a cheaper way to the same cell no longer match
    // the cell's f and are skipped when they come up.
    using OpenEntry = std::uint64_t;
    // What a search from one end toward the other found.
    enum class LeadSearch { none, leadCell, wholePath };

    bool Search(const char* name, bool leadOnly, int startX, int startY, int goalX, int goalY, const ByteMap& map,
                std::vector<Point>& path);
    SearchState Begin(int startX, int startY, int goalX, int goalY, const ByteMap& map);
    // Expands up to `steps` nodes; the state after them.
    template <bool leadOnly>
    SearchState Expand(int steps, const ByteMap& map);
    void Push(std::int32_t cell, std::int32_t cost, int x, int y);
    OpenEntry PopOpen();
    std::uint32_t Milliseconds() const;

    LeadSearch SearchLead(Point from, Point to, const ByteMap& map, std::vector<Point>& chain);
    static void Straighten(const std::vector<Point>& chain, const ByteMap& map, std::vector<Point>& waypoints);

    SearchState state = SEARCH_STATE_NOT_INITIALISED;
    std::vector<Node> nodes;
    std::vector<OpenEntry> open;
    std::uint32_t generation = 0;
    std::int32_t goalCell = -1;
    int searchGoalX = 0;
    int searchGoalY = 0;
    platform::Clock* clock = nullptr;
};
