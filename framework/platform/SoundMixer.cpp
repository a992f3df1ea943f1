#include "SoundMixer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <new>

namespace platform {

static_assert(std::endian::native == std::endian::little, "buffers hold little-endian PCM read in place");

namespace {

using Channel = SoundMixer::Channel;

template <int Bits>
inline std::int32_t ReadSample(const std::uint8_t* bytes, std::size_t index)
{
    if constexpr (Bits == 16) {
        std::int16_t value;
        std::memcpy(&value, bytes + index * 2, sizeof(value));
        return value;
    } else {
        return (static_cast<std::int32_t>(bytes[index]) - 128) * 256;
    }
}

// Adds one output frame: the frame at `index` blended towards `next` by
// `fraction` (15 bits), scaled by `gain` (16.16). A negative `next` blends
// towards silence (the end of a one-shot buffer).
template <int Bits, int Channels>
inline void AddFrame(const std::uint8_t* bytes, std::size_t index, std::ptrdiff_t next, std::int32_t fraction,
                     std::int32_t gain, std::int32_t* sums)
{
    std::int32_t values[Channels];
    for (int k = 0; k < Channels; ++k) {
        const std::int32_t from = ReadSample<Bits>(bytes, index * Channels + k);
        const std::int32_t to = next < 0 ? 0 : ReadSample<Bits>(bytes, static_cast<std::size_t>(next) * Channels + k);
        const std::int32_t blended = from + (((to - from) * fraction) >> 15);
        values[k] = (blended * gain) >> 16;
    }
    if constexpr (Channels == 1) {
        sums[0] += values[0];
        sums[1] += values[0];
    } else {
        sums[0] += values[0];
        sums[1] += values[1];
    }
}

template <int Bits, int Channels>
void MixFrames(Channel& channel, std::int32_t* sums, std::size_t frames, std::uint64_t step)
{
    const std::uint8_t* bytes = channel.bytes.data();
    const std::uint64_t end = static_cast<std::uint64_t>(channel.frameCount) << 32;
    // Below this position a frame's right neighbour lies inside the buffer.
    const std::uint64_t lastPair = static_cast<std::uint64_t>(channel.frameCount - 1) << 32;
    const std::int32_t gain = channel.gain;
    std::uint64_t position = channel.position;
    std::size_t done = 0;
    while (done < frames) {
        if (position >= end) {
            if (!channel.looping) {
                channel.playing = false;
                position = 0;
                break;
            }
            position %= end;
        }
        if (position < lastPair) {
            const std::size_t run =
                static_cast<std::size_t>(std::min<std::uint64_t>(frames - done, (lastPair - position + step - 1) / step));
            std::int32_t* out = sums + done * 2;
            for (std::size_t i = 0; i < run; ++i, out += 2) {
                const std::size_t index = static_cast<std::size_t>(position >> 32);
                const auto fraction = static_cast<std::int32_t>((position >> 17) & 0x7FFF);
                AddFrame<Bits, Channels>(bytes, index, static_cast<std::ptrdiff_t>(index + 1), fraction, gain, out);
                position += step;
            }
            done += run;
        } else {
            // The last frame: it blends into the first when looping.
            const auto fraction = static_cast<std::int32_t>((position >> 17) & 0x7FFF);
            AddFrame<Bits, Channels>(bytes, channel.frameCount - 1, channel.looping ? 0 : -1, fraction, gain,
                                     sums + done * 2);
            position += step;
            ++done;
        }
    }
    // A buffer that ended on the last output frame stops (or wraps) now, so
    // its cursor never reads past its end.
    if (position >= end) {
        if (channel.looping) {
            position %= end;
        } else {
            channel.playing = false;
            position = 0;
        }
    }
    channel.position = position;
}

void MixChannel(Channel& channel, std::int32_t* sums, std::size_t frames)
{
    const std::uint64_t step = SoundMixer::StepForFrequency(channel.frequency);
    const bool stereo = channel.format.channels == 2;
    if (channel.format.bits == 16)
        stereo ? MixFrames<16, 2>(channel, sums, frames, step) : MixFrames<16, 1>(channel, sums, frames, step);
    else
        stereo ? MixFrames<8, 2>(channel, sums, frames, step) : MixFrames<8, 1>(channel, sums, frames, step);
}

} // namespace

// One buffer: its channel lives in the mixer's list from creation to
// destruction. The lock copy belongs to the buffer, guarded by the mixer's
// mutex like everything else.
class SoftwareSoundBuffer final : public SoundBuffer {
public:
    SoftwareSoundBuffer(std::shared_ptr<SoundMixer> owner, std::unique_ptr<Channel> state)
        : mixer(std::move(owner)), channel(std::move(state)), size(channel->frameCount * channel->blockAlign)
    {
        mixer->Add(channel.get());
    }

