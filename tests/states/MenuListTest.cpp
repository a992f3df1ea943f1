#include "MenuList.h"
#include "audio/AudioEvent.h"
#include "audio/SoundEngine.h"
#include "graphics/Font.h"
#include "graphics/Image.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteManager.h"
#include "graphics/TextDisplay.h"
#include "support/HeadlessTest.h"

#include <memory>
#include <string_view>

namespace {

// Letters of four columns advancing 4 pixels (3 + spacing 1), lines of
// `lineHeight`: a word of n letters is 4n pixels wide.
void RegisterBlockFont(const std::string& name, int lineHeight)
{
    constexpr std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    Image picture;
    ASSERT_TRUE(picture.Create(1 + static_cast<int>(letters.size()) * 5, lineHeight, 24, true));
    for (int glyph = 0; glyph < static_cast<int>(letters.size()); ++glyph)
        for (int column = 0; column < 4; ++column)
            for (int row = 0; row < lineHeight; ++row)
                picture.SetPixel(1 + glyph * 5 + column, row, 0xFFFFFF);
    auto font = std::make_unique<Font>();
    font->SetMetrics(2, 1, lineHeight);
    font->ScanGlyphs(picture, letters);
    TextDisplay::GetInstance().RegisterFont(name, std::move(font));
}

class BlockSprite final : public Sprite {
public:
    BlockSprite(int spriteWidth, int spriteHeight) : width(spriteWidth), height(spriteHeight) {}
    int GetWidth(int) const override { return width; }
    int GetHeight(int) const override { return height; }
    int GetFullWidth() const override { return width; }
    int GetFullHeight() const override { return height; }
    bool IsPixelTransparent(Point, int) const override { return false; }
    void DrawEx(const DrawInfo&) override {}

private:
    int width;
    int height;
};

} // namespace

class MenuListTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        StartLog();
        RegisterBlockFont("menuSmall", 20);
        RegisterBlockFont("menuSmallHighlighted", 20);
        RegisterBlockFont("menuBig", 40);
        RegisterBlockFont("menuBigHighlighted", 40);
        SpriteManager::GetInstance().RegisterSprite("menu_arrow_left", std::make_unique<BlockSprite>(20, 16));
        SpriteManager::GetInstance().RegisterSprite("menu_arrow_right", std::make_unique<BlockSprite>(20, 16));
        SoundEngine& engine = SoundEngine::GetInstance();
        engine.SetEnabled(true);
        engine.AddAudioEvent("audioevent_menu_scroll", AudioEvent{});
    }
    // Scroll sounds started so far (the engine is never updated here, so
    // its temporary voices stay).
    static std::size_t ScrollSounds() { return SoundEngine::GetInstance().GetTemporaryVoices().size(); }
    static std::vector<int> Highlighted(const MenuList& list)
    {
        std::vector<int> ids;
        for (const MenuList::Item& item : list.GetItems())
            if (item.highlighted)
                ids.push_back(item.id);
        return ids;
    }
};

