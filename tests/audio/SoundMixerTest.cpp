// The software sound card: every expected sample below is worked out by
// hand from the buffer contents, the 32.32 position step and the 16.16 gain.

#include "platform/SoundMixer.h"
#include "platform/headless/HeadlessSoundDevice.h"
#include "support/HeadlessTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace platform;

namespace {

std::unique_ptr<SoundBuffer> MakeBuffer(SoundDevice& device, int rate, int channels, const std::vector<std::int16_t>& samples,
                                        unsigned caps = soundCapsVolume | soundCapsFrequency)
{
    std::unique_ptr<SoundBuffer> buffer;
    const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
    EXPECT_EQ(device.CreateBuffer({rate, channels, 16}, bytes, caps, buffer), soundOk);
    SoundRegions regions;
    EXPECT_EQ(buffer->Lock(0, bytes, regions), soundOk);
    std::memcpy(regions.first, samples.data(), bytes);
    EXPECT_EQ(buffer->Unlock(regions), soundOk);
    return buffer;
}

// The left channel of `frames` mixed frames, after checking that mono
// reached both sides alike.
std::vector<int> MixMono(SoftwareSoundDevice& device, std::size_t frames)
{
    std::vector<std::int16_t> output(frames * 2, 1234);
    device.Mix(output.data(), frames);
    std::vector<int> left;
    for (std::size_t i = 0; i < frames; ++i) {
        EXPECT_EQ(output[2 * i], output[2 * i + 1]) << "frame " << i;
        left.push_back(output[2 * i]);
    }
    return left;
}

bool Playing(SoundBuffer& buffer)
{
    std::uint32_t status = 0;
    EXPECT_EQ(buffer.GetStatus(&status), soundOk);
    return (status & soundStatusPlaying) != 0;
}

std::uint32_t PlayCursor(SoundBuffer& buffer)
{
    std::uint32_t play = 99, write = 99;
    EXPECT_EQ(buffer.GetCurrentPosition(&play, &write), soundOk);
    EXPECT_EQ(play, write);
    return play;
}

} // namespace

TEST(SoundMixerTest, SumsClampsAndStopsOneShotsAtTheirEnd)
{
    SoftwareSoundDevice device;
    auto first = MakeBuffer(device, 44100, 1, {1000, 20000, -30000, 5});
    auto second = MakeBuffer(device, 44100, 1, {2000, 20000, -10000, 7});
    auto idle = MakeBuffer(device, 44100, 1, {9999, 9999});
    first->Play(false);
    second->Play(false);
    EXPECT_EQ(MixMono(device, 6), (std::vector<int>{3000, 32767, -32768, 12, 0, 0}));
    EXPECT_FALSE(Playing(*first));
    EXPECT_EQ(PlayCursor(*first), 0u);

    // Stereo keeps its sides; 8-bit is unsigned around 128.
    auto stereo = MakeBuffer(device, 44100, 2, {100, -100, 200, -200});
    std::unique_ptr<SoundBuffer> eightBit;
    ASSERT_EQ(device.CreateBuffer({44100, 1, 8}, 2, 0, eightBit), soundOk);
    SoundRegions regions;
    ASSERT_EQ(eightBit->Lock(0, 2, regions), soundOk);
    static_cast<std::uint8_t*>(regions.first)[0] = 128 + 10;
    static_cast<std::uint8_t*>(regions.first)[1] = 128 - 10;
    ASSERT_EQ(eightBit->Unlock(regions), soundOk);
    stereo->Play(false);
    eightBit->Play(false);
    std::vector<std::int16_t> output(4);
    device.Mix(output.data(), 2);
    EXPECT_EQ(output, (std::vector<std::int16_t>{100 + 2560, -100 + 2560, 200 - 2560, -200 - 2560}));

    // A one-shot that ends on the last mixed frame reads as stopped at once.
    auto exact = MakeBuffer(device, 44100, 1, {1, 2});
    exact->Play(false);
    EXPECT_EQ(MixMono(device, 2), (std::vector<int>{1, 2}));
    EXPECT_FALSE(Playing(*exact));
    EXPECT_EQ(PlayCursor(*exact), 0u);
}

