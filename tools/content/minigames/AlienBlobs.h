#pragma once

// The Alien-Schleimlinge of the shooting gallery: round slimy blobs with
// eyes on stalks, in three kinds ("alien1" small and acid green with two
// stalks, "alien2" middle-sized and lime yellow with spots, "alien3" big,
// teal fading to violet, with three stalks), and the green splat of a hit
// one.

#include "SpriteArt.h"
#include "minigames/MoonBaseYard.h"

namespace content::minigames {

constexpr int alienKinds = 3;
constexpr int alienFrameWidth = 160;
constexpr int alienFrameHeight = 200;
// The frame row of the top edge of the cover an alien pops up behind: its
// row of cover reaches this far above the frame's bottom edge.
constexpr int alienCoverLine = alienFrameHeight - static_cast<int>(coverRise);
// The rise: played forwards it pops up, backwards it sinks. The first
// frames are clear (the alien is still below its cover); from then on it
// climbs from below the cover line, hidden behind the cover, stretched,
// hops up onto the cover, lands on it with a squash and opens its eyes,
// sitting in the last with its bottom on the cover line and nothing of it
// below, so that it looks the same in front of its cover as behind it.
constexpr int alienFrames = 16;
constexpr int alienHiddenFrames = 5;
Picture DrawAlienFrame(int kind, int frame);

// The splat, its bottom middle 38 pixels (at scale 1) below the alien
// frame's: goo bursting from about the middle of the alien's body where it
// sits on its cover, drops and eyeballs flying, fading out by the last
// frame. It is drawn behind the cover, which hides the burst's lower rim.
// Taller than the alien's frame by the cover's height, so that the burst
// has room above the alien for its drops and eyeballs.
constexpr int splatWidth = 200;
constexpr int splatHeight = alienFrameHeight + static_cast<int>(coverRise);
constexpr int splatFrames = 16;
Picture DrawAlienSplat(int frame);

// One Schleimling drawn into a scene: kind 1 to 3 as above, the middle of
// its foot at (x, y), `scale` times the size the shooting gallery draws it
// at rest (kind 1 is then about 100 pixels tall, kind 3 about 120). `phase`
// runs through one cycle of its movement from 0 to 1 (a frame of an
// animation of n frames is phase frame / n):
// - wobbling: sitting and wobbling, stretching and squashing, its eyes
//   swaying (in a tank, on the floor);
// - pressed: squashed against a pane of glass between it and the viewer,
//   the pressed patch of its front pale and flat, its eyes big and staring,
//   rubbing to and fro;
// - hiding: ducked low, stalks pulled in, eyes shut, trembling.
enum class BlobPose { wobbling, pressed, hiding };
void DrawBlob(cairo_t* cairo, int kind, double x, double y, double scale, double phase,
              BlobPose pose = BlobPose::wobbling);

} // namespace content::minigames
