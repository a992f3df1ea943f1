#pragma once

// Writes a movie as the game plays it: an AVI file with MPEG-4 Part 2 video
// (yuv420p) and 16-bit PCM sound at 44,100 Hz stereo. Frames come in as
// 32-bit rows 0x00RRGGBB (the top byte is ignored), sound as interleaved
// stereo samples, in any order and amounts. The output bytes depend only on
// the input: every encoder and the muxer run bit-exact on one thread.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

class MovieEncoder {
public:
    static constexpr int sampleRate = 44100;
    static constexpr int channels = 2;

    MovieEncoder();
    MovieEncoder(const MovieEncoder&) = delete;
    MovieEncoder& operator=(const MovieEncoder&) = delete;
    ~MovieEncoder();

    // Creates the file for frames of the given size (even numbers).
    // `quantiser` sets the fixed picture quality: 1 best, 31 smallest.
    bool Open(const std::string& path, int width, int height, int framesPerSecond, int quantiser,
              std::string& error);
    // One frame; `pitchInPixels` is the distance between rows.
    bool AddFrame(const std::uint32_t* pixels, int pitchInPixels, std::string& error);
    // Interleaved left/right samples; an odd count is refused.
    bool AddSamples(std::span<const std::int16_t> samples, std::string& error);
    // Flushes the encoders and writes the index; the file is complete only
    // after this returned true.
    bool Finish(std::string& error);

private:
    struct State;
    std::unique_ptr<State> state;
};
