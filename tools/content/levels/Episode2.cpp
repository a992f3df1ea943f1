#include "levels/Episode2.h"

#include "rooms/episode2/Episode2Rooms.h"

namespace content::levels {

EpisodeDescription Episode2()
{
    EpisodeDescription episode;
    episode.level = 2;
    // The festival square first: the episode starts there.
    AddRooms(episode, {{rooms::RoomFestplatz(), rooms::FestplatzStaging()},
                       {rooms::RoomRaumhafen(), rooms::RaumhafenStaging()},
                       {rooms::RoomTaxistand(), rooms::TaxistandStaging()},
                       {rooms::RoomHangar(), rooms::HangarStaging()}});
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
