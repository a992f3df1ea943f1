#include "NebulaBackground.h"

#include "files/Serializer.h"
#include "graphics/Sprite.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// A star that has left past this re-enters so far to the right.
constexpr float starExit = -15.0f;
constexpr float starReentry = 1039.0f;
constexpr int screenWidth = 1024;
constexpr int screenHeight = 768;
constexpr int mostStars = 500;
constexpr float backgroundDepth = 0.0f;
constexpr float starDepth = 0.01f;

float RandomBetween(float low, float high)
{
    return low + (high - low) * static_cast<float>(std::rand() % 1000) / 999.0f;
}

} // namespace

NebulaBackground::NebulaBackground()
{
    picture.SetSpriteLabel("nebula_background");
    for (int kind = 0; kind < starKinds; ++kind)
        starPictures[static_cast<std::size_t>(kind)].SetSpriteLabel("star" + std::to_string(kind + 1));
}

void NebulaBackground::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("NebulaBackground", name);
    serializer.SerializeFloat("Scroll Speed", &scrollSpeed);
    serializer.SerializeFloat("Stars Min Speed", &starsMinSpeed);
    serializer.SerializeFloat("Stars Max Speed", &starsMaxSpeed);
    serializer.SerializeInt("Star Count", &starCount);
    serializer.EndSection();
}

void NebulaBackground::Start()
{
    scroll = 0.0f;
    stars.clear();
    const int count = std::clamp(starCount, 0, mostStars);
    for (int index = 0; index < count; ++index) {
        Star star;
        star.x = RandomBetween(0.0f, static_cast<float>(screenWidth));
        star.y = RandomBetween(0.0f, static_cast<float>(screenHeight));
        star.speed = RandomBetween(std::min(starsMinSpeed, starsMaxSpeed), std::max(starsMinSpeed, starsMaxSpeed));
        star.kind = std::rand() % starKinds;
        stars.push_back(star);
    }
}

void NebulaBackground::Update(float dt)
{
    const Sprite* sprite = picture.GetSprite();
    const float width = sprite != nullptr ? static_cast<float>(sprite->GetFullWidth()) : 0.0f;
    scroll -= dt * scrollSpeed;
    if (width > 0.0f)
        scroll = std::fmod(scroll, width);
    for (Star& star : stars) {
        star.x -= dt * star.speed;
        if (star.x < starExit)
            star.x += starReentry;
    }
}

void NebulaBackground::Draw() const
{
    if (Sprite* sprite = picture.GetSprite()) {
        const int width = sprite->GetFullWidth();
        // The picture twice side by side covers the screen wherever it stands.
        for (int x = static_cast<int>(std::floor(scroll)); width > 0 && x < screenWidth; x += width)
            sprite->DrawTopLeft(x, 0, 0, backgroundDepth);
    }
    for (const Star& star : stars) {
        if (Sprite* sprite = starPictures[static_cast<std::size_t>(star.kind)].GetSprite())
            sprite->Draw(static_cast<int>(star.x), static_cast<int>(star.y), 0, starDepth);
    }
}
