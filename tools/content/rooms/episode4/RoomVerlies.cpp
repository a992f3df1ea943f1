// The castle's dungeon: damp vaults, an empty cell behind bars, a torch,
// straw, a rat, and in the wall a rusty ring that holds an old iron ball on
// its chain.
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
constexpr const char* roomVerlies = "RoomVerlies";

void Paint(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, 1024.0, 520.0);
    SetColour(cairo, 0x5E5A62, 1.0);
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

RoomDescription RoomVerlies()
{
    RoomDescription room;
    room.label = roomVerlies;
    room.folder = "data\\level04\\roomverlies\\";
    room.paint = Paint;
    room.floor = {{{10.0, 520.0}, {1014.0, 520.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 630.0}, {984.0, 630.0}},
                  {{910.0, 630.0}, {910.0, 530.0}},
                  {{840.0, 630.0}, {840.0, 600.0}},
                  {{190.0, 630.0}, {190.0, 580.0}},
                  {{330.0, 630.0}, {330.0, 640.0}},
                  {{560.0, 630.0}, {560.0, 560.0}},
                  {{140.0, 630.0}, {140.0, 700.0}},
                  {{325.0, 630.0}, {325.0, 560.0}},
                  {{700.0, 630.0}, {700.0, 680.0}}};
    room.backY = 520;
    room.frontY = 720;
    room.light = 0xC8C0D8;
    room.graphics = {
        Block("tuer_burghof", 850, 300, 120, 220, items::doorFrames, 0x6A4A34),
        Block("ring", 150, 380, 80, 80, 1, 0xB0A890),
        Block("kugel", 220, 560, 90, 70, 1, 0xB0A890),
        Block("zelle", 400, 200, 320, 320, 1, 0xB0A890),
        Block("stroh", 40, 640, 140, 60, 1, 0xB0A890),
        Block("fackel", 300, 220, 50, 100, 1, 0xB0A890),
        Block("ratte", 760, 640, 70, 40, 1, 0xB0A890),
    };
    room.ambience = Ambience::dungeon;
    return room;
}

levels::RoomStaging VerliesStaging()
{
    using items::FullName;
    return {
        {{"TuerBurghof", "Zum Burghof", roomVerlies, FullName("RoomBurghof", "TuerVerlies"), {910, 530}, {840, 600}, "tuer_burghof"}},
        {{"Eisenkugel", "Eisenkugel", roomVerlies, items::Pickup::none, "eisenkugel", false}},
        {},
        {{"ring", "Eisenring", {190, 580}, Entity::up},
         {"kugel", "Eisenkugel", {330, 640}, Entity::left},
         {"zelle", "Zelle", {560, 560}, Entity::up},
         {"stroh", "Stroh", {140, 700}, Entity::left},
         {"fackel", "Fackel", {325, 560}, Entity::up},
         {"ratte", "Ratte", {700, 680}, Entity::right}},
    };
}

} // namespace content::rooms