TEST_F(MenuListTest, ArrowKeysWalkTheGroupsSkippingHolesAndWrapping)
{
    // The minigame page with the first minigame locked: its tile is a hole.
    MenuList list;
    list.AddButton("Back", 300, 633, 0);
    list.AddNavigationGroup({-1, 1001});
    list.AddNavigationGroup({1002, 1003});
    list.AddNavigationGroup({0});
    list.Update(0.0f, 10, 10);
    EXPECT_FALSE(list.OnKey(MenuList::keyEnter)); // nothing hovered

    const auto press = [&list](int key) {
        EXPECT_FALSE(list.OnKey(key));
        return list.GetHoveredId();
    };
    EXPECT_EQ(press(MenuList::keyUp), 0); // from nothing, up scans from the last group
    EXPECT_TRUE(list.IsKeyboardMode());
    list.Update(0.0f, 10, 10); // the pointer stays: the keys keep the highlight
    EXPECT_EQ(list.GetHoveredId(), 0);
    EXPECT_EQ(Highlighted(list), std::vector<int>{0});
    EXPECT_TRUE(list.OnKey(MenuList::keyEnter));

    list.SetHoveredId(-1);
    EXPECT_EQ(press(MenuList::keyDown), 1001); // from nothing, the first id that is no hole
    EXPECT_EQ(press(MenuList::keyLeft), 1001); // the only other entry is a hole
    EXPECT_EQ(press(MenuList::keyDown), 1003); // same column
    EXPECT_EQ(press(MenuList::keyRight), 1002); // wraps
    EXPECT_EQ(press(MenuList::keyLeft), 1003); // wraps back
    EXPECT_EQ(press(MenuList::keyDown), 0);    // a shorter group: column 0
    EXPECT_EQ(press(MenuList::keyUp), 1002);   // column 0 of the group above
    EXPECT_EQ(press(MenuList::keyUp), 1001);   // above is a hole: its neighbour in the row, so no tile is out of reach
    EXPECT_EQ(press(MenuList::keyDown), 1003); // same column
    EXPECT_EQ(press(MenuList::keyDown), 0);
    EXPECT_EQ(press(MenuList::keyDown), 1001); // wraps to the first group, whose column 0 is the hole
    EXPECT_EQ(press(MenuList::keyUp), 0);      // wraps upwards, column 1 turning column 0
    // A row of holes only is skipped.
    MenuList holes;
    holes.AddNavigationGroup({5});
    holes.AddNavigationGroup({-1, -1});
    holes.AddNavigationGroup({6});
    holes.SetHoveredId(5);
    holes.OnKey(MenuList::keyDown);
    EXPECT_EQ(holes.GetHoveredId(), 6);

    // Moving the pointer hands the highlight back to it.
    list.Update(0.0f, 11, 10);
    EXPECT_FALSE(list.IsKeyboardMode());
    EXPECT_EQ(list.GetHoveredId(), -1);
    EXPECT_TRUE(Highlighted(list).empty());
}

TEST_F(MenuListTest, PointerHoversTheLastItemUnderItAndKeysCycleTheSelectableItems)
{
    // Big font lines are 40 high; "Titel" and "Laden" are 20 wide, so they
    // cover x 502..521 (390 into the 800 box from 112); "Neu" 506..517.
    MenuList list;
    list.AddLabel("Titel", 512, 100);
    list.AddButton("Laden", 512, 200, 1);
    list.AddButton("Neu", 512, 220, 3);
    list.AddButton("Ende", 300, 260, 2, true); // small: 292..307, rows 260..279
    const auto hoveredAt = [&list](int x, int y) {
        list.Update(0.016f, x, y);
        return list.GetHoveredId();
    };
    EXPECT_EQ(hoveredAt(502, 200), 1);
    EXPECT_EQ(Highlighted(list), std::vector<int>{1});
    EXPECT_EQ(hoveredAt(501, 200), -1);
    EXPECT_EQ(hoveredAt(521, 219), 1);
    EXPECT_EQ(hoveredAt(522, 219), -1);
    EXPECT_EQ(hoveredAt(510, 230), 3); // both buttons: the later one wins
    EXPECT_EQ(Highlighted(list), std::vector<int>{3});
    EXPECT_EQ(hoveredAt(307, 279), 2);
    EXPECT_EQ(hoveredAt(307, 280), -1);
    EXPECT_EQ(hoveredAt(512, 110), -1); // a label is never hovered
    EXPECT_TRUE(Highlighted(list).empty());
    EXPECT_FALSE(list.OnKey(MenuList::keyEnter));

    // Without groups down and up cycle the items that are no labels.
    EXPECT_FALSE(list.OnKey(MenuList::keyDown));
    EXPECT_EQ(list.GetHoveredId(), 1);
    EXPECT_EQ(hoveredAt(512, 110), 1); // the pointer did not move
    EXPECT_EQ(Highlighted(list), std::vector<int>{1});
    list.OnKey(MenuList::keyDown);
    list.OnKey(MenuList::keyDown);
    EXPECT_EQ(list.GetHoveredId(), 2);
    list.OnKey(MenuList::keyDown);
    EXPECT_EQ(list.GetHoveredId(), 1); // wraps past the label
    list.OnKey(MenuList::keyUp);
    EXPECT_EQ(list.GetHoveredId(), 2);
    EXPECT_TRUE(list.OnKey(MenuList::keyEnter));
    EXPECT_FALSE(list.OnKey(MenuList::keyLeft)); // not a choice: nothing to step
    EXPECT_EQ(hoveredAt(513, 110), -1);
    list.OnKey(MenuList::keyUp); // from nothing, up takes the last item
    EXPECT_EQ(list.GetHoveredId(), 2);

    // A disabled list keeps its state whatever the pointer and keys do.
    list.SetEnabled(false);
    EXPECT_EQ(hoveredAt(502, 200), 2);
    EXPECT_TRUE(list.IsKeyboardMode());
    EXPECT_FALSE(list.OnKey(MenuList::keyEnter));
    EXPECT_FALSE(list.OnKey(MenuList::keyDown));
    EXPECT_EQ(list.GetHoveredId(), 2);
}

