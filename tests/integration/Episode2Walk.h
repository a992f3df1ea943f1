#pragma once

// Episode 2's walk as a player clicks it, from the robbery on the festival
// square to the taxi's take-off, with every step of its puzzle chart: the steps
// of its own run test and of the whole game's.

#include "Walkthrough.h"

#include <vector>

namespace walkthrough::episode2 {

// Doors: the gate of the festival square, the terminal's three, and the
// doors of the taxi stand and the hangar back into the terminal.
inline constexpr int festplatzGate[] = {940, 420};
inline constexpr int terminalToFestplatz[] = {71, 350};
inline constexpr int terminalToHangar[] = {721, 350};
inline constexpr int terminalToTaxis[] = {963, 350};
inline constexpr int taxisToTerminal[] = {100, 380};
inline constexpr int hangarToTerminal[] = {960, 350};

// A conversation's choice and the lines it starts, each cut short by the
// period key; more presses than lines do no harm.
inline constexpr int lines = 6;

inline const std::vector<Step> steps = {
    {Act::key, keyEnter, 0, 30}, // skips the robbery, line by line
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 30},
    {Act::key, keyEnter, 0, 60},
    {Act::shoot, 0, 0, 0},
    // The festival square: the trophy from Kalani.
    {Act::click, 410, 470, 200},          // Kalani
    {Act::key, keyPeriod, 0, 30},         // his greeting
    {Act::talk, lines, Choice(1, 5), 20}, // "Was ist mit unserem Preis für den Tanz?"
    {Act::talk, lines, Choice(4, 5), 20}, // "Aloha, Häuptling. ..."
    {Act::save, 1, 0, 10},
    {Act::click, festplatzGate[0], festplatzGate[1], doorWait},
    // The terminal: the blank fuel card from the counter.
    {Act::shoot, 0, 0, 0},
    {Act::use, 300, 355, 200},
    {Act::save, 2, 0, 10},
    {Act::click, terminalToTaxis[0], terminalToTaxis[1], doorWait},
    // The taxi stand: Rocko names his price.
    {Act::shoot, 0, 0, 0},
    {Act::click, 330, 480, 200}, // Rocko
    {Act::key, keyPeriod, 0, 30},
    {Act::talk, lines, Choice(1, 7), 20}, // "Was kostet die Fahrt?"
    {Act::talk, lines, Choice(6, 7), 20}, // "Bis gleich, Rocko."
    {Act::save, 3, 0, 10},
    {Act::click, taxisToTerminal[0], taxisToTerminal[1], doorWait},
    // The trophy into the souvenir buyer, the coins to Rocko.
    {Act::select, slot1, 0, 0},
    {Act::use, 845, 360, 200},
    {Act::click, terminalToTaxis[0], terminalToTaxis[1], doorWait},
    {Act::select, slot2, 0, 0},
    {Act::use, 330, 480, 200},
    {Act::click, taxisToTerminal[0], taxisToTerminal[1], doorWait},
    {Act::click, terminalToHangar[0], terminalToHangar[1], doorWait},
    // The hangar: the pump wants a card with a photo; the empty canister.
    {Act::shoot, 0, 0, 0},
    {Act::use, 100, 420, 250},
    {Act::use, 612, 590, 200},
    {Act::save, 4, 0, 10},
    {Act::click, hangarToTerminal[0], hangarToTerminal[1], doorWait},
    {Act::click, terminalToFestplatz[0], terminalToFestplatz[1], doorWait},
    // The twins: Lotte may take the chase's photos and takes Juna's.
    {Act::click, 650, 550, 200}, // Lotte
    {Act::key, keyPeriod, 0, 30},
    {Act::key, keyPeriod, 0, 30},
    {Act::talk, lines, Choice(0, 5), 20}, // "Ich brauche ein Passfoto ..."
    {Act::talk, lines, Choice(2, 4), 20}, // "Lotte, wenn wir den Baron jagen, ..."
    // The photo on the card: the fuel pass.
    {Act::select, slot3, 0, 0},
    {Act::use, slot1, slotY, 20},
    {Act::click, festplatzGate[0], festplatzGate[1], doorWait},
    {Act::click, terminalToHangar[0], terminalToHangar[1], doorWait},
    // The pass at the pump fills the canister.
    {Act::select, slot2, 0, 0},
    {Act::use, 100, 420, 250},
    {Act::click, hangarToTerminal[0], hangarToTerminal[1], doorWait},
    {Act::click, terminalToTaxis[0], terminalToTaxis[1], doorWait},
    // The canister into the taxi: paid and fuelled, it takes off.
    {Act::select, slot1, 0, 0},
    {Act::use, 700, 400, 300},
    {Act::shoot, 0, 0, 1500},
};

} // namespace walkthrough::episode2
