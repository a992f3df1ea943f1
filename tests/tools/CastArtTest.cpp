// The cast's generated animations: the player's figure has every animation
// the game binds, each loads through the game's loaders as a run-length
// sprite, the strips keep their clear pixels in the loader's key, the
// figure stands as tall in every direction, each level's list has every
// animation of its cast, the palette keeps the drawing's colours, and the
// newcomers of episodes 2 and 3 wear their cape, cap, tabard, trumpet,
// beard and apron where they belong.

#include "GeneratedDataTest.h"
#include "ContentLists.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "app/Debug.h"
#include "characters/Episode1Cast.h"
#include "characters/Episode2Cast.h"
#include "characters/Episode3Cast.h"
#include "characters/PoseCycles.h"
#include "files/SettingsManager.h"
#include "graphics/AnimatedRLESprite.h"
#include "graphics/BmpLoader.h"
#include "graphics/RleFile.h"
#include "graphics/SpriteLoaderUtil.h"
#include "graphics/SpriteManager.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace names = castanimations;
using content::characters::Repertoire;

// Every label a character is played by in its part.
std::vector<std::string> CastLabels(std::string_view prefixName, Repertoire part)
{
    const std::string prefix(prefixName);
    std::vector<std::string> labels;
    for (const std::string_view direction : names::directions) {
        if (part != Repertoire::standing)
            labels.push_back(prefix + std::string(names::walk) + std::string(direction));
        labels.push_back(prefix + std::string(names::standing) + std::string(direction));
    }
    for (const std::string_view side : names::sides) {
        labels.push_back(prefix + std::string(names::talking) + std::string(side));
        if (part != Repertoire::player)
            continue;
        for (int variant = 1; variant <= names::idleVariants; ++variant)
            labels.push_back(prefix + std::string(names::idle) + std::to_string(variant) + "_" + std::string(side));
        for (const std::string_view take : names::takes)
            labels.push_back(prefix + std::string(take) + std::string(side));
    }
    return labels;
}

std::vector<std::string> PlayerLabels()
{
    return CastLabels(names::juna, Repertoire::player);
}

bool IsKey(const std::uint8_t* entry)
{
    return entry[2] >= 240 && entry[1] < 8 && entry[0] >= 240;
}

} // namespace

class CastArtTest : public GeneratedDataDisplayTest {};

TEST_F(CastArtTest, ThePlayersAnimationsLoadAsRunLengthSpritesStandingEquallyTallEveryWay)
{
    const auto list = ReadSpriteList("level01");
    const std::vector<std::string> labels = PlayerLabels();
    ASSERT_EQ(labels.size(), 16u + 4u * (1 + 5 + 3));
    for (const std::string& label : labels) {
        const auto line = list.find(label);
        ASSERT_NE(line, list.end()) << label;
        const SpriteListLine& words = line->second.back();
        ASSERT_EQ(words.size(), 5u) << label;
        EXPECT_EQ(words[1], "anim_rle") << label;
        // Pre-encoded by the generator (before anything here could write it),
        // as the release archive needs.
        const RleEncoding encoding{words[3] != "normx", true, std::stoi(words[4])};
        EXPECT_TRUE(std::filesystem::exists("data/level01/sprites/" + RleFile::FileName(words[2], encoding))) << label;
    }

    // The game's settings, as it has them when it loads a level.
    SettingsManager::GetInstance().LoadSettings("data\\config.txt");
    ASSERT_TRUE(SpriteLoaderUtil::Load("data\\level01\\sprites.txt", "data\\level01\\sprites\\", 0.0f, 1.0f));
    SpriteManager& manager = SpriteManager::GetInstance();
    for (const std::string& label : labels) {
        SCOPED_TRACE(label);
        auto* sprite = dynamic_cast<AnimatedRLESprite*>(manager.GetSprite(label));
        ASSERT_NE(sprite, nullptr);
        EXPECT_TRUE(sprite->HasAlpha());
        const bool loop = label.find(names::standing) == std::string::npos;
        EXPECT_GE(sprite->GetFrameCount(), loop ? 8 : 1);
        // Cropped: the clear key round the figure is left out.
        EXPECT_LT(sprite->GetWidth(0), sprite->GetFullWidth());
        EXPECT_LT(sprite->GetHeight(0), sprite->GetFullHeight());
    }

    // Standing, the figure is about 300 pixels from its hair to the shadow
    // under its soles in every direction, and it stands on the frame's
    // bottom middle; a left-facing direction is its right-facing one
    // mirrored.
    std::vector<int> heights;
    for (std::size_t direction = 0; direction < names::directions.size(); ++direction) {
        const std::string label = std::string(names::juna) + std::string(names::standing) +
                                  std::string(names::directions[direction]);
        SCOPED_TRACE(label);
        auto* sprite = dynamic_cast<AnimatedRLESprite*>(manager.GetSprite(label));
        ASSERT_NE(sprite, nullptr);
        const ImageRect crop = sprite->GetFrame(0).crop;
        heights.push_back(crop.GetHeight());
        EXPECT_GE(crop.bottom, sprite->GetFullHeight() - 3);
        const int middle = (crop.left + crop.right) / 2;
        EXPECT_LE(std::abs(middle - sprite->GetFullWidth() / 2), sprite->GetFullWidth() / 8);
        if (direction > 4) {
            auto* right = dynamic_cast<AnimatedRLESprite*>(manager.GetSprite(
                std::string(names::juna) + std::string(names::standing) + std::string(names::directions[8 - direction])));
            ASSERT_NE(right, nullptr);
            const ImageRect rightCrop = right->GetFrame(0).crop;
            EXPECT_EQ(crop.left, sprite->GetFullWidth() - 1 - rightCrop.right);
            EXPECT_EQ(crop.top, rightCrop.top);
        }
    }
    const auto [shortest, tallest] = std::minmax_element(heights.begin(), heights.end());
    EXPECT_LE(*tallest - *shortest, 4);
    EXPECT_GE(*shortest, 295);
    EXPECT_LE(*tallest, 320);
    EXPECT_EQ(Debug::GetInstance().GetWarningCount(), 0) << ReadFile("debug.txt");
    EXPECT_EQ(Debug::GetInstance().GetErrorCount(), 0);
    for (const std::string& label : content::SpriteLabels("data\\level01\\sprites.txt"))
        manager.RemoveSpriteInfo(label);
}

