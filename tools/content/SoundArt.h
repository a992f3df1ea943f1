#pragma once

// Sound effects synthesised from oscillators, noise and envelopes, written
// as 16-bit mono WAV files at 22,050 Hz (the rate the game plays at).
//
// A sound is the sum of its voices (tones and noise), each shaped by an
// envelope that rises from silence and falls back to silence at the voice's
// end, so that no voice starts or stops with a click. The sum is scaled to
// a common peak lowered by the sound's own level, so that it never clips.
// Noise comes from a fixed generator: the same sound always gives the same
// bytes.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <span>
#include <string>
#include <vector>

namespace content {

constexpr int soundRate = 22050;
// The common peak of the sounds, of full scale.
constexpr double soundPeak = 0.8;

// Noise from a fixed generator, so that the same sound always gives the
// same bytes: white, or through a one-pole low-pass.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : state(seed) {}
    double White()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<double>(state) / 2147483648.0 - 1.0;
    }
    double LowPass(double cutoffHz)
    {
        const double k = 1.0 - std::exp(-2.0 * std::numbers::pi * cutoffHz / soundRate);
        low += k * (White() - low);
        return low;
    }

private:
    std::uint32_t state;
    double low = 0.0;
};

// A band-pass whose centre may move from sample to sample (a state-variable
// filter), its peak at unit gain: a howl in the wind, a rush of air rising.
// Centres are kept below a fifth of the sound rate, where it stays stable.
class SweptBand {
public:
    explicit SweptBand(double q) : damping(1.0 / q) {}
    double operator()(double in, double hertz)
    {
        const double highest = 0.2 * soundRate;
        const double tuning = 2.0 * std::sin(std::numbers::pi * (hertz < highest ? hertz : highest) / soundRate);
        low += tuning * band;
        const double high = in - low - damping * band;
        band += tuning * high;
        return damping * band;
    }

private:
    double damping;
    double low = 0.0;
    double band = 0.0;
};

enum class Wave { sine, triangle, soft };

// A linear attack from silence, an exponential decay after it, and over the
// voice's last `release` seconds a raised-cosine fade that ends in silence.
struct Envelope {
    double attack = 0.002;   // seconds to full level
    double decay = 0.05;     // time constant of the fall after it
    double release = 0.010;  // seconds of the fade at the voice's end
};

// One voice of a sound on its own: its samples from frame `first` on.
struct SoundVoice {
    std::size_t first = 0;
    std::vector<double> samples;
};

class Sound {
public:
    // `soundLevelDb` (0 or less) sets how much quieter than the common peak the
    // sound's loudest sample is written, so that small sounds such as a
    // click stay below the ones that announce something.
    explicit Sound(double seconds, double soundLevelDb = 0.0);

    // A tone from `start` for `length` seconds whose frequency glides
    // exponentially from `fromHz` to `toHz`.
    void Tone(double start, double length, double fromHz, double toHz, Wave wave, double gain, Envelope envelope);
    // White noise through a one-pole low-pass at `cutoffHz`.
    void Noise(double start, double length, double cutoffHz, double gain, Envelope envelope);
    // A short burst of noise (a rasp's grain, a click's crackle, a clap) that
    // falls with the time constant `decay` and has died away well before
    // its end.
    void Grain(double start, double cutoffHz, double gain, double decay);
    // Recorded samples at soundRate (a spoken line) from `start`, shaped by
    // the envelope like any other voice.
    void Recording(double start, std::span<const float> recorded, double gain, Envelope envelope);

    // 16-bit little-endian samples with the loudest at `peak` of full scale,
    // lowered by the sound's level.
    std::vector<std::uint8_t> Pcm16(double peak) const;
    // The factor that takes the sum to those samples.
    double Scale(double peak) const;
    const std::vector<SoundVoice>& Voices() const { return voices; }

private:
    // Adds a voice starting at frame `first` to the sum.
    void Add(std::size_t first, std::vector<double> voice);

    std::vector<double> samples;
    std::vector<SoundVoice> voices;
    double levelDb = 0.0;
    std::uint32_t noiseState = 0x2545F491;
};

struct SoundEffect {
    const char* event;  // the audio event that plays it
    const char* file;   // the WAV file's name
    Sound (*make)();
};

// The effects of the menus and the inventory bar, and the fanfare and the
// sad tune at the end of a minigame's round inside the adventure, in the
// shared adventure list (the main menu loads that list too).
std::span<const SoundEffect> SharedSoundEffects();

// A sound list's text: a comment naming whose sounds they are (`title`,
// Windows-1252), then one "event<TAB>file" line per effect, Windows line ends.
std::string SoundEffectList(const std::string& title, std::span<const SoundEffect> effects);

} // namespace content
