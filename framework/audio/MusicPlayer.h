#pragma once

#include "app/Singleton.h"

#include <cstdint>
#include <string>

class StreamingSample;

// One background track in a cycle: it fades in over 10 s, plays for 3 to 5
// minutes, fades out over 10 s, rests for 1 to 3 minutes and starts again
// from its beginning. FadeIn and FadeOut lay a second, faster fade (2 s) on
// top. Main thread only; Update runs every frame after the sound engine's.
class MusicPlayer : public Singleton<MusicPlayer> {
public:
    ~MusicPlayer();

    void Play(const std::string& fileName);
    void Stop();
    void FadeIn();
    void FadeOut();
    void Update(float dt);

    StreamingSample* GetStream() { return HeldStream(); }
    float GetCycleVolume() const { return cycleVolume; }
    float GetFadeVolume() const { return fadeVolume; }
    float GetCountdown() const { return countdown; }

private:
    enum class Mode { fadingInOrPlaying = 0, fadingOutOrSilent = 1 };
    enum class Fade { none = 0, in = 1, out = 2 };

    // The stream playing here, or null; forgets one the engine destroyed.
    StreamingSample* HeldStream();

    // The sound engine's serial of the stream (which the engine owns); 0
    // for none.
    std::uint64_t streamSerial = 0;
    Mode mode = Mode::fadingInOrPlaying;
    Fade fade = Fade::none;
    float countdown = 0.0f;
    float cycleVolume = 0.0f;
    float fadeVolume = 1.0f;
};
