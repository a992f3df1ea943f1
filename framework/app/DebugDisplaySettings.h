#pragma once

#include "Singleton.h"

// Switches for the debug overlay, edited and saved with a level's settings
// under the group name below.
class DebugDisplaySettings : public Singleton<DebugDisplaySettings> {
public:
    static constexpr const char* groupName = "DebugDisplay Settings";

    // Draw the characters' walk paths into the overlay.
    bool displayWalkPath = false;
};
