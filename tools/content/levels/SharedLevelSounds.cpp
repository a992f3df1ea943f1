#include "levels/SharedLevelSounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content::levels {

namespace {

// A voice that keeps its level until its release.
constexpr double held = 1.0e9;

} // namespace

Sound MiasCamera()
{
    Sound sound(0.85, -3.0);
    sound.Grain(0.0, 8000.0, 0.7, 0.003);
    sound.Tone(0.0, 0.03, 3100.0, 2600.0, Wave::sine, 0.35, {0.001, 0.006, 0.01});
    sound.Grain(0.045, 6500.0, 0.6, 0.003);
    sound.Noise(0.05, 0.12, 3500.0, 0.45, {0.002, 0.03, 0.04});
    sound.Tone(0.12, 0.7, 900.0, 5200.0, Wave::sine, 0.22, {0.05, 0.5, 0.12});
    sound.Tone(0.12, 0.7, 1800.0, 10400.0, Wave::sine, 0.05, {0.05, 0.4, 0.12});
    return sound;
}

void Cheer(Sound& sound, double start, double length, double gain)
{
    sound.Noise(start, length, 1400.0, 0.6 * gain, {0.2, 0.6 * length, 0.25 * length});
    sound.Noise(start, length, 3200.0, 0.3 * gain, {0.25, 0.5 * length, 0.25 * length});
    const double glides[][2] = {{330.0, 520.0}, {440.0, 660.0}, {260.0, 410.0}, {390.0, 590.0}};
    for (int voice = 0; voice < 4; ++voice)
        sound.Tone(start + 0.07 * voice, 0.5 * length, glides[voice][0], glides[voice][1], Wave::triangle,
                   0.15 * gain, {0.06, 0.3 * length, 0.15 * length});
    for (double clap = start + 0.08; clap < start + length - 0.1; clap += 0.085 + 0.02 * std::fmod(clap * 7.0, 1.0))
        sound.Grain(clap, 4500.0, 0.35 * gain, 0.006);
}

void Click(Sound& sound, double start, double hertz, double gain)
{
    sound.Noise(start, 0.03, 7000.0, gain, {0.0005, 0.003, 0.004});
    sound.Tone(start, 0.04, hertz, hertz * 0.8, Wave::sine, 0.5 * gain, {0.001, 0.005, 0.006});
}

void Squeak(Sound& sound, double start, double length, double fromHz, double toHz, double gain)
{
    sound.Tone(start, length, fromHz, toHz, Wave::triangle, gain, {0.01, length, 0.5 * length});
    sound.Tone(start, length, 2.0 * fromHz, 2.0 * toHz, Wave::sine, 0.25 * gain, {0.01, 0.5 * length, 0.5 * length});
}

void Pop(Sound& sound, double start, double hertz, double gain)
{
    sound.Tone(start, 0.07, hertz, 2.4 * hertz, Wave::sine, gain, {0.002, 0.018, 0.02});
}

void Splat(Sound& sound, double start, double gain)
{
    sound.Noise(start, 0.35, 1600.0, gain, {0.002, 0.06, 0.08});
    sound.Noise(start, 0.3, 450.0, 0.8 * gain, {0.003, 0.07, 0.08});
    sound.Tone(start, 0.25, 140.0, 45.0, Wave::soft, 0.8 * gain, {0.002, 0.05, 0.06});
}

void Squirt(Sound& sound, double start, double gain)
{
    Click(sound, start, 1500.0, 0.5 * gain);
    sound.Noise(start + 0.01, 0.47, 9000.0, 0.9 * gain, {0.012, 0.18, 0.15});
    sound.Noise(start + 0.01, 0.4, 2200.0, 0.35 * gain, {0.02, 0.12, 0.1});
}

std::size_t SoundFrames(double seconds)
{
    return static_cast<std::size_t>(seconds * soundRate);
}

