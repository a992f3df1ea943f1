// The episode level with real rooms, scripts and the inventory: where a
// click counts, which entity it hits, how far a skip runs, where a won
// minigame's first room change lands, which start scripts run, and the
// room a savegame's state brings back.

#include "AdventureTestElements.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/Flag.h"
#include "adventure/Inventory.h"
#include "adventure/Room.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "adventure/Script.h"
#include "adventure/ScriptManager.h"
#include "files/AsciiSerializer.h"
#include "files/File.h"
#include "graphics/DirectDraw.h"
#include "support/BitmapFiles.h"
#include "support/HeadlessTest.h"

#include <cstdint>
#include <list>
#include <string>
#include <vector>

using bitmap_files::Bitmap24;
using bitmap_files::Bitmap8;

namespace {

// An episode number no episode of the game has, so that its start and
// exit scripts here are the only ones of that name.
constexpr int episode = 10;

// Counts its passes, and those of a skip, and never ends within 200 s.
int endlessPasses = 0;
int endlessSkippingPasses = 0;
class ScriptTestLevelEndless : public Script {
    void Run(const std::string&) override
    {
        ++endlessPasses;
        if (AdventureLevel::Current() != nullptr && AdventureLevel::Current()->IsSkipping())
            ++endlessSkippingPasses;
        Wait(1000.0f);
        End();
    }
};

// Ends after 150 s of game time.
int longPasses = 0;
class ScriptTestLevelLong : public Script {
    void Run(const std::string&) override
    {
        ++longPasses;
        Wait(150.0f);
        End();
    }
};

// Counts its runs in a flag.
class RaisingScript : public Script {
protected:
    void Raise(const std::string& flag)
    {
        SetFlag(flag, GetFlag(flag) + 1);
        End();
    }
};
class ScriptEpisode10Init : public RaisingScript {
    void Run(const std::string&) override { Raise("Episodenstart"); }
};
class ScriptEpisode10Exit : public RaisingScript {
    void Run(const std::string&) override { Raise("Episodenende"); }
};
class ScriptRoomStrand : public RaisingScript {
    void Run(const std::string&) override { Raise("Strandbesuche"); }
};

const ScriptRegistration<ScriptTestLevelEndless> endless("ScriptTestLevelEndless");
const ScriptRegistration<ScriptTestLevelLong> longScript("ScriptTestLevelLong");
const ScriptRegistration<ScriptEpisode10Init> episodeInit("ScriptEpisode10Init");
const ScriptRegistration<ScriptEpisode10Exit> episodeExit("ScriptEpisode10Exit");
const ScriptRegistration<ScriptRoomStrand> roomStrand("ScriptRoomStrand");

// Two rooms of 1024 x 768, walkable everywhere ("RoomBurghof" runs episode
// 4's start script of the castle yard, which finds none of its things
// here), and on the beach things to click, each a box above its foot.
class AdventureLevelTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        ASSERT_TRUE(Window().Create({"Test", 1024, 768, false}));
        ASSERT_TRUE(DirectDraw::GetInstance().Init(Window(), 1024, 768, 32, false));
        WriteFile("data/level10/room/spriteinfos.txt", "\"Background\" 0 0 1024 768\n\"walkarea\" 0 0 1024 768\n");
        WriteFile("data/level10/room/background.bmp",
                  Bitmap8(1024, 768, std::vector<std::uint8_t>(1024 * 768, 0), {0x404040}));
        WriteFile("data/level10/room/walkarea.bmp",
                  Bitmap24(64, 48, std::vector<std::uint32_t>(64 * 48, 0xFFFFFF)));
        for (const char* label : {"RoomStrand", "RoomBurghof"}) {
            Room& room = rooms.emplace_back();
            room.SetLabel(label);
            room.SetSpriteInfosFilename("level10\\room\\spriteinfos.txt");
            cast.Add(&room, Cast::RoomName(label));
        }
        for (const char* name : {"Episodenstart", "Episodenende", "Strandbesuche", "Passwortja"})
            cast.Add(&flags.emplace_back(), std::string("Flags|") + name);
        // Pier: x 100 to 299, y 100 to 699, in front of everything.
        AddThing("Steg", {200, 700}, {-100, -600, 100, 0});
        AddThing("Hinten", {500, 400}, {-100, -300, 100, 0});
        AddThing("Vorne", {500, 500}, {-100, -400, 100, 0});
        AddThing("Gleich", {500, 500}, {-100, -400, 100, 0});
        AddThing("Versteckt", {500, 600}, {-100, -500, 100, 0}).SetHidden(true);
        AddThing("Aus", {500, 650}, {-100, -550, 100, 0}).SetActive(false);
        AddThing("Namenlos", {800, 700}, {-100, -600, 100, 0}).SetLabel("");
        ASSERT_TRUE(level.Init(LevelParameters{episode}));
        endlessPasses = endlessSkippingPasses = longPasses = 0;
    }
    void TearDown() override
    {
        level.Exit();
        ScriptManager::GetInstance().StopBlocking();
        ScriptManager::GetInstance().StopAsync();
        RuvIdLevelAdventure::SetCatapultWon(false);
        RuvIdLevelAdventure::SetAlienShooterWon(false);
        cast.Clear();
        LoggedTest::TearDown();
    }

    TestEntity& AddThing(const char* label, Point foot, BoundingBox box)
    {
        TestEntity& thing = things.emplace_back();
        thing.SetLabel(label);
        thing.SetPosition(foot.x, foot.y);
        thing.GetBoundingBox() = box;
        cast.Add(&thing, std::string("RoomStrand|") + label);
        return thing;
    }
    void EnterBeach()
    {
        level.RequestRoom("RoomStrand|Room", 100, 700, 100, 700);
        level.DoSetRoom();
        ASSERT_NE(level.GetRoom(), nullptr);
    }
    void Frames(int count, float dt = 0.1f)
    {
        for (int frame = 0; frame < count; ++frame)
            level.Update(dt);
    }
    int FlagValue(const char* name) const { return cast.FindAs<Flag>(name)->GetValue(); }
    std::string RoomLabel() const { return level.GetRoom() != nullptr ? level.GetRoom()->GetLabel() : "none"; }
    static std::string Log() { return ReadFile("debug.txt"); }
    static std::size_t Walks() { return CountOf(Log(), "RuvIdLevelAdventure: walk from"); }
    // "ScriptOnUse(RoomStrand|Steg)" for the blocking stack's top.
    static std::string TopScript()
    {
        const auto& blocking = ScriptManager::GetInstance().GetBlocking();
        return blocking.empty() ? "none" : blocking.back()->GetName() + "(" + blocking.back()->GetParam() + ")";
    }

    Cast& cast = Cast::GetInstance();
    std::list<Room> rooms;
    std::list<Flag> flags;
    std::list<TestEntity> things;
    RuvIdLevelAdventure level;
};

} // namespace

