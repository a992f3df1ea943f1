#pragma once

// Ogg Vorbis files made with libvorbisenc, for the music and for the test
// and benchmark files of the audio code. The stream's serial number is
// fixed, so the same samples always give the same bytes.

#include <cstdint>
#include <span>
#include <vector>

namespace content {

// An Ogg Vorbis file of interleaved float samples (-1 to 1) at libvorbis's
// variable-bit-rate `quality` (-0.1 to 1). Empty when libvorbisenc refuses
// the format.
std::vector<std::uint8_t> EncodeOggVorbis(std::span<const float> interleaved, int channels, int rate, float quality);

} // namespace content