void Thump(Sound& sound, double start, double hertz, double gain)
{
    sound.Tone(start, 0.45, hertz, 0.5 * hertz, Wave::soft, gain, {0.002, 0.1, 0.15});
    sound.Noise(start, 0.25, 900.0, 0.6 * gain, {0.001, 0.04, 0.08});
}

void AirHiss(Sound& sound, double start, double length, double gain)
{
    sound.Recording(start, Hiss(length, 1500.0, 9000.0, 0x5C11u), gain, {0.01, 0.4 * length, 0.3 * length});
}

void Beep(Sound& sound, double start, double length, double hertz, double gain)
{
    sound.Tone(start, length, hertz, hertz, Wave::sine, gain, {0.003, held, 0.6 * length});
    sound.Tone(start, length, 2.0 * hertz, 2.0 * hertz, Wave::sine, 0.2 * gain, {0.003, held, 0.6 * length});
}

Sound TaxiLanding()
{
    Sound sound(2.4, bigLevelDb);
    constexpr double touch = 1.5;
    sound.Recording(0.0, SweepingWhoosh(touch + 0.1, 3500.0, 250.0, 0x1A4Du), 0.9, {0.4, held, 0.1});
    sound.Tone(0.0, touch + 0.5, 1400.0, 220.0, Wave::triangle, 0.25, {0.5, held, 0.4});
    sound.Tone(0.0, touch + 0.5, 700.0, 110.0, Wave::soft, 0.3, {0.5, held, 0.4});
    Thump(sound, touch, 110.0, 1.0);
    Thump(sound, touch + 0.07, 95.0, 0.6);
    constexpr Partial spring[] = {{310.0, 0.3, 0.25}, {785.0, 0.2, 0.15}, {1460.0, 0.1, 0.08}};
    Clang(sound, touch + 0.02, 2.4, spring, 0.5);
    return sound;
}

Sound SchleimlingSqueaks()
{
    Sound sound(0.8, mediumLevelDb);
    Squeak(sound, 0.0, 0.16, 800.0, 1700.0, 0.8);
    for (int wobble = 0; wobble < 4; ++wobble) {
        const bool up = wobble % 2 == 0;
        Squeak(sound, 0.2 + 0.06 * wobble, 0.09, up ? 1150.0 : 1450.0, up ? 1450.0 : 1150.0, 0.7);
    }
    Squeak(sound, 0.5, 0.18, 2000.0, 2500.0, 0.45);
    return sound;
}

std::vector<float> TrumpetNote(double seconds, double hertz, std::uint32_t seed)
{
    std::vector<float> samples(SoundFrames(seconds));
    NoiseSource random(seed);
    // The bell's resonance brings out the partials around 1.3 kHz, the
    // brassy edge of the tone.
    Filter bell = Filter::BandPass(1300.0, 1.2);
    double phase = 0.0;
    double breath = 0.0;
    for (std::size_t frame = 0; frame < samples.size(); ++frame) {
        const double time = static_cast<double>(frame) / soundRate;
        // Blown up in 30 ms, easing off a little as the note is held, and
        // let go over its last 40 ms, duller as the breath fails.
        const double blow = std::min(1.0, time / 0.03) * (1.0 - 0.15 * std::min(1.0, time / 0.4)) *
                            std::clamp((seconds - time) / 0.04, 0.0, 1.0);
        const double scoop = 1.0 - 0.04 * std::exp(-time / 0.015);
        const double vibrato =
            1.0 + 0.007 * std::clamp((time - 0.25) / 0.3, 0.0, 1.0) * std::sin(2.0 * std::numbers::pi * 5.5 * time);
        const double pitch = hertz * scoop * vibrato;
        phase += pitch / soundRate;
        phase -= std::floor(phase);
        breath += 0.3 * (random.White() - breath);
        const double tone = Sawtooth(phase, pitch, 3.0 + 12.0 * blow, 7000.0);
        samples[frame] = static_cast<float>(blow * (tone + 0.8 * bell(tone) + 0.03 * breath));
    }
    return samples;
}

