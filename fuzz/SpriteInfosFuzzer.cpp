// A room's sprite-info file: any bytes must be read without a crash, and
// every entry read must have a name.

#include "FuzzFolder.h"
#include "app/Singleton.h"
#include "graphics/SpriteInfosLoaderUtil.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("spriteinfos.txt", data, size);
    SpriteInfosLoaderUtil::SpriteInfos infos;
    SpriteInfosLoaderUtil::LoadSpriteInfos("spriteinfos.txt", infos);
    for (const auto& [name, rectangle] : infos)
        if (name.empty() || name.find('"') != std::string::npos)
            std::abort();
    SingletonRegistry::DestroyAll();
    return 0;
}
