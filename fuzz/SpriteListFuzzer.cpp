// Sprite lists, frame tables and audio-event maps come from the data folder
// or the archive: any bytes must be read as each of them without a crash,
// and whatever a list describes must be a description the registry can
// build from (a frame count a strip can hold, a path in the art folder).

#include "FuzzFolder.h"
#include "app/Singleton.h"
#include "graphics/Image.h"
#include "graphics/SpriteLoaderUtil.h"
#include "graphics/SpriteManager.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("sprites.txt", data, size);
    WriteFuzzInput("fuzz.txt", data, size);
    WriteFuzzInput("fuzz_ae.txt", data, size);
    SpriteLoaderUtil::Load("sprites.txt", "art\\", 0.0f, 1.0f);

    // Each line alone, as the list reader sees it.
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        SpriteInfo info;
        if (SpriteLoaderUtil::ParseLine(text.substr(start, end - start), "art\\", info) ==
            SpriteLoaderUtil::LineResult::Described) {
            if (info.frameCount < 1 || info.frameCount > Image::maximumSide || info.file.rfind("art\\", 0) != 0 ||
                !info.crop)
                std::abort();
        }
        start = end + 1;
    }

    SpriteInfo companion;
    companion.file = "fuzz";
    SpriteManager::LoadFrameTable(companion);
    SpriteManager::LoadAudioEventMap(companion);
    for (const auto& [time, name] : companion.audioEvents)
        if (!(time == time) || name.empty())
            std::abort();
    SingletonRegistry::DestroyAll();
    return 0;
}
