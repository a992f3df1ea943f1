#pragma once

// The gallery's sheets of the rooms: each room's sprite-info file read with
// the game's SpriteInfosLoaderUtil, its pictures and maps with the game's
// image loaders. Per room two files:
//   room-<folder>.png        the room at full size as a player sees it: the
//                            background with every still and the first frame
//                            of every animation in its place;
//   room-<folder>-maps.png   the same at half size four times: as it is;
//                            with the walk area over it (blocked cells
//                            darkened, walkable ones tinted green, lead cells
//                            blue), the graphics' rectangles outlined and
//                            the paths found for five fixed clicks drawn
//                            as orange lines with their waypoints;
//                            with the depth map blended in; tinted by the
//                            light map.

#include <filesystem>
#include <string>

namespace gallery {

// Writes the sheets of the room whose sprite-info file is `spriteInfos`
// (named as the game names it); false when the room's files cannot be read
// or a sheet cannot be written.
bool WriteRoomSheets(const std::string& spriteInfos, const std::filesystem::path& output);

} // namespace gallery
