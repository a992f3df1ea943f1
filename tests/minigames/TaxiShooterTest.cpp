#include "AttackFormations.h"
#include "GameParameters.h"
#include "RuvIdLevelTaxishooter.h"
#include "app/KeyboardInput.h"
#include "platform/VirtualKey.h"
#include "support/HeadlessTest.h"

#include <string>

namespace {

class TaxiShooterTest : public LoggedTest {
protected:
    // Starts the level with `formations` as the round's fighters, in the
    // story (with the difficulty) or standalone, and skips the dialogue.
    void Start(const std::string& formations, bool inAdventure, int difficulty = 0)
    {
        WriteFile(Directory() / "data" / "level08" / "angriffsformationen.txt", formations);
        WriteFile(Directory() / "data" / "level08" / "angriffsformationen2.txt", formations);
        GameParameters::GetInstance().SetSavingAllowed(inAdventure);
        GameParameters::GetInstance().SetDifficulty(difficulty);
        ASSERT_TRUE(level.Init(LevelParameters{8, nullptr}));
        level.Reset();
        level.SetState(RuvIdLevelTaxishooter::stateTitleMenu);
    }

    void Run(float seconds)
    {
        for (; seconds > 0.0f; seconds -= 0.02f)
            level.Update(0.02f);
    }

    void Hold(int key)
    {
        Window().Inject({platform::MessageType::KeyDown, key});
        Drain();
    }
    void Release(int key)
    {
        Window().Inject({platform::MessageType::KeyUp, key});
        Drain();
    }
    // A key pressed for one frame.
    void Tap(int key)
    {
        Hold(key);
        level.Update(0.02f);
        Release(key);
        level.Update(0.02f);
    }
    void Drain()
    {
        platform::WindowMessage message;
        while (Window().PeekMessage(message)) {
        }
    }

    int ActiveFighters() const
    {
        int count = 0;
        for (const Ship& fighter : level.GetFighters())
            count += fighter.IsActive() && !fighter.IsDestroyed() ? 1 : 0;
        return count;
    }

    RuvIdLevelTaxishooter level;
};

// Five fighters from the right after two seconds, one behind the other at
// the taxi's height (0.575 of the band is y 410).
const std::string fiveInARow = "2 r 0.575 1\n2.4 r 0.575 1\n2.8 r 0.575 1\n3.2 r 0.575 1\n3.6 r 0.575 1\n";

} // namespace

TEST_F(TaxiShooterTest, OneShotScoresRisingPointsAndShotsCostWithoutGoingBelowZero)
{
    Start(fiveInARow, true, 2);
    level.SetState(RuvIdLevelTaxishooter::statePlaying);
    // A shot at nothing costs nothing when there is nothing to pay with.
    Tap(VirtualKey::Space);
    EXPECT_EQ(level.GetScore(), 0);
    // The row comes within the cannon's reach, and one shot goes through it.
    Run(7.0f);
    ASSERT_EQ(ActiveFighters(), 5);
    Tap(VirtualKey::Space);
    Run(0.5f);
    EXPECT_EQ(ActiveFighters(), 0);
    // The shot was paid for while the score was still 0.
    EXPECT_EQ(level.GetScore(), 50 + 75 + 100 + 150 + 200);
    // The cannon needs 0.35 s; then a shot at nothing costs 10.
    Tap(VirtualKey::Space);
    EXPECT_EQ(level.GetScore(), 575 - 10);
    EXPECT_EQ(RuvIdLevelTaxishooter::ComboPoints(5), 200);
    // A held key fires once.
    Run(0.4f);
    Hold(VirtualKey::Space);
    Run(1.0f);
    Release(VirtualKey::Space);
    EXPECT_EQ(level.GetScore(), 565 - 10);
}

TEST_F(TaxiShooterTest, ATaxiThatNeverMovesLosesALifePerCrashWithTwoSecondsOfSafetyBetween)
{
    // Fighters keep coming at the taxi's height, half a second apart.
    std::string stream;
    for (int fighter = 0; fighter < 60; ++fighter)
        stream += std::to_string(fighter * 0.5) + " r 0.575 3\n";
    Start(stream, true);
    level.SetState(RuvIdLevelTaxishooter::statePlaying);
    float lastCrash = -10.0f;
    float clock = 0.0f;
    int lives = level.GetLives();
    while (level.GetSubState() != RuvIdLevelTaxishooter::subStateOver && clock < 60.0f) {
        level.Update(0.02f);
        clock += 0.02f;
        if (level.GetLives() == lives)
            continue;
        EXPECT_EQ(level.GetLives(), lives - 1);
        EXPECT_GE(clock - lastCrash, 2.0f) << "a crash within the safe time, life " << lives;
        lives = level.GetLives();
        lastCrash = clock;
    }
    // The fifth crash ends the round at once, long before its time.
    EXPECT_EQ(level.GetLives(), 0);
    EXPECT_EQ(level.GetSubState(), RuvIdLevelTaxishooter::subStateOver);
    EXPECT_LT(level.GetElapsed(), 30.0f);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "The round is over with 0 points"));
}

