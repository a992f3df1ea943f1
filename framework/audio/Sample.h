#pragma once

#include "platform/SoundDevice.h"

#include <memory>
#include <string>

// One playable sound: a device buffer with its volume and frequency. A
// sample whose file could not be loaded (or made while sound is off) has
// no buffer; every operation on it does nothing and it never plays, so
// callers need no special case.
class Sample {
public:
    Sample(std::string name, std::string fileName, int flags, std::unique_ptr<platform::SoundBuffer> buffer);
    // Stops the buffer if it plays and releases it.
    virtual ~Sample();
    Sample(const Sample&) = delete;
    Sample& operator=(const Sample&) = delete;

    // Once, from the start.
    virtual void Play();
    // Stops and rewinds to the start.
    virtual void Stop();
    // Looping, from the start.
    virtual void PlayLooped();
    virtual bool IsPlaying();
    virtual void SetFrequency(int hertz);
    // Linear volume, 0..1; the device gets it as attenuation.
    virtual void SetVolume(float linear);
    virtual float GetFrequency();
    virtual float GetVolume();

    const std::string& GetName() const { return name; }
    const std::string& GetFileName() const { return fileName; }
    int GetFlags() const { return flags; }
    // The buffer's own rate in Hz, read at creation; 0 without buffer.
    float GetBaseFrequency() const { return baseFrequency; }
    platform::SoundBuffer* GetBuffer() const { return buffer.get(); }

    // The device attenuation, in hundredths of a decibel, for a linear volume.
    static std::int32_t VolumeToAttenuation(float linear);

private:
    // Stops, rewinds and starts the buffer, once or looping.
    void Start(bool looping);

protected:
    // Streaming samples release their buffer early when they close.
    void ReleaseBuffer();

    int flags;
    std::string name;
    std::string fileName;
    std::unique_ptr<platform::SoundBuffer> buffer;
    float baseFrequency = 0.0f;
    float volume = 1.0f;
    float frequency = 1.0f;
};
