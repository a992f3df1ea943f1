// The taxi stand on a landing pad at dusk: Rocko's yellow space taxi with
// its roof cannon, his meter, the taxi sign and a bin; the door back into
// the terminal on the left.

#include "Episode2Rooms.h"
#include "PlaceholderRoom.h"
#include "adventure/CastAnimations.h"

namespace content::rooms {

namespace {

constexpr const char* taxistand = "RoomTaxistand";

} // namespace

RoomDescription RoomTaxistand()
{
    RoomDescription room = PlaceholderRoom(taxistand, 0x604880,
                                           {{"tuer_raumhafen", 20, 330, 80, 230},
                                            {"taxi", 520, 330, 380, 200},
                                            {"taxameter", 450, 420, 50, 110},
                                            {"schild", 820, 150, 120, 160},
                                            {"muelleimer", 200, 470, 60, 80}});
    room.ambience = Ambience::landingPad;
    return room;
}

levels::RoomStaging TaxistandStaging()
{
    using items::FullName;
    return {
        {{"TuerRaumhafen", "Zum Raumhafen", taxistand, FullName("RoomRaumhafen", "TuerTaxistand"), {60, 580},
          {180, 610}, "tuer_raumhafen"}},
        {},
        {{castanimations::rocko, "Rocko", "Rocko", taxistand, {720, 600}, Entity::left, -170, {610, 620}}},
        {{"taxi", "Rockos Taxi", {620, 580}, Entity::up},
         {"taxameter", "Taxameter", {420, 580}, Entity::right},
         {"schild", "Taxischild", {860, 560}, Entity::up},
         {"muelleimer", "M\xfclleimer", {240, 590}, Entity::up}},
    };
}

} // namespace content::rooms
