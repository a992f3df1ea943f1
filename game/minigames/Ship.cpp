#include "Ship.h"

#include "graphics/Sprite.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

enum Look : std::size_t { levelLook, upLook, downLook, explosionLook };

// Climbing and diving show from this much vertical velocity on.
constexpr float tiltVelocity = 0.25f;

// Fighters enter and leave beyond the screen's edges; the travelled
// fraction of a waypoint counts against this width.
constexpr float leftEntry = -85.0f;
constexpr float rightEntry = 1109.0f;
constexpr float leftExit = -100.0f;
constexpr float rightExit = 1124.0f;
constexpr float crossing = 1204.0f;
// Heights map onto the flight band from y 180 to 580.
constexpr float bandTop = 180.0f;
constexpr float bandHeight = 400.0f;
constexpr float fighterThrust = 4.0f;
constexpr float heightTolerance = 20.0f;

constexpr Ship::Looks fighterFromLeft = {"fighter_right", "fighter_right_up", "fighter_right_down",
                                          "fighter_right_explo", 140, 130};
constexpr Ship::Looks fighterFromRight = {"fighter_left", "fighter_left_up", "fighter_left_down",
                                           "fighter_left_explo", 140, 130};

const std::vector<HitRect>& FighterRects(bool fromLeft)
{
    static const std::vector<HitRect> right = {{37, 19, 59, 36},  {46, 36, 68, 62},   {57, 62, 90, 94},
                                               {41, 94, 67, 109}, {32, 109, 53, 121}, {22, 121, 66, 126}};
    static const std::vector<HitRect> left = {{81, 19, 103, 36}, {72, 36, 94, 62},    {50, 62, 83, 94},
                                              {73, 94, 99, 109}, {87, 109, 108, 121}, {74, 121, 118, 126}};
    return fromLeft ? right : left;
}

// The input is at least the acceleration when it turns the ship round.
float Push(float input, float velocity, float acceleration)
{
    if (input > 0.0f && velocity < 0.0f && input < acceleration)
        return acceleration;
    if (input < 0.0f && velocity > 0.0f && -input < acceleration)
        return -acceleration;
    return input;
}

// Without input the velocity falls towards 0.
float Coast(float velocity, float acceleration)
{
    if (std::abs(velocity) <= acceleration)
        return 0.0f;
    return velocity > 0.0f ? velocity - acceleration : velocity + acceleration;
}

} // namespace

Ship::Ship(const Looks& looks, std::vector<HitRect> rects, float atX, float atY, float speed)
    : x(atX), y(atY), speedX(speed), speedY(speed), width(looks.width), height(looks.height), hitRects(std::move(rects))
{
    const char* labels[] = {looks.level, looks.up, looks.down, looks.explosion};
    for (std::size_t look = 0; look < animations.size(); ++look) {
        animations[look].SetSpriteLabel(labels[look]);
        animations[look].SetMode(look == explosionLook ? Animation::modeStop : Animation::modeLoop);
    }
    if (const Sprite* sprite = animations[levelLook].GetSprite()) {
        width = sprite->GetFullWidth();
        height = sprite->GetFullHeight();
    }
}

Ship Ship::Fighter(const FighterPlan& plan)
{
    Ship ship(plan.fromLeft ? fighterFromLeft : fighterFromRight, FighterRects(plan.fromLeft),
              plan.fromLeft ? leftEntry : rightEntry, plan.startHeight * bandHeight + bandTop, plan.speed);
    ship.isFighter = true;
    ship.active = false;
    ship.spawnTime = plan.spawnTime;
    ship.fromLeft = plan.fromLeft;
    ship.startHeight = plan.startHeight;
    ship.waypoints = plan.waypoints;
    return ship;
}

void Ship::Steer(float inputXValue, float inputYValue)
{
    inputX = inputXValue;
    inputY = inputYValue;
}

void Ship::SetPosition(float newX, float newY)
{
    x = newX;
    y = newY;
}

