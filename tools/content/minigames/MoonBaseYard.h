#pragma once

// The alien shooting gallery's yard of the Baron's moon base at night, seen
// from a low wall: the picture the game draws in the screen's band from row
// 128 to 639, and three masks cut from it, one for each row of cover
// (back: the base's wall; middle: pipes, tanks, the moon buggy and
// containers; front: crates, barrels and a low steel wall). Each mask holds
// exactly the picture's pixels of its row's cover and is clear elsewhere;
// the game draws it over the aliens that pop up behind that row.

#include "SpriteArt.h"

namespace content::minigames {

constexpr int yardWidth = 1024;
constexpr int yardHeight = 512;
// The screen row the yard's top is drawn at.
constexpr int yardTop = 128;

enum class CoverRow { back, middle, front };

// A place where an alien pops up: x and y as the game's table has them (y
// before the band's offset), the alien's scale and the row it hides behind.
struct AlienPlace {
    int x;
    int y;
    double scale;
    CoverRow row;
};

inline constexpr AlienPlace alienPlaces[] = {
    {889, 426, 1.0, CoverRow::front},   {800, 435, 1.0, CoverRow::front},   {725, 442, 1.0, CoverRow::front},
    {660, 449, 1.0, CoverRow::front},   {570, 460, 1.0, CoverRow::front},   {455, 471, 1.0, CoverRow::front},
    {49, 361, 0.5, CoverRow::middle},   {147, 347, 0.5, CoverRow::middle},  {486, 300, 0.4, CoverRow::middle},
    {419, 300, 0.4, CoverRow::middle},  {368, 300, 0.4, CoverRow::middle},  {915, 339, 0.4, CoverRow::middle},
    {950, 341, 0.4, CoverRow::middle},  {624, 324, 0.35, CoverRow::middle}, {688, 329, 0.35, CoverRow::middle},
    {93, 292, 0.3, CoverRow::back},     {448, 270, 0.2, CoverRow::back},    {387, 275, 0.2, CoverRow::back},
    {334, 274, 0.2, CoverRow::back},    {285, 275, 0.2, CoverRow::back}};

// The row of the yard's picture that the bottom middle of a place's alien
// frame stands on (the game draws it 72 scaled pixels below the table's y).
constexpr double PlaceBottom(const AlienPlace& place)
{
    return place.y + 72.0 * place.scale;
}

// How far above a place's bottom its cover reaches, at scale 1: a little
// under half of a middle-sized alien.
constexpr double coverRise = 70.0;

struct MoonBaseYard {
    Picture background;
    Picture backMask;
    Picture middleMask;
    Picture frontMask;
};

MoonBaseYard DrawMoonBaseYard();

} // namespace content::minigames
