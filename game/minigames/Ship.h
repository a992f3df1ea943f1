#pragma once

// A ship of the taxi shooter, seen from the side: the players' taxi or one
// of the Baron's robot fighters. It is steered by an input per step (the
// keys, or a fighter's own pilot following its waypoints), accelerates
// towards it and coasts to a stop without one, and shows one of four
// animations: level flight, climbing, diving, and its explosion once
// destroyed.
//
// The position is the centre of the ship's picture; its hit rectangles are
// given in the picture's own pixels, from its top left corner.

#include "AttackFormations.h"
#include "HitRect.h"
#include "graphics/Animation.h"

#include <array>
#include <string>
#include <vector>

class Ship {
public:
    struct Looks {
        const char* level;
        const char* up;
        const char* down;
        const char* explosion;
        // The picture's size when its sprite is missing.
        int width;
        int height;
    };
    // Pixels a second at full velocity and a speed factor of 1.
    static constexpr float pixelsPerSecond = 75.0f;

    Ship(const Looks& looks, std::vector<HitRect> hitRects, float x, float y, float speed);
    // A fighter flying by its plan.
    static Ship Fighter(const FighterPlan& plan);

    void Update(float dt);
    void Draw(float depth) const;

    // The steering input of the next update, each axis -4 to 4.
    void Steer(float x, float y);
    // Whether one of this ship's hit rectangles overlaps one of the other's
    // (edges that touch count).
    bool Hits(const Ship& other) const;
    bool Hits(const HitRect& rect) const;
    void Destroy();
    // Back to level flight after an explosion, where it was.
    void Restore();

    float GetX() const { return x; }
    float GetY() const { return y; }
    void SetPosition(float newX, float newY);
    float GetVelocityY() const { return vy; }
    bool IsActive() const { return active; }
    bool IsDestroyed() const { return destroyed; }
    // True once the explosion has played to its end.
    bool IsExplosionOver() const;
    bool IsFinished() const { return isFighter && clock < 0.0f; }

private:
    // The fighter's pilot: spawning, waypoints, leaving the screen.
    void Pilot(float dt);
    const Animation& Current() const;
    // The picture's top left corner.
    int Left() const;
    int Top() const;

    float x = 0.0f;
    float y = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;
    float inputX = 0.0f;
    float inputY = 0.0f;
    float speedX = 1.0f;
    float speedY = 1.0f;
    std::array<Animation, 4> animations;
    int width = 0;
    int height = 0;
    std::vector<HitRect> hitRects;
    bool active = true;
    bool destroyed = false;

    // Fighters only.
    bool isFighter = false;
    float spawnTime = 0.0f;
    bool fromLeft = false;
    float startHeight = 0.0f;
    std::vector<std::pair<float, float>> waypoints;
    float clock = 0.0f;
    bool spawned = false;
    int startX = 0;
    std::size_t waypointIndex = 0;
    int targetY = 0;
};
