// The base's airlock: steel walls, space suits on their hooks, the console, and the inner door to the yard with
// its window, smeared with slime, where the Schleimlinge press their eye
// stalks to the glass; side doors lead to the lab and the store.
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
constexpr const char* roomSchleuse = "RoomSchleuse";

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

RoomDescription RoomSchleuse()
{
    RoomDescription room;
    room.label = roomSchleuse;
    room.folder = "data\\level05\\roomschleuse\\";
    room.paint = Paint;
    room.floor = {{{10.0, 480.0}, {1014.0, 480.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 610.0}, {984.0, 610.0}},
                  {{80.0, 610.0}, {80.0, 480.0}},
                  {{120.0, 610.0}, {120.0, 540.0}},
                  {{215.0, 610.0}, {215.0, 480.0}},
                  {{215.0, 610.0}, {215.0, 540.0}},
                  {{935.0, 610.0}, {935.0, 480.0}},
                  {{900.0, 610.0}, {900.0, 540.0}},
                  {{515.0, 610.0}, {515.0, 520.0}},
                  {{735.0, 610.0}, {735.0, 520.0}},
                  {{345.0, 610.0}, {345.0, 520.0}},
                  {{735.0, 610.0}, {735.0, 560.0}}};
    room.backY = 480;
    room.frontY = 720;
    room.light = 0xE8E0F4;
    room.graphics = {
        Block("tuer_landeplatz", 20, 250, 120, 230, items::doorFrames, 0x5A6A7A),
        Block("tuer_lager", 160, 270, 110, 210, items::doorFrames, 0x5A6A7A),
        Block("anzuege", 290, 250, 110, 210, 1, 0x9AD050),
        Block("hoftuer", 420, 190, 190, 290, 1, 0x9AD050),
        Block("aliens", 640, 210, 190, 130, 6, 0x9AD050),
        Block("fenster", 630, 200, 210, 150, 1, 0x9AD050),
        Block("schleim", 640, 210, 190, 130, 1, 0x9AD050),
        Block("konsole", 650, 380, 170, 90, 1, 0x9AD050),
        Block("tuer_labor", 870, 250, 130, 230, items::doorFrames, 0x5A6A7A),
    };
    room.ambience = Ambience::airlock;
    return room;
}

levels::RoomStaging SchleuseStaging()
{
    using items::FullName;
    return {
        {{"TuerLandeplatz", "Zum Landeplatz", roomSchleuse, FullName("RoomLandeplatz", "TuerSchleuse"), {80, 480}, {120, 540}, "tuer_landeplatz"},
         {"TuerLager", "Zum Lager", roomSchleuse, FullName("RoomLager", "TuerSchleuse"), {215, 480}, {215, 540}, "tuer_lager"},
         {"TuerLabor", "Zum Labor", roomSchleuse, FullName("RoomLabor", "TuerSchleuse"), {935, 480}, {900, 540}, "tuer_labor"}},
        {{"LeereFlasche", "Leere Spr\xfc" "hflasche", roomSchleuse, items::Pickup::none, "leereflasche", false}},
        {},
        {{"hoftuer", "T\xfc" "r zum Basishof", {515, 520}, Entity::up},
         {"fenster", "Fenster", {735, 520}, Entity::up},
         {"anzuege", "Raumanz\xfc" "ge", {345, 520}, Entity::up},
         {"konsole", "Schleusenkonsole", {735, 560}, Entity::up}},
    };
}

} // namespace content::rooms
