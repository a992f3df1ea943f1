#pragma once

// Reads a movie from bytes in memory through the FFmpeg libraries: the
// pictures come out as 32-bit rows 0x00RRGGBB scaled to a chosen size, the
// sound as interleaved 16-bit stereo at 44,100 Hz, whatever the file holds.
// The bytes are untrusted: FFmpeg's own log is silenced, a failure becomes a
// reason in `error`, and a picture larger than maximumWidth x maximumHeight
// is refused before anything is decoded.

#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace platform {

class MovieReader {
public:
    static constexpr int maximumWidth = 4096;
    static constexpr int maximumHeight = 4096;
    static constexpr int outputRate = 44100;

    struct Frame {
        std::uint32_t milliseconds = 0; // when it is due, from the movie's start
        std::vector<std::uint32_t> pixels;
    };

    MovieReader();
    MovieReader(const MovieReader&) = delete;
    MovieReader& operator=(const MovieReader&) = delete;
    ~MovieReader();

    // The bytes must outlive the reader. False with a reason when they hold
    // no movie with a picture this reader can decode.
    bool Open(std::span<const std::uint8_t> movie, std::string& error);
    int GetWidth() const;
    int GetHeight() const;
    bool HasSound() const;
    // Pictures come out at this size (default: the movie's own).
    bool SetOutputSize(int width, int height, std::string& error);

    // Decodes the next packet: a picture joins GetFrames(), sound joins
    // GetSamples(). False at the end or on a failure (then `error` says
    // why; it stays empty at a regular end).
    bool DecodeMore(std::string& error);
    std::deque<Frame>& GetFrames();
    std::vector<std::int16_t>& GetSamples();

private:
    struct State;
    std::unique_ptr<State> state;
};

} // namespace platform
