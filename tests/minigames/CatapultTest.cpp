#include "GameParameters.h"
#include "MainProgram.h"
#include "RuvIdLevelRitter.h"
#include "minigames/CatapultThrower.h"
#include "adventure/AdventureFakes.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "graphics/SpriteManager.h"
#include "platform/VirtualKey.h"
#include "platform/Windows1252.h"
#include "support/HeadlessTest.h"

#include <cmath>
#include <memory>

namespace {

class CatapultTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        // The animations' lengths decide how long the arm can be held and
        // when the knight leaves the bucket: 30 frames at 20 a second.
        SpriteManager& sprites = SpriteManager::GetInstance();
        for (const auto& [label, frames] : {std::pair{"catapult_pull", 30}, {"catapult_launch", 30},
                                            {"catapult_wheels_front", 16}, {"catapult_wheels_back", 16},
                                            {"guard_fly", 24}, {"guard_hit", 14}, {"guard_standup", 20}})
            sprites.RegisterSprite(label, std::make_unique<FramesSprite>(frames));
        RuvIdLevelAdventure::SetCatapultWon(false);
    }
    void TearDown() override
    {
        RuvIdLevelAdventure::SetCatapultWon(false);
        LoggedTest::TearDown();
    }

    void Start(bool inAdventure, int difficulty = 0)
    {
        GameParameters::GetInstance().SetSavingAllowed(inAdventure);
        GameParameters::GetInstance().SetDifficulty(difficulty);
        ASSERT_TRUE(level.Init(LevelParameters{9, nullptr}));
        level.SetState(RuvIdLevelRitter::statePlaying);
    }

    void Run(float seconds, float step = 0.02f)
    {
        for (; seconds > 0.0f; seconds -= step)
            level.Update(step);
    }
    // Runs until the throw's phase is `subState` (or the round is over).
    void RunUntil(int subState)
    {
        for (int frames = 0; frames < 2000 && level.GetState() == RuvIdLevelRitter::statePlaying &&
                             level.GetSubState() != subState;
             ++frames)
            level.Update(0.02f);
    }
    std::string Message() const { return level.GetFrame().GetEndMessage(); }

    RuvIdLevelRitter level;
};

} // namespace

TEST_F(CatapultTest, StrengthDistanceAndFlightTimeFollowTheRules)
{
    // Fully pulled at the line is full strength; every 100 pixels before
    // the line take a tenth; below a quarter the catapult still throws.
    EXPECT_FLOAT_EQ(RuvIdLevelRitter::Power(1.0f, 1220.0f), 1.0f);
    EXPECT_FLOAT_EQ(RuvIdLevelRitter::Power(1.0f, 720.0f), 0.5f);
    EXPECT_FLOAT_EQ(RuvIdLevelRitter::Power(0.8f, 1120.0f), 0.72f);
    EXPECT_FLOAT_EQ(RuvIdLevelRitter::Power(0.2f, 1220.0f), 0.25f);
    EXPECT_FLOAT_EQ(RuvIdLevelRitter::Power(0.0f, 350.0f), 0.25f);

    // Three centimetres a pixel from x 1480 on, nothing before it.
    EXPECT_EQ(RuvIdLevelRitter::Distance(1400.0f), 0);
    EXPECT_EQ(RuvIdLevelRitter::Distance(1480.0f), 0);
    EXPECT_EQ(RuvIdLevelRitter::Distance(1481.5f), 4);
    EXPECT_EQ(RuvIdLevelRitter::Distance(3000.0f), 4560);
    EXPECT_EQ(RuvIdLevelRitter::DistanceMessage(4505), "Flugweite: 45,05 Meter");
    EXPECT_EQ(RuvIdLevelRitter::DistanceMessage(7), "Flugweite: 0,07 Meter");

    // From 3 pixels above the ground at rest: 575, 575.75, 577.25, 579.5.
    EXPECT_FLOAT_EQ(RuvIdLevelRitter::FlightSeconds(575.0f, 0.0f), 0.2f);
    EXPECT_FLOAT_EQ(RuvIdLevelRitter::FlightSeconds(578.0f, -100.0f), 0.0f);
}

