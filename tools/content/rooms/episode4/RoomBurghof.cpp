// The castle yard of Burg Felsenstein: the gate Juna came through, the
// doors to the great hall, the kitchen and the tower, the stairs down to the
// dungeon, Rocko's taxi in the smith's chain and a hay cart.
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
constexpr const char* roomBurghof = "RoomBurghof";

void Paint(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, 1024.0, 470.0);
    SetColour(cairo, 0x9A968E, 1.0);
    cairo_fill(cairo);
    cairo_rectangle(cairo, 0.0, 470.0, 1024.0, 768.0 - 470.0);
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

RoomDescription RoomBurghof()
{
    RoomDescription room;
    room.label = roomBurghof;
    room.folder = "data\\level04\\roomburghof\\";
    room.paint = Paint;
    room.floor = {{{10.0, 470.0}, {1014.0, 470.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 605.0}, {984.0, 605.0}},
                  {{265.0, 605.0}, {265.0, 480.0}},
                  {{265.0, 605.0}, {265.0, 540.0}},
                  {{745.0, 605.0}, {745.0, 480.0}},
                  {{745.0, 605.0}, {745.0, 540.0}},
                  {{70.0, 605.0}, {70.0, 480.0}},
                  {{130.0, 605.0}, {130.0, 540.0}},
                  {{935.0, 605.0}, {935.0, 480.0}},
                  {{900.0, 605.0}, {900.0, 540.0}},
                  {{510.0, 605.0}, {510.0, 500.0}},
                  {{480.0, 605.0}, {480.0, 680.0}},
                  {{560.0, 605.0}, {560.0, 690.0}},
                  {{800.0, 605.0}, {800.0, 700.0}},
                  {{170.0, 605.0}, {170.0, 660.0}},
                  {{790.0, 605.0}, {790.0, 620.0}},
                  {{200.0, 605.0}, {200.0, 710.0}}};
    room.backY = 470;
    room.frontY = 720;
    room.light = 0xFFF4E0;
    room.graphics = {
        Block("tuer_rittersaal", 210, 290, 110, 180, items::doorFrames, 0x6A4A34),
        Block("tuer_kueche", 700, 320, 90, 150, items::doorFrames, 0x6A4A34),
        Block("tuer_turm", 20, 260, 100, 210, items::doorFrames, 0x6A4A34),
        Block("tuer_verlies", 880, 360, 110, 110, items::doorFrames, 0x6A4A34),
        Block("burgtor", 420, 220, 180, 250, 1, 0xB0A890),
        Block("taxi", 330, 500, 300, 150, 1, 0xB0A890),
        Block("kette", 330, 540, 300, 110, 1, 0xB0A890),
        Block("heuwagen", 820, 560, 180, 120, 1, 0xB0A890),
    };
    room.ambience = Ambience::castleYard;
    return room;
}

levels::RoomStaging BurghofStaging()
{
    using items::FullName;
    return {
        {{"TuerRittersaal", "Zum Rittersaal", roomBurghof, FullName("RoomRittersaal", "TuerBurghof"), {265, 480}, {265, 540}, "tuer_rittersaal"},
         {"TuerKueche", "Zur K\xfc" "che", roomBurghof, FullName("RoomK\xfc" "che", "TuerBurghof"), {745, 480}, {745, 540}, "tuer_kueche"},
         {"TuerTurm", "Zum Turm", roomBurghof, FullName("RoomTurm", "TuerBurghof"), {70, 480}, {130, 540}, "tuer_turm"},
         {"TuerVerlies", "Ins Verlies", roomBurghof, FullName("RoomVerlies", "TuerBurghof"), {935, 480}, {900, 540}, "tuer_verlies"}},
        {{"Kupferspule", "Kupferspule", roomBurghof, items::Pickup::none, "kupferspule", false}},
        {{castanimations::rocko, "Rocko", "Rocko", roomBurghof, {240, 640}, Entity::right, -190, {170, 660}},
         {castanimations::schmied, "Schmied", "Schmied Eisenhart", roomBurghof, {700, 600}, Entity::left, -190, {790, 620}},
         {castanimations::kira, "Kira", "KIRA", roomBurghof, {130, 700}, Entity::right, -150, {200, 710}}},
        {{"burgtor", "Burgtor", {510, 500}, Entity::up},
         {"taxi", "Rockos Taxi", {480, 680}, Entity::up},
         {"kette", "Kette", {560, 690}, Entity::up},
         {"heuwagen", "Heuwagen", {800, 700}, Entity::right}},
    };
}

} // namespace content::rooms
