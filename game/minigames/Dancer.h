#pragma once

// One dancer of the dance contest: counts the beats on its own clock and
// performs one move at a time in step with it. Moves are numbered 0 to 7,
// the eight directions clockwise from up; the even ones (up, right, down,
// left) are long and last two beats, the others one.
//
// A move is taken either right at the start of a beat (then it begins at
// once) or near the end of the beat before (then it waits, queued, for the
// coming beat); how close to the beat it came is its accuracy, 1.0 on the
// beat. A dancer never takes a second move for a beat it is busy with.

#include "graphics/Animation.h"

#include <array>
#include <string>

class Dancer {
public:
    static constexpr int moveCount = 8;
    // Beats per second of every dancer's clock, the contest music's tempo.
    static constexpr float beatsPerSecond = 1.0848f;

    // Fetches `<prefix>_dance_idle`, the eight move animations and "shadow".
    Dancer(const std::string& prefix, int x, int y, float scale);

    // Back to beat 0 at its start, standing.
    void Restart();
    void Advance(float seconds);
    // True when the move was taken; `accuracy` then says how close to the
    // beat it came.
    bool TryMove(int move, float& accuracy);
    // `withShadow` when light mapping is on.
    void Draw(bool withShadow) const;

    float GetPhase() const { return phase; }
    int GetBeat() const { return beat; }
    bool IsBusy() const { return busy; }
    int GetCurrentMove() const { return currentMove; }
    int GetQueuedMove() const { return queuedMove; }
    // The sprite label move `move` plays.
    static std::string MoveLabel(const std::string& prefix, int move);

private:
    static bool IsLong(int move) { return move % 2 == 0; }
    void SetAnimationTime();

    bool busy = false;
    // Position inside the current beat, 0 to below 1.
    float phase = 0.0f;
    int beat = 0;
    int currentMove = -1;
    int queuedMove = -1;
    // 1 in the first beat of a long move, 0 in its second, -1 otherwise.
    int longPhase = -1;
    int x = 0;
    int y = 0;
    float scale = 1.0f;
    Animation idle;
    std::array<Animation, moveCount> moves;
    Animation shadow;
};
