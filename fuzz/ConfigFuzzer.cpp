// data\config.txt is edited by hand: whatever its bytes, the shell's
// settings read from it are usable (a positive size and depth, a positive
// finite character scale), the rest keeps its default.

#include "FuzzFolder.h"
#include "WinMain.h"
#include "app/DX3Application.h"
#include "app/Singleton.h"
#include "files/SettingsManager.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("data/config.txt", data, size);
    SettingsManager& settings = SettingsManager::GetInstance();
    if (!settings.LoadSettings("data\\config.txt"))
        std::abort();
    const ApplicationSettings shell = ReadShellConfiguration();
    if (shell.width <= 0 || shell.height <= 0 || shell.depth <= 0 || !(CharacterScale > 0.0f) || CharacterScale > 4.0f)
        std::abort();
    // The game's other keys, as it reads them.
    settings.GetInt("activeLevel");
    settings.GetString("startGameState");
    settings.GetBool("playMovie");
    settings.GetBool("generateRleFiles");
    SingletonRegistry::DestroyAll();
    return 0;
}
