#pragma once

// The player's own files (options.dat, highscores.dat) may be damaged or
// edited by hand: any text must load or be refused without crashing, and
// what loaded must save and load again to the same file. `Store` is the
// singleton that owns the file, with fileName, Load and Save.

#include "FuzzFolder.h"
#include "app/Singleton.h"
#include "files/Scrambler.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

template <typename Store>
std::string SavedPlayerFile()
{
    if (!Store::GetInstance().Save())
        std::abort();
    return ReadFuzzOutput(Store::fileName);
}

template <typename Store>
void FuzzPlayerFile(const std::uint8_t* data, std::size_t size)
{
    // The input is the plain text; the game reads it scrambled.
    std::vector<std::uint8_t> scrambled(data, data + size);
    ScrambleBuffer(scrambled.data(), scrambled.size());
    WriteFuzzInput(Store::fileName, scrambled.data(), scrambled.size());
    if (Store::GetInstance().Load()) {
        const std::string saved = SavedPlayerFile<Store>();
        SingletonRegistry::DestroyAll();
            if (!Store::GetInstance().Load() || SavedPlayerFile<Store>() != saved)
            std::abort();
    }
    SingletonRegistry::DestroyAll();
}
