#pragma once

#include "graphics/Font.h"
#include "graphics/Image.h"

#include <memory>

// A font whose glyphs are columns of increasing width over the whole set,
// for targets that lay text out without the game's art.
inline std::unique_ptr<Font> MakeFuzzFont(int lineHeight)
{
    Image picture;
    const int width = 1 + static_cast<int>(Font::characterSet.size()) * 4;
    picture.Create(width, lineHeight, 24, true);
    for (std::size_t glyph = 0; glyph < Font::characterSet.size(); ++glyph)
        for (int column = 0; column < static_cast<int>(glyph % 3) + 1; ++column)
            for (int row = static_cast<int>(glyph) % lineHeight; row < lineHeight; ++row)
                picture.GetData()[(row * width + 1 + static_cast<int>(glyph) * 4 + column) * 3] = 0xFF;
    auto font = std::make_unique<Font>();
    font->SetMetrics(3, 1, lineHeight);
    font->ScanGlyphs(picture, Font::characterSet);
    return font;
}
