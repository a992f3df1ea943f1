#pragma once

#include "app/Singleton.h"

#include <cstdint>

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

    Voice* GetVoice() { return HeldVoice(); }

private:
    // The voice held here, or null; forgets one the engine destroyed.
    Voice* HeldVoice();

    // The sound engine's serial of the voice (a persistent one, which the
    // engine owns); 0 for none.
    std::uint64_t voiceSerial = 0;
    float delay = 0.0f;
};
