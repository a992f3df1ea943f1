// A savegame comes from the player's disk: any bytes must be checked and
// then either refused or applied to the cast without crashing, and a
// savegame that passes the check must be one the game can read.

#include "FuzzFolder.h"
#include "GameRuvId.h"
#include "MainProgram.h"
#include "adventure/Cast.h"
#include "adventure/Flag.h"
#include "app/Singleton.h"
#include "files/File.h"
#include "files/Scrambler.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input is the plain text; the game reads it scrambled.
    std::vector<std::uint8_t> scrambled(data, data + size);
    ScrambleBuffer(scrambled.data(), scrambled.size());
    WriteFuzzInput("savegames/savegame1.dat", scrambled.data(), scrambled.size());
    Flag flag;
    Cast::GetInstance().Add(&flag, "Flags|Tor");
    if (MainProgram::GetInstance().LoadGame(1) >= 0) {
        std::unique_ptr<File> savegame = MainProgram::GetInstance().TakePendingSavegame();
        if (!savegame)
            std::abort();
        GameRuvId::LoadSavegameObjects(*savegame);
    }
    Cast::GetInstance().Clear();
    SingletonRegistry::DestroyAll();
    return 0;
}
