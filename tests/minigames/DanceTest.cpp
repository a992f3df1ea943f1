#include "DanceMoves.h"
#include "GameParameters.h"
#include "HighscoreManager.h"
#include "MainProgram.h"
#include "RuvIdLevelTanzen.h"
#include "platform/VirtualKey.h"
#include "support/HeadlessTest.h"

#include <string>

namespace {

// A choreography of `moves` followed by beats without a move.
std::string Choreography(const std::string& moves)
{
    std::string text = moves;
    int count = 0;
    for (std::size_t at = 0; at < moves.size(); at = moves.find(' ', at + 1))
        ++count;
    for (; count < DanceMoves::beatCount; ++count)
        text += " -1";
    return text + "\r\n";
}

// Every other beat up (1), then a rest: 64 moves, at most 3200 points.
std::string UpEveryOtherBeat()
{
    std::string text;
    for (int beat = 0; beat < DanceMoves::beatCount; beat += 2)
        text += beat % 16 == 14 ? "1 -1\n" : "1 -1 ";
    return text;
}

class DanceTest : public LoggedTest {
protected:
    void Start(const std::string& choreography, bool inAdventure)
    {
        WriteFile(Directory() / "data" / "level07" / "dancemoves.txt", choreography);
        GameParameters::GetInstance().SetSavingAllowed(inAdventure);
        ASSERT_TRUE(level.Init(LevelParameters{7, nullptr}));
        level.Reset();
    }

    // Where the player's dancer stands: the round's beat and its phase.
    double Position() const
    {
        const Dancer& player = level.GetDancer(0);
        return player.GetBeat() - RuvIdLevelTanzen::leadInBeats + player.GetPhase();
    }

    // Lets time pass until the player's dancer is at `phase` of `beat`.
    void RunTo(int beat, double phase)
    {
        const double target = beat + phase;
        while (Position() < target - 1e-6) {
            const double seconds = (target - Position()) / Dancer::beatsPerSecond;
            level.Update(static_cast<float>(std::min(seconds, 0.01)));
        }
    }

    void Press(int key)
    {
        level.OnKey(key);
        level.OnKeyUp(key);
    }

    // Dances every move of the loaded choreography just after its beat.
    void DancePerfectly()
    {
        for (int beat = 0; beat < DanceMoves::beatCount; ++beat) {
            const int move = RuvIdLevelTanzen::Choreography().GetMove(beat);
            if (move == DanceMoves::noMove)
                continue;
            constexpr int keypad[] = {0, 8, 9, 6, 3, 2, 1, 4, 7};
            RunTo(beat, 0.005);
            Press(VirtualKey::Numpad0 + keypad[move]);
        }
    }

    // Runs until the end message is gone.
    void FinishRound()
    {
        while (level.GetState() == RuvIdLevelTanzen::statePlaying)
            level.Update(0.05f);
    }

    RuvIdLevelTanzen level;
};

} // namespace

