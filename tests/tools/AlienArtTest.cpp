// The alien shooting gallery's sprites: every label the level loads is
// listed with its kind and frames; each cover mask is the yard's own pixels
// wherever it is opaque; the fully risen alien sits on its cover line with
// nothing below it; and at every place where an alien pops up, whatever a
// rising alien shows below the cover line is hidden by its own row of cover
// or a nearer one. The Schleimling the rooms draw stands on its foot at its
// scale in every pose.

#include "minigames/AlienArt.h"
#include "GeneratedDataTest.h"
#include "SpriteArt.h"
#include "minigames/AlienBlobs.h"
#include "minigames/MoonBaseYard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using content::Picture;
using namespace content::minigames;

// The first row from the top with a mostly opaque pixel; the height when
// there is none.
int TopRow(const Picture& picture)
{
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if ((picture.Pixel(x, y) >> 24) >= 128)
                return y;
    return picture.Height();
}

bool Clear(const Picture& picture)
{
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if ((picture.Pixel(x, y) >> 24) != 0)
                return false;
    return true;
}

} // namespace

TEST(AlienArtTest, EveryLabelIsListedAndEveryRisenAlienSitsOnItsCover)
{
    const auto list = ReadSpriteList("level11");
    const auto kindAndFrames = [&list](const std::string& label) { return KindAndFrames(list, label); };
    for (const std::string label :
         {"background", "background_frontmask", "background_middlemask", "background_backmask", "crosshair_cursor",
          "icon_spray", "panel", "panel_small", "panel_message"})
        EXPECT_EQ(kindAndFrames(label), "static") << label;
    // Drawn scaled for their distance: run-length animations.
    for (const std::string label : {"alien1", "alien2", "alien3", "alien_explo"})
        EXPECT_EQ(kindAndFrames(label), "anim_rle 16") << label;
    // The cursor outside the play comes from the shared sprites.
    EXPECT_EQ(kindAndFrames("cursor"), "missing");
    EXPECT_EQ(DrawCrosshair().Width(), 64);
    EXPECT_EQ(DrawSprayIcon().Height(), 90);

    // The splat stays inside its frame and fades out by its last frame.
    for (int frame = 0; frame < splatFrames; ++frame) {
        const Picture splat = DrawAlienSplat(frame);
        ASSERT_EQ(splat.Height(), 270);
        for (int x = 0; x < splat.Width(); ++x)
            EXPECT_EQ((splat.Pixel(x, 0) | splat.Pixel(x, splat.Height() - 1)) >> 24, 0u) << frame << " " << x;
        for (int y = 0; y < splat.Height(); ++y)
            EXPECT_EQ((splat.Pixel(0, y) | splat.Pixel(splat.Width() - 1, y)) >> 24, 0u) << frame << " " << y;
    }
    EXPECT_FALSE(Clear(DrawAlienSplat(8)));
    EXPECT_TRUE(Clear(DrawAlienSplat(splatFrames - 1)));

    const MoonBaseYard yard = DrawMoonBaseYard();
    ASSERT_EQ(yard.background.Width(), 1024);
    ASSERT_EQ(yard.background.Height(), 512);
    const Picture* masks[] = {&yard.backMask, &yard.middleMask, &yard.frontMask};
    int opaque[3] = {};
    for (int y = 0; y < yardHeight; ++y)
        for (int x = 0; x < yardWidth; ++x) {
            const std::uint32_t pixel = yard.background.Pixel(x, y);
            ASSERT_EQ(pixel >> 24, 0xFFu) << x << " " << y;
            for (int row = 0; row < 3; ++row) {
                const std::uint32_t cover = masks[row]->Pixel(x, y);
                if ((cover >> 24) == 0xFF) {
                    ++opaque[row];
                    ASSERT_EQ(cover, pixel) << row << " " << x << " " << y;
                }
            }
        }
    for (const int count : opaque)
        EXPECT_GT(count, 5000);

    // Whether a pixel of the yard is hidden behind `row` or a nearer row.
    const auto covered = [&masks](CoverRow row, double x, double y) {
        if (y >= yardHeight)
            return true; // below the play band
        for (int nearer = static_cast<int>(row); nearer < 3; ++nearer)
            if ((masks[nearer]->Pixel(static_cast<int>(x), static_cast<int>(y)) >> 24) >= 128)
                return true;
        return false;
    };
    // Every pixel below the cover line that any rising frame of any kind
    // shows, in frame coordinates.
    std::vector<std::pair<int, int>> belowLine;
    for (int kind = 1; kind <= alienKinds; ++kind) {
        // Still clear while below the cover; at the layer change all of it is
        // still under the cover line.
        for (int frame = 0; frame < alienHiddenFrames; ++frame)
            EXPECT_TRUE(Clear(DrawAlienFrame(kind, frame))) << kind << " " << frame;
        EXPECT_GT(TopRow(DrawAlienFrame(kind, alienHiddenFrames)), alienCoverLine) << kind;
        for (int frame = alienHiddenFrames; frame < alienFrames; ++frame) {
            const Picture picture = DrawAlienFrame(kind, frame);
            ASSERT_EQ(picture.Width(), 160);
            ASSERT_EQ(picture.Height(), 200);
            // Nothing cut off at the frame's top or sides.
            for (int x = 0; x < alienFrameWidth; ++x)
                EXPECT_EQ(picture.Pixel(x, 0) >> 24, 0u) << kind << " " << frame << " " << x;
            for (int y = 0; y < alienFrameHeight; ++y)
                EXPECT_EQ((picture.Pixel(0, y) | picture.Pixel(alienFrameWidth - 1, y)) >> 24, 0u)
                    << kind << " " << frame << " " << y;
            for (int y = alienCoverLine; y < alienFrameHeight; ++y)
                for (int x = 0; x < alienFrameWidth; ++x)
                    if ((picture.Pixel(x, y) >> 24) != 0)
                        belowLine.emplace_back(x, y);
        }
        // Fully risen it sits on the cover line: its foot on the row just
        // above, nothing of it below, so it looks the same whether the game
        // draws it behind its cover or in front.
        const Picture risen = DrawAlienFrame(kind, alienFrames - 1);
        int foot = 0;
        for (int x = 0; x < alienFrameWidth; ++x) {
            foot += (risen.Pixel(x, alienCoverLine - 1) >> 24) >= 128 ? 1 : 0;
            for (int y = alienCoverLine; y < alienFrameHeight; ++y)
                ASSERT_EQ(risen.Pixel(x, y) >> 24, 0u) << kind << " " << x << " " << y;
        }
        EXPECT_GT(foot, 30) << kind;
        const int height = alienCoverLine - TopRow(risen);
        EXPECT_GT(height, 90) << kind;

        // Its body's middle is in the open at every place, not hidden by a
        // nearer row of cover.
        for (const AlienPlace& place : alienPlaces)
            EXPECT_FALSE(covered(place.row, place.x, PlaceBottom(place) - (coverRise + 0.3 * height) * place.scale))
                << kind << " at " << place.x << "," << place.y;
    }
    std::sort(belowLine.begin(), belowLine.end());
    belowLine.erase(std::unique(belowLine.begin(), belowLine.end()), belowLine.end());
    EXPECT_GT(belowLine.size(), 4000u);
    // The rounded lids of the barrels and the steps between the cover lines
    // of neighbouring places leave slivers right under a line where a
    // climbing alien's rim shows for a frame; deeper down nothing shows.
    constexpr int rim = 15;
    for (const AlienPlace& place : alienPlaces) {
        int open = 0;
        for (const auto& [x, y] : belowLine) {
            if (covered(place.row, place.x + (x + 0.5 - alienFrameWidth / 2.0) * place.scale,
                        PlaceBottom(place) - (alienFrameHeight - y - 0.5) * place.scale))
                continue;
            EXPECT_LT(y, alienCoverLine + rim) << place.x << "," << place.y << ": " << x << "," << y;
            ++open;
        }
        EXPECT_LT(open, 150) << place.x << "," << place.y;
    }
}

