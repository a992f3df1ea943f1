#include "sheets/SheetChecker.h"

#include "sheets/EpisodeSheets.h"
#include "sheets/ConversationGraph.h"
#include "sheets/EpisodeElements.h"
#include "sheets/StoryScriptScanner.h"
#include "sheets/SpokenCells.h"
#include "adventure/Door.h"
#include "adventure/Item.h"
#include "adventure/LevelSettings.h"
#include "adventure/TalkScriptManager.h"
#include "files/File.h"
#include "files/HostPath.h"
#include "files/StringTokens.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

namespace content::sheets {

namespace {

using Check = SheetFinding::Check;

constexpr int itemSheet = TalkScriptManager::itemSheet;
constexpr int itemCombineSheet = TalkScriptManager::itemCombineSheet;
constexpr int conversationSheet = TalkScriptManager::conversationSheet;
constexpr int genericSheet = TalkScriptManager::genericSheet;

// The conversation sheet's columns.
constexpr int indexColumn = 0;
constexpr int speakerColumn = 1;
constexpr int lineColumn = 2;
constexpr int nextColumn = 5;
constexpr int firstCommandColumn = 6;

const char* const playerName = "Player";

// Use lines that are not said: a door's "ausgang" lets the player through,
// an item's "automatisch mitnehmen" picks it up. Compared as they stand.
struct UseMarker {
    const char* text;
    ElementKind kind;
};
constexpr UseMarker useMarkers[] = {{Door::exitLine, ElementKind::door}, {Item::pickupLine, ElementKind::item}};
constexpr int useColumn = 2;

const UseMarker* FindUseMarker(int sheet, int column, const std::string& text)
{
    if (sheet != TalkScriptManager::itemSheet || column != useColumn)
        return nullptr;
    for (const UseMarker& marker : useMarkers) {
        if (text == marker.text)
            return &marker;
    }
    return nullptr;
}

std::string Trimmed(std::string_view text)
{
    return std::string(StringTokens::Trim(text));
}

std::string Quoted(const std::string& windows1252)
{
    return "<" + windows1252 + ">";
}

// "#3": group 3.
std::optional<int> GenericGroupOf(std::string_view text)
{
    const std::string trimmed = Trimmed(text);
    if (trimmed.size() < 2 || trimmed.front() != '#')
        return std::nullopt;
    return TalkScriptManager::ReadNumber(std::string_view(trimmed).substr(1));
}

bool IsEndMarker(const std::string& token)
{
    const std::string lower = LowerCaseWindows1252(token);
    return lower == "end" || lower == "xend";
}

bool StartsConversation(const std::string& text)
{
    static const std::string prefix = "gespr\xe4" "ch_";
    return LowerCaseWindows1252(text.substr(0, prefix.size())) == prefix;
}

std::string Path(const std::filesystem::path& folder, const std::string& relative)
{
    return (folder / relative).string();
}

// The conversation sheet's row numbers below are the sheet's, from 0.
struct Conversation {
    std::string name;
    int nameRow = 0;
    int first = 0; // the row after the name
    int end = 0;   // the next conversation's name row, or the sheet's end
};

class SheetChecker {
public:
    explicit SheetChecker(const EpisodeToCheck& episode);
    std::vector<SheetFinding> Run();

private:
    // Reading.
    void LoadSheets();
    void LoadElements();
    void FindConversations();

    // Sheets.
    void CheckKeys();
    void CheckGenericGroups();
    void CheckPerformedCells();
    // Whether CheckPerformedCells goes through the cell.
    bool IsCheckedCell(int sheet, int column, int row);
    void CheckPerformed(int sheet, int column, int row, const std::string& text);
    // A use line that acts instead of being said fits its key's elements.
    void CheckUseMarker(const UseMarker& marker, int row);
    void CheckLink(int sheet, int column, int row, const std::string& text);
    void CheckGenericReference(int sheet, int column, int row, const std::string& text);
    void CheckConversationLines();
    void CheckSpeakersAndRecordings();
    void CheckRecording(const SpokenCell& cell);

