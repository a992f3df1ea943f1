#pragma once

// A speech bubble around a text: a frame of nine parts cut from the sprite
// "sprechblase_rect" (8-pixel corners and edges around a stretched middle,
// 128 x 128 in all) and a tail ("sprechblase_left" or "sprechblase_right")
// whose tip touches the speaker's point. The text is laid out centred in a
// box 300 pixels wide; a text narrower than 40 pixels gets a 40-pixel frame.
// Everything is drawn at depth 0.9. Bubbles show only while the player's
// option "speechbubble_disp" is on.

#include "app/Singleton.h"

#include <cstdint>
#include <string>
#include <string_view>

class Sprite;

class SpeechBubbleDisplay : public Singleton<SpeechBubbleDisplay> {
public:
    static constexpr int textBoxWidth = 300;
    static constexpr int minimumTextWidth = 40;

    // Fetches the three sprites from the registry.
    void Init();
    // (x, y) is the point the tail touches; with `leftSide` the bubble
    // stands to the left of it.
    void Draw(std::string_view text, int x, int y, bool leftSide, const std::string& fontName);

    void SetEnabled(bool enabled) { shown = enabled; }
    bool IsEnabled() const { return shown; }

private:
    void DrawFrame(int left, int top, int width, int height) const;

    Sprite* frame = nullptr;
    Sprite* leftTail = nullptr;
    Sprite* rightTail = nullptr;
    // The registry's generation when the sprites were fetched; none yet at
    // first, so that the first bubble fetches them even without an Init.
    std::uint64_t spritesGeneration = notFetched;
    static constexpr std::uint64_t notFetched = ~std::uint64_t{0};
    bool shown = true;
};