TEST_F(DanceTest, EachPressScoresByItsTimingOnce)
{
    Start(Choreography("3 -1 5 -1 7 -1 1 -1 4 -1 3 -1 3 -1 3 -1 3 -1 -1 -1 4"), true);
    level.SetState(RuvIdLevelTanzen::statePlaying);

    // Right on the beat: 1 - 4 * 0.005 = 0.98 of 50 points, a perfect 49.
    RunTo(0, 0.005);
    Press(VirtualKey::Right);
    // Later into the beat: 0.812 of 50 is 40.6, 40 points, grade 2.
    RunTo(2, 0.047);
    Press(VirtualKey::Down);
    // Just before the beat, queued for it: 1 - 2 * 0.021 = 0.958, 47 points,
    // which count as perfect.
    RunTo(3, 0.979);
    Press(VirtualKey::Left);
    EXPECT_EQ(level.GetScore(), 50 + 40 + 50);

    // The wrong move, then the right one for the same beat: only the first
    // counts.
    RunTo(6, 0.02);
    Press(VirtualKey::Down);
    RunTo(6, 0.03);
    Press(VirtualKey::Up);
    // Two arrows together make a diagonal.
    RunTo(8, 0.005);
    level.OnKey(VirtualKey::Right);
    level.OnKey(VirtualKey::Down);
    level.OnKeyUp(VirtualKey::Right);
    level.OnKeyUp(VirtualKey::Down);
    EXPECT_EQ(level.GetScore(), 50 + 40 + 50 + 50);

    // A beat nobody dances is missed once its first tenth has passed.
    RunTo(10, 0.09);
    EXPECT_EQ(level.GetGrade(10), 0);
    RunTo(10, 0.11);
    EXPECT_EQ(level.GetGrade(10), 5);

    // A press between beats does nothing, and holding the key on does not
    // dance the next beat when the system repeats it.
    RunTo(11, 0.5);
    level.OnKey(VirtualKey::Right);
    RunTo(12, 0.005);
    level.OnKey(VirtualKey::Right);
    level.OnKeyUp(VirtualKey::Right);
    // 1 - 4 * 0.0215 = 0.914: 45 points, grade (50 - 45) / 12 + 2 = 2.
    RunTo(14, 0.0215);
    Press(VirtualKey::LetterA + ('D' - 'A'));
    // The keypad's 6 is right.
    RunTo(16, 0.005);
    Press(VirtualKey::Numpad0 + 6);
    // A lone arrow for a diagonal waits 0.1 s for its partner, then counts
    // alone: the wrong move.
    RunTo(19, 0.95);
    Press(VirtualKey::Right);
    RunTo(20, 0.2);

    EXPECT_EQ(level.GetScore(), 50 + 40 + 50 + 50 + 45 + 50);
    const int expected[] = {1, 0, 2, 0, 1, 0, 5, 0, 1, 0, 5, 0, 5, 0, 2, 0, 1, 0, 0, 0, 5};
    for (int beat = 0; beat < static_cast<int>(std::size(expected)); ++beat)
        EXPECT_EQ(level.GetGrade(beat), expected[beat]) << "beat " << beat;
    // The companions dance every move themselves.
    EXPECT_EQ(level.GetDancer(1).GetCurrentMove(), 3);
    EXPECT_EQ(level.GetDancer(0).GetCurrentMove(), 2);
}

TEST_F(DanceTest, TheStoryGoesOnOnlyWhenTheRequiredScoreIsReached)
{
    Start(UpEveryOtherBeat(), true);
    // Inside the adventure the title menu offers a new round and help only.
    ASSERT_EQ(level.GetFrame().IsInAdventure(), true);
    EXPECT_EQ(const_cast<MinigameFrame&>(level.GetFrame()).GetList().GetItems().size(), 2u);

    // "Schwer" asks for 3300 points, more than 64 perfect moves give.
    GameParameters::GetInstance().SetDifficulty(2);
    EXPECT_EQ(level.GetFrame().GetRequiredScore(), 3300);
    level.SetState(RuvIdLevelTanzen::statePlaying);
    DancePerfectly();
    FinishRound();
    EXPECT_EQ(level.GetScore(), 64 * 50);
    EXPECT_FALSE(level.GetFrame().IsWon());
    EXPECT_EQ(level.GetState(), RuvIdLevelTanzen::stateTitleMenu);
    level.Update(0.05f);
    EXPECT_EQ(MainProgram::GetInstance().GetRequestedLevel(), 0);

    // "Leicht" asks for 2700: the same dance wins, and the next update goes
    // on to episode 2.
    GameParameters::GetInstance().SetDifficulty(0);
    EXPECT_EQ(level.GetFrame().GetRequiredScore(), 2700);
    GameParameters::GetInstance().SetDifficulty(1);
    EXPECT_EQ(level.GetFrame().GetRequiredScore(), 3000);
    level.SetState(RuvIdLevelTanzen::statePlaying);
    DancePerfectly();
    FinishRound();
    EXPECT_TRUE(level.GetFrame().IsWon());
    level.Update(0.05f);
    EXPECT_EQ(MainProgram::GetInstance().GetRequestedLevel(), 2);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "The round is over with 3200 points"));
}

