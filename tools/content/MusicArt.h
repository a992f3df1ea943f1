#pragma once

// Music rendered from a score with FluidSynth and a General MIDI sound font,
// written as Ogg Vorbis.
//
// The synthesiser runs without an audio driver or threads and is fed by our
// own frame counter, so the same score always gives the same samples; the
// encoder's stream serial number is fixed, so it also gives the same bytes.
// A score is rendered as a loop: the sound that rings on after its last bar
// (releases, reverb) is added onto its first bars, so that playing the
// file over and over joins without a gap or a click.

#include "Score.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace content {

constexpr int musicRate = 44100;
constexpr const char* generalMidiSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// The loudest sample of the game's music: -1 dBFS.
constexpr double musicPeak = 0.891;

// Reads and parses the score file at `scorePath`; false with `error`
// naming the file (and the line, for a fault in the score).
bool LoadScore(const std::string& scorePath, Score& score, std::string& error);

// The score file at `scorePath` as the game's music: stereo at musicRate,
// its peak at -1 dBFS, Vorbis at quality 0.4. False, with `error` naming
// the file (and the line, for a fault in the score), when it cannot be made.
bool MakeMusic(const std::string& scorePath, std::vector<std::uint8_t>& ogg, std::string& error);

// Interleaved stereo frames, exactly as many as the score lasts, with the
// loudest sample at `peak` of full scale. False, with `error` saying why,
// when the sound font cannot be loaded or the score is empty.
bool RenderScoreLoop(const Score& score, const std::string& soundFontPath, double peak, std::vector<float>& stereo,
                     std::string& error);

// How many frames at musicRate the score lasts, from its first bar to the
// end of its last.
long ScoreFrames(const Score& score);

// The score played once, for a piece that is not repeated: interleaved
// stereo frames, exactly ScoreFrames of them, cut off at the end of the
// last bar (a piece meant to be heard to its end rests there), with the
// loudest sample at `peak` of full scale. False, with `error` saying why,
// when the sound font cannot be loaded or the score is empty or silent.
bool RenderScoreOnce(const Score& score, const std::string& soundFontPath, double peak, std::vector<float>& stereo,
                     std::string& error);

} // namespace content
