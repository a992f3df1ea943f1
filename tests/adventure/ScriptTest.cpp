#include "AdventureFakes.h"
#include "AdventureTestElements.h"
#include "adventure/AdventureLevel.h"
#include "adventure/Cast.h"
#include "adventure/Character.h"
#include "adventure/Door.h"
#include "adventure/Flag.h"
#include "adventure/Inventory.h"
#include "adventure/Item.h"
#include "adventure/Script.h"
#include "adventure/ScriptManager.h"
#include "audio/SoundEngine.h"
#include "graphics/SpriteManager.h"
#include "support/HeadlessTest.h"

#include <list>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Reads a flag once, raises it, and after a wait branches on both the
// value read before (fixed) and the value read after it.
class ScriptTestFlags : public Script {
    void Run(const std::string&) override
    {
        const int before = GetFlag("Tuer");
        SetFlag("Tuer", before + 1);
        SetFlag("Zaehler", GetFlag("Zaehler") + 1);
        Wait(0.2f);
        SetFlag("Zweig", GetFlag("Tuer") == before + 1 ? 1 : 9);
        if (before == 1)
            SetFlag("Ergebnis", 7);
        End();
    }
};

class ScriptTestOnlyEnd : public Script {
    void Run(const std::string&) override { End(); }
};

class ScriptTestInner : public Script {
    void Run(const std::string&) override
    {
        Wait(0.15f);
        SetFlag("Innen", 5);
        End();
    }
};

// Copies what the inner script set, which only works once it has ended.
class ScriptTestOuter : public Script {
    void Run(const std::string&) override
    {
        RunScript("ScriptTestInner");
        SetFlag("Aussen", GetFlag("Innen"));
        End();
    }
};

// Appends its parameter's digit to a flag: the order in which async scripts run.
class ASyncScriptTestDigit : public Script {
    void Run(const std::string& digit) override
    {
        SetFlag("Reihe", GetFlag("Reihe") * 10 + std::stoi(digit));
        End();
    }
};

// Starts a looping sound and waits for a talk that does not end soon.
class ScriptTestLoop : public Script {
    void Run(const std::string&) override
    {
        StartSound("audioevent_summen", true);
        WaitForTalk("Player");
        End();
    }
};

// Stops the blocking scripts, itself among them.
// Waits while a looping animation plays its rounds.
class ScriptTestWink : public Script {
    void Run(const std::string&) override
    {
        PlayAnimation("Player", "wink", 0, 0, 10.0f, true);
        WaitForAnimTime("Player", 1.5f);
        SetFlag("Reihe", 1);
        End();
    }
};

// Gives the item back by its short name, as story scripts write it.
class ScriptTestGiveBack : public Script {
    void Run(const std::string&) override
    {
        RemoveItem("Schluessel");
        AddItem("Schluessel");
        RemoveItem("Schluessel");
        End();
    }
};

class ScriptTestStopAll : public Script {
    void Run(const std::string&) override
    {
        StopScripts();
        SetFlag("Zweig", 3);
        End();
    }
};

const ScriptRegistration<ScriptTestStopAll> testStopAll("ScriptTestStopAll");
const ScriptRegistration<ScriptTestGiveBack> testGiveBack("ScriptTestGiveBack");
const ScriptRegistration<ScriptTestWink> testWink("ScriptTestWink");
const ScriptRegistration<ScriptTestFlags> testFlags("ScriptTestFlags");
const ScriptRegistration<ScriptTestOnlyEnd> testOnlyEnd("ScriptTestOnlyEnd");
const ScriptRegistration<ScriptTestInner> testInner("ScriptTestInner");
const ScriptRegistration<ScriptTestOuter> testOuter("ScriptTestOuter");
const ScriptRegistration<ASyncScriptTestDigit> testDigit("ASyncScriptTestDigit");
const ScriptRegistration<ScriptTestLoop> testLoop("ScriptTestLoop");

class CountingEntity : public TestEntity {
public:
    void OnUse() override { ++uses; }
    int uses = 0;
};

class ScriptTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        AdventureLevel::SetCurrent(&level);
        for (const char* name : {"Tuer", "Zaehler", "Zweig", "Ergebnis", "Innen", "Aussen", "Reihe"})
            cast.Add(&flags.emplace_back(), name);
        player.SetAnimName("hero");
        cast.Add(&player, "Player");
    }
    void TearDown() override
    {
        AdventureLevel::SetCurrent(nullptr);
        cast.Clear();
        LoggedTest::TearDown();
    }

    int FlagValue(const char* name) const { return cast.FindAs<Flag>(name)->GetValue(); }
    void Frames(int count, float dt = 0.1f)
    {
        for (int frame = 0; frame < count; ++frame)
            scripts.Update(dt);
    }

    FakeLevel level;
    Cast& cast = Cast::GetInstance();
    ScriptManager& scripts = ScriptManager::GetInstance();
    std::list<Flag> flags;
    Character player;
};

} // namespace

