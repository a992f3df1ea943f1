// The taxi chase's sprites: every label the level loads is listed with its
// kind and frames, the ships' bodies fill the rectangles the game hits them
// by (the fighters flying left in the mirror image of those flying right),
// no visible pixel of a ship is black, and the nebula runs on from its
// right edge into its left one without a seam.

#include "GeneratedDataTest.h"
#include "SpriteArt.h"
#include "minigames/Nebula.h"
#include "minigames/TaxiShips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using content::Picture;
using namespace content::minigames;

struct Rect {
    int left, top, right, bottom;
};

// The share of a rectangle's pixels that are mostly opaque.
double OpaqueShare(const Picture& picture, const Rect& rect)
{
    int opaque = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            opaque += (picture.Pixel(x, y) >> 24) >= 128 ? 1 : 0;
    return opaque / static_cast<double>((rect.right - rect.left) * (rect.bottom - rect.top));
}

// Visible pixels whose colour is black or nearly so.
int BlackPixels(const Picture& picture)
{
    int black = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const std::uint32_t pixel = picture.Pixel(x, y);
            if ((pixel >> 24) >= 16 && ((pixel >> 16) & 0xFF) < 16 && ((pixel >> 8) & 0xFF) < 16 &&
                (pixel & 0xFF) < 16)
                ++black;
        }
    return black;
}

// The summed difference of the red, green and blue of two columns.
long ColumnDifference(const Picture& picture, int a, int b)
{
    long sum = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint32_t p = picture.Pixel(a, y);
        const std::uint32_t q = picture.Pixel(b, y);
        for (const int shift : {16, 8, 0})
            sum += std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF));
    }
    return sum;
}

} // namespace

TEST(TaxiArtTest, EveryLabelIsListedAndTheShipsFillTheirHitRectanglesOnASeamlessNebula)
{
    const auto list = ReadSpriteList("level08");
    const auto kindAndFrames = [&list](const std::string& label) { return KindAndFrames(list, label); };
    for (const std::string label : {"nebula_background", "star1", "star2", "star3", "star4", "taxi_laser",
                                    "flash_light", "taxi_hud", "panel", "panel_small", "panel_message"})
        EXPECT_EQ(kindAndFrames(label), "static") << label;
    EXPECT_EQ(kindAndFrames("photo_sign"), "anim 2");
    for (const std::string ship : {"taxi", "fighter_right", "fighter_left"}) {
        EXPECT_EQ(kindAndFrames(ship), "anim 4") << ship;
        EXPECT_EQ(kindAndFrames(ship + "_up"), "anim 4") << ship;
        EXPECT_EQ(kindAndFrames(ship + "_down"), "anim 4") << ship;
        EXPECT_EQ(kindAndFrames(ship + "_explo"), "anim 12") << ship;
    }

    // The game's hit rectangles, in the frames' pixels. Level flight fills
    // them; climbing and diving turn the ship a little about its middle,
    // so the corners of the long taxi's rectangles may stick out.
    const Rect taxiRects[] = {{15, 42, 55, 58}, {55, 30, 92, 58}, {92, 37, 156, 58}};
    const Rect fighterRects[] = {{37, 19, 59, 36},  {46, 36, 68, 62},   {57, 62, 90, 94},
                                 {41, 94, 67, 109}, {32, 109, 53, 121}, {22, 121, 66, 126}};
    for (int frame = 0; frame < flightFrames; ++frame) {
        for (const double pitch : {0.0, 0.14, -0.14}) {
            const Picture taxi = DrawTaxiFrame(frame, pitch);
            ASSERT_EQ(taxi.Width(), 170);
            ASSERT_EQ(taxi.Height(), 70);
            for (const Rect& rect : taxiRects)
                EXPECT_GT(OpaqueShare(taxi, rect), pitch == 0.0 ? 0.95 : 0.8)
                    << frame << " " << pitch << " " << rect.left;
            EXPECT_EQ(BlackPixels(taxi), 0);
        }
        for (const double pitch : {0.0, 0.14, -0.14}) {
            const Picture right = DrawFighterFrame(frame, pitch, false);
            const Picture left = DrawFighterFrame(frame, pitch, true);
            ASSERT_EQ(right.Width(), 140);
            ASSERT_EQ(right.Height(), 130);
            for (const Rect& rect : fighterRects) {
                const Rect mirrored{140 - rect.right, rect.top, 140 - rect.left, rect.bottom};
                const double threshold = pitch == 0.0 ? 0.85 : 0.65;
                EXPECT_GT(OpaqueShare(right, rect), threshold) << frame << " " << pitch << " " << rect.top;
                EXPECT_GT(OpaqueShare(left, mirrored), threshold) << frame << " " << pitch << " " << rect.top;
            }
            EXPECT_EQ(BlackPixels(right), 0);
            int mismatched = 0;
            for (int y = 0; y < 130; ++y)
                for (int x = 0; x < 140; ++x)
                    mismatched += std::abs(static_cast<int>(right.Pixel(x, y) >> 24) -
                                           static_cast<int>(left.Pixel(139 - x, y) >> 24)) > 8;
            EXPECT_LT(mismatched, 20) << frame << " " << pitch;
        }
    }

    // Scrolled, the nebula's last column meets its first: the step there is
    // no larger than between two neighbouring columns in its middle.
    Picture nebula(nebulaWidth, nebulaHeight);
    DrawNebula(nebula.Cairo());
    EXPECT_EQ(nebula.Pixel(0, 0) >> 24, 0xFFu);
    const long seam = ColumnDifference(nebula, nebulaWidth - 1, 0);
    long inside = 0;
    for (const int x : {100, 300, 500, 700, 900})
        inside = std::max(inside, ColumnDifference(nebula, x, x + 1));
    EXPECT_LE(seam, inside * 3 / 2);
}
