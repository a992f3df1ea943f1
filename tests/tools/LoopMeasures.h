#pragma once

// Measures of a sound played round and round (a music file, the catapult's
// rolling, a room's ambience), for the tests that check how it joins: its
// last sample is followed by its first.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

// The step between neighbours that `share` (0 to 1) of all the steps in
// `samples` do not exceed: what a step at the join is measured against.
template <typename Sample>
double NeighbourStep(const std::vector<Sample>& samples, double share)
{
    std::vector<double> steps;
    steps.reserve(samples.size());
    for (std::size_t at = 1; at < samples.size(); ++at)
        steps.push_back(std::abs(static_cast<double>(samples[at]) - static_cast<double>(samples[at - 1])));
    const auto nth = steps.begin() + static_cast<std::ptrdiff_t>(static_cast<double>(steps.size() - 1) * share);
    std::nth_element(steps.begin(), nth, steps.end());
    return *nth;
}

// The RMS level of each `window` samples round the loop; the first window
// lies across the join, half of it before the end and half from the start.
template <typename Sample>
std::vector<double> LevelsRoundTheLoop(const std::vector<Sample>& samples, std::size_t window)
{
    std::vector<double> levels;
    for (std::size_t first = samples.size() - window / 2; levels.size() < samples.size() / window; first += window) {
        double energy = 0.0;
        for (std::size_t at = 0; at < window; ++at) {
            const double sample = samples[(first + at) % samples.size()];
            energy += sample * sample;
        }
        levels.push_back(std::sqrt(energy / static_cast<double>(window)));
    }
    return levels;
}

// The middle one of those levels.
inline double MiddleLevel(std::vector<double> levels)
{
    const auto middle = levels.begin() + static_cast<std::ptrdiff_t>(levels.size() / 2);
    std::nth_element(levels.begin(), middle, levels.end());
    return *middle;
}
