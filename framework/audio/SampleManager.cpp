#include "SampleManager.h"

#include "OggLoader.h"
#include "OggStream.h"
#include "Sample.h"
#include "SampleLoader.h"
#include "SampleStream.h"
#include "SoundEngine.h"
#include "StreamingSample.h"
#include "WavLoader.h"
#include "app/Debug.h"
#include "app/Factory.h"
#include "files/Serializer.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstring>

namespace {

// The built-in decoder types. They register here, beside the manager that
// uses them, so that they are part of every program that has sound.
const FactoryRegistration<SampleLoader, OggLoader> oggLoaderRegistration("OggLoader");
const FactoryRegistration<SampleLoader, WavLoader> wavLoaderRegistration("WavLoader");
const FactoryRegistration<SampleStream, OggStream> oggStreamRegistration("OggStream");

// Rates above this are halved before the data reaches the device.
constexpr int highestKeptRate = 22100;

} // namespace

SampleManager::SampleManager() = default;

SampleManager::~SampleManager()
{
    Shutdown();
}

bool SampleManager::Init(platform::Window& window)
{
    Shutdown();
    LogPrint("Registered Sample Loading types");
    Factory<SampleLoader>::GetInstance().LogEntries();
    LogPrint("Registered Sample Stream types");
    Factory<SampleStream>::GetInstance().LogEntries();

    const Factory<SampleLoader>& loaderTypes = Factory<SampleLoader>::GetInstance();
    for (const std::string& type : loaderTypes.GetNames()) {
        if (std::unique_ptr<SampleLoader> loader = loaderTypes.Create(type))
            loaders.push_back(std::move(loader));
    }

    platform::Platform* host = platform::Platform::Get();
    platform::SoundResult result =
        host != nullptr ? host->CreateSoundDevice(device) : platform::soundErrorNoDriver;
    if (result != platform::soundOk) {
        LogError("SampleManager: DirectSoundCreate (%x)\n", result);
        device.reset();
        return false;
    }
    result = device->SetCooperativeLevel(window);
    if (result != platform::soundOk) {
        LogError("SampleManager: SetCooperativeLevel (%x)\n", result);
        device.reset();
        return false;
    }
    initialised = true;
    return true;
}

void SampleManager::Shutdown()
{
    // The samples' buffers go before the device that made them; the sound
    // engine's voices borrow the pooled ones and its streams hold buffers.
    if (SoundEngine::Exists())
        SoundEngine::GetInstance().ReleaseDevice();
    pool.clear();
    loaders.clear();
    device.reset();
    initialised = false;
}

Sample* SampleManager::Load(const std::string& name, const std::string& fileName, int flags)
{
    if (!initialised)
        return nullptr;

    if ((flags & sampleStream) != 0) {
        const Factory<SampleStream>& streamTypes = Factory<SampleStream>::GetInstance();
        for (const std::string& type : streamTypes.GetNames()) {
            std::unique_ptr<SampleStream> stream = streamTypes.Create(type);
            SampleData format;
            if (stream == nullptr || !stream->Open(fileName, format))
                continue;
            // One second of the stream's format, silent: the ring buffer.
            format.frames = format.rate;
            std::unique_ptr<platform::SoundBuffer> buffer = CreateSoundBuffer(format, flags);
            return new StreamingSample(name, fileName, flags, std::move(stream), std::move(buffer));
        }
        // A plain sample in a stream's place would be taken for one; the
        // caller gets no stream instead.
        LogError("SampleManager::Load could not load filename %s\n", fileName.c_str());
        return nullptr;
    }

    for (const std::unique_ptr<SampleLoader>& loader : loaders) {
        if (!loader->CanLoad(fileName))
            continue;
        std::unique_ptr<platform::SoundBuffer> buffer;
        SampleData data;
        if (loader->Load(fileName, data)) {
            Resample(data);
            buffer = CreateSoundBuffer(data, flags);
        }
        FreeSampleData(data);
        return new Sample(name, fileName, flags, std::move(buffer));
    }
    LogError("SampleManager::Load could not load filename %s\n", fileName.c_str());
    return new Sample(name, fileName, flags, nullptr);
}

bool SampleManager::AddSample(const std::string& name, const std::string& fileName, int flags)
{
    Sample* sample = Load(name, fileName, flags);
    if (sample == nullptr)
        return false;
    pool.emplace(name, std::unique_ptr<Sample>(sample));
    return true;
}

