#pragma once

// What a room makes of the entries of its sprite-info file (see
// SpriteInfosLoaderUtil.h for the file itself). Entries are taken in the
// byte order of their names, case-sensitively:
//   "Background"                  the room's picture (label "room_gfx")
//   "lightmap", "Lightmap"        the light map
//   "walkarea", "Walkarea"        the walk area
//   "depthmap", "Depthmap"        the depth map
//   NAME01                        an animation labelled NAME, its frames the
//                                 entries NAME01, NAME02, ... up to the first
//                                 number missing (logged when entries with
//                                 higher numbers exist); at most 99 frames
//   NAME02 ... NAME99, other names ending in a digit   nothing by themselves
//   any other name                a still graphic labelled NAME
// Stills and animations are placed in the room by the bottom centre of
// their rectangle (of all frames' rectangles joined, for an animation).
//
// Rectangles come from a file and are checked before use: an entry of a
// still or of a frame whose corner lies outside +-Image::maximumSide or whose
// width or height is negative or above Image::maximumSide is left out with a
// warning (a left-out frame ends its animation there), and so is an
// animation whose joined rectangle is larger than Image::maximumSide.

#include "graphics/SpriteInfo.h"
#include "graphics/SpriteInfosLoaderUtil.h"

#include <string>
#include <vector>

struct RoomGraphic {
    enum Kind { background, lightMap, walkArea, depthMap, still, animation };

    Kind kind = still;
    // The entry's name.
    std::string name;
    // The description to register, for the background, stills and
    // animations (the background's is loaded rather than registered).
    SpriteInfo info;
};

class RoomSpriteInfos {
public:
    static constexpr int maximumFrames = 99;

    // The graphics of the entries in the order the room takes them.
    // `roomFolder` ends with a backslash.
    static std::vector<RoomGraphic> Interpret(const SpriteInfosLoaderUtil::SpriteInfos& entries,
                                              const std::string& roomFolder);
    // Whether a rectangle read from the file may be used.
    static bool IsSane(const SpriteRect& rectangle);
};
