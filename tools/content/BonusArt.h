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
#include <initializer_list>

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

// Things of the places, for other scenes set there; each stands on (x, y)
// at the size it has in the place's picture at `scale` 1.
// A ground or hill line across the place's width: a smooth curve through
// the heights at equal steps, closed below the bottom edge.
void DrawGround(cairo_t* cairo, std::initializer_list<double> heights, std::uint32_t top, std::uint32_t bottom);
// A palm `height` tall whose crown leans `lean` pixels to the side.
void DrawPalm(cairo_t* cairo, double x, double y, double height, double lean);
// A hibiscus flower centred on (x, y), and a bush full of them.
void DrawHibiscus(cairo_t* cairo, double x, double y, double radius);
void DrawHibiscusBush(cairo_t* cairo, double x, double y, double scale);
// Wakalua's thatched hut.
void DrawHut(cairo_t* cairo, double x, double y, double scale);
// The sea below the horizon at y 300 with a low island on it, its waves
// swaying `seconds` into a movie (still at 0).
void DrawWakaluaSea(cairo_t* cairo, double seconds);
// Grey smoke rising to the upper right from (x, y).
void DrawSmoke(cairo_t* cairo, double x, double y);

} // namespace content