TEST_F(TaxiShooterTest, ARoundLastsItsTimeOrEndsOnceTheStoryIsSatisfied)
{
    // No fighters: the round runs its full time, 90 s standalone.
    Start("# nobody\n", false);
    level.SetState(RuvIdLevelTaxishooter::statePlaying);
    Run(89.9f);
    EXPECT_EQ(level.GetSubState(), RuvIdLevelTaxishooter::subStateFlying);
    Run(0.2f);
    EXPECT_EQ(level.GetSubState(), RuvIdLevelTaxishooter::subStateOver);
    level.Exit();

    // In the story on "Leicht" 1200 points end it early; 60 s is its time.
    RuvIdLevelTaxishooter story;
    std::string rows;
    for (int row = 0; row < 4; ++row) {
        for (int fighter = 0; fighter < 5; ++fighter)
            rows += std::to_string(row * 8 + fighter * 0.4) + " r 0.575 1\n";
    }
    WriteFile(Directory() / "data" / "level08" / "angriffsformationen.txt", rows);
    GameParameters::GetInstance().SetSavingAllowed(true);
    ASSERT_TRUE(story.Init(LevelParameters{8, nullptr}));
    story.SetState(RuvIdLevelTaxishooter::statePlaying);
    EXPECT_EQ(story.GetFrame().GetRequiredScore(), 1200);
    float clock = 0.0f;
    while (story.GetSubState() == RuvIdLevelTaxishooter::subStateFlying && clock < 61.0f) {
        // Fire when the last of a row is 300 pixels ahead.
        bool inReach = false;
        for (const Ship& fighter : story.GetFighters())
            inReach |= fighter.IsActive() && !fighter.IsDestroyed() && fighter.GetX() < 812.0f;
        Window().Inject({platform::MessageType::KeyDown, inReach ? VirtualKey::Space : VirtualKey::Shift});
        Drain();
        story.Update(0.02f);
        Window().Inject({platform::MessageType::KeyUp, inReach ? VirtualKey::Space : VirtualKey::Shift});
        Drain();
        story.Update(0.02f);
        clock += 0.04f;
    }
    EXPECT_EQ(story.GetSubState(), RuvIdLevelTaxishooter::subStateOver);
    EXPECT_GE(story.GetScore(), 1200);
    EXPECT_LT(clock, 60.0f);
    story.Exit();
}

TEST_F(TaxiShooterTest, TheIntroSpeaksItsFiveLinesThenTheTitleMenuOpens)
{
    Start("", true);
    level.SetState(RuvIdLevelTaxishooter::stateIntro);
    level.Update(1.01f);
    EXPECT_EQ(level.GetIntroLine(), 0);
    // The space bar moves on to the next line.
    KeyboardInput::GetInstance().KeyDown(VirtualKey::Space);
    KeyboardInput::GetInstance().Update(0.02f);
    KeyboardInput::GetInstance().KeyUp(VirtualKey::Space);
    KeyboardInput::GetInstance().Update(0.02f);
    level.Update(0.02f);
    EXPECT_EQ(level.GetIntroLine(), 1);
    KeyboardInput::GetInstance().Update(0.02f);
    Run(3.0f + 3.0f + 2.5f + 1.5f + 0.1f);
    EXPECT_EQ(level.GetState(), RuvIdLevelTaxishooter::stateTitleMenu);
}

TEST_F(TaxiShooterTest, AFormationFileIsReadLineByLineAndBadLinesAreRefused)
{
    std::vector<FighterPlan> plans;
    const int refused = AttackFormations::Parse("# a comment\n"
                                                "1.5 l 0.25 2 0.3 0.8 0.6 0.1\r\n"
                                                "too short\n"
                                                "2 r 0.5 1.5 0.5\n"   // the last waypoint has no height
                                                "3 r x 1\n"           // no number
                                                "4 r 0.5 0\n"         // no speed
                                                "5 l 0.5 2 0.5 9\n"   // a waypoint far below the screen
                                                "6 r 0.5 2 0.5 nan\n" // no number either
                                                "7 r 1.4 4",
                                                plans);
    EXPECT_EQ(refused, 4);
    ASSERT_EQ(plans.size(), 3u);
    EXPECT_FLOAT_EQ(plans[0].spawnTime, 1.5f);
    EXPECT_TRUE(plans[0].fromLeft);
    EXPECT_FLOAT_EQ(plans[0].startHeight, 0.25f);
    EXPECT_FLOAT_EQ(plans[0].speed, 2.0f);
    EXPECT_EQ(plans[0].waypoints, (std::vector<std::pair<float, float>>{{0.3f, 0.8f}, {0.6f, 0.1f}}));
    EXPECT_FALSE(plans[1].fromLeft);
    EXPECT_TRUE(plans[1].waypoints.empty());
    EXPECT_FLOAT_EQ(plans[2].startHeight, 1.4f);
    const std::string log = ReadFile("debug.txt");
    EXPECT_TRUE(Contains(log, "Line 4: the last waypoint has no height and is left out"));
    EXPECT_TRUE(Contains(log, "Line 5 refused: the start height is no height on the screen"));
    EXPECT_TRUE(Contains(log, "Line 7 refused: a waypoint lies off the screen"));

    // A missing file leaves the round without fighters.
    EXPECT_FALSE(AttackFormations::Load(AttackFormations::storyFile, plans));
    EXPECT_TRUE(plans.empty());
    EXPECT_TRUE(Contains(ReadFile("debug.txt"),
                         "RuvIdLevelTaxishooter::InitAngriffsformationen: Failed to open angriffsformationen.txt!"));

    // Rectangles that touch overlap; one pixel apart they do not.
    const Ship taxi = Ship({"taxi", "taxi_up", "taxi_down", "taxi_explo", 170, 70}, {{15, 42, 55, 58}}, 500.0f,
                           400.0f, 1.0f);
    // The rectangle lies at (430, 407) to (470, 423) on the screen.
    EXPECT_TRUE(taxi.Hits(HitRect{470, 423, 480, 430}));
    EXPECT_FALSE(taxi.Hits(HitRect{471, 423, 480, 430}));
    EXPECT_TRUE(taxi.Hits(HitRect{400, 380, 430, 407}));
    EXPECT_FALSE(taxi.Hits(HitRect{400, 380, 430, 406}));
}
