#include "levels/Episode4.h"

#include "rooms/episode4/Episode4Rooms.h"

namespace content::levels {

EpisodeDescription Episode4()
{
    EpisodeDescription episode;
    episode.level = 4;
    // The castle yard first: the episode starts there, and the won throwing
    // contest leads there.
    AddRooms(episode, {{rooms::RoomBurghof(), rooms::BurghofStaging()},
                       {rooms::RoomRittersaal(), rooms::RittersaalStaging()},
                       {rooms::RoomKueche(), rooms::KuecheStaging()},
                       {rooms::RoomTurm(), rooms::TurmStaging()},
                       {rooms::RoomVerlies(), rooms::VerliesStaging()}});
    episode.flags = {
        "Passwortja",
        "RoomBurghof|EinleitungGesehen",
        "RoomBurghof|KiraHinweisSchritt",
        "RoomBurghof|KiraHinweisStufe",
        "RoomBurghof|EisenVerlangt",
        "RoomBurghof|TaxiFrei",
        "RoomBurghof|SpuleGeschmiedet",
        "RoomBurghof|SpuleEingebaut",
        "RoomBurghof|KristallEingebaut",
        "RoomBurghof|Zeitsprung",
        "RoomRittersaal|TablettPoliert",
        "RoomK\xfc" "che|AscheGenommen",
        "RoomK\xfc" "che|HundAbgelenkt",
        "RoomTurm|ElsterEntdeckt",
        "RoomTurm|KristallGefunden",
        "RoomVerlies|KugelGeloest",
    };
    return episode;
}

} // namespace content::levels
