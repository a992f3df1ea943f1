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
// generators for them, and the castle's wind howls through bands that
// follow its gusts.
struct MoreNoise {
    NoiseSource third{0x2468ACEu};
    NoiseSource fourth{0x13579BDu};
    SweptBand howl{9.0};
    SweptBand whistle{12.0};
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

// Episode 4's loops, inside the walls of Burg Felsenstein.

// The castle yard: the wind over the battlements in gusts, howling low
// where it catches in the crenels (a narrow band whose pitch rises with the
// gust), and the banners cracking when a gust catches them.
double CastleYard(double t, NoiseSource& low, NoiseSource& air, MoreNoise& more)
{
    const double gust = Swell(t + 1.0, 1.0) * 0.55 + Swell(t + 3.1, 2.0) * 0.45;
    const double wind = 0.7 * low.LowPass(240.0) * (0.5 + 0.8 * gust) + 0.2 * air.LowPass(2500.0) * gust;
    const double howl = 2.2 * more.howl(more.third.White(), 380.0 + 160.0 * gust) * (0.4 + 0.6 * gust);
    const double flap =
        std::pow(0.5 + 0.5 * std::sin(2.0 * pi * (7.0 * t + 0.5 * std::sin(2.0 * pi * 0.875 * t))), 6.0);
    return wind + howl + 0.9 * more.fourth.LowPass(1800.0) * flap * gust * gust;
}

// The great hall: the deep tone of a big stone room, the draught moaning
// softly in the chimney and the fire in the hearth breathing.
double GreatHall(double t, NoiseSource& room, NoiseSource& fire, MoreNoise& more)
{
    const double draught = 0.6 + 0.4 * Swell(t + 2.0, 1.0);
    const double flicker = 0.75 + 0.25 * std::sin(2.0 * pi * 3.5 * t) * std::sin(2.0 * pi * 1.125 * t);
    return 0.6 * room.LowPass(110.0) + 0.9 * more.howl(more.third.White(), 210.0 + 30.0 * draught) * draught +
           0.4 * fire.LowPass(350.0) * flicker;
}

// The castle kitchen: the hearth's fire roaring under the spit, and the
// big pot simmering (a hiss whose level churns quickly).
double CastleKitchen(double t, NoiseSource& fire, NoiseSource& steam, MoreNoise& more)
{
    const double flicker = 0.8 + 0.2 * std::sin(2.0 * pi * 4.5 * t) * std::sin(2.0 * pi * 1.625 * t);
    const double churn = 0.6 + 0.4 * std::sin(2.0 * pi * 13.0 * t) * std::sin(2.0 * pi * 2.875 * t + 1.0);
    return 0.9 * fire.LowPass(260.0) * flicker + 0.3 * (steam.LowPass(2200.0) - more.third.LowPass(600.0)) * churn;
}

// The top of the tower: a strong wind in hard gusts round the roof, whose
// howl and whistle through the gaps climb with every gust.
double Tower(double t, NoiseSource& low, NoiseSource& air, MoreNoise& more)
{
    const double gust = Swell(t + 0.6, 2.0) * 0.6 + Swell(t + 2.2, 3.0) * 0.4;
    const double wind = 0.8 * low.LowPass(300.0) * (0.5 + 0.9 * gust) + 0.35 * air.LowPass(3000.0) * gust;
    const double howl = 3.0 * more.howl(more.third.White(), 520.0 + 260.0 * gust) * (0.4 + 0.8 * gust);
    const double whistle = 2.5 * more.whistle(more.fourth.White(), 1100.0 + 500.0 * gust) * gust * gust;
    return wind + howl + whistle;
}

// The dungeon: a low drone (two deep tones a loop's beat apart, their
// overtone and the rumble of the rock) and a cold draught from the stairs.
double Dungeon(double t, NoiseSource& rock, NoiseSource& draught, MoreNoise& /*unused*/)
{
    // Every frequency fits the loop a whole number of times.
    const double drone = std::sin(2.0 * pi * 49.0 * t) + 0.25 * std::sin(2.0 * pi * 49.125 * t) +
                         0.3 * std::sin(2.0 * pi * 98.25 * t + 1.0) + 0.15 * std::sin(2.0 * pi * 147.0 * t + 2.0);
    return 0.12 * drone + 0.5 * rock.LowPass(120.0) + 0.25 * draught.LowPass(700.0) * (0.5 + 0.5 * Swell(t + 1.0, 1.0));
}

// Episode 5's loops, inside the Baron's moon base.

// The landing pad under the glass dome: the dome's air plant humming low
// (two tones a loop's beat apart and their overtones), the deep rumble of
// its machinery and the soft rush of its ventilation, swelling slowly.
double MoonPad(double t, NoiseSource& rumble, NoiseSource& air, MoreNoise& /*unused*/)
{
    // Every frequency fits the loop a whole number of times.
    const double hum = std::sin(2.0 * pi * 55.0 * t) + 0.5 * std::sin(2.0 * pi * 55.125 * t + 0.5) +
                       0.35 * std::sin(2.0 * pi * 110.0 * t + 1.0) + 0.15 * std::sin(2.0 * pi * 165.25 * t + 2.0);
    return 0.14 * hum + 0.5 * rumble.LowPass(130.0) + 0.22 * air.LowPass(1100.0) * (0.6 + 0.4 * Swell(t + 1.5, 1.0));
}

// The airlock: its air pumps working in strokes (a low thud of air and the
// motor's hum under them) and the hiss of air let out twice.
double Airlock(double t, NoiseSource& low, NoiseSource& air, MoreNoise& more)
{
    // Four strokes in the loop, two seconds each.
    const double stroke = std::pow(std::sin(pi * t / 2.0), 2.0);
    const double motor = std::sin(2.0 * pi * 75.0 * t) + 0.4 * std::sin(2.0 * pi * 150.125 * t + 1.0);
    const double hiss = Bell(t, 2.9, 3.9) + 0.7 * Bell(t, 6.1, 6.9);
    return 0.7 * low.LowPass(220.0) * (0.5 + 0.8 * stroke) + 0.09 * motor + 0.15 * air.LowPass(800.0) +
           0.8 * (more.fourth.LowPass(7000.0) - more.third.LowPass(1500.0)) * hiss;
}

// The lab: the fridge humming (a mains hum and its overtones), the deep tone
// of the room, and the tanks bubbling (band noise whose level churns quickly).
double Laboratory(double t, NoiseSource& room, NoiseSource& water, MoreNoise& more)
{
    const double hum = std::sin(2.0 * pi * 50.0 * t) + 0.6 * std::sin(2.0 * pi * 100.0 * t + 0.7) +
                       0.3 * std::sin(2.0 * pi * 150.0 * t + 1.4);
    const double churn = 0.55 + 0.45 * std::sin(2.0 * pi * 9.5 * t) * std::sin(2.0 * pi * 2.625 * t + 0.3);
    return 0.08 * hum + 0.45 * room.LowPass(140.0) + 0.5 * (water.LowPass(1400.0) - more.third.LowPass(350.0)) * churn;
}

// The store: the freezer's compressor humming, the cleaning robot's whirr
// coming near and going off again (its motor's tone and the rush of its
// brushes) and the air vent's loose grille rattling in the draught.
double StoreRoom(double t, NoiseSource& low, NoiseSource& draught, MoreNoise& more)
{
    const double compressor = std::sin(2.0 * pi * 60.0 * t) + 0.5 * std::sin(2.0 * pi * 120.0 * t + 0.4) +
                              0.25 * std::sin(2.0 * pi * 180.125 * t + 0.9);
    const double near = Bell(t, 1.8, 6.8);
    const double whirr = std::sin(2.0 * pi * 310.0 * t) + 0.5 * std::sin(2.0 * pi * 620.0 * t + 0.3) +
                         0.25 * std::sin(2.0 * pi * 930.0 * t + 0.6);
    const double gust = 0.5 + 0.5 * Swell(t + 0.7, 2.0);
    const double rattle = std::pow(0.5 + 0.5 * std::sin(2.0 * pi * 23.0 * t), 8.0) * gust;
    return 0.1 * compressor + 0.45 * low.LowPass(160.0) + 0.15 * draught.LowPass(900.0) * gust +
           near * (0.06 * whirr + 0.35 * more.third.LowPass(3500.0)) + 0.6 * more.fourth.LowPass(2500.0) * rattle;
}

// Episode 6's loops, deeper inside the base.

// The base's hall: a big steel room humming (a mains hum and its overtones,
// the deep tone of the room) and a vent far off breathing into it, now a
// little stronger, now weaker, with the faint whistle of its grille.
double BaseHall(double t, NoiseSource& low, NoiseSource& air, MoreNoise& more)
{
    // Every frequency fits the loop a whole number of times.
    const double hum = std::sin(2.0 * pi * 60.0 * t) + 0.5 * std::sin(2.0 * pi * 120.125 * t + 0.8) +
                       0.25 * std::sin(2.0 * pi * 180.0 * t + 1.9);
    const double vent = (air.LowPass(900.0) - more.third.LowPass(300.0)) * (0.75 + 0.25 * Swell(t + 0.9, 2.0));
    return 0.09 * hum + 0.55 * low.LowPass(120.0) + 0.35 * vent + 0.012 * std::sin(2.0 * pi * 437.5 * t);
}

// The collection: a hushed museum, its still air (a soft, low room tone
// and a breath of the air conditioning) under the spotlights' faint buzz.
double Collection(double t, NoiseSource& room, NoiseSource& air, MoreNoise& /*unused*/)
{
    const double buzz = std::sin(2.0 * pi * 100.0 * t) + 0.4 * std::sin(2.0 * pi * 200.0 * t + 0.5);
    return 0.5 * room.LowPass(150.0) + 0.14 * air.LowPass(700.0) * (0.8 + 0.2 * Swell(t + 2.0, 1.0)) + 0.02 * buzz;
}

// The control room: the consoles' fans rushing (two of them, their blades'
// hums a beat apart) over the low hum of the electronics.
double ControlRoom(double t, NoiseSource& low, NoiseSource& fan, MoreNoise& more)
{
    const double blades = std::sin(2.0 * pi * 117.5 * t) + std::sin(2.0 * pi * 118.0 * t + 1.2) +
                          0.3 * std::sin(2.0 * pi * 235.0 * t + 0.4);
    return 0.35 * (fan.LowPass(2500.0) - more.third.LowPass(400.0)) + 0.035 * blades + 0.35 * low.LowPass(100.0);
}

// The launch ramp under the big dome: the wind moaning hollow round the
// dome (a howl whose pitch drifts with its gusts over a low rush) and the
// fuel pumps' strokes, a heavy thud and the drone of their motor, twelve
// in the loop.
double LaunchRamp(double t, NoiseSource& low, NoiseSource& air, MoreNoise& more)
{
    const double gust = Swell(t + 1.4, 1.0) * 0.6 + Swell(t + 0.3, 2.0) * 0.4;
    const double wind = 0.6 * low.LowPass(250.0) * (0.6 + 0.6 * gust) + 0.15 * air.LowPass(1500.0) * gust;
    const double howl = 2.6 * more.howl(more.third.White(), 330.0 + 160.0 * gust) * (0.5 + 0.7 * gust);
    const double stroke = std::pow(std::sin(pi * 1.5 * t), 4.0);
    const double pumps = 0.5 * more.fourth.LowPass(160.0) * stroke + 0.05 * std::sin(2.0 * pi * 42.0 * t) * stroke;
    return wind + howl + pumps;
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

// A hen clucking from `onset`: "bok, bok, bok-baak".
double Hen(double t, double onset)
{
    double hen = 0.0;
    for (int cluck = 0; cluck < 3; ++cluck)
        hen += Call(t, onset + 0.17 * cluck, 0.07, 420.0, 360.0, 0.0, {850.0, 1900.0});
    return hen + Call(t, onset + 0.55, 0.3, 520.0, 760.0, 0.02, {900.0, 2000.0});
}

// The village's animals and work: hens clucking twice, a goose honking far
// off, the cart's wheels knocking on the cobbles as it passes, and a hammer
// on an anvil down the street.
double MedievalVillageSounds(double t)
{
    const double hens = 0.1 * (Hen(t, 1.4) + Hen(t, 5.3));
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

// A sound and its echoes off the stone: `sound` (a function of the time)
// again after each delay, fainter each time.
template <typename Voice> double Echoed(double t, Voice sound)
{
    constexpr double echoes[][2] = {{0.0, 1.0}, {0.11, 0.45}, {0.24, 0.25}, {0.41, 0.12}, {0.63, 0.05}};
    double sum = 0.0;
    for (const auto& [delay, gain] : echoes)
        sum += gain * sound(t - delay);
    return sum;
}

// The yard's hens clucking here and there, a horse whinnying and stamping
// in the stable across the yard, and a banner's rope knocking on its pole.
double CastleYardSounds(double t)
{
    const double hens = 0.13 * (Hen(t, 1.6) + Hen(t, 4.9)) + 0.09 * Hen(t, 5.6);
    const double horse = 0.1 * Call(t, 3.1, 0.9, 820.0, 480.0, 0.06, {1000.0, 2400.0});
    double hooves = 0.0;
    for (const double stamp : {6.3, 6.55, 6.95})
        hooves += 0.08 * Strike(t, stamp, 300.0, 0.025) + 0.03 * Burst(t, stamp, 0.005);
    double rope = 0.0;
    for (const double knock : {2.2, 2.45, 4.6})
        rope += 0.04 * Strike(t, knock, 1500.0, 0.05);
    return hens + horse + hooves + rope;
}

// The great hall's fire crackling and a log settling in it, and steps far
// off crossing the stone floor: each echoing round the hall.
double GreatHallSounds(double t)
{
    double crackle = 0.0;
    for (int spark = 0; spark < 16; ++spark) {
        const double onset = 0.5 * spark + 0.17 * ((spark * 5) % 3);
        const double gain = 0.06 + 0.05 * ((spark * 3) % 4);
        crackle += Echoed(t, [onset, gain](double when) { return gain * Burst(when, onset, 0.004); });
    }
    const double log =
        Echoed(t, [](double when) { return 0.2 * Strike(when, 2.3, 85.0, 0.12) + 0.15 * Burst(when, 2.3, 0.02); });
    double steps = 0.0;
    for (int step = 0; step < 6; ++step) {
        const double onset = 4.1 + 0.55 * step;
        const double gain = 0.1 * (0.6 + 0.4 * std::sin(pi * (step + 0.5) / 6.0));
        steps += Echoed(t, [onset, gain](double when) {
            return gain * (Strike(when, onset, 190.0, 0.03) + 0.4 * Burst(when, onset, 0.004));
        });
    }
    return crackle + log + steps;
}

// A sleeper's snore from `onset`: the soft palate fluttering at `hertz`
// (a buzz of its harmonics, loudest around 500 Hz) and the breath's rush,
// swelling in and out over `length` seconds.
double Snore(double t, double onset, double length, double hertz)
{
    const double age = Age(t, onset);
    if (age >= length)
        return 0.0;
    double buzz = 0.0;
    for (int harmonic = 1; harmonic * hertz < 1500.0; ++harmonic) {
        const double distance = (harmonic * hertz - 500.0) / 300.0;
        buzz += (0.2 / harmonic + std::exp(-distance * distance)) * std::sin(2.0 * pi * harmonic * hertz * age);
    }
    const double swell = std::sin(pi * age / length);
    return swell * swell * (0.12 * buzz + 0.3 * FrameNoise(age) * swell);
}

// The kitchen's fire crackling and spitting, bubbles plopping in the pot
// and the dog snoring on its lard pot: a rattling breath in, a sigh out.
double CastleKitchenSounds(double t)
{
    double crackle = 0.0;
    for (int spark = 0; spark < 30; ++spark)
        crackle += (0.06 + 0.05 * ((spark * 3) % 4)) * Burst(t, 0.27 * spark + 0.09 * ((spark * 7) % 3), 0.003);
    double bubbles = 0.0;
    for (int bubble = 0; bubble < 40; ++bubble) {
        const double onset = 0.2 * bubble + 0.07 * ((bubble * 5) % 3);
        const double hertz = 260.0 + 45.0 * ((bubble * 7) % 9);
        bubbles += 0.12 * Chirp(t, onset, 0.04, hertz, hertz * 1.7);
    }
    double snoring = 0.0;
    for (const double breath : {1.4, 5.4}) {
        snoring += 0.25 * Snore(t, breath, 1.3, 31.0);
        snoring += 0.1 * Snore(t, breath + 1.5, 0.9, 45.0);
    }
    return crackle + bubbles + snoring;
}

// A pigeon's coo from `onset` ("ruh-ruuh"): a soft, throaty hoot sliding up
// and back, trembling in the throat.
double Coo(double t, double onset, double length, double hertz)
{
    const double age = Age(t, onset);
    if (age >= length)
        return 0.0;
    // The pitch rises by an eighth and falls back over the coo.
    const double phase = hertz * age + hertz * 0.12 * length / pi * (1.0 - std::cos(pi * age / length));
    const double throat = 0.7 + 0.3 * std::sin(2.0 * pi * 28.0 * age);
    const double swell = std::sin(pi * age / length);
    return swell * throat * (std::sin(2.0 * pi * phase) + 0.25 * std::sin(4.0 * pi * phase));
}

// A roof beam creaking under the wind from `onset`: the wood's ticks as it
// sticks and slips, quicker then slower, each ringing it at `hertz`.
double BeamCreak(double t, double onset, double length, double hertz)
{
    double creak = 0.0;
    for (double at = 0.0; at < length; at += 1.0 / (35.0 + 25.0 * std::sin(pi * at / length)))
        creak += Strike(t, onset + at, hertz * (1.0 + 0.15 * std::sin(pi * at / length)), 0.012);
    return creak;
}

// The pigeons cooing on their ledge and fluttering, and the roof beams
// creaking as the gusts push on them.
double TowerSounds(double t)
{
    double pigeons = 0.0;
    // They coo in the lulls, and the beams creak as the gusts are at their
    // hardest.
    for (const double onset : {2.8, 6.3}) {
        pigeons += 0.16 * Coo(t, onset, 0.35, 330.0);
        pigeons += 0.18 * Coo(t, onset + 0.45, 0.6, 300.0);
        pigeons += 0.1 * Coo(t, onset + 1.15, 0.25, 340.0);
    }
    double wings = 0.0;
    for (int beat = 0; beat < 5; ++beat)
        wings += 0.08 * Burst(t, 5.4 + 0.09 * beat, 0.02);
    const double beams = 0.12 * BeamCreak(t, 1.4, 0.7, 190.0) + 0.09 * BeamCreak(t, 4.6, 0.5, 240.0);
    return pigeons + wings + beams;
}

// Water dripping from the vault into puddles, each plink echoing round the
// dungeon, and chains rattling somewhere far off.
double DungeonSounds(double t)
{
    double drips = 0.0;
    constexpr double drops[][2] = {{1.3, 1100.0}, {2.9, 1500.0}, {4.2, 1250.0}, {5.5, 1000.0}, {6.7, 1400.0}};
    for (const auto& drop : drops) {
        const double onset = drop[0];
        const double pitch = drop[1];
        drips += Echoed(t, [onset, pitch](double when) { return 0.2 * Chirp(when, onset, 0.05, pitch, pitch * 1.8); });
    }
    double chains = 0.0;
    for (const double rattle : {3.4, 6.0}) {
        for (int link = 0; link < 7; ++link) {
            const double onset = rattle + 0.045 * link + 0.015 * (link % 3);
            const double hertz = 2100.0 + 230.0 * ((link * 5) % 7);
            chains += Echoed(t, [onset, hertz](double when) {
                return 0.035 * (Strike(when, onset, hertz, 0.03) + 0.6 * Strike(when, onset, hertz * 2.7, 0.015));
            });
        }
    }
    return drips + chains;
}

// A beep of the base's machines from `onset`: a pure tone `length` seconds
// long with soft edges of 5 ms.
double Beep(double t, double onset, double length, double hertz)
{
    const double age = Age(t, onset);
    if (age >= length)
        return 0.0;
    return std::min({1.0, age / 0.005, (length - age) / 0.005}) * std::sin(2.0 * pi * hertz * age);
}

// A Schleimling's squeak from `onset`: a whistle gliding up and back down
// with its octave.
double AlienSqueak(double t, double onset, double length, double lowHz, double highHz)
{
    return Chirp(t, onset, 0.5 * length, lowHz, highHz) + Chirp(t, onset + 0.5 * length, 0.5 * length, highHz, lowHz) +
           0.25 * Chirp(t, onset, 0.5 * length, 2.0 * lowHz, 2.0 * highHz);
}

// The landing pad's sounds: the taxi's engine ticking as it cools (now
// quicker, now slower), the radio mast's double beep twice in the loop,
// and far off beyond the dome's wall the Schleimlinge squeaking.
double MoonPadSounds(double t)
{
    double ticks = 0.0;
    for (int tick = 0; tick < 17; ++tick) {
        const double onset = 1.2 + 0.37 * tick + 0.11 * ((tick * 5) % 3);
        ticks += (0.05 + 0.03 * ((tick * 3) % 3)) * Strike(t, onset, 3300.0 + 420.0 * ((tick * 7) % 4), 0.012);
    }
    double radio = 0.0;
    for (const double onset : {1.6, 5.6})
        radio += 0.07 * (Beep(t, onset, 0.09, 1480.0) + Beep(t, onset + 0.16, 0.09, 1480.0));
    const double squeaks = 0.05 * (AlienSqueak(t, 3.3, 0.3, 800.0, 1300.0) + AlienSqueak(t, 3.7, 0.22, 950.0, 1500.0) +
                                   AlienSqueak(t, 6.6, 0.35, 700.0, 1200.0));
    return ticks + radio + squeaks;
}

// The airlock's sounds: its warning beep (a high and a low note) twice,
// the Schleimlinge squeaking muffled behind the window, and slime splatting
// against the glass.
double AirlockSounds(double t)
{
    double warning = 0.0;
    for (const double onset : {1.5, 5.5})
        warning += 0.06 * (Beep(t, onset, 0.18, 988.0) + Beep(t, onset + 0.22, 0.18, 740.0));
    const double squeaks = 0.07 * (AlienSqueak(t, 2.5, 0.25, 600.0, 950.0) + AlienSqueak(t, 2.85, 0.2, 700.0, 1000.0) +
                                   AlienSqueak(t, 4.4, 0.3, 550.0, 900.0) + AlienSqueak(t, 7.0, 0.22, 650.0, 980.0));
    double splats = 0.0;
    for (const double splat : {3.6, 6.6})
        splats += 0.25 * Strike(t, splat, 95.0, 0.06) + 0.18 * Burst(t, splat, 0.025);
    return warning + squeaks + splats;
}

// The lab's sounds: bubbles rising in the tanks and popping, the computer
// chirping to itself twice, and the last Schleimling in its tank squeaking
// once, trembling.
double LaboratorySounds(double t)
{
    double bubbles = 0.0;
    for (int bubble = 0; bubble < 36; ++bubble) {
        const double onset = 0.22 * bubble + 0.07 * ((bubble * 5) % 3);
        const double hertz = 380.0 + 75.0 * ((bubble * 7) % 9);
        bubbles += 0.09 * Chirp(t, onset, 0.035, hertz, hertz * 1.8);
    }
    double computer = 0.0;
    for (const double run : {2.1, 5.9}) {
        for (int chirp = 0; chirp < 5; ++chirp)
            computer += 0.04 * Beep(t, run + 0.08 * chirp, 0.05, 1500.0 + 260.0 * ((chirp * 3) % 5));
    }
    double squeak = 0.0;
    for (int wobble = 0; wobble < 4; ++wobble)
        squeak += 0.07 * AlienSqueak(t, 4.1 + 0.1 * wobble, 0.1, 1000.0, 1350.0);
    return bubbles + computer + squeak;
}

// The store's sounds: the freezer's compressor clicking off and on, the
// robot's bump against a crate and its beep as it turns, and the vent's
// grille knocking in a harder gust.
double StoreRoomSounds(double t)
{
    const double relay = 0.12 * (Strike(t, 1.3, 1900.0, 0.01) + Burst(t, 1.3, 0.003));
    const double bump = 0.2 * Strike(t, 3.9, 160.0, 0.05) + 0.1 * Burst(t, 3.9, 0.01);
    const double turn = 0.05 * (Beep(t, 4.2, 0.07, 2090.0) + Beep(t, 4.32, 0.07, 2490.0));
    double grille = 0.0;
    for (const double knock : {6.0, 6.12, 6.3})
        grille += 0.08 * Strike(t, knock, 820.0, 0.03);
    return relay + bump + turn + grille;
}

// The hall's sounds, each ringing round the hall in its echoes: slime
// dripping from the ceiling (a quick plink with a wet knock under it), and
// the Schleimlinge in their corner sulking, one whimpering down and
// another answering with a sullen rise.
double BaseHallSounds(double t)
{
    double drips = 0.0;
    for (const double drip : {1.7, 4.3, 6.9})
        drips += Echoed(t, [drip](double when) {
            return 0.2 * Chirp(when, drip, 0.04, 600.0, 1400.0) + 0.2 * Strike(when, drip + 0.01, 180.0, 0.04);
        });
    const double sulk = Echoed(t, [](double when) {
        return 0.16 * (Chirp(when, 2.6, 0.42, 950.0, 620.0) + 0.25 * Chirp(when, 2.6, 0.42, 1900.0, 1240.0)) +
               0.14 * (Chirp(when, 5.3, 0.3, 700.0, 980.0) + Chirp(when, 5.62, 0.25, 980.0, 760.0));
    });
    return drips + sulk;
}

// The collection's sounds: the Baron's music box tinkling a little minuet
// (each note a struck tine with its high overtone), and the tin magpie
// in its golden cage clattering and knocking against the bars.
double CollectionSounds(double t)
{
    constexpr double minuet[][2] = {{1.2, 1396.91}, {1.5, 1760.0},  {1.8, 2093.0},  {2.1, 1760.0}, {2.25, 1864.66},
                                    {2.4, 1568.0},  {2.7, 1318.51}, {3.0, 1396.91}, {3.3, 2093.0}, {3.6, 1396.91}};
    double box = 0.0;
    for (const auto& [onset, hertz] : minuet)
        box += 0.05 * (Strike(t, onset, hertz, 0.5) + 0.25 * Strike(t, onset, 4.2 * hertz, 0.12));
    double clatter = 0.0;
    for (int knock = 0; knock < 8; ++knock) {
        const double onset = 5.6 + 0.035 * knock + 0.01 * (knock % 3);
        const double hertz = 2400.0 + 650.0 * ((knock * 3) % 4);
        clatter += 0.04 * (Strike(t, onset, hertz, 0.03) + 0.6 * Strike(t, onset, 1.53 * hertz, 0.02)) +
                   0.03 * Burst(t, onset, 0.004);
    }
    const double cage = 0.05 * Strike(t, 5.95, 1820.0, 0.25);
    return box + clatter + cage;
}

// The control room's sounds: the consoles beeping to themselves at their
// own pitches, and the radar's ping every two seconds, ringing out.
double ControlRoomSounds(double t)
{
    constexpr double beeps[][3] = {{1.05, 0.08, 1568.0}, {1.2, 0.08, 2093.0},  {2.7, 0.1, 1318.5},
                                   {3.55, 0.06, 1760.0}, {3.65, 0.06, 1760.0}, {5.2, 0.12, 2637.0},
                                   {6.1, 0.08, 1174.7},  {6.25, 0.08, 1568.0}, {7.1, 0.1, 2349.3}};
    double console = 0.0;
    for (const auto& [onset, length, hertz] : beeps)
        console += 0.09 * Beep(t, onset, length, hertz);
    double radar = 0.0;
    for (const double ping : {1.4, 3.4, 5.4, 7.4})
        radar += 0.15 * Strike(t, ping, 1250.0, 0.3) + 0.03 * Strike(t, ping, 2500.0, 0.1);
    return console + radar;
}

// The ramp's sounds: the taxi's engine ticking over at rest (a tick and a
// tock, five times a second round the whole loop), and the ramp's servos
// whirring, once up and once back down.
double LaunchRampSounds(double t)
{
    double ticks = 0.0;
    for (int tick = 0; tick < 40; ++tick)
        ticks += (tick % 2 == 0 ? 0.04 : 0.025) * Strike(t, 0.2 * tick + 0.05, tick % 2 == 0 ? 2900.0 : 2300.0, 0.01);
    const double servos = 0.06 * (Chirp(t, 2.9, 1.3, 480.0, 720.0) + 0.4 * Chirp(t, 2.9, 1.3, 960.0, 1440.0)) +
                          0.05 * (Chirp(t, 5.8, 1.0, 700.0, 500.0) + 0.4 * Chirp(t, 5.8, 1.0, 1400.0, 1000.0));
    return ticks + servos;
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
        case Ambience::castleYard: raw[index] = CastleYard(t, first, second, more); break;
        case Ambience::greatHall: raw[index] = GreatHall(t, first, second, more); break;
        case Ambience::castleKitchen: raw[index] = CastleKitchen(t, first, second, more); break;
        case Ambience::tower: raw[index] = Tower(t, first, second, more); break;
        case Ambience::dungeon: raw[index] = Dungeon(t, first, second, more); break;
        case Ambience::moonPad: raw[index] = MoonPad(t, first, second, more); break;
        case Ambience::airlock: raw[index] = Airlock(t, first, second, more); break;
        case Ambience::laboratory: raw[index] = Laboratory(t, first, second, more); break;
        case Ambience::baseHall: raw[index] = BaseHall(t, first, second, more); break;
        case Ambience::collection: raw[index] = Collection(t, first, second, more); break;
        case Ambience::controlRoom: raw[index] = ControlRoom(t, first, second, more); break;
        case Ambience::launchRamp: raw[index] = LaunchRamp(t, first, second, more); break;
        case Ambience::storeRoom: raw[index] = StoreRoom(t, first, second, more); break;
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
        case Ambience::castleYard: raw[index] += CastleYardSounds(t); break;
        case Ambience::greatHall: raw[index] += GreatHallSounds(t); break;
        case Ambience::castleKitchen: raw[index] += CastleKitchenSounds(t); break;
        case Ambience::tower: raw[index] += TowerSounds(t); break;
        case Ambience::dungeon: raw[index] += DungeonSounds(t); break;
        case Ambience::moonPad: raw[index] += MoonPadSounds(t); break;
        case Ambience::airlock: raw[index] += AirlockSounds(t); break;
        case Ambience::laboratory: raw[index] += LaboratorySounds(t); break;
        case Ambience::storeRoom: raw[index] += StoreRoomSounds(t); break;
        case Ambience::baseHall: raw[index] += BaseHallSounds(t); break;
        case Ambience::collection: raw[index] += CollectionSounds(t); break;
        case Ambience::controlRoom: raw[index] += ControlRoomSounds(t); break;
        case Ambience::launchRamp: raw[index] += LaunchRampSounds(t); break;
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
