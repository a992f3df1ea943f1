#pragma once

#include "SampleFile.h"
#include "SampleLoader.h"

#include <cstdint>
#include <span>
#include <vector>

// RIFF WAVE files of 8- or 16-bit integer PCM (format tag 1), mono or
// stereo; any other format tag (float, ADPCM, extensible) is refused.
//
// Layout as read here: the tag "WAVE", then a "fmt " chunk, then a "data"
// chunk, each found by its tag at a multiple of 4 bytes from the file's
// start. A chunk's tag is followed by its length (32 bit, little endian).
// The format chunk fills the fixed PCM format record (longer ones are cut
// to it); every length is checked against the file before it is used.
class WavLoader final : public SampleLoader {
public:
    bool CanLoad(const std::string& name) override;
    bool Load(const std::string& name, SampleData& data) override;

    // Decodes the bytes of a whole file; on success `bytes` moves into
    // `data` (the PCM shifted to its start, no second copy). `name` names
    // the file in log lines.
    static bool Decode(MallocBytes& bytes, std::size_t size, SampleData& data, const std::string& name);
    // A whole file of PCM in the layout above: a 16-byte format chunk, then
    // the data chunk holding `pcm` (for the tools that make sound files).
    static std::vector<std::uint8_t> Encode(int rate, int channels, int bits, std::span<const std::uint8_t> pcm);
};
