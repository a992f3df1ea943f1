#include "SoundEngine.h"

#include "SampleManager.h"
#include "StreamingSample.h"
#include "Voice.h"
#include "app/Debug.h"
#include "files/Serializer.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// The pool name every stream is loaded under; streams are never pooled.
constexpr const char* streamPoolName = "_music_";

// RefreshVolumes dips each group to this before restoring it.
constexpr float refreshDipVolume = 0.03f;

// Serial numbers count on across engines, so that a player that outlives
// one engine cannot find its old serial in the next.
std::uint64_t NextSerial()
{
    static std::uint64_t lastSerial = 0;
    return ++lastSerial;
}

float Lookup(const std::map<int, float>& map, int group)
{
    const auto found = map.find(group);
    return found != map.end() ? found->second : 0.0f;
}

} // namespace

SoundEngine::SoundEngine()
{
    for (int group = 0; group < soundGroupCount; ++group) {
        groupVolume[group] = 1.0f;
        groupMix[group] = 1.0f;
        groupEnable[group] = 1.0f;
    }
}

SoundEngine::~SoundEngine()
{
    // Streams first: their timers must be gone before anything else goes.
    while (!streams.empty())
        DestroyStream(streams.front().get());
}

float SoundEngine::GetGroupVolume(int group) const
{
    return Lookup(groupVolume, group);
}

float SoundEngine::GetGroupMix(int group) const
{
    return Lookup(groupMix, group);
}

float SoundEngine::GetGroupFactor(int group) const
{
    return Lookup(groupEnable, group) == 0.0f ? 0.0f : Lookup(groupVolume, group);
}

void SoundEngine::AddAudioEvent(const std::string& name, const AudioEvent& event)
{
    if (!enabled)
        return;
    if (!audioEvents.try_emplace(name, event).second)
        LogWarning("SoundEngine::AddAudioEvent failed because there is already a audio-event <%s>!\n", name.c_str());
}

AudioEvent* SoundEngine::FindAudioEvent(const std::string& name)
{
    if (!enabled)
        return nullptr;
    const auto found = audioEvents.find(name);
    return found != audioEvents.end() ? &found->second : nullptr;
}

Voice* SoundEngine::CreateVoice(AudioEvent* event, bool temporary)
{
    if (!enabled && temporary)
        return nullptr;
    auto voice = std::make_unique<Voice>();
    voice->SetSerial(NextSerial());
    if (!enabled)
        return cleanupVoices.emplace_back(std::move(voice)).get();
    voice->Init(event);
    auto& list = temporary ? temporaryVoices : persistentVoices;
    return list.emplace_back(std::move(voice)).get();
}

Voice* SoundEngine::PlayEvent(const std::string& name, bool temporary)
{
    if (!enabled)
        return CreateVoice(nullptr, temporary);
    AudioEvent* event = FindAudioEvent(name);
    if (event == nullptr) {
        LogPrint("AudioEvent %s not found\n", name.c_str());
        event = &audioEvents.try_emplace(name).first->second;
    }
    return CreateVoice(event, temporary);
}

void SoundEngine::DestroyVoice(Voice* voice)
{
    if (voice == nullptr)
        return;
    for (auto* list : {&persistentVoices, &temporaryVoices, &cleanupVoices}) {
        const auto found =
            std::find_if(list->begin(), list->end(), [voice](const auto& held) { return held.get() == voice; });
        if (found != list->end()) {
            voice->ReleaseSample();
            list->erase(found);
            return;
        }
    }
}

StreamingSample* SoundEngine::CreateStream(const std::string& fileName)
{
    if (!enabled)
        return nullptr;
    Sample* sample = SampleManager::GetInstance().Load(streamPoolName, fileName, streamSampleFlags);
    auto* stream = dynamic_cast<StreamingSample*>(sample);
    if (stream == nullptr) {
        // The file could not be opened as a stream: the manager logged it
        // and handed back a plain silent sample, which is no stream.
        delete sample;
        return nullptr;
    }
    stream->SetSerial(NextSerial());
    const std::lock_guard lock(streamMutex);
    streams.emplace_back(stream);
    return stream;
}

void SoundEngine::DestroyStream(StreamingSample* stream)
{
    std::unique_ptr<StreamingSample> doomed;
    {
        const std::lock_guard lock(streamMutex);
        const auto found =
            std::find_if(streams.begin(), streams.end(), [stream](const auto& held) { return held.get() == stream; });
        if (found == streams.end())
            return; // not ours, or destroyed already
        doomed = std::move(*found);
        streams.erase(found);
    }
    // Out of the list, the timer's next call does nothing; stopping and
    // closing wait for a refill that is already running.
    if (doomed->IsPlaying())
        doomed->Stop();
    doomed->Close();
}

bool SoundEngine::IsStreamValid(const StreamingSample* stream)
{
    // By address: the timer asks for its own stream, which is alive.
    bool valid = false;
    {
        const std::lock_guard lock(streamMutex);
        valid = std::any_of(streams.begin(), streams.end(), [stream](const auto& held) { return held.get() == stream; });
    }
    if (!valid) {
        LogPrint("SoundEngine::IsStreamValid stream %x not valid\n",
                 static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(stream)));
    }
    return valid;
}

Voice* SoundEngine::FindVoice(std::uint64_t serial) const
{
    if (serial == 0)
        return nullptr;
    for (const auto* list : {&persistentVoices, &temporaryVoices, &cleanupVoices})
        for (const std::unique_ptr<Voice>& voice : *list)
            if (voice->GetSerial() == serial)
                return voice.get();
    return nullptr;
}

