#include "StoryTest.h"
#include "adventure/Door.h"
#include "adventure/Item.h"
#include "episode1/Episode1Names.h"

#include <string>

namespace {

// Episode 1's story scripts on the elements they touch.
class Episode1StoryTest : public StoryTest {
protected:
    void SetUp() override
    {
        StoryTest::SetUp();
        AddFlags({episode1::kristallGenommen, episode1::absturzErklaert, episode1::kiraHinweisSchritt,
                  episode1::kiraHinweisStufe, episode1::funkenGestoppt, episode1::lukeFrei, episode1::tanzErklaert,
                  episode1::zwillingeVersoehnt, episode1::blumenketteGebunden, episode1::ketteGegeben,
                  episode1::trommelRepariert, episode1::tanzBeginnt});
        AddPeople({"Player", "RoomBr\xfc" "cke|Kira", "RoomDorfplatz|Kalani"});
        cast.Add(&sparks, episode1::funken);
        hatch.SetLeadsTo("RoomStrand|Luke");
        beachHatch.SetLeadsTo(episode1::aussenluke);
        beachHatch.SetWalkFrom({1120, 545});
        beachHatch.SetWalkTo({1100, 600});
        cast.Add(&hatch, episode1::aussenluke);
        cast.Add(&beachHatch, "RoomStrand|Luke");
    }

    Item sparks;
    Door hatch;
    Door beachHatch;
};

} // namespace

TEST_F(Episode1StoryTest, TheHatchOpensOnlyAfterTheSparksAndThePiston)
{
    Play("ScriptAussenlukeBenutzen");
    EXPECT_TRUE(level.rooms.empty());

    // The wrench next to the sparks does nothing.
    Play("ScriptKolbenLoesen");
    EXPECT_EQ(Value(episode1::lukeFrei), 0);

    Play("ScriptFunkenFlicken");
    EXPECT_EQ(Value(episode1::funkenGestoppt), 1);
    EXPECT_FALSE(sparks.IsActive());
    Play("ScriptAussenlukeBenutzen");
    EXPECT_TRUE(level.rooms.empty());

    Play("ScriptKolbenLoesen");
    EXPECT_EQ(Value(episode1::lukeFrei), 1);
    Play("ScriptAussenlukeBenutzen");
    ASSERT_EQ(level.rooms.size(), 1u);
    EXPECT_EQ(level.rooms[0], "RoomStrand|Room 1120 545 1100 600");
}

TEST_F(Episode1StoryTest, KiraHintsAtTheFirstOpenStepMorePlainlyEachTimeAndTheDanceNeedsAllThree)
{
    const auto hint = [&] {
        Play("ScriptKiraHinweis");
        return std::pair(Value(episode1::kiraHinweisSchritt), Value(episode1::kiraHinweisStufe));
    };
    // Step 1 of the chart, vague, plainer, plain, and plain it stays.
    EXPECT_EQ(hint(), std::pair(1, 0));
    EXPECT_EQ(hint(), std::pair(1, 1));
    EXPECT_EQ(hint(), std::pair(1, 2));
    EXPECT_EQ(hint(), std::pair(1, 2));
    // A later step done out of order does not skip the earlier one.
    Set(episode1::funkenGestoppt, 1);
    EXPECT_EQ(hint(), std::pair(1, 2));
    // A new open step starts vague again.
    Set(episode1::kristallGenommen, 1);
    Set(episode1::absturzErklaert, 1);
    EXPECT_EQ(hint(), std::pair(4, 0));

    // The beach and village chains, drum last.
    for (const char* flag : {episode1::lukeFrei, episode1::tanzErklaert, episode1::zwillingeVersoehnt,
                             episode1::blumenketteGebunden, episode1::ketteGegeben})
        Set(flag, 1);
    EXPECT_EQ(hint(), std::pair(9, 0));
    Play("ScriptTanzPruefen");
    EXPECT_EQ(Value(episode1::tanzBeginnt), 0);
    EXPECT_EQ(level.requestedLevel, 0);

    // The drumstick completes the three: the dance begins by itself.
    Play("ScriptTrommelSchlegel");
    EXPECT_EQ(Value(episode1::trommelRepariert), 1);
    EXPECT_EQ(Value(episode1::tanzBeginnt), 1);
    EXPECT_EQ(level.requestedLevel, 7);
    EXPECT_EQ(hint(), std::pair(10, 0));
}