TEST_F(MenuListTest, ChoicesStepWithSoundAndStopSilentlyAtTheirEnds)
{
    // Arrows 20 x 16 centred at x 500 -+ 63 and on the middle of the 20-row
    // small line: left 427..446, right 553..572, rows 302..317. "Leicht" is
    // 24 wide: 488..511.
    MenuList list;
    list.AddChoice(500, 300, 11, {{0, "Leicht"}, {1, "Mittel"}, {2, "Schwer"}}, 0, 126);
    list.AddButton("Back", 300, 633, 12);

    list.Update(0.016f, 427, 302);
    EXPECT_EQ(list.GetHoveredId(), 11); // the arrows belong to the item
    EXPECT_FALSE(list.GetItems()[0].onLeftArrow); // already the first option
    list.OnClick();
    EXPECT_EQ(list.GetChoice(11), 0);
    EXPECT_EQ(ScrollSounds(), 0u);

    list.Update(0.016f, 572, 317);
    EXPECT_TRUE(list.GetItems()[0].onRightArrow);
    list.OnClick();
    EXPECT_EQ(list.GetChoice(11), 1);
    EXPECT_EQ(ScrollSounds(), 1u);
    list.OnClick();
    EXPECT_EQ(list.GetChoice(11), 2);
    EXPECT_EQ(ScrollSounds(), 2u);
    list.OnClick(); // past the end: stays, no sound
    EXPECT_EQ(list.GetChoice(11), 2);
    EXPECT_EQ(ScrollSounds(), 2u);
    list.Update(0.016f, 572, 317);
    EXPECT_FALSE(list.GetItems()[0].onRightArrow); // now the last option
    list.Update(0.016f, 573, 317);
    EXPECT_EQ(list.GetHoveredId(), -1);

    // The keys step the hovered choice and ask the page to react.
    list.Update(0.016f, 488, 300);
    ASSERT_EQ(list.GetHoveredId(), 11);
    EXPECT_TRUE(list.OnKey(MenuList::keyLeft));
    EXPECT_TRUE(list.OnKey(MenuList::keyLeft));
    EXPECT_EQ(list.GetChoice(11), 0);
    EXPECT_EQ(ScrollSounds(), 4u);
    EXPECT_TRUE(list.OnKey(MenuList::keyLeft));
    EXPECT_EQ(list.GetChoice(11), 0);
    EXPECT_EQ(ScrollSounds(), 4u);
    EXPECT_TRUE(list.OnKey(MenuList::keyRight));
    EXPECT_EQ(list.GetChoice(11), 1);
    EXPECT_EQ(ScrollSounds(), 5u);
    EXPECT_EQ(list.GetChoice(12), -1); // a button
    EXPECT_EQ(list.GetChoice(99), -1);

    // A text wider than its choice pushes the arrows out beyond it: with
    // the arrows 20 apart, "Leicht" (488..511) has them centred at 475 and
    // 525, three pixels clear of its ends.
    MenuList narrow;
    narrow.AddChoice(500, 300, 11, {{0, "Leicht"}, {1, "Mittel"}}, 0, 20);
    narrow.Update(0.016f, 534, 317);
    EXPECT_TRUE(narrow.GetItems()[0].onRightArrow);
    narrow.Update(0.016f, 535, 317);
    EXPECT_EQ(narrow.GetHoveredId(), -1);
    narrow.Update(0.016f, 465, 302);
    EXPECT_EQ(narrow.GetHoveredId(), 11);

    // Without the arrow sprite its box is empty, and nothing breaks.
    SpriteManager::GetInstance().UnloadSprite("menu_arrow_right");
    MenuList bare;
    bare.AddChoice(500, 300, 11, {{0, "Aus"}, {1, "An"}}, 0, 126);
    bare.Update(0.016f, 563, 310);
    EXPECT_FALSE(bare.GetItems()[0].onRightArrow);
    EXPECT_EQ(bare.GetHoveredId(), -1);
    bare.Update(0.016f, 437, 310); // the left arrow is still there
    EXPECT_EQ(bare.GetHoveredId(), 11);
    bare.Draw();
    list.Draw();
}
