#include "SpeechFilter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace content {

namespace {

// Below this level (about -50 dBFS) a sample counts as silence.
constexpr float silence = 0.003f;
// Pad kept before the first and after the last sound of a line.
constexpr double padSeconds = 0.020;

// Feedback of a one-pole low-pass with corner frequency `hz`.
float OnePoleFeedback(double hz, int rate)
{
    return static_cast<float>(std::exp(-2.0 * std::numbers::pi * hz / rate));
}

// One-pole low-pass (6 dB per octave): no ringing, no pre-echo.
class OnePole {
public:
    OnePole(double hz, int rate) : feedback(OnePoleFeedback(hz, rate)) {}
    float operator()(float input)
    {
        state = input + feedback * (state - input);
        return state;
    }

private:
    float feedback;
    float state = 0.0f;
};

// Follows a signal's magnitude: quick to rise, slow to fall.
class Envelope {
public:
    Envelope(int rate) : attack(OnePoleFeedback(1.0 / (2.0 * std::numbers::pi * 0.001), rate)),
                         release(OnePoleFeedback(1.0 / (2.0 * std::numbers::pi * 0.030), rate)) {}
    float operator()(float input)
    {
        const float magnitude = std::abs(input);
        const float feedback = magnitude > level ? attack : release;
        level = magnitude + feedback * (level - magnitude);
        return level;
    }

private:
    float attack;
    float release;
    float level = 0.0f;
};

// A feedback comb with a damped loop, the building block of the room.
class Comb {
public:
    Comb(double seconds, int rate, float loopGain)
        : line(static_cast<std::size_t>(seconds * rate), 0.0f), feedback(loopGain) {}
    float operator()(float input)
    {
        const float delayed = line[at];
        damped = delayed + 0.3f * (damped - delayed);
        line[at] = input + feedback * damped;
        at = (at + 1) % line.size();
        return delayed;
    }

private:
    std::vector<float> line;
    std::size_t at = 0;
    float feedback;
    float damped = 0.0f;
};

} // namespace

SpeechFilter::SpeechFilter(const VoicePreset& voice, int sampleRate) : preset(voice), rate(sampleRate) {}

void SpeechFilter::Apply(std::vector<float>& samples) const
{
    TrimSilence(samples);
    if (samples.empty())
        return;
    if (preset.ringDepth > 0.0)
        RingModulate(samples);
    if (preset.nasalBoost > 0.0)
        BoostNasalBand(samples);
    TameSibilants(samples);
    LowPass(samples);
    if (preset.roomMix > 0.0)
        AddRoom(samples);
    FadeEnds(samples);
    Normalise(samples);
}

void SpeechFilter::TrimSilence(std::vector<float>& samples) const
{
    const auto loud = [](float sample) { return std::abs(sample) > silence; };
    const auto first = std::ranges::find_if(samples, loud);
    if (first == samples.end()) {
        samples.clear();
        return;
    }
    const auto last = std::ranges::find_if(samples.rbegin(), samples.rend(), loud).base();
    const auto pad = static_cast<std::ptrdiff_t>(padSeconds * rate);
    const auto begin = first - std::min(pad, first - samples.begin());
    const auto end = last + std::min(pad, samples.end() - last);
    std::vector<float> kept(pad - (first - begin), 0.0f);
    kept.insert(kept.end(), begin, end);
    kept.resize(kept.size() + static_cast<std::size_t>(pad - (end - last)), 0.0f);
    samples = std::move(kept);
}

void SpeechFilter::RingModulate(std::vector<float>& samples) const
{
    const double step = 2.0 * std::numbers::pi * preset.ringHz / rate;
    for (std::size_t at = 0; at < samples.size(); ++at) {
        const double carrier = std::sin(step * static_cast<double>(at));
        samples[at] *= static_cast<float>(1.0 - preset.ringDepth + preset.ringDepth * carrier);
    }
}

void SpeechFilter::BoostNasalBand(std::vector<float>& samples) const
{
    OnePole below(700.0, rate);
    OnePole above(2000.0, rate);
    const auto boost = static_cast<float>(preset.nasalBoost);
    for (float& sample : samples)
        sample += boost * (above(sample) - below(sample));
}

// The band above 4.5 kHz may carry at most half the line's level; where an
// 's' or 'sch' makes it louder, that band alone is turned down.
void SpeechFilter::TameSibilants(std::vector<float>& samples) const
{
    OnePole split(4500.0, rate);
    Envelope whole(rate);
    Envelope high(rate);
    for (float& sample : samples) {
        const float low = split(sample);
        const float top = sample - low;
        const float allowed = 0.5f * whole(sample);
        const float level = high(top);
        const float gain = level > allowed && level > 0.0f ? allowed / level : 1.0f;
        sample = low + gain * top;
    }
}

void SpeechFilter::LowPass(std::vector<float>& samples) const
{
    OnePole filter(preset.lowPassHz, rate);
    for (float& sample : samples)
        sample = filter(sample);
}

// A small room: four damped combs in parallel at prime-ish delays between
// 23 and 41 ms, mixed in quietly; the line is lengthened by the tail.
void SpeechFilter::AddRoom(std::vector<float>& samples) const
{
    constexpr double tailSeconds = 0.25;
    samples.resize(samples.size() + static_cast<std::size_t>(tailSeconds * rate), 0.0f);
    std::array combs = {Comb(0.0233, rate, 0.55f), Comb(0.0293, rate, 0.52f), Comb(0.0347, rate, 0.5f),
                        Comb(0.0411, rate, 0.47f)};
    const auto mix = static_cast<float>(preset.roomMix / combs.size());
    for (float& sample : samples) {
        float wet = 0.0f;
        for (Comb& comb : combs)
            wet += comb(sample);
        sample += mix * wet;
    }
}

// Raised-cosine fades: the first and last samples are zero.
void SpeechFilter::FadeEnds(std::vector<float>& samples) const
{
    const auto fade = [&](double seconds, auto position) {
        const auto length = std::min(samples.size() / 2, static_cast<std::size_t>(seconds * rate));
        for (std::size_t i = 0; i < length; ++i) {
            const double gain = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / length);
            samples[position(i)] *= static_cast<float>(gain);
        }
    };
    fade(fadeInSeconds, [](std::size_t i) { return i; });
    fade(fadeOutSeconds, [&](std::size_t i) { return samples.size() - 1 - i; });
}

void SpeechFilter::Normalise(std::vector<float>& samples)
{
    float loudest = 0.0f;
    for (const float sample : samples)
        loudest = std::max(loudest, std::abs(sample));
    if (loudest <= 0.0f)
        return;
    const auto gain = static_cast<float>(peak / loudest);
    for (float& sample : samples)
        sample *= gain;
}

} // namespace content
