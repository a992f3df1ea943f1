#include "PathFinder.h"
#include "WalkAreaReference.h"
#include "app/Debug.h"
#include "graphics/Image.h"
#include "platform/Clock.h"
#include "support/HeadlessTest.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

class PathFinderTest : public LoggedTest {
protected:
    PathFinder& finder = PathFinder::GetInstance();
};

bool SamePoint(Point left, Point right)
{
    return left.x == right.x && left.y == right.y;
}

// A clock that jumps 600 ms each time it is read.
class RacingClock final : public platform::Clock {
public:
    std::uint32_t Milliseconds() override { return now += 600; }
    void Sleep(std::uint32_t) override {}
    void WaitUntilElapsed(std::uint32_t, std::uint32_t) override {}

private:
    std::uint32_t now = 0;
};

} // namespace

TEST_F(PathFinderTest, SearchesStepBetweenNeighboursOverTheirCellsAndLogHowTheyEnd)
{
    const ByteMap map = MakeWalkArea({
        "LLLL..#.....",
        "...L..#.....",
        "...L..#.....",
        "...LLL#.....",
        "......#LLL..",
        "............",
    });
    const auto checkChain = [&](const std::vector<Point>& path, Point start, Point goal, bool leadOnly) {
        ASSERT_FALSE(path.empty());
        EXPECT_TRUE(SamePoint(path.front(), start));
        EXPECT_TRUE(SamePoint(path.back(), goal));
        for (std::size_t i = 0; i < path.size(); ++i) {
            EXPECT_NE(map.Get(path[i].x, path[i].y), 0);
            EXPECT_TRUE(!leadOnly || map.Get(path[i].x, path[i].y) == 2);
            if (i > 0) {
                EXPECT_LE(std::abs(path[i].x - path[i - 1].x), 1);
                EXPECT_LE(std::abs(path[i].y - path[i - 1].y), 1);
                EXPECT_FALSE(SamePoint(path[i], path[i - 1]));
            }
        }
    };
    std::vector<Point> path{{-5, -5}};
    ASSERT_TRUE(finder.FindPath(0, 0, 11, 0, map, path)); // appended after what was there
    EXPECT_TRUE(SamePoint(path.front(), {-5, -5}));
    path.erase(path.begin());
    checkChain(path, {0, 0}, {11, 0}, false);
    EXPECT_EQ(finder.GetSearchState(), PathFinder::SEARCH_STATE_SUCCEEDED);
    EXPECT_FALSE(FindReferencePath(map, {0, 0}, {11, 0}).empty());

    path.clear();
    ASSERT_TRUE(finder.FindPath(4, 4, 4, 4, map, path));
    ASSERT_EQ(path.size(), 1u);
    path.clear();
    ASSERT_TRUE(finder.FindLeadPath(0, 0, 5, 3, map, path));
    checkChain(path, {0, 0}, {5, 3}, true);

    // A blocked goal, a goal outside, and lead cells that do not join.
    path.clear();
    EXPECT_FALSE(finder.FindPath(0, 0, 6, 1, map, path));
    EXPECT_EQ(finder.GetSearchState(), PathFinder::SEARCH_STATE_FAILED);
    EXPECT_FALSE(finder.FindPath(0, 0, 12, 5, map, path));
    EXPECT_EQ(finder.GetSearchState(), PathFinder::SEARCH_STATE_INVALID);
    EXPECT_FALSE(finder.FindLeadPath(0, 0, 9, 4, map, path));
    EXPECT_TRUE(path.empty());
    const std::string log = ReadFile("debug.txt");
    EXPECT_EQ(CountOf(log, "FindPath: SearchState=SEARCH_STATE_FAILED\n"), 1u);
    EXPECT_EQ(CountOf(log, "FindPath: SearchState=SEARCH_STATE_INVALID\n"), 1u);
    EXPECT_TRUE(Contains(log, "FindLeadPath: SearchState=SEARCH_STATE_FAILED\n"));
    EXPECT_EQ(Debug::GetInstance().GetErrorCount() + Debug::GetInstance().GetWarningCount(), 0);
}

