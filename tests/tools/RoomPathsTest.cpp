// Walks across the generated rooms of episode 1, on their walk areas as the
// room loads them, checked against the textbook A* of WalkAreaReference.h.

#include "GeneratedDataTest.h"
#include "WalkAreaReference.h"
#include "adventure/ByteMap.h"
#include "adventure/PathFinder.h"
#include "adventure/Room.h"
#include "adventure/RoomList.h"
#include "graphics/Image.h"

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

class RoomPathsTest : public GeneratedDataTest {
protected:
    void SetUp() override
    {
        GeneratedDataTest::SetUp();
        StartLog();
    }
};

} // namespace

TEST_F(RoomPathsTest, ClicksInEveryRoomWalkOnTheWalkAreaAndFailOnlyWhereNoWayExists)
{
    const std::vector<std::string> rooms = ReadRoomList(1);
    ASSERT_EQ(rooms.size(), 4u);
    PathFinder& finder = PathFinder::GetInstance();
    std::mt19937 random(1234);
    for (const std::string& room : rooms) {
        SCOPED_TRACE(room);
        const std::unique_ptr<Image> image = Room::LoadMapImage("data\\" + LevelFolder(1) + room + "\\walkarea");
        ASSERT_NE(image, nullptr);
        ByteMap map;
        ASSERT_TRUE(map.Init(*image));
        const int width = map.GetWidth();
        const int height = map.GetHeight();
        int validated = 0;
        int walked = 0;
        constexpr int clicks = 200;
        for (int click = 0; click < clicks; ++click) {
            // Clicks anywhere in the room, on the bars and obstacles too:
            // both ends are moved onto the walk area first.
            Point start{static_cast<int>(random() % width), static_cast<int>(random() % height)};
            Point end{static_cast<int>(random() % width), static_cast<int>(random() % height)};
            SCOPED_TRACE(testing::Message() << "from " << start.x << "," << start.y << " to " << end.x << ","
                                            << end.y);
            std::vector<Point> path;
            const bool walks = finder.FindPathExt(static_cast<float>(start.x), static_cast<float>(start.y),
                                                  static_cast<float>(end.x), static_cast<float>(end.y), map, 1.0f,
                                                  1.0f, path);
            // A click too far above the floor (on a wall or the sky) finds
            // no walkable cell within reach: nobody walks.
            if (!PathFinder::ValidatePosition(map, start.x, start.y) ||
                !PathFinder::ValidatePosition(map, end.x, end.y)) {
                EXPECT_FALSE(walks);
                continue;
            }
            ++validated;
            if (!walks) {
                EXPECT_TRUE(FindReferencePath(map, start, end).empty());
                continue;
            }
            ++walked;
            ASSERT_GE(path.size(), 2u);
            EXPECT_TRUE(path.front().x == start.x && path.front().y == start.y);
            EXPECT_TRUE(path.back().x == end.x && path.back().y == end.y);
            for (std::size_t i = 1; i < path.size(); ++i)
                EXPECT_TRUE(SegmentStaysOnWalkArea(map, path[i - 1], path[i])) << "segment " << i;
            if (::testing::Test::HasFailure())
                return;
        }
        // Every room's walk area is one piece: every click that reaches it
        // gets somewhere, and most clicks do.
        EXPECT_EQ(walked, validated);
        EXPECT_GT(validated, clicks / 2);
    }
}
