#pragma once

// A soft elliptical light, for nebula clouds and engine glows: `rgb` at
// `alpha` in the middle of the ellipse about (x, y) with the given radii,
// turned by `angle` radians, fading out towards its rim.

#include <cairo.h>

#include <cstdint>

namespace content::minigames {

void SoftEllipse(cairo_t* cairo, double x, double y, double radiusX, double radiusY, double angle, std::uint32_t rgb,
                 double alpha);

} // namespace content::minigames
