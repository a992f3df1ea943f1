// A room's sprite-info file as the room takes it: any bytes must give
// graphics without a crash or an overflow, every animation's frames must
// fit its joined rectangle, and no rectangle may exceed the picture bound.

#include "FuzzFolder.h"
#include "adventure/RoomSpriteInfos.h"
#include "app/Singleton.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("spriteinfos.txt", data, size);
    SpriteInfosLoaderUtil::SpriteInfos entries;
    SpriteInfosLoaderUtil::LoadSpriteInfos("spriteinfos.txt", entries);
    for (const RoomGraphic& graphic : RoomSpriteInfos::Interpret(entries, "data\\room\\")) {
        Check(entries.contains(graphic.name));
        if (graphic.kind != RoomGraphic::animation)
            continue;
        const SpriteInfo& info = graphic.info;
        Check(info.frameCount >= 1 && info.frameCount <= RoomSpriteInfos::maximumFrames);
        Check(info.frameOffsets.size() == static_cast<std::size_t>(info.frameCount));
        Check(RoomSpriteInfos::IsSane(info.frameRectangle));
        for (const Point& offset : info.frameOffsets)
            Check(offset.x >= 0 && offset.y >= 0 && offset.x <= info.frameRectangle.width &&
                  offset.y <= info.frameRectangle.height);
    }
    SingletonRegistry::DestroyAll();
    return 0;
}
