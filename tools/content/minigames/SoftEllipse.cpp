#include "minigames/SoftEllipse.h"

#include "SpriteArt.h"

#include <numbers>

namespace content::minigames {

void SoftEllipse(cairo_t* cairo, double x, double y, double radiusX, double radiusY, double angle, std::uint32_t rgb,
                 double alpha)
{
    cairo_save(cairo);
    cairo_translate(cairo, x, y);
    cairo_rotate(cairo, angle);
    cairo_scale(cairo, radiusX, radiusY);
    SetGradient(cairo, cairo_pattern_create_radial(0.0, 0.0, 0.0, 0.0, 0.0, 1.0),
                {{0.0, rgb, alpha}, {0.45, rgb, alpha * 0.6}, {1.0, rgb, 0.0}});
    cairo_arc(cairo, 0.0, 0.0, 1.0, 0.0, 2.0 * std::numbers::pi);
    cairo_fill(cairo);
    cairo_restore(cairo);
}

} // namespace content::minigames