TEST_F(ScriptTest, CommandsActOnceInOrderAndQueriesKeepTheirValue)
{
    cast.FindAs<Flag>("Tuer")->SetValue(1);
    ASSERT_TRUE(scripts.Run("ScriptTestFlags"));
    EXPECT_FALSE(scripts.IsIdle());

    // 0.1 s frames: the wait has 1000, 2000, 3000 units of 0.0001 s and
    // ends when they exceed 2000, in the third frame.
    Frames(2);
    EXPECT_EQ(FlagValue("Tuer"), 2);
    EXPECT_EQ(FlagValue("Zaehler"), 1);
    EXPECT_EQ(FlagValue("Zweig"), 0);
    ASSERT_EQ(scripts.GetBlocking().size(), 1u);
    EXPECT_EQ(scripts.GetBlocking().front()->GetDoneCount(), 4);
    Frames(1);
    EXPECT_TRUE(scripts.GetBlocking().empty());
    EXPECT_TRUE(scripts.IsIdle());
    EXPECT_EQ(FlagValue("Tuer"), 2);
    EXPECT_EQ(FlagValue("Zaehler"), 1);
    EXPECT_EQ(FlagValue("Zweig"), 1);
    // "before" was read as 1 although the flag is 2 by now.
    EXPECT_EQ(FlagValue("Ergebnis"), 7);

    // A looping animation of 4 frames at 10 frames per second runs 0.4 s
    // rounds; the wait for 1.5 s of it ends in the 15th frame of 0.1 s.
    SpriteManager::GetInstance().RegisterSprite("wink", std::make_unique<FramesSprite>(4));
    scripts.Run("ScriptTestWink");
    for (int frame = 0; frame < 15; ++frame) {
        EXPECT_EQ(FlagValue("Reihe"), 0) << frame;
        scripts.Update(0.1f);
        player.Update(0.1f);
    }
    EXPECT_EQ(FlagValue("Reihe"), 1);
    EXPECT_TRUE(player.IsPlayingUserAnim());

    // A script that only ends is gone in the frame it started.
    scripts.Run("ScriptTestOnlyEnd");
    Frames(1);
    EXPECT_TRUE(scripts.GetBlocking().empty());

    // A script that stops the blocking scripts stops itself: it is deleted
    // only after its pass, and the rest of that pass does nothing.
    scripts.Run("ScriptTestOnlyEnd");
    scripts.Run("ScriptTestStopAll");
    Frames(1);
    EXPECT_TRUE(scripts.GetBlocking().empty());
    EXPECT_EQ(FlagValue("Zweig"), 1);

    // Unknown names start nothing.
    EXPECT_FALSE(scripts.Run("ScriptGibtEsNicht"));
    EXPECT_FALSE(scripts.RunAsync("ASyncScriptGibtEsNicht"));
    EXPECT_TRUE(scripts.GetBlocking().empty());
    EXPECT_TRUE(scripts.GetAsync().empty());
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "Failed to find script <ScriptGibtEsNicht>!\n"));
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "Failed to find script <ASyncScriptGibtEsNicht>!\n"));
}

TEST_F(ScriptTest, AStartedScriptEndsBeforeItsCallerGoesOn)
{
    scripts.Run("ScriptTestOuter");
    Frames(1);
    ASSERT_EQ(scripts.GetBlocking().size(), 2u);
    EXPECT_EQ(scripts.GetBlocking().back()->GetName(), "ScriptTestInner");
    // The inner wait exceeds 0.15 s in its second frame; the caller goes
    // on in that same frame.
    Frames(1);
    EXPECT_EQ(scripts.GetBlocking().size(), 2u);
    EXPECT_EQ(FlagValue("Aussen"), 0);
    Frames(1);
    EXPECT_TRUE(scripts.GetBlocking().empty());
    EXPECT_EQ(FlagValue("Innen"), 5);
    EXPECT_EQ(FlagValue("Aussen"), 5);
}

TEST_F(ScriptTest, AsyncScriptsRunFromLastToFirstAndStopByName)
{
    for (const char* digit : {"1", "2", "3"})
        scripts.RunAsync("ASyncScriptTestDigit", digit);
    Frames(1);
    EXPECT_EQ(FlagValue("Reihe"), 321);
    EXPECT_TRUE(scripts.GetAsync().empty());

    player.Say(TalkEntry{"Ein langer Satz", "", ""});
    scripts.RunAsync("ScriptTestLoop");
    scripts.RunAsync("ScriptTestOuter");
    scripts.RunAsync("ScriptTestLoop");
    Frames(1);
    scripts.StopAsync("ScriptTestLoop");
    ASSERT_EQ(scripts.GetAsync().size(), 1u);
    EXPECT_EQ(scripts.GetAsync().front()->GetName(), "ScriptTestOuter");
    // Its inner script went onto the blocking stack.
    EXPECT_EQ(scripts.GetBlocking().size(), 1u);
    scripts.StopAsync();
    scripts.StopBlocking();
    EXPECT_TRUE(scripts.GetAsync().empty());
    EXPECT_TRUE(scripts.GetBlocking().empty());
}

