#include "levels/Episode6Sounds.h"

#include "levels/SharedLevelSounds.h"

#include <algorithm>
#include <cstdint>

namespace content::levels {

namespace {

// A voice that keeps its level until its release.
constexpr double held = 1.0e9;

// The notes of B flat major the crystal's chord and the fanfare are made
// of, tuned equally from A4 at 440 Hz.
constexpr double bFlat2 = 116.54;
constexpr double f4 = 349.23;
constexpr double bFlat4 = 466.16;
constexpr double d5 = 587.33;
constexpr double f5 = 698.46;
constexpr double bFlat5 = 932.33;
constexpr double d6 = 1174.66;
constexpr double f6 = 1396.91;
constexpr double bFlat6 = 1864.66;

// The instant camera pushing the photo out: its little motor whirring
// through the gears, the paper sliding out of the slot, and the click as
// the motor stops and the photo drops free.
Sound Foto()
{
    Sound sound(1.7, mediumLevelDb);
    sound.Tone(0.05, 1.3, 210.0, 235.0, Wave::triangle, 0.35, {0.06, held, 0.1});
    sound.Tone(0.05, 1.3, 630.0, 705.0, Wave::sine, 0.12, {0.06, held, 0.1});
    sound.Tone(0.05, 1.3, 105.0, 117.5, Wave::soft, 0.2, {0.06, held, 0.1});
    sound.Recording(0.15, Hiss(1.15, 2500.0, 7000.0, 0xF070u), 0.5, {0.15, held, 0.25});
    Click(sound, 1.4, 1100.0, 0.6);
    sound.Noise(1.47, 0.12, 2000.0, 0.25, {0.003, 0.03, 0.05});
    return sound;
}

// The Baron's best glass case opened: the lock's two clicks, the door
// brushing open on its hinge, and the glass ringing as it comes to rest
// against the stop, once loudly and once more softly.
Sound Vitrine()
{
    Sound sound(1.9, mediumLevelDb);
    Click(sound, 0.0, 2000.0, 0.8);
    Click(sound, 0.07, 1400.0, 0.5);
    sound.Noise(0.12, 0.3, 1200.0, 0.2, {0.1, held, 0.1});
    constexpr Partial glass[] = {{1870.0, 0.4, 0.9}, {2980.0, 0.3, 0.7}, {4410.0, 0.2, 0.5}, {5930.0, 0.12, 0.35}};
    Clang(sound, 0.4, 1.9, glass, 0.8);
    Clang(sound, 0.58, 1.9, glass, 0.3);
    return sound;
}

// The two halves of the crystal snapping together: a hard glassy tick,
// then a bright B flat major chord ringing out, its notes struck one after
// the other from the bottom and shimmering an octave above.
Sound Kristall()
{
    Sound sound(2.3, mediumLevelDb);
    Click(sound, 0.0, 2600.0, 0.9);
    constexpr Partial tick[] = {{3300.0, 0.3, 0.05}, {5200.0, 0.2, 0.03}};
    Clang(sound, 0.0, 0.3, tick, 0.6);
    constexpr double chord[] = {bFlat5, d6, f6, bFlat6};
    for (int note = 0; note < 4; ++note) {
        const double at = 0.06 + 0.035 * note;
        sound.Tone(at, 2.3 - at, chord[note], chord[note], Wave::sine, 0.5, {0.003, 0.8, 0.5});
        sound.Tone(at, 2.3 - at, 2.0 * chord[note], 2.0 * chord[note], Wave::sine, 0.1, {0.003, 0.3, 0.5});
    }
    return sound;
}

// The control room's card reader: the card pushed into its slot, two
// rising beeps (accepted), the lock's clunk, and the door sliding open on
// a hiss of compressed air until it thuds into its frame.
Sound Karte()
{
    Sound sound(2.2, mediumLevelDb);
    sound.Noise(0.0, 0.15, 3000.0, 0.3, {0.02, held, 0.05});
    Beep(sound, 0.2, 0.12, 1760.0, 0.7);
    Beep(sound, 0.36, 0.22, 2349.32, 0.7);
    constexpr Partial lock[] = {{380.0, 0.3, 0.06}, {1020.0, 0.2, 0.04}, {2150.0, 0.1, 0.03}};
    Clang(sound, 0.65, 1.0, lock, 0.6);
    AirHiss(sound, 0.7, 1.0, 0.8);
    sound.Noise(0.8, 1.0, 240.0, 0.7, {0.2, held, 0.3});
    sound.Tone(0.8, 1.0, 58.0, 66.0, Wave::soft, 0.25, {0.2, held, 0.3});
    Thump(sound, 1.7, 90.0, 0.5);
    return sound;
}

// The launch console's big lever pulled: its ratchet clicking, the clunk
// as it locks down with a confirming beep, then two servos humming up as
// the ramp turns.
Sound Pult()
{
    Sound sound(2.4, bigLevelDb);
    for (int tooth = 0; tooth < 6; ++tooth)
        Click(sound, 0.06 * tooth, 1200.0 + 60.0 * tooth, 0.45);
    constexpr Partial lever[] = {{260.0, 0.3, 0.15}, {690.0, 0.2, 0.1}, {1350.0, 0.1, 0.06}};
    Thump(sound, 0.42, 120.0, 0.8);
    Clang(sound, 0.42, 1.0, lever, 0.6);
    Beep(sound, 0.55, 0.1, 1318.5, 0.4);
    sound.Tone(0.6, 1.75, 300.0, 520.0, Wave::triangle, 0.3, {0.25, held, 0.35});
    sound.Tone(0.6, 1.75, 600.0, 1040.0, Wave::sine, 0.12, {0.25, held, 0.35});
    sound.Tone(0.9, 1.45, 450.0, 380.0, Wave::triangle, 0.2, {0.2, held, 0.35});
    sound.Noise(0.6, 1.75, 1500.0, 0.15, {0.25, held, 0.35});
    return sound;
}

// The dome's segments sliding open: the bolts letting go with a deep
// clang, a rumble running round the dome with the drives' whine, and the
// segments knocking home one after another, each a little softer.
Sound Kuppel()
{
    Sound sound(2.45, bigLevelDb);
    constexpr Partial bolt[] = {{150.0, 0.35, 0.4}, {410.0, 0.3, 0.3}, {780.0, 0.2, 0.2}, {1320.0, 0.1, 0.12}};
    Clang(sound, 0.0, 0.9, bolt, 0.8);
    sound.Noise(0.1, 2.3, 150.0, 1.0, {0.4, held, 0.5});
    sound.Tone(0.1, 2.3, 41.0, 46.0, Wave::soft, 0.4, {0.4, held, 0.5});
    sound.Tone(0.2, 2.1, 700.0, 900.0, Wave::triangle, 0.1, {0.4, held, 0.5});
    for (int segment = 0; segment < 4; ++segment)
        Thump(sound, 0.6 + 0.4 * segment, 100.0 - 8.0 * segment, 0.6 - 0.1 * segment);
    return sound;
}

// The taxi's launch: the engine coughing twice, catching with a deep
// boom, and its roar rising in pitch and strength as it races up the ramp.
Sound Start()
{
    Sound sound(2.45, bigLevelDb);
    for (const double cough : {0.0, 0.14}) {
        sound.Grain(cough, 3000.0, 0.6, 0.01);
        sound.Tone(cough, 0.12, 90.0, 70.0, Wave::soft, 0.4, {0.002, 0.03, 0.05});
    }
    constexpr double ignition = 0.3;
    sound.Grain(ignition, 9000.0, 0.8, 0.004);
    sound.Noise(ignition, 0.4, 2500.0, 0.6, {0.001, 0.06, 0.2});
    sound.Tone(ignition, 0.9, 70.0, 40.0, Wave::soft, 0.8, {0.003, 0.3, 0.4});
    sound.Recording(ignition + 0.05, SweepingWhoosh(2.1, 200.0, 2500.0, 0x57A7u), 1.0, {0.3, held, 0.3});
    sound.Noise(ignition + 0.05, 2.1, 400.0, 0.8, {0.2, held, 0.4});
    sound.Tone(ignition + 0.05, 2.1, 110.0, 440.0, Wave::triangle, 0.3, {0.3, held, 0.35});
    sound.Tone(ignition + 0.05, 2.1, 220.0, 880.0, Wave::sine, 0.15, {0.3, held, 0.35});
    return sound;
}

// The crystal back in the Zephyra: a short fanfare of trumpets in
// B flat major over the timpani, a triplet on F calling up through B flat,
// D and F, and the three trumpets holding the B flat major chord.
Sound Fanfare()
{
    Sound sound(2.4, bigLevelDb);
    constexpr double call[][3] = {{0.0, 0.09, f4},  {0.1, 0.09, f4},  {0.2, 0.09, f4}, {0.3, 0.25, bFlat4},
                                  {0.58, 0.13, d5}, {0.73, 0.25, f5}, {1.0, 0.13, d5}};
    std::uint32_t seed = 0xFA6u;
    for (const auto& [start, length, hertz] : call)
        sound.Recording(start, TrumpetNote(length, hertz, seed++), 1.0, {0.002, held, std::min(0.08, 0.3 * length)});
    constexpr double chordStart = 1.15;
    constexpr double chordLength = 1.2;
    for (const double hertz : {bFlat4, d5, f5})
        sound.Recording(chordStart, TrumpetNote(chordLength, hertz, seed++), 0.7, {0.002, held, 0.25});
    for (const double stroke : {0.3, chordStart})
        sound.Tone(stroke, 1.0, bFlat2, bFlat2, Wave::soft, 0.6, {0.003, 0.3, 0.3});
    return sound;
}

constexpr SoundEffect episode6SoundEffects[] = {
    {"audioevent_kamera", "kamera.wav", MiasCamera}, {"audioevent_foto", "foto.wav", Foto},
    {"audioevent_vitrine", "vitrine.wav", Vitrine},  {"audioevent_kristall", "kristall.wav", Kristall},
    {"audioevent_karte", "karte.wav", Karte},        {"audioevent_pult", "pult.wav", Pult},
    {"audioevent_kuppel", "kuppel.wav", Kuppel},     {"audioevent_quieken", "quieken.wav", SchleimlingSqueaks},
    {"audioevent_start", "start.wav", Start},        {"audioevent_landung", "landung.wav", TaxiLanding},
    {"audioevent_fanfare", "fanfare.wav", Fanfare},
};

} // namespace

std::span<const SoundEffect> Episode6SoundEffects()
{
    return episode6SoundEffects;
}

} // namespace content::levels
