// The dance contest's sprites: every label the dance level loads is listed
// with its frames, and each dancer's move starts and ends as the figure
// stands and on the way leans, steps or reaches to the side of the screen
// its direction names, or stretches up or squats for up and down.

#include "GeneratedDataTest.h"
#include "SpriteArt.h"
#include "characters/DancePoses.h"
#include "characters/Episode1Cast.h"
#include "characters/PoseCycles.h"
#include "minigames/DanceArt.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using content::Picture;
using namespace content::characters;

// The mean column and the top row of a picture's visible pixels.
struct Coverage {
    double meanX = 0.0;
    int top = 0;
};

Coverage CoverageOf(const Picture& picture)
{
    double sum = 0.0;
    double weight = 0.0;
    int top = picture.Height();
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint32_t* row = picture.PremultipliedRow(y);
        for (int x = 0; x < picture.Width(); ++x) {
            const double alpha = (row[x] >> 24) / 255.0;
            sum += alpha * x;
            weight += alpha;
            if (alpha > 0.5 && y < top)
                top = y;
        }
    }
    return {sum / weight, top};
}

bool SamePixels(const Picture& a, const Picture& b)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

} // namespace

TEST(DanceArtTest, EveryLabelIsListedAndEachMoveGoesFromStandingToItsSideOfTheScreenAndBack)
{
    const auto list = ReadSpriteList("level07");
    const auto kindAndFrames = [&list](const std::string& label) { return KindAndFrames(list, label); };
    EXPECT_EQ(kindAndFrames("background"), "static");
    EXPECT_EQ(kindAndFrames("hawaii_background"), "static");
    EXPECT_EQ(kindAndFrames("ball"), "static");
    for (int move = 1; move <= 8; ++move)
        EXPECT_EQ(kindAndFrames("num" + std::to_string(move)), "anim 6") << move;
    for (const std::string prefix : {"juna", "lotte", "mia"}) {
        EXPECT_EQ(kindAndFrames(prefix + "_dance_idle"), "anim_rle 12");
        for (int move = 1; move <= 8; ++move)
            EXPECT_EQ(kindAndFrames(prefix + "_dance_move" + std::to_string(move)), "anim_rle 12") << prefix << move;
    }

    // The frame in the thick of each move, and the side of the screen it
    // goes to: 1 up, 2 right, 3 left, 4 down left, 5 down right, 6 up left,
    // 7 up right, 8 down (the figure faces the viewer, so the screen's
    // right is its own left).
    struct Expected {
        int frame;
        int side; // -1 left, 0 neither, 1 right
    };
    const Expected expected[8] = {{3, 0}, {4, 1}, {4, -1}, {5, -1}, {5, 1}, {5, -1}, {5, 1}, {4, 0}};
    for (const FigureLook& look : {JunaLook(), LotteLook()}) {
        const Picture standing = content::minigames::DrawDancer(look, {StandingPose()});
        const Coverage still = CoverageOf(standing);
        const double pixelsPerUnit = look.heightPixels / 100.0;
        for (int move = 1; move <= 8; ++move) {
            EXPECT_TRUE(SamePixels(content::minigames::DrawDancer(look, DanceMovePose(move, 0)), standing)) << move;
            EXPECT_TRUE(SamePixels(content::minigames::DrawDancer(look, DanceMovePose(move, danceMoveFrames - 1)),
                                   standing))
                << move;
            const Coverage moving =
                CoverageOf(content::minigames::DrawDancer(look, DanceMovePose(move, expected[move - 1].frame)));
            const double towards = (moving.meanX - still.meanX) / pixelsPerUnit;
            if (expected[move - 1].side == 0) {
                EXPECT_NEAR(towards, 0.0, 0.5) << move;
            } else {
                EXPECT_GT(towards * expected[move - 1].side, 2.0) << move;
            }
            // Up is a jump with the arms stretched high; down a squat
            // that brings the head down.
            const double higher = (still.top - moving.top) / pixelsPerUnit;
            if (move == 1) {
                EXPECT_GT(higher, 10.0);
            }
            if (move == 8) {
                EXPECT_LT(higher, -10.0);
            }
        }
    }
}
