// Sound-effect lists come from the data folder or the archive: any bytes
// must load through the file layer into samples and events without
// crashing or hanging.

#include "FuzzFolder.h"
#include "app/Singleton.h"
#include "audio/SampleManager.h"
#include "audio/SfxLoaderUtil.h"
#include "audio/SoundEngine.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("sfx.txt", data, size);
    SoundEngine::GetInstance().SetEnabled(true);
    SfxLoaderUtil::LoadSoundEffects("sfx.txt", "sfx\\");
    SingletonRegistry::DestroyAll();
    return 0;
}
