#include "IntroSheet.h"

#include "IntroMovie.h"
#include "IntroSoundtrack.h"
#include "audio/WavLoader.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

namespace content::intro {

namespace {

constexpr int columns = 6;
constexpr int thumbWidth = frameWidth / 4;
constexpr int thumbHeight = frameHeight / 4;
constexpr int gap = 8;
constexpr int captionHeight = 22;

bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        std::fprintf(stderr, "zephyra-content-intro: cannot write %s\n", path);
        return false;
    }
    return true;
}

bool WriteSoundtrack(const char* path)
{
    PronunciationList pronunciations;
    std::string error;
    std::vector<std::int16_t> pcm;
    if (!pronunciations.Load(PronunciationListPath(), error) ||
        !MakeSoundtrack(SpeechSynth(std::move(pronunciations)), pcm, error)) {
        std::fprintf(stderr, "zephyra-content-intro: %s\n", error.c_str());
        return false;
    }
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(pcm.data()),
                                              pcm.size() * sizeof(pcm[0]));
    return WriteFile(path, WavLoader::Encode(soundtrackRate, soundtrackChannels, 16, bytes));
}

} // namespace

Picture DrawContactSheet(double step)
{
    const int count = static_cast<int>(std::floor(MovieSeconds() / step)) + 1;
    const int rows = (count + columns - 1) / columns;
    Picture sheet(gap + columns * (thumbWidth + gap), gap + rows * (thumbHeight + captionHeight + gap));
    cairo_t* cairo = sheet.Cairo();
    SetColour(cairo, colour::nightDeep);
    cairo_paint(cairo);
    for (int index = 0; index < count; ++index) {
        const double seconds = std::min(index * step, MovieSeconds() - 1.0 / framesPerSecond);
        const Picture frame = DrawFrame(seconds);
        const double x = gap + (index % columns) * (thumbWidth + gap);
        const double y = gap + (index / columns) * (thumbHeight + captionHeight + gap);
        cairo_save(cairo);
        cairo_translate(cairo, x, y);
        cairo_scale(cairo, 0.25, 0.25);
        cairo_surface_t* surface = cairo_get_target(frame.Cairo());
        cairo_surface_flush(surface);
        cairo_set_source_surface(cairo, surface, 0.0, 0.0);
        cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_GOOD);
        cairo_paint(cairo);
        cairo_restore(cairo);
        char caption[64];
        std::snprintf(caption, sizeof caption, "%.1f s %s", seconds, ShotAt(seconds).name);
        DrawArtText(cairo, caption, x + thumbWidth / 2.0, y + thumbHeight + 17.0, 13.0, colour::cream);
    }
    return sheet;
}

int RunIntroSheetCommand(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fputs("Usage: zephyra-content-intro --sheet OUT.png [OUT.wav]\n", stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const Picture sheet = DrawContactSheet();
    if (cairo_surface_write_to_png(cairo_get_target(sheet.Cairo()), argv[2]) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "zephyra-content-intro: cannot write %s\n", argv[2]);
        return 1;
    }
    if (argc == 4 && !WriteSoundtrack(argv[3]))
        return 1;
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("zephyra-content-intro: the intro's contact sheet%s in %.1f s\n", argc == 4 ? " and soundtrack" : "",
                seconds.count());
    return 0;
}

} // namespace content::intro
