#pragma once

// The intro movie's soundtrack: its music (tools/content/music/Intro.txt)
// played once, with the narration spoken over it, as one track of
// interleaved 16-bit stereo at 44,100 Hz exactly as long as the movie.
//
// The speech is made at 22,050 Hz and doubled to the track's rate. The
// music steps back (ducks) under every line, fading down just before it
// and up again after it; the track fades in and out so that it neither
// starts nor ends with a click, and its loudest sample is at -1 dBFS.

#include "SpeechSynth.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace content::intro {

constexpr int soundtrackRate = 44100;
constexpr int soundtrackChannels = 2;

struct NarrationLine {
    const char* speaker; // the voice preset's element
    const char* text;    // Windows-1252
    double start;        // seconds from the start of the movie
    double pan;          // 0 left, 0.5 centre, 1 right
};

// The lines in the order they are spoken.
std::span<const NarrationLine> Narration();

// The parts before they are mixed, at soundtrackRate.
struct SoundtrackParts {
    std::vector<float> music; // interleaved stereo, the movie's length
    struct Line {
        long startFrame = 0;
        std::vector<float> samples; // mono
        double pan = 0.5;
    };
    std::vector<Line> lines;
};

// Renders the music and speaks every line. False with `error` when the
// score cannot be read or played, when it does not last as long as the
// movie, or when a line cannot be spoken.
bool MakeSoundtrackParts(const SpeechSynth& speech, SoundtrackParts& parts, std::string& error);

// The finished track, interleaved stereo.
std::vector<std::int16_t> MixSoundtrack(const SoundtrackParts& parts);

// Both in one: the whole soundtrack, or false with `error`.
bool MakeSoundtrack(const SpeechSynth& speech, std::vector<std::int16_t>& interleaved, std::string& error);

} // namespace content::intro
