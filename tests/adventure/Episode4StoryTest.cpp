#include "StoryTest.h"
#include "adventure/Inventory.h"
#include "adventure/Item.h"
#include "episode4/Episode4Names.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// Episode 4's story scripts on the elements they touch.
class Episode4StoryTest : public StoryTest {
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        Inventory::GetInstance().Clear();
        AddFlags({episode4::passwortja, episode4::einleitungGesehen, episode4::kiraHinweisSchritt,
                  episode4::kiraHinweisStufe, episode4::eisenVerlangt, episode4::taxiFrei, episode4::spuleGeschmiedet,
                  episode4::spuleEingebaut, episode4::kristallEingebaut, episode4::zeitsprung, episode4::tablettPoliert,
                  episode4::ascheGenommen, episode4::hundAbgelenkt, episode4::elsterEntdeckt,
                  episode4::kristallGefunden, episode4::kugelGeloest});
        AddPeople({episode4::player, episode4::rocko, episode4::kira, episode4::schmied, episode4::herold,
                   episode4::lotte, episode4::mia});
        cast.Add(&taxi, episode4::taxi);
        cast.Add(&chain, episode4::kette);
        cast.Add(&flash, episode4::zeitblitz);
        cast.Add(&dog, episode4::hund);
        cast.Add(&basket, episode4::korbhund);
        cast.Add(&magpie, episode4::elster);
        cast.Add(&window, episode4::fenster);
        cast.Add(&glint, episode4::kristallglanz);
        cast.Add(&ball, episode4::kugel);
        cast.Add(&tray, episode4::tablett);
        cast.FindAs<Entity>(episode4::player)->SetPosition(500, 620);
        magpie.SetPosition(560, 60);
        window.SetPosition(380, 200);
    }
    void TearDown() override
    {
        Inventory::GetInstance().Clear();
        StoryTest::TearDown();
    }

    // Runs the script to its end; the magpie flies meanwhile.
    void Play(const char* script)
    {
        StoryTest::Play(script, 300, [this] { magpie.Update(0.1f); });
    }
    std::vector<std::string> Items() const { return Inventory::GetInstance().GetItems(); }
    void Give(const char* item) { Inventory::GetInstance().AddItem(item); }
    bool Hidden(const char* name) const { return cast.FindAs<Entity>(name)->IsHidden(); }
    std::pair<int, int> Hint()
    {
        Play("ScriptKiraHinweis4");
        return {Value(episode4::kiraHinweisSchritt), Value(episode4::kiraHinweisStufe)};
    }

    // The half crystal from the tower: the magpie, the ash, the tray.
    void CrystalChain()
    {
        Play("ScriptElsterBenutzen");
        EXPECT_EQ(Value(episode4::elsterEntdeckt), 1);
        Play("ScriptHerdBenutzen");
        Play("ScriptHerdBenutzen");
        EXPECT_EQ(Items(), std::vector<std::string>{episode4::asche});
        Give(episode4::tablett);
        Play("ScriptTablettPolieren");
        EXPECT_EQ(Items(), std::vector<std::string>{episode4::silbertablett});
        Play("ScriptElsterFangen");
        EXPECT_TRUE(Hidden(episode4::elster));
        EXPECT_TRUE(Hidden(episode4::kristallglanz));
        EXPECT_EQ(Value(episode4::kristallGefunden), 1);
    }

    // Rocko's taxi: the smith's price, the lard, the iron ball, the coil.
    // The kettle is offered too early first and kept.
    void TaxiChain()
    {
        Give(episode4::kessel);
        Play("ScriptSpuleSchmieden");
        EXPECT_TRUE(Inventory::GetInstance().HasItem(episode4::kessel));
        Set(episode4::eisenVerlangt, 1); // the smith names his price in his conversation
        Play("ScriptSchmalzBekommen");
        Play("ScriptSchmalzBekommen");
        EXPECT_TRUE(Hidden(episode4::hund));
        EXPECT_FALSE(Hidden(episode4::korbhund));
        Play("ScriptKugelLoesen");
        EXPECT_TRUE(Hidden(episode4::kugel));
        EXPECT_FALSE(Hidden(episode4::kette));
        Play("ScriptTaxiFreikaufen");
        EXPECT_TRUE(Hidden(episode4::kette));
        EXPECT_EQ(Value(episode4::taxiFrei), 1);
        Play("ScriptSpuleSchmieden");
        EXPECT_TRUE(Inventory::GetInstance().HasItem(episode4::kupferspule));
        EXPECT_FALSE(Inventory::GetInstance().HasItem(episode4::kessel));
    }

    Item taxi;
    Item chain;
    Item flash;
    Item dog;
    Item basket;
    Item magpie;
    Item window;
    Item glint;
    Item ball;
    Item tray;
};

} // namespace

