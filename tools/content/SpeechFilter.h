#pragma once

// What happens to espeak-ng's raw samples before they are encoded: the
// silence around the line is cut to a short pad, the character's colour is
// added (ring modulation, a nasal band, a short room), sharp 's' sounds are
// tamed, the buzzy top is softened, the ends fade so nothing clicks, and the
// peak is set to one level for every voice so that they sit together.

#include "VoicePreset.h"

#include <vector>

namespace content {

class SpeechFilter {
public:
    // Peak level of every finished line: -3 dBFS.
    static constexpr double peak = 0.70794578;
    static constexpr double fadeInSeconds = 0.010;
    static constexpr double fadeOutSeconds = 0.030;

    SpeechFilter(const VoicePreset& voice, int sampleRate);

    // Shapes `samples` (mono, -1 to 1) in place. A line without any sound
    // above the silence threshold comes back empty.
    void Apply(std::vector<float>& samples) const;

private:
    void TrimSilence(std::vector<float>& samples) const;
    void RingModulate(std::vector<float>& samples) const;
    void BoostNasalBand(std::vector<float>& samples) const;
    void TameSibilants(std::vector<float>& samples) const;
    void LowPass(std::vector<float>& samples) const;
    void AddRoom(std::vector<float>& samples) const;
    void FadeEnds(std::vector<float>& samples) const;
    static void Normalise(std::vector<float>& samples);

    const VoicePreset& preset;
    int rate;
};

} // namespace content
