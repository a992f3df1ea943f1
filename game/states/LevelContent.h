#pragma once

// What every state that plays an episode loads before the level's objects,
// and drops again when it ends: the level's and the shared adventure's
// sprite lists (the loading bar from 0.0 to 0.6 and on to 0.7), the fonts,
// and the two sound lists. The game controller and the development room
// view share it.

#include <string>

class Room;
class RuvIdLevelAdventure;

class LevelContent {
public:
    // The figure the player's character shows unless the level's settings
    // name another.
    static constexpr const char* playerFigure = "juna";

    // "data\level<NN>\<name>".
    static std::string LevelFile(int level, const char* name);
    // "Level<NN>Settings", the level's name in the cast.
    static std::string SettingsName(int level);

    // Sprites, fonts and sounds of the level; the sound engine is on
    // exactly when the sound device works. False when a sprite list or the
    // shared sound list cannot be read (the loaders have logged why). A
    // level without a sound list of its own plays the shared sounds only.
    static bool Load(int level);
    // Everything Load brought, and every sound, stream and sample with it:
    // the sound device starts over empty unless the program is ending.
    static void Unload();

    // Enters the room a savegame asked for or the level's start room; a
    // level that names none starts in the first room of the cast, the
    // player at the front middle of its floor. False when no room could be
    // entered.
    static bool StartLevel(RuvIdLevelAdventure& level);
    // Enters the room with the player at the front middle of its floor.
    static void EnterRoomAtFront(RuvIdLevelAdventure& level, Room& room);
};