TEST_F(Episode4StoryTest, KiraFollowsTheChartAndBothChainsInEitherOrderLeadToTheJumpOnce)
{
    // Step 1 of the chart, vague, plainer, plain; the iron ball offered
    // before the smith has named his price is kept.
    EXPECT_EQ(Hint(), std::pair(1, 0));
    EXPECT_EQ(Hint(), std::pair(1, 1));
    EXPECT_EQ(Hint(), std::pair(1, 2));
    Give(episode4::eisenkugel);
    Play("ScriptTaxiFreikaufen");
    EXPECT_EQ(Value(episode4::taxiFrei), 0);
    EXPECT_EQ(Items(), std::vector<std::string>{episode4::eisenkugel});
    Inventory::GetInstance().Clear();

    // The taxi first: its coil goes in, and the crystal is still missing.
    TaxiChain();
    Play("ScriptSpuleEinbauen");
    EXPECT_EQ(Value(episode4::spuleEingebaut), 1);
    EXPECT_EQ(level.requestedLevel, 0);
    EXPECT_TRUE(Items().empty());
    EXPECT_EQ(Hint(), std::pair(1, 2));

    // Then the crystal: built in, the taxi jumps, once.
    CrystalChain();
    EXPECT_EQ(Hint(), std::pair(10, 0));
    Play("ScriptKristallEinbauen");
    EXPECT_EQ(Value(episode4::zeitsprung), 1);
    EXPECT_EQ(level.requestedLevel, episode4::nextLevel);
    EXPECT_TRUE(Hidden(episode4::taxi));
    EXPECT_TRUE(Items().empty());
    level.requestedLevel = 0;
    Play("ScriptZeitsprung");
    Play("ScriptTaxiBeladen");
    EXPECT_EQ(level.requestedLevel, 0);

    // The other order: the crystal goes into the chained taxi, and the jump
    // waits for the coil.
    for (auto& flag : flags)
        flag.SetValue(0);
    for (Item* thing : {&taxi, &chain, &dog, &magpie, &glint, &ball})
        thing->SetHidden(false);
    basket.SetHidden(true);
    magpie.SetPosition(560, 60);
    CrystalChain();
    Play("ScriptKristallEinbauen");
    EXPECT_EQ(Value(episode4::kristallEingebaut), 1);
    EXPECT_EQ(level.requestedLevel, 0);
    EXPECT_EQ(Hint(), std::pair(5, 0));
    TaxiChain();
    EXPECT_EQ(level.requestedLevel, 0);
    Play("ScriptSpuleEinbauen");
    EXPECT_EQ(Value(episode4::zeitsprung), 1);
    EXPECT_EQ(level.requestedLevel, episode4::nextLevel);
    EXPECT_TRUE(Items().empty());
}

TEST_F(Episode4StoryTest, TheOpeningPlaysOnceAndEveryRoomShowsItsFlagsAfterLoading)
{
    Set(episode4::passwortja, 1);
    Play("ScriptEpisode4Init");
    EXPECT_EQ(Value(episode4::einleitungGesehen), 1);
    Play("ScriptEpisode4Init");

    // A new game: the level's settings show every picture; the rooms hide
    // the flash and the dog's basket.
    basket.SetHidden(false);
    const auto enterAll = [this] {
        for (const char* room : {"ScriptRoomBurghof", "ScriptRoomRittersaal",
                                 "ScriptRoomK\xfc"
                                 "che",
                                 "ScriptRoomTurm", "ScriptRoomVerlies"})
            Play(room);
    };
    enterAll();
    for (const char* shown :
         {episode4::kette, episode4::hund, episode4::elster, episode4::kristallglanz, episode4::kugel, episode4::taxi})
        EXPECT_FALSE(Hidden(shown)) << shown;
    for (const char* hidden : {episode4::zeitblitz, episode4::korbhund})
        EXPECT_TRUE(Hidden(hidden)) << hidden;
    EXPECT_TRUE(tray.IsActive());

    // Ash used on the tray still lying on the table: the polished tray is
    // Juna's, and the tarnished one leaves the table.
    Give(episode4::asche);
    Play("ScriptTablettPolieren");
    EXPECT_EQ(Items(), std::vector<std::string>{episode4::silbertablett});
    EXPECT_FALSE(tray.IsActive());

    // A loaded game after every step: each room shows what the flags say.
    for (Item* thing : {&chain, &flash, &dog, &basket, &magpie, &glint, &ball})
        thing->SetHidden(false);
    tray.SetActive(true);
    for (const char* flag :
         {episode4::taxiFrei, episode4::hundAbgelenkt, episode4::kristallGefunden, episode4::kugelGeloest})
        Set(flag, 1);
    enterAll();
    for (const char* hidden : {episode4::kette, episode4::zeitblitz, episode4::hund, episode4::elster,
                               episode4::kristallglanz, episode4::kugel})
        EXPECT_TRUE(Hidden(hidden)) << hidden;
    EXPECT_FALSE(Hidden(episode4::korbhund));
    EXPECT_FALSE(tray.IsActive());
}
