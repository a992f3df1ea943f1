#pragma once

// Finds in the story scripts' C++ sources the commands that name things
// (Script.h) and the names they are given: a string literal, or a constant
// initialised with one anywhere in the folder's sources and headers
// ("constexpr const char* muschel = "RoomStrand|Muschel";"). A plain scanner
// over the text with comments left out, not a compiler: adjacent literals
// are joined, escapes decoded, and "..."_w1252 literals converted from
// UTF-8, so a name reads as the game gets it (Windows-1252).
//
// It cannot see names put together while the game runs (a parameter, a
// sum of strings, a formatted text), constants of the same name with
// different values (left out), commands called under another name, nor
// whether the call is reached at all.

#include <filesystem>
#include <map>
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

// A constant's text as the game gets it.
struct StoryConstant {
    std::string text;
    bool utf8Literal = false;
    bool ambiguous = false; // defined more than once with different texts: not used
};
using StoryConstants = std::map<std::string, StoryConstant>;

// The text constants a source defines, added to `constants`; a name
// defined twice with different texts becomes ambiguous.
void CollectStoryConstants(const std::string& source, StoryConstants& constants);
// The uses in one source; `file` names it in the results.
std::vector<ScriptUse> ScanStorySource(const std::string& file, const std::string& source,
                                       const StoryConstants& constants = {});
// The uses in every .cpp file of the folder, in name order, with the
// constants of its .cpp and .h files; the files are named "<folder's
// name>/<file name>".
std::vector<ScriptUse> ScanStorySources(const std::filesystem::path& folder);

} // namespace content::sheets
