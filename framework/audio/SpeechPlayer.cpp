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
    if (HeldVoice() != nullptr) {
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
    Voice* voice = engine.PlayEvent(picked, false);
    if (voice == nullptr)
        return;
    voiceSerial = voice->GetSerial();
    if (voice->GetEvent() != nullptr)
        voice->GetEvent()->soundGroup = soundGroupSpeech;
    if (delay <= 0.0f)
        voice->Start();
}

Voice* SpeechPlayer::HeldVoice()
{
    Voice* voice = SoundEngine::GetInstance().FindVoice(voiceSerial);
    if (voice == nullptr)
        voiceSerial = 0; // the engine destroyed it with everything else
    return voice;
}

bool SpeechPlayer::IsSpeaking()
{
    Voice* voice = HeldVoice();
    if (voice == nullptr)
        return false;
    if (delay > 0.0f)
        return true;
    return voice->IsPlaying();
}

void SpeechPlayer::Stop()
{
    if (Voice* voice = HeldVoice()) {
        voice->Stop();
        SoundEngine::GetInstance().DestroyVoice(voice);
    }
    voiceSerial = 0;
    delay = 0.0f;
}

void SpeechPlayer::Update(float dt)
{
    Voice* voice = HeldVoice();
    if (voice != nullptr && delay <= 0.0f && !voice->IsPlaying()) {
        voice->Stop();
        SoundEngine::GetInstance().DestroyVoice(voice);
        voiceSerial = 0;
        voice = nullptr;
    }
    if (delay > 0.0f) {
        delay -= dt;
        if (delay <= 0.0f && voice != nullptr)
            voice->Start();
    }
}
