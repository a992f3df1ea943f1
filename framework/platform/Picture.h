#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// A presented frame as the platform shows it: 32-bit pixels 0x00RRGGBB (the
// top byte is ignored), rows top to bottom, no padding.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

} // namespace platform
