// Until the sample manager and its samples are built, the sound engine's
// tests run on this stand-in: samples as specified over FakeSoundBuffers,
// effects 0.5 s of 22,050 Hz mono, streams from the registered stream types
// with a one-second buffer of their format. Buffers follow the installed
// platform's clock.

#include "FakeSoundBuffer.h"
#include "app/Debug.h"
#include "app/Factory.h"
#include "audio/Sample.h"
#include "audio/SampleLoader.h"
#include "audio/SampleManager.h"
#include "audio/SoundEngine.h"
#include "audio/StreamingSample.h"
#include "files/File.h"
#include "platform/Platform.h"

#include <cmath>

namespace {

std::unique_ptr<platform::SoundBuffer> MakeBuffer(const platform::SoundFormat& format, std::uint32_t bytes)
{
    return std::make_unique<FakeSoundBuffer>(format, bytes, [] {
        return static_cast<std::uint64_t>(platform::Platform::Get()->GetClock().Milliseconds());
    });
}

void PlayFromTheStart(platform::SoundBuffer* buffer, bool looping)
{
    if (buffer == nullptr || !SampleManager::GetInstance().IsInitialised())
        return;
    buffer->Stop();
    buffer->SetCurrentPosition(0);
    buffer->Play(looping);
}

} // namespace

Sample::Sample(std::string sampleName, std::string sampleFileName, int sampleFlags,
               std::unique_ptr<platform::SoundBuffer> deviceBuffer)
    : flags(sampleFlags)
    , name(std::move(sampleName))
    , fileName(std::move(sampleFileName))
    , buffer(std::move(deviceBuffer))
{
    std::uint32_t hertz = 0;
    if (buffer != nullptr && buffer->GetFrequency(&hertz) == platform::soundOk)
        baseFrequency = static_cast<float>(hertz);
}

Sample::~Sample()
{
    ReleaseBuffer();
}

void Sample::ReleaseBuffer()
{
    if (buffer != nullptr && IsPlaying())
        buffer->Stop();
    buffer.reset();
}

void Sample::Play()
{
    PlayFromTheStart(buffer.get(), false);
}

void Sample::Stop()
{
    if (buffer == nullptr)
        return;
    buffer->Stop();
    buffer->SetCurrentPosition(0);
}

void Sample::PlayLooped()
{
    PlayFromTheStart(buffer.get(), true);
}

bool Sample::IsPlaying()
{
    std::uint32_t status = 0;
    return buffer != nullptr && buffer->GetStatus(&status) == platform::soundOk &&
           (status & platform::soundStatusPlaying) != 0;
}

void Sample::SetFrequency(int hertz)
{
    frequency = static_cast<float>(hertz);
    if (buffer != nullptr)
        buffer->SetFrequency(static_cast<std::uint32_t>(hertz));
}

void Sample::SetVolume(float linear)
{
    volume = linear;
    if (buffer != nullptr)
        buffer->SetVolume(VolumeToAttenuation(linear));
}

float Sample::GetFrequency()
{
    return frequency;
}

float Sample::GetVolume()
{
    return volume;
}

std::int32_t Sample::VolumeToAttenuation(float linear)
{
    return static_cast<std::int32_t>(2000.0 * std::log10(std::max(linear * 100000.0, 1.0)) - 10000.0);
}

SampleManager::SampleManager() = default;
SampleManager::~SampleManager() = default;

bool SampleManager::Init(platform::Window&)
{
    initialised = true;
    return true;
}

void SampleManager::Shutdown()
{
    pool.clear();
    initialised = false;
}

Sample* SampleManager::Load(const std::string& sampleName, const std::string& fileName, int sampleFlags)
{
    if (!initialised)
        return nullptr;
    if ((sampleFlags & sampleStream) != 0) {
        std::unique_ptr<SampleStream> stream = Factory<SampleStream>::GetInstance().Create("ToneStream");
        SampleData format;
        if (stream != nullptr && stream->Open(fileName, format)) {
            const platform::SoundFormat bufferFormat{format.rate, format.channels, format.bits};
            const auto bytes = static_cast<std::uint32_t>(format.rate * format.channels * format.bits / 8);
            return new StreamingSample(sampleName, fileName, sampleFlags, std::move(stream),
                                       MakeBuffer(bufferFormat, bytes));
        }
        LogError("SampleManager::Load could not load filename %s\n", fileName.c_str());
        return new Sample(sampleName, fileName, sampleFlags, nullptr);
    }
    const std::string path = "data\\" + fileName + (fileName.find('.') == std::string::npos ? ".WAV" : "");
    if (!File::Exists(path.c_str())) {
        LogError("SampleManager::Load could not load filename %s\n", fileName.c_str());
        return new Sample(sampleName, fileName, sampleFlags, nullptr);
    }
    return new Sample(sampleName, fileName, sampleFlags, MakeBuffer({22050, 1, 16}, 22050));
}

bool SampleManager::AddSample(const std::string& sampleName, const std::string& fileName, int sampleFlags)
{
    Sample* sample = Load(sampleName, fileName, sampleFlags);
    if (sample == nullptr)
        return false;
    pool.emplace(sampleName, std::unique_ptr<Sample>(sample));
    return true;
}

bool SampleManager::HasSample(const std::string& sampleName) const
{
    return pool.contains(sampleName);
}

Sample* SampleManager::GetSample(const std::string& sampleName)
{
    if (sampleName.empty())
        return nullptr;
    const auto [first, last] = pool.equal_range(sampleName);
    if (first == last)
        return nullptr;
    for (auto it = first; it != last; ++it)
        if (!it->second->IsPlaying())
            return it->second.get();
    first->second->Stop();
    return first->second.get();
}

void SampleManager::Resample(SampleData&) {}

std::unique_ptr<platform::SoundBuffer> SampleManager::CreateSoundBuffer(const SampleData&, int)
{
    return nullptr;
}

void SampleManager::Serialize(Serializer&, const char*)
{
    if (initialised)
        SoundEngine::GetInstance().RestartVoicesAfterLoad();
}
