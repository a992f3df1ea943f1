#include "StoryTest.h"
#include "adventure/Inventory.h"
#include "adventure/Item.h"
#include "episode5/Episode5Names.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using Items = std::vector<std::string>;

// Episode 5's story scripts on the elements they touch.
class Episode5StoryTest : public StoryTest {
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        Inventory::GetInstance().Clear();
        AddFlags({episode5::einleitungGesehen, episode5::kiraHinweisSchritt, episode5::kiraHinweisStufe,
                  episode5::kabelGeholt, episode5::schleuseOffen, episode5::kapselOffen, episode5::fensterGeputzt,
                  episode5::hofBetreten, episode5::notizenGelesen, episode5::zwiebelAufgetaut, episode5::saftGepresst,
                  episode5::sprayGemischt, episode5::roboterAbgelenkt});
        AddPeople({episode5::player, episode5::rocko, episode5::kira, episode5::lotte, episode5::mia});
        for (const char* name : pictures)
            cast.Add(&things.emplace_back(), name);
        cast.FindAs<Entity>(episode5::player)->SetPosition(500, 620);
        Thing(episode5::hoftuer)->SetPosition(515, 480);
    }
    void TearDown() override
    {
        Inventory::GetInstance().Clear();
        StoryTest::TearDown();
    }

    Item* Thing(const char* name) { return cast.FindAs<Item>(name); }
    Items Held() const { return Inventory::GetInstance().GetItems(); }
    bool Has(const char* item) const { return Inventory::GetInstance().HasItem(item); }
    bool Hidden(const char* name) const { return cast.FindAs<Entity>(name)->IsHidden(); }
    std::pair<int, int> Hint()
    {
        Play("ScriptKiraHinweis5");
        return {Value(episode5::kiraHinweisSchritt), Value(episode5::kiraHinweisStufe)};
    }
    // A new game: every picture shown, as the level's settings have them.
    void NewGame()
    {
        for (auto& flag : flags)
            flag.SetValue(0);
        for (Item& thing : things)
            thing.SetHidden(false);
        Inventory::GetInstance().Clear();
    }

    // Into the base: the leads from the taxi onto the switch box.
    void IntoTheBase()
    {
        Play("ScriptKabelLeihen");
        Play("ScriptKabelLeihen");
        EXPECT_EQ(Held(), Items{episode5::kabel});
        Play("ScriptSchleuseOeffnen");
        EXPECT_EQ(Value(episode5::schleuseOffen), 1);
        EXPECT_FALSE(Hidden(episode5::kabelrolle));
        EXPECT_FALSE(Hidden(episode5::schaltlampe));
        EXPECT_TRUE(Held().empty());
    }

    // The onion juice: the capsule, the diary, the lamp, the press. The
    // press is tried before the diary is read and keeps the onion.
    void OnionChain()
    {
        Play("ScriptKapselOeffnen");
        Play("ScriptKapselOeffnen");
        EXPECT_TRUE(Hidden(episode5::kapsel));
        EXPECT_FALSE(Hidden(episode5::kapselOffenBild));
        EXPECT_TRUE(Has(episode5::eiszwiebel));
        Play("ScriptZwiebelAuftauen");
        EXPECT_TRUE(Has(episode5::zwiebel));
        EXPECT_FALSE(Has(episode5::eiszwiebel));
        Play("ScriptZwiebelPressen");
        EXPECT_TRUE(Has(episode5::zwiebel));
        EXPECT_EQ(Value(episode5::saftGepresst), 0);
        // Without sheets the computer's conversation ends at once, wrong.
        Play("ScriptComputerBenutzen");
        EXPECT_EQ(Value(episode5::notizenGelesen), 0);
        Set(episode5::notizenGelesen, 1); // the right answer in its conversation
        Play("ScriptZwiebelPressen");
        EXPECT_FALSE(Has(episode5::zwiebel));
        EXPECT_TRUE(Has(episode5::zwiebelsaft));
        EXPECT_FALSE(Hidden(episode5::versteckling));
    }

    // The bottle: the twins burst the popcorn, the window takes its cleaner.
    void BottleChain()
    {
        Play("ScriptRoboterAblenken");
        Play("ScriptRoboterAblenken");
        for (const char* hidden : {episode5::roboter, episode5::tuete})
            EXPECT_TRUE(Hidden(hidden)) << hidden;
        for (const char* shown : {episode5::putzer, episode5::popcorn})
            EXPECT_FALSE(Hidden(shown)) << shown;
        EXPECT_TRUE(Has(episode5::spruehflasche));
        Play("ScriptFlascheLeeren");
        EXPECT_TRUE(Hidden(episode5::schleim));
        EXPECT_FALSE(Has(episode5::spruehflasche));
        EXPECT_TRUE(Has(episode5::leereFlasche));
    }

    static constexpr const char* pictures[] = {episode5::taxi,        episode5::schaltkasten,    episode5::kabelrolle,
                                               episode5::kapsel,      episode5::kapselOffenBild, episode5::aussentuer,
                                               episode5::landeblitz,  episode5::fenster,         episode5::schleim,
                                               episode5::aliens,      episode5::hoftuer,         episode5::computer,
                                               episode5::waermelampe, episode5::presse,          episode5::tank,
                                               episode5::roboter,     episode5::putzer,          episode5::tuete,
                                               episode5::popcorn,     episode5::schaltlampe,     episode5::laborbuch,
                                               episode5::versteckling};
    std::list<Item> things;
};

} // namespace

