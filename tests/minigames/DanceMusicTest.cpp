#include "GameParameters.h"
#include "RuvIdLevelTanzen.h"
#include "audio/SoundFiles.h"
#include "audio/support/AudioTest.h"

#include <cmath>
#include <cstdio>

// The dance with sound: its beat clock follows the music the player hears,
// on the headless sound card's virtual time.
using DanceMusicTest = HeadlessSoundTest;

TEST_F(DanceMusicTest, TheBeatClockKeepsToTheMusicForAWholeRound)
{
    constexpr int rate = 44100;
    // A 20-second tune, played round and round: the clock must follow its
    // position through every turn of the stream's ring buffer and the tune.
    WriteFile(Directory() / "data" / "level07" / "Audio" / "StreamingSfx" / "WaiKiKi.ogg", MakeOgg(rate, 2, 20 * rate));
    WriteFile(Directory() / "data" / "level07" / "dancemoves.txt", "1 -1");
    GameParameters::GetInstance().SetSavingAllowed(false);
    RuvIdLevelTanzen level;
    ASSERT_TRUE(level.Init(LevelParameters{7, nullptr}));
    level.SetState(RuvIdLevelTanzen::statePlaying);
    const std::uint64_t start = Now();

    // Frames of uneven length, as a real frame loop has them; the frame time
    // the level is told is a little off, as it is when frames are late.
    double worst = 0.0;
    int frames = 0;
    while (level.GetSubState() == RuvIdLevelTanzen::subStatePlaying) {
        const std::uint32_t milliseconds = 10 + static_cast<std::uint32_t>(frames % 4) * 3;
        Frame(milliseconds);
        level.Update(static_cast<float>(milliseconds) * 1.1f / 1000.0f);
        const Dancer& player = level.GetDancer(0);
        const double clock = (player.GetBeat() + player.GetPhase()) / Dancer::beatsPerSecond;
        const double heard = static_cast<double>(Now() - start) / rate;
        worst = std::max(worst, std::abs(clock - heard));
        ++frames;
    }
    // A whole round: the lead-in, the choreography and one beat more.
    EXPECT_GT(static_cast<double>(Now() - start) / rate,
              (RuvIdLevelTanzen::leadInBeats + DanceMoves::beatCount) / Dancer::beatsPerSecond);
    EXPECT_LT(worst, 0.010);
    std::printf("Beat clock against the music over %d frames: at most %.2f ms apart\n", frames, worst * 1000.0);
}
