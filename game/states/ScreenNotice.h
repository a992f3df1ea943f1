#pragma once

// A short line over the game that confirms what a key did ("Schnell
// gespeichert.") and fades after a few seconds. It outlives the game state,
// so that a quick load can confirm itself in the level it starts. Main
// thread only.

#include "app/Singleton.h"

#include <string>

class ScreenNotice : public Singleton<ScreenNotice> {
public:
    static constexpr float showSeconds = 2.5f;

    // Replaces the line shown before; the text is Windows-1252.
    void Show(const std::string& text);
    void Update(float seconds);
    // Submits the line to the render list while it shows.
    void Draw() const;
    bool IsShowing() const { return secondsLeft > 0.0f; }
    const std::string& GetText() const { return text; }

private:
    std::string text;
    float secondsLeft = 0.0f;
};
