#pragma once

// Creates the game's eleven fonts from "data\fonts\" and registers them
// with the text display under their short names ("default", "menuBig", ...),
// advancing the loading screen by 0.01 after each.

#include <span>

class FontLoaderUtil {
public:
    static constexpr int fontCount = 11;

    struct FontDescription {
        const char* file;   // the picture in data\fonts, without extension
        const char* name;   // the name registered with the text display
        int spaceWidth;
        int spacing;
        int lineHeight;
    };

    // The game's fonts in the order they are created.
    static std::span<const FontDescription> GetFontDescriptions();
    // The credits fonts: "creditsSmall", "creditsBig" (the main menu's),
    // "creditsHawaiiSmall", "creditsHawaiiBig".
    static std::span<const FontDescription> GetCreditsFontDescriptions();

    // False when a font could not be created (it is registered all the same
    // and draws nothing).
    static bool LoadFonts();
    // The same for other fonts (the credits pages load theirs).
    static bool LoadFonts(std::span<const FontDescription> descriptions);
};
