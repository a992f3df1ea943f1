#pragma once

// A level's settings file, data\level<NN>\settings\<file>: the game
// elements of the level, one block each, in the serializer's text format.
//
//     # ------------------------------------------------ Strand|Tür zum Dorf
//     DYNAMIC OBJECT START
//     class type: "class Door"
//     [Door] "Strand|Tür zum Dorf"
//     { ... }
//
// A block starting "DYNAMIC OBJECT START" creates its element by class name
// through the element factory and registers it in the cast under the full
// name; then every block, dynamic or not, is read into the cast entry of its
// full name. Savegames use the same framing.

#include "GameElement.h"

#include <memory>
#include <string>
#include <vector>

class File;
class Object;

class LevelSettings {
public:
    // One block of such a file.
    struct Block {
        int position = 0;      // of its "OBJECT START" line
        bool dynamic = false;  // "DYNAMIC OBJECT START"
        std::string className; // "class Door", as its header gives it
        std::string fullName;  // its section's name
    };

    // The next block from the file's position, which is left at the block's
    // first line; false at the end of the file. A block whose header or
    // section line lacks its quoted name is passed over.
    static bool NextBlock(File& file, Block& block);

    // Loads data\level<NN>\settings\<fileName>: creates the elements of its
    // dynamic blocks into `created` and reads each block into the cast entry
    // of its full name (blocks without one are skipped). False, after
    // "GameRuvId::LoadSettings: Failed to open <%s>!", when the file cannot
    // be opened.
    static bool Load(int level, const std::string& fileName, std::vector<std::unique_ptr<GameElement>>& created);
    // Writes one block: the comment line with the full name, the start line
    // and the object's settings.
    static void WriteBlock(File& file, const std::string& fullName, Object& object, bool dynamic);
    // The comment line and the start line alone (a savegame writes the
    // object's state after them).
    static void WriteBlockHead(File& file, const std::string& fullName, bool dynamic);
    // Takes the created elements out of the cast and deletes them.
    static void Unload(std::vector<std::unique_ptr<GameElement>>& created);
};
