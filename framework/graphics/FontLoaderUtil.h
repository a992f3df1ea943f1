#pragma once

// Creates the game's eleven fonts from "data\fonts\" and registers them
// with the text display under their short names ("default", "menuBig", ...),
// advancing the loading screen by 0.01 after each.
class FontLoaderUtil {
public:
    static constexpr int fontCount = 11;

    // False when a font could not be created (it is registered all the same
    // and draws nothing).
    static bool LoadFonts();
};
