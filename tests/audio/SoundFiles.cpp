#include "SoundFiles.h"

#include "OggEncoder.h"
#include "audio/WavLoader.h"

#include <cmath>
#include <cstdlib>

std::string Pcm16(const std::vector<std::int16_t>& samples)
{
    std::string bytes(samples.size() * 2, '\0');
    for (std::size_t i = 0; i < samples.size(); ++i)
        PutUint16(bytes, i * 2, static_cast<std::uint16_t>(samples[i]));
    return bytes;
}

std::string MakeWav(int rate, int channels, int bits, const std::string& pcm)
{
    const std::vector<std::uint8_t> bytes = WavLoader::Encode(
        rate, channels, bits, std::span(reinterpret_cast<const std::uint8_t*>(pcm.data()), pcm.size()));
    return std::string(bytes.begin(), bytes.end());
}

std::string MakeOgg(int rate, int channels, int frames)
{
    std::vector<float> samples;
    samples.reserve(static_cast<std::size_t>(frames) * static_cast<std::size_t>(channels));
    for (int frame = 0; frame < frames; ++frame)
        for (int channel = 0; channel < channels; ++channel)
            samples.push_back(0.25f * static_cast<float>(std::sin(frame * 0.05 * (channel + 1))));
    const std::vector<std::uint8_t> file = content::EncodeOggVorbis(samples, channels, rate, 0.3f);
    if (file.empty())
        std::abort();
    return std::string(file.begin(), file.end());
}
