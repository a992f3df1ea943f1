#pragma once

#include <cstdint>
#include <memory>

namespace platform {

class Window;

// The sound card, as the game sees it: secondary buffers of PCM that play
// once or loop, each with its own volume and frequency, mixed together by
// our own mixer into the output (44.1 kHz stereo, 16 bit). Calls return a
// result code; 0 is success, anything else is a failure code that callers
// print in hexadecimal.
//
// Buffers may be used from the main thread and from the stream refill
// timer's thread; the mixer reads them from the audio thread. The device
// keeps all of that consistent (one lock, held briefly).

using SoundResult = std::uint32_t;

inline constexpr SoundResult soundOk = 0;
inline constexpr SoundResult soundErrorInvalidParameter = 0x80070057;
inline constexpr SoundResult soundErrorOutOfMemory = 0x8007000E;
inline constexpr SoundResult soundErrorNoDriver = 0x88780078;
inline constexpr SoundResult soundErrorInvalidCall = 0x88780032;
inline constexpr SoundResult soundErrorControlUnavailable = 0x8878001E;

struct SoundFormat {
    int rate = 0;     // frames per second
    int channels = 0; // 1 or 2
    int bits = 0;     // 8 or 16
};

// What a buffer can be changed in after creation.
enum SoundCaps : unsigned {
    soundCapsVolume = 1,
    soundCapsFrequency = 2,
};

// Bits of SoundBuffer::GetStatus.
enum SoundStatus : unsigned {
    soundStatusPlaying = 1,
    soundStatusLooping = 4,
};

inline constexpr std::int32_t soundVolumeMin = -10000; // hundredths of a decibel: silence
inline constexpr std::int32_t soundVolumeMax = 0;      // full volume

// A locked byte range of a buffer: one region, or two when the range runs
// past the buffer's end and wraps to its start.
struct SoundRegions {
    void* first = nullptr;
    std::uint32_t firstBytes = 0;
    void* second = nullptr;
    std::uint32_t secondBytes = 0;
};

class SoundBuffer {
public:
    virtual ~SoundBuffer() = default;

    // Locks `bytes` bytes from `offset` (both within the buffer) for writing.
    virtual SoundResult Lock(std::uint32_t offset, std::uint32_t bytes, SoundRegions& regions) = 0;
    virtual SoundResult Unlock(const SoundRegions& regions) = 0;

    // Starts playing from the current position, once or looping.
    virtual SoundResult Play(bool looping) = 0;
    // Stops; the position stays where it was.
    virtual SoundResult Stop() = 0;
    virtual SoundResult SetCurrentPosition(std::uint32_t offset) = 0;
    // The byte the mixer reads next, and the first byte that is safe to write.
    virtual SoundResult GetCurrentPosition(std::uint32_t* play, std::uint32_t* write) = 0;
    // Attenuation in hundredths of a decibel, soundVolumeMin..soundVolumeMax.
    virtual SoundResult SetVolume(std::int32_t hundredthsOfDecibel) = 0;
    virtual SoundResult GetVolume(std::int32_t* hundredthsOfDecibel) = 0;
    // Playback rate in frames per second.
    virtual SoundResult SetFrequency(std::uint32_t hertz) = 0;
    virtual SoundResult GetFrequency(std::uint32_t* hertz) = 0;
    // SoundStatus bits.
    virtual SoundResult GetStatus(std::uint32_t* status) = 0;

    virtual std::uint32_t GetSize() const = 0;
    virtual SoundFormat GetFormat() const = 0;
};

class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // The window whose focus decides whether this game owns the card.
    virtual SoundResult SetCooperativeLevel(Window& window) = 0;

    // A new silent buffer of `bytes` bytes (a whole number of frames) of the
    // given format, with the SoundCaps bits in `caps`.
    virtual SoundResult CreateBuffer(const SoundFormat& format, std::uint32_t bytes, unsigned caps,
                                     std::unique_ptr<SoundBuffer>& buffer) = 0;
};

} // namespace platform
