// The great hall of Burg Felsenstein: the lord's throne, the long table
// with a tarnished silver tray, the fireplace, a tapestry, a suit of armour
// and the iron chandelier; the herald waits here for his lord.
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
constexpr const char* roomRittersaal = "RoomRittersaal";

void Paint(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, 1024.0, 500.0);
    SetColour(cairo, 0x8C7A6A, 1.0);
    cairo_fill(cairo);
    cairo_rectangle(cairo, 0.0, 500.0, 1024.0, 768.0 - 500.0);
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

RoomDescription RoomRittersaal()
{
    RoomDescription room;
    room.label = roomRittersaal;
    room.folder = "data\\level04\\roomrittersaal\\";
    room.paint = Paint;
    room.floor = {{{10.0, 500.0}, {1014.0, 500.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 620.0}, {984.0, 620.0}},
                  {{95.0, 620.0}, {95.0, 510.0}},
                  {{160.0, 620.0}, {160.0, 580.0}},
                  {{800.0, 620.0}, {800.0, 540.0}},
                  {{480.0, 620.0}, {480.0, 640.0}},
                  {{230.0, 620.0}, {230.0, 520.0}},
                  {{630.0, 620.0}, {630.0, 520.0}},
                  {{900.0, 620.0}, {900.0, 560.0}},
                  {{510.0, 620.0}, {510.0, 560.0}},
                  {{540.0, 620.0}, {540.0, 620.0}}};
    room.backY = 500;
    room.frontY = 720;
    room.light = 0xF0DCC0;
    room.graphics = {
        Block("tuer_burghof", 40, 300, 110, 200, items::doorFrames, 0x6A4A34),
        Block("thron", 720, 250, 160, 250, 1, 0xB0A890),
        Block("tafel", 300, 480, 360, 110, 1, 0xB0A890),
        Block("kamin", 180, 220, 100, 250, 1, 0xB0A890),
        Block("wandteppich", 560, 80, 140, 200, 1, 0xB0A890),
        Block("ruestung", 920, 300, 80, 220, 1, 0xB0A890),
        Block("kronleuchter", 400, 20, 220, 120, 1, 0xB0A890),
        items::LyingItemGraphic("tablett", 470, 500),
    };
    room.ambience = Ambience::greatHall;
    return room;
}

levels::RoomStaging RittersaalStaging()
{
    using items::FullName;
    return {
        {{"TuerBurghof", "Zum Burghof", roomRittersaal, FullName("RoomBurghof", "TuerRittersaal"), {95, 510}, {160, 580}, "tuer_burghof"}},
        {{"Tablett", "Angelaufenes Tablett", roomRittersaal, items::Pickup::middle, "tablett", true},
         {"Silbertablett", "Silbertablett", roomRittersaal, items::Pickup::none, "silbertablett", false}},
        {{castanimations::herold, "Herold", "Herold Humbert", roomRittersaal, {620, 600}, Entity::leftDown, -200, {540, 620}}},
        {{"thron", "Thron", {800, 540}, Entity::up},
         {"tafel", "Tafel", {480, 640}, Entity::up},
         {"kamin", "Kamin", {230, 520}, Entity::up},
         {"wandteppich", "Wandteppich", {630, 520}, Entity::up},
         {"ruestung", "Ritterr\xfc" "stung", {900, 560}, Entity::right},
         {"kronleuchter", "Kronleuchter", {510, 560}, Entity::up}},
    };
}

} // namespace content::rooms