    // Conversations: each row goes into the conversation's graph, which
    // then says whether it can end.
    void CheckConversation(const Conversation& conversation);
    void AddChoiceBlock(const Conversation& conversation, int row, ConversationGraph& graph);
    void AddCommands(const Conversation& conversation, int row, ConversationGraph& graph);
    void AddNextSteps(const Conversation& conversation, int row, ConversationGraph& graph);
    void JudgeConversation(const Conversation& conversation, const ConversationGraph& graph,
                           std::size_t findingsBefore);
    void AddConversationFinding(int column, int row, const std::string& message);
    void CheckCommand(const Conversation& conversation, int column, int row, const std::string& command);
    std::optional<int> IndexOf(int row);
    int FindIndex(const Conversation& conversation, int index);
    const Conversation* FindConversation(const std::string& name) const;

    // Scripts.
    void CheckScriptUse(const ScriptUse& use);
    void CheckTalkCell(const ScriptUse& use);
    void CheckElementName(const ScriptUse& use, ElementKind kind, const std::string& name);

    void AddSheetFinding(Check check, int sheet, int column, int row, const std::string& message);
    void AddFinding(Check check, const std::string& file, const std::string& place, const std::string& message);
    std::string SheetFile(int sheet) const;
    std::string LevelFolder() const;
    std::string EpisodeName() const { return "episode " + std::to_string(episode.level); }

