#include "HeadlessSoundDevice.h"

#include <algorithm>

namespace platform {

namespace {

constexpr std::size_t chunkFrames = 4096;

} // namespace

HeadlessSoundDevice::HeadlessSoundDevice(HeadlessClock& virtualClock)
    : clock(virtualClock), lastMilliseconds(virtualClock.Milliseconds())
{
    GetMixer().SetBeforeEachCall([this] { CatchUp(); });
}

HeadlessSoundDevice::~HeadlessSoundDevice()
{
    // Buffers may outlive the device; they must not call back into it.
    GetMixer().SetBeforeEachCall(nullptr);
}

void HeadlessSoundDevice::CatchUp()
{
    const std::uint32_t now = clock.Milliseconds();
    const std::int32_t step = ElapsedMilliseconds(lastMilliseconds, now);
    lastMilliseconds = now;
    if (step > 0)
        elapsedMilliseconds += static_cast<std::uint64_t>(step);
    const std::uint64_t due = elapsedMilliseconds * SoundMixer::outputRate / 1000;
    while (mixedFrames < due) {
        const auto frames = static_cast<std::size_t>(std::min<std::uint64_t>(due - mixedFrames, chunkFrames));
        scratch.resize(frames * SoundMixer::outputChannels);
        Mix(scratch.data(), frames);
        const std::size_t room = keptLimit * SoundMixer::outputChannels - std::min(kept.size(), keptLimit * SoundMixer::outputChannels);
        kept.insert(kept.end(), scratch.begin(), scratch.begin() + static_cast<std::ptrdiff_t>(std::min(room, scratch.size())));
        mixedFrames += frames;
    }
}

void HeadlessSoundDevice::KeepOutput(std::size_t maximumFrames)
{
    CatchUp();
    keptLimit = maximumFrames;
    kept.clear();
    kept.reserve(maximumFrames * SoundMixer::outputChannels);
}

const std::vector<std::int16_t>& HeadlessSoundDevice::GetKeptOutput()
{
    CatchUp();
    return kept;
}

} // namespace platform