Filter Filter::BandPass(double hertz, double q)
{
    const double angle = 2.0 * std::numbers::pi * hertz / soundRate;
    const double alpha = std::sin(angle) / (2.0 * q);
    return Filter(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * std::cos(angle), 1.0 - alpha);
}

Filter Filter::HighPass(double hertz)
{
    const double angle = 2.0 * std::numbers::pi * hertz / soundRate;
    const double alpha = std::sin(angle) / std::numbers::sqrt2;
    const double cosine = std::cos(angle);
    return Filter((1.0 + cosine) / 2.0, -(1.0 + cosine), (1.0 + cosine) / 2.0, 1.0 + alpha, -2.0 * cosine, 1.0 - alpha);
}

Filter::Filter(double b0, double b1, double b2, double a0, double a1, double a2)
    : forward0(b0 / a0), forward1(b1 / a0), forward2(b2 / a0), back1(a1 / a0), back2(a2 / a0)
{
}

double Filter::operator()(double in)
{
    const double out = forward0 * in + forward1 * in1 + forward2 * in2 - back1 * out1 - back2 * out2;
    in2 = in1;
    in1 = in;
    out2 = out1;
    out1 = out;
    return out;
}

double Sawtooth(double phase, double hertz, double brightness, double highestHz)
{
    const int harmonics = std::max(1, static_cast<int>(highestHz / hertz));
    double sum = 0.0;
    for (int k = 1; k <= harmonics; ++k)
        sum += std::sin(2.0 * std::numbers::pi * k * phase) / k * std::exp(-k / brightness);
    return sum;
}

std::vector<float> Hiss(double seconds, double lowHz, double highHz, std::uint32_t seed)
{
    std::vector<float> samples(SoundFrames(seconds));
    NoiseSource random(seed);
    Filter highPass = Filter::HighPass(lowHz);
    const double smoothing = 1.0 - std::exp(-2.0 * std::numbers::pi * highHz / soundRate);
    double low = 0.0;
    for (float& sample : samples) {
        low += smoothing * (highPass(random.White()) - low);
        sample = static_cast<float>(low);
    }
    return samples;
}

std::vector<float> SweepingWhoosh(double seconds, double fromHz, double toHz, std::uint32_t seed)
{
    std::vector<float> samples(SoundFrames(seconds));
    NoiseSource random(seed);
    SweptBand band(3.0);
    float peak = 1e-9f;
    for (std::size_t frame = 0; frame < samples.size(); ++frame) {
        const double progress = static_cast<double>(frame) / static_cast<double>(samples.size());
        const double hertz = fromHz * std::pow(toHz / fromHz, progress);
        samples[frame] = static_cast<float>(band(random.White(), hertz) * (0.3 + 0.7 * progress));
        peak = std::max(peak, std::abs(samples[frame]));
    }
    for (float& sample : samples)
        sample /= peak;
    return samples;
}

void Clang(Sound& sound, double start, double end, std::span<const Partial> partials, double gain)
{
    for (const Partial& partial : partials)
        sound.Tone(start, end - start, partial.hertz, partial.hertz * 0.999, Wave::sine, partial.gain * gain,
                   {0.0008, partial.decay, 0.25 * (end - start)});
    sound.Grain(start, 8000.0, 0.5 * gain, 0.002);
}

void AnvilBlow(Sound& sound, double start, double end, double gain)
{
    constexpr Partial anvil[] = {
        {1180.0, 0.5, 0.7}, {2715.0, 0.35, 0.5}, {3890.0, 0.25, 0.35}, {5460.0, 0.15, 0.2}, {1840.0, 0.12, 0.4}};
    Clang(sound, start, end, anvil, gain);
    sound.Tone(start, 0.12, 180.0, 120.0, Wave::soft, 0.25 * gain, {0.001, 0.02, 0.04});
}

} // namespace content::levels
