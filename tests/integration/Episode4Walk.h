#pragma once

// Episode 4's walk as a player clicks it, from the castle yard behind the
// opened gate to the jump back to the future, with every step of its puzzle
// chart: the steps of its own run test and of the whole game's.

#include "Walkthrough.h"

#include <vector>

namespace walkthrough::episode4 {

// Frames from letting go of the winning throw to the castle yard: the
// throw's flight, the result and the contest's end, the level loading.
inline constexpr int throwToCastle = 700;

// Doors: the yard's to the tower, the great hall, the kitchen and the
// dungeon, and each room's way back.
inline constexpr int yardToTower[] = {100, 380};
inline constexpr int yardToHall[] = {318, 320};
inline constexpr int yardToKitchen[] = {748, 390};
inline constexpr int yardToDungeon[] = {940, 380};
inline constexpr int towerToYard[] = {93, 400};
inline constexpr int hallToYard[] = {115, 380};
inline constexpr int kitchenToYard[] = {939, 400};
inline constexpr int dungeonToYard[] = {897, 300};

// People and the things Juna uses.
inline constexpr int smith[] = {836, 520};
inline constexpr int taxi[] = {470, 500};
inline constexpr int magpie[] = {506, 168};
inline constexpr int hearth[] = {200, 250};
inline constexpr int kettle[] = {300, 585};
inline constexpr int lotte[] = {730, 480};
inline constexpr int tray[] = {470, 540};
inline constexpr int ring[] = {200, 376};

// A conversation's choice and the lines it starts, each cut short by the
// period key; more presses than lines do no harm.
inline constexpr int lines = 10;

inline std::vector<Step> Steps()
{
    std::vector<Step> steps;
    const auto add = [&steps](const std::vector<Step>& more) { steps.insert(steps.end(), more.begin(), more.end()); };
    // The password opened the gate: the talk in the yard, skipped.
    add({{Act::shoot, 0, 0, 0}});
    add(Skip(10, keyEnter));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 1, 0, 10},
         // The yard: the smith wants as much iron as the taxi.
         {Act::click, smith[0], smith[1], 200},
         {Act::key, keyPeriod, 0, 30},         // his greeting
         {Act::talk, lines, Choice(0, 5), 20}, // "Gib Rocko sein Taxi zurück!"
         {Act::talk, lines, Choice(4, 5), 20}, // "Bis später, Schmied."
         {Act::shoot, 0, 0, 0},
         {Act::click, yardToTower[0], yardToTower[1], doorWait},
         // The tower: the tin magpie with half the crystal, out of reach.
         {Act::shoot, 0, 0, 0},
         {Act::use, magpie[0], magpie[1], 200}});
    add(Skip(2));
    add({{Act::save, 2, 0, 10},
         {Act::click, towerToYard[0], towerToYard[1], doorWait},
         {Act::click, yardToKitchen[0], yardToKitchen[1], doorWait},
         // The kitchen: ash from the hearth, the copper kettle, and the twins
         // for the dog on the lard pot.
         {Act::shoot, 0, 0, 0},
         {Act::use, hearth[0], hearth[1], 400},
         {Act::use, kettle[0], kettle[1], 200},
         {Act::click, lotte[0], lotte[1], 200}});
    add(Skip(2));
    add({{Act::talk, lines, Choice(0, 5), 20}}); // "Könnt ihr den Hund vom Schmalztopf locken?"
    add(Skip(8));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 3, 0, 10},
         {Act::click, kitchenToYard[0], kitchenToYard[1], doorWait},
         {Act::click, yardToHall[0], yardToHall[1], doorWait},
         // The great hall: the tarnished tray, polished with the ash.
         {Act::shoot, 0, 0, 0},
         {Act::use, tray[0], tray[1], 200},
         {Act::select, slot1, 0, 0},
         {Act::use, slot4, slotY, 20},
         {Act::shoot, 0, 0, 0},
         {Act::save, 4, 0, 10},
         {Act::click, hallToYard[0], hallToYard[1], doorWait},
         {Act::click, yardToDungeon[0], yardToDungeon[1], doorWait},
         // The dungeon: lard on the rusty ring frees the iron ball.
         {Act::shoot, 0, 0, 0},
         {Act::select, slot2, 0, 0},
         {Act::use, ring[0], ring[1], 400}});
    add(Skip(2));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 5, 0, 10},
         {Act::click, dungeonToYard[0], dungeonToYard[1], doorWait + 200},
         {Act::click, yardToTower[0], yardToTower[1], doorWait},
         // The polished tray for the magpie: she drops the half crystal.
         {Act::select, slot2, 0, 0},
         {Act::use, magpie[0], magpie[1], 200}});
    add(Skip(4));
    add({{Act::shoot, 0, 0, 0},
         {Act::click, towerToYard[0], towerToYard[1], doorWait},
         // Iron for iron, then the kettle hammered into a coil.
         {Act::select, slot2, 0, 0},
         {Act::use, smith[0], smith[1], 350}});
    add(Skip(6));
    add({{Act::shoot, 0, 0, 0}, {Act::select, slot1, 0, 0}, {Act::use, smith[0], smith[1], 200}});
    add(Skip(5));
    // Coil and crystal into the taxi: the jump.
    add({{Act::shoot, 0, 0, 0}, {Act::select, slot2, 0, 0}, {Act::use, taxi[0], taxi[1], 200}});
    add(Skip(2));
    add({{Act::save, 6, 0, 10}, {Act::select, slot1, 0, 0}, {Act::use, taxi[0], taxi[1], 200}});
    add(Skip(1));
    add({{Act::shoot, 0, 0, 0}});
    add(Skip(8));
    add({{Act::shoot, 0, 0, 1500}});
    return steps;
}

} // namespace walkthrough::episode4
