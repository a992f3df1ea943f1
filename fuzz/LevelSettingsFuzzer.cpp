// A level's settings file comes from the data folder or the archive, and a
// savegame in the same framing from the player's disk: any bytes must load
// without crashing, and every element made from them is released again.

#include "FuzzFolder.h"
#include "LevelSettings.h"
#include "app/Singleton.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("data/level01/settings/settings.txt", data, size);
    std::vector<std::unique_ptr<GameElement>> created;
    LevelSettings::Load(1, "settings.txt", created);
    LevelSettings::Unload(created);
    SingletonRegistry::DestroyAll();
    return 0;
}
