#include "levels/Episode5Sounds.h"

#include "levels/SharedLevelSounds.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace content::levels {

namespace {

// A voice that keeps its level until its release.
constexpr double held = 1.0e9;

// A buzz of `seconds` at `hertz`: a bright sawtooth, as a buzzer's or a
// spark's hum.
std::vector<float> Buzz(double seconds, double hertz, double brightness)
{
    std::vector<float> samples(SoundFrames(seconds));
    double phase = 0.0;
    for (float& sample : samples) {
        sample = static_cast<float>(0.6 * Sawtooth(phase, hertz, brightness, 7000.0));
        phase += hertz / soundRate;
        phase -= std::floor(phase);
    }
    return samples;
}

// A chorus of Schleimlinge squeaking from `start`, `count` of them, now
// rising, now falling, at their own pitches, each a little softer.
void SqueakChorus(Sound& sound, double start, int count, double gain)
{
    for (int squeak = 0; squeak < count; ++squeak) {
        const double at = start + 0.09 * squeak + 0.03 * ((squeak * 5) % 3);
        const double low = 650.0 + 140.0 * ((squeak * 7) % 6);
        const double high = low * (1.6 + 0.15 * (squeak % 3));
        const bool rising = squeak % 2 == 0;
        Squeak(sound, at, 0.1 + 0.03 * (squeak % 4), rising ? low : high, rising ? high : low,
               gain * (1.0 - 0.5 * squeak / count));
    }
}

// The jump leads clamped on the switch box: two crocodile clips clacking
// on, then the spark as the circuit closes (a crackle and a hum of the
// current) and the box's relay clicking in.
Sound Kabel()
{
    Sound sound(1.2, mediumLevelDb);
    constexpr Partial clip[] = {{2300.0, 0.3, 0.03}, {4100.0, 0.2, 0.02}};
    for (const double clamp : {0.0, 0.3}) {
        Click(sound, clamp, 1800.0, 0.7);
        Clang(sound, clamp + 0.01, clamp + 0.15, clip, 0.5);
    }
    constexpr double spark = 0.55;
    sound.Noise(spark, 0.3, 9000.0, 0.9, {0.001, 0.05, 0.1});
    for (int crackle = 0; crackle < 10; ++crackle)
        sound.Grain(spark + 0.018 * crackle + 0.007 * (crackle % 3), 8000.0, 0.7 - 0.05 * crackle, 0.002);
    sound.Recording(spark, Buzz(0.35, 100.0, 12.0), 0.35, {0.005, 0.12, 0.1});
    Click(sound, 1.0, 900.0, 0.6);
    return sound;
}

// A steel sliding door of the base: the lock's clunk, compressed air
// hissing out of its cylinder, the door running along its rail with a
// rumble and the thud as it stops.
Sound Schleuse()
{
    Sound sound(2.2, bigLevelDb);
    constexpr Partial lock[] = {{420.0, 0.3, 0.06}, {1130.0, 0.2, 0.04}, {2270.0, 0.1, 0.03}};
    Clang(sound, 0.0, 0.35, lock, 0.6);
    AirHiss(sound, 0.08, 1.1, 0.8);
    sound.Noise(0.25, 1.4, 260.0, 0.9, {0.25, held, 0.3});
    sound.Tone(0.25, 1.4, 62.0, 70.0, Wave::soft, 0.3, {0.25, held, 0.3});
    Thump(sound, 1.65, 90.0, 0.7);
    Clang(sound, 1.66, 2.2, lock, 0.35);
    return sound;
}

// Rocko's taxi cannon: the crack of the shot, a deep boom with the blast's
// rush of air, and its echo off the dome.
Sound Kanone()
{
    Sound sound(2.2, bigLevelDb);
    sound.Grain(0.0, 9000.0, 1.0, 0.004);
    sound.Noise(0.0, 0.5, 2500.0, 0.8, {0.001, 0.06, 0.2});
    sound.Tone(0.0, 1.2, 75.0, 32.0, Wave::soft, 1.0, {0.003, 0.35, 0.5});
    sound.Noise(0.0, 1.6, 180.0, 0.9, {0.005, 0.45, 0.7});
    sound.Tone(0.32, 0.9, 70.0, 35.0, Wave::soft, 0.3, {0.02, 0.3, 0.4});
    sound.Noise(0.32, 0.8, 1200.0, 0.2, {0.02, 0.2, 0.3});
    return sound;
}

// The capsule's hatch blown off and clanging onto the pad: it whirrs
// through the air, hits with the ring of a thick steel plate, bounces,
// and settles rattling faster and faster as a dropped lid does.
Sound Luke()
{
    Sound sound(2.3, bigLevelDb);
    sound.Noise(0.0, 0.35, 1200.0, 0.35, {0.2, held, 0.05});
    constexpr double hit = 0.3;
    constexpr Partial plate[] = {{187.0, 0.4, 0.5},  {431.0, 0.35, 0.4},   {779.0, 0.3, 0.3},
                                 {1253.0, 0.2, 0.2}, {1911.0, 0.12, 0.15}, {2740.0, 0.08, 0.1}};
    Clang(sound, hit, 2.3, plate, 1.0);
    Thump(sound, hit, 120.0, 0.7);
    Clang(sound, hit + 0.35, 2.3, plate, 0.45);
    // Eight rattles, each gap a fifth shorter than the one before.
    double at = hit + 0.6;
    double gap = 0.14;
    for (int rattle = 0; rattle < 8; ++rattle, at += gap, gap *= 0.8)
        Clang(sound, at, at + 0.4, plate, 0.3 - 0.03 * rattle);
    return sound;
}

// The lab computer at work: a run of quick beeps at changing pitches and
// the warble of its data.
Sound Computer()
{
    Sound sound(1.4, smallLevelDb);
    constexpr double pitches[] = {1320.0, 990.0, 1760.0, 1480.0, 880.0, 1980.0, 1175.0, 1568.0};
    for (int beep = 0; beep < 8; ++beep)
        Beep(sound, 0.1 * beep, 0.09, pitches[beep], 0.7);
    for (int warble = 0; warble < 10; ++warble) {
        const double hertz = 2200.0 + 300.0 * ((warble * 3) % 5);
        sound.Tone(0.85 + 0.045 * warble, 0.05, hertz, hertz * 1.2, Wave::sine, 0.3, {0.002, held, 0.05});
    }
    return sound;
}

// Access granted: a bright chime climbing C6, E6, G6 to C7, each note
// ringing on.
Sound Zugang()
{
    Sound sound(1.3, mediumLevelDb);
    constexpr double notes[] = {1046.5, 1318.5, 1568.0, 2093.0};
    for (int note = 0; note < 4; ++note) {
        const double at = 0.09 * note;
        sound.Tone(at, 1.3 - at, notes[note], notes[note], Wave::sine, 0.7, {0.003, 0.35, 0.3});
        sound.Tone(at, 1.3 - at, 3.0 * notes[note], 3.0 * notes[note], Wave::sine, 0.12, {0.003, 0.12, 0.3});
    }
    return sound;
}

// Access denied: the buzzer's two low rasps.
Sound ZugangNein()
{
    Sound sound(0.8, mediumLevelDb);
    for (const double rasp : {0.0, 0.35})
        sound.Recording(rasp, Buzz(0.28, 147.0, 25.0), 1.0, {0.008, held, 0.03});
    return sound;
}

// The frozen onion thawing under the heat lamp: the ice crackling and
// splitting with glassy ticks, then drops falling into the terrarium.
Sound Auftauen()
{
    Sound sound(2.3, smallLevelDb);
    for (int crack = 0; crack < 24; ++crack) {
        const double at = 0.02 + 0.055 * crack + 0.02 * ((crack * 7) % 3);
        sound.Grain(at, 7000.0, 0.3 + 0.1 * ((crack * 5) % 4), 0.0015);
    }
    constexpr Partial ice[] = {{3150.0, 0.3, 0.04}, {5020.0, 0.2, 0.025}};
    for (const double split : {0.3, 0.72, 1.1})
        Clang(sound, split, split + 0.25, ice, 0.5);
    for (int drop = 0; drop < 6; ++drop)
        Pop(sound, 1.3 + 0.16 * drop + 0.04 * (drop % 2), 700.0 + 90.0 * ((drop * 3) % 5), 0.4);
    return sound;
}

// The lab press squeezing the onion: its motor straining as the plunger
// comes down, the onion giving with wet squelches, and the juice running
// into the beaker in drops.
Sound Presse()
{
    Sound sound(2.4, mediumLevelDb);
    sound.Tone(0.0, 1.4, 180.0, 120.0, Wave::soft, 0.3, {0.1, held, 0.2});
    sound.Tone(0.0, 1.4, 540.0, 360.0, Wave::triangle, 0.1, {0.1, held, 0.2});
    AirHiss(sound, 0.0, 0.5, 0.2);
    for (const double squelch : {0.45, 0.75, 1.0, 1.2}) {
        sound.Noise(squelch, 0.2, 900.0, 0.7, {0.01, 0.05, 0.06});
        sound.Tone(squelch, 0.18, 300.0, 110.0, Wave::sine, 0.5, {0.005, 0.05, 0.05});
    }
    for (int drop = 0; drop < 8; ++drop)
        Pop(sound, 1.35 + 0.11 * drop + 0.03 * (drop % 3), 900.0 + 110.0 * ((drop * 3) % 4), 0.35);
    return sound;
}

// The bag of space popcorn bursting: a bang of its foil with a low thump,
// then the popcorn popping and scattering over the floor.
Sound Popcorn()
{
    Sound sound(2.3, mediumLevelDb);
    sound.Grain(0.0, 9000.0, 1.0, 0.006);
    sound.Noise(0.0, 0.3, 4000.0, 0.8, {0.001, 0.04, 0.1});
    Thump(sound, 0.0, 130.0, 0.5);
    for (int kernel = 0; kernel < 26; ++kernel) {
        const double at = 0.25 + 0.065 * kernel + 0.025 * ((kernel * 7) % 3);
        sound.Grain(at, 5000.0, 0.4 + 0.1 * ((kernel * 3) % 4), 0.003);
        Pop(sound, at, 380.0 + 60.0 * ((kernel * 5) % 7), 0.2);
    }
    for (int bounce = 0; bounce < 10; ++bounce)
        sound.Grain(1.9 + 0.035 * bounce + 0.01 * (bounce % 2), 7000.0, 0.15, 0.0015);
    return sound;
}

// The cleaning robot racing off to hoover up the popcorn: its cheerful
// double beep, the motor whirring up, the suction's roar and the kernels
// rattling up its pipe.
Sound Roboter()
{
    Sound sound(2.4, mediumLevelDb);
    Beep(sound, 0.0, 0.08, 1760.0, 0.5);
    Beep(sound, 0.11, 0.1, 2350.0, 0.5);
    sound.Tone(0.2, 2.2, 180.0, 420.0, Wave::triangle, 0.35, {0.5, held, 0.3});
    sound.Tone(0.2, 2.2, 363.0, 843.0, Wave::sine, 0.15, {0.5, held, 0.3});
    sound.Noise(0.3, 2.1, 3500.0, 0.6, {0.6, held, 0.3});
    for (int kernel = 0; kernel < 14; ++kernel)
        sound.Grain(0.9 + 0.09 * kernel + 0.03 * ((kernel * 5) % 3), 6000.0, 0.35, 0.002);
    return sound;
}

// Juna spraying the slime off the window: squirt after squirt, the last
// ones sputtering as the bottle runs dry, and the empty trigger's click.
Sound Spruehen()
{
    Sound sound(2.4, mediumLevelDb);
    for (int squirt = 0; squirt < 3; ++squirt)
        Squirt(sound, 0.38 * squirt, 1.0 - 0.1 * squirt);
    for (int sputter = 0; sputter < 4; ++sputter)
        sound.Noise(1.3 + 0.12 * sputter, 0.08, 6000.0, 0.4 - 0.07 * sputter, {0.003, 0.02, 0.03});
    Click(sound, 1.95, 1500.0, 0.6);
    return sound;
}

// The onion juice poured into the bottle (a gurgle of bubbles over the
// liquid's rush), the cap screwed on and the bottle shaken three times.
Sound Mischen()
{
    Sound sound(2.2, smallLevelDb);
    sound.Noise(0.0, 0.8, 1500.0, 0.35, {0.1, held, 0.15});
    for (int glug = 0; glug < 9; ++glug)
        Pop(sound, 0.05 + 0.08 * glug + 0.02 * (glug % 2), 320.0 + 70.0 * ((glug * 4) % 5), 0.5);
    Click(sound, 0.9, 1200.0, 0.5);
    Click(sound, 1.0, 1300.0, 0.4);
    for (int shake = 0; shake < 3; ++shake) {
        const double at = 1.15 + 0.3 * shake;
        sound.Noise(at, 0.22, 700.0, 0.7, {0.03, 0.08, 0.08});
        sound.Noise(at + 0.05, 0.15, 2500.0, 0.25, {0.01, 0.04, 0.05});
    }
    return sound;
}

// The heavy inner door to the yard: its bolts drawn back, compressed air
// hissing, the thick door grinding open on its rail, and beyond it the
// Schleimlinge squeaking and splatting against it in a chorus.
Sound Hoftuer()
{
    Sound sound(2.5, bigLevelDb);
    constexpr Partial bolt[] = {{300.0, 0.35, 0.08}, {820.0, 0.25, 0.06}, {1670.0, 0.15, 0.04}};
    Clang(sound, 0.0, 0.4, bolt, 0.7);
    Clang(sound, 0.12, 0.5, bolt, 0.6);
    AirHiss(sound, 0.2, 1.0, 0.7);
    sound.Noise(0.4, 1.6, 200.0, 1.0, {0.3, held, 0.3});
    sound.Tone(0.4, 1.6, 48.0, 55.0, Wave::soft, 0.35, {0.3, held, 0.3});
    SqueakChorus(sound, 0.9, 14, 0.6);
    Splat(sound, 1.3, 0.4);
    Splat(sound, 1.75, 0.3);
    return sound;
}

constexpr SoundEffect episode5SoundEffects[] = {
    {"audioevent_landung", "landung.wav", TaxiLanding},
    {"audioevent_kabel", "kabel.wav", Kabel},
    {"audioevent_schleuse", "schleuse.wav", Schleuse},
    {"audioevent_kanone", "kanone.wav", Kanone},
    {"audioevent_luke", "luke.wav", Luke},
    {"audioevent_computer", "computer.wav", Computer},
    {"audioevent_zugang", "zugang.wav", Zugang},
    {"audioevent_zugangnein", "zugangnein.wav", ZugangNein},
    {"audioevent_auftauen", "auftauen.wav", Auftauen},
    {"audioevent_presse", "presse.wav", Presse},
    {"audioevent_quieken", "quieken.wav", SchleimlingSqueaks},
    {"audioevent_popcorn", "popcorn.wav", Popcorn},
    {"audioevent_roboter", "roboter.wav", Roboter},
    {"audioevent_spruehen", "spruehen.wav", Spruehen},
    {"audioevent_mischen", "mischen.wav", Mischen},
    {"audioevent_hoftuer", "hoftuer.wav", Hoftuer},
    {"audioevent_kamera", "kamera.wav", MiasCamera},
};

} // namespace

std::span<const SoundEffect> Episode5SoundEffects()
{
    return episode5SoundEffects;
}

} // namespace content::levels
