#pragma once

#include "GameState.h"

// The game state of the adventure and the minigames, started by the main
// menu with the level to play. Until the game controller arrives it says in
// the log which level would start and returns to the main menu, so that
// "Neues Spiel", a loaded savegame and the minigame tiles lead somewhere.
class GameRuvId final : public GameState {
public:
    void Init(int level) override;
    void Exit() override {}
    void Update(float) override {}
    void Render() override {}
};
