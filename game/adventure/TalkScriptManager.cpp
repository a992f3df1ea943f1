#include "TalkScriptManager.h"

#include "AdventureLevel.h"
#include "Cast.h"
#include "Character.h"
#include "ConversationEngine.h"
#include "app/Debug.h"
#include "audio/Randomizer.h"
#include "files/HostPath.h"
#include "files/StringTokens.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

struct SheetFile {
    const char* fileName;
    const char* internalName;
    const char* referenceName; // how scripts name it, lower case
};

constexpr std::array<SheetFile, TalkScriptManager::sheetCount> sheetFiles{{
    {"itemSheet.csv", "item", "itemsheet"},
    {"itemCombineSheet.csv", "itemcombine", "itemcombinesheet"},
    {"conversationSheet.csv", "conversation", "conversationsheet"},
    {"genericSheet.csv", "generic", "genericsheet"},
}};

constexpr int examineColumn = 1;
constexpr int useColumn = 2;
const char* const playerName = "Player";

// "#3" names generic group 3; trailing blanks are tolerated.
std::optional<int> GenericGroupOf(std::string_view text)
{
    text = StringTokens::Trim(text);
    if (text.size() < 2 || text.front() != '#')
        return std::nullopt;
    return TalkScriptManager::ReadNumber(text.substr(1));
}

} // namespace

bool TalkScriptManager::Load(int level)
{
    for (ExcelSheet& sheet : sheets)
        sheet = ExcelSheet{};
    genericGroups.clear();
    if (ConversationEngine::Exists())
        ConversationEngine::GetInstance().Reset();

    char folder[64];
    std::snprintf(folder, sizeof folder, "data\\level%02d\\sprachscript\\", level);
    bool loaded = true;
    for (std::size_t i = 0; i < sheets.size() && loaded; ++i)
        loaded = sheets[i].Load(std::string(folder) + sheetFiles[i].fileName);
    BuildGenericGroups();
    return loaded;
}

void TalkScriptManager::BuildGenericGroups()
{
    ExcelSheet& generic = GetSheet(genericSheet);
    int openGroup = 0;
    for (int row = 0; row < generic.GetRowCount(); ++row) {
        const std::optional<int> header = GenericGroupOf(generic.GetCell(0, row));
        if (header) {
            openGroup = *header;
            genericGroups[openGroup] = GenericGroup{row + 1, 0};
        } else if (openGroup != 0) {
            ++genericGroups[openGroup].count;
        }
    }
}

std::optional<int> TalkScriptManager::ReadInt(std::string_view text)
{
    const std::string copy(text);
    char* end = nullptr;
    const long value = std::strtol(copy.c_str(), &end, 10);
    if (end == copy.c_str())
        return std::nullopt;
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

std::optional<int> TalkScriptManager::ReadNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 6)
        return std::nullopt;
    int value = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        value = value * 10 + (digit - '0');
    }
    return value;
}

std::string TalkScriptManager::KeyOf(std::string_view elementName)
{
    if (const std::size_t bar = elementName.find('|'); bar != std::string_view::npos)
        elementName.remove_prefix(bar + 1);
    while (!elementName.empty() && elementName.back() >= '0' && elementName.back() <= '9')
        elementName.remove_suffix(1);
    return LowerCaseWindows1252(elementName);
}

std::string TalkScriptManager::CellName(int column, int row)
{
    char cell[16];
    std::snprintf(cell, sizeof cell, "%c%02d", static_cast<char>('A' + column), row + 1);
    return cell;
}

const char* TalkScriptManager::SheetName(Sheet sheet)
{
    return sheetFiles[static_cast<std::size_t>(sheet)].internalName;
}

std::optional<TalkScriptManager::Sheet> TalkScriptManager::SheetByName(std::string_view name)
{
    for (std::size_t i = 0; i < sheetFiles.size(); ++i) {
        if (name == sheetFiles[i].internalName)
            return static_cast<Sheet>(i);
    }
    return std::nullopt;
}

TalkEntry TalkScriptManager::GetEntry(Sheet sheet, int column, int row)
{
    return TalkEntry{GetSheet(sheet).GetCell(column, row), SheetName(sheet), CellName(column, row)};
}

TalkEntry TalkScriptManager::GetGenericLine(int group)
{
    const auto found = genericGroups.find(group);
    if (found == genericGroups.end() || found->second.count <= 0) {
        LogWarning("TalkScriptManager::GetGenericLine: No generic group <%d>!\n", group);
        return {};
    }
    const int row = found->second.firstRow + Randomizer::GetInstance().Next() % found->second.count;
    return GetEntry(genericSheet, 0, row);
}

TalkEntry TalkScriptManager::ResolveGeneric(const TalkEntry& entry)
{
    if (entry.text.empty() || entry.text.front() != '#')
        return entry;
    const std::optional<int> group = GenericGroupOf(entry.text);
    if (!group) {
        LogWarning("TalkScriptManager: Generic reference <%s> couldn't be parsed!\n", entry.text.c_str());
        return {};
    }
    return GetGenericLine(*group);
}

int TalkScriptManager::FindKeyRow(Sheet sheet, const std::string& elementName)
{
    // A name of digits only has no key, and must not find an empty row.
    const std::string key = KeyOf(elementName);
    return key.empty() ? -1 : GetSheet(sheet).FindRow(key, 0);
}

