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
// The small poster leaves out the cast and the small print, which would be
// too small to read there, and sets the tagline larger.
enum class PosterSize { big, small };
void DrawPoster(cairo_t* cairo, PosterSize size);

} // namespace content
