#pragma once

// One of the alien shooter's twenty places, and the alien that pops up
// there: hidden for a random while, it rises from behind its row of cover
// (one of three kinds, chosen anew each time), stays up for a moment, sinks
// back, and bursts when hit. Its body is drawn scaled for the distance,
// in front of its row's cover while it starts to rise and behind it from
// the kind's layer change time on. Its chances come from the round's dice,
// so that a round can be played again alike from the dice's seed.

#include "HitRect.h"
#include "graphics/Animation.h"

#include <random>

class Alien {
public:
    enum State : int { hidden = 0, rising = 1, shown = 2, sinking = 3, exploding = 4 };
    // Where an alien appears: x, y (the band's own y, 0 at the band's top),
    // its scale and its row's depth.
    struct Place {
        int x;
        int y;
        float scale;
        float layer;
    };
    static constexpr float frontLayer = 0.4f;
    static constexpr float middleLayer = 0.3f;
    static constexpr float backLayer = 0.2f;
    // A rising or sinking alien can be hit once its animation is past this.
    static constexpr float hittableFrom = 0.7f;

    using Dice = std::minstd_rand;

    // Hidden, waiting up to 10 seconds.
    Alien(const Place& place, Dice& dice);

    void Update(float dt, Dice& dice);
    void Draw() const;

    bool IsHittable() const;
    // Where the body is drawn now.
    HitRect GetRect() const;
    void Hit();
    // The points a hit here earns: farther rows are worth more.
    int GetPoints() const;

    State GetState() const { return state; }
    int GetKind() const { return kind; }
    float GetTimer() const { return timer; }
    float GetLayer() const { return layer; }
    const Animation& GetBody() const { return body; }

private:
    // The point the body's bottom middle is drawn at.
    int BodyX() const { return x; }
    int BodyY() const;
    float BodyDepth() const;

    int kind = 0;
    State state = hidden;
    float timer = 0.0f;
    int x = 0;
    int y = 0;
    float scale = 1.0f;
    float layer = frontLayer;
    Animation body;
    Animation explosion;
    bool explosionSounded = false;
};