TalkEntry TalkScriptManager::GetExamine(const std::string& elementName)
{
    const int row = FindKeyRow(itemSheet, elementName);
    return row < 0 ? TalkEntry{} : ResolveGeneric(GetEntry(itemSheet, examineColumn, row));
}

TalkEntry TalkScriptManager::GetUse(const std::string& elementName)
{
    const int row = FindKeyRow(itemSheet, elementName);
    return row < 0 ? TalkEntry{} : ResolveGeneric(GetEntry(itemSheet, useColumn, row));
}

TalkEntry TalkScriptManager::GetCombine(const std::string& itemName, const std::string& targetName)
{
    const std::string itemKey = KeyOf(itemName);
    const int column = itemKey.empty() ? -1 : GetSheet(itemCombineSheet).FindColumn(itemKey, 0);
    const int row = FindKeyRow(itemCombineSheet, targetName);
    if (column < 0 || row < 0)
        return {};
    return ResolveGeneric(GetEntry(itemCombineSheet, column, row));
}

TalkEntry TalkScriptManager::GetCellEntry(const std::string& reference)
{
    // "<sheet> <column letter> <row from 1>", read like "%s %s %d".
    const StringTokens tokens(reference);
    const std::string sheetName = LowerCaseWindows1252(tokens.StringAt(0));
    const std::string column = LowerCaseWindows1252(tokens.StringAt(1));
    const std::optional<int> row = ReadInt(tokens.StringAt(2));
    std::optional<Sheet> sheet;
    for (std::size_t i = 0; i < sheetFiles.size(); ++i) {
        if (sheetName == sheetFiles[i].referenceName)
            sheet = static_cast<Sheet>(i);
    }
    if (!sheet || column.size() != 1 || column[0] < 'a' || column[0] > 'z' || !row || *row < 1) {
        LogWarning("TalkScriptManager::Talk: Cell reference <%s> couldn't be parsed!\n", reference.c_str());
        return {};
    }
    return ResolveGeneric(GetEntry(*sheet, column[0] - 'a', *row - 1));
}

void TalkScriptManager::Talk(const std::string& reference)
{
    const TalkEntry entry = GetCellEntry(reference);
    if (!entry.IsEmpty())
        Perform(entry);
}

std::optional<TalkEntry> TalkScriptManager::FollowLinks(const TalkEntry& entry)
{
    TalkEntry current = entry;
    for (int hop = 0; hop < maximumLinkHops && !current.text.empty() && current.text.front() == '$'; ++hop) {
        const std::string_view link = StringTokens::Trim(std::string_view(current.text).substr(1));
        const std::optional<Sheet> sheet = SheetByName(current.sheet);
        const char letter = link.empty() ? '\0' : LowerCaseWindows1252(link.front());
        const std::optional<int> row = link.empty() ? std::nullopt : ReadNumber(link.substr(1));
        if (!sheet || letter < 'a' || letter > lastLinkColumn || !row || *row < 1) {
            LogWarning("TalkScriptManager::PerformLink: Link <%s> couldn't be paresed!\n", current.text.c_str());
            return std::nullopt;
        }
        current = ResolveGeneric(GetEntry(*sheet, letter - 'a', *row - 1));
    }
    if (!current.text.empty() && current.text.front() == '$') {
        LogWarning("TalkScriptManager::PerformLink: Link <%s> couldn't be paresed!\n", current.text.c_str());
        return std::nullopt;
    }
    return current;
}

void TalkScriptManager::Speak(Character& speaker, const TalkEntry& line)
{
    if (speaker.GetInterruptsSpeech()) {
        for (const Cast::Entry& entry : Cast::GetInstance().GetEntries()) {
            auto* other = dynamic_cast<Character*>(entry.object);
            if (other != nullptr && other->IsTalking())
                other->StopSpeech();
        }
    }
    speaker.Say(line);
}

void TalkScriptManager::Perform(const TalkEntry& entry)
{
    const std::optional<TalkEntry> linked = FollowLinks(entry);
    if (!linked)
        return;
    TalkEntry line = *linked;
    Cast& cast = Cast::GetInstance();

    if (line.text.empty()) {
        line = GetGenericLine(1);
        if (line.text.empty())
            return;
        if (auto* player = cast.FindAs<Character>(playerName))
            Speak(*player, line);
        return;
    }
    if (line.text.front() == '>') {
        if (AdventureLevel* level = AdventureLevel::Current())
            level->RunScript(std::string(StringTokens::Trim(std::string_view(line.text).substr(1))), "");
        return;
    }
    static const std::string conversationPrefix = "gespräch_"_w1252;
    if (LowerCaseWindows1252(line.text.substr(0, conversationPrefix.size())) == conversationPrefix) {
        StartConversation(std::string(StringTokens::Trim(line.text)), -1);
        return;
    }

    Character* speaker = nullptr;
    if (const std::size_t colon = line.text.find(':'); colon != std::string::npos) {
        const std::string name(StringTokens::Trim(std::string_view(line.text).substr(0, colon)));
        speaker = cast.FindAs<Character>(name);
        if (speaker == nullptr) {
            LogWarning("TalkScriptManager::Perform: Couldn't find character <%s>!\n", name.c_str());
            return;
        }
        line.text.erase(0, colon + 1);
    } else {
        speaker = cast.FindAs<Character>(playerName);
    }
    if (speaker != nullptr)
        Speak(*speaker, line);
}

void TalkScriptManager::StartConversation(const std::string& name, int startIndex)
{
    ConversationEngine::GetInstance().StartConversation(name, startIndex);
}
