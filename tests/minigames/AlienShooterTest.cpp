#include "AlienParameters.h"
#include "GameParameters.h"
#include "MainProgram.h"
#include "RuvIdLevelAlien.h"
#include "adventure/AdventureFakes.h"
#include "adventure/RuvIdLevelAdventure.h"
#include "files/AsciiSerializer.h"
#include "files/File.h"
#include "graphics/SpriteManager.h"
#include "support/HeadlessTest.h"

#include <memory>

namespace {

// Frames of a fully risen alien at scale 1: 160 x 200.
constexpr int alienWidth = 160;
constexpr int alienHeight = 200;

class AlienShooterTest : public LoggedTest {
protected:
    void SetUp() override
    {
        LoggedTest::SetUp();
        // 16 frames at the default 25 a second: a rise takes 0.64 s.
        SpriteManager& sprites = SpriteManager::GetInstance();
        for (const char* label : {"alien1", "alien2", "alien3"})
            sprites.RegisterSprite(label, std::make_unique<FramesSprite>(16, alienWidth, alienHeight));
        sprites.RegisterSprite("alien_explo", std::make_unique<FramesSprite>(16, 200, 200));
        RuvIdLevelAdventure::SetAlienShooterWon(false);
    }
    void TearDown() override
    {
        RuvIdLevelAdventure::SetAlienShooterWon(false);
        LoggedTest::TearDown();
    }

    void Start(bool inAdventure, int difficulty = 0)
    {
        GameParameters::GetInstance().SetSavingAllowed(inAdventure);
        GameParameters::GetInstance().SetDifficulty(difficulty);
        ASSERT_TRUE(level.Init(LevelParameters{11, nullptr}));
        level.SetState(RuvIdLevelAlien::statePlaying);
    }
    // Brings every alien up, each on its own clock, so that all stand at
    // once.
    void AllUp()
    {
        for (Alien& alien : level.GetAliens()) {
            for (int step = 0; step < 2000 && alien.GetState() != Alien::shown; ++step)
                alien.Update(0.02f, dice);
            ASSERT_EQ(alien.GetState(), Alien::shown);
        }
    }
    // A shot at (x, y), tested in the next update.
    void Shoot(int x, int y)
    {
        level.OnMouseMove(x, y);
        level.OnLeftButtonDown(x, y, false);
        level.Update(0.001f);
    }
    void Run(float seconds)
    {
        for (; seconds > 0.0f; seconds -= 0.02f)
            level.Update(0.02f);
    }

    RuvIdLevelAlien level;
    Alien::Dice dice;
};

} // namespace

TEST_F(AlienShooterTest, AnAlienRisesStandsSinksAndIsHittableOnlyWhenMostlyUp)
{
    const Alien::Place place = {889, 426, 1.0f, Alien::frontLayer};
    Alien alien(place, dice);
    EXPECT_EQ(alien.GetState(), Alien::hidden);
    EXPECT_GE(alien.GetTimer(), 0.0f);
    EXPECT_LE(alien.GetTimer(), 10.0f);
    int step = 0;
    for (; step < 600 && alien.GetState() == Alien::hidden; ++step)
        alien.Update(0.02f, dice);
    ASSERT_EQ(alien.GetState(), Alien::rising);
    // 16 frames at 25 a second: 0.04 of the rise a step; past 0.7 it can
    // be hit.
    while (alien.GetBody().GetTime() <= 0.68f) {
        EXPECT_FALSE(alien.IsHittable()) << alien.GetBody().GetTime();
        alien.Update(0.02f, dice);
    }
    alien.Update(0.02f, dice);
    EXPECT_TRUE(alien.IsHittable());
    // The body's bottom middle stands at (x, y + 128 + 110 - 38).
    const HitRect rect = alien.GetRect();
    EXPECT_EQ(rect.left, 889 - alienWidth / 2);
    EXPECT_EQ(rect.right, 889 + alienWidth / 2 - 1);
    EXPECT_EQ(rect.bottom, 426 + 128 + 72 - 1);
    EXPECT_EQ(rect.top, 426 + 128 + 72 - alienHeight);

    // Up for 0.3 to 1.1 s, then down again and hidden for 1 to 8 s.
    for (step = 0; step < 100 && alien.GetState() != Alien::shown; ++step)
        alien.Update(0.02f, dice);
    ASSERT_EQ(alien.GetState(), Alien::shown);
    EXPECT_GE(alien.GetTimer(), 0.3f - 0.001f);
    EXPECT_LE(alien.GetTimer(), 1.1f + 0.001f);
    for (step = 0; step < 200 && alien.GetState() != Alien::hidden; ++step)
        alien.Update(0.02f, dice);
    ASSERT_EQ(alien.GetState(), Alien::hidden);
    EXPECT_GE(alien.GetTimer(), 1.0f - 0.02f);
    EXPECT_LE(alien.GetTimer(), 8.0f);

    // A hit bursts it (15 frames at 15 a second), then it waits 2 to 9 s.
    while (!alien.IsHittable())
        alien.Update(0.02f, dice);
    alien.Hit();
    EXPECT_EQ(alien.GetState(), Alien::exploding);
    EXPECT_FALSE(alien.IsHittable());
    for (step = 0; step < 100 && alien.GetState() == Alien::exploding; ++step)
        alien.Update(0.02f, dice);
    EXPECT_NEAR(step * 0.02f, 16.0f / 15.0f, 0.03f);
    EXPECT_GE(alien.GetTimer(), 2.0f - 0.02f);
    EXPECT_LE(alien.GetTimer(), 9.0f);
}

