#pragma once

#include "files/Object.h"

#include <cstdint>

class AudioEvent;
class Sample;

// One playing instance of an audio event. A voice only borrows a sample from
// the sample manager's pool while it is active and in range; the sound
// engine's update hands samples out and takes them back. Main thread only.
class Voice : public Object {
public:
    ~Voice() override;

    // Takes the event's settings and draws new random volume and pitch
    // factors.
    virtual void Init(AudioEvent* event);
    // Stops the held sample and lets it go.
    virtual void ReleaseSample();
    // Lets the sample go and draws new random factors, then starts again if
    // the voice was playing.
    virtual void Retrigger();
    // Attenuation by the distance to the nearest listener point.
    virtual void UpdateDistance(float dt);
    virtual void Start();
    virtual void Stop();
    virtual bool IsPlaying();
    virtual int GetTag();
    // The caller's linear volume, applied on top of the event and groups.
    virtual void SetVolume(float volume);
    // The caller's pitch factor, applied on top of the event's.
    virtual void SetPitch(float pitch);
    virtual float GetPitch();
    virtual float GetVolume();
    // Holds `sample` and plays it; null lets the held sample go when it is a
    // playing loop or when `force` is set (a one-shot plays to its end).
    virtual void SetSample(Sample* sample, bool force);
    virtual void SetPosition(int x, int y);

    // The number the sound engine gave this voice, never given twice in a
    // run (0 for a voice the engine did not make).
    std::uint64_t GetSerial() const { return serial; }
    void SetSerial(std::uint64_t number) { serial = number; }

    bool IsActive() const { return active; }
    AudioEvent* GetEvent() const { return event; }
    Sample* GetSample() const { return sample; }
    int GetCategory() const { return category; }
    int GetPriority() const { return priority; }
    float GetRandomVolume() const { return randomVolume; }
    float GetRandomPitch() const { return randomPitch; }
    float GetDistanceFactor() const { return distanceFactor; }

private:
    int priority = 0;
    bool active = false;
    int tag = 0;
    float randomVolume = 1.0f;
    float randomPitch = 1.0f;
    float volume = 1.0f;
    float pitch = 1.0f;
    float distanceFactor = 1.0f;
    AudioEvent* event = nullptr;
    int category = 1;
    Sample* sample = nullptr;
    int positionX = 0;
    int positionY = 0;
    std::uint64_t serial = 0;
};
