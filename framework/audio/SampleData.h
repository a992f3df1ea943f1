#pragma once

#include <cstdint>
#include <cstdlib>

// Decoded sound: what the loaders and streams hand to the sample manager.
// `data` is interleaved signed little-endian PCM allocated with malloc; the
// holder of the record frees it (FreeSampleData).
struct SampleData {
    int rate = 0;     // frames per second
    int bits = 0;     // bits per sample; the decoders deliver 16
    int channels = 0; // 1 or 2
    int frames = 0;   // one sample per channel
    std::uint8_t* data = nullptr;
    int size = 0; // bytes of data
};

inline void FreeSampleData(SampleData& data)
{
    std::free(data.data);
    data.data = nullptr;
    data.size = 0;
}

// How a sample is created (bit set).
enum SampleFlags : int {
    sampleVolumeControl = 1,    // its volume can be set
    sampleFrequencyControl = 2, // its frequency can be set
    sampleStream = 16,          // fed continuously from a decoder
};

// What the sound-effect lists create, and what music and speech streams use.
inline constexpr int soundEffectSampleFlags = sampleVolumeControl | sampleFrequencyControl;
inline constexpr int streamSampleFlags = sampleStream | sampleVolumeControl;
