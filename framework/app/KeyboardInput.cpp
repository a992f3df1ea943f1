#include "KeyboardInput.h"

bool KeyboardInput::IsSet(const std::map<int, bool>& keys, int key)
{
    const auto found = keys.find(key);
    return found != keys.end() && found->second;
}

void KeyboardInput::KeyDown(int key)
{
    lastKeyDown = key;
    current[key] = true;
}

void KeyboardInput::KeyUp(int key)
{
    current[key] = false;
}

void KeyboardInput::Update(float)
{
    pressed.clear();
    released.clear();
    lastReleasedKey = 0;
    for (const auto& [key, down] : current) {
        if (down && !IsSet(previous, key))
            pressed[key] = true;
    }
    for (const auto& [key, down] : previous) {
        if (down && !IsSet(current, key)) {
            released[key] = true;
            lastReleasedKey = key;
        }
    }
    previous.clear();
    for (const auto& [key, down] : current) {
        if (down)
            previous[key] = true;
    }
}