TEST_F(CastArtTest, EachLevelsListHasEveryAnimationOfItsCast)
{
    // Who plays in which level, and how much: episode 2 adds the taxi
    // driver and the Baron to episode 1's people; in episode 3 Juna, the
    // twins, KIRA and Rocko meet the herald and the smith.
    struct Part {
        std::string_view prefix;
        Repertoire repertoire;
    };
    const std::vector<Part> episode1 = {{names::juna, Repertoire::player},     {names::lotte, Repertoire::walking},
                                        {names::mia, Repertoire::walking},      {names::baltasar, Repertoire::walking},
                                        {names::kira, Repertoire::walking},     {names::kalani, Repertoire::standing}};
    std::vector<Part> episode2 = episode1;
    episode2.push_back({names::rocko, Repertoire::walking});
    episode2.push_back({names::baron, Repertoire::walking});
    // Episode 4 in the castle has the same people as episode 3.
    const std::vector<Part> episode3 = {{names::juna, Repertoire::player},     {names::lotte, Repertoire::walking},
                                        {names::mia, Repertoire::walking},      {names::kira, Repertoire::walking},
                                        {names::rocko, Repertoire::walking},    {names::herold, Repertoire::walking},
                                        {names::schmied, Repertoire::walking}};
    // On the Baron's moon: those who came in Rocko's taxi.
    const std::vector<Part> episode5(episode3.begin(), episode3.begin() + 5);
    for (const auto& [level, cast] :
         {std::pair{"level01", episode1}, std::pair{"level02", episode2}, std::pair{"level03", episode3},
          std::pair{"level04", episode3}, std::pair{"level05", episode5},
          std::pair{"level06", episode2}}) {
        SCOPED_TRACE(level);
        const auto list = ReadSpriteList(level);
        for (const Part& part : cast) {
            for (const std::string& label : CastLabels(part.prefix, part.repertoire)) {
                const bool still = label.find(names::standing) != std::string::npos;
                EXPECT_EQ(KindAndFrames(list, label), still ? "anim_rle 1" : "anim_rle 8") << label;
            }
        }
        // A character who only stands has no walk.
        EXPECT_EQ(KindAndFrames(list, std::string(names::kalani) + std::string(names::walk) + "down"), "missing");
    }
    // The captain stays behind in episode 3.
    EXPECT_EQ(KindAndFrames(ReadSpriteList("level03"), std::string(names::baltasar) + std::string(names::standing) +
                                                           "down"),
              "missing");
    EXPECT_EQ(KindAndFrames(ReadSpriteList("level01"), std::string(names::rocko) + std::string(names::standing) + "down"),
              "missing");
}

