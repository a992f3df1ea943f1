#pragma once

// The inside of the Baron's moon base as its rooms share it: walls of
// riveted steel plates over a violet skirting, a ceiling of cool strip
// lights, a floor of steel plates and the small lamps that blink on its
// machines, in the colours of the base's yard outside and of its doors.

#include "rooms/episode5/BaseDoor.h"

#include <cairo.h>

#include <cstdint>

namespace content::rooms::moonbase {

// The base's plates, floor, strip lights and glass beside its colours.
constexpr std::uint32_t plateLight = 0x9AA6C0;
constexpr std::uint32_t plateDark = 0x6A7594;
constexpr std::uint32_t floorFar = 0x5A5488;
constexpr std::uint32_t floorNear = 0x3E3866;
constexpr std::uint32_t stripLight = 0xE6F4FF;
constexpr std::uint32_t glass = 0xBFE8F2;

// A straight stroke from (x0, y0) to (x1, y1) in `rgb` at `alpha`.
void Line(cairo_t* cairo, double x0, double y0, double x1, double y1, std::uint32_t rgb, double width,
          double alpha = 1.0);

// The back wall from `left` to `right` and from `top` down to its foot at
// `bottom`: steel plates `plateWidth` wide with rivets and seams, a violet
// skirting along the foot and a cap with a strip of acid-green light
// along the top.
void PlateWall(cairo_t* cairo, double left, double top, double right, double bottom, double plateWidth);

// The ceiling down to `bottom` (its beams running towards the middle) with
// strip lights hanging from it at each x of `lights`, `count` of them.
void Ceiling(cairo_t* cairo, double bottom, const double* lights, int count);

// A floor of steel plates from the wall's foot at `top` down to `bottom`,
// `width` wide and shaded from `far` to `near`, its seams `plate` apart at
// the front running towards a point above the middle.
void PlateFloor(cairo_t* cairo, double top, double bottom, double width, double plate, std::uint32_t far,
                std::uint32_t near);

// A round lamp `radius` in the middle of a graphic `2 * lampReach` square,
// lit in `colour` in the frames of its blink and dark in the others: on in
// frames 0 and 1 of 4.
constexpr int lampFrames = 4;
constexpr int lampReach = 16;
void BlinkLamp(cairo_t* cairo, int frame, double radius, std::uint32_t colour);

} // namespace content::rooms::moonbase
