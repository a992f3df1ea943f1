#pragma once

#include "Image.h"
#include "Sprite.h"

#include <map>
#include <string>
#include <vector>

// A rectangle in room coordinates: corner and size.
struct SpriteRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const SpriteRect&) const = default;
};

// How to build the sprite of one label: where its art lies and what kind of
// sprite it becomes. Descriptions come from the sprite lists (SpriteLoaderUtil)
// and from the rooms, which also give placements and frames in separate files.
struct SpriteInfo {
    enum Type : int { typeStatic = 0, typeShadow = 1, typeAnimated = 2, typeAnimatedRLE = 3 };

    std::string label = "default";
    // The art's base path, without extension.
    std::string file;
    bool crop = false;
    int type = typeStatic;
    int frameCount = 1;
    // The art is mirrored horizontally after loading.
    bool mirrored = false;
    // The bottom centre of a room's graphic, in room coordinates.
    bool hasPlacement = false;
    Point placement;
    // Animated art whose frame i (from 1) is the file base path + "%02d",
    // placed at frameOffsets[i - 1] inside a full frame of frameRectangle's
    // size (without a frame rectangle, of the first frame's size).
    bool framesInSeparateFiles = false;
    SpriteRect frameRectangle;
    std::vector<Point> frameOffsets;
    // Filled when the sprite is built: the order in which an animation plays
    // the frames (empty: the sprite's own order), and the audio events at
    // positions of the animation (0.0 to 1.0; several may share a time).
    std::vector<int> frameTable;
    std::multimap<float, std::string> audioEvents;
};
