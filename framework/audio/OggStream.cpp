#include "OggStream.h"

#include "SampleFile.h"
#include "app/Debug.h"

#include <vorbis/codec.h>

bool OggStream::CanOpen(const std::string& name)
{
    return SampleFileExists(name, ".OGG");
}

bool OggStream::Open(const std::string& name, SampleData& format)
{
    if (!CanOpen(name))
        return false;
    MallocBytes bytes;
    std::size_t size = 0;
    switch (ReadSampleFile(SampleFilePath(name, ".OGG"), bytes, size)) {
    case SampleFileRead::read: break;
    case SampleFileRead::outOfMemory: LogError("OggStream: not enough memory\n"); return false;
    case SampleFileRead::failed: return false;
    }
    return OpenBytes(std::move(bytes), size, format);
}

bool OggStream::OpenBytes(MallocBytes bytes, std::size_t size, SampleData& format)
{
    if (decoder.Open(std::move(bytes), size) != 0) {
        LogError("OggStream: Input does not appear to be an Ogg bitstream.\n");
        decoder.Release();
        return false;
    }
    const long rate = decoder.GetRate();
    format.rate = rate > 0x7FFFFFFF ? 0 : static_cast<int>(rate);
    format.channels = decoder.GetChannels();
    format.bits = 16;
    format.frames = 0;
    return true;
}

bool OggStream::Close()
{
    decoder.Release();
    return true;
}

int OggStream::Read(std::uint8_t* buffer, int maxBytes)
{
    if (!decoder.IsOpen() || buffer == nullptr || maxBytes <= 0)
        return 0;
    for (;;) {
        const long result = decoder.Read(buffer, maxBytes);
        if (result == OV_HOLE) // a gap in the data: decoding goes on after it
            continue;
        if (result == 0) {
            Restart();
            return 0;
        }
        if (result < 0) {
            LogError("Oggstream::Refill not ok (%d)!\n", static_cast<int>(result));
            return 0;
        }
        return static_cast<int>(result);
    }
}

void OggStream::Rewind()
{
    if (decoder.HasBytes())
        Restart();
}

void OggStream::Restart()
{
    if (decoder.Reopen() != 0)
        LogError("Input does not appear to be an Ogg bitstream.\n");
}
