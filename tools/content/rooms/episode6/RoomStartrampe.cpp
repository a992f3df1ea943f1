// The launch ramp under the base's dome: Rocko's taxi on the ramp's
// cradle, the fuel tank and a crane, and the dome above, shut until the
// control room aims the ramp and opens it on the stars.
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
constexpr const char* roomStartrampe = "RoomStartrampe";

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

RoomDescription RoomStartrampe()
{
    RoomDescription room;
    room.label = roomStartrampe;
    room.folder = "data\\level06\\roomstartrampe\\";
    room.paint = Paint;
    room.floor = {{{10.0, 480.0}, {1014.0, 480.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 610.0}, {984.0, 610.0}},
                  {{85.0, 610.0}, {85.0, 480.0}},
                  {{120.0, 610.0}, {120.0, 540.0}},
                  {{690.0, 610.0}, {690.0, 640.0}},
                  {{510.0, 610.0}, {510.0, 600.0}},
                  {{560.0, 610.0}, {560.0, 600.0}},
                  {{520.0, 610.0}, {520.0, 560.0}},
                  {{850.0, 610.0}, {850.0, 540.0}},
                  {{210.0, 610.0}, {210.0, 540.0}}};
    room.backY = 480;
    room.frontY = 720;
    room.light = 0xE8E0F4;
    room.graphics = {
        Block("tuer_basis", 20, 250, 130, 230, items::doorFrames, 0x5A6A7A),
        Block("kuppel", 200, 20, 640, 200, 1, 0x9AD050),
        Block("offenekuppel", 200, 20, 640, 200, 1, 0x9AD050),
        Block("rampe", 300, 300, 420, 260, 1, 0x9AD050),
        Block("taxi", 360, 380, 300, 170, 1, 0x9AD050),
        Block("startflamme", 380, 480, 260, 160, 8, 0x9AD050),
        Block("tank", 780, 260, 140, 240, 1, 0x9AD050),
        Block("kran", 150, 120, 120, 360, 1, 0x9AD050),
    };
    room.ambience = Ambience::launchRamp;
    return room;
}

levels::RoomStaging StartrampeStaging()
{
    using items::FullName;
    return {
        {{"TuerBasis", "Zur Halle", roomStartrampe, FullName("RoomBasis", "TuerStartrampe"), {85, 480}, {120, 540}, "tuer_basis"}},
        {{"Taxikristall", "Kristallh\xe4" "lfte aus dem Taxi", roomStartrampe, items::Pickup::none, "taxikristall", false},
         {"Kristall", "Hyperraumkristall", roomStartrampe, items::Pickup::none, "ganzerkristall", false}},
        {{castanimations::rocko, "Rocko", "Rocko", roomStartrampe, {760, 620}, Entity::left, -190, {690, 640}}},
        {{"taxi", "Rockos Taxi", {510, 600}, Entity::up},
         {"rampe", "Startrampe", {560, 600}, Entity::up},
         {"kuppel", "Kuppel", {520, 560}, Entity::up},
         {"offenekuppel", "Kuppel", {520, 560}, Entity::up},
         {"tank", "Treibstofftank", {850, 540}, Entity::up},
         {"kran", "Kran", {210, 540}, Entity::up}},
    };
}

} // namespace content::rooms
