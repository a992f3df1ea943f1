#include "sheets/SpokenCells.h"

#include "sheets/EpisodeSheets.h"
#include "adventure/Door.h"
#include "adventure/Item.h"
#include "adventure/TalkScriptManager.h"
#include "files/StringTokens.h"

#include <cstdio>

namespace content::sheets {

namespace {

const char* const sheetNames[] = {"item", "itemcombine", "conversation", "generic"};
constexpr std::size_t conversationSheet = 2;
constexpr std::size_t genericSheet = 3;

std::string Trimmed(const std::string& text)
{
    return std::string(StringTokens::Trim(text));
}

bool IsGroupHeader(const std::string& text)
{
    return text.size() > 1 && text[0] == '#';
}

// A line outside the conversation sheet: the speaker before a colon, or the player.
SpokenCell SpokenLine(const char* sheet, int column, int row, const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return {sheet, TalkScriptManager::CellName(column, row), "Player", Trimmed(text)};
    return {sheet, TalkScriptManager::CellName(column, row), Trimmed(text.substr(0, colon)), Trimmed(text.substr(colon + 1))};
}

} // namespace

bool IsSpokenText(const std::string& text)
{
    // A door's use line "ausgang" lets the player go through, an item's
    // "automatisch mitnehmen" picks it up: orders, not lines.
    const std::string trimmed = Trimmed(text);
    if (trimmed.empty() || trimmed == Door::exitLine || trimmed == Item::pickupLine)
        return false;
    const char first = text[0];
    return first != '$' && first != '#' && first != '>' && !text.starts_with("gespr\xe4" "ch_");
}

std::vector<SpokenCell> SpokenCells(EpisodeSheetSet& sheets)
{
    std::vector<SpokenCell> spoken;
    for (std::size_t index = 0; index < sheets.size(); ++index) {
        ExcelSheet& sheet = sheets[index];
        const char* name = sheetNames[index];
        for (int row = 0; row < sheet.GetRowCount(); ++row) {
            if (index == conversationSheet) {
                const std::string speaker = Trimmed(sheet.GetCell(1, row));
                const std::string& text = sheet.GetCell(2, row);
                if (!speaker.empty() && speaker != "x" && speaker != "X" && IsSpokenText(text))
                    spoken.push_back({name, TalkScriptManager::CellName(2, row), speaker, Trimmed(text)});
            } else if (index == genericSheet) {
                const std::string& text = sheet.GetCell(0, row);
                if (!IsGroupHeader(text) && IsSpokenText(text))
                    spoken.push_back(SpokenLine(name, 0, row, text));
            } else if (row > 0) {
                for (int column = 1; column < sheet.GetColumnCount(); ++column) {
                    const std::string& text = sheet.GetCell(column, row);
                    if (IsSpokenText(text))
                        spoken.push_back(SpokenLine(name, column, row, text));
                }
            }
        }
    }
    return spoken;
}

bool LoadEpisodeSheetSources(int level, EpisodeSheetSet& sheets)
{
    const std::vector<std::filesystem::path> sources = EpisodeSheetSources(level);
    for (std::size_t index = 0; index < sources.size(); ++index) {
        std::string text;
        if (!ReadSheetSource(sources[index], text))
            return false;
        sheets[index] = ExcelSheet();
        int row = 0;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            sheets[index].ReadRow(row++, text.substr(start, end - start));
            start = end + 2;
        }
    }
    return true;
}

} // namespace content::sheets
