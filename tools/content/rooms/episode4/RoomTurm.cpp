// The top room of the castle's tower: beams under the roof, the bell, a
// window over the valley, a chest and the pigeons; on a beam sits the
// Baron's tin magpie by her nest of stolen shiny things.
//
// A stand-in: flat shapes where the room's things will be painted, so that
// the level, its scripts and its tests can be made before the picture.
#include "Episode4Rooms.h"
#include "SpriteArt.h"
#include "adventure/CastAnimations.h"
#include "items/DoorArt.h"
#include "items/ItemPictures.h"

namespace content::rooms {

namespace {
constexpr const char* roomTurm = "RoomTurm";

void Paint(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, 1024.0, 520.0);
    SetColour(cairo, 0x8A8A92, 1.0);
    cairo_fill(cairo);
    cairo_rectangle(cairo, 0.0, 520.0, 1024.0, 768.0 - 520.0);
    SetColour(cairo, 0x6A5E50, 1.0);
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

RoomDescription RoomTurm()
{
    RoomDescription room;
    room.label = roomTurm;
    room.folder = "data\\level04\\roomturm\\";
    room.paint = Paint;
    room.floor = {{{10.0, 520.0}, {1014.0, 520.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 630.0}, {984.0, 630.0}},
                  {{115.0, 630.0}, {115.0, 530.0}},
                  {{180.0, 630.0}, {180.0, 600.0}},
                  {{620.0, 630.0}, {620.0, 600.0}},
                  {{760.0, 630.0}, {760.0, 600.0}},
                  {{450.0, 630.0}, {450.0, 560.0}},
                  {{880.0, 630.0}, {880.0, 580.0}},
                  {{320.0, 630.0}, {320.0, 650.0}},
                  {{900.0, 630.0}, {900.0, 620.0}}};
    room.backY = 520;
    room.frontY = 720;
    room.light = 0xE8E4F0;
    room.graphics = {
        Block("tuer_burghof", 60, 330, 110, 200, items::doorFrames, 0x6A4A34),
        Block("elster", 560, 60, 120, 100, 1, 0xB0A890),
        Block("nest", 700, 90, 120, 70, 1, 0xB0A890),
        Block("fenster", 380, 200, 140, 200, 1, 0xB0A890),
        Block("glocke", 820, 180, 140, 160, 1, 0xB0A890),
        Block("truhe", 250, 520, 140, 90, 1, 0xB0A890),
        Block("tauben", 880, 420, 120, 80, 1, 0xB0A890),
    };
    room.ambience = Ambience::tower;
    return room;
}

levels::RoomStaging TurmStaging()
{
    using items::FullName;
    return {
        {{"TuerBurghof", "Zum Burghof", roomTurm, FullName("RoomBurghof", "TuerTurm"), {115, 530}, {180, 600}, "tuer_burghof"}},
        {{"Kristallhaelfte", "Kristallh\xe4" "lfte", roomTurm, items::Pickup::none, "kristallhaelfte", false}},
        {},
        {{"elster", "Blechelster", {620, 600}, Entity::up},
         {"nest", "Nest", {760, 600}, Entity::up},
         {"fenster", "Fenster", {450, 560}, Entity::up},
         {"glocke", "Glocke", {880, 580}, Entity::up},
         {"truhe", "Truhe", {320, 650}, Entity::up},
         {"tauben", "Tauben", {900, 620}, Entity::up}},
    };
}

} // namespace content::rooms
