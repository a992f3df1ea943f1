// WAV files may be damaged or hostile: any bytes must be refused with a log
// line or give PCM whose size, frame count and layout agree, and that data
// must survive the sample manager's mixdown.

#include "audio/SampleManager.h"
#include "audio/WavLoader.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MallocBytes bytes(static_cast<std::uint8_t*>(std::malloc(size == 0 ? 1 : size)));
    if (size > 0)
        std::memcpy(bytes.get(), data, size);
    SampleData sample;
    if (WavLoader::Decode(bytes, size, sample, "fuzz.wav")) {
        const int frameBytes = sample.channels * sample.bits / 8;
        if (frameBytes <= 0 || sample.size <= 0 || static_cast<std::size_t>(sample.size) > size ||
            sample.frames * frameBytes != sample.size)
            std::abort();
        // Touch every byte: a short buffer shows under the sanitizer.
        volatile std::uint8_t sum = 0;
        for (int i = 0; i < sample.size; ++i)
            sum = static_cast<std::uint8_t>(sum + sample.data[i]);
        SampleManager manager;
        const int rate = sample.rate;
        manager.Resample(sample);
        // One halving at most: a rate above 44,200 Hz stays above 22,100.
        const int keptRate = rate > 22100 ? rate / 2 : rate;
        if (sample.bits == 16 && (sample.channels != 1 || sample.rate != keptRate || sample.frames * 2 > sample.size))
            std::abort();
        FreeSampleData(sample);
    } else if (sample.data != nullptr) {
        std::abort();
    }
    return 0;
}
