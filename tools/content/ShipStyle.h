#pragma once

// The ship's look for the pages and bars both menus and every episode share:
// hull plates held by rivets, portholes, panels and darkened glass behind
// text, the window frame around a page, all on the starry night of space.
// Planets and the cutter Zephyra herself come from the menu's scene
// drawing, so that both menus show the same ship.
// Coordinates are pixels of the picture being drawn.

#include "SpriteArt.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace content::ship {

inline constexpr int screenWidth = 1024;
inline constexpr int screenHeight = 768;
// The navy of panels, a shade lighter than the night around them.
inline constexpr std::uint32_t panelTop = 0x25336E;
inline constexpr std::uint32_t panelBottom = 0x1A2456;

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
// Strokes the current path as the frame of what the pointer is on: an
// orange band inside the outline, lit along its middle. The band reaches
// 3.25 pixels either side of the path. The path is consumed.
void StrokeLitFrame(cairo_t* cairo);
// Darkened glass over the current path, with a teal rim: the calm ground
// that text is drawn on. The path is consumed.
void FillGlass(cairo_t* cairo, double opacity = 0.72);
// A porthole: a steel ring around glass that shows a little sky.
void DrawPorthole(cairo_t* cairo, double centreX, double centreY, double radius);
// A 1024 x 768 page in the ship's window: the night sky of `seed`, what
// `drawContent` draws on it, then the page's name on a teal plate at the
// top centre, above y 76 (no plate when `title` is empty), and the window
// frame (a navy rim with a teal trim and an orange rivet in each corner)
// over everything that reaches the edges.
Picture DrawPage(std::uint32_t seed, const std::string& title, const std::function<void(cairo_t*)>& drawContent);
// A calm panel for text: navy under a teal trim.
void DrawPanel(cairo_t* cairo, double x, double y, double width, double height);

// The options pages of both menus: each choice row is a faint teal band
// from its `y` (the top of the choice's line, 30 pixels high, centred on
// x 798) with its caption ending at x 690, under orange group headings at
// x 262.
struct OptionRow {
    const char* caption;
    double y;
};
struct OptionHeading {
    const char* text;
    double baseline;
};
void DrawOptionRows(cairo_t* cairo, std::span<const OptionRow> rows, std::span<const OptionHeading> headings);

} // namespace content::ship
