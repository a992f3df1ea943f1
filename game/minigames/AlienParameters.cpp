#include "AlienParameters.h"

#include "app/Debug.h"
#include "files/Serializer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// A value outside [low, high] (or not a number) becomes the nearest end, or
// `fallback` when it is not a number at all.
void Keep(float& value, float low, float high, float fallback, const char* name)
{
    const float kept = std::isnan(value) ? fallback : std::clamp(value, low, high);
    if (kept == value)
        return;
    LogWarning("AlienParameters: \"%s\" %g is out of range, using %g!\n", name, static_cast<double>(value),
               static_cast<double>(kept));
    value = kept;
}

} // namespace

void AlienParameters::Serialize(Serializer& serializer, const char* name)
{
    serializer.BeginSection("AlienParameter", name);
    serializer.SerializeFloat("alien explo speed", &explosionSpeed);
    char key[40];
    for (int kind = 0; kind < kinds; ++kind) {
        std::snprintf(key, sizeof key, "alien%d speed", kind + 1);
        serializer.SerializeFloat(key, &speeds[static_cast<std::size_t>(kind)]);
    }
    for (int kind = 0; kind < kinds; ++kind) {
        std::snprintf(key, sizeof key, "alien%d layer change time", kind + 1);
        serializer.SerializeFloat(key, &layerChangeTimes[static_cast<std::size_t>(kind)]);
    }
    serializer.EndSection();
    if (serializer.IsReading())
        Clamp();
}

void AlienParameters::SetDefaults()
{
    explosionSpeed = defaultExplosionSpeed;
    speeds.fill(defaultSpeed);
    layerChangeTimes.fill(defaultLayerChangeTime);
}

std::size_t AlienParameters::Index(int kind)
{
    return static_cast<std::size_t>(std::clamp(kind, 0, kinds - 1));
}

void AlienParameters::Clamp()
{
    // An animation that does not move would keep an alien up for ever, one
    // too fast would never be seen.
    Keep(explosionSpeed, slowest, fastest, defaultExplosionSpeed, "alien explo speed");
    char key[40];
    for (int kind = 0; kind < kinds; ++kind) {
        std::snprintf(key, sizeof key, "alien%d speed", kind + 1);
        Keep(speeds[static_cast<std::size_t>(kind)], slowest, fastest, defaultSpeed, key);
        std::snprintf(key, sizeof key, "alien%d layer change time", kind + 1);
        Keep(layerChangeTimes[static_cast<std::size_t>(kind)], 0.0f, 1.0f, defaultLayerChangeTime, key);
    }
}
