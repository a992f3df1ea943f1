// The generated shared sprites, read through the game's image loaders and
// checked against the places where the game draws them: every label is
// there, and each picture fits its positions on the 1024 x 768 screen.

#include "GeneratedDataTest.h"
#include "ImagePixels.h"
#include "files/File.h"
#include "graphics/Image.h"
#include "graphics/SpriteLoaderUtil.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string artFolder = "data\\sharedadventure\\sprites\\";

// A picture of the shared folder as the game sees it.
class Art : public ArtPixels {
public:
    explicit Art(const std::string& file) : ArtPixels(artFolder + file) {}
};

struct Box {
    int left;
    int top;
    int width;
    int height;
};

struct Brightness {
    double mean = 0.0;
    double brightShare = 0.0; // of pixels brighter than 170
};

Brightness Measure(const Art& art, const Box& box)
{
    Brightness result;
    int count = 0;
    int bright = 0;
    for (int y = box.top; y < box.top + box.height; ++y) {
        for (int x = box.left; x < box.left + box.width; ++x) {
            const double luminance = art.Luminance(x, y);
            result.mean += luminance;
            bright += luminance > 170.0 ? 1 : 0;
            ++count;
        }
    }
    result.mean /= count;
    result.brightShare = static_cast<double>(bright) / count;
    return result;
}

// The field picture's reaction area as the inventory tests the pointer:
// over a field drawn at (0, 0) when 48 <= trunc((y - 1) * 0.55 + x) < 179
// and 0 <= y < 75.
bool InFieldArea(int x, int y)
{
    if (y < 0 || y >= 75)
        return false;
    const int slanted = static_cast<int>(std::trunc((y - 1) * 0.55 + x));
    return slanted >= 48 && slanted < 179;
}

} // namespace

class SharedSpritesTest : public GeneratedDataTest {};

TEST_F(SharedSpritesTest, ListNamesEveryLabelTheGameDrawsOnceWithItsArt)
{
    const std::map<std::string, std::vector<SpriteListLine>> list = ReadSpriteList("sharedadventure");
    const std::vector<std::string> labels = {
        "loading", "menu_background", "savegame_background", "savegame_load_background",
        "ingame_options_background", "dialogue_log_background", "options_bar", "cursor", "menu_arrow_left", "menu_arrow_right",
        "savegame_marker", "savegame_empty_slot", "inventar", "inventar_field", "inventar_field_empty",
        "inventar_field_selection", "inventar_arrow_left", "inventar_arrow_right", "conversation_bar", "shadow",
        "sprechblase_rect", "sprechblase_left", "sprechblase_right", "hotspot_marker"};
    for (const std::string& label : labels) {
        SCOPED_TRACE(label);
        const auto found = list.find(label);
        ASSERT_NE(found, list.end());
        ASSERT_EQ(found->second.size(), 1u);
        const std::vector<std::string>& tokens = found->second.front();
        ASSERT_GE(tokens.size(), 4u);
        EXPECT_TRUE((tokens.size() == 4 && tokens[1] == "static") || (tokens.size() == 5 && tokens[1] == "anim"));
        EXPECT_EQ(tokens[3], "normx");
        EXPECT_TRUE(File::Exists((artFolder + tokens[2] + ".bmp").c_str()) ||
                    File::Exists((artFolder + tokens[2] + ".jpg").c_str()));
    }
    // Two pictures are also read by their file names.
    EXPECT_EQ(list.at("loading").front()[2], "loading");
    EXPECT_EQ(list.at("savegame_empty_slot").front()[2], "savegame_empty_slot");
    // Nothing else, and nothing the main menu's own list names: it reads
    // this list after its own, and a later description replaces an earlier.
    EXPECT_EQ(list.size(), labels.size());
    const std::map<std::string, std::vector<SpriteListLine>> menuList = ReadSpriteList("menu");
    EXPECT_FALSE(menuList.empty());
    for (const auto& [label, lines] : menuList)
        EXPECT_EQ(list.count(label), 0u) << label;
}