TEST_F(AlienShooterTest, OneShotHitsEveryAlienUnderItsSquareAndFartherRowsScoreMore)
{
    Start(false);
    ASSERT_EQ(level.GetAliens().size(), 20u);
    AllUp();
    // The first two front aliens (x 889 and 800, 160 wide) overlap from x
    // 809 to 879: one shot there hits both.
    Shoot(840, 600);
    EXPECT_EQ(level.GetScore(), 30);
    EXPECT_EQ(level.GetAliens()[0].GetState(), Alien::exploding);
    EXPECT_EQ(level.GetAliens()[1].GetState(), Alien::exploding);
    EXPECT_EQ(level.GetShots(), 7);

    // The square reaches 2 pixels left and 1 right of the pointer: a
    // square touching the right edge of the front alien at x 455 (its
    // rectangle ends at x 534) hits, one a pixel further misses.
    const HitRect front = level.GetAliens()[5].GetRect();
    Shoot(front.right + 3, front.bottom);
    EXPECT_EQ(level.GetScore(), 30);
    Shoot(front.right + 2, front.bottom);
    EXPECT_EQ(level.GetScore(), 45);

    // A middle alien (scale 0.5 at x 49) and a back one (0.3 at x 93).
    const HitRect middle = level.GetAliens()[6].GetRect();
    EXPECT_EQ(middle.right - middle.left + 1, alienWidth / 2);
    Shoot(middle.left, middle.top);
    EXPECT_EQ(level.GetScore(), 65);
    const HitRect back = level.GetAliens()[15].GetRect();
    Shoot(back.left + 2, back.top + 2);
    EXPECT_EQ(level.GetScore(), 90);
    EXPECT_EQ(level.GetShots(), 3);
}

TEST_F(AlienShooterTest, TheCanHoldsEightShotsAndAReloadCostsOnlyWhileShotsAreLeft)
{
    Start(false);
    // Nobody up yet: shots into the sky score nothing; two clicks before an
    // update are one shot.
    level.OnLeftButtonDown(512, 200, false);
    level.OnLeftButtonDown(512, 200, false);
    EXPECT_EQ(level.GetShots(), 7);
    for (int shot = 0; shot < 10; ++shot)
        Shoot(512, 200);
    EXPECT_EQ(level.GetShots(), 0);
    EXPECT_EQ(level.GetScore(), 0);
    // An empty can is swapped for free; one with shots left costs 5 points,
    // never below 0.
    level.OnRightButtonDown(0, 0);
    EXPECT_EQ(level.GetShots(), RuvIdLevelAlien::fullCan);
    AllUp();
    Shoot(840, 600);
    EXPECT_EQ(level.GetScore(), 30);
    level.OnRightButtonDown(0, 0);
    EXPECT_EQ(level.GetScore(), 25);
    for (int reload = 0; reload < 6; ++reload)
        level.OnRightButtonDown(0, 0);
    EXPECT_EQ(level.GetScore(), 0);

    // 90 seconds standalone; after the round the can is neither used nor
    // swapped.
    Run(89.9f);
    EXPECT_EQ(level.GetSubState(), RuvIdLevelAlien::subStatePlaying);
    Run(0.2f);
    EXPECT_EQ(level.GetSubState(), RuvIdLevelAlien::subStateOver);
    EXPECT_EQ(level.GetFrame().GetEndMessage(), "Du hast 0 Punkte erreicht");
    Shoot(512, 200);
    level.OnRightButtonDown(0, 0);
    EXPECT_EQ(level.GetShots(), RuvIdLevelAlien::fullCan);
    Run(5.0f);
    EXPECT_EQ(level.GetState(), RuvIdLevelAlien::stateTitleMenu);
    EXPECT_TRUE(level.GetAliens().empty());
}

