#include "SoundArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content {

namespace {

double Oscillate(Wave wave, double phase)
{
    const double angle = 2.0 * std::numbers::pi * phase;
    switch (wave) {
    case Wave::sine:
        return std::sin(angle);
    case Wave::triangle: {
        const double position = phase - std::floor(phase);
        return position < 0.5 ? 4.0 * position - 1.0 : 3.0 - 4.0 * position;
    }
    case Wave::soft:
        return std::sin(angle) + std::sin(3.0 * angle) / 3.0 + std::sin(5.0 * angle) / 9.0;
    }
    return 0.0;
}

// The envelope's level `frame` frames into a voice of `frames` frames. The
// release counts down to the voice's last frame, which is silent.
double Level(const Envelope& envelope, std::size_t frame, std::size_t frames)
{
    const double time = static_cast<double>(frame) / soundRate;
    double level = time < envelope.attack ? time / envelope.attack
                                          : std::exp(-(time - envelope.attack) / envelope.decay);
    const double releaseFrames = std::max(1.0, envelope.release * soundRate);
    const auto remaining = static_cast<double>(frames - 1 - frame);
    if (remaining < releaseFrames)
        level *= 0.5 - 0.5 * std::cos(std::numbers::pi * remaining / releaseFrames);
    return level;
}

// A sound's frame range for a voice inside it: the voice ends, with its
// release, where the sound ends.
std::pair<std::size_t, std::size_t> Frames(std::size_t size, double start, double length)
{
    const auto first = std::min(size, static_cast<std::size_t>(start * soundRate));
    const auto last = std::min(size, static_cast<std::size_t>((start + length) * soundRate));
    return {first, last};
}

// How much quieter than the inventory chime the small sounds are: the menu's
// click and blip about half its amplitude, the inventory's swish a little
// louder than those.
constexpr double menuLevelDb = -6.0;
constexpr double inventoryScrollLevelDb = -5.0;

// A click of the menus: a short bright tick over a softer body.
Sound MenuClick()
{
    Sound sound(0.07, menuLevelDb);
    sound.Tone(0.0, 0.06, 2400.0, 1500.0, Wave::sine, 1.0, {0.001, 0.010});
    sound.Tone(0.0, 0.06, 1200.0, 800.0, Wave::triangle, 0.45, {0.001, 0.018});
    sound.Noise(0.0, 0.02, 7000.0, 0.25, {0.0005, 0.003});
    return sound;
}

// Stepping through a choice: a quick rising blip.
Sound MenuScroll()
{
    Sound sound(0.10, menuLevelDb);
    sound.Tone(0.0, 0.09, 620.0, 1050.0, Wave::triangle, 1.0, {0.004, 0.028});
    sound.Tone(0.0, 0.09, 1240.0, 2100.0, Wave::sine, 0.3, {0.004, 0.018});
    return sound;
}

// An item arrives in the inventory: a bright two-note chime, E6 then A6.
// The A still rings at the end and fades out over a longer release.
Sound Inventory()
{
    Sound sound(0.50);
    sound.Tone(0.0, 0.45, 1318.5, 1318.5, Wave::sine, 0.8, {0.003, 0.11});
    sound.Tone(0.0, 0.45, 2637.0, 2637.0, Wave::sine, 0.2, {0.003, 0.05});
    sound.Tone(0.09, 0.41, 1760.0, 1760.0, Wave::sine, 0.9, {0.003, 0.14, 0.025});
    sound.Tone(0.09, 0.41, 3520.0, 3520.0, Wave::sine, 0.18, {0.003, 0.06});
    return sound;
}

// The inventory bar slides: a soft swish with a low glide under it; the
// swish is still audible at its end and fades out over a longer release.
Sound InventoryScroll()
{
    Sound sound(0.15, inventoryScrollLevelDb);
    sound.Noise(0.0, 0.14, 2500.0, 0.7, {0.025, 0.04, 0.025});
    sound.Tone(0.0, 0.13, 300.0, 470.0, Wave::sine, 0.5, {0.012, 0.045});
    return sound;
}

// A brass voice of the fanfare: the soft wave with a quick bite of its
// octave at the start, as a trumpet's tongue gives it.
void Brass(Sound& sound, double start, double length, double hertz, double gain)
{
    sound.Tone(start, length, hertz, hertz, Wave::soft, gain, {0.015, 0.9, 0.06});
    sound.Tone(start, std::min(length, 0.12), hertz * 2.0, hertz * 2.0, Wave::triangle, 0.25 * gain,
               {0.004, 0.04, 0.03});
}

// A round won: a fanfare climbing G4, C5, E5 to a held C major chord,
// and the crowd cheering under it (a swell of voices and scattered claps).
Sound Success()
{
    Sound sound(2.3);
    Brass(sound, 0.0, 0.16, 392.0, 0.8);
    Brass(sound, 0.16, 0.16, 523.25, 0.8);
    Brass(sound, 0.32, 0.16, 659.25, 0.8);
    for (const double hertz : {523.25, 659.25, 783.99, 1046.5})
        Brass(sound, 0.5, 1.2, hertz, 0.45);
    sound.Noise(0.45, 1.8, 1500.0, 0.5, {0.3, 0.8, 0.4});
    sound.Noise(0.5, 1.75, 3500.0, 0.25, {0.3, 0.7, 0.4});
    for (int clap = 0; clap < 14; ++clap)
        sound.Noise(0.55 + 0.1 * clap + 0.03 * (clap % 3), 0.05, 4500.0, 0.3, {0.001, 0.006, 0.004});
    return sound;
}

// A round lost: the sad trombone, three notes stepping down a semitone
// each (Bb3, A3, Ab3) and a long last one that sags from G3.
Sound Failed()
{
    Sound sound(2.2, -1.5);
    const double notes[] = {233.08, 220.0, 207.65};
    for (int note = 0; note < 3; ++note)
        sound.Tone(0.42 * note, 0.4, notes[note], notes[note] * 0.985, Wave::soft, 0.8, {0.03, 1.0, 0.08});
    sound.Tone(1.26, 0.92, 196.0, 180.0, Wave::soft, 0.85, {0.04, 1.2, 0.3});
    sound.Tone(1.26, 0.92, 392.0, 360.0, Wave::sine, 0.15, {0.04, 0.5, 0.3});
    return sound;
}

constexpr SoundEffect sharedSoundEffects[] = {
    {"audioevent_menu_click", "menu_click.wav", MenuClick},
    {"audioevent_menu_scroll", "menu_scroll.wav", MenuScroll},
    {"audioevent_inventory", "inventory.wav", Inventory},
    {"audioevent_inventory_scroll", "inventory_scroll.wav", InventoryScroll},
    {"audioevent_success", "success.wav", Success},
    {"audioevent_failed", "failed.wav", Failed},
};

} // namespace

