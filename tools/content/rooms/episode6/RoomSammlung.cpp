// The Baron's collection: glass cases of stolen treasures, the best of
// them with his half of the crystal, an empty golden frame waiting for his
// portrait, a dinosaur's skeleton, a mummy, a crown, and the tin magpie of
// the castle in a cage.
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
constexpr const char* roomSammlung = "RoomSammlung";

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

RoomDescription RoomSammlung()
{
    RoomDescription room;
    room.label = roomSammlung;
    room.folder = "data\\level06\\roomsammlung\\";
    room.paint = Paint;
    room.floor = {{{10.0, 480.0}, {1014.0, 480.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 610.0}, {984.0, 610.0}},
                  {{940.0, 610.0}, {940.0, 480.0}},
                  {{900.0, 610.0}, {900.0, 540.0}},
                  {{520.0, 610.0}, {520.0, 620.0}},
                  {{500.0, 610.0}, {500.0, 540.0}},
                  {{700.0, 610.0}, {700.0, 540.0}},
                  {{190.0, 610.0}, {190.0, 540.0}},
                  {{390.0, 610.0}, {390.0, 540.0}},
                  {{665.0, 610.0}, {665.0, 560.0}},
                  {{805.0, 610.0}, {805.0, 540.0}}};
    room.backY = 480;
    room.frontY = 720;
    room.light = 0xE8E0F4;
    room.graphics = {
        Block("tuer_basis", 880, 250, 130, 230, items::doorFrames, 0x5A6A7A),
        Block("vitrine", 420, 300, 160, 220, 1, 0x9AD050),
        Block("kristallschein", 460, 330, 80, 80, 6, 0x9AD050),
        Block("baronfoto", 460, 340, 80, 90, 1, 0x9AD050),
        Block("rahmen", 620, 160, 160, 140, 1, 0x9AD050),
        Block("dino", 40, 180, 300, 300, 1, 0x9AD050),
        Block("mumie", 360, 250, 60, 220, 1, 0x9AD050),
        Block("krone", 620, 360, 90, 100, 1, 0x9AD050),
        Block("elster", 760, 300, 90, 120, 4, 0x9AD050),
    };
    room.ambience = Ambience::collection;
    return room;
}

levels::RoomStaging SammlungStaging()
{
    using items::FullName;
    return {
        {{"TuerBasis", "Zur Halle", roomSammlung, FullName("RoomBasis", "TuerSammlung"), {940, 480}, {900, 540}, "tuer_basis"}},
        {{"Foto", "Foto vom Baron", roomSammlung, items::Pickup::none, "foto", false},
         {"Kristallhaelfte", "Kristallh\xe4" "lfte", roomSammlung, items::Pickup::none, "kristallhaelfte", false}},
        {{castanimations::baron, "Baron", "Baron von Blech", roomSammlung, {600, 600}, Entity::left, -200, {520, 620}}},
        {{"vitrine", "Vitrine", {500, 540}, Entity::up},
         {"rahmen", "Goldener Rahmen", {700, 540}, Entity::up},
         {"dino", "Dino-Skelett", {190, 540}, Entity::up},
         {"mumie", "Mumie", {390, 540}, Entity::up},
         {"krone", "Krone", {665, 560}, Entity::up},
         {"elster", "Blechelster", {805, 540}, Entity::up}},
    };
}

} // namespace content::rooms
