// The Baron's lab: the computer with his diary, a board of his sketches,
// the aliens' empty terrarium under its heat lamp, the breeding tank where
// the last Schleimling wobbles, the lab press and a shelf of chemicals.
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
constexpr const char* roomLabor = "RoomLabor";

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

RoomDescription RoomLabor()
{
    RoomDescription room;
    room.label = roomLabor;
    room.folder = "data\\level05\\roomlabor\\";
    room.paint = Paint;
    room.floor = {{{10.0, 480.0}, {1014.0, 480.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 610.0}, {984.0, 610.0}},
                  {{80.0, 610.0}, {80.0, 480.0}},
                  {{130.0, 610.0}, {130.0, 540.0}},
                  {{255.0, 610.0}, {255.0, 530.0}},
                  {{450.0, 610.0}, {450.0, 520.0}},
                  {{640.0, 610.0}, {640.0, 520.0}},
                  {{660.0, 610.0}, {660.0, 520.0}},
                  {{850.0, 610.0}, {850.0, 520.0}},
                  {{500.0, 610.0}, {500.0, 640.0}},
                  {{960.0, 610.0}, {960.0, 540.0}}};
    room.backY = 480;
    room.frontY = 720;
    room.light = 0xE8E0F4;
    room.graphics = {
        Block("tuer_schleuse", 20, 260, 120, 220, items::doorFrames, 0x5A6A7A),
        Block("computer", 170, 300, 170, 160, 1, 0x9AD050),
        Block("tafel", 360, 150, 180, 120, 1, 0x9AD050),
        Block("terrarium", 560, 330, 180, 130, 1, 0x9AD050),
        Block("waermelampe", 600, 200, 100, 120, 1, 0x9AD050),
        Block("tank", 780, 220, 140, 260, 6, 0x9AD050),
        Block("presse", 420, 420, 150, 170, 1, 0x9AD050),
        Block("regal", 940, 200, 84, 280, 1, 0x9AD050),
    };
    room.ambience = Ambience::laboratory;
    return room;
}

levels::RoomStaging LaborStaging()
{
    using items::FullName;
    return {
        {{"TuerSchleuse", "Zur Schleuse", roomLabor, FullName("RoomSchleuse", "TuerLabor"), {80, 480}, {130, 540}, "tuer_schleuse"}},
        {{"Zwiebel", "Riesenzwiebel", roomLabor, items::Pickup::none, "zwiebel", false},
         {"Zwiebelsaft", "Zwiebelsaft", roomLabor, items::Pickup::none, "zwiebelsaft", false},
         {"Abwehrspray", "Schleimling-Abwehrspray", roomLabor, items::Pickup::none, "abwehrspray", false}},
        {},
        {{"computer", "Laborcomputer", {255, 530}, Entity::up},
         {"tafel", "Tafel", {450, 520}, Entity::up},
         {"terrarium", "Terrarium", {640, 520}, Entity::up},
         {"waermelampe", "W\xe4" "rmelampe", {660, 520}, Entity::up},
         {"tank", "Zuchttank", {850, 520}, Entity::up},
         {"presse", "Laborpresse", {500, 640}, Entity::up},
         {"regal", "Chemikalienregal", {960, 540}, Entity::up}},
    };
}

} // namespace content::rooms
