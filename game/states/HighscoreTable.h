#pragma once

#include <string>
#include <string_view>
#include <vector>

// One minigame's highscore list: a fixed number of entries (name and score),
// best first. A new table holds empty names with score 0.
//
// Names are Windows-1252 text of the characters the name entry takes (see
// TextInput::IsAccepted), at most maximumNameLength bytes, so that every
// entry fits the 199-character line of highscores.dat whatever its score.
// A name outside these rules is refused, never cut or converted.
class HighscoreTable {
public:
    static constexpr int defaultCapacity = 10;
    // 199 characters a line, less the longest "%d name:" before the name.
    static constexpr std::size_t maximumNameLength = 199 - std::string_view("-2147483648 name:").size();

    explicit HighscoreTable(int capacity = defaultCapacity);

    // Puts the entry above the first one whose score is less than or equal
    // to `score` (so above equal older ones); the last entry drops out.
    // Returns the position, or the capacity when the score does not enter
    // or the name is refused.
    int Insert(std::string_view name, int score);
    // Whether `score` would enter the table.
    bool IsHighscore(int score) const;
    // Renames an entry (the name being typed); false for a refused name or
    // position.
    bool SetName(int position, std::string_view name);
    void Clear();

    int GetCapacity() const { return static_cast<int>(entries.size()); }
    // 0 and "" for a position outside the table.
    int GetScore(int position) const;
    const std::string& GetName(int position) const;

    static bool IsValidName(std::string_view name);
    // A name typed or given as UTF-8 in Windows-1252; false, with `name`
    // untouched, when a character has no place in the table's names.
    static bool NameFromUtf8(std::string_view utf8, std::string& name);

private:
    struct Entry {
        std::string name;
        int score = 0;
    };

    bool Contains(int position) const { return position >= 0 && position < GetCapacity(); }

    std::vector<Entry> entries;
};
