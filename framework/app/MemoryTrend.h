#pragma once

#include <cstdint>
#include <vector>

// Samples of the program's resident memory over a long run, and whether it
// kept growing. A game that has loaded its rooms and sounds stays near one
// size; one that leaks grows with every minute played. The first half of the
// run is the warm-up (rooms, sounds and caches are filled there); growth is
// what the lowest sample of the last quarter has over the highest of the
// second quarter, so a passing peak (a big room, a movie) does not count.
class MemoryTrend {
public:
    void Add(std::uint64_t bytes) { samples.push_back(bytes); }
    std::size_t GetCount() const { return samples.size(); }

    // The bytes the end of the run holds more than after the warm-up; 0 with
    // fewer than eight samples, too few to tell.
    std::int64_t Growth() const;
    std::uint64_t AfterWarmUp() const; // the highest sample of the second quarter
    std::uint64_t AtEnd() const;       // the lowest sample of the last quarter

    // The resident memory of this process, 0 where it cannot be read (under
    // AddressSanitizer the bytes allocated).
    static std::uint64_t ResidentBytes();

private:
    std::vector<std::uint64_t> samples;
};
