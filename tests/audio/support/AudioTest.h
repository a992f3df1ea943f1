#pragma once

#include "audio/AudioEvent.h"
#include "support/HeadlessTest.h"

#include <cstdint>
#include <filesystem>
#include <string>

class Sample;
namespace platform {
class HeadlessSoundDevice;
}

// Writes a file behind the game's back, so its folder listings are stale.
void PutFile(const std::filesystem::path& path, const std::string& bytes);

// A headless test with the log started, sound on, the sound engine enabled
// and the random numbers seeded.
class AudioTest : public HeadlessTest {
protected:
    void SetUp() override;
    // Starts the log and sound on the installed platform's sound device.
    void StartSound(platform::Window& window);

    // A 0.5 s, 22,050 Hz mono 16-bit WAV file under data/.
    static void WriteEffect(const std::string& pathUnderData);
    // Moves virtual time on and runs one engine frame.
    void Frame(std::uint32_t milliseconds);
    // The device attenuation of the sample's buffer, hundredths of a dB.
    static std::int32_t Attenuation(const Sample* sample);
    static std::uint32_t Frequency(const Sample* sample);
    std::string Log() const;
    // Adds a pooled 0.5 s effect and an event of it.
    static AudioEvent& AddEffectEvent(const std::string& eventName, int group = soundGroupEffects,
                                      bool looping = false);
};

// An audio test on the headless sound card, kept at hand for its output and
// its count of mixed frames.
class HeadlessSoundTest : public AudioTest {
protected:
    void SetUp() override;
    // The output frame at which a call made now takes effect.
    std::uint64_t Now();

    platform::HeadlessSoundDevice* device = nullptr;
};