TEST_F(SharedSpritesTest, PagesCoverTheScreenAndTheSlotPictureACell)
{
    for (const char* page : {"loading", "menu_background", "savegame_background", "savegame_load_background",
                             "ingame_options_background", "dialogue_log_background"}) {
        SCOPED_TRACE(page);
        const Art art(page);
        ASSERT_TRUE(art.Loaded());
        EXPECT_EQ(art.Width(), 1024);
        EXPECT_EQ(art.Height(), 768);
        EXPECT_FALSE(art.HasAlpha());
        // Opaque everywhere, corners included.
        for (const auto& [x, y] : {std::pair{0, 0}, {1023, 0}, {0, 767}, {1023, 767}, {512, 384}})
            EXPECT_EQ(art.Coverage(x, y), 255) << x << ", " << y;
    }
    const Art slot("savegame_empty_slot");
    ASSERT_TRUE(slot.Loaded());
    EXPECT_EQ(slot.Width(), 256);
    EXPECT_EQ(slot.Height(), 128);

    // The marker sits on a hovered cell: no larger than the cell, and clear
    // in the middle so the slot's picture stays visible.
    const Art marker("savegame_marker");
    ASSERT_TRUE(marker.Loaded());
    EXPECT_LE(marker.Width(), 256);
    EXPECT_LE(marker.Height(), 128);
    EXPECT_EQ(marker.Coverage(marker.Width() / 2, marker.Height() / 2), 0);
    EXPECT_GT(marker.Coverage(marker.Width() / 2, 5), 128);
}

TEST_F(SharedSpritesTest, MenuItemsStandOnCalmGround)
{
    const Art menu("menu_background");
    ASSERT_TRUE(menu.Loaded());
    // The main page puts n items (6 or 7) at x = 541 + k * (-185 / n),
    // y = 209 + k * (362 / n); the in-game page at (541 - 37 k, 209 + 67 k);
    // both put their last item at (325, 634). Text is centred on x, about
    // 300 pixels wide at most, one big line (50 pixels) high.
    std::vector<std::pair<int, int>> items = {{325, 634}};
    for (const int n : {6, 7})
        for (int k = 0; k < n; ++k)
            items.emplace_back(static_cast<int>(541.0 + k * (-185.0 / n)), static_cast<int>(209.0 + k * (362.0 / n)));
    for (int k = 0; k < 4; ++k)
        items.emplace_back(541 - 37 * k, 209 + 67 * k);
    for (const auto& [x, y] : items) {
        const Brightness ground = Measure(menu, {x - 150, y, 300, 50});
        EXPECT_LT(ground.mean, 60.0) << x << ", " << y;
        EXPECT_LT(ground.brightShare, 0.01) << x << ", " << y;
    }
    // The quit question of the in-game menu on the same page.
    for (const Box& box : {Box{350, 270, 300, 100}, Box{378, 400, 100, 50}, Box{353, 460, 100, 50}}) {
        const Brightness ground = Measure(menu, box);
        EXPECT_LT(ground.mean, 60.0) << box.left << ", " << box.top;
    }
}

TEST_F(SharedSpritesTest, InGameOptionsHaveACaptionLeftOfEveryChoice)
{
    const Art page("ingame_options_background");
    ASSERT_TRUE(page.Loaded());
    // Choice items centred on x 798, 126 wide with their arrows; rows of the
    // in-game variant: difficulty 292, speech bubbles 348, volumes 447, 475,
    // 504 and 533. The choices' light letters need ground well below their
    // own brightness (above 200), bright speckles aside.
    for (const int row : {292, 348, 447, 475, 504, 533}) {
        SCOPED_TRACE(row);
        const Brightness choice = Measure(page, {798 - 80, row, 160, 30});
        EXPECT_LT(choice.mean, 80.0);
        EXPECT_LT(choice.brightShare, 0.01);
        const Brightness caption = Measure(page, {450, row, 250, 30});
        EXPECT_GT(caption.brightShare, 0.02);
    }
    // No caption between the first two rows.
    EXPECT_LT(Measure(page, {450, 324, 250, 20}).brightShare, 0.002);
}

TEST_F(SharedSpritesTest, LoadingPictureLeavesADarkTroughForTheProgressBar)
{
    const Art loading("loading");
    ASSERT_TRUE(loading.Loaded());
    // The bar is filled in orange from x 382 to 665, rows 631 to 640.
    const Brightness trough = Measure(loading, {382, 631, 284, 10});
    EXPECT_LT(trough.mean, 40.0);
    EXPECT_EQ(trough.brightShare, 0.0);
}

