#pragma once

// The craft of the taxi chase, each drawn into a frame the game centres on
// the ship's position: Rocko's yellow space taxi flying right and the
// Baron's robot fighters, and the explosions they end in.

#include "SpriteArt.h"

#include <cairo.h>

namespace content::minigames {

// The taxi's frame; the game's hit rectangles (left, top, right, bottom in
// the frame's pixels) lie on its body: the low rear (15, 42, 55, 58), the
// tall cabin (55, 30, 92, 58) and the nose (92, 37, 156, 58).
constexpr int taxiWidth = 170;
constexpr int taxiHeight = 70;
// The fighter's frame; the hit rectangles of one flying right, from its
// head down to the flame under its feet: (37, 19, 59, 36), (46, 36, 68, 62),
// (57, 62, 90, 94), (41, 94, 67, 109), (32, 109, 53, 121), (22, 121, 66, 126).
// One flying left is its mirror image.
constexpr int fighterWidth = 140;
constexpr int fighterHeight = 130;
// The frames of a flight loop (the engine flames flicker) and of an
// explosion, which plays once.
constexpr int flightFrames = 4;
constexpr int explosionFrames = 12;
// The explosions' frames, larger than the ships': the bits fly far.
constexpr int taxiExplosionWidth = 220;
constexpr int taxiExplosionHeight = 160;
constexpr int fighterExplosionWidth = 180;
constexpr int fighterExplosionHeight = 160;

// The taxi side on in the frame's pixels, nose to the right: yellow with a
// checkered stripe, the cannon on its roof, Rocko at the wheel, Juna and
// the twins behind, Mia's camera at the rear window. `frame` sets the
// flicker of the flame.
void DrawSpaceTaxi(cairo_t* cairo, int frame);
// The taxi's frame `frame` of a loop, its nose turned up by `pitch`
// radians (down when negative) about the frame's middle.
Picture DrawTaxiFrame(int frame, double pitch);

// The Baron's tin robot fighter flying right in its frame's pixels: head
// forward, the big jet fist in front, legs and the thruster flame trailing
// down to the left, the Baron's emblem on its purple belly.
void DrawRobotFighter(cairo_t* cairo, int frame);
// The fighter's frame `frame`, its nose turned up by `pitch` radians, and
// mirrored to fly left when `left` is set.
Picture DrawFighterFrame(int frame, double pitch, bool left);

// What the bits of an exploding ship look like.
enum class Wreck { taxi, robot };
// Frame `frame` (0 to explosionFrames - 1) of an explosion centred in a
// picture of the given size: a fireball, bits of the ship flying out and
// smoke that spreads and fades.
Picture DrawExplosion(Wreck wreck, int frame, int width, int height);

} // namespace content::minigames
