// The catapult throw's sprites: every label the level loads is listed with
// its kind and frames; the meadow's pieces have the widths the game lays
// them out by and join without a seam; the cart and the knight stand on the
// ground rows the game places them by, are never cut off at their frames'
// edges and have no black in them; the wheels turn clockwise; the knight
// sits in the bucket until the release frame and is gone from it then.

#include "GeneratedDataTest.h"
#include "SpriteArt.h"
#include "minigames/SiegeCatapult.h"
#include "minigames/TournamentKnight.h"
#include "minigames/TournamentMeadow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using content::Picture;
using namespace content::minigames;

bool Visible(std::uint32_t pixel)
{
    return (pixel >> 24) >= 16;
}

int Channel(std::uint32_t pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xFF);
}

// What a frame shows: its lowest visible row, whether anything touches its
// border, and its visible pixels that are black or nearly so.
struct Extent {
    int lowestRow = -1;
    bool touchesBorder = false;
    int black = 0;
};

Extent Measure(const Picture& picture)
{
    Extent extent;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const std::uint32_t pixel = picture.Pixel(x, y);
            if (!Visible(pixel))
                continue;
            extent.lowestRow = y;
            extent.touchesBorder = extent.touchesBorder || x == 0 || y == 0 || x == picture.Width() - 1 ||
                                   y == picture.Height() - 1;
            extent.black += Channel(pixel, 16) < 16 && Channel(pixel, 8) < 16 && Channel(pixel, 0) < 16;
        }
    return extent;
}

// The visible pixels in the colours of the knight's polished tin.
int TinPixels(const Picture& picture)
{
    int tin = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const std::uint32_t pixel = picture.Pixel(x, y);
            tin += (pixel >> 24) == 0xFF && std::abs(Channel(pixel, 16) - 0xBE) < 14 &&
                   std::abs(Channel(pixel, 8) - 0xC9) < 14 && std::abs(Channel(pixel, 0) - 0xD7) < 14;
        }
    return tin;
}

// The mean of the red, green and blue differences between column a of one
// picture and column b of another.
double ColumnDifference(const Picture& one, int a, const Picture& other, int b)
{
    long sum = 0;
    for (int y = 0; y < one.Height(); ++y) {
        const std::uint32_t p = one.Pixel(a, y);
        const std::uint32_t q = other.Pixel(b, y);
        for (const int shift : {16, 8, 0})
            sum += std::abs(Channel(p, shift) - Channel(q, shift));
    }
    return sum / (3.0 * one.Height());
}

// Where the clearly red pixels within a wheel's rim lie, relative to its
// hub: the painted rim segment.
struct Offset {
    double x = 0.0, y = 0.0;
};
Offset RedMark(const Picture& wheels, int hubX, int hubY)
{
    Offset sum;
    int count = 0;
    for (int y = hubY - 40; y <= hubY + 40; ++y)
        for (int x = hubX - 40; x <= hubX + 40; ++x) {
            const std::uint32_t pixel = wheels.Pixel(x, y);
            if (Visible(pixel) && Channel(pixel, 16) > 150 && Channel(pixel, 8) < 90 && Channel(pixel, 0) < 100) {
                sum.x += x - hubX;
                sum.y += y - hubY;
                ++count;
            }
        }
    if (count > 0) {
        sum.x /= count;
        sum.y /= count;
    }
    return sum;
}

} // namespace

