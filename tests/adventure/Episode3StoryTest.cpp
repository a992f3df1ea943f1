#include "StoryTest.h"
#include "adventure/Inventory.h"
#include "adventure/Item.h"
#include "episode3/Episode3Names.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// Episode 3's story scripts on the elements they touch.
class Episode3StoryTest : public StoryTest {
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        AddFlags({episode3::einleitungGesehen, episode3::kiraHinweisSchritt, episode3::kiraHinweisStufe,
                  episode3::gansSatt, episode3::lakenGenommen, episode3::wappenrockGemalt, episode3::seilBekommen,
                  episode3::helmBekommen, episode3::ritterVerlangt, episode3::angemeldet, episode3::seilGerissen,
                  episode3::maschineRepariert, episode3::turnierbeginn});
        AddPeople({episode3::player, episode3::rocko, episode3::kira, episode3::lotte, episode3::mia,
                   episode3::schmied, episode3::herold});
        cast.Add(&taxi, episode3::taxi);
        cast.Add(&hole, episode3::zeitloch);
        cast.Add(&smoke, "RoomLichtung|rauch");
        cast.Add(&goose, episode3::gans);
        cast.Add(&stall, "RoomDorf|marktstand");
        cast.Add(&sheet, "RoomDorf|laken");
        cast.Add(&charcoal, episode3::kohle);
        cast.Add(&machine, episode3::wurfmaschine);
        cast.Add(&rope, "RoomTurnierwiese|wurfseil");
        taxi.SetPosition(420, 560);
        goose.SetPosition(300, 600);
        stall.SetPosition(700, 580);
        machine.SetPosition(600, 520);
    }

    // Runs the script to its end; the taxi and the goose move meanwhile.
    void Play(const char* script)
    {
        StoryTest::Play(script, 300, [this] {
            taxi.Update(0.1f);
            goose.Update(0.1f);
        });
    }
    bool Holds(const char* item) const { return Inventory::GetInstance().HasItem(item); }
    std::vector<std::string> Items() const { return Inventory::GetInstance().GetItems(); }
    bool Hidden(const char* name) const { return cast.FindAs<Entity>(name)->IsHidden(); }
    std::pair<float, float> At(const Entity& entity) const
    {
        return {entity.GetPosition().x, entity.GetPosition().y};
    }

    Item taxi;
    Item hole;
    Item smoke;
    Item goose;
    Item stall;
    Item sheet;
    Item charcoal;
    Item machine;
    Item rope;
};

} // namespace

