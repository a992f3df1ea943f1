#pragma once

#include "GameState.h"
#include "app/Singleton.h"
#include "files/File.h"

#include <memory>
#include <string>

// Owns the current game state and switches between states by name. Every
// switch is deferred to the start of the next frame (a state that asks for
// one keeps running until its handler returns); a changed level restarts the
// current state with it. Holding Escape reaches the state once, however often
// the keyboard repeats it. A new state learns the last mouse position before
// its first frame.
class Image;

// Savegames: "savegames\savegame<slot>.dat", scrambled text (title, date,
// "levelNum <level>", then the cast's run-time state), beside its picture
// "savegames\savegame<slot>.bmp".
class MainProgram : public Singleton<MainProgram> {
public:
    // Start-up switch; level -1 takes the configuration's activeLevel.
    void SetGame(const std::string& name, int level);
    void SetProject(const std::string& name);
    void SetLevel(int level);
    void DoSetGame();

    bool Update(float seconds);
    bool Render();
    bool Shutdown();
    // True while the program ends: the last state's Exit need not prepare
    // anything for a state after it.
    bool IsShuttingDown() const { return shuttingDown; }

    void OnKeyDown(int key);
    void OnKeyUp(int key);
    void OnMouseMove(int x, int y);
    int Command(const char* name, int arg1, int arg2);
    bool IsStateInitialised() const;

    // Writes the current state's savegame and its picture into the slot. A
    // crash leaves each of the two files whole, old or new; what such a save
    // left unfinished beside them goes with the slot's next save.
    bool SaveGame(int slot, const Image& image);
    // Removes, at start, the temporary files that writes killed half-way
    // left in the folders of the player's files (options, highscores, log,
    // savegames); a running game's own are left alone.
    static void RemoveUnfinishedWrites();
    // "savegames\savegame<slot>.<extension>"; slot 0 is the quick slot.
    static std::string SlotFile(int slot, const char* extension);
    // Opens a slot's savegame and keeps it, positioned after its third line,
    // for the game state to apply; the level it was saved in, or -1.
    int LoadGame(int slot);
    // The savegame LoadGame opened, handed over once (null when none).
    std::unique_ptr<File> TakePendingSavegame() { return std::move(pendingSavegame); }

    GameState* GetCurrentState() const { return currentState.get(); }
    const std::string& GetCurrentStateName() const { return currentStateName; }
    int GetCurrentLevel() const { return currentLevel; }
    // What the next frame switches to: the level, and the state's name
    // (empty when the state stays).
    int GetRequestedLevel() const { return requestedLevel; }
    const std::string& GetPendingStateName() const { return pendingStateName; }

private:
    int currentLevel = 0;
    int requestedLevel = 0;
    std::unique_ptr<GameState> currentState;
    std::string pendingStateName;
    std::string currentStateName;
    int lastMouseX = 512;
    int lastMouseY = 384;
    bool escapeReleased = true;
    bool shuttingDown = false;
    std::unique_ptr<File> pendingSavegame;
};
