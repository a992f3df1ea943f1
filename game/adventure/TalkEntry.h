#pragma once

// One line of the talk sheets as it is handed around: its text, the sheet
// it comes from ("item", "itemcombine", "conversation", "generic") and its
// cell ("C07": column letter and 1-based row in two digits), which also
// names its recorded speech.

#include <string>

struct TalkEntry {
    std::string text;
    std::string sheet;
    std::string cell;

    bool IsEmpty() const { return text.empty() && sheet.empty() && cell.empty(); }
};
