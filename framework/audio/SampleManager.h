#pragma once

#include "SampleData.h"
#include "app/Singleton.h"
#include "files/Object.h"
#include "platform/SoundDevice.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class Sample;
class SampleLoader;

// Owns the sound device, turns sound files into playable samples and keeps a
// pool of them under names, several instances per name so that one sound can
// overlap itself. Every decoded sound is made 16-bit mono at no more than
// 22,050 Hz before it reaches the device. Main thread only.
class SampleManager : public Object, public Singleton<SampleManager> {
public:
    SampleManager();
    ~SampleManager() override;

    // Creates the loaders and the sound device; false (with a log line) when
    // there is no sound device, and the game then runs silently.
    bool Init(platform::Window& window);
    // Releases the pool, the loaders and the device.
    void Shutdown();
    bool IsInitialised() const { return initialised; }

    // A new sample of the file; a sample without buffer when the file
    // cannot be loaded. With sampleStream in the flags a StreamingSample, or
    // null when no stream type opens the file. Null while sound is off. The
    // caller owns it.
    Sample* Load(const std::string& name, const std::string& fileName, int flags);
    // Loads the file and adds the sample to the pool under `name`; adding a
    // name again adds another instance.
    bool AddSample(const std::string& name, const std::string& fileName, int flags);
    bool HasSample(const std::string& name) const;
    // The first pooled instance of `name` that is not playing; when all
    // play, the first one, stopped. Null for an empty or unknown name.
    Sample* GetSample(const std::string& name);

    // Makes 16-bit data mono and halves rates above 22,100 Hz, in place.
    void Resample(SampleData& data);
    // A device buffer holding the data (silence when data.data is null).
    std::unique_ptr<platform::SoundBuffer> CreateSoundBuffer(const SampleData& data, int flags);

    void Serialize(Serializer& serializer, const char* name) override;

private:
    bool initialised = false;
    std::unique_ptr<platform::SoundDevice> device;
    std::vector<std::unique_ptr<SampleLoader>> loaders;
    std::multimap<std::string, std::unique_ptr<Sample>> pool;
};
