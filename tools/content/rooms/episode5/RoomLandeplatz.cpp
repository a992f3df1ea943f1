// The Baron's landing pad on his moon, under the base's glass dome: the
// black sky with the Earth, the airlock's outer door in the base's wall with
// its dead switch box, Rocko's taxi just landed, and a crashed supply capsule.
//
// A stand-in: flat shapes where the room's things will be painted, so that
// the level, its scripts and its tests can be made before the picture.
#include "Episode5Rooms.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"

namespace content::rooms {

namespace {
constexpr const char* roomLandeplatz = "RoomLandeplatz";

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

RoomDescription RoomLandeplatz()
{
    RoomDescription room;
    room.label = roomLandeplatz;
    room.folder = "data\\level05\\roomlandeplatz\\";
    room.paint = Paint;
    room.floor = {{{10.0, 480.0}, {1014.0, 480.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 610.0}, {984.0, 610.0}},
                  {{910.0, 610.0}, {910.0, 480.0}},
                  {{880.0, 610.0}, {880.0, 540.0}},
                  {{650.0, 610.0}, {650.0, 620.0}},
                  {{200.0, 610.0}, {200.0, 700.0}},
                  {{350.0, 610.0}, {350.0, 640.0}},
                  {{790.0, 610.0}, {790.0, 520.0}},
                  {{650.0, 610.0}, {650.0, 700.0}},
                  {{300.0, 610.0}, {300.0, 560.0}},
                  {{680.0, 610.0}, {680.0, 520.0}},
                  {{110.0, 610.0}, {110.0, 540.0}}};
    room.backY = 480;
    room.frontY = 720;
    room.light = 0xE8E0F4;
    room.graphics = {
        Block("tuer_schleuse", 840, 240, 140, 240, items::doorFrames, 0x5A6A7A),
        Block("schaltkasten", 760, 330, 60, 90, 1, 0x9AD050),
        Block("kabelrolle", 500, 400, 300, 150, 1, 0x9AD050),
        Block("taxi", 180, 420, 330, 180, 1, 0x9AD050),
        Block("kapsel", 680, 560, 180, 110, 1, 0x9AD050),
        Block("offenekapsel", 680, 560, 180, 110, 1, 0x9AD050),
        Block("erde", 120, 60, 120, 120, 1, 0x9AD050),
        Block("schild", 620, 260, 120, 70, 1, 0x9AD050),
        Block("funkmast", 30, 140, 80, 340, 1, 0x9AD050),
        Block("landeblitz", 160, 340, 380, 300, 8, 0x9AD050),
    };
    room.ambience = Ambience::moonPad;
    return room;
}

levels::RoomStaging LandeplatzStaging()
{
    using items::FullName;
    return {
        {{"TuerSchleuse", "Zur Schleuse", roomLandeplatz, FullName("RoomSchleuse", "TuerLandeplatz"), {910, 480}, {880, 540}, "tuer_schleuse"}},
        {{"Kabel", "Starthilfekabel", roomLandeplatz, items::Pickup::none, "kabel", false},
         {"Eiszwiebel", "Tiefgefrorene Riesenzwiebel", roomLandeplatz, items::Pickup::none, "eiszwiebel", false}},
        {{castanimations::rocko, "Rocko", "Rocko", roomLandeplatz, {580, 610}, Entity::left, -190, {650, 620}},
         {castanimations::kira, "Kira", "KIRA", roomLandeplatz, {130, 690}, Entity::right, -150, {200, 700}}},
        {{"taxi", "Rockos Taxi", {350, 640}, Entity::up},
         {"schaltkasten", "Schaltkasten", {790, 520}, Entity::up},
         {"kapsel", "Versorgungskapsel", {650, 700}, Entity::right},
         {"offenekapsel", "Versorgungskapsel", {650, 700}, Entity::right},
         {"erde", "Erde", {300, 560}, Entity::up},
         {"schild", "Schild", {680, 520}, Entity::up},
         {"funkmast", "Funkmast", {110, 540}, Entity::up}},
    };
}

} // namespace content::rooms
