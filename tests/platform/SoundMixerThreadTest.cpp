// The mixer on another thread while buffers are made, written, played and
// destroyed: the case ThreadSanitizer checks.

#include "platform/Platform.h"
#include "platform/SoundMixer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

using namespace platform;

TEST(SoundMixerThreadTest, MixesWhileTheMainThreadWritesAndPlays)
{
    SoftwareSoundDevice device;
    std::atomic<bool> running{true};
    std::atomic<long> mixedBlocks{0};
    std::thread audio([&] {
        std::vector<std::int16_t> output(256 * 2);
        while (running) {
            device.Mix(output.data(), 256);
            ++mixedBlocks;
        }
    });

    // The audio thread is mixing before the main thread starts its work, so
    // that the two really overlap on a busy machine.
    while (mixedBlocks == 0)
        std::this_thread::yield();

    std::unique_ptr<SoundBuffer> ring;
    ASSERT_EQ(device.CreateBuffer({22050, 1, 16}, 4096, soundCapsVolume | soundCapsFrequency, ring), soundOk);
    ring->Play(true);
    for (int round = 0; round < 300; ++round) {
        // Refill a stretch of the ring, wrapping at its end.
        SoundRegions regions;
        ASSERT_EQ(ring->Lock(static_cast<std::uint32_t>(round * 512 % 4096), 1024, regions), soundOk);
        std::memset(regions.first, round, regions.firstBytes);
        if (regions.second != nullptr)
            std::memset(regions.second, round, regions.secondBytes);
        ASSERT_EQ(ring->Unlock(regions), soundOk);
        ring->SetVolume(-(round % 100) * 10);
        ring->SetFrequency(11025 + static_cast<std::uint32_t>(round) * 10);
        std::uint32_t play = 0;
        ring->GetCurrentPosition(&play, nullptr);
        EXPECT_LT(play, 4096u);

        // Short one-shots come and go.
        std::unique_ptr<SoundBuffer> shot;
        ASSERT_EQ(device.CreateBuffer({44100, 2, 16}, 400, 0, shot), soundOk);
        shot->Play(false);
        if (round % 3 == 0)
            std::this_thread::yield();
    }
    running = false;
    audio.join();
}

TEST(SoundMixerThreadTest, SdlFeedsTheMixerFromItsAudioThread)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::unique_ptr<Platform> host = CreateSdlPlatform();
    std::unique_ptr<SoundDevice> device;
    ASSERT_EQ(host->CreateSoundDevice(device), soundOk);
    std::unique_ptr<SoundBuffer> buffer;
    ASSERT_EQ(device->CreateBuffer({44100, 1, 16}, 44100 * 2, 0, buffer), soundOk);
    ASSERT_EQ(buffer->Play(true), soundOk);
    // The callback advances the play cursor in real time.
    std::uint32_t play = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (play == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        buffer->GetCurrentPosition(&play, nullptr);
    }
    EXPECT_GT(play, 0u);
    buffer.reset();
    device.reset();
}