TEST_F(DanceTest, StandaloneOnlyAScoreWithAPlaceAsksForAName)
{
    Start(UpEveryOtherBeat(), false);
    EXPECT_EQ(const_cast<MinigameFrame&>(level.GetFrame()).GetList().GetItems().size(), 4u);
    EXPECT_TRUE(GameParameters::GetInstance().IsMinigameUnlocked(0));

    // Nothing danced: no place in the table, back to the title menu.
    level.SetState(RuvIdLevelTanzen::statePlaying);
    FinishRound();
    EXPECT_EQ(level.GetScore(), 0);
    EXPECT_EQ(level.GetState(), RuvIdLevelTanzen::stateTitleMenu);

    level.SetState(RuvIdLevelTanzen::statePlaying);
    DancePerfectly();
    FinishRound();
    EXPECT_EQ(level.GetState(), RuvIdLevelTanzen::stateNameEntry);
    EXPECT_FALSE(level.GetFrame().IsWon());

    // A state the game does not have is refused.
    level.SetState(6);
    EXPECT_EQ(level.GetState(), RuvIdLevelTanzen::stateNameEntry);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "RuvIdLevelTanzen::SetState: Unknown state 6!"));

    // Left during the name entry (through the in-game menu), the row keeps
    // what was typed, here nothing, so it is the player's, and the table is
    // saved.
    level.Exit();
    const HighscoreTable& table = HighscoreManager::GetInstance().GetTable(0);
    EXPECT_EQ(table.GetScore(0), 64 * 50);
    EXPECT_EQ(table.GetName(0), "Spieler");
    EXPECT_TRUE(std::filesystem::exists(HighscoreManager::fileName));
}

TEST_F(DanceTest, AChoreographyFileIsReadWholeOrRefused)
{
    DanceMoves moves;
    ASSERT_TRUE(moves.Parse(Choreography("1 2\n3\t4 5 6 7 8 -1")));
    EXPECT_EQ(moves.GetMove(0), 1);
    EXPECT_EQ(moves.GetMove(7), 8);
    EXPECT_EQ(moves.GetMove(8), DanceMoves::noMove);
    EXPECT_EQ(moves.CountMoves(), 8);
    EXPECT_EQ(moves.GetMove(-1), DanceMoves::noMove);
    EXPECT_EQ(moves.GetMove(128), DanceMoves::noMove);

    // Anything but a move number or -1 refuses the file; the table stays.
    for (const char* bad : {"1 9", "1 0", "1 x", "3.5", "1 -2", "99999999999", "1 2a", "+"}) {
        EXPECT_FALSE(moves.Parse(bad)) << bad;
        EXPECT_EQ(moves.GetMove(0), 1) << bad;
        EXPECT_EQ(moves.CountMoves(), 8) << bad;
    }
    // A short file leaves the rest without moves; beats past the end are
    // left out.
    ASSERT_TRUE(moves.Parse("5 5"));
    EXPECT_EQ(moves.CountMoves(), 2);
    ASSERT_TRUE(moves.Parse(Choreography("2") + " 4 4 4"));
    EXPECT_EQ(moves.CountMoves(), 1);
    const std::string log = ReadFile("debug.txt");
    EXPECT_TRUE(Contains(log, "dancemoves.txt has 2 of 128 beats"));
    EXPECT_TRUE(Contains(log, "the 3 after beat 128 are left out"));
    EXPECT_TRUE(Contains(log, "Beat 2 is <x>"));

    // A missing file is said so.
    EXPECT_FALSE(moves.Load("data\\level07\\dancemoves.txt"));
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "CRuvIdLevelTanzen::LoadDanceMoves: Failed to open dancemoves.txt!"));
}
