#include "Dancer.h"

#include "graphics/Sprite.h"

namespace {

// The move animations' numbers in move order: up plays _dance_move1, up
// right _dance_move7, and so on round the clock.
constexpr int moveAnimationNumbers[Dancer::moveCount] = {1, 7, 2, 5, 8, 4, 3, 6};

// A move counts from the start of its beat up to this phase, and as queued
// for the next beat from the other phase on.
constexpr float startWindow = 0.1f;
constexpr float queueWindow = 0.7f;

constexpr int shadowOffsetX = -6;
constexpr int shadowOffsetY = 4;

void DrawAnimation(const Animation& animation, int x, int y, float z, float scale)
{
    if (Sprite* sprite = animation.GetSprite())
        sprite->DrawScaled(x, y, animation.GetCurrentFrame(), z, scale);
}

} // namespace

std::string Dancer::MoveLabel(const std::string& prefix, int move)
{
    return prefix + "_dance_move" + std::to_string(moveAnimationNumbers[move]);
}

Dancer::Dancer(const std::string& prefix, int atX, int atY, float drawScale) : x(atX), y(atY), scale(drawScale)
{
    idle.SetSpriteLabel(prefix + "_dance_idle");
    for (int move = 0; move < moveCount; ++move)
        moves[static_cast<std::size_t>(move)].SetSpriteLabel(MoveLabel(prefix, move));
    shadow.SetSpriteLabel("shadow");
}

void Dancer::Restart()
{
    busy = false;
    phase = 0.0f;
    beat = 0;
    currentMove = -1;
    queuedMove = -1;
    longPhase = -1;
    SetAnimationTime();
}

void Dancer::Advance(float seconds)
{
    phase += seconds * beatsPerSecond;
    while (phase >= 1.0f) {
        ++beat;
        phase -= 1.0f;
        if (longPhase == 1) {
            longPhase = 0;
            continue;
        }
        longPhase = -1;
        if (queuedMove < 0) {
            currentMove = -1;
            busy = false;
        } else {
            currentMove = queuedMove;
            busy = true;
            if (IsLong(currentMove))
                longPhase = 1;
        }
        queuedMove = -1;
    }
    SetAnimationTime();
}

void Dancer::SetAnimationTime()
{
    // A long move's animation spans both of its beats.
    const float time = longPhase == 1 ? phase * 0.5f : longPhase == 0 ? (phase + 1.0f) * 0.5f : phase;
    idle.SetTime(time);
    for (Animation& animation : moves)
        animation.SetTime(time);
    shadow.SetTime(time);
}

bool Dancer::TryMove(int move, float& accuracy)
{
    if (move < 0 || move >= moveCount)
        return false;
    if (phase < startWindow && !busy && longPhase != 1) {
        accuracy = 1.0f - 4.0f * phase;
        busy = true;
        currentMove = move;
        longPhase = IsLong(move) ? 1 : -1;
        SetAnimationTime();
        return true;
    }
    if (phase > queueWindow && queuedMove < 0 && longPhase != 1) {
        accuracy = 1.0f - 2.0f * (1.0f - phase);
        queuedMove = move;
        return true;
    }
    return false;
}

void Dancer::Draw(bool withShadow) const
{
    const float depth = 0.2f + scale * 0.0001f;
    const Animation& animation = busy && currentMove >= 0 ? moves[static_cast<std::size_t>(currentMove)] : idle;
    DrawAnimation(animation, x, y, depth, scale);
    if (withShadow)
        DrawAnimation(shadow, x + shadowOffsetX, y + shadowOffsetY, depth - 0.00001f, scale);
}
