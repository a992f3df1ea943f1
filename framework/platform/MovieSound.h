#pragma once

#include "SoundDevice.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// A movie's sound on its own looping buffer: the player hands over decoded
// 44.1 kHz stereo samples and the movie's clock, and the buffer is kept
// filled a little ahead of where it plays. Silence fills in when the samples
// run short. Without a device the movie plays silently.
class MovieSound {
public:
    static constexpr int rate = 44100;
    static constexpr std::uint32_t leadMilliseconds = 250;

    MovieSound() = default;
    MovieSound(const MovieSound&) = delete;
    MovieSound& operator=(const MovieSound&) = delete;
    ~MovieSound();

    // False (and silence) when the device has no buffer for us.
    bool Start(std::unique_ptr<SoundDevice> device, Window& window);
    // Writes the buffer up to `milliseconds` + the lead, taking samples
    // (interleaved stereo) from the front of `samples`; without a buffer
    // the samples are dropped.
    void Feed(std::vector<std::int16_t>& samples, std::uint32_t milliseconds);
    // Stereo frames the buffer still wants before `milliseconds` + the lead
    // (none without a buffer).
    std::uint64_t FramesWanted(std::uint32_t milliseconds) const;
    void Stop();

private:
    std::unique_ptr<SoundDevice> device;
    std::unique_ptr<SoundBuffer> buffer;
    std::uint64_t framesWritten = 0;
    bool playing = false;
};

} // namespace platform
