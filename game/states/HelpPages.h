#pragma once

// The help pages of the main menu: ten pages, each a title and up to 39
// lines of German text (Windows-1252), in the order the pages turn.
//
// Each line is drawn as it stands, left aligned in the box the constants
// below give, one line of the font "menuSmall" below the other. So every
// character is one the game's fonts draw, no line holds markup ('<', '>',
// '&'), each fits the box's width, and a text line stays above the page's
// buttons at the bottom ("Zurück" and the two arrows): longer pages end in
// empty lines there.

#include <array>
#include <span>
#include <string_view>

struct HelpPage {
    std::string_view title;
    std::span<const std::string_view> lines;
};

namespace HelpPages {

constexpr int pageCount = 10;
constexpr int maximumLines = 39;

// The lines' box: its left edge and width, the top of the first line, and
// the bottom that no line with text reaches past.
constexpr int textLeft = 33;
constexpr int textWidth = 964;
constexpr int firstLineTop = 130;
constexpr int textBottom = 690;

const std::array<HelpPage, pageCount>& Get();

} // namespace HelpPages
