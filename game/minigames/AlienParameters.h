#pragma once

// The alien shooter's tuning, read from the level's settings file (the
// object "AlienParameters"): how fast each alien kind's animation and the
// explosion play, in frames per second, and the point of its rise (0 to 1
// of the animation) where an alien passes behind its row of cover. Values
// a file gives out of range are brought into it, with a warning.

#include "app/Singleton.h"
#include "files/Object.h"

#include <array>

class AlienParameters : public Object, public Singleton<AlienParameters> {
public:
    static constexpr int kinds = 3;
    static constexpr float slowest = 1.0f;
    static constexpr float fastest = 200.0f;
    static constexpr float defaultExplosionSpeed = 15.0f;
    static constexpr float defaultSpeed = 25.0f;
    static constexpr float defaultLayerChangeTime = 0.3f;

    void Serialize(Serializer& serializer, const char* name) override;

    float GetExplosionSpeed() const { return explosionSpeed; }
    float GetSpeed(int kind) const { return speeds[Index(kind)]; }
    float GetLayerChangeTime(int kind) const { return layerChangeTimes[Index(kind)]; }
    // Back to the values a level without settings has.
    void SetDefaults();

private:
    static std::size_t Index(int kind);
    // Brings what a file said into range.
    void Clamp();

    float explosionSpeed = defaultExplosionSpeed;
    std::array<float, kinds> speeds = {defaultSpeed, defaultSpeed, defaultSpeed};
    std::array<float, kinds> layerChangeTimes = {defaultLayerChangeTime, defaultLayerChangeTime,
                                                 defaultLayerChangeTime};
};
