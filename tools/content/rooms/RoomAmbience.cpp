#include "RoomAmbience.h"

#include "OggEncoder.h"
#include "SoundArt.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace content::rooms {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double fadeSeconds = 0.75;

// Noise from a fixed generator, through a one-pole low-pass.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed) {}
    double White()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<double>(state) / 2147483648.0 - 1.0;
    }
    double LowPass(double cutoffHz)
    {
        const double k = 1.0 - std::exp(-2.0 * pi * cutoffHz / soundRate);
        low += k * (White() - low);
        return low;
    }

private:
    std::uint32_t state;
    double low = 0.0;
};

// A slow swell that repeats `times` times in the loop: 0 to 1.
double Swell(double t, double times)
{
    const double s = std::sin(pi * t * times / ambienceSeconds);
    return s * s;
}

double Waves(double t, Noise& low, Noise& hiss)
{
    const double swell = Swell(t, 2.0) * 0.7 + Swell(t + 1.3, 3.0) * 0.3;
    return low.LowPass(420.0) * (0.35 + 1.4 * swell) + hiss.LowPass(3200.0) * 0.25 * swell * swell;
}

double EngineHum(double t, Noise& low, Noise& /*unused*/)
{
    // Every frequency fits the loop a whole number of times.
    const double throb = 0.8 + 0.2 * std::sin(2.0 * pi * t * 2.0);
    double hum = 0.0;
    for (int harmonic = 1; harmonic <= 5; ++harmonic)
        hum += std::sin(2.0 * pi * 55.0 * harmonic * t + harmonic) / harmonic;
    return 0.35 * hum * throb + 0.5 * low.LowPass(180.0);
}

double Wind(double t, Noise& low, Noise& high)
{
    return low.LowPass(300.0) * (0.6 + 0.9 * Swell(t, 1.0)) + high.LowPass(1400.0) * 0.35 * Swell(t + 2.0, 2.0);
}

double VillageMurmur(double t, Noise& low, Noise& voices)
{
    // Voices: band noise with a syllable rhythm; now and then a bird.
    const double syllables = 0.5 + 0.5 * std::sin(2.0 * pi * 3.0 * t) * std::sin(2.0 * pi * 0.875 * t);
    const double band = voices.LowPass(900.0) - low.LowPass(250.0);
    double bird = 0.0;
    const double chirp = std::fmod(t, 2.0);
    if (t > 1.0 && t < 7.0 && chirp < 0.18) {
        const double envelope = std::sin(pi * chirp / 0.18);
        bird = 0.12 * envelope * std::sin(2.0 * pi * (2600.0 + 1800.0 * chirp) * chirp);
    }
    return 1.6 * band * (0.4 + 0.6 * syllables) + bird;
}

// The spaceport's rooms layer more noises than episode 1's: two more
// generators for them.
struct MoreNoise {
    Noise third{0x2468ACEu};
    Noise fourth{0x13579BDu};
};

// A bell over `start` to `end` seconds: 0 outside, 1 in its middle.
double Bell(double t, double start, double end)
{
    if (t <= start || t >= end)
        return 0.0;
    const double s = std::sin(pi * (t - start) / (end - start));
    return s * s;
}

// The festival square at evening: a big crowd talking (band noise with an
// uneven syllable rhythm, louder than the village's), now and then a laugh
// swelling out of it.
double Festival(double t, Noise& low, Noise& voices, MoreNoise& more)
{
    const double syllables = 0.5 + 0.25 * std::sin(2.0 * pi * 3.0 * t) * std::sin(2.0 * pi * 0.875 * t) +
                             0.25 * std::sin(2.0 * pi * 4.25 * t + 1.0);
    const double band = voices.LowPass(1100.0) - low.LowPass(280.0);
    const double laugh = Bell(t, 3.2, 4.4) * (0.5 + 0.5 * std::sin(2.0 * pi * 6.5 * t));
    return 1.2 * band * (0.45 + 0.55 * syllables) + 0.7 * more.third.LowPass(1600.0) * laugh;
}

// The terminal hall: many people far off in a big room (duller and steadier
// than a square), and the rumble of the landing field through the window.
double Terminal(double t, Noise& low, Noise& voices, MoreNoise& more)
{
    const double syllables = 0.5 + 0.5 * std::sin(2.0 * pi * 1.75 * t) * std::sin(2.0 * pi * 0.625 * t);
    const double band = voices.LowPass(650.0) - low.LowPass(180.0);
    return 1.3 * band * (0.6 + 0.4 * syllables) + 0.5 * more.third.LowPass(90.0) * (0.6 + 0.4 * Swell(t, 1.0));
}

