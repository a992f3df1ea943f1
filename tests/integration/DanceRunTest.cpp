#include "DanceMoves.h"
#include "Dancer.h"
#include "ExecutableRun.h"
#include "GameParameters.h"
#include "RecordedInput.h"
#include "GameRuvId.h"
#include "RuvIdLevelTanzen.h"
#include "platform/VirtualKey.h"

#include <cmath>
#include <regex>
#include <string>

namespace {

// The replay's frames are 20 ms apart.
constexpr double beatsPerFrame = 0.020 * Dancer::beatsPerSecond;
// The keypad key of each move number.
constexpr int keypad[] = {0, 8, 9, 6, 3, 2, 1, 4, 7};
// The title menu's "Neues Spiel" inside the adventure and standalone.
constexpr int newGameInStoryY = 380;
constexpr int newGameStandaloneY = 350;

} // namespace

// The dance contest in the real program: an autoplayer presses each move at
// a chosen moment of its beat, worked out from the recording's frame times.
class DanceRunTest : public ExecutableRun {
protected:
    // The game starts straight in `level` instead of the main menu.
    void StartIn(int level)
    {
        std::string config = ReadFile(directory / "data" / "config.txt");
        config = std::regex_replace(config, std::regex("startGameState \\w+"), "startGameState GameRuvId");
        config = std::regex_replace(config, std::regex("activeLevel \\d+"), "activeLevel " + std::to_string(level));
        WriteFile(directory / "data" / "config.txt", config);
    }

    const DanceMoves& Choreography()
    {
        if (moves.CountMoves() == 0) {
            EXPECT_TRUE(moves.Parse(ReadFile(directory / "data" / "level07" / "dancemoves.txt")));
        }
        return moves;
    }

    // Clicks "Neues Spiel" at `y` and presses every move of the choreography
    // `offset` beats after its beat (before it when negative); the input
    // goes on after the round's end message. The round starts with the
    // click, and the click's frame is the first whose time it counts.
    void Dance(RecordedInput& input, int y, double offset)
    {
        const int start = input.Now() + 2;
        input.Click(512, y);
        for (int beat = 0; beat < DanceMoves::beatCount; ++beat) {
            const int move = Choreography().GetMove(beat);
            if (move == DanceMoves::noMove)
                continue;
            const double at = RuvIdLevelTanzen::leadInBeats + beat + offset;
            input.At(start + static_cast<int>(std::ceil(at / beatsPerFrame))).Key(VirtualKey::Numpad0 + keypad[move]);
        }
        shotDuringRound = start + static_cast<int>((RuvIdLevelTanzen::leadInBeats + 40.5) / beatsPerFrame);
        const double end = RuvIdLevelTanzen::leadInBeats + DanceMoves::beatCount + 1.1;
        input.At(start + static_cast<int>(end / beatsPerFrame) + 10);
        shotOfMessage = input.Now();
        input.Wait(4 * 50 + 10);
    }

    // The score the log gives for the round.
    int Score() const
    {
        std::smatch found;
        const std::string log = Log();
        if (!std::regex_search(log, found, std::regex("The round is over with (\\d+) points")))
            return -1;
        return std::stoi(found[1]);
    }

    DanceMoves moves;
    int shotDuringRound = 0;
    int shotOfMessage = 0;
};

TEST_F(DanceRunTest, APerfectDanceInTheStoryWinsAndLeadsOnToTheNextEpisode)
{
    StartIn(7);
    RecordedInput input;
    input.Wait(20);
    const int title = input.Now();
    Dance(input, newGameInStoryY, -0.01);
    input.Wait(60);
    WriteFile(directory / "keys.txt", input.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + std::to_string(title) + "," +
                  std::to_string(shotDuringRound) + "," + std::to_string(shotOfMessage)),
              0)
        << errors;

    EXPECT_GT(Choreography().CountMoves(), 3300 / RuvIdLevelTanzen::pointsPerBeat);
    EXPECT_EQ(Score(), Choreography().CountMoves() * RuvIdLevelTanzen::pointsPerBeat) << Log();
    // Won in the story, the game goes on with episode 2, which this game
    // does not have yet: it says so and shows the main menu.
    const std::string log = Log();
    const std::size_t next = log.find("Active Level: 2\n");
    ASSERT_NE(next, std::string::npos) << log;
    EXPECT_EQ(log.find("***"), log.find("***ERROR: GameRuvId::Init: Level 2 has no data in this game!")) << log;
    EXPECT_TRUE(Contains(errors, "Level 2 ist in dieser Fassung des Spiels noch nicht enthalten."));
    for (const int shot : {title, shotDuringRound, shotOfMessage})
        EXPECT_TRUE(std::filesystem::exists(directory / "shots" / ShotName(shot))) << shot;
}

TEST_F(DanceRunTest, LateStepsScoreInTheirBandAndLoseInTheStory)
{
    StartIn(7);
    RecordedInput input;
    input.Wait(20);
    // Each step 0.05 to 0.072 beats late: 71 to 80 percent of the points.
    Dance(input, newGameInStoryY, 0.05);
    input.Wait(5 * 50);
    WriteFile(directory / "keys.txt", input.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;

    const int moveCount = Choreography().CountMoves();
    EXPECT_GE(Score(), moveCount * 35) << Log();
    EXPECT_LE(Score(), moveCount * 40) << Log();
    // Below 2700 the story does not go on: back in the title menu.
    ASSERT_LT(Score(), 2700);
    EXPECT_EQ(Log().find("Active Level: 2\n"), std::string::npos) << Log();
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
}

TEST_F(DanceRunTest, TheClosingCreditsDanceToTheirEndAndReturnToTheTitleScreen)
{
    StartIn(GameRuvId::creditsLevel);
    RecordedInput input;
    // The credits scroll for about a minute.
    input.At(80 * 50);
    WriteFile(directory / "keys.txt", input.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames 300,1500"), 0) << errors;
    const std::string log = Log();
    EXPECT_TRUE(Contains(log, "Active Level: 99\n"));
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    EXPECT_TRUE(Contains(log, "GameRuvIdMenu")) << log;
}
