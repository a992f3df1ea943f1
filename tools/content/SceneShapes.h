#pragma once

// Small drawing helpers shared by the menu's scenes and pages, on top of the
// shared sprite look: outlines that stay visible when a scene is drawn
// small, gradient fills, ellipses, glows and the blob shapes of clouds,
// bushes and smoke.

#include <cairo.h>

#include <cstdint>

namespace content {

// `width` user units, but never thinner than a little over one pixel on the
// device, however the scene is scaled.
double OutlineWidth(cairo_t* cairo, double width);

// Fills and outlines the current path, as FillOutlined does, with an
// outline that stays visible when the scene is drawn small.
void FillShape(cairo_t* cairo, std::uint32_t top, std::uint32_t bottom, double width = 3.0);

// Fills the current path with one colour, without outline; the path is
// consumed.
void FillPlain(cairo_t* cairo, std::uint32_t rgb, double alpha = 1.0);

// Makes a vertical gradient from `top` at y0 to `bottom` at y1 the source.
void SetVerticalGradient(cairo_t* cairo, double y0, double y1, std::uint32_t top, std::uint32_t bottom,
                         double alpha = 1.0);

// Adds an ellipse (a closed sub-path) to the current path.
void Ellipse(cairo_t* cairo, double centreX, double centreY, double radiusX, double radiusY);

// A soft round light: `rgb` at `alpha` in the centre, fading out at `radius`.
void Glow(cairo_t* cairo, double x, double y, double radius, std::uint32_t rgb, double alpha);

// Fills overlapping sub-paths (circles of a cloud) as one shape: a single
// outline around the union, none inside it. The path is consumed.
void FillUnion(cairo_t* cairo, std::uint32_t top, std::uint32_t bottom, double width = 3.0);

} // namespace content
