#pragma once

// The Baron's moon base as its rooms share it: the colours of its steel,
// violet panels and acid-green lights, the warning stripes on its edges,
// and its steel sliding door, one drawing for every doorway of the base.

#include "rooms/RoomDescription.h"

#include <cairo.h>

#include <cstdint>
#include <string>

namespace content::rooms::moonbase {

// The base's colours beside the shared palette (colour::steel,
// colour::violet, colour::acid and their tone:: lights).
constexpr std::uint32_t steelDark = 0x56627E;
constexpr std::uint32_t violetDark = 0x4A3590;
constexpr std::uint32_t lampGlow = 0xE9F79A;
constexpr std::uint32_t alarmRed = 0xE8434A;

// Diagonal warning stripes in acid green and violet over the rectangle,
// outlined `line` wide.
void HazardBand(cairo_t* cairo, double left, double top, double right, double bottom, double line);

// The Baron's crest on his things: a gold shield with his "B", `size` its
// half width, outlined `line` wide.
void BaronCrest(cairo_t* cairo, double x, double y, double size, double line);

// What a door shows when it is open: a corridor of the base lit by a strip
// light, or the landing pad under the dome with the black sky over it.
enum class DoorView { corridor, landingPad };

// A steel sliding door filling (left, top)-(left + width, top + height) of
// its room, frame included: two leaves with violet panels and a striped
// foot meet in the middle and slide apart into the frame, the lamp on the
// lintel turning from red to green, over items::doorFrames frames (closed
// in the first, open in the last). `name` is the graphic's name
// ("tuer_labor"); the doorway's floor is the graphic's bottom edge.
RoomGraphic BaseDoor(const std::string& name, int left, int top, int width, int height,
                     DoorView view = DoorView::corridor);

} // namespace content::rooms::moonbase
