#pragma once

#include "BotRound.h"
#include "GameParameters.h"
#include "LevelContent.h"
#include "RuvIdLevelTaxishooter.h"
#include "minigames/TaxiPilot.h"
#include "support/HeadlessTest.h"

#include <filesystem>

// A bot that plays a round of the taxi shooter in this process, on the
// game's own data and logic, with a player's keys (TaxiPilot), so that the
// recording it leaves plays the same round in the real program.
class TaxiBot : public HeadlessTest {
public:
    void Begin() { SetUp(); }
    void End() { TearDown(); }
    void TestBody() override {}

    BotRound Play(int difficulty)
    {
        std::error_code failed;
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data", failed);
        EXPECT_FALSE(failed);
        StartLog();
        EXPECT_TRUE(LevelContent::Load(8));
        GameParameters::GetInstance().SetSavingAllowed(true);
        GameParameters::GetInstance().SetDifficulty(difficulty);
        RuvIdLevelTaxishooter level;
        EXPECT_TRUE(level.Init(LevelParameters{8, nullptr}));
        level.Reset();
        // The frame of the click on "Neues Spiel" passes with no keys.
        level.SetState(RuvIdLevelTaxishooter::statePlaying);
        level.Update(0.02f);
        TaxiPilot pilot(Window());
        BotRound round;
        bool over = false;
        while (!over && round.frames.size() < 100 * 50) {
            round.frames.push_back(pilot.Steer(level));
            level.Update(0.02f);
            over = level.GetSubState() == RuvIdLevelTaxishooter::subStateOver;
        }
        round.score = level.GetScore();
        level.Exit();
        LevelContent::Unload();
        return round;
    }
};
