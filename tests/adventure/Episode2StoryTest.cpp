#include "StoryTest.h"
#include "adventure/Door.h"
#include "adventure/Inventory.h"
#include "adventure/Item.h"
#include "episode2/Episode2Names.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// Episode 2's story scripts on the elements they touch.
class Episode2StoryTest : public StoryTest {
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        AddFlags({episode2::einleitungGesehen, episode2::pokalBekommen, episode2::fotoGemacht,
                  episode2::kiraHinweisSchritt, episode2::kiraHinweisStufe, episode2::pokalVerkauft,
                  episode2::ausweisGebastelt, episode2::preisGenannt, episode2::rockoBezahlt, episode2::taxiGetankt,
                  episode2::abflug, episode2::ausweisVerlangt, episode2::kanisterGefuellt});
        AddPeople({"Player", "RoomRaumhafen|Kira", "RoomFestplatz|Kalani", "RoomFestplatz|Lotte", "RoomFestplatz|Mia",
                   "RoomHangar|Baltasar", episode2::rocko, episode2::baron});
        cast.Add(&robots, episode2::roboter);
        cast.Add(&crystal, episode2::preiskristall);
        cast.Add(&canister, episode2::kanister);
        cast.Add(&gate, episode2::torRaumhafen);
        crystal.SetPosition(500, 400);
        robots.SetPosition(300, 200);
    }

    // Runs the script to its end; the robots fly meanwhile.
    void Play(const char* script)
    {
        StoryTest::Play(script, 200, [this] { robots.Update(0.1f); });
    }
    bool Holds(const char* item) const { return Inventory::GetInstance().HasItem(item); }
    bool Hidden(const char* name) const { return cast.FindAs<Entity>(name)->IsHidden(); }

    Item robots;
    Item crystal;
    Item canister;
    Door gate;
};

} // namespace

TEST_F(Episode2StoryTest, KiraHintsAtTheFirstOpenStepAndRockoFliesOnlyPaidAndFuelledInEitherOrder)
{
    const auto hint = [&] {
        Play("ScriptKiraHinweis2");
        return std::pair(Value(episode2::kiraHinweisSchritt), Value(episode2::kiraHinweisStufe));
    };
    // Step 1 of the chart, vague, plainer, plain, and plain it stays; the
    // fuel chain begun first does not skip the fare.
    EXPECT_EQ(hint(), std::pair(1, 0));
    EXPECT_EQ(hint(), std::pair(1, 1));
    EXPECT_EQ(hint(), std::pair(1, 2));
    Set(episode2::ausweisVerlangt, 1);
    EXPECT_EQ(hint(), std::pair(1, 2));

    // The trophy is not sold before Juna knows Rocko's price.
    Play("ScriptPokalBekommen");
    Play("ScriptPokalBekommen");
    EXPECT_EQ(Inventory::GetInstance().GetItems(), std::vector<std::string>{episode2::pokal});
    Play("ScriptPokalVerkaufen");
    EXPECT_TRUE(Holds(episode2::pokal));
    EXPECT_EQ(Value(episode2::pokalVerkauft), 0);
    Set(episode2::preisGenannt, 1);
    EXPECT_EQ(hint(), std::pair(3, 0));
    Play("ScriptPokalVerkaufen");
    EXPECT_EQ(Inventory::GetInstance().GetItems(), std::vector<std::string>{episode2::sternentaler});

    // Fuel first: the canister still on the hangar floor is filled with the
    // pass, and Rocko still waits for his fare.
    Play("ScriptKanisterFuellen");
    EXPECT_EQ(Value(episode2::kanisterGefuellt), 0);
    Inventory::GetInstance().AddItem(episode2::tankausweis);
    Set(episode2::ausweisGebastelt, 1);
    Play("ScriptKanisterFuellen");
    EXPECT_FALSE(canister.IsActive());
    EXPECT_FALSE(Holds(episode2::tankausweis));
    Play("ScriptTaxiTanken");
    EXPECT_EQ(Value(episode2::taxiGetankt), 1);
    Play("ScriptAbflugPruefen");
    EXPECT_EQ(level.requestedLevel, 0);
    Play("ScriptRockoBezahlen");
    EXPECT_EQ(Value(episode2::abflug), 1);
    EXPECT_EQ(level.requestedLevel, 8);
    EXPECT_TRUE(Inventory::GetInstance().GetItems().empty());

    // The fare first.
    level.requestedLevel = 0;
    for (const char* flag : {episode2::rockoBezahlt, episode2::taxiGetankt, episode2::abflug})
        Set(flag, 0);
    Play("ScriptRockoBezahlen");
    EXPECT_EQ(level.requestedLevel, 0);
    Play("ScriptTaxiTanken");
    EXPECT_EQ(level.requestedLevel, 8);
}

TEST_F(Episode2StoryTest, TheRobberyPlaysOnceAndTheSquareStaysRobbedAfterLoading)
{
    Play("ScriptRoomFestplatz");
    EXPECT_TRUE(Hidden(episode2::roboter));
    EXPECT_TRUE(Hidden(episode2::baron));
    EXPECT_FALSE(Hidden(episode2::preiskristall));

    // The robots come down to the crystal, take it and fly off the screen.
    Play("ScriptEpisode2Init");
    EXPECT_EQ(Value(episode2::einleitungGesehen), 1);
    EXPECT_TRUE(Hidden(episode2::preiskristall));
    EXPECT_TRUE(Hidden(episode2::roboter));
    EXPECT_TRUE(Hidden(episode2::baron));
    EXPECT_LT(robots.GetPosition().y, 0.0f);

    // A loaded game shows the square as the level's settings have it; the
    // room hides what is gone, and the robbery does not play again.
    for (Entity* shown : {static_cast<Entity*>(&robots), static_cast<Entity*>(&crystal),
                          static_cast<Entity*>(cast.FindAs<Character>(episode2::baron))})
        shown->SetHidden(false);
    robots.SetPosition(300, 200);
    Play("ScriptRoomFestplatz");
    Play("ScriptEpisode2Init");
    EXPECT_TRUE(Hidden(episode2::preiskristall));
    EXPECT_TRUE(Hidden(episode2::roboter));
    EXPECT_TRUE(Hidden(episode2::baron));
    EXPECT_EQ(robots.GetPosition().y, 200.0f);
}
