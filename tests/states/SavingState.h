#pragma once

// A game state for the tests of saving: its savegame is three lines and one
// flag of its cast, or it fails half-way when `savingStateFails` is set.
// Registered once as "TestSaving".

#include "GameState.h"
#include "app/Factory.h"
#include "files/File.h"

inline bool savingStateFails = false;
// One whole cast entry as a savegame holds it.
inline constexpr const char* savingStateBlock = "OBJECT START\nclass type: \"class Flag\"\n[Flag] \"Flags|Tor\"\n{\n"
                                                "    \"value\" 1\n}\n\n";

class SavingState : public GameState {
public:
    void Init(int) override { initialised = true; }
    void Exit() override {}
    void Update(float) override {}
    void Render() override {}
    bool SaveGame(File& file) override
    {
        file.Printf("Kapitel 4 - RoomBurghof\n24.12.2026 18:30\n");
        if (savingStateFails)
            return false;
        file.Printf("levelNum 4\n%s", savingStateBlock);
        return true;
    }
};

inline const FactoryRegistration<GameState, SavingState> savingStateRegistration("TestSaving");
