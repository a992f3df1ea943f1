// The base's store: the Baron's shelves of fine food with a bag of space
// popcorn, crates, a freezer, and the cleaning robot that guards its spray
// bottle; the twins are here, looking for something to eat.
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
constexpr const char* roomLager = "RoomLager";

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

RoomDescription RoomLager()
{
    RoomDescription room;
    room.label = roomLager;
    room.folder = "data\\level05\\roomlager\\";
    room.paint = Paint;
    room.floor = {{{10.0, 480.0}, {1014.0, 480.0}, {1014.0, 740.0}, {10.0, 740.0}}};
    room.leads = {{{40.0, 610.0}, {984.0, 610.0}},
                  {{940.0, 610.0}, {940.0, 480.0}},
                  {{900.0, 610.0}, {900.0, 540.0}},
                  {{320.0, 610.0}, {320.0, 650.0}},
                  {{750.0, 610.0}, {750.0, 640.0}},
                  {{170.0, 610.0}, {170.0, 520.0}},
                  {{180.0, 610.0}, {180.0, 530.0}},
                  {{400.0, 610.0}, {400.0, 560.0}},
                  {{585.0, 610.0}, {585.0, 520.0}},
                  {{790.0, 610.0}, {790.0, 520.0}},
                  {{560.0, 610.0}, {560.0, 680.0}},
                  {{600.0, 610.0}, {600.0, 720.0}}};
    room.backY = 480;
    room.frontY = 720;
    room.light = 0xE8E0F4;
    room.graphics = {
        Block("regal", 40, 180, 260, 300, 1, 0x9AD050),
        Block("tuete", 120, 200, 80, 80, 1, 0x9AD050),
        Block("roboter", 330, 380, 110, 150, 1, 0x9AD050),
        Block("kisten", 470, 250, 230, 230, 1, 0x9AD050),
        Block("kuehltruhe", 720, 340, 140, 140, 1, 0x9AD050),
        Block("popcorn", 470, 620, 220, 80, 1, 0x9AD050),
        Block("putzer", 620, 560, 110, 140, 4, 0x9AD050),
        Block("tuer_schleuse", 880, 260, 120, 220, items::doorFrames, 0x5A6A7A),
    };
    room.ambience = Ambience::storeRoom;
    return room;
}

levels::RoomStaging LagerStaging()
{
    using items::FullName;
    return {
        {{"TuerSchleuse", "Zur Schleuse", roomLager, FullName("RoomSchleuse", "TuerLager"), {940, 480}, {900, 540}, "tuer_schleuse"}},
        {{"Spruehflasche", "Spr\xfc" "hflasche", roomLager, items::Pickup::none, "spruehflasche", false}},
        {{castanimations::lotte, "Lotte", "Lotte", roomLager, {250, 640}, Entity::right, -150, {320, 650}},
         {castanimations::mia, "Mia", "Mia", roomLager, {820, 620}, Entity::left, -150, {750, 640}}},
        {{"regal", "Vorratsregal", {170, 520}, Entity::up},
         {"tuete", "Weltraum-Popcorn", {180, 530}, Entity::up},
         {"roboter", "Putzroboter", {400, 560}, Entity::up},
         {"kisten", "Kisten", {585, 520}, Entity::up},
         {"kuehltruhe", "K\xfc" "hltruhe", {790, 520}, Entity::up},
         {"popcorn", "Popcorn", {560, 680}, Entity::up},
         {"putzer", "Putzroboter", {600, 720}, Entity::right}},
    };
}

} // namespace content::rooms
