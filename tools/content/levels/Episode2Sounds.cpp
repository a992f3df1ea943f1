#include "levels/Episode2Sounds.h"

#include "levels/SharedLevelSounds.h"

#include <cmath>

namespace content::levels {

namespace {

// A struck piece of thin metal (a coin, a tray): two inharmonic partials that
// ring briefly, as a small plate does.
void Ting(Sound& sound, double start, double hertz, double gain)
{
    sound.Tone(start, 0.16, hertz, hertz, Wave::sine, gain, {0.001, 0.03, 0.03});
    sound.Tone(start, 0.12, hertz * 2.32, hertz * 2.32, Wave::sine, 0.45 * gain, {0.001, 0.018, 0.03});
    sound.Grain(start, 7000.0, 0.3 * gain, 0.002);
}

// The Baron's two robots whirring in: each a motor's hum gliding up as it
// nears (the second a little higher and later), the flutter of its rotor
// as a quick row of soft noise grains, and a servo's whine as they stop
// and hover.
Sound Roboter()
{
    Sound sound(1.3, mediumLevelDb);
    struct Robot {
        double start, hertz;
    };
    for (const Robot robot : {Robot{0.0, 150.0}, Robot{0.18, 190.0}}) {
        sound.Tone(robot.start, 1.1, robot.hertz, robot.hertz * 1.6, Wave::soft, 0.45, {0.3, 1.0, 0.3});
        sound.Tone(robot.start, 1.1, robot.hertz * 3.0, robot.hertz * 4.8, Wave::sine, 0.1, {0.3, 0.8, 0.3});
        for (double flutter = robot.start + 0.02; flutter < robot.start + 1.0; flutter += 0.045)
            sound.Grain(flutter, 1800.0, 0.12 + 0.2 * std::sin(3.0 * (flutter - robot.start)), 0.006);
    }
    sound.Tone(0.75, 0.5, 700.0, 1250.0, Wave::triangle, 0.14, {0.06, 0.3, 0.15});
    return sound;
}

// The snatch: a bright electric zap falling fast with a crackle, then the
// whoosh of the crystal carried off (air noise swelling and falling away)
// over a glide up and off into the distance.
Sound Raub()
{
    Sound sound(0.95, bigLevelDb);
    sound.Tone(0.0, 0.25, 2800.0, 320.0, Wave::triangle, 0.7, {0.002, 0.08, 0.05});
    sound.Tone(0.0, 0.2, 1400.0, 220.0, Wave::sine, 0.4, {0.002, 0.06, 0.05});
    for (int crackle = 0; crackle < 5; ++crackle)
        sound.Grain(0.01 + 0.035 * crackle, 7500.0, 0.4, 0.004);
    sound.Noise(0.18, 0.75, 1800.0, 0.8, {0.18, 0.25, 0.3});
    sound.Noise(0.2, 0.7, 4500.0, 0.25, {0.15, 0.2, 0.3});
    sound.Tone(0.22, 0.7, 380.0, 1500.0, Wave::sine, 0.12, {0.1, 0.3, 0.25});
    return sound;
}

// Star coins rattling out of the souvenir machine into its tray: a run of
// bright tings, close together at first, then a few bounces further apart,
// one coin spinning down in quickening tings and the dull knock of the tray.
Sound Muenzen()
{
    Sound sound(1.2, mediumLevelDb);
    constexpr double pitches[] = {3100.0, 3650.0, 2850.0, 4100.0, 3350.0, 3900.0, 2950.0, 3500.0};
    double at = 0.0;
    for (int coin = 0; coin < 12; ++coin) {
        Ting(sound, at, pitches[coin % 8], 0.5 - 0.02 * coin);
        at += 0.03 + 0.004 * coin;
    }
    sound.Tone(0.0, 0.5, 240.0, 200.0, Wave::soft, 0.3, {0.003, 0.1, 0.1});
    // The spinning coin: each ting a little sooner than the last.
    double gap = 0.09;
    for (at = 0.62; gap > 0.02 && at < 1.05; at += gap, gap *= 0.72)
        Ting(sound, at, 3300.0, 0.3);
    return sound;
}

// The fuel pump filling the canister: the pump's motor humming, the fuel
// gurgling in as bubbles whose pitch rises while the canister fills, over
// the rush of the stream, and the pump's click as it stops.
Sound Zapfen()
{
    Sound sound(1.5, mediumLevelDb);
    sound.Tone(0.0, 1.3, 95.0, 100.0, Wave::soft, 0.35, {0.08, 2.0, 0.12});
    sound.Noise(0.05, 1.2, 700.0, 0.6, {0.1, 2.0, 0.15});
    double at = 0.08;
    for (int bubble = 0; at < 1.18; ++bubble) {
        const double fill = at / 1.2;
        const double hertz = 170.0 + 260.0 * fill + 40.0 * (bubble % 3);
        sound.Tone(at, 0.07, hertz, hertz * 1.7, Wave::sine, 0.45, {0.008, 0.03, 0.02});
        at += 0.055 + 0.03 * ((bubble * 7) % 4) / 3.0;
    }
    sound.Tone(1.3, 0.12, 1900.0, 1500.0, Wave::sine, 0.35, {0.001, 0.015, 0.02});
    sound.Grain(1.3, 5000.0, 0.4, 0.004);
    return sound;
}

// Rocko's taxi taking off: the starter's rattle, the engine catching with a
// cough and roaring up (a low growl rising under a swelling roar), then the
// jets' whoosh carrying the taxi up and away.
Sound Taxistart()
{
    Sound sound(2.0, bigLevelDb);
    for (int turn = 0; turn < 6; ++turn)
        sound.Grain(0.03 * turn, 1200.0, 0.35, 0.008);
    sound.Noise(0.2, 0.18, 600.0, 0.9, {0.004, 0.05, 0.06});
    sound.Tone(0.22, 1.55, 48.0, 130.0, Wave::soft, 0.7, {0.15, 3.0, 0.35});
    sound.Tone(0.22, 1.55, 96.0, 260.0, Wave::triangle, 0.2, {0.2, 3.0, 0.35});
    sound.Noise(0.25, 1.55, 900.0, 0.7, {0.35, 1.5, 0.4});
    sound.Noise(0.8, 1.15, 3500.0, 0.5, {0.3, 0.6, 0.4});
    sound.Tone(0.9, 1.05, 300.0, 1400.0, Wave::sine, 0.12, {0.3, 0.6, 0.35});
    return sound;
}

// The festival crowd cheering: the cheer, two fingers' whistles gliding up
// and down, and a party horn's toot.
Sound Jubel2()
{
    Sound sound(1.5, bigLevelDb);
    Cheer(sound, 0.0, 1.45, 1.0);
    sound.Tone(0.15, 0.35, 1900.0, 2900.0, Wave::sine, 0.12, {0.04, 0.3, 0.08});
    sound.Tone(0.55, 0.45, 2900.0, 2100.0, Wave::sine, 0.1, {0.03, 0.3, 0.1});
    sound.Tone(0.35, 0.4, 520.0, 540.0, Wave::triangle, 0.12, {0.02, 0.4, 0.08});
    return sound;
}

// The souvenir machine taking the trophy: two beeps of its display, then
// its works rattling (a row of mechanical knocks) and a clunk.
Sound Automat()
{
    Sound sound(1.0, mediumLevelDb);
    sound.Tone(0.0, 0.1, 1320.0, 1320.0, Wave::triangle, 0.35, {0.004, 0.2, 0.04});
    sound.Tone(0.13, 0.14, 1760.0, 1760.0, Wave::triangle, 0.35, {0.004, 0.2, 0.05});
    for (int knock = 0; knock < 12; ++knock) {
        const double start = 0.32 + 0.04 * knock;
        sound.Grain(start, 2600.0 + 500.0 * (knock % 2), 0.45, 0.005);
        sound.Tone(start, 0.05, 420.0, 360.0, Wave::triangle, 0.2, {0.001, 0.01, 0.01});
    }
    sound.Tone(0.82, 0.16, 150.0, 95.0, Wave::soft, 0.7, {0.003, 0.04, 0.04});
    sound.Grain(0.82, 900.0, 0.5, 0.01);
    return sound;
}

// The fuel card slid into its holder: a short plastic scrape and the catch
// clicking shut, a bright tick over a small knock.
Sound Karte()
{
    Sound sound(0.4, smallLevelDb);
    sound.Noise(0.0, 0.16, 3200.0, 0.35, {0.04, 0.1, 0.05});
    sound.Tone(0.17, 0.05, 3000.0, 2300.0, Wave::sine, 0.6, {0.001, 0.006, 0.01});
    sound.Tone(0.17, 0.09, 800.0, 650.0, Wave::triangle, 0.4, {0.001, 0.012, 0.02});
    sound.Grain(0.17, 6000.0, 0.35, 0.002);
    return sound;
}

constexpr SoundEffect episode2SoundEffects[] = {
    {"audioevent_roboter", "roboter.wav", Roboter},
    {"audioevent_raub", "raub.wav", Raub},
    {"audioevent_muenzen", "muenzen.wav", Muenzen},
    {"audioevent_zapfen", "zapfen.wav", Zapfen},
    {"audioevent_kamera", "kamera.wav", MiasCamera},
    {"audioevent_taxistart", "taxistart.wav", Taxistart},
    {"audioevent_jubel2", "jubel2.wav", Jubel2},
    {"audioevent_automat", "automat.wav", Automat},
    {"audioevent_karte", "karte.wav", Karte},
};

} // namespace

std::span<const SoundEffect> Episode2SoundEffects()
{
    return episode2SoundEffects;
}

} // namespace content::levels
