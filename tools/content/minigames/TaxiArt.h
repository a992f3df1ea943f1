#pragma once

// The taxi chase's sprites, data\level08\sprites\ and their list
// data\level08\sprites.txt: the scrolling "nebula_background" and the
// "star1" to "star4" flying past, the taxi ("taxi", "taxi_up",
// "taxi_down", "taxi_explo"), the Baron's fighters flying right and left
// ("fighter_right", "_right_up", "_right_down", "_right_explo" and the
// same with "_left"), the cannon's "taxi_laser", the photo flash's
// "flash_light" behind the taxi, the head-up display's "photo_sign" and
// "taxi_hud", and the front end's plates.

#include "SpriteArt.h"

namespace content::minigames {

// The laser bolt, drawn with its top-left corner on the beam's hit
// rectangle, which it fills.
constexpr int laserWidth = 225;
constexpr int laserHeight = 19;
Picture DrawLaser();

// The photo flash's cone of light, drawn with its top-left corner 160
// pixels left of and 131 above the taxi's middle: it widens from the rear
// window, near its bottom-right corner, to the upper left, where the
// fighters chasing the taxi are.
constexpr int flashWidth = 130;
constexpr int flashHeight = 144;
Picture DrawFlashLight();

// The camera sign in the bottom-left corner of the head-up display:
// `ready` bright with a flash star, the "Foto" cue and its B key; otherwise
// dimmed while the flash recharges.
constexpr int photoSignSize = 170;
Picture DrawPhotoSign(bool ready);

// The plate in the bottom-right corner that the taxi's lives are written
// on: the taxi small on the left, a calm dark field on the right for the
// "x 5" the game writes at (173, 2) of the plate.
constexpr int hudWidth = 240;
constexpr int hudHeight = 80;
Picture DrawTaxiHud();

bool WriteTaxiSprites();

} // namespace content::minigames