TEST_F(AlienShooterTest, InTheStoryTheRoundEndsAtTheScoreAndTheBaseIsNext)
{
    Start(true, 0);
    EXPECT_EQ(level.GetFrame().GetRequiredScore(), 900);
    // 60 seconds in the story; too few points lose.
    Run(60.1f);
    EXPECT_EQ(level.GetFrame().GetEndMessage(), "Keine 900 Punkte erreicht, du hast verloren!");
    Run(5.0f);
    EXPECT_EQ(level.GetState(), RuvIdLevelAlien::stateTitleMenu);
    EXPECT_FALSE(level.GetFrame().IsWon());

    // Shooting every alien as it stands reaches 900 before the minute is up.
    level.SetState(RuvIdLevelAlien::statePlaying);
    while (level.GetSubState() == RuvIdLevelAlien::subStatePlaying && level.GetElapsed() < 60.0f) {
        for (const Alien& alien : level.GetAliens()) {
            if (!alien.IsHittable())
                continue;
            const HitRect rect = alien.GetRect();
            if (level.GetShots() == 0)
                level.OnRightButtonDown(0, 0);
            Shoot((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
            break;
        }
        level.Update(0.02f);
    }
    EXPECT_GE(level.GetScore(), 900);
    EXPECT_LT(level.GetElapsed(), 60.0f);
    EXPECT_EQ(level.GetFrame().GetEndMessage(),
              "Ausgezeichnet, du hast die Aliens erfolgreich in die Flucht getrieben!");
    Run(5.1f);
    EXPECT_TRUE(level.GetFrame().IsWon());
    EXPECT_EQ(MainProgram::GetInstance().GetRequestedLevel(), 6);
    EXPECT_TRUE(RuvIdLevelAdventure::IsAlienShooterWon());
    level.Exit();
}

TEST_F(AlienShooterTest, AbsurdParametersAreBroughtIntoRangeAndMissingOnesKeepTheirDefaults)
{
    WriteFile("settings.txt", "[AlienParameter] \"AlienParameters\"\n{\n"
                              "    \"alien explo speed\" -4.000000\n"
                              "    \"alien1 speed\" 0.000000\n"
                              "    \"alien2 speed\" 40.000000\n"
                              "    \"alien1 layer change time\" 7.000000\n"
                              "    \"alien3 layer change time\" nan\n}\n");
    AlienParameters& parameters = AlienParameters::GetInstance();
    parameters.SetDefaults();
    {
        File file;
        ASSERT_TRUE(file.Open("settings.txt", "r"));
        AsciiSerializer reader(file, false);
        parameters.Serialize(reader, "AlienParameters");
    }
    EXPECT_FLOAT_EQ(parameters.GetExplosionSpeed(), AlienParameters::slowest);
    EXPECT_FLOAT_EQ(parameters.GetSpeed(0), AlienParameters::slowest);
    EXPECT_FLOAT_EQ(parameters.GetSpeed(1), 40.0f);
    EXPECT_FLOAT_EQ(parameters.GetSpeed(2), AlienParameters::defaultSpeed);
    EXPECT_FLOAT_EQ(parameters.GetLayerChangeTime(0), 1.0f);
    EXPECT_FLOAT_EQ(parameters.GetLayerChangeTime(1), AlienParameters::defaultLayerChangeTime);
    EXPECT_FLOAT_EQ(parameters.GetLayerChangeTime(2), AlienParameters::defaultLayerChangeTime);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "AlienParameters: \"alien explo speed\" -4 is out of range, using 1!"));
    parameters.SetDefaults();
}
