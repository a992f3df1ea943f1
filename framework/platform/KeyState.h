#pragma once

#include "WindowMessage.h"

#include <set>
#include <unordered_map>

namespace platform {

// Which keys are held (GetAsyncKeyState's place) and which character each key
// gave the last time it was pressed. The window feeds it every message it
// hands out, so held keys and typed characters follow the message stream
// exactly, replayed sessions included.
class KeyState {
public:
    bool IsKeyDown(int virtualKey) const { return held.contains(virtualKey); }

    // The Windows-1252 character the key gave on its last press with the
    // layout and modifiers of that moment; 0 when it gave none.
    int TranslateKey(int virtualKey) const;

    void Observe(const WindowMessage& message);
    void ReleaseAll();

private:
    std::set<int> held;
    std::unordered_map<int, int> characters;
    int lastKeyDown = 0;
};

} // namespace platform