TEST_F(SharedSpritesTest, InventoryBarFieldsAndArrowsFitTheirPlaces)
{
    const Art bar("inventar");
    ASSERT_TRUE(bar.Loaded());
    // Drawn at y 656: it reaches the bottom edge and no further.
    EXPECT_EQ(bar.Width(), 1024);
    EXPECT_EQ(bar.Height(), 768 - 656);
    EXPECT_EQ(bar.Coverage(512, bar.Height() - 1), 255);

    // Four fields at x 212 + 140 i, y 669.
    for (const char* label : {"inventar_field", "inventar_field_empty"}) {
        SCOPED_TRACE(label);
        const Art field(label);
        ASSERT_TRUE(field.Loaded());
        EXPECT_LE(669 + field.Height(), 768);
        // Between the scroll arrows: left arrow up to x 156, right from 869.
        EXPECT_LE(212 + 3 * 140 + field.Width(), 869);
        // The field covers where it reacts, but for a thin rim.
        int reacting = 0;
        int covered = 0;
        for (int y = 3; y < 72; ++y) {
            for (int x = 0; x < 200; ++x) {
                if (!InFieldArea(x - 3, y) || !InFieldArea(x + 3, y))
                    continue;
                ++reacting;
                covered += field.Coverage(x, y) == 255 ? 1 : 0;
            }
        }
        EXPECT_GT(reacting, 5000);
        EXPECT_EQ(covered, reacting);
        // Neighbouring fields, 140 pixels apart, do not overlap.
        for (int y = 0; y < field.Height(); ++y)
            for (int x = 140; x < field.Width(); ++x)
                ASSERT_FALSE(field.Coverage(x, y) > 0 && field.Coverage(x - 140, y) > 0) << x << ", " << y;
    }

    // The selection is drawn at (field x + 5, field y + 1) over the item's
    // icon: a frame inside the field's picture, clear in the middle.
    const Art field("inventar_field");
    const Art selection("inventar_field_selection");
    ASSERT_TRUE(selection.Loaded());
    int ring = 0;
    for (int y = 0; y < selection.Height(); ++y) {
        for (int x = 0; x < selection.Width(); ++x) {
            if (selection.Coverage(x, y) < 128)
                continue;
            ++ring;
            ASSERT_GT(field.Coverage(x + 5, y + 1), 0) << x << ", " << y;
        }
    }
    EXPECT_GT(ring, 500);
    // The field's middle: row 37, halfway between 48 and 179 on the slant.
    const int middleX = static_cast<int>((48 + 179) / 2.0 - 0.55 * 36);
    EXPECT_EQ(selection.Coverage(middleX - 5, 37 - 1), 0);

    // The lit arrows are the 55 x 30 boxes the pointer is tested against.
    for (const char* label : {"inventar_arrow_left", "inventar_arrow_right"}) {
        SCOPED_TRACE(label);
        const Art arrow(label);
        ASSERT_TRUE(arrow.Loaded());
        EXPECT_EQ(arrow.Width(), 156 - 102 + 1);
        EXPECT_EQ(arrow.Height(), 737 - 707);
        EXPECT_EQ(arrow.Coverage(arrow.Width() / 2, arrow.Height() / 2), 255);
    }
}

TEST_F(SharedSpritesTest, ConversationBarCarriesEveryChoiceLine)
{
    const Art bar("conversation_bar");
    ASSERT_TRUE(bar.Loaded());
    EXPECT_EQ(bar.Width(), 1024);
    // Hidden at y -128: then nothing of it may show.
    EXPECT_LE(bar.Height(), 128);
    // n choices have line tops 59 - (15 n) / 2 + 15 i, one 16-pixel line of
    // the bubble font each, centred on x 512. Up to seven fit on the bar, on
    // dark ground for the light letters.
    for (int n = 1; n <= 7; ++n) {
        for (int i = 0; i < n; ++i) {
            const int top = 59 - (15 * n) / 2 + 15 * i;
            ASSERT_GE(top, 0);
            for (int y = top; y < top + 16; ++y)
                for (int x = 512 - 300; x <= 512 + 300; x += 10)
                    ASSERT_EQ(bar.Coverage(x, y), 255) << "n " << n << " at " << x << ", " << y;
            EXPECT_EQ(Measure(bar, {512 - 300, top, 601, 16}).brightShare, 0.0) << "n " << n;
        }
    }
}

