#include "graphics/DirectDraw.h"
#include "support/HeadlessTest.h"

class DirectDrawTest : public HeadlessTest {};

TEST_F(DirectDrawTest, WorksOutShiftsAndIndicesFromTheMasks)
{
    DirectDraw& display = DirectDraw::GetInstance();
    display.UsePixelFormat(16, 0xF800, 0x07E0, 0x001F); // 565
    EXPECT_EQ(display.GetShiftR(), 11);
    EXPECT_EQ(display.GetShiftG(), 6); // five bits of green: its lowest bit is never set
    EXPECT_EQ(display.GetShiftB(), 0);
    EXPECT_EQ(display.GetColorIndexR() + display.GetColorIndexG() + display.GetColorIndexB() + display.GetColorIndexX(), 0);

    display.UsePixelFormat(16, 0x7C00, 0x03E0, 0x001F); // 555
    EXPECT_EQ(display.GetShiftR(), 10);
    EXPECT_EQ(display.GetShiftG(), 5);

    display.UsePixelFormat(32, 0x00FF0000, 0x0000FF00, 0x000000FF); // X8R8G8B8
    EXPECT_EQ(display.GetShiftR(), 16);
    EXPECT_EQ(display.GetShiftG(), 8);
    EXPECT_EQ(display.GetShiftB(), 0);
    EXPECT_EQ(display.GetColorIndexR(), 2);
    EXPECT_EQ(display.GetColorIndexG(), 1);
    EXPECT_EQ(display.GetColorIndexB(), 0);
    EXPECT_EQ(display.GetColorIndexX(), 3);
    EXPECT_EQ(display.GetDepth(), 32);
}
