#pragma once

// A bitmap font: one picture holding a row of glyphs on a transparent
// background (black once the art's magenta is remapped), found by scanning
// the picture's columns, in the order of a character set. The picture is
// drawn from the sprite registry as the static sprite "Font_" + name.
//
// Glyph advance: the space advances the space width, a character without
// glyph nothing, any other right - left + spacing of its rectangle.
// Text is Windows-1252.

#include "Image.h"

#include <array>
#include <string>
#include <string_view>

class Font {
public:
    // The game's character set in glyph order: A-Z, a-z, 0-9, the printable
    // ASCII punctuation but the ampersand, then 32 accented letters and signs.
    static const std::string_view characterSet;

    struct Glyph {
        int offset = 0;        // rows from the picture's top to the glyph's
        ImageRect rectangle;   // inclusive, in the picture
        bool defined = false;
    };

    // Loads "data\fonts\" + name, finds its glyphs and registers its sprite.
    bool Create(const std::string& fontName, std::string_view characters);
    // Finds the glyphs of the characters in the picture (Create's scan).
    void ScanGlyphs(const Image& picture, std::string_view characters);
    void SetMetrics(int space, int characterSpacing, int height);

    int GetCharWidth(unsigned char character) const;
    int GetStringWidth(std::string_view text) const;
    // Submits the glyphs with their top left corner on row y + the glyph's
    // offset, at depth 0.9.
    void DrawString(int x, int y, std::string_view text) const;

    const std::string& GetName() const { return name; }
    const Glyph& GetGlyph(unsigned char character) const { return glyphs[character]; }
    int GetSpaceWidth() const { return spaceWidth; }
    int GetSpacing() const { return spacing; }
    int GetLineHeight() const { return lineHeight; }

private:
    std::string name;
    std::string spriteLabel;
    std::array<Glyph, 256> glyphs{};
    int spaceWidth = 10;
    int spacing = 0;
    int lineHeight = 20;
};
