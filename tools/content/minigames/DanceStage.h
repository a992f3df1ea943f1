#pragma once

// The dance contest's stage on Wakalua's beach, 1024 x 768: a wooden
// platform in the lower half where the three dancers stand (their feet at
// about (508, 604), (245, 569) and (763, 572)), palms, huts and the sea
// behind, lanterns on strings, and the cast watching from the sides: the
// chief Kalani at the judges' table on the left, Baltasar and KIRA on the
// right, villagers at the back.
//
// Kept calm for what the game writes over it: the score at the top left
// (30..300, 30..80), the row of move symbols on the platform's dark front
// (y 690..760) and, in the morning picture, the closing credits scrolling up
// the middle.

#include <cairo.h>

namespace content::minigames {

constexpr int stageWidth = 1024;
constexpr int stageHeight = 768;

// The contest at night under the moon and the stars, the lanterns lit.
void DrawNightStage(cairo_t* cairo);
// The morning after, for the closing credits: the sun rising over the sea
// and the repaired Zephyra on the beach, ready to leave.
void DrawMorningStage(cairo_t* cairo);

} // namespace content::minigames
