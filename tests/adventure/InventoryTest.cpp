#include "adventure/Cast.h"
#include "adventure/Inventory.h"
#include "adventure/Item.h"
#include "adventure/Notepad.h"
#include "files/AsciiStateSerializer.h"
#include "files/File.h"
#include "graphics/RenderEngine.h"
#include "graphics/SpriteManager.h"
#include "support/HeadlessTest.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Writes "<label> <x> <y>" for each draw, in the order the frame draws them.
class RecordingSprite : public Sprite {
public:
    RecordingSprite(std::string shownAs, std::vector<std::string>& record) : label(std::move(shownAs)), drawn(record) {}
    int GetWidth(int) const override { return 1; }
    int GetHeight(int) const override { return 1; }
    int GetFullWidth() const override { return 1; }
    int GetFullHeight() const override { return 1; }
    bool IsPixelTransparent(Point, int) const override { return true; }
    void DrawEx(const DrawInfo& drawInfo) override
    {
        drawn.push_back(label + " " + std::to_string(drawInfo.destinationX) + " " +
                        std::to_string(drawInfo.destinationY));
    }

private:
    std::string label;
    std::vector<std::string>& drawn;
};

class InventoryTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        for (std::size_t i = 0; i < parts.size(); ++i)
            Cast::GetInstance().Add(&parts[i], Name(static_cast<int>(i)));
    }

    // "Deck|Teil1" .. "Deck|Teil5" for the parts 0 .. 4.
    static std::string Name(int part) { return "Deck|Teil" + std::to_string(part + 1); }

    // The parts the four fields show, by number (0 for an empty field).
    std::vector<int> Shown() const
    {
        std::vector<int> shown;
        for (int i = 0; i < Inventory::fieldCount; ++i) {
            const Item* item = Inventory::GetInstance().GetField(i).item;
            shown.push_back(item == nullptr ? 0 : static_cast<int>(item - parts.data()) + 1);
        }
        return shown;
    }

    static void Fill(int count)
    {
        Inventory& inventory = Inventory::GetInstance();
        inventory.Clear();
        for (int i = 0; i < count; ++i)
            inventory.AddItem(Name(i));
    }

    template <typename Source>
    static void RoundTrip(Source& object)
    {
        {
            File file;
            ASSERT_TRUE(file.OpenDirect("state.txt", "w"));
            AsciiStateSerializer writer(file, true);
            object.SerializeState(writer, "state");
        }
        Read(object);
    }
    template <typename Target>
    static void Read(Target& object)
    {
        File file;
        ASSERT_TRUE(file.Open("state.txt", "r"));
        AsciiStateSerializer reader(file, false);
        object.SerializeState(reader, "state");
    }

    std::array<Item, 5> parts;
};

constexpr int leftArrowX = 130, leftArrowY = 720, rightArrowX = 900, rightArrowY = 690;

} // namespace

TEST_F(InventoryTest, NewItemsScrollIntoViewAndTheArrowsWrapRound)
{
    Inventory& inventory = Inventory::GetInstance();
    Fill(4);
    EXPECT_EQ(Shown(), (std::vector{1, 2, 3, 4}));
    inventory.AddItem(Name(4));
    EXPECT_EQ(inventory.GetScrollPos(), 1);
    EXPECT_EQ(Shown(), (std::vector{2, 3, 4, 5}));

    // Three items all fit: the arrows do nothing.
    Fill(3);
    inventory.Update(1.0f);
    inventory.OnLeftClick(leftArrowX, leftArrowY);
    EXPECT_EQ(inventory.GetScrollPos(), 0);
    inventory.OnLeftClick(rightArrowX, rightArrowY);
    EXPECT_EQ(inventory.GetScrollPos(), 0);
    EXPECT_EQ(Shown(), (std::vector{1, 2, 3, 0}));

    // Five wrap round both ways.
    Fill(5);
    inventory.Update(1.0f);
    inventory.OnLeftClick(rightArrowX, rightArrowY);
    inventory.OnLeftClick(rightArrowX, rightArrowY);
    inventory.OnLeftClick(rightArrowX, rightArrowY);
    EXPECT_EQ(inventory.GetScrollPos(), 4);
    EXPECT_EQ(Shown(), (std::vector{5, 1, 2, 3}));
    inventory.OnLeftClick(rightArrowX, rightArrowY);
    EXPECT_EQ(inventory.GetScrollPos(), 0);
    inventory.OnLeftClick(leftArrowX, leftArrowY);
    EXPECT_EQ(inventory.GetScrollPos(), 4);

    // The arrows' corners: x bounds inclusive, the bottom row exclusive.
    // Each click starts from position 2.
    const int clicks[][3] = {{156, 736, 1}, {102, 707, 1}, {157, 720, 2}, {130, 737, 2}, {101, 720, 2},
                             {130, 706, 2}, {923, 707, 3}, {869, 678, 3}, {924, 690, 2}, {900, 708, 2}};
    for (const auto& [x, y, after] : clicks) {
        inventory.SetScrollPos(2);
        inventory.OnLeftClick(x, y);
        EXPECT_EQ(inventory.GetScrollPos(), after) << x << ", " << y;
    }
}

