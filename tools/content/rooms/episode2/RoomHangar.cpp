// The repair hangar: the Zephyra on blocks with her panels open, a robot
// fuel pump with a face and a card slot, a workbench and a shelf of spare
// parts; the door back into the terminal on the right.

#include "Episode2Rooms.h"
#include "PlaceholderRoom.h"
#include "adventure/CastAnimations.h"

namespace content::rooms {

namespace {

constexpr const char* hangar = "RoomHangar";

} // namespace

RoomDescription RoomHangar()
{
    RoomDescription room = PlaceholderRoom(hangar, 0x707880,
                                           {{"tuer_raumhafen", 920, 330, 80, 230},
                                            {"zapfsaeule", 120, 330, 120, 220},
                                            {"zephyra", 380, 180, 420, 300},
                                            {"werkbank", 700, 440, 180, 90},
                                            {"regal", 260, 250, 100, 220},
                                            {"kanister", 600, 560, 0, 70}});
    room.ambience = Ambience::hangar;
    return room;
}

levels::RoomStaging HangarStaging()
{
    using items::FullName;
    return {
        {{"TuerRaumhafen", "Zum Raumhafen", hangar, FullName("RoomRaumhafen", "TuerHangar"), {960, 580}, {840, 610},
          "tuer_raumhafen"}},
        {{"Kanister", "Leerer Kanister", hangar, items::Pickup::low, "kanister", true},
         {"VollerKanister", "Voller Kanister", hangar, items::Pickup::none, "vollerkanister", false}},
        {{castanimations::baltasar, "Baltasar", "Kapit\xe4n Baltasar", hangar, {480, 620}, Entity::left, -160,
          {380, 630}}},
        {{"zapfsaeule", "Tankroboter", {220, 580}, Entity::left},
         {"zephyra", "Die Zephyra", {560, 560}, Entity::up},
         {"werkbank", "Werkbank", {760, 580}, Entity::up},
         {"regal", "Ersatzteilregal", {310, 560}, Entity::up}},
    };
}

} // namespace content::rooms
