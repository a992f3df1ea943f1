#include "OggLoader.h"

#include "OggDecoder.h"
#include "SampleFile.h"
#include "app/Debug.h"
#include "platform/Platform.h"

#include <vorbis/codec.h>

namespace {

constexpr std::size_t growBytes = 65536;
constexpr int readBytes = 4096;

bool DisplayIsWindowed()
{
    platform::Platform* host = platform::Platform::Get();
    return host != nullptr && !host->GetWindow().IsFullScreen();
}

} // namespace

bool OggLoader::CanLoad(const std::string& name)
{
    return SampleFileExists(name, ".OGG");
}

bool OggLoader::Load(const std::string& name, SampleData& data)
{
    const std::string path = SampleFilePath(name, ".OGG");
    if (DisplayIsWindowed())
        LogPrint("OggLoader::Load %s\n", path.c_str());
    MallocBytes bytes;
    std::size_t size = 0;
    switch (ReadSampleFile(path, bytes, size)) {
    case SampleFileRead::read: break;
    case SampleFileRead::outOfMemory: LogError("not enough memory\n"); return false;
    case SampleFileRead::failed: return false;
    }
    return Decode(std::move(bytes), size, name, data);
}

bool OggLoader::Decode(MallocBytes bytes, std::size_t size, const std::string& name, SampleData& data)
{
    OggDecoder decoder;
    if (decoder.Open(std::move(bytes), size) != 0) {
        LogError("OggLoader: <%s> does not appear to be an Ogg bitstream.\n", name.c_str());
        return false;
    }
    const long rate = decoder.GetRate();
    const int channels = decoder.GetChannels();

    std::size_t capacity = growBytes;
    MallocBytes output(static_cast<std::uint8_t*>(std::malloc(capacity)));
    if (output == nullptr) {
        LogError("not enough memory\n");
        return false;
    }
    std::size_t decoded = 0;
    long result = 0;
    for (;;) {
        if (capacity - decoded < readBytes) {
            auto* grown = capacity + growBytes <= maximumDecodedBytes
                              ? static_cast<std::uint8_t*>(std::realloc(output.get(), capacity + growBytes))
                              : nullptr;
            if (grown == nullptr) {
                LogError("OggLoader: realloc not ok\n");
                LogError("OggLoader::Load can't load ogg-file <%s> (%d)!\n", name.c_str(), static_cast<int>(result));
                break;
            }
            (void)output.release();
            output.reset(grown);
            capacity += growBytes;
        }
        result = decoder.Read(output.get() + decoded, readBytes);
        if (result == 0)
            break;
        if (result == OV_HOLE) // a gap in the data: decoding goes on after it
            continue;
        if (result < 0) {
            LogError("OggLoader::Load can't load ogg-file <%s> (%d)!\n", name.c_str(), static_cast<int>(result));
            break;
        }
        decoded += static_cast<std::size_t>(result);
    }

    std::uint8_t* pcm = output.release();
    if (decoded == 0) {
        std::free(pcm);
        pcm = nullptr;
    } else if (auto* shrunk = static_cast<std::uint8_t*>(std::realloc(pcm, decoded))) {
        pcm = shrunk;
    }
    data.rate = rate > 0x7FFFFFFF ? 0 : static_cast<int>(rate);
    data.bits = 16;
    data.channels = channels;
    data.frames = static_cast<int>(decoded / (static_cast<std::size_t>(channels) * 2));
    data.data = pcm;
    data.size = static_cast<int>(decoded);
    return true;
}