TEST_F(AdventureLevelTest, ClicksCountBetweenTheMenuBandAndTheInventoryBar)
{
    EnterBeach();
    level.OnLeftButtonDown(200, 127, false);
    EXPECT_EQ(Walks(), 0u) << "row 127 is the menu bar's";
    EXPECT_EQ(TopScript(), "none");
    level.OnLeftButtonDown(200, 128, false);
    EXPECT_EQ(Walks(), 1u);
    EXPECT_EQ(TopScript(), "ScriptOnUse(RoomStrand|Steg)");

    // The bar comes out while the pointer is near the bottom.
    level.OnMouseMove(200, 700);
    Frames(10);
    ASSERT_EQ(Inventory::GetInstance().GetSlide(), 0.0f);
    level.OnLeftButtonDown(200, 656, false);
    EXPECT_EQ(Walks(), 2u) << "row 656 is the room's";
    ASSERT_EQ(TopScript(), "ScriptOnUse(RoomStrand|Steg)");
    const Script* use = ScriptManager::GetInstance().GetBlocking().back().get();
    level.OnLeftButtonDown(200, 657, false);
    EXPECT_EQ(Walks(), 2u) << "row 657 is the bar's";
    ASSERT_EQ(ScriptManager::GetInstance().GetBlocking().size(), 1u);
    EXPECT_EQ(ScriptManager::GetInstance().GetBlocking().back().get(), use) << "the bar's click stops nothing";

    // Where the hidden bar is not, the room takes the click.
    level.OnMouseMove(200, 300);
    Frames(10);
    ASSERT_EQ(Inventory::GetInstance().GetSlide(), Inventory::hiddenSlide);
    level.OnLeftButtonDown(200, 700, false);
    EXPECT_EQ(Walks(), 3u);

    // While input is off nothing but the bar counts.
    level.SetInputEnabled(false);
    level.OnLeftButtonDown(200, 300, false);
    level.OnRightButtonDown(200, 300);
    EXPECT_EQ(Walks(), 3u);
}

