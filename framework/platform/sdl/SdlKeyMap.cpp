#include "SdlKeyMap.h"

#include "../VirtualKey.h"

namespace platform {

namespace {

int VirtualKeyFromScancode(SDL_Scancode scancode)
{
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return VirtualKey::LetterA + (scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
        return VirtualKey::Digit0 + 1 + (scancode - SDL_SCANCODE_1);
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
        return VirtualKey::F1 + (scancode - SDL_SCANCODE_F1);
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
        return VirtualKey::Numpad0 + 1 + (scancode - SDL_SCANCODE_KP_1);

    switch (scancode) {
    case SDL_SCANCODE_0: return VirtualKey::Digit0;
    case SDL_SCANCODE_KP_0: return VirtualKey::Numpad0;
    case SDL_SCANCODE_RETURN: return VirtualKey::Return;
    case SDL_SCANCODE_KP_ENTER: return VirtualKey::Return;
    case SDL_SCANCODE_ESCAPE: return VirtualKey::Escape;
    case SDL_SCANCODE_BACKSPACE: return VirtualKey::Backspace;
    case SDL_SCANCODE_TAB: return VirtualKey::Tab;
    case SDL_SCANCODE_SPACE: return VirtualKey::Space;
    case SDL_SCANCODE_MINUS: return VirtualKey::OemMinus;
    case SDL_SCANCODE_EQUALS: return VirtualKey::OemPlus;
    case SDL_SCANCODE_LEFTBRACKET: return VirtualKey::Oem4;
    case SDL_SCANCODE_RIGHTBRACKET: return VirtualKey::Oem6;
    case SDL_SCANCODE_BACKSLASH: return VirtualKey::Oem5;
    case SDL_SCANCODE_NONUSHASH: return VirtualKey::Oem5;
    case SDL_SCANCODE_SEMICOLON: return VirtualKey::Oem1;
    case SDL_SCANCODE_APOSTROPHE: return VirtualKey::Oem7;
    case SDL_SCANCODE_GRAVE: return VirtualKey::Oem3;
    case SDL_SCANCODE_COMMA: return VirtualKey::OemComma;
    case SDL_SCANCODE_PERIOD: return VirtualKey::OemPeriod;
    case SDL_SCANCODE_SLASH: return VirtualKey::Oem2;
    case SDL_SCANCODE_NONUSBACKSLASH: return VirtualKey::Oem102;
    case SDL_SCANCODE_CAPSLOCK: return VirtualKey::CapsLock;
    case SDL_SCANCODE_PRINTSCREEN: return VirtualKey::PrintScreen;
    case SDL_SCANCODE_SCROLLLOCK: return VirtualKey::ScrollLock;
    case SDL_SCANCODE_PAUSE: return VirtualKey::Pause;
    case SDL_SCANCODE_INSERT: return VirtualKey::Insert;
    case SDL_SCANCODE_HOME: return VirtualKey::Home;
    case SDL_SCANCODE_PAGEUP: return VirtualKey::PageUp;
    case SDL_SCANCODE_DELETE: return VirtualKey::Delete;
    case SDL_SCANCODE_END: return VirtualKey::End;
    case SDL_SCANCODE_PAGEDOWN: return VirtualKey::PageDown;
    case SDL_SCANCODE_RIGHT: return VirtualKey::Right;
    case SDL_SCANCODE_LEFT: return VirtualKey::Left;
    case SDL_SCANCODE_DOWN: return VirtualKey::Down;
    case SDL_SCANCODE_UP: return VirtualKey::Up;
    case SDL_SCANCODE_NUMLOCKCLEAR: return VirtualKey::NumLock;
    case SDL_SCANCODE_KP_DIVIDE: return VirtualKey::Divide;
    case SDL_SCANCODE_KP_MULTIPLY: return VirtualKey::Multiply;
    case SDL_SCANCODE_KP_MINUS: return VirtualKey::Subtract;
    case SDL_SCANCODE_KP_PLUS: return VirtualKey::Add;
    case SDL_SCANCODE_KP_PERIOD: return VirtualKey::Decimal;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT: return VirtualKey::Shift;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return VirtualKey::Control;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT: return VirtualKey::Alt;
    default: return 0;
    }
}

// The punctuation keys by what they type, as Windows names them on the
// layouts it knows: the key that types ü is VK_OEM_1 on a German keyboard,
// the one that types ';' is VK_OEM_1 on an American one.
int VirtualKeyFromCharacter(SDL_Keycode character)
{
    switch (character) {
    case ';': case 0xFC: return VirtualKey::Oem1;              // ü
    case '/': case '#': return VirtualKey::Oem2;
    case '`': case 0xF6: return VirtualKey::Oem3;              // ö
    case '[': case 0xDF: return VirtualKey::Oem4;              // ß
    case '\\': case '^': return VirtualKey::Oem5;
    case ']': case 0xB4: return VirtualKey::Oem6;              // ´
    case '\'': case 0xE4: return VirtualKey::Oem7;             // ä
    case '=': case '+': return VirtualKey::OemPlus;
    case '-': return VirtualKey::OemMinus;
    case ',': return VirtualKey::OemComma;
    case '.': return VirtualKey::OemPeriod;
    case '<': return VirtualKey::Oem102;
    default: return 0;
    }
}

} // namespace

int VirtualKeyFromSdl(const SDL_Keysym& key)
{
    if (key.sym >= SDLK_a && key.sym <= SDLK_z)
        return VirtualKey::LetterA + (key.sym - SDLK_a);
    if (key.scancode < SDL_SCANCODE_KP_DIVIDE) {
        if (const int punctuation = VirtualKeyFromCharacter(key.sym); punctuation != 0)
            return punctuation;
    }
    return VirtualKeyFromScancode(key.scancode);
}

} // namespace platform
