// Ogg files may be damaged or hostile: the loader must refuse them with a
// log line or decode at most its bound of whole frames, and the stream must
// read them to their end and start over without harm.

#include "audio/OggLoader.h"
#include "audio/OggStream.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

MallocBytes Copy(const std::uint8_t* data, std::size_t size)
{
    MallocBytes bytes(static_cast<std::uint8_t*>(std::malloc(size == 0 ? 1 : size)));
    if (size > 0)
        std::memcpy(bytes.get(), data, size);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SampleData sample;
    if (OggLoader::Decode(Copy(data, size), size, "fuzz", sample)) {
        if (sample.channels <= 0 || sample.size < 0 || static_cast<std::size_t>(sample.size) > OggLoader::maximumDecodedBytes ||
            sample.frames * sample.channels * 2 > sample.size || (sample.size > 0) != (sample.data != nullptr))
            std::abort();
        FreeSampleData(sample);
    }

    OggStream stream;
    SampleData format;
    if (stream.OpenBytes(Copy(data, size), size, format)) {
        std::uint8_t buffer[4096];
        // Up to the end and a little past it (the decoder starts over).
        std::size_t total = 0;
        int ends = 0;
        for (int reads = 0; reads < 20000 && ends < 2 && total < (8u << 20); ++reads) {
            const int read = stream.Read(buffer, sizeof(buffer));
            if (read < 0 || read > static_cast<int>(sizeof(buffer)))
                std::abort();
            if (read == 0)
                ++ends;
            total += static_cast<std::size_t>(read);
        }
        stream.Rewind();
        stream.Read(buffer, sizeof(buffer));
        stream.Close();
    }
    return 0;
}