TEST_F(AdventureLevelTest, ClicksHitTheFrontmostShownThingAndUseExamineOrCombineIt)
{
    EnterBeach();
    // Behind (foot 400), in front (foot 500), as far in front but later in
    // the list, hidden and inactive ones further forward.
    EXPECT_EQ(level.PickEntity(500, 300), cast.Find("RoomStrand|Vorne"));
    EXPECT_EQ(level.PickEntity(500, 450), cast.Find("RoomStrand|Vorne"));
    EXPECT_EQ(level.PickEntity(500, 550), nullptr);
    EXPECT_EQ(level.PickEntity(650, 300), nullptr);

    // A script takes clicks once it has said that it may be interrupted.
    level.OnLeftButtonDown(500, 300, false);
    EXPECT_EQ(TopScript(), "ScriptOnUse(RoomStrand|Vorne)");
    Frames(1, 0.01f);
    level.OnRightButtonDown(500, 300);
    EXPECT_EQ(TopScript(), "ScriptOnExamine(RoomStrand|Vorne)");
    EXPECT_EQ(ScriptManager::GetInstance().GetBlocking().size(), 1u) << "a click stops what waited for the player";
    Frames(1, 0.01f);
    // A thing without a label is no target: the player only walks there.
    level.OnLeftButtonDown(800, 300, false);
    EXPECT_EQ(TopScript(), "none");
    EXPECT_EQ(Walks(), 3u);

    level.SetState(AdventureLevel::combineMode);
    level.OnLeftButtonDown(500, 300, false);
    EXPECT_EQ(level.GetState(), AdventureLevel::combining);
    EXPECT_EQ(Inventory::GetInstance().GetCombineWith(), cast.Find("RoomStrand|Vorne"));
    EXPECT_EQ(TopScript(), "ScriptOnCombine()");
    Frames(1, 0.01f);
    level.SetState(AdventureLevel::combineMode);
    level.OnLeftButtonDown(650, 300, false);
    EXPECT_EQ(level.GetState(), AdventureLevel::normal) << "a click on nothing leaves combine mode";
    level.SetState(AdventureLevel::combineMode);
    level.OnRightButtonDown(500, 300);
    EXPECT_EQ(level.GetState(), AdventureLevel::normal);
    EXPECT_EQ(TopScript(), "none") << "the right click only leaves combine mode";
    level.SetState(7);
    EXPECT_EQ(level.GetState(), AdventureLevel::normal);
    EXPECT_TRUE(Contains(Log(), "***ERROR: RuvIdLevelAdventure::SetState: Unknown state 7!"));
}

TEST_F(AdventureLevelTest, EnterSkipsUntilThePlayerMayActForAtMost200Seconds)
{
    EnterBeach();
    ScriptManager& scripts = ScriptManager::GetInstance();
    // Nothing to skip while the player may act.
    ASSERT_TRUE(scripts.Run("ScriptTestLevelLong"));
    level.SetInputEnabled(true);
    level.Update(0.1f);
    ASSERT_EQ(longPasses, 1);
    ASSERT_FALSE(level.InputAllowed());
    // 0.2 s in two frames, then steps of 0.05 s: 150 s are passed in the 2997th.
    level.OnKey(RuvIdLevelAdventure::keyEnter);
    EXPECT_TRUE(level.IsSkipping());
    level.Update(0.1f);
    EXPECT_EQ(longPasses, 1 + 1 + 2997);
    EXPECT_TRUE(level.InputAllowed());
    EXPECT_FALSE(level.IsSkipping());
    EXPECT_FALSE(Contains(Log(), "ActionSequence"));

    level.OnKey(RuvIdLevelAdventure::keyEnter);
    EXPECT_FALSE(level.IsSkipping()) << "input is allowed: nothing to skip";

    ASSERT_TRUE(scripts.Run("ScriptTestLevelEndless"));
    level.Update(0.1f);
    level.OnKey(RuvIdLevelAdventure::keyEnter);
    level.Update(0.1f);
    EXPECT_EQ(endlessPasses, 1 + 1 + 4000);
    EXPECT_EQ(endlessSkippingPasses, 1 + 4000) << "the skipping frame plays no speech";
    EXPECT_EQ(CountOf(Log(), "***WARNING: RuvIdLevelAdventure::Update: ActionSequence >200sec, skipping.\n"), 1u);
    EXPECT_FALSE(level.IsSkipping());
    level.Update(0.1f);
    EXPECT_EQ(endlessPasses, 1 + 1 + 4000 + 1) << "the next frame plays normally";
}

