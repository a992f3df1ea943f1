#pragma once

// Finds in the story scripts' C++ sources the commands that name things
// (Script.h) and the names they are given as string literals: a plain
// scanner over the text with comments left out, not a compiler. Adjacent
// literals are joined, escapes decoded, and "..."_w1252 literals converted
// from UTF-8, so a name reads as the game gets it (Windows-1252).
//
// It cannot see names that are not literals at the call (a parameter, a
// variable, a string put together while the game runs), nor commands
// called under another name, nor whether the call is reached at all.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace content::sheets {

struct ScriptUse {
    // What the name must be.
    enum class Names {
        cell,          // Talk: "<sheet> <column letter> <row>"
        flag,          // SetFlag, GetFlag
        inventoryItem, // AddItem, RemoveItem
        item,          // Pickup, PlaceByAnimation
        room,          // ChangeRoom: a room label
        script,        // RunScript, RunScriptAsync, StopAsyncScript
        conversation,  // StartConversation, with its start index in `number`
        dialogueIndex, // HideIndex, UnhideIndex: `number` only
        character,     // Stop, SetAnimName, SetSpeechVolume, SetInterruptsSpeech, WaitForTalk
        door,          // GoThrough
        entity,        // WalkTo, TurnTo, Use, Examine, PlayAnimation, ... any character, door or item
    };

    Names names = Names::entity;
    std::string file;    // "episode1/Episode1.cpp"
    int line = 0;        // from 1
    std::string command; // "SetFlag"
    std::string name;    // Windows-1252
    // A number literal: StartConversation's start index, HideIndex's index.
    std::optional<int> number;
    // The name stands as a plain literal with UTF-8 letters, which the game
    // would take byte for byte.
    bool utf8Literal = false;
};

// The uses in one source; `file` names it in the results.
std::vector<ScriptUse> ScanStorySource(const std::string& file, const std::string& source);
// The uses in every .cpp file of the folder, in name order; the files are
// named "<folder's name>/<file name>".
std::vector<ScriptUse> ScanStorySources(const std::filesystem::path& folder);

} // namespace content::sheets