TEST_F(InventoryTest, TheBarSlidesAndItsFieldsAreHitThroughTheirSlant)
{
    Inventory& inventory = Inventory::GetInstance();
    Fill(1);
    EXPECT_EQ(inventory.GetShowTimer(), 2.0f);
    // Shown: slide -= (slide + 20) x dt x 10, so 128 - 148 x 0.1 = 113.2.
    inventory.Update(0.01f);
    EXPECT_TRUE(inventory.IsBarShown());
    EXPECT_FLOAT_EQ(inventory.GetSlide(), 113.2f);
    inventory.Update(2.0f);
    EXPECT_EQ(inventory.GetSlide(), 0.0f);
    // The timer has run out and the mouse is high: hidden, 0 + 20 x 2.5.
    inventory.Update(0.25f);
    EXPECT_FALSE(inventory.IsBarShown());
    EXPECT_EQ(inventory.GetSlide(), 50.0f);
    inventory.SetMousePosition(0, 640);
    inventory.Update(0.0f);
    EXPECT_TRUE(inventory.IsBarShown());

    // Field 0 at (212, 669), slide 50: rows 719 to 793, and the slanted x
    // trunc((y - 720) x 0.55 + x) from 260 to 390.
    const Inventory::Field field = inventory.GetField(0);
    EXPECT_EQ(field.x, 212);
    EXPECT_EQ(field.y, 669);
    EXPECT_EQ(inventory.GetField(3).x, 632);
    struct Probe {
        int x, y;
        bool over;
    };
    const Probe probes[] = {
        {261, 719, true},  // 260.45
        {260, 719, false}, // 259.45
        {391, 719, true},  // 390.45
        {392, 719, false}, // 391.45
        {220, 793, true},  // 73 x 0.55 + 220 = 260.15
        {219, 793, false}, // 259.15
        {350, 793, true},  // 390.15
        {351, 793, false}, // 391.15
        {300, 718, false}, // above
        {300, 794, false}, // below
    };
    for (const Probe& probe : probes) {
        inventory.SetMousePosition(probe.x, probe.y);
        EXPECT_EQ(inventory.IsOverField(field.x, field.y), probe.over) << probe.x << ", " << probe.y;
    }
}

