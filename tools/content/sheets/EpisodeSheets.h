#pragma once

// The talk sheets of each episode. They are written by hand as UTF-8 text
// in sheets/episode<n>/ (one semicolon-separated sheet per file, as a
// spreadsheet exports it) and go into the data tree as the game reads them:
// Windows-1252 with CRLF line ends, in data\level<nn>\sprachscript\.

#include <filesystem>
#include <string>
#include <vector>

namespace content::sheets {

// The sheets' file names, in the order the game loads them.
const std::vector<std::string>& SheetFileNames();

// The committed sources of an episode's sheets, in that order.
std::vector<std::filesystem::path> EpisodeSheetSources(int level);

// The sheet file's path in the data tree, in the game's form.
std::string EpisodeSheetPath(int level, const std::string& fileName);

// One source as the game's bytes: Windows-1252, CRLF. False with a
// message when the file cannot be read or holds a character Windows-1252
// does not have.
bool ReadSheetSource(const std::filesystem::path& source, std::string& windows1252);

// Writes the episode's four sheets into the data tree.
bool WriteEpisodeSheets(int level);

} // namespace content::sheets
