#pragma once

#include "Sample.h"
#include "SampleStream.h"

#include <atomic>
#include <cstdint>
#include <memory>

class SoundEngine;

namespace platform {
class PeriodicTimer;
}

// A sample fed continuously from a decoder: a one-second ring buffer on the
// device that a periodic timer tops up every 100 ms on its own thread. The
// sound engine creates and registers every stream (SoundEngine::CreateStream)
// so that the timer can ask whether a stream still exists.
//
// Ring buffer: the writer keeps between a quarter and a whole buffer ahead
// of the play cursor; it starts 8 bytes in, writes at most 40,000 bytes per
// refill in reads of up to 4,096 bytes, and writes silence once a one-shot
// stream has ended. The buffer always loops; a one-shot stops itself when the
// play cursor has passed the position of its last byte.
//
// Threads: all calls come from the main thread; the timer thread only
// refills, and stops a one-shot that has finished. The busy flag keeps two
// refills (or a refill and a rewind) of one stream apart; Stop and Close wait
// for a timer call that is running.
class StreamingSample : public Sample {
public:
    // Takes the opened stream and the (silent) one-second device buffer.
    StreamingSample(std::string name, std::string fileName, int flags, std::unique_ptr<SampleStream> stream,
                    std::unique_ptr<platform::SoundBuffer> buffer);
    ~StreamingSample() override;

    // Once; the stream stops by itself after its last byte has played.
    void Play() override;
    void Stop() override;
    // Looping; the stream starts again from the beginning of its file.
    void PlayLooped() override;
    void SetVolume(float linear) override;
    float GetVolume() override;
    // Stops and releases the device buffer and the decoder.
    virtual void Close();
    virtual void Rewind();

    // Stops the device buffer, or starts it again; the timer keeps running.
    void Pause(bool pause);
    // Where the device plays in the ring buffer, in bytes (0 without a
    // buffer): what has been heard moves it on, round the ring.
    std::uint32_t GetPlayPosition() const;
    // The ring's length, and how many of its bytes one second of sound
    // takes (both 0 without a buffer).
    std::uint32_t GetRingBytes() const;
    std::uint32_t GetBytesPerSecond() const;

    int GetSoundGroup() const { return soundGroup; }
    void SetSoundGroup(int group) { soundGroup = group; }

    // Tops the ring buffer up from the stream; true once a one-shot stream
    // has played its last byte.
    bool Refill();

    bool IsTimerInstalled() const { return timerInstalled; }

    // The number the sound engine gave this stream, never given twice in a
    // run (0 for a stream the engine did not make).
    std::uint64_t GetSerial() const { return serial; }
    void SetSerial(std::uint64_t number) { serial = number; }

private:
    // Play and PlayLooped.
    void StartPlayback(bool stopAtTheEnd);
    void StartTimer();
    // Stops the timer if this thread is the one to find it installed.
    void StopTimer();
    void OnTimer(SoundEngine& engine);

    std::unique_ptr<SampleStream> stream;
    int soundGroup = 0;
    std::uint32_t ringSize = 0;
    std::atomic<std::uint32_t> busy{0};
    std::unique_ptr<platform::PeriodicTimer> timer;
    std::atomic<bool> timerInstalled{false};
    std::uint32_t writePosition = 0;
    bool stopAtEnd = false;
    float streamVolume = 1.0f;
    bool ended = false;
    std::uint32_t endPosition = 0;
    std::uint64_t serial = 0;
};
