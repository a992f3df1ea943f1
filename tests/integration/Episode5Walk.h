#pragma once

// Episode 5's walk as a player clicks it, from the landing on the Baron's moon
// to the yard's door, with every step of its puzzle chart: the steps of its own
// run test and of the whole game's.

#include "Walkthrough.h"

#include <vector>

namespace walkthrough::episode5 {

// Doors: the landing pad's airlock door, the airlock's to the lab, the
// store and the pad, and the ways back from the lab and the store.
inline constexpr int padToAirlock[] = {918, 380};
inline constexpr int airlockToLab[] = {960, 380};
inline constexpr int airlockToStore[] = {848, 380};
inline constexpr int labToAirlock[] = {94, 400};
inline constexpr int storeToAirlock[] = {946, 400};

// People and the things Juna uses.
inline constexpr int rocko[] = {96, 520};
inline constexpr int lotte[] = {110, 530};
inline constexpr int taxi[] = {325, 500};
inline constexpr int switchBox[] = {801, 400};
inline constexpr int computer[] = {260, 400};
inline constexpr int heatLamp[] = {674, 230};
inline constexpr int press[] = {440, 420};
inline constexpr int window[] = {666, 264};
inline constexpr int yardDoor[] = {400, 320};

// A conversation's choice and the lines it starts, each cut short by the
// period key; more presses than lines do no harm.
inline constexpr int lines = 10;

inline std::vector<Step> Steps()
{
    std::vector<Step> steps;
    const auto add = [&steps](const std::vector<Step>& more) { steps.insert(steps.end(), more.begin(), more.end()); };
    // The landing and the talk on the pad, skipped.
    add({{Act::shoot, 0, 0, 60}});
    add(Skip(10, keyEnter));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 1, 0, 10},
         // The landing pad: Rocko's jump leads wake the airlock.
         {Act::use, taxi[0], taxi[1], 200}});
    add(Skip(3));
    add({{Act::select, slot1, 0, 0}, {Act::use, switchBox[0], switchBox[1], 250}});
    add(Skip(5));
    // His cannon opens the Baron's supply capsule: a frozen onion.
    add({{Act::shoot, 0, 0, 0}, {Act::click, rocko[0], rocko[1], 400}, {Act::key, keyPeriod, 0, 30}});
    add({{Act::talk, lines, Choice(0, 5), 20}}); // "Kannst du die Versorgungskapsel aufmachen?"
    add(Skip(6));
    add({{Act::shoot, 0, 0, 0},
         {Act::click, padToAirlock[0], padToAirlock[1], doorWait + 250},
         {Act::shoot, 0, 0, 0},
         {Act::click, airlockToLab[0], airlockToLab[1], doorWait},
         // The lab: the Baron's diary behind his vain security question, the
         // onion thawed under the heat lamp and pressed.
         {Act::shoot, 0, 0, 0},
         {Act::click, computer[0], computer[1], 200},
         {Act::key, keyPeriod, 0, 30},
         {Act::talk, lines, Choice(2, 4), 20}}); // "Seine Hoheit, der Baron von Blech!"
    add(Skip(6));
    add({{Act::select, slot1, 0, 0}, {Act::use, heatLamp[0], heatLamp[1], 250}});
    add(Skip(3));
    add({{Act::save, 2, 0, 10}, {Act::select, slot1, 0, 0}, {Act::use, press[0], press[1], 250}});
    add(Skip(5));
    add({{Act::shoot, 0, 0, 0},
         {Act::click, labToAirlock[0], labToAirlock[1], doorWait},
         {Act::click, airlockToStore[0], airlockToStore[1], doorWait},
         // The store: the twins' quarrel sends the cleaning robot after the
         // popcorn, and its bottle is Juna's.
         {Act::shoot, 0, 0, 0},
         {Act::click, lotte[0], lotte[1], 400}});
    add(Skip(2));
    add({{Act::talk, lines, Choice(0, 5), 20}}); // "Könnt ihr den Putzroboter von seiner Flasche weglocken?"
    add(Skip(10));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 3, 0, 10},
         {Act::click, storeToAirlock[0], storeToAirlock[1], doorWait + 200},
         // The airlock: the window sprayed clean empties the bottle.
         {Act::select, slot2, 0, 0},
         {Act::use, window[0], window[1], 250}});
    add(Skip(4));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 4, 0, 10},
         // Onion juice into the empty bottle: the spray.
         {Act::select, slot1, 0, 0},
         {Act::use, slot2, slotY, 20}});
    add(Skip(2));
    // Out into the yard.
    add({{Act::shoot, 0, 0, 0}, {Act::select, slot1, 0, 0}, {Act::use, yardDoor[0], yardDoor[1], 250}});
    add(Skip(6));
    add({{Act::shoot, 0, 0, 1000}});
    return steps;
}

} // namespace walkthrough::episode5
