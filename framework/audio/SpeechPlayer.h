#pragma once

#include "app/Singleton.h"

class Voice;

// Plays one of up to ten audio events, picked at random, after a delay: the
// minigames' remarks. The picked event is moved into the speech group. Main
// thread only; Update runs every frame after the sound engine's.
class SpeechPlayer : public Singleton<SpeechPlayer> {
public:
    ~SpeechPlayer();

    // False, with a warning, while a voice from before is still held.
    bool Init();
    // The first name always counts; each further non-null name adds one.
    void PlayRandom(float delay, const char* name1, const char* name2 = nullptr, const char* name3 = nullptr,
                    const char* name4 = nullptr, const char* name5 = nullptr, const char* name6 = nullptr,
                    const char* name7 = nullptr, const char* name8 = nullptr, const char* name9 = nullptr,
                    const char* name10 = nullptr);
    bool IsSpeaking();
    void Stop();
    void Update(float dt);

    Voice* GetVoice() { return HasVoice() ? voice : nullptr; }

private:
    // Whether a voice is held here; forgets one the engine destroyed.
    bool HasVoice();

    Voice* voice = nullptr; // a persistent voice of the sound engine
    float delay = 0.0f;
};
