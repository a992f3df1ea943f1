#include "levels/Episode3Sounds.h"

#include "levels/SharedLevelSounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>
#include <vector>

namespace content::levels {

namespace {

constexpr double pi = std::numbers::pi;
// A voice that keeps its level until its release.
constexpr double held = 1.0e9;

// The voices that need more than a tone or low-passed noise (a honk through
// its formants, a trumpet whose vibrato and brightness follow its breath)
// are made sample by sample here and added to the sound as recordings.

// A goose's honk, `seconds` long: a reedy buzz whose pitch jumps up from
// `fromHz` to `peakHz` and sags to `toHz`, a little rough, through the
// nasal resonances of the goose's long windpipe (around 1, 2.2 and 3.4
// kHz, with the buzz's own low partials under them).
std::vector<float> Honk(double seconds, double fromHz, double peakHz, double toHz, std::uint32_t seed)
{
    std::vector<float> samples(SoundFrames(seconds));
    NoiseSource random(seed);
    Filter nasal = Filter::BandPass(1050.0, 5.0);
    Filter middle = Filter::BandPass(2250.0, 6.0);
    Filter high = Filter::BandPass(3400.0, 7.0);
    double phase = 0.0;
    double jitter = 0.0;
    for (std::size_t frame = 0; frame < samples.size(); ++frame) {
        const double time = static_cast<double>(frame) / soundRate;
        const double progress = time / seconds;
        const double rise = std::min(1.0, progress / 0.2);
        const double hertz = progress < 0.2 ? fromHz * std::pow(peakHz / fromHz, rise)
                                            : peakHz * std::pow(toHz / peakHz, (progress - 0.2) / 0.8);
        jitter += 0.02 * (random.White() - jitter);
        phase += hertz * (1.0 + 0.15 * jitter) / soundRate;
        phase -= std::floor(phase);
        const double buzz = Sawtooth(phase, hertz, 12.0, 5500.0);
        // The honk's body: up fast, held, and closing at its end; the
        // throat's flutter roughens it.
        const double body = std::min(1.0, progress / 0.08) * std::min(1.0, (1.0 - progress) / 0.25);
        const double rough = 1.0 - 0.25 * (0.5 + 0.5 * std::sin(2.0 * pi * 38.0 * time));
        samples[frame] = static_cast<float>(body * rough *
                                            (0.15 * buzz + 1.2 * nasal(buzz) + 1.7 * middle(buzz) + 1.1 * high(buzz)));
    }
    return samples;
}

// Wood and rope creaking under strain: stick-slip ticks coming quicker as
// the rope is drawn, each ringing the wood at `hertz`, over the rope's
// fibres rubbing.
void Creak(Sound& sound, double start, double length, double hertz, double gain)
{
    for (double at = 0.01; at < length - 0.04;) {
        const double strain = at / length;
        sound.Noise(start + at, 0.02, 3000.0 + 2000.0 * strain, 0.45 * gain, {0.0005, 0.002, 0.004});
        sound.Tone(start + at, 0.035, hertz * (1.0 + 0.3 * strain), hertz * (0.97 + 0.3 * strain), Wave::triangle,
                   0.35 * gain, {0.001, 0.008, 0.01});
        at += 1.0 / (22.0 + 30.0 * strain);
    }
    sound.Noise(start, length, 1600.0, 0.15 * gain, {0.5 * length, held, 0.3 * length});
}

// Rocko's taxi falling out of the time hole: the whoosh of its fall, air
// swelling with a whistle dropping in pitch, the crash into the clearing
// (a deep thump and a burst of noise), the crunch of its body (bent sheet
// metal ringing briefly under a shower of cracks) and the steam hissing
// out of the broken engine, fading.
Sound Absturz()
{
    Sound sound(2.4, bigLevelDb);
    sound.Noise(0.0, 0.85, 1400.0, 0.7, {0.7, held, 0.04});
    sound.Noise(0.1, 0.75, 4500.0, 0.25, {0.6, held, 0.04});
    sound.Tone(0.05, 0.8, 1200.0, 380.0, Wave::sine, 0.08, {0.6, held, 0.04});
    // The crash.
    sound.Tone(0.82, 0.6, 110.0, 38.0, Wave::soft, 1.0, {0.002, 0.12, 0.2});
    sound.Noise(0.82, 0.35, 5000.0, 1.0, {0.001, 0.05, 0.1});
    sound.Noise(0.82, 0.6, 700.0, 0.8, {0.002, 0.15, 0.2});
    // The body's sheet metal.
    constexpr Partial body[] = {{430.0, 0.35, 0.25}, {1130.0, 0.3, 0.18}, {1790.0, 0.22, 0.12}, {2870.0, 0.15, 0.08}};
    Clang(sound, 0.84, 1.6, body, 1.0);
    for (int crack = 0; crack < 14; ++crack)
        sound.Grain(0.88 + 0.035 * crack + 0.012 * (crack % 3), 2500.0 + 400.0 * ((crack * 7) % 9),
                    0.6 - 0.035 * crack, 0.005);
    // A last piece of the bumper dropping off.
    constexpr Partial bumper[] = {{760.0, 0.3, 0.1}, {1960.0, 0.2, 0.07}, {3120.0, 0.1, 0.05}};
    Clang(sound, 1.45, 1.9, bumper, 0.6);
    // The steam.
    sound.Recording(1.0, Hiss(1.4, 2500.0, 9000.0, 0x5EA3u), 0.5, {0.08, 0.6, 0.5});
    return sound;
}

// The time hole closing: a shimmer of close tones beating against each
// other and swirling faster as they glide down together, a rush of air
// drawn into it, and the soft pop as it shuts; a last glint dies after it.
Sound Zeitloch()
{
    Sound sound(1.9, mediumLevelDb);
    constexpr double close = 1.35;
    std::vector<float> swirl(SoundFrames(close));
    double phases[6] = {};
    constexpr double pitches[6] = {620.0, 626.0, 930.0, 937.0, 1395.0, 1405.0};
    double turn = 0.0;
    for (std::size_t frame = 0; frame < swirl.size(); ++frame) {
        const double time = static_cast<double>(frame) / soundRate;
        const double progress = time / close;
        // Down two octaves and a bit, quicker towards the end.
        const double fall = std::pow(0.2, progress * progress);
        turn += (3.0 + 22.0 * progress) / soundRate;
        double sum = 0.0;
        for (int voice = 0; voice < 6; ++voice) {
            phases[voice] += pitches[voice] * fall / soundRate;
            phases[voice] -= std::floor(phases[voice]);
            const double pan = std::sin(2.0 * pi * (turn + voice / 6.0));
            sum += std::sin(2.0 * pi * phases[voice]) * (0.6 + 0.4 * pan) / (1.0 + 0.3 * voice);
        }
        swirl[frame] = static_cast<float>(sum * std::min(1.0, time / 0.3) * (0.6 + 0.4 * progress));
    }
    sound.Recording(0.0, swirl, 0.35, {0.002, held, 0.03});
    sound.Noise(0.1, close - 0.08, 2500.0, 0.7, {1.0, held, 0.06});
    sound.Tone(close - 0.02, 0.3, 210.0, 55.0, Wave::soft, 0.9, {0.003, 0.05, 0.1});
    sound.Noise(close - 0.02, 0.15, 1200.0, 0.5, {0.002, 0.02, 0.05});
    sound.Tone(close + 0.05, 0.5, 2637.0, 2637.0, Wave::sine, 0.06, {0.003, 0.12, 0.2});
    return sound;
}

// The goose guarding the line: two honks, the second higher, and its
// angry hiss with its neck stretched out.
Sound Gans()
{
    Sound sound(1.65, mediumLevelDb);
    sound.Recording(0.0, Honk(0.28, 420.0, 540.0, 400.0, 0x600Du), 1.0, {0.004, held, 0.03});
    sound.Recording(0.36, Honk(0.34, 450.0, 590.0, 380.0, 0x6005u), 1.0, {0.004, held, 0.04});
    std::vector<float> hiss = Hiss(0.8, 2200.0, 7000.0, 0x4155u);
    // The hiss comes in a breath's puffs.
    for (std::size_t frame = 0; frame < hiss.size(); ++frame)
        hiss[frame] *= static_cast<float>(0.8 + 0.2 * std::sin(2.0 * pi * 9.0 * frame / soundRate));
    sound.Recording(0.8, hiss, 0.9, {0.12, held, 0.25});
    return sound;
}

// The goose gobbling the bread: its bill pecking at the crumbs (hard dry
// knocks), three quick gulps and a short happy honk.
Sound Fressen()
{
    Sound sound(1.5, smallLevelDb);
    for (const double peck : {0.0, 0.13, 0.25, 0.47, 0.58, 0.69}) {
        sound.Grain(peck, 3500.0, 1.0, 0.003);
        sound.Tone(peck, 0.05, 1100.0, 800.0, Wave::triangle, 0.6, {0.001, 0.008, 0.01});
    }
    for (int gulp = 0; gulp < 3; ++gulp) {
        const double start = 0.82 + 0.1 * gulp;
        sound.Tone(start, 0.08, 300.0, 170.0, Wave::soft, 0.45, {0.01, 0.03, 0.03});
        sound.Noise(start, 0.06, 900.0, 0.2, {0.005, 0.02, 0.02});
    }
    sound.Recording(1.15, Honk(0.22, 480.0, 620.0, 540.0, 0x6A9Fu), 0.35, {0.004, held, 0.03});
    return sound;
}

// The well's winch cranked fast: its wooden pawl clicking over the ratchet
// quicker and quicker, the rope squeaking on the drum, and the bucket's
// splash far down (a burst of water, the plop's rising bubble, drops
// falling back).
Sound Brunnen()
{
    Sound sound(2.4, mediumLevelDb);
    double gap = 0.075;
    for (double click = 0.0; click < 1.45; click += gap, gap = std::max(0.04, gap * 0.96)) {
        sound.Grain(click, 2400.0, 0.8, 0.003);
        sound.Tone(click, 0.04, 720.0, 660.0, Wave::triangle, 0.6, {0.0008, 0.006, 0.01});
        sound.Tone(click, 0.03, 1530.0, 1500.0, Wave::sine, 0.25, {0.0008, 0.004, 0.01});
    }
    // The drum turning, a low wooden rumble.
    sound.Noise(0.0, 1.5, 300.0, 0.35, {0.1, held, 0.1});
    for (const double squeak : {0.2, 0.6, 1.0}) {
        sound.Tone(squeak, 0.14, 1650.0, 2250.0, Wave::triangle, 0.12, {0.03, 0.1, 0.04});
        sound.Tone(squeak + 0.14, 0.1, 2250.0, 1900.0, Wave::triangle, 0.08, {0.01, 0.05, 0.04});
    }
    // The splash.
    constexpr double splash = 1.62;
    sound.Noise(splash, 0.6, 6000.0, 0.7, {0.004, 0.1, 0.15});
    sound.Noise(splash, 0.5, 1200.0, 0.5, {0.006, 0.12, 0.15});
    sound.Tone(splash + 0.01, 0.12, 320.0, 950.0, Wave::sine, 0.5, {0.003, 0.04, 0.04});
    constexpr double drops[][2] = {{1.82, 1300.0}, {1.9, 1750.0}, {1.99, 1150.0}, {2.08, 2000.0}, {2.18, 1500.0}};
    for (const auto& [at, hertz] : drops)
        sound.Tone(at, 0.05, hertz, hertz * 1.8, Wave::sine, 0.18, {0.002, 0.015, 0.02});
    return sound;
}

// Charcoal drawn over linen: four strokes, each a rasp of tiny grains as
// the charcoal catches on the weave over its dry hiss.
Sound Malen()
{
    Sound sound(1.5, smallLevelDb);
    constexpr double strokes[][2] = {{0.0, 0.3}, {0.36, 0.24}, {0.7, 0.36}, {1.15, 0.25}};
    int grain = 0;
    for (const auto& [start, length] : strokes) {
        sound.Recording(start, Hiss(length, 1500.0, 6000.0, 0xC0A1u + grain), 0.5,
                        {0.05, held, 0.08});
        for (double at = start + 0.01; at < start + length - 0.03; at += 0.007 + 0.006 * ((grain * 5) % 4) / 3.0, ++grain)
            sound.Grain(at, 5000.0, 0.12 + 0.1 * ((grain * 3) % 5) / 4.0, 0.0015);
    }
    return sound;
}

// The smith's hammer on the anvil, three blows: each a bright clang of the
// steel's inharmonic partials ringing long, with the hammer's dull knock;
// the last blow hardest, ringing on.
Sound Hammer()
{
    Sound sound(2.3, mediumLevelDb);
    for (const auto& [at, gain] : {std::pair{0.0, 0.7}, std::pair{0.42, 0.75}, std::pair{0.84, 1.0}})
        AnvilBlow(sound, at, 2.3, gain);
    return sound;
}

// Helmet and tabard put on: the helmet's hollow clank and its visor's
// click, the cloth's rustle as the tabard is pulled over, and its belt
// buckle closing.
Sound Ruestung()
{
    Sound sound(1.4, mediumLevelDb);
    constexpr Partial helmet[] = {{640.0, 0.5, 0.18}, {1490.0, 0.35, 0.14}, {2270.0, 0.25, 0.1}, {3180.0, 0.15, 0.07}};
    Clang(sound, 0.0, 0.7, helmet, 1.0);
    constexpr Partial visor[] = {{2100.0, 0.3, 0.05}, {3550.0, 0.2, 0.04}};
    Clang(sound, 0.16, 0.5, visor, 0.6);
    // The rustle: bursts of soft noise as the folds slide over each other.
    std::vector<float> rustle = Hiss(0.8, 900.0, 4500.0, 0x0C10u);
    NoiseSource random(0xF01Du);
    double fold = 0.0;
    for (std::size_t frame = 0; frame < rustle.size(); ++frame) {
        fold += 0.0015 * (random.White() - fold);
        rustle[frame] *= static_cast<float>(0.3 + 0.7 * std::min(1.0, std::abs(fold) * 40.0));
    }
    sound.Recording(0.42, rustle, 0.7, {0.08, held, 0.2});
    constexpr Partial buckle[] = {{3300.0, 0.3, 0.03}, {5100.0, 0.2, 0.02}};
    Clang(sound, 1.22, 1.4, buckle, 0.6);
    return sound;
}

// The new rope on the throwing machine pulled taut and knotted: the wood
// and rope creaking under the pull, the rope zipping through the knot and
// the knot drawn tight with a thud.
Sound Seil()
{
    Sound sound(1.3, smallLevelDb);
    Creak(sound, 0.0, 0.7, 220.0, 1.0);
    sound.Noise(0.78, 0.2, 2500.0, 0.5, {0.1, held, 0.06});
    sound.Tone(1.0, 0.2, 170.0, 110.0, Wave::soft, 0.8, {0.002, 0.04, 0.06});
    sound.Grain(1.0, 1800.0, 0.5, 0.004);
    return sound;
}

// The herald's fanfare: a call on his long natural trumpet climbing the
// horn's own notes, G4, C5, E5 to G5, back to E5 and up to a held G5 with
// its vibrato.
Sound Fanfare()
{
    Sound sound(2.0, bigLevelDb);
    constexpr double notes[][3] = {{0.0, 0.13, 392.0},  {0.15, 0.13, 523.25}, {0.3, 0.13, 659.25},
                                   {0.45, 0.3, 783.99}, {0.78, 0.13, 659.25}, {0.93, 1.0, 783.99}};
    std::uint32_t seed = 0x7A0u;
    for (const auto& [start, length, hertz] : notes)
        sound.Recording(start, TrumpetNote(length, hertz, seed++), 1.0, {0.002, held, std::min(0.08, 0.3 * length)});
    return sound;
}

// The tournament crowd cheering, with a whistle through the fingers.
Sound Jubel3()
{
    Sound sound(2.0, bigLevelDb);
    Cheer(sound, 0.0, 1.95, 1.0);
    sound.Tone(0.4, 0.4, 1800.0, 2800.0, Wave::sine, 0.1, {0.04, 0.3, 0.08});
    return sound;
}

constexpr SoundEffect episode3SoundEffects[] = {
    {"audioevent_absturz", "absturz.wav", Absturz},
    {"audioevent_zeitloch", "zeitloch.wav", Zeitloch},
    {"audioevent_gans", "gans.wav", Gans},
    {"audioevent_fressen", "fressen.wav", Fressen},
    {"audioevent_brunnen", "brunnen.wav", Brunnen},
    {"audioevent_malen", "malen.wav", Malen},
    {"audioevent_hammer", "hammer.wav", Hammer},
    {"audioevent_ruestung", "ruestung.wav", Ruestung},
    {"audioevent_seil", "seil.wav", Seil},
    {"audioevent_fanfare", "fanfare.wav", Fanfare},
    {"audioevent_jubel3", "jubel3.wav", Jubel3},
    {"audioevent_kamera", "kamera.wav", MiasCamera},
};

} // namespace

std::span<const SoundEffect> Episode3SoundEffects()
{
    return episode3SoundEffects;
}

} // namespace content::levels
