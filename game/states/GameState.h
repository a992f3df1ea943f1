#pragma once

// One of the program's top-level modes (the main menu, the game with its
// levels). MainProgram owns the current state, creates states by name through
// Factory<GameState> and hands them the frames and the input. Positions are
// logical (1024 x 768).

#include <string>

class File;

class GameState {
public:
    GameState() = default;
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;
    virtual ~GameState() = default;

    virtual void Init(int level) = 0;
    virtual void Exit() = 0;
    virtual void Update(float seconds) = 0;
    virtual void Render() = 0;
    virtual void GetSaveGameLabels(std::string&, std::string&) {}
    // Writes the state's savegame content into an open file.
    virtual bool SaveGame(File&) { return false; }
    virtual void SetMenuEnabled(bool) {}
    virtual void OnKeyDown(int) {}
    virtual void OnKeyUp(int) {}
    virtual void OnChar(int) {}
    virtual void OnLButtonDown(int, int, bool) {}
    virtual void OnLButtonUp(int, int) {}
    virtual void OnRButtonDown(int, int) {}
    virtual void OnRButtonUp(int, int) {}
    virtual void OnMouseMove(int, int) {}
    virtual int Command(const char*, int, int) { return 0; }
    virtual bool IsInitialised() const { return initialised; }

protected:
    // A state sets this at the end of its Init.
    bool initialised = false;
};
