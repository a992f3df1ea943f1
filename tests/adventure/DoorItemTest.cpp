#include "AdventureFakes.h"
#include "adventure/AdventureLevel.h"
#include "adventure/Cast.h"
#include "adventure/Door.h"
#include "adventure/ElementFactory.h"
#include "adventure/Inventory.h"
#include "adventure/Item.h"
#include "files/AsciiSerializer.h"
#include "files/AsciiStateSerializer.h"
#include "files/File.h"
#include "graphics/SpriteManager.h"
#include "support/HeadlessTest.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

class DoorItemTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        AdventureLevel::SetCurrent(&level);
    }
    void TearDown() override
    {
        AdventureLevel::SetCurrent(nullptr);
        Cast::GetInstance().Clear();
        LoggedTest::TearDown();
    }

    static std::string Log() { return ReadFile("debug.txt"); }

    template <typename SerializerType>
    static void Write(Object& source, bool state)
    {
        File file;
        ASSERT_TRUE(file.OpenDirect("element.txt", "w"));
        SerializerType writer(file, true);
        state ? source.SerializeState(writer, "element") : source.Serialize(writer, "element");
    }
    template <typename SerializerType>
    static void Read(Object& target, bool state)
    {
        File file;
        ASSERT_TRUE(file.Open("element.txt", "r"));
        SerializerType reader(file, false);
        state ? target.SerializeState(reader, "element") : target.Serialize(reader, "element");
    }

    FakeLevel level;
};

} // namespace

TEST_F(DoorItemTest, ExitsOpenThenLeadToTheTargetDoorsRoom)
{
    SpriteManager::GetInstance().RegisterSprite("hatch", std::make_unique<FramesSprite>(4));
    Door bridgeHatch, labHatch, brokenHatch;
    Cast& cast = Cast::GetInstance();
    cast.Add(&bridgeHatch, "Bruecke|Luke");
    cast.Add(&labHatch, "Labor|Luke");
    cast.Add(&brokenHatch, "Bruecke|Klappe");
    bridgeHatch.SetLeadsTo("Labor|Luke");
    labHatch.SetLeadsTo("Bruecke|Luke");
    labHatch.SetWalkFrom(Point{50, 60});
    labHatch.SetWalkTo(Point{70, 80});
    brokenHatch.SetLeadsTo("Nirgends|Luke");
    level.lines["use Bruecke|Luke"] = "ausgang";
    level.lines["use Labor|Luke"] = "Die Luke klemmt.";

    // Without an opening animation the player goes through at once; the
    // target door arrives, and having no frames it is idle again at once.
    bridgeHatch.OnUse();
    EXPECT_EQ(level.rooms, std::vector<std::string>{"Labor|Room 50 60 70 80"});
    EXPECT_TRUE(level.scripts.empty());
    EXPECT_EQ(labHatch.GetState(), Door::arriving);
    labHatch.Update(0.01f);
    EXPECT_EQ(labHatch.GetState(), Door::idle);

    // With one it opens while the script waits, from its first frame on:
    // 4 frames at 20 frames per second reach the end after 0.2 seconds.
    ASSERT_TRUE(bridgeHatch.GetAnimation().SetSpriteLabel("hatch"));
    bridgeHatch.GetAnimation().SetMode(Animation::modeStop);
    bridgeHatch.GetAnimation().SetTime(0.7f);
    bridgeHatch.OnUse();
    EXPECT_EQ(bridgeHatch.GetState(), Door::opening);
    EXPECT_EQ(level.scripts, std::vector<std::string>{"ScriptEnterNextRoom(Bruecke|Luke)"});
    EXPECT_EQ(bridgeHatch.GetAnimation().GetTime(), 0.0f);
    EXPECT_EQ(level.rooms.size(), 1u);
    bridgeHatch.Update(0.1f);
    bridgeHatch.Update(0.1f);
    EXPECT_EQ(bridgeHatch.GetState(), Door::opening);
    bridgeHatch.Update(0.1f);
    EXPECT_EQ(bridgeHatch.GetState(), Door::idle);
    // Arriving plays backwards from the end.
    bridgeHatch.SetState(Door::arriving);
    EXPECT_EQ(bridgeHatch.GetAnimation().GetTime(), 1.0f);
    EXPECT_EQ(bridgeHatch.GetAnimation().GetCurrentFrame(), 3);
    bridgeHatch.Update(0.1f);
    EXPECT_EQ(bridgeHatch.GetAnimation().GetCurrentFrame(), 2);
    EXPECT_EQ(bridgeHatch.GetState(), Door::arriving);

    // A script's animation shows in place of the door's own until stopped.
    EXPECT_FALSE(labHatch.PlayUserAnim("unbekannt", 0, 0, 10.0f, false));
    EXPECT_FALSE(labHatch.IsPlayingUserAnim());
    ASSERT_TRUE(labHatch.PlayUserAnim("hatch", 0, 0, 10.0f, false));
    labHatch.Update(0.25f);
    EXPECT_EQ(labHatch.GetCurrentAnim(), &labHatch.GetUserAnim());
    EXPECT_EQ(labHatch.GetUserAnim().GetCurrentFrame(), 2);
    labHatch.StopUserAnim();
    labHatch.Update(0.0f);
    EXPECT_EQ(labHatch.GetCurrentAnim(), &labHatch.GetAnimation());

    // Any other line is spoken; a door leading nowhere does nothing.
    labHatch.OnUse();
    EXPECT_EQ(level.performed, std::vector<std::string>{"Die Luke klemmt."});
    brokenHatch.OnUse();
    brokenHatch.GoThrough();
    EXPECT_EQ(level.rooms.size(), 1u);
    EXPECT_EQ(brokenHatch.GetState(), Door::idle);
    EXPECT_EQ(level.scripts.size(), 1u);

    brokenHatch.SetState(7);
    EXPECT_EQ(brokenHatch.GetState(), Door::idle);
    EXPECT_TRUE(Contains(Log(), "***ERROR: Door::SetState: Unknown state 7!\n"));

    // Without a level nothing needs one.
    AdventureLevel::SetCurrent(nullptr);
    bridgeHatch.SetState(Door::idle);
    bridgeHatch.OnUse();
    EXPECT_EQ(bridgeHatch.GetState(), Door::idle);
}

