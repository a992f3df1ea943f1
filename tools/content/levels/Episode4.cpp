#include "levels/Episode4.h"

#include "rooms/episode4/Episode4Rooms.h"

namespace content::levels {

EpisodeDescription Episode4()
{
    EpisodeDescription episode;
    episode.level = 4;
    // The castle yard first: the episode starts there, and the won throwing
    // contest leads there.
    episode.rooms = {rooms::RoomBurghof(), rooms::RoomRittersaal(), rooms::RoomKueche(), rooms::RoomTurm(),
                     rooms::RoomVerlies()};
    for (const RoomStaging& room : {rooms::BurghofStaging(), rooms::RittersaalStaging(), rooms::KuecheStaging(),
                                    rooms::TurmStaging(), rooms::VerliesStaging()})
        Append(episode.staging, room);
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
