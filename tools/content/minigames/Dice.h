#pragma once

// A small linear congruential generator for scattering things over a
// picture: the same seed, the same picture, on every machine.

#include <cstdint>

namespace content::minigames {

class Dice {
public:
    explicit Dice(std::uint32_t seed) : state(seed * 2654435761u + 1) {}

    // The next number in [0, 1).
    double Next()
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / static_cast<double>(1u << 24);
    }
    // The next number in [from, to).
    double Between(double from, double to) { return from + Next() * (to - from); }

private:
    std::uint32_t state;
};

} // namespace content::minigames
