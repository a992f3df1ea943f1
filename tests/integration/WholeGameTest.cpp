// The whole game played through in the real executable, headless, in one
// recording on "Mittel": "Neues Spiel" on the main menu, the intro movie
// (skipped), episode 1, the dance contest, episode 2, the taxi chase,
// episode 3, the knights' throwing contest, episode 4, episode 5, the alien
// shooting gallery, episode 6 and the closing credits, back to the title
// screen. It is stitched from each episode's walk (Episode1Walk.h to
// Episode6Walk.h) and each minigame's bot; the aliens' seed comes from a
// first run up to the gallery's round, as the same input always draws the
// same seed.

#include "AlienBot.h"
#include "CatapultBot.h"
#include "DancePlayer.h"
#include "Episode1Walk.h"
#include "Episode2Walk.h"
#include "Episode3Walk.h"
#include "Episode4Walk.h"
#include "Episode5Walk.h"
#include "Episode6Walk.h"
#include "ExecutableRun.h"
#include "TaxiBot.h"
#include "platform/VirtualKey.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace {

using namespace walkthrough;

constexpr int mittel = 1;
// Frames from a minigame's won round to its next episode's first frame, and
// from a level's start to its title menu's being ready, with room to spare.
constexpr int roundToEpisode = 300;
constexpr int levelToMenu = 60;
// The closing credits' scroll, in frames, with room to spare.
constexpr int creditsFrames = 100 * 50;

// Episode 1's walk, with the intro movie that "Neues Spiel" starts in full
// screen skipped: the walk's first two steps choose "Neues Spiel".
std::vector<Step> EpisodeOneAfterTheIntro()
{
    std::vector<Step> steps = episode1::steps;
    steps.insert(steps.begin() + 2, Step{Act::key, keyEscape, 0, 30});
    return steps;
}

// The game from the main menu up to the alien shooting gallery's title
// menu, the three minigames before it won; then, given the gallery's round,
// on to the title screen after the credits.
class WholeGame {
public:
    WholeGame(const DanceMoves& dance, const BotRound& taxi, const CatapultThrower::Plan& throwPlan)
        : game(EpisodeOneAfterTheIntro())
    {
        RecordedInput& input = game.Input();
        input.Wait(20);
        danceplayer::Dance(input, dance, danceplayer::newGameInStoryY, -0.01);
        input.Wait(roundToEpisode);
        game.Then(episode2::steps);
        // The taxi's spoken start, line by line, then "Neues Spiel".
        for (int line = 0; line < 7; ++line)
            input.Key(VirtualKey::Space, ' ').Wait(10);
        input.Click(512, 380).Frames(taxi.frames).Wait(12 * 50 + roundToEpisode);
        game.Then(episode3::Steps());
        input.Wait(levelToMenu);
        CatapultBot::Throw(input, throwPlan).Wait(episode4::throwToCastle);
        game.Then(episode4::Steps());
        game.Then(episode5::Steps());
        input.Click(AlienBot::newGameX, AlienBot::newGameY);
        aliensRound = input.Now();
    }

    // Up to a few frames into the gallery's round.
    std::string ToTheAliensRound() const
    {
        Recording start = game;
        start.Input().Wait(20);
        return start.Text();
    }
    int AliensRound() const { return aliensRound; }

    // The whole game, with the gallery's round `aliens`; the title screen
    // is photographed and left with Escape.
    std::string Whole(const BotRound& aliens)
    {
        RecordedInput& input = game.Input();
        input.Frames(aliens.frames).Wait(8 * 50 + roundToEpisode);
        game.Then(episode6::Steps());
        input.Wait(creditsFrames).Shoot(10);
        title = input.Now() - 10;
        input.Key(VirtualKey::Escape).Wait(500);
        return game.Text();
    }
    int Title() const { return title; }
    std::string ShotFrames() const { return game.ShotFrames(); }

private:
    Recording game;
    int aliensRound = 0;
    int title = 0;
};

} // namespace

class WholeGameTest : public ExecutableRun {
protected:
    std::string Play(const std::string& recording, const std::string& shots)
    {
        WriteFile(directory / "keys.txt", recording);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + shots), 0) << errors;
        wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return Log();
    }
    double wallSeconds = 0.0;
};

TEST_F(WholeGameTest, FromNewGameThroughEveryEpisodeAndMinigameToTheCreditsAndTheTitleScreen)
{
    SaveDifficulty(mittel);
    CopyIntro();
    const std::filesystem::path config = directory / "data" / "config.txt";
    WriteFile(config, std::regex_replace(ReadFile(config), std::regex("fullscreen 0"), "fullscreen 1"));

    DanceMoves dance;
    ASSERT_TRUE(dance.Parse(ReadFile(directory / "data" / "level07" / "dancemoves.txt")));
    BotRound taxi;
    {
        TaxiBot bot;
        bot.Begin();
        taxi = bot.Play(mittel);
        bot.End();
    }
    int distance = 0;
    const CatapultThrower::Plan throwPlan = CatapultBot::BestThrow(distance);
    WholeGame whole(dance, taxi, throwPlan);

    // The first run, to the gallery's round: the seed it draws.
    std::string log = Play(whole.ToTheAliensRound(), "5");
    std::smatch seed;
    ASSERT_TRUE(std::regex_search(log, seed, std::regex("The aliens' seed is (\\d+)"))) << log;
    BotRound aliens;
    {
        AlienBot bot;
        bot.Begin();
        aliens = bot.Play(static_cast<unsigned>(std::stoul(seed[1])), mittel);
        bot.End();
    }

    const std::string recording = whole.Whole(aliens);
    log = Play(recording, whole.ShotFrames() + "," + std::to_string(whole.Title()));
    // Every level in the story's order, each round won, nothing wrong.
    std::size_t at = 0;
    for (const int level : {1, 7, 2, 8, 3, 9, 4, 5, 11, 6, 99}) {
        at = log.find("Active Level: " + std::to_string(level) + "\n", at);
        ASSERT_NE(at, std::string::npos) << level << "\n" << log;
    }
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    // Episode 6's first savegame, made in the base's hall just after its
    // opening: the won alien shooter cleared the yard.
    EXPECT_EQ(FlagValue(Savegame(1), "AlienShooterVorbei"), 1) << Savegame(1);
    // Escape on the title screen after the credits ended the game: its
    // picture is the last taken.
    std::vector<std::filesystem::path> shots;
    for (const auto& entry : std::filesystem::directory_iterator(directory / "shots"))
        shots.push_back(entry.path().filename());
    std::sort(shots.begin(), shots.end());
    ASSERT_FALSE(shots.empty());
    EXPECT_EQ(shots.back(), ShotName(whole.Title()));
    std::printf("The whole game: %.0f s of game time in %.0f s\n", whole.Title() / 50.0, wallSeconds);
}
