// Path finding across walk areas, beside a textbook A* on the same walks.
//
//     taskset -c 1 build/bench/zephyra_benchmarks --benchmark_filter=PathFind
//
// The walk areas are four rooms joined in a zigzag with a lead network and a
// walled-off island (tests/adventure/WalkAreaReference.h).
//
// PathFind_Typical          64 clicks between random walkable cells of a
//                           1024 x 768 walk area (outside the island), one
//                           walk per iteration
// PathFind_Wide             from the first room's top corner to the last
//                           room's far corner of a 2048 x 768 walk area,
//                           whose rooms are wider than the reach of the rays
//                           toward the lead network
// PathFind_BlockedGoal      from the first room into the island of the
//                           1024 x 768 walk area: no way
// ..._Reference             the same walks by the textbook A* (8 neighbours,
//                           no leads, no straightening)
// RoomPaths_...            the same on the walk areas of episode 1's generated
//                           rooms (build/run/data/level01, loaded as the room
//                           loads them), argument room:N the room's line in
//                           rooms.txt, its folder the label:
//   RoomPaths_Typical       64 random clicks in the room whose ends reach the
//                           walk area, between the validated ends
//   RoomPaths_Across        from the walkable cell leftmost (topmost of its
//                           column) to the one rightmost (lowest of its
//                           column): the longest walk (in roomstrand 1600
//                           wide), though on open floor a straight line
//   RoomPaths_Slowest       of 256 other random clicks, the walk the path
//                           finder took longest for when the benchmark
//                           started (timed three times each, the least
//                           taken): the worst case; the label gives its ends
//   RoomPaths_BlockedGoal   from the same left end to a click deepest inside
//                           an obstacle on the floor, which the path finder
//                           moves onto the walk area first; the reference
//                           walks to that validated end. (Every room's walk
//                           area is one piece: no walk that reaches it fails.)
// Time per walk. Before timing, both are checked to find a way on the same
// walks.

#include "BenchmarkFolder.h"
#include "PathFinder.h"
#include "adventure/Room.h"
#include "adventure/RoomList.h"
#include "adventure/WalkAreaReference.h"
#include "app/Debug.h"
#include "app/Singleton.h"
#include "graphics/Image.h"
#include "platform/Windows1252.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Walk = std::pair<Point, Point>;

struct WalkSet {
    ByteMap map;
    std::vector<Walk> walks;
};

const WalkSet& TypicalWalks()
{
    static const WalkSet set = [] {
        WalkSet made{MakeRoomsWalkArea(1024, 768, true), {}};
        std::mt19937 random(11);
        const auto pick = [&] {
            Point point;
            do {
                point = {static_cast<int>(random() % 1024), static_cast<int>(random() % 768)};
            } while (made.map.Get(point.x, point.y) == 0 || FindReferencePath(made.map, point, {40, 700}).empty());
            return point;
        };
        while (made.walks.size() < 64)
            made.walks.emplace_back(pick(), pick());
        return made;
    }();
    return set;
}

const WalkSet& WideWalks()
{
    static const WalkSet set{MakeRoomsWalkArea(2048, 768, true), {{{20, 20}, {2030, 750}}}};
    return set;
}

const WalkSet& BlockedWalks()
{
    static const WalkSet set{MakeRoomsWalkArea(1024, 768, true), {{{40, 700}, IslandCell(1024, 768)}}};
    return set;
}

// Logs go to a file in a folder of their own, not to the terminal.
struct LoggedFolder {
    BenchmarkFolder folder;
    LoggedFolder() { Debug::GetInstance().CreateLogFile("debug.txt"); }
    ~LoggedFolder() { SingletonRegistry::DestroyAll(); }
    LoggedFolder(const LoggedFolder&) = delete;
    LoggedFolder& operator=(const LoggedFolder&) = delete;
};

bool FindWalk(const ByteMap& map, const Walk& walk, std::vector<Point>& path)
{
    return PathFinder::GetInstance().FindPathExt(static_cast<float>(walk.first.x), static_cast<float>(walk.first.y),
                                                 static_cast<float>(walk.second.x),
                                                 static_cast<float>(walk.second.y), map, 1.0f, 1.0f, path);
}

// ---------------------------------------------------------------------------
// The generated rooms.

constexpr int roomCount = 4;

// Of the blocked cells with walkable cells left and right of them in their
// row (inside an obstacle on the floor, not on a wall above it) the one
// farthest (in 8-neighbour steps) from any walkable cell.
Point DeepestBlockedCell(const ByteMap& map)
{
    const int width = map.GetWidth();
    const int height = map.GetHeight();
    std::vector<int> distance(static_cast<std::size_t>(width) * height);
    const auto at = [&](int x, int y) -> int& { return distance[static_cast<std::size_t>(y) * width + x]; };
    const auto seen = [&](int x, int y) { return x < 0 || y < 0 || x >= width || y >= height ? 1 << 20 : at(x, y); };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            at(x, y) = map.Get(x, y) != 0 ? 0
                                          : 1 + std::min({seen(x - 1, y), seen(x - 1, y - 1), seen(x, y - 1),
                                                          seen(x + 1, y - 1)});
    Point deepest{0, 0};
    int deepestDistance = -1;
    for (int y = height - 1; y >= 0; --y) {
        int first = 0;
        while (first < width && map.Get(first, y) == 0)
            ++first;
        int last = width - 1;
        while (last >= 0 && map.Get(last, y) == 0)
            --last;
        for (int x = width - 1; x >= 0; --x) {
            at(x, y) = std::min({at(x, y), 1 + seen(x + 1, y), 1 + seen(x + 1, y + 1), 1 + seen(x, y + 1),
                                 1 + seen(x - 1, y + 1)});
            if (x > first && x < last && at(x, y) > deepestDistance) {
                deepest = {x, y};
                deepestDistance = at(x, y);
            }
        }
    }
    return deepest;
}

