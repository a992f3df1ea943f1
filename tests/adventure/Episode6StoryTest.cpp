#include "StoryTest.h"
#include "adventure/Door.h"
#include "adventure/Inventory.h"
#include "adventure/Item.h"
#include "episode6/Episode6Names.h"

#include <algorithm>
#include <list>
#include <string>
#include <utility>
#include <vector>

namespace {

using Items = std::vector<std::string>;

// Where the hall's door to the control room leads: the control room's door
// back, and the points Juna arrives at there.
constexpr const char* controlRoomDoor = "RoomKontrollraum|TuerBasis";
const std::string intoControlRoom = "RoomKontrollraum|Room 85 480 120 540";
// The closing lands on the beach: Juna is placed where she climbs out.
const std::string ontoTheBeach = "RoomHeimkehr|Room 330 650 330 650";

// Episode 6's story scripts on the elements they touch.
class Episode6StoryTest : public StoryTest {
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        Inventory::GetInstance().Clear();
        AddFlags({episode6::alienShooterVorbei, episode6::einleitungGesehen, episode6::kiraHinweisSchritt,
                  episode6::kiraHinweisStufe, episode6::kameraGeliehen, episode6::kontrollraumOffen,
                  episode6::baronGetroffen, episode6::baronFotografiert, episode6::kristallGetauscht,
                  episode6::rampeAusgerichtet, episode6::kristallAusgebaut, episode6::kristallGanz,
                  episode6::heimflug});
        AddPeople({episode6::player, episode6::lotte, episode6::mia, episode6::kira, episode6::baron, episode6::rocko,
                   episode6::baltasar, episode6::kalani});
        for (const char* name : pictures)
            cast.Add(&things.emplace_back(), name);
        cast.Add(&hallDoor, episode6::tuerKontrollraum);
        cast.Add(&backDoor, controlRoomDoor);
        hallDoor.SetLeadsTo(controlRoomDoor);
        backDoor.SetLeadsTo(episode6::tuerKontrollraum);
        backDoor.SetWalkFrom({85, 480});
        backDoor.SetWalkTo({120, 540});
        cast.FindAs<Entity>(episode6::player)->SetPosition(512, 600);
    }
    void TearDown() override
    {
        Inventory::GetInstance().Clear();
        StoryTest::TearDown();
    }

    Items Held() const { return Inventory::GetInstance().GetItems(); }
    bool Has(const char* item) const { return Inventory::GetInstance().HasItem(item); }
    long Count(const char* item) const
    {
        const Items held = Held();
        return std::count(held.begin(), held.end(), std::string(item));
    }
    bool Hidden(const char* name) const { return cast.FindAs<Entity>(name)->IsHidden(); }
    std::pair<int, int> Hint()
    {
        Play("ScriptKiraHinweis6");
        return {Value(episode6::kiraHinweisSchritt), Value(episode6::kiraHinweisStufe)};
    }
    // A new game: every picture and person shown, as the level's settings
    // have them, nothing held and no room asked for.
    void NewGame()
    {
        for (auto& flag : flags)
            flag.SetValue(0);
        for (Item& thing : things)
            thing.SetHidden(false);
        for (Character& person : people)
            person.SetHidden(false);
        Inventory::GetInstance().Clear();
        level.rooms.clear();
        level.requestedLevel = 0;
    }

    // The Baron's half: the camera is borrowed once and is no use on him
    // before he has said what he lacks; the photo buys the crystal.
    void CrystalChain()
    {
        Play("ScriptKameraLeihen");
        Play("ScriptKameraLeihen");
        EXPECT_EQ(Count(episode6::kamera), 1);
        EXPECT_EQ(Value(episode6::kameraGeliehen), 1);
        Play("ScriptBaronFotografieren");
        EXPECT_TRUE(Has(episode6::kamera));
        EXPECT_FALSE(Has(episode6::foto));
        EXPECT_EQ(Value(episode6::baronFotografiert), 0);
        Set(episode6::baronGetroffen, 1); // his conversation's choice
        Play("ScriptBaronFotografieren");
        EXPECT_FALSE(Has(episode6::kamera));
        EXPECT_TRUE(Has(episode6::foto));
        Play("ScriptKristallTauschen");
        EXPECT_FALSE(Has(episode6::foto));
        EXPECT_TRUE(Has(episode6::kristallhaelfte));
        EXPECT_EQ(Value(episode6::kristallGetauscht), 1);
        EXPECT_TRUE(Hidden(episode6::kristallschein));
        EXPECT_FALSE(Hidden(episode6::baronfoto));
    }

    // The control room: its door stays shut until the key card from the
    // floor is in the reader, then leads in.
    void ControlRoomDoor()
    {
        Play("ScriptTuerKontrollraumBenutzen");
        EXPECT_TRUE(level.rooms.empty());
        Inventory::GetInstance().AddItemSilently(episode6::zugangskarte); // picked up in the hall
        Play("ScriptKontrollraumOeffnen");
        EXPECT_FALSE(Has(episode6::zugangskarte));
        EXPECT_EQ(Value(episode6::kontrollraumOffen), 1);
        Play("ScriptTuerKontrollraumBenutzen");
        EXPECT_EQ(level.rooms, std::vector<std::string>{intoControlRoom});
        level.rooms.clear();
    }

    void AimTheRamp()
    {
        Play("ScriptRampeAusrichten");
        Play("ScriptRampeAusrichten");
        EXPECT_EQ(Value(episode6::rampeAusgerichtet), 1);
    }

    // Rocko's half out of the time drive, once.
    void TaxiCrystal()
    {
        Play("ScriptKristallAusbauen");
        Play("ScriptKristallAusbauen");
        EXPECT_EQ(Value(episode6::kristallAusgebaut), 1);
        EXPECT_EQ(Count(episode6::taxikristall), 1);
    }