void Ship::Pilot(float dt)
{
    if (clock < 0.0f)
        return;
    clock += dt;
    if (clock < spawnTime)
        return;
    if (!spawned) {
        spawned = true;
        x = fromLeft ? leftEntry : rightEntry;
        y = startHeight * bandHeight + bandTop;
        startX = static_cast<int>(x);
        targetY = static_cast<int>(y);
        waypointIndex = 0;
        active = true;
    }
    if ((fromLeft && x > rightExit) || (!fromLeft && x < leftExit)) {
        clock = -1.0f;
        active = false;
        return;
    }
    if (waypointIndex < waypoints.size() &&
        waypoints[waypointIndex].first <= std::abs(static_cast<float>(startX) - x) / crossing) {
        targetY = static_cast<int>(std::floor(waypoints[waypointIndex].second * bandHeight + bandTop));
        ++waypointIndex;
    }
    inputX = fromLeft ? fighterThrust : -fighterThrust;
    inputY = 0.0f;
    if (!destroyed && std::abs(y - static_cast<float>(targetY)) > heightTolerance)
        inputY = y > static_cast<float>(targetY) ? -fighterThrust : fighterThrust;
}

void Ship::Update(float dt)
{
    if (isFighter)
        Pilot(dt);
    for (Animation& animation : animations)
        animation.Update(dt);
    if (destroyed && IsExplosionOver())
        active = false;

    const float acceleration = 8.0f * dt;
    const float dX = Push(dt * inputX, vx, acceleration);
    const float dY = Push(dt * inputY, vy, acceleration);
    vx = std::clamp(vx + dX, -1.0f, 1.0f);
    vy = std::clamp(vy + dY, -1.0f, 1.0f);
    if (std::abs(inputX) < 0.001f)
        vx = Coast(vx, acceleration);
    if (std::abs(inputY) < 0.001f)
        vy = Coast(vy, acceleration);
    inputX = 0.0f;
    inputY = 0.0f;
    x += dt * speedX * vx * pixelsPerSecond;
    y += dt * speedY * vy * pixelsPerSecond;
}

bool Ship::IsExplosionOver() const
{
    return animations[explosionLook].IsFinished() || animations[explosionLook].GetSprite() == nullptr;
}

void Ship::Destroy()
{
    destroyed = true;
    // The explosion plays once from its start; its end shows at the next
    // update that passes its last frame.
    animations[explosionLook].SetTime(0.0f);
}

void Ship::Restore()
{
    destroyed = false;
    active = true;
    vx = 0.0f;
    vy = 0.0f;
}

const Animation& Ship::Current() const
{
    if (destroyed)
        return animations[explosionLook];
    if (vy < -tiltVelocity)
        return animations[upLook];
    if (vy > tiltVelocity)
        return animations[downLook];
    return animations[levelLook];
}

int Ship::Left() const
{
    return static_cast<int>(std::floor(x)) - width / 2;
}

int Ship::Top() const
{
    return static_cast<int>(std::floor(y)) - height / 2;
}

bool Ship::Hits(const HitRect& rect) const
{
    const int left = Left();
    const int top = Top();
    return std::any_of(hitRects.begin(), hitRects.end(), [&](const HitRect& own) {
        return HitRect{own.left + left, own.top + top, own.right + left, own.bottom + top}.Overlaps(rect);
    });
}

bool Ship::Hits(const Ship& other) const
{
    const int left = other.Left();
    const int top = other.Top();
    return std::any_of(other.hitRects.begin(), other.hitRects.end(), [&](const HitRect& own) {
        return Hits(HitRect{own.left + left, own.top + top, own.right + left, own.bottom + top});
    });
}

void Ship::Draw(float depth) const
{
    if (!active)
        return;
    const Animation& animation = Current();
    if (Sprite* sprite = animation.GetSprite())
        sprite->Draw(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), animation.GetCurrentFrame(),
                     depth);
}
