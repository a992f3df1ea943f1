// Frames of the taxi shooter as the player sees them, composed into the
// canvas without presenting them: the scrolling nebula with its stars, the
// taxi, the robot fighters of the formation file, the shot and the head-up
// display.
//
//     taskset -c 1 build/bench/zephyra_benchmarks --benchmark_filter=Taxi
//
// TaxiBusiestFrame/depth:N   the moment of the standalone round with the
//                            most fighters on the screen: the level's Render
//                            and the render engine's drawing, N-bit canvas.
// TaxiRound                  a whole standalone round flown by the tests'
//                            pilot, frame by frame (update and drawing, 32
//                            bit): the counters give the mean and the worst
//                            frame.

#include "GameParameters.h"
#include "GeneratedDataStage.h"
#include "RuvIdLevelTaxishooter.h"
#include "minigames/TaxiPilot.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

constexpr float frameSeconds = 0.02f;

int ActiveFighters(const RuvIdLevelTaxishooter& level)
{
    return static_cast<int>(std::count_if(level.GetFighters().begin(), level.GetFighters().end(),
                                          [](const Ship& fighter) { return fighter.IsActive(); }));
}

bool StartRound(GeneratedDataStage& stage, RuvIdLevelTaxishooter& level)
{
    GameParameters::GetInstance().SetSavingAllowed(false);
    if (!stage.LoadLevel(8) || !level.Init(LevelParameters{8, nullptr}))
        return false;
    level.SetState(RuvIdLevelTaxishooter::statePlaying);
    return true;
}

void TaxiBusiestFrame(benchmark::State& state)
{
    GeneratedDataStage stage(static_cast<int>(state.range(0)));
    RuvIdLevelTaxishooter level;
    if (!StartRound(stage, level)) {
        state.SkipWithError("the generated taxi shooter cannot be loaded");
        return;
    }
    // The busiest moment of the first minute.
    int most = 0;
    int busiest = 0;
    for (int frame = 0; frame < 60 * 50 && level.GetSubState() != RuvIdLevelTaxishooter::subStateOver; ++frame) {
        level.Update(frameSeconds);
        if (ActiveFighters(level) > most) {
            most = ActiveFighters(level);
            busiest = frame;
        }
    }
    level.Reset();
    level.SetState(RuvIdLevelTaxishooter::statePlaying);
    for (int frame = 0; frame <= busiest; ++frame)
        level.Update(frameSeconds);
    GeneratedDataStage::Draw(level); // every sprite built before timing
    for (auto _ : state)
        GeneratedDataStage::Draw(level);
    state.counters["fighters"] = ActiveFighters(level);
    level.Exit();
}

void TaxiRound(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        GeneratedDataStage stage(32);
        RuvIdLevelTaxishooter level;
        if (!StartRound(stage, level)) {
            state.SkipWithError("the generated taxi shooter cannot be loaded");
            return;
        }
        auto& host = static_cast<platform::HeadlessPlatform&>(*platform::Platform::Get());
        TaxiPilot pilot(host.GetWindow());
        GeneratedDataStage::Draw(level); // every sprite built before timing
        state.ResumeTiming();
        double worst = 0.0;
        double total = 0.0;
        int frames = 0;
        while (level.GetState() == RuvIdLevelTaxishooter::statePlaying && frames < 100 * 50) {
            pilot.Steer(level);
            const auto start = std::chrono::steady_clock::now();
            level.Update(frameSeconds);
            GeneratedDataStage::Draw(level);
            const double took =
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
            worst = std::max(worst, took);
            total += took;
            ++frames;
        }
        state.counters["worst_us"] = worst;
        state.counters["mean_us"] = total / std::max(frames, 1);
        state.counters["frames"] = frames;
        state.PauseTiming();
        level.Exit();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(TaxiBusiestFrame)->Arg(16)->Arg(24)->Arg(32)->ArgName("depth")->Unit(benchmark::kMicrosecond);
BENCHMARK(TaxiRound)->Iterations(1)->Unit(benchmark::kMillisecond);