TEST_F(PathFinderTest, ValidationProbesSidewaysAtHalfAndUpAndDownAtOneAndAHalfTheDistance)
{
    // One walkable cell on a black map, the click at (50, 50). The probes
    // reach 109 cells sideways (plus the block around the probe) and 328
    // straight down.
    const auto validate = [](std::vector<Point> walkable, Point click) {
        Image image;
        image.Create(400, 700, 24, true);
        for (Point cell : walkable)
            image.SetPixel(cell.x, cell.y, 0x808080);
        ByteMap map;
        map.Init(image);
        const bool found = PathFinder::ValidatePosition(map, click.x, click.y);
        return found ? click : Point{-1, -1};
    };
    EXPECT_TRUE(SamePoint(validate({{160, 50}}, {50, 50}), {160, 50}));
    EXPECT_TRUE(SamePoint(validate({{161, 50}}, {50, 50}), {-1, -1}));
    EXPECT_TRUE(SamePoint(validate({{50, 379}}, {50, 50}), {50, 379}));
    EXPECT_TRUE(SamePoint(validate({{50, 380}}, {50, 50}), {-1, -1}));
    // Ten cells up is nearer by the probes than five cells to the right.
    EXPECT_TRUE(SamePoint(validate({{55, 50}, {50, 40}}, {50, 50}), {50, 40}));
    // A click off the map is first clamped into it.
    EXPECT_TRUE(SamePoint(validate({{0, 699}}, {-30, 1000}), {0, 699}));
    EXPECT_TRUE(SamePoint(validate({{4, 4}}, {4, 4}), {4, 4}));

    // The walk's ends are validated in map coordinates: here the map has
    // half the room's size.
    Image image;
    image.Create(400, 300, 24, true);
    for (int x = 100; x < 300; ++x)
        image.SetPixel(x, 150, 0x808080);
    ByteMap map;
    map.Init(image);
    std::vector<Point> path;
    ASSERT_TRUE(finder.FindPathExt(220.0f, 300.0f, 580.0f, 306.0f, map, 0.5f, 0.5f, path));
    ASSERT_EQ(path.size(), 2u);
    EXPECT_TRUE(SamePoint(path[0], {220, 300}));
    EXPECT_TRUE(SamePoint(path[1], {580, 300}));
    EXPECT_FALSE(finder.FindPathExt(0.0f, 0.0f, 580.0f, 300.0f, map, 0.5f, 0.5f, path));
    EXPECT_FALSE(finder.FindPathExt(200.0f, 300.0f, 780.0f, 0.0f, map, 0.5f, 0.5f, path));
    EXPECT_FALSE(finder.FindPathExt(200.0f, 300.0f, 580.0f, 300.0f, map, 0.0f, NAN, path));
    const std::string log = ReadFile("debug.txt");
    EXPECT_TRUE(Contains(log, "***WARNING: PathFinder::FindPathExt: Failed to validate start-position!\n"));
    EXPECT_TRUE(Contains(log, "***WARNING: PathFinder::FindPathExt: Failed to validate end-position!\n"));
}

