// Frames of the catapult throw as the player sees them, composed into the
// canvas without presenting them: the meadow's pieces, the catapult with
// its wheels and the flying knight.
//
//     taskset -c 1 build/bench/zephyra_benchmarks --benchmark_filter=Catapult
//
// CatapultFlightFrame/depth:N   a strong throw half way through the
//                               knight's flight, where the camera scrolls
//                               fastest and two meadow pieces share the
//                               screen: the level's Render and the render
//                               engine's drawing, N-bit canvas.

#include "GameParameters.h"
#include "GeneratedDataStage.h"
#include "RuvIdLevelRitter.h"
#include "minigames/CatapultThrower.h"

#include <benchmark/benchmark.h>

namespace {

constexpr float frameSeconds = 0.02f;

// Rolls, pulls from x 620 on and lets go when the arm is nearly at its
// end; returns once the knight flies.
void ThrowHard(RuvIdLevelRitter& level)
{
    CatapultThrower::ThrowAt(level, 620.0f, 0.97f);
    while (level.GetSubState() != RuvIdLevelRitter::subStateFlying &&
           level.GetState() == RuvIdLevelRitter::statePlaying)
        level.Update(frameSeconds);
}

void CatapultFlightFrame(benchmark::State& state)
{
    GeneratedDataStage stage(static_cast<int>(state.range(0)));
    GameParameters::GetInstance().SetSavingAllowed(false);
    RuvIdLevelRitter level;
    if (!stage.LoadLevel(9) || !level.Init(LevelParameters{9, nullptr})) {
        state.SkipWithError("the generated catapult throw cannot be loaded");
        return;
    }
    // One throw to count the flight's frames, the same again to half of it.
    level.SetState(RuvIdLevelRitter::statePlaying);
    ThrowHard(level);
    int frames = 0;
    for (; level.GetSubState() == RuvIdLevelRitter::subStateFlying; ++frames)
        level.Update(frameSeconds);
    level.Reset();
    level.SetState(RuvIdLevelRitter::statePlaying);
    ThrowHard(level);
    for (int frame = 0; frame < frames / 2; ++frame)
        level.Update(frameSeconds);
    GeneratedDataStage::Draw(level); // every sprite built before timing
    for (auto _ : state)
        GeneratedDataStage::Draw(level);
    state.counters["scroll_x"] = level.GetScrollX();
    state.counters["knight_x"] = level.GetKnightX();
    level.Exit();
}

} // namespace

BENCHMARK(CatapultFlightFrame)->Arg(16)->Arg(24)->Arg(32)->ArgName("depth")->Unit(benchmark::kMicrosecond);