TEST_F(DoorItemTest, ItemsArePickedUpMovedAndPlaced)
{
    Item bolt, spanner, cable;
    Cast& cast = Cast::GetInstance();
    cast.Add(&bolt, "Deck|Bolzen");
    cast.Add(&spanner, "Deck|Schluessel");
    cast.Add(&cable, "Deck|Kabel");
    Inventory& inventory = Inventory::GetInstance();

    // Pick-up "NONE" goes straight into the inventory, without a script.
    EXPECT_EQ(Item().GetPickupAnim(), Item::pickupMiddle);
    bolt.SetPickupAnim(Item::pickupNone);
    level.lines["use Deck|Bolzen"] = "automatisch mitnehmen";
    bolt.OnUse();
    EXPECT_EQ(inventory.GetItems(), std::vector<std::string>{"Deck|Bolzen"});
    EXPECT_TRUE(level.scripts.empty());

    // A height runs its script, which puts the item in later.
    spanner.SetPickupAnim(Item::pickupHigh);
    spanner.Pickup(true);
    EXPECT_EQ(level.scripts, std::vector<std::string>{"ScriptOnPickupHigh(Deck|Schluessel)"});
    EXPECT_EQ(inventory.GetItems().size(), 1u);
    spanner.Pickup(false);
    EXPECT_EQ(inventory.GetItems().back(), "Deck|Schluessel");
    // Without the script the item is not lost.
    level.knownScripts = false;
    cable.Pickup(true);
    EXPECT_EQ(level.scripts.back(), "ScriptOnPickupMid(Deck|Kabel)");
    EXPECT_EQ(inventory.GetItems().back(), "Deck|Kabel");

    // A line move of 50 pixels at 100 pixels per second: half way after
    // 0.25 seconds, on the target (not beyond) after 0.55.
    cable.SetPosition(100, 100);
    cable.MoveTo(130, 140, 100.0f);
    EXPECT_EQ(cable.GetState(), Item::lineMove);
    cable.Update(0.25f);
    EXPECT_EQ((std::vector{cable.GetPosition().x, cable.GetPosition().y}), (std::vector{115.0f, 120.0f}));
    cable.Update(0.3f);
    EXPECT_EQ((std::vector{cable.GetPosition().x, cable.GetPosition().y}), (std::vector{130.0f, 140.0f}));
    EXPECT_EQ(cable.GetState(), Item::idle);
    cable.MoveTo(130, 140, 100.0f);
    EXPECT_EQ(cable.GetState(), Item::idle);

    // The foot point is the bottom centre of a 10 x 20 frame.
    SpriteManager::GetInstance().RegisterSprite("kabel", std::make_unique<FramesSprite>(1));
    ASSERT_TRUE(cable.GetAnimation().SetSpriteLabel("kabel"));
    cable.PlaceByAnimation(40, 50);
    EXPECT_EQ(cable.GetPosition().x, 45.0f);
    EXPECT_EQ(cable.GetPosition().y, 70.0f);
}

