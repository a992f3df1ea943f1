#pragma once

// The files of a room, all derived from its description:
//   <folder>background.jpg    the painted picture
//   <folder>walkarea.bmp      magenta where nobody walks (black once loaded), white
//                             floor, blue lead lines
//   <folder>depthmap.bmp      grey by row: white at the back, black at the front
//   <folder>lightmap.bmp      the tint of characters at each point
//   <folder><still>.bmp       each still graphic (magenta clear, Alpha companion when soft)
//   <folder><anim>01.bmp ...  each frame of each animation
//   <folder>spriteinfos.txt   the rectangle of every file above in room coordinates
//   <folder>ambient.ogg       the room's ambient loop
// The three maps have the background's size.

#include "RoomDescription.h"
#include "SpriteArt.h"
#include "graphics/Image.h"

#include <memory>
#include <string>

namespace content::rooms {

Picture PaintBackground(const RoomDescription& room);
// Frame `frame` of a graphic of the room, of the graphic's size.
Picture GraphicFrame(const RoomGraphic& graphic, int frame);
std::unique_ptr<Image> WalkAreaImage(const RoomDescription& room);
std::unique_ptr<Image> DepthMapImage(const RoomDescription& room);
std::unique_ptr<Image> LightMapImage(const RoomDescription& room);
// The sprite-info file: one line `"name" x y width height` per file, Windows
// line ends.
std::string SpriteInfoText(const RoomDescription& room);
// The ambient file's name in the room's folder.
inline constexpr const char* ambientFile = "ambient.ogg";

// Writes every file of the room below the working directory; false after a
// message on standard error when one could not be written.
bool WriteRoom(const RoomDescription& room);

} // namespace content::rooms
