#pragma once

// One room of an episode as the generator knows it: its painted picture and
// everything the game reads beside it, all in room coordinates (pixels of
// the background, row 0 at the top). RoomFiles derives the room's files
// from this one description, so that the picture, its maps, its graphics
// and the sprite-info file that lists them always agree.

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace content::rooms {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// A graphic of the room drawn over the background by the element that owns
// it (a door, an item, a flickering lamp): a still when it has one frame,
// else an animation of numbered frames. `draw` paints frame `frame` into
// (0, 0)-(width, height) on a clear surface.
struct RoomGraphic {
    std::string name;  // lower case, never ending in a digit
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int frames = 1;
    std::function<void(cairo_t*, int frame)> draw;
};

// A tint of the characters walking through it: `rgb` in the middle of an
// ellipse, fading out to the room's general light at its rim.
struct LightPool {
    Point centre;
    double radiusX = 0.0;
    double radiusY = 0.0;
    std::uint32_t rgb = 0xFFFFFF;
};

// The loop played while the player is in the room.
enum class Ambience {
    waves,
    engineHum,
    wind,
    villageMurmur,
    festival,
    terminal,
    landingPad,
    hangar,
    forest,
    medievalVillage,
    smithy,
    tournamentMeadow,
    castleYard,
    greatHall,
    castleKitchen,
    tower,
    dungeon,
    moonPad,
    airlock,
    laboratory,
    storeRoom,
    baseHall,
    collection,
    controlRoom,
    launchRamp,
};

struct RoomDescription {
    std::string label;   // the element's label, "RoomStrand"
    std::string folder;  // in the game's form, ending in a backslash
    int width = 1024;
    int height = 768;
    std::function<void(cairo_t*)> paint;  // the background, opaque everywhere
    // Where characters may stand: the union of these polygons.
    std::vector<std::vector<Point>> floor;
    // The lead network of the path finder: polylines inside the floor.
    std::vector<std::vector<Point>> leads;
    // Depth: a character standing at `backY` or above is drawn at the back
    // scale, one at `frontY` or below at the front scale, linearly between.
    int backY = 400;
    int frontY = 700;
    std::uint32_t light = 0xFFFFFF;  // the general light
    std::vector<LightPool> lightPools;
    std::vector<RoomGraphic> graphics;
    Ambience ambience = Ambience::wind;
};

} // namespace content::rooms
