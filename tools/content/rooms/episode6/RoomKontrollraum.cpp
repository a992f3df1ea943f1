// The base's control room: a wall of monitors, the launch console, the
// Baron's commander's chair and coffee machine, and a star chart with
// Wakalua on it.
//
// A stand-in: flat shapes where the room's things will be painted, so that
// the level, its scripts and its tests can be made before the picture.
#include "Episode6Rooms.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"

namespace content::rooms {

namespace {
constexpr const char* roomKontrollraum = "RoomKontrollraum";

void Paint(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, 1024.0, 480.0);
    SetColour(cairo, 0x4A3A6A, 1.0);
    cairo_fill(cairo);
    cairo_rectangle(cairo, 0.0, 480.0, 1024.0, 768.0 - 480.0);
    SetColour(cairo, 0x6A7078, 1.0);
    cairo_fill(cairo);
}

// A plain block of the graphic's size, outlined.
RoomGraphic Block(const char* name, int x, int y, int width, int height, int frames, std::uint32_t colour)
{
    return {name, x, y, width, height, frames, [width, height, colour](cairo_t* cairo, int) {
                cairo_rectangle(cairo, 2.0, 2.0, width - 4.0, height - 4.0);
                SetColour(cairo, colour, 1.0);
                cairo_fill_preserve(cairo);
                SetColour(cairo, 0x202020, 1.0);
                cairo_set_line_width(cairo, 3.0);
                cairo_stroke(cairo);
            }};
}

} // namespace

RoomDescription RoomKontrollraum()
{
    RoomDescription room;
    room.label = roomKontrollraum;
    room.folder = "data\\level06\\roomkontrollraum\\";
    room.paint = Paint;
    room.floor = {{{10.0, 480.0}, {1014.0, 480.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 610.0}, {984.0, 610.0}},
                  {{85.0, 610.0}, {85.0, 480.0}},
                  {{120.0, 610.0}, {120.0, 540.0}},
                  {{480.0, 610.0}, {480.0, 540.0}},
                  {{510.0, 610.0}, {510.0, 560.0}},
                  {{730.0, 610.0}, {730.0, 580.0}},
                  {{900.0, 610.0}, {900.0, 540.0}},
                  {{880.0, 610.0}, {880.0, 520.0}}};
    room.backY = 480;
    room.frontY = 720;
    room.light = 0xE8E0F4;
    room.graphics = {
        Block("tuer_basis", 20, 250, 130, 230, items::doorFrames, 0x5A6A7A),
        Block("monitore", 200, 120, 560, 200, 4, 0x9AD050),
        Block("startpult", 400, 380, 220, 120, 1, 0x9AD050),
        Block("sessel", 660, 400, 140, 160, 1, 0x9AD050),
        Block("kaffeemaschine", 860, 320, 100, 140, 1, 0x9AD050),
        Block("sternenkarte", 820, 140, 180, 140, 1, 0x9AD050),
    };
    room.ambience = Ambience::controlRoom;
    return room;
}

levels::RoomStaging KontrollraumStaging()
{
    using items::FullName;
    return {
        {{"TuerBasis", "Zur Halle", roomKontrollraum, FullName("RoomBasis", "TuerKontrollraum"), {85, 480}, {120, 540}, "tuer_basis"}},
        {},
        {},
        {{"monitore", "Monitore", {480, 540}, Entity::up},
         {"startpult", "Startpult", {510, 560}, Entity::up},
         {"sessel", "Kommandosessel", {730, 580}, Entity::up},
         {"kaffeemaschine", "Kaffeemaschine", {900, 540}, Entity::up},
         {"sternenkarte", "Sternenkarte", {880, 520}, Entity::up}},
    };
}

} // namespace content::rooms
