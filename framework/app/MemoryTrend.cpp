#include "MemoryTrend.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define ZEPHYRA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEPHYRA_ADDRESS_SANITIZER 1
#endif
#endif
#ifdef ZEPHYRA_ADDRESS_SANITIZER
// The sanitizer runtime's count (its header does not come with every compiler).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

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
#ifdef ZEPHYRA_ADDRESS_SANITIZER
    // Under AddressSanitizer the resident set also holds what was freed and
    // is kept in quarantine, which fills for many minutes: what the program
    // holds is what is allocated.
    return __sanitizer_get_current_allocated_bytes();
#endif
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
