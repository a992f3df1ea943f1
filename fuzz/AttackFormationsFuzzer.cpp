// A formation file is read line by line: whatever the bytes, every fighter
// read flies at a positive speed, at heights on the screen, from a finite
// time on, and no more fighters come out than the file has lines.

#include "AttackFormations.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<FighterPlan> plans;
    const int refused = AttackFormations::Parse(text, plans);
    const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (refused < 0 || plans.size() + static_cast<std::size_t>(refused) > lines)
        __builtin_trap();
    const auto onScreen = [](float height) {
        return height >= AttackFormations::lowestHeight && height <= AttackFormations::highestHeight;
    };
    for (const FighterPlan& plan : plans) {
        if (!std::isfinite(plan.spawnTime) || plan.spawnTime < 0.0f || !(plan.speed > 0.0f) ||
            plan.speed > AttackFormations::fastestSpeed || !onScreen(plan.startHeight))
            __builtin_trap();
        for (const auto& [fraction, height] : plan.waypoints) {
            if (!std::isfinite(fraction) || !onScreen(height))
                __builtin_trap();
        }
    }
    return 0;
}
