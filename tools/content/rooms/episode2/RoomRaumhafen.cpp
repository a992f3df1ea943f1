// The terminal of Wakalua's spaceport: the departure board, a souvenir
// buyer that pays in star coins, the information counter, the big window
// onto the landing field and a bench; doors to the festival square, the
// taxi stand and the hangar.

#include "Episode2Rooms.h"
#include "PlaceholderRoom.h"
#include "adventure/CastAnimations.h"

namespace content::rooms {

namespace {

constexpr const char* raumhafen = "RoomRaumhafen";

} // namespace

RoomDescription RoomRaumhafen()
{
    RoomDescription room = PlaceholderRoom(raumhafen, 0xC8D8E0,
                                           {{"tor_festplatz", 20, 330, 80, 230},
                                            {"tuer_taxistand", 920, 330, 80, 230},
                                            {"tuer_hangar", 600, 300, 100, 180},
                                            {"anzeigetafel", 250, 80, 300, 120},
                                            {"ankaufautomat", 760, 330, 110, 190},
                                            {"schalter", 150, 400, 220, 120},
                                            {"fenster", 380, 200, 200, 180},
                                            {"wartebank", 420, 520, 180, 70},
                                            {"tankkarte", 240, 400, 0, 140}});
    room.ambience = Ambience::terminal;
    return room;
}

levels::RoomStaging RaumhafenStaging()
{
    using items::FullName;
    return {
        {{"TorFestplatz", "Zum Festplatz", raumhafen, FullName("RoomFestplatz", "TorRaumhafen"), {60, 580},
          {180, 610}, "tor_festplatz"},
         {"TuerTaxistand", "Zum Taxistand", raumhafen, FullName("RoomTaxistand", "TuerRaumhafen"), {960, 580},
          {840, 610}, "tuer_taxistand"},
         {"TuerHangar", "Zum Hangar", raumhafen, FullName("RoomHangar", "TuerRaumhafen"), {650, 510}, {650, 560},
          "tuer_hangar"}},
        {{"Sternentaler", "Sternentaler", raumhafen, items::Pickup::none, "sternentaler", false},
         {"Tankkarte", "Tankkarte", raumhafen, items::Pickup::high, "tankkarte", true},
         {"Tankausweis", "Tankausweis", raumhafen, items::Pickup::none, "tankausweis", false}},
        {{castanimations::kira, "Kira", "KIRA", raumhafen, {300, 620}, Entity::right, -110, {400, 630}}},
        {{"anzeigetafel", "Abflugtafel", {400, 540}, Entity::up},
         {"ankaufautomat", "Andenken-Ankauf", {815, 560}, Entity::up},
         {"schalter", "Infoschalter", {260, 560}, Entity::up},
         {"fenster", "Panoramafenster", {480, 530}, Entity::up},
         {"wartebank", "Wartebank", {510, 620}, Entity::up}},
    };
}

} // namespace content::rooms
