#pragma once

#include "platform/SoundDevice.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

// A device buffer whose play cursor moves with a clock (the headless virtual
// clock, or real time for the threaded tests), at the buffer's frequency:
// what the tests of voices and streams need from a sound card. Safe to use
// from the main thread and a timer thread at once.
class FakeSoundBuffer final : public platform::SoundBuffer {
public:
    using MillisecondClock = std::function<std::uint64_t()>;

    FakeSoundBuffer(const platform::SoundFormat& format, std::uint32_t bytes, MillisecondClock clock);

    platform::SoundResult Lock(std::uint32_t offset, std::uint32_t bytes, platform::SoundRegions& regions) override;
    platform::SoundResult Unlock(const platform::SoundRegions& regions) override;
    platform::SoundResult Play(bool looping) override;
    platform::SoundResult Stop() override;
    platform::SoundResult SetCurrentPosition(std::uint32_t offset) override;
    platform::SoundResult GetCurrentPosition(std::uint32_t* play, std::uint32_t* write) override;
    platform::SoundResult SetVolume(std::int32_t hundredthsOfDecibel) override;
    platform::SoundResult GetVolume(std::int32_t* hundredthsOfDecibel) override;
    platform::SoundResult SetFrequency(std::uint32_t hertz) override;
    platform::SoundResult GetFrequency(std::uint32_t* hertz) override;
    platform::SoundResult GetStatus(std::uint32_t* status) override;
    std::uint32_t GetSize() const override { return static_cast<std::uint32_t>(bytes.size()); }
    platform::SoundFormat GetFormat() const override { return format; }

    // What the mixer would have played since the last call, byte by byte
    // (wrapping in a looping buffer); tests read the audio back with it.
    std::vector<std::uint8_t> TakePlayed();
    // The bytes of the buffer as they are now.
    std::vector<std::uint8_t> Contents();

private:
    // Moves the cursor to the clock's present; call with the lock held.
    void Advance();

    mutable std::mutex mutex;
    platform::SoundFormat format;
    std::vector<std::uint8_t> bytes;
    MillisecondClock clock;
    std::uint64_t lastMilliseconds = 0;
    std::uint64_t remainderBytes = 0; // sub-byte progress, in byte-milliseconds
    std::uint32_t position = 0;
    std::uint32_t frequency;
    std::int32_t volume = 0;
    bool playing = false;
    bool looping = false;
    std::vector<std::uint8_t> played;
};

// A sound device that makes FakeSoundBuffers on the given clock.
class FakeSoundDevice final : public platform::SoundDevice {
public:
    explicit FakeSoundDevice(FakeSoundBuffer::MillisecondClock now) : clock(std::move(now)) {}

    platform::SoundResult SetCooperativeLevel(platform::Window&) override { return platform::soundOk; }
    platform::SoundResult CreateBuffer(const platform::SoundFormat& format, std::uint32_t bytes, unsigned caps,
                                       std::unique_ptr<platform::SoundBuffer>& buffer) override;

private:
    FakeSoundBuffer::MillisecondClock clock;
};
