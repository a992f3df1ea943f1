// A settings file of 5000 lines: loading it, then looking keys up through the
// settings store (each value read once, then cached) against searching the
// file's lines for every lookup.
//
//     build/bench/zephyra_benchmarks --benchmark_filter=Settings

#include "BenchmarkFolder.h"
#include "app/Singleton.h"
#include "files/SettingsManager.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int lineCount = 5000;
constexpr int lookups = 1000;

void MakeSettings()
{
    std::string text = "# 5000 settings\n";
    for (int line = 0; line < lineCount; ++line)
        text += "setting" + std::to_string(line) + " " + std::to_string(line * 3) + " extra words\n";
    WriteBenchmarkFile("data/big.txt", text);
}

// The keys asked for: spread over the whole file, each asked many times.
std::string Key(int lookup)
{
    return "setting" + std::to_string((lookup * 37) % 50 * 100);
}

void Settings_Load(benchmark::State& state)
{
    BenchmarkFolder folder;
    MakeSettings();
    for (auto _ : state) {
        SingletonRegistry::DestroyAll();
        benchmark::DoNotOptimize(SettingsManager::GetInstance().LoadSettings("data\\big.txt"));
    }
    SingletonRegistry::DestroyAll();
    state.SetItemsProcessed(state.iterations() * lineCount);
}

void Settings_CachedLookups(benchmark::State& state)
{
    BenchmarkFolder folder;
    MakeSettings();
    SingletonRegistry::DestroyAll();
    SettingsManager& settings = SettingsManager::GetInstance();
    settings.LoadSettings("data\\big.txt");
    for (auto _ : state) {
        int sum = 0;
        for (int lookup = 0; lookup < lookups; ++lookup)
            sum += settings.GetInt(Key(lookup));
        benchmark::DoNotOptimize(sum);
    }
    SingletonRegistry::DestroyAll();
    state.SetItemsProcessed(state.iterations() * lookups);
}

void Settings_UncachedLookups(benchmark::State& state)
{
    BenchmarkFolder folder;
    MakeSettings();
    SettingsFile file;
    file.Load("data\\big.txt");
    for (auto _ : state) {
        int sum = 0;
        std::string line;
        for (int lookup = 0; lookup < lookups; ++lookup) {
            file.FindLine(Key(lookup), nullptr, line);
            sum += StringTokens(line).IntAt(1);
        }
        benchmark::DoNotOptimize(sum);
    }
    SingletonRegistry::DestroyAll();
    state.SetItemsProcessed(state.iterations() * lookups);
}

} // namespace

BENCHMARK(Settings_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(Settings_CachedLookups)->Unit(benchmark::kMicrosecond);
BENCHMARK(Settings_UncachedLookups)->Unit(benchmark::kMillisecond);