TEST_F(SharedSpritesTest, SpeechBubblePiecesJoinWhenStretched)
{
    const Art frame("sprechblase_rect");
    ASSERT_TRUE(frame.Loaded());
    ASSERT_EQ(frame.Width(), 128);
    ASSERT_EQ(frame.Height(), 128);
    // Stretched parts need a colour-keyed sprite: no alpha map.
    EXPECT_FALSE(frame.HasAlpha());
    // The game cuts the frame at 8 and 119: the middle (8, 8)-(58, 58) is
    // stretched, the edges are repeated in pieces from (8, 0) on and from
    // (0, 8) on, up to 100 pixels long.
    const std::uint32_t middle = frame.Rgb(8, 8);
    for (int y = 8; y <= 58; ++y)
        for (int x = 8; x <= 58; ++x)
            ASSERT_EQ(frame.Rgb(x, y), middle) << x << ", " << y;
    for (int along = 8; along <= 108; ++along) {
        for (int across = 0; across <= 8; ++across) {
            ASSERT_EQ(frame.Rgb(along, across), frame.Rgb(8, across)) << "top " << along;
            ASSERT_EQ(frame.Rgb(along, 119 + across), frame.Rgb(8, 119 + across)) << "bottom " << along;
            ASSERT_EQ(frame.Rgb(across, along), frame.Rgb(across, 8)) << "left " << along;
            ASSERT_EQ(frame.Rgb(119 + across, along), frame.Rgb(119 + across, 8)) << "right " << along;
        }
    }
    // Cropping keeps the full 128 x 128: something visible on every border.
    EXPECT_NE(frame.Rgb(64, 0), 0u);
    EXPECT_NE(frame.Rgb(64, 127), 0u);
    EXPECT_NE(frame.Rgb(0, 64), 0u);
    EXPECT_NE(frame.Rgb(127, 64), 0u);
    // Light letters read on it.
    EXPECT_LT(frame.Luminance(30, 30), 110.0);

    // The tails touch the speaker's point: the left one is drawn at
    // (x - 22, y - 31), the right one at (x - 2, y - 31).
    for (const auto& [label, tipX] : {std::pair{"sprechblase_left", 22}, {"sprechblase_right", 2}}) {
        SCOPED_TRACE(label);
        const Art tail(label);
        ASSERT_TRUE(tail.Loaded());
        EXPECT_FALSE(tail.HasAlpha());
        EXPECT_EQ(tail.Height(), 32);
        EXPECT_EQ(tail.Coverage(tipX, 31), 255);
        // Below the frame's bottom row (y - 29) the tail is the bubble's colour.
        EXPECT_EQ(tail.Rgb(12, 6), middle);
    }
}

TEST_F(SharedSpritesTest, SmallPiecesKeepTheirAnchors)
{
    // The pointer is drawn with its bottom centre on the pointer's position:
    // the pin's tip is there in every frame.
    const std::map<std::string, std::vector<SpriteListLine>> list = ReadSpriteList("sharedadventure");
    const std::vector<std::string>& cursorLine = list.at("cursor").front();
    ASSERT_EQ(cursorLine.size(), 5u);
    const int frames = std::stoi(cursorLine[4]);
    const Art cursor("cursor");
    ASSERT_TRUE(cursor.Loaded());
    ASSERT_GT(frames, 0);
    ASSERT_EQ(cursor.Height() % frames, 0);
    const int frameHeight = cursor.Height() / frames;
    for (int frame = 0; frame < frames; ++frame) {
        int tip = 0;
        for (int y = frameHeight - 4; y < frameHeight; ++y)
            for (int x = cursor.Width() / 2 - 1; x <= cursor.Width() / 2; ++x)
                tip = std::max(tip, cursor.Coverage(x, frame * frameHeight + y));
        EXPECT_GT(tip, 128) << "frame " << frame;
    }

    // The shadow darkens softly: see-through everywhere, darkest inside.
    const Art shadow("shadow");
    ASSERT_TRUE(shadow.Loaded());
    ASSERT_TRUE(shadow.HasAlpha());
    int strongest = 0;
    for (int y = 0; y < shadow.Height(); ++y)
        for (int x = 0; x < shadow.Width(); ++x)
            strongest = std::max(strongest, shadow.Coverage(x, y));
    EXPECT_GT(strongest, 64);
    EXPECT_LT(strongest, 224);
    EXPECT_GE(shadow.Coverage(shadow.Width() / 2, shadow.Height() / 2), strongest - 4);
    EXPECT_EQ(shadow.Coverage(0, 0), 0);

    // The menu bar is drawn at (0, bar position + 30) with "Menü" at
    // (76, bar position + 39) in the big font; hidden at -128 it is gone.
    const Art menuBar("options_bar");
    ASSERT_TRUE(menuBar.Loaded());
    EXPECT_LE(menuBar.Height(), 128 - 30);
    for (int x = 76; x < 76 + 130; x += 5)
        for (int y = 9; y < 9 + 45; y += 5)
            EXPECT_EQ(menuBar.Coverage(x, y), 255) << x << ", " << y;

    // The arrows of choice items.
    for (const char* label : {"menu_arrow_left", "menu_arrow_right"}) {
        const Art arrow(label);
        ASSERT_TRUE(arrow.Loaded()) << label;
        EXPECT_EQ(arrow.Coverage(arrow.Width() / 2, arrow.Height() / 2), 255) << label;
    }
}
