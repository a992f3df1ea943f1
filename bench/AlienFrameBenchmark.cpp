// Frames of the alien shooting gallery as the player sees them, composed
// into the canvas without presenting them: the moon base's yard with its
// three rows of cover, the aliens scaled for their distance, the crosshair
// and the head-up display.
//
//     taskset -c 1 build/bench/zephyra_benchmarks --benchmark_filter=Alien
//
// AlienFullYard/depth:N   all twenty aliens standing at once (the most a
//                         frame can show): the level's Render and the
//                         render engine's drawing, N-bit canvas.

#include "GameParameters.h"
#include "GeneratedDataStage.h"
#include "RuvIdLevelAlien.h"

#include <benchmark/benchmark.h>

namespace {

void AlienFullYard(benchmark::State& state)
{
    GeneratedDataStage stage(static_cast<int>(state.range(0)));
    GameParameters::GetInstance().SetSavingAllowed(false);
    RuvIdLevelAlien level;
    if (!stage.LoadLevel(11) || !level.Init(LevelParameters{11, nullptr})) {
        state.SkipWithError("the generated alien shooter cannot be loaded");
        return;
    }
    level.SetState(RuvIdLevelAlien::statePlaying);
    level.OnMouseMove(512, 400);
    // Each alien on its own clock until it stands, so that all stand at once.
    Alien::Dice dice(7);
    int standing = 0;
    for (Alien& alien : level.GetAliens()) {
        for (int step = 0; step < 2000 && alien.GetState() != Alien::shown; ++step)
            alien.Update(0.02f, dice);
        standing += alien.GetState() == Alien::shown ? 1 : 0;
    }
    GeneratedDataStage::Draw(level); // every sprite built before timing
    for (auto _ : state)
        GeneratedDataStage::Draw(level);
    state.counters["aliens"] = standing;
    level.Exit();
}

} // namespace

BENCHMARK(AlienFullYard)->Arg(16)->Arg(24)->Arg(32)->ArgName("depth")->Unit(benchmark::kMicrosecond);
