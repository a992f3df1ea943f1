// The sample manager on the headless sound device, with sound files made
// here.

#include "SoundFiles.h"
#include "audio/Sample.h"
#include "audio/SampleManager.h"
#include "audio/StreamingSample.h"
#include "files/HostPath.h"
#include "support/AudioTest.h"
#include "support/HeadlessTest.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class SampleManagerTest : public LoggedTest {
protected:
    SampleManager& Manager() { return SampleManager::GetInstance(); }

    // A SampleData owning a malloc'd copy of the bytes.
    static SampleData Data(int rate, int channels, int bits, const std::string& bytes)
    {
        SampleData data;
        data.rate = rate;
        data.channels = channels;
        data.bits = bits;
        data.size = static_cast<int>(bytes.size());
        data.frames = data.size / (channels * bits / 8);
        data.data = static_cast<std::uint8_t*>(std::malloc(bytes.size()));
        std::memcpy(data.data, bytes.data(), bytes.size());
        return data;
    }

    static std::vector<std::int16_t> Samples(const SampleData& data)
    {
        std::vector<std::int16_t> samples(static_cast<std::size_t>(data.size) / 2);
        std::memcpy(samples.data(), data.data, samples.size() * 2);
        return samples;
    }
};

} // namespace

TEST_F(SampleManagerTest, InitListsTheTypesAndFailsWithoutADevice)
{
    ASSERT_TRUE(Manager().Init(Window()));
    EXPECT_TRUE(Manager().IsInitialised());
    EXPECT_EQ(ReadFile("debug.txt"), "Registered Sample Loading typesFactory Entries:\n"
                                     "  OggLoader\n"
                                     "  WavLoader\n"
                                     "Registered Sample Stream typesFactory Entries:\n"
                                     "  OggStream\n"
                                     "  ToneStream\n"); // the tests' own stream type
    Manager().Shutdown();
    EXPECT_FALSE(Manager().IsInitialised());

    Host().SetAudioAvailable(false);
    EXPECT_FALSE(Manager().Init(Window()));
    EXPECT_FALSE(Manager().IsInitialised());
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "***ERROR: SampleManager: DirectSoundCreate (88780078)\n"));
    // Sound off: nothing is made, nothing plays.
    EXPECT_EQ(Manager().Load("x", "anything", soundEffectSampleFlags), nullptr);
    EXPECT_FALSE(Manager().AddSample("x", "anything", soundEffectSampleFlags));
    EXPECT_EQ(Manager().CreateSoundBuffer(SampleData{}, 0), nullptr);
}

TEST_F(SampleManagerTest, ResamplesToMonoAtMostTwentyTwoKilohertz)
{
    // 44.1 kHz stereo: mixed down with the halves truncated toward zero,
    // then every second frame kept: a quarter of the bytes.
    SampleData cd = Data(44100, 2, 16, Pcm16({-7, 2, 100, 300, 32767, 32767, 1, 2}));
    Manager().Resample(cd);
    EXPECT_EQ(cd.rate, 22050);
    EXPECT_EQ(cd.channels, 1);
    EXPECT_EQ(cd.frames, 2);
    EXPECT_EQ(cd.size, 4);
    EXPECT_EQ(Samples(cd), (std::vector<std::int16_t>{-2, 32767}));
    FreeSampleData(cd);

    SampleData low = Data(22050, 1, 16, Pcm16({5, -6, 7}));
    Manager().Resample(low);
    EXPECT_EQ(low.rate, 22050);
    EXPECT_EQ(low.frames, 3);
    EXPECT_EQ(low.size, 6);
    EXPECT_EQ(Samples(low), (std::vector<std::int16_t>{5, -6, 7}));
    FreeSampleData(low);

    // 22,100 Hz is still kept; 22,101 is halved.
    SampleData edge = Data(22101, 1, 16, Pcm16({1, 2, 3, 4}));
    Manager().Resample(edge);
    EXPECT_EQ(edge.rate, 11050);
    EXPECT_EQ(Samples(edge), (std::vector<std::int16_t>{1, 3}));
    FreeSampleData(edge);

    SampleData eightBit = Data(44100, 2, 8, std::string("\x10\x20\x30\x40", 4));
    Manager().Resample(eightBit);
    EXPECT_EQ(eightBit.rate, 44100);
    EXPECT_EQ(eightBit.channels, 2);
    EXPECT_EQ(eightBit.size, 4);
    EXPECT_EQ(std::memcmp(eightBit.data, "\x10\x20\x30\x40", 4), 0);
    FreeSampleData(eightBit);
    EXPECT_EQ(ReadFile("debug.txt"), "***WARNING: SampleManager::Resample not 16bit samples\n");

    // A frame count beyond the bytes is not believed.
    SampleData lying = Data(44100, 2, 16, Pcm16({2, 4}));
    lying.frames = 1000;
    Manager().Resample(lying);
    EXPECT_EQ(lying.frames, 0);
    FreeSampleData(lying);
}

