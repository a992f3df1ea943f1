#pragma once

#include "BotRound.h"
#include "GameParameters.h"
#include "LevelContent.h"
#include "RuvIdLevelAlien.h"
#include "support/HeadlessTest.h"

#include <filesystem>
#include <string>

// A bot that plays a round of the shooting gallery in this process, on the
// game's own data and logic, from the aliens' seed that the real program
// logged for the same round: each frame it sprays the farthest alien that
// can be hit, at the middle of its picture, and swaps an empty can.
class AlienBot : public HeadlessTest {
public:
    // "Neues Spiel" inside the adventure.
    static constexpr int newGameX = 512;
    static constexpr int newGameY = 369;

    void Begin() { SetUp(); }
    void End() { TearDown(); }
    void TestBody() override {}

    BotRound Play(unsigned seed, int difficulty)
    {
        std::error_code failed;
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data", failed);
        EXPECT_FALSE(failed);
        StartLog();
        EXPECT_TRUE(LevelContent::Load(11));
        GameParameters::GetInstance().SetSavingAllowed(true);
        GameParameters::GetInstance().SetDifficulty(difficulty);
        RuvIdLevelAlien level;
        EXPECT_TRUE(level.Init(LevelParameters{11, nullptr}));
        // The frame of the click on "Neues Spiel".
        level.OnMouseMove(newGameX, newGameY);
        level.SetState(RuvIdLevelAlien::statePlaying);
        level.ReseedAliens(seed);
        level.Update(0.02f);
        BotRound round;
        while (level.GetSubState() == RuvIdLevelAlien::subStatePlaying && round.frames.size() < 70 * 50) {
            round.frames.push_back(Aim(level));
            level.Update(0.02f);
        }
        round.score = level.GetScore();
        level.Exit();
        LevelContent::Unload();
        return round;
    }

private:
    static std::string Aim(RuvIdLevelAlien& level)
    {
        if (level.GetShots() == 0) {
            level.OnRightButtonDown(newGameX, newGameY);
            return " rbuttondown 512 369 rbuttonup 512 369";
        }
        const Alien* target = nullptr;
        for (const Alien& alien : level.GetAliens()) {
            if (alien.IsHittable() && (target == nullptr || alien.GetPoints() > target->GetPoints()))
                target = &alien;
        }
        if (target == nullptr)
            return "";
        const HitRect rect = target->GetRect();
        const std::string at =
            std::to_string((rect.left + rect.right) / 2) + " " + std::to_string((rect.top + rect.bottom) / 2);
        level.OnMouseMove((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        level.OnLeftButtonDown((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, false);
        return " mousemove " + at + " lbuttondown " + at + " lbuttonup " + at;
    }
};