TEST_F(InventoryTest, StashRestoreAndSavegameState)
{
    Inventory& inventory = Inventory::GetInstance();
    Fill(5);
    inventory.StoreItems();
    inventory.RemoveItem(Name(1));
    inventory.AddItem(Name(0));
    inventory.RemoveItem(Name(0)); // the first of two
    EXPECT_EQ(inventory.GetItems(), (std::vector{Name(2), Name(3), Name(4), Name(0)}));
    inventory.RestoreItems();
    EXPECT_EQ(inventory.GetScrollPos(), 0);
    EXPECT_EQ(Shown(), (std::vector{1, 2, 3, 4}));

    inventory.RemoveItem(Name(4));
    inventory.SetScrollPos(3);
    RoundTrip(inventory);
    const std::string text = ReadFile("state.txt");
    EXPECT_TRUE(Contains(text, "[Inventory] \"state\""));
    EXPECT_TRUE(Contains(text, "\"position\" 3"));
    EXPECT_TRUE(Contains(text, "\"count\" 4"));
    EXPECT_TRUE(Contains(text, "\"item 0003\" \"Deck|Teil4\""));
    EXPECT_TRUE(Contains(text, "\"scount\" 5"));
    EXPECT_TRUE(Contains(text, "\"sitem 0004\" \"Deck|Teil5\""));
    inventory.Clear();
    Read(inventory);
    EXPECT_EQ(inventory.GetItems(), (std::vector{Name(0), Name(1), Name(2), Name(3)}));
    EXPECT_EQ(inventory.GetStash().size(), 5u);
    EXPECT_EQ(inventory.GetScrollPos(), 3);

    // A savegame claiming more entries than it holds, and a position out of
    // range: what is there is read, and the position wraps into the list.
    std::string bad = text;
    bad.replace(bad.find("\"count\" 4"), 9, "\"count\" 2000000000");
    bad.replace(bad.find("\"position\" 3"), 12, "\"position\" -7");
    WriteFile("state.txt", bad);
    Read(inventory);
    EXPECT_EQ(inventory.GetItems().size(), 4u);
    EXPECT_EQ(inventory.GetScrollPos(), 1);

    Notepad& notepad = Notepad::GetInstance();
    notepad.SetNote(12, 2);
    notepad.SetNote(3, 1);
    RoundTrip(notepad);
    EXPECT_TRUE(Contains(ReadFile("state.txt"), "\"id12\" 2"));
    notepad.Clear();
    notepad.SetNote(40, 1);
    Read(notepad);
    EXPECT_EQ(notepad.GetNotes(), (std::map<int, int>{{3, 1}, {12, 2}}));
    EXPECT_EQ(notepad.GetNote(7), 0);
}

TEST_F(InventoryTest, DrawsTheBarFieldsIconsAndSelectionInDepthOrder)
{
    std::vector<std::string> drawn;
    SpriteManager& sprites = SpriteManager::GetInstance();
    for (const char* label : {"inventar", "inventar_field", "inventar_field_empty", "inventar_field_selection",
                              "inventar_arrow_left", "inventar_arrow_right", "icon1", "icon2"})
        sprites.RegisterSprite(label, std::make_unique<RecordingSprite>(label, drawn));
    ASSERT_TRUE(parts[0].GetIconSprite().SetSpriteLabel("icon1"));
    ASSERT_TRUE(parts[1].GetIconSprite().SetSpriteLabel("icon2"));
    Inventory& inventory = Inventory::GetInstance();
    inventory.Init();
    inventory.AddItem(Name(0));
    inventory.AddItem(Name(1));
    inventory.Update(0.01f); // slide 113.2
    // Over field 1: rows 782.2 to 857.2, trunc((800 - 783.2) x 0.55 + 450)
    // = 459 inside 400 to 530; the arrows are not hovered.
    inventory.SetMousePosition(450, 800);
    inventory.Render();
    RenderEngine::GetInstance().Render();
    EXPECT_EQ(drawn, (std::vector<std::string>{
                         "inventar 0 769",
                         "inventar_field 212 782",
                         "inventar_field 352 782",
                         "inventar_field_empty 492 782",
                         "inventar_field_empty 632 782",
                         "icon1 212 782",
                         "icon2 352 782",
                         "inventar_field_selection 357 783",
                     }));

    // A hovered arrow is drawn with the fields.
    drawn.clear();
    RenderEngine::GetInstance().ClearRenderList();
    inventory.SetMousePosition(130, 821);
    inventory.Render();
    RenderEngine::GetInstance().Render();
    ASSERT_EQ(drawn.size(), 8u);
    EXPECT_EQ(drawn[1], "inventar_arrow_left 102 820");
}