bool SampleManager::HasSample(const std::string& name) const
{
    return pool.contains(name);
}

Sample* SampleManager::GetSample(const std::string& name)
{
    if (name.empty())
        return nullptr;
    const auto [first, last] = pool.equal_range(name);
    if (first == last)
        return nullptr;
    for (auto it = first; it != last; ++it) {
        if (!it->second->IsPlaying())
            return it->second.get();
    }
    // Every instance plays: the oldest is taken over.
    first->second->Stop();
    return first->second.get();
}

void SampleManager::Resample(SampleData& data)
{
    if (data.bits != 16) {
        LogWarning("SampleManager::Resample not 16bit samples\n");
        return;
    }
    if (data.data == nullptr || data.channels <= 0 || data.size <= 0) {
        data.frames = 0;
        return;
    }
    // Never trust the frame count beyond the bytes that hold it.
    const int frameBytes = data.channels * 2;
    data.frames = std::clamp(data.frames, 0, data.size / frameBytes);
    auto* samples = reinterpret_cast<std::int16_t*>(data.data);

    if (data.channels == 2) {
        for (int i = 0; i < data.frames; ++i) {
            const int left = samples[2 * i];
            const int right = samples[2 * i + 1];
            samples[i] = static_cast<std::int16_t>((left + right) / 2);
        }
        data.channels = 1;
        data.size /= 2;
    }
    if (data.rate > highestKeptRate) {
        const int channels = data.channels;
        data.frames /= 2;
        for (int i = 0; i < data.frames; ++i)
            std::memmove(samples + i * channels, samples + 2 * i * channels, static_cast<std::size_t>(channels) * 2);
        data.rate /= 2;
        data.size /= 2;
    }
}

std::unique_ptr<platform::SoundBuffer> SampleManager::CreateSoundBuffer(const SampleData& data, int flags)
{
    if (!initialised)
        return nullptr;
    const platform::SoundFormat format{data.rate, data.channels, data.bits};
    const unsigned caps = ((flags & sampleVolumeControl) != 0 ? platform::soundCapsVolume : 0u) |
                          ((flags & sampleFrequencyControl) != 0 ? platform::soundCapsFrequency : 0u);
    const std::uint64_t bytes = static_cast<std::uint64_t>(std::max(data.frames, 0)) *
                                static_cast<std::uint64_t>(std::max(data.channels, 0)) *
                                static_cast<std::uint64_t>(std::max(data.bits, 0) / 8);
    std::unique_ptr<platform::SoundBuffer> buffer;
    platform::SoundResult result = bytes > UINT32_MAX
                                       ? platform::soundErrorInvalidParameter
                                       : device->CreateBuffer(format, static_cast<std::uint32_t>(bytes), caps, buffer);
    if (result != platform::soundOk) {
        LogError("SampleManager::CreateSoundBuffer: %x\n", result);
        return nullptr;
    }
    platform::SoundRegions regions;
    result = buffer->Lock(0, buffer->GetSize(), regions);
    if (result != platform::soundOk) {
        LogError("SampleManager::Lock: %x\n", result);
        return nullptr;
    }
    // Copy what the data really holds; anything short of the buffer stays
    // silent.
    const std::size_t available = data.data != nullptr ? static_cast<std::size_t>(std::max(data.size, 0)) : 0;
    const std::size_t first = std::min<std::size_t>(available, regions.firstBytes);
    const std::size_t second = std::min<std::size_t>(available - first, regions.secondBytes);
    if (first > 0)
        std::memcpy(regions.first, data.data, first);
    std::memset(static_cast<std::uint8_t*>(regions.first) + first, 0, regions.firstBytes - first);
    if (regions.second != nullptr) {
        if (second > 0)
            std::memcpy(regions.second, data.data + first, second);
        std::memset(static_cast<std::uint8_t*>(regions.second) + second, 0, regions.secondBytes - second);
    }
    result = buffer->Unlock(regions);
    if (result != platform::soundOk)
        LogError("SampleManager::Unlock: %x\n", result);
    return buffer;
}

void SampleManager::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("Sample Manager", name);
    serializer.EndSection();
    // A loaded game starts its sounds afresh: fire-and-forget voices go,
    // the kept ones start again with new random variation.
    if (serializer.IsReading() && initialised)
        SoundEngine::GetInstance().RestartVoicesAfterLoad();
}