TEST(SoundMixerTest, AppliesVolumeAsLinearGain)
{
    EXPECT_EQ(SoundMixer::GainForVolume(0), 65536);
    EXPECT_EQ(SoundMixer::GainForVolume(-602), 32770); // 10^(-0.301) = 0.50003
    EXPECT_EQ(SoundMixer::GainForVolume(-2000), 6554);  // a tenth
    EXPECT_EQ(SoundMixer::GainForVolume(-10000), 0);

    SoftwareSoundDevice device;
    auto buffer = MakeBuffer(device, 44100, 1, {10000, -10000, 32767});
    EXPECT_EQ(buffer->SetVolume(-602), soundOk);
    std::int32_t volume = 0;
    EXPECT_EQ(buffer->GetVolume(&volume), soundOk);
    EXPECT_EQ(volume, -602);
    buffer->Play(false);
    const std::vector<int> half = MixMono(device, 3);
    EXPECT_NEAR(half[0], 5000, 1);
    EXPECT_NEAR(half[1], -5000, 1);
    EXPECT_NEAR(half[2], 16384, 1);

    buffer->SetCurrentPosition(0);
    EXPECT_EQ(buffer->SetVolume(-10000), soundOk);
    buffer->Play(false);
    EXPECT_EQ(MixMono(device, 3), (std::vector<int>{0, 0, 0}));

    EXPECT_EQ(buffer->SetVolume(1), soundErrorInvalidParameter);
    EXPECT_EQ(buffer->SetVolume(-10001), soundErrorInvalidParameter);
    auto fixed = MakeBuffer(device, 44100, 1, {1}, 0);
    EXPECT_EQ(fixed->SetVolume(-100), soundErrorControlUnavailable);
    EXPECT_EQ(fixed->SetFrequency(22050), soundErrorControlUnavailable);
}

TEST(SoundMixerTest, ConvertsRatesByFrequencyAndWrapsLoops)
{
    SoftwareSoundDevice device;
    // 22,050 Hz on a 44.1 kHz output: half a frame per output frame, the
    // odd outputs halfway between neighbours, the last one halfway to
    // silence.
    auto half = MakeBuffer(device, 22050, 1, {0, 1000, 3000, 7000});
    half->Play(false);
    EXPECT_EQ(MixMono(device, 4), (std::vector<int>{0, 500, 1000, 2000}));
    EXPECT_EQ(PlayCursor(*half), 4u); // frame 2
    EXPECT_EQ(MixMono(device, 5), (std::vector<int>{3000, 5000, 7000, 3500, 0}));
    EXPECT_FALSE(Playing(*half));

    // The frequency overrides the buffer's rate: 11,025 Hz is a quarter step.
    half->SetCurrentPosition(0);
    EXPECT_EQ(half->SetFrequency(11025), soundOk);
    half->Play(false);
    EXPECT_EQ(MixMono(device, 5), (std::vector<int>{0, 250, 500, 750, 1000}));
    half->Stop();
    EXPECT_EQ(half->SetFrequency(0), soundOk); // back to its own rate
    std::uint32_t hertz = 0;
    EXPECT_EQ(half->GetFrequency(&hertz), soundOk);
    EXPECT_EQ(hertz, 22050u);
    EXPECT_EQ(half->SetFrequency(99), soundErrorInvalidParameter);

    // A looping buffer wraps, and its last frame blends into its first.
    auto loop = MakeBuffer(device, 44100, 1, {1, 2, 3});
    loop->Play(true);
    EXPECT_EQ(MixMono(device, 7), (std::vector<int>{1, 2, 3, 1, 2, 3, 1}));
    std::uint32_t status = 0;
    loop->GetStatus(&status);
    EXPECT_EQ(status, soundStatusPlaying | soundStatusLooping);
    EXPECT_EQ(PlayCursor(*loop), 2u);
    loop->Stop();
    auto slowLoop = MakeBuffer(device, 22050, 1, {0, 1000});
    slowLoop->Play(true);
    EXPECT_EQ(MixMono(device, 6), (std::vector<int>{0, 500, 1000, 500, 0, 500}));
    // Stop keeps the position.
    slowLoop->Stop();
    EXPECT_EQ(PlayCursor(*slowLoop), 2u);
    EXPECT_EQ(MixMono(device, 2), (std::vector<int>{0, 0}));
}

