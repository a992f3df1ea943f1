#pragma once

// Single pixels of a display surface, read and written by the tests as whole
// values of the surface's bytes per pixel.

#include "platform/DisplayDevice.h"

#include <cstdint>
#include <cstring>

inline std::uint32_t SurfacePixel(const platform::DisplaySurface& surface, int x, int y)
{
    std::uint32_t value = 0;
    std::memcpy(&value, surface.GetPixels() + y * surface.GetPitch() + x * surface.BytesPerPixel(),
                static_cast<std::size_t>(surface.BytesPerPixel()));
    return value;
}

inline void SetSurfacePixel(platform::DisplaySurface& surface, int x, int y, std::uint32_t value)
{
    std::memcpy(surface.GetPixels() + y * surface.GetPitch() + x * surface.BytesPerPixel(), &value,
                static_cast<std::size_t>(surface.BytesPerPixel()));
}