TEST(CatapultArtTest, EveryLabelIsListedAndTheCatapultAndKnightStandOnASeamlessMeadow)
{
    const auto list = ReadSpriteList("level09");
    const auto kindAndFrames = [&list](const std::string& label) { return KindAndFrames(list, label); };
    for (const std::string label :
         {"background_start", "background_loop", "background_mask", "panel", "panel_small", "panel_message"})
        EXPECT_EQ(kindAndFrames(label), "static") << label;
    EXPECT_EQ(kindAndFrames("catapult_wheels_front"), "anim 16");
    EXPECT_EQ(kindAndFrames("catapult_wheels_back"), "anim 16");
    EXPECT_EQ(kindAndFrames("catapult_pull"), "anim 24");
    EXPECT_EQ(kindAndFrames("catapult_launch"), "anim 24");
    EXPECT_EQ(kindAndFrames("guard_fly"), "anim 24");
    EXPECT_EQ(kindAndFrames("guard_hit"), "anim 14");
    EXPECT_EQ(kindAndFrames("guard_standup"), "anim 20");
    // The cursor comes from the shared sprites.
    EXPECT_EQ(kindAndFrames("cursor"), "missing");

    // The strip: start piece, then the loop piece again and again. Each
    // join steps no further than neighbouring columns inside do on average,
    // give or take; a wrong join (the start's edge against the loop's
    // middle) steps far more.
    const Picture start = DrawMeadowStart();
    const Picture loop = DrawMeadowLoop();
    ASSERT_EQ(start.Width(), 1425);
    ASSERT_EQ(start.Height(), 512);
    ASSERT_EQ(loop.Width(), 1647);
    ASSERT_EQ(loop.Height(), 512);
    double inside = 0.0;
    for (int x = 0; x + 1 < loop.Width(); ++x)
        inside += ColumnDifference(loop, x, loop, x + 1);
    inside /= loop.Width() - 1;
    EXPECT_LT(ColumnDifference(start, 1424, loop, 0), 3.0 * inside);
    EXPECT_LT(ColumnDifference(loop, 1646, loop, 0), 3.0 * inside);
    EXPECT_GT(ColumnDifference(start, 1424, loop, 800), 3.0 * inside);
    for (const Picture* piece : {&start, &loop})
        for (const int y : {0, 200, 482, 511})
            EXPECT_EQ(piece->Pixel(piece->Width() / 2, y) >> 24, 0xFFu);

    // The mask is drawn in front of the cart: where the wheels roll only
    // the low grass and the start line's thin post stand above its bottom.
    const Picture mask = DrawMeadowMask();
    ASSERT_EQ(mask.Width(), 1425);
    ASSERT_EQ(mask.Height(), 131);
    int tall = 0;
    for (int y = 0; y < mask.Height() - 27; ++y)
        for (int x = 150; x < 1300; ++x)
            tall += Visible(mask.Pixel(x, y));
    EXPECT_EQ(tall, 0);
    EXPECT_GT(Measure(mask).lowestRow, 120);

    // The cart's parts: one frame size, standing on row 390, not cut off,
    // no black.
    std::vector<Picture> cart;
    for (int frame = 0; frame < catapultWheelFrames; ++frame) {
        cart.push_back(DrawCatapultWheels(frame, false));
        cart.push_back(DrawCatapultWheels(frame, true));
    }
    for (int frame = 0; frame < catapultPullFrames; ++frame)
        cart.push_back(DrawCatapultPull(frame));
    for (int frame = 0; frame < catapultLaunchFrames; ++frame)
        cart.push_back(DrawCatapultLaunch(frame));
    for (std::size_t index = 0; index < cart.size(); ++index) {
        const Picture& picture = cart[index];
        ASSERT_EQ(picture.Width(), 440);
        ASSERT_EQ(picture.Height(), 680);
        const Extent extent = Measure(picture);
        EXPECT_FALSE(extent.touchesBorder) << index;
        EXPECT_EQ(extent.black, 0) << index;
        EXPECT_LE(extent.lowestRow, 392) << index;
        if (index < 2 * catapultWheelFrames) {
            EXPECT_GE(extent.lowestRow, 388) << index;
        }
    }

    // The wheels, and nothing else, turn clockwise: a quarter turn on, the
    // painted rim segment has gone from the right of the hub to below it.
    // The far side's are darker.
    const Picture wheels = DrawCatapultWheels(0, false);
    int outside = 0;
    for (int y = 0; y < wheels.Height(); ++y)
        for (int x = 0; x < wheels.Width(); ++x)
            outside += Visible(wheels.Pixel(x, y)) && std::hypot(x - 120.0, y - 345.0) > 48.0 &&
                       std::hypot(x - 290.0, y - 345.0) > 48.0;
    EXPECT_EQ(outside, 0);
    for (const int hub : {120, 290}) {
        const Offset before = RedMark(wheels, hub, 345);
        const Offset after = RedMark(DrawCatapultWheels(catapultWheelFrames / 4, false), hub, 345);
        EXPECT_GT(before.x, 20.0);
        EXPECT_LT(std::abs(before.y), 5.0);
        EXPECT_GT(after.y, 20.0);
        EXPECT_LT(std::abs(after.x), 5.0);
    }
    const Picture far = DrawCatapultWheels(0, true);
    long nearLight = 0;
    long farLight = 0;
    for (int x = 80; x < 160; ++x) {
        nearLight += Channel(wheels.Pixel(x, 345), 8);
        farLight += Channel(far.Pixel(x, 345), 8);
    }
    EXPECT_LT(farLight, nearLight * 9 / 10);

    // The knight rides in the bucket while the arm is tensioned and thrown,
    // and is gone from the release frame on, when the game starts him
    // flying at the bucket's tip.
    for (int frame = 0; frame < catapultPullFrames; ++frame)
        EXPECT_GT(TinPixels(cart[2 * catapultWheelFrames + frame]), 300) << frame;
    for (int frame = 0; frame < catapultLaunchFrames; ++frame) {
        const int tin = TinPixels(cart[2 * catapultWheelFrames + catapultPullFrames + frame]);
        if (frame < catapultReleaseFrame) {
            EXPECT_GT(tin, 300) << frame;
        } else {
            EXPECT_EQ(tin, 0) << frame;
        }
    }
    const Picture released = DrawCatapultLaunch(catapultReleaseFrame);
    int nearTip = 0;
    for (int y = 40 - 15; y <= 40 + 15; ++y)
        for (int x = 279 - 15; x <= 279 + 15; ++x)
            nearTip += Visible(released.Pixel(x, y));
    EXPECT_GT(nearTip, 200);

    // The knight: flying inside his frame, landing and standing on row 124.
    for (int frame = 0; frame < knightFlyFrames; ++frame) {
        const Picture fly = DrawKnightFlying(frame);
        ASSERT_EQ(fly.Width(), 160);
        ASSERT_EQ(fly.Height(), 184);
        const Extent extent = Measure(fly);
        EXPECT_FALSE(extent.touchesBorder) << frame;
        EXPECT_EQ(extent.black, 0) << frame;
    }
    for (int frame = 0; frame < knightHitFrames; ++frame) {
        const Extent extent = Measure(DrawKnightLanding(frame));
        EXPECT_FALSE(extent.touchesBorder) << frame;
        EXPECT_LE(extent.lowestRow, 127) << frame;
    }
    for (int frame = 0; frame < knightStandUpFrames; ++frame) {
        const Extent extent = Measure(DrawKnightStandingUp(frame));
        EXPECT_FALSE(extent.touchesBorder) << frame;
        EXPECT_NEAR(extent.lowestRow, 124, 3) << frame;
    }
    EXPECT_NEAR(Measure(DrawKnightLanding(knightHitFrames - 1)).lowestRow, 124, 3);
}
