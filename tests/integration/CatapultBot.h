#pragma once

// The knights' throwing contest won on purpose: the bot finds the best
// throw in this process, on the game's own data and logic, and the
// recording made of it throws as far in the real program.

#include "GameParameters.h"
#include "LevelContent.h"
#include "RecordedInput.h"
#include "RuvIdLevelRitter.h"
#include "minigames/CatapultThrower.h"
#include "support/HeadlessTest.h"

#include <filesystem>
#include <system_error>

class CatapultBot : public HeadlessTest {
public:
    // "Neues Spiel" inside the adventure, and the click that sets the cart
    // rolling.
    static constexpr int newGameX = 512;
    static constexpr int newGameY = 369;

    // The best throw and the distance it reaches, in centimetres.
    static CatapultThrower::Plan BestThrow(int& distance)
    {
        CatapultBot bot;
        bot.SetUp();
        std::error_code failed;
        std::filesystem::create_directory_symlink(std::filesystem::path(ZEPHYRA_RUN_DIR) / "data", "data", failed);
        EXPECT_FALSE(failed);
        bot.StartLog();
        EXPECT_TRUE(LevelContent::Load(9));
        GameParameters::GetInstance().SetSavingAllowed(true);
        RuvIdLevelRitter level;
        EXPECT_TRUE(level.Init(LevelParameters{9, nullptr}));
        const CatapultThrower::Plan plan = CatapultThrower::Best(level);
        level.Reset();
        level.SetState(RuvIdLevelRitter::statePlaying);
        distance = CatapultThrower::Play(level, plan);
        level.Exit();
        LevelContent::Unload();
        bot.TearDown();
        return plan;
    }

    // From the contest's title menu: "Neues Spiel", then the throw frame by
    // frame as the bot threw it.
    static RecordedInput& Throw(RecordedInput& input, const CatapultThrower::Plan& plan)
    {
        input.Click(newGameX, newGameY);
        const int start = input.Now() - 1;
        input.At(start + CatapultThrower::clickFrame).ButtonDown(newGameX, newGameY).ButtonUp(newGameX, newGameY);
        input.At(start + plan.pressFrame).ButtonDown(newGameX, newGameY);
        return input.At(start + plan.releaseFrame).ButtonUp(newGameX, newGameY);
    }

    void TestBody() override {}
};
