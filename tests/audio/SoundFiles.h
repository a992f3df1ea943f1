#pragma once

#include "support/ByteFields.h"

#include <cstdint>
#include <string>
#include <vector>

// Sound files built by the tests themselves.

// A RIFF WAVE file: "RIFF", "WAVE", a 16-byte "fmt " chunk and the data.
std::string MakeWav(int rate, int channels, int bits, const std::string& pcm);
// 16-bit little-endian PCM bytes of the samples.
std::string Pcm16(const std::vector<std::int16_t>& samples);
// A real Ogg Vorbis file of `frames` frames of a quiet sine.
std::string MakeOgg(int rate, int channels, int frames);