// The landing pad at dusk: wind in gusts over the open pad, and a ship
// rumbling past far away.
double LandingPad(double t, Noise& low, Noise& high, MoreNoise& more)
{
    const double gust = Swell(t + 3.0, 1.0) * 0.6 + Swell(t + 0.5, 3.0) * 0.4;
    return low.LowPass(320.0) * (0.5 + 0.9 * gust) + high.LowPass(1800.0) * 0.3 * gust * gust +
           0.9 * more.third.LowPass(220.0) * Bell(t, 2.0, 6.5);
}

// The repair hangar: the hall's deep room tone and, once, the hiss of an
// air wrench.
double Hangar(double t, Noise& low, Noise& air, MoreNoise& more)
{
    return 0.7 * low.LowPass(140.0) + 0.2 * air.LowPass(600.0) + 0.35 * more.fourth.LowPass(5000.0) * Bell(t, 3.4, 4.1);
}

// The repeating sounds: chimes, notes, clanks and a sign's buzz, each at
// fixed times in the loop. They are added after the loop's end has been
// faded into its start, and each takes its age round the loop, so that one
// still ringing at the end rings on at the start: they join by themselves.

// The time since `onset`, round the loop.
double Age(double t, double onset)
{
    return std::fmod(t - onset + 2.0 * ambienceSeconds, ambienceSeconds);
}

// A struck note from `onset`: a 5 ms rise and an exponential fall.
double Strike(double t, double onset, double hertz, double decay)
{
    const double age = Age(t, onset);
    return std::min(1.0, age / 0.005) * std::exp(-age / decay) * std::sin(2.0 * pi * hertz * age);
}

// White noise that depends only on the frame, so that it repeats with the loop.
double FrameNoise(double age)
{
    auto n = static_cast<std::uint32_t>(age * soundRate) * 0x9E3779B1u;
    n ^= n >> 15;
    n *= 0x85EBCA77u;
    n ^= n >> 13;
    return static_cast<double>(n) / 2147483648.0 - 1.0;
}

// A burst of noise from `onset`, falling with `decay`.
double Burst(double t, double onset, double decay)
{
    const double age = Age(t, onset);
    return std::min(1.0, age / 0.002) * std::exp(-age / decay) * FrameNoise(age);
}

// A far-off band on the festival stage, a firework popping twice in the
// loop with a crackle after it.
double FestivalSounds(double t)
{
    // A calypso figure in Eb on a marimba, eighths at 120 beats a minute, and
    // the bass on the beats; the loop holds four bars.
    constexpr double tune[] = {466.2, 622.3, 784.0, 622.3, 698.5, 784.0, 698.5, 622.3,
                               523.3, 622.3, 830.6, 622.3, 784.0, 698.5, 587.3, 466.2};
    constexpr double bass[] = {77.8, 116.5, 103.8, 77.8, 116.5, 87.3, 77.8, 116.5};
    double music = 0.0;
    for (int eighth = 0; eighth < 32; ++eighth) {
        const double onset = 0.25 * eighth;
        const double hertz = tune[eighth % 16];
        music += 0.08 * (Strike(t, onset, hertz, 0.12) + 0.25 * Strike(t, onset, hertz * 4.0, 0.03));
    }
    for (int beat = 0; beat < 16; ++beat)
        music += 0.14 * Strike(t, 0.5 * beat, bass[beat % 8], 0.18);
    double fireworks = 0.0;
    for (const double pop : {2.3, 6.4}) {
        fireworks += 0.6 * Strike(t, pop, 55.0, 0.2) + 0.5 * Burst(t, pop, 0.03);
        for (int crackle = 0; crackle < 7; ++crackle)
            fireworks += 0.2 * Burst(t, pop + 0.3 + 0.06 * crackle + 0.02 * (crackle % 3), 0.006);
    }
    return music + fireworks;
}

// The terminal's announcement chime (three soft falling notes, once in the
// loop) and a ship's engines far off on the field, humming and whining.
double TerminalSounds(double t)
{
    double chime = 0.0;
    constexpr double notes[] = {784.0, 659.3, 523.3};
    for (int note = 0; note < 3; ++note) {
        const double onset = 1.0 + 0.45 * note;
        chime += 0.25 * Strike(t, onset, notes[note], 0.6) + 0.08 * Strike(t, onset, notes[note] * 2.0, 0.3);
    }
    // Frequencies that fit the loop a whole number of times.
    const double engines = 0.06 * std::sin(2.0 * pi * 41.25 * t) + 0.04 * std::sin(2.0 * pi * 82.625 * t) +
                           0.012 * std::sin(2.0 * pi * (1250.0 * t + 40.0 * std::sin(2.0 * pi * t / ambienceSeconds)));
    return chime + engines * (0.4 + 0.6 * Swell(t + 2.0, 1.0));
}

