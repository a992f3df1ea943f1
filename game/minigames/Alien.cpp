#include "Alien.h"

#include "AlienParameters.h"
#include "MenuSound.h"
#include "graphics/RenderEngine.h"
#include "graphics/Sprite.h"

#include <algorithm>
#include <cstdio>

namespace {

// The band of the screen the yard is drawn in starts this far down.
constexpr int bandTop = 128;
// The body stands on a point this far below the place, less a lift, both
// in unscaled pixels.
constexpr float footDrop = 110.0f;
constexpr float bodyLift = 38.0f;
constexpr float depthStep = 0.01f;
constexpr float explosionSoundAt = 0.6f;

// Uniform in 0..1.
float Random01(Alien::Dice& dice)
{
    return static_cast<float>(dice() - Alien::Dice::min()) / static_cast<float>(Alien::Dice::max() - Alien::Dice::min());
}

int RandomBelow(Alien::Dice& dice, int count)
{
    return static_cast<int>(dice() % static_cast<unsigned>(count));
}

// An animation without its picture never moves; it counts as played, so
// that the alien does not stay up or bursting for ever.
bool Done(const Animation& animation)
{
    return animation.IsFinished() || animation.GetSprite() == nullptr;
}

} // namespace

Alien::Alien(const Place& place, Dice& dice)
    : timer(Random01(dice) * 10.0f), x(place.x), y(place.y + bandTop), scale(place.scale), layer(place.layer)
{
    explosion.SetSpriteLabel("alien_explo");
    explosion.SetMode(Animation::modeStop);
    explosion.SetUseDefaultSpeed(false);
}

void Alien::Update(float dt, Dice& dice)
{
    timer -= dt;
    if (state == exploding)
        explosion.Update(dt);
    else if (state != hidden)
        body.Update(dt);

    switch (state) {
    case hidden:
        if (timer <= 0.0f) {
            kind = RandomBelow(dice, AlienParameters::kinds);
            char label[16];
            std::snprintf(label, sizeof label, "alien%d", kind + 1);
            body.SetSpriteLabel(label);
            body.SetMode(Animation::modeStop);
            body.SetUseDefaultSpeed(false);
            body.SetSpeed(AlienParameters::GetInstance().GetSpeed(kind));
            body.SetDirection(Animation::forward);
            body.SetTime(0.0f);
            state = rising;
        }
        break;
    case rising:
        if (Done(body)) {
            timer = 0.3f + Random01(dice) * 0.8f;
            state = shown;
        }
        break;
    case shown:
        if (timer <= 0.0f) {
            body.SetDirection(Animation::backward);
            state = sinking;
        }
        break;
    case sinking:
        if (Done(body)) {
            timer = 1.0f + Random01(dice) * 7.0f;
            state = hidden;
        }
        break;
    case exploding:
        if (explosion.GetTime() >= explosionSoundAt && !explosionSounded) {
            explosionSounded = true;
            char event[32];
            std::snprintf(event, sizeof event, "audioevent_head_explo%d", RandomBelow(dice, 4) + 1);
            MenuSound::Play(event);
        }
        if (Done(explosion)) {
            timer = 2.0f + Random01(dice) * 7.0f;
            state = hidden;
        }
        break;
    }
}

bool Alien::IsHittable() const
{
    return (state == rising || state == shown || state == sinking) && body.GetTime() > hittableFrom;
}

void Alien::Hit()
{
    state = exploding;
    explosion.SetSpeed(AlienParameters::GetInstance().GetExplosionSpeed());
    explosion.SetTime(0.0f);
    explosionSounded = false;
}

int Alien::GetPoints() const
{
    if (layer >= frontLayer)
        return 15;
    return layer >= middleLayer ? 20 : 25;
}

int Alien::BodyY() const
{
    const int foot = static_cast<int>(static_cast<float>(y) + footDrop * scale);
    return static_cast<int>(static_cast<float>(foot) - bodyLift * scale);
}

float Alien::BodyDepth() const
{
    // Rising or sinking, the alien passes its cover at the kind's point.
    const bool behindCover =
        state != shown && body.GetTime() >= AlienParameters::GetInstance().GetLayerChangeTime(kind);
    return behindCover ? layer - depthStep : layer + depthStep;
}

HitRect Alien::GetRect() const
{
    const Sprite* sprite = body.GetSprite();
    if (sprite == nullptr)
        return {0, 0, -1, -1};
    const int width = static_cast<int>(static_cast<float>(sprite->GetFullWidth()) * scale);
    const int height = static_cast<int>(static_cast<float>(sprite->GetFullHeight()) * scale);
    const int left = x - width / 2;
    const int bottom = BodyY();
    return {left, bottom - height, left + width - 1, bottom - 1};
}

void Alien::Draw() const
{
    if (state == hidden)
        return;
    const bool bursting = state == exploding;
    Sprite* sprite = (bursting ? explosion : body).GetSprite();
    if (sprite == nullptr)
        return;
    // The low front places reach below the yard, where the play's band
    // ends and no cover hides a rising alien.
    RenderEngine::GetInstance().RequestClipToBand();
    if (bursting)
        sprite->DrawScaled(x, static_cast<int>(static_cast<float>(y) + footDrop * scale), explosion.GetCurrentFrame(),
                           layer - depthStep, scale);
    else
        sprite->DrawScaled(BodyX(), BodyY(), body.GetCurrentFrame(), BodyDepth(), scale);
}