    ~SoftwareSoundBuffer() override { mixer->Remove(channel.get()); }

    SoundResult Lock(std::uint32_t offset, std::uint32_t bytes, SoundRegions& regions) override
    {
        mixer->BeforeCall();
        regions = SoundRegions{};
        if (offset >= size || bytes == 0 || bytes > size)
            return soundErrorInvalidParameter;
        std::lock_guard guard(mixer->mutex);
        if (locked)
            return soundErrorInvalidCall;
        const std::uint32_t first = std::min(bytes, size - offset);
        try {
            lockCopy.resize(bytes);
        } catch (const std::bad_alloc&) {
            return soundErrorOutOfMemory;
        }
        std::memcpy(lockCopy.data(), channel->bytes.data() + offset, first);
        std::memcpy(lockCopy.data() + first, channel->bytes.data(), bytes - first);
        locked = true;
        lockOffset = offset;
        lockFirst = first;
        regions.first = lockCopy.data();
        regions.firstBytes = first;
        if (bytes > first) {
            regions.second = lockCopy.data() + first;
            regions.secondBytes = bytes - first;
        }
        return soundOk;
    }

    SoundResult Unlock(const SoundRegions& regions) override
    {
        mixer->BeforeCall();
        std::lock_guard guard(mixer->mutex);
        const std::uint32_t lockSecond = static_cast<std::uint32_t>(lockCopy.size()) - lockFirst;
        if (!locked || regions.first != lockCopy.data() || regions.firstBytes > lockFirst ||
            regions.secondBytes > lockSecond || (regions.secondBytes > 0 && regions.second != lockCopy.data() + lockFirst))
            return soundErrorInvalidParameter;
        std::memcpy(channel->bytes.data() + lockOffset, lockCopy.data(), regions.firstBytes);
        std::memcpy(channel->bytes.data(), lockCopy.data() + lockFirst, regions.secondBytes);
        locked = false;
        // A whole-buffer lock at creation must not double the buffer's memory
        // for its lifetime; stream refills keep their small copy.
        if (lockCopy.capacity() > keptLockCopyBytes) {
            lockCopy.clear();
            lockCopy.shrink_to_fit();
        }
        return soundOk;
    }

    SoundResult Play(bool looping) override
    {
        mixer->BeforeCall();
        std::lock_guard guard(mixer->mutex);
        channel->playing = true;
        channel->looping = looping;
        return soundOk;
    }

    SoundResult Stop() override
    {
        mixer->BeforeCall();
        std::lock_guard guard(mixer->mutex);
        channel->playing = false;
        return soundOk;
    }

    SoundResult SetCurrentPosition(std::uint32_t offset) override
    {
        mixer->BeforeCall();
        if (offset >= size)
            return soundErrorInvalidParameter;
        std::lock_guard guard(mixer->mutex);
        channel->position = static_cast<std::uint64_t>(offset / channel->blockAlign) << 32;
        return soundOk;
    }

    SoundResult GetCurrentPosition(std::uint32_t* play, std::uint32_t* write) override
    {
        mixer->BeforeCall();
        std::lock_guard guard(mixer->mutex);
        // The mixer has taken nothing from the play cursor on yet, so writing
        // is safe from there.
        const auto cursor = static_cast<std::uint32_t>(channel->position >> 32) * channel->blockAlign;
        if (play != nullptr)
            *play = cursor;
        if (write != nullptr)
            *write = cursor;
        return soundOk;
    }

    SoundResult SetVolume(std::int32_t hundredthsOfDecibel) override
    {
        mixer->BeforeCall();
        if ((channel->caps & soundCapsVolume) == 0)
            return soundErrorControlUnavailable;
        if (hundredthsOfDecibel < soundVolumeMin || hundredthsOfDecibel > soundVolumeMax)
            return soundErrorInvalidParameter;
        const std::int32_t gain = SoundMixer::GainForVolume(hundredthsOfDecibel);
        std::lock_guard guard(mixer->mutex);
        channel->volume = hundredthsOfDecibel;
        channel->gain = gain;
        return soundOk;
    }

    SoundResult GetVolume(std::int32_t* hundredthsOfDecibel) override
    {
        mixer->BeforeCall();
        if (hundredthsOfDecibel == nullptr)
            return soundErrorInvalidParameter;
        std::lock_guard guard(mixer->mutex);
        *hundredthsOfDecibel = channel->volume;
        return soundOk;
    }

    SoundResult SetFrequency(std::uint32_t hertz) override
    {
        mixer->BeforeCall();
        if ((channel->caps & soundCapsFrequency) == 0)
            return soundErrorControlUnavailable;
        // 0 asks for the buffer's own rate, as on the card.
        if (hertz == 0)
            hertz = static_cast<std::uint32_t>(channel->format.rate);
        if (hertz < SoundMixer::minimumFrequency || hertz > SoundMixer::maximumFrequency)
            return soundErrorInvalidParameter;
        std::lock_guard guard(mixer->mutex);
        channel->frequency = hertz;
        return soundOk;
    }

