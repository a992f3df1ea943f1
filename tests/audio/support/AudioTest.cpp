#include "AudioTest.h"

#include "audio/Randomizer.h"
#include "audio/Sample.h"
#include "audio/SampleManager.h"
#include "audio/SoundEngine.h"

#include <vector>

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
    constexpr std::uint32_t frames = 11025;
    std::string bytes = "RIFF";
    const auto put32 = [&bytes](std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((value >> shift) & 0xff);
    };
    const auto put16 = [&bytes](std::uint32_t value) {
        bytes += static_cast<char>(value & 0xff);
        bytes += static_cast<char>((value >> 8) & 0xff);
    };
    put32(36 + frames * 2);
    bytes += "WAVEfmt ";
    put32(16);
    put16(1);         // PCM
    put16(1);         // mono
    put32(22050);     // rate
    put32(22050 * 2); // bytes per second
    put16(2);         // block
    put16(16);        // bits
    bytes += "data";
    put32(frames * 2);
    for (std::uint32_t frame = 0; frame < frames; ++frame)
        put16(frame % 2 == 0 ? 1000 : 0xfc18); // +-1000
    WriteFile("data/" + pathUnderData, bytes);
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
