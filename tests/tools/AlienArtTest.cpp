// The alien shooting gallery's sprites: every label the level loads is
// listed with its kind and frames; each cover mask is the yard's own pixels
// wherever it is opaque; and at every place where an alien pops up, the
// fully risen alien's lower part is hidden by its own row of cover or a
// nearer one while its upper part stands free of them.

#include "GeneratedDataTest.h"
#include "SpriteArt.h"
#include "minigames/AlienArt.h"
#include "minigames/AlienBlobs.h"
#include "minigames/MoonBaseYard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

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

TEST(AlienArtTest, EveryLabelIsListedAndTheCoverHidesTheLowerPartOfEveryRisenAlien)
{
    const auto list = ReadSpriteList("level11");
    const auto kindAndFrames = [&list](const std::string& label) { return KindAndFrames(list, label); };
    for (const std::string label : {"background", "background_frontmask", "background_middlemask",
                                    "background_backmask", "crosshair_cursor", "icon_spray", "panel", "panel_small",
                                    "panel_message"})
        EXPECT_EQ(kindAndFrames(label), "static") << label;
    for (const std::string label : {"alien1", "alien2", "alien3", "alien_explo"})
        EXPECT_EQ(kindAndFrames(label), "anim 16") << label;
    // The cursor outside the play comes from the shared sprites.
    EXPECT_EQ(kindAndFrames("cursor"), "missing");
    EXPECT_EQ(DrawCrosshair().Width(), 64);
    EXPECT_EQ(DrawSprayIcon().Height(), 90);

    // The splat fades out by its last frame.
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
    for (int kind = 1; kind <= alienKinds; ++kind) {
        // Still clear while below the cover; at the layer change it is still
        // under the cover line; fully risen, its bottom on the frame's edge.
        for (int frame = 0; frame < alienHiddenFrames; ++frame)
            EXPECT_TRUE(Clear(DrawAlienFrame(kind, frame))) << kind << " " << frame;
        EXPECT_GT(TopRow(DrawAlienFrame(kind, alienHiddenFrames)), alienFrameHeight - coverRise) << kind;
        const Picture risen = DrawAlienFrame(kind, alienFrames - 1);
        ASSERT_EQ(risen.Width(), 160);
        ASSERT_EQ(risen.Height(), 200);
        int foot = 0;
        for (int x = 0; x < alienFrameWidth; ++x)
            foot += (risen.Pixel(x, alienFrameHeight - 1) >> 24) >= 128 ? 1 : 0;
        EXPECT_GT(foot, 40) << kind;
        const int height = alienFrameHeight - TopRow(risen);
        EXPECT_GT(height, 120) << kind;

        for (const AlienPlace& place : alienPlaces) {
            const double bottom = PlaceBottom(place);
            const double tall = height * place.scale;
            const double wide = 0.22 * alienFrameWidth * place.scale;
            for (const double across : {-wide, 0.0, wide}) {
                for (const double up : {0.05, 0.15, 0.28})
                    EXPECT_TRUE(covered(place.row, place.x + across, bottom - up * tall))
                        << kind << " at " << place.x << "," << place.y << " lower " << up;
                for (const double up : {0.8, 0.95})
                    EXPECT_FALSE(covered(place.row, place.x + across, bottom - up * tall))
                        << kind << " at " << place.x << "," << place.y << " upper " << up;
            }
        }
    }
}
