#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// Small movies for the movie tests, made with the content tools' encoder at
// its best quality: one flat colour (0x00RRGGBB) per picture and a sine tone
// under all of it.
struct TestMovie {
    int width = 64;
    int height = 48;
    int framesPerSecond = 25;
    std::vector<std::uint32_t> colours;
    double toneHertz = 1000.0; // 0: no sound stream at all
    std::int16_t toneAmplitude = 8000;
};

// Writes the movie; a failure is a test failure. Returns the file's bytes.
std::vector<std::uint8_t> WriteTestMovie(const std::filesystem::path& path, const TestMovie& movie);

// True when two colours differ by at most `tolerance` in each channel.
bool ColourNear(std::uint32_t actual, std::uint32_t expected, int tolerance = 6);
