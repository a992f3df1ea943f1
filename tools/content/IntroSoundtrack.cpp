#include "IntroSoundtrack.h"

#include "IntroMovie.h"
#include "MusicArt.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace content::intro {

namespace {

static_assert(soundtrackRate == musicRate && soundtrackRate == 2 * SpeechSynth::rate,
              "the speech is doubled to the music's rate");

// Timed to the shots: the narrator opens, the twins quarrel on the bridge
// before Lotte presses the button, the crack lands on the music's crash
// near "Sprung", Juna shouts in the storm, and the narrator names the
// episode under the title.
constexpr std::array<NarrationLine, 9> lines = {{
    {"Narrator", "Irgendwo zwischen den Sternen fliegt der Astrokutter Zephyra in die Ferien.", 0.8, 0.5},
    {"Narrator", "An Bord: Juna und die Zwillinge Lotte und Mia.", 7.8, 0.5},
    {"Lotte", "Was macht denn dieser Knopf?", 11.7, 0.4},
    {"Mia", "Lotte, nicht!", 13.8, 0.65},
    {"Narrator", "Ein Knopf zu viel, und der Hyperkristall bekommt einen Sprung.", 17.0, 0.5},
    {"Player", "Festhalten! Ich muss notlanden!", 22.6, 0.5},
    {"Narrator", "Zum Glück liegt direkt vor ihnen Wakalua, der Ferienplanet."_w1252, 29.4, 0.5},
    {"Narrator", "Die Landung ist nicht ganz sanft. Aber wenigstens ist der Strand schön."_w1252, 38.2, 0.5},
    {"Narrator", "Astrokutter Zephyra. Folge eins: Notlandung.", 44.2, 0.5},
}};

// The music's level between lines and under them (16 dB lower), and how
// quickly it goes down before a line and comes back after it. The voices
// are raised a little over their own -3 dBFS peak; where a voice and the
// music together would pass the track's peak, the whole track is lowered.
constexpr double musicLevel = 0.62;
constexpr double duckedLevel = 0.1;
constexpr double speechLevel = 1.2;
constexpr double duckDownSeconds = 0.3;
constexpr double duckUpSeconds = 0.7;
constexpr double fadeInSeconds = 0.05;
constexpr double fadeOutSeconds = 2.0;
constexpr double peak = musicPeak;

long MovieFrames()
{
    return static_cast<long>(std::lround(MovieSeconds() * soundtrackRate));
}

// Speech at 22,050 Hz doubled to 44,100 Hz: every sample, then the mean of
// it and the next. The voices are low-passed well below the old Nyquist
// limit, so the straight line between samples adds no audible images.
std::vector<float> Doubled(const std::vector<float>& samples)
{
    std::vector<float> doubled(samples.size() * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const float next = i + 1 < samples.size() ? samples[i + 1] : 0.0f;
        doubled[i * 2] = samples[i];
        doubled[i * 2 + 1] = 0.5f * (samples[i] + next);
    }
    return doubled;
}

double SmoothStep(double amount)
{
    const double t = std::clamp(amount, 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// How loud the music plays at `frame`: `musicLevel` between lines,
// `duckedLevel` under them.
double MusicGain(const SoundtrackParts& parts, long frame)
{
    // Under a line the music is down; it fades down in the `duckDown`
    // before the line and up in the `duckUp` after it.
    double duck = 0.0;
    const double seconds = static_cast<double>(frame) / soundtrackRate;
    for (const SoundtrackParts::Line& line : parts.lines) {
        const double start = static_cast<double>(line.startFrame) / soundtrackRate;
        const double end = start + static_cast<double>(line.samples.size()) / soundtrackRate;
        if (seconds < start - duckDownSeconds || seconds > end + duckUpSeconds)
            continue;
        const double down = SmoothStep((seconds - (start - duckDownSeconds)) / duckDownSeconds);
        const double up = 1.0 - SmoothStep((seconds - end) / duckUpSeconds);
        duck = std::max(duck, std::min(down, up));
    }
    return musicLevel + (duckedLevel - musicLevel) * duck;
}

} // namespace

std::span<const NarrationLine> Narration()
{
    return lines;
}

bool MakeSoundtrackParts(const SpeechSynth& speech, SoundtrackParts& parts, std::string& error)
{
    const std::string scorePath = std::string(ZEPHYRA_MUSIC_DIR) + "/Intro.txt";
    Score score;
    if (!LoadScore(scorePath, score, error))
        return false;
    if (ScoreFrames(score) != MovieFrames()) {
        error = scorePath + " lasts " + std::to_string(ScoreFrames(score) / static_cast<double>(musicRate)) +
                " s, the movie " + std::to_string(MovieSeconds()) + " s";
        return false;
    }
    if (!RenderScoreOnce(score, generalMidiSoundFont, peak, parts.music, error)) {
        error = scorePath + ": " + error;
        return false;
    }
    parts.lines.clear();
    for (const NarrationLine& line : lines) {
        const VoicePreset* preset = FindVoicePreset(line.speaker);
        if (preset == nullptr) {
            error = std::string("no voice preset ") + line.speaker;
            return false;
        }
        std::vector<float> samples;
        if (!speech.Speak(*preset, line.text, samples, error))
            return false;
        parts.lines.push_back({std::lround(line.start * soundtrackRate), Doubled(samples), line.pan});
    }
    return true;
}

std::vector<std::int16_t> MixSoundtrack(const SoundtrackParts& parts)
{
    const auto frames = static_cast<std::size_t>(MovieFrames());
    std::vector<double> mix(frames * 2, 0.0);
    for (std::size_t frame = 0; frame < frames && frame * 2 + 1 < parts.music.size(); ++frame) {
        const double gain = MusicGain(parts, static_cast<long>(frame));
        mix[frame * 2] = parts.music[frame * 2] * gain;
        mix[frame * 2 + 1] = parts.music[frame * 2 + 1] * gain;
    }
    for (const SoundtrackParts::Line& line : parts.lines) {
        const double left = speechLevel * std::min(1.0, 2.0 * (1.0 - line.pan));
        const double right = speechLevel * std::min(1.0, 2.0 * line.pan);
        for (std::size_t i = 0; i < line.samples.size(); ++i) {
            const std::size_t frame = static_cast<std::size_t>(line.startFrame) + i;
            if (frame >= frames)
                break;
            mix[frame * 2] += line.samples[i] * left;
            mix[frame * 2 + 1] += line.samples[i] * right;
        }
    }
    // Fades at both ends, then the loudest sample down to the peak if the
    // voices took it over.
    const double fadeIn = fadeInSeconds * soundtrackRate;
    const double fadeOut = fadeOutSeconds * soundtrackRate;
    double loudest = 0.0;
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const double fromEnd = static_cast<double>(frames - 1 - frame);
        const double gain = SmoothStep(static_cast<double>(frame) / fadeIn) * SmoothStep(fromEnd / fadeOut);
        for (std::size_t channel = 0; channel < 2; ++channel) {
            mix[frame * 2 + channel] *= gain;
            loudest = std::max(loudest, std::abs(mix[frame * 2 + channel]));
        }
    }
    const double scale = 32767.0 * (loudest > peak ? peak / loudest : 1.0);
    std::vector<std::int16_t> pcm(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(std::clamp(std::lround(mix[i] * scale), -32768L, 32767L));
    return pcm;
}

bool MakeSoundtrack(const SpeechSynth& speech, std::vector<std::int16_t>& interleaved, std::string& error)
{
    SoundtrackParts parts;
    if (!MakeSoundtrackParts(speech, parts, error))
        return false;
    interleaved = MixSoundtrack(parts);
    return true;
}

} // namespace content::intro
