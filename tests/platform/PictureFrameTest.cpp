#include "platform/PictureFrame.h"

#include <gtest/gtest.h>

using platform::ClientSize;
using platform::PictureFrame;
using platform::PicturePoint;

namespace {
constexpr ClientSize picture{1024, 768};

void ExpectRectangle(const PictureFrame& frame, int left, int top, int width, int height)
{
    EXPECT_EQ(frame.GetRectangle().left, left);
    EXPECT_EQ(frame.GetRectangle().top, top);
    EXPECT_EQ(frame.GetRectangle().Width(), width);
    EXPECT_EQ(frame.GetRectangle().Height(), height);
}
} // namespace

TEST(PictureFrame, LetterboxesSmoothlyOrAtWholeFactors)
{
    // 1920 x 1080: the height decides, 1080 * 4 / 3 = 1440 wide, bars of 240.
    const PictureFrame fullHd(picture, {1920, 1080}, {1920, 1080}, false);
    ExpectRectangle(fullHd, 240, 0, 1440, 1080);
    EXPECT_FALSE(fullHd.IsWholeFactor());
    // Whole factors: 1920 / 1024 and 1080 / 768 are both 1, centred.
    const PictureFrame fullHdSharp(picture, {1920, 1080}, {1920, 1080}, true);
    ExpectRectangle(fullHdSharp, 448, 156, 1024, 768);
    EXPECT_TRUE(fullHdSharp.IsWholeFactor());

    // 1366 x 768 fits the picture once either way: bars of 171 left, 171 right.
    ExpectRectangle(PictureFrame(picture, {1366, 768}, {1366, 768}, false), 171, 0, 1024, 768);
    ExpectRectangle(PictureFrame(picture, {1366, 768}, {1366, 768}, true), 171, 0, 1024, 768);

    // A HiDPI window of 1280 x 800 points with 2560 x 1600 real pixels:
    // smooth is 1600 * 4 / 3 = 2133.3 -> 2133 wide; sharp is twice the size.
    ExpectRectangle(PictureFrame(picture, {1280, 800}, {2560, 1600}, false), 213, 0, 2133, 1600);
    const PictureFrame retinaSharp(picture, {1280, 800}, {2560, 1600}, true);
    ExpectRectangle(retinaSharp, 256, 32, 2048, 1536);
    EXPECT_TRUE(retinaSharp.IsWholeFactor());

    // A window smaller than the picture fits it even when sharp was asked:
    // 400 * 4 / 3 = 533.3 -> 533 wide, (640 - 533) / 2 = 53.
    const PictureFrame small(picture, {640, 400}, {640, 400}, true);
    ExpectRectangle(small, 53, 0, 533, 400);
    EXPECT_FALSE(small.IsWholeFactor());

    // A minimised window has no frame at all.
    ExpectRectangle(PictureFrame(picture, {0, 0}, {0, 0}, false), 0, 0, 0, 0);
}

TEST(PictureFrame, MapsWindowPointsToCanvasPixelsAndBack)
{
    const PictureFrame fullHd(picture, {1920, 1080}, {1920, 1080}, false);
    // Output pixels are taken at their middle: (1000 - 240 + 0.5) * 1024 / 1440
    // = 540.8, (540 + 0.5) * 768 / 1080 = 384.4.
    EXPECT_EQ(fullHd.ToCanvas({1000, 540}, picture), (PicturePoint{540, 384}));
    // In the left bar: the picture's left edge; 500.5 * 768 / 1080 = 355.9.
    EXPECT_EQ(fullHd.ToCanvas({100, 500}, picture), (PicturePoint{0, 355}));
    // In the right bar and below the screen: the last pixels.
    EXPECT_EQ(fullHd.ToCanvas({1900, 2000}, picture), (PicturePoint{1023, 767}));
    // The game's canvas may be another size than the picture shown (an
    // 800 x 600 window): 760.5 * 800 / 1440 = 422.5, 540.5 * 600 / 1080 = 300.3.
    EXPECT_EQ(fullHd.ToCanvas({1000, 540}, {800, 600}), (PicturePoint{422, 300}));

    // HiDPI: window point (640, 400) is real pixel (1280, 800);
    // (1280 - 256 + 0.5) / 2 = 512.25, (800 - 32 + 0.5) / 2 = 384.25.
    const PictureFrame retinaSharp(picture, {1280, 800}, {2560, 1600}, true);
    EXPECT_EQ(retinaSharp.ToCanvas({640, 400}, picture), (PicturePoint{512, 384}));
    // Back: the middle of pixel (512, 384) is real pixel (1281, 801), point (640, 400).
    EXPECT_EQ(retinaSharp.ToWindow({512, 384}, picture), (PicturePoint{640, 400}));
    // Canvas pixels come back to themselves through the window at any
    // scale of one or more.
    for (const PictureFrame& frame : {fullHd, retinaSharp, PictureFrame(picture, {1366, 768}, {1366, 768}, false)}) {
        for (int x = 0; x < picture.width; x += 7) {
            const PicturePoint point{x, x * 3 / 4};
            EXPECT_EQ(frame.ToCanvas(frame.ToWindow(point, picture), picture), point);
        }
    }
}