struct RoomWalks {
    std::string folder;
    WalkSet typical;
    WalkSet across;
    WalkSet blockedGoal;
    WalkSet slowest;
};

// Of 256 random clicks whose ends reach the walk area, the walk the path
// finder takes longest for (the least of three timings each).
Walk SlowestWalk(const ByteMap& map, unsigned seed)
{
    LoggedFolder logged;
    std::mt19937 random(seed);
    std::vector<Point> path;
    Walk slowest{};
    auto longest = std::chrono::steady_clock::duration::zero();
    for (int candidate = 0; candidate < 256; ++candidate) {
        Walk walk{{static_cast<int>(random() % map.GetWidth()), static_cast<int>(random() % map.GetHeight())},
                  {static_cast<int>(random() % map.GetWidth()), static_cast<int>(random() % map.GetHeight())}};
        if (!PathFinder::ValidatePosition(map, walk.first.x, walk.first.y) ||
            !PathFinder::ValidatePosition(map, walk.second.x, walk.second.y))
            continue;
        auto least = std::chrono::steady_clock::duration::max();
        for (int timing = 0; timing < 3; ++timing) {
            const auto begin = std::chrono::steady_clock::now();
            FindWalk(map, walk, path);
            least = std::min(least, std::chrono::steady_clock::now() - begin);
        }
        if (least > longest) {
            longest = least;
            slowest = walk;
        }
    }
    return slowest;
}

// The walk area and the walks of room `index` of episode 1's list.
RoomWalks LoadRoomWalks(int index)
{
    RoomWalks room;
    ByteMap map;
    {
        BenchmarkFolder folder;
        std::error_code failed;
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data", failed);
        const std::vector<std::string> rooms = ReadRoomList(1);
        if (failed || index >= static_cast<int>(rooms.size()))
            return room;
        room.folder = rooms[static_cast<std::size_t>(index)];
        const std::unique_ptr<Image> image =
            Room::LoadMapImage("data\\" + LevelFolder(1) + room.folder + "\\walkarea");
        if (!image || !map.Init(*image))
            return room;
        SingletonRegistry::DestroyAll();
    }
    std::mt19937 random(static_cast<unsigned>(17 + index));
    while (room.typical.walks.size() < 64) {
        Point start{static_cast<int>(random() % map.GetWidth()), static_cast<int>(random() % map.GetHeight())};
        Point end{static_cast<int>(random() % map.GetWidth()), static_cast<int>(random() % map.GetHeight())};
        if (PathFinder::ValidatePosition(map, start.x, start.y) && PathFinder::ValidatePosition(map, end.x, end.y))
            room.typical.walks.emplace_back(start, end);
    }
    Point left{-1, -1};
    Point right{-1, -1};
    for (int x = 0; x < map.GetWidth() && left.x < 0; ++x)
        for (int y = 0; y < map.GetHeight() && left.x < 0; ++y)
            if (map.Get(x, y) != 0)
                left = {x, y};
    for (int x = map.GetWidth() - 1; x >= 0 && right.x < 0; --x)
        for (int y = map.GetHeight() - 1; y >= 0 && right.x < 0; --y)
            if (map.Get(x, y) != 0)
                right = {x, y};
    room.across.walks = {{left, right}};
    // The path finder gets the click itself, the reference its validated
    // end (see ReferenceWalks).
    room.blockedGoal.walks = {{left, DeepestBlockedCell(map)}};
    room.slowest.walks = {SlowestWalk(map, static_cast<unsigned>(29 + index))};
    room.typical.map = map;
    room.across.map = map;
    room.slowest.map = map;
    room.blockedGoal.map = std::move(map);
    return room;
}

const RoomWalks& RoomWalksOf(int index)
{
    static std::array<std::unique_ptr<RoomWalks>, roomCount> rooms;
    auto& room = rooms[static_cast<std::size_t>(index)];
    if (!room)
        room = std::make_unique<RoomWalks>(LoadRoomWalks(index));
    return *room;
}

// The walks with both ends moved onto the walk area as the path finder
// moves them, for the reference, which takes ends as they are.
std::vector<Walk> ReferenceWalks(const WalkSet& set)
{
    std::vector<Walk> walks = set.walks;
    for (Walk& walk : walks) {
        PathFinder::ValidatePosition(set.map, walk.first.x, walk.first.y);
        PathFinder::ValidatePosition(set.map, walk.second.x, walk.second.y);
    }
    return walks;
}

