// Movies may be damaged or hostile: any bytes must be refused with a reason
// or decode into pictures of exactly the asked size and whole stereo frames
// of sound, and reading must end.

#include "platform/MovieReader.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr int width = 32;
    constexpr int height = 24;
    platform::MovieReader reader;
    std::string error;
    if (!reader.Open(std::span(data, size), error)) {
        if (error.empty())
            std::abort();
        return 0;
    }
    if (!reader.SetOutputSize(width, height, error))
        std::abort();
    // Every packet yields at most a few pictures; a bound keeps a long
    // movie from timing the fuzzer out.
    for (int packet = 0; packet < 500 && reader.DecodeMore(error); ++packet) {
        for (const platform::MovieReader::Frame& frame : reader.GetFrames()) {
            if (frame.pixels.size() != static_cast<std::size_t>(width) * height)
                std::abort();
        }
        if (reader.GetSamples().size() % 2 != 0)
            std::abort();
        reader.GetFrames().clear();
        reader.GetSamples().clear();
    }
    return 0;
}
