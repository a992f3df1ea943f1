#include "HighscoreTable.h"

#include "app/TextInput.h"
#include "platform/Windows1252.h"

#include <algorithm>

HighscoreTable::HighscoreTable(int capacity) : entries(static_cast<std::size_t>(std::max(capacity, 0)))
{
}

int HighscoreTable::Insert(std::string_view name, int score)
{
    const auto place = std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.score <= score; });
    if (place == entries.end() || !IsValidName(name))
        return GetCapacity();
    std::move_backward(place, entries.end() - 1, entries.end());
    *place = Entry{std::string(name), score};
    return static_cast<int>(place - entries.begin());
}

bool HighscoreTable::IsHighscore(int score) const
{
    return std::any_of(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.score <= score; });
}

bool HighscoreTable::SetName(int position, std::string_view name)
{
    if (!Contains(position) || !IsValidName(name))
        return false;
    entries[static_cast<std::size_t>(position)].name = name;
    return true;
}

void HighscoreTable::Clear()
{
    std::fill(entries.begin(), entries.end(), Entry{});
}

int HighscoreTable::GetScore(int position) const
{
    return Contains(position) ? entries[static_cast<std::size_t>(position)].score : 0;
}

const std::string& HighscoreTable::GetName(int position) const
{
    static const std::string none;
    return Contains(position) ? entries[static_cast<std::size_t>(position)].name : none;
}

bool HighscoreTable::IsValidName(std::string_view name)
{
    return name.size() <= maximumNameLength && std::all_of(name.begin(), name.end(), [](char character) {
               return TextInput::IsAccepted(static_cast<unsigned char>(character));
           });
}

bool HighscoreTable::NameFromUtf8(std::string_view utf8, std::string& name)
{
    std::string converted;
    for (std::size_t index = 0; index < utf8.size();) {
        const int byte = Windows1252::FromCodePoint(Windows1252::DecodeUtf8(utf8, index));
        if (byte < 0)
            return false;
        converted += static_cast<char>(byte);
    }
    if (!IsValidName(converted))
        return false;
    name = std::move(converted);
    return true;
}
