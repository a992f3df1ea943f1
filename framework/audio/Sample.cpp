#include "Sample.h"

#include "SampleManager.h"

#include <algorithm>
#include <cmath>

namespace {

bool SoundIsOn()
{
    return SampleManager::Exists() && SampleManager::GetInstance().IsInitialised();
}

} // namespace

Sample::Sample(std::string sampleName, std::string sampleFileName, int sampleFlags,
               std::unique_ptr<platform::SoundBuffer> soundBuffer)
    : flags(sampleFlags), name(std::move(sampleName)), fileName(std::move(sampleFileName)), buffer(std::move(soundBuffer))
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
    Start(false);
}

void Sample::Start(bool looping)
{
    if (buffer == nullptr || !SoundIsOn())
        return;
    if (IsPlaying())
        buffer->Stop();
    buffer->SetCurrentPosition(0);
    buffer->Play(looping);
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
    Start(true);
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
    // 0 (and below) plays the buffer at its own rate, as on the card.
    if (buffer != nullptr)
        buffer->SetFrequency(static_cast<std::uint32_t>(std::max(hertz, 0)));
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
    double scaled = static_cast<double>(linear) * 100000.0;
    if (!(scaled >= 1.0)) // also NaN
        scaled = 1.0;
    const auto attenuation = static_cast<std::int32_t>(std::trunc(2000.0 * std::log10(std::min(scaled, 100000.0)) - 10000.0));
    return std::clamp(attenuation, platform::soundVolumeMin, platform::soundVolumeMax);
}
