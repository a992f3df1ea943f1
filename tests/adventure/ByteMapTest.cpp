#include "ByteMap.h"
#include "WalkAreaReference.h"
#include "graphics/Image.h"
#include "support/HeadlessTest.h"

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace {

class ByteMapTest : public LoggedTest {};

// A 24-bit image of one row holding the given colours.
void MakeRow(Image& image, const std::vector<std::uint32_t>& colors)
{
    ASSERT_TRUE(image.Create(static_cast<int>(colors.size()), 1, 24, true));
    for (std::size_t x = 0; x < colors.size(); ++x)
        image.SetPixel(static_cast<int>(x), 0, colors[x]);
}

} // namespace

TEST_F(ByteMapTest, WalkAreaAndDepthMapCellsFollowTheColours)
{
    // Colours with their cells worked out by hand: black blocks, blue above
    // half of red plus green (halved as an integer) leads, the rest walks.
    const std::vector<std::uint32_t> colors = {0x000000, 0x000001, 0x010101, 0x0A1410, 0x0A140F,
                                               0xFFFFFF, 0x0000FF, 0x640033, 0x640032, 0xFFFFFE};
    const std::vector<int> walkCells = {0, 2, 1, 2, 1, 1, 2, 2, 1, 1};
    const std::vector<int> depthCells = {0, 0, 1, 15, 15, 255, 85, 50, 50, 254};
    Image image;
    MakeRow(image, colors);
    ByteMap walkArea;
    ByteMap depthMap;
    ASSERT_TRUE(walkArea.Init(image));
    ASSERT_TRUE(depthMap.InitDepthMap(image));
    ASSERT_EQ(walkArea.GetWidth(), 10);
    ASSERT_EQ(walkArea.GetHeight(), 1);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(walkArea.Get(x, 0), walkCells[static_cast<std::size_t>(x)]) << x;
        EXPECT_EQ(depthMap.Get(x, 0), depthCells[static_cast<std::size_t>(x)]) << x;
    }
    for (auto [x, y] : {std::pair{-1, 0}, {10, 0}, {0, -1}, {0, 1}, {INT_MIN, INT_MIN}, {INT_MAX, 0}})
        EXPECT_EQ(walkArea.Get(x, y), 0);

    // An image without pixels is refused and leaves the map empty, even one
    // that held cells before.
    const Image empty;
    EXPECT_FALSE(walkArea.Init(empty));
    EXPECT_FALSE(depthMap.InitDepthMap(empty));
    EXPECT_TRUE(walkArea.IsEmpty());
    EXPECT_EQ(walkArea.GetWidth(), 0);
    EXPECT_EQ(depthMap.Get(0, 0), 0);
    const std::string log = ReadFile("debug.txt");
    EXPECT_TRUE(Contains(log, "***ERROR: ByteMap::Init: Invalid Image size, failed to initialize ByteMap!\n"));
    EXPECT_TRUE(Contains(log, "***ERROR: ByteMap::InitDepthMap: Invalid Image size, failed to initialize ByteMap!\n"));
}

TEST_F(ByteMapTest, LinesAreBlockedOnlyWhereAWholeBlockIsBlack)
{
    const ByteMap map = MakeWalkArea({
        "....##....###.....",
        "....##....###.....",
        "L...##..L.###...L.",
        "....##....###.....",
        "....##....###.....",
    });
    // A wall two cells thick is crossed (every step still has a walkable
    // neighbour); one three cells thick stops the line.
    EXPECT_TRUE(map.CheckLine(0, 2, 9, 2));
    EXPECT_FALSE(map.CheckLine(9, 2, 17, 2));
    EXPECT_FALSE(map.CheckLine(17, 0, 9, 4));
    // The end itself is not tested: a line may end on the wall's middle.
    EXPECT_TRUE(map.CheckLine(9, 2, 11, 2));
    EXPECT_TRUE(map.CheckLine(3, 3, 3, 3));
    EXPECT_TRUE(map.CheckLine(0, 0, 0, 4));

    int x = -1;
    int y = -1;
    // The wall stops this line before any lead; it passes (8, 2) a row above.
    EXPECT_FALSE(map.FindLeadOnLine(0, 0, 17, 2, x, y));
    EXPECT_TRUE(map.FindLeadOnLine(17, 2, 0, 2, x, y));
    EXPECT_EQ(x, 16);
    EXPECT_TRUE(map.FindLeadOnLine(1, 2, 16, 2, x, y));
    EXPECT_EQ(x, 8);
    EXPECT_EQ(y, 2);
    EXPECT_TRUE(map.FindLeadOnLine(8, 2, 0, 2, x, y)); // the start counts
    EXPECT_EQ(x, 8);
    EXPECT_FALSE(map.FindLeadOnLine(13, 2, 13, 40, x, y)); // out of the map: nothing there
    EXPECT_FALSE(map.FindLeadOnLine(8, 2, 8, 2, x, y));
    EXPECT_TRUE(map.FindLeadOnLine(-1, 2, 5, 2, x, y)); // a start just outside still sees (0, 2)
    EXPECT_EQ(x, 0);
    EXPECT_FALSE(map.FindLeadOnLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX, x, y));

    // Lines must start and end inside the map.
    EXPECT_FALSE(map.CheckLine(-1, 0, 3, 3));
    EXPECT_FALSE(map.CheckLine(0, 0, 18, 0));
    EXPECT_EQ(CountOf(ReadFile("debug.txt"), "***ERROR: ByteMap::CheckLine: Line is out of Map!\n"), 2u);
}
