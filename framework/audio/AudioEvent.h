#pragma once

#include "files/Object.h"

#include <string>

// The sound groups; each has a user volume, a mix preset and an enable
// factor in the sound engine.
enum SoundGroup : int {
    soundGroupMusic = 0,
    soundGroupEffects = 1,
    soundGroupSpeech = 2,
    soundGroupAmbient = 3,
};

inline constexpr int soundGroupCount = 4;

// How one named sound is played: which pooled sample, its volume and pitch
// with random variation, looping, distance attenuation and sound group. The
// event's name is the key under which the sound engine stores it.
class AudioEvent : public Object {
public:
    void Serialize(Serializer& serializer, const char* name) override;

    std::string sampleName; // pool name in the sample manager
    bool is3d = false;
    bool isLooping = false;
    float volume = 1.0f;
    float volumeVariation = 0.0f;
    float pitch = 1.0f; // factor on the sample's base frequency
    float pitchVariation = 0.0f;
    float priority = 0.5f;   // 0..1
    float minDistance = 0.0f; // world pixels; at least 1 once serialized
    float maxDistance = 20.0f;
    int soundGroup = soundGroupEffects;
};