TEST_F(CastArtTest, StripsKeepTheirClearPixelsInTheKeyAndEveryOtherColourVisible)
{
    // The strips are 8-bit; every frame's corners are the magenta key, no
    // other palette entry falls into the loader's magenta range or near
    // black (which it would make clear or lift), and the coverage strip
    // beside is clear exactly where the key is.
    for (const char* file : {"juna_walk_rightdown", "juna_talking_down", "kira_idlemain_down", "mia_walk_right"}) {
        SCOPED_TRACE(file);
        const std::string base = std::string("data\\level01\\sprites\\") + file;
        BmpLoader::Result result;
        const std::unique_ptr<Image> strip = BmpLoader::GetInstance().Read((base + ".bmp").c_str(), result);
        const std::unique_ptr<Image> coverage = BmpLoader::GetInstance().Read((base + "_alpha.bmp").c_str(), result);
        ASSERT_TRUE(strip && coverage);
        ASSERT_EQ(strip->GetDepth(), 8);
        ASSERT_EQ(coverage->GetDepth(), 8);
        const std::uint8_t* palette = strip->GetPalette();
        ASSERT_TRUE(IsKey(palette));
        const int width = strip->GetWidth();
        const int frames = std::stoi(ReadSpriteList("level01").at(file).back().at(4));
        const int frameHeight = strip->GetHeight() / frames;
        int visible = 0;
        for (int y = 0; y < strip->GetHeight(); ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint8_t index = strip->GetData()[static_cast<std::size_t>(y) * width + x];
                const std::uint8_t level = coverage->GetData()[static_cast<std::size_t>(y) * width + x];
                const std::uint8_t* entry = palette + index * 4;
                if (index == 0) {
                    ASSERT_EQ(level, 0) << x << "," << y;
                    continue;
                }
                ++visible;
                ASSERT_GE(level, content::rleClearBelow) << x << "," << y;
                ASSERT_FALSE(IsKey(entry)) << x << "," << y;
                ASSERT_FALSE(entry[0] < 16 && entry[1] < 16 && entry[2] < 16) << x << "," << y;
            }
        }
        EXPECT_GT(visible, width * frameHeight * frames / 20);
        for (int frame = 0; frame < frames; ++frame) {
            for (const int y : {frame * frameHeight, (frame + 1) * frameHeight - 1})
                for (const int x : {0, width - 1})
                    EXPECT_EQ(strip->GetData()[static_cast<std::size_t>(y) * width + x], 0) << frame;
        }
    }
}

TEST(CastPaletteTest, TheCharactersPaletteKeepsTheDrawnColours)
{
    // Juna's palette cut from her standing and walking frames maps every
    // visible pixel of them close to the colour drawn: on average within
    // two levels a channel, and all but a few edge pixels within twelve.
    const content::characters::CastMember& juna = content::characters::Episode1Cast().front();
    std::vector<content::Picture> frames;
    frames.push_back(juna.DrawFrame(content::characters::Direction::down, content::characters::StandingPose()));
    for (int frame = 0; frame < content::characters::walkFrames; frame += 3)
        frames.push_back(juna.DrawFrame(content::characters::Direction::right, content::characters::WalkPose(frame)));
    content::PaletteQuantiser palette;
    for (const content::Picture& frame : frames)
        content::CountColours(palette, frame);
    palette.Build();
    EXPECT_GT(palette.ColourCount(), 64);

    double errorSum = 0.0;
    int pixels = 0;
    int far = 0;
    for (const content::Picture& frame : frames) {
        for (int y = 0; y < frame.Height(); ++y) {
            for (int x = 0; x < frame.Width(); ++x) {
                const std::uint32_t pixel = frame.Pixel(x, y);
                if ((pixel >> 24) < content::rleClearBelow)
                    continue;
                const std::uint8_t index = palette.Index(pixel & 0xFFFFFF);
                ASSERT_NE(index, content::PaletteQuantiser::keyIndex);
                const std::uint32_t mapped = palette.Colours()[index];
                int worst = 0;
                for (const int shift : {0, 8, 16}) {
                    const int error = std::abs(static_cast<int>((pixel >> shift) & 0xFF) -
                                               static_cast<int>((mapped >> shift) & 0xFF));
                    errorSum += error;
                    worst = std::max(worst, error);
                }
                far += worst > 12 ? 1 : 0;
                ++pixels;
            }
        }
    }
    ASSERT_GT(pixels, 0);
    EXPECT_LT(errorSum / (3.0 * pixels), 2.0);
    EXPECT_LT(far, pixels / 200);
}