TEST_F(CatapultTest, AQuickReleaseThrowsWeaklyAndShortOfTheFieldScoresNothing)
{
    Start(false);
    EXPECT_TRUE(GameParameters::GetInstance().IsMinigameUnlocked(2));
    // Nothing moves before the first click.
    Run(1.0f);
    EXPECT_FLOAT_EQ(level.GetCatapultX(), RuvIdLevelRitter::catapultStartX);

    level.OnLeftButtonDown(500, 400, false);
    Run(1.0f);
    // A second of rolling at 200 pixels per second squared.
    EXPECT_NEAR(level.GetCatapultX(), 350.0f + 100.0f, 3.0f);
    EXPECT_NEAR(level.GetCatapultSpeed(), 200.0f, 5.0f);
    level.OnLeftButtonDown(500, 400, false);
    level.OnLeftButtonUp(500, 400);
    EXPECT_EQ(level.GetSubState(), RuvIdLevelRitter::subStateLaunching);
    EXPECT_FLOAT_EQ(level.GetPower(), RuvIdLevelRitter::lowestPower);
    // An unpulled arm starts its swing a third of the way: the knight is
    // off at once, at the slowest speed (less the air's drag of his first
    // step).
    RunUntil(RuvIdLevelRitter::subStateFlying);
    EXPECT_TRUE(level.IsLaunched());
    EXPECT_NEAR(level.GetKnightSpeedX(), 0.25f * 1000.0f + 300.0f, 550.0f * 0.3f * 0.02f + 0.01f);
    RunUntil(RuvIdLevelRitter::subStateSliding);
    EXPECT_FLOAT_EQ(level.GetKnightY(), RuvIdLevelRitter::groundY);
    EXPECT_LT(level.GetKnightX(), RuvIdLevelRitter::measureStartX);
    EXPECT_EQ(level.GetDistance(), 0);
    EXPECT_EQ(Message(), "Flugweite: 0,00 Meter");
    // The knight gets up; the message goes after its 4.5 seconds, and with
    // no place in the table the title menu comes back, the cart at the start.
    RunUntil(RuvIdLevelRitter::subStateDone);
    EXPECT_EQ(level.GetState(), RuvIdLevelRitter::statePlaying);
    Run(4.5f);
    EXPECT_EQ(level.GetState(), RuvIdLevelRitter::stateTitleMenu);
    EXPECT_FLOAT_EQ(level.GetCatapultX(), RuvIdLevelRitter::catapultStartX);
    EXPECT_FALSE(level.IsLaunched());
}

TEST_F(CatapultTest, HoldingTooLongRipsTheRopeAndRollingOverTheLineEndsTheTry)
{
    Start(false);
    // The arm holds for its 30 frames at 20 a second, then rips.
    level.OnLeftButtonDown(500, 400, false);
    level.OnLeftButtonDown(500, 400, false);
    Run(1.4f);
    EXPECT_EQ(level.GetSubState(), RuvIdLevelRitter::subStateTensioning);
    Run(0.2f);
    EXPECT_EQ(Message(), "Du hast das Katapult überspannt!"_w1252);
    // Letting go now throws nothing, and the cart brakes to a stop.
    level.OnLeftButtonUp(500, 400);
    EXPECT_EQ(level.GetSubState(), RuvIdLevelRitter::subStateTensioning);
    Run(2.0f);
    EXPECT_FLOAT_EQ(level.GetCatapultSpeed(), 0.0f);
    Run(3.0f);
    EXPECT_EQ(level.GetState(), RuvIdLevelRitter::stateTitleMenu);
    EXPECT_EQ(level.GetDistance(), 0);

    // Never pulling: the cart reaches the line a little over three seconds
    // after the click (two to top speed, then 470 pixels at 400).
    level.SetState(RuvIdLevelRitter::statePlaying);
    level.OnLeftButtonDown(500, 400, false);
    Run(3.1f);
    EXPECT_EQ(Message(), "");
    Run(0.2f);
    EXPECT_EQ(Message(), "Startlinie überfahren!"_w1252);
    Run(4.5f);
    ASSERT_EQ(level.GetState(), RuvIdLevelRitter::stateTitleMenu);

    // Pulling over the line ends the try as well, with the space bar; its
    // repeats while held are no second press.
    level.SetState(RuvIdLevelRitter::statePlaying);
    level.OnKey(VirtualKey::Space);
    level.OnKeyUp(VirtualKey::Space);
    Run(2.5f);
    level.OnKey(VirtualKey::Space);
    level.OnKey(VirtualKey::Space);
    Run(0.8f);
    EXPECT_EQ(level.GetSubState(), RuvIdLevelRitter::subStateTensioning);
    EXPECT_EQ(Message(), "Startlinie überfahren!"_w1252);
    level.OnKeyUp(VirtualKey::Space);
    EXPECT_FALSE(level.IsLaunched());
}