TEST_F(DoorItemTest, InventoryClicksChooseAndCombineItems)
{
    Item bolt, cable;
    bolt.SetLabel("Bolzen");
    cable.SetLabel("Kabel");
    Cast& cast = Cast::GetInstance();
    cast.Add(&bolt, "Deck|Bolzen");
    cast.Add(&cable, "Deck|Kabel");
    Inventory& inventory = Inventory::GetInstance();
    inventory.AddItem("Deck|Bolzen");
    inventory.AddItem("Deck|Kabel");
    inventory.AddItem("Deck|Weg");
    inventory.Update(1.0f); // the bar is up: slide 0
    level.lines["combine Deck|Bolzen+Deck|Kabel"] = "Das passt nicht.";
    level.lines["examine Deck|Kabel"] = "Ein Kabel.";

    // Field 0 is at (212, 669); (300, 700) lies inside its slant.
    level.inputAllowed = false;
    inventory.OnLeftClick(300, 700);
    EXPECT_EQ(level.state, AdventureLevel::normal);
    level.inputAllowed = true;
    inventory.OnLeftClick(300, 700);
    EXPECT_EQ(level.state, AdventureLevel::combineMode);
    EXPECT_EQ(inventory.GetCombineItem(), &bolt);
    EXPECT_EQ(level.blockingStops, 1);
    EXPECT_EQ(inventory.BuildTextLine(nullptr), "Benutze Bolzen mit ...");
    EXPECT_EQ(inventory.BuildTextLine(&cable), "Benutze Bolzen mit Kabel");
    // Right clicks examine only outside combine mode.
    inventory.OnRightClick(440, 700);
    EXPECT_TRUE(level.performed.empty());

    inventory.OnLeftClick(440, 700);
    EXPECT_EQ(level.state, AdventureLevel::normal);
    EXPECT_EQ(level.performed, std::vector<std::string>{"Das passt nicht."});
    EXPECT_EQ(inventory.GetCombineItem(), nullptr);
    EXPECT_EQ(inventory.GetCombineWith(), nullptr);
    inventory.OnRightClick(440, 700);
    EXPECT_EQ(level.performed.back(), "Ein Kabel.");

    // The third name is no longer in the cast: an empty field, reported
    // once however often it is drawn.
    EXPECT_EQ(inventory.GetField(2).item, nullptr);
    inventory.Render();
    inventory.Render();
    EXPECT_EQ(CountOf(Log(), "Inventory::GetField: Item <Deck|Weg> is not in the cast!"), 1u);

    // While combining, a missing partner is warned of once and left out.
    level.state = AdventureLevel::combining;
    inventory.SetCombineItem(&bolt);
    EXPECT_EQ(inventory.BuildTextLine(nullptr), "Benutze Bolzen mit ...");
    EXPECT_EQ(inventory.BuildTextLine(nullptr), "Benutze Bolzen mit ...");
    EXPECT_EQ(CountOf(Log(), "***WARNING: Inventory::Render: CombineItem or CombineWith is NULL!\n"), 1u);
    inventory.SetCombineWith(&cable);
    EXPECT_EQ(inventory.BuildTextLine(nullptr), "Benutze Bolzen mit Kabel");
    inventory.SetCombineItem(nullptr);
    EXPECT_EQ(inventory.BuildTextLine(&bolt), "");
    level.state = AdventureLevel::normal;
    EXPECT_EQ(inventory.BuildTextLine(&bolt), "Bolzen");
}

