// The gallery's page layout, against positions worked out by hand.

#include "SpriteSheetLayout.h"

#include <gtest/gtest.h>

TEST(SpriteSheetLayoutTest, CellsFillTheGridRowByRowWithTheCaptionAtTheBottom)
{
    // 976 wide, 4 columns, 3 gaps of 12: cells 235 wide, 247 apart;
    // 716 high, 3 rows, 2 gaps: (716 - 24) / 3 = 230 high, 242 apart.
    const SpriteSheetLayout layout({24, 40, 976, 716}, 4, 3, 40, 12);
    EXPECT_EQ(layout.CellsPerPage(), 12);
    EXPECT_EQ(layout.Cell(0), (SheetBox{24, 40, 235, 230}));
    EXPECT_EQ(layout.Cell(3), (SheetBox{765, 40, 235, 230}));
    EXPECT_EQ(layout.Cell(5), (SheetBox{271, 282, 235, 230}));
    EXPECT_EQ(layout.Cell(11), (SheetBox{765, 524, 235, 230}));
    EXPECT_EQ(layout.PictureArea(5), (SheetBox{271, 282, 235, 190}));
    EXPECT_EQ(layout.CaptionArea(5), (SheetBox{271, 472, 235, 40}));
    // The last cell ends inside the grid.
    EXPECT_LE(layout.Cell(11).y + layout.Cell(11).height, 40 + 716);

    EXPECT_EQ(layout.PageCount(0), 0);
    EXPECT_EQ(layout.PageCount(1), 1);
    EXPECT_EQ(layout.PageCount(12), 1);
    EXPECT_EQ(layout.PageCount(13), 2);
    EXPECT_EQ(layout.PageCount(24), 2);
    EXPECT_EQ(layout.PageCount(25), 3);
}

TEST(SpriteSheetLayoutTest, FramesShrinkByOneScaleToFitAndAreCentred)
{
    const SheetBox area{10, 20, 200, 100};
    // Too wide: half size, the full width, centred in height.
    EXPECT_EQ(SpriteSheetLayout::FitFrames(area, 400, 100, 1, 4), (std::vector<SheetBox>{{10, 45, 200, 50}}));
    // Small frames stay as they are: 3 x 30 + 2 x 4 = 98 wide, 51 left over
    // on each side; 30 rows above and below.
    EXPECT_EQ(SpriteSheetLayout::FitFrames(area, 30, 40, 3, 4),
              (std::vector<SheetBox>{{61, 50, 30, 40}, {95, 50, 30, 40}, {129, 50, 30, 40}}));
    // Too high: a third, 50 / 3 = 16 wide; the row of 36 starts at 82.
    EXPECT_EQ(SpriteSheetLayout::FitFrames({0, 0, 200, 100}, 50, 300, 2, 4),
              (std::vector<SheetBox>{{82, 0, 16, 100}, {102, 0, 16, 100}}));
    // Four too wide together: 188 of room for 400, so 47 x 23 each, 38 rows
    // above.
    EXPECT_EQ(SpriteSheetLayout::FitFrames({0, 0, 200, 100}, 100, 50, 4, 4),
              (std::vector<SheetBox>{{0, 38, 47, 23}, {51, 38, 47, 23}, {102, 38, 47, 23}, {153, 38, 47, 23}}));
    // A sliver keeps one row.
    EXPECT_EQ(SpriteSheetLayout::FitFrames({0, 0, 10, 10}, 1000, 1, 1, 4), (std::vector<SheetBox>{{0, 4, 10, 1}}));
    // Nothing to draw, or no room for it.
    EXPECT_TRUE(SpriteSheetLayout::FitFrames(area, 0, 10, 1, 4).empty());
    EXPECT_TRUE(SpriteSheetLayout::FitFrames(area, 10, 10, 0, 4).empty());
    EXPECT_TRUE(SpriteSheetLayout::FitFrames({0, 0, 5, 10}, 10, 10, 4, 4).empty());
    EXPECT_TRUE(SpriteSheetLayout::FitFrames({0, 0, 10, 0}, 10, 10, 1, 4).empty());
}
