#pragma once

#include <functional>
#include <string>
#include <string_view>

// A one-line text entry field (the highscore name). Characters arrive when
// their key is released, one per frame at most, translated with the keyboard
// layout; Backspace removes one, Enter or Escape finish the entry. A
// character that would make the text wider than the field is refused.
class TextInput {
public:
    // Measures a Windows-1252 text in pixels of the field's font.
    using WidthFunction = std::function<int(std::string_view)>;

    static constexpr std::size_t maximumLength = 99;

    TextInput(WidthFunction measureWidth, int maximumWidth);

    // True when the entry has been finished.
    bool Update(float seconds);
    // The text with a blinking bar behind it (two blinks a second).
    std::string GetText() const;
    const std::string& GetEnteredText() const { return text; }
    void SetText(std::string_view newText);

    // Whether the field takes this Windows-1252 character.
    static bool IsAccepted(int character);

private:
    std::string text;
    WidthFunction measureWidth;
    int maximumWidth;
    float blinkTimer = 0.0f;
};
