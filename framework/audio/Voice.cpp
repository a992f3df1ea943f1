#include "Voice.h"

#include "AudioEvent.h"
#include "Randomizer.h"
#include "Sample.h"
#include "SoundEngine.h"

#include <cmath>

namespace {

// The highest rate a buffer takes; an absurd pitch from a settings file
// stays a number the device can hold.
constexpr double maximumFrequency = 200000.0;

} // namespace

Voice::~Voice() = default;

void Voice::Init(AudioEvent* audioEvent)
{
    event = audioEvent;
    if (event == nullptr)
        return;
    Randomizer& randomizer = Randomizer::GetInstance();
    // "Not above 0" rather than "below 0" so that NaN from a file ends at 0.
    randomVolume = event->volume + randomizer.NextFactor() * event->volumeVariation;
    if (!(randomVolume > 0.0f))
        randomVolume = 0.0f;
    else if (randomVolume > 1.0f)
        randomVolume = 1.0f;
    SetVolume(1.0f);
    randomPitch = event->pitch + randomizer.NextFactor() * event->pitchVariation;
    if (!(randomPitch > 0.0f))
        randomPitch = 0.0f;
    SetPitch(1.0f);
    priority = static_cast<int>(event->priority);
}

void Voice::ReleaseSample()
{
    SetSample(nullptr, true);
}

void Voice::Retrigger()
{
    const bool wasPlaying = IsPlaying();
    ReleaseSample();
    Init(event);
    if (wasPlaying)
        Start();
}

void Voice::UpdateDistance(float /*dt*/)
{
    double distance = 1e9;
    for (const ListenerPoint& listener : SoundEngine::GetInstance().GetListenerPoints()) {
        const double dx = static_cast<double>(positionX) - listener.x;
        const double dy = static_cast<double>(positionY) - listener.y;
        distance = std::min(distance, std::sqrt(dx * dx + dy * dy));
    }
    const bool is3d = event != nullptr && event->is3d;
    if (is3d)
        active = distance < event->maxDistance;
    if (sample == nullptr)
        return;
    distanceFactor = 1.0f;
    if (is3d && distance >= event->minDistance) {
        // Linear down to silence at the maximum; where the two distances
        // meet there is no slope, only in range or out.
        const double range = event->maxDistance - event->minDistance;
        distanceFactor = range > 0.0 ? static_cast<float>(1.0 - (distance - event->minDistance) / range) : 0.0f;
    }
    if (is3d)
        SetVolume(volume);
}

void Voice::Start()
{
    active = true;
    // A sample that has stopped (a loop stopped by Stop, a one-shot that has
    // ended) would stay held and silent; letting it go makes the next update
    // hand the voice a sample and play it again.
    if (sample != nullptr && !sample->IsPlaying())
        sample = nullptr;
    SetVolume(volume);
    SetPitch(pitch);
}

void Voice::Stop()
{
    active = false;
    if (sample != nullptr)
        sample->Stop();
}

bool Voice::IsPlaying()
{
    return sample != nullptr && sample->IsPlaying();
}

int Voice::GetTag()
{
    return tag;
}

void Voice::SetVolume(float newVolume)
{
    volume = newVolume;
    if (sample == nullptr || event == nullptr)
        return;
    const SoundEngine& engine = SoundEngine::GetInstance();
    const int group = event->soundGroup;
    float result = engine.GetGroupFactor(group) * randomVolume * engine.GetGroupMix(group) * volume;
    if (event->is3d)
        result *= distanceFactor;
    sample->SetVolume(result);
}

void Voice::SetPitch(float newPitch)
{
    pitch = newPitch;
    if (sample == nullptr)
        return;
    double hertz = static_cast<double>(sample->GetBaseFrequency()) * randomPitch * pitch;
    if (!(hertz > 0.0))
        hertz = 0.0;
    else if (hertz > maximumFrequency)
        hertz = maximumFrequency;
    sample->SetFrequency(static_cast<int>(hertz));
}

float Voice::GetPitch()
{
    return pitch;
}

float Voice::GetVolume()
{
    return volume;
}

void Voice::SetSample(Sample* newSample, bool force)
{
    if (newSample != nullptr) {
        sample = newSample;
        SetVolume(volume);
        SetPitch(pitch);
        if (!sample->IsPlaying()) {
            if (event != nullptr && event->isLooping) {
                sample->PlayLooped();
            } else {
                if (volume > 0.0f)
                    sample->Play();
                active = false; // a one-shot does not start again by itself
            }
            SetVolume(volume);
            SetPitch(pitch);
        }
        return;
    }
    if (sample == nullptr)
        return;
    const bool playingLoop = sample->IsPlaying() && event != nullptr && event->isLooping;
    if (playingLoop || force) {
        sample->Stop();
        sample = nullptr;
    }
}

void Voice::SetPosition(int x, int y)
{
    positionX = x;
    positionY = y;
}