TEST_F(SampleManagerTest, LoadsOggBeforeWavAndLeavesMissingFilesSilent)
{
    ASSERT_TRUE(Manager().Init(Window()));
    PutFile("data/sfx/beep.wav", MakeWav(11025, 1, 16, Pcm16({1, 2, 3, 4})));
    PutFile("data/sfx/beep.ogg", MakeOgg(22050, 1, 3000));

    std::unique_ptr<Sample> ogg(Manager().Load("beep", "sfx\\beep", soundEffectSampleFlags));
    ASSERT_NE(ogg, nullptr);
    ASSERT_NE(ogg->GetBuffer(), nullptr);
    EXPECT_EQ(ogg->GetBaseFrequency(), 22050.0f);
    EXPECT_EQ(ogg->GetBuffer()->GetSize(), 3000u * 2);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "OggLoader::Load data\\sfx\\beep.OGG\n"));

    std::unique_ptr<Sample> wav(Manager().Load("beep", "sfx\\beep.Wav", soundEffectSampleFlags));
    ASSERT_NE(wav->GetBuffer(), nullptr);
    EXPECT_EQ(wav->GetBaseFrequency(), 11025.0f);
    std::filesystem::remove("data/sfx/beep.ogg");
    ForgetFolderListings();
    std::unique_ptr<Sample> fallback(Manager().Load("beep", "sfx\\beep", soundEffectSampleFlags));
    EXPECT_EQ(fallback->GetBaseFrequency(), 11025.0f);

    // A 44.1 kHz stereo WAV reaches the device as 22.05 kHz mono.
    PutFile("data/sfx/cd.wav", MakeWav(44100, 2, 16, Pcm16({10, 20, 30, 40, 50, 60, 70, 80})));
    std::unique_ptr<Sample> cd(Manager().Load("cd", "sfx\\cd", soundEffectSampleFlags));
    EXPECT_EQ(cd->GetBuffer()->GetSize(), 4u);
    EXPECT_EQ(cd->GetBuffer()->GetFormat().channels, 1);

    std::unique_ptr<Sample> missing(Manager().Load("gone", "sfx\\gone", soundEffectSampleFlags));
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->GetBuffer(), nullptr);
    EXPECT_EQ(missing->GetBaseFrequency(), 0.0f);
    missing->Play();
    missing->PlayLooped();
    missing->SetVolume(0.5f);
    missing->SetFrequency(8000);
    EXPECT_FALSE(missing->IsPlaying());
    EXPECT_EQ(missing->GetVolume(), 0.5f);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "***ERROR: SampleManager::Load could not load filename sfx\\gone\n"));
    // Another extension is no sound file.
    std::unique_ptr<Sample> text(Manager().Load("t", "sfx\\beep.txt", soundEffectSampleFlags));
    EXPECT_EQ(text->GetBuffer(), nullptr);
}

