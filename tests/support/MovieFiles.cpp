#include "MovieFiles.h"

#include "MovieEncoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numbers>

std::vector<std::uint8_t> WriteTestMovie(const std::filesystem::path& path, const TestMovie& movie)
{
    MovieEncoder encoder;
    std::string error;
    if (!encoder.Open(path.string(), movie.width, movie.height, movie.framesPerSecond, 1, error)) {
        ADD_FAILURE() << error;
        return {};
    }
    const int samplesPerFrame = MovieEncoder::sampleRate / movie.framesPerSecond;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(movie.width) * movie.height);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(samplesPerFrame) * 2);
    std::int64_t sampleIndex = 0;
    for (const std::uint32_t colour : movie.colours) {
        std::fill(pixels.begin(), pixels.end(), colour);
        bool added = encoder.AddFrame(pixels.data(), movie.width, error);
        if (added && movie.toneHertz > 0) {
            for (int index = 0; index < samplesPerFrame; ++index, ++sampleIndex) {
                const double phase = 2 * std::numbers::pi * movie.toneHertz * static_cast<double>(sampleIndex) /
                                     MovieEncoder::sampleRate;
                const auto value = static_cast<std::int16_t>(std::lround(movie.toneAmplitude * std::sin(phase)));
                samples[2 * index] = samples[2 * index + 1] = value;
            }
            added = encoder.AddSamples(samples, error);
        }
        if (!added) {
            ADD_FAILURE() << error;
            return {};
        }
    }
    if (!encoder.Finish(error)) {
        ADD_FAILURE() << error;
        return {};
    }
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool ColourNear(std::uint32_t actual, std::uint32_t expected, int tolerance)
{
    for (int shift = 0; shift <= 16; shift += 8) {
        const int difference = static_cast<int>((actual >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(difference) > tolerance)
            return false;
    }
    return true;
}
