#include "SpeechPlayer.h"

#include "AudioEvent.h"
#include "Randomizer.h"
#include "SoundEngine.h"
#include "Voice.h"
#include "app/Debug.h"

#include <array>

SpeechPlayer::~SpeechPlayer()
{
    // At exit the engine may have gone first; it destroyed the voice then.
    if (SoundEngine::Exists())
        Stop();
}

bool SpeechPlayer::Init()
{
    if (HasVoice()) {
        LogWarning("SpeechPlayer::Init: Voice not NULL on init!\n");
        return false;
    }
    return true;
}

void SpeechPlayer::PlayRandom(float startDelay, const char* name1, const char* name2, const char* name3,
                              const char* name4, const char* name5, const char* name6, const char* name7,
                              const char* name8, const char* name9, const char* name10)
{
    SoundEngine& engine = SoundEngine::GetInstance();
    if (!engine.IsEnabled())
        return;
    Stop();
    if (name1 == nullptr)
        return;
    const std::array<const char*, 10> names = {name1, name2, name3, name4, name5,
                                               name6, name7, name8, name9, name10};
    // The first name always counts; a null among the others is skipped.
    std::array<const char*, 10> candidates{};
    int count = 0;
    for (const char* name : names)
        if (name != nullptr)
            candidates[count++] = name;
    const char* picked = candidates[Randomizer::GetInstance().Next() % count];
    delay = startDelay;
    voice = engine.PlayEvent(picked, false);
    if (voice == nullptr)
        return;
    if (voice->GetEvent() != nullptr)
        voice->GetEvent()->soundGroup = soundGroupSpeech;
    if (delay <= 0.0f)
        voice->Start();
}

bool SpeechPlayer::HasVoice()
{
    if (voice != nullptr && !SoundEngine::GetInstance().HoldsVoice(voice))
        voice = nullptr; // the engine destroyed it with everything else
    return voice != nullptr;
}

bool SpeechPlayer::IsSpeaking()
{
    if (!HasVoice())
        return false;
    if (delay > 0.0f)
        return true;
    return voice->IsPlaying();
}

void SpeechPlayer::Stop()
{
    if (HasVoice()) {
        voice->Stop();
        SoundEngine::GetInstance().DestroyVoice(voice);
        voice = nullptr;
    }
    delay = 0.0f;
}

void SpeechPlayer::Update(float dt)
{
    if (HasVoice() && delay <= 0.0f && !voice->IsPlaying()) {
        voice->Stop();
        SoundEngine::GetInstance().DestroyVoice(voice);
        voice = nullptr;
    }
    if (delay > 0.0f) {
        delay -= dt;
        if (delay <= 0.0f && voice != nullptr)
            voice->Start();
    }
}
