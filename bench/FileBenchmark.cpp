// Opening and reading 1000 files through the file layer: from datafile.dat
// (images read in place, text members whole and descrambled) against the
// same files loose on disk.
//
//     build/bench/zephyra_benchmarks --benchmark_filter=Files

#include "ArchiveWriter.h"
#include "BenchmarkFolder.h"
#include "app/Singleton.h"
#include "files/DataFile.h"
#include "files/File.h"
#include "files/HostPath.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int fileCount = 1000;
constexpr std::size_t fileSize = 4096;

std::string Name(int index, const char* extension)
{
    char name[64];
    std::snprintf(name, sizeof(name), "data\\level01\\member%04d.%s", index, extension);
    return name;
}

// Writes the files loose and, when asked, packs them into datafile.dat.
void MakeFiles(const char* extension, bool packed)
{
    for (int index = 0; index < fileCount; ++index)
        WriteBenchmarkFile("game/" + HostPath(Name(index, extension)), std::string(fileSize, static_cast<char>('a' + index % 26)));
    if (packed) {
        std::vector<ArchiveMember> members;
        std::string error;
        CollectMembers("game", members, error);
        WriteArchive("datafile.dat", members, error);
    }
    std::filesystem::current_path("game");
    if (packed)
        std::filesystem::rename("../datafile.dat", "datafile.dat");
    SingletonRegistry::DestroyAll();
    ForgetFolderListings();
    DataFile::GetInstance().Init("datafile.dat");
}

void ReadAll(benchmark::State& state, const char* extension, bool packed)
{
    BenchmarkFolder folder;
    MakeFiles(extension, packed);
    if (DataFile::GetInstance().IsAvailable() != packed) {
        state.SkipWithError("the archive is not as intended");
        return;
    }
    std::vector<std::string> names;
    for (int index = 0; index < fileCount; ++index)
        names.push_back(Name(index, extension));
    std::vector<char> buffer(fileSize + 1);
    for (auto _ : state) {
        std::size_t total = 0;
        for (const std::string& name : names) {
            File file;
            if (!file.Open(name.c_str(), "rb")) {
                state.SkipWithError("a file did not open");
                return;
            }
            total += static_cast<std::size_t>(file.Read(buffer.data(), static_cast<int>(buffer.size())));
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * fileCount);
    state.SetBytesProcessed(state.iterations() * fileCount * static_cast<std::int64_t>(fileSize));
    SingletonRegistry::DestroyAll();
    std::filesystem::current_path("..");
}

void Files_ArchiveImages(benchmark::State& state) { ReadAll(state, "bmp", true); }
void Files_LooseImages(benchmark::State& state) { ReadAll(state, "bmp", false); }
void Files_ArchiveText(benchmark::State& state) { ReadAll(state, "txt", true); }
void Files_LooseText(benchmark::State& state) { ReadAll(state, "txt", false); }

} // namespace

BENCHMARK(Files_ArchiveImages)->Unit(benchmark::kMillisecond);
BENCHMARK(Files_LooseImages)->Unit(benchmark::kMillisecond);
BENCHMARK(Files_ArchiveText)->Unit(benchmark::kMillisecond);
BENCHMARK(Files_LooseText)->Unit(benchmark::kMillisecond);