StreamingSample* SoundEngine::FindStream(std::uint64_t serial)
{
    if (serial == 0)
        return nullptr;
    const std::lock_guard lock(streamMutex);
    for (const std::unique_ptr<StreamingSample>& stream : streams)
        if (stream->GetSerial() == serial)
            return stream.get();
    return nullptr;
}

void SoundEngine::ReleaseDevice()
{
    for (auto* voices : {&persistentVoices, &temporaryVoices, &cleanupVoices})
        for (const std::unique_ptr<Voice>& voice : *voices)
            voice->ReleaseSample();
    while (GetStreamCount() > 0)
        DestroyStream(streams.front().get());
}

std::size_t SoundEngine::GetStreamCount()
{
    const std::lock_guard lock(streamMutex);
    return streams.size();
}

void SoundEngine::UpdateVoice(Voice& voice, float dt)
{
    voice.UpdateDistance(dt);
    if (!voice.IsActive())
        voice.SetSample(nullptr, false);
    else if (voice.GetSample() == nullptr && voice.GetEvent() != nullptr)
        voice.SetSample(SampleManager::GetInstance().GetSample(voice.GetEvent()->sampleName), false);
}

void SoundEngine::Update(float dt)
{
    if (!enabled)
        return;
    for (const auto& voice : persistentVoices) {
        UpdateVoice(*voice, dt);
    }
    for (auto it = temporaryVoices.begin(); it != temporaryVoices.end();) {
        Voice& voice = **it;
        UpdateVoice(voice, dt);
        Sample* sample = voice.GetSample();
        const bool ended = sample != nullptr && !sample->IsPlaying();
        const bool neverPlays = sample == nullptr && (voice.GetEvent() == nullptr || !voice.GetEvent()->isLooping);
        if (ended || neverPlays) {
            voice.ReleaseSample();
            it = temporaryVoices.erase(it);
        } else {
            ++it;
        }
    }
}

void SoundEngine::UpdateVolumes()
{
    for (auto* list : {&persistentVoices, &temporaryVoices, &cleanupVoices})
        for (const auto& voice : *list)
            voice->SetVolume(voice->GetVolume());
    for (const auto& stream : streams)
        stream->SetVolume(stream->GetVolume());
}

void SoundEngine::StopAll()
{
    if (!enabled)
        return;
    for (auto* list : {&persistentVoices, &temporaryVoices, &cleanupVoices})
        for (const auto& voice : *list)
            voice->Stop();
    for (const auto& stream : streams)
        stream->Stop();
}

void SoundEngine::StopEffectsAndSpeech()
{
    if (!enabled)
        return;
    const auto effectsOrSpeech = [](int group) { return group == soundGroupEffects || group == soundGroupSpeech; };
    for (auto* list : {&persistentVoices, &temporaryVoices, &cleanupVoices})
        for (const auto& voice : *list)
            if (effectsOrSpeech(voice->GetCategory()))
                voice->Stop();
    for (const auto& stream : streams)
        if (effectsOrSpeech(stream->GetSoundGroup()))
            stream->Stop();
}

void SoundEngine::DestroyAll()
{
    LogPrint("  destroy voices\n");
    for (int number = 0; !persistentVoices.empty(); ++number) {
        LogPrint("destroy voice: %d\n", number);
        DestroyVoice(persistentVoices.front().get());
    }
    LogPrint("  destroy temporary voices\n");
    while (!temporaryVoices.empty())
        DestroyVoice(temporaryVoices.front().get());
    LogPrint("  destroy cleanup voices\n");
    while (!cleanupVoices.empty())
        DestroyVoice(cleanupVoices.front().get());
    LogPrint("  destroy stream\n");
    while (GetStreamCount() > 0)
        DestroyStream(streams.front().get());
    audioEvents.clear();
}

void SoundEngine::RefreshVolumes()
{
    std::array<float, soundGroupCount> previous{};
    for (int group = 0; group < soundGroupCount; ++group) {
        previous[group] = groupVolume[group];
        groupVolume[group] = refreshDipVolume;
        UpdateVolumes();
    }
    for (int group = 0; group < soundGroupCount; ++group) {
        groupVolume[group] = previous[group];
        UpdateVolumes();
    }
}

void SoundEngine::SetAdventureMix()
{
    groupMix[soundGroupSpeech] = 0.7f;
    groupMix[soundGroupMusic] = 0.35f;
    groupMix[soundGroupEffects] = 0.9f;
    UpdateVolumes();
}

void SoundEngine::SetMinigameMix()
{
    groupMix[soundGroupSpeech] = 0.7f;
    groupMix[soundGroupMusic] = 1.0f;
    groupMix[soundGroupEffects] = 0.9f;
    UpdateVolumes();
}

void SoundEngine::RestartVoicesAfterLoad()
{
    while (!temporaryVoices.empty())
        DestroyVoice(temporaryVoices.front().get());
    for (const auto& voice : persistentVoices)
        voice->Retrigger();
}

void SoundEngine::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("SoundEngine", name);
    serializer.BeginSection("AudioEvents", name);
    for (auto& [eventName, event] : audioEvents) {
        serializer.SetHint("popup", "");
        serializer.SerializeObject(eventName.c_str(), &event);
    }
    serializer.EndSection();
    serializer.EndSection();
    if (serializer.IsReading())
        UpdateVolumes();
}

void SoundEngine::SerializeState(Serializer& serializer, const char* name)
{
    serializer.BeginSection("SoundEngine", name);
    serializer.EndSection();
}