    const EpisodeToCheck& episode;
    EpisodeSheetSet sheets;
    EpisodeElements elements;
    std::vector<Conversation> conversations;
    std::vector<ScriptUse> scriptUses;
    // Dialogue indices that a script unhides.
    std::set<int> unhiddenByScripts;
    std::map<int, int> genericLineCounts;
    std::set<std::string> spokenCells; // "item C07"
    std::vector<SheetFinding> findings;
};

SheetChecker::SheetChecker(const EpisodeToCheck& checked) : episode(checked) {}

std::string SheetChecker::LevelFolder() const
{
    char folder[16];
    std::snprintf(folder, sizeof folder, "level%02d", episode.level);
    return folder;
}

std::string SheetChecker::SheetFile(int sheet) const
{
    return LevelFolder() + "/sprachscript/" + SheetFileNames()[static_cast<std::size_t>(sheet)];
}

void SheetChecker::AddFinding(Check check, const std::string& file, const std::string& place,
                              const std::string& message)
{
    findings.push_back({check, file, place, Windows1252::ToUtf8(message)});
}

void SheetChecker::AddSheetFinding(Check check, int sheet, int column, int row, const std::string& message)
{
    AddFinding(check, SheetFile(sheet), TalkScriptManager::CellName(column, row), message);
}

std::vector<SheetFinding> SheetChecker::Run()
{
    LoadSheets();
    LoadElements();
    FindConversations();
    if (!episode.storySources.empty())
        scriptUses = ScanStorySources(episode.storySources);
    for (const ScriptUse& use : scriptUses) {
        if (use.command == "UnhideIndex" && use.number)
            unhiddenByScripts.insert(*use.number);
    }

    CheckGenericGroups();
    CheckKeys();
    CheckPerformedCells();
    CheckConversationLines();
    for (const Conversation& conversation : conversations)
        CheckConversation(conversation);
    CheckSpeakersAndRecordings();
    for (const ScriptUse& use : scriptUses)
        CheckScriptUse(use);
    return std::move(findings);
}

void SheetChecker::LoadSheets()
{
    for (int sheet = 0; sheet < TalkScriptManager::sheetCount; ++sheet) {
        if (!sheets[static_cast<std::size_t>(sheet)].Load(Path(episode.dataDir, SheetFile(sheet))))
            AddFinding(Check::reference, SheetFile(sheet), "", "cannot be read");
    }
}

void SheetChecker::LoadElements()
{
    const std::string settings = LevelFolder() + "/settings/settings.txt";
    if (!elements.Load(Path(episode.dataDir, settings)))
        AddFinding(Check::reference, settings, "", "cannot be read");
}

void SheetChecker::FindConversations()
{
    ExcelSheet& sheet = sheets[conversationSheet];
    // Row 0 is the header; a conversation begins at a name in column A.
    for (int row = 1; row < sheet.GetRowCount(); ++row) {
        const std::string name = Trimmed(sheet.GetCell(indexColumn, row));
        if (name.empty() || TalkScriptManager::ReadInt(name))
            continue;
        if (!conversations.empty())
            conversations.back().end = row;
        conversations.push_back({name, row, row + 1, sheet.GetRowCount()});
    }
}

const Conversation* SheetChecker::FindConversation(const std::string& name) const
{
    // As the game finds it: the first row whose column A is the name.
    const std::string lower = LowerCaseWindows1252(Trimmed(name));
    for (const Conversation& conversation : conversations) {
        if (LowerCaseWindows1252(conversation.name) == lower)
            return &conversation;
    }
    return nullptr;
}

// Sheets.

void SheetChecker::CheckGenericGroups()
{
    ExcelSheet& sheet = sheets[genericSheet];
    int group = 0;
    for (int row = 0; row < sheet.GetRowCount(); ++row) {
        const std::string& text = sheet.GetCell(0, row);
        if (const std::optional<int> header = GenericGroupOf(text)) {
            if (*header != group + 1)
                AddSheetFinding(Check::reference, genericSheet, 0, row,
                                "group #" + std::to_string(*header) + " where #" + std::to_string(group + 1) +
                                    " belongs: groups are numbered 1, 2, ... without gaps");
            group = *header;
            genericLineCounts[group] = 0;
        } else if (!Trimmed(text).empty()) {
            if (group == 0)
                AddSheetFinding(Check::reference, genericSheet, 0, row,
                                "stands before the first group header and is never said");
            else
                ++genericLineCounts[group];
        }
    }
    for (const auto& [number, count] : genericLineCounts) {
        if (count == 0)
            AddFinding(Check::reference, SheetFile(genericSheet), "#" + std::to_string(number), "group has no lines");
    }
    if (!genericLineCounts.contains(1))
        AddFinding(Check::reference, SheetFile(genericSheet), "#1",
                   "there is no group #1, whose remarks answer every empty cell");
}

void SheetChecker::CheckKeys()
{
    const std::set<std::string> keys = elements.Keys();
    const auto check = [&](int sheet, int column, int row) {
        const std::string key = Trimmed(sheets[static_cast<std::size_t>(sheet)].GetCell(column, row));
        if (!key.empty() && !keys.contains(LowerCaseWindows1252(key)))
            AddSheetFinding(Check::reference, sheet, column, row,
                            "key " + Quoted(key) + " belongs to no element of " + EpisodeName());
    };
    // A row without examine and use lines may hold lines for scripts only,
    // under any key.
    ExcelSheet& items = sheets[itemSheet];
    for (int row = 1; row < items.GetRowCount(); ++row) {
        if (!Trimmed(items.GetCell(1, row)).empty() || !Trimmed(items.GetCell(2, row)).empty())
            check(itemSheet, 0, row);
    }
    ExcelSheet& combine = sheets[itemCombineSheet];
    for (int column = 1; column < combine.GetColumnCount(); ++column)
        check(itemCombineSheet, column, 0);
    for (int row = 1; row < combine.GetRowCount(); ++row)
        check(itemCombineSheet, 0, row);
}

bool SheetChecker::IsCheckedCell(int sheet, int column, int row)
{
    if (sheet == itemSheet || sheet == itemCombineSheet)
        return row >= 1 && column >= 1;
    return sheet == genericSheet && column == 0 && !GenericGroupOf(sheets[genericSheet].GetCell(0, row));
}

void SheetChecker::CheckPerformedCells()
{
    for (const int sheet : {itemSheet, itemCombineSheet}) {
        ExcelSheet& cells = sheets[static_cast<std::size_t>(sheet)];
        for (int row = 1; row < cells.GetRowCount(); ++row) {
            for (int column = 1; column < cells.GetColumnCount(); ++column) {
                const std::string& text = cells.GetCell(column, row);
                if (const UseMarker* marker = FindUseMarker(sheet, column, text))
                    CheckUseMarker(*marker, row);
                else
                    CheckPerformed(sheet, column, row, text);
            }
        }
    }
    ExcelSheet& generic = sheets[genericSheet];
    for (int row = 0; row < generic.GetRowCount(); ++row) {
        const std::string& text = generic.GetCell(0, row);
        if (!GenericGroupOf(text))
            CheckPerformed(genericSheet, 0, row, text);
    }
}

void SheetChecker::CheckUseMarker(const UseMarker& marker, int row)
{
    const std::string key = LowerCaseWindows1252(Trimmed(sheets[itemSheet].GetCell(0, row)));
    for (const std::string& user : elements.OthersWithKey(key, marker.kind))
        AddSheetFinding(Check::reference, itemSheet, useColumn, row,
                        Quoted(user) + " would say " + Quoted(marker.text) + ", which acts only as the use line of a " +
                            ElementKindName(marker.kind));
}

void SheetChecker::CheckPerformed(int sheet, int column, int row, const std::string& text)
{
    if (text.empty())
        return;
    if (text.front() == '$') {
        CheckLink(sheet, column, row, text);
    } else if (text.front() == '#') {
        CheckGenericReference(sheet, column, row, text);
    } else if (text.front() == '>') {
        const std::string script = Trimmed(std::string_view(text).substr(1));
        if (!episode.scripts.contains(script))
            AddSheetFinding(Check::reference, sheet, column, row,
                            "runs the script " + Quoted(script) + ", which is not registered");
    } else if (StartsConversation(text)) {
        const Conversation* conversation = FindConversation(text);
        if (conversation == nullptr)
            AddSheetFinding(Check::reference, sheet, column, row,
                            "starts the conversation " + Quoted(Trimmed(text)) +
                                ", which the conversation sheet does not have");
    }
}

void SheetChecker::CheckLink(int sheet, int column, int row, const std::string& text)
{
    ExcelSheet& cells = sheets[static_cast<std::size_t>(sheet)];
    std::string current = text;
    for (int hop = 0; hop < TalkScriptManager::maximumLinkHops; ++hop) {
        const std::string link = Trimmed(std::string_view(current).substr(1));
        const char letter = link.empty() ? '\0' : LowerCaseWindows1252(link.front());
        const std::optional<int> linkRow = link.empty() ? std::nullopt : TalkScriptManager::ReadNumber(std::string_view(link).substr(1));
        if (letter < 'a' || letter > TalkScriptManager::lastLinkColumn || !linkRow || *linkRow < 1) {
            AddSheetFinding(Check::reference, sheet, column, row,
                            "the link " + Quoted(current) + " cannot be read: \"$\", a column a to u, a row from 1");
            return;
        }
        current = cells.GetCell(letter - 'a', *linkRow - 1);
        if (Trimmed(current).empty()) {
            AddSheetFinding(Check::reference, sheet, column, row,
                            "the link " + Quoted(text) + " leads to the empty cell " +
                                TalkScriptManager::CellName(letter - 'a', *linkRow - 1));
            return;
        }
        if (current.front() == '#') {
            CheckGenericReference(sheet, column, row, current);
            return;
        }
        if (current.front() != '$')
            return;
    }
    AddSheetFinding(Check::reference, sheet, column, row, "the links from " + Quoted(text) + " go round in a circle");
}

void SheetChecker::CheckGenericReference(int sheet, int column, int row, const std::string& text)
{
    const std::optional<int> group = GenericGroupOf(text);
    if (!group) {
        AddSheetFinding(Check::reference, sheet, column, row,
                        "the generic reference " + Quoted(text) + " cannot be read: \"#\" and a group number");
        return;
    }
    const auto found = genericLineCounts.find(*group);
    if (found == genericLineCounts.end() || found->second == 0)
        AddSheetFinding(Check::reference, sheet, column, row,
                        "names the generic group #" + std::to_string(*group) + ", which has no lines");
}

void SheetChecker::CheckConversationLines()
{
    ExcelSheet& sheet = sheets[conversationSheet];
    for (int row = 1; row < sheet.GetRowCount(); ++row) {
        const std::string speaker = Trimmed(sheet.GetCell(speakerColumn, row));
        const std::string& text = sheet.GetCell(lineColumn, row);
        if (speaker.empty() || LowerCaseWindows1252(speaker) == "x" || Trimmed(text).empty() || IsSpokenText(text))
            continue;
        AddSheetFinding(Check::reference, conversationSheet, lineColumn, row,
                        Quoted(text) + " is said as it stands: links, generic references, scripts and "
                                       "conversations work in the other sheets only");
    }
}

void SheetChecker::CheckSpeakersAndRecordings()
{
    for (const SpokenCell& cell : SpokenCells(sheets)) {
        const int sheet = *TalkScriptManager::SheetByName(cell.sheet);
        const int column = cell.cell[0] - 'A';
        const int row = std::stoi(cell.cell.substr(1)) - 1;
        if (FindUseMarker(sheet, column, sheets[static_cast<std::size_t>(sheet)].GetCell(column, row)) != nullptr)
            continue;
        spokenCells.insert(cell.sheet + " " + cell.cell);
        const std::string file = SheetFile(sheet);
        if (cell.speaker != playerName && !elements.Is(cell.speaker, ElementKind::character))
            AddFinding(Check::speaker, file, cell.cell,
                       Quoted(cell.speaker) + " speaks here, but is neither \"Player\" nor a character of " +
                           EpisodeName());
        CheckRecording(cell);
    }
}

void SheetChecker::CheckRecording(const SpokenCell& cell)
{
    const std::string folder = LevelFolder() + "/audio/streamingtalk/" + cell.sheet + "/";
    const std::string file = SheetFile(*TalkScriptManager::SheetByName(cell.sheet));
    // Like the game: an alias file names the cell whose recording is used.
    const std::string alias = Path(episode.dataDir, folder + cell.cell + ".txt");
    std::string recorded = cell.cell;
    if (File::Exists(alias.c_str())) {
        File aliasFile;
        std::string line;
        if (aliasFile.Open(alias.c_str(), "r") && aliasFile.ReadLine(line, 64) && !Trimmed(line).empty())
            recorded = Trimmed(line);
    }
    const std::string recording = folder + recorded + ".ogg";
    if (File::Exists(Path(episode.dataDir, recording).c_str()))
        return;
    if (recorded != cell.cell)
        AddFinding(Check::recording, file, cell.cell,
                   "its alias " + folder + cell.cell + ".txt names " + recorded + ", which has no recording");
    else
        AddFinding(Check::recording, file, cell.cell, "has no recording " + recording);
}

// Conversations.

std::optional<int> SheetChecker::IndexOf(int row)
{
    const std::string text = Trimmed(sheets[conversationSheet].GetCell(indexColumn, row));
    return text.empty() ? std::nullopt : TalkScriptManager::ReadInt(text);
}

int SheetChecker::FindIndex(const Conversation& conversation, int index)
{
    for (int row = conversation.first; row < conversation.end; ++row) {
        if (IndexOf(row) == index)
            return row;
    }
    return -1;
}

void SheetChecker::AddConversationFinding(int column, int row, const std::string& message)
{
    AddSheetFinding(Check::conversation, conversationSheet, column, row, message);
}

void SheetChecker::CheckConversation(const Conversation& conversation)
{
    const std::size_t findingsBefore = findings.size();
    if (conversation.first >= conversation.end) {
        AddConversationFinding(indexColumn, conversation.nameRow, Quoted(conversation.name) + " has no rows");
        return;
    }
    ExcelSheet& sheet = sheets[conversationSheet];
    ConversationGraph graph(conversation.first, conversation.end);
    std::map<int, int> firstRowOfIndex;
    int blockRow = -1; // the choice block whose options the rows are
    for (int row = conversation.first; row < conversation.end; ++row) {
        const std::optional<int> index = IndexOf(row);
        const bool isOption = blockRow >= 0 && index && index == IndexOf(blockRow);
        if (!isOption)
            blockRow = -1;
        if (index && !isOption) {
            if (const auto seen = firstRowOfIndex.find(*index); seen != firstRowOfIndex.end())
                AddConversationFinding(indexColumn, row,
                                       "index " + std::to_string(*index) +
                                           " stands here a second time; a jump finds only " +
                                           TalkScriptManager::CellName(indexColumn, seen->second));
            else
                firstRowOfIndex[*index] = row;
        }
        if (LowerCaseWindows1252(Trimmed(sheet.GetCell(speakerColumn, row))) == "x") {
            AddChoiceBlock(conversation, row, graph);
            blockRow = row;
        } else {
            AddCommands(conversation, row, graph);
            AddNextSteps(conversation, row, graph);
        }
    }
    JudgeConversation(conversation, graph, findingsBefore);
}

void SheetChecker::AddChoiceBlock(const Conversation& conversation, int row, ConversationGraph& graph)
{
    ExcelSheet& sheet = sheets[conversationSheet];
    const std::optional<int> index = IndexOf(row);
    graph.AddBlock(row);
    if (!index)
        AddConversationFinding(indexColumn, row, "a choice block needs its index in column A");
    int options = 0;
    for (int option = row + 1; option < conversation.end && index && IndexOf(option) == index; ++option) {
        // A chosen option hides its target index: on a later talk it is
        // offered only if something unhides the index again.
        graph.AddOption(row, option, TalkScriptManager::ReadInt(sheet.GetCell(nextColumn, option)));
        ++options;
    }
    if (index && options == 0)
        AddConversationFinding(indexColumn, row, "the choice block " + std::to_string(*index) + " offers no options");
    if (!Trimmed(sheet.GetCell(firstCommandColumn, row)).empty())
        AddConversationFinding(firstCommandColumn, row, "commands on a choice block's row never run");
}

void SheetChecker::AddCommands(const Conversation& conversation, int row, ConversationGraph& graph)
{
    for (int column = firstCommandColumn;; ++column) {
        const std::string command = Trimmed(sheets[conversationSheet].GetCell(column, row));
        if (command.empty())
            return;
        CheckCommand(conversation, column, row, command);
        const StringTokens tokens(command);
        if (LowerCaseWindows1252(tokens.StringAt(0)) == "unhide") {
            if (const std::optional<int> unhidden = TalkScriptManager::ReadInt(tokens.StringAt(1)))
                graph.Unhide(*unhidden);
        }
    }
}

void SheetChecker::AddNextSteps(const Conversation& conversation, int row, ConversationGraph& graph)
{
    const std::string& next = sheets[conversationSheet].GetCell(nextColumn, row);
    if (next.empty()) {
        graph.AddStep(row, row + 1);
        return;
    }
    const StringTokens tokens(next);
    if (tokens.Count() == 0)
        AddConversationFinding(nextColumn, row,
                               "column F holds only blanks; leave it empty to go on with the next row");
    for (int token = 0; token < tokens.Count(); ++token) {
        const std::string word = tokens.StringAt(token);
        const std::optional<int> target = TalkScriptManager::ReadInt(word);
        if (IsEndMarker(word)) {
            graph.AddEnd(row);
        } else if (!target) {
            AddConversationFinding(nextColumn, row, Quoted(word) + " is neither END, XEND nor a dialogue index");
        } else if (const int targetRow = FindIndex(conversation, *target); targetRow < 0) {
            AddConversationFinding(nextColumn, row,
                                   "goes to index " + std::to_string(*target) + ", which " +
                                       Quoted(conversation.name) + " does not have");
        } else {
            graph.AddStep(row, targetRow);
        }
    }
}

void SheetChecker::JudgeConversation(const Conversation& conversation, const ConversationGraph& graph,
                                     std::size_t findingsBefore)
{
    const std::string name = Quoted(conversation.name);
    const ConversationGraph::Verdict verdict = graph.Judge(unhiddenByScripts);
    for (const int row : verdict.reached) {
        if (Trimmed(sheets[conversationSheet].GetCell(speakerColumn, row)).empty())
            AddConversationFinding(speakerColumn, row,
                                   "is reached, but names no speaker: " + name + " breaks off here");
    }
    for (const int row : verdict.runsOff)
        AddConversationFinding(nextColumn, row, "runs past the last row of " + name + " without END");
    if (!verdict.endReachable) {
        AddConversationFinding(indexColumn, conversation.nameRow, name + " can never reach END from its start");
        return;
    }
    if (!verdict.endReachableAgain) {
        std::string indices;
        for (const int index : verdict.hiddenForGood)
            indices += (indices.empty() ? "" : ", ") + std::to_string(index);
        AddConversationFinding(indexColumn, conversation.nameRow,
                               name +
                                   " cannot end when talked to again: every way to END takes an option whose target "
                                   "index (" +
                                   indices +
                                   ") stays hidden once chosen; let such an option's column F say END, or unhide it");
    }
    // A row cut off by a fault found above cannot end either; that fault
    // is the one to mend.
    if (!verdict.stuckRows.empty() && findings.size() == findingsBefore)
        AddConversationFinding(indexColumn, verdict.stuckRows.front(),
                               "from this row " + name + " can never reach END" +
                                   (verdict.stuckRows.size() > 1
                                        ? " (nor from " + std::to_string(verdict.stuckRows.size() - 1) + " more rows)"
                                        : std::string()));
}

void SheetChecker::CheckCommand(const Conversation& conversation, int column, int row, const std::string& command)
{
    const StringTokens tokens(command);
    const std::string word = LowerCaseWindows1252(tokens.StringAt(0));
    std::string problem;
    if (word == "runscript") {
        if (tokens.Count() != 2)
            problem = "\"runscript\" takes one script name";
        else if (!episode.scripts.contains(tokens.StringAt(1)))
            problem = "runs the script " + Quoted(tokens.StringAt(1)) + ", which is not registered";
    } else if (word == "hide" || word == "unhide") {
        const std::optional<int> index = TalkScriptManager::ReadInt(tokens.StringAt(1));
        if (tokens.Count() != 2 || !index)
            problem = Quoted(word) + " takes one dialogue index";
        else if (FindIndex(conversation, *index) < 0)
            problem = word + "s the index " + std::to_string(*index) + ", which " + Quoted(conversation.name) +
                      " does not have";
    } else if (word == "setflag") {
        if (tokens.Count() != 3 || !TalkScriptManager::ReadInt(tokens.StringAt(2)))
            problem = "\"setflag\" takes a flag and a number";
        else if (!elements.Is(tokens.StringAt(1), ElementKind::flag))
            problem = "sets " + Quoted(tokens.StringAt(1)) + ", which is no flag of " + EpisodeName();
    } else {
        problem = "the command " + Quoted(tokens.StringAt(0)) + " is none of runscript, hide, unhide, setflag";
    }
    if (!problem.empty())
        AddSheetFinding(Check::conversation, conversationSheet, column, row, problem);
}

// Scripts.

void SheetChecker::CheckScriptUse(const ScriptUse& use)
{
    const auto finding = [&](const std::string& message) {
        AddFinding(Check::script, use.file, "line " + std::to_string(use.line), use.command + ": " + message);
    };
    if (use.utf8Literal) {
        finding(Quoted(Windows1252::FromUtf8(use.name)) +
                " is a UTF-8 literal; the game's names are Windows-1252 (write it with _w1252 or \\x escapes)");
        return;
    }
    switch (use.names) {
    case ScriptUse::Names::cell: CheckTalkCell(use); break;
    case ScriptUse::Names::script:
        if (!episode.scripts.contains(use.name))
            finding(Quoted(use.name) + " is not a registered script");
        break;
    case ScriptUse::Names::conversation:
        if (const Conversation* conversation = FindConversation(use.name); conversation == nullptr)
            finding("the conversation sheet has no conversation " + Quoted(use.name));
        else if (use.number && *use.number != -1 && FindIndex(*conversation, *use.number) < 0)
            finding(Quoted(use.name) + " has no index " + std::to_string(*use.number) + " to start at");
        break;
    case ScriptUse::Names::dialogueIndex: {
        const bool exists = std::any_of(conversations.begin(), conversations.end(), [&](const Conversation& c) {
            return use.number && FindIndex(c, *use.number) >= 0;
        });
        if (!exists)
            finding("no conversation has the index " + (use.number ? std::to_string(*use.number) : std::string("?")));
        break;
    }
    case ScriptUse::Names::room: CheckElementName(use, ElementKind::room, use.name + "|Room"); break;
    case ScriptUse::Names::inventoryItem:
        CheckElementName(use, ElementKind::item, use.name);
        if (use.name.find('|') == std::string::npos && elements.Is(use.name, ElementKind::item))
            finding("name the item in full, " + Quoted(elements.FullName(use.name)) +
                    ": the inventory keeps items under their full names, as Pickup puts them in");
        break;
    case ScriptUse::Names::flag: CheckElementName(use, ElementKind::flag, use.name); break;
    case ScriptUse::Names::item: CheckElementName(use, ElementKind::item, use.name); break;
    case ScriptUse::Names::door: CheckElementName(use, ElementKind::door, use.name); break;
    case ScriptUse::Names::character: CheckElementName(use, ElementKind::character, use.name); break;
    case ScriptUse::Names::entity: CheckElementName(use, ElementKind::entity, use.name); break;
    }
}

void SheetChecker::CheckElementName(const ScriptUse& use, ElementKind kind, const std::string& name)
{
    if (elements.Is(name, kind))
        return;
    AddFinding(Check::script, use.file, "line " + std::to_string(use.line),
               use.command + ": " + Quoted(name) + " is no " + ElementKindName(kind) + " of " + EpisodeName() +
                   (elements.Exists(name) ? " (it is of class " + elements.ClassName(name) + ")" : ""));
}

void SheetChecker::CheckTalkCell(const ScriptUse& use)
{
    const auto finding = [&](const std::string& message) {
        AddFinding(Check::script, use.file, "line " + std::to_string(use.line), "Talk: " + message);
    };
    // "<sheet> <column letter> <row from 1>", as the game reads it.
    const StringTokens tokens(use.name);
    const std::string sheetName = LowerCaseWindows1252(tokens.StringAt(0));
    const std::string column = LowerCaseWindows1252(tokens.StringAt(1));
    const std::optional<int> row = TalkScriptManager::ReadInt(tokens.StringAt(2));
    int sheet = -1;
    for (int candidate = 0; candidate < TalkScriptManager::sheetCount; ++candidate) {
        const std::string& fileName = SheetFileNames()[static_cast<std::size_t>(candidate)];
        if (sheetName + ".csv" == LowerCaseWindows1252(fileName))
            sheet = candidate;
    }
    if (sheet < 0 || column.size() != 1 || column[0] < 'a' || column[0] > 'z' || !row || *row < 1) {
        finding(Quoted(use.name) + " names no cell: \"<sheet> <column letter> <row from 1>\"");
        return;
    }
    const int columnIndex = column[0] - 'a';
    const std::string cell = TalkScriptManager::CellName(columnIndex, *row - 1);
    const std::string& text = sheets[static_cast<std::size_t>(sheet)].GetCell(columnIndex, *row - 1);
    if (Trimmed(text).empty()) {
        finding(Quoted(use.name) + " is an empty cell");
        return;
    }
    // The cells the sheets' own check goes through say for themselves what
    // is wrong with them; others are looked at here.
    if (!IsCheckedCell(sheet, columnIndex, *row - 1)) {
        const std::size_t before = findings.size();
        CheckPerformed(sheet, columnIndex, *row - 1, text);
        if (findings.size() > before)
            return;
    }
    const std::string sheetInternal = TalkScriptManager::SheetName(static_cast<TalkScriptManager::Sheet>(sheet));
    if (IsSpokenText(text) && !spokenCells.contains(sheetInternal + " " + cell))
        finding(Quoted(use.name) + " is said, but is no spoken cell of its sheet (nobody to say it, no recording)");
}

} // namespace

std::string Describe(const SheetFinding& finding)
{
    return finding.file + (finding.place.empty() ? "" : " " + finding.place) + ": " + finding.message;
}

std::vector<SheetFinding> CheckEpisode(const EpisodeToCheck& episode)
{
    return SheetChecker(episode).Run();
}

} // namespace content::sheets