TEST_F(PathFinderTest, WalksStayOnTheWalkAreaAndFailOnlyWhereNoWayExists)
{
    // A wall between the ends, and one lead cell below it that the rays
    // from both ends reach: the lead path is that cell alone.
    std::vector<std::string> rows(40, std::string(60, '.'));
    for (int y = 0; y <= 30; ++y)
        rows[static_cast<std::size_t>(y)].replace(26, 9, 9, '#');
    rows[34][30] = 'L';
    const ByteMap sharedLead = MakeWalkArea(rows);
    std::vector<Point> shared;
    ASSERT_TRUE(finder.FindPathExt(10.0f, 10.0f, 50.0f, 10.0f, sharedLead, 1.0f, 1.0f, shared));
    EXPECT_TRUE(SamePoint(shared.front(), {10, 10}));
    EXPECT_TRUE(SamePoint(shared.back(), {50, 10}));
    for (std::size_t i = 1; i < shared.size(); ++i)
        EXPECT_TRUE(SegmentStaysOnWalkArea(sharedLead, shared[i - 1], shared[i]));

    constexpr int width = 320;
    constexpr int height = 240;
    std::mt19937 random(7);
    for (const bool leads : {true, false}) {
        const ByteMap map = MakeRoomsWalkArea(width, height, leads);
        int found = 0;
        // Without leads every walk is one search over the cells, far slower.
        const int clicks = leads ? 120 : 40;
        for (int click = 0; click < clicks; ++click) {
            // Most ends on the walk area, some anywhere (validation moves them).
            const auto pick = [&](bool anywhere) {
                Point point;
                do {
                    point = {static_cast<int>(random() % width), static_cast<int>(random() % height)};
                } while (!anywhere && map.Get(point.x, point.y) == 0);
                return point;
            };
            const bool anywhere = click % 5 == 4;
            const Point start = pick(anywhere);
            const Point end = pick(false);
            std::vector<Point> path;
            const bool walks = finder.FindPathExt(static_cast<float>(start.x), static_cast<float>(start.y),
                                                  static_cast<float>(end.x), static_cast<float>(end.y), map, 1.0f,
                                                  1.0f, path);
            SCOPED_TRACE(testing::Message() << "leads " << leads << " from " << start.x << "," << start.y << " to "
                                            << end.x << "," << end.y);
            if (!anywhere) {
                EXPECT_EQ(walks, !FindReferencePath(map, start, end).empty());
            }
            if (!walks)
                continue;
            ++found;
            ASSERT_GE(path.size(), 2u);
            if (anywhere)
                EXPECT_NE(map.Get(path.front().x, path.front().y), 0);
            else
                EXPECT_TRUE(SamePoint(path.front(), start));
            EXPECT_TRUE(SamePoint(path.back(), end));
            for (std::size_t i = 1; i < path.size(); ++i)
                EXPECT_TRUE(SegmentStaysOnWalkArea(map, path[i - 1], path[i])) << "segment " << i;
            if (::testing::Test::HasFailure())
                return;
        }
        EXPECT_GT(found, clicks * 3 / 4); // most clicks lie outside the island
    }
}

TEST_F(PathFinderTest, AClosedOffIslandFailsAndASearchIsCancelledAfterASecond)
{
    const ByteMap rooms = MakeRoomsWalkArea(480, 360, true);
    const Point island = IslandCell(480, 360);
    std::vector<Point> path;
    EXPECT_FALSE(finder.FindPathExt(30.0f, 300.0f, static_cast<float>(island.x), static_cast<float>(island.y), rooms,
                                    1.0f, 1.0f, path));
    EXPECT_FALSE(finder.FindPathExt(static_cast<float>(island.x), static_cast<float>(island.y), 30.0f, 300.0f, rooms,
                                    1.0f, 1.0f, path));

    // An open map with a blocked goal: the search would visit every cell.
    std::vector<std::string> rows(100, std::string(100, '.'));
    rows[99][99] = '#';
    const ByteMap open = MakeWalkArea(rows);
    std::vector<std::string> leadRows(100, std::string(100, 'L'));
    leadRows[99][99] = '.';
    const ByteMap leadsOnly = MakeWalkArea(leadRows);
    // On the headless platform's clock no time passes during a search: it
    // runs to its end.
    EXPECT_FALSE(finder.FindPath(0, 0, 99, 99, open, path));
    EXPECT_TRUE(Host().GetMessageBoxes().empty());
    RacingClock clock;
    finder.SetClock(&clock);
    EXPECT_FALSE(finder.FindPath(0, 0, 99, 99, open, path));
    EXPECT_FALSE(finder.FindLeadPath(1, 2, 99, 99, leadsOnly, path));
    finder.SetClock(nullptr);
    const auto& boxes = Host().GetMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].first, "ERROR");
    EXPECT_EQ(boxes[0].second,
              "FindPath: Nach einer Sekunde kein Pfad(0,0 - 99,99) gefunden, bitte Walkarea kontrollieren!");
    EXPECT_EQ(boxes[1].second,
              "FindLeadPath: Nach einer Sekunde kein Pfad(1,2 - 99,99) gefunden, bitte Walkarea kontrollieren!");
    const std::string log = ReadFile("debug.txt");
    EXPECT_EQ(CountOf(log, "Nach einer Sekunde"), 0u);
    EXPECT_TRUE(Contains(log, "FindLeadPath: SearchState=SEARCH_STATE_FAILED\n"));
    // The same search works again afterwards.
    EXPECT_TRUE(finder.FindPath(0, 0, 98, 99, open, path));
}
