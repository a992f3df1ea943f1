// The castle kitchen: the great hearth with its spit, the shelf of stores,
// the kitchen's dog asleep on the lard pot and a copper kettle; the twins
// have found their way here, hungry as ever.
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
constexpr const char* roomKueche = "RoomK\xfc" "che";

void Paint(cairo_t* cairo)
{
    cairo_rectangle(cairo, 0.0, 0.0, 1024.0, 490.0);
    SetColour(cairo, 0x9C8466, 1.0);
    cairo_fill(cairo);
    cairo_rectangle(cairo, 0.0, 490.0, 1024.0, 768.0 - 490.0);
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

RoomDescription RoomKueche()
{
    RoomDescription room;
    room.label = roomKueche;
    room.folder = "data\\level04\\roomk\xfc" "che\\";
    room.paint = Paint;
    room.floor = {{{10.0, 490.0}, {1014.0, 490.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 615.0}, {984.0, 615.0}},
                  {{935.0, 615.0}, {935.0, 500.0}},
                  {{880.0, 615.0}, {880.0, 580.0}},
                  {{210.0, 615.0}, {210.0, 540.0}},
                  {{210.0, 615.0}, {210.0, 560.0}},
                  {{380.0, 615.0}, {380.0, 660.0}},
                  {{460.0, 615.0}, {460.0, 650.0}},
                  {{700.0, 615.0}, {700.0, 540.0}},
                  {{540.0, 615.0}, {540.0, 690.0}},
                  {{760.0, 615.0}, {760.0, 700.0}}};
    room.backY = 490;
    room.frontY = 720;
    room.light = 0xFFE2C0;
    room.graphics = {
        Block("tuer_burghof", 880, 290, 110, 200, items::doorFrames, 0x6A4A34),
        Block("herd", 80, 220, 260, 280, 1, 0xB0A890),
        Block("bratspiess", 100, 420, 220, 40, 1, 0xB0A890),
        Block("hund", 420, 560, 150, 80, 1, 0xB0A890),
        Block("schmalztopf", 500, 520, 60, 60, 1, 0xB0A890),
        Block("regal", 600, 180, 220, 300, 1, 0xB0A890),
        items::LyingItemGraphic("kessel", 780, 600),
    };
    room.ambience = Ambience::castleKitchen;
    return room;
}

levels::RoomStaging KuecheStaging()
{
    using items::FullName;
    return {
        {{"TuerBurghof", "Zum Burghof", roomKueche, FullName("RoomBurghof", "TuerKueche"), {935, 500}, {880, 580}, "tuer_burghof"}},
        {{"Kessel", "Kupferkessel", roomKueche, items::Pickup::low, "kessel", true},
         {"Asche", "Asche", roomKueche, items::Pickup::none, "asche", false},
         {"Schmalz", "Schmalz", roomKueche, items::Pickup::none, "schmalz", false}},
        {{castanimations::lotte, "Lotte", "Lotte", roomKueche, {600, 660}, Entity::leftDown, -150, {540, 690}},
         {castanimations::mia, "Mia", "Mia", roomKueche, {680, 680}, Entity::leftDown, -150, {760, 700}}},
        {{"herd", "Herd", {210, 540}, Entity::up},
         {"bratspiess", "Bratspie\xdf", {210, 560}, Entity::up},
         {"hund", "Hofhund", {380, 660}, Entity::right},
         {"schmalztopf", "Schmalztopf", {460, 650}, Entity::right},
         {"regal", "Vorratsregal", {700, 540}, Entity::up}},
    };
}

} // namespace content::rooms
