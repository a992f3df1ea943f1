#include "KeyState.h"

namespace platform {

int KeyState::TranslateKey(int virtualKey) const
{
    const auto found = characters.find(virtualKey);
    return found == characters.end() ? 0 : found->second;
}

void KeyState::Observe(const WindowMessage& message)
{
    switch (message.type) {
    case MessageType::KeyDown:
        held.insert(message.value);
        lastKeyDown = message.value;
        characters.erase(message.value);
        break;
    case MessageType::KeyUp:
        held.erase(message.value);
        break;
    case MessageType::Char:
        if (lastKeyDown != 0)
            characters[lastKeyDown] = message.value;
        break;
    case MessageType::KillFocus:
        ReleaseAll();
        break;
    default:
        break;
    }
}

void KeyState::ReleaseAll()
{
    held.clear();
}

} // namespace platform
