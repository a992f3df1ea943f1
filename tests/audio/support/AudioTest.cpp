#include "AudioTest.h"

#include "audio/Randomizer.h"
#include "audio/Sample.h"
#include "audio/SampleManager.h"
#include "audio/SoundEngine.h"
#include "audio/SoundFiles.h"
#include "files/HostPath.h"
#include "platform/headless/HeadlessSoundDevice.h"

#include <vector>

void PutFile(const std::filesystem::path& path, const std::string& bytes)
{
    WriteFile(path, bytes);
    ForgetFolderListings();
}

void AudioTest::SetUp()
{
    HeadlessTest::SetUp();
    StartSound(Window());
}

void AudioTest::StartSound(platform::Window& window)
{
    StartLog();
    Randomizer::Seed(1);
    ASSERT_TRUE(SampleManager::GetInstance().Init(window));
    SoundEngine::GetInstance().SetEnabled(true);
    StartLog(); // the tests look at what comes after the sample manager's lines
}

void AudioTest::WriteEffect(const std::string& pathUnderData)
{
    std::vector<std::int16_t> samples(11025);
    for (std::size_t frame = 0; frame < samples.size(); ++frame)
        samples[frame] = frame % 2 == 0 ? 1000 : -1000;
    WriteFile("data/" + pathUnderData, MakeWav(22050, 1, 16, Pcm16(samples)));
}

void AudioTest::Frame(std::uint32_t milliseconds)
{
    Host().GetClock().Advance(milliseconds);
    SoundEngine::GetInstance().Update(static_cast<float>(milliseconds) / 1000.0f);
}

std::int32_t AudioTest::Attenuation(const Sample* sample)
{
    std::int32_t volume = 1;
    if (sample != nullptr && sample->GetBuffer() != nullptr)
        sample->GetBuffer()->GetVolume(&volume);
    return volume;
}

std::uint32_t AudioTest::Frequency(const Sample* sample)
{
    std::uint32_t hertz = 0;
    if (sample != nullptr && sample->GetBuffer() != nullptr)
        sample->GetBuffer()->GetFrequency(&hertz);
    return hertz;
}

std::string AudioTest::Log() const
{
    return ReadFile("debug.txt");
}

AudioEvent& AudioTest::AddEffectEvent(const std::string& eventName, int group, bool looping)
{
    WriteEffect("sfx/" + eventName + ".wav");
    SampleManager::GetInstance().AddSample("sample_" + eventName, "sfx\\" + eventName + ".wav", 3);
    AudioEvent event;
    event.sampleName = "sample_" + eventName;
    event.soundGroup = group;
    event.isLooping = looping;
    SoundEngine& engine = SoundEngine::GetInstance();
    engine.AddAudioEvent(eventName, event);
    return *engine.FindAudioEvent(eventName);
}

void HeadlessSoundTest::SetUp()
{
    HeadlessTest::SetUp();
    Host().SetSoundDeviceMaker([this] {
        auto made = std::make_unique<platform::HeadlessSoundDevice>(Host().GetClock());
        device = made.get();
        return made;
    });
    StartSound(Window());
}

std::uint64_t HeadlessSoundTest::Now()
{
    device->CatchUp();
    return device->GetMixedFrames();
}
