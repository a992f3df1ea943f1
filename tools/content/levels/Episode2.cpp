#include "levels/Episode2.h"

#include "rooms/episode2/Episode2Rooms.h"

namespace content::levels {

EpisodeDescription Episode2()
{
    EpisodeDescription episode;
    episode.level = 2;
    // The festival square first: the episode starts there.
    episode.rooms = {rooms::RoomFestplatz(), rooms::RoomRaumhafen(), rooms::RoomTaxistand(), rooms::RoomHangar()};
    for (const RoomStaging& room : {rooms::FestplatzStaging(), rooms::RaumhafenStaging(), rooms::TaxistandStaging(),
                                    rooms::HangarStaging()})
        Append(episode.staging, room);
    episode.flags = {
        "RoomFestplatz|EinleitungGesehen",  "RoomFestplatz|PokalBekommen",    "RoomFestplatz|FotoGemacht",
        "RoomRaumhafen|KiraHinweisSchritt", "RoomRaumhafen|KiraHinweisStufe", "RoomRaumhafen|PokalVerkauft",
        "RoomRaumhafen|AusweisGebastelt",   "RoomTaxistand|PreisGenannt",     "RoomTaxistand|RockoBezahlt",
        "RoomTaxistand|TaxiGetankt",        "RoomTaxistand|Abflug",           "RoomHangar|AusweisVerlangt",
        "RoomHangar|KanisterGefuellt",
    };
    return episode;
}

} // namespace content::levels
