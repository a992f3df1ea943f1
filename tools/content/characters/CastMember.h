#pragma once

// One character of the cast: a puppet rig's figure under its animation
// prefix, drawn into every animation its part needs (adventure/
// CastAnimations.h names them). The directions facing left are the ones
// facing right, mirrored by the sprite list, so only five of the eight
// directions are drawn.
//
// Frames are RLE strips on one palette per character, cut from all of its
// frames. The figure stands on the frame's bottom centre: the middle of its
// soles lies groundMargin of the standing height above the bottom edge, its
// soft ground shadow around them. All frames of a character are equally
// tall (1.32 times its standing height, room for arms stretched up); each
// animation is as wide as its widest pose needs.

#include "SpriteArt.h"
#include "characters/PuppetRig.h"

#include <string>
#include <vector>

namespace content::characters {

// What a character does in the game.
enum class Repertoire {
    standing, // standing and talking
    walking,  // standing, talking and walking
    player    // everything: walking, standing, talking, idling, taking
};

class CastMember {
public:
    // The soles above the frame's bottom edge, in the rig's units.
    static constexpr double groundMargin = 2.0;

    CastMember(std::string prefix, const FigureLook& look, Repertoire repertoire);

    const std::string& Prefix() const { return prefix; }
    int FrameWidth() const;
    int FrameHeight() const;
    Picture DrawFrame(Direction direction, const Pose& pose) const;
    // The frames cut down to the narrowest width, centred as before, that
    // holds every visible pixel of all of them with a margin: the
    // animation's figure keeps its place over the frame's bottom middle.
    static std::vector<Picture> Narrowed(std::vector<Picture> frames);
    // Draws the animations and adds them to the folder; false when one
    // could not be written.
    bool Write(SpriteFolder& folder) const;

private:
    std::string prefix;
    PuppetRig rig;
    Repertoire repertoire;
};

// Writes every member's animations into a level's sprite folder; false when
// one could not be written (the others are written all the same).
bool WriteCast(SpriteFolder& level, const std::vector<CastMember>& members);

} // namespace content::characters
