#include "MemoryTrend.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

std::uint64_t MemoryTrend::AfterWarmUp() const
{
    const std::size_t quarter = samples.size() / 4;
    if (quarter == 0)
        return 0;
    return *std::max_element(samples.begin() + static_cast<std::ptrdiff_t>(quarter),
                             samples.begin() + static_cast<std::ptrdiff_t>(2 * quarter));
}

std::uint64_t MemoryTrend::AtEnd() const
{
    const std::size_t quarter = samples.size() / 4;
    if (quarter == 0)
        return 0;
    return *std::min_element(samples.end() - static_cast<std::ptrdiff_t>(quarter), samples.end());
}

std::int64_t MemoryTrend::Growth() const
{
    if (samples.size() < 8)
        return 0;
    return static_cast<std::int64_t>(AtEnd()) - static_cast<std::int64_t>(AfterWarmUp());
}

std::uint64_t MemoryTrend::ResidentBytes()
{
    // The second field of statm is the resident set in pages.
    std::FILE* file = std::fopen("/proc/self/statm", "r");
    if (file == nullptr)
        return 0;
    unsigned long long size = 0;
    unsigned long long resident = 0;
    const int read = std::fscanf(file, "%llu %llu", &size, &resident);
    std::fclose(file);
    const long page = ::sysconf(_SC_PAGESIZE);
    return read == 2 && page > 0 ? resident * static_cast<std::uint64_t>(page) : 0;
}
