#pragma once

// The words of an episode: four semicolon-separated sheets (ExcelSheet.h) in
// "data\level%02d\sprachscript\", loaded in this order and known inside by
// a short name:
//   itemSheet.csv          "item"         A key, B examine line, C use line
//   itemCombineSheet.csv   "itemcombine"  row 0 the selected items' keys, column
//                                         A the targets' keys, the combine line
//                                         where they meet
//   conversationSheet.csv  "conversation" the dialogues (ConversationEngine.h)
//   genericSheet.csv       "generic"      column A: "#1", "#2", ... each opens a
//                                         group of remarks running to the row
//                                         before the next header
// An element's key is the part of its full name behind the "|", without
// trailing digits, in lower case: numbered copies of an item share a row.
//
// Texts of the sheets:
//   "#3"              a random line of generic group 3 (on lookup)
//   "$C12"            the cell C12 of the same sheet (column a to u)
//   ""                a generic group-1 remark by the player
//   ">ScriptName"     runs that script
//   "gespräch_name"   starts that conversation at its beginning
//   "Kira: Hallo!"    the character "Kira" says "Hallo!"; a text without a
//                     colon is said by the player ("Player")
// Scripts name single cells as "<sheet> <column letter> <row from 1>", for
// example "itemSheet E 58" (sheet names in any letter case).
// Malformed references and links are logged and do nothing. Main thread only.

#include "TalkEntry.h"
#include "app/Singleton.h"
#include "files/ExcelSheet.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class Character;

class TalkScriptManager : public Singleton<TalkScriptManager> {
public:
    enum Sheet : int { itemSheet = 0, itemCombineSheet, conversationSheet, genericSheet, sheetCount };
    // A "$" link names the columns a to u; a chain of links longer than
    // this is taken for a circle.
    static constexpr char lastLinkColumn = 'u';
    static constexpr int maximumLinkHops = 16;

    // Forgets the loaded sheets and loads the episode's, stopping at the
    // first that cannot be read; false then. The conversation engine's
    // hidden choices are forgotten with the old sheets.
    bool Load(int level);

    TalkEntry GetExamine(const std::string& elementName);
    TalkEntry GetUse(const std::string& elementName);
    TalkEntry GetCombine(const std::string& itemName, const std::string& targetName);
    // The cell a script names ("itemSheet E 58"); an empty entry, logged,
    // when the reference cannot be read.
    TalkEntry GetCellEntry(const std::string& reference);
    // Performs the cell a script names.
    void Talk(const std::string& reference);

    // Lets the entry's character speak it, runs its script or starts its
    // conversation.
    void Perform(const TalkEntry& entry);
    void StartConversation(const std::string& name, int startIndex);
    // The character says the line; a character that interrupts speech first
    // silences everyone still speaking.
    static void Speak(Character& speaker, const TalkEntry& line);

    // A random line of the generic group (from 1); empty without that group.
    TalkEntry GetGenericLine(int group);
    // The cell as an entry of the sheet.
    TalkEntry GetEntry(Sheet sheet, int column, int row);
    ExcelSheet& GetSheet(Sheet sheet) { return sheets[static_cast<std::size_t>(sheet)]; }

    // "Kristall12" and "Raum|Kristall12" both give "kristall".
    static std::string KeyOf(std::string_view elementName);
    // "C07": the column letter and the 1-based row in two digits.
    static std::string CellName(int column, int row);
    static const char* SheetName(Sheet sheet);
    // A number read like "%d" (leading blanks and a sign allowed, anything
    // after the digits ignored, clamped to int); nothing without digits.
    static std::optional<int> ReadInt(std::string_view text);
    // The number behind a marker character ("#3", "$c12" without the
    // letter): digits only, at least one, and a sane size.
    static std::optional<int> ReadNumber(std::string_view digits);
    static std::optional<Sheet> SheetByName(std::string_view name);

private:
    struct GenericGroup {
        int firstRow = 0;
        int count = 0;
    };

    void BuildGenericGroups();
    // The row whose column A holds the element's key; -1.
    int FindKeyRow(Sheet sheet, const std::string& elementName);
    // A "#n" text becomes a line of group n; other entries stay.
    TalkEntry ResolveGeneric(const TalkEntry& entry);
    // Follows "$" links; nothing when a link cannot be read.
    std::optional<TalkEntry> FollowLinks(const TalkEntry& entry);

    std::array<ExcelSheet, sheetCount> sheets;
    std::map<int, GenericGroup> genericGroups;
};
