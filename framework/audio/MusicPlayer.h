#pragma once

#include "app/Singleton.h"

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

    StreamingSample* GetStream() { return HasStream() ? stream : nullptr; }
    float GetCycleVolume() const { return cycleVolume; }
    float GetFadeVolume() const { return fadeVolume; }
    float GetCountdown() const { return countdown; }

private:
    enum class Mode { fadingInOrPlaying = 0, fadingOutOrSilent = 1 };
    enum class Fade { none = 0, in = 1, out = 2 };

    // Whether a stream is playing here; forgets one the engine destroyed.
    bool HasStream();
    // Sets the stream to the product of the two volumes.
    void ApplyVolume(float volume);

    StreamingSample* stream = nullptr; // owned by the sound engine
    Mode mode = Mode::fadingInOrPlaying;
    Fade fade = Fade::none;
    float countdown = 0.0f;
    float cycleVolume = 0.0f;
    float fadeVolume = 1.0f;
};
