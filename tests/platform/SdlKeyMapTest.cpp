#include "platform/VirtualKey.h"
#include "platform/sdl/SdlKeyMap.h"

#include <gtest/gtest.h>

namespace {
int Map(SDL_Scancode scancode, SDL_Keycode keycode)
{
    SDL_Keysym key{};
    key.scancode = scancode;
    key.sym = keycode;
    return platform::VirtualKeyFromSdl(key);
}
} // namespace

TEST(SdlKeyMap, NamesKeysAsWindowsDoes)
{
    // American layout.
    EXPECT_EQ(Map(SDL_SCANCODE_A, SDLK_a), 'A');
    EXPECT_EQ(Map(SDL_SCANCODE_0, SDLK_0), '0');
    EXPECT_EQ(Map(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE), VirtualKey::Escape);
    EXPECT_EQ(Map(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER), VirtualKey::Return);
    EXPECT_EQ(Map(SDL_SCANCODE_KP_7, SDLK_KP_7), VirtualKey::Numpad0 + 7);
    EXPECT_EQ(Map(SDL_SCANCODE_F12, SDLK_F12), VirtualKey::FunctionKey(12));
    EXPECT_EQ(Map(SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON), VirtualKey::Oem1);
    EXPECT_EQ(Map(SDL_SCANCODE_APOSTROPHE, SDLK_QUOTE), VirtualKey::Oem7);
    EXPECT_EQ(Map(SDL_SCANCODE_RSHIFT, SDLK_RSHIFT), VirtualKey::Shift);

    // German layout: Y and Z swapped, the umlaut keys by what they type.
    EXPECT_EQ(Map(SDL_SCANCODE_Y, SDLK_z), 'Z');
    EXPECT_EQ(Map(SDL_SCANCODE_LEFTBRACKET, 0xFC), VirtualKey::Oem1);   // ü
    EXPECT_EQ(Map(SDL_SCANCODE_SEMICOLON, 0xF6), VirtualKey::Oem3);     // ö
    EXPECT_EQ(Map(SDL_SCANCODE_APOSTROPHE, 0xE4), VirtualKey::Oem7);    // ä
    EXPECT_EQ(Map(SDL_SCANCODE_MINUS, 0xDF), VirtualKey::Oem4);         // ß
    EXPECT_EQ(Map(SDL_SCANCODE_SLASH, '-'), VirtualKey::OemMinus);
    EXPECT_EQ(Map(SDL_SCANCODE_NONUSBACKSLASH, '<'), VirtualKey::Oem102);

    EXPECT_EQ(Map(SDL_SCANCODE_APPLICATION, SDLK_APPLICATION), 0);
}
