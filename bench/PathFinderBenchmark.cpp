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
// Time per walk. Before timing, both are checked to find a way on the same
// walks.

#include "BenchmarkFolder.h"
#include "PathFinder.h"
#include "adventure/WalkAreaReference.h"
#include "app/Debug.h"
#include "app/Singleton.h"

#include <benchmark/benchmark.h>

#include <random>
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

void RunPathFinder(benchmark::State& state, const WalkSet& set)
{
    LoggedFolder logged;
    std::vector<Point> path;
    for (const Walk& walk : set.walks) {
        if (FindWalk(set.map, walk, path) == FindReferencePath(set.map, walk.first, walk.second).empty()) {
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
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindReferencePath(set.map, set.walks[next].first, set.walks[next].second));
        next = next + 1 == set.walks.size() ? 0 : next + 1;
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

} // namespace

BENCHMARK(PathFind_Typical)->Unit(benchmark::kMicrosecond);
BENCHMARK(PathFind_TypicalReference)->Unit(benchmark::kMicrosecond);
BENCHMARK(PathFind_Wide)->Unit(benchmark::kMicrosecond);
BENCHMARK(PathFind_WideReference)->Unit(benchmark::kMicrosecond);
BENCHMARK(PathFind_BlockedGoal)->Unit(benchmark::kMicrosecond);
BENCHMARK(PathFind_BlockedGoalReference)->Unit(benchmark::kMicrosecond);
