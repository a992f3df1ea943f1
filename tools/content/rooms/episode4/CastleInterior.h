#pragma once

// The inside of Burg Felsenstein as its halls share it: walls of grey
// ashlar, floors of worn flagstones, the warm flames of torches and fires,
// and the sunny yard seen through a door that opens onto it.

#include <cairo.h>

#include <array>
#include <cstdint>

namespace content::rooms::castle {

// The castle's stone, lit by torches: light and shade of the wall's
// blocks and of the floor's flags.
constexpr std::uint32_t wallLight = 0xACA69C;
constexpr std::uint32_t wallDark = 0x6E6A66;
constexpr std::uint32_t flagLight = 0x9C968C;
constexpr std::uint32_t flagDark = 0x625E5C;
constexpr std::uint32_t fire = 0xFF8A2A;
constexpr std::uint32_t fireLight = 0xFFD86A;
constexpr std::uint32_t ironLight = 0x8E98A8;
constexpr std::uint32_t iron = 0x4E5666;

// Fills the rectangle with courses of ashlar, each course shifted by half
// a block and the blocks a little uneven, shaded from `top` to `bottom`.
void AshlarWall(cairo_t* cairo, double left, double top, double right, double bottom, double blockWidth,
                double courseHeight);

// A floor of flagstones from the wall's foot at `top` down to `bottom`,
// `width` wide: rows that grow deeper towards the front, their joints
// running towards a point above the middle of the room.
void FlagstoneFloor(cairo_t* cairo, double top, double bottom, double width);

// One tongue of flame standing on (x, baseY), `height` high and `width`
// wide at its foot; `phase` (radians) sways its tip.
void FlameTongue(cairo_t* cairo, double x, double baseY, double width, double height, double phase);

// A torch in an iron bracket on the wall, its flame flickering through
// `torchFrames` frames; the graphic is `torchWidth` by `torchHeight`.
constexpr int torchFrames = 6;
constexpr int torchWidth = 60;
constexpr int torchHeight = 130;
void WallTorch(cairo_t* cairo, int frame);

// A fire of two crossed logs with its middle at (x, bedY), the logs
// reaching `reach` to either side: flames licking up from them, `lick`
// high on the average, and the embers below glowing by turns as `phase`
// (radians) goes round.
void LogFire(cairo_t* cairo, double x, double bedY, double reach, double lick, double phase);

// What a door of the castle's buildings shows when it opens onto the
// yard: summer sky over the curtain wall, the cobbles in the sun.
void YardView(cairo_t* cairo, double width, double height);

// The stone arch round a door's arched opening at (left, top), `width` by
// `height`, its stones `margin` deep, with `stones` stones in the arch and
// joints down the sides every `course` rows.
void DoorArch(cairo_t* cairo, double left, double top, double width, double height, double margin, int stones,
              double course);

// A door of oak planks and iron straps (tops at `straps`) in an arched
// opening `width` by `height` onto the yard, in `frame` of
// items::doorFrames: one leaf hinged on the left or two hinged on either
// side (`leaves`), swinging inwards, each with a ring for a handle at row
// `handleY`.
void YardDoor(cairo_t* cairo, double width, double height, int frame, int leaves, std::array<double, 2> straps,
              double handleY);

} // namespace content::rooms::castle
