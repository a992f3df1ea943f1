// The base's central hall behind the cleared yard: slime splashed over
// its floor, the sprayed Schleimlinge cowering in a corner, a golden
// statue of the Baron, and doors to his collection, the control room with
// its card reader and the launch ramp.
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
constexpr const char* roomBasis = "RoomBasis";

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

RoomDescription RoomBasis()
{
    RoomDescription room;
    room.label = roomBasis;
    room.folder = "data\\level06\\roombasis\\";
    room.paint = Paint;
    room.floor = {{{10.0, 480.0}, {1014.0, 480.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 610.0}, {984.0, 610.0}},
                  {{85.0, 610.0}, {85.0, 480.0}},
                  {{120.0, 610.0}, {120.0, 540.0}},
                  {{510.0, 610.0}, {510.0, 480.0}},
                  {{510.0, 610.0}, {510.0, 540.0}},
                  {{940.0, 610.0}, {940.0, 480.0}},
                  {{900.0, 610.0}, {900.0, 540.0}},
                  {{370.0, 610.0}, {370.0, 630.0}},
                  {{460.0, 610.0}, {460.0, 640.0}},
                  {{580.0, 610.0}, {580.0, 610.0}},
                  {{620.0, 610.0}, {620.0, 540.0}},
                  {{270.0, 610.0}, {270.0, 540.0}},
                  {{760.0, 610.0}, {760.0, 620.0}},
                  {{760.0, 610.0}, {760.0, 540.0}}};
    room.backY = 480;
    room.frontY = 720;
    room.light = 0xE8E0F4;
    room.graphics = {
        Block("tuer_sammlung", 20, 250, 130, 230, items::doorFrames, 0x5A6A7A),
        Block("tuer_kontrollraum", 440, 240, 140, 240, items::doorFrames, 0x5A6A7A),
        Block("kartenleser", 600, 330, 50, 80, 1, 0x9AD050),
        Block("tuer_startrampe", 874, 250, 130, 230, items::doorFrames, 0x5A6A7A),
        Block("statue", 200, 200, 140, 300, 1, 0x9AD050),
        Block("schleimlinge", 700, 520, 200, 110, 6, 0x9AD050),
        Block("plakat", 680, 220, 160, 110, 1, 0x9AD050),
        items::LyingItemGraphic("zugangskarte", 820, 660),
    };
    room.ambience = Ambience::baseHall;
    return room;
}

levels::RoomStaging BasisStaging()
{
    using items::FullName;
    return {
        {{"TuerSammlung", "Zur Sammlung", roomBasis, FullName("RoomSammlung", "TuerBasis"), {85, 480}, {120, 540}, "tuer_sammlung"},
         {"TuerKontrollraum", "Zum Kontrollraum", roomBasis, FullName("RoomKontrollraum", "TuerBasis"), {510, 480}, {510, 540}, "tuer_kontrollraum"},
         {"TuerStartrampe", "Zur Startrampe", roomBasis, FullName("RoomStartrampe", "TuerBasis"), {940, 480}, {900, 540}, "tuer_startrampe"}},
        {{"Zugangskarte", "Schleimige Zugangskarte", roomBasis, items::Pickup::low, "zugangskarte", true},
         {"Kamera", "Mias Kamera", roomBasis, items::Pickup::none, "kamera", false}},
        {{castanimations::lotte, "Lotte", "Lotte", roomBasis, {300, 620}, Entity::right, -150, {370, 630}},
         {castanimations::mia, "Mia", "Mia", roomBasis, {400, 620}, Entity::left, -150, {460, 640}},
         {castanimations::kira, "Kira", "KIRA", roomBasis, {640, 600}, Entity::left, -150, {580, 610}}},
        {{"kartenleser", "Kartenleser", {620, 540}, Entity::up},
         {"statue", "Baron-Statue", {270, 540}, Entity::up},
         {"schleimlinge", "Schleimlinge", {760, 620}, Entity::right},
         {"plakat", "Plakat", {760, 540}, Entity::up}},
    };
}

} // namespace content::rooms