TEST(AlienArtTest, ARoomsSchleimlingStandsOnItsFootAtItsScale)
{
    // The opaque box of a picture: left, top, right, bottom (inclusive).
    const auto box = [](const Picture& picture) {
        std::array<int, 4> found = {picture.Width(), picture.Height(), -1, -1};
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if ((picture.Pixel(x, y) >> 24) >= 128)
                    found = {std::min(found[0], x), std::min(found[1], y), std::max(found[2], x),
                             std::max(found[3], y)};
        return found;
    };
    const auto draw = [](int kind, double scale, double phase, BlobPose pose) {
        Picture picture(300, 300);
        DrawBlob(picture.Cairo(), kind, 150.0, 250.0, scale, phase, pose);
        return picture;
    };
    const auto same = [](const Picture& a, const Picture& b) {
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (a.Pixel(x, y) != b.Pixel(x, y))
                    return false;
        return true;
    };
    // The small kind at rest: a body 70 high, stalks 18 and eyes of radius
    // 9 above it, 30 to each side, in a 3-pixel outline: its foot on the
    // row above y, its eyes' tops about 98 above, about 63 wide round x;
    // at half the scale half of it.
    for (const double scale : {1.0, 0.5}) {
        SCOPED_TRACE(scale);
        const auto [left, top, right, bottom] = box(draw(1, scale, 0.0, BlobPose::wobbling));
        EXPECT_EQ(bottom, 249);
        EXPECT_NEAR(250 - top, 98.0 * scale, 3.0);
        EXPECT_NEAR(150 - left, 32.0 * scale, 3.0);
        EXPECT_LE(right - 150, 36.0 * scale);
    }
    // Hiding, it ducks to 0.72 of its height with its stalks a third as
    // long and its eyes shut: about 66 high.
    const auto [left, top, right, bottom] = box(draw(1, 1.0, 0.0, BlobPose::hiding));
    EXPECT_EQ(bottom, 249);
    EXPECT_NEAR(250 - top, 66.0, 4.0);
    // Every kind and pose moves through a closed cycle and stays within its
    // foot's row and a little over its width.
    for (int kind = 1; kind <= alienKinds; ++kind) {
        for (const BlobPose pose : {BlobPose::wobbling, BlobPose::pressed, BlobPose::hiding}) {
            SCOPED_TRACE(kind);
            EXPECT_TRUE(same(draw(kind, 1.0, 0.0, pose), draw(kind, 1.0, 1.0, pose)));
            EXPECT_FALSE(same(draw(kind, 1.0, 0.0, pose), draw(kind, 1.0, 0.25, pose)));
            for (int frame = 0; frame < 6; ++frame) {
                const auto [l, t, r, b] = box(draw(kind, 1.0, frame / 6.0, pose));
                EXPECT_EQ(b, 249);
                EXPECT_GT(l, 150 - 60);
                EXPECT_LT(r, 150 + 60);
                EXPECT_GT(t, 250 - 130);
            }
        }
    }
}
