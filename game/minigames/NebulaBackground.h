#pragma once

// The taxi shooter's backdrop: the picture "nebula_background" scrolling
// left and wrapping round, and stars ("star1" to "star4") flying past
// faster, each at a speed of its own, re-entering at the right once they
// have left. Its speeds and the number of stars are settings of the level
// ("NebulaBackground" in its settings file); without them the values below
// hold.

#include "files/Object.h"
#include "graphics/Animation.h"

#include <array>
#include <vector>

class NebulaBackground : public Object {
public:
    static constexpr int starKinds = 4;

    NebulaBackground();
    void Serialize(Serializer& serializer, const char* name) override;

    // Places the stars anew (after the settings were read).
    void Start();
    void Update(float dt);
    void Draw() const;

    float GetScrollOffset() const { return scroll; }

private:
    struct Star {
        float x = 0.0f;
        float y = 0.0f;
        float speed = 0.0f;
        int kind = 0;
    };

    float scrollSpeed = 40.0f;
    float starsMinSpeed = 90.0f;
    float starsMaxSpeed = 260.0f;
    int starCount = 40;
    float scroll = 0.0f;
    std::vector<Star> stars;
    Animation picture;
    std::array<Animation, starKinds> starPictures;
};
