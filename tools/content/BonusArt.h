#pragma once

// The concept art of the main menu: the places of the four episodes and a
// film poster of the game, drawn as vector scenes so that one drawing serves
// the bonus page's thumbnails, its enlarged pictures and the minigame tiles.
//
// A place is drawn into the rectangle (0, 0)-(placeWidth, placeHeight) of
// the current user space, the poster into (0, 0)-(posterWidth,
// posterHeight); the caller scales and clips. Outlines keep a visible width
// however small the scene is drawn.

#include <cairo.h>

#include <cstdint>

namespace content {

enum class Place {
    holidayPlanet, // Wakalua: the beach where the Zephyra came down
    spaceChase,    // Rocko's taxi after the Baron's ship, above Wakalua
    castle,        // Burg Felsenstein with its tournament meadow
    moonBase,      // the Baron's moon base, overrun by slime aliens
};

constexpr double placeWidth = 800.0;
constexpr double placeHeight = 600.0;
constexpr double posterWidth = 426.0;
constexpr double posterHeight = 600.0;

void DrawPlace(cairo_t* cairo, Place place);
void DrawPoster(cairo_t* cairo);

// The cutter Zephyra, nose to the right, centred on (x, y) and turned by
// `angle` radians; `scale` 1 is 200 pixels long. A flying cutter trails an
// engine flame.
void DrawCutter(cairo_t* cairo, double x, double y, double scale, double angle, bool flying);

// A slime alien standing on (x, y); `scale` 1 is 90 pixels wide.
void DrawSlime(cairo_t* cairo, double x, double y, double scale);

} // namespace content
