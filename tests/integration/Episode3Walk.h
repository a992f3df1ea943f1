#pragma once

// Episode 3's walk as a player clicks it, from the taxi falling out of the time
// hole to the herald's fanfare, with every step of its puzzle chart: the steps
// of its own run test and of the whole game's.

#include "Walkthrough.h"

#include <vector>

namespace walkthrough::episode3 {

// Doors: the clearing's gate, the village's to the smithy and the meadow,
// and the ways back from these two.
inline constexpr int clearingToVillage[] = {962, 480};
inline constexpr int villageToSmithy[] = {826, 420};
inline constexpr int villageToMeadow[] = {470, 420};
inline constexpr int smithyToVillage[] = {90, 380};
inline constexpr int meadowToVillage[] = {80, 380};

// People and the things Juna uses.
inline constexpr int lotte[] = {300, 540};
inline constexpr int smith[] = {770, 440};
inline constexpr int herald[] = {900, 500};
inline constexpr int machine[] = {592, 480};

// A conversation's choice and the lines it starts, each cut short by the
// period key; more presses than lines do no harm.
inline constexpr int lines = 10;

inline std::vector<Step> Steps()
{
    std::vector<Step> steps;
    const auto add = [&steps](const std::vector<Step>& more) { steps.insert(steps.end(), more.begin(), more.end()); };
    // The fall out of the time hole and the talk in the clearing, skipped
    // line by line once the taxi has landed.
    add({{Act::shoot, 0, 0, 20}, {Act::shoot, 0, 0, 100}});
    add(Skip(16, keyEnter));
    add({{Act::shoot, 0, 0, 0},
         // The clearing: Rocko's bread from the stump.
         {Act::use, 432, 540, 200},
         {Act::save, 1, 0, 10},
         {Act::click, clearingToVillage[0], clearingToVillage[1], doorWait},
         // The village: the bread for the goose, the sheet from the line.
         {Act::shoot, 0, 0, 0},
         {Act::select, slot1, 0, 0},
         {Act::use, 640, 570, 400},
         {Act::shoot, 0, 0, 0},
         {Act::use, 620, 420, 200},
         {Act::save, 2, 0, 10},
         {Act::click, villageToMeadow[0], villageToMeadow[1], doorWait},
         // The meadow: only knights may throw, and the machine's rope is torn.
         {Act::shoot, 0, 0, 0},
         {Act::click, herald[0], herald[1], 200},
         {Act::key, keyPeriod, 0, 30},         // his greeting
         {Act::talk, lines, Choice(0, 6), 20}, // "Ich will beim Turnier mitwerfen!"
         {Act::talk, lines, Choice(5, 6), 20}, // "Gehabt Euch wohl, Herold."
         {Act::use, machine[0], machine[1], 200}});
    add(Skip(1));
    add({{Act::click, meadowToVillage[0], meadowToVillage[1], doorWait},
         // The twins race at the well's winch until the rope comes free.
         {Act::click, lotte[0], lotte[1], 200}});
    add(Skip(2));
    add({{Act::talk, lines, Choice(0, 6), 20}}); // "Ich brauche ein Seil ..."
    add(Skip(4));                                // they walk to the winch first
    add({{Act::shoot, 0, 0, 0},
         {Act::click, villageToSmithy[0], villageToSmithy[1], doorWait},
         // The smithy: the charcoal, and the smith's old helmet for the witch.
         {Act::shoot, 0, 0, 0},
         {Act::use, 668, 500, 200},
         {Act::click, smith[0], smith[1], 200}});
    add(Skip(1));
    add({{Act::talk, lines, Choice(0, 6), 20}, // "Ich brauche einen Helm. ..."
         {Act::save, 3, 0, 10},
         // Charcoal on the sheet: the tabard.
         {Act::select, slot3, 0, 0},
         {Act::use, slot1, slotY, 20},
         {Act::click, smithyToVillage[0], smithyToVillage[1], doorWait},
         {Act::click, villageToMeadow[0], villageToMeadow[1], doorWait},
         // The rope on the machine; the herald still wants a knight.
         {Act::select, slot1, 0, 0},
         {Act::use, machine[0], machine[1], 200}});
    add(Skip(3));
    add({{Act::save, 4, 0, 10},
         // The knight to the herald: the contest begins.
         {Act::select, slot2, 0, 0},
         {Act::use, herald[0], herald[1], 200}});
    add(Skip(6));
    add({{Act::shoot, 0, 0, 0}});
    add(Skip(10));
    add({{Act::shoot, 0, 0, 1500}});
    return steps;
}

} // namespace walkthrough::episode3
