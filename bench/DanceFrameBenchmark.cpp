// One frame of the dance contest as the player sees it, composed into the
// canvas without presenting it: the stage at night, the three dancers in
// mid-move with their shadows, the bouncing ball, the strip of arrows and
// the score.
//
//     taskset -c 1 build/bench/zephyra_benchmarks --benchmark_filter=DanceFrame
//
// DanceFrame/depth:N   the level's Render and the render engine's drawing
//                      into an N-bit canvas (16, 24, 32).

#include "GeneratedDataStage.h"
#include "RuvIdLevelTanzen.h"
#include "platform/VirtualKey.h"

#include <benchmark/benchmark.h>

namespace {

void DanceFrame(benchmark::State& state)
{
    GeneratedDataStage stage(static_cast<int>(state.range(0)));
    const bool loaded = stage.LoadLevel(7);
    RuvIdLevelTanzen level;
    if (!loaded || !level.Init(LevelParameters{7, nullptr})) {
        state.SkipWithError("the generated dance contest cannot be loaded");
        return;
    }
    level.SetState(RuvIdLevelTanzen::statePlaying);
    // Into the choreography, the player's dancer in a move of her own.
    while (level.GetBeatIndex() < 20 || level.GetDancer(0).GetPhase() < 0.02f)
        level.Update(0.01f);
    level.OnKey(VirtualKey::Up);
    level.Update(0.3f);

    GeneratedDataStage::Draw(level); // every sprite built before timing
    for (auto _ : state)
        GeneratedDataStage::Draw(level);
    level.Exit();
}

} // namespace

BENCHMARK(DanceFrame)->Arg(16)->Arg(24)->Arg(32)->ArgName("depth")->Unit(benchmark::kMicrosecond);
