// How much of a core the idle frame loop takes: the real loop on the real
// clock for one second of wall time, sleeping between frames, against the
// same loop spinning on the clock until the next frame may start.
//
//     build/bench/zephyra_benchmarks --benchmark_filter=FrameLoop
//
// Counters: cpu_ms_per_wall_s (CPU milliseconds the process used per second
// of wall time) and frames_per_s.

#include "BenchmarkFolder.h"
#include "app/DX3Application.h"
#include "app/Singleton.h"
#include "platform/SystemClock.h"
#include "platform/headless/HeadlessWindow.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

namespace {

// Spins on the clock like a loop that never sleeps.
class SpinningClock final : public platform::Clock {
public:
    std::uint32_t Milliseconds() override { return clock.Milliseconds(); }
    void Sleep(std::uint32_t milliseconds) override { clock.Sleep(milliseconds); }
    void WaitUntilElapsed(std::uint32_t start, std::uint32_t gap) override
    {
        while (platform::ElapsedMilliseconds(start, clock.Milliseconds()) < static_cast<std::int32_t>(gap)) {
        }
    }

private:
    platform::SystemClock clock;
};

// Real time, and a window without a screen that nobody types into.
template <typename ClockType>
class BenchmarkPlatform final : public platform::Platform {
public:
    bool InitVideo() override { return true; }
    bool InitAudio() override { return false; }
    platform::SoundResult CreateSoundDevice(std::unique_ptr<platform::SoundDevice>&) override
    {
        return platform::soundErrorNoDriver;
    }
    platform::Window& GetWindow() override { return window; }
    platform::DisplayDevice& GetDisplay() override { return display; }
    platform::Clock& GetClock() override { return clock; }
    platform::VideoPlayer& GetVideoPlayer() override { std::abort(); }
    std::unique_ptr<platform::PeriodicTimer> CreatePeriodicTimer() override { return nullptr; }
    void ShowMessageBox(std::string_view, std::string_view) override {}

private:
    ClockType clock;
    platform::HeadlessWindow window;
    platform::DisplayDevice display{window};
};

// Does nothing each frame and quits after a second.
class IdleApplication final : public DX3Application {
public:
    int frames = 0;

    void OnUpdate(float) override
    {
        ++frames;
        platform::Platform& host = *platform::Platform::Get();
        if (start == 0)
            start = host.GetClock().Milliseconds() | 1;
        if (platform::ElapsedMilliseconds(start, host.GetClock().Milliseconds()) >= 1000)
            host.GetWindow().PostQuitMessage(0);
    }

private:
    std::uint32_t start = 0;
};

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double WallSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <typename ClockType>
void FrameLoop(benchmark::State& state)
{
    // The shell writes its log into the working directory.
    BenchmarkFolder folder;

    double cpu = 0;
    double wall = 0;
    int frames = 0;
    for (auto _ : state) {
        platform::Platform::Install(std::make_unique<BenchmarkPlatform<ClockType>>());
        IdleApplication application;
        ApplicationSettings settings;
        settings.fullScreen = true;
        const double cpuBefore = ProcessCpuSeconds();
        const double wallBefore = WallSeconds();
        if (!application.Create(settings)) {
            state.SkipWithError("the application did not start");
            break;
        }
        application.Run();
        cpu += ProcessCpuSeconds() - cpuBefore;
        wall += WallSeconds() - wallBefore;
        frames += application.frames;
        SingletonRegistry::DestroyAll();
        platform::Platform::Remove();
    }
    state.counters["cpu_ms_per_wall_s"] = 1000.0 * cpu / wall;
    state.counters["frames_per_s"] = frames / wall;
}

} // namespace

BENCHMARK(FrameLoop<platform::SystemClock>)->Name("FrameLoop/sleeping")->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FrameLoop<SpinningClock>)->Name("FrameLoop/spinning")->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
