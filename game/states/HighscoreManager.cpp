#include "HighscoreManager.h"

#include "DefaultHighscores.h"
#include "ScrambledTextFile.h"
#include "app/Debug.h"
#include "files/File.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::size_t maximumLineLength = 199;
constexpr std::string_view nameMarker = "name:";

constexpr std::array<std::array<int, HighscoreTable::defaultCapacity>, 4> defaultScores = {{
    {2000, 1800, 1700, 1600, 1500, 1400, 1300, 1200, 1100, 1000},
    {3000, 2800, 2600, 2400, 2200, 2000, 1800, 1600, 1400, 1200},
    {5000, 4800, 4700, 4600, 4500, 4400, 4300, 4200, 4100, 4000},
    {1200, 1100, 1000, 900, 800, 750, 700, 600, 550, 500},
}};

// The leading integer of a line, when it has one.
std::optional<int> LeadingInteger(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc())
        return std::nullopt;
    return value;
}

struct Entry {
    int score = 0;
    std::string_view name;
};

// One entry line: the score is the leading integer, the name the text after
// the first "name:" (a carriage return of a file edited on Windows is not
// part of it). Nothing for a damaged line.
std::optional<Entry> ParseEntryLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const std::optional<int> score = LeadingInteger(line);
    const std::size_t marker = line.find(nameMarker);
    if (!score || marker == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = line.substr(marker + nameMarker.size());
    if (!HighscoreTable::IsValidName(name))
        return std::nullopt;
    return Entry{*score, name};
}

} // namespace

HighscoreManager::HighscoreManager()
{
    for (int key = 0; key < static_cast<int>(defaultScores.size()); ++key) {
        HighscoreTable& table = GetTable(key);
        for (std::size_t entry = 0; entry < defaultHighscoreNames.size(); ++entry)
            table.Insert(defaultHighscoreNames[entry], defaultScores[static_cast<std::size_t>(key)][entry]);
    }
}

HighscoreTable& HighscoreManager::GetTable(int key)
{
    return tables.try_emplace(key).first->second;
}

bool HighscoreManager::Save()
{
    return ScrambledTextFile::Write(fileName, "HighscoreManager::Save", [this](File& text) {
        text.Printf("%d\n", fileVersion);
        for (const auto& [key, table] : tables) {
            for (int entry = 0; entry < table.GetCapacity(); ++entry)
                text.Printf("%d name:%s\n", table.GetScore(entry), table.GetName(entry).c_str());
        }
    });
}

bool HighscoreManager::Load()
{
    File file;
    if (!file.OpenMemory(fileName, "r"))
        return false;
    std::string line;
    if (!file.ReadLine(line, maximumLineLength) || LeadingInteger(line) != fileVersion) {
        LogWarning("HighscoreManager::Load: Not a highscore file of version %d <%s>\n", fileVersion, fileName);
        return false;
    }
    // Read into copies so that a damaged file changes nothing.
    std::map<int, HighscoreTable> loaded = tables;
    int lineNumber = 1;
    for (auto& [key, table] : loaded) {
        std::vector<std::string> lines(static_cast<std::size_t>(table.GetCapacity()));
        std::vector<Entry> entries;
        for (std::string& entryLine : lines) {
            ++lineNumber;
            std::optional<Entry> entry;
            if (file.ReadLine(entryLine, maximumLineLength + 1) && entryLine.size() <= maximumLineLength)
                entry = ParseEntryLine(entryLine);
            if (!entry) {
                LogWarning("HighscoreManager::Load: Line %d is missing or damaged, the tables stay as they were <%s>\n",
                           lineNumber, fileName);
                return false;
            }
            entries.push_back(*entry);
        }
        // Inserted worst first: a saved table comes back with its equal
        // scores in the same order (a later insert goes above an equal
        // one), and a hand-edited one comes back sorted.
        table.Clear();
        for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
            table.Insert(entry->name, entry->score);
    }
    tables = std::move(loaded);
    return true;
}