namespace {

using content::characters::CastMember;
using content::characters::FigureLook;

// The member of `cast` whose animations have `prefix`.
const CastMember& Member(const std::vector<CastMember>& cast, std::string_view prefix)
{
    return *std::find_if(cast.begin(), cast.end(), [&](const CastMember& one) { return one.Prefix() == prefix; });
}

// The pixel of a figure's frame `up` units above its soles and `across`
// units right of them.
std::uint32_t FigurePixel(const content::Picture& frame, const FigureLook& look, double across, double up)
{
    const double scale = look.heightPixels / 100.0;
    return frame.Pixel(static_cast<int>(frame.Width() / 2 + across * scale),
                       static_cast<int>(frame.Height() - (CastMember::groundMargin + up) * scale));
}

int Channel(std::uint32_t argb, int shift)
{
    return static_cast<int>((argb >> shift) & 0xFF);
}

} // namespace

TEST(CastRigTest, TheNewcomersWearTheirCapeAndCapWhereTheyBelong)
{
    using content::characters::Direction;
    const auto& cast = content::characters::Episode2Cast();
    // Blue above red above green, well apart: the cape's purples, not the
    // coat's bluish silver.
    const auto violet = [&](std::uint32_t argb) {
        return Channel(argb, 0) > Channel(argb, 8) + 40 && Channel(argb, 0) > Channel(argb, 16) + 10 &&
               Channel(argb, 16) > Channel(argb, 8);
    };

    // The Baron's cape hangs behind him: from behind it covers his back at
    // the waist, from the front his silver coat is there; it reaches below
    // the coat to the calves on both sides of his legs.
    const FigureLook baron = content::characters::BaronLook();
    const CastMember& baronMember = Member(cast, names::baron);
    const content::Picture back = baronMember.DrawFrame(Direction::up, content::characters::StandingPose());
    const content::Picture front = baronMember.DrawFrame(Direction::down, content::characters::StandingPose());
    const double waist = baron.hipHeight + 6.0;
    EXPECT_TRUE(violet(FigurePixel(back, baron, 0.0, waist))) << std::hex << FigurePixel(back, baron, 0.0, waist);
    const std::uint32_t coat = FigurePixel(front, baron, 0.0, waist);
    EXPECT_FALSE(violet(coat)) << std::hex << coat;
    EXPECT_LT(std::abs(Channel(coat, 16) - Channel(coat, 8)), 30) << std::hex << coat;
    for (const double side : {-1.0, 1.0}) {
        const std::uint32_t hem = FigurePixel(front, baron, side * (baron.shoulderHalf + 3.0), 18.0);
        EXPECT_EQ(hem >> 24, 0xFFu);
        EXPECT_TRUE(violet(hem)) << std::hex << hem;
    }
    // Walking, the cape's hem trails further behind him than standing.
    const auto rearmost = [](const content::Picture& frame, int row) {
        for (int x = 0; x < frame.Width(); ++x)
            if ((frame.Pixel(x, row) >> 24) >= 128)
                return x;
        return frame.Width();
    };
    const int hemRow = static_cast<int>(front.Height() - (CastMember::groundMargin + 20.0) * baron.heightPixels / 100.0);
    const int standing = rearmost(baronMember.DrawFrame(Direction::right, content::characters::StandingPose()), hemRow);
    const int walking = rearmost(baronMember.DrawFrame(Direction::right, content::characters::WalkPose(0)), hemRow);
    EXPECT_LE(walking, standing - 4);

    // Rocko's flat cap shows yellow and near-black checks across its crown
    // in every direction.
    const FigureLook rocko = content::characters::RockoLook();
    for (const Direction direction : {Direction::up, Direction::right, Direction::rightDown, Direction::down}) {
        const content::Picture frame = Member(cast, names::rocko).DrawFrame(direction, content::characters::StandingPose());
        int yellow = 0;
        int black = 0;
        const double crown = 98.5 - rocko.headRadius * 0.2;
        for (double across = -rocko.headRadius * 0.8; across <= rocko.headRadius * 0.8; across += 0.25) {
            const std::uint32_t argb = FigurePixel(frame, rocko, across, crown);
            yellow += Channel(argb, 16) > 200 && Channel(argb, 8) > 150 && Channel(argb, 0) < 120 ? 1 : 0;
            black += Channel(argb, 16) < 70 && Channel(argb, 8) < 70 && Channel(argb, 0) < 90 ? 1 : 0;
        }
        EXPECT_GT(yellow, 8) << static_cast<int>(direction);
        EXPECT_GT(black, 8) << static_cast<int>(direction);
    }
}

