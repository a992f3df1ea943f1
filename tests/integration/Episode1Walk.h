#pragma once

// Episode 1's walk as a player clicks it, from "Neues Spiel" on the main menu
// to the dance contest, with every step of its puzzle chart: the steps of its
// own run test and of the whole game's.

#include "Walkthrough.h"

#include <vector>

namespace walkthrough::episode1 {

// Lines in a conversation run their full length (Enter skips only scripted
// lines): each wait after a choice covers the lines it starts.
// A conversation's choices lie in a band at the top, 15 pixels apart,
// centred on y 59: with five of them the first is at 29, the last at 89.
inline const std::vector<Step> steps = {
    {Act::key, keyDown, 0, 3},
    {Act::key, keyEnter, 0, 20}, // "Neues Spiel"
    {Act::key, keyEnter, 0, 30}, // skips the opening lines
    {Act::shoot, 0, 0, 0},
    // The bridge.
    {Act::use, 920, 380, 120},   // the crystal
    {Act::click, 760, 480, 450}, // Baltasar
    {Act::click, 500, 44, 900},  // "Wie kriegen wir die Zephyra wieder flott?"
    {Act::click, 500, 89, 350},  // "Bis später, Opa."
    {Act::click, 102, 300, 200}, // the door to the engine room
    // The engine room.
    {Act::shoot, 0, 0, 0},
    {Act::use, 329, 610, 180}, // Isolierband
    {Act::use, 698, 575, 140}, // Schraubenschluessel
    {Act::select, slot2, 0, 0},
    {Act::use, 745, 195, 100}, // the tape on the sparks
    {Act::select, slot2, 0, 0},
    {Act::use, 302, 280, 160},   // the wrench on the piston
    {Act::click, 122, 300, 300}, // the outer hatch
    // The beach, scrolled to its right end.
    {Act::shoot, 0, 0, 0},
    {Act::use, 744, 612, 200}, // Muschel
    {Act::use, 139, 622, 350}, // Treibholz, scrolling back to the twins
    {Act::select, slot3, 0, 0},
    {Act::use, 497, 520, 100},  // the conch for Lotte
    {Act::click, 20, 560, 250}, // to the left end
    {Act::click, 76, 420, 300}, // the gate to the village
    // The village square.
    {Act::shoot, 0, 0, 0},
    {Act::click, 480, 480, 450}, // Kalani
    {Act::click, 500, 44, 750},  // "Was ist der Große Tanz?"
    {Act::click, 500, 89, 500},  // "Bis später, Häuptling."
    {Act::select, slot3, 0, 0},
    {Act::use, 650, 454, 150}, // the driftwood on the drum
    {Act::use, 744, 427, 200}, // Hibiskusbluete
    {Act::use, 392, 364, 300}, // Bastschnur
    {Act::select, slot3, 0, 0},
    {Act::use, slot4, slotY, 20}, // the flower on the cord: the garland
    // Saved into the first slot through the in-game menu, back to the game.
    {Act::save, 1, 0, 10},
    {Act::select, slot3, 0, 0},
    {Act::use, 480, 480, 200}, // the garland for Kalani: the dance begins
    {Act::shoot, 0, 0, 1400},
};

} // namespace walkthrough::episode1
