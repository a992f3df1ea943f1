// The festival square by Wakalua's little spaceport on the evening after
// the dance: the stage with the crystal's cushion, the buffet, lanterns and
// a crate of fireworks; the way to the spaceport leaves on the right.

#include "Episode2Rooms.h"
#include "PlaceholderRoom.h"
#include "adventure/CastAnimations.h"

namespace content::rooms {

namespace {

constexpr const char* festplatz = "RoomFestplatz";

} // namespace

RoomDescription RoomFestplatz()
{
    RoomDescription room = PlaceholderRoom(festplatz, 0x40C0C8,
                                           {{"tor_raumhafen", 930, 330, 80, 230},
                                            {"kissen", 470, 380, 80, 60},
                                            {"buffet", 150, 420, 200, 110},
                                            {"lampions", 300, 100, 400, 80},
                                            {"feuerwerk", 760, 470, 90, 80},
                                            {"roboter", 600, 150, 120, 80},
                                            {"preiskristall", 490, 340, 40, 40}});
    room.ambience = Ambience::festival;
    return room;
}

levels::RoomStaging FestplatzStaging()
{
    using items::FullName;
    return {
        {{"TorRaumhafen", "Zum Raumhafen", festplatz, FullName("RoomRaumhafen", "TorFestplatz"), {960, 580},
          {850, 620}, "tor_raumhafen"}},
        {{"Pokal", "Siegerpokal", festplatz, items::Pickup::none, "pokal", false},
         {"Passfoto", "Passfoto", festplatz, items::Pickup::none, "passfoto", false}},
        {{castanimations::kalani, "Kalani", "H\xe4uptling Kalani", festplatz, {420, 560}, Entity::down, -180,
          {320, 580}},
         {castanimations::lotte, "Lotte", "Lotte", festplatz, {640, 600}, Entity::right, -130, {560, 620}},
         {castanimations::mia, "Mia", "Mia", festplatz, {720, 610}, Entity::left, -130, {800, 630}},
         {castanimations::baron, "Baron", "Baron von Blech", festplatz, {560, 540}, Entity::down, -190, {660, 560}}},
        {{"kissen", "Samtkissen", {510, 560}, Entity::up},
         {"buffet", "Festbuffet", {250, 560}, Entity::up},
         {"lampions", "Lampions", {500, 540}, Entity::up},
         {"feuerwerk", "Feuerwerkskiste", {800, 580}, Entity::up}},
    };
}

} // namespace content::rooms