Sound::Sound(double seconds, double soundLevelDb)
    : samples(static_cast<std::size_t>(seconds * soundRate), 0.0), levelDb(std::min(0.0, soundLevelDb))
{
}

void Sound::Tone(double start, double length, double fromHz, double toHz, Wave wave, double gain, Envelope envelope)
{
    const auto [first, last] = Frames(samples.size(), start, length);
    std::vector<double> voice(last - first);
    double phase = 0.0;
    for (std::size_t frame = 0; frame < voice.size(); ++frame) {
        const double time = static_cast<double>(frame) / soundRate;
        const double hertz = fromHz * std::pow(toHz / fromHz, time / length);
        voice[frame] = gain * Level(envelope, frame, voice.size()) * Oscillate(wave, phase);
        phase += hertz / soundRate;
        phase -= std::floor(phase);
    }
    Add(first, std::move(voice));
}

void Sound::Noise(double start, double length, double cutoffHz, double gain, Envelope envelope)
{
    const auto [first, last] = Frames(samples.size(), start, length);
    std::vector<double> voice(last - first);
    const double smoothing = 1.0 - std::exp(-2.0 * std::numbers::pi * cutoffHz / soundRate);
    double filtered = 0.0;
    for (std::size_t frame = 0; frame < voice.size(); ++frame) {
        noiseState ^= noiseState << 13;
        noiseState ^= noiseState >> 17;
        noiseState ^= noiseState << 5;
        const double white = static_cast<double>(noiseState) / 2147483648.0 - 1.0;
        filtered += smoothing * (white - filtered);
        voice[frame] = gain * Level(envelope, frame, voice.size()) * filtered;
    }
    Add(first, std::move(voice));
}

void Sound::Grain(double start, double cutoffHz, double gain, double decay)
{
    Noise(start, 0.002 + 9.0 * decay, cutoffHz, gain, {0.001, decay, 0.004});
}

void Sound::Recording(double start, std::span<const float> recorded, double gain, Envelope envelope)
{
    const auto [first, last] = Frames(samples.size(), start, static_cast<double>(recorded.size()) / soundRate);
    // The start and the end are rounded down each on its own, which can make
    // the span one frame longer than the recording.
    std::vector<double> voice(std::min(last - first, recorded.size()));
    for (std::size_t frame = 0; frame < voice.size(); ++frame)
        voice[frame] = gain * Level(envelope, frame, voice.size()) * recorded[frame];
    Add(first, std::move(voice));
}

void Sound::Add(std::size_t first, std::vector<double> voice)
{
    for (std::size_t frame = 0; frame < voice.size(); ++frame)
        samples[first + frame] += voice[frame];
    voices.push_back({first, std::move(voice)});
}

double Sound::Scale(double peak) const
{
    double loudest = 0.0;
    for (const double sample : samples)
        loudest = std::max(loudest, std::abs(sample));
    const double level = std::pow(10.0, levelDb / 20.0);
    return loudest > 0.0 ? peak * level * 32767.0 / loudest : 0.0;
}

std::vector<std::uint8_t> Sound::Pcm16(double peak) const
{
    const double scale = Scale(peak);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(samples.size() * 2);
    for (const double sample : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(sample * scale));
        bytes.push_back(static_cast<std::uint8_t>(value));
        bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) >> 8));
    }
    return bytes;
}

std::span<const SoundEffect> SharedSoundEffects()
{
    return sharedSoundEffects;
}

std::string SoundEffectList(const std::string& title, std::span<const SoundEffect> effects)
{
    std::string list = "# " + title + ": Ereignis und Datei\r\n";
    for (const SoundEffect& effect : effects)
        list += std::string(effect.event) + "\t" + effect.file + "\r\n";
    return list;
}

} // namespace content
