#include "levels/CatapultRollLoop.h"

#include "OggEncoder.h"
#include "SoundArt.h"

#include <algorithm>
#include <cmath>

namespace content::levels {

namespace {

// A voice that keeps its level until its release.
constexpr double held = 1.0e9;
// The longest voice; the draft is longer than the loop by that much, so
// that every voice starting inside the loop ends inside the draft.
constexpr double longestVoice = 0.5;
// Vorbis quality of the file: a rumble needs no more.
constexpr float rollQuality = 0.3f;

// A fixed unevenness from 0 to 1 for the `index`th bump or grain, so that
// the wheels do not tick like a clock.
double Uneven(int index)
{
    const double value = std::sin(index * 12.9898) * 43758.5453;
    return value - std::floor(value);
}

// The loop's voices, starting inside the loop; some ring on past its end.
Sound Draft()
{
    Sound sound(catapultRollSeconds + longestVoice);
    // The rumble of the heavy wheels: low grains overlapping by half, each a
    // little louder or softer, so that the ground sounds uneven.
    constexpr double grain = 0.2;
    for (int index = 0; index * grain / 2.0 < catapultRollSeconds; ++index)
        sound.Noise(index * grain / 2.0, grain, 180.0, 1.4 + 0.8 * Uneven(index), {grain / 2.0, held, grain / 2.0});
    // The wheels' bumps: three a turn, every other one harder, each a knock
    // of wood over a dull thump.
    constexpr int bumps = 6;
    for (int bump = 0; bump < bumps; ++bump) {
        const double start = (bump + 0.4 + 0.2 * Uneven(bump + 50)) * catapultRollSeconds / bumps;
        const double gain = bump % 2 == 0 ? 1.0 : 0.65;
        sound.Tone(start, 0.18, 110.0, 55.0, Wave::soft, gain, {0.004, 0.05, 0.05});
        sound.Noise(start, 0.08, 900.0, gain, {0.002, 0.02, 0.03});
    }
    // The grass swishing under the rims: bright grains overlapping by half.
    constexpr double swish = 0.5;
    for (int index = 0; index * swish / 2.0 < catapultRollSeconds; ++index)
        sound.Noise(index * swish / 2.0, swish, 5000.0, 0.08 + 0.05 * Uneven(index + 100), {0.2, held, 0.25});
    // The axle creaking once a turn: a dry squeak rising a little, with its
    // octave.
    for (const double start : {0.45, 1.45}) {
        sound.Tone(start, 0.3, 340.0, 390.0, Wave::triangle, 0.15, {0.06, held, 0.1});
        sound.Tone(start, 0.3, 680.0, 780.0, Wave::sine, 0.06, {0.06, held, 0.1});
    }
    return sound;
}

} // namespace

std::vector<float> CatapultRollLoop()
{
    const Sound draft = Draft();
    const auto frames = static_cast<std::size_t>(catapultRollSeconds * soundRate);
    std::vector<double> loop(frames, 0.0);
    for (const SoundVoice& voice : draft.Voices()) {
        for (std::size_t frame = 0; frame < voice.samples.size(); ++frame)
            loop[(voice.first + frame) % frames] += voice.samples[frame];
    }
    double loudest = 0.0;
    for (const double sample : loop)
        loudest = std::max(loudest, std::abs(sample));
    std::vector<float> samples(frames);
    for (std::size_t frame = 0; frame < frames; ++frame)
        samples[frame] = static_cast<float>(loop[frame] * soundPeak / loudest);
    return samples;
}

std::vector<std::uint8_t> CatapultRollLoopOgg()
{
    return EncodeOggVorbis(CatapultRollLoop(), 1, soundRate, rollQuality);
}

} // namespace content::levels
