#pragma once

#include "SoundDevice.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

// Our software sound card: the buffers of a SoundDevice and the mixer that
// sums every playing one into 44.1 kHz stereo 16-bit output.
//
// Mixing: each buffer advances by frequency / 44100 of a frame per output
// frame (32.32 fixed point) with linear interpolation between neighbouring
// frames, is scaled by its volume as a linear gain (16.16), and is added
// into 32-bit sums that are clamped once at the end. Mono goes to both
// sides. A one-shot buffer stops at its end with its position back at 0; a
// looping one wraps. The loop over samples is chosen once per buffer by its
// layout (8 or 16 bit, mono or stereo): no per-sample branches on format.
//
// Threads: the buffer list, every buffer's bytes and playing state sit under
// one mutex. Mix may run on the audio thread while the main thread or the
// stream timer's thread call the buffers; a lock hands out a private copy
// of the range, written back under the mutex by Unlock, so nobody writes
// bytes the mixer is reading.
class SoundMixer {
public:
    static constexpr int outputRate = 44100;
    static constexpr int outputChannels = 2;
    static constexpr std::uint32_t minimumFrequency = 100;
    static constexpr std::uint32_t maximumFrequency = 200000;
    static constexpr std::uint32_t maximumBufferBytes = 0x0FFFFFFF;

    // Adds `frames` frames of interleaved stereo to `output` (which it
    // overwrites). Thread-safe.
    void Mix(std::int16_t* output, std::size_t frames);

    // Called at the start of every device and buffer call: the headless
    // device mixes up to the current virtual time there. Main thread only.
    void SetBeforeEachCall(std::function<void()> hook) { beforeEachCall = std::move(hook); }
    void BeforeCall() const
    {
        if (beforeEachCall)
            beforeEachCall();
    }

    // A new buffer of this mixer, checked against the device's limits.
    SoundResult CreateBuffer(const std::shared_ptr<SoundMixer>& self, const SoundFormat& format, std::uint32_t bytes,
                             unsigned caps, std::unique_ptr<SoundBuffer>& buffer);

    // The linear gain (16.16) for an attenuation in hundredths of a decibel:
    // 10^(v/2000), and exactly 0 at the silence floor.
    static std::int32_t GainForVolume(std::int32_t hundredthsOfDecibel);
    // The 32.32 position step per output frame for a playback rate.
    static std::uint64_t StepForFrequency(std::uint32_t hertz);

    // The state the mixer reads: exposed to the buffer implementation only.
    struct Channel {
        SoundFormat format;
        unsigned caps = 0;
        std::uint32_t blockAlign = 0;
        std::uint32_t frameCount = 0;
        std::vector<std::uint8_t> bytes;
        std::uint64_t position = 0; // frames, 32.32 fixed point
        std::uint32_t frequency = 0;
        std::int32_t volume = soundVolumeMax;
        std::int32_t gain = 1 << 16;
        bool playing = false;
        bool looping = false;
    };

private:
    friend class SoftwareSoundBuffer;

    void Add(Channel* channel);
    void Remove(Channel* channel);

    std::mutex mutex;
    std::vector<Channel*> channels;
    std::vector<std::int32_t> sums;
    std::function<void()> beforeEachCall;
};

// The device part shared by the SDL and the headless back ends: buffers over
// a SoundMixer. The back end decides when Mix runs.
class SoftwareSoundDevice : public SoundDevice {
public:
    SoftwareSoundDevice();

    SoundResult SetCooperativeLevel(Window& window) override;
    SoundResult CreateBuffer(const SoundFormat& format, std::uint32_t bytes, unsigned caps,
                             std::unique_ptr<SoundBuffer>& buffer) override;

    void Mix(std::int16_t* output, std::size_t frames) { mixer->Mix(output, frames); }

protected:
    SoundMixer& GetMixer() { return *mixer; }

private:
    // Shared with the buffers, which may outlive the device.
    std::shared_ptr<SoundMixer> mixer;
};

} // namespace platform
