#include "levels/SpokenLine.h"

#include "SoundArt.h"
#include "SpeechSynth.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace content::levels {

namespace {

// A voice that keeps its level until its release.
constexpr double held = 1.0e9;
// Where a line starts in its sound: a breath of silence before it, and
// the fade after it.
constexpr double lineStart = 0.03;
constexpr double lineEnd = 0.05;

} // namespace

static_assert(SpeechSynth::rate == soundRate, "spoken lines are mixed into the sounds as they are");

std::vector<float> SpokenLine(const char* element, const char* text, double longest)
{
    static const SpeechSynth synth = [] {
        PronunciationList words;
        std::string error;
        if (!words.Load(PronunciationListPath(), error))
            std::fprintf(stderr, "zephyra-content: %s\n", error.c_str());
        return SpeechSynth(std::move(words));
    }();
    const VoicePreset* found = FindVoicePreset(element);
    if (found == nullptr) {
        std::fprintf(stderr, "zephyra-content: %s's line \"%s\": no voice\n", element, text);
        return {};
    }
    VoicePreset preset = *found;
    std::vector<float> samples;
    std::string error;
    // espeak-ng's pauses do not shrink with the pace, so a line may need a
    // second push; three are plenty for lines of a few words.
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (!synth.Speak(preset, text, samples, error)) {
            std::fprintf(stderr, "zephyra-content: %s's line \"%s\": %s\n", element, text, error.c_str());
            return {};
        }
        const double seconds = static_cast<double>(samples.size()) / soundRate;
        if (longest <= 0.0 || seconds <= longest)
            return samples;
        preset.wordsPerMinute = static_cast<int>(std::ceil(preset.wordsPerMinute * seconds / longest * 1.03));
    }
    std::fprintf(stderr, "zephyra-content: %s's line \"%s\" lasts longer than %.2f s\n", element, text, longest);
    return {};
}

Sound SpokenSound(const char* element, const char* text, double longest)
{
    const std::vector<float> line = SpokenLine(element, text, longest - lineStart - lineEnd - 0.01);
    Sound sound(lineStart + static_cast<double>(line.size()) / soundRate + lineEnd);
    sound.Recording(lineStart, line, 1.0, {0.01, held, 0.04});
    return sound;
}

} // namespace content::levels
