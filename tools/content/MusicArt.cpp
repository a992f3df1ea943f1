#include "MusicArt.h"

#include "OggEncoder.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <tuple>

namespace content {
namespace {

// How long the sound of the last bars rings on: it is rendered beyond the
// end and added onto the start.
constexpr double tailSeconds = 4.0;
// Frames the synthesiser renders per call between events.
constexpr int blockFrames = 512;

enum Controller { controllerVolume = 7, controllerPan = 10, controllerReverb = 91, controllerChorus = 93 };

struct SettingsDeleter {
    void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
};
using SettingsPointer = std::unique_ptr<fluid_settings_t, SettingsDeleter>;
using SynthPointer = std::unique_ptr<fluid_synth_t, SynthDeleter>;

// A key pressed or let go at a frame.
struct KeyEvent {
    long frame = 0;
    bool press = false;
    int channel = 0;
    int key = 0;
    int velocity = 0;
};

// The score's notes as presses and releases in the order they happen; at
// one frame releases come first, so a key struck again sounds again.
std::vector<KeyEvent> KeyEvents(const Score& score)
{
    const double framesPerTick = score.SecondsPerTick() * musicRate;
    auto frameAt = [framesPerTick](double ticks) { return std::lround(ticks * framesPerTick); };
    std::vector<KeyEvent> events;
    events.reserve(score.notes.size() * 2);
    for (const ScoreNote& note : score.notes) {
        const ScoreVoice& voice = score.voices[static_cast<std::size_t>(note.voice)];
        const long press = frameAt(note.start);
        const long release = std::max(press + 1, frameAt(note.start + note.length * voice.gate / 100.0));
        events.push_back({press, true, voice.channel, note.key, note.velocity});
        events.push_back({release, false, voice.channel, note.key, 0});
    }
    std::stable_sort(events.begin(), events.end(), [](const KeyEvent& a, const KeyEvent& b) {
        return std::tie(a.frame, a.press) < std::tie(b.frame, b.press);
    });
    return events;
}

SynthPointer MakeSynth(const SettingsPointer& settings, const std::string& soundFontPath, std::string& error)
{
    fluid_settings_t* values = settings.get();
    fluid_settings_setnum(values, "synth.sample-rate", musicRate);
    fluid_settings_setint(values, "synth.cpu-cores", 1);
    fluid_settings_setint(values, "synth.threadsafe-api", 0);
    fluid_settings_setint(values, "synth.reverb.active", 1);
    fluid_settings_setint(values, "synth.chorus.active", 1);
    fluid_settings_setnum(values, "synth.gain", 0.3);
    // A mid-sized, fairly bright room: space, without washing out the beat.
    fluid_settings_setnum(values, "synth.reverb.room-size", 0.55);
    fluid_settings_setnum(values, "synth.reverb.damp", 0.35);
    fluid_settings_setnum(values, "synth.reverb.width", 0.9);
    fluid_settings_setnum(values, "synth.reverb.level", 0.7);
    SynthPointer synth(new_fluid_synth(values));
    if (synth == nullptr) {
        error = "FluidSynth could not start";
        return nullptr;
    }
    if (fluid_synth_sfload(synth.get(), soundFontPath.c_str(), 1) == FLUID_FAILED) {
        error = "could not load the sound font " + soundFontPath;
        return nullptr;
    }
    return synth;
}

void SetUpChannels(fluid_synth_t* synth, const Score& score)
{
    for (const ScoreVoice& voice : score.voices) {
        fluid_synth_program_change(synth, voice.channel, voice.program);
        fluid_synth_cc(synth, voice.channel, controllerVolume, voice.volume);
        fluid_synth_cc(synth, voice.channel, controllerPan, voice.pan);
        fluid_synth_cc(synth, voice.channel, controllerReverb, voice.reverb);
        fluid_synth_cc(synth, voice.channel, controllerChorus, voice.chorus);
    }
}

// Plays the events into `left` and `right`, whose length is the frames
// rendered.
void Play(fluid_synth_t* synth, std::span<const KeyEvent> events, std::vector<float>& left, std::vector<float>& right)
{
    const long frames = static_cast<long>(left.size());
    std::size_t next = 0;
    for (long frame = 0; frame < frames;) {
        for (; next < events.size() && events[next].frame <= frame; ++next) {
            const KeyEvent& event = events[next];
            if (event.press)
                fluid_synth_noteon(synth, event.channel, event.key, event.velocity);
            else
                fluid_synth_noteoff(synth, event.channel, event.key);
        }
        long until = std::min(frames, frame + blockFrames);
        if (next < events.size())
            until = std::min(until, events[next].frame);
        const int count = static_cast<int>(until - frame);
        const int offset = static_cast<int>(frame);
        fluid_synth_write_float(synth, count, left.data(), offset, 1, right.data(), offset, 1);
        frame = until;
    }
}

// Plays the whole score and `tailFrames` beyond its end into `left` and
// `right`; false with `error` when the synthesiser cannot start.
bool RenderScore(const Score& score, const std::string& soundFontPath, long tailFrames, std::vector<float>& left,
                 std::vector<float>& right, std::string& error)
{
    SettingsPointer settings(new_fluid_settings());
    if (settings == nullptr) {
        error = "FluidSynth could not start";
        return false;
    }
    const SynthPointer synth = MakeSynth(settings, soundFontPath, error);
    if (synth == nullptr)
        return false;
    SetUpChannels(synth.get(), score);
    const auto rendered = static_cast<std::size_t>(ScoreFrames(score) + tailFrames);
    left.assign(rendered, 0.0f);
    right.assign(rendered, 0.0f);
    Play(synth.get(), KeyEvents(score), left, right);
    return true;
}

bool ScaleToPeak(std::vector<float>& stereo, double peak, std::string& error)
{
    float loudest = 0.0f;
    for (const float sample : stereo)
        loudest = std::max(loudest, std::abs(sample));
    if (loudest <= 0.0f) {
        error = "the score is silent";
        return false;
    }
    const auto scale = static_cast<float>(peak / loudest);
    for (float& sample : stereo)
        sample *= scale;
    return true;
}

} // namespace

long ScoreFrames(const Score& score)
{
    return std::lround(score.length * score.SecondsPerTick() * musicRate);
}

bool RenderScoreLoop(const Score& score, const std::string& soundFontPath, double peak, std::vector<float>& stereo,
                     std::string& error)
{
    const long loopFrames = ScoreFrames(score);
    const long tailFrames = std::lround(tailSeconds * musicRate);
    if (loopFrames <= tailFrames) {
        error = "the score is shorter than its tail of " + std::to_string(tailSeconds) + " s";
        return false;
    }
    std::vector<float> left;
    std::vector<float> right;
    if (!RenderScore(score, soundFontPath, tailFrames, left, right, error))
        return false;
    // Fold the tail onto the start, then scale to the peak.
    const auto loop = static_cast<std::size_t>(loopFrames);
    stereo.assign(loop * 2, 0.0f);
    for (std::size_t frame = 0; frame < left.size(); ++frame) {
        stereo[frame % loop * 2] += left[frame];
        stereo[frame % loop * 2 + 1] += right[frame];
    }
    return ScaleToPeak(stereo, peak, error);
}

bool RenderScoreOnce(const Score& score, const std::string& soundFontPath, double peak, std::vector<float>& stereo,
                     std::string& error)
{
    std::vector<float> left;
    std::vector<float> right;
    if (!RenderScore(score, soundFontPath, 0, left, right, error))
        return false;
    if (left.empty()) {
        error = "the score is empty";
        return false;
    }
    stereo.resize(left.size() * 2);
    for (std::size_t frame = 0; frame < left.size(); ++frame) {
        stereo[frame * 2] = left[frame];
        stereo[frame * 2 + 1] = right[frame];
    }
    return ScaleToPeak(stereo, peak, error);
}

bool LoadScore(const std::string& scorePath, Score& score, std::string& error)
{
    std::ifstream input(scorePath, std::ios::binary);
    std::stringstream text;
    text << input.rdbuf();
    if (!input) {
        error = "could not read " + scorePath;
        return false;
    }
    return ParseScore(text.str(), scorePath, score, error);
}

bool MakeMusic(const std::string& scorePath, std::vector<std::uint8_t>& ogg, std::string& error)
{
    constexpr float quality = 0.4f;
    Score score;
    std::vector<float> stereo;
    if (!LoadScore(scorePath, score, error))
        return false;
    if (!RenderScoreLoop(score, generalMidiSoundFont, musicPeak, stereo, error)) {
        error = scorePath + ": " + error;
        return false;
    }
    ogg = EncodeOggVorbis(stereo, 2, musicRate, quality);
    if (ogg.empty()) {
        error = scorePath + ": libvorbisenc refused stereo at " + std::to_string(musicRate) + " Hz";
        return false;
    }
    return true;
}

} // namespace content