TEST_F(ScriptTest, StoppedScriptsLeaveNoSoundAndInterruptibleOnesDoNotAct)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    engine.SetEnabled(true);
    player.Say(TalkEntry{"Ein langer Satz", "", ""});
    scripts.Run("ScriptTestLoop");
    Frames(3);
    EXPECT_EQ(engine.GetPersistentVoices().size(), 1u);
    EXPECT_FALSE(scripts.IsIdle());
    scripts.StopBlocking();
    EXPECT_TRUE(engine.GetPersistentVoices().empty());

    // Ended rather than stopped, the loop plays on.
    scripts.Run("ScriptTestLoop");
    player.StopSpeech();
    Frames(1);
    EXPECT_TRUE(scripts.GetBlocking().empty());
    EXPECT_EQ(engine.GetPersistentVoices().size(), 1u);

    // A click while the player walks to the console stops the use.
    CountingEntity console;
    cast.Add(&console, "Bruecke|Konsole");
    player.SetState(Character::walking);
    scripts.Run("ScriptOnUse", "Bruecke|Konsole");
    Frames(2);
    EXPECT_TRUE(scripts.IsIdle());
    scripts.StopBlocking();
    player.SetState(Character::idle);
    Frames(1);
    EXPECT_EQ(console.uses, 0);
    scripts.Run("ScriptOnUse", "Bruecke|Konsole");
    Frames(1);
    EXPECT_EQ(console.uses, 1);
    EXPECT_TRUE(scripts.GetBlocking().empty());

    // A missing element is logged and does not hold the script up.
    scripts.Run("ScriptOnUse", "Bruecke|Nichts");
    Frames(1);
    EXPECT_TRUE(scripts.GetBlocking().empty());
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "Script::FindEntity: Entity <Bruecke|Nichts> not founded!\n"));
}

TEST_F(ScriptTest, StandardScriptsGoThroughDoorsAndPickItemsUp)
{
    // The door's 4 frames at 20 frames per second open in 0.2 s; the
    // script goes through once the door is idle again.
    SpriteManager::GetInstance().RegisterSprite("hatch", std::make_unique<FramesSprite>(4));
    Door hatch, target;
    cast.Add(&hatch, "Bruecke|Luke");
    cast.Add(&target, "Labor|Luke");
    hatch.SetLeadsTo("Labor|Luke");
    target.SetWalkFrom(Point{50, 60});
    target.SetWalkTo(Point{70, 80});
    ASSERT_TRUE(hatch.GetAnimation().SetSpriteLabel("hatch"));
    hatch.GetAnimation().SetMode(Animation::modeStop);
    hatch.SetState(Door::opening);
    scripts.Run("ScriptEnterNextRoom", "Bruecke|Luke");
    for (int frame = 0; frame < 2; ++frame) {
        hatch.Update(0.1f);
        Frames(1);
    }
    EXPECT_TRUE(level.rooms.empty());
    hatch.Update(0.1f);
    Frames(1);
    EXPECT_EQ(level.rooms, std::vector<std::string>{"Labor|Room 50 60 70 80"});
    EXPECT_TRUE(scripts.GetBlocking().empty());

    // Low: the item vanishes once 0.6 s are exceeded (the 7th frame of
    // 0.1 s), and the second wait counts from that frame on, so it exceeds
    // 0.7 s in the 14th, when the item goes into the inventory.
    Item spanner;
    cast.Add(&spanner, "Deck|Schluessel");
    Inventory& inventory = Inventory::GetInstance();
    scripts.Run("ScriptOnPickupLow", "Deck|Schluessel");
    Frames(6);
    EXPECT_TRUE(spanner.IsActive());
    Frames(1);
    EXPECT_FALSE(spanner.IsActive());
    Frames(6);
    EXPECT_FALSE(inventory.HasItem("Deck|Schluessel"));
    Frames(1);
    EXPECT_TRUE(inventory.HasItem("Deck|Schluessel"));
    EXPECT_TRUE(scripts.GetBlocking().empty());

    // Middle and high: 0.4 + 0.3 s and 0.5 + 0.8 s.
    for (const auto& [name, hideFrame, pickFrame] :
         {std::tuple{"ScriptOnPickupMid", 5, 8}, std::tuple{"ScriptOnPickupHigh", 6, 14}}) {
        inventory.RemoveItem("Deck|Schluessel");
        spanner.SetActive(true);
        scripts.Run(name, "Deck|Schluessel");
        Frames(hideFrame - 1);
        EXPECT_TRUE(spanner.IsActive()) << name;
        Frames(1);
        EXPECT_FALSE(spanner.IsActive()) << name;
        Frames(pickFrame - hideFrame - 1);
        EXPECT_FALSE(inventory.HasItem("Deck|Schluessel")) << name;
        Frames(1);
        EXPECT_TRUE(inventory.HasItem("Deck|Schluessel")) << name;
    }

    // A script naming the item short finds the entry the pick-up made
    // under its full name, and adds it back under that name too.
    scripts.Run("ScriptTestGiveBack");
    Frames(1);
    EXPECT_TRUE(inventory.GetItems().empty());
}