TEST(CastRigTest, TheHeraldWearsAQuarteredTabardAndTrumpetAndTheSmithHisBeardAndApron)
{
    using content::characters::Direction;
    const auto& cast = content::characters::Episode3Cast();
    const auto red = [&](std::uint32_t argb) {
        return Channel(argb, 16) > Channel(argb, 8) + 60 && Channel(argb, 16) > Channel(argb, 0) + 60;
    };
    const auto white = [&](std::uint32_t argb) {
        return Channel(argb, 16) > 200 && Channel(argb, 8) > 200 && Channel(argb, 0) > 200;
    };
    const auto brass = [&](std::uint32_t argb) {
        return (argb >> 24) == 0xFF && Channel(argb, 16) > 190 && Channel(argb, 8) > 140 && Channel(argb, 0) < 120;
    };

    // The herald's tabard is quartered red and white: from the front, red
    // over white on the viewer's left and white over red on the right; from
    // behind the other way round. Above the belt and below it, away from
    // the falcon and the seam.
    const FigureLook herold = content::characters::HeroldLook();
    const CastMember& herald = Member(cast, names::herold);
    const content::Picture front = herald.DrawFrame(Direction::down, content::characters::StandingPose());
    const content::Picture back = herald.DrawFrame(Direction::up, content::characters::StandingPose());
    const double chest = herold.hipHeight + 7.0;
    const double skirt = herold.hipHeight - 7.0;
    for (const auto& [frame, leftTopRed] : {std::pair{&front, true}, std::pair{&back, false}}) {
        for (const double across : {-6.0, 6.0}) {
            const bool redAbove = (across < 0.0) == leftTopRed;
            const std::uint32_t above = FigurePixel(*frame, herold, across, chest);
            const std::uint32_t below = FigurePixel(*frame, herold, across, skirt);
            EXPECT_TRUE(redAbove ? red(above) && white(below) : white(above) && red(below))
                << leftTopRed << " " << across << std::hex << " " << above << " " << below;
        }
    }
    // He holds the trumpet upright on the viewer's right: its brass bell
    // rises over his head there, and nothing of it on the left.
    int brassLeft = 0;
    int brassRight = 0;
    for (double up = 100.0; up < 125.0; up += 0.5) {
        for (double across = -30.0; across <= 30.0; across += 0.5)
            (across < 0.0 ? brassLeft : brassRight) += brass(FigurePixel(front, herold, across, up)) ? 1 : 0;
    }
    EXPECT_EQ(brassLeft, 0);
    EXPECT_GT(brassRight, 60);

    // The smith's crown is bare skin, his beard dark below the mouth, and
    // his leather apron covers his thighs in front but not behind.
    const FigureLook schmied = content::characters::SchmiedLook();
    const CastMember& smith = Member(cast, names::schmied);
    const content::Picture smithFront = smith.DrawFrame(Direction::down, content::characters::StandingPose());
    const content::Picture smithBack = smith.DrawFrame(Direction::up, content::characters::StandingPose());
    const std::uint32_t crown = FigurePixel(smithFront, schmied, schmied.headRadius * 0.3, 98.5 - schmied.headRadius * 0.25);
    EXPECT_GT(Channel(crown, 16) + Channel(crown, 8) + Channel(crown, 0), 450) << std::hex << crown;
    const double headCentre = 98.5 - schmied.headRadius;
    const std::uint32_t beard = FigurePixel(smithFront, schmied, 0.0, headCentre - schmied.headRadius * 0.85);
    EXPECT_EQ(beard >> 24, 0xFFu);
    EXPECT_LT(std::max({Channel(beard, 16), Channel(beard, 8), Channel(beard, 0)}), 110) << std::hex << beard;
    const auto leather = [&](std::uint32_t argb) {
        return (argb >> 24) == 0xFF && Channel(argb, 16) > 100 && Channel(argb, 16) - Channel(argb, 0) > 50;
    };
    for (const double across : {-schmied.hipHalf, schmied.hipHalf}) {
        const double thigh = schmied.hipHeight - 15.0;
        const std::uint32_t inFront = FigurePixel(smithFront, schmied, across, thigh);
        const std::uint32_t behind = FigurePixel(smithBack, schmied, across, thigh);
        EXPECT_TRUE(leather(inFront)) << std::hex << inFront;
        EXPECT_FALSE(leather(behind)) << std::hex << behind;
    }
}