TEST_F(AdventureLevelTest, AWonMinigameRedirectsOnlyTheFirstRoomChange)
{
    RuvIdLevelAdventure::SetCatapultWon(true);
    level.RequestRoom("RoomStrand|Room", 100, 700, 100, 700);
    level.Update(0.1f);
    EXPECT_EQ(RoomLabel(), "RoomBurghof");
    EXPECT_EQ(FlagValue("Passwortja"), 1);
    EXPECT_FALSE(RuvIdLevelAdventure::IsCatapultWon());
    level.RequestRoom("RoomStrand|Room", 100, 700, 100, 700);
    level.Update(0.1f);
    EXPECT_EQ(RoomLabel(), "RoomStrand");

    // The alien shooter's room is missing here, and so is its flag.
    RuvIdLevelAdventure::SetAlienShooterWon(true);
    level.RequestRoom("RoomBurghof|Room", 100, 700, 100, 700);
    level.Update(0.1f);
    EXPECT_EQ(level.GetRoom(), nullptr);
    EXPECT_TRUE(Contains(Log(), "***ERROR: RuvIdLevelAdventure::DoSetRoom: Failed to find room <RoomBasis|Room>!"));
    EXPECT_FALSE(RuvIdLevelAdventure::IsAlienShooterWon());
    level.RequestRoom("RoomBurghof|Room", 100, 700, 100, 700);
    level.Update(0.1f);
    EXPECT_EQ(RoomLabel(), "RoomBurghof");
}

TEST_F(AdventureLevelTest, StartScriptsRunOnceAndTheSavedRoomComesBack)
{
    WriteFile("settings.txt", "[LevelParameter] \"Level05Settings\"\n{\n"
                              "    \"start playerpos\" 144 640\n    \"start walk to\" 400 640\n"
                              "    \"Room Id\" 3\n    \"Start Room\" \"RoomStrand\"\n}\n");
    {
        File file;
        ASSERT_TRUE(file.Open("settings.txt", "r"));
        AsciiSerializer reader(file, false);
        level.Serialize(reader, "Level05Settings");
    }
    ASSERT_TRUE(level.Start());
    EXPECT_EQ(RoomLabel(), "RoomStrand");
    // Both start scripts ran to their end in the room's arranging step.
    EXPECT_EQ(FlagValue("Episodenstart"), 1);
    EXPECT_EQ(FlagValue("Strandbesuche"), 1);
    const Character& player = level.GetPlayer()->GetCharacter();
    EXPECT_EQ(player.GetState(), Character::walking);
    EXPECT_NEAR(player.GetPosition().x, 144.0f, 5.0f);
    EXPECT_NEAR(player.GetPosition().y, 640.0f, 1.0f);

    level.RequestRoom("RoomBurghof|Room", 100, 700, 100, 700);
    level.Update(0.1f);
    level.RequestRoom("RoomStrand|Room", 100, 700, 100, 700);
    level.Update(0.1f);
    level.RequestRoom("RoomBurghof|Room", 100, 700, 100, 700);
    level.Update(0.1f);
    EXPECT_EQ(FlagValue("Episodenstart"), 1);
    EXPECT_EQ(FlagValue("Strandbesuche"), 2);
    {
        File file;
        ASSERT_TRUE(file.OpenDirect("state.txt", "w"));
        AsciiSerializer writer(file, true);
        level.SerializeState(writer, "Level05Settings");
    }
    level.Exit();
    EXPECT_EQ(FlagValue("Episodenende"), 1);

    // A savegame's room: entered without the episode's start script.
    RuvIdLevelAdventure loaded;
    ASSERT_TRUE(loaded.Init(LevelParameters{episode}));
    {
        File file;
        ASSERT_TRUE(file.Open("state.txt", "r"));
        AsciiSerializer reader(file, false);
        loaded.SerializeState(reader, "Level05Settings");
    }
    ASSERT_TRUE(loaded.Start());
    ASSERT_NE(loaded.GetRoom(), nullptr);
    EXPECT_EQ(loaded.GetRoom()->GetLabel(), "RoomBurghof");
    EXPECT_EQ(FlagValue("Episodenstart"), 1);
    loaded.Exit();
    EXPECT_EQ(FlagValue("Episodenende"), 2);

    const std::string log = Log();
    EXPECT_EQ(CountOf(log, "Run episode-startup script <ScriptEpisode10Init>\n"), 1u) << log;
    EXPECT_EQ(CountOf(log, "Run room-startup script <ScriptRoomStrand>\n"), 2u);
    EXPECT_EQ(CountOf(log, "Run room-startup script <ScriptRoomBurghof>\n"), 3u);
    EXPECT_EQ(CountOf(log, "Run episode-exit script <ScriptEpisode10Exit>\n"), 2u);
}
