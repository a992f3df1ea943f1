#pragma once

// The dance contest played from a recording: every move of the choreography
// pressed on the keypad at a chosen moment of its beat, worked out from the
// recording's frame times.

#include "DanceMoves.h"
#include "Dancer.h"
#include "RecordedInput.h"
#include "RuvIdLevelTanzen.h"
#include "platform/VirtualKey.h"

#include <cmath>

namespace danceplayer {

// The replay's frames are 20 ms apart.
inline constexpr double beatsPerFrame = 0.020 * Dancer::beatsPerSecond;
// The keypad key of each move number.
inline constexpr int keypad[] = {0, 8, 9, 6, 3, 2, 1, 4, 7};
// The title menu's "Neues Spiel" inside the adventure and standalone.
inline constexpr int newGameInStoryY = 380;
inline constexpr int newGameStandaloneY = 350;

// A frame in the middle of the round and one showing its end message.
struct Shots {
    int duringRound;
    int message;
};

// Clicks "Neues Spiel" at `y` and presses every move of `moves` `offset`
// beats after its beat (before it when negative); the input goes on after
// the round's end message. The round's clock is the tune, which the click
// starts: the first frame to hear it is the one after the click's.
inline Shots Dance(RecordedInput& input, const DanceMoves& moves, int y, double offset)
{
    const int start = input.Now() + 3;
    input.Click(512, y);
    for (int beat = 0; beat < DanceMoves::beatCount; ++beat) {
        const int move = moves.GetMove(beat);
        if (move == DanceMoves::noMove)
            continue;
        const double at = RuvIdLevelTanzen::leadInBeats + beat + offset;
        input.At(start + static_cast<int>(std::ceil(at / beatsPerFrame))).Key(VirtualKey::Numpad0 + keypad[move]);
    }
    Shots shots{};
    shots.duringRound = start + static_cast<int>((RuvIdLevelTanzen::leadInBeats + 40.5) / beatsPerFrame);
    const double end = RuvIdLevelTanzen::leadInBeats + DanceMoves::beatCount + 1.1;
    input.At(start + static_cast<int>(end / beatsPerFrame) + 10);
    shots.message = input.Now();
    input.Wait(4 * 50 + 10);
    return shots;
}

} // namespace danceplayer
