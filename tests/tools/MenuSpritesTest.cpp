// The main menu's generated sprites against the menu's layout: every label
// the menu plays is listed, and every picture fits where the menu puts it.

#include "GeneratedDataTest.h"
#include "ImagePixels.h"
#include "graphics/BmpLoader.h"
#include "graphics/JpegLoader.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::string kind;  // "static" or "anim"
    std::string file;
    int frames = 1;
};

// The main menu's list by label; the last line of a label counts, as it
// does for the loader.
std::map<std::string, Entry> ReadMenuList()
{
    std::map<std::string, Entry> entries;
    for (const auto& [label, lines] : ReadSpriteList("menu")) {
        const SpriteListLine& words = lines.back();
        Entry& entry = entries[label];
        entry.kind = words.size() > 1 ? words[1] : "";
        entry.file = words.size() > 2 ? words[2] : "";
        if (entry.kind == "anim" && words.size() > 4)
            entry.frames = std::stoi(words[4]);
    }
    return entries;
}

// A rectangle with exclusive right and bottom edges.
struct Box {
    int left, top, right, bottom;
};

bool Overlap(const Box& a, const Box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool OnScreen(const Box& box)
{
    return box.left >= 0 && box.top >= 0 && box.right <= 1024 && box.bottom <= 768;
}

bool Inside(const Box& inner, const Box& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

Box Centred(int x, int y, int width, int height)
{
    return {x - width / 2, y - height / 2, x - width / 2 + width, y - height / 2 + height};
}

Box TopLeft(int x, int y, int width, int height)
{
    return {x, y, x + width, y + height};
}

// The text box of a big-font menu item whose top edge is centred on (x, y):
// "Zurück" is well under 240 pixels wide and one 50-pixel line high.
Box BackButton(int x, int y)
{
    return {x - 120, y, x + 120, y + 50};
}

constexpr std::uint32_t magenta = 0xFF00FF;

} // namespace

class MenuSpritesTest : public GeneratedDataTest {
protected:
    void SetUp() override
    {
        GeneratedDataTest::SetUp();
        entries = ReadMenuList();
    }

    // The picture of a label, the bitmap preferred as the game prefers it.
    std::unique_ptr<Image> Art(const std::string& label)
    {
        const auto entry = entries.find(label);
        if (entry == entries.end())
            return nullptr;
        const std::string base = "data\\menu\\sprites\\" + entry->second.file;
        BmpLoader::Result result;
        if (std::filesystem::exists("data/menu/sprites/" + entry->second.file + ".bmp"))
            return BmpLoader::GetInstance().Read((base + ".bmp").c_str(), result);
        return JpegLoader::GetInstance().Load((base + ".jpg").c_str());
    }

    // The size of one frame of a label's picture; (0, 0) when it is missing.
    std::pair<int, int> FrameSize(const std::string& label)
    {
        const std::unique_ptr<Image> art = Art(label);
        if (!art)
            return {0, 0};
        const int frames = entries[label].frames;
        EXPECT_EQ(art->GetHeight() % frames, 0) << label;
        return {art->GetWidth(), art->GetHeight() / frames};
    }

    std::map<std::string, Entry> entries;
};

TEST_F(MenuSpritesTest, TheListHoldsEveryLabelOfTheMainMenuAndNoSharedOne)
{
    const std::vector<std::string> pages = {"credits_background", "options_background", "help_background",
                                            "minigames_background", "highscore_background", "bonus_background",
                                            "credits_mask_top", "credits_mask_bottom"};
    for (const std::string& label : pages) {
        ASSERT_TRUE(entries.contains(label)) << label;
        EXPECT_EQ(entries[label].kind, "static") << label;
    }
    const std::vector<std::string> hoverable = {"help_arrow_left", "help_arrow_right", "minigame1", "minigame2",
                                                "minigame3", "minigame4", "small_background1", "small_background2",
                                                "small_background3", "small_background4", "small_poster"};
    for (const std::string& label : hoverable) {
        ASSERT_TRUE(entries.contains(label)) << label;
        // A normal and a highlighted frame.
        EXPECT_EQ(entries[label].kind, "anim") << label;
        EXPECT_EQ(entries[label].frames, 2) << label;
    }
    for (const char* label :
         {"big_background1", "big_background2", "big_background3", "big_background4", "big_poster"})
        EXPECT_TRUE(entries.contains(label)) << label;
    // No label of the shared list: SharedSpritesTest checks both lists.
    EXPECT_EQ(entries.size(), pages.size() + hoverable.size() + 5);
}

TEST_F(MenuSpritesTest, PicturesFitTheLayout)
{
    for (const char* label : {"credits_background", "options_background", "help_background",
                              "minigames_background", "highscore_background", "bonus_background"}) {
        EXPECT_EQ(FrameSize(label), std::make_pair(1024, 768)) << label;
    }

    // The masks span the screen's width at the top and down from row 689.
    const auto [topWidth, topHeight] = FrameSize("credits_mask_top");
    EXPECT_EQ(topWidth, 1024);
    EXPECT_GE(topHeight, 40);
    EXPECT_LE(topHeight, 200);
    EXPECT_EQ(FrameSize("credits_mask_bottom"), std::make_pair(1024, 768 - 689));

    // The tiles keep apart from each other and from "Zurück" at (300, 633),
    // placed by their top-left corner or by their centre.
    const int tileX[] = {224, 475, 132, 382};
    const int tileY[] = {281, 281, 454, 453};
    for (const bool centred : {false, true}) {
        SCOPED_TRACE(centred ? "centred" : "top-left");
        std::vector<Box> boxes;
        for (int tile = 0; tile < 4; ++tile) {
            const auto [width, height] = FrameSize("minigame" + std::to_string(tile + 1));
            ASSERT_GT(width, 100);
            ASSERT_GT(height, 80);
            boxes.push_back(centred ? Centred(tileX[tile], tileY[tile], width, height)
                                    : TopLeft(tileX[tile], tileY[tile], width, height));
            EXPECT_TRUE(OnScreen(boxes.back())) << tile;
            EXPECT_FALSE(Overlap(boxes.back(), BackButton(300, 633))) << tile;
        }
        for (std::size_t a = 0; a < boxes.size(); ++a)
            for (std::size_t b = a + 1; b < boxes.size(); ++b)
                EXPECT_FALSE(Overlap(boxes[a], boxes[b])) << a << " and " << b;
    }

    // The small pictures fill most of their hit boxes without leaving them.
    const int smallX[] = {180, 844, 180, 844};
    const int smallY[] = {225, 225, 563, 563};
    for (int picture = 0; picture < 4; ++picture) {
        const auto [width, height] = FrameSize("small_background" + std::to_string(picture + 1));
        const Box hitBox{smallX[picture] - 100, smallY[picture] - 75, smallX[picture] + 100, smallY[picture] + 75};
        EXPECT_TRUE(Inside(Centred(smallX[picture], smallY[picture], width, height), hitBox)) << picture;
        EXPECT_GE(width * height, 200 * 150 * 8 / 10) << picture;
    }
    const auto [posterWidth, posterHeight] = FrameSize("small_poster");
    EXPECT_TRUE(Inside(Centred(512, 384, posterWidth, posterHeight), Box{512 - 98, 384 - 138, 512 + 98, 384 + 138}));
    EXPECT_GE(posterWidth * posterHeight, 196 * 276 * 8 / 10);

    // The enlarged pictures stay on the screen and off "Zurück" at (137, 694).
    for (const char* label :
         {"big_background1", "big_background2", "big_background3", "big_background4", "big_poster"}) {
        const auto [width, height] = FrameSize(label);
        EXPECT_GE(width, 400) << label;
        EXPECT_GE(height, 400) << label;
        EXPECT_TRUE(OnScreen(Centred(512, 384, width, height))) << label;
        EXPECT_FALSE(Overlap(Centred(512, 384, width, height), BackButton(137, 694))) << label;
    }

    // The help arrows sit side by side at (714, 697) and (764, 697).
    const auto [leftWidth, leftHeight] = FrameSize("help_arrow_left");
    const auto [rightWidth, rightHeight] = FrameSize("help_arrow_right");
    EXPECT_GE(leftWidth, 24);
    EXPECT_FALSE(Overlap(TopLeft(714, 697, leftWidth, leftHeight), TopLeft(764, 697, rightWidth, rightHeight)));
    EXPECT_TRUE(OnScreen(TopLeft(764, 697, rightWidth, rightHeight)));
}

TEST_F(MenuSpritesTest, MasksFadeTowardsTheMiddleAndTilesHaveClearCorners)
{
    // Coverage is white where the mask hides the text: along the screen's
    // edge, and not at all where the text is read.
    BmpLoader::Result result;
    const std::unique_ptr<Image> top =
        BmpLoader::GetInstance().Read("data\\menu\\sprites\\credits_mask_topAlpha.bmp", result);
    const std::unique_ptr<Image> bottom =
        BmpLoader::GetInstance().Read("data\\menu\\sprites\\credits_mask_bottomAlpha.bmp", result);
    ASSERT_TRUE(top);
    ASSERT_TRUE(bottom);
    for (const int x : {0, 300, 512, 1023}) {
        EXPECT_GE(top->GetPixel(x, 0) & 0xFF, 0xF0u) << x;
        EXPECT_LE(top->GetPixel(x, top->GetHeight() - 1) & 0xFF, 0x10u) << x;
        EXPECT_LE(bottom->GetPixel(x, 0) & 0xFF, 0x10u) << x;
        EXPECT_GE(bottom->GetPixel(x, bottom->GetHeight() - 1) & 0xFF, 0xF0u) << x;
    }
    // Coverage falls steadily across the top mask.
    for (int y = 1; y < top->GetHeight(); ++y)
        EXPECT_LE(top->GetPixel(512, y) & 0xFF, top->GetPixel(512, y - 1) & 0xFF) << y;

    // Rounded tiles and pictures: clear in the corners of every frame,
    // drawn in the middle.
    for (const char* label : {"minigame1", "minigame2", "minigame3", "minigame4", "small_background1",
                              "small_background2", "small_background3", "small_background4", "small_poster"}) {
        SCOPED_TRACE(label);
        const std::unique_ptr<Image> art = Art(label);
        ASSERT_TRUE(art);
        const int height = art->GetHeight() / 2;
        for (int frame = 0; frame < 2; ++frame) {
            EXPECT_EQ(Rgb24(*art, 0, frame * height), magenta);
            EXPECT_EQ(Rgb24(*art, art->GetWidth() - 1, frame * height + height - 1), magenta);
            EXPECT_NE(Rgb24(*art, art->GetWidth() / 2, frame * height + height / 2), magenta);
        }
        // The highlighted frame's rim differs from the normal one's.
        EXPECT_NE(Rgb24(*art, 5, height / 2), Rgb24(*art, 5, height + height / 2));
    }
}

TEST_F(MenuSpritesTest, OpaquePicturesHaveNoPixelTheGameTakesForTransparent)
{
    // The loader turns magenta-like pixels into black, and black is the
    // colour key: either would punch a hole into a page.
    for (const char* label :
         {"credits_background", "options_background", "help_background", "minigames_background",
          "highscore_background", "bonus_background", "big_background1", "big_background2", "big_background3",
          "big_background4", "big_poster"}) {
        SCOPED_TRACE(label);
        const std::unique_ptr<Image> art = Art(label);
        ASSERT_TRUE(art);
        ASSERT_EQ(art->GetDepth(), 24);
        int holes = 0;
        for (int y = 0; y < art->GetHeight(); ++y)
            for (int x = 0; x < art->GetWidth(); ++x) {
                const std::uint32_t colour = Rgb24(*art, x, y);
                const std::uint32_t red = colour >> 16;
                const std::uint32_t green = (colour >> 8) & 0xFF;
                const std::uint32_t blue = colour & 0xFF;
                const bool magentaLike = red >= 240 && green < 8 && blue >= 240;
                holes += magentaLike || colour == 0 ? 1 : 0;
            }
        EXPECT_EQ(holes, 0);
    }
}
