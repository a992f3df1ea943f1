#include "Randomizer.h"

#include <cstdlib>
#include <ctime>

namespace {

// Process-wide, unlike the singleton (tests destroy singletons between
// cases), so a seed from the command line holds for the whole run.
bool seeded = false;

} // namespace

Randomizer::Randomizer()
{
    if (!seeded)
        Seed(static_cast<unsigned>(std::time(nullptr)));
}

void Randomizer::Seed(unsigned seed)
{
    std::srand(seed);
    seeded = true;
}

int Randomizer::Next()
{
    return std::rand();
}

float Randomizer::NextFactor()
{
    // The factor is made for a 15-bit generator (0..32767); glibc's rand()
    // gives 31 bits, so only the low 15 are used to keep its range.
    const int value = std::rand() % 32768;
    return static_cast<float>(value) / 16383.0f - 1.0f;
}