TEST_F(Episode5StoryTest, KiraFollowsTheChartAndBothChainsInEitherOrderLeadToTheYardOnce)
{
    // Step 1, vague, plainer, plain; the yard's door stays shut without
    // the spray.
    EXPECT_EQ(Hint(), std::pair(1, 0));
    EXPECT_EQ(Hint(), std::pair(1, 1));
    EXPECT_EQ(Hint(), std::pair(1, 2));
    Play("ScriptHoftuerBenutzen");
    EXPECT_EQ(Value(episode5::hofBetreten), 0);

    // The onion first, then the bottle: KIRA skips to the first open step.
    IntoTheBase();
    EXPECT_EQ(Hint(), std::pair(3, 0));
    OnionChain();
    EXPECT_EQ(Hint(), std::pair(7, 0));
    BottleChain();
    EXPECT_EQ(Hint(), std::pair(9, 0));
    Play("ScriptSprayMischen");
    EXPECT_EQ(Held(), Items{episode5::abwehrspray});
    EXPECT_EQ(Hint(), std::pair(10, 0));
    EXPECT_EQ(level.requestedLevel, 0);
    Play("ScriptHoftuerBenutzen");
    EXPECT_EQ(Value(episode5::hofBetreten), 1);
    EXPECT_EQ(level.requestedLevel, episode5::nextLevel);
    EXPECT_TRUE(Hidden(episode5::player));
    level.requestedLevel = 0;
    Play("ScriptHofBetreten");
    Play("ScriptHoftuerBenutzen");
    EXPECT_EQ(level.requestedLevel, 0);

    // The other order: the bottle first, then the onion; the spray on the
    // door ends the episode as using the door does.
    NewGame();
    cast.FindAs<Entity>(episode5::player)->SetHidden(false);
    IntoTheBase();
    BottleChain();
    EXPECT_EQ(Hint(), std::pair(3, 0));
    OnionChain();
    Play("ScriptSprayMischen");
    EXPECT_EQ(Held(), Items{episode5::abwehrspray});
    Play("ScriptHofBetreten");
    EXPECT_EQ(Value(episode5::hofBetreten), 1);
    EXPECT_EQ(level.requestedLevel, episode5::nextLevel);
}

TEST_F(Episode5StoryTest, TheOpeningPlaysOnceAndEveryRoomShowsItsFlagsAfterLoading)
{
    // The opening shows the landing flash and hides it again; the landing
    // pad's own script, started with it, leaves the flash alone meanwhile.
    Thing(episode5::landeblitz)->SetHidden(true);
    Play("ScriptRoomLandeplatz");
    EXPECT_TRUE(Hidden(episode5::landeblitz));
    Thing(episode5::landeblitz)->SetHidden(false);
    Play("ScriptRoomLandeplatz");
    EXPECT_FALSE(Hidden(episode5::landeblitz));
    Play("ScriptEpisode5Init");
    EXPECT_EQ(Value(episode5::einleitungGesehen), 1);
    EXPECT_TRUE(Hidden(episode5::landeblitz));
    Thing(episode5::landeblitz)->SetHidden(false);
    Play("ScriptEpisode5Init");
    EXPECT_FALSE(Hidden(episode5::landeblitz));

    // A new game after the opening: the rooms hide what no step has shown.
    const auto enterAll = [this] {
        for (const char* room : {"ScriptRoomLandeplatz", "ScriptRoomSchleuse", "ScriptRoomLabor", "ScriptRoomLager"})
            Play(room);
    };
    NewGame();
    Set(episode5::einleitungGesehen, 1);
    enterAll();
    for (const char* shown : {episode5::kapsel, episode5::schleim, episode5::roboter, episode5::tuete})
        EXPECT_FALSE(Hidden(shown)) << shown;
    for (const char* hidden :
         {episode5::kabelrolle, episode5::schaltlampe, episode5::kapselOffenBild, episode5::landeblitz,
          episode5::putzer, episode5::popcorn, episode5::laborbuch, episode5::versteckling})
        EXPECT_TRUE(Hidden(hidden)) << hidden;

    // A loaded game after every step: each room shows what the flags say.
    for (Item& thing : things)
        thing.SetHidden(false);
    for (const char* flag : {episode5::schleuseOffen, episode5::kapselOffen, episode5::fensterGeputzt,
                             episode5::roboterAbgelenkt, episode5::notizenGelesen, episode5::saftGepresst})
        Set(flag, 1);
    enterAll();
    for (const char* shown : {episode5::kabelrolle, episode5::schaltlampe, episode5::kapselOffenBild, episode5::putzer,
                              episode5::popcorn, episode5::laborbuch, episode5::versteckling})
        EXPECT_FALSE(Hidden(shown)) << shown;
    for (const char* hidden :
         {episode5::kapsel, episode5::landeblitz, episode5::schleim, episode5::roboter, episode5::tuete})
        EXPECT_TRUE(Hidden(hidden)) << hidden;
}