// The ship passing far away (its engine's whine falling as it goes) and the
// taxi sign buzzing, its light flickering out once.
double LandingPadSounds(double t)
{
    const double pass = Bell(t, 2.0, 6.5);
    const double whine = 0.04 * pass * std::sin(2.0 * pi * (660.0 * t - 6.0 * std::pow(t - 2.0, 2.0)));
    // The mains' 100 Hz with the uneven overtones of a sign's buzzing choke.
    constexpr double overtones[] = {0.5, 0.2, 0.2, 0.5, 1.0, 0.5};
    double buzz = 0.0;
    for (int harmonic = 1; harmonic <= 6; ++harmonic)
        buzz += overtones[harmonic - 1] * std::sin(2.0 * pi * 100.0 * harmonic * t);
    const double flicker = 1.0 - Bell(t, 5.2, 5.5) - 0.8 * Bell(t, 5.6, 5.75);
    return whine + 0.025 * buzz * flicker;
}

// The hangar's generator humming (two close tones beating slowly, with
// their overtones), a hammer on metal three times and a ratchet, each
// echoing through the hall.
double HangarSounds(double t)
{
    double hum = 0.0;
    for (int harmonic = 1; harmonic <= 5; ++harmonic)
        hum += (std::sin(2.0 * pi * 47.5 * harmonic * t) + 0.6 * std::sin(2.0 * pi * 47.625 * harmonic * t)) / harmonic;
    double tools = 0.0;
    constexpr double echoes[][2] = {{0.0, 1.0}, {0.23, 0.35}, {0.46, 0.12}};
    for (const auto& [delay, gain] : echoes) {
        for (const double blow : {1.2, 1.55, 1.9})
            tools += gain * (0.4 * Strike(t, blow + delay, 520.0, 0.12) + 0.25 * Strike(t, blow + delay, 1380.0, 0.07) +
                             0.12 * Strike(t, blow + delay, 2710.0, 0.04));
        for (int click = 0; click < 6; ++click)
            tools += gain * 0.08 * Strike(t, 5.6 + 0.09 * click + delay, 2300.0, 0.01);
    }
    return 0.05 * hum + tools;
}

} // namespace

std::vector<float> AmbienceLoop(Ambience ambience)
{
    const auto length = static_cast<std::size_t>(ambienceSeconds * soundRate);
    const auto fade = static_cast<std::size_t>(fadeSeconds * soundRate);
    Noise first(0x1234567u + static_cast<std::uint32_t>(ambience));
    Noise second(0x7654321u);
    MoreNoise more;
    std::vector<double> raw(length + fade);
    for (std::size_t index = 0; index < raw.size(); ++index) {
        const double t = static_cast<double>(index) / soundRate;
        switch (ambience) {
        case Ambience::waves: raw[index] = Waves(t, first, second); break;
        case Ambience::engineHum: raw[index] = EngineHum(t, first, second); break;
        case Ambience::wind: raw[index] = Wind(t, first, second); break;
        case Ambience::villageMurmur: raw[index] = VillageMurmur(t, first, second); break;
        case Ambience::festival: raw[index] = Festival(t, first, second, more); break;
        case Ambience::terminal: raw[index] = Terminal(t, first, second, more); break;
        case Ambience::landingPad: raw[index] = LandingPad(t, first, second, more); break;
        case Ambience::hangar: raw[index] = Hangar(t, first, second, more); break;
        // Episode 3's own loops are still to come; until then its rooms
        // borrow the nearest of the others.
        case Ambience::forest:
        case Ambience::tournamentMeadow: raw[index] = Wind(t, first, second); break;
        case Ambience::medievalVillage:
        case Ambience::smithy: raw[index] = VillageMurmur(t, first, second); break;
        }
    }
    // The part made after the loop's end is faded into its start, so that
    // the last sample runs on into the first.
    for (std::size_t index = 0; index < fade; ++index) {
        const double in = std::sin(0.5 * pi * static_cast<double>(index) / fade);
        const double out = std::cos(0.5 * pi * static_cast<double>(index) / fade);
        raw[index] = raw[index] * in + raw[length + index] * out;
    }
    raw.resize(length);
    for (std::size_t index = 0; index < length; ++index) {
        const double t = static_cast<double>(index) / soundRate;
        switch (ambience) {
        case Ambience::festival: raw[index] += FestivalSounds(t); break;
        case Ambience::terminal: raw[index] += TerminalSounds(t); break;
        case Ambience::landingPad: raw[index] += LandingPadSounds(t); break;
        case Ambience::hangar: raw[index] += HangarSounds(t); break;
        default: break;
        }
    }
    double peak = 1e-9;
    for (double sample : raw)
        peak = std::max(peak, std::abs(sample));
    // Ambience sits well below the effects and the speech.
    const double scale = 0.35 / peak;
    std::vector<float> samples(length);
    std::transform(raw.begin(), raw.end(), samples.begin(),
                   [scale](double sample) { return static_cast<float>(sample * scale); });
    return samples;
}

std::vector<std::uint8_t> AmbienceOgg(Ambience ambience)
{
    return EncodeOggVorbis(AmbienceLoop(ambience), 1, soundRate, 0.3f);
}

} // namespace content::rooms
