#pragma once

#include "Singleton.h"
#include "files/Object.h"

// Switches for the debug overlay, edited and saved with a level's settings.
// Its block is named "DebugDisplay Settings".
class DebugDisplaySettings : public Singleton<DebugDisplaySettings>, public Object {
public:
    static constexpr const char* groupName = "DebugDisplay Settings";

    void Serialize(Serializer& serializer, const char* name) override;

    // Draw the characters' walk paths into the overlay.
    bool displayWalkPath = false;
};
