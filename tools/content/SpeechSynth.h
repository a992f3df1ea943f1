#pragma once

// Spoken German lines for the game, made with the espeak-ng library and our
// own filters: mono Ogg Vorbis at 22,050 Hz, the rate the game's sound
// device plays every sound at, and espeak-ng's own rate, so nothing is
// resampled.
//
// Texts come in Windows-1252, as everywhere in the game's data, and are
// handed to espeak-ng as UTF-8. Words of the pronunciation list are spoken
// from their phonemes. The same text and preset always give the same bytes.
//
// espeak-ng is one engine per process, loaded on first use. It keeps state
// from one line into the next, so each line is made (synthesised, shaped
// and encoded) in a forked child process that starts from the freshly
// loaded engine; MakeFiles keeps one child per core at work. Make speech
// from one thread only.

#include "PronunciationList.h"
#include "VoicePreset.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace content {

// One line to be made: whose voice, and the text in Windows-1252.
struct SpeechLine {
    const VoicePreset* preset = nullptr;
    std::string text;
};

class SpeechSynth {
public:
    static constexpr int rate = 22050;
    static constexpr int channels = 1;

    explicit SpeechSynth(PronunciationList words);

    // The shaped samples (mono, -1 to 1) of `text` in `preset`'s voice.
    // False with a message for a text with nothing to say or when espeak-ng
    // fails.
    bool Speak(const VoicePreset& preset, std::string_view windows1252Text, std::vector<float>& samples,
               std::string& error) const;

    // The same as an Ogg Vorbis file.
    bool MakeFile(const VoicePreset& preset, std::string_view windows1252Text, std::vector<std::uint8_t>& ogg,
                  std::string& error) const;

    // The Ogg Vorbis files of `lines`, the same bytes as MakeFile's, made
    // `children` at a time (0: one per core). False with the message of the
    // first line that fails.
    bool MakeFiles(std::span<const SpeechLine> lines, std::vector<std::vector<std::uint8_t>>& oggs,
                   std::string& error, unsigned children = 0) const;

    // What espeak-ng is handed for `windows1252Text`: UTF-8, with every
    // listed word as phonemes.
    std::string SpokenText(std::string_view windows1252Text) const;

    // Everything besides the spoken text and the preset that a line's bytes
    // depend on: the versions of espeak-ng and libvorbis and of our own
    // speech code. A line made again with the same text, preset and version
    // comes out the same.
    static std::string EngineVersion();

private:
    PronunciationList pronunciations;
};

// The committed pronunciation list of the game's names.
std::string PronunciationListPath();

} // namespace content
