#include "MovieSound.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {
constexpr std::uint32_t bytesPerFrame = 4;
constexpr std::uint32_t bufferFrames = MovieSound::rate; // one second
} // namespace

MovieSound::~MovieSound()
{
    Stop();
}

bool MovieSound::Start(std::unique_ptr<SoundDevice> soundDevice, Window& window)
{
    Stop();
    device = std::move(soundDevice);
    if (device == nullptr || device->SetCooperativeLevel(window) != soundOk ||
        device->CreateBuffer(SoundFormat{rate, 2, 16}, bufferFrames * bytesPerFrame, 0, buffer) != soundOk) {
        buffer.reset();
        device.reset();
        return false;
    }
    framesWritten = 0;
    playing = false;
    return true;
}

std::uint64_t MovieSound::FramesWanted(std::uint32_t milliseconds) const
{
    if (buffer == nullptr)
        return 0;
    const std::uint64_t target = (static_cast<std::uint64_t>(milliseconds) + leadMilliseconds) * rate / 1000;
    return target > framesWritten ? target - framesWritten : 0;
}

void MovieSound::Feed(std::vector<std::int16_t>& samples, std::uint32_t milliseconds)
{
    if (buffer == nullptr) {
        samples.clear();
        return;
    }
    const auto frames = static_cast<std::uint32_t>(std::min<std::uint64_t>(FramesWanted(milliseconds), bufferFrames / 2));
    if (frames == 0)
        return;
    SoundRegions regions;
    const auto offset = static_cast<std::uint32_t>(framesWritten % bufferFrames) * bytesPerFrame;
    if (buffer->Lock(offset, frames * bytesPerFrame, regions) != soundOk)
        return;
    std::size_t taken = 0;
    for (auto [target, bytes] :
         {std::pair{regions.first, regions.firstBytes}, std::pair{regions.second, regions.secondBytes}}) {
        if (target == nullptr)
            continue;
        // Silence where the decoded sound runs short.
        const std::size_t available = std::min<std::size_t>(bytes / 2, samples.size() - taken);
        if (available > 0)
            std::memcpy(target, samples.data() + taken, available * 2);
        std::memset(static_cast<std::uint8_t*>(target) + available * 2, 0, bytes - available * 2);
        taken += available;
    }
    buffer->Unlock(regions);
    samples.erase(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(taken));
    framesWritten += frames;
    if (!playing)
        playing = buffer->Play(true) == soundOk;
}

void MovieSound::Stop()
{
    if (buffer != nullptr)
        buffer->Stop();
    buffer.reset();
    device.reset();
    playing = false;
}

} // namespace platform
