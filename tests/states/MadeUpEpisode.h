#pragma once

// A made-up first episode for the tests of savegames: two rooms of
// 1024 x 768, grey and walkable everywhere, sharing one art folder; in the
// engine room a mechanic, a hatch to the beach and a roll of tape, on the
// beach a shell, and a flag. The level starts in the engine room. No
// sprites, sounds or scripts of its own.

#include "support/BitmapFiles.h"
#include "support/HeadlessTest.h"

#include <cstdint>
#include <string>
#include <vector>

namespace made_up_episode {

inline constexpr const char* engineRoom = "RoomMaschinenraum|Room";
inline constexpr const char* beach = "RoomStrand|Room";
inline constexpr const char* mechanic = "RoomMaschinenraum|Mechaniker";
inline constexpr const char* hatch = "RoomMaschinenraum|Aussenluke";
inline constexpr const char* tape = "RoomMaschinenraum|Isolierband";
inline constexpr const char* shell = "RoomStrand|Muschel";
inline constexpr const char* hatchOpen = "RoomMaschinenraum|LukeFrei";

// One element of the settings file, made by its class.
inline std::string Block(const char* type, const std::string& fullName, const std::string& fields)
{
    return "# ------------------------------------------------ " + fullName +
           "\nDYNAMIC OBJECT START\nclass type: \"class " + type + "\"\n[" + type + "] \"" + fullName + "\"\n{\n" +
           fields + "}\n\n";
}

inline std::string RoomFields(const char* label)
{
    return std::string("    \"Spriteinfos Filename\" \"level01\\room\\spriteinfos.txt\"\n    \"Label\" \"") + label +
           "\"\n";
}

inline std::string EntityFields(const char* label, int x, int y)
{
    return "    \"StartPos\" " + std::to_string(x) + " " + std::to_string(y) + "\n    \"Label\" \"" + label + "\"\n";
}

// Writes the episode's level files into the working directory.
inline void Write()
{
    WriteFile("data/level01/sprites.txt", "");
    WriteFile("data/sharedadventure/sprites.txt", "");
    WriteFile("data/sharedadventure/sfx.txt", "");
    WriteFile("data/level01/room/spriteinfos.txt", "\"Background\" 0 0 1024 768\n\"walkarea\" 0 0 1024 768\n");
    WriteFile("data/level01/room/background.bmp",
              bitmap_files::Bitmap8(1024, 768, std::vector<std::uint8_t>(1024 * 768, 0), {0x404040}));
    WriteFile("data/level01/room/walkarea.bmp",
              bitmap_files::Bitmap24(64, 48, std::vector<std::uint32_t>(64 * 48, 0xFFFFFF)));
    WriteFile("data/level01/settings/settings.txt",
              Block("Room", engineRoom, RoomFields("RoomMaschinenraum")) +
                  Block("Room", beach, RoomFields("RoomStrand")) +
                  Block("Character", mechanic, EntityFields("Mechaniker", 700, 600)) +
                  Block("Door", hatch, EntityFields("Aussenluke", 100, 500) + "    \"Leads To\" \"RoomStrand\"\n") +
                  Block("Item", tape, EntityFields("Isolierband", 400, 650)) +
                  Block("Item", shell, EntityFields("Muschel", 800, 700)) +
                  Block("Flag", hatchOpen, "    \"start value\" 0\n") +
                  "OBJECT START\nclass type: \"class RuvIdLevelAdventure\"\n[LevelParameter] \"Level01Settings\"\n{\n"
                  "    \"start playerpos\" 512 600\n    \"start walk to\" 512 600\n"
                  "    \"Start Room\" \"RoomMaschinenraum\"\n}\n");
}

} // namespace made_up_episode