void RunPathFinder(benchmark::State& state, const WalkSet& set)
{
    LoggedFolder logged;
    if (set.map.IsEmpty()) {
        state.SkipWithError("no walk area");
        return;
    }
    std::vector<Point> path;
    const std::vector<Walk> referenceWalks = ReferenceWalks(set);
    for (std::size_t walk = 0; walk < set.walks.size(); ++walk) {
        const Walk& reference = referenceWalks[walk];
        if (FindWalk(set.map, set.walks[walk], path) == FindReferencePath(set.map, reference.first, reference.second).empty()) {
            state.SkipWithError("the path finder and the reference disagree on a walk");
            return;
        }
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindWalk(set.map, set.walks[next], path));
        next = next + 1 == set.walks.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void RunReference(benchmark::State& state, const WalkSet& set)
{
    if (set.map.IsEmpty()) {
        state.SkipWithError("no walk area");
        return;
    }
    const std::vector<Walk> walks = ReferenceWalks(set);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindReferencePath(set.map, walks[next].first, walks[next].second));
        next = next + 1 == walks.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void PathFind_Typical(benchmark::State& state)
{
    RunPathFinder(state, TypicalWalks());
}
void PathFind_TypicalReference(benchmark::State& state)
{
    RunReference(state, TypicalWalks());
}
void PathFind_Wide(benchmark::State& state)
{
    RunPathFinder(state, WideWalks());
}
void PathFind_WideReference(benchmark::State& state)
{
    RunReference(state, WideWalks());
}
void PathFind_BlockedGoal(benchmark::State& state)
{
    RunPathFinder(state, BlockedWalks());
}
void PathFind_BlockedGoalReference(benchmark::State& state)
{
    RunReference(state, BlockedWalks());
}

// The room's walks of one kind, labelled with the room's folder.
template <WalkSet RoomWalks::*kind, bool reference>
void RoomPaths(benchmark::State& state)
{
    const RoomWalks& room = RoomWalksOf(static_cast<int>(state.range(0)));
    const WalkSet& set = room.*kind;
    std::string label = Windows1252::ToUtf8(room.folder);
    if (set.walks.size() == 1) {
        const Walk& walk = set.walks.front();
        label += " " + std::to_string(walk.first.x) + "," + std::to_string(walk.first.y) + "-" +
                 std::to_string(walk.second.x) + "," + std::to_string(walk.second.y);
    }
    state.SetLabel(label);
    if (reference)
        RunReference(state, set);
    else
        RunPathFinder(state, set);
}

} // namespace

BENCHMARK(RoomPaths<&RoomWalks::typical, false>)->Name("RoomPaths_Typical")->DenseRange(0, roomCount - 1)
    ->ArgName("room")->Unit(benchmark::kMicrosecond);
BENCHMARK(RoomPaths<&RoomWalks::typical, true>)->Name("RoomPaths_TypicalReference")->DenseRange(0, roomCount - 1)
    ->ArgName("room")->Unit(benchmark::kMicrosecond);
BENCHMARK(RoomPaths<&RoomWalks::across, false>)->Name("RoomPaths_Across")->DenseRange(0, roomCount - 1)
    ->ArgName("room")->Unit(benchmark::kMicrosecond);
BENCHMARK(RoomPaths<&RoomWalks::across, true>)->Name("RoomPaths_AcrossReference")->DenseRange(0, roomCount - 1)
    ->ArgName("room")->Unit(benchmark::kMicrosecond);
BENCHMARK(RoomPaths<&RoomWalks::slowest, false>)->Name("RoomPaths_Slowest")->DenseRange(0, roomCount - 1)
    ->ArgName("room")->Unit(benchmark::kMicrosecond);
BENCHMARK(RoomPaths<&RoomWalks::slowest, true>)->Name("RoomPaths_SlowestReference")->DenseRange(0, roomCount - 1)
    ->ArgName("room")->Unit(benchmark::kMicrosecond);
BENCHMARK(RoomPaths<&RoomWalks::blockedGoal, false>)->Name("RoomPaths_BlockedGoal")->DenseRange(0, roomCount - 1)
    ->ArgName("room")->Unit(benchmark::kMicrosecond);
BENCHMARK(RoomPaths<&RoomWalks::blockedGoal, true>)->Name("RoomPaths_BlockedGoalReference")
    ->DenseRange(0, roomCount - 1)->ArgName("room")->Unit(benchmark::kMicrosecond);
BENCHMARK(PathFind_Typical)->Unit(benchmark::kMicrosecond);
BENCHMARK(PathFind_TypicalReference)->Unit(benchmark::kMicrosecond);
BENCHMARK(PathFind_Wide)->Unit(benchmark::kMicrosecond);
BENCHMARK(PathFind_WideReference)->Unit(benchmark::kMicrosecond);
BENCHMARK(PathFind_BlockedGoal)->Unit(benchmark::kMicrosecond);
BENCHMARK(PathFind_BlockedGoalReference)->Unit(benchmark::kMicrosecond);