    void WholeCrystal()
    {
        Play("ScriptKristallZusammensetzen");
        EXPECT_EQ(Held(), Items{episode6::kristall});
        EXPECT_EQ(Value(episode6::kristallGanz), 1);
    }

    // The flight home: everyone aboard, the taxi gone from the ramp, Juna
    // on the beach asking for the credits.
    void FlyHome()
    {
        EXPECT_EQ(level.requestedLevel, 0);
        Play("ScriptHeimflug", 300);
        EXPECT_EQ(Value(episode6::heimflug), 1);
        EXPECT_EQ(level.requestedLevel, episode6::nextLevel);
        EXPECT_EQ(level.rooms, std::vector<std::string>{ontoTheBeach});
        EXPECT_TRUE(Held().empty());
        for (const char* gone : {episode6::taxi, episode6::rocko, episode6::startflamme})
            EXPECT_TRUE(Hidden(gone)) << gone;
        EXPECT_FALSE(Hidden(episode6::player));
        // Once: a second try asks for nothing.
        level.requestedLevel = 0;
        level.rooms.clear();
        Play("ScriptHeimflug", 300);
        EXPECT_EQ(level.requestedLevel, 0);
        EXPECT_TRUE(level.rooms.empty());
    }

    static constexpr const char* pictures[] = {episode6::kartenleser,    episode6::schleimlinge, episode6::vitrine,
                                               episode6::kristallschein, episode6::baronfoto,    episode6::startpult,
                                               episode6::taxi,           episode6::kuppel,       episode6::offenekuppel,
                                               episode6::startflamme};
    std::list<Item> things;
    Door hallDoor;
    Door backDoor;
};

} // namespace

TEST_F(Episode6StoryTest, KiraFollowsTheChartAndBothChainsInEitherOrderLeadToTheFlightHomeOnce)
{
    // Step 1, vague, plainer, plain; borrowing the camera first leaves the
    // Baron's conversation the first open step.
    EXPECT_EQ(Hint(), std::pair(1, 0));
    EXPECT_EQ(Hint(), std::pair(1, 1));
    EXPECT_EQ(Hint(), std::pair(1, 2));
    Play("ScriptKameraLeihen");
    EXPECT_EQ(Hint(), std::pair(1, 2));
    NewGame();

    // The Baron's half first, then the way home.
    CrystalChain();
    EXPECT_EQ(Hint(), std::pair(5, 0));
    ControlRoomDoor();
    EXPECT_EQ(Hint(), std::pair(6, 0));
    AimTheRamp();
    EXPECT_EQ(Hint(), std::pair(7, 0));
    TaxiCrystal();
    EXPECT_EQ(Hint(), std::pair(8, 0));
    WholeCrystal();
    // All done: the last row sends Juna to the taxi.
    EXPECT_EQ(Hint(), std::pair(9, 0));
    FlyHome();

    // The other order: the door and Rocko's half first, then the Baron's;
    // the whole crystal on the taxi before the ramp is aimed keeps it and
    // stays on the moon.
    NewGame();
    ControlRoomDoor();
    TaxiCrystal();
    EXPECT_EQ(Hint(), std::pair(1, 0));
    CrystalChain();
    WholeCrystal();
    Play("ScriptHeimflug");
    EXPECT_EQ(Held(), Items{episode6::kristall});
    EXPECT_EQ(Value(episode6::heimflug), 0);
    EXPECT_EQ(level.requestedLevel, 0);
    EXPECT_TRUE(level.rooms.empty());
    EXPECT_EQ(Hint(), std::pair(6, 0));
    AimTheRamp();
    FlyHome();
}

TEST_F(Episode6StoryTest, TheOpeningPlaysOnceAndEveryRoomShowsItsFlagsAfterLoading)
{
    Set(episode6::alienShooterVorbei, 1);
    Play("ScriptEpisode6Init");
    EXPECT_EQ(Value(episode6::einleitungGesehen), 1);
    Play("ScriptEpisode6Init");
    EXPECT_EQ(Value(episode6::einleitungGesehen), 1);

    const auto enterAll = [this] {
        for (const char* room : {"ScriptRoomBasis", "ScriptRoomSammlung", "ScriptRoomKontrollraum",
                                 "ScriptRoomStartrampe", "ScriptRoomHeimkehr"})
            Play(room);
    };
    // A new game after the opening: the rooms hide what no step has shown.
    NewGame();
    Set(episode6::einleitungGesehen, 1);
    enterAll();
    for (const char* shown : {episode6::kristallschein, episode6::kuppel, episode6::taxi, episode6::vitrine})
        EXPECT_FALSE(Hidden(shown)) << shown;
    for (const char* hidden : {episode6::baronfoto, episode6::offenekuppel, episode6::startflamme})
        EXPECT_TRUE(Hidden(hidden)) << hidden;

    // A loaded game after the trade and the aimed ramp: each room shows
    // what the flags say.
    for (Item& thing : things)
        thing.SetHidden(false);
    for (const char* flag :
         {episode6::kontrollraumOffen, episode6::kameraGeliehen, episode6::baronGetroffen, episode6::baronFotografiert,
          episode6::kristallGetauscht, episode6::rampeAusgerichtet, episode6::kristallAusgebaut})
        Set(flag, 1);
    enterAll();
    for (const char* shown : {episode6::baronfoto, episode6::offenekuppel, episode6::taxi})
        EXPECT_FALSE(Hidden(shown)) << shown;
    for (const char* hidden : {episode6::kristallschein, episode6::kuppel, episode6::startflamme})
        EXPECT_TRUE(Hidden(hidden)) << hidden;
}
