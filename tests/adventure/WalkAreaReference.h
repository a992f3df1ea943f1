#pragma once

// Walk areas for the path finder's tests and benchmarks, a plain textbook
// A* to check its answers against, and a check of its waypoints.

#include "ByteMap.h"
#include "graphics/Sprite.h"

#include <string>
#include <vector>

// A walk area from rows of text: '#' blocked, '.' walkable, 'L' lead.
ByteMap MakeWalkArea(const std::vector<std::string>& rows);

// A walk area of four rooms side by side, joined in a zigzag: 12-pixel walls
// open alternately at the bottom and the top quarter, a pillar in each of the
// first three rooms, and in the last room a walled-off island. With `leads`,
// a lead line runs down the middle of every room and joins the rooms through
// the openings; a ring of leads runs around the island, which has a lead line of its
// own, not joined.
// Built from a 24-bit image through ByteMap::Init.
ByteMap MakeRoomsWalkArea(int width, int height, bool leads);
// A cell inside the island of MakeRoomsWalkArea.
Point IslandCell(int width, int height);

// The cells from start to goal along a shortest 8-neighbour way over cells
// that are not 0 (straight steps cost 1, diagonal ones the square root of
// 2); empty when there is none or an end is blocked.
std::vector<Point> FindReferencePath(const ByteMap& map, Point start, Point goal);

// Whether the straight segment between two waypoints stays on the walk
// area: it is walked in quarter cells, rounding to the nearest cell. A walk
// line may graze a blocked cell (only a step with no walkable cell around
// it stops it), and its rounding differs from this one by a cell, so a point
// within two cells of the walk area counts as on it; walls must be thicker
// than that for the check to mean anything.
bool SegmentStaysOnWalkArea(const ByteMap& map, Point from, Point to);