TEST(SoundMixerTest, LocksTwoRegionsAtTheWrapAndChecksEveryRange)
{
    SoftwareSoundDevice device;
    auto buffer = MakeBuffer(device, 44100, 1, {1, 2, 3, 4});
    SoundRegions regions;
    ASSERT_EQ(buffer->Lock(6, 4, regions), soundOk);
    ASSERT_EQ(regions.firstBytes, 2u);
    ASSERT_EQ(regions.secondBytes, 2u);
    ASSERT_NE(regions.second, nullptr);
    // The regions show the bytes they cover: frame 3, then frame 0.
    std::int16_t value = 0;
    std::memcpy(&value, regions.first, 2);
    EXPECT_EQ(value, 4);
    std::memcpy(&value, regions.second, 2);
    EXPECT_EQ(value, 1);
    SoundRegions again;
    EXPECT_EQ(buffer->Lock(0, 2, again), soundErrorInvalidCall); // already locked
    EXPECT_EQ(again.first, nullptr);
    const std::int16_t last = 40, first = 10;
    std::memcpy(regions.first, &last, 2);
    std::memcpy(regions.second, &first, 2);
    SoundRegions forged = regions;
    forged.firstBytes = 4;
    EXPECT_EQ(buffer->Unlock(forged), soundErrorInvalidParameter);
    ASSERT_EQ(buffer->Unlock(regions), soundOk);
    buffer->Play(false);
    EXPECT_EQ(MixMono(device, 4), (std::vector<int>{10, 2, 3, 40}));

    EXPECT_EQ(buffer->Lock(8, 2, regions), soundErrorInvalidParameter);
    EXPECT_EQ(buffer->Lock(0, 10, regions), soundErrorInvalidParameter);
    EXPECT_EQ(buffer->Lock(0, 0, regions), soundErrorInvalidParameter);
    EXPECT_EQ(buffer->SetCurrentPosition(8), soundErrorInvalidParameter);
    EXPECT_EQ(buffer->SetCurrentPosition(5), soundOk); // rounds down to frame 2
    EXPECT_EQ(PlayCursor(*buffer), 4u);

    // Formats and sizes the card cannot take.
    std::unique_ptr<SoundBuffer> refused;
    EXPECT_EQ(device.CreateBuffer({44100, 3, 16}, 6, 0, refused), soundErrorInvalidParameter);
    EXPECT_EQ(device.CreateBuffer({44100, 1, 12}, 6, 0, refused), soundErrorInvalidParameter);
    EXPECT_EQ(device.CreateBuffer({50, 1, 16}, 6, 0, refused), soundErrorInvalidParameter);
    EXPECT_EQ(device.CreateBuffer({44100, 2, 16}, 6, 0, refused), soundErrorInvalidParameter); // 1.5 frames
    EXPECT_EQ(device.CreateBuffer({44100, 1, 16}, 0, 0, refused), soundErrorInvalidParameter);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(buffer->GetSize(), 8u);
    EXPECT_EQ(buffer->GetFormat().rate, 44100);
}

class HeadlessSoundDeviceTest : public HeadlessTest {};

TEST_F(HeadlessSoundDeviceTest, MixesAsVirtualTimePasses)
{
    std::unique_ptr<SoundDevice> created;
    ASSERT_EQ(Host().CreateSoundDevice(created), soundOk);
    auto& device = dynamic_cast<HeadlessSoundDevice&>(*created);
    device.KeepOutput(3);

    std::vector<std::int16_t> second(44100, 0);
    second[0] = 100;
    second[1] = 200;
    second[2] = 300;
    auto buffer = MakeBuffer(device, 44100, 1, second);
    buffer->Play(false);
    Host().GetClock().Advance(250);
    EXPECT_EQ(PlayCursor(*buffer), 11025u * 2);
    EXPECT_TRUE(Playing(*buffer));
    EXPECT_EQ(device.GetKeptOutput(), (std::vector<std::int16_t>{100, 100, 200, 200, 300, 300}));
    Host().GetClock().Advance(750);
    EXPECT_FALSE(Playing(*buffer));
    EXPECT_EQ(device.GetMixedFrames(), 44100u);

    // A buffer may outlive its device.
    created.reset();
    EXPECT_EQ(buffer->Play(true), soundOk);

    Host().SetAudioAvailable(false);
    EXPECT_EQ(Host().CreateSoundDevice(created), soundErrorNoDriver);
    EXPECT_EQ(created, nullptr);
}
