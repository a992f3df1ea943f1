#pragma once

// The help pages of the main menu: ten pages, each a title and up to 39
// lines of German text (Windows-1252), in the order the pages turn.

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

const std::array<HelpPage, pageCount>& Get();

} // namespace HelpPages