    SoundResult GetFrequency(std::uint32_t* hertz) override
    {
        mixer->BeforeCall();
        if (hertz == nullptr)
            return soundErrorInvalidParameter;
        std::lock_guard guard(mixer->mutex);
        *hertz = channel->frequency;
        return soundOk;
    }

    SoundResult GetStatus(std::uint32_t* status) override
    {
        mixer->BeforeCall();
        if (status == nullptr)
            return soundErrorInvalidParameter;
        std::lock_guard guard(mixer->mutex);
        *status = (channel->playing ? soundStatusPlaying : 0u) |
                  (channel->playing && channel->looping ? soundStatusLooping : 0u);
        return soundOk;
    }

    std::uint32_t GetSize() const override { return size; }
    SoundFormat GetFormat() const override { return channel->format; }

private:
    static constexpr std::size_t keptLockCopyBytes = 65536;

    std::shared_ptr<SoundMixer> mixer;
    std::unique_ptr<Channel> channel;
    const std::uint32_t size;
    std::vector<std::uint8_t> lockCopy;
    std::uint32_t lockOffset = 0;
    std::uint32_t lockFirst = 0;
    bool locked = false;
};

void SoundMixer::Mix(std::int16_t* output, std::size_t frames)
{
    std::lock_guard guard(mutex);
    sums.assign(frames * outputChannels, 0);
    for (Channel* channel : channels) {
        if (channel->playing)
            MixChannel(*channel, sums.data(), frames);
    }
    for (std::size_t i = 0; i < sums.size(); ++i)
        output[i] = static_cast<std::int16_t>(std::clamp(sums[i], -32768, 32767));
}

SoundResult SoundMixer::CreateBuffer(const std::shared_ptr<SoundMixer>& self, const SoundFormat& format,
                                     std::uint32_t bytes, unsigned caps, std::unique_ptr<SoundBuffer>& buffer)
{
    buffer.reset();
    if ((format.bits != 8 && format.bits != 16) || (format.channels != 1 && format.channels != 2) ||
        format.rate < static_cast<int>(minimumFrequency) || format.rate > static_cast<int>(maximumFrequency))
        return soundErrorInvalidParameter;
    const auto blockAlign = static_cast<std::uint32_t>(format.channels * format.bits / 8);
    if (bytes == 0 || bytes > maximumBufferBytes || bytes % blockAlign != 0)
        return soundErrorInvalidParameter;
    try {
        auto channel = std::make_unique<Channel>();
        channel->format = format;
        channel->caps = caps;
        channel->blockAlign = blockAlign;
        channel->frameCount = bytes / blockAlign;
        channel->frequency = static_cast<std::uint32_t>(format.rate);
        // Silence: 8-bit PCM is unsigned around 128.
        channel->bytes.assign(bytes, format.bits == 8 ? 0x80 : 0);
        buffer = std::make_unique<SoftwareSoundBuffer>(self, std::move(channel));
    } catch (const std::bad_alloc&) {
        return soundErrorOutOfMemory;
    }
    return soundOk;
}

std::int32_t SoundMixer::GainForVolume(std::int32_t hundredthsOfDecibel)
{
    if (hundredthsOfDecibel <= soundVolumeMin)
        return 0;
    return static_cast<std::int32_t>(std::lround(65536.0 * std::pow(10.0, hundredthsOfDecibel / 2000.0)));
}

std::uint64_t SoundMixer::StepForFrequency(std::uint32_t hertz)
{
    return (static_cast<std::uint64_t>(hertz) << 32) / outputRate;
}

void SoundMixer::Add(Channel* channel)
{
    std::lock_guard guard(mutex);
    channels.push_back(channel);
}

void SoundMixer::Remove(Channel* channel)
{
    std::lock_guard guard(mutex);
    channels.erase(std::remove(channels.begin(), channels.end(), channel), channels.end());
}

SoftwareSoundDevice::SoftwareSoundDevice()
    : mixer(std::make_shared<SoundMixer>())
{
}

SoundResult SoftwareSoundDevice::SetCooperativeLevel(Window& /*window*/)
{
    // The card is shared with other programs; nothing to claim.
    mixer->BeforeCall();
    return soundOk;
}

SoundResult SoftwareSoundDevice::CreateBuffer(const SoundFormat& format, std::uint32_t bytes, unsigned caps,
                                              std::unique_ptr<SoundBuffer>& buffer)
{
    mixer->BeforeCall();
    return mixer->CreateBuffer(mixer, format, bytes, caps, buffer);
}

} // namespace platform
