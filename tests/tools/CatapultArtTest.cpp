// The catapult throw's sprites: every label the level loads is listed with
// its kind and frames, the cart's and the knight's as pre-encoded run-length
// sprites of their full frame size; the meadow's pieces have the widths the
// game lays them out by and join without a seam; the written strips keep
// the drawing's colours and its soft edges; the cart and the knight, as the
// game reads them, stand on the ground rows the game places them by, are
// never cut off at their frames' edges and have no black in them; the
// wheels turn clockwise; the knight sits in the bucket until the release
// frame and is gone from it then.

#include "GeneratedDataTest.h"
#include "ContentLists.h"
#include "SpriteArt.h"
#include "minigames/SiegeCatapult.h"
#include "minigames/TournamentKnight.h"
#include "minigames/TournamentMeadow.h"
#include "app/Debug.h"
#include "files/SettingsManager.h"
#include "graphics/AnimatedRLESprite.h"
#include "graphics/BmpLoader.h"
#include "graphics/RleFile.h"
#include "graphics/SpriteLoaderUtil.h"
#include "graphics/SpriteManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
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

// A frame of a written run-length strip as the game's bitmap loader reads
// it: each pixel's colour from the 8-bit strip's palette, its coverage from
// the grey strip beside; 0xAARRGGBB as Picture::Pixel gives it.
struct WrittenFrame {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    int Width() const { return width; }
    int Height() const { return height; }
    std::uint32_t Pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The frames of a strip in data\level09\sprites; none when its bitmaps are
// missing, not 8-bit, or not `frames` frames of `width` x `height`.
std::vector<WrittenFrame> ReadStrip(const std::string& label, int frames, int width, int height)
{
    const std::string base = "data\\level09\\sprites\\" + label;
    BmpLoader::Result result;
    const std::unique_ptr<Image> strip = BmpLoader::GetInstance().Read((base + ".bmp").c_str(), result);
    const std::unique_ptr<Image> coverage = BmpLoader::GetInstance().Read((base + "_alpha.bmp").c_str(), result);
    std::vector<WrittenFrame> read;
    if (!strip || !coverage || strip->GetDepth() != 8 || coverage->GetDepth() != 8 || strip->GetWidth() != width ||
        coverage->GetWidth() != width || strip->GetHeight() != frames * height ||
        coverage->GetHeight() != frames * height)
        return read;
    const std::uint8_t* palette = strip->GetPalette();
    const std::uint8_t* indices = strip->GetData();
    const std::uint8_t* levels = coverage->GetData();
    for (int frame = 0; frame < frames; ++frame) {
        WrittenFrame written{width, height, {}};
        written.pixels.reserve(static_cast<std::size_t>(width) * height);
        for (int pixel = 0; pixel < width * height; ++pixel, ++indices, ++levels) {
            const std::uint8_t* entry = palette + *indices * 4;
            const std::uint32_t alpha = *indices == 0 ? 0 : *levels;
            written.pixels.push_back(alpha == 0 ? 0 : alpha << 24 | entry[2] << 16 | entry[1] << 8 | entry[0]);
        }
        read.push_back(std::move(written));
    }
    return read;
}

// What a frame shows: its lowest visible row, whether anything touches its
// border, and its visible pixels that are black or nearly so.
struct Extent {
    int lowestRow = -1;
    bool touchesBorder = false;
    int black = 0;
};

template <typename Frame>
Extent Measure(const Frame& picture)
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
template <typename Frame>
int TinPixels(const Frame& picture)
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
template <typename Frame>
Offset RedMark(const Frame& wheels, int hubX, int hubY)
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

// How closely a written frame keeps a drawn one: its coverage exactly
// where the drawing is visible and clear elsewhere; the colours on average
// within two levels a channel and all but a few edge pixels within twelve;
// and how many of its pixels are soft (neither clear nor opaque).
struct Fidelity {
    int coverageMismatches = 0;
    double meanError = 0.0;
    int far = 0;
    int visible = 0;
    int soft = 0;
};

Fidelity Compare(const Picture& drawn, const WrittenFrame& written)
{
    Fidelity fidelity;
    long errorSum = 0;
    for (int y = 0; y < drawn.Height(); ++y)
        for (int x = 0; x < drawn.Width(); ++x) {
            const std::uint32_t want = drawn.Pixel(x, y);
            const std::uint32_t got = written.Pixel(x, y);
            const std::uint32_t alpha = Visible(want) ? want >> 24 : 0;
            fidelity.coverageMismatches += (got >> 24) != alpha;
            if (alpha == 0 || (got >> 24) == 0)
                continue;
            int worst = 0;
            for (const int shift : {16, 8, 0}) {
                const int error = std::abs(Channel(want, shift) - Channel(got, shift));
                errorSum += error;
                worst = std::max(worst, error);
            }
            fidelity.far += worst > 12;
            fidelity.soft += alpha < 255;
            ++fidelity.visible;
        }
    fidelity.meanError = fidelity.visible == 0 ? 0.0 : errorSum / (3.0 * fidelity.visible);
    return fidelity;
}

struct Strip {
    const char* label;
    int frames;
    int width;
    int height;
};
constexpr Strip strips[] = {
    {"catapult_wheels_front", catapultWheelFrames, catapultFrameWidth, catapultFrameHeight},
    {"catapult_wheels_back", catapultWheelFrames, catapultFrameWidth, catapultFrameHeight},
    {"catapult_pull", catapultPullFrames, catapultFrameWidth, catapultFrameHeight},
    {"catapult_launch", catapultLaunchFrames, catapultFrameWidth, catapultFrameHeight},
    {"guard_fly", knightFlyFrames, knightFrameWidth, knightFrameHeight},
    {"guard_hit", knightHitFrames, knightFrameWidth, knightFrameHeight},
    {"guard_standup", knightStandUpFrames, knightFrameWidth, knightFrameHeight},
};

} // namespace

