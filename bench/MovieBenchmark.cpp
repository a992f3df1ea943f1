// Movie playback speed: decoding an 800 x 600 MPEG-4 movie (the intro's
// format) through the movie reader, and the whole headless player on it;
// each on a made-up movie and on the generated intro (build/run/intro.avi).

#include "BenchmarkFolder.h"
#include "MovieEncoder.h"
#include "platform/MovieReader.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <vector>

namespace {

constexpr int movieWidth = 800;
constexpr int movieHeight = 600;
constexpr int movieFrames = 50;

// Two seconds of a moving gradient with a checkerboard, and a tone: enough
// detail that the decoder does real work on every picture.
const std::vector<std::uint8_t>& IntroLikeMovie()
{
    static const std::vector<std::uint8_t> bytes = [] {
        BenchmarkFolder folder;
        MovieEncoder encoder;
        std::string error;
        if (!encoder.Open("movie.avi", movieWidth, movieHeight, 25, 3, error))
            return std::vector<std::uint8_t>{};
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(movieWidth) * movieHeight);
        std::vector<std::int16_t> samples(MovieEncoder::sampleRate / 25 * 2);
        std::int64_t sampleIndex = 0;
        for (int frame = 0; frame < movieFrames; ++frame) {
            for (int y = 0; y < movieHeight; ++y) {
                for (int x = 0; x < movieWidth; ++x) {
                    const std::uint32_t red = static_cast<std::uint32_t>(x + frame * 8) & 0xFF;
                    const std::uint32_t green = static_cast<std::uint32_t>(y * 255 / movieHeight);
                    const std::uint32_t blue = ((x / 50 + y / 50 + frame / 5) & 1) != 0 ? 200 : 40;
                    pixels[static_cast<std::size_t>(y) * movieWidth + x] = red << 16 | green << 8 | blue;
                }
            }
            for (std::size_t index = 0; index < samples.size(); index += 2, ++sampleIndex)
                samples[index] = samples[index + 1] = static_cast<std::int16_t>(
                    6000 * std::sin(2 * std::numbers::pi * 440 * static_cast<double>(sampleIndex) / 44100));
            if (!encoder.AddFrame(pixels.data(), movieWidth, error) || !encoder.AddSamples(samples, error))
                return std::vector<std::uint8_t>{};
        }
        if (!encoder.Finish(error))
            return std::vector<std::uint8_t>{};
        std::ifstream file("movie.avi", std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

// The intro as the content generator wrote it; empty when it has not run.
const std::vector<std::uint8_t>& GeneratedIntro()
{
    static const std::vector<std::uint8_t> bytes = [] {
        std::ifstream file(ZEPHYRA_RUN_DIR "/intro.avi", std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

// Movies as benchmark arguments: the bytes and how many pictures they hold.
struct BenchmarkMovie {
    const std::vector<std::uint8_t>& (*bytes)();
    std::size_t frames;
};
const BenchmarkMovie introLike{IntroLikeMovie, movieFrames};
const BenchmarkMovie generatedIntro{GeneratedIntro, 1260}; // 50.4 s at 25 frames a second

void BM_DecodeMovie800x600(benchmark::State& state, BenchmarkMovie source)
{
    const std::vector<std::uint8_t>& movie = source.bytes();
    std::size_t pictures = 0;
    for (auto _ : state) {
        platform::MovieReader reader;
        std::string error;
        if (!reader.Open(movie, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        while (reader.DecodeMore(error)) {
            pictures += reader.GetFrames().size();
            reader.GetFrames().clear();
            reader.GetSamples().clear();
        }
        pictures += reader.GetFrames().size();
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            return;
        }
    }
    if (pictures != source.frames * state.iterations())
        state.SkipWithError("not every picture was decoded");
    state.counters["frames_per_second"] = benchmark::Counter(static_cast<double>(pictures), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_DecodeMovie800x600, IntroLike, introLike)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeMovie800x600, GeneratedIntro, generatedIntro)->Unit(benchmark::kMillisecond);

// The player as the game uses it headless: decode, scale into the middle
// two thirds of an 800 x 600 screen, present, feed the sound.
void BM_PlayMovie800x600Headless(benchmark::State& state, BenchmarkMovie source)
{
    const std::vector<std::uint8_t>& movie = source.bytes();
    platform::HeadlessPlatform host;
    std::size_t pictures = 0;
    for (auto _ : state) {
        platform::MovieHooks hooks;
        hooks.presented = [&pictures] { ++pictures; };
        std::string error;
        if (!host.GetVideoPlayer().Play(movie, {800, 600, 0, 99, 800, 399}, host.GetWindow(), hooks, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
    }
    state.counters["frames_per_second"] = benchmark::Counter(static_cast<double>(pictures), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_PlayMovie800x600Headless, IntroLike, introLike)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlayMovie800x600Headless, GeneratedIntro, generatedIntro)->Unit(benchmark::kMillisecond);

} // namespace
