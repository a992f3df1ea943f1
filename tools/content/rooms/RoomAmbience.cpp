#include "RoomAmbience.h"

#include "OggEncoder.h"
#include "SoundArt.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>

namespace content::rooms {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double fadeSeconds = 0.75;

// A slow swell that repeats `times` times in the loop: 0 to 1.
double Swell(double t, double times)
{
    const double s = std::sin(pi * t * times / ambienceSeconds);
    return s * s;
}

double Waves(double t, NoiseSource& low, NoiseSource& hiss)
{
    const double swell = Swell(t, 2.0) * 0.7 + Swell(t + 1.3, 3.0) * 0.3;
    return low.LowPass(420.0) * (0.35 + 1.4 * swell) + hiss.LowPass(3200.0) * 0.25 * swell * swell;
}

double EngineHum(double t, NoiseSource& low, NoiseSource& /*unused*/)
{
    // Every frequency fits the loop a whole number of times.
    const double throb = 0.8 + 0.2 * std::sin(2.0 * pi * t * 2.0);
    double hum = 0.0;
    for (int harmonic = 1; harmonic <= 5; ++harmonic)
        hum += std::sin(2.0 * pi * 55.0 * harmonic * t + harmonic) / harmonic;
    return 0.35 * hum * throb + 0.5 * low.LowPass(180.0);
}

double Wind(double t, NoiseSource& low, NoiseSource& high)
{
    return low.LowPass(300.0) * (0.6 + 0.9 * Swell(t, 1.0)) + high.LowPass(1400.0) * 0.35 * Swell(t + 2.0, 2.0);
}

double VillageMurmur(double t, NoiseSource& low, NoiseSource& voices)
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
    NoiseSource third{0x2468ACEu};
    NoiseSource fourth{0x13579BDu};
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
double Festival(double t, NoiseSource& low, NoiseSource& voices, MoreNoise& more)
{
    const double syllables = 0.5 + 0.25 * std::sin(2.0 * pi * 3.0 * t) * std::sin(2.0 * pi * 0.875 * t) +
                             0.25 * std::sin(2.0 * pi * 4.25 * t + 1.0);
    const double band = voices.LowPass(1100.0) - low.LowPass(280.0);
    const double laugh = Bell(t, 3.2, 4.4) * (0.5 + 0.5 * std::sin(2.0 * pi * 6.5 * t));
    return 1.2 * band * (0.45 + 0.55 * syllables) + 0.7 * more.third.LowPass(1600.0) * laugh;
}

// The terminal hall: many people far off in a big room (duller and steadier
// than a square), and the rumble of the landing field through the window.
double Terminal(double t, NoiseSource& low, NoiseSource& voices, MoreNoise& more)
{
    const double syllables = 0.5 + 0.5 * std::sin(2.0 * pi * 1.75 * t) * std::sin(2.0 * pi * 0.625 * t);
    const double band = voices.LowPass(650.0) - low.LowPass(180.0);
    return 1.3 * band * (0.6 + 0.4 * syllables) + 0.5 * more.third.LowPass(90.0) * (0.6 + 0.4 * Swell(t, 1.0));
}

// The landing pad at dusk: wind in gusts over the open pad, and a ship
// rumbling past far away.
double LandingPad(double t, NoiseSource& low, NoiseSource& high, MoreNoise& more)
{
    const double gust = Swell(t + 3.0, 1.0) * 0.6 + Swell(t + 0.5, 3.0) * 0.4;
    return low.LowPass(320.0) * (0.5 + 0.9 * gust) + high.LowPass(1800.0) * 0.3 * gust * gust +
           0.9 * more.third.LowPass(220.0) * Bell(t, 2.0, 6.5);
}

// The repair hangar: the hall's deep room tone and, once, the hiss of an
// air wrench.
double Hangar(double t, NoiseSource& low, NoiseSource& air, MoreNoise& more)
{
    return 0.7 * low.LowPass(140.0) + 0.2 * air.LowPass(600.0) + 0.35 * more.fourth.LowPass(5000.0) * Bell(t, 3.4, 4.1);
}

// Episode 3's loops, in the middle ages below Burg Felsenstein.

// The forest clearing: a brook babbling (band noise whose level bubbles
// quickly and unevenly) and the leaves rustling in the breeze's gusts.
double Forest(double t, NoiseSource& leaves, NoiseSource& brook, MoreNoise& more)
{
    const double babble = 0.65 + 0.2 * std::sin(2.0 * pi * 7.25 * t) * std::sin(2.0 * pi * 3.125 * t + 0.5) +
                          0.15 * std::sin(2.0 * pi * 11.5 * t + 1.0);
    const double water = brook.LowPass(2400.0) - 0.8 * more.third.LowPass(350.0);
    const double gust = 0.3 + 0.7 * (Swell(t + 1.5, 1.0) * 0.6 + Swell(t, 3.0) * 0.4);
    return 0.8 * water * babble + 0.3 * leaves.LowPass(6000.0) * gust * gust;
}

// The village street: people talking here and there (softer and sparser
// than the spaceport's square), and a cart rolling past over the cobbles,
// its wheels rumbling.
double MedievalVillage(double t, NoiseSource& low, NoiseSource& voices, MoreNoise& more)
{
    const double syllables = 0.5 + 0.5 * std::sin(2.0 * pi * 2.5 * t) * std::sin(2.0 * pi * 0.625 * t + 0.7);
    const double band = voices.LowPass(850.0) - low.LowPass(230.0);
    const double cart = Bell(t, 1.2, 6.8);
    return 1.1 * band * (0.45 + 0.55 * syllables) + 1.1 * more.third.LowPass(160.0) * cart * cart;
}

// Inside the smithy: the forge's fire roaring, swelling with each breath of
// the bellows (a push that blows hard, a softer draw), and the street's
// murmur muffled behind the door.
double Smithy(double t, NoiseSource& fire, NoiseSource& air, MoreNoise& more)
{
    // Four breaths in the loop, two seconds each: the push in the first
    // half, the draw in the second.
    const double cycle = std::fmod(t, 2.0);
    const double push = cycle < 1.0 ? std::pow(std::sin(pi * cycle), 2.0) : 0.0;
    const double draw = cycle >= 1.0 ? 0.35 * std::pow(std::sin(pi * (cycle - 1.0)), 2.0) : 0.0;
    const double flicker = 0.8 + 0.2 * std::sin(2.0 * pi * 5.5 * t) * std::sin(2.0 * pi * 1.375 * t);
    const double roar = fire.LowPass(220.0) * (0.9 + 0.5 * push) * flicker;
    const double breath = air.LowPass(900.0) * (push + draw);
    const double street = more.third.LowPass(500.0) * (0.6 + 0.4 * std::sin(2.0 * pi * 1.75 * t) * std::sin(2.0 * pi * 0.5 * t));
    return 1.0 * roar + 0.55 * breath + 0.35 * street;
}

// The tournament meadow: wind in the grass (a high rustle in gusts over a
// low breath), the crowd murmuring at the grandstand further off, and the
// banners flapping when a gust catches them.
double TournamentMeadow(double t, NoiseSource& low, NoiseSource& grass, MoreNoise& more)
{
    const double gust = Swell(t + 2.5, 1.0) * 0.6 + Swell(t + 0.4, 2.0) * 0.4;
    const double wind = 0.6 * low.LowPass(260.0) * (0.5 + 0.8 * gust) + 0.35 * grass.LowPass(4500.0) * (0.3 + gust);
    const double syllables = 0.5 + 0.25 * std::sin(2.0 * pi * 3.25 * t) * std::sin(2.0 * pi * 0.75 * t) +
                             0.25 * std::sin(2.0 * pi * 4.5 * t + 2.0);
    const double crowd = (more.third.LowPass(800.0) - 0.7 * low.LowPass(200.0)) * (0.5 + 0.5 * syllables);
    // The cloth cracks in quick irregular flaps while the gust lasts.
    const double flap = std::pow(0.5 + 0.5 * std::sin(2.0 * pi * (9.0 * t + 0.4 * std::sin(2.0 * pi * 1.25 * t))), 6.0);
    return wind + 0.9 * crowd + 1.1 * more.fourth.LowPass(2200.0) * flap * gust;
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

// A bird's call from `onset`: a whistle of `length` seconds gliding from
// `fromHz` to `toHz`, swelling in and out.
double Chirp(double t, double onset, double length, double fromHz, double toHz)
{
    const double age = Age(t, onset);
    if (age >= length)
        return 0.0;
    const double phase = fromHz * age + 0.5 * (toHz - fromHz) / length * age * age;
    return std::sin(pi * age / length) * std::sin(2.0 * pi * phase);
}

// An animal's voiced call from `onset` (a cluck, a honk, a neigh): a buzz of
// harmonics whose pitch glides from `fromHz` to `toHz` and trembles by
// `tremble` (a share of it, eleven times a second), the harmonics near the
// resonances `formants` (each 350 Hz wide) loudest, swelling in and out.
double Call(double t, double onset, double length, double fromHz, double toHz, double tremble,
            std::initializer_list<double> formants)
{
    const double age = Age(t, onset);
    if (age >= length)
        return 0.0;
    const double shake = tremble * fromHz / (2.0 * pi * 11.0) * (1.0 - std::cos(2.0 * pi * 11.0 * age));
    const double phase = fromHz * age + 0.5 * (toHz - fromHz) / length * age * age + shake;
    const double hertz = fromHz + (toHz - fromHz) * age / length;
    double sum = 0.0;
    for (int harmonic = 1; harmonic * hertz < 6000.0; ++harmonic) {
        double weight = 0.15 / harmonic;
        for (const double formant : formants) {
            const double distance = (harmonic * hertz - formant) / 350.0;
            weight += std::exp(-distance * distance);
        }
        sum += weight * std::sin(2.0 * pi * harmonic * phase);
    }
    const double body = std::min(1.0, age / 0.015) * std::min(1.0, (length - age) / (0.3 * length));
    return body * sum;
}

// The forest's birds: a robin's falling trill, a finch's quick run ending
// in a flourish, a tit's two-note "zi-zi-bee", and a cuckoo far off; each
// round the loop at its own times. The brook's bubbles pop as they rise.
double ForestSounds(double t)
{
    double birds = 0.0;
    for (int note = 0; note < 7; ++note) {
        const double hertz = 4200.0 - 220.0 * note;
        birds += 0.25 * Chirp(t, 1.3 + 0.085 * note, 0.07, hertz * 1.15, hertz);
    }
    for (int note = 0; note < 9; ++note)
        birds += 0.2 * Chirp(t, 3.6 + 0.06 * note, 0.045, 3000.0 + 120.0 * note, 3400.0 + 120.0 * note);
    birds += 0.25 * Chirp(t, 4.2, 0.25, 2600.0, 4800.0);
    for (const double onset : {5.6, 6.9}) {
        birds += 0.2 * Chirp(t, onset, 0.1, 5200.0, 5000.0) + 0.2 * Chirp(t, onset + 0.16, 0.1, 5200.0, 5000.0);
        birds += 0.22 * Chirp(t, onset + 0.32, 0.22, 3900.0, 3800.0);
    }
    // The cuckoo: a falling third, soft and round, twice.
    for (const double onset : {2.4, 3.2}) {
        birds += 0.15 * Chirp(t, onset, 0.22, 680.0, 660.0) + 0.05 * Chirp(t, onset, 0.22, 1360.0, 1320.0);
        birds += 0.15 * Chirp(t, onset + 0.3, 0.3, 550.0, 530.0) + 0.05 * Chirp(t, onset + 0.3, 0.3, 1100.0, 1060.0);
    }
    double bubbles = 0.0;
    for (int bubble = 0; bubble < 20; ++bubble) {
        const double onset = 0.4 * bubble + 0.13 * ((bubble * 7) % 3);
        const double hertz = 650.0 + 90.0 * ((bubble * 5) % 8);
        bubbles += 0.1 * Chirp(t, onset, 0.03, hertz, hertz * 1.6);
    }
    return birds + bubbles;
}

// The village's animals and work: hens clucking ("bok, bok, bok-baak")
// twice, a goose honking far off, the cart's wheels knocking on the cobbles
// as it passes, and a hammer on an anvil down the street.
double MedievalVillageSounds(double t)
{
    double hens = 0.0;
    for (const double onset : {1.4, 5.3}) {
        for (int cluck = 0; cluck < 3; ++cluck)
            hens += 0.1 * Call(t, onset + 0.17 * cluck, 0.07, 420.0, 360.0, 0.0, {850.0, 1900.0});
        hens += 0.1 * Call(t, onset + 0.55, 0.3, 520.0, 760.0, 0.02, {900.0, 2000.0});
    }
    double goose = 0.0;
    for (const double onset : {3.5, 3.85})
        goose += 0.05 * Call(t, onset, 0.26, 430.0, 390.0, 0.0, {1050.0, 2300.0});
    double cart = 0.0;
    for (double knock = 1.5; knock < 6.6; knock += 0.31)
        cart += 0.3 * Bell(t, 1.2, 6.8) * (Strike(t, knock, 240.0, 0.025) + 0.5 * Burst(t, knock, 0.006));
    double hammer = 0.0;
    for (const double blow : {2.6, 3.0, 6.2, 6.6, 7.0})
        hammer += 0.1 * Strike(t, blow, 1180.0, 0.35) + 0.05 * Strike(t, blow, 2715.0, 0.2);
    return hens + goose + cart + hammer;
}

// The smithy's fire crackling and, once, the hiss of a blade quenched in
// the trough, seething as it cools.
double SmithySounds(double t)
{
    double crackle = 0.0;
    for (int spark = 0; spark < 26; ++spark)
        crackle += (0.08 + 0.06 * ((spark * 3) % 4)) * Burst(t, 0.3 * spark + 0.11 * ((spark * 7) % 3), 0.004);
    const double age = Age(t, 4.6);
    const double seethe = 0.7 + 0.3 * std::sin(2.0 * pi * 23.0 * age) * std::sin(2.0 * pi * 7.0 * age);
    const double quench = age < 2.2 ? std::min(1.0, age / 0.03) * std::exp(-age / 0.5) * std::min(1.0, (2.2 - age) / 0.3)
                                    : 0.0;
    return crackle + 0.22 * quench * seethe * FrameNoise(age);
}

// The meadow's horse whinnying far off, then a few steps of its hooves,
// and a banner's rope knocking on its pole.
double TournamentMeadowSounds(double t)
{
    const double neigh = 0.09 * Call(t, 3.0, 1.1, 900.0, 520.0, 0.05, {1100.0, 2500.0});
    double hooves = 0.0;
    for (int step = 0; step < 6; ++step)
        hooves += 0.12 * Strike(t, 5.2 + 0.22 * step + 0.05 * (step % 2), 380.0, 0.02) +
                  0.04 * Burst(t, 5.2 + 0.22 * step + 0.05 * (step % 2), 0.005);
    double rope = 0.0;
    for (const double knock : {1.8, 2.05, 6.9})
        rope += 0.04 * Strike(t, knock, 1650.0, 0.05);
    return neigh + hooves + rope;
}

} // namespace

std::vector<float> AmbienceLoop(Ambience ambience)
{
    const auto length = static_cast<std::size_t>(ambienceSeconds * soundRate);
    const auto fade = static_cast<std::size_t>(fadeSeconds * soundRate);
    NoiseSource first(0x1234567u + static_cast<std::uint32_t>(ambience));
    NoiseSource second(0x7654321u);
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
        case Ambience::forest: raw[index] = Forest(t, first, second, more); break;
        case Ambience::medievalVillage: raw[index] = MedievalVillage(t, first, second, more); break;
        case Ambience::smithy: raw[index] = Smithy(t, first, second, more); break;
        case Ambience::tournamentMeadow: raw[index] = TournamentMeadow(t, first, second, more); break;
        // Episode 4's own loops are still to come; until then its rooms
        // borrow the nearest of the others.
        case Ambience::castleYard: raw[index] = MedievalVillage(t, first, second, more); break;
        case Ambience::greatHall:
        case Ambience::castleKitchen: raw[index] = Smithy(t, first, second, more); break;
        case Ambience::tower:
        case Ambience::dungeon: raw[index] = Wind(t, first, second); break;
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
        case Ambience::forest: raw[index] += ForestSounds(t); break;
        case Ambience::medievalVillage: raw[index] += MedievalVillageSounds(t); break;
        case Ambience::smithy: raw[index] += SmithySounds(t); break;
        case Ambience::tournamentMeadow: raw[index] += TournamentMeadowSounds(t); break;
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
