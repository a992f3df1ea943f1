// Home on Wakalua, the closing scene's room: the beach where the Zephyra
// crash-landed, mended now, Kapitän Baltasar and Häuptling Kalani waiting
// under the palms, and the sea.
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
constexpr const char* roomHeimkehr = "RoomHeimkehr";

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

RoomDescription RoomHeimkehr()
{
    RoomDescription room;
    room.label = roomHeimkehr;
    room.folder = "data\\level06\\roomheimkehr\\";
    room.paint = Paint;
    room.floor = {{{10.0, 480.0}, {1014.0, 480.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 610.0}, {984.0, 610.0}},
                  {{570.0, 610.0}, {570.0, 630.0}},
                  {{760.0, 610.0}, {760.0, 620.0}},
                  {{640.0, 610.0}, {640.0, 560.0}},
                  {{200.0, 610.0}, {200.0, 560.0}}};
    room.backY = 480;
    room.frontY = 720;
    room.light = 0xE8E0F4;
    room.graphics = {
        Block("zephyra", 520, 140, 480, 340, 1, 0x9AD050),
        Block("palmen", 20, 100, 260, 380, 1, 0x9AD050),
        Block("meer", 0, 420, 1024, 60, 4, 0x9AD050),
    };
    room.ambience = Ambience::waves;
    return room;
}

levels::RoomStaging HeimkehrStaging()
{
    using items::FullName;
    return {
        {},
        {},
        {{castanimations::baltasar, "Baltasar", "Kapit\xe4" "n Baltasar", roomHeimkehr, {640, 620}, Entity::left, -200, {570, 630}},
         {castanimations::kalani, "Kalani", "H\xe4" "uptling Kalani", roomHeimkehr, {820, 600}, Entity::left, -200, {760, 620}}},
        {{"zephyra", "Zephyra", {640, 560}, Entity::up},
         {"palmen", "Palmen", {200, 560}, Entity::up}},
    };
}

} // namespace content::rooms
