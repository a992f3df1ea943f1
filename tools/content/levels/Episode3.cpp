#include "levels/Episode3.h"

#include "rooms/episode3/Episode3Rooms.h"

namespace content::levels {

EpisodeDescription Episode3()
{
    EpisodeDescription episode;
    episode.level = 3;
    // The clearing first: the episode starts there.
    episode.rooms = {rooms::RoomLichtung(), rooms::RoomDorf(), rooms::RoomSchmiede(), rooms::RoomTurnierwiese()};
    for (const RoomStaging& room : {rooms::LichtungStaging(), rooms::DorfStaging(), rooms::SchmiedeStaging(),
                                    rooms::TurnierwieseStaging()})
        Append(episode.staging, room);
    episode.flags = {
        "RoomLichtung|EinleitungGesehen",   "RoomLichtung|KiraHinweisSchritt",  "RoomLichtung|KiraHinweisStufe",
        "RoomDorf|GansSatt",                "RoomDorf|LakenGenommen",           "RoomDorf|WappenrockGemalt",
        "RoomDorf|SeilBekommen",            "RoomSchmiede|HelmBekommen",        "RoomTurnierwiese|RitterVerlangt",
        "RoomTurnierwiese|Angemeldet",      "RoomTurnierwiese|SeilGerissen",    "RoomTurnierwiese|MaschineRepariert",
        "RoomTurnierwiese|Turnierbeginn",
    };
    return episode;
}

} // namespace content::levels
