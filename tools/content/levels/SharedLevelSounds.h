#pragma once

// Sounds that more than one level makes: Mia's camera, whose flash dazzles
// the Baron's fighters in the taxi chase, takes Juna's passport photo on
// the festival square, wakes the castle kitchen's dog, bursts the moon
// base's popcorn and photographs the Baron; Rocko's taxi landing under the
// moon base's dome and on Wakalua's beach; the Schleimlinge's squeaks, pops
// and splats and the spray's hiss, in the base's yard and inside the base;
// the base's machines (a thump on steel, a valve's hiss, a beep); a crowd
// cheering (the village square, the dance contest, the festival) and the
// smith's hammer on his anvil (below the castle and in its yard). Also the
// loudness steps of an episode's own effects, so that every episode's
// sounds stand alike beside each other, and the pieces the voices that
// need more than a tone or low-passed noise are made of (a trumpet's note
// for the herald's and the homecoming's fanfares), sample by sample, to be
// added to a sound as recordings.

#include "SoundArt.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace content::levels {

// The small sounds (a rustle, a chime, clicks) stay under the menu's click,
// which is 6 dB under the common peak; the ones that move something big
// (a hatch, a drum, a crowd, a taxi) are louder.
inline constexpr double smallLevelDb = -7.5;
inline constexpr double mediumLevelDb = -4.0;
inline constexpr double bigLevelDb = -1.5;

// Mia's camera: the shutter's double click, the flash's pop and the whine of
// its capacitor charging again.
Sound MiasCamera();

// Rocko's taxi coming down (under the moon base's dome, on Wakalua's
// beach): its engine's whine falling as it brakes in a rush of air
// sweeping down, the thump of its landing legs, their springs ringing and
// the engine running out.
Sound TaxiLanding();

// A Schleimling squeaking (cornered in the lab, sulking in the base's
// hall): a quick rising squeal, a trembling one and a high chirp.
Sound SchleimlingSqueaks();

// A crowd cheering from `start` for `length` seconds, `gain` loud: a swell
// of voices (noise at two colours), cartoon "hooray"s gliding up at
// different pitches, and scattered claps.
void Cheer(Sound& sound, double start, double length, double gain);

// A dry click: a tick of noise and a short body under it.
void Click(Sound& sound, double start, double hertz, double gain);

// A Schleimling's squeak: a gliding whistle with its octave, fading over
// its second half.
void Squeak(Sound& sound, double start, double length, double fromHz, double toHz, double gain);

// A bubble bursting: a short sine leaping up.
void Pop(Sound& sound, double start, double hertz, double gain);

// A blob of slime hitting the ground: a wet burst, its low thud.
void Splat(Sound& sound, double start, double gain);

// A squirt of spray, half a second from `start`: the valve's click and a
// hiss with its body below.
void Squirt(Sound& sound, double start, double gain);

// A heavy thing landing on steel at `start`: a low thud falling from
// `hertz` to half of it and a dull knock of noise over it.
void Thump(Sound& sound, double start, double hertz, double gain);

// Compressed air let out of a valve from `start` for `length` seconds: a
// bright hiss falling off after its first burst.
void AirHiss(Sound& sound, double start, double length, double gain);

// A short electronic beep of the base's machines: a pure tone with a faint
// octave, fading over its second half so that even the highest ends softly.
void Beep(Sound& sound, double start, double length, double hertz, double gain);

// Seconds as frames at the sound rate, rounded down.
std::size_t SoundFrames(double seconds);

// A two-pole filter: a band-pass whose peak passes at unit gain, or a
// high-pass.
class Filter {
public:
    static Filter BandPass(double hertz, double q);
    static Filter HighPass(double hertz);
    double operator()(double in);

private:
    Filter(double b0, double b1, double b2, double a0, double a1, double a2);
    double forward0, forward1, forward2, back1, back2;
    double in1 = 0.0, in2 = 0.0, out1 = 0.0, out2 = 0.0;
};

// A sawtooth's harmonics up to `highestHz`, the k-th at 1/k, further
// softened by exp(-k / brightness): the richer the higher the brightness.
// `phase` runs from 0 to 1 over one period of `hertz`.
double Sawtooth(double phase, double hertz, double brightness, double highestHz);

// Hiss between `lowHz` and `highHz`: white noise high-passed and then
// low-passed, at an even level (the recording's envelope shapes it).
std::vector<float> Hiss(double seconds, double lowHz, double highHz, std::uint32_t seed);

// Noise through a band whose centre glides from `fromHz` to `toHz` over
// `seconds`, swelling as it goes: a rush of air drawn up into a jump, or
// a ship coming down.
std::vector<float> SweepingWhoosh(double seconds, double fromHz, double toHz, std::uint32_t seed);

// A trumpet's note, `seconds` long: a sawtooth that scoops up into its
// pitch and is brighter the harder it is blown, with a vibrato swelling in
// on a note held longer than a quarter of a second.
std::vector<float> TrumpetNote(double seconds, double hertz, std::uint32_t seed);

// A struck piece of metal: `partials` of its inharmonic overtones (hertz,
// gain, decay in seconds), all sounding to the sound's end so that each
// has died away in its long release, and the strike's bright tick.
struct Partial {
    double hertz, gain, decay;
};
void Clang(Sound& sound, double start, double end, std::span<const Partial> partials, double gain);

// One blow of the smith's hammer on his anvil at `start`: a bright clang of
// the steel's inharmonic partials ringing on to `end`, with the hammer's
// dull knock.
void AnvilBlow(Sound& sound, double start, double end, double gain);

} // namespace content::levels
