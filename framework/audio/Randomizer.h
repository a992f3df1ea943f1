#pragma once

#include "app/Singleton.h"

// The C library's random numbers, seeded once per process: with the run's
// seed when the shell set one (Seed), else from the current time on first
// use. Main thread only.
class Randomizer : public Singleton<Randomizer> {
public:
    Randomizer();

    // Seeds the generator; later Randomizers keep this seed.
    static void Seed(unsigned seed);

    // A rand() value, 0..RAND_MAX.
    int Next();
    // r / 16383 - 1 for a 15-bit random r: from -1 to just above +1.
    float NextFactor();
};
