#include "levels/Episode1Sounds.h"

#include "levels/SharedLevelSounds.h"

namespace content::levels {

namespace {

// The tape comes off its roll in a quick row of rasping grains, each a little
// stronger, with a squeak gliding up under them; wound round the cable, the
// sparks give a last fizzle of three small pops and a falling "pew".
Sound Klebeband()
{
    Sound sound(0.85, mediumLevelDb);
    constexpr int grains = 14;
    for (int grain = 0; grain < grains; ++grain)
        sound.Grain(0.02 * grain, 3800.0 + 120.0 * (grain % 3), 0.35 + 0.04 * grain, 0.005);
    sound.Tone(0.0, 0.32, 900.0, 1500.0, Wave::triangle, 0.12, {0.04, 0.25, 0.06});
    for (const double pop : {0.46, 0.53, 0.57})
        sound.Grain(pop, 6500.0, 0.45, 0.003);
    sound.Tone(0.46, 0.36, 1800.0, 420.0, Wave::sine, 0.35, {0.005, 0.08, 0.04});
    return sound;
}

// The wrench turns the piston's nut in five ratchet clicks, each a bright tick
// over a wooden knock, until the nut comes free with a round clunk.
Sound Kolben()
{
    Sound sound(0.95, mediumLevelDb);
    for (int click = 0; click < 5; ++click) {
        const double start = 0.075 * click;
        sound.Tone(start, 0.05, 2900.0, 2100.0, Wave::sine, 0.45, {0.001, 0.005, 0.01});
        sound.Tone(start, 0.07, 950.0, 800.0, Wave::triangle, 0.35, {0.001, 0.009, 0.015});
        sound.Grain(start, 6000.0, 0.25, 0.002);
    }
    sound.Tone(0.45, 0.48, 190.0, 95.0, Wave::soft, 1.0, {0.003, 0.06, 0.05});
    sound.Tone(0.45, 0.2, 420.0, 300.0, Wave::sine, 0.35, {0.002, 0.025, 0.03});
    sound.Grain(0.45, 900.0, 0.6, 0.012);
    return sound;
}

// The outer hatch: a hydraulic hiss that swells and sighs away over a low
// whine gliding up, then the hatch lands open with a heavy, soft thud.
Sound Luke()
{
    Sound sound(1.0, bigLevelDb);
    sound.Noise(0.0, 0.62, 3000.0, 0.55, {0.09, 0.22, 0.12});
    sound.Noise(0.0, 0.62, 900.0, 0.35, {0.12, 0.3, 0.12});
    sound.Tone(0.02, 0.6, 210.0, 320.0, Wave::triangle, 0.18, {0.1, 0.4, 0.15});
    sound.Tone(0.6, 0.4, 120.0, 58.0, Wave::soft, 1.0, {0.004, 0.07, 0.06});
    sound.Grain(0.6, 500.0, 0.7, 0.02);
    return sound;
}

// The crystal lifted from its holder: a glassy shimmer of four notes rising
// through A major (A6, C#7, E7, A7), each with a faint inharmonic partial as
// a struck glass has, over a breath of air.
Sound Kristall()
{
    Sound sound(0.8, smallLevelDb);
    constexpr double notes[] = {1760.0, 2217.5, 2637.0, 3520.0};
    for (int note = 0; note < 4; ++note) {
        const double start = 0.06 * note;
        const double length = 0.78 - start;
        sound.Tone(start, length, notes[note], notes[note], Wave::sine, 0.7, {0.003, 0.13, 0.04});
        sound.Tone(start, length, notes[note] * 2.76, notes[note] * 2.76, Wave::sine, 0.12, {0.002, 0.05, 0.04});
    }
    sound.Noise(0.0, 0.5, 5000.0, 0.08, {0.05, 0.12, 0.08});
    return sound;
}

// Binding the garland: three soft rustles of leaves and bast, the last one
// shorter, and a small muffled pluck as the knot is pulled tight.
Sound Blumenkette()
{
    Sound sound(0.75, smallLevelDb);
    sound.Noise(0.0, 0.24, 2200.0, 0.6, {0.05, 0.08, 0.06});
    sound.Noise(0.2, 0.24, 2600.0, 0.55, {0.04, 0.08, 0.06});
    sound.Noise(0.4, 0.18, 1900.0, 0.45, {0.03, 0.06, 0.05});
    sound.Tone(0.56, 0.18, 520.0, 470.0, Wave::triangle, 0.5, {0.002, 0.03, 0.03});
    return sound;
}

// The drum struck twice with the driftwood stick: a deep warm body whose
// pitch drops as the skin settles, a softer octave above it and the stick's
// short tap; the second stroke a little lower and quieter.
Sound Trommel()
{
    Sound sound(1.0, bigLevelDb);
    struct Stroke {
        double start, hertz, gain;
    };
    for (const Stroke stroke : {Stroke{0.0, 125.0, 1.0}, Stroke{0.32, 112.0, 0.8}}) {
        const double length = 1.0 - stroke.start;
        sound.Tone(stroke.start, length, stroke.hertz * 1.3, stroke.hertz * 0.62, Wave::soft, stroke.gain,
                   {0.004, 0.14, 0.08});
        sound.Tone(stroke.start, 0.4, stroke.hertz * 2.4, stroke.hertz * 1.6, Wave::sine, 0.3 * stroke.gain,
                   {0.003, 0.05, 0.04});
        sound.Grain(stroke.start, 1600.0, 0.45 * stroke.gain, 0.008);
    }
    return sound;
}

// The crowd on the village square cheers as the dance begins.
Sound Jubel()
{
    Sound sound(1.0, bigLevelDb);
    Cheer(sound, 0.0, 0.98, 1.0);
    return sound;
}

constexpr SoundEffect episode1SoundEffects[] = {
    {"audioevent_klebeband", "klebeband.wav", Klebeband},
    {"audioevent_kolben", "kolben.wav", Kolben},
    {"audioevent_luke", "luke.wav", Luke},
    {"audioevent_kristall", "kristall.wav", Kristall},
    {"audioevent_blumenkette", "blumenkette.wav", Blumenkette},
    {"audioevent_trommel", "trommel.wav", Trommel},
    {"audioevent_jubel", "jubel.wav", Jubel},
};

} // namespace

std::span<const SoundEffect> Episode1SoundEffects()
{
    return episode1SoundEffects;
}

} // namespace content::levels