class CatapultArtTest : public GeneratedDataDisplayTest {};

TEST_F(CatapultArtTest, EveryLabelIsListedAndTheCatapultAndKnightStandOnASeamlessMeadow)
{
    const auto list = ReadSpriteList("level09");
    const auto kindAndFrames = [&list](const std::string& label) { return KindAndFrames(list, label); };
    for (const std::string label :
         {"background_start", "background_loop", "background_mask", "panel", "panel_small", "panel_message"})
        EXPECT_EQ(kindAndFrames(label), "static") << label;
    EXPECT_EQ(kindAndFrames("catapult_wheels_front"), "anim_rle 16");
    EXPECT_EQ(kindAndFrames("catapult_wheels_back"), "anim_rle 16");
    EXPECT_EQ(kindAndFrames("catapult_pull"), "anim_rle 24");
    EXPECT_EQ(kindAndFrames("catapult_launch"), "anim_rle 24");
    EXPECT_EQ(kindAndFrames("guard_fly"), "anim_rle 24");
    EXPECT_EQ(kindAndFrames("guard_hit"), "anim_rle 14");
    EXPECT_EQ(kindAndFrames("guard_standup"), "anim_rle 20");
    // The cursor comes from the shared sprites.
    EXPECT_EQ(kindAndFrames("cursor"), "missing");

    // Each strip pre-encoded by the generator, as the release archive needs,
    // and built by the game's loader as a cropped run-length sprite of the
    // full frame size the level places it by, with soft edges.
    SettingsManager::GetInstance().LoadSettings("data\\config.txt");
    ASSERT_TRUE(SpriteLoaderUtil::Load("data\\level09\\sprites.txt", "data\\level09\\sprites\\", 0.0f, 1.0f));
    SpriteManager& manager = SpriteManager::GetInstance();
    for (const Strip& strip : strips) {
        SCOPED_TRACE(strip.label);
        EXPECT_TRUE(std::filesystem::exists(
            "data/level09/sprites/" + RleFile::FileName(strip.label, RleEncoding{false, true, strip.frames})));
        auto* sprite = dynamic_cast<AnimatedRLESprite*>(manager.GetSprite(strip.label));
        ASSERT_NE(sprite, nullptr);
        EXPECT_TRUE(sprite->HasAlpha());
        EXPECT_EQ(sprite->GetFrameCount(), strip.frames);
        EXPECT_EQ(sprite->GetFullWidth(), strip.width);
        EXPECT_EQ(sprite->GetFullHeight(), strip.height);
        EXPECT_LT(sprite->GetWidth(0), strip.width);
        EXPECT_LT(sprite->GetHeight(0), strip.height);
    }
    EXPECT_EQ(Debug::GetInstance().GetWarningCount(), 0) << ReadFile("debug.txt");
    EXPECT_EQ(Debug::GetInstance().GetErrorCount(), 0);
    for (const std::string& label : content::SpriteLabels("data\\level09\\sprites.txt"))
        manager.RemoveSpriteInfo(label);

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

    // The strips as written: the cart's parts and the knight's. Their first
    // frames, the release and a landing keep the drawing.
    std::vector<std::vector<WrittenFrame>> written;
    for (const Strip& strip : strips) {
        written.push_back(ReadStrip(strip.label, strip.frames, strip.width, strip.height));
        ASSERT_EQ(written.back().size(), static_cast<std::size_t>(strip.frames)) << strip.label;
    }
    const std::vector<WrittenFrame>& front = written[0];
    const std::vector<WrittenFrame>& back = written[1];
    const std::vector<WrittenFrame>& pull = written[2];
    const std::vector<WrittenFrame>& launch = written[3];
    const struct {
        Picture drawn;
        const WrittenFrame& got;
    } kept[] = {
        {DrawCatapultWheels(0, false), front[0]},
        {DrawCatapultWheels(0, true), back[0]},
        {DrawCatapultPull(catapultPullFrames - 1), pull.back()},
        {DrawCatapultLaunch(catapultReleaseFrame), launch[catapultReleaseFrame]},
        {DrawKnightFlying(0), written[4][0]},
        {DrawKnightLanding(knightHitFrames / 2), written[5][knightHitFrames / 2]},
        {DrawKnightStandingUp(0), written[6][0]},
    };
    for (std::size_t index = 0; index < std::size(kept); ++index) {
        const Fidelity fidelity = Compare(kept[index].drawn, kept[index].got);
        EXPECT_EQ(fidelity.coverageMismatches, 0) << index;
        EXPECT_GT(fidelity.visible, 1000) << index;
        EXPECT_LT(fidelity.meanError, 2.0) << index;
        EXPECT_LE(fidelity.far, fidelity.visible / 200) << index;
        EXPECT_GT(fidelity.soft, fidelity.visible / 50) << index;
    }

    // The cart's parts stand on row 390, not cut off, no black.
    std::vector<const WrittenFrame*> cart;
    for (const std::vector<WrittenFrame>* part : {&front, &back, &pull, &launch})
        for (const WrittenFrame& frame : *part)
            cart.push_back(&frame);
    for (std::size_t index = 0; index < cart.size(); ++index) {
        const Extent extent = Measure(*cart[index]);
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
    const WrittenFrame& wheels = front[0];
    int outside = 0;
    for (int y = 0; y < wheels.Height(); ++y)
        for (int x = 0; x < wheels.Width(); ++x)
            outside += Visible(wheels.Pixel(x, y)) && std::hypot(x - 120.0, y - 345.0) > 48.0 &&
                       std::hypot(x - 290.0, y - 345.0) > 48.0;
    EXPECT_EQ(outside, 0);
    for (const int hub : {120, 290}) {
        const Offset before = RedMark(wheels, hub, 345);
        const Offset after = RedMark(front[catapultWheelFrames / 4], hub, 345);
        EXPECT_GT(before.x, 20.0);
        EXPECT_LT(std::abs(before.y), 5.0);
        EXPECT_GT(after.y, 20.0);
        EXPECT_LT(std::abs(after.x), 5.0);
    }
    const WrittenFrame& far = back[0];
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
        EXPECT_GT(TinPixels(pull[frame]), 300) << frame;
    for (int frame = 0; frame < catapultLaunchFrames; ++frame) {
        const int tin = TinPixels(launch[frame]);
        if (frame < catapultReleaseFrame) {
            EXPECT_GT(tin, 300) << frame;
        } else {
            EXPECT_EQ(tin, 0) << frame;
        }
    }
    const WrittenFrame& released = launch[catapultReleaseFrame];
    int nearTip = 0;
    for (int y = 40 - 15; y <= 40 + 15; ++y)
        for (int x = 279 - 15; x <= 279 + 15; ++x)
            nearTip += Visible(released.Pixel(x, y));
    EXPECT_GT(nearTip, 200);

    // The knight: flying inside his frame, landing and standing on row 124.
    for (int frame = 0; frame < knightFlyFrames; ++frame) {
        const Extent extent = Measure(written[4][frame]);
        EXPECT_FALSE(extent.touchesBorder) << frame;
        EXPECT_EQ(extent.black, 0) << frame;
    }
    for (int frame = 0; frame < knightHitFrames; ++frame) {
        const Extent extent = Measure(written[5][frame]);
        EXPECT_FALSE(extent.touchesBorder) << frame;
        EXPECT_LE(extent.lowestRow, 127) << frame;
    }
    for (int frame = 0; frame < knightStandUpFrames; ++frame) {
        const Extent extent = Measure(written[6][frame]);
        EXPECT_FALSE(extent.touchesBorder) << frame;
        EXPECT_NEAR(extent.lowestRow, 124, 3) << frame;
    }
    EXPECT_NEAR(Measure(written[5].back()).lowestRow, 124, 3);
}
