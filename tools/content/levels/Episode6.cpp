#include "levels/Episode6.h"

#include "rooms/episode6/Episode6Rooms.h"

namespace content::levels {

EpisodeDescription Episode6()
{
    EpisodeDescription episode;
    episode.level = 6;
    // The hall first: the episode starts there, and the won alien shooter
    // leads there.
    AddRooms(episode, {{rooms::RoomBasis(), rooms::BasisStaging()},
                       {rooms::RoomSammlung(), rooms::SammlungStaging()},
                       {rooms::RoomKontrollraum(), rooms::KontrollraumStaging()},
                       {rooms::RoomStartrampe(), rooms::StartrampeStaging()},
                       {rooms::RoomHeimkehr(), rooms::HeimkehrStaging()}});
    episode.flags = {
        "AlienShooterVorbei",
        "RoomBasis|EinleitungGesehen",
        "RoomBasis|KiraHinweisSchritt",
        "RoomBasis|KiraHinweisStufe",
        "RoomBasis|KameraGeliehen",
        "RoomBasis|KontrollraumOffen",
        "RoomSammlung|BaronGetroffen",
        "RoomSammlung|BaronFotografiert",
        "RoomSammlung|KristallGetauscht",
        "RoomKontrollraum|RampeAusgerichtet",
        "RoomStartrampe|KristallAusgebaut",
        "RoomStartrampe|KristallGanz",
        "RoomStartrampe|Heimflug",
    };
    return episode;
}

} // namespace content::levels
