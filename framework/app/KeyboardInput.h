#pragma once

#include "Singleton.h"

#include <map>

// A per-frame picture of the keyboard for code that polls: which keys are
// down, which went down and which went up since the last frame, and the key
// released last. Keys are virtual-key codes. A tap that goes down and up
// between two updates shows up in neither pressed nor released.
class KeyboardInput : public Singleton<KeyboardInput> {
public:
    void KeyDown(int key);
    void KeyUp(int key);
    // Called first thing in every frame.
    void Update(float seconds);

    bool IsDown(int key) const { return IsSet(current, key); }
    bool WasPressed(int key) const { return IsSet(pressed, key); }
    bool WasReleased(int key) const { return IsSet(released, key); }
    // The key that went up since the last update (the highest code when
    // several did); 0 when none did.
    int GetLastReleasedKey() const { return lastReleasedKey; }
    int GetLastKeyDown() const { return lastKeyDown; }

private:
    static bool IsSet(const std::map<int, bool>& keys, int key);

    std::map<int, bool> previous;
    std::map<int, bool> current;
    std::map<int, bool> pressed;
    std::map<int, bool> released;
    int lastReleasedKey = 0;
    int lastKeyDown = 0;
};
