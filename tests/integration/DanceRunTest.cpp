#include "DancePlayer.h"
#include "DanceMoves.h"
#include "ExecutableRun.h"
#include "GameParameters.h"
#include "RecordedInput.h"
#include "GameRuvId.h"
#include "HighscoreManager.h"
#include "RuvIdLevelTanzen.h"
#include "platform/VirtualKey.h"

#include <cmath>
#include <regex>
#include <string>
#include <vector>

using danceplayer::newGameInStoryY;
using danceplayer::newGameStandaloneY;


// The dance contest in the real program: an autoplayer presses each move at
// a chosen moment of its beat, worked out from the recording's frame times.
class DanceRunTest : public ExecutableRun {
protected:
    const DanceMoves& Choreography()
    {
        if (moves.CountMoves() == 0) {
            EXPECT_TRUE(moves.Parse(ReadFile(directory / "data" / "level07" / "dancemoves.txt")));
        }
        return moves;
    }

    // The dance (DancePlayer.h) from the click on "Neues Spiel" at `y`,
    // each move `offset` beats after its beat.
    void Dance(RecordedInput& input, int y, double offset)
    {
        const danceplayer::Shots shots = danceplayer::Dance(input, Choreography(), y, offset);
        shotDuringRound = shots.duringRound;
        shotOfMessage = shots.message;
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
    // Won in the story, the game goes on with episode 2, on the festival
    // square.
    const std::string log = Log();
    const std::size_t next = log.find("Active Level: 2\n");
    ASSERT_NE(next, std::string::npos) << log;
    EXPECT_NE(log.find("Run episode-startup script <ScriptEpisode2Init>", next), std::string::npos) << log;
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    for (const int shot : {title, shotDuringRound, shotOfMessage})
        EXPECT_TRUE(std::filesystem::exists(directory / "shots" / ShotName(shot))) << shot;
}

TEST_F(DanceRunTest, FromTheMinigamePageAPlaceInTheTableTakesTheDancersName)
{
    InDirectory([] {
        GameParameters parameters;
        parameters.SetMinigameUnlocked(0, true);
        ASSERT_TRUE(parameters.Save());
    });
    RecordedInput input;
    input.At(20).Click(510, 293); // "Minispiele" on the main page
    input.At(40).Click(340, 360); // the dance's tile
    input.At(120);
    const int title = input.Now();
    Dance(input, newGameStandaloneY, -0.01);
    for (const char letter : std::string("TINA"))
        input.Key(letter, letter == 'T' ? 'T' : letter + ('a' - 'A'));
    input.Key(VirtualKey::Return, '\r').Wait(10);
    const int table = input.Now();
    input.Wait(2).Click(512, 585); // "Weiter"
    input.Wait(10).Click(512, 440); // "Beenden"
    input.Wait(60);
    WriteFile(directory / "keys.txt", input.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots --shot-frames " + std::to_string(title) + "," +
                  std::to_string(table)),
              0)
        << errors;

    const int score = Score();
    EXPECT_EQ(score, Choreography().CountMoves() * RuvIdLevelTanzen::pointsPerBeat) << Log();
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
    InDirectory([score] {
        HighscoreManager highscores;
        ASSERT_TRUE(highscores.Load());
        EXPECT_EQ(highscores.GetTable(0).GetName(0), "Tina");
        EXPECT_EQ(highscores.GetTable(0).GetScore(0), score);
    });
    for (const int shot : {title, table})
        EXPECT_TRUE(std::filesystem::exists(directory / "shots" / ShotName(shot))) << shot;
}

TEST_F(DanceRunTest, LateStepsScoreInTheirBandAndLoseInTheStory)
{
    StartIn(7);
    // "Schwer": 3300 points to reach.
    InDirectory([] {
        GameParameters parameters;
        parameters.SetDifficulty(2);
        ASSERT_TRUE(parameters.Save());
    });
    RecordedInput input;
    input.Wait(20);
    // Each step 0.06 to 0.082 beats late: 67 to 76 percent of the points.
    Dance(input, newGameInStoryY, 0.06);
    input.Wait(5 * 50);
    WriteFile(directory / "keys.txt", input.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt"), 0) << errors;

    const int moveCount = Choreography().CountMoves();
    EXPECT_GE(Score(), moveCount * 33) << Log();
    EXPECT_LE(Score(), moveCount * 38) << Log();
    // Short of the requirement the story does not go on: the title menu
    // comes back.
    ASSERT_LT(Score(), 3300);
    EXPECT_EQ(Log().find("Active Level: 2\n"), std::string::npos) << Log();
    EXPECT_EQ(Log().find("***"), std::string::npos) << Log();
}

TEST_F(DanceRunTest, TheClosingCreditsDanceToTheirEndAndReturnToTheTitleScreen)
{
    StartIn(GameRuvId::creditsLevel);
    // The credits scroll for about a minute and a half; then Escape on the
    // title screen ends the game, long before the recording would.
    constexpr int creditsFrames = 100 * 50;
    RecordedInput input;
    input.At(creditsFrames).Key(VirtualKey::Escape).Wait(2000);
    WriteFile(directory / "keys.txt", input.Text());
    ASSERT_EQ(Run("--headless --replay keys.txt --shots shots"), 0) << errors;
    const std::string log = Log();
    EXPECT_TRUE(Contains(log, "Active Level: 99\n"));
    EXPECT_EQ(log.find("***"), std::string::npos) << log;
    // The last picture is the title screen's as the game ended there.
    std::vector<std::filesystem::path> shots;
    for (const auto& entry : std::filesystem::directory_iterator(directory / "shots"))
        shots.push_back(entry.path().filename());
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_LT(shots.front(), ShotName(creditsFrames + 10));
}
