#pragma once

// The closing credits, data\credits.txt: one credits line per file line,
// headings marked by a leading '{', Windows-1252 with Windows line ends.
// The main menu's credits page and the dance level's closing credits
// scroll it.

#include <string>

namespace content {

std::string CreditsText();

} // namespace content