TEST_F(DoorItemTest, ParametersAndStateSurviveTheSerializer)
{
    // Settings files create both by class name.
    EXPECT_NE(dynamic_cast<Door*>(CreateElement("class Door").get()), nullptr);
    EXPECT_NE(dynamic_cast<Item*>(CreateElement("Item").get()), nullptr);

    // The room gave the graphic "luke" its bottom centre (32, 80).
    SpriteManager& sprites = SpriteManager::GetInstance();
    SpriteInfo placed;
    placed.label = "luke";
    placed.hasPlacement = true;
    placed.placement = Point{32, 80};
    sprites.AddSpriteInfo(placed);
    sprites.RegisterSprite("luke", std::make_unique<FramesSprite>(2));

    Door door;
    door.SetLeadsTo("Labor|Luke");
    door.SetWalkFrom(Point{5, 6});
    door.SetWalkTo(Point{7, 8});
    ASSERT_TRUE(door.GetAnimation().SetSpriteLabel("luke"));
    door.SetStartPos(Point{300, 310});
    Write<AsciiSerializer>(door, false);
    std::string text = ReadFile("element.txt");
    EXPECT_TRUE(Contains(text, "[Door] \"element\""));
    EXPECT_TRUE(Contains(text, "\"Leads To\" \"Labor|Luke\""));
    EXPECT_TRUE(Contains(text, "\"walk from\" 5 6"));
    EXPECT_TRUE(Contains(text, "\"walk to\" 7 8"));
    EXPECT_TRUE(Contains(text, "\"sprite label\" \"luke\""));
    // A start still at its default takes the placement, read or written.
    WriteFile("element.txt", text.replace(text.find("300 310"), 7, "200 200"));
    Door loaded;
    Read<AsciiSerializer>(loaded, false);
    EXPECT_EQ(loaded.GetLeadsTo(), "Labor|Luke");
    EXPECT_EQ(loaded.GetWalkTo().y, 8);
    EXPECT_EQ(loaded.GetStartPos().x, 32);
    EXPECT_EQ(loaded.GetPosition().y, 80.0f);
    Door unplaced;
    ASSERT_TRUE(unplaced.GetAnimation().SetSpriteLabel("luke"));
    Write<AsciiSerializer>(unplaced, false);
    EXPECT_TRUE(Contains(ReadFile("element.txt"), "\"StartPos\" 32 80"));

    Item item;
    item.SetPickupAnim(Item::pickupLow);
    item.GetIconSprite().SetSpeed(4.0f);
    item.GetCursorSprite().SetMode(Animation::modePingPong);
    item.SetStartPos(Point{120, 130});
    Write<AsciiSerializer>(item, false);
    text = ReadFile("element.txt");
    EXPECT_TRUE(Contains(text, "[Item] \"element\""));
    EXPECT_TRUE(Contains(text, "\"pickup anim\" 1"));
    EXPECT_TRUE(Contains(text, "[Animation] \"Icon Sprite\""));
    Item loadedItem;
    Read<AsciiSerializer>(loadedItem, false);
    EXPECT_EQ(loadedItem.GetPickupAnim(), Item::pickupLow);
    EXPECT_EQ(loadedItem.GetIconSprite().GetSpeed(), 4.0f);
    EXPECT_EQ(loadedItem.GetCursorSprite().GetMode(), Animation::modePingPong);
    EXPECT_EQ(loadedItem.GetPosition().x, 120.0f);

    // Their run-time state is the entity's: a picked-up item stays hidden.
    item.SetActive(false);
    item.SetHidden(true);
    Write<AsciiStateSerializer>(item, true);
    Item restored;
    Read<AsciiStateSerializer>(restored, true);
    EXPECT_FALSE(restored.IsActive());
    EXPECT_TRUE(restored.IsHidden());
}
