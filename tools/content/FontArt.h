#pragma once

// The pictures of the game's bitmap fonts, drawn with cairo from the DejaVu
// typefaces.
//
// A font picture is one row of glyphs on magenta, in the order of
// Font::characterSet, each glyph followed by one magenta column; the game
// finds the glyphs by those empty columns. The picture is exactly one line
// high, and every glyph stands on the same baseline, so the rows above a
// glyph's ink are its vertical offset when the game draws it.
//
// Glyphs are a light fill (a vertical gradient) inside a dark outline. The
// fill is blended into the outline, never into the background: the picture
// has no alpha, so a pixel is either the glyph's or transparent, and the
// glyph looks the same on any background. No glyph pixel is black or
// magenta. Where a character's parts leave an empty column between them
// (the two strokes of '"', the dots of 'ï'), a dark bridge of one pixel
// joins them, or the game would take the parts for separate glyphs.

#include "graphics/FontLoaderUtil.h"
#include "graphics/Image.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace content {

struct FontStyle {
    const char* file;       // the picture's name in data\fonts, without extension
    const char* typeface;   // a file of the DejaVu family
    int lineHeight;         // the picture's height, as the game's font table has it
    double outline;         // outline width outside the glyph, in pixels
    int shadowX;            // a drop shadow in the outline colour, in pixels
    int shadowY;
    std::uint32_t fillTop;  // 0x00RRGGBB, at the top of the line
    std::uint32_t fillBottom;
    std::uint32_t outlineColour;
};

// Every font the game registers, plain and highlighted variants alike: the
// eleven of FontLoaderUtil, then the credits fonts of the main menu and of
// the dance level's closing credits.
std::span<const FontStyle> GameFontStyles();

// The credits fonts with the metrics their pages give them, under names of
// their own (the dance level registers its pair as "creditsSmall" and
// "creditsBig" too): "creditsSmall", "creditsBig", "creditsHawaiiSmall",
// "creditsHawaiiBig".
std::span<const FontLoaderUtil::FontDescription> CreditsFonts();

// The font picture of a style as a 24-bit image; null (with a message on
// standard error) when the typeface cannot be read.
std::unique_ptr<Image> DrawFontPicture(const FontStyle& style);

} // namespace content
