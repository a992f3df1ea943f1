#include "Singleton.h"

#include <cstdlib>
#include <vector>

namespace {

std::vector<SingletonRegistry::Destroyer>& Destroyers()
{
    // Never destroyed itself, so it outlives every singleton.
    static auto* destroyers = new std::vector<SingletonRegistry::Destroyer>();
    return *destroyers;
}

} // namespace

void SingletonRegistry::Register(Destroyer destroy)
{
    static const bool registered = [] {
        std::atexit(&SingletonRegistry::DestroyAll);
        return true;
    }();
    (void)registered;
    Destroyers().push_back(destroy);
}

void SingletonRegistry::DestroyAll()
{
    // A destructor may still create a service; it is destroyed in turn.
    auto& destroyers = Destroyers();
    while (!destroyers.empty()) {
        const Destroyer destroy = destroyers.back();
        destroyers.pop_back();
        destroy();
    }
}
