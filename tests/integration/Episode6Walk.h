#pragma once

// Episode 6's walk as a player clicks it, from the base's hall behind the
// cleared yard to the flight home and the closing scene on Wakalua, with
// every step of its puzzle chart: the steps of its own run test and of the
// whole game's.

#include "Walkthrough.h"

#include <vector>

namespace walkthrough::episode6 {

// Doors: the hall's to the collection, the control room and the launch
// ramp, and each room's way back.
inline constexpr int hallToCollection[] = {104, 350};
inline constexpr int hallToControlRoom[] = {462, 360};
inline constexpr int hallToRamp[] = {930, 360};
inline constexpr int collectionToHall[] = {86, 385};
inline constexpr int controlRoomToHall[] = {90, 385};
inline constexpr int rampToHall[] = {85, 380};

// People and the things Juna uses.
inline constexpr int keyCard[] = {660, 622};
inline constexpr int cardReader[] = {572, 373};
inline constexpr int console[] = {502, 440};
inline constexpr int rocko[] = {724, 520};
inline constexpr int baron[] = {738, 480};
inline constexpr int lotte[] = {390, 530};
inline constexpr int taxi[] = {420, 420};

// A conversation's choice and the lines it starts, each cut short by the
// period key; more presses than lines do no harm.
inline constexpr int lines = 10;

// The flight home and the closing scene, unskipped, in frames, with room to
// spare, and the pictures taken of them.
inline constexpr int closingFrames = 4500;
inline constexpr int closingShots = 15;

inline std::vector<Step> Steps()
{
    std::vector<Step> steps;
    const auto add = [&steps](const std::vector<Step>& more) { steps.insert(steps.end(), more.begin(), more.end()); };
    // The hall: the sulking Schleimlinge and KIRA's news, skipped.
    add({{Act::shoot, 0, 0, 60}});
    add(Skip(10, keyEnter));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 1, 0, 10},
         // The fled guard robot's key card opens the control room.
         {Act::use, keyCard[0], keyCard[1], 250},
         {Act::select, slot1, 0, 0},
         {Act::use, cardReader[0], cardReader[1], 250}});
    add(Skip(4));
    add({{Act::click, hallToControlRoom[0], hallToControlRoom[1], doorWait},
         // The control room: the ramp turned towards Wakalua, the dome open.
         {Act::shoot, 0, 0, 0},
         {Act::use, console[0], console[1], 400}});
    add(Skip(4));
    add({{Act::save, 2, 0, 10},
         {Act::click, controlRoomToHall[0], controlRoomToHall[1], doorWait},
         {Act::click, hallToRamp[0], hallToRamp[1], doorWait + 150},
         // The launch ramp: Rocko takes his half of the crystal out.
         {Act::shoot, 0, 0, 0},
         {Act::click, rocko[0], rocko[1], 400},
         {Act::key, keyPeriod, 0, 30},
         {Act::talk, lines, Choice(0, 5), 20}}); // "Kannst du die Kristallhälfte aus dem Zeitantrieb ausbauen?"
    add(Skip(5));
    add({{Act::save, 3, 0, 10},
         {Act::click, rampToHall[0], rampToHall[1], doorWait + 150},
         {Act::click, hallToCollection[0], hallToCollection[1], doorWait + 150},
         // The collection: the Baron and his half of the crystal.
         {Act::shoot, 0, 0, 0},
         {Act::click, baron[0], baron[1], 400},
         {Act::key, keyPeriod, 0, 30},
         {Act::talk, lines, Choice(0, 5), 20},
         {Act::talk, lines, Choice(4, 5), 20},
         {Act::click, collectionToHall[0], collectionToHall[1], doorWait + 150},
         // The hall: the twins' quarrel over the camera ends with Juna's
         // taking it.
         {Act::click, lotte[0], lotte[1], 400}});
    add(Skip(2));
    add({{Act::talk, lines, Choice(0, 5), 20}});
    add(Skip(8));
    add({{Act::click, hallToCollection[0], hallToCollection[1], doorWait + 150},
         // The only photo of the handsomest man in the solar system, traded
         // for his half of the crystal.
         {Act::select, slot2, 0, 0},
         {Act::use, baron[0], baron[1], 400}});
    add(Skip(6));
    add({{Act::select, slot2, 0, 0}, {Act::use, baron[0], baron[1], 100}});
    add(Skip(6));
    add({{Act::shoot, 0, 0, 0},
         {Act::save, 4, 0, 10},
         // The two halves: the whole crystal.
         {Act::select, slot2, 0, 0},
         {Act::use, slot1, slotY, 20}});
    add(Skip(3));
    add({{Act::click, collectionToHall[0], collectionToHall[1], doorWait + 150},
         {Act::click, hallToRamp[0], hallToRamp[1], doorWait + 150},
         // Into the taxi, home to Wakalua: the flight and the closing scene
         // on the beach watched to their end, photographed now and then.
         {Act::select, slot1, 0, 0},
         {Act::click, taxi[0], taxi[1], 300}});
    for (int shot = 0; shot < closingShots; ++shot)
        add({{Act::shoot, 0, 0, closingFrames / closingShots}});
    add({{Act::shoot, 0, 0, 600}});
    return steps;
}

} // namespace walkthrough::episode6
