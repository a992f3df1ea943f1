#include "levels/Episode3.h"

#include "rooms/episode3/Episode3Rooms.h"

namespace content::levels {

EpisodeDescription Episode3()
{
    EpisodeDescription episode;
    episode.level = 3;
    // The clearing first: the episode starts there.
    AddRooms(episode, {{rooms::RoomLichtung(), rooms::LichtungStaging()},
                       {rooms::RoomDorf(), rooms::DorfStaging()},
                       {rooms::RoomSchmiede(), rooms::SchmiedeStaging()},
                       {rooms::RoomTurnierwiese(), rooms::TurnierwieseStaging()}});
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
