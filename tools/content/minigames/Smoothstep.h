#pragma once

// The smooth step from 0 to 1 as `part` goes from 0 to 1, slow at both
// ends (clamped outside), for easing a pose from one key to the next.

#include <algorithm>

namespace content::minigames {

inline double Smoothstep(double part)
{
    part = std::clamp(part, 0.0, 1.0);
    return part * part * (3.0 - 2.0 * part);
}

} // namespace content::minigames
