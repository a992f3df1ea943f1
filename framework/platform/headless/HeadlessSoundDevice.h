#pragma once

#include "../SoundMixer.h"
#include "HeadlessClock.h"

#include <cstdint>
#include <vector>

namespace platform {

// The sound card on virtual time: nothing plays in the background; every
// device and buffer call first mixes the output up to the clock's current
// time, so playing buffers advance (and one-shots end) exactly as virtual
// time passes. The mixed output can be kept for tests, up to a bound.
class HeadlessSoundDevice final : public SoftwareSoundDevice {
public:
    explicit HeadlessSoundDevice(HeadlessClock& clock);
    ~HeadlessSoundDevice() override;

    // Mixes up to the clock's current time.
    void CatchUp();

    // Keeps the next `maximumFrames` mixed frames (interleaved stereo);
    // later output is mixed and dropped. 0 keeps nothing.
    void KeepOutput(std::size_t maximumFrames);
    // What was kept so far, after catching up.
    const std::vector<std::int16_t>& GetKeptOutput();
    // Frames mixed since the device was made.
    std::uint64_t GetMixedFrames() const { return mixedFrames; }

private:
    HeadlessClock& clock;
    std::uint32_t lastMilliseconds;
    std::uint64_t elapsedMilliseconds = 0;
    std::uint64_t mixedFrames = 0;
    std::size_t keptLimit = 0;
    std::vector<std::int16_t> kept;
    std::vector<std::int16_t> scratch;
};

} // namespace platform