TEST_F(SampleManagerTest, PoolsInstancesAndTakesOverTheOldest)
{
    ASSERT_TRUE(Manager().Init(Window()));
    PutFile("data/hit.wav", MakeWav(22050, 1, 16, Pcm16(std::vector<std::int16_t>(22050, 100))));
    EXPECT_FALSE(Manager().HasSample("hit"));
    ASSERT_TRUE(Manager().AddSample("hit", "hit", soundEffectSampleFlags));
    ASSERT_TRUE(Manager().AddSample("hit", "hit", soundEffectSampleFlags));
    EXPECT_TRUE(Manager().HasSample("hit"));
    EXPECT_EQ(Manager().GetSample(""), nullptr);
    EXPECT_EQ(Manager().GetSample("miss"), nullptr);

    Sample* first = Manager().GetSample("hit");
    ASSERT_NE(first, nullptr);
    first->Play();
    EXPECT_TRUE(first->IsPlaying());
    Sample* second = Manager().GetSample("hit");
    ASSERT_NE(second, first);
    second->PlayLooped();
    EXPECT_EQ(Manager().GetSample("hit"), first);
    EXPECT_FALSE(first->IsPlaying());
    EXPECT_TRUE(second->IsPlaying());

    // The one-shot ends with virtual time (one second of sound); the loop
    // goes on.
    first->Play();
    Host().GetClock().Advance(1100);
    EXPECT_FALSE(first->IsPlaying());
    EXPECT_TRUE(second->IsPlaying());
    second->Stop();
    std::uint32_t play = 1;
    second->GetBuffer()->GetCurrentPosition(&play, nullptr);
    EXPECT_EQ(play, 0u);
}

TEST_F(SampleManagerTest, ConvertsVolumeToAttenuation)
{
    EXPECT_EQ(Sample::VolumeToAttenuation(1.0f), 0);
    EXPECT_EQ(Sample::VolumeToAttenuation(0.5f), -602);
    EXPECT_EQ(Sample::VolumeToAttenuation(0.1f), -1999); // 0.1f is a little above a tenth: -1999.99 truncated
    EXPECT_EQ(Sample::VolumeToAttenuation(0.0f), -10000);
    EXPECT_EQ(Sample::VolumeToAttenuation(0.00001f), -10000);
    EXPECT_EQ(Sample::VolumeToAttenuation(-3.0f), -10000);
    EXPECT_EQ(Sample::VolumeToAttenuation(2.0f), 0);
    // That the device gets these, and the frequency, the sound engine's
    // and the streams' tests see.
}

TEST_F(SampleManagerTest, OpensStreamsWithASilentOneSecondBuffer)
{
    ASSERT_TRUE(Manager().Init(Window()));
    PutFile("data/music/theme.ogg", MakeOgg(44100, 2, 5000));
    std::unique_ptr<Sample> stream(Manager().Load("_music_", "music\\theme", streamSampleFlags));
    auto* streaming = dynamic_cast<StreamingSample*>(stream.get());
    ASSERT_NE(streaming, nullptr);
    ASSERT_NE(streaming->GetBuffer(), nullptr);
    EXPECT_EQ(streaming->GetBuffer()->GetSize(), 44100u * 2 * 2);
    platform::SoundRegions regions;
    ASSERT_EQ(streaming->GetBuffer()->Lock(0, 4, regions), platform::soundOk);
    EXPECT_EQ(std::memcmp(regions.first, "\0\0\0\0", 4), 0);
    streaming->GetBuffer()->Unlock(regions);

    // No stream: nothing to hand out as one.
    EXPECT_EQ(Manager().Load("_music_", "music\\none", streamSampleFlags), nullptr);
    EXPECT_TRUE(Contains(ReadFile("debug.txt"), "***ERROR: SampleManager::Load could not load filename music\\none\n"));
}
