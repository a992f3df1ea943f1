#pragma once

// Which cells of an episode's talk sheets a character says aloud, and who:
// the lines that get a recording. The rules follow the game's talk code:
//   item, itemcombine  every cell right of column A below the header row;
//   generic            column A, except the "#n" group headers;
//   conversation       column C of each row whose column B names a
//                      speaker (not "x", the mark of a choice block).
// Texts that are not said are left out: empty cells, "$" links, "#"
// generic references, ">" scripts, "gespräch_" conversations and the use
// lines that make a door an exit ("ausgang") or an item a thing to take
// ("automatisch mitnehmen"). Outside
// the conversation sheet a text with a colon is said by the element named
// before it ("Kira: Hallo!"), any other by "Player".

#include "files/ExcelSheet.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace content::sheets {

// The four sheets in the game's order (item, itemcombine, conversation,
// generic).
using EpisodeSheetSet = std::array<ExcelSheet, 4>;

struct SpokenCell {
    std::string sheet;   // the internal name: "item", "itemcombine", "conversation", "generic"
    std::string cell;    // "C07"
    std::string speaker; // the element's name: "Player", "Kira", ...
    std::string text;    // what is said, Windows-1252, without the speaker's prefix
};

std::vector<SpokenCell> SpokenCells(EpisodeSheetSet& sheets);

// Whether a sheet's text is said (rather than a link, a reference, a
// script or a conversation).
bool IsSpokenText(const std::string& text);

// Reads an episode's committed sources into sheets, as the game would read
// the generated files. False with a message when one cannot be read.
bool LoadEpisodeSheetSources(int level, EpisodeSheetSet& sheets);

} // namespace content::sheets
