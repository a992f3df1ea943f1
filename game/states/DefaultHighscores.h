#pragma once

// The names in a fresh installation's highscore tables, best first: the
// game's cast, so that a player's first good round beats somebody they know.
// Windows-1252, like every text of the game; each fits the 180 pixels the
// name entry allows in the font "menu".

#include "platform/Windows1252.h"

#include <array>

inline constexpr std::array<const char*, 10> defaultHighscoreNames = {
    "Juna",
    "Kapitän"_w1252,
    "Rocko",
    "KIRA",
    "Kalani",
    "Humbert",
    "Lotte",
    "Mia",
    "Baron",
    "Schleimi",
};