TEST_F(CatapultTest, AFullThrowAtTheLineWinsTheStoryAndTheCastleYardIsNext)
{
    // "Schwer" asks for 55 metres: a late, weak throw misses them.
    Start(true, 2);
    EXPECT_EQ(level.GetFrame().GetRequiredScore(), 5500);
    CatapultThrower::ThrowAt(level, 800.0f, 0.5f);
    RunUntil(RuvIdLevelRitter::subStateSliding);
    EXPECT_LT(level.GetDistance(), 5500);
    EXPECT_TRUE(Contains(Message(), "<br>Leider keine 55 Meter erreicht, verloren!"));
    Run(5.0f);
    EXPECT_EQ(level.GetState(), RuvIdLevelRitter::stateTitleMenu);
    EXPECT_FALSE(level.GetFrame().IsWon());
    EXPECT_EQ(MainProgram::GetInstance().GetRequestedLevel(), 0);

    // Pulled almost to the breaking point just before the line: the knight
    // flies beyond 55 metres. A second's stall in the air neither sends him
    // through the ground nor the camera off the meadow.
    level.SetState(RuvIdLevelRitter::statePlaying);
    CatapultThrower::ThrowAt(level, 620.0f, 0.97f);
    RunUntil(RuvIdLevelRitter::subStateFlying);
    EXPECT_GT(level.GetPower(), 0.9f);
    level.Update(1.0f);
    EXPECT_LE(level.GetKnightY(), RuvIdLevelRitter::groundY);
    EXPECT_GE(level.GetScrollX(), 0.0f);
    EXPECT_LT(level.GetScrollX(), level.GetKnightX());
    RunUntil(RuvIdLevelRitter::subStateSliding);
    EXPECT_GE(level.GetDistance(), 5500);
    EXPECT_EQ(Message(), RuvIdLevelRitter::DistanceMessage(level.GetDistance()) +
                             "<br>Super Flug! Du hast es geschafft!");
    // The knight slides on, then stands; the distance stays where he landed.
    const int landed = level.GetDistance();
    RunUntil(RuvIdLevelRitter::subStateDone);
    const float standing = level.GetKnightX();
    EXPECT_GT(standing, RuvIdLevelRitter::measureStartX + landed / 3.0f + 100.0f);
    Run(1.0f);
    EXPECT_FLOAT_EQ(level.GetKnightX(), standing);
    EXPECT_EQ(level.GetDistance(), landed);

    // After the message the story goes on with episode 4, whose first room
    // change is turned to the castle yard.
    Run(4.0f);
    EXPECT_TRUE(level.GetFrame().IsWon());
    EXPECT_EQ(MainProgram::GetInstance().GetRequestedLevel(), 4);
    EXPECT_TRUE(RuvIdLevelAdventure::IsCatapultWon());
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "RuvIdLevelRitter: The throw is over with " +
                                                     std::to_string(landed) + " centimetres"));
    // No highscore is offered inside the story.
    EXPECT_EQ(level.GetState(), RuvIdLevelRitter::stateTitleMenu);

    // A state the game does not have is refused.
    level.SetState(5);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "RuvIdLevelRitter::SetState: Unknown state 5!"));
    level.Exit();
}
