// Drawing the cast: the content generator's share of a character's frames.
//
//     taskset -c 1 build/bench/zephyra_benchmarks --benchmark_filter=Cast_
//
// Cast_DrawFrame        one frame of Juna walking right drawn by the puppet
//                       rig with cairo (300 pixels tall, 300 x 396 frame)
// Cast_PaletteFrames    her palette cut from 8 such frames: counting their
//                       colours, median cut and k-means
// Cast_IndexFrame       one frame's pixels mapped into the built palette (the
//                       nearest entry of each histogram cell found once)

#include "SpriteArt.h"
#include "characters/Episode1Cast.h"
#include "characters/PoseCycles.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

using namespace content;
using namespace content::characters;

const CastMember& Juna()
{
    return Episode1Cast().front();
}

std::vector<Picture> WalkRight()
{
    std::vector<Picture> frames;
    for (int frame = 0; frame < walkFrames; ++frame)
        frames.push_back(Juna().DrawFrame(Direction::right, WalkPose(frame)));
    return frames;
}

void Cast_DrawFrame(benchmark::State& state)
{
    int frame = 0;
    for (auto _ : state) {
        Picture picture = Juna().DrawFrame(Direction::right, WalkPose(frame));
        benchmark::DoNotOptimize(picture.PremultipliedRow(0));
        frame = (frame + 1) % walkFrames;
    }
}
BENCHMARK(Cast_DrawFrame)->Unit(benchmark::kMillisecond);

void Cast_PaletteFrames(benchmark::State& state)
{
    const std::vector<Picture> frames = WalkRight();
    for (auto _ : state) {
        PaletteQuantiser palette;
        for (const Picture& frame : frames)
            CountColours(palette, frame);
        palette.Build();
        benchmark::DoNotOptimize(palette.Colours().data());
    }
}
BENCHMARK(Cast_PaletteFrames)->Unit(benchmark::kMillisecond);

void Cast_IndexFrame(benchmark::State& state)
{
    const std::vector<Picture> frames = WalkRight();
    PaletteQuantiser palette;
    for (const Picture& frame : frames)
        CountColours(palette, frame);
    palette.Build();
    const Picture& frame = frames.front();
    for (auto _ : state) {
        unsigned sum = 0;
        for (int y = 0; y < frame.Height(); ++y) {
            const std::uint32_t* row = frame.PremultipliedRow(y);
            for (int x = 0; x < frame.Width(); ++x)
                if ((row[x] >> 24) >= rleClearBelow)
                    sum += palette.Index(row[x] & 0xFFFFFF);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(Cast_IndexFrame)->Unit(benchmark::kMicrosecond);

} // namespace
