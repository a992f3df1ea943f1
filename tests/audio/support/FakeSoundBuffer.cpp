#include "FakeSoundBuffer.h"

#include <algorithm>
#include <utility>

FakeSoundBuffer::FakeSoundBuffer(const platform::SoundFormat& bufferFormat, std::uint32_t size, MillisecondClock now)
    : format(bufferFormat)
    , bytes(size)
    , clock(std::move(now))
    , frequency(static_cast<std::uint32_t>(bufferFormat.rate))
{
    lastMilliseconds = clock();
}

void FakeSoundBuffer::Advance()
{
    const std::uint64_t now = clock();
    const std::uint64_t elapsed = now - lastMilliseconds;
    lastMilliseconds = now;
    if (!playing || bytes.empty())
        return;
    const std::uint64_t frameBytes = static_cast<std::uint64_t>(format.channels) * format.bits / 8;
    remainderBytes += elapsed * frequency * frameBytes;
    std::uint64_t moved = remainderBytes / 1000 / frameBytes * frameBytes;
    remainderBytes -= moved * 1000;
    while (moved > 0 && playing) {
        const std::uint64_t step = std::min<std::uint64_t>(moved, bytes.size() - position);
        played.insert(played.end(), bytes.begin() + position, bytes.begin() + position + step);
        position += static_cast<std::uint32_t>(step);
        moved -= step;
        if (position == bytes.size()) {
            position = 0;
            if (!looping)
                playing = false;
        }
    }
}

platform::SoundResult FakeSoundBuffer::Lock(std::uint32_t offset, std::uint32_t count, platform::SoundRegions& regions)
{
    const std::lock_guard lock(mutex);
    if (offset >= bytes.size() || count > bytes.size())
        return platform::soundErrorInvalidParameter;
    regions = {};
    regions.first = bytes.data() + offset;
    regions.firstBytes = std::min<std::uint32_t>(count, static_cast<std::uint32_t>(bytes.size()) - offset);
    if (regions.firstBytes < count) {
        regions.second = bytes.data();
        regions.secondBytes = count - regions.firstBytes;
    }
    return platform::soundOk;
}

platform::SoundResult FakeSoundBuffer::Unlock(const platform::SoundRegions&)
{
    return platform::soundOk;
}

platform::SoundResult FakeSoundBuffer::Play(bool loop)
{
    const std::lock_guard lock(mutex);
    Advance();
    playing = true;
    looping = loop;
    return platform::soundOk;
}

platform::SoundResult FakeSoundBuffer::Stop()
{
    const std::lock_guard lock(mutex);
    Advance();
    playing = false;
    return platform::soundOk;
}

platform::SoundResult FakeSoundBuffer::SetCurrentPosition(std::uint32_t offset)
{
    const std::lock_guard lock(mutex);
    Advance();
    if (offset >= bytes.size())
        return platform::soundErrorInvalidParameter;
    position = offset;
    remainderBytes = 0;
    return platform::soundOk;
}

platform::SoundResult FakeSoundBuffer::GetCurrentPosition(std::uint32_t* play, std::uint32_t* write)
{
    const std::lock_guard lock(mutex);
    Advance();
    if (play != nullptr)
        *play = position;
    if (write != nullptr)
        *write = position;
    return platform::soundOk;
}

platform::SoundResult FakeSoundBuffer::SetVolume(std::int32_t hundredthsOfDecibel)
{
    const std::lock_guard lock(mutex);
    volume = hundredthsOfDecibel;
    return platform::soundOk;
}

platform::SoundResult FakeSoundBuffer::GetVolume(std::int32_t* hundredthsOfDecibel)
{
    const std::lock_guard lock(mutex);
    *hundredthsOfDecibel = volume;
    return platform::soundOk;
}

platform::SoundResult FakeSoundBuffer::SetFrequency(std::uint32_t hertz)
{
    const std::lock_guard lock(mutex);
    Advance();
    frequency = hertz;
    return platform::soundOk;
}

platform::SoundResult FakeSoundBuffer::GetFrequency(std::uint32_t* hertz)
{
    const std::lock_guard lock(mutex);
    *hertz = frequency;
    return platform::soundOk;
}

platform::SoundResult FakeSoundBuffer::GetStatus(std::uint32_t* status)
{
    const std::lock_guard lock(mutex);
    Advance();
    *status = (playing ? platform::soundStatusPlaying : 0u) | (playing && looping ? platform::soundStatusLooping : 0u);
    return platform::soundOk;
}

std::vector<std::uint8_t> FakeSoundBuffer::TakePlayed()
{
    const std::lock_guard lock(mutex);
    Advance();
    return std::exchange(played, {});
}

std::vector<std::uint8_t> FakeSoundBuffer::Contents()
{
    const std::lock_guard lock(mutex);
    return bytes;
}

platform::SoundResult FakeSoundDevice::CreateBuffer(const platform::SoundFormat& format, std::uint32_t bytes, unsigned,
                                                   std::unique_ptr<platform::SoundBuffer>& buffer)
{
    buffer = std::make_unique<FakeSoundBuffer>(format, bytes, clock);
    return platform::soundOk;
}