TEST_F(Episode3StoryTest, KiraFollowsTheChartAndBothChainsInEitherOrderOpenTheContestOnce)
{
    const auto hint = [&] {
        Play("ScriptKiraHinweis3");
        return std::pair(Value(episode3::kiraHinweisSchritt), Value(episode3::kiraHinweisStufe));
    };
    // Step 1 of the chart, vague, plainer, plain; the machine found broken
    // first does not skip the knight.
    EXPECT_EQ(hint(), std::pair(1, 0));
    EXPECT_EQ(hint(), std::pair(1, 1));
    EXPECT_EQ(hint(), std::pair(1, 2));
    Play("ScriptWurfmaschineBenutzen");
    EXPECT_EQ(Value(episode3::seilGerissen), 1);
    EXPECT_EQ(hint(), std::pair(1, 2));

    // The machine first: the twins' rope comes once; mended, the machine
    // shows it, and the herald says a knight is missing.
    Play("ScriptSeilBekommen");
    Play("ScriptSeilBekommen");
    EXPECT_EQ(Items(), std::vector<std::string>{episode3::seil});
    Play("ScriptMaschineReparieren");
    EXPECT_FALSE(Hidden("RoomTurnierwiese|wurfseil"));
    EXPECT_EQ(Value(episode3::ritterVerlangt), 1);
    EXPECT_EQ(level.requestedLevel, 0);
    EXPECT_EQ(hint(), std::pair(2, 0));

    // The goose keeps the sheet until it has Rocko's bread, then waddles to
    // the stall's side that faces the line; the sheet is taken once.
    Play("ScriptWaescheleineBenutzen");
    EXPECT_TRUE(Items().empty());
    Inventory::GetInstance().AddItem(episode3::pausenbrot);
    Play("ScriptGansFuettern");
    EXPECT_EQ(At(goose), std::pair(500.0f, 534.0f));
    Play("ScriptWaescheleineBenutzen");
    Play("ScriptWaescheleineBenutzen");
    EXPECT_EQ(Items(), std::vector<std::string>{episode3::leintuch});
    EXPECT_TRUE(Hidden("RoomDorf|laken"));
    EXPECT_EQ(hint(), std::pair(4, 0));

    // The sheet on the charcoal still lying by the forge: both are gone.
    Play("ScriptWappenrockMalen");
    EXPECT_FALSE(charcoal.IsActive());
    EXPECT_EQ(Items(), std::vector<std::string>{episode3::wappenrock});

    // The tabard alone is no knight; the smith's helmet comes once.
    Play("ScriptAnmelden");
    EXPECT_EQ(Value(episode3::angemeldet), 0);
    EXPECT_TRUE(Holds(episode3::wappenrock));
    Play("ScriptHelmBekommen");
    Play("ScriptHelmBekommen");
    EXPECT_EQ(hint(), std::pair(6, 0));
    Play("ScriptAnmelden");
    EXPECT_EQ(Value(episode3::angemeldet), 1);
    EXPECT_EQ(Value(episode3::turnierbeginn), 1);
    EXPECT_EQ(level.requestedLevel, episode3::catapultLevel);
    EXPECT_TRUE(Items().empty());

    // Registered again, nothing is taken; the knight first, then the rope.
    level.requestedLevel = 0;
    for (const char* flag : {episode3::maschineRepariert, episode3::turnierbeginn})
        Set(flag, 0);
    Play("ScriptAnmelden");
    Play("ScriptTurnierPruefen");
    EXPECT_EQ(level.requestedLevel, 0);
    EXPECT_EQ(hint(), std::pair(9, 0));
    Inventory::GetInstance().AddItem(episode3::seil);
    Play("ScriptMaschineReparieren");
    EXPECT_EQ(level.requestedLevel, episode3::catapultLevel);
    EXPECT_TRUE(Items().empty());
}

TEST_F(Episode3StoryTest, TheTaxiFallsOnceAndEveryRoomShowsItsFlagsAfterLoading)
{
    // A new game: the hole is in the sky until the opening closes it; the
    // taxi comes down to where the room has it, and all climb out.
    Play("ScriptRoomLichtung");
    EXPECT_FALSE(Hidden(episode3::zeitloch));
    Play("ScriptEpisode3Init");
    EXPECT_EQ(Value(episode3::einleitungGesehen), 1);
    EXPECT_TRUE(Hidden(episode3::zeitloch));
    EXPECT_EQ(At(taxi), std::pair(420.0f, 560.0f));
    for (const char* shown : {episode3::player, episode3::rocko, episode3::kira, "RoomLichtung|rauch"})
        EXPECT_FALSE(Hidden(shown)) << shown;

    // A loaded game starts from the level's settings: the rooms put right
    // what the flags say, and the opening does not play again.
    hole.SetHidden(false);
    taxi.SetPosition(420, 100);
    Play("ScriptRoomLichtung");
    Play("ScriptEpisode3Init");
    EXPECT_TRUE(Hidden(episode3::zeitloch));
    EXPECT_EQ(At(taxi), std::pair(420.0f, 100.0f));

    Play("ScriptRoomDorf");
    Play("ScriptRoomTurnierwiese");
    EXPECT_EQ(At(goose), std::pair(300.0f, 600.0f));
    EXPECT_FALSE(Hidden("RoomDorf|laken"));
    EXPECT_TRUE(Hidden("RoomTurnierwiese|wurfseil"));
    for (const char* flag : {episode3::gansSatt, episode3::lakenGenommen, episode3::maschineRepariert})
        Set(flag, 1);
    Play("ScriptRoomDorf");
    Play("ScriptRoomTurnierwiese");
    EXPECT_EQ(At(goose), std::pair(500.0f, 534.0f));
    EXPECT_TRUE(Hidden("RoomDorf|laken"));
    EXPECT_FALSE(Hidden("RoomTurnierwiese|wurfseil"));
}
