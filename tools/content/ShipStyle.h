#pragma once

// The ship's look for the pages and bars both menus and every episode share:
// hull plates held by rivets, portholes, panels and darkened glass behind
// text, the window frame around a page, all on the starry night of space.
// Planets and the cutter Zephyra herself come from the menu's scene
// drawing, so that both menus show the same ship.
// Coordinates are pixels of the picture being drawn.

#include "SpriteArt.h"

#include <cstdint>
#include <string>

namespace content::ship {

inline constexpr int screenWidth = 1024;
inline constexpr int screenHeight = 768;

// Makes every pixel either fully clear or fully opaque, so that the picture
// is written without an alpha map: the game then draws it as a plain
// colour-keyed sprite, which is quicker and can be stretched. Meant for
// pictures whose edges are straight along pixel rows and columns, or small.
void MakeEdgesHard(Picture& picture);

// A rivet head centred on (x, y).
void DrawRivet(cairo_t* cairo, double x, double y, double radius = 3.5);
// `count` rivets evenly along the line from (x0, y0) to (x1, y1), ends
// included.
void DrawRivetRow(cairo_t* cairo, double x0, double y0, double x1, double y1, int count);
// A hull plate: a rounded rectangle in two tones inside the outline, with a
// rivet in each corner.
void DrawPlate(cairo_t* cairo, double x, double y, double width, double height, std::uint32_t top,
               std::uint32_t bottom, double radius = 12.0);
// A thin line along a rounded rectangle, for the trims inside panels.
void DrawTrim(cairo_t* cairo, double x, double y, double width, double height, double radius, std::uint32_t rgb,
              double alpha, double lineWidth);
// Strokes the current path as the frame of what the pointer is on: a soft
// orange glow, the outline and an orange line inside it. The path is
// consumed.
void StrokeLitFrame(cairo_t* cairo);
// Darkened glass over the current path, with a teal rim: the calm ground
// that text is drawn on. The path is consumed.
void FillGlass(cairo_t* cairo, double opacity = 0.72);
// A porthole: a steel ring around glass that shows a little sky.
void DrawPorthole(cairo_t* cairo, double centreX, double centreY, double radius);
// The frame every page shares, the ship's window: a navy rim around the
// screen with a teal trim and an orange rivet in each corner.
void DrawPageFrame(cairo_t* cairo);
// A page's ground: the night sky of `seed` over the whole screen. Pages
// draw the frame last, over whatever reaches the edges.
Picture PageBackground(std::uint32_t seed);
// The advance width of text as DrawArtText sets it, in pixels.
double TextWidth(cairo_t* cairo, const std::string& utf8, double size);
// The page's name on a teal plate at the top centre of the screen, above
// y 76.
void DrawPageTitle(cairo_t* cairo, const std::string& utf8);
// A calm panel for text: navy under a teal trim.
void DrawPanel(cairo_t* cairo, double x, double y, double width, double height);

} // namespace content::ship
