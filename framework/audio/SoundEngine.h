#pragma once

// The sound engine: game code plays sounds only by audio event name.
//
//   - PlayEvent (or FindAudioEvent + CreateVoice) gives a Voice; the caller
//     Start()s it. A temporary voice is the engine's and disappears in the
//     first Update after its one-shot sample has ended; a persistent voice
//     is its creator's, who destroys it with DestroyVoice.
//   - Update, once per frame, lends active voices a sample from the sample
//     manager's pool and takes it back from inactive ones, so a voice costs
//     no sound buffer while it is silent or out of range.
//   - The four sound groups (SoundGroup) each have a user volume, a mix
//     preset and an enable factor; UpdateVolumes pushes them to every voice
//     and stream after a change.
//   - While the engine is disabled (no sound device) every call is accepted
//     and nothing sounds.
//   - Every voice and stream the engine makes gets a serial number that is
//     never given twice in a run (not even by a later engine). Whoever keeps one across frames keeps its
//     serial and finds it again with FindVoice or FindStream: DestroyAll may
//     have taken it, and a new one may then sit at its old address, but
//     never under its serial.
//
// Threads: everything runs on the main thread, except that a stream's
// refill timer asks IsStreamValid from its own thread. The stream list is
// guarded for that; DestroyStream takes the stream out of the list before it
// stops it, and stopping waits for a refill that is running.

#include "AudioEvent.h"
#include "app/Singleton.h"
#include "files/Object.h"

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class StreamingSample;
class Voice;

struct ListenerPoint {
    int x = 0;
    int y = 0;
};

class SoundEngine : public Object, public Singleton<SoundEngine> {
public:
    SoundEngine();
    ~SoundEngine() override;

    void SetEnabled(bool enable) { enabled = enable; }
    bool IsEnabled() const { return enabled; }

    // Stores a copy of `event` under `name`; an existing name is kept.
    void AddAudioEvent(const std::string& name, const AudioEvent& event);
    AudioEvent* FindAudioEvent(const std::string& name);

    // A new voice of `event`. Disabled: null for a temporary request, else a
    // voice that never sounds.
    Voice* CreateVoice(AudioEvent* event, bool temporary);
    // The voice of the named event; an unknown name is logged once and
    // gives silent voices from then on.
    Voice* PlayEvent(const std::string& name, bool temporary);
    void DestroyVoice(Voice* voice);

    // A new stream of the file, registered and owned by the engine; the
    // caller sets its group and volume and starts it. Null while disabled.
    StreamingSample* CreateStream(const std::string& fileName);
    void DestroyStream(StreamingSample* stream);
    // Whether the stream is registered. Any thread.
    bool IsStreamValid(const StreamingSample* stream);
    // The voice or stream of that serial while the engine holds it, else
    // null (always for serial 0).
    Voice* FindVoice(std::uint64_t serial) const;
    StreamingSample* FindStream(std::uint64_t serial);

    void Update(float dt);
    // Every voice and stream takes the group volumes again.
    void UpdateVolumes();
    void StopAll();
    void StopEffectsAndSpeech();
    // Destroys every voice and stream and forgets the events.
    void DestroyAll();
    // Pushes every volume to the device once more (after the display came
    // back, where the device may have lost them).
    void RefreshVolumes();
    void SetAdventureMix();
    void SetMinigameMix();

    // The sound device is going away: voices let their pooled samples go and
    // streams, whose buffers are the device's, are destroyed (silently).
    void ReleaseDevice();

    // After a savegame has been read: temporary voices go, persistent ones
    // start over with new random factors.
    void RestartVoicesAfterLoad();

    void Serialize(Serializer& serializer, const char* name) override;
    void SerializeState(Serializer& serializer, const char* name) override;

    // Points the 3D events are heard from; empty, no 3D event sounds.
    void SetListenerPoints(std::vector<ListenerPoint> points) { listenerPoints = std::move(points); }
    const std::vector<ListenerPoint>& GetListenerPoints() const { return listenerPoints; }

    // The group maps; a group outside 0..3 reads as muted and mix 0.
    void SetGroupVolume(int group, float volume) { groupVolume[group] = volume; }
    void SetGroupMix(int group, float mix) { groupMix[group] = mix; }
    void SetGroupEnable(int group, float enable) { groupEnable[group] = enable; }
    float GetGroupVolume(int group) const;
    float GetGroupMix(int group) const;
    // 0 when the group is disabled, else its user volume.
    float GetGroupFactor(int group) const;

    const std::list<std::unique_ptr<Voice>>& GetPersistentVoices() const { return persistentVoices; }
    const std::list<std::unique_ptr<Voice>>& GetTemporaryVoices() const { return temporaryVoices; }
    const std::list<std::unique_ptr<Voice>>& GetCleanupVoices() const { return cleanupVoices; }
    std::size_t GetStreamCount();

private:
    void UpdateVoice(Voice& voice, float dt);

    bool enabled = false;
    std::list<std::unique_ptr<Voice>> persistentVoices;
    std::list<std::unique_ptr<Voice>> temporaryVoices;
    std::list<std::unique_ptr<Voice>> cleanupVoices;
    std::map<std::string, AudioEvent> audioEvents;
    std::vector<ListenerPoint> listenerPoints;
    std::map<int, float> groupVolume;
    std::map<int, float> groupMix;
    std::map<int, float> groupEnable;

    // Shared with the refill timer's thread, under streamMutex.
    std::mutex streamMutex;
    std::list<std::unique_ptr<StreamingSample>> streams;
};
