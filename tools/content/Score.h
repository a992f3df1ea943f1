#pragma once

// Music as note data: a small text format for the scores in
// tools/content/music, and the notes it stands for.
//
//     # a comment runs to the end of its line (a word starting with #)
//     tempo 112                  beats per minute
//     beats 4                    beats per bar, given before the first section
//     voice lead channel 1 program 12 volume 100 pan 64 reverb 40 chorus 0 velocity 90 gate 90
//     section A                  the bar lines below belong to section A
//     lead | E5:q G5:e A5 C6:h | D6:q. C6:e A5:h |
//     form A A B A               the sections in playing order
//
// Channels are 1 to 16 (10 is the drum kit), programs are numbered as in
// the General MIDI list, 1 to 128; volume, pan, reverb, chorus and velocity
// are 0 to 127; gate is the percent of its length a note sounds.
//
// A voice line gives that voice's bars, between '|' signs; several lines
// for one voice in one section follow each other. A note is PITCH:LENGTH:
// the pitch a name with octave (C4 is middle C, F#5, Bb3), a chord of them
// joined by '+' (C4+E4+G4), a drum name (kick, snare, hat, ...) or r for a
// rest; the length w, h, q, e or s, dotted with '.', a triplet with 't'.
// Without ":LENGTH" a note is as long as the one before it on the line. A
// trailing '!' plays it louder (velocity + 20), '~' softer (- 25). The
// notes of a bar must fill it exactly, and the voices of a section must
// have the same number of bars (a voice without bars there rests).
//
// Anything else is refused with the file's name and the line's number.

#include <string>
#include <string_view>
#include <vector>

namespace content {

struct ScoreVoice {
    std::string name;
    int channel = 0; // 0 to 15
    int program = 0; // 0 to 127
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int chorus = 0;
    int velocity = 90;
    int gate = 90;
};

// One key held from `start` for `length` ticks.
struct ScoreNote {
    int voice = 0; // index into Score::voices
    int key = 60;
    int velocity = 90;
    int start = 0;
    int length = 0;
};

struct Score {
    static constexpr int ticksPerBeat = 24;

    double tempo = 120.0; // beats per minute
    int beatsPerBar = 4;
    std::vector<ScoreVoice> voices;
    std::vector<ScoreNote> notes; // in playing order of the form, by start
    int length = 0;               // ticks from the first bar to the end of the last

    double SecondsPerTick() const { return 60.0 / (tempo * ticksPerBeat); }
};

// Reads a score; on a fault `error` says "FILE:LINE: what is wrong" and the
// result is false.
bool ParseScore(std::string_view text, const std::string& fileName, Score& score, std::string& error);

} // namespace content
