#pragma once

// Drawing helpers shared by the menus' scenes and pages, on top of the
// shared sprite look: bands, plain fills, ellipses, glows, blob shapes
// (clouds, bushes, smoke), arrowheads, placement of a figure, and the things
// every scene has: planets, clouds, the crystal and engine flames.

#include <cairo.h>

#include <cstdint>

namespace content {

// The scenes' colours beside the shared palette: light and shade of the
// things in the episodes' places.
namespace tone {
constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t skyDay = 0x6FD3EE;
constexpr std::uint32_t haze = 0xFFE9C4;
constexpr std::uint32_t sandDark = 0xD6B77F;
constexpr std::uint32_t woodLight = 0xC98E52;
constexpr std::uint32_t wood = 0x8A5A34;
constexpr std::uint32_t leafLight = 0x8EDB5E;
constexpr std::uint32_t leaf = 0x2E9A4B;
constexpr std::uint32_t hibiscusLight = 0xFF8A97;
constexpr std::uint32_t taxiLight = 0xFFDD55;
constexpr std::uint32_t taxi = 0xE9A31B;
constexpr std::uint32_t violetLight = 0xB993F2;
constexpr std::uint32_t stoneLight = 0xD3CEC4;
constexpr std::uint32_t mossLight = 0xA9CF67;
constexpr std::uint32_t bannerLight = 0xE8636A;
constexpr std::uint32_t shadowDeep = 0x3A2E4A;
constexpr std::uint32_t moonLight = 0xC3B3E2;
constexpr std::uint32_t moonDark = 0x6C5C98;
constexpr std::uint32_t acidLight = 0xD4F77E;
constexpr std::uint32_t acidDark = 0x5FA826;
constexpr std::uint32_t steelLight = 0xC8D3E2;
} // namespace tone

// Strokes the current path `innerWidth` wide in `rgb` at `alpha` along the
// middle of an outline-coloured band `outerWidth` wide, with round ends and
// joins; the path is consumed.
void StrokeBand(cairo_t* cairo, std::uint32_t rgb, double innerWidth, double outerWidth, double alpha = 1.0);

// Fills the current path with one colour, without outline; the path is
// consumed.
void FillPlain(cairo_t* cairo, std::uint32_t rgb, double alpha = 1.0);

// Adds an ellipse (a closed sub-path) to the current path.
void Ellipse(cairo_t* cairo, double centreX, double centreY, double radiusX, double radiusY);

// A soft round light: `rgb` at `alpha` in the centre, fading out at `radius`.
void Glow(cairo_t* cairo, double x, double y, double radius, std::uint32_t rgb, double alpha);

// A highlight on something shiny: a white stroke `width` wide with round
// ends from (x0, y0) to (x1, y1), at `alpha`.
void Shine(cairo_t* cairo, double x0, double y0, double x1, double y1, double width, double alpha);

// The soft shadow something casts on the floor it lies on: a dark ellipse
// around (x, y).
void ShadowUnder(cairo_t* cairo, double x, double y, double halfWidth, double halfHeight);

// Fills overlapping sub-paths (circles of a cloud) as one shape: a single
// outline around the union, none inside it. The path is consumed.
void FillUnion(cairo_t* cairo, std::uint32_t top, std::uint32_t bottom, double width = 3.0);

// Adds a circle (a closed sub-path) to the current path.
void Circle(cairo_t* cairo, double x, double y, double radius);

// Adds an arrowhead (a closed sub-path) pointing right from (x, y) when
// `direction` is 1, left when it is -1: its tip `tip` pixels ahead of the
// point, its back `back` pixels behind it and `halfHeight` above and below.
void Arrowhead(cairo_t* cairo, double x, double y, double direction, double tip, double back, double halfHeight);

// Everything drawn until PopPlacement is turned by `angle` radians and
// scaled about (x, y), which becomes the origin.
void PushPlacement(cairo_t* cairo, double x, double y, double scale, double angle = 0.0);
void PopPlacement(cairo_t* cairo);

// A planet with its lit side, with a tilted ring passing behind and in
// front of it if `ring` is set.
void DrawPlanet(cairo_t* cairo, double x, double y, double radius, std::uint32_t light, std::uint32_t dark, bool ring);
// A cloud about 130 pixels wide at `scale` 1, centred on (x, y).
void DrawCloud(cairo_t* cairo, double x, double y, double scale);
// The hyperdrive crystal, `size` from its centre to its tips, in its glow.
void DrawCrystal(cairo_t* cairo, double x, double y, double size);
// An engine flame `length` long trailing left from (tailX, 0).
void DrawFlame(cairo_t* cairo, double tailX, double length, double height);

} // namespace content
