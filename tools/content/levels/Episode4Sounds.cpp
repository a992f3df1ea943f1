#include "levels/Episode4Sounds.h"

#include "levels/SharedLevelSounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <utility>
#include <vector>

namespace content::levels {

namespace {

constexpr double pi = std::numbers::pi;
// A voice that keeps its level until its release.
constexpr double held = 1.0e9;

// The voices made sample by sample (a squeal, a squawk, a yelp, a ball
// rolling, a whoosh) are scaled to a peak of 1, so that the gain they are
// added with says how loud they stand among the sound's other voices.
std::vector<float> Normalised(std::vector<float> samples)
{
    float peak = 1e-9f;
    for (const float sample : samples)
        peak = std::max(peak, std::abs(sample));
    for (float& sample : samples)
        sample /= peak;
    return samples;
}

// Something dragged that sticks and slips (a gate's hinge, a rusty bolt):
// a train of sharp jolts whose rate, the squeal's pitch, glides from
// `fromHz` to `toHz` and wavers unevenly by `waver` (a share of it), each
// jolt ringing the resonances `rings` of the wood or iron; its loudness
// stutters `stutter` times a second as it catches.
std::vector<float> StickSlip(double seconds, double fromHz, double toHz, double waver, double stutter,
                             std::initializer_list<double> rings, double q, std::uint32_t seed)
{
    std::vector<float> samples(SoundFrames(seconds));
    NoiseSource random(seed);
    std::vector<Filter> filters;
    for (const double ring : rings)
        filters.push_back(Filter::BandPass(ring, q));
    double phase = 0.0;
    for (std::size_t frame = 0; frame < samples.size(); ++frame) {
        const double time = static_cast<double>(frame) / soundRate;
        const double progress = time / seconds;
        const double wobble = 0.6 * std::sin(2.0 * pi * 2.3 * time) + 0.4 * std::sin(2.0 * pi * 5.7 * time + 1.0);
        const double hertz = fromHz * std::pow(toHz / fromHz, progress) * (1.0 + waver * wobble);
        phase += hertz / soundRate;
        double jolt = 0.05 * random.White();
        if (phase >= 1.0) {
            phase -= 1.0;
            jolt += 1.0 + 0.3 * random.White();
        }
        double rung = 0.0;
        for (Filter& filter : filters)
            rung += filter(jolt);
        const double catches =
            0.6 + 0.4 * std::sin(2.0 * pi * stutter * time) * std::sin(2.0 * pi * 0.7 * stutter * time);
        samples[frame] = static_cast<float>(rung * catches);
    }
    return Normalised(std::move(samples));
}

// A throat's resonance: where it lies, how narrow and how loud.
struct Formant {
    double hertz, q, gain;
};

// How a creature's cry sounds: the buzz of its voice (a sawtooth whose
// brightness and waver are given), the hiss of its breath mixed in, how
// much of the buzz is heard besides the two resonances of its throat,
// and the shares of the cry it swells in and out over.
struct Throat {
    double brightness;
    double waver;
    double breath;
    double direct;
    Formant low, high;
    double swell, fade;
};

// A cry, `seconds` long, through `throat`, its pitch in hertz given by
// `pitch` of the share of the cry gone by (0 to 1).
template <typename Pitch> std::vector<float> Cry(double seconds, const Throat& throat, Pitch pitch, std::uint32_t seed)
{
    std::vector<float> samples(SoundFrames(seconds));
    NoiseSource random(seed);
    Filter low = Filter::BandPass(throat.low.hertz, throat.low.q);
    Filter high = Filter::BandPass(throat.high.hertz, throat.high.q);
    double phase = 0.0;
    for (std::size_t frame = 0; frame < samples.size(); ++frame) {
        const double progress = static_cast<double>(frame) / static_cast<double>(samples.size());
        const double hertz = pitch(progress);
        phase += hertz * (1.0 + throat.waver * random.White()) / soundRate;
        phase -= std::floor(phase);
        const double raw = Sawtooth(phase, hertz, throat.brightness, 6000.0) + throat.breath * random.White();
        const double voiced = throat.direct * raw + throat.low.gain * low(raw) + throat.high.gain * high(raw);
        const double body = std::min(1.0, progress / throat.swell) * std::min(1.0, (1.0 - progress) / throat.fade);
        samples[frame] = static_cast<float>(body * voiced);
    }
    return Normalised(std::move(samples));
}

// The tin magpie's call, `seconds` long: a harsh buzz from `fromHz` to
// `toHz` with much hiss through a bird's throat (around 2.2 and 3.6 kHz),
// and half of it ring-modulated at 1,370 Hz, which gives the metal voice
// of a machine.
std::vector<float> TinSquawk(double seconds, double fromHz, double toHz, std::uint32_t seed)
{
    constexpr Throat magpie{8.0, 0.0, 1.4, 0.0, {2200.0, 2.0, 1.0}, {3600.0, 3.0, 0.8}, 0.1, 0.3};
    std::vector<float> samples = Cry(
        seconds, magpie, [=](double progress) { return fromHz * std::pow(toHz / fromHz, progress); }, seed);
    for (std::size_t frame = 0; frame < samples.size(); ++frame)
        samples[frame] *= static_cast<float>(0.5 + 0.5 * std::sin(2.0 * pi * 1370.0 * frame / soundRate));
    return samples;
}

// A dog's yelp, `seconds` long: a voiced cry leaping from `fromHz` up to
// `peakHz` and falling to `toHz`, through a dog's mouth (around 1.3 and
// 2.8 kHz).
std::vector<float> Yelp(double seconds, double fromHz, double peakHz, double toHz, std::uint32_t seed)
{
    constexpr Throat dog{6.0, 0.01, 0.0, 0.3, {1300.0, 3.0, 1.2}, {2800.0, 4.0, 0.7}, 0.06, 0.4};
    return Cry(
        seconds, dog,
        [=](double progress) {
            return progress < 0.25 ? fromHz * std::pow(peakHz / fromHz, progress / 0.25)
                                   : peakHz * std::pow(toHz / peakHz, (progress - 0.25) / 0.75);
        },
        seed);
}

// One link of a chain knocking against another (or against metal): a
// short bright clink at `hertz`.
void Clink(Sound& sound, double start, double hertz, double gain)
{
    const Partial link[] = {{hertz, 0.3, 0.03}, {hertz * 2.76, 0.2, 0.02}, {hertz * 5.4, 0.1, 0.012}};
    Clang(sound, start, start + 0.2, link, gain);
}

// A pitch for the `index`-th clink of a chain, unevenly spread over
// 1.8 to 3.2 kHz, as its links differ.
double LinkPitch(int index)
{
    return 1800.0 + 175.0 * ((index * 5) % 9);
}

// The magpie's tin wings beating `count` times from `start`: each beat a
// rush of air and the rattle of its tin feathers.
void TinWings(Sound& sound, double start, int count, double gain)
{
    constexpr Partial feathers[] = {{2950.0, 0.3, 0.03}, {4400.0, 0.2, 0.025}, {6100.0, 0.1, 0.015}};
    for (int beat = 0; beat < count; ++beat) {
        const double at = start + 0.11 * beat;
        const double fading = gain * (1.0 - 0.6 * beat / count);
        sound.Noise(at, 0.09, 1500.0, 0.5 * fading, {0.03, 0.03, 0.03});
        Clang(sound, at + 0.02, at + 0.18, feathers, 0.5 * fading);
    }
}

// The castle gate creaking open: the iron bar lifted out of its hooks, the
// great hinge groaning as the heavy wood swings, a second hinge squeaking
// higher over it, and the gate's thud against the wall with its iron
// fittings rattling.
Sound Tor()
{
    Sound sound(2.4, bigLevelDb);
    constexpr Partial bar[] = {{520.0, 0.3, 0.08}, {1380.0, 0.25, 0.06}, {2450.0, 0.15, 0.04}};
    Clang(sound, 0.0, 0.4, bar, 0.6);
    sound.Recording(0.2, StickSlip(1.6, 95.0, 70.0, 0.15, 3.0, {480.0, 1150.0, 2300.0}, 6.0, 0x7042u), 1.0,
                    {0.15, held, 0.3});
    sound.Recording(0.6, StickSlip(0.9, 180.0, 260.0, 0.1, 5.0, {900.0, 1900.0, 3100.0}, 8.0, 0x7043u), 0.45,
                    {0.1, held, 0.25});
    sound.Noise(0.2, 1.6, 250.0, 0.4, {0.3, held, 0.4});
    // The thud.
    sound.Tone(1.85, 0.5, 90.0, 50.0, Wave::soft, 0.55, {0.002, 0.12, 0.2});
    sound.Noise(1.85, 0.3, 600.0, 0.4, {0.002, 0.06, 0.1});
    Clang(sound, 1.87, 2.4, bar, 0.35);
    return sound;
}

// The smith's chain coming off the taxi: the key turning in the padlock,
// its shackle snapping open, the chain's links running off the taxi's body
// quicker and quicker, its heavy fall onto the cobbles and the last links
// settling.
Sound Kette()
{
    Sound sound(2.2, mediumLevelDb);
    sound.Grain(0.0, 6000.0, 0.6, 0.002);
    constexpr Partial lock[] = {{1650.0, 0.3, 0.05}, {3900.0, 0.2, 0.03}};
    Clang(sound, 0.02, 0.3, lock, 0.6);
    constexpr Partial shackle[] = {{2200.0, 0.3, 0.06}, {4700.0, 0.2, 0.04}};
    Clang(sound, 0.15, 0.45, shackle, 0.8);
    int link = 0;
    for (double at = 0.38, gap = 0.08; at < 1.35; at += gap, gap = std::max(0.028, gap * 0.9), ++link)
        Clink(sound, at, LinkPitch(link), 0.5 + 0.3 * (at - 0.38));
    // The fall.
    constexpr double fall = 1.4;
    sound.Tone(fall, 0.4, 120.0, 60.0, Wave::soft, 0.6, {0.002, 0.08, 0.15});
    sound.Noise(fall, 0.3, 2500.0, 0.5, {0.001, 0.05, 0.1});
    for (int crash = 0; crash < 12; ++crash, ++link)
        Clink(sound, fall + 0.013 * crash + 0.005 * (crash % 3), LinkPitch(link), 0.9 - 0.05 * crash);
    for (const double settle : {1.68, 1.79, 1.93})
        Clink(sound, settle, LinkPitch(link++), 0.3);
    return sound;
}

// The tin magpie: its metal chatter ("tschak-tschak-tschak"), a long
// grating squawk and the clatter of its tin wings as it flaps about.
Sound Elster()
{
    Sound sound(1.9, mediumLevelDb);
    std::uint32_t seed = 0xE15Au;
    for (int call = 0; call < 5; ++call)
        sound.Recording(0.09 * call, TinSquawk(0.06, 780.0, 700.0, seed++), 0.8, {0.003, held, 0.015});
    sound.Recording(0.55, TinSquawk(0.38, 900.0, 560.0, seed++), 1.0, {0.01, held, 0.06});
    TinWings(sound, 1.0, 7, 1.0);
    return sound;
}

// The magpie diving at her reflection in the polished tray: the rush of
// her dive, the tray's ringing clang as she hits it (a thin plate's many
// partials, beating in pairs as it wobbles), her tin body clattering, the
// crystal dropping from her beak and bouncing with glassy tinks, and her
// angry squawk as she flaps off through the window.
Sound Klirren()
{
    Sound sound(2.4, bigLevelDb);
    sound.Noise(0.0, 0.35, 1800.0, 0.4, {0.3, held, 0.03});
    constexpr double hit = 0.33;
    constexpr Partial tray[] = {{523.0, 0.35, 0.9},   {527.0, 0.25, 0.9},   {1187.0, 0.3, 0.7},
                                {1195.0, 0.2, 0.7},   {1893.0, 0.25, 0.55}, {2661.0, 0.2, 0.45},
                                {3512.0, 0.16, 0.35}, {4420.0, 0.1, 0.25},  {5390.0, 0.07, 0.2}};
    Clang(sound, hit, 2.4, tray, 1.0);
    constexpr Partial tin[] = {{2950.0, 0.3, 0.06}, {4400.0, 0.2, 0.05}, {6900.0, 0.1, 0.03}};
    for (const double knock : {hit + 0.01, hit + 0.08, hit + 0.14})
        Clang(sound, knock, knock + 0.3, tin, 0.5);
    constexpr Partial crystal[] = {{2960.0, 0.3, 0.3}, {4870.0, 0.2, 0.2}, {7300.0, 0.1, 0.12}};
    constexpr double bounces[][2] = {{0.85, 0.5}, {1.0, 0.3}, {1.08, 0.18}};
    for (const auto& [at, gain] : bounces)
        Clang(sound, at, at + 0.6, crystal, gain);
    sound.Recording(1.2, TinSquawk(0.3, 950.0, 640.0, 0xE16Au), 0.5, {0.01, held, 0.05});
    TinWings(sound, 1.3, 6, 0.7);
    return sound;
}

// A handful of cold ash scooped from beside the hearth: the soft scrape
// into the heap, cinders crunching, a puff of dust and a few cinders
// trickling back.
Sound Asche()
{
    Sound sound(1.0, smallLevelDb);
    sound.Recording(0.0, Hiss(0.38, 300.0, 2500.0, 0xA5C4u), 0.8, {0.08, held, 0.15});
    for (int cinder = 0; cinder < 9; ++cinder)
        sound.Grain(0.05 + 0.035 * cinder + 0.008 * (cinder % 3), 3000.0, 0.15 + 0.04 * ((cinder * 3) % 4), 0.002);
    sound.Noise(0.42, 0.4, 900.0, 0.5, {0.02, 0.12, 0.2});
    for (const double trickle : {0.55, 0.62, 0.7, 0.81})
        sound.Grain(trickle, 4000.0, 0.12, 0.0015);
    return sound;
}

// The tarnished tray scrubbed with ash and a cloth: strokes to and fro,
// the cloth squeaking on the silver as the tarnish comes off, and a bright
// glint of a chime as it shines.
Sound Polieren()
{
    Sound sound(1.9, smallLevelDb);
    for (int stroke = 0; stroke < 6; ++stroke) {
        const double start = 0.22 * stroke;
        // The push rubs brighter than the pull.
        const double high = stroke % 2 == 0 ? 7000.0 : 4500.0;
        sound.Recording(start, Hiss(0.2, 1200.0, high, 0x5C0Bu + stroke), stroke % 2 == 0 ? 0.8 : 0.55,
                        {0.04, held, 0.06});
        if (stroke >= 3)
            sound.Tone(start + 0.05, 0.12, 2600.0 + 150.0 * stroke, 3100.0 + 150.0 * stroke, Wave::triangle,
                       0.08 + 0.03 * (stroke - 3), {0.02, held, 0.04});
    }
    sound.Tone(1.4, 0.45, 2637.0, 2637.0, Wave::sine, 0.3, {0.003, 0.12, 0.15});
    sound.Tone(1.45, 0.4, 3951.0, 3951.0, Wave::sine, 0.18, {0.003, 0.1, 0.15});
    return sound;
}

// The dog startled by the flash: two yelps and a whimper, the lard pot
// knocked as it jumps down, its claws scrabbling on the flagstones as it
// scurries off, and the wicker of its basket creaking as it curls up.
Sound Hund()
{
    Sound sound(2.2, mediumLevelDb);
    sound.Recording(0.0, Yelp(0.16, 700.0, 1150.0, 800.0, 0xD0Cu), 0.7, {0.003, held, 0.03});
    sound.Recording(0.22, Yelp(0.14, 750.0, 1250.0, 850.0, 0xD0Du), 0.65, {0.003, held, 0.03});
    sound.Recording(0.42, Yelp(0.3, 900.0, 1000.0, 600.0, 0xD0Eu), 0.35, {0.01, held, 0.06});
    sound.Tone(0.2, 0.15, 330.0, 300.0, Wave::soft, 0.4, {0.001, 0.04, 0.05});
    sound.Grain(0.2, 1500.0, 0.3, 0.003);
    // The gallop: four paws in each stride, each a soft pad and the click
    // of its claws, further off stride by stride.
    for (int stride = 0; stride < 7; ++stride) {
        const double fading = 1.0 - 0.11 * stride;
        for (int paw = 0; paw < 4; ++paw) {
            const double at = 0.62 + 0.19 * stride + 0.028 * paw + 0.006 * (paw % 2);
            sound.Grain(at, 6000.0, (0.7 - 0.1 * (paw % 2)) * fading, 0.0012);
            sound.Tone(at, 0.05, 170.0, 130.0, Wave::soft, 0.12 * fading, {0.002, 0.01, 0.02});
        }
    }
    for (int crackle = 0; crackle < 8; ++crackle)
        sound.Grain(1.95 + 0.025 * crackle + 0.01 * ((crackle * 5) % 3), 2500.0, 0.25, 0.003);
    return sound;
}

// The rusty bolt dragged out of the dungeon wall with the lard on it: a
// stuttering squeal climbing as it gives, the rust grinding under it, the
// clank as it comes free and the ring knocking against the stone.
Sound Quietschen()
{
    Sound sound(1.8, mediumLevelDb);
    sound.Recording(0.05, StickSlip(1.3, 520.0, 880.0, 0.08, 6.0, {2100.0, 3300.0, 4700.0}, 10.0, 0x0B01u), 1.0,
                    {0.08, held, 0.1});
    sound.Recording(0.05, Hiss(1.3, 800.0, 4000.0, 0x0B02u), 0.3, {0.2, held, 0.1});
    constexpr Partial iron[] = {{870.0, 0.4, 0.15}, {2340.0, 0.3, 0.1}, {3900.0, 0.2, 0.06}};
    Clang(sound, 1.38, 1.8, iron, 0.9);
    sound.Tone(1.46, 0.15, 200.0, 150.0, Wave::soft, 0.5, {0.001, 0.04, 0.05});
    return sound;
}

// The old iron ball rolling over the flagstones, `seconds` long: a low
// rumble bumping over the joints, slower and quieter as the ball runs out.
std::vector<float> Rolling(double seconds)
{
    std::vector<float> samples(SoundFrames(seconds));
    NoiseSource random(0x8011u);
    double joint = 0.0;
    for (std::size_t frame = 0; frame < samples.size(); ++frame) {
        const double progress = static_cast<double>(frame) / static_cast<double>(samples.size());
        joint += 9.0 * (1.0 - 0.7 * progress) / soundRate;
        const double bump = std::pow(0.5 + 0.5 * std::cos(2.0 * pi * joint), 8.0);
        samples[frame] = static_cast<float>(random.LowPass(160.0) * (0.5 + 1.5 * bump) * (1.0 - 0.6 * progress));
    }
    return Normalised(std::move(samples));
}

// The iron ball coming free: its heavy thud on the stone floor with its
// chain clattering, one bounce, and the roll over the flagstones, the chain
// dragging behind, until it knocks to rest against the wall.
Sound Kugel()
{
    Sound sound(2.5, bigLevelDb);
    sound.Tone(0.0, 0.4, 95.0, 45.0, Wave::soft, 1.0, {0.002, 0.1, 0.15});
    sound.Noise(0.0, 0.2, 1200.0, 0.7, {0.001, 0.03, 0.08});
    sound.Grain(0.0, 4000.0, 0.6, 0.004);
    int link = 0;
    for (const double at : {0.02, 0.05, 0.07, 0.11})
        Clink(sound, at, LinkPitch(link++), 0.5);
    sound.Tone(0.28, 0.3, 90.0, 50.0, Wave::soft, 0.45, {0.002, 0.07, 0.1});
    sound.Recording(0.33, Rolling(1.9), 0.7, {0.1, held, 0.4});
    for (double at = 0.4, gap = 0.09; at < 2.0; at += gap, gap *= 1.12)
        Clink(sound, at, LinkPitch(link++), 0.25);
    sound.Tone(2.22, 0.25, 110.0, 80.0, Wave::soft, 0.4, {0.002, 0.05, 0.08});
    return sound;
}

// The smith hammering the copper kettle into a coil on his anvil: four
// blows on the soft copper, dull and short, the anvil ringing faintly
// through it, and a last blow on the bare anvil ringing on.
Sound Hammer()
{
    Sound sound(2.3, mediumLevelDb);
    constexpr Partial copper[] = {{340.0, 0.4, 0.12}, {910.0, 0.35, 0.09}, {1720.0, 0.25, 0.06}, {2650.0, 0.15, 0.04}};
    for (const double blow : {0.0, 0.3, 0.6, 0.9}) {
        Clang(sound, blow, blow + 0.35, copper, 1.0);
        AnvilBlow(sound, blow, 1.3, 0.3);
    }
    AnvilBlow(sound, 1.3, 2.3, 0.9);
    return sound;
}

// The castle bell struck once: a deep bong of a bell's partials (its hum
// an octave under the strike note, the minor third that makes a bell
// sound like one, the fifth, the octave and higher), the lowest in pairs
// a little apart so that the sound swells and ebbs as it rings.
Sound Glocke()
{
    Sound sound(2.5, bigLevelDb);
    constexpr double prime = 147.0;
    constexpr Partial bell[] = {{0.5 * prime, 0.35, 2.5},  {0.5 * prime + 0.6, 0.25, 2.5}, {prime, 0.4, 1.6},
                                {prime + 0.9, 0.3, 1.6},   {1.19 * prime, 0.35, 1.2},      {1.5 * prime, 0.2, 0.9},
                                {2.0 * prime, 0.5, 0.8},   {2.52 * prime, 0.25, 0.5},      {2.66 * prime, 0.2, 0.45},
                                {3.01 * prime, 0.2, 0.35}, {4.1 * prime, 0.12, 0.2},       {5.4 * prime, 0.08, 0.15},
                                {6.6 * prime, 0.05, 0.1}};
    Clang(sound, 0.0, 2.5, bell, 1.0);
    sound.Tone(0.0, 0.1, 400.0, 300.0, Wave::soft, 0.2, {0.001, 0.015, 0.03});
    return sound;
}

// The taxi's jump through time: the time drive spooling up (two tones
// climbing four octaves, beating against each other) in a rising rush of
// air, then the bright zap of the jump (a crack of noise and tones
// plunging from the top), a low boom of the air closing behind it and a
// glitter of sparks dying away.
Sound Zeitsprung()
{
    Sound sound(2.5, bigLevelDb);
    constexpr double jump = 1.6;
    sound.Recording(0.0, SweepingWhoosh(jump + 0.06, 200.0, 4400.0, 0x2E17u), 0.8, {0.6, held, 0.06});
    sound.Tone(0.0, jump + 0.02, 110.0, 1760.0, Wave::triangle, 0.3, {1.2, held, 0.03});
    sound.Tone(0.0, jump + 0.02, 112.0, 1790.0, Wave::triangle, 0.25, {1.2, held, 0.03});
    sound.Grain(jump, 8000.0, 1.0, 0.004);
    sound.Noise(jump, 0.25, 9000.0, 1.0, {0.001, 0.05, 0.08});
    sound.Tone(jump, 0.5, 5000.0, 300.0, Wave::sine, 0.9, {0.001, 0.12, 0.1});
    sound.Tone(jump, 0.35, 2500.0, 150.0, Wave::triangle, 0.6, {0.001, 0.08, 0.1});
    sound.Tone(jump, 0.8, 70.0, 35.0, Wave::soft, 0.45, {0.003, 0.25, 0.3});
    for (int spark = 0; spark < 10; ++spark) {
        const double hertz = 3000.0 + 320.0 * ((spark * 7) % 10);
        sound.Tone(jump + 0.1 + 0.065 * spark, 0.2, hertz, hertz * 1.02, Wave::sine, 0.15 * (1.0 - 0.07 * spark),
                   {0.002, 0.04, 0.06});
    }
    return sound;
}

constexpr SoundEffect episode4SoundEffects[] = {
    {"audioevent_tor", "tor.wav", Tor},
    {"audioevent_kette", "kette.wav", Kette},
    {"audioevent_elster", "elster.wav", Elster},
    {"audioevent_klirren", "klirren.wav", Klirren},
    {"audioevent_asche", "asche.wav", Asche},
    {"audioevent_polieren", "polieren.wav", Polieren},
    {"audioevent_hund", "hund.wav", Hund},
    {"audioevent_kamera", "kamera.wav", MiasCamera},
    {"audioevent_quietschen", "quietschen.wav", Quietschen},
    {"audioevent_kugel", "kugel.wav", Kugel},
    {"audioevent_hammer", "hammer.wav", Hammer},
    {"audioevent_glocke", "glocke.wav", Glocke},
    {"audioevent_zeitsprung", "zeitsprung.wav", Zeitsprung},
};

} // namespace

std::span<const SoundEffect> Episode4SoundEffects()
{
    return episode4SoundEffects;
}

} // namespace content::levels
